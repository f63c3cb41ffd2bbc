#include "dialogs/CenterMouseCursor.h"
#include "dialogs/VersionInfo.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmSplash.h"

#include <vector>

#include <QCursor>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString LabelText(const QWidget& window, const char* name) {
    const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

const QString kVersionText = QStringLiteral("Version " VW_PROJECT_VERSION);

} // namespace

TEST(VersionInfo, VersionTextComesFromTheProjectVersion) {
    EXPECT_EQ(QString::fromLatin1(VersionInfo::kVersionText), kVersionText);
    EXPECT_EQ(QStringLiteral("%1.%2.%3")
                  .arg(VersionInfo::kVersionMajor)
                  .arg(VersionInfo::kVersionMinor)
                  .arg(VersionInfo::kVersionRevision),
              QStringLiteral(VW_PROJECT_VERSION));
}

TEST(Splash, ShowsTheProgramsIdentity) {
    const frmSplash splash;
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(LabelText(splash, "lblCompanyProduct"), QStringLiteral("Dunmore Tollis Software"));
    EXPECT_EQ(LabelText(splash, "lblProductName"), QStringLiteral("Vaporwright"));
    EXPECT_EQ(LabelText(splash, "lblVersion"), kVersionText);
    EXPECT_EQ(LabelText(splash, "lblDescription"),
              QString::fromLatin1(VersionInfo::kFileDescription));
    EXPECT_EQ(LabelText(splash, "lblCopyright"), QString::fromLatin1(VersionInfo::kLegalCopyright));
    EXPECT_EQ(LabelText(splash, "lblWarning"), QString::fromLatin1(VersionInfo::kWarning));
}

TEST(About, ShowsTheProgramsIdentity) {
    QWidget owner;
    const frmAbout about(&owner);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Vaporwright"));
    EXPECT_TRUE(about.isModal());
    EXPECT_EQ(about.parentWidget(), &owner);
    EXPECT_EQ(LabelText(about, "lblTitle"), QStringLiteral("Vaporwright"));
    EXPECT_EQ(LabelText(about, "lblVersion"), kVersionText);
    EXPECT_EQ(LabelText(about, "lblDescription"),
              QString::fromLatin1(VersionInfo::kFileDescription));
    EXPECT_EQ(LabelText(about, "lblCompanyName"), QStringLiteral("Dunmore Tollis Software"));
    EXPECT_EQ(LabelText(about, "lblDisclaimer"), QString::fromLatin1(VersionInfo::kWarning));
}

TEST(About, ActivationPutsThePointerOnOK) {
    frmAbout about(nullptr);
    QCursor::setPos(0, 0);
    about.show();
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    const auto* ok = about.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(QCursor::pos(),
              basCenterMouseCursor::CenterOf(QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size())));
}

TEST(About, SystemInfoWithoutAToolSaysSoAndStaysOpen) {
    std::vector<dialogs::Message> shown;
    dialogs::DialogHooks hooks;
    hooks.showMessage = [&shown](QWidget*, const dialogs::Message& m) { shown.push_back(m); };
    frmAbout about(nullptr, hooks);
    about.setSysInfoTools({});
    about.show();
    auto* sysInfo = about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
    ASSERT_NE(sysInfo, nullptr);
    EXPECT_EQ(sysInfo->text(), QStringLiteral("&System Info..."));
    sysInfo->click();

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
    EXPECT_EQ(shown[0].title, QStringLiteral("Vaporwright"));
    EXPECT_EQ(shown[0].icon, QMessageBox::NoIcon);
    EXPECT_TRUE(about.isVisible());
}

TEST(About, SystemInfoStartsTheFirstToolFoundOnThePath) {
    int messages = 0;
    dialogs::DialogHooks hooks;
    hooks.showMessage = [&messages](QWidget*, const dialogs::Message&) { ++messages; };
    frmAbout about(nullptr, hooks);
    // "true" stands in for a tool: it is on every PATH and ends at once.
    about.setSysInfoTools({QStringLiteral("vaporwright-no-such-tool"), QStringLiteral("true")});
    about.StartSysInfo();
    EXPECT_EQ(messages, 0);
}
