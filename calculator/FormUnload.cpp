// The end of the calculator window: the user's close only hides it; Exit, a
// close by the program and the end of the desktop session unload it, which
// ends help, writes every setting once and ends the run.

#include "calculator/frmMain.h"
#include "chartwindow/ChartWindow.h"
#include "dialogs/ContextIDs.h"
#include "settings/Flags.h"
#include "settings/SettingsValues.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QRadioButton>
#include <QTimer>

void frmMain::Form_Unload() {
    // Exit, the session's end and the application's own quit may each come
    // by here; the settings are written once per run.
    if (unloaded)
        return;
    unloaded = true;

    // 1. Close the help viewer (harmless when none was opened).
    ContextIDs::HelpQuit();

    // 2.-6. Every key of the window in one atomic write: a crash halfway
    //       leaves the previous file whole. "Disclaimer Show" goes with
    //       them, so that a file deleted or damaged during the run loses
    //       nothing.
    settings::WindowSettings values;
    values.units = optUnits[0]->isChecked() ? 0 : 1;
    values.patmUnit = optPatm[0]->isChecked() ? 0 : 1;
    values.patm = state.Patm; // psia, written in both pressure modes
    values.alt = state.Alt;   // ft
    values.fieldFormats = FieldFormat;
    values.keepOnTop = settings::blnKeepOnTop;
    values.disclaimerShow = settings::blnDisclaimerShow;
    values.language = storedLanguage; // the choice of View > Language, not --lang
    settings::WriteWindowSettings(values);

    // 7. The window's owner releases it once the run has ended; its tray
    //    icon goes now, as nothing it offers works any more.
    Tray1->hide();
}

void frmMain::Form_QueryUnload(bool& Cancel, UnloadReason reason) {
    if (reason != UnloadReason::User)
        return; // never refused
    // Hidden, the window comes back through the tray icon. Without a tray
    // nothing could bring it back, so the user's close ends the run.
    if (trayAvailable()) {
        Cancel = true;
        hideWindow();
        return;
    }
    // This close ends the run: the chart window's unsaved project is asked
    // about first, and Cancel keeps the run.
    if (!settleChartProject())
        Cancel = true;
}

bool frmMain::settleChartProject() {
    return chartWindow == nullptr || chartWindow->settleUnsavedProject();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (unloaded) {
        event->accept();
        return;
    }
    // The window system's close (title bar, window menu, Alt+F4) arrives
    // spontaneously; everything else is the program's (close(), quit()).
    bool cancel = false;
    Form_QueryUnload(cancel, event->spontaneous() ? UnloadReason::User : UnloadReason::Program);
    if (cancel) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
    // After this event: quitting from inside a close would close again.
    QTimer::singleShot(0, this, [this] { quitRun(); });
}

void frmMain::mnuFileExit_Click() {
    // The user's Exit may still be taken back while a project is unsaved.
    if (!settleChartProject())
        return;
    unloadWindow();
}

void frmMain::unloadWindow() {
    bool cancel = false;
    Form_QueryUnload(cancel, UnloadReason::Program);
    Form_Unload();
    close(); // accepted now that the window has unloaded
    quitRun();
}

void frmMain::endOfSession() {
    bool cancel = false;
    Form_QueryUnload(cancel, UnloadReason::SessionEnd);
    Form_Unload();
    // The session manager expects its request answered before the
    // application goes; so the run ends after it.
    QTimer::singleShot(0, this, [this] { quitRun(); });
}

void frmMain::quitRun() {
    if (hooks.quit)
        hooks.quit();
    else
        QCoreApplication::quit();
}
