#include "dialogs/frmReadDisclaimer.h"

#include "dialogs/CenterMouseCursor.h"
#include "dialogs/Credit.h"
#include "dialogs/frmDisclaimer.h"
#include "settings/Flags.h"
#include "settings/SettingsValues.h"

#include <cstdlib>
#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmReadDisclaimer::frmReadDisclaimer(QWidget* parent, dialogs::DialogHooks hooks)
    : QDialog(parent), hooks_(std::move(hooks)),
      pointer_(new basCenterMouseCursor::ActivationPointer(this)),
      Label1(new QLabel(QStringLiteral(" Vaporwright  "), this)),
      cmdRead(new QPushButton(tr("&Read the Disclaimer"), this)),
      Frame1(new QGroupBox(tr("I have read the Disclaimer and I:"), this)),
      cmdDisagree(new QPushButton(tr("&Disagree"), Frame1)),
      cmdAgree(new QPushButton(tr("&Agree"), Frame1)),
      chkDontShow(new QCheckBox(tr("Don't display at start-up"), this)) {
    setObjectName(QStringLiteral("frmReadDisclaimer"));
    setWindowTitle(tr("Vaporwright:  READ THE DISCLAIMER"));
    Label1->setObjectName(QStringLiteral("Label1"));
    cmdRead->setObjectName(QStringLiteral("cmdRead"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    cmdDisagree->setObjectName(QStringLiteral("cmdDisagree"));
    cmdAgree->setObjectName(QStringLiteral("cmdAgree"));
    chkDontShow->setObjectName(QStringLiteral("chkDontShow"));

    Label1->setFont(QFont(QStringLiteral("Tahoma"), 20, QFont::Bold));
    Label1->setAlignment(Qt::AlignCenter);
    cmdAgree->setDefault(true);

    auto* frameRow = new QHBoxLayout(Frame1);
    frameRow->addWidget(cmdDisagree);
    frameRow->addStretch();
    frameRow->addWidget(cmdAgree);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(cmdRead);
    layout->addWidget(Frame1);
    layout->addWidget(chkDontShow);
    setFixedWidth(380);

    connect(cmdRead, &QPushButton::clicked, this, &frmReadDisclaimer::cmdRead_Click);
    connect(cmdDisagree, &QPushButton::clicked, this, &frmReadDisclaimer::cmdDisagree_Click);
    connect(cmdAgree, &QPushButton::clicked, this, &frmReadDisclaimer::cmdAgree_Click);
    // Toggled, not clicked: the handler runs on every change of the value, the
    // activation's own initialisation included; blnActivated tells them apart.
    connect(chkDontShow, &QCheckBox::toggled, this, &frmReadDisclaimer::chkDontShow_Click);

    applyAccessibleTexts();
    Form_Load();
}

frmReadDisclaimer::~frmReadDisclaimer() = default;

void frmReadDisclaimer::done(int result) {
    // Every way of closing the prompt (Agree, Escape, the title bar) ends here.
    Form_Unload();
    QDialog::done(result);
}

bool frmReadDisclaimer::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    return handled;
}

bool frmReadDisclaimer::eventFilter(QObject* watched, QEvent* event) {
    // Key preview: the filter sits on the application, so it sees a key before
    // the focused control. A key the control ignores travels on to its parents;
    // only its first delivery (to the focus widget, or to the prompt itself
    // when nothing has the focus) counts.
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        const QObject* focus = QApplication::focusWidget();
        if (watched == (focus != nullptr ? focus : this)) {
            Form_KeyDown(static_cast<QKeyEvent*>(event)->key());
        }
    }
    return false;
}

void frmReadDisclaimer::Form_Load() {
    blnActivated = false;
    qApp->installEventFilter(this);
}

void frmReadDisclaimer::Form_Activate() {
    pointer_->activated(cmdAgree);
    chkDontShow->setChecked(!settings::blnDisclaimerShow);
    blnActivated = true;
}

void frmReadDisclaimer::Form_KeyDown(int KeyCode) {
    if (!credit_) {
        credit_ = std::make_unique<Credit>(this, hooks_.showMessage);
    }
    credit_->Char(KeyCode);
}

void frmReadDisclaimer::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    settings::WriteDisclaimerShow(settings::blnDisclaimerShow);
}

void frmReadDisclaimer::chkDontShow_Click() {
    if (blnActivated) {
        settings::blnDisclaimerShow = !settings::blnDisclaimerShow;
    }
}

void frmReadDisclaimer::cmdAgree_Click() {
    accept();
}

void frmReadDisclaimer::cmdDisagree_Click() {
    EndProgram(EXIT_SUCCESS);
}

void frmReadDisclaimer::cmdRead_Click() {
    dialogs::DialogHooks viewerHooks = hooks_;
    viewerHooks.endProgram = [this](int exitCode) { EndProgram(exitCode); };
    frmDisclaimer viewer(nullptr, std::move(viewerHooks));
    if (viewer.isLoaded()) {
        viewer.exec();
    }
}

void frmReadDisclaimer::EndProgram(int exitCode) {
    unloaded_ = true; // nothing of this instance is saved any more
    hooks_.end(exitCode);
}
