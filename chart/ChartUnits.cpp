#include "chart/ChartUnits.h"

#include "units/UnitCatalogue.h"

#include <span>

namespace chart {

namespace {

// Catalogue positions of the units each system shows.
struct Positions {
    int temperature;
    int humidityRatio;
    int enthalpy;
    int specificVolume;
    int pressure;
};
constexpr Positions kIP{0, 1, 0, 0, 0};
constexpr Positions kSI{1, 2, 2, 2, 6};

const Positions& PositionsOf(UnitSystem units) noexcept {
    return units == UnitSystem::SI ? kSI : kIP;
}

QString UnitText(std::string_view tag, int position) {
    const std::span<const std::string_view> list = basLoadUnits::UnitsOf(tag);
    if (position < 0 || static_cast<std::size_t>(position) >= list.size())
        return {};
    const std::string_view text = list[static_cast<std::size_t>(position)];
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::optional<UnitSystem> UnitSystemFromSelector(std::string_view selector) noexcept {
    return basPsychroFun::UnitSystemOf(selector);
}

double TemperatureToDisplay(double tF, UnitSystem units) noexcept {
    return units == UnitSystem::SI ? basPsychroFun::units::FahrenheitToCelsius(tF) : tF;
}

double TemperatureFromDisplay(double t, UnitSystem units) noexcept {
    return units == UnitSystem::SI ? basPsychroFun::units::CelsiusToFahrenheit(t) : t;
}

double HumidityRatioToDisplay(double w, UnitSystem units) noexcept {
    return units == UnitSystem::SI ? w * 1000.0 : w;
}

double HumidityRatioFromDisplay(double w, UnitSystem units) noexcept {
    return units == UnitSystem::SI ? w / 1000.0 : w;
}

double PressureToDisplay(double pPsia, UnitSystem units) noexcept {
    return units == UnitSystem::SI ? basPsychroFun::units::PsiaToKPa(pPsia) : pPsia;
}

QString TemperatureUnit(UnitSystem units) {
    return UnitText(basLoadUnits::kTemperature, PositionsOf(units).temperature);
}

QString HumidityRatioUnit(UnitSystem units) {
    return UnitText(basLoadUnits::kHumidityRatio, PositionsOf(units).humidityRatio);
}

QString EnthalpyUnit(UnitSystem units) {
    return UnitText(basLoadUnits::kEnth, PositionsOf(units).enthalpy);
}

QString SpecificVolumeUnit(UnitSystem units) {
    return UnitText(basLoadUnits::kSpecificVolume, PositionsOf(units).specificVolume);
}

QString PressureUnit(UnitSystem units) {
    return UnitText(basLoadUnits::kPress, PositionsOf(units).pressure);
}

} // namespace chart
