// The input panel with real key and mouse events: typing, leaving fields,
// the rule on ticks, pressure and altitude, Enter, Clear and failures.

#include "WindowFixture.h"
#include "engine/PsychroFun.h"

namespace {

namespace psy = basPsychroFun;

TEST_F(WindowTest, TypingAValueAndTabbingComputesEveryResult) {
    enter(0, u"75"_qs);
    EXPECT_EQ(QApplication::focusWidget(), field(1));
    EXPECT_EQ(view().state().Tdb, 75.0f);
    EXPECT_EQ(text(0), u"75.00"_qs);
    // Dry bulb 75 °F over wet bulb 68 °F: a humid but unsaturated air.
    const double rh = text(2).toDouble();
    EXPECT_GT(rh, 60.0);
    EXPECT_LT(rh, 75.0);
    for (int i : kResults)
        EXPECT_FALSE(text(i).isEmpty()) << i;
    for (int i : {3, 4, 5, 6, 8, 9, 10, 13})
        EXPECT_EQ(text(i), rendering(i)) << i;

    // Clicking Compute afterwards computes the same state again.
    std::array<QString, calculator::kFieldCount> before;
    for (int i = 0; i < calculator::kFieldCount; ++i)
        before[i] = text(i);
    click(view().cmdCompute());
    for (int i = 0; i < calculator::kFieldCount; ++i)
        EXPECT_EQ(text(i), before[i]) << i;
}

TEST_F(WindowTest, TwoTicksLockTheOtherThreeAndAnUntickReleasesAll) {
    click(view().cmdCompute());
    ASSERT_FALSE(text(5).isEmpty());

    click(view().chkPsyInput()[1]);
    ASSERT_FALSE(view().chkPsyInput()[1]->isChecked());
    for (int i = 0; i < calculator::kInputCount; ++i) {
        EXPECT_TRUE(view().chkPsyInput()[i]->isEnabled()) << i;
        EXPECT_FALSE(field(i)->isReadOnly()) << i;
    }
    // The unticked inputs and the results are emptied; the ticked one stays.
    EXPECT_EQ(text(0), u"68.00"_qs);
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13})
        EXPECT_TRUE(text(i).isEmpty()) << i;
    EXPECT_EQ(text(11), u"14.70"_qs);

    // One tick computes nothing.
    click(view().cmdCompute());
    EXPECT_TRUE(text(5).isEmpty());

    // A new pair: dry bulb and humidity ratio; the other three lock.
    click(view().chkPsyInput()[3]);
    for (int i = 0; i < calculator::kInputCount; ++i) {
        const bool input = i == 0 || i == 3;
        EXPECT_EQ(view().chkPsyInput()[i]->isEnabled(), input) << i;
        EXPECT_EQ(field(i)->isReadOnly(), !input) << i;
    }
    enter(3, u"0.01"_qs);
    EXPECT_FLOAT_EQ(view().state().W, 0.01f);
    EXPECT_EQ(text(13), u"10000.0"_qs);
    EXPECT_FALSE(text(1).isEmpty()); // the wet bulb is a result now
}

TEST_F(WindowTest, TheFilterDecidesOnEveryTypedKey) {
    tickPair(0, 1);
    const struct {
        const char* keys;
        const char16_t* result;
    } rows[] = {
        {"1.5.2", u"1.52"}, {"1,234.5", u"1,234.5"}, {"ab7c", u"7"},
        {"-4-", u"-4"},     {"2 e3", u"23"},
    };
    clickInto(0);
    for (const auto& row : rows) {
        field(0)->clear();
        QTest::keyClicks(field(0), QString::fromLatin1(row.keys));
        EXPECT_EQ(text(0), QString::fromUtf16(row.result)) << row.keys;
    }
    // Shortcuts are not typing: Ctrl+A still selects, and the next key replaces.
    QTest::keyClick(field(0), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field(0), Qt::Key_9);
    EXPECT_EQ(text(0), u"9"_qs);
    // Editing keys that type nothing still work.
    QTest::keyClick(field(0), Qt::Key_Home);
    QTest::keyClick(field(0), Qt::Key_Delete);
    EXPECT_EQ(text(0), QString());

    // The filter holds in a result field that accepts typing, too.
    clickInto(13);
    QTest::keyClicks(field(13), u"x5"_qs);
    EXPECT_EQ(text(13), u"5"_qs);
}

