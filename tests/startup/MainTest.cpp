#include "startup/Main.h"

#include "dialogs/frmReadDisclaimer.h"
#include "dialogs/frmSplash.h"
#include "settings/Flags.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsValues.h"

#include <csignal>
#include <functional>
#include <vector>

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace std::chrono_literals;
namespace api = basActivePrevInstance;

namespace {

template <typename T>
int CountTopLevel() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        count += qobject_cast<T*>(w) != nullptr ? 1 : 0;
    }
    return count;
}

template <typename T>
T* VisibleTopLevel() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* t = qobject_cast<T*>(w); t != nullptr && t->isVisible()) {
            return t;
        }
    }
    return nullptr;
}

// Agrees to the disclaimer prompt as soon as it is up, after letting the test
// look around; so a prompt that should not come cannot hang the test either.
class PromptAnswerer : public QObject {
public:
    explicit PromptAnswerer(std::function<void()> look = {}) : look_(std::move(look)) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* prompt = qobject_cast<frmReadDisclaimer*>(QApplication::activeModalWidget());
            if (prompt == nullptr) {
                return;
            }
            ++prompts;
            if (look_) {
                look_();
            }
            prompt->findChild<QPushButton*>(QStringLiteral("cmdAgree"))->click();
        });
        timer_.start(20);
    }

    int prompts = 0;

