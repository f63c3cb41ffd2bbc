#include "batch/Header.h"
#include "batch/Options.h"
#include "core/FieldTable.h"
#include "weather/Fields.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace batch;
using namespace calculator;

TEST(BatchHeader, EveryPairInEitherOrderWithItsUnits) {
    struct Case {
        const char* header;
        int firstField, firstPosition, secondField, secondPosition;
    };
    // Unit positions are those of the window's unit lists.
    const Case cases[] = {
        {"dry_bulb_F,wet_bulb_C", kDryBulb, 0, kWetBulb, 1},
        {"relative_humidity_pct,dry_bulb_K", kDryBulb, 3, kRelativeHumidity, -1},
        {"dry_bulb_C,humidity_ratio_gr/lb", kDryBulb, 1, kHumidityRatio, 0},
        {"enthalpy_kJ/kg,dry_bulb_F", kDryBulb, 0, kEnthalpy, 2},
        {"wet_bulb_F,relative_humidity_pct", kWetBulb, 0, kRelativeHumidity, -1},
        {"humidity_ratio_g/kg,wet_bulb_C", kWetBulb, 1, kHumidityRatio, 2},
        {"wet_bulb_F,enthalpy_Btu/lb", kWetBulb, 0, kEnthalpy, 0},
        {"relative_humidity_pct,humidity_ratio_kg/kg", kRelativeHumidity, -1, kHumidityRatio, 3},
        {"Relative_Humidity_PCT,\"enthalpy_Btu/lb\"", kRelativeHumidity, -1, kEnthalpy, 0},
        {"humidity_ratio_lb/lb,enthalpy_kJ/kg", kHumidityRatio, 1, kEnthalpy, 2},
    };
    for (const Case& c : cases) {
        const auto read = ReadHeader(c.header);
        ASSERT_TRUE(std::holds_alternative<Layout>(read)) << c.header;
        const Layout& layout = std::get<Layout>(read);
        EXPECT_EQ(layout.columns, 2u);
        EXPECT_EQ(layout.inputs[0].field, c.firstField) << c.header;
        EXPECT_EQ(layout.inputs[0].position, c.firstPosition) << c.header;
        EXPECT_EQ(layout.inputs[1].field, c.secondField) << c.header;
        EXPECT_EQ(layout.inputs[1].position, c.secondPosition) << c.header;
        EXPECT_TRUE(layout.passThrough.empty());
    }
}