// A key replaces the selection, so it is judged against the text it makes:
// a point or sign typed over a selected "20.00" or "-3.00" is kept.
TEST_F(WindowTest, AKeyIsJudgedAgainstTheTextOnceItReplacesTheSelection) {
    const struct {
        const char* keys;
        const char16_t* text;
        float stored;
    } rows[] = {{".5", u".5", 0.5f}, {"-20", u"-20", -20.0f}, {"7.", u"7.", 7.0f}};
    for (const auto& row : rows) {
        clickInto(0);
        ASSERT_EQ(field(0)->selectedText(), field(0)->text());
        QTest::keyClicks(field(0), QString::fromLatin1(row.keys));
        EXPECT_EQ(text(0), QString::fromUtf16(row.text)) << row.keys;
        QTest::keyClick(field(0), Qt::Key_Tab);
        EXPECT_EQ(view().state().Tdb, row.stored) << row.keys;
    }
    // Without a selection the text stands as it is: a second point is refused.
    clickInto(0);
    QTest::keyClick(field(0), Qt::Key_End);
    QTest::keyClick(field(0), '.');
    EXPECT_EQ(text(0), u"7.00"_qs);
}

TEST_F(WindowTest, KeysTypedAheadOfTheEventLoopAreNeverSwallowed) {
    tickPair(0, 1);
    // Tab, then two keys with the event loop running between them, as when
    // a fast typist's keys arrive together: both keys stay.
    clickInto(0);
    QTest::keyClick(field(0), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), field(1));
    QTest::keyClick(field(1), '7');
    QCoreApplication::processEvents();
    QTest::keyClick(field(1), '5');
    EXPECT_EQ(text(1), u"75"_qs);

    // A key typed before a click's select-all has run cancels it: the key
    // acted on the field as it stood, and nothing it typed gets selected.
    QTest::mouseClick(field(0), Qt::LeftButton);
    QTest::keyClick(field(0), Qt::Key_End);
    QCoreApplication::processEvents();
    EXPECT_FALSE(field(0)->hasSelectedText());
}

TEST_F(WindowTest, ARewrittenFieldBeingEnteredStaysSelected) {
    // The unit-system option clicked while the wet-bulb field has the focus
    // with its text selected, as after the option's mnemonic and a quick
    // Shift+Tab: the click comes a moment after the keys.
    tickPair(0, 1);
    field(1)->setFocus(Qt::BacktabFocusReason);
    const QString ip = text(1);
    ASSERT_EQ(field(1)->selectedText(), ip);
    view().optUnits()[1]->click();
    ASSERT_NE(text(1), ip);
    EXPECT_EQ(field(1)->selectedText(), text(1));
    QTest::keyClick(field(1), '9');
    EXPECT_EQ(text(1), u"9"_qs);
}

TEST_F(WindowTest, AnEmptyFieldStoresZeroInTheBaseUnit) {
    view().cboUnits()[0]->setCurrentIndex(1); // °C
    EXPECT_EQ(text(0), u"20.00"_qs);
    enter(0, QString());
    EXPECT_EQ(view().state().Tdb, 0.0f);
    EXPECT_EQ(text(0), u"-17.78"_qs);
}

TEST_F(WindowTest, AnUnreadableRelativeHumidityKeepsThePreviousOne) {
    tickPair(0, 2);
    enter(2, u"50"_qs);
    EXPECT_FLOAT_EQ(view().state().Phi, 0.5f);
    EXPECT_EQ(text(2), u"50.00"_qs);
    for (const QString& unreadable : {QString(), u"-"_qs, u"."_qs}) {
        enter(2, unreadable);
        EXPECT_FLOAT_EQ(view().state().Phi, 0.5f);
        // The compute that follows writes the kept value back.
        EXPECT_EQ(text(2), u"50.00"_qs);
    }
}

TEST_F(WindowTest, AnAltitudeGivesThePressureAndAPressureTheAltitude) {
    click(view().cmdCompute());
    const QString seaLevelVolume = text(8);

    click(view().optPatm()[1]);
    ASSERT_TRUE(field(11)->isReadOnly());
    ASSERT_FALSE(field(12)->isReadOnly());
    enter(12, u"1000"_qs);
    EXPECT_EQ(view().state().Alt, 1000.0f);
    EXPECT_EQ(view().state().Patm, static_cast<float>(psy::PressureFromAltitude(1000.0, "IP")));
    EXPECT_NEAR(view().state().Patm, 14.17, 0.02); // standard atmosphere at 1000 ft
    EXPECT_EQ(text(12), u"1000.0"_qs);
    EXPECT_EQ(text(11), rendering(11));
    EXPECT_NE(text(8), seaLevelVolume); // recomputed: thinner air, more volume

    click(view().optPatm()[0]);
    enter(11, u"12"_qs);
    EXPECT_EQ(view().state().Patm, 12.0f);
    EXPECT_EQ(view().state().Alt, static_cast<float>(psy::AltitudeFromPressure(12.0, "IP")));
    EXPECT_EQ(text(11), u"12.00"_qs);
    EXPECT_EQ(text(12), rendering(12));
}

