#pragma once

// The disclaimer prompt: the user agrees or disagrees, may read the
// disclaimer, and may turn the prompt at start-up off. The start-up and the
// calculator's "&View Disclaimer" open a fresh instance modally, without owner:
//
//     frmReadDisclaimer prompt;
//     prompt.exec();   // returns once the prompt has been closed
//
// The check box shows the negation of the process-wide flag
// settings::blnDisclaimerShow; every close writes that flag to "Disclaimer
// Show". "&Disagree" ends the program at once and writes nothing.
//
// While the prompt is the active window every key pressed reaches Form_KeyDown
// before the focused control (and is not consumed), which feeds the credit
// screen's word detector.

#include "dialogs/CenterMouseCursor.h"
#include "dialogs/DialogHooks.h"

#include <memory>

#include <QDialog>

class Credit;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

class frmReadDisclaimer : public QDialog {
    Q_OBJECT

public:
    explicit frmReadDisclaimer(QWidget* parent = nullptr, dialogs::DialogHooks hooks = {});
    ~frmReadDisclaimer() override;

    void done(int result) override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The names and descriptions a screen reader speaks (Accessibility.cpp).
    void applyAccessibleTexts();
    void Form_Load();
    void Form_Activate();
    void Form_KeyDown(int KeyCode);
    void Form_Unload();
    void chkDontShow_Click();
    void cmdAgree_Click();
    void cmdDisagree_Click();
    void cmdRead_Click();

    // Ends the program at once; this instance then never writes the flag.
    void EndProgram(int exitCode);

    dialogs::DialogHooks hooks_;
    // Puts the pointer on the main button at the right activations.
    basCenterMouseCursor::ActivationPointer* pointer_;
    bool blnActivated = false;
    bool unloaded_ = false;
    std::unique_ptr<Credit> credit_; // created by the first key

    QLabel* Label1;
    QPushButton* cmdRead;
    QGroupBox* Frame1;
    QPushButton* cmdDisagree;
    QPushButton* cmdAgree;
    QCheckBox* chkDontShow;
};
