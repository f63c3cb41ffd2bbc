#include "dialogs/frmDisclaimer.h"

#include "dialogs/CenterMouseCursor.h"

#include <cstdlib>
#include <utility>

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmDisclaimer::frmDisclaimer(QWidget* parent, dialogs::DialogHooks hooks)
    : QDialog(parent), hooks_(std::move(hooks)),
      pointer_(new basCenterMouseCursor::ActivationPointer(this)),
      txtText(new QPlainTextEdit(this)), cmdOK(new QPushButton(tr("&OK"), this)) {
    setObjectName(QStringLiteral("frmDisclaimer"));
    setWindowTitle(tr("Vaporwright:  D I S C L A I M E R"));
    txtText->setObjectName(QStringLiteral("txtText"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    txtText->setReadOnly(true);
    cmdOK->setDefault(true);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cmdOK);
    buttonRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtText, 1);
    layout->addLayout(buttonRow);
    resize(600, 440);

    connect(cmdOK, &QPushButton::clicked, this, &frmDisclaimer::cmdOK_Click);

    applyAccessibleTexts();
    Form_Load();
}

std::optional<QString> frmDisclaimer::ReadDisclaimerText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    // The file is single-byte text; Latin-1 maps every byte to one character.
    QString text = QString::fromLatin1(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

bool frmDisclaimer::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    return handled;
}

void frmDisclaimer::Form_Load() {
    QApplication::beep();
    const auto text =
        ReadDisclaimerText(dialogs::ProgramFile(hooks_.folder(), QStringLiteral("disclaimer.txt")));
    if (!text) {
        hooks_.message(nullptr, {QMessageBox::Critical, tr("Error:  Vaporwright"),
                                 tr("The file DISCLAIMER.TXT could not be located.\n"
                                    "Please re-install Vaporwright.")});
        hooks_.end(EXIT_FAILURE);
        return;
    }
    txtText->setPlainText(*text);
    loaded_ = true;
}

void frmDisclaimer::Form_Activate() {
    pointer_->activated(cmdOK);
}

void frmDisclaimer::cmdOK_Click() {
    accept();
}
