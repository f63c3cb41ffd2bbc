#pragma once

// Climatic design conditions of a weather file, as the ASHRAE Handbook of
// Fundamentals (climatic design information chapter) defines them: values
// of annual cumulative frequency of occurrence, with the mean of a second
// quantity coincident with them.
//
// Definitions used here:
// - Over all valid hours of the file (annual), never a filtered subset.
// - A design value at p % is exceeded by p % of the hours (cooling and dew
//   point) or, for heating, the 99.6 % and 99 % values are exceeded by that
//   share of the hours, so 0.4 % and 1 % of the hours lie at or below them.
//   With the N values sorted ascending, x_0 <= ... <= x_(N-1), the value with
//   a fraction F of the hours at or below it is read by linear interpolation
//   between order statistics at the position h = F (N - 1):
//   x = x_k + (h - k)(x_(k+1) - x_k), k = floor(h) (Hyndman and Fan's
//   definition 7). Heating 99.6 % is F = 0.004, cooling 0.4 % F = 0.996.
// - The mean coincident value of a design value is the mean of the second
//   quantity over the hours whose design quantity lies within
//   kCoincidentBandF (0.5 K) of the design value, both ends included (up to
//   kCoincidentToleranceF of rounding). Where no hour lies in that band, the
//   hours nearest to the design value are taken (all those equally near).
// - The humidity ratio of the design dew point is that of saturated air at
//   the dew point under the site's standard pressure (from its elevation),
//   as the Handbook's tables give it.

#include "weather/Hour.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace weather {

// Half-width of the coincident band: 0.5 K, in °F.
inline constexpr double kCoincidentBandF = 0.9;
inline constexpr double kCoincidentToleranceF = 1e-6;

// The cooling frequencies, in percent.
inline constexpr std::array<double, 3> kCoolingPercents{0.4, 1.0, 2.0};

struct CoolingDesign {
    double dryBulbF = 0.0;
    double meanCoincidentWetBulbF = 0.0;
};

struct DehumidificationDesign {
    double dewPointF = 0.0;
    std::optional<double> humidityRatio; // lb/lb; none where the pressure holds no such air
    double meanCoincidentDryBulbF = 0.0;
};

// Each value is present where it was computed or where a file's header
// carries it.
struct DesignConditions {
    std::optional<double> heating996DryBulbF;
    std::optional<double> heating990DryBulbF;
    std::array<std::optional<CoolingDesign>, 3> cooling; // 0.4 %, 1 %, 2 %
    std::optional<DehumidificationDesign> dewPoint04;    // 0.4 % dew point
};

// The value with the fraction `atOrBelow` of `sorted` (ascending, not empty)
// at or below it, by the interpolation above.
double CumulativeFrequencyValue(std::span<const double> sorted, double atOrBelow);

// The design conditions of the hours; all empty when there are none.
// sitePressurePsia is the site's standard pressure for the design dew
// point's humidity ratio.
DesignConditions ComputeDesignConditions(std::span<const Hour> hours, double sitePressurePsia);

} // namespace weather
