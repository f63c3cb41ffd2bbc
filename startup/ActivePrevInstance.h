#pragma once

// One running instance per user.
//
// The first start takes a lock file and listens on a local socket next to it;
// both are named from the user id, so each user of the machine has their own
// instance. A later start finds the lock held, connects to that socket and
// sends the request "activate"; the running instance answers by bringing its
// calculator window forward (restored if minimised, shown if hidden in the
// tray, raised and activated). The later start then ends without touching the
// settings. When the lock is held but nobody listens, the later start shows
// "A previous instance of Vaporwright is currently running." and ends.
//
// Left-overs of a crashed instance never block the next start: a lock whose
// owner process is gone is taken over (QLockFile checks the pid), so is a lock
// file that names no owner at all (empty) once it is a second old, and the
// socket file is removed before listening, which is safe once the lock is ours.
// A lock that names a live owner is never declared stale by its age: the
// running instance may hold it for days. A folder or other non-file where the
// lock goes makes the program run unguarded, with one line on standard error.

#include "dialogs/DialogHooks.h"

#include <chrono>

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalSocket;
class QWidget;

namespace basActivePrevInstance {

// Where the lock file and the listening socket of the instance live: full
// paths. Tests use their own so that they never meet a real instance.
struct InstanceNames {
    QString lockFile;
    QString serverName;
};

// The names of the current user's instance: "vaporwright-<uid>.lock" and
// "vaporwright-<uid>.socket" in the user's runtime folder ($XDG_RUNTIME_DIR,
// private to the user), or in the temporary folder when there is none.
InstanceNames DefaultNames();

// What a start finds when it claims the instance.
enum class Claim {
    First,          // the lock is ours and the server listens
    AlreadyRunning, // a live process holds the lock
    Unguarded,      // the lock could not be taken for another reason (folder not
                    // writable, a folder in the way, ...): the program runs, but
                    // without the guard
};

// The lock and the server of the running instance; lives as long as the
// program runs. Releases both when destroyed.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(InstanceNames names = DefaultNames(), QObject* parent = nullptr);
    ~SingleInstance() override;

    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock and, when it is ours, starts listening for requests.
    // Called once.
    Claim claim();

    const InstanceNames& names() const { return names_; }
    bool isListening() const { return server_.isListening(); }

signals:
    // A later start asked this instance to come forward.
    void activationRequested();
    // ... and to open this project file (after activationRequested).
    void openRequested(const QString& path);

private:
    // After a failed tryLock: takes a lock file without an owner over.
    bool takeOverOwnerlessLock();
    void acceptConnections();
    void readRequest(QLocalSocket* socket);

    InstanceNames names_;
    QLockFile lock_;
    // A child, so that the connections it holds are among this object's
    // children while they are being read.
    QLocalServer server_{this};
};

// The request a later start sends: anything else is not a request and is
// dropped.
inline constexpr char kActivateRequest[] = "activate\n";
// A later start given a project file sends instead "open ", the file's
// absolute path in UTF-8 and base64, and "\n": the running instance comes
// forward and opens the project. A request longer than kLongestRequest bytes
// is none.
inline constexpr char kOpenRequestPrefix[] = "open ";
inline constexpr qsizetype kLongestRequest = 16384;

// The open request for a path; empty when it would be longer than
// kLongestRequest.
QByteArray OpenRequest(const QString& path);

// The texts of the message shown when the running instance cannot be reached.
inline constexpr char kMessageTitle[] = "Vaporwright";
// In English; shown translated in context "basActivePrevInstance".
inline constexpr char kMessageText[] = QT_TRANSLATE_NOOP(
    "basActivePrevInstance", "A previous instance of Vaporwright is currently running.");

// A later start: asks the running instance behind `names` to come forward,
// and to open `projectFile` when one is given (and its request is not too
// long: then it only comes forward). Tries to connect for up to
// `connectTimeout` (the first instance may be between taking the lock and
// listening). Returns true when the request was handed over; otherwise shows
// the warning message through `hooks` and returns false. Either way this
// start then ends; nothing of the settings is touched.
bool ActivatePrevInstance(const InstanceNames& names, const dialogs::DialogHooks& hooks = {},
                          std::chrono::milliseconds connectTimeout = std::chrono::seconds(2),
                          const QString& projectFile = {});

// What the running instance does on a request: restores `window` if minimised,
// shows it if hidden, raises and activates it. A modal window open over it
// (the disclaimer prompt, About) is raised above it again, since it is the one
// that takes the input.
void BringForward(QWidget* window);

} // namespace basActivePrevInstance
