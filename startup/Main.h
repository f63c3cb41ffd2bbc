#pragma once

// The program's start-up, run once before the event loop:
//
//   1. one instance per user: a later start hands over to the running one
//      and ends, without reading or writing any setting;
//   2. what killed runs left next to the settings store goes, and the two
//      start-up flags are read from it;
//   3. the splash window is shown and painted, the mouse pointer turns busy;
//   4. the calculator window is created and loaded, hidden;
//   5. the splash stays up for four more seconds, repainted but deaf to the
//      user, then goes;
//   6. the calculator window gets its caption ("Vaporwright:  " and the web
//      address), is shown, the system beeps, the pointer is normal again;
//   7. unless turned off, the disclaimer prompt, modal, with the calculator
//      window's keep-on-top suspended while it is open;
//   8. a project file given on the command line opens in the chart window;
//      a later start hands its file to the running instance, which opens it.
//
// From step 2 on, SIGTERM, SIGINT and SIGHUP end the run as the end of the
// desktop session does (TerminationSignals.h): once the calculator window
// exists, it unloads, writing its settings once, and every event loop ends,
// a modal window's included. A signal during the splash waits for its end.
//
// The calculator window is then the program: Main hands it to its caller,
// together with the instance guard, and the caller runs the event loop for as
// long as the window lives:
//
//     QApplication app(argc, argv);
//     return basMain::Run();

#include "calculator/frmMain.h"
#include "dialogs/DialogHooks.h"
#include "startup/ActivePrevInstance.h"
#include "startup/TerminationSignals.h"

#include <chrono>
#include <memory>

namespace basMain {

// What a test may change of the start-up; production code passes the defaults.
struct StartupOptions {
    // How long the splash stays up once the calculator window has loaded.
    std::chrono::milliseconds hold{4000};
    // The disclaimer prompt's and the previous-instance message's outside world.
    dialogs::DialogHooks hooks;
    // Where the instance lock and socket live.
    basActivePrevInstance::InstanceNames names = basActivePrevInstance::DefaultNames();
    // How long a later start tries to reach the running instance.
    std::chrono::milliseconds connectTimeout{2000};
    // A project file given on the command line (as the desktop opens a
    // .vwproj file): opened in the chart window once the calculator is up.
    QString projectFile;
    // The language given on the command line (--lang), empty when none was:
    // ticked in the calculator's View > Language for this run, not stored.
    // The caller has made the application speak it (SpeakLanguage,
    // startup/Language.h) before the start-up.
    QString language;
};

// A run that goes on. `window` is the calculator window instance: the one
// reference to it the program keeps, for as long as the run lasts. The guard is
// declared first so that it goes last: the lock is held until the window has
// unloaded (and written its settings).
struct Session {
    std::unique_ptr<basActivePrevInstance::SingleInstance> instance;
    std::unique_ptr<TerminationSignals> terminationSignals;
    std::unique_ptr<frmMain> window;

    // False when this start is to end at once (another instance runs).
    explicit operator bool() const { return window != nullptr; }
    // A signal ended the run before the event loop began.
    [[nodiscard]] bool ended() const { return window != nullptr && window->isUnloaded(); }
};

// The start-up sequence above. Needs a QApplication. A request of a later
// start, from the prompt on, brings the calculator window forward.
Session Main(const StartupOptions& options = {});

// Main, then the event loop while the run goes on. Returns the exit code.
int Run(const StartupOptions& options = {});

} // namespace basMain
