// Atmospheric pressure and altitude: one cubic polynomial of altitude
// (m to kPa), valid from sea level up to 19812 m (65000 ft), and its inverse.

#include "engine/Conventions.h"
#include "engine/Units.h"

#include <cmath>
#include <limits>
#include <optional>

namespace basPsychroFun {

using detail::Num;

namespace {

// p(z) = c0 + c1 z + c2 z² + c3 z³, z in m, p in kPa.
constexpr double kC0 = 101.325;
constexpr double kC1 = -0.011938;
constexpr double kC2 = 5.3401e-07;
constexpr double kC3 = -8.9107e-12;

constexpr double kHighestAltitudeM = 19812.0;

Num feetToMetres(Num z) {
    return units::FeetToMetresThroughInches(z);
}
Num metresToFeet(Num z) {
    return units::MetresToFeet(z);
}

} // namespace

double PressureFromAltitude(double z, std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num zM = s == UnitSystem::IP ? feetToMetres(z) : Num(z);
    if (zM > kHighestAltitudeM)
        return kNoResult; // unconverted, whatever the selector
    const Num p = kC0 + kC1 * zM + kC2 * zM * zM + kC3 * zM * zM * zM;
    if (s == UnitSystem::IP) {
        return detail::kPaToPsia(p).value();
    } else if (s == UnitSystem::SI) {
        return p.value();
    }
    return kNoResult;
}

double AltitudeFromPressure(double p, std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num pKPa = s == UnitSystem::IP ? detail::psiaToKPa(p) : Num(p);

    // The polynomial made monic in z: z³ + a z² + b z + c = 0. Over the valid
    // range it has one real root, the altitude.
    const Num a = Num(kC2) / kC3;
    const Num b = Num(kC1) / kC3;
    const Num c = (kC0 - pKPa) / kC3;
    const double root = CubicRoots(a.value(), b.value(), c.value())[0];

    // The altitude is carried in single precision from here on.
    const std::optional<float> single = units::ToSingle(root);
    if (!single)
        detail::raise(FloatingPointFault::Kind::Overflow);
    const float zM = *single;
    if (zM > static_cast<float>(kHighestAltitudeM))
        return kNoResult; // unconverted, whatever the selector
    if (s == UnitSystem::IP) {
        return metresToFeet(static_cast<double>(zM)).value();
    } else if (s == UnitSystem::SI) {
        return static_cast<double>(zM);
    }
    return kNoResult;
}

} // namespace basPsychroFun
