#pragma once

// What an edit of the project would make, worked out and checked before it
// is made: the leaving air of a coil, the mixture of two points, a point of
// the calculator's state, a change of the atmosphere. Each gives the new
// definitions or why the edit cannot be made, as a message for a window to
// translate (core/Translatable.h); the window's project makes the edit (one
// undo step), the model (Model.h) computes its results.

#include "projectcore/Model.h"

#include <optional>
#include <string>
#include <variant>

namespace project {

// A point at a position of the chart: dry bulb (°F) and humidity ratio.
PointDefinition DryBulbAndHumidityRatio(double dryBulbF, double humidityRatio);

// The definition of the calculator's state by its two ticked inputs (taken
// from the state's fields), for a project in `system`: an enthalpy taken in
// the other unit system moves to the project's datum.
std::variant<PointDefinition, i18n::Message>
CalculatorStateDefinition(const CalcState& state, Input first, Input second, UnitSystem system);

// The leaving air of a cooling coil on the air of the entering point, by its
// apparatus dew point (°F) and bypass factor.
std::variant<PointDefinition, i18n::Message> CoilLeavingAir(const Model& model, int enteringIndex,
                                                            double adpF, double bypassFactor);

// The adiabatic mixture of two points with airflows: the mixed air, the sum
// of the two mass flows as an airflow in the first point's unit, and the
// first stream's share of the dry air. The mixture's point gets the model's
// next id.
struct PlannedMixture {
    PointDefinition definition;
    processes::Airflow airflow;
    double firstStreamShare = 0.0;
};
std::variant<PlannedMixture, i18n::Message> PlanMixture(const Model& model, int firstIndex,
                                                        int secondIndex);

// A change of the atmosphere: the calculator's pressure (psia) and unit
// system. Every point is solved again; points defined by enthalpy, and the
// air handler's room and outdoor air, keep their air across a change of the
// unit system (the enthalpy moves to the new datum). The calculator keeps
// its pressure at single precision: a pressure equal to the project's at
// single precision is the same pressure, and the project keeps its own
// number (14.696 from a file stays 14.696).
struct AtmosphereChange {
    AtmosphereState before;
    AtmosphereState after;
};
struct AtmospherePlan {
    std::optional<i18n::Message> error;     // why not; nothing when it may be made
    std::optional<AtmosphereChange> change; // none: nothing changes
};
AtmospherePlan PlanAtmosphere(const Model& model, const Atmosphere& atmosphere);

} // namespace project
