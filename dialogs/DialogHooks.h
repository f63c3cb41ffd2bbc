#pragma once

// What the dialogs need from the world outside them, gathered so that tests
// can replace it: the folder the program's own files live in, the way a
// message box is shown, and the way the program is ended at once.
//
// Every member left empty means the real thing, so production code passes a
// default-constructed DialogHooks.

#include <functional>

#include <QMessageBox>
#include <QString>

class QWidget;

namespace dialogs {

// One message box: an OK button, the icon, the title and the text.
struct Message {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
};

using ShowMessageFn = std::function<void(QWidget* owner, const Message& message)>;
using EndProgramFn = std::function<void(int exitCode)>;

// The real message box: modal over owner (application-modal without one).
void ShowMessageBox(QWidget* owner, const Message& message);

// Ends the process at once: no window's unload handling runs, nothing is saved.
[[noreturn]] void EndProgramNow(int exitCode);

// The path of a file of the program's own in folder, with exactly one
// separator between them whether or not folder ends with one.
QString ProgramFile(const QString& folder, const QString& fileName);

struct DialogHooks {
    QString programFolder;     // empty: the folder of the program file
    ShowMessageFn showMessage; // empty: ShowMessageBox
    EndProgramFn endProgram;   // empty: EndProgramNow

    QString folder() const;
    void message(QWidget* owner, const Message& message) const;
    // With the real hook this does not return; a test's hook may.
    void end(int exitCode) const;
};

} // namespace dialogs
