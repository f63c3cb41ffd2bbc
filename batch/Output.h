#pragma once

// The output columns: the fourteen properties the calculator window shows,
// in the units the window selects for a unit system, then the reason a row
// gives no real air.

#include "core/CalcState.h"
#include "engine/Units.h"

#include <string>
#include <string_view>

namespace batch {

// The program's one unit-system type; SelectorOf (engine/Units.h) gives its
// selector text.
using System = basPsychroFun::UnitSystem;

struct Rendering {
    System system = System::IP;
    // The window's default display formats (core/DefaultFormats.h) rather
    // than the shortest text that reads back as the stored value.
    bool formats = false;
    // The altitude was given (the window's altitude option): it is shown
    // whatever its value, as the pressure is when that was given.
    bool altitudeGiven = false;
};

// "dry_bulb_F,wet_bulb_F,...,altitude_ft,reason" for `system`, without a line end.
std::string PropertyHeader(System system);

// Appends the fourteen properties of `state` as the window shows them,
// separated by commas and preceded by one when `leadingComma`: empty where
// the window shows nothing (the dew point of perfectly dry air, an altitude
// outside the standard atmosphere).
void AppendProperties(std::string& out, const CalcState& state, const Rendering& rendering,
                      bool leadingComma);

// Appends the fourteen empty properties of a row without real air.
void AppendEmptyProperties(std::string& out, bool leadingComma);

} // namespace batch