TEST(BatchHeader, AtmosphereAndCopiedColumns) {
    const auto read = ReadHeader("time,dry_bulb_F,site,relative_humidity_pct,pressure_mbar");
    ASSERT_TRUE(std::holds_alternative<Layout>(read));
    const Layout& layout = std::get<Layout>(read);
    ASSERT_TRUE(layout.atmosphere);
    EXPECT_EQ(layout.atmosphere->field, kAtmosphericPressure);
    EXPECT_EQ(layout.atmosphere->position, 5); // mbar
    EXPECT_EQ(layout.passThrough, (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(layout.passThroughNames, (std::vector<std::string>{"time", "site"}));
}

TEST(BatchHeader, UnitsInTheFormsOtherProgramsWrite) {
    struct Case {
        const char* header;
        int field, position; // of the atmosphere column
    };
    const Case cases[] = {
        {"Dry bulb (F),Relative humidity (%),Pressure (kPa)", kAtmosphericPressure, 6},
        {"dry_bulb_F,wet_bulb_F,pressure-kPa", kAtmosphericPressure, 6},
        {"dry_bulb_F,wet_bulb_F,pressure [Pa]", kAtmosphericPressure, 7},
        {"dry_bulb_F,wet_bulb_F,Station pressure (hPa)", kAtmosphericPressure, 5},
        {"dry_bulb_F,wet_bulb_F,\"Altitude (m)\"", kAltitude, 1},
        {"dry_bulb_F,wet_bulb_F,\"Pressure, kPa\"", kAtmosphericPressure, 6},
    };
    for (const Case& c : cases) {
        const auto read = ReadHeader(c.header);
        ASSERT_TRUE(std::holds_alternative<Layout>(read)) << std::get<std::string>(read);
        const Layout& layout = std::get<Layout>(read);
        ASSERT_TRUE(layout.atmosphere) << c.header;
        EXPECT_EQ(layout.atmosphere->field, c.field) << c.header;
        EXPECT_EQ(layout.atmosphere->position, c.position) << c.header;
        EXPECT_EQ(layout.inputs[0].field, kDryBulb) << c.header;
    }
    // A copied column's name is its value as a CSV reader reads it.
    const auto read = ReadHeader(R"("say ""hi""",dry_bulb_F,wet_bulb_F,"a,b")");
    ASSERT_TRUE(std::holds_alternative<Layout>(read));
    EXPECT_EQ(std::get<Layout>(read).passThroughNames,
              (std::vector<std::string>{"say \"hi\"", "a,b"}));
}

TEST(BatchHeader, HeadersThatNameNoPair) {
    struct Case {
        const char* header;
        const char* message; // a part of the message
    };
    const Case cases[] = {
        {"time,value", "names 0 input columns"},
        {"dry_bulb_F,time", "names 1 input column (\"dry_bulb_F\")"},
        {"dry_bulb_F,wet_bulb_F,relative_humidity_pct", "names 3 input columns"},
        {"dry_bulb_F,dry_bulb_C", "give the same quantity"},
        {"dry_bulb_F,dew_point_F", "the dew point cannot be an input"},
        {"dry_bulb_F,relative_humidity_fraction", "no such unit of relative_humidity (units: pct)"},
        {"dry_bulb_F,wet_bulb_F,pressure_psia,altitude_ft", "one pressure or altitude column"},
        // Regression: a pressure or altitude without a unit was copied, and
        // every row computed at 14.696 psia.
        {"dry_bulb_F,wet_bulb_F,pressure", "Column \"pressure\" gives no unit; name it with one "
                                           "of the units of pressure (psia, kPa, Pa, inHg, mbar)"},
        {"dry_bulb_F,wet_bulb_F,Altitude", "Column \"Altitude\" gives no unit"},
        {"dry_bulb_F,wet_bulb_F,Pressure (bar)", "Column \"Pressure (bar)\": no such unit"},
        {"dry_bulb_F,wet_bulb_F,\"pressure, bar\"", "Column \"pressure, bar\": no such unit"},
    };
    for (const Case& c : cases) {
        const auto read = ReadHeader(c.header);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.header;
        EXPECT_NE(std::get<std::string>(read).find(c.message), std::string::npos)
            << std::get<std::string>(read);
    }
}

TEST(BatchHeader, AHeaderWiderThanASpreadsheetIsRefused) {
    std::string header = "dry_bulb_F,wet_bulb_F";
    for (std::size_t i = 2; i < weather::kMaxColumns; ++i)
        header += ",c";
    EXPECT_TRUE(std::holds_alternative<Layout>(ReadHeader(header)));
    const auto read = ReadHeader(header + ",one too many");
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_EQ(std::get<std::string>(read), "The header has more than 16384 columns");
}

TEST(BatchCsv, QuotedFieldsKeepTheirCommas) {
    std::vector<std::string_view> fields;
    SplitCsv(R"("a,b",1,"say ""hi"", there",)", fields);
    EXPECT_EQ(fields,
              (std::vector<std::string_view>{R"("a,b")", "1", R"("say ""hi"", there")", ""}));
}

TEST(BatchCsv, NumbersBeyondDoubleAreTooLargeAndTinyOnesZero) {
    struct Case {
        const char* text;
        std::optional<double> value;
        bool tooLarge;
    };
    const Case cases[] = {
        {" +12.5 ", 12.5, false},      {"\"-3e2\"", -300.0, false},
        {"1e400", std::nullopt, true}, {"-2.5e+309", std::nullopt, true},
        {"1e-400", 0.0, false},        {"12abc", std::nullopt, false},
        {"nan", std::nullopt, false},  {"", std::nullopt, false},
    };
    for (const Case& c : cases) {
        bool tooLarge = false;
        EXPECT_EQ(ReadNumber(c.text, tooLarge), c.value) << c.text;
        EXPECT_EQ(tooLarge, c.tooLarge) << c.text;
    }
}

std::variant<Options, std::string> parse(std::vector<std::string_view> arguments) {
    return ParseOptions(arguments);
}

TEST(BatchOptions, PressureAndAltitudeInTheirUnits) {
    struct Case {
        std::vector<std::string_view> arguments;
        bool altitude;
        float value; // psia or ft
    };
    const Case cases[] = {
        {{"--pressure", "14.2"}, false, 14.2f},
        {{"--units", "SI", "--pressure=101.325"}, false, 14.696f},
        {{"--pressure", "1013.25mbar"}, false, 14.696f},
        {{"--pressure", "101325 Pa", "--units", "SI"}, false, 14.696f},
        {{"--altitude", "1500ft"}, true, 1500.0f},
        {{"--altitude", "-100", "--units", "SI"}, true, -328.08398f},
    };
    for (const Case& c : cases) {
        const auto parsed = parse(c.arguments);
        ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<std::string>(parsed);
        const Options& o = std::get<Options>(parsed);
        ASSERT_TRUE(o.atmosphere);
        EXPECT_EQ(o.atmosphere->altitudeGiven, c.altitude);
        EXPECT_NEAR(o.atmosphere->value, c.value, 1e-3f * std::max(1.0f, std::fabs(c.value)));
        EXPECT_EQ(o.rendering.altitudeGiven, c.altitude);
    }
}

TEST(BatchOptions, CommandLinesThatCannotBeFollowed) {
    const std::vector<std::vector<std::string_view>> cases = {
        {"--units", "metric"},
        {"--pressure"},
        {"--pressure", "12furlongs"},
        {"--pressure", "0"},
        {"--pressure", "1e30"},
        {"--altitude", "100000ft"},
        {"--pressure", "14", "--altitude", "0"},
        {"--epw", "a.epw", "b.csv"},
        {"--epw", "a.epw", "--pressure", "14"},
        {"a.csv", "b.csv"},
        {"--formats=yes"},
        {"-x"},
    };
    for (const auto& arguments : cases)
        EXPECT_TRUE(std::holds_alternative<std::string>(parse(arguments))) << arguments[0];
}

} // namespace
