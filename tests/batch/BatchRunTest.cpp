// The program's rows against the compute core called directly, as the
// window calls it: the same stored inputs, the same solution, the same
// rendering of every field.

#include "batch/Options.h"
#include "batch/Run.h"
#include "core/ComputeCore.h"
#include "core/DefaultFormats.h"
#include "core/FieldRules.h"
#include "core/FieldTable.h"
#include "core/NumberFormat.h"
#include "engine/PsychroFun.h"
#include "weather/Epw.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace {

using namespace calculator;

struct Output {
    batch::RunResult result;
    std::vector<std::string> lines;
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Runs `csv` (or the EPW file `epw`) through the program's run with
// `arguments`, capturing what it writes.
Output run(std::string csv, std::vector<std::string_view> arguments, const std::string& epw = {}) {
    const auto parsed = batch::ParseOptions(arguments);
    EXPECT_TRUE(std::holds_alternative<batch::Options>(parsed));
    const batch::Options& options = std::get<batch::Options>(parsed);
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    Output output;
    {
        batch::Sink sink(out);
        batch::Progress progress(nullptr, 0);
        if (epw.empty()) {
            csv += '\n'; // fmemopen wants a buffer of at least one byte
            std::FILE* in = fmemopen(csv.data(), csv.size() - 1, "r");
            output.result = batch::RunCsv(in, sink, options, progress);
            std::fclose(in);
        } else {
            output.result = batch::RunEpw(epw, sink, options, progress);
        }
        sink.flush();
    }
    std::fclose(out);
    output.lines = linesOf(std::string(buffer, size));
    std::free(buffer);
    return output;
}

template <typename T>
std::string shortest(T value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// The output line of the window's state `s` (solved, or why not), computed
// here from the core's own functions: the fields in the order of the
// output's header, in the units of `system` (0 "IP", 1 "SI").
std::string expectedLine(const CalcState& s, std::optional<Reason> problem, int system,
                         bool formats = false, bool altitudeGiven = false) {
    constexpr int kOrder[] = {kDryBulb,
                              kWetBulb,
                              kDewPoint,
                              kRelativeHumidity,
                              kHumidityRatio,
                              kEnthalpy,
                              kVaporPressure,
                              kDegreeOfSaturation,
                              kSpecificVolume,
                              kDensity,
                              kAbsoluteHumidity,
                              kMoistureConcentration,
                              kAtmosphericPressure,
                              kAltitude};
    std::string line;
    for (const int field : kOrder) {
        if (field != kDryBulb)
            line += ',';
        if (problem || (field == kDewPoint && !HasDewPoint(s)) ||
            (field == kAltitude && !altitudeGiven && CheckAltitude(s.Alt)))
            continue;
        double value = 0.0;
        if (field == kRelativeHumidity)
            value = static_cast<double>(s.Phi * 100.0f);
        else if (field == kDegreeOfSaturation)
            value = static_cast<double>(s.Mu * 100.0f);
        else
            value = *DisplayValue(s, field,
                                  UnitSystemPosition(field, system == 0
                                                                ? basPsychroFun::UnitSystem::IP
                                                                : basPsychroFun::UnitSystem::SI));
        if (formats)
            line += FormatNumber(value, kDefaultFormats[static_cast<std::size_t>(field)]);
        else if (field == kMoistureConcentration)
            line += shortest(value);
        else
            line += shortest(static_cast<float>(value));
    }
    line += ',';
    if (problem) {
        const std::string why = ReasonText(*problem, system == 0 ? "IP" : "SI");
        line += why.find_first_of(",\"") == std::string::npos ? why : '"' + why + '"';
    }
    return line;
}

struct InputUnit {
    std::string_view name;
    int field;
    int position;
};
// The window's unit list positions of the input columns used below.
constexpr InputUnit kInputUnits[] = {
    {"dry_bulb_F", kDryBulb, 0},
    {"dry_bulb_C", kDryBulb, 1},
    {"wet_bulb_F", kWetBulb, 0},
    {"wet_bulb_C", kWetBulb, 1},
    {"relative_humidity_pct", kRelativeHumidity, -1},
    {"humidity_ratio_lb/lb", kHumidityRatio, 1},
    {"humidity_ratio_g/kg", kHumidityRatio, 2},
    {"enthalpy_Btu/lb", kEnthalpy, 0},
    {"enthalpy_kJ/kg", kEnthalpy, 2},
};

// The state the window computes from two typed entries, in the unit system
// of the enthalpy's unit, at a typed pressure (psia).
std::pair<CalcState, std::optional<Reason>>
windowState(const std::array<std::pair<std::string_view, double>, 2>& typed, const char* system,
            std::optional<float> typedPatm = std::nullopt) {
    // Without a typed pressure, the window's first start: 14.696 psia, 0 ft.
    CalcState s;
    s.UnitSystem = system;
    s.Patm = typedPatm.value_or(14.696f);
    s.Alt = typedPatm ? static_cast<float>(basPsychroFun::AltitudeFromPressure(*typedPatm, "IP"))
                      : 0.0f;
    std::array<int, 2> fields{};
    for (std::size_t i = 0; i < 2; ++i) {
        const InputUnit* unit = nullptr;
        for (const InputUnit& u : kInputUnits)
            if (u.name == typed[i].first)
                unit = &u;
        const float value = *EntryOf(typed[i].second, false, unit->field, unit->position).value;
        float* slots[] = {&s.Tdb, &s.Twb, &s.Phi, &s.W, &s.H};
        *slots[unit->field] = value;
        fields[i] = unit->field;
    }
    const auto problem =
        TrySolveState(s, {static_cast<Input>(fields[0]), static_cast<Input>(fields[1])});
    return {s, problem};
}

TEST(BatchRun, EveryPairAsTheCoreComputesItInBothSystems) {
    struct Case {
        const char* system;
        std::pair<std::string_view, double> a, b;
    };
    const Case cases[] = {
        {"IP", {"dry_bulb_F", 75.0}, {"wet_bulb_F", 62.5}},
        {"IP", {"dry_bulb_F", 75.0}, {"relative_humidity_pct", 50.0}},
        {"IP", {"dry_bulb_F", -20.0}, {"relative_humidity_pct", 0.0}}, // dry air: no dew point
        {"IP", {"dry_bulb_F", 75.0}, {"humidity_ratio_lb/lb", 0.0092}},
        {"IP", {"dry_bulb_F", 75.0}, {"enthalpy_Btu/lb", 28.1}},
        {"IP", {"wet_bulb_F", 62.5}, {"relative_humidity_pct", 50.0}},
        {"IP", {"wet_bulb_F", 62.5}, {"humidity_ratio_lb/lb", 0.0092}},
        {"IP", {"wet_bulb_F", 62.5}, {"enthalpy_Btu/lb", 28.1}},
        {"IP", {"relative_humidity_pct", 50.0}, {"humidity_ratio_lb/lb", 0.0092}},
        {"IP", {"relative_humidity_pct", 50.0}, {"enthalpy_Btu/lb", 28.1}},
        {"IP", {"humidity_ratio_lb/lb", 0.0092}, {"enthalpy_Btu/lb", 28.1}},
        {"IP", {"dry_bulb_F", 80.0}, {"wet_bulb_F", 90.0}}, // no such air
        {"SI", {"dry_bulb_C", 24.0}, {"wet_bulb_C", 17.0}},
        {"SI", {"dry_bulb_C", 24.0}, {"relative_humidity_pct", 50.0}},
        {"SI", {"dry_bulb_C", 24.0}, {"humidity_ratio_g/kg", 9.2}},
        {"SI", {"dry_bulb_C", 24.0}, {"enthalpy_kJ/kg", 47.5}},
        {"SI", {"wet_bulb_C", 17.0}, {"relative_humidity_pct", 50.0}},
        {"SI", {"wet_bulb_C", 17.0}, {"humidity_ratio_g/kg", 9.2}},
        {"SI", {"wet_bulb_C", 17.0}, {"enthalpy_kJ/kg", 47.5}},
        {"SI", {"relative_humidity_pct", 50.0}, {"humidity_ratio_g/kg", 9.2}},
        {"SI", {"relative_humidity_pct", 50.0}, {"enthalpy_kJ/kg", 47.5}},
        {"SI", {"humidity_ratio_g/kg", 9.2}, {"enthalpy_kJ/kg", 47.5}},
        {"SI", {"dry_bulb_C", 250.0}, {"relative_humidity_pct", 10.0}}, // above range
    };
    for (const Case& c : cases) {
        const std::string csv = std::string(c.a.first) + "," + std::string(c.b.first) + "\n" +
                                shortest(c.a.second) + "," + shortest(c.b.second) + "\n";
        const Output out = run(csv, {"--units", c.system});
        ASSERT_EQ(out.lines.size(), 2u) << csv;
        const auto [state, problem] = windowState({c.a, c.b}, c.system);
        const int system = std::string_view(c.system) == "IP" ? 0 : 1;
        EXPECT_EQ(out.lines[1], expectedLine(state, problem, system)) << csv;
    }
}

TEST(BatchRun, PressureColumnAndDisplayFormats) {
    const Output out = run("dry_bulb_C,relative_humidity_pct,pressure_kPa\n30,40,90\n",
                           {"--units", "SI", "--formats"});
    ASSERT_EQ(out.lines.size(), 2u);
    const float patm = *EntryOf(90.0, false, kAtmosphericPressure, 6).value;
    const auto [state, problem] =
        windowState({{{"dry_bulb_C", 30.0}, {"relative_humidity_pct", 40.0}}}, "SI", patm);
    EXPECT_EQ(out.lines[1], expectedLine(state, problem, 1, true));
    EXPECT_TRUE(out.lines[1].starts_with("30.00,")) << out.lines[1];
}

TEST(BatchRun, AnAltitudeGivenIsShownAndGivesThePressure) {
    const Output out = run("alt,altitude_m,dry_bulb_F,relative_humidity_pct\nx,1500,70,50\n"
                           "y,30000,70,50\n",
                           {});
    ASSERT_EQ(out.lines.size(), 3u);
    EXPECT_TRUE(out.lines[0].starts_with("alt,dry_bulb_F,"));
    const float alt = *EntryOf(1500.0, false, kAltitude, 1).value;
    const float patm = static_cast<float>(basPsychroFun::PressureFromAltitude(alt, "IP"));
    auto [state, problem] =
        windowState({{{"dry_bulb_F", 70.0}, {"relative_humidity_pct", 50.0}}}, "IP", patm);
    state.Alt = alt;
    EXPECT_EQ(out.lines[1], "x," + expectedLine(state, problem, 0, false, true));
    EXPECT_TRUE(out.lines[2].ends_with(",\"Altitude beyond 65,000 ft\"")) << out.lines[2];
}

TEST(BatchRun, EnthalpyOfTheOtherSystemIsTheSameAir) {
    // kJ/kg is the metric enthalpy (zero at 0 °C): shown in IP, the state is
    // the one SI shows, its dry bulb the same air in °F.
    const std::string csv = "humidity_ratio_g/kg,enthalpy_kJ/kg\n9.2,47.5\n";
    const auto field = [](const std::string& line, std::size_t n) {
        std::size_t start = 0;
        for (std::size_t i = 0; i < n; ++i)
            start = line.find(',', start) + 1;
        return std::stod(line.substr(start, line.find(',', start) - start));
    };
    const std::string ip = run(csv, {"--units", "IP"}).lines[1];
    const std::string si = run(csv, {"--units", "SI"}).lines[1];
    EXPECT_NEAR(field(ip, 0), field(si, 0) * 1.8 + 32.0, 0.02) << ip << "\n" << si;
    EXPECT_NEAR(field(ip, 4), field(si, 4), 1e-6); // humidity ratio
}

TEST(BatchRun, UnreadableRowsSayWhyAndTheRunGoesOn) {
    struct Case {
        std::string row;
        std::string ending; // the end of its output line
    };
    const Case cases[] = {
        {"a,abc,50", ",\"Could not read \"\"abc\"\" as a number in dry_bulb_F\""},
        {"b, ,50", ",No value in dry_bulb_F"},
        {"c,75", ",The row has 2 fields; the header has 3"},
        {"", ",Empty row"},
        {"d,1e400,50", ": the number is too large in dry_bulb_F\""},
        {"e,75,1e39", ": the number is too large in relative_humidity_pct\""},
        {"f,75,150", "," + ReasonText(Reason::RelativeHumidityAboveRange)},
        {"g,75,50,9", ",The row has 4 fields; the header has 3"},
        // Counted, not kept: a line of commas costs no memory per field.
        {std::string(1 << 20, ','), ",The row has 1048577 fields; the header has 3"},
    };
    std::string csv = "id,dry_bulb_F,relative_humidity_pct\n";
    for (const Case& c : cases)
        csv += c.row + "\r\n";
    csv += "\"h, kept\",75,50"; // no line end after the last row
    const Output out = run(csv, {});
    EXPECT_EQ(out.result.exitCode, batch::kExitOk);
    ASSERT_EQ(out.lines.size(), std::size(cases) + 2);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string& line = out.lines[i + 1];
        EXPECT_TRUE(line.ends_with(cases[i].ending)) << line;
        EXPECT_NE(line.find(std::string(kFieldCount, ',')), std::string::npos) << line;
    }
    const auto [state, problem] =
        windowState({{{"dry_bulb_F", 75.0}, {"relative_humidity_pct", 50.0}}}, "IP");
    EXPECT_EQ(out.lines.back(), "\"h, kept\"," + expectedLine(state, problem, 0));
}

TEST(BatchRun, HeadersThatCannotBeUsedEndTheRun) {
    for (const char* csv : {"", "time,value\n1,2\n"}) {
        const Output out = run(csv, {});
        EXPECT_EQ(out.result.exitCode, batch::kExitBadInput) << csv;
        EXPECT_FALSE(out.result.message.empty());
        EXPECT_TRUE(out.lines.empty());
    }
    // A column and an option both giving the atmosphere.
    EXPECT_EQ(run("dry_bulb_F,wet_bulb_F,pressure_psia\n", {"--pressure", "14"}).result.exitCode,
              batch::kExitUsage);
}

const std::string kEpw = VW_WEATHER_DATA_DIR "/USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw";

TEST(BatchRun, WeatherFileHoursAsTheCoreComputesThem) {
    const Output out = run({}, {"--units", "SI"}, kEpw);
    EXPECT_EQ(out.result.exitCode, batch::kExitOk);
    ASSERT_EQ(out.lines.size(), 8761u);
    EXPECT_TRUE(out.lines[0].starts_with("year,month,day,hour,dry_bulb_C,"));

    // Every hour the weather reader keeps, solved from its dry bulb and
    // humidity ratio at its station pressure.
    std::ifstream file(kEpw);
    weather::EpwReader reader(file);
    std::size_t row = 1;
    while (const auto hour = reader.next()) {
        CalcState s;
        s.UnitSystem = "SI";
        s.Tdb = static_cast<float>(hour->dryBulbF);
        s.W = static_cast<float>(hour->humidityRatio);
        s.Patm = static_cast<float>(hour->pressurePsia);
        s.Alt = static_cast<float>(basPsychroFun::AltitudeFromPressure(s.Patm, "IP"));
        const auto problem = TrySolveState(s, {Input::DryBulb, Input::HumidityRatio});
        ASSERT_LT(row, out.lines.size());
        const std::string& line = out.lines[row++];
        // Past year, month, day and hour.
        std::size_t start = 0;
        for (int i = 0; i < 4; ++i)
            start = line.find(',', start) + 1;
        ASSERT_EQ(line.substr(start), expectedLine(s, problem, 1)) << line;
        if (row > 400) // a few weeks of winter and spring are plenty
            break;
    }
}

TEST(BatchRun, SkippedWeatherRowsSayWhyAndAMissingRelativeHumidityIsNoSkip) {
    // The first hour's dew point set to the file's missing marker.
    std::ifstream original(kEpw);
    const std::string path = testing::TempDir() + "batch_missing_dew_point.epw";
    {
        std::ofstream copy(path);
        std::string line;
        for (int n = 0; std::getline(original, line); ++n) {
            if (n == 8 || n == 9) {
                std::vector<std::string> f;
                std::stringstream fields(line);
                for (std::string x; std::getline(fields, x, ',');)
                    f.push_back(x);
                // The first hour without its dew point, the second without
                // its relative humidity, which the dew point makes up for.
                f[n == 8 ? 7 : 8] = n == 8 ? "99.9" : "999";
                line.clear();
                for (std::size_t i = 0; i < f.size(); ++i)
                    line += (i ? "," : "") + f[i];
            }
            copy << line << '\n';
        }
    }
    const Output out = run({}, {}, path);
    std::filesystem::remove(path);
    ASSERT_EQ(out.lines.size(), 8761u);
    EXPECT_TRUE(out.lines[1].starts_with("1986,1,1,1,,")) << out.lines[1];
    EXPECT_TRUE(out.lines[1].ends_with(",Skipped: missing dew point")) << out.lines[1];
    EXPECT_TRUE(out.lines[2].starts_with("1986,1,1,2,10.94,")) << out.lines[2];
    EXPECT_TRUE(out.lines[2].ends_with(",")) << out.lines[2];
}

} // namespace
