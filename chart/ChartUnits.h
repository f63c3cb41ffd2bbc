#pragma once

// The chart's two unit systems and the conversions between the calculator's
// inch-pound base units and what the chart shows.
//
// The chart keeps every point in the calculator's base units (dry bulb °F,
// humidity ratio lb/lb) whatever it shows, so a state handed over by the
// calculator and a point picked on the chart need no conversion. Only the
// axes, the line values and the readout are in the active system: "IP" shows
// °F, lbm/lbm, BTU/lbm, ft³/lbm and psia; "SI" shows °C, gm/kg, kJ/kg, m³/kg
// and kPa, with the unit texts of the calculator's unit lists.

#include "engine/Units.h"

#include <optional>
#include <string_view>

#include <QString>

namespace chart {

// The program's one unit-system type.
using UnitSystem = basPsychroFun::UnitSystem;

// The calculator's selector text: "IP" or "SI", upper- or lower-case, as the
// engine reads it. Anything else has no unit system.
std::optional<UnitSystem> UnitSystemFromSelector(std::string_view selector) noexcept;

// °F -> °F | °C, and back: the conversion the compute command uses.
double TemperatureToDisplay(double tF, UnitSystem units) noexcept;
double TemperatureFromDisplay(double t, UnitSystem units) noexcept;
// lb/lb -> lbm/lbm | gm/kg, and back.
double HumidityRatioToDisplay(double w, UnitSystem units) noexcept;
double HumidityRatioFromDisplay(double w, UnitSystem units) noexcept;
// psia -> psia | kPa by the engine's ratio of the standard atmospheres.
double PressureToDisplay(double pPsia, UnitSystem units) noexcept;

// Unit texts, taken from the calculator's unit catalogue.
QString TemperatureUnit(UnitSystem units);
QString HumidityRatioUnit(UnitSystem units);
QString EnthalpyUnit(UnitSystem units);
QString SpecificVolumeUnit(UnitSystem units);
QString PressureUnit(UnitSystem units);

} // namespace chart
