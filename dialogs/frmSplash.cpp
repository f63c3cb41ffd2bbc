#include "dialogs/frmSplash.h"

#include "dialogs/Emblem.h"
#include "dialogs/VersionInfo.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* NewLabel(const QString& objectName, const QString& designText, QWidget* parent) {
    auto* label = new QLabel(designText, parent);
    label->setObjectName(objectName);
    return label;
}

} // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), fraMainFrame(new QFrame(this)),
      picLogo(NewLabel(QStringLiteral("picLogo"), {}, fraMainFrame)),
      lblCompanyProduct(NewLabel(QStringLiteral("lblCompanyProduct"),
                                 QStringLiteral("CompanyProduct"), fraMainFrame)),
      lblProductName(
          NewLabel(QStringLiteral("lblProductName"), QStringLiteral("Product"), fraMainFrame)),
      lblVersion(NewLabel(QStringLiteral("lblVersion"), QStringLiteral("Version"), fraMainFrame)),
      lblDescription(
          NewLabel(QStringLiteral("lblDescription"), QStringLiteral("Description"), fraMainFrame)),
      lblCopyright(
          NewLabel(QStringLiteral("lblCopyright"), QStringLiteral("Copyright"), fraMainFrame)),
      lblWarning(NewLabel(QStringLiteral("lblWarning"), QStringLiteral("Warning"), fraMainFrame)) {
    setObjectName(QStringLiteral("frmSplash"));
    fraMainFrame->setObjectName(QStringLiteral("fraMainFrame"));
    fraMainFrame->setFrameShape(QFrame::Box);
    fraMainFrame->setFrameShadow(QFrame::Raised);
    fraMainFrame->setLineWidth(2);

    picLogo->setPixmap(dialogs::DrawEmblem(128));
    picLogo->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    QFont companyFont(QStringLiteral("Arial"), 11);
    lblCompanyProduct->setFont(companyFont);
    QFont productFont(QStringLiteral("Tahoma"), 28, QFont::Bold);
    lblProductName->setFont(productFont);
    for (QLabel* label : {lblVersion, lblDescription}) {
        label->setAlignment(Qt::AlignRight);
    }
    for (QLabel* label : {lblDescription, lblCopyright, lblWarning}) {
        label->setWordWrap(true);
    }

    auto* grid = new QGridLayout(fraMainFrame);
    grid->setContentsMargins(18, 18, 18, 18);
    grid->setHorizontalSpacing(18);
    grid->addWidget(picLogo, 0, 0, 4, 1);
    grid->addWidget(lblCompanyProduct, 0, 1);
    grid->addWidget(lblProductName, 1, 1);
    grid->addWidget(lblVersion, 2, 1);
    grid->addWidget(lblDescription, 3, 1);
    grid->addWidget(lblCopyright, 4, 0, 1, 2);
    grid->addWidget(lblWarning, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(fraMainFrame);
    setFixedWidth(520);

    applyAccessibleTexts();
    Form_Load();
}

void frmSplash::Form_Load() {
    lblCompanyProduct->setText(QString::fromLatin1(VersionInfo::kCompanyName));
    lblProductName->setText(QString::fromLatin1(VersionInfo::kAppTitle));
    lblVersion->setText(VersionInfo::Translated(VersionInfo::kVersionPattern)
                            .arg(QLatin1String(VersionInfo::kVersionNumber)));
    lblDescription->setText(VersionInfo::Translated(VersionInfo::kFileDescription));
    lblCopyright->setText(VersionInfo::Translated(VersionInfo::kLegalCopyright));
    lblWarning->setText(VersionInfo::Translated(VersionInfo::kWarning));
}
