#include "startup/ActivePrevInstance.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <utility>

#include <QApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWidget>

namespace basActivePrevInstance {

namespace {

// A connection that has not sent its request by then is dropped, so that a
// stray client cannot keep sockets open in the running instance (ms).
constexpr int kRequestTimeoutMs = 5000;
// Pause between two connection attempts of a later start (ms).
constexpr unsigned long kRetryPauseMs = 50;
// A lock file without an owner this old is a left-over (ms).
constexpr qint64 kOwnerlessLockAgeMs = 1000;

// Only the letters, digits, "+", "/" and "=" of base64.
bool IsBase64(const QByteArray& text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '+' || c == '/' || c == '=';
    });
}

const QByteArray& ActivateRequest() {
    static const QByteArray request(kActivateRequest, qsizetype(std::strlen(kActivateRequest)));
    return request;
}

// The user's runtime folder when it is usable: set, a folder, ours and
// writable. Otherwise the temporary folder, shared by all users, where the
// user id in the names keeps the instances apart.
QString InstanceFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        const QFileInfo info(runtime);
        if (info.isDir() && info.isWritable() && info.ownerId() == ::getuid()) {
            return runtime;
        }
    }
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
}

} // namespace

InstanceNames DefaultNames() {
    const QDir folder(InstanceFolder());
    const QString base = QStringLiteral("vaporwright-%1").arg(::getuid());
    return {folder.filePath(base + QStringLiteral(".lock")),
            folder.filePath(base + QStringLiteral(".socket"))};
}

SingleInstance::SingleInstance(InstanceNames names, QObject* parent)
    : QObject(parent), names_(std::move(names)), lock_(names_.lockFile) {
    // The lock is held for the whole run, however long: only a dead owner
    // makes it stale, never its age.
    lock_.setStaleLockTime(0);
}

// The members go in reverse order: the server closes before the lock file is
// removed, so that a start in between still finds the lock.
SingleInstance::~SingleInstance() = default;

Claim SingleInstance::claim() {
    // A folder (or pipe, socket, ...) where the lock goes can hold no lock:
    // the program runs, without the guard, and says why.
    if (const QFileInfo where(names_.lockFile); where.exists() && !where.isFile()) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("Vaporwright: %1 is not a file; running without the "
                                   "single-instance guard")
                                    .arg(QDir::toNativeSeparators(names_.lockFile))));
        return Claim::Unguarded;
    }
    if (!lock_.tryLock(0) && !takeOverOwnerlessLock()) {
        return lock_.error() == QLockFile::LockFailedError ? Claim::AlreadyRunning
                                                           : Claim::Unguarded;
    }
    // The lock is ours, so a socket file at that name was left by a crashed
    // instance; listen would fail on it.
    QLocalServer::removeServer(names_.serverName);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    // A failure to listen leaves this instance running; later starts then find
    // nobody to ask and show the message.
    server_.listen(names_.serverName);
    return Claim::First;
}

bool SingleInstance::takeOverOwnerlessLock() {
    // A lock file names its owner within microseconds of being made; one that
    // names none (empty, as a start killed in between leaves it) and is older
    // than that belongs to no running instance.
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock_.error() != QLockFile::LockFailedError ||
        lock_.getLockInfo(&pid, &host, &application) ||
        QFileInfo(names_.lockFile).lastModified().msecsTo(QDateTime::currentDateTime()) <
            kOwnerlessLockAgeMs) {
        return false;
    }
    return lock_.removeStaleLockFile() && lock_.tryLock(0);
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
        QTimer::singleShot(kRequestTimeoutMs, socket, &QLocalSocket::abort);
        readRequest(socket); // the request may have arrived before the connection was taken
    }
}

void SingleInstance::readRequest(QLocalSocket* socket) {
    const QByteArray& activate = ActivateRequest();
    const QByteArray open(kOpenRequestPrefix);
    const QByteArray seen =
        socket->peek(std::min<qint64>(socket->bytesAvailable(), kLongestRequest + 1));
    const qsizetype end = seen.indexOf('\n');
    if (end < 0) {
        // Wait for the rest, unless what came so far can be no request.
        const bool mayBe = activate.startsWith(seen) || open.startsWith(seen) ||
                           (seen.startsWith(open) && seen.size() < kLongestRequest &&
                            IsBase64(seen.mid(open.size())));
        if (!seen.isEmpty() && !mayBe) {
            socket->abort();
        }
        return;
    }
    const QByteArray line = seen.left(end + 1);
    socket->abort();
    if (line == activate) {
        emit activationRequested();
        return;
    }
    if (!line.startsWith(open)) {
        return;
    }
    const QByteArray encoded = line.mid(open.size(), line.size() - open.size() - 1);
    const auto decoded =
        QByteArray::fromBase64Encoding(encoded, QByteArray::AbortOnBase64DecodingErrors);
    if (!IsBase64(encoded) || !decoded || (*decoded).isEmpty()) {
        return;
    }
    emit activationRequested();
    emit openRequested(QString::fromUtf8(*decoded));
}

QByteArray OpenRequest(const QString& path) {
    const QByteArray request =
        QByteArray(kOpenRequestPrefix) + path.toUtf8().toBase64() + QByteArray("\n");
    return request.size() <= kLongestRequest ? request : QByteArray();
}

bool ActivatePrevInstance(const InstanceNames& names, const dialogs::DialogHooks& hooks,
                          std::chrono::milliseconds connectTimeout, const QString& projectFile) {
    const QDeadlineTimer deadline(connectTimeout);
    bool handedOver = false;
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(names.serverName);
        if (socket.waitForConnected(int(std::max<qint64>(deadline.remainingTime(), 1)))) {
            const QByteArray open = projectFile.isEmpty() ? QByteArray() : OpenRequest(projectFile);
            socket.write(open.isEmpty() ? ActivateRequest() : open);
            socket.waitForBytesWritten(int(std::max<qint64>(deadline.remainingTime(), 100)));
            handedOver = socket.bytesToWrite() == 0;
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState) {
                socket.waitForDisconnected(100);
            }
            break;
        }
        // Nobody listens (yet): the running instance may be between taking
        // the lock and listening.
        socket.abort();
        if (deadline.hasExpired()) {
            break;
        }
        QThread::msleep(kRetryPauseMs);
    }
    if (!handedOver) {
        hooks.message(nullptr,
                      {QMessageBox::Warning, QString::fromLatin1(kMessageTitle),
                       QCoreApplication::translate("basActivePrevInstance", kMessageText)});
    }
    return handedOver;
}

void BringForward(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    if (window->isMinimized()) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    }
    window->show();
    window->raise();
    window->activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != window) {
        modal->raise();
        modal->activateWindow();
    }
}

} // namespace basActivePrevInstance
