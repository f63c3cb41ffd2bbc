#pragma once

// A point of moist air in the calculator's inch-pound base units, the test of
// whether it is real air, and the few engine relations every process needs,
// called as the calculator calls them: "IP" throughout, except enthalpy,
// which follows the active unit system's own formulation (Btu/lb zero at
// 0 °F, or kJ/kg zero at 0 °C: a different datum, not a converted number).

#include "engine/Units.h"
#include "processes/Outcome.h"

#include <optional>

namespace processes {

using basPsychroFun::UnitSystem;

struct AirState {
    double dryBulbF = 0.0;      // °F
    double humidityRatio = 0.0; // lb water per lb dry air
    double pressurePsia = 0.0;  // atmospheric pressure, psia
    friend bool operator==(const AirState&, const AirState&) = default;
};

// Nothing when the point is real air: a dry bulb within the range of the
// saturation pressure, a pressure above zero and at most ten atmospheres, a
// humidity ratio of zero or more and a relative humidity within the
// program's limit (saturated air computed back through the dew point may
// reach a little over 100 %). Otherwise the first thing wrong.
std::optional<Problem> CheckAir(const AirState& air) noexcept;

// Two points at one atmospheric pressure: equal to one part in a million,
// more than the single-precision pressure the calculator keeps.
bool SamePressure(const AirState& a, const AirState& b) noexcept;

// Two points that are the same air: dry bulbs within 0.01 °F and humidity
// ratios within 1e-6, well inside what the calculator shows (two decimals of
// a degree, five of a humidity ratio) and wide enough for the last digits of
// two solvers that reach one state.
bool SameAir(const AirState& a, const AirState& b) noexcept;

// Engine relations on base-unit arguments. Each may throw
// basPsychroFun::FloatingPointFault; the library's entry points catch it.
namespace air {

// Enthalpy, Btu/lb | kJ/kg of dry air in the system's own formulation.
double Enthalpy(double tF, double w, UnitSystem system);
// The dry bulb (°F) of humidity ratio w and enthalpy h (Btu/lb | kJ/kg).
double DryBulbFromEnthalpy(double w, double h, UnitSystem system);
// Humidity ratio of saturated air at tF and pressure p (psia); negative when
// tF lies outside the range of the saturation pressure.
double SaturationHumidityRatio(double tF, double pPsia);
// Partial pressure of the water vapour, psia.
double VapourPressure(double w, double pPsia);
// Specific volume, ft³ per lb of dry air.
double SpecificVolume(const AirState& air);

} // namespace air

} // namespace processes
