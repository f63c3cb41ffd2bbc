// The column vocabulary and the number reading it relies on.

#include "weather/Columns.h"

#include "weather/Fields.h"

#include <gtest/gtest.h>

namespace {

using namespace weather;
using namespace weather::columns;

TEST(Columns, EveryQuantityWithEachOfItsUnits) {
    struct Case {
        const char* name;
        Quantity quantity;
        Unit unit;
    };
    const Case cases[] = {
        {"dry_bulb_F", Quantity::DryBulb, Unit::Fahrenheit},
        {"wet_bulb_C", Quantity::WetBulb, Unit::Celsius},
        {"dew_point_K", Quantity::DewPoint, Unit::Kelvin},
        {"relative_humidity_pct", Quantity::RelativeHumidity, Unit::Percent},
        {"humidity_ratio_lb/lb", Quantity::HumidityRatio, Unit::PoundPerPound},
        {"humidity_ratio_kg/kg", Quantity::HumidityRatio, Unit::KilogramPerKilogram},
        {"humidity_ratio_g/kg", Quantity::HumidityRatio, Unit::GramPerKilogram},
        {"humidity_ratio_gr/lb", Quantity::HumidityRatio, Unit::GrainPerPound},
        {"enthalpy_Btu/lb", Quantity::Enthalpy, Unit::BtuPerPound},
        {"enthalpy_kJ/kg", Quantity::Enthalpy, Unit::KilojoulePerKilogram},
        {"pressure_psia", Quantity::Pressure, Unit::Psia},
        {"pressure_kPa", Quantity::Pressure, Unit::Kilopascal},
        {"pressure_Pa", Quantity::Pressure, Unit::Pascal},
        {"pressure_inHg", Quantity::Pressure, Unit::InchOfMercury},
        {"pressure_mbar", Quantity::Pressure, Unit::Millibar},
        {"altitude_ft", Quantity::Altitude, Unit::Foot},
        {"altitude_m", Quantity::Altitude, Unit::Metre},
    };
    for (const Case& c : cases) {
        const auto column = ParseColumnName(c.name);
        ASSERT_TRUE(column) << c.name;
        EXPECT_EQ(*column, (Column{c.quantity, c.unit})) << c.name;
        EXPECT_EQ(ColumnName(*column), c.name);
    }
    // Case, blanks and quotes do not matter.
    EXPECT_EQ(ParseColumnName(" \"Dry_Bulb_c\" "), (Column{Quantity::DryBulb, Unit::Celsius}));
    EXPECT_EQ(ParseColumnName("ENTHALPY_KJ/KG"),
              (Column{Quantity::Enthalpy, Unit::KilojoulePerKilogram}));
}

TEST(Columns, HeadersOfOtherProgramsWithTheUnitInTheirOwnForm) {
    struct Case {
        const char* name;
        Quantity quantity;
        Unit unit;
    };
    const Case cases[] = {
        {"Pressure (kPa)", Quantity::Pressure, Unit::Kilopascal},
        {"pressure-kPa", Quantity::Pressure, Unit::Kilopascal},
        {"pressure [kPa]", Quantity::Pressure, Unit::Kilopascal},
        {"pressure(Pa)", Quantity::Pressure, Unit::Pascal},
        {"Station pressure (hPa)", Quantity::Pressure, Unit::Millibar},
        {"atmospheric_pressure_inHg", Quantity::Pressure, Unit::InchOfMercury},
        {"Altitude (m)", Quantity::Altitude, Unit::Metre},
        {"altitude feet", Quantity::Altitude, Unit::Foot},
        {"Dry bulb (F)", Quantity::DryBulb, Unit::Fahrenheit},
        {"Dry-bulb temperature [\xC2\xB0"
         "C]",
         Quantity::DryBulb, Unit::Celsius},
        {"dew point temp degC", Quantity::DewPoint, Unit::Celsius},
        {"Wet bulb (K)", Quantity::WetBulb, Unit::Kelvin},
        {"Relative humidity (%)", Quantity::RelativeHumidity, Unit::Percent},
        {"Humidity ratio (g/kg)", Quantity::HumidityRatio, Unit::GramPerKilogram},
        {"Enthalpy (kJ/kg)", Quantity::Enthalpy, Unit::KilojoulePerKilogram},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseColumnName(c.name), (Column{c.quantity, c.unit})) << c.name;
        EXPECT_EQ(NamedQuantity(c.name), c.quantity) << c.name;
        EXPECT_FALSE(UnitProblem(c.name)) << c.name;
    }
}

