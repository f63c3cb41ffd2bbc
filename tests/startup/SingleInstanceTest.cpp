#include "startup/ActivePrevInstance.h"

#include <algorithm>
#include <unistd.h>
#include <vector>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using namespace std::chrono_literals;
namespace api = basActivePrevInstance;

namespace {

// Every test has its own lock and socket names in a fresh folder and records
// the messages it would show.
class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        names = {dir.filePath(QStringLiteral("test.lock")),
                 dir.filePath(QStringLiteral("test.socket"))};
        hooks.showMessage = [this](QWidget*, const dialogs::Message& m) { messages.push_back(m); };
    }

    // A later start: claims, finds the instance running and asks it to come
    // forward. Returns whether the request was handed over.
    bool StartAgain(std::chrono::milliseconds timeout = 2s) {
        api::SingleInstance second(names);
        EXPECT_EQ(second.claim(), api::Claim::AlreadyRunning);
        return api::ActivatePrevInstance(names, hooks, timeout);
    }

    // The pid of a process that has just ended.
    static qint64 DeadPid() {
        QProcess shell;
        shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("echo $$")});
        EXPECT_TRUE(shell.waitForFinished(5000));
        return shell.readAllStandardOutput().trimmed().toLongLong();
    }

    // A lock file as QLockFile writes it, with `pid` in place of the owner's.
    void WriteLockOwnedBy(qint64 pid) const {
        const QString model = dir.filePath(QStringLiteral("model.lock"));
        {
            QLockFile lock(model);
            ASSERT_TRUE(lock.tryLock(0));
            QFile file(model);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            QList<QByteArray> lines = file.readAll().split('\n');
            lines[0] = QByteArray::number(pid);
            QFile copy(names.lockFile);
            ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
            copy.write(lines.join('\n'));
        }
    }

    QTemporaryDir dir;
    api::InstanceNames names;
    dialogs::DialogHooks hooks;
    std::vector<dialogs::Message> messages;
};

TEST_F(SingleInstance, SecondStartReachesTheFirst) {
    api::SingleInstance first(names);
    ASSERT_EQ(first.claim(), api::Claim::First);
    ASSERT_TRUE(first.isListening());
    QSignalSpy requests(&first, &api::SingleInstance::activationRequested);

    EXPECT_TRUE(StartAgain());
    EXPECT_TRUE(requests.wait(10000));
    EXPECT_EQ(requests.count(), 1);
    EXPECT_TRUE(messages.empty());

    // Each later start is one request.
    EXPECT_TRUE(StartAgain());
    EXPECT_TRUE(QTest::qWaitFor([&] { return requests.count() == 2; }, 10000));
}

TEST_F(SingleInstance, RequestBringsTheWindowForward) {
    enum class Before { Hidden, Minimised, Shown };
    for (const Before before : {Before::Hidden, Before::Minimised, Before::Shown}) {
        SCOPED_TRACE(int(before));
        api::SingleInstance first(names);
        ASSERT_EQ(first.claim(), api::Claim::First);
        QWidget window;
        QObject::connect(&first, &api::SingleInstance::activationRequested, &window,
                         [&window] { api::BringForward(&window); });
        if (before == Before::Minimised) {
            window.showMinimized();
        } else if (before == Before::Shown) {
            window.show();
        }

        ASSERT_TRUE(StartAgain());
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return window.isVisible() && !window.isMinimized(); }, 10000));
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window, 10000));
    }
}

TEST_F(SingleInstance, LeftOversOfACrashedInstanceDoNotBlock) {
    const qint64 pid = DeadPid();
    ASSERT_GT(pid, 0);
    WriteLockOwnedBy(pid);
    // The socket file a killed instance leaves behind.
    QFile socketFile(names.serverName);
    ASSERT_TRUE(socketFile.open(QIODevice::WriteOnly));
    socketFile.close();

    api::SingleInstance first(names);
    EXPECT_EQ(first.claim(), api::Claim::First);
    EXPECT_TRUE(first.isListening());
    QSignalSpy requests(&first, &api::SingleInstance::activationRequested);
    EXPECT_TRUE(StartAgain());
    EXPECT_TRUE(requests.wait(10000));
}

TEST_F(SingleInstance, UnreachableInstanceGivesTheWarning) {
    // Held by a live process (this one) that does not listen.
    QLockFile held(names.lockFile);
    ASSERT_TRUE(held.tryLock(0));

    EXPECT_FALSE(StartAgain(200ms));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(messages[0].title, QStringLiteral("Vaporwright"));
    EXPECT_EQ(messages[0].text,
              QStringLiteral("A previous instance of Vaporwright is currently running."));
}

TEST_F(SingleInstance, OnlyTheExactRequestActivates) {
    api::SingleInstance first(names);
    ASSERT_EQ(first.claim(), api::Claim::First);
    QSignalSpy requests(&first, &api::SingleInstance::activationRequested);

    struct Case {
        const char* name;
        std::vector<QByteArray> pieces;
        bool activates;
    };
    const std::vector<Case> cases{
        {"in two pieces", {"acti", "vate\n"}, true},
        {"other text", {"hello, is anybody there?\n"}, false},
        {"binary", {QByteArray("\0\xff\x01\x02garbage", 11)}, false},
        {"a prefix only", {"activ"}, false},
        {"nothing", {}, false},
    };
    auto* server = first.findChild<QLocalServer*>();
    ASSERT_NE(server, nullptr);
    QSignalSpy accepted(server, &QLocalServer::newConnection);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        requests.clear();
        accepted.clear();
        QLocalSocket client;
        client.connectToServer(names.serverName);
        ASSERT_TRUE(client.waitForConnected(1000));
        for (const QByteArray& piece : c.pieces) {
            client.write(piece);
            ASSERT_TRUE(client.waitForBytesWritten(1000));
            QTest::qWait(20);
        }
        client.disconnectFromServer();
        // Until the server has taken the connection, read it and dropped it.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !accepted.isEmpty() && first.findChildren<QLocalSocket*>().isEmpty(); },
            10000));
        EXPECT_EQ(requests.count(), c.activates ? 1 : 0);
    }
    // The server still answers a real request afterwards.
    EXPECT_TRUE(StartAgain());
    EXPECT_TRUE(requests.wait(10000));
}