// A field left as the window wrote it keeps the stored value, not the
// rounded text: passing through the pressure field neither rounds the
// pressure nor moves the altitude the user typed.
TEST_F(WindowTest, PassingThroughAFieldDoesNotRoundItsValue) {
    click(view().cmdCompute()); // leaves the pressure field, which had the focus
    EXPECT_EQ(view().state().Patm, 14.696f);
    EXPECT_EQ(text(12), u"0.0"_qs);

    click(view().optPatm()[1]);
    enter(12, u"1000"_qs);
    const float patm = view().state().Patm;
    ASSERT_EQ(text(11), u"14.18"_qs);
    clickInto(11); // locked, showing 14.18 psia
    QTest::keyClick(field(11), Qt::Key_Tab);
    EXPECT_EQ(view().state().Alt, 1000.0f);
    EXPECT_EQ(view().state().Patm, patm);
    EXPECT_EQ(text(12), u"1000.0"_qs);
}

TEST_F(WindowTest, EnterMovesOnAsTabAndTakesTheEntryOver) {
    clickInto(0);
    QTest::keyClicks(field(0), u"80"_qs);
    QTest::keyClick(field(0), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), field(1));
    EXPECT_EQ(view().CurrentField(), 0);
    EXPECT_EQ(view().state().Tdb, 80.0f);
    EXPECT_EQ(text(0), u"80.00"_qs);
    EXPECT_FALSE(text(5).isEmpty());
    // The keypad's Enter does the same, and neither reaches a field's text.
    QTest::keyClick(field(1), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(QApplication::focusWidget(), field(2));
    EXPECT_EQ(view().CurrentField(), 1);
    EXPECT_EQ(text(1), u"68.00"_qs);
}

TEST_F(WindowTest, AZeroPressureClearsTheResultsSilently) {
    click(view().cmdCompute());
    ASSERT_FALSE(text(5).isEmpty());
    enter(11, u"0"_qs);
    EXPECT_EQ(view().state().Patm, 0.0f);
    for (int i : kResults)
        EXPECT_TRUE(text(i).isEmpty()) << i;
    for (int i : {2, 3, 4})
        EXPECT_TRUE(text(i).isEmpty()) << i;
    EXPECT_EQ(text(0), u"68.00"_qs);
    EXPECT_EQ(text(1), u"68.00"_qs);
    EXPECT_EQ(text(11), u"0.00"_qs);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // A good pressure brings the results back.
    enter(11, u"14.696"_qs);
    EXPECT_FALSE(text(5).isEmpty());
}

TEST_F(WindowTest, ClearGoesBackToDryAndWetBulbKeepingTheStoredValues) {
    tickPair(2, 3);
    enter(2, u"40"_qs);
    enter(3, u"0.005"_qs);
    ASSERT_FALSE(text(0).isEmpty());
    const float tdb = view().state().Tdb;
    const float twb = view().state().Twb;
    const QString pressure = text(11);
    const QString altitude = text(12);

    click(view().cmdClear());
    for (int i = 0; i < calculator::kInputCount; ++i) {
        const bool input = i < 2;
        EXPECT_EQ(view().chkPsyInput()[i]->isChecked(), input) << i;
        EXPECT_EQ(view().chkPsyInput()[i]->isEnabled(), input) << i;
    }
    EXPECT_EQ(view().state().Tdb, tdb);
    EXPECT_EQ(text(0), rendering(0));
    EXPECT_EQ(text(1), rendering(1));
    EXPECT_EQ(view().state().Twb, twb);
    for (int i : {2, 3, 4, 5, 6, 7, 8, 9, 10, 13})
        EXPECT_TRUE(text(i).isEmpty()) << i;
    EXPECT_EQ(text(11), pressure);
    EXPECT_EQ(text(12), altitude);
}

} // namespace
