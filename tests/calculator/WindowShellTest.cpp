// The window shell: menus, hiding and opening, the tray icon, Exit, the
// modal windows of the menus, the Edit keys and the Help messages.

#include "ShellFixture.h"
#include "dialogs/frmAbout.h"
#include "settings/SettingsKeys.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>

namespace {

using WindowShell = ShellTest;

TEST_F(WindowShell, TitleBarCloseHidesWritingNothingAndOpenBringsItBack) {
    view().txtData()[0]->setText(u"71.5"_qs);
    closeFromTitleBar();
    EXPECT_FALSE(w->isVisible() || w->isUnloaded());
    EXPECT_EQ(stored(settings::kUnits), u"(none)"_qs);
    view().menuTray().mnuTrayPopupItem[0]->trigger(); // "&Open Vaporwright"
    EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
    EXPECT_EQ(view().txtData()[0]->text(), u"71.5"_qs);
    EXPECT_EQ(quits, 0);
}

TEST_F(WindowShell, WithoutATrayHideMinimisesAndTheCloseEndsTheRun) {
    tray = false;
    view().cmdClose()->click();
    EXPECT_TRUE(w->isVisible() && w->isMinimized());
    closeFromTitleBar();
    EXPECT_EQ(stored(settings::kUnits), u"0"_qs);
    EXPECT_TRUE(QTest::qWaitFor([this] { return quits == 1; }, 1000));
}

TEST_F(WindowShell, TrayIconActsByButtonAndExitsWhileHidden) {
    view().menuFile().mnuFileHide->trigger();
    for (const auto other : {QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick}) {
        view().Tray1()->activated(other);
        EXPECT_FALSE(w->isVisible() || view().menuTray().mnuTrayPopup->isVisible()) << other;
    }
    // The tray menu, hidden in the menu bar, pops up with its default item.
    EXPECT_FALSE(view().menuTray().mnuTrayPopup->menuAction()->isVisible());
    view().Tray1()->activated(QSystemTrayIcon::Context); // right button
    EXPECT_TRUE(view().menuTray().mnuTrayPopup->isVisible());
    EXPECT_EQ(view().menuTray().mnuTrayPopup->defaultAction(),
              view().menuTray().mnuTrayPopupItem[0]);
    EXPECT_FALSE(w->isVisible());
    view().menuTray().mnuTrayPopup->close();
    w->showMinimized();
    view().Tray1()->activated(QSystemTrayIcon::Trigger); // left button: open
    EXPECT_TRUE(w->isVisible() && !w->isMinimized());

    view().mnuFileHide_Click();
    view().menuTray().mnuTrayPopupItem[3]->trigger(); // "&Exit"
    EXPECT_EQ(stored(settings::kPatm), u"14.696"_qs);
    EXPECT_EQ(quits, 1);
}

TEST_F(WindowShell, AboutFromTheTrayLeavesAHiddenCalculatorHidden) {
    view().mnuFileHide_Click();
    QStringList seen;
    const ModalCloser closer([&](QWidget* modal) {
        seen << QString::fromLatin1(modal->metaObject()->className());
        view().Tray1()->activated(QSystemTrayIcon::Trigger); // only raises About
    });
    view().menuTray().mnuTrayPopupItem[1]->trigger();
    EXPECT_EQ(seen, QStringList{u"frmAbout"_qs});
    EXPECT_FALSE(w->isVisible());
}

TEST_F(WindowShell, ModalWindowsOfTheMenusStepDownFromTheTop) {
    const WId id = w->winId();
    view().menuFile().mnuFileOnTop->trigger();
    QStringList seen;
    const ModalCloser closer([&](QWidget* modal) {
        seen << QStringLiteral("%1 owned %2 on top %3 checked %4 same window %5")
                    .arg(QString::fromLatin1(modal->metaObject()->className()))
                    .arg(modal->parentWidget() == w.get())
                    .arg(onTop(*w))
                    .arg(view().menuFile().mnuFileOnTop->isChecked())
                    .arg(w->winId() == id);
    });
    view().menuHelp().mnuHelpAbout->trigger();
    view().menuFile().mnuFileDisclaimer->trigger();
    EXPECT_EQ(seen,
              (QStringList{u"frmAbout owned 1 on top 0 checked 1 same window 1"_qs,
                           u"frmReadDisclaimer owned 0 on top 0 checked 1 same window 1"_qs}));
    EXPECT_TRUE(onTop(*w));
    EXPECT_EQ(w->winId(), id); // suspended and restored on the one native window
    EXPECT_EQ(stored(settings::kDisclaimerShow), u"True"_qs); // the prompt's own
    EXPECT_EQ(stored(settings::kUnits), u"(none)"_qs);
}

TEST_F(WindowShell, EditKeysInAFieldGoThroughTheEditMenu) {
    QClipboard* clipboard = QApplication::clipboard();
    QLineEdit* field = view().txtData()[0];
    field->setFocus();
    QSignalSpy copy(view().menuEdit().mnuEditCopy, &QAction::triggered);
    field->setSelection(0, 2);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), u"68"_qs);
    // Nothing selected: the menu's copy empties the clipboard, where the
    // field's own would have left it.
    field->deselect();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QString());
    EXPECT_EQ(copy.count(), 2);

    field->setSelection(0, 3);
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    clipboard->setText(u"7x"_qs);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier); // unfiltered
    EXPECT_EQ(field->text(), u"7x00"_qs);
}

TEST_F(WindowShell, HelpStepsDownFromTheTopAndSaysWhyNothingIsShown) {
    using Status = ContextIDs::HelpResult::Status;
    bool onTopDuringCall = true;
    helpContents = [&] {
        onTopDuringCall = onTop(*w);
        return ContextIDs::HelpResult{Status::NoHelpPath, {}};
    };
    open();
    view().menuFile().mnuFileOnTop->trigger();
    view().txtData()[0]->setFocus();
    QTest::keyClick(view().txtData()[0], Qt::Key_F1);
    EXPECT_FALSE(onTopDuringCall);
    EXPECT_TRUE(onTop(*w));
    view().menuHelp().mnuHelpSearchForHelpOn->trigger(); // the real call: no file here

    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].icon, QMessageBox::Information);
    EXPECT_EQ(messages[0].title, w->windowTitle());
    EXPECT_EQ(messages[0].text, QString::fromLatin1(ContextIDs::kNoHelpMessage));
    EXPECT_EQ(messages[1].icon, QMessageBox::NoIcon);
    EXPECT_EQ(messages[1].title, u"Vaporwright"_qs);
    EXPECT_FALSE(messages[1].text.isEmpty());
}

} // namespace