private:
    std::function<void()> look_;
    QTimer timer_;
};

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(settingsDir.isValid());
        ASSERT_TRUE(instanceDir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
        settings::blnDisclaimerShow = settings::kDefaultDisclaimerShow;
        settings::blnKeepOnTop = settings::kDefaultKeepOnTop;
        options.hold = 50ms;
        options.names = {instanceDir.filePath(QStringLiteral("vw.lock")),
                         instanceDir.filePath(QStringLiteral("vw.socket"))};
        options.connectTimeout = 200ms;
        options.hooks.showMessage = [this](QWidget*, const dialogs::Message& m) {
            messages.push_back(m);
        };
        options.hooks.endProgram = [this](int code) { ended.push_back(code); };
    }

    static QByteArray StoreBytes() {
        QFile file(settings::StoreFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir settingsDir;
    QTemporaryDir instanceDir;
    basMain::StartupOptions options;
    std::vector<dialogs::Message> messages;
    std::vector<int> ended;
};

TEST_F(Startup, DisclaimerOffShowsTheCalculatorAfterTheSplash) {
    ASSERT_TRUE(settings::WriteDisclaimerShow(false));
    options.hold = 600ms;

    // During the hold, once the calculator is loaded: the splash is up, the
    // calculator hidden, the pointer busy. Polled, so that however slowly the
    // load goes the look falls after it and within the hold.
    bool looked = false;
    bool splashUp = false;
    bool calculatorHidden = false;
    bool busy = false;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (CountTopLevel<frmMain>() == 0) {
            return; // still loading
        }
        look.stop();
        looked = true;
        splashUp = VisibleTopLevel<frmSplash>() != nullptr;
        calculatorHidden = CountTopLevel<frmMain>() == 1 && VisibleTopLevel<frmMain>() == nullptr;
        busy = QApplication::overrideCursor() != nullptr &&
               QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    });
    look.start(10);
    const PromptAnswerer answerer;

    const basMain::Session session = basMain::Main(options);
    ASSERT_TRUE(session);
    EXPECT_TRUE(looked);
    EXPECT_TRUE(splashUp);
    EXPECT_TRUE(calculatorHidden);
    EXPECT_TRUE(busy);

    EXPECT_TRUE(session.window->isVisible());
    EXPECT_EQ(session.window->windowTitle(),
              QStringLiteral("Vaporwright:  https://vaporwright.example/"));
    EXPECT_EQ(CountTopLevel<frmSplash>(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(answerer.prompts, 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Startup, FirstRunAsksForTheDisclaimerOverTheShownCalculator) {
    bool calculatorReady = false;
    PromptAnswerer answerer([&] {
        const frmMain* calculator = VisibleTopLevel<frmMain>();
        calculatorReady = calculator != nullptr &&
                          calculator->windowTitle().startsWith(QStringLiteral("Vaporwright:  ")) &&
                          CountTopLevel<frmSplash>() == 0 &&
                          QApplication::overrideCursor() == nullptr;
    });

    const basMain::Session session = basMain::Main(options);
    ASSERT_TRUE(session);
    EXPECT_EQ(answerer.prompts, 1);
    EXPECT_TRUE(calculatorReady);
    // Closing the prompt stores the flag, here as it was.
    EXPECT_EQ(settings::GetSetting(settings::kDisclaimerShow, {}), QStringLiteral("True"));
    EXPECT_TRUE(ended.empty());
}

// Regression: SIGTERM (a logout without a session manager, `kill`) ended the
// program without writing a setting.
TEST_F(Startup, SigtermWhileThePromptIsOpenUnloadsTheWindowAndEnds) {
    ASSERT_TRUE(settings::SaveSetting(settings::kUnits, QStringLiteral("1")));
    QTimer terminator;
    QObject::connect(&terminator, &QTimer::timeout, [&terminator] {
        if (qobject_cast<frmReadDisclaimer*>(QApplication::activeModalWidget()) != nullptr) {
            terminator.stop();
            settings::blnDisclaimerShow = false; // as the prompt's check box does
            ::raise(SIGTERM);
        }
    });
    terminator.start(20);

    const basMain::Session session = basMain::Main(options);
    ASSERT_TRUE(session);
    EXPECT_TRUE(session.ended());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(settings::GetSetting(settings::kUnits, {}), QStringLiteral("1"));
    EXPECT_EQ(settings::GetSetting(settings::kDisclaimerShow, {}), QStringLiteral("False"));
    EXPECT_TRUE(ended.empty());
    // Every event loop was told to end; a pass of the main loop clears that
    // for the tests that follow in this process.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

TEST_F(Startup, LaterStartBringsTheCalculatorBack) {
    ASSERT_TRUE(settings::WriteDisclaimerShow(false));
    const basMain::Session session = basMain::Main(options);
    ASSERT_TRUE(session);
    session.window->hide(); // into the tray

    EXPECT_FALSE(basMain::Main(options));
    EXPECT_TRUE(QTest::qWaitFor([&] { return session.window->isVisible(); }, 10000));
    EXPECT_TRUE(messages.empty());
}

TEST_F(Startup, LaterStartTouchesNoSettingAndShowsNoWindow) {
    api::SingleInstance first(options.names);
    ASSERT_EQ(first.claim(), api::Claim::First);
    QSignalSpy requests(&first, &api::SingleInstance::activationRequested);
    ASSERT_TRUE(settings::WriteDisclaimerShow(false));
    ASSERT_TRUE(settings::WriteKeepOnTop(true));
    const QByteArray before = StoreBytes();
    const QDateTime modified = QFileInfo(settings::StoreFilePath()).lastModified();
    // Not what is stored: a read would change them.
    settings::blnDisclaimerShow = true;
    settings::blnKeepOnTop = false;

    EXPECT_FALSE(basMain::Main(options));
    EXPECT_TRUE(requests.wait(10000));
    EXPECT_TRUE(settings::blnDisclaimerShow);
    EXPECT_FALSE(settings::blnKeepOnTop);
    EXPECT_EQ(StoreBytes(), before);
    EXPECT_EQ(QFileInfo(settings::StoreFilePath()).lastModified(), modified);
    EXPECT_EQ(CountTopLevel<frmSplash>(), 0);
    EXPECT_EQ(CountTopLevel<frmMain>(), 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Startup, UnreachableRunningInstanceGivesTheWarningAndEnds) {
    QLockFile held(options.names.lockFile); // running, but not listening
    ASSERT_TRUE(held.tryLock(0));

    EXPECT_FALSE(basMain::Main(options));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(messages[0].title, QStringLiteral("Vaporwright"));
    EXPECT_EQ(messages[0].text,
              QStringLiteral("A previous instance of Vaporwright is currently running."));
    EXPECT_FALSE(QFileInfo::exists(settings::StoreFilePath()));
    EXPECT_EQ(CountTopLevel<frmMain>(), 0);
}

} // namespace
