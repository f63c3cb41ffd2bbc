#pragma once

// Turning one row of a weather file into the state of its hour: the calendar
// slot it fills, and the moist-air properties through the engine.

#include "weather/Fields.h"
#include "weather/Hour.h"
#include "weather/Lines.h"
#include "weather/Report.h"

#include <bitset>
#include <optional>
#include <variant>

namespace weather {

// The plausible range of a weather station's pressure, Pa, both exclusive:
// the EnergyPlus weather file data dictionary's valid range of the station
// pressure field. Below it lies no inhabited site (31 kPa is about 8,900 m),
// above it no place on land; a value outside is a wrong unit or a damaged
// row, not weather.
inline constexpr double kMinStationPressurePa = 31000.0;
inline constexpr double kMaxStationPressurePa = 120000.0;

// Whether `pressurePsia` lies in the plausible range of a station.
bool IsStationPressure(double pressurePsia);

// The humidity a row gives beside its dry bulb.
enum class HumidityKind { DewPoint, RelativeHumidity, WetBulb, HumidityRatio };

// One row's values in base units: temperatures °F, relative humidity as a
// fraction, humidity ratio lb/lb, pressure psia.
struct Reading {
    int month = 1;
    int day = 1;
    int hourOfDay = 0;
    double dryBulbF = 0.0;
    HumidityKind humidityKind = HumidityKind::DewPoint;
    double humidity = 0.0;
    double pressurePsia = 0.0;
};

// The state of the hour at its own pressure, or why the row is not real air:
// - the dry bulb and a given dew point or wet bulb lie within the range of
//   the saturation pressure, the pressure above zero and within the
//   program's range of the atmosphere;
// - a dew point gives the vapour pressure p_w = p_ws(t_d) and W from it; a
//   relative humidity p_w = phi p_ws(t); a wet bulb W by the wet-bulb
//   equation; a humidity ratio p_w from W (ASHRAE Handbook of Fundamentals,
//   psychrometrics chapter, by way of the engine);
// - the air must hold some water (W > 0) and at most kMaxRelativeHumidity of
//   the saturation pressure at its dry bulb: more is above saturation;
// - the dew point not given comes from the engine's dew-point correlation;
//   the wet bulb not given from the dry bulb and dew point by the engine's
//   bisection, with a dew point above the dry bulb (saturated air within the
//   tolerance above) taken at the dry bulb, where saturated air has its wet
//   bulb.
std::variant<Hour, SkipReason> StateOfHour(const Reading& reading);

// The hours of the year a file has filled: a leap day, a date that does not
// exist and a second row for an hour already read are refused. Constant size,
// so a streamed read stays small however long the file.
class HourCalendar {
public:
    // Checks month 1-12, day, hour of day 0-23 and marks the hour as read.
    std::optional<SkipReason> take(int month, int day, int hourOfDay);

private:
    std::bitset<kHoursPerYear> seen_;
};

// The next line of `lines` that `parseLine` makes an hour of. Blank lines are
// passed over; every other line (a cut one too) counts as a row, and a row
// that gives a SkipReason is counted under it.
template <typename ParseLine>
std::optional<Hour> NextHour(LineReader& lines, ReadReport& report, ParseLine&& parseLine) {
    while (const std::optional<LineReader::Line> line = lines.next()) {
        if (!line->cut && TrimField(line->text).empty())
            continue;
        ++report.rows;
        auto row = parseLine(*line);
        if (const auto* hour = std::get_if<Hour>(&row)) {
            ++report.hours;
            return *hour;
        }
        report.skip(std::get<SkipReason>(row));
    }
    return std::nullopt;
}

} // namespace weather
