#include "startup/Main.h"

#include "dialogs/TopmostSuspension.h"
#include "dialogs/VersionInfo.h"
#include "dialogs/frmReadDisclaimer.h"
#include "dialogs/frmSplash.h"
#include "settings/Flags.h"
#include "settings/SettingsStore.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace basMain {

namespace {

using namespace std::chrono_literals;

// The most the start-up waits for the splash window's first paint.
constexpr auto kFirstPaintCap = 1000ms;

// Runs the event loop for a while, handling only what keeps the windows
// painted: paint and timer events run; the user's input and the instance
// socket's requests wait until the start-up is over. With ShowPainted the wait
// ends early at the window's first paint.
class PaintOnlyWait : public QObject {
public:
    void run(std::chrono::milliseconds duration) {
        // A precise timer: a coarse one may end the 4000 ms hold up to 5 % early.
        QTimer::singleShot(duration, Qt::PreciseTimer, &loop_, &QEventLoop::quit);
        if (!painted_) {
            loop_.exec(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
        }
    }

    // Shows `window` and waits until it is on screen: some platforms paint it
    // while it is being shown, others only once the window system has mapped it.
    static void ShowPainted(QWidget& window) {
        PaintOnlyWait wait;
        window.installEventFilter(&wait);
        window.show();
        wait.run(kFirstPaintCap);
        window.removeEventFilter(&wait);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted_ = true;
            loop_.quit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop loop_;
    bool painted_ = false;
};

// A signal's end of the run: the window unloads as at the end of the session
// (nothing more when Exit has unloaded it already), then every event loop
// ends, the main one and any modal window's above it.
void EndRunBySignal(frmMain& calculator) {
    bool cancel = false;
    calculator.Form_QueryUnload(cancel, UnloadReason::SessionEnd);
    calculator.Form_Unload();
    QCoreApplication::exit(EXIT_SUCCESS);
}

QString Caption() {
    return QStringLiteral("%1:  %2").arg(QLatin1String(VersionInfo::kAppTitle),
                                         QLatin1String(VersionInfo::kWebAddress));
}

} // namespace

Session Main(const StartupOptions& options) {
    namespace instance = basActivePrevInstance;
    Session session;
    session.instance = std::make_unique<instance::SingleInstance>(options.names);
    if (session.instance->claim() == instance::Claim::AlreadyRunning) {
        const bool handedOver = instance::ActivatePrevInstance(
            options.names, options.hooks, options.connectTimeout, options.projectFile);
        if (!options.projectFile.isEmpty() &&
            (!handedOver || instance::OpenRequest(options.projectFile).isEmpty()))
            std::fprintf(stderr, "%s\n",
                         qPrintable(QCoreApplication::translate(
                                        "basMain", "Vaporwright is already running: open %1 "
                                                   "from its chart window (File > Open Project).")
                                        .arg(options.projectFile)));
        return {};
    }

    session.terminationSignals = std::make_unique<TerminationSignals>();
    settings::RemoveLeftovers();
    settings::ReadStartupFlags();

    auto splash = std::make_unique<frmSplash>();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PaintOnlyWait::ShowPainted(*splash);

    session.window = std::make_unique<frmMain>();
    frmMain* const calculator = session.window.get();
    calculator->Form_Load();
    if (!options.language.isEmpty())
        calculator->useLanguage(options.language, false);
    QObject::connect(session.terminationSignals.get(), &TerminationSignals::terminationRequested,
                     calculator, [calculator] { EndRunBySignal(*calculator); });

    // The splash stays for the load time plus the hold; the program does not
    // answer the user meanwhile, but its windows stay painted.
    PaintOnlyWait().run(options.hold);
    splash.reset();

    calculator->setWindowTitle(Caption());
    calculator->show();
    QApplication::beep();
    QApplication::restoreOverrideCursor();

    // From here on a later start brings the calculator window forward, also
    // while the prompt below is open.
    QObject::connect(session.instance.get(), &instance::SingleInstance::activationRequested,
                     calculator, [calculator] { instance::BringForward(calculator); });
    QObject::connect(session.instance.get(), &instance::SingleInstance::openRequested, calculator,
                     [calculator](const QString& path) { calculator->openProjectFile(path); });

    if (settings::blnDisclaimerShow) {
        const dialogs::TopmostSuspension onTop(calculator);
        frmReadDisclaimer prompt(nullptr, options.hooks);
        prompt.exec();
    }
    if (!options.projectFile.isEmpty())
        calculator->openProjectFile(options.projectFile);
    return session;
}

int Run(const StartupOptions& options) {
    const Session session = Main(options);
    if (!session || session.ended()) {
        return EXIT_SUCCESS;
    }
    return QApplication::exec();
}

} // namespace basMain
