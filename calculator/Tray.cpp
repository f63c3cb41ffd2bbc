// The tray icon and its menu: the way back to a hidden calculator window.

#include "calculator/frmMain.h"
#include "chartwindow/ChartWindow.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>

void frmMain::Tray1_Activated(QSystemTrayIcon::ActivationReason reason) {
    // While a modal window (the disclaimer prompt, About) waits for an
    // answer, the icon only brings that window forward: a second About on
    // top of the first, or an Exit before the start-up has finished, would
    // act behind the user's back.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
        return;
    }
    switch (reason) {
    case QSystemTrayIcon::Trigger: // left button
        openWindow();
        break;
    case QSystemTrayIcon::Context: // right button
        menuTray.mnuTrayPopup->popup(QCursor::pos(), menuTray.mnuTrayPopupItem[0]);
        break;
    default:
        break;
    }
}

void frmMain::mnuTrayPopupItem_Click(int index) {
    switch (index) {
    case 0:
        openWindow();
        break;
    case 1:
        mnuHelpAbout_Click();
        // To the front again, but a hidden window stays hidden.
        if (isVisible())
            raise();
        break;
    case 3:
        mnuFileExit_Click();
        break;
    default:
        break;
    }
}

void frmMain::openWindow() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    if (chartHiddenWithWindow)
        chartWindow->show();
    chartHiddenWithWindow = false;
    raise();
    activateWindow();
}

void frmMain::hideWindow() {
    // The window keeps all its state. Without a tray there would be no way
    // back from hidden, so it goes to the task bar instead.
    if (!trayAvailable()) {
        showMinimized();
        return;
    }
    // The chart goes with the calculator, and comes back with it.
    if (chartWindow != nullptr && chartWindow->isVisible()) {
        chartHiddenWithWindow = true;
        chartWindow->hide();
    }
    hide();
}

bool frmMain::trayAvailable() const {
    return hooks.trayAvailable ? hooks.trayAvailable() : QSystemTrayIcon::isSystemTrayAvailable();
}
