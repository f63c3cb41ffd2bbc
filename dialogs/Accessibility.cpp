// What assistive technology says about the dialogs' controls: accessible
// names and descriptions, one function per window, called by its constructor.
// Captions stay the dialogs' own texts; these are spoken, never shown. They
// are translated in context "DialogAccessibility".

#include "dialogs/HelpWindow.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmDisclaimer.h"
#include "dialogs/frmReadDisclaimer.h"
#include "dialogs/frmSplash.h"

#include <initializer_list>

#include <QCheckBox>
#include <QCoreApplication>
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

QString Translated(const char* text) {
    return *text == '\0' ? QString() : QCoreApplication::translate("DialogAccessibility", text);
}

void Apply(std::initializer_list<ControlText> texts) {
    for (const ControlText& text : texts) {
        text.control->setAccessibleName(Translated(text.name));
        text.control->setAccessibleDescription(Translated(text.description));
    }
}

} // namespace

void frmSplash::applyAccessibleTexts() {
    Apply({{this, QT_TRANSLATE_NOOP("DialogAccessibility", "Vaporwright"),
            QT_TRANSLATE_NOOP("DialogAccessibility",
                              "Shown while Vaporwright starts; it closes by itself.")},
           {picLogo, QT_TRANSLATE_NOOP("DialogAccessibility", "Vaporwright emblem"), ""}});
}

void frmAbout::applyAccessibleTexts() {
    Apply({{cmdOK, QT_TRANSLATE_NOOP("DialogAccessibility", "OK"),
            QT_TRANSLATE_NOOP("DialogAccessibility", "Closes the About window.")},
           {cmdSysInfo, QT_TRANSLATE_NOOP("DialogAccessibility", "System Info"),
            QT_TRANSLATE_NOOP(
                "DialogAccessibility",
                "Starts the system's information tool to show the computer's hardware and "
                "software.")},
           {picIcon, QT_TRANSLATE_NOOP("DialogAccessibility", "Vaporwright emblem"), ""}});
}

void frmDisclaimer::applyAccessibleTexts() {
    Apply({{txtText, QT_TRANSLATE_NOOP("DialogAccessibility", "Disclaimer"),
            QT_TRANSLATE_NOOP("DialogAccessibility",
                              "The disclaimer of Vaporwright, to read; it cannot be edited.")},
           {cmdOK, QT_TRANSLATE_NOOP("DialogAccessibility", "OK"),
            QT_TRANSLATE_NOOP("DialogAccessibility", "Closes the disclaimer.")}});
}

void frmReadDisclaimer::applyAccessibleTexts() {
    Apply({{cmdRead, QT_TRANSLATE_NOOP("DialogAccessibility", "Read the Disclaimer"),
            QT_TRANSLATE_NOOP("DialogAccessibility", "Opens the text of the disclaimer.")},
           {Frame1, QT_TRANSLATE_NOOP("DialogAccessibility", "I have read the Disclaimer and I:"),
            QT_TRANSLATE_NOOP("DialogAccessibility", "Agree or disagree with the disclaimer.")},
           {cmdDisagree, QT_TRANSLATE_NOOP("DialogAccessibility", "Disagree"),
            QT_TRANSLATE_NOOP("DialogAccessibility",
                              "Disagrees with the disclaimer and ends Vaporwright.")},
           {cmdAgree, QT_TRANSLATE_NOOP("DialogAccessibility", "Agree"),
            QT_TRANSLATE_NOOP("DialogAccessibility",
                              "Agrees with the disclaimer and goes on to the calculator.")},
           {chkDontShow, QT_TRANSLATE_NOOP("DialogAccessibility", "Don't display at start-up"),
            QT_TRANSLATE_NOOP(
                "DialogAccessibility",
                "Ticked, this prompt is not shown when Vaporwright starts; the File menu of the "
                "calculator still shows it.")}});
}

namespace ContextIDs {

void HelpWindow::applyAccessibleTexts() {
    Apply({{findField_, QT_TRANSLATE_NOOP("DialogAccessibility", "Find"),
            QT_TRANSLATE_NOOP(
                "DialogAccessibility",
                "Words to find; the list below shows the help topics that contain them all.")},
           {topicList_, QT_TRANSLATE_NOOP("DialogAccessibility", "Help topics"),
            QT_TRANSLATE_NOOP("DialogAccessibility",
                              "Enter or a click shows the chosen topic beside the list.")},
           {browser_, QT_TRANSLATE_NOOP("DialogAccessibility", "Help text"),
            QT_TRANSLATE_NOOP("DialogAccessibility",
                              "The text of Vaporwright's help; links lead to other topics.")}});
}

} // namespace ContextIDs
