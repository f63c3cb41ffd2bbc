#pragma once

// The range of real air and of the atmosphere the program works in, in the
// calculator's inch-pound base units. One home for these limits, so that the
// compute, the fields that take typed values and the stored settings agree.

#include "engine/Units.h"

namespace basPsychroFun {

// Temperatures: the range of the Hyland-Wexler saturation pressure, -148 °F to
// 400 °F (-100 °C to 204.44 °C) inclusive. A dry bulb, wet bulb or dew point
// outside it is not a state the formulation can describe.
inline constexpr double kMinTemperatureF = -148.0;
inline constexpr double kMaxTemperatureF = 400.0;

// Relative humidity, fraction. Saturated air given by its own wet bulb comes
// back through the dew-point correlation at up to about 101.7 %; anything
// above 102 % is supersaturated, not air the relations describe.
inline constexpr double kMaxRelativeHumidity = 1.02;

// How far above its dry bulb the formulation's own wet bulb of real air may
// lie, °F. Near saturation the dew-point correlation puts it a little above:
// at most some 0.02 °F at 100 % and 0.45 °F at 102 % from 10 °F to 200 °F
// (sea level), 0.13 °F at -20 °F and 100 %, 0.53 °F at -40 °F and 100 %. Far
// below freezing, where the correlation no longer holds, it comes out
// degrees above (0.8 °F at -60 °F and 90 %, 24 °F at -100 °F and 50 %): no
// air shows such a wet bulb.
inline constexpr double kWetBulbSlackF = 0.6;

// Altitude, ft. The standard-atmosphere cubic is fitted from sea level to
// 65,000 ft (19,812 m); below sea level it is taken down to -2,000 ft
// (-609.6 m), which covers the lowest dry land (the Dead Sea shore, about
// -1,410 ft) with a margin.
inline constexpr double kMinAltitudeFt = -2000.0;
inline constexpr double kMaxAltitudeFt = 65000.0;

// Atmospheric pressure, psia: above zero and at most ten standard atmospheres
// (146.96 psia, 1013.25 kPa). Beyond that the ideal-gas moist-air relations
// and the saturation pressure without enhancement factor no longer describe
// the air, and no site or air-handling duct comes near it.
inline constexpr double kMaxAtmosphericPressurePsia = 10.0 * units::kAtmospherePsia;

} // namespace basPsychroFun
