// The menu commands of the calculator window: File, Edit and Help, and the
// rule painted under the menu bar.

#include "calculator/CutCopyPaste.h"
#include "calculator/frmMain.h"
#include "dialogs/TopmostSuspension.h"
#include "dialogs/VersionInfo.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmReadDisclaimer.h"
#include "settings/Flags.h"

#include <QAction>
#include <QCoreApplication>
#include <QPainter>

namespace {

void editPerform(const char* word) {
    // EditPerform upper-cases the word it is given: each call gets its own.
    QString command = QString::fromLatin1(word);
    basCutCopyPaste::EditPerform(command);
}

} // namespace

void frmMain::mnuFileHide_Click() {
    hideWindow();
}

void frmMain::mnuFileOnTop_Click() {
    QAction* item = menuFile.mnuFileOnTop;
    const bool onTop = !item->isChecked();
    dialogs::SetStaysOnTop(this, onTop); // the same native window, on top or not
    item->setChecked(onTop);
    settings::blnKeepOnTop = onTop;
}

void frmMain::mnuFileDisclaimer_Click() {
    // Without owner, as at start-up; this window steps down from the top
    // while the prompt is open.
    const dialogs::TopmostSuspension onTop(this);
    frmReadDisclaimer prompt(nullptr, hooks.dialogHooks);
    prompt.exec();
}

void frmMain::mnuEditCut_Click() {
    editPerform("Cut");
}

void frmMain::mnuEditCopy_Click() {
    editPerform("Copy");
}

void frmMain::mnuEditPaste_Click() {
    editPerform("Paste");
}

void frmMain::mnuHelpContents_Click() {
    showHelp(hooks.helpContents ? hooks.helpContents : &ContextIDs::HelpContents);
}

void frmMain::mnuHelpSearchForHelpOn_Click() {
    showHelp(hooks.helpFinder ? hooks.helpFinder : &ContextIDs::HelpFinder);
}

void frmMain::showHelp(const std::function<ContextIDs::HelpResult()>& call) {
    ContextIDs::HelpResult result;
    {
        // The viewer opens and the call returns at once, so a window kept on
        // top is on top again straight after.
        const dialogs::TopmostSuspension onTop(this);
        result = call();
    }
    using Status = ContextIDs::HelpResult::Status;
    if (result.status == Status::NoHelpPath) {
        hooks.dialogHooks.message(
            this, {QMessageBox::Information, windowTitle(),
                   QCoreApplication::translate("ContextIDs", ContextIDs::kNoHelpMessage)});
    } else if (result.status == Status::Failed) {
        hooks.dialogHooks.message(
            this,
            {QMessageBox::NoIcon, QString::fromLatin1(VersionInfo::kAppTitle), result.description});
    }
}

void frmMain::mnuHelpAbout_Click() {
    const dialogs::TopmostSuspension onTop(this);
    frmAbout about(this, hooks.dialogHooks);
    about.exec();
}

void frmMain::Form_Paint(QPainter& painter, int width) const {
    // A shadow line with a highlight one pixel below: a sunken groove. The
    // palette's colours follow the desktop's theme.
    const int right = width - 1;
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, 1, right, 1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, right, 0);
}
