// What assistive technology says about the dialogs' controls: accessible
// names and descriptions, one function per window, called by its constructor.
// Captions stay the dialogs' own texts; these are spoken, never shown.

#include "dialogs/HelpWindow.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmDisclaimer.h"
#include "dialogs/frmReadDisclaimer.h"
#include "dialogs/frmSplash.h"

#include <initializer_list>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>

namespace {

struct ControlText {
    QWidget* control;
    const char* name;
    const char* description;
};

void Apply(std::initializer_list<ControlText> texts) {
    for (const ControlText& text : texts) {
        text.control->setAccessibleName(QString::fromUtf8(text.name));
        text.control->setAccessibleDescription(QString::fromUtf8(text.description));
    }
}

} // namespace

void frmSplash::applyAccessibleTexts() {
    Apply({{this, "Vaporwright", "Shown while Vaporwright starts; it closes by itself."},
           {picLogo, "Vaporwright emblem", ""}});
}

void frmAbout::applyAccessibleTexts() {
    Apply({{cmdOK, "OK", "Closes the About window."},
           {cmdSysInfo, "System Info",
            "Starts the system's information tool to show the computer's hardware and "
            "software."},
           {picIcon, "Vaporwright emblem", ""}});
}

void frmDisclaimer::applyAccessibleTexts() {
    Apply({{txtText, "Disclaimer", "The disclaimer of Vaporwright, to read; it cannot be edited."},
           {cmdOK, "OK", "Closes the disclaimer."}});
}

void frmReadDisclaimer::applyAccessibleTexts() {
    Apply({{cmdRead, "Read the Disclaimer", "Opens the text of the disclaimer."},
           {Frame1, "I have read the Disclaimer and I:", "Agree or disagree with the disclaimer."},
           {cmdDisagree, "Disagree", "Disagrees with the disclaimer and ends Vaporwright."},
           {cmdAgree, "Agree", "Agrees with the disclaimer and goes on to the calculator."},
           {chkDontShow, "Don't display at start-up",
            "Ticked, this prompt is not shown when Vaporwright starts; the File menu of the "
            "calculator still shows it."}});
}

namespace ContextIDs {

void HelpWindow::applyAccessibleTexts() {
    Apply({{findField_, "Find",
            "Words to find; the list below shows the help topics that contain them all."},
           {topicList_, "Help topics", "Enter or a click shows the chosen topic beside the list."},
           {browser_, "Help text", "The text of Vaporwright's help; links lead to other topics."}});
}

} // namespace ContextIDs
