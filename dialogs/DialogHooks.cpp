#include "dialogs/DialogHooks.h"

#include <cstdlib>

#include <QCoreApplication>

namespace dialogs {

void ShowMessageBox(QWidget* owner, const Message& message) {
    QMessageBox box(message.icon, message.title, message.text, QMessageBox::Ok, owner);
    box.exec();
}

void EndProgramNow(int exitCode) {
    std::exit(exitCode);
}

QString ProgramFile(const QString& folder, const QString& fileName) {
    // The folder is taken as it is: on this platform blanks at its end are part
    // of a folder's name, so they are not trimmed before the test.
    if (folder.endsWith(QLatin1Char('/'))) {
        return folder + fileName;
    }
    return folder + QLatin1Char('/') + fileName;
}

QString DialogHooks::folder() const {
    return programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder;
}

void DialogHooks::message(QWidget* owner, const Message& message) const {
    if (showMessage) {
        showMessage(owner, message);
    } else {
        ShowMessageBox(owner, message);
    }
}

void DialogHooks::end(int exitCode) const {
    if (endProgram) {
        endProgram(exitCode);
    } else {
        EndProgramNow(exitCode);
    }
}

} // namespace dialogs
