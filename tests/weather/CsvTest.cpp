// The CSV weather reader: each humidity column gives the same air, the
// pressure comes from the row or the reader, and bad rows are counted.

#include "engine/PsychroFun.h"
#include "engine/Units.h"
#include "weather/Lines.h"
#include "weather/WeatherFile.h"

#include <algorithm>
#include <sstream>

#include <gtest/gtest.h>

namespace {

using namespace weather;
namespace u = basPsychroFun::units;

constexpr double kSeaLevelPsia = 14.696;

WeatherFile Load(const std::string& text, double pressurePsia = kSeaLevelPsia) {
    std::istringstream in(text);
    return LoadCsv(in, pressurePsia);
}

TEST(Csv, EachHumidityColumnGivesTheSameAir) {
    // The air of a dew point, then the same air by its relative humidity,
    // wet bulb and humidity ratio, each in another unit.
    const WeatherFile byDewPoint = Load("timestamp,dry_bulb_C,dew_point_C\n"
                                        "2021-07-01 13:00,30.0,18.0\n");
    ASSERT_EQ(byDewPoint.hours.size(), 1u);
    const Hour air = byDewPoint.hours[0];
    EXPECT_EQ(air.month, 7);
    EXPECT_EQ(air.day, 1);
    EXPECT_EQ(air.hourOfDay, 13);
    EXPECT_DOUBLE_EQ(air.dryBulbF, 86.0);
    EXPECT_DOUBLE_EQ(air.pressurePsia, kSeaLevelPsia);

    const auto text = [](const std::string& header, double dryBulb, double humidity) {
        std::ostringstream csv;
        csv.precision(17);
        csv << "time," << header << "\n2021-07-01T13:00:00," << dryBulb << ',' << humidity << '\n';
        return csv.str();
    };
    const std::string files[] = {
        text("dry_bulb_F,relative_humidity_pct", 86.0, 100.0 * air.relativeHumidity),
        text("dry_bulb_K,wet_bulb_F", 303.15, air.wetBulbF),
        text("dry_bulb_C,humidity_ratio_g/kg", 30.0, 1000.0 * air.humidityRatio),
        text("dry_bulb_C,humidity_ratio_gr/lb", 30.0, 7000.0 * air.humidityRatio),
    };
    for (const std::string& file : files) {
        const WeatherFile loaded = Load(file);
        ASSERT_EQ(loaded.hours.size(), 1u) << file;
        const Hour& h = loaded.hours[0];
        EXPECT_NEAR(h.dryBulbF, 86.0, 1e-9) << file;
        // The wet bulb comes back through a bisection of 0.001 °C.
        EXPECT_NEAR(h.humidityRatio, air.humidityRatio, 2e-6) << file;
        // A dew point not given comes from the dew-point correlation, which
        // lies about 0.02 °C from the exact inverse of the saturation
        // pressure here; the wet bulb follows it.
        EXPECT_NEAR(h.dewPointF, air.dewPointF, 0.05) << file;
        EXPECT_NEAR(h.wetBulbF, air.wetBulbF, 0.03) << file;
    }
}

TEST(Csv, PressureFromTheRowTheAltitudeOrTheReader) {
    const WeatherFile byPressure = Load("date,dry_bulb_C,relative_humidity_pct,pressure_kPa\n"
                                        "2021-01-05 06:00,5,80,90\n");
    ASSERT_EQ(byPressure.hours.size(), 1u);
    EXPECT_DOUBLE_EQ(byPressure.hours[0].pressurePsia, u::KPaToPsia(90.0));

    const WeatherFile byAltitude = Load("date,dry_bulb_C,relative_humidity_pct,altitude_m\n"
                                        "2021-01-05 06:00,5,80,1000\n");
    ASSERT_EQ(byAltitude.hours.size(), 1u);
    EXPECT_NEAR(u::PsiaToKPa(byAltitude.hours[0].pressurePsia), 89.9121, 1e-4);

    const WeatherFile byReader = Load("date,dry_bulb_C,relative_humidity_pct\n"
                                      "2021-01-05 06:00,5,80\n",
                                      12.0);
    ASSERT_EQ(byReader.hours.size(), 1u);
    EXPECT_DOUBLE_EQ(byReader.hours[0].pressurePsia, 12.0);
}

TEST(Csv, BadRowsAreSkippedAndCounted) {
    struct Row {
        const char* text;
        SkipReason reason;
    };
    const Row rows[] = {
        {"2021-01-01 00:00,20,50", SkipReason::WrongFieldCount},
        {"2021-01-01 01:00,20,50,101.3,7", SkipReason::WrongFieldCount},
        {"2021-01-01 02:00,twenty,50,101.3", SkipReason::NotANumber},
        {"2021-01-01 03:00,20,5O,101.3", SkipReason::NotANumber},
        {"01/01/2021 04:00,20,50,101.3", SkipReason::NoSuchDate},
        {"2021-13-01 05:00,20,50,101.3", SkipReason::NoSuchDate},
        {"2021-04-31 05:00,20,50,101.3", SkipReason::NoSuchDate},
        {"2021-01-01 24:00,20,50,101.3", SkipReason::NoSuchDate},
        {"2020-02-29 12:00,20,50,101.3", SkipReason::LeapDay},
        {"2021-01-01 06:00,,50,101.3", SkipReason::MissingDryBulb},
        {"2021-01-01 07:00,20,NA,101.3", SkipReason::MissingRelativeHumidity},
        {"2021-01-01 08:00,20,50,", SkipReason::MissingPressure},
        {"2021-01-01 09:00,250,50,101.3", SkipReason::DryBulbOutOfRange},
        {"2021-01-01 10:00,20,50,-5", SkipReason::PressureOutOfRange},
        {"2021-01-01 11:00,20,0,101.3", SkipReason::RelativeHumidityOutOfRange},
        {"2021-01-01 12:00,20,150,101.3", SkipReason::AboveSaturation},
        {"2021-01-01 13:00,20,50,101.3", SkipReason::RepeatedHour}, // after the good row below
    };
    std::string text = "timestamp,dry_bulb_C,relative_humidity_pct,pressure_kPa\n"
                       "2021-01-01 13:00,20,50,101.3\n";
    for (const Row& row : rows)
        text += std::string(row.text) + "\n";
    const WeatherFile file = Load(text);
    ASSERT_EQ(file.problem, FileProblem::None);
    EXPECT_EQ(file.hours.size(), 1u);
    EXPECT_EQ(file.report.rows, std::size(rows) + 1);
    EXPECT_EQ(file.report.skippedTotal(), std::size(rows));
    for (const Row& row : rows) {
        const auto expected = static_cast<std::size_t>(
            std::count_if(std::begin(rows), std::end(rows),
                          [&](const Row& r) { return r.reason == row.reason; }));
        EXPECT_EQ(file.report.skippedBy(row.reason), expected) << row.text;
    }
}

TEST(Csv, WetBulbAndHumidityRatioThatAreNotAir) {
    const WeatherFile file = Load("timestamp,dry_bulb_C,wet_bulb_C\n"
                                  "2021-01-01 00:00,30,-20\n" // drier than dry air
                                  "2021-01-01 01:00,20,25\n"  // wet bulb above dry bulb
                                  "2021-01-01 02:00,20,14\n");
    EXPECT_EQ(file.hours.size(), 1u);
    EXPECT_EQ(file.report.skippedBy(SkipReason::WetBulbOutOfRange), 1u);
    EXPECT_EQ(file.report.skippedBy(SkipReason::AboveSaturation), 1u);

    const WeatherFile ratios = Load("timestamp,dry_bulb_C,humidity_ratio_kg/kg\n"
                                    "2021-01-01 00:00,20,-0.001\n"
                                    "2021-01-01 01:00,20,0.5\n");
    EXPECT_TRUE(ratios.hours.empty());
    EXPECT_EQ(ratios.report.skippedBy(SkipReason::HumidityRatioOutOfRange), 1u);
    EXPECT_EQ(ratios.report.skippedBy(SkipReason::AboveSaturation), 1u);
}

TEST(Csv, HeadersThatCannotBeRead) {
    EXPECT_EQ(Load("").problem, FileProblem::Empty);
    EXPECT_EQ(Load("\n\n").problem, FileProblem::Empty);
    EXPECT_EQ(Load("dry_bulb_C,dew_point_C\n").problem, FileProblem::NoTimestampColumn);
    EXPECT_EQ(Load("time,wind_m/s,dew_point_C\n").problem, FileProblem::NoDryBulbColumn);
    EXPECT_EQ(Load("time,dry_bulb_C,enthalpy_kJ/kg\n").problem, FileProblem::NoHumidityColumn);
    EXPECT_EQ(Load("time,dry_bulb_C,dew_point_C,relative_humidity_pct\n").problem,
              FileProblem::SeveralHumidityColumns);
    EXPECT_EQ(Load("time,dry_bulb_C,dew_point_C" + std::string(kMaxColumns, ',') + "\n").problem,
              FileProblem::TooManyColumns);
    // Unknown columns are passed over.
    const WeatherFile extra = Load("station,time,wind_m/s,dry_bulb_C,dew_point_C\n"
                                   "ORD,2021-03-01 00:00,4.5,2,-3\n");
    EXPECT_EQ(extra.problem, FileProblem::None);
    EXPECT_EQ(extra.hours.size(), 1u);
}

TEST(Csv, APressureOrAltitudeWithoutAUnitRefusesTheFile) {
    // Regression: the column was passed over and every hour taken at the
    // reader's pressure.
    for (const char* name : {"pressure", "altitude", "Pressure (bar)"}) {
        const WeatherFile file = Load("time,dry_bulb_C,relative_humidity_pct," + std::string(name) +
                                      "\n2021-01-05 06:00,5,80,90\n");
        EXPECT_EQ(file.problem, FileProblem::ColumnWithoutUnit) << name;
        EXPECT_TRUE(file.hours.empty()) << name;
        const std::string message = DescribeFileProblem(file.problem, file.problemColumn);
        // Built by appending: GCC 12 at -O3 warns of an overlapping copy
        // (-Wrestrict) for a literal put before a temporary string.
        const std::string quoted = std::string(1, '"').append(name).append(1, '"');
        EXPECT_NE(message.find(quoted), std::string::npos) << message;
    }
    // Its unit in the forms other programs write is read.
    for (const char* name : {"Pressure (kPa)", "pressure-kPa", "pressure [kPa]"}) {
        const WeatherFile file = Load("time,dry_bulb_C,relative_humidity_pct," + std::string(name) +
                                      "\n2021-01-05 06:00,5,80,90\n");
        ASSERT_EQ(file.hours.size(), 1u) << name;
        EXPECT_DOUBLE_EQ(file.hours[0].pressurePsia, u::KPaToPsia(90.0)) << name;
    }
    EXPECT_EQ(Load("time,dry_bulb_C,relative_humidity_pct,pressure_kPa,altitude_m\n").problem,
              FileProblem::SeveralPressureColumns);
}

TEST(Csv, StationPressureOutsideItsPlausibleRangeIsSkipped) {
    // Regression: 995 Pa became an hour at 0.144 psia with W = 0.11.
    const WeatherFile file = Load("time,dry_bulb_C,dew_point_C,pressure_Pa\n"
                                  "2021-01-01 00:00,20,10,995\n"
                                  "2021-01-01 01:00,20,10,31000\n"  // the bound itself
                                  "2021-01-01 02:00,20,10,120000\n" // the other bound
                                  "2021-01-01 03:00,20,10,31001\n"  // just inside
                                  "2021-01-01 04:00,20,10,119999\n"
                                  "2021-01-01 05:00,20,10,1e300\n");
    EXPECT_EQ(file.hours.size(), 2u);
    EXPECT_EQ(file.report.skippedBy(SkipReason::PressureOutOfRange), 4u);
    // An altitude whose standard pressure lies beyond a station's range.
    const WeatherFile high = Load("time,dry_bulb_C,dew_point_C,altitude_m\n"
                                  "2021-01-01 00:00,-20,-30,15000\n"
                                  "2021-01-01 01:00,-20,-30,3000\n");
    EXPECT_EQ(high.hours.size(), 1u);
    EXPECT_EQ(high.report.skippedBy(SkipReason::PressureOutOfRange), 1u);
}

TEST(Csv, LineEndsQuotesAndHugeLines) {
    // Regression: a file with lone carriage returns read as one line, 0 hours.
    const std::string rows[] = {"time,dry_bulb_C,dew_point_C,station",
                                "2021-01-01 00:00,20,10,\"Chicago, IL\"",
                                "\"2021-01-01 01:00\",20,10,x"};
    for (const char* end : {"\r", "\r\n", "\n"}) {
        const WeatherFile file = Load(rows[0] + end + rows[1] + end + rows[2]);
        EXPECT_EQ(file.problem, FileProblem::None);
        EXPECT_EQ(file.hours.size(), 2u) << static_cast<int>(end[0]) << end[1];
    }
    // A line over 16 MiB is skipped, its memory not kept; in the header it
    // refuses the file.
    const std::string huge(LineReader::kMaxLine + 1, '7');
    const WeatherFile skipped = Load(rows[0] + "\n" + huge + "\n" + rows[1] + "\n");
    EXPECT_EQ(skipped.hours.size(), 1u);
    EXPECT_EQ(skipped.report.skippedBy(SkipReason::LineTooLong), 1u);
    EXPECT_EQ(Load(huge + "\n" + rows[1]).problem, FileProblem::HeaderLineTooLong);
}

} // namespace
