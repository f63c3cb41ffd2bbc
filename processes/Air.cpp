#include "processes/Air.h"

#include "engine/Limits.h"
#include "engine/PsychroFun.h"

#include <cmath>

namespace processes {

namespace psy = basPsychroFun;
namespace units = basPsychroFun::units;

std::optional<Problem> CheckAir(const AirState& a) noexcept {
    if (!(a.pressurePsia > 0.0 && a.pressurePsia <= psy::kMaxAtmosphericPressurePsia))
        return Problem::PressureOutOfRange;
    if (!(a.dryBulbF >= psy::kMinTemperatureF && a.dryBulbF <= psy::kMaxTemperatureF))
        return Problem::DryBulbOutOfRange;
    if (std::isnan(a.humidityRatio) || a.humidityRatio < 0.0)
        return Problem::NegativeHumidityRatio;
    if (std::isinf(a.humidityRatio))
        return Problem::Supersaturated;
    try {
        // phi = p_w / p_ws, both psia. Above the boiling point p_ws exceeds the
        // atmospheric pressure and any finite humidity ratio is vapour.
        const double pw = air::VapourPressure(a.humidityRatio, a.pressurePsia);
        const double pws = psy::SaturationPressure(a.dryBulbF, "IP");
        if (pw > psy::kMaxRelativeHumidity * pws)
            return Problem::Supersaturated;
    } catch (const psy::FloatingPointFault&) {
        return Problem::CalculationFault;
    }
    return std::nullopt;
}

bool SamePressure(const AirState& a, const AirState& b) noexcept {
    return std::fabs(a.pressurePsia - b.pressurePsia) <=
           1e-6 * std::fmax(a.pressurePsia, b.pressurePsia);
}

bool SameAir(const AirState& a, const AirState& b) noexcept {
    constexpr double kSameDryBulbF = 0.01;
    constexpr double kSameHumidityRatio = 1e-6;
    return std::fabs(a.dryBulbF - b.dryBulbF) <= kSameDryBulbF &&
           std::fabs(a.humidityRatio - b.humidityRatio) <= kSameHumidityRatio;
}

namespace air {

double Enthalpy(double tF, double w, UnitSystem system) {
    if (system == UnitSystem::SI)
        return psy::EnthalpyFromDryBulbAndHumidityRatio(units::FahrenheitToCelsius(tF), w, "SI");
    return psy::EnthalpyFromDryBulbAndHumidityRatio(tF, w, "IP");
}

double DryBulbFromEnthalpy(double w, double h, UnitSystem system) {
    if (system == UnitSystem::SI)
        return units::CelsiusToFahrenheit(psy::DryBulbFromHumidityRatioAndEnthalpy(w, h, "SI"));
    return psy::DryBulbFromHumidityRatioAndEnthalpy(w, h, "IP");
}

double SaturationHumidityRatio(double tF, double pPsia) {
    const double pws = psy::SaturationPressure(tF, "IP");
    if (pws < 0.0)
        return pws; // the engine's out-of-range marker
    return psy::SaturationHumidityRatio(pws, pPsia, "IP");
}

double VapourPressure(double w, double pPsia) {
    return psy::VaporPressureFromHumidityRatio(w, pPsia, "IP");
}

double SpecificVolume(const AirState& a) {
    return psy::SpecificVolume(a.dryBulbF, a.humidityRatio, a.pressurePsia, "IP");
}

} // namespace air
} // namespace processes
