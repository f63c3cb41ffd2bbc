#pragma once

// The unit-system selector, the last argument of every engine operation that
// deals in dimensioned values: "IP" (°F, psia, Btu/lb, ft) or "SI" (°C, kPa,
// kJ/kg, m).

#include <string_view>

namespace basPsychroFun {

enum class SelectorSystem { IP, SI, Unrecognised };

// The selector as the engine reads it on entry and exit: upper-cased, then
// compared with "IP" and "SI". No trimming: " IP" is unrecognised. ASCII only,
// and without building an upper-cased copy.
constexpr SelectorSystem ClassifySelector(std::string_view selector) noexcept {
    if (selector.size() != 2)
        return SelectorSystem::Unrecognised;
    const auto upper = [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    };
    const char a = upper(selector[0]);
    const char b = upper(selector[1]);
    if (a == 'I' && b == 'P')
        return SelectorSystem::IP;
    if (a == 'S' && b == 'I')
        return SelectorSystem::SI;
    return SelectorSystem::Unrecognised;
}

} // namespace basPsychroFun

namespace basPsychroFun::detail {

using UnitSystem = SelectorSystem;

constexpr UnitSystem classify(std::string_view selector) noexcept {
    return ClassifySelector(selector);
}

// The solvers decide in which system's units to evaluate enthalpy by an exact,
// case-sensitive comparison; every caller passes "IP" or "SI" in upper case.
constexpr bool isExactlyIP(std::string_view selector) noexcept {
    return selector == "IP";
}

} // namespace basPsychroFun::detail
