#pragma once

// Help for the calculator window. HelpInit registers the owner window and
// fixes the help file path ("Vaporwright.HLP" next to the program) for the
// run; HelpContents and HelpFinder open our help viewer on the file's contents
// page or on its finder and return at once; HelpQuit closes the viewer.
//
// The calculator's menu handler shows the outcome: kNoHelpMessage (information
// icon, the window's caption as title) for NoHelpPath, or the description in
// a plain message box titled with the application title for Failed.

#include <QString>

class QWidget;

namespace ContextIDs {

inline constexpr char kHelpFileName[] = "Vaporwright.HLP";
// In English; shown translated in context "ContextIDs".
inline constexpr char kNoHelpMessage[] = QT_TRANSLATE_NOOP(
    "ContextIDs",
    "Unable to display Help Contents. There is no Help associated with this project.");

struct HelpResult {
    enum class Status {
        Shown,      // the viewer shows the file
        NoHelpPath, // HelpInit has not run: there is no help file path
        Failed,     // the file could not be opened or read: see description
    };
    Status status = Status::Shown;
    QString description;

    bool ok() const { return status == Status::Shown; }
};

// The help file path for the program's folder: the folder, one separator,
// "Vaporwright.HLP".
QString HelpFilePathIn(const QString& programFolder);

// Stores the owner and sets the help file path from programFolder (the folder
// of the program file when empty). Closes a viewer left by an earlier owner.
void HelpInit(QWidget* owner, const QString& programFolder = {});

// The help file path of this run; empty until HelpInit.
QString HelpFilePath();

// Closes the viewer if it is open; harmless when none was opened.
void HelpQuit();

HelpResult HelpContents();
HelpResult HelpFinder();

} // namespace ContextIDs
