#include "DialogFixture.h"
#include "dialogs/CenterMouseCursor.h"
#include "dialogs/frmDisclaimer.h"
#include "dialogs/frmReadDisclaimer.h"
#include "settings/Flags.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsValues.h"

#include <optional>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

template <typename T>
T* Child(const QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

// A click on the box itself: the middle of a check box stretched across the
// window may lie beyond its text, where a click does nothing.
void ClickCheckBox(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

QPoint CentreOf(const QWidget* w) {
    return basCenterMouseCursor::CenterOf(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
}

class Disclaimer : public DialogFixture {
protected:
    static bool StoreWritten() { return QFile::exists(settings::StoreFilePath()); }
};

TEST_F(Disclaimer, PromptCaptionAndControls) {
    const frmReadDisclaimer prompt(nullptr, hooks);
    EXPECT_EQ(prompt.windowTitle(), QStringLiteral("Vaporwright:  READ THE DISCLAIMER"));
    EXPECT_EQ(Child<QPushButton>(prompt, "cmdRead")->text(),
              QStringLiteral("&Read the Disclaimer"));
    EXPECT_EQ(Child<QPushButton>(prompt, "cmdAgree")->text(), QStringLiteral("&Agree"));
    EXPECT_EQ(Child<QPushButton>(prompt, "cmdDisagree")->text(), QStringLiteral("&Disagree"));
    EXPECT_EQ(Child<QCheckBox>(prompt, "chkDontShow")->text(),
              QStringLiteral("Don't display at start-up"));
}

TEST_F(Disclaimer, ActivationShowsTheFlagWithoutChangingIt) {
    for (const bool show : {true, false}) {
        settings::blnDisclaimerShow = show;
        frmReadDisclaimer prompt(nullptr, hooks);
        Activate(prompt);
        EXPECT_EQ(Child<QCheckBox>(prompt, "chkDontShow")->isChecked(), !show);
        EXPECT_EQ(settings::blnDisclaimerShow, show);
        EXPECT_EQ(QCursor::pos(), CentreOf(Child<QPushButton>(prompt, "cmdAgree")));
    }
}

TEST_F(Disclaimer, EachClickInvertsTheFlagAndAgreeStoresIt) {
    frmReadDisclaimer prompt(nullptr, hooks);
    Activate(prompt);
    auto* check = Child<QCheckBox>(prompt, "chkDontShow");
    ClickCheckBox(check);
    EXPECT_FALSE(settings::blnDisclaimerShow);
    ClickCheckBox(check);
    EXPECT_TRUE(settings::blnDisclaimerShow);
    ClickCheckBox(check);
    EXPECT_FALSE(StoreWritten());

    Child<QPushButton>(prompt, "cmdAgree")->click();
    EXPECT_FALSE(prompt.isVisible());
    EXPECT_EQ(prompt.result(), QDialog::Accepted);
    EXPECT_TRUE(StoreWritten());
    EXPECT_FALSE(settings::ReadDisclaimerShow());
    EXPECT_FALSE(exitCode.has_value());
}

TEST_F(Disclaimer, ClosingTheOtherWayStoresTheFlagToo) {
    settings::blnDisclaimerShow = false;
    frmReadDisclaimer prompt(nullptr, hooks);
    Activate(prompt);
    QTest::keyClick(&prompt, Qt::Key_Escape);
    EXPECT_FALSE(prompt.isVisible());
    EXPECT_TRUE(StoreWritten());
    EXPECT_FALSE(settings::ReadDisclaimerShow());
}

TEST_F(Disclaimer, DisagreeEndsTheProgramAndWritesNothing) {
    frmReadDisclaimer prompt(nullptr, hooks);
    Activate(prompt);
    ClickCheckBox(Child<QCheckBox>(prompt, "chkDontShow"));
    Child<QPushButton>(prompt, "cmdDisagree")->click();
    EXPECT_EQ(exitCode, 0);
    // Had the program not ended, closing what is left must not save either.
    prompt.close();
    EXPECT_FALSE(StoreWritten());
}

TEST_F(Disclaimer, TypingTheTriggerWordOnThePromptShowsTheCredits) {
    frmReadDisclaimer prompt(nullptr, hooks);
    Activate(prompt);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClicks(focus, QStringLiteral("kestrels"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, QStringLiteral("Vaporwright Credit Screen"));
    EXPECT_TRUE(prompt.isVisible()); // the keys were not taken by the buttons
}

TEST_F(Disclaimer, ViewerShowsLatin1TextWithItsLineBreaks) {
    WriteDisclaimer("Caf\xe9 au lait\r\nSecond line\r\n\r\nLast\xb0");
    const frmDisclaimer viewer(nullptr, hooks);
    EXPECT_TRUE(viewer.isLoaded());
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Vaporwright:  D I S C L A I M E R"));
    EXPECT_EQ(Child<QPlainTextEdit>(viewer, "txtText")->toPlainText(),
              QStringLiteral("Caf\u00e9 au lait\nSecond line\n\nLast\u00b0"));
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(exitCode.has_value());
}

TEST_F(Disclaimer, ViewerOpensEmptyForAnEmptyFile) {
    WriteDisclaimer({});
    const frmDisclaimer viewer(nullptr, hooks);
    EXPECT_TRUE(viewer.isLoaded());
    EXPECT_TRUE(Child<QPlainTextEdit>(viewer, "txtText")->toPlainText().isEmpty());
}

TEST_F(Disclaimer, ViewerReadsTheShippedDisclaimer) {
    hooks.programFolder = QStringLiteral(VW_RESOURCES_DIR "/"); // a folder ending in '/'
    const frmDisclaimer viewer(nullptr, hooks);
    ASSERT_TRUE(viewer.isLoaded());
    EXPECT_TRUE(Child<QPlainTextEdit>(viewer, "txtText")
                    ->toPlainText()
                    .contains(QStringLiteral("without warranty")));
}

TEST_F(Disclaimer, MissingFileReportsAndEndsTheProgram) {
    const frmDisclaimer viewer(nullptr, hooks);
    EXPECT_FALSE(viewer.isLoaded());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, QStringLiteral("Error:  Vaporwright"));
    EXPECT_EQ(messages[0].text, QStringLiteral("The file DISCLAIMER.TXT could not be located.\n"
                                               "Please re-install Vaporwright."));
    EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
    ASSERT_TRUE(exitCode.has_value());
    EXPECT_NE(*exitCode, 0);
}

TEST_F(Disclaimer, AFolderInPlaceOfTheFileCountsAsMissing) {
    ASSERT_TRUE(QDir(programDir.path()).mkdir(QStringLiteral("disclaimer.txt")));
    const frmDisclaimer viewer(nullptr, hooks);
    EXPECT_FALSE(viewer.isLoaded());
    EXPECT_TRUE(exitCode.has_value());
}

TEST_F(Disclaimer, ReadWithoutTheFileEndsTheProgramFromThePrompt) {
    frmReadDisclaimer prompt(nullptr, hooks);
    Activate(prompt);
    Child<QPushButton>(prompt, "cmdRead")->click(); // returns: no viewer is shown
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(exitCode.has_value());
    prompt.close();
    EXPECT_FALSE(StoreWritten());
}

TEST_F(Disclaimer, ReadOpensTheViewerAndClosingItReactivatesThePrompt) {
    WriteDisclaimer("Read me.");
    frmReadDisclaimer prompt(nullptr, hooks);
    Activate(prompt);
    ClickCheckBox(Child<QCheckBox>(prompt, "chkDontShow"));

    QString shownText;
    QTimer::singleShot(0, [&shownText] {
        auto* viewer = qobject_cast<frmDisclaimer*>(QApplication::activeModalWidget());
        if (viewer == nullptr) {
            return; // the test fails below
        }
        shownText = Child<QPlainTextEdit>(*viewer, "txtText")->toPlainText();
        // Activation is asynchronous on a real window system: let the viewer's
        // own activation move the pointer before moving it away.
        (void)QTest::qWaitForWindowActive(viewer);
        QCursor::setPos(0, 0); // away from both windows' buttons
        Child<QPushButton>(*viewer, "cmdOK")->click();
    });
    QTimer guard; // ends a modal wait that the step above could not end
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    guard.start(5000);
    Child<QPushButton>(prompt, "cmdRead")->click();
    EXPECT_EQ(shownText, QStringLiteral("Read me."));

    // A window system hands the activation back to the prompt when the viewer
    // closes; the offscreen platform does not, so do it here.
    if (!prompt.isActiveWindow()) {
        prompt.activateWindow();
    }
    ASSERT_TRUE(QTest::qWaitForWindowActive(&prompt));
    const QPoint agree = CentreOf(Child<QPushButton>(prompt, "cmdAgree"));
    EXPECT_TRUE(QTest::qWaitFor([&agree] { return QCursor::pos() == agree; }, 2000));
    EXPECT_TRUE(Child<QCheckBox>(prompt, "chkDontShow")->isChecked());
    EXPECT_FALSE(settings::blnDisclaimerShow);
    EXPECT_FALSE(StoreWritten());
}

} // namespace