TEST_F(SingleInstance, ALaterStartHandsOverItsProjectFile) {
    api::SingleInstance first(names);
    ASSERT_EQ(first.claim(), api::Claim::First);
    QSignalSpy activations(&first, &api::SingleInstance::activationRequested);
    QSignalSpy opens(&first, &api::SingleInstance::openRequested);

    // A path with blanks, a line break and letters beyond ASCII arrives whole.
    const QString path = QStringLiteral("/home/ünïcode/Büro\nzwei/Air handler 1.vwproj");
    {
        api::SingleInstance second(names);
        ASSERT_EQ(second.claim(), api::Claim::AlreadyRunning);
        ASSERT_TRUE(api::ActivatePrevInstance(names, hooks, 2s, path));
    }
    ASSERT_TRUE(opens.wait(10000));
    EXPECT_EQ(activations.count(), 1);
    EXPECT_EQ(opens.at(0).at(0).toString(), path);

    // Damaged or endless open requests open nothing.
    auto* server = first.findChild<QLocalServer*>();
    QSignalSpy accepted(server, &QLocalServer::newConnection);
    const QByteArray endless = "open " + QByteArray(api::kLongestRequest, 'A');
    for (const QByteArray& request :
         {QByteArray("open !!not base64!!\n"), QByteArray("open \n"), endless}) {
        opens.clear();
        accepted.clear();
        QLocalSocket client;
        client.connectToServer(names.serverName);
        ASSERT_TRUE(client.waitForConnected(1000));
        client.write(request);
        client.waitForBytesWritten(1000);
        client.disconnectFromServer();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !accepted.isEmpty() && first.findChildren<QLocalSocket*>().isEmpty(); },
            10000));
        EXPECT_TRUE(opens.isEmpty()) << request.left(40).constData();
    }
    // A path too long for a request is not sent: the instance only comes
    // forward.
    EXPECT_TRUE(api::OpenRequest(QString(api::kLongestRequest, QLatin1Char('x'))).isEmpty());
}

TEST_F(SingleInstance, LockThatCannotBeTakenLeavesTheProgramUnguarded) {
    const api::InstanceNames nowhere{dir.filePath(QStringLiteral("missing/test.lock")),
                                     dir.filePath(QStringLiteral("missing/test.socket"))};
    api::SingleInstance instance(nowhere);
    EXPECT_EQ(instance.claim(), api::Claim::Unguarded);
}

// Regression: a folder where the lock goes said "A previous instance ..." and
// ended the very first start.
TEST_F(SingleInstance, NonFileWhereTheLockGoesRunsUnguardedSayingSo) {
    ASSERT_TRUE(QDir().mkdir(names.lockFile));
    api::SingleInstance instance(names);
    testing::internal::CaptureStderr();
    EXPECT_EQ(instance.claim(), api::Claim::Unguarded);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find(names.lockFile.toStdString()), std::string::npos) << said;
}

TEST_F(SingleInstance, LockFileWithoutOwnerIsTakenOverOnceASecondOld) {
    QFile empty(names.lockFile); // a start killed between making and filling it
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    {
        api::SingleInstance justMade(names); // may be a start filling it now
        EXPECT_EQ(justMade.claim(), api::Claim::AlreadyRunning);
    }
    ASSERT_TRUE(empty.setFileTime(QDateTime::currentDateTime().addSecs(-10),
                                  QFileDevice::FileModificationTime));
    empty.close();
    api::SingleInstance instance(names);
    EXPECT_EQ(instance.claim(), api::Claim::First);
    EXPECT_TRUE(instance.isListening());
}

TEST_F(SingleInstance, SocketIsTheUsersAlone) {
    api::SingleInstance first(names);
    ASSERT_EQ(first.claim(), api::Claim::First);
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_FALSE(QFileInfo(names.serverName).permissions() & others);
}

TEST(DefaultNames, PerUserInTheRuntimeFolder) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    const QString uid = QString::number(::getuid());
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());

    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    api::InstanceNames names = api::DefaultNames();
    EXPECT_EQ(names.lockFile, runtime.filePath(QStringLiteral("vaporwright-%1.lock").arg(uid)));
    EXPECT_EQ(names.serverName, runtime.filePath(QStringLiteral("vaporwright-%1.socket").arg(uid)));

    // No usable runtime folder: the temporary folder, still by user id.
    qputenv("XDG_RUNTIME_DIR", runtime.filePath(QStringLiteral("gone")).toLocal8Bit());
    names = api::DefaultNames();
    EXPECT_TRUE(names.lockFile.endsWith(QStringLiteral("/vaporwright-%1.lock").arg(uid)));
    EXPECT_FALSE(names.lockFile.startsWith(runtime.path()));

    qputenv("XDG_RUNTIME_DIR", saved);
}

} // namespace
