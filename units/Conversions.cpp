#include "units/Conversions.h"

#include "engine/Units.h"

#include <cmath>
#include <optional>

namespace {

namespace units = basPsychroFun::units;

// A formula for one unit position; nullopt for a position its list lacks.
using Formula = std::optional<double> (*)(double v, int position) noexcept;

// Rounds a result to single precision once. Anything a float cannot hold is no
// result, and casting it would be undefined behaviour, so it becomes 0.
float toSingle(double r) noexcept {
    return units::ToSingle(r).value_or(0.0F);
}

float convert(Formula formula, double value, int position) noexcept {
    if (!std::isfinite(value))
        return 0.0F;
    const std::optional<double> result = formula(value, position);
    return result ? toSingle(*result) : 0.0F;
}

// --- Temperature, base °F ----------------------------------------------------

std::optional<double> temperatureFromBase(double v, int position) noexcept {
    switch (position) {
    case 0:
        return v; // °F
    case 1:
        return units::FahrenheitToCelsius(v); // °C
    case 2:
        return units::FahrenheitToRankineDisplay(v); // °R
    case 3:
        return units::FahrenheitToKelvin(v); // K
    default:
        return std::nullopt;
    }
}

std::optional<double> temperatureToBase(double v, int position) noexcept {
    switch (position) {
    case 0:
        return v;
    case 1:
        return units::CelsiusToFahrenheit(v);
    case 2:
        return units::RankineDisplayToFahrenheit(v);
    case 3:
        return units::KelvinToFahrenheit(v);
    default:
        return std::nullopt;
    }
}

// --- Pressure, base psia -----------------------------------------------------
// One standard atmosphere is taken as 14.696 psia = 29.921 inHg = 760 mmHg
// = 101.325 kPa; each factor is per psia.

std::optional<double> pressureFromBase(double v, int position) noexcept {
    switch (position) {
    case 0:
        return v; // psia
    case 1:
        return v / units::kAtmospherePsia; // atm
    case 2:
        return v * 2.035996189; // inHg
    case 3:
        return v * 27.679903968; // inH2O
    case 4:
        return v * 51.714752314; // mmHg
    case 5:
        return (v * 0.068947333) * 1000.0; // mbar, by way of bar
    case 6:
        return v * 6.894733261; // kPa
    case 7:
        return v * 6894.733261; // Pa
    case 8:
        return v * 0.068947333; // Bar
    default:
        return std::nullopt;
    }
}

std::optional<double> pressureToBase(double v, int position) noexcept {
    switch (position) {
    case 0:
        return v;
    case 1:
        return v * units::kAtmospherePsia;
    case 2:
        return v / 2.035996189;
    case 3:
        return v / 27.679903968;
    case 4:
        return v / 51.714752314;
    case 5:
        return (v / 0.068947333) / 1000.0;
    case 6:
        return v / 6.894733261;
    case 7:
        return v / 6894.733261;
    case 8:
        return v / 0.068947333;
    default:
        return std::nullopt;
    }
}

// --- Mass per volume, base lbm/ft³ --------------------------------------------
// 1 lbm/ft³ = 16.018463373 kg/m³; 1 lbm = 7000 grains.

std::optional<double> densityFromBase(double v, int position) noexcept {
    switch (position) {
    case 0:
        return v; // lbm/ft³
    case 1:
        return v * 0.0160184634; // gm/cm³
    case 2:
        return v * 16018.463373; // gm/m³
    case 3:
        return v * 16.018463373; // kg/m³
    default:
        return std::nullopt;
    }
}

std::optional<double> absoluteHumidityFromBase(double v, int position) noexcept {
    switch (position) {
    case 0:
        return v * 7000.0; // grains/ft³
    case 1:
        return v; // lbm/ft³
    case 2:
        return v * 0.0160184634; // gm/cm³
    case 3:
        return v * 16018.463373; // gm/m³
    case 4:
        return v * 16.018463373; // kg/m³
    default:
        return std::nullopt;
    }
}

// --- Enthalpy, base BTU/lbm ---------------------------------------------------

std::optional<double> enthalpyFromBase(double v, int position) noexcept {
    switch (position) {
    case 0:
        return v; // BTU/lbm
    case 1:
        return v * 0.555478; // cal/gm
    case 2:
        return units::MetricFromStoredEnthalpy(v); // kJ/kg
    default:
        return std::nullopt;
    }
}

std::optional<double> enthalpyToBase(double v, int position) noexcept {
    switch (position) {
    case 0:
        return v;
    case 1:
        return v / 0.555478;
    case 2:
        return units::StoredFromMetricEnthalpy(v);
    default:
        return std::nullopt;
    }
}

// --- Specific volume, base ft³/lbm ---------------------------------------------

std::optional<double> specificVolumeFromBase(double v, int position) noexcept {
    switch (position) {
    case 0:
        return v; // ft³/lbm
    case 1:
        return v * 62.428212; // cm³/gm
    case 2:
        return v * 0.062428; // m³/kg
    default:
        return std::nullopt;
    }
}

// --- Humidity ratio, base lbm/lbm (= kg/kg) -----------------------------------

std::optional<double> humidityRatioFromBase(double v, int position) noexcept {
    switch (position) {
    case 0:
        return v * 7000.0; // grains/lbm
    case 1:
        return v; // lbm/lbm
    case 2:
        return v * 1000.0; // gm/kg
    case 3:
        return v; // kg/kg
    default:
        return std::nullopt;
    }
}

std::optional<double> humidityRatioToBase(double v, int position) noexcept {
    switch (position) {
    case 0:
        return v / 7000.0;
    case 1:
        return v;
    case 2:
        return v / 1000.0;
    case 3:
        return v;
    default:
        return std::nullopt;
    }
}

// --- Altitude, base ft ----------------------------------------------------------

std::optional<double> altitudeFromBase(double v, int position) noexcept {
    switch (position) {
    case 0:
        return v; // ft
    case 1:
        return units::FeetToMetres(v); // m
    default:
        return std::nullopt;
    }
}

std::optional<double> altitudeToBase(double v, int position) noexcept {
    switch (position) {
    case 0:
        return v;
    case 1:
        return units::MetresToFeet(v);
    default:
        return std::nullopt;
    }
}

} // namespace

