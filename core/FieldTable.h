#pragma once

// The fourteen fields of the calculator window: which quantity each shows,
// which unit list it has, and how its value is rendered from CalcState.

#include "core/CalcState.h"

#include <array>
#include <optional>
#include <string_view>

namespace calculator {

inline constexpr int kFieldCount = 14;
// The inputs that can be ticked: fields 0 to kInputCount - 1.
inline constexpr int kInputCount = 5;

// Field indices.
enum Field : int {
    kDryBulb = 0,
    kWetBulb = 1,
    kRelativeHumidity = 2,
    kHumidityRatio = 3,
    kEnthalpy = 4,
    kDewPoint = 5,
    kVaporPressure = 6,
    kDegreeOfSaturation = 7,
    kSpecificVolume = 8,
    kDensity = 9,
    kAbsoluteHumidity = 10,
    kAtmosphericPressure = 11,
    kAltitude = 12,
    kMoistureConcentration = 13,
};

// The unit list's Tag of each field; empty for fields 2 and 7, which show "%".
std::string_view UnitTag(int field);

// The value field `field` shows in the unit at `position` of its list:
// the CalcState value at the base position, its conversion elsewhere, the
// moisture concentration computed from W. nullopt for fields 2 and 7 and for
// a position the field does not know (-1 included): the text then stays.
std::optional<double> DisplayValue(const CalcState& state, int field, int position);

// Whether `position` is an entry of field `field`'s unit list.
bool IsUnitPosition(int field, int position);

// The position each unit list takes when the window switches unit system
// of `system`; -1 for the fields without a list.
int UnitSystemPosition(int field, basPsychroFun::UnitSystem system);

} // namespace calculator
