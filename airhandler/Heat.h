#pragma once

// For the library's own sources: heat flows (kept in Btu/h) against enthalpy
// differences per unit mass of dry air in the active system's formulation,
// the same rule processes::AnalyseProcess applies to its loads: in IP,
// Btu/h = lb/h × Btu/lb; in SI, kW = kg/s × kJ/kg.

#include "airhandler/Issue.h"
#include "engine/FloatingPointFault.h"
#include "engine/Units.h"
#include "processes/Air.h"

namespace airhandler::detail {

namespace units = basPsychroFun::units;

// The enthalpy difference (Btu/lb | kJ/kg) that `btuPerHour` makes in
// `lbPerHour` of dry air.
inline double PerMass(double btuPerHour, double lbPerHour, UnitSystem system) {
    if (system == UnitSystem::IP)
        return btuPerHour / lbPerHour;
    const double kgPerSecond = units::PoundsToKilograms(lbPerHour) / units::kSecondsPerHour;
    return units::BtuPerHourToKilowatts(btuPerHour) / kgPerSecond;
}

// The mass flow of dry air, lb/h, in which an enthalpy difference dh
// (Btu/lb | kJ/kg) carries `btuPerHour`.
inline double MassFlowFor(double btuPerHour, double dh, UnitSystem system) {
    if (system == UnitSystem::IP)
        return btuPerHour / dh;
    const double kgPerSecond = units::BtuPerHourToKilowatts(btuPerHour) / dh;
    return units::KilogramsToPounds(kgPerSecond * units::kSecondsPerHour);
}

// The enthalpy of the water vapour in moist air per unit mass of water at
// tF, in the formulation: h(t, W) = h(t, 0) + W g(t) (ASHRAE Handbook —
// Fundamentals, ch. 1, enthalpy of moist air: h = h_da + W h_g, with
// h_g = 1061 + 0.444 t Btu/lb, or 2501 + 1.805 t kJ/kg). The line through
// the engine keeps the formulation in one place.
inline double VapourEnthalpy(double tF, UnitSystem system) {
    return processes::air::Enthalpy(tF, 1.0, system) - processes::air::Enthalpy(tF, 0.0, system);
}

// Runs a computation that calls the engine, turning a floating-point fault
// into an Issue: no fault leaves the library.
template <typename F>
auto Guarded(F&& compute) -> decltype(compute()) {
    try {
        return compute();
    } catch (const basPsychroFun::FloatingPointFault&) {
        return Issue{Reason::CalculationFault, processes::Problem::CalculationFault, -1};
    }
}

} // namespace airhandler::detail
