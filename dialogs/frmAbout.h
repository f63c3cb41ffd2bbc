#pragma once

// The About window: the program's identity and a button that starts the
// platform's system information tool. The caller opens a fresh instance
// modally with its own window as owner:
//
//     frmAbout about(this);
//     about.exec();

#include "dialogs/CenterMouseCursor.h"
#include "dialogs/DialogHooks.h"

#include <array>

#include <QDialog>
#include <QStringList>

class QFrame;
class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* owner, dialogs::DialogHooks hooks = {});

    // Program names tried in order on the PATH by "&System Info...".
    static QStringList DefaultSysInfoTools();
    void setSysInfoTools(QStringList programNames);

    // Starts the first system information tool found, detached; when none is
    // found or it cannot be started, says so in a message box.
    void StartSysInfo();

protected:
    bool event(QEvent* event) override;

private:
    // The names and descriptions a screen reader speaks (Accessibility.cpp).
    void applyAccessibleTexts();
    void Form_Load();
    void Form_Activate();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    dialogs::DialogHooks hooks_;
    // Puts the pointer on the main button at the right activations.
    basCenterMouseCursor::ActivationPointer* pointer_;
    QStringList sysInfoTools_ = DefaultSysInfoTools();

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblCompanyName;
    std::array<QFrame*, 2> Line1{};
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
};
