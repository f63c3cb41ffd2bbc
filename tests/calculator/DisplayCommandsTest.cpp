// Display units and precision: unit choices, More and Less digits and the
// IP/SI switch change renderings only, never the stored state.

#include "WindowFixture.h"
#include "engine/Units.h"

namespace {

TEST_F(WindowTest, UnitChoicesRenderTheStoredValueWithoutDrift) {
    QComboBox* list = view().cboUnits()[0];
    list->setCurrentIndex(2); // °R
    EXPECT_EQ(text(0), u"527.69"_qs);
    for (int round = 0; round < 20; ++round) {
        for (int position : {1, 2, 3, 0})
            list->setCurrentIndex(position);
    }
    EXPECT_EQ(text(0), u"68.00"_qs);
    EXPECT_EQ(view().state().Tdb, 68.0f);
}

TEST_F(WindowTest, MoreAndLessActOnTheFieldLeftLastForAFieldOrDigitButton) {
    tickPair(0, 3);
    enter(3, u"0.01"_qs);
    clickInto(3);
    click(view().cmdMore()); // leaves field 3 for the digit button
    EXPECT_EQ(view().CurrentField(), 3);
    EXPECT_EQ(view().FieldFormat()[3], u"#####0.00000"_qs);
    EXPECT_EQ(text(3), u"0.01000"_qs);
    click(view().cmdLess());
    click(view().cmdLess());
    EXPECT_EQ(view().FieldFormat()[3], u"#####0.000"_qs);
    EXPECT_EQ(text(3), u"0.010"_qs);

    // Leaving field 0 for field 3 records field 0; leaving field 3 for
    // Compute records nothing, so More widens field 0.
    clickInto(0);
    clickInto(3);
    EXPECT_EQ(view().CurrentField(), 0);
    QTest::keyClicks(field(3), u"0.02"_qs);
    click(view().cmdCompute());
    EXPECT_EQ(view().CurrentField(), 0);
    EXPECT_FLOAT_EQ(view().state().W, 0.02f);
    click(view().cmdMore());
    EXPECT_EQ(view().FieldFormat()[0], u"####0.000"_qs);
    EXPECT_EQ(view().FieldFormat()[3], u"#####0.000"_qs);
    EXPECT_EQ(text(0), u"68.000"_qs);
}

TEST_F(WindowTest, DigitsOfThePercentFieldsAreRewrittenDirectly) {
    click(view().cmdCompute()); // saturated: 100 %
    ASSERT_EQ(text(2), u"100.00"_qs);
    ASSERT_EQ(text(7), u"100.00"_qs);
    view().CurrentField() = 7;
    view().cmdMore()->click();
    EXPECT_EQ(view().FieldFormat()[7], u"#0.000"_qs);
    EXPECT_EQ(text(7), u"100.000"_qs);
    EXPECT_EQ(text(2), u"100.00"_qs);
    // Eight decimals at most; at the point Less stops.
    for (int i = 0; i < 10; ++i)
        view().cmdMore()->click();
    EXPECT_EQ(view().FieldFormat()[7], u"#0.00000000"_qs);
    for (int i = 0; i < 12; ++i)
        view().cmdLess()->click();
    EXPECT_EQ(view().FieldFormat()[7], u"#0."_qs);
    EXPECT_EQ(text(7), u"100."_qs);
}

TEST_F(WindowTest, TheSiSwitchReRendersEveryFieldAndRecomputes) {
    click(view().cmdCompute());
    const float h = view().state().H;
    click(view().optUnits()[1]);
    EXPECT_EQ(basPsychroFun::UnitSystemOf(view().state().UnitSystem),
              basPsychroFun::UnitSystem::SI);
    EXPECT_EQ(view().state().Tdb, 68.0f); // nothing stored is converted
    EXPECT_EQ(text(0), u"20.00"_qs);
    EXPECT_EQ(text(1), u"20.00"_qs);
    EXPECT_EQ(text(11), u"1013.25"_qs);
    EXPECT_EQ(text(12), u"0.0"_qs);
    const struct {
        int field;
        const char* unit;
    } rows[] = {{0, "°C"},    {3, "kg/kg"},  {4, "kJ/kg"}, {6, "mbar"}, {8, "m³/kg"},
                {9, "kg/m³"}, {10, "kg/m³"}, {11, "mbar"}, {12, "m"},   {13, "PPM weight"}};
    for (const auto& row : rows)
        EXPECT_EQ(view().cboUnits()[row.field]->currentText(), QString::fromUtf8(row.unit));
    // Enthalpy follows the metric datum (0 at 0 °C) after the recompute:
    // saturated air at 20 °C holds about 57.5 kJ/kg.
    EXPECT_NE(view().state().H, h);
    EXPECT_NEAR(text(4).toDouble(), 57.5, 0.5);
    for (int i = 0; i < calculator::kFieldCount; ++i) {
        if (view().cboUnits()[i] != nullptr && !text(i).isEmpty()) {
            EXPECT_EQ(text(i), rendering(i)) << i;
        }
    }

    click(view().optUnits()[0]);
    EXPECT_EQ(text(0), u"68.00"_qs);
    EXPECT_EQ(view().cboUnits()[4]->currentText(), u"BTU/lbm"_qs);
    EXPECT_EQ(view().state().H, h);
}

} // namespace
