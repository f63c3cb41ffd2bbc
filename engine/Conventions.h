#pragma once

// Unit conversions at the engine's boundary, each in the order of operations
// that the engine's reference values were computed with.

#include "engine/Checked.h"
#include "engine/PsychroFun.h"
#include "engine/Selector.h"
#include "engine/Units.h"

#include <optional>

namespace basPsychroFun::detail {

// One standard atmosphere in the two systems. The ratio converts psia and kPa;
// it is not the psi-to-kPa constant.
inline constexpr double kAtmospherePsia = units::kAtmospherePsia;
inline constexpr double kAtmosphereKPa = units::kAtmosphereKPa;

inline Num fahrenheitToCelsius(Num tF) {
    return units::FahrenheitToCelsius(tF);
}
inline Num celsiusToFahrenheit(Num tC) {
    return units::CelsiusToFahrenheit(tC);
}
inline Num psiaToKPa(Num p) {
    return units::PsiaToKPa(p);
}
inline Num kPaToPsia(Num p) {
    return units::KPaToPsia(p);
}

// Entry conversions: IP values become SI, anything else passes as it is.
inline Num temperatureIn(double t, std::optional<UnitSystem> s) {
    return s == UnitSystem::IP ? fahrenheitToCelsius(t) : Num(t);
}
inline Num pressureIn(double p, std::optional<UnitSystem> s) {
    return s == UnitSystem::IP ? psiaToKPa(p) : Num(p);
}

// Standard exit of a temperature computed in °C.
inline double temperatureOut(Num tC, std::optional<UnitSystem> s) {
    if (s == UnitSystem::IP) {
        return celsiusToFahrenheit(tC).value();
    } else if (s == UnitSystem::SI) {
        return tC.value();
    }
    return kNoResult;
}

} // namespace basPsychroFun::detail
