#pragma once

// Unit conversions at the engine's boundary, each in the order of operations
// that the engine's reference values were computed with.

#include "engine/Checked.h"
#include "engine/PsychroFun.h"
#include "engine/Selector.h"

namespace basPsychroFun::detail {

// One standard atmosphere in the two systems. The ratio converts psia and kPa;
// it is not the psi-to-kPa constant.
inline constexpr double kAtmospherePsia = 14.696;
inline constexpr double kAtmosphereKPa = 101.325;

inline Num fahrenheitToCelsius(Num tF) {
    return (tF - 32.0) / 1.8;
}
inline Num celsiusToFahrenheit(Num tC) {
    return tC * 1.8 + 32.0;
}
inline Num psiaToKPa(Num p) {
    return p / kAtmospherePsia * kAtmosphereKPa;
}
inline Num kPaToPsia(Num p) {
    return p * kAtmospherePsia / kAtmosphereKPa;
}

// Entry conversions: IP values become SI, anything else passes as it is.
inline Num temperatureIn(double t, UnitSystem s) {
    return s == UnitSystem::IP ? fahrenheitToCelsius(t) : Num(t);
}
inline Num pressureIn(double p, UnitSystem s) {
    return s == UnitSystem::IP ? psiaToKPa(p) : Num(p);
}

// Standard exit of a temperature computed in °C.
inline double temperatureOut(Num tC, UnitSystem s) {
    switch (s) {
    case UnitSystem::IP:
        return celsiusToFahrenheit(tC).value();
    case UnitSystem::SI:
        return tC.value();
    case UnitSystem::Unrecognised:
        break;
    }
    return kNoResult;
}

} // namespace basPsychroFun::detail