TEST(Columns, AQuantityWithoutAUnitIsNamedForRefusal) {
    // Regression: "pressure" was passed over and every row taken at 14.696 psia.
    struct Case {
        const char* name;
        Quantity quantity;
        const char* message;
    };
    const Case cases[] = {
        {"pressure", Quantity::Pressure,
         "Column \"pressure\" gives no unit; name it with one of the units of pressure (psia, "
         "kPa, Pa, inHg, mbar), such as pressure_psia"},
        {" Altitude ", Quantity::Altitude,
         "Column \"Altitude\" gives no unit; name it with one of the units of altitude (ft, m), "
         "such as altitude_ft"},
        {"Pressure (bar)", Quantity::Pressure,
         "Column \"Pressure (bar)\": no such unit of pressure (units: psia, kPa, Pa, inHg, mbar)"},
        {"pressure_kPa2", Quantity::Pressure, nullptr},
        {"Pressure (kPa", Quantity::Pressure, nullptr},
        {"Dry bulb", Quantity::DryBulb, nullptr},
        {"dry_bulb_pct", Quantity::DryBulb, nullptr},
        {"station pressure", Quantity::Pressure, nullptr},
        {"pressure_\x1b[2J", Quantity::Pressure,
         "Column \"pressure_\\x1B[2J\": no such unit of pressure (units: psia, kPa, Pa, inHg, "
         "mbar)"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ParseColumnName(c.name)) << c.name;
        EXPECT_EQ(NamedQuantity(c.name), c.quantity) << c.name;
        const auto message = UnitProblem(c.name);
        ASSERT_TRUE(message) << c.name;
        if (c.message != nullptr) {
            EXPECT_EQ(*message, c.message);
        }
        EXPECT_EQ(message->find('\x1b'), std::string::npos) << *message;
    }
    // Names that give no quantity are no one's concern.
    for (const char* name : {"time", "pressures", "dry_bulbs", "wind_m/s", "drybulb_F", ""}) {
        EXPECT_FALSE(NamedQuantity(name)) << name;
        EXPECT_FALSE(UnitProblem(name)) << name;
    }
}

TEST(Columns, NamesThatAreNotColumns) {
    for (const char* name : {"", "dry_bulb", "dry_bulb_", "dry_bulb_pct", "relative_humidity_C",
                             "pressure_m", "altitude_kPa", "drybulb_F", "dry_bulb_F2", "timestamp",
                             "humidity_ratio_g/lb", "enthalpy_kJ"})
        EXPECT_FALSE(ParseColumnName(name)) << name;
}

TEST(Columns, ToBaseAndBack) {
    struct Case {
        Unit unit;
        double value;
        double base;
    };
    const Case cases[] = {
        {Unit::Celsius, 20.0, 68.0},
        {Unit::Kelvin, 273.15, 32.0},
        {Unit::Percent, 45.0, 0.45},
        {Unit::GramPerKilogram, 7.5, 0.0075},
        {Unit::GrainPerPound, 70.0, 0.01},
        {Unit::Kilopascal, 101.325, 14.696},
        {Unit::Pascal, 101325.0, 14.696},
        {Unit::Millibar, 1013.25, 14.696},
        {Unit::InchOfMercury, 29.921, 14.696},
        {Unit::Metre, 304.8, 1000.0},
        {Unit::Fahrenheit, 68.0, 68.0},
        {Unit::KilogramPerKilogram, 0.01, 0.01},
        {Unit::Psia, 12.0, 12.0},
        {Unit::Foot, 5000.0, 5000.0},
        // Enthalpy keeps its own formulation's number.
        {Unit::KilojoulePerKilogram, 38.5, 38.5},
        {Unit::BtuPerPound, 24.2, 24.2},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ToBase(c.unit, c.value), c.base, 1e-12 * (1.0 + c.base)) << UnitName(c.unit);
        EXPECT_NEAR(FromBase(c.unit, ToBase(c.unit, c.value)), c.value, 1e-12 * (1.0 + c.value))
            << UnitName(c.unit);
    }
    EXPECT_TRUE(IsMetricEnthalpy(Unit::KilojoulePerKilogram));
    EXPECT_FALSE(IsMetricEnthalpy(Unit::BtuPerPound));
}

TEST(Fields, NumbersAreReadWithADotWhateverTheLocale) {
    EXPECT_EQ(ParseNumber("12.5"), 12.5);
    EXPECT_EQ(ParseNumber(" -3 "), -3.0);
    EXPECT_EQ(ParseNumber("+1e3"), 1000.0);
    EXPECT_EQ(ParseNumber("\"7.25\"\r"), 7.25);
    for (const char* bad : {"", "12,5", "1.2.3", "abc", "12 5", "nan", "inf", "1e999", "--1"})
        EXPECT_FALSE(ParseNumber(bad)) << bad;
    EXPECT_EQ(ParseInteger("24"), 24);
    EXPECT_FALSE(ParseInteger("2.5"));
    EXPECT_FALSE(ParseInteger("99999999999"));
}

TEST(Fields, SplitCountsFieldsBeyondItsCapacity) {
    std::string_view fields[2];
    EXPECT_EQ(SplitFields("a,b,c,", fields, 2), 4u);
    EXPECT_EQ(fields[0], "a");
    EXPECT_EQ(fields[1], "b");
    EXPECT_EQ(SplitFields("", fields, 2), 1u);
    EXPECT_TRUE(IsBlankField(" NA "));
    EXPECT_TRUE(IsBlankField("nan"));
    EXPECT_FALSE(IsBlankField("0"));
}

} // namespace
