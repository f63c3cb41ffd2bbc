#pragma once

// The display format each calculator field starts with, indexed by the field
// index (FieldTable.h); patterns as FormatNumber (NumberFormat.h) reads them.
// The window's settings fall back on them and the command-line calculator
// formats with them, so both show a value alike.

#include "core/FieldTable.h"

#include <array>
#include <string_view>

namespace calculator {

inline constexpr std::array<std::string_view, kFieldCount> kDefaultFormats{
    "####0.00",    // 0 dry bulb
    "####0.00",    // 1 wet bulb
    "0.00",        // 2 relative humidity, %
    "#####0.0000", // 3 humidity ratio
    "#0.00",       // 4 enthalpy
    "#0.00",       // 5 dew point
    "#0.0000",     // 6 vapour pressure
    "#0.00",       // 7 degree of saturation, %
    "#0.0000",     // 8 specific volume
    "#0.0000",     // 9 moist-air density
    "#0.00000",    // 10 absolute humidity
    "##0.00",      // 11 atmospheric pressure
    "####0.0",     // 12 altitude
    "#0.0",        // 13 moisture concentration
};

} // namespace calculator
