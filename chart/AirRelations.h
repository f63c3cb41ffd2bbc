#pragma once

// The moist-air relations the chart draws, each a thin call of the engine so
// that every line and every readout agrees with the calculator.
//
// Arguments are in the calculator's base units: dry and wet bulb °F, humidity
// ratio lb/lb, atmospheric pressure psia. The engine is called with "IP" as
// the compute command calls it, except for enthalpy and specific volume, which
// are in the active system's own units: the metric enthalpy (kJ/kg, zero at
// 0 °C) is a different formulation, not a converted number, and the metric
// volume (m³/kg) is the engine's own. Every function may throw
// basPsychroFun::FloatingPointFault; a temperature outside the range of the
// saturation pressure gives a negative humidity ratio (the engine's marker
// passed through), which callers treat as no point.

#include "chart/ChartUnits.h"

namespace chart::air {

// Humidity ratio of saturated air at tF: the engine's saturation pressure
// turned into a humidity ratio at the atmospheric pressure.
double SaturationHumidityRatio(double tF, double patmPsia);
// On the curve of relative humidity phi (fraction).
double HumidityRatioAtRelativeHumidity(double tF, double phi, double patmPsia);
// On the wet-bulb line of twbF, by the psychrometer equation.
double HumidityRatioAtWetBulb(double tF, double twbF, double patmPsia);
// On the line of enthalpy h (BTU/lbm | kJ/kg of the active system).
double HumidityRatioAtEnthalpy(double tF, double h, UnitSystem units);
// On the line of specific volume v (ft³/lbm | m³/kg). The volume is linear in
// the humidity ratio at a given dry bulb, so two engine values fix it exactly.
double HumidityRatioAtSpecificVolume(double tF, double v, double patmPsia, UnitSystem units);

// Enthalpy (BTU/lbm | kJ/kg) and specific volume (ft³/lbm | m³/kg) of a point.
double Enthalpy(double tF, double w, UnitSystem units);
double SpecificVolume(double tF, double w, double patmPsia, UnitSystem units);

} // namespace chart::air
