// The value side of the field refresh, and the unit positions of the
// unit-system switch.

#include "core/FieldTable.h"

#include "core/NumberFormat.h"
#include "units/UnitCatalogue.h"

#include <gtest/gtest.h>

namespace {

using namespace calculator;

TEST(FieldTable, RendersInTheSelectedUnitWithoutTouchingTheState) {
    CalcState s;
    s.Tdb = 68.0f;
    s.Tdp = 0.0f;
    EXPECT_DOUBLE_EQ(*DisplayValue(s, kDryBulb, 0), 68.0);
    EXPECT_NEAR(*DisplayValue(s, kDryBulb, 2), 527.69, 1e-4); // °R uses 459.69
    EXPECT_EQ(FormatNumber(*DisplayValue(s, kDewPoint, 1), "#0.00"), "-17.78");
    // Back to °F after any sequence of units: no drift.
    for (int position : {1, 2, 3, 2, 1})
        (void)DisplayValue(s, kDryBulb, position);
    EXPECT_EQ(FormatNumber(*DisplayValue(s, kDryBulb, 0), "####0.00"), "68.00");
}

TEST(FieldTable, BasePositionOfHumidityRatioAndAbsoluteHumidityIsTheSecond) {
    CalcState s;
    s.W = 0.01f;
    s.Dv = 0.001f;
    EXPECT_FLOAT_EQ(static_cast<float>(*DisplayValue(s, kHumidityRatio, 1)), 0.01f);
    EXPECT_NEAR(*DisplayValue(s, kHumidityRatio, 0), 70.0, 1e-4); // grains/lbm
    EXPECT_FLOAT_EQ(static_cast<float>(*DisplayValue(s, kAbsoluteHumidity, 1)), 0.001f);
    EXPECT_NEAR(*DisplayValue(s, kAbsoluteHumidity, 0), 7.0, 1e-5); // grains/ft³
}

TEST(FieldTable, MoistureConcentrationFollowsW) {
    CalcState s;
    s.W = 0.01f;
    EXPECT_EQ(FormatNumber(*DisplayValue(s, kMoistureConcentration, 0), "#0.0"), "10000.0");
    EXPECT_EQ(FormatNumber(*DisplayValue(s, kMoistureConcentration, 1), "#0.0"), "16088.9");
}

TEST(FieldTable, UnknownPositionsAndFieldsWithoutListLeaveTheText) {
    const CalcState s;
    for (int field = 0; field < kFieldCount; ++field) {
        EXPECT_FALSE(DisplayValue(s, field, -1)) << field;
        const std::size_t units = basLoadUnits::UnitsOf(UnitTag(field)).size();
        EXPECT_FALSE(DisplayValue(s, field, static_cast<int>(units))) << field;
        for (std::size_t position = 0; position < units; ++position)
            EXPECT_TRUE(DisplayValue(s, field, static_cast<int>(position))) << field;
    }
    EXPECT_FALSE(DisplayValue(s, kRelativeHumidity, 0));
    EXPECT_FALSE(DisplayValue(s, kDegreeOfSaturation, 0));
}

TEST(FieldTable, UnitSystemPositionsNameTheSystemsUnits) {
    struct Expect {
        int field;
        const char* ip;
        const char* si;
    };
    const Expect table[] = {
        {kDryBulb, "°F", "°C"},
        {kHumidityRatio, "lbm/lbm", "kg/kg"},
        {kEnthalpy, "BTU/lbm", "kJ/kg"},
        {kVaporPressure, "psia", "mbar"},
        {kSpecificVolume, "ft³/lbm", "m³/kg"},
        {kDensity, "lbm/ft³", "kg/m³"},
        {kAbsoluteHumidity, "lbm/ft³", "kg/m³"},
        {kAtmosphericPressure, "psia", "mbar"},
        {kAltitude, "ft", "m"},
        {kMoistureConcentration, "PPM weight", "PPM weight"},
    };
    for (const Expect& e : table) {
        const auto units = basLoadUnits::UnitsOf(UnitTag(e.field));
        EXPECT_EQ(units[static_cast<std::size_t>(
                      UnitSystemPosition(e.field, basPsychroFun::UnitSystem::IP))],
                  e.ip);
        EXPECT_EQ(units[static_cast<std::size_t>(
                      UnitSystemPosition(e.field, basPsychroFun::UnitSystem::SI))],
                  e.si);
    }
    EXPECT_EQ(UnitSystemPosition(kRelativeHumidity, basPsychroFun::UnitSystem::IP), -1);
    EXPECT_EQ(UnitSystemPosition(kDegreeOfSaturation, basPsychroFun::UnitSystem::SI), -1);
}

} // namespace
