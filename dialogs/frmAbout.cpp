#include "dialogs/frmAbout.h"

#include "dialogs/CenterMouseCursor.h"
#include "dialogs/Emblem.h"
#include "dialogs/VersionInfo.h"

#include <utility>

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

QLabel* NewLabel(const QString& objectName, const QString& designText, QWidget* parent) {
    auto* label = new QLabel(designText, parent);
    label->setObjectName(objectName);
    return label;
}

QFrame* NewLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

frmAbout::frmAbout(QWidget* owner, dialogs::DialogHooks hooks)
    : QDialog(owner), hooks_(std::move(hooks)),
      pointer_(new basCenterMouseCursor::ActivationPointer(this)),
      picIcon(NewLabel(QStringLiteral("picIcon"), {}, this)),
      lblTitle(NewLabel(QStringLiteral("lblTitle"), QStringLiteral("Application Title"), this)),
      lblVersion(NewLabel(QStringLiteral("lblVersion"), QStringLiteral("Version"), this)),
      lblDescription(
          NewLabel(QStringLiteral("lblDescription"), QStringLiteral("App Description"), this)),
      lblCompanyName(
          NewLabel(QStringLiteral("lblCompanyName"), QStringLiteral("Company Name"), this)),
      Line1{NewLine(this), NewLine(this)},
      lblDisclaimer(
          NewLabel(QStringLiteral("lblDisclaimer"), QStringLiteral("Warning: ..."), this)),
      cmdOK(new QPushButton(tr("OK"), this)),
      cmdSysInfo(new QPushButton(tr("&System Info..."), this)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Vaporwright"));
    setModal(true);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdOK->setDefault(true);

    picIcon->setPixmap(dialogs::DrawEmblem(48));
    picIcon->setAlignment(Qt::AlignTop);
    lblTitle->setFont(QFont(QStringLiteral("Tahoma"), 14, QFont::Bold));
    lblCompanyName->setFont(QFont(QStringLiteral("Arial"), 10));
    lblDescription->setWordWrap(true);
    lblDisclaimer->setWordWrap(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addWidget(lblDescription);
    texts->addWidget(lblCompanyName);
    auto* head = new QHBoxLayout;
    head->addWidget(picIcon);
    head->addLayout(texts, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();
    auto* foot = new QHBoxLayout;
    foot->addWidget(lblDisclaimer, 1);
    foot->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(Line1[0]);
    layout->addWidget(Line1[1]);
    layout->addLayout(foot);
    setFixedWidth(460);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    applyAccessibleTexts();
    Form_Load();
}

QStringList frmAbout::DefaultSysInfoTools() {
    // Hardware and system overviews first, then the desktops' system monitors.
    return {QStringLiteral("hardinfo"),
            QStringLiteral("hardinfo2"),
            QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"),
            QStringLiteral("mate-system-monitor"),
            QStringLiteral("xfce4-taskmanager"),
            QStringLiteral("lxtask")};
}

void frmAbout::setSysInfoTools(QStringList programNames) {
    sysInfoTools_ = std::move(programNames);
}

void frmAbout::StartSysInfo() {
    for (const QString& name : sysInfoTools_) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty()) {
            if (QProcess::startDetached(program, {})) {
                return;
            }
            break; // found but not startable: the same answer as not found
        }
    }
    hooks_.message(this, {QMessageBox::NoIcon, QString::fromLatin1(VersionInfo::kAppTitle),
                          tr("System Information Is Unavailable At This Time")});
}

bool frmAbout::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    return handled;
}

void frmAbout::Form_Load() {
    lblCompanyName->setText(QString::fromLatin1(VersionInfo::kCompanyName));
    lblTitle->setText(QString::fromLatin1(VersionInfo::kAppTitle));
    lblVersion->setText(VersionInfo::Translated(VersionInfo::kVersionPattern)
                            .arg(QLatin1String(VersionInfo::kVersionNumber)));
    lblDescription->setText(VersionInfo::Translated(VersionInfo::kFileDescription));
    lblDisclaimer->setText(VersionInfo::Translated(VersionInfo::kWarning));
}

void frmAbout::Form_Activate() {
    pointer_->activated(cmdOK);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}
