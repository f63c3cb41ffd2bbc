// The calculator window's settings from one run to the next: what the load
// reads, what the unload writes, and that it writes once.

#include "ShellFixture.h"
#include "engine/PsychroFun.h"
#include "engine/Units.h"
#include "settings/SettingsKeys.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

namespace {

using Persistence = ShellTest;

// The window's own derivation of the pressure (psia) from an altitude (ft).
float PressureAt(float ft) {
    return static_cast<float>(basPsychroFun::PressureFromAltitude(ft, "IP"));
}

TEST_F(Persistence, WhatExitWritesComesBackAtTheNextStart) {
    // A first run: defaults, and loading writes nothing.
    EXPECT_EQ(stored(settings::kUnits), u"(none)"_qs);
    EXPECT_EQ(view().state().Patm, 14.696f);
    EXPECT_FALSE(onTop(*w));

    view().optUnits()[1]->setChecked(true);
    view().optPatm()[1]->setChecked(true); // altitude entered
    view().state().Alt = 4321.5f;          // ft
    view().state().Patm = PressureAt(4321.5f);
    view().CurrentField() = 0;
    view().cmdMore()->click();
    view().cmdMore()->click();
    view().menuFile().mnuFileOnTop->trigger();
    view().menuTray().mnuTrayPopupItem[3]->trigger(); // tray "&Exit"
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(stored(settings::kAlt), u"4321.5"_qs);
    EXPECT_EQ(stored(u"DBFormat"), u"####0.0000"_qs);
    EXPECT_EQ(stored(u"WBFormat"), u"####0.00"_qs);
    EXPECT_EQ(stored(settings::kKeepOnTop), u"True"_qs);

    settings::ReadStartupFlags();
    open();
    EXPECT_EQ(basPsychroFun::UnitSystemOf(view().state().UnitSystem),
              basPsychroFun::UnitSystem::SI);
    EXPECT_EQ(view().cboUnits()[0]->currentText(), u"°C"_qs);
    EXPECT_TRUE(view().optPatm()[1]->isChecked());
    EXPECT_EQ(view().state().Patm, PressureAt(4321.5f));
    EXPECT_EQ(view().state().Alt, 4321.5f);
    EXPECT_EQ(view().FieldFormat()[0], u"####0.0000"_qs);
    EXPECT_TRUE(onTop(*w));
    EXPECT_TRUE(view().menuFile().mnuFileOnTop->isChecked());
}

TEST_F(Persistence, UnusableStoredValuesFallBackKeyByKey) {
    const settings::SettingEntry entries[] = {
        {u"Units"_qs, u"2"_qs},    {u"PatmUnit"_qs, u"one"_qs},  {u"Patm"_qs, u"1e99"_qs},
        {u"Alt"_qs, u"-120.5"_qs}, {u"DBFormat"_qs, u"#,##"_qs}, {u"WBFormat"_qs, u"0.000"_qs},
    };
    ASSERT_TRUE(settings::SaveSettings(entries));
    open();
    EXPECT_TRUE(view().optUnits()[0]->isChecked());
    EXPECT_TRUE(view().optPatm()[0]->isChecked());
    // The pressure refused, the altitude decides.
    EXPECT_EQ(view().state().Alt, -120.5f);
    EXPECT_EQ(view().state().Patm, PressureAt(-120.5f));
    EXPECT_EQ(view().FieldFormat()[0], u"####0.00"_qs);
    EXPECT_EQ(view().FieldFormat()[1], u"0.000"_qs);
}

// Regression: each switch destroyed the native window and made a new one.
TEST_F(Persistence, KeepOnTopToggledTwiceIsWrittenFalseOnTheSameNativeWindow) {
    const QRect frame = w->geometry();
    const QPointer<QWindow> handle = w->windowHandle();
    const WId id = w->winId();
    view().menuFile().mnuFileOnTop->trigger();
    EXPECT_TRUE(onTop(*w) && settings::blnKeepOnTop);
    EXPECT_TRUE(w->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    view().menuFile().mnuFileOnTop->trigger();
    EXPECT_FALSE(onTop(*w) || settings::blnKeepOnTop ||
                 view().menuFile().mnuFileOnTop->isChecked());
    EXPECT_FALSE(w->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->geometry(), frame);
    EXPECT_EQ(w->windowHandle(), handle.data());
    EXPECT_EQ(w->winId(), id);
    view().menuFile().mnuFileExit->trigger();
    EXPECT_EQ(stored(settings::kKeepOnTop), u"False"_qs);
}

// Regression: a file deleted during the run lost "Disclaimer Show" at Exit.
TEST_F(Persistence, ExitWritesTheDisclaimerFlagWhateverHappenedToTheFile) {
    settings::blnDisclaimerShow = false;
    ASSERT_TRUE(settings::SaveSetting(settings::kDisclaimerShow, u"False"_qs));
    ASSERT_TRUE(QFile::remove(settings::StoreFilePath()));
    view().mnuFileExit_Click();
    EXPECT_EQ(stored(settings::kDisclaimerShow), u"False"_qs);
    EXPECT_EQ(stored(settings::kUnits), u"0"_qs);
    settings::blnDisclaimerShow = true;
}

TEST_F(Persistence, SessionEndUnloadsOnceAndEndsTheRun) {
    view().endOfSession();
    EXPECT_EQ(stored(settings::kUnits), u"0"_qs);
    EXPECT_TRUE(QTest::qWaitFor([this] { return quits == 1; }, 1000));
    ASSERT_TRUE(settings::SaveSetting(settings::kUnits, u"1"_qs));
    view().mnuFileExit_Click(); // unloaded already: writes nothing more
    EXPECT_EQ(stored(settings::kUnits), u"1"_qs);
}

TEST_F(Persistence, AQuitFromOutsideClosesAndUnloadsTheWindow) {
    // QCoreApplication::quit closes every window first; a window that
    // refused would keep the run going.
    QTimer guard; // ends a run that hangs; gone with the test
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(w->isUnloaded());
    EXPECT_EQ(stored(settings::kPatm), u"14.696"_qs);
}

} // namespace
