// The EPW reader over the real Chicago file and over damaged copies of it.

#include "WeatherTestData.h"
#include "engine/Units.h"
#include "weather/Lines.h"
#include "weather/WeatherFile.h"

#include <functional>
#include <ostream>

#include <gtest/gtest.h>

namespace {

using namespace weather;
using testdata::WithField;
namespace u = basPsychroFun::units;

constexpr std::size_t kHeader = 8; // lines before the first hour
constexpr std::size_t kDryBulb = 6, kDewPoint = 7, kRelativeHumidity = 8, kPressure = 9;

const std::vector<std::string>& ChicagoLines() {
    static const std::vector<std::string> lines = testdata::SplitLines(testdata::ReadChicago());
    return lines;
}

WeatherFile Load(const std::string& text) {
    std::istringstream in(text);
    return LoadEpw(in);
}

TEST(Epw, RealFileGivesEveryHourAsRealAir) {
    const WeatherFile file = LoadWeatherFile(testdata::kChicagoEpw, 14.696);
    ASSERT_EQ(file.problem, FileProblem::None);
    EXPECT_EQ(file.report.rows, 8760u);
    EXPECT_EQ(file.hours.size(), 8760u);
    EXPECT_EQ(file.report.skippedTotal(), 0u);
    EXPECT_TRUE(DescribeSkips(file.report).empty());
    EXPECT_FALSE(DescribeRowCount(file.report));

    EXPECT_EQ(file.location.city, "Chicago Ohare Intl Ap");
    EXPECT_EQ(file.location.elevationM, 201.0);

    // First row: 1 January, hour 1 (0:00 to 1:00), -12.2 °C, dew point -16.1 °C, 99500 Pa.
    const Hour& first = file.hours.front();
    EXPECT_EQ(first.month, 1);
    EXPECT_EQ(first.day, 1);
    EXPECT_EQ(first.hourOfDay, 0);
    EXPECT_DOUBLE_EQ(first.dryBulbF, u::CelsiusToFahrenheit(-12.2));
    EXPECT_DOUBLE_EQ(first.dewPointF, u::CelsiusToFahrenheit(-16.1));
    EXPECT_DOUBLE_EQ(first.pressurePsia, u::KPaToPsia(99.5));
    EXPECT_EQ(file.hours.back().hourOfDay, 23);

    for (const Hour& h : file.hours) {
        ASSERT_GT(h.humidityRatio, 0.0);
        ASSERT_LE(h.relativeHumidity, 1.02);
        // The wet bulb lies between the dew point and the dry bulb (within
        // the bisection's 0.001 °C).
        ASSERT_GE(h.wetBulbF, h.dewPointF - 0.002);
        ASSERT_LE(h.wetBulbF, h.dryBulbF + 0.002);
    }
}

struct Damage {
    const char* name;
    std::function<void(std::vector<std::string>&)> apply;
    SkipReason reason;
    std::size_t skipped;
    std::size_t hours;
    std::size_t rows;
};

void ForRows(std::vector<std::string>& lines, std::size_t first, std::size_t count,
             const std::function<void(std::string&)>& change) {
    for (std::size_t i = 0; i < count; ++i)
        change(lines[kHeader + first + i]);
}

std::ostream& operator<<(std::ostream& os, const Damage& d) {
    return os << d.name;
}

class EpwDamage : public testing::TestWithParam<Damage> {};

TEST_P(EpwDamage, SkipsAndCountsEachBadRow) {
    const Damage& damage = GetParam();
    std::vector<std::string> lines = ChicagoLines();
    damage.apply(lines);
    const WeatherFile file = Load(testdata::JoinLines(lines));
    ASSERT_EQ(file.problem, FileProblem::None);
    EXPECT_EQ(file.report.skippedBy(damage.reason), damage.skipped);
    EXPECT_EQ(file.report.skippedTotal(), damage.skipped);
    EXPECT_EQ(file.hours.size(), damage.hours);
    EXPECT_EQ(file.report.hours, damage.hours);
    EXPECT_EQ(file.report.rows, damage.rows);
}

const auto kSetField = [](std::size_t index, std::string value) {
    return [=](std::string& line) { line = WithField(line, index, value); };
};

INSTANTIATE_TEST_SUITE_P(
    Chicago, EpwDamage,
    testing::Values(
        Damage{"MissingDryBulb", [](auto& l) { ForRows(l, 100, 17, kSetField(kDryBulb, "99.9")); },
               SkipReason::MissingDryBulb, 17, 8743, 8760},
        Damage{"EmptyDryBulb", [](auto& l) { ForRows(l, 5, 2, kSetField(kDryBulb, "")); },
               SkipReason::MissingDryBulb, 2, 8758, 8760},
        Damage{"DryBulbOutOfRange",
               [](auto& l) { ForRows(l, 4000, 3, kSetField(kDryBulb, "70.5")); },
               SkipReason::DryBulbOutOfRange, 3, 8757, 8760},
        Damage{"MissingDewPoint",
               [](auto& l) { ForRows(l, 200, 17, kSetField(kDewPoint, "99.9")); },
               SkipReason::MissingDewPoint, 17, 8743, 8760},
        Damage{"DewPointOutOfRange",
               [](auto& l) { ForRows(l, 300, 2, kSetField(kDewPoint, "-75")); },
               SkipReason::DewPointOutOfRange, 2, 8758, 8760},
        // The dew point defines the air: a missing relative humidity skips nothing.
        Damage{"MissingRelativeHumidityWithAValidDewPointIsKept",
               [](auto& l) {
                   ForRows(l, 700, 3, kSetField(kRelativeHumidity, "999"));
                   ForRows(l, 710, 2, kSetField(kRelativeHumidity, ""));
               },
               SkipReason::MissingRelativeHumidity, 0, 8760, 8760},
        Damage{"RelativeHumidityOutOfRange",
               [](auto& l) { ForRows(l, 800, 2, kSetField(kRelativeHumidity, "120")); },
               SkipReason::RelativeHumidityOutOfRange, 2, 8758, 8760},
        Damage{"MissingPressure",
               [](auto& l) { ForRows(l, 500, 5, kSetField(kPressure, "999999")); },
               SkipReason::MissingPressure, 5, 8755, 8760},
        Damage{"PressureOutOfRange",
               [](auto& l) { ForRows(l, 500, 4, kSetField(kPressure, "20000")); },
               SkipReason::PressureOutOfRange, 4, 8756, 8760},
        Damage{"DewPointFarAboveDryBulb",
               [](auto& l) { ForRows(l, 5000, 6, kSetField(kDewPoint, "45.0")); },
               SkipReason::AboveSaturation, 6, 8754, 8760},
        Damage{"NotANumber",
               [](auto& l) {
                   ForRows(l, 10, 1, kSetField(kDryBulb, "abc"));
                   ForRows(l, 11, 1, kSetField(kDewPoint, "1.2.3"));
                   ForRows(l, 12, 1, kSetField(kPressure, "99500Pa"));
                   ForRows(l, 13, 1, kSetField(2, "first"));
               },
               SkipReason::NotANumber, 4, 8756, 8760},
        Damage{"FieldDropped",
               [](auto& l) { ForRows(l, 50, 3, [](std::string& s) { s.erase(s.rfind(',')); }); },
               SkipReason::WrongFieldCount, 3, 8757, 8760},
        Damage{"FieldAdded", [](auto& l) { ForRows(l, 60, 2, [](std::string& s) { s += ",0"; }); },
               SkipReason::WrongFieldCount, 2, 8758, 8760},
        Damage{"TruncatedLastRow",
               [](auto& l) { l.back() = l.back().substr(0, l.back().size() / 2); },
               SkipReason::WrongFieldCount, 1, 8759, 8760},
        Damage{"LeapDay",
               [](auto& l) {
                   // 28 February is day 59: rows 58*24 to 59*24-1.
                   std::vector<std::string> leap;
                   for (std::size_t i = 0; i < 24; ++i)
                       leap.push_back(WithField(l[kHeader + 58 * 24 + i], 2, "29"));
                   l.insert(l.begin() + kHeader + 59 * 24, leap.begin(), leap.end());
               },
               SkipReason::LeapDay, 24, 8760, 8784},
        Damage{"RowsRepeated",
               [](auto& l) {
                   const std::vector<std::string> again(l.begin() + kHeader,
                                                        l.begin() + kHeader + 10);
                   l.insert(l.end(), again.begin(), again.end());
               },
               SkipReason::RepeatedHour, 10, 8760, 8770},
        Damage{"NoSuchDate",
               [](auto& l) {
                   ForRows(l, 0, 1, kSetField(1, "13")); // month 13
                   ForRows(l, 1, 1, kSetField(3, "0"));  // hour 0
                   ForRows(l, 2, 1, kSetField(3, "25")); // hour 25
                   ForRows(l, 3, 1, kSetField(2, "32")); // 32 January
                   ForRows(l, 4, 1, kSetField(1, "-2147483648"));
               },
               SkipReason::NoSuchDate, 5, 8755, 8760},
        Damage{"RowsMissing", [](auto& l) { l.resize(l.size() - 60); }, SkipReason::WrongFieldCount,
               0, 8700, 8700},
        Damage{"BlankLinesBetweenRows",
               [](auto& l) {
                   l.insert(l.begin() + kHeader + 10, "");
                   l.push_back("   ");
               },
               SkipReason::WrongFieldCount, 0, 8760, 8760}),
    [](const testing::TestParamInfo<Damage>& param) { return std::string(param.param.name); });

TEST(Epw, SkipReportReadsAsTheWindowShowsIt) {
    std::vector<std::string> lines = ChicagoLines();
    ForRows(lines, 200, 17, kSetField(kDewPoint, "99.9"));
    ForRows(lines, 200, 17, kSetField(kRelativeHumidity, "999"));
    lines.insert(lines.begin() + kHeader, lines[kHeader]);
    lines.resize(lines.size() - 100);
    const WeatherFile file = Load(testdata::JoinLines(lines));
    EXPECT_EQ(DescribeSkips(file.report),
              (std::vector<std::string>{"1 hour skipped: hour already read",
                                        "17 hours skipped: missing dew point"}));
    EXPECT_EQ(DescribeRowCount(file.report), "The file has 8661 data rows; a year has 8760.");
}

TEST(Epw, WindowsLineEndsAndByteOrderMark) {
    const WeatherFile file = Load("\xEF\xBB\xBF" + testdata::JoinLines(ChicagoLines(), "\r\n"));
    EXPECT_EQ(file.problem, FileProblem::None);
    EXPECT_EQ(file.hours.size(), 8760u);
    EXPECT_EQ(file.location.elevationM, 201.0);
}

TEST(Epw, OldMacAndMixedLineEnds) {
    // Lone carriage returns end lines as "\n" does, mixed ends too.
    const std::vector<std::string>& lines = ChicagoLines();
    EXPECT_EQ(Load(testdata::JoinLines(lines, "\r")).hours.size(), 8760u);
    std::string mixed;
    for (std::size_t i = 0; i < lines.size(); ++i)
        mixed += lines[i] + (i % 3 == 0 ? "\r" : i % 3 == 1 ? "\r\n" : "\n");
    mixed.pop_back(); // no end after the last row
    const WeatherFile file = Load(mixed);
    EXPECT_EQ(file.hours.size(), 8760u);
    EXPECT_EQ(file.report.rows, 8760u);
}

TEST(Epw, ALineOverTheLimitIsSkippedNotHeld) {
    // Regression: one 1 GB line was read whole into memory.
    std::vector<std::string> lines = ChicagoLines();
    lines[kHeader + 20] += std::string(LineReader::kMaxLine, '0');
    WeatherFile file = Load(testdata::JoinLines(lines));
    EXPECT_EQ(file.problem, FileProblem::None);
    EXPECT_EQ(file.report.skippedBy(SkipReason::LineTooLong), 1u);
    EXPECT_EQ(file.hours.size(), 8759u);
    EXPECT_EQ(DescribeSkips(file.report),
              std::vector<std::string>{"1 hour skipped: line longer than 16 MiB"});

    lines = ChicagoLines();
    lines[3] += std::string(LineReader::kMaxLine, ' ');
    file = Load(testdata::JoinLines(lines));
    EXPECT_EQ(file.problem, FileProblem::HeaderLineTooLong);
    EXPECT_TRUE(file.hours.empty());
}

TEST(Epw, WholeFileProblems) {
    const std::vector<std::string>& lines = ChicagoLines();
    const std::vector<std::string> header(lines.begin(), lines.begin() + 5);
    const std::vector<std::string> noLocation(lines.begin() + 1, lines.end());
    EXPECT_EQ(Load("").problem, FileProblem::Empty);
    EXPECT_EQ(Load(testdata::JoinLines(header)).problem, FileProblem::HeaderCutShort);
    EXPECT_EQ(Load(testdata::JoinLines(noLocation)).problem, FileProblem::NotEpw);
    EXPECT_EQ(Load("timestamp,dry_bulb_C\n").problem, FileProblem::NotEpw);
    EXPECT_EQ(LoadWeatherFile(VW_WEATHER_DATA_DIR "/none.epw", 14.696).problem,
              FileProblem::NoSuchFile);
    EXPECT_EQ(LoadWeatherFile(VW_WEATHER_DATA_DIR, 14.696).problem, FileProblem::IsDirectory);
}

TEST(Epw, HeaderWithLinesMissingStillReadsEveryHour) {
    std::vector<std::string> lines = ChicagoLines();
    lines.erase(lines.begin() + 2, lines.begin() + 5);
    const WeatherFile file = Load(testdata::JoinLines(lines));
    EXPECT_EQ(file.problem, FileProblem::None);
    EXPECT_EQ(file.hours.size(), 8760u);
}

TEST(Epw, StreamsRowByRowWithProgress) {
    const std::string text = testdata::ReadChicago();
    std::istringstream in(text);
    EpwReader reader(in);
    std::size_t count = 0;
    while (const auto hour = reader.next())
        ++count;
    EXPECT_EQ(count, 8760u);
    EXPECT_EQ(reader.bytesRead(), text.size());

    std::vector<ReadProgress> seen;
    std::istringstream again(text);
    const auto record = [&](const ReadProgress& p) {
        seen.push_back(p);
        return true;
    };
    const WeatherFile file = LoadEpw(again, record, text.size());
    ASSERT_GT(seen.size(), 2u);
    EXPECT_EQ(seen.back().rows, 8760u);
    EXPECT_EQ(seen.back().bytes, text.size());
    EXPECT_EQ(seen.back().totalBytes, text.size());
    EXPECT_FALSE(file.report.cancelled);

    std::istringstream third(text);
    const WeatherFile cancelled = LoadEpw(third, [](const ReadProgress&) { return false; });
    EXPECT_TRUE(cancelled.report.cancelled);
    EXPECT_LT(cancelled.hours.size(), 8760u);
}

} // namespace
