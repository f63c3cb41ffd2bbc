// Closed-form moist-air relations of the ASHRAE Handbook of Fundamentals,
// psychrometrics chapter, computed in SI after the entry conversion.

#include "engine/Conventions.h"
#include "engine/Units.h"

#include <optional>

namespace basPsychroFun {

using detail::Num;

namespace {

// Ratio of the molecular masses of water vapour and dry air.
constexpr double kMassRatio = 0.62198;
// 1/0.62198 as it enters the specific volume: 1 + 1.6078 W.
constexpr double kVolumeRatio = 1.6078;
// Gas constant of dry air, J/(kg K).
constexpr double kDryAirGasConstant = 287.055;
// 1 m³/kg = 16.018463 ft³/lb, and 1 lb/ft³ = 16.018463 kg/m³.
constexpr double kVolumeFactor = 16.018463;

// Enthalpy of moist air per mass of dry air: h = a t + W (b + c t).
struct EnthalpyConstants {
    double dryAir, latent, vapour;
};
constexpr EnthalpyConstants kEnthalpySI{1.006, 2501.0, 1.805}; // kJ/kg, t in °C
constexpr EnthalpyConstants kEnthalpyIP{0.24, 1061.0, 0.444};  // Btu/lb, t in °F

// Wet-bulb (psychrometer) equation constants, SI.
constexpr double kWbLatent = 2501.0;
constexpr double kWbLatentSlope = 2.381;
constexpr double kWbVapour = 1.805;
constexpr double kWbWater = 4.186;

const EnthalpyConstants* enthalpyConstants(std::string_view unitSystem) {
    if (const std::optional<UnitSystem> system = detail::classify(unitSystem);
        system == UnitSystem::IP) {
        return &kEnthalpyIP;
    } else if (system == UnitSystem::SI) {
        return &kEnthalpySI;
    }
    return nullptr;
}

// W_s* at the wet bulb, all in SI.
Num saturationRatioAtWetBulb(Num twbC, Num pKPa) {
    return HumidityRatioFromVaporPressure(SaturationPressure(twbC.value(), "SI"), pKPa.value(),
                                          "SI");
}

} // namespace

double HumidityRatioFromVaporPressure(double pw, double p, std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num pwKPa = detail::pressureIn(pw, s);
    const Num pKPa = detail::pressureIn(p, s);
    return (kMassRatio * pwKPa / (pKPa - pwKPa)).value();
}

double SaturationHumidityRatio(double pws, double p, std::string_view unitSystem) {
    return HumidityRatioFromVaporPressure(pws, p, unitSystem);
}

double VaporPressureFromHumidityRatio(double w, double p, std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num pKPa = detail::pressureIn(p, s);
    const Num pw = pKPa * w / (kMassRatio + Num(w));
    if (s == UnitSystem::IP) {
        // Divides first, unlike the other pressure exits.
        return (pw / detail::kAtmosphereKPa * detail::kAtmospherePsia).value();
    } else if (s == UnitSystem::SI) {
        return pw.value();
    }
    return kNoResult;
}

double VaporPressureFromRelativeHumidity(double t, double phi, std::string_view unitSystem) {
    return (Num(phi) * SaturationPressure(t, unitSystem)).value();
}

double HumidityRatioFromRelativeHumidity(double t, double phi, double p,
                                         std::string_view unitSystem) {
    // Each pressure is converted once, inside the called functions.
    return HumidityRatioFromVaporPressure((Num(phi) * SaturationPressure(t, unitSystem)).value(), p,
                                          unitSystem);
}

double HumidityRatioFromDryBulbAndWetBulb(double t, double twb, double p,
                                          std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num tC = detail::temperatureIn(t, s);
    const Num twbC = detail::temperatureIn(twb, s);
    const Num pKPa = detail::pressureIn(p, s);
    const Num wsStar = saturationRatioAtWetBulb(twbC, pKPa);
    return (((kWbLatent - kWbLatentSlope * twbC) * wsStar - (tC - twbC)) /
            (kWbLatent + kWbVapour * tC - kWbWater * twbC))
        .value();
}

double DryBulbFromWetBulbAndHumidityRatio(double twb, double w, double p,
                                          std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num twbC = detail::temperatureIn(twb, s);
    const Num pKPa = detail::pressureIn(p, s);
    const Num W = w;
    const Num wsStar = saturationRatioAtWetBulb(twbC, pKPa);
    const Num tC = (twbC + (kWbLatent - kWbLatentSlope * twbC) * wsStar - kWbLatent * W +
                    kWbWater * twbC * W) /
                   (1.0 + kWbVapour * W);
    return detail::temperatureOut(tC, s);
}

double EnthalpyFromDryBulbAndHumidityRatio(double t, double w, std::string_view unitSystem) {
    const EnthalpyConstants* k = enthalpyConstants(unitSystem);
    if (k == nullptr)
        return kNoResult;
    const Num T = t;
    return (k->dryAir * T + Num(w) * (k->latent + k->vapour * T)).value();
}

double HumidityRatioFromDryBulbAndEnthalpy(double t, double h, std::string_view unitSystem) {
    const EnthalpyConstants* k = enthalpyConstants(unitSystem);
    if (k == nullptr)
        return kNoResult;
    const Num T = t;
    return ((Num(h) - k->dryAir * T) / (k->latent + k->vapour * T)).value();
}

double DryBulbFromHumidityRatioAndEnthalpy(double w, double h, std::string_view unitSystem) {
    const EnthalpyConstants* k = enthalpyConstants(unitSystem);
    if (k == nullptr)
        return kNoResult;
    const Num W = w;
    return ((Num(h) - k->latent * W) / (k->dryAir + k->vapour * W)).value();
}

double DewPointFromVaporPressure(double pw, std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num pwKPa = detail::pressureIn(pw, s);
    const Num a = detail::log(pwKPa);
    // Both forms are evaluated on every call; the sign of the first decides.
    const Num above = 6.54 + 14.526 * a + 0.7389 * a * a + 0.09486 * a * a * a +
                      0.4569 * detail::pow(pwKPa, 0.1984);
    const Num below = 6.09 + 12.608 * a + 0.4959 * a * a;
    return detail::temperatureOut(above > 0.0 ? above : below, s);
}

double RelativeHumidityFromVaporPressures(double pw, double pws, std::string_view) {
    return (Num(pw) / pws).value();
}

double DegreeOfSaturationFromRelativeHumidity(double phi, double ws, std::string_view) {
    const Num Phi = phi;
    return (Phi / (1.0 + (1.0 - Phi) * ws / kMassRatio)).value();
}

double SpecificVolume(double t, double w, double p, std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num tC = detail::temperatureIn(t, s);
    const Num pKPa = detail::pressureIn(p, s);
    const Num v = (1.0 + kVolumeRatio * Num(w)) * kDryAirGasConstant * (tC + units::kKelvinOffset) /
                  (1000.0 * pKPa); // m³/kg dry air
    if (s == UnitSystem::IP) {
        return (v * kVolumeFactor).value();
    } else if (s == UnitSystem::SI) {
        return v.value();
    }
    return kNoResult;
}

namespace {
// (numerator)/v with the IP handling of density and absolute humidity: v in
// ft³/lb becomes m³/kg on entry, and kg/m³ becomes lb/ft³ on exit.
double perVolume(Num numerator, double v, std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num vSI = s == UnitSystem::IP ? Num(v) / kVolumeFactor : Num(v);
    const Num perM3 = numerator / vSI;
    if (s == UnitSystem::IP) {
        return (perM3 / kVolumeFactor).value();
    } else if (s == UnitSystem::SI) {
        return perM3.value();
    }
    return kNoResult;
}
} // namespace

double MoistAirDensity(double w, double v, std::string_view unitSystem) {
    return perVolume(1.0 + Num(w), v, unitSystem);
}

double AbsoluteHumidity(double w, double v, std::string_view unitSystem) {
    return perVolume(Num(w), v, unitSystem);
}

} // namespace basPsychroFun
