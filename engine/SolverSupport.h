#pragma once

// Pieces shared by the engine's iterative solvers: the temperature tolerance,
// the range of temperatures in which air exists for the formulation, and the
// one bisection every solver runs. Internal to the engine.

#include "engine/Conventions.h"
#include "engine/Limits.h"
#include "engine/Units.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace basPsychroFun::detail {

// Bisections stop once their bracket is no wider than this, on the internal
// SI temperature (°C).
inline constexpr double kTemperatureTolerance = 0.001;

// The range of the saturation pressure, -148 °F to 400 °F, in °C: -100 °C and
// 204.44444444444443 °C, which convert back to exactly -148 °F and 400 °F.
inline constexpr double kLowestC = units::FahrenheitToCelsius(kMinTemperatureF);
inline constexpr double kHighestC = units::FahrenheitToCelsius(kMaxTemperatureF);

// Whether a temperature (°C) lies in that range. Plain comparisons: an
// estimate that has run away may be too large to convert.
constexpr bool withinAirRange(double tC) noexcept {
    return tC >= kLowestC && tC <= kHighestC;
}
inline bool withinAirRange(Num tC) noexcept {
    return withinAirRange(tC.value());
}

// How far apart the wet bulbs at the two ends of the last bracket may lie for
// its midpoint to count as a solution, °C (0.6 °F). About 0.002 °C where the
// wet bulb crosses t* between them. Where the bisection is pinned to t*, the
// lower end stands for t* itself: the formulation's wet bulb there may lie a
// little above the dry bulb, as its dew-point correlation puts it near
// saturation (about 0.03 °F at 100 % and 0.5 °F at 102 % from 20 °F to
// 200 °F). Beyond that there is no air with that wet bulb: below -40 °F, where
// the correlation no longer holds, it comes out degrees above (24 °F above at
// -148 °F and 50 %); and above the boiling point the wet bulb jumps to the dry
// bulb (at sea level and 5 %, from 146 °F at 286 °F to 300 °F at 300 °F),
// which a bisection for a wet bulb of 200 °F would take for a crossing.
inline constexpr double kWetBulbSlack = units::FahrenheitSpanToKelvin(kWetBulbSlackF);

inline Num midpoint(Num lower, Num upper) {
    return lower + (upper - lower) / 2.0;
}

// A bisection's last bracket and its answer, the midpoint at which the stop
// test held. The flags tell whether each bound was ever moved, i.e. whether
// the answer was found between two evaluated temperatures or pinned to one
// end of the starting bracket.
struct Bisection {
    Num lower;
    Num upper;
    Num result;
    bool lowerMoved = false;
    bool upperMoved = false;
};

// Halves [lower, upper] until it is no wider than kTemperatureTolerance (or
// kMaxBisectionSteps have been made), keeping the root inside: above(m) is
// true where m lies above the root. The first midpoint is tested first; an
// inverted or empty bracket stops at once with its midpoint.
template <typename Above>
Bisection bisect(Num lower, Num upper, Above above) {
    Bisection b{lower, upper, midpoint(lower, upper)};
    for (int step = 0; step < kMaxBisectionSteps && b.upper - b.lower > kTemperatureTolerance;
         ++step) {
        if (above(b.result)) {
            b.upper = b.result;
            b.upperMoved = true;
        } else {
            b.lower = b.result;
            b.lowerMoved = true;
        }
        b.result = midpoint(b.lower, b.upper);
    }
    return b;
}

// Searches [bottom, top] upward in steps for the first step whose upper end
// lies above the root, then bisects that step: the lowest root, where a
// bisection of the whole range could be led astray by a relation that is not
// monotonic over all of it. above(m) as for bisect. nullopt where no step
// ends above the root.
template <typename Above>
std::optional<Bisection> searchUpward(Num bottom, Num top, double step, Above above) {
    for (Num a = bottom; a < top;) {
        const Num b = std::min(a + step, top);
        if (above(b))
            return bisect(a, b, above);
        a = b;
    }
    return std::nullopt;
}

// The solvers report a state without a solution as a fault, so that the
// caller shows no number rather than a wrong one.
[[noreturn]] inline void noSolution() {
    raise(FloatingPointFault::Kind::InvalidOperation);
}

// The solvers evaluate the enthalpy relations in the caller's own units: a
// temperature held in °C goes in as °F when the selector is exactly "IP".
inline double inSelectorTemperature(Num tC, std::string_view unitSystem) {
    return isExactlyIP(unitSystem) ? celsiusToFahrenheit(tC).value() : tC.value();
}
inline Num fromSelectorTemperature(double t, std::string_view unitSystem) {
    return isExactlyIP(unitSystem) ? fahrenheitToCelsius(t) : Num(t);
}

// The long-standing iteration's answer, or nullopt where it faulted: the
// solvers then turn to their bisection.
template <typename Iteration>
auto unlessFault(Iteration iteration) -> decltype(iteration()) {
    try {
        return iteration();
    } catch (const FloatingPointFault&) {
        return std::nullopt;
    }
}

// The dry-air temperature (°C) of enthalpy h in the selector's units: where
// its line meets W = 0.
inline Num dryAirTemperature(double h, std::string_view unitSystem) {
    return fromSelectorTemperature(DryBulbFromHumidityRatioAndEnthalpy(0.0, h, unitSystem),
                                   unitSystem);
}

} // namespace basPsychroFun::detail
