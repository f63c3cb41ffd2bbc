#pragma once

// The disclaimer viewer: shows "disclaimer.txt" from the program's folder. The
// prompt opens a fresh instance modally, without owner, when it loaded:
//
//     frmDisclaimer viewer(nullptr, hooks);
//     if (viewer.isLoaded()) viewer.exec();
//
// Loading beeps and reads the file whole. A missing or unreadable file is
// reported in a message box and then ends the program at once.

#include "dialogs/CenterMouseCursor.h"
#include "dialogs/DialogHooks.h"

#include <optional>

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class frmDisclaimer : public QDialog {
    Q_OBJECT

public:
    explicit frmDisclaimer(QWidget* parent = nullptr, dialogs::DialogHooks hooks = {});

    // False when loading failed; the program has then been ended (a test's
    // end-of-program hook returns, and the window must not be shown).
    bool isLoaded() const { return loaded_; }

    // The whole file as 8-bit text (Latin-1), every line break (CR LF, CR or
    // LF) turned into one LF; nothing when it cannot be opened or read.
    static std::optional<QString> ReadDisclaimerText(const QString& path);

protected:
    bool event(QEvent* event) override;

private:
    // The names and descriptions a screen reader speaks (Accessibility.cpp).
    void applyAccessibleTexts();
    void Form_Load();
    void Form_Activate();
    void cmdOK_Click();

    dialogs::DialogHooks hooks_;
    // Puts the pointer on the main button at the right activations.
    basCenterMouseCursor::ActivationPointer* pointer_;
    bool loaded_ = false;

    QPlainTextEdit* txtText;
    QPushButton* cmdOK;
};
