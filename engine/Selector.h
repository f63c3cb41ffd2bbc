#pragma once

// The unit-system selector, the last argument of every engine operation that
// deals in dimensioned values: "IP" (°F, psia, Btu/lb, ft) or "SI" (°C, kPa,
// kJ/kg, m). The text is read by UnitSystemOf (Units.h), the program's one
// mapping between selector texts and its UnitSystem.

#include "engine/Units.h"

#include <optional>
#include <string_view>

namespace basPsychroFun::detail {

// The system an operation's selector names, read on entry and exit: upper-
// cased, untrimmed (" IP" names none); nothing when it names neither, and the
// operation then gives its marker.
constexpr std::optional<UnitSystem> classify(std::string_view selector) noexcept {
    return UnitSystemOf(selector);
}

// The solvers decide in which system's units to evaluate enthalpy by an exact,
// case-sensitive comparison; every caller passes "IP" or "SI" in upper case.
constexpr bool isExactlyIP(std::string_view selector) noexcept {
    return selector == "IP";
}

} // namespace basPsychroFun::detail