namespace basPsychroFun {

float ConvertTemperatureFromBase(double value, int position) noexcept {
    return convert(temperatureFromBase, value, position);
}
float ConvertTemperatureToBase(double value, int position) noexcept {
    return convert(temperatureToBase, value, position);
}

} // namespace basPsychroFun

namespace basConversions {

float ConvertPressureFromBase(double value, int position) noexcept {
    return convert(pressureFromBase, value, position);
}
float ConvertPressureToBase(double value, int position) noexcept {
    return convert(pressureToBase, value, position);
}

float ConvertDensityFromBase(double value, int position) noexcept {
    return convert(densityFromBase, value, position);
}

float ConvertAbsoluteHumidityFromBase(double value, int position) noexcept {
    return convert(absoluteHumidityFromBase, value, position);
}

float ConvertEnthalpyFromBase(double value, int position) noexcept {
    return convert(enthalpyFromBase, value, position);
}
float ConvertEnthalpyToBase(double value, int position) noexcept {
    return convert(enthalpyToBase, value, position);
}

float ConvertSpecificVolumeFromBase(double value, int position) noexcept {
    return convert(specificVolumeFromBase, value, position);
}

float ConvertHumidityRatioFromBase(double value, int position) noexcept {
    return convert(humidityRatioFromBase, value, position);
}
float ConvertHumidityRatioToBase(double value, int position) noexcept {
    return convert(humidityRatioToBase, value, position);
}

float ConvertAltitudeFromBase(double value, int position) noexcept {
    return convert(altitudeFromBase, value, position);
}
float ConvertAltitudeToBase(double value, int position) noexcept {
    return convert(altitudeToBase, value, position);
}

} // namespace basConversions
