#include "batch/Solve.h"

#include "core/ComputeCore.h"
#include "core/FieldRules.h"
#include "core/FieldTable.h"
#include "engine/PsychroFun.h"

namespace batch {

namespace psy = basPsychroFun;

std::optional<calculator::Reason> SolvePair(CalcState& state, int first, int second) {
    return calculator::TrySolveState(
        state, {static_cast<calculator::Input>(first), static_cast<calculator::Input>(second)});
}

std::optional<calculator::Reason> SetAtmosphere(CalcState& state, const Atmosphere& atmosphere) {
    // The window's rule for a typed pressure or altitude: the other follows,
    // or holds the engine's marker where it cannot be had.
    if (!atmosphere.altitudeGiven) {
        calculator::StoreEntry(state, calculator::kAtmosphericPressure, atmosphere.value);
        return std::nullopt;
    }
    calculator::StoreEntry(state, calculator::kAltitude, atmosphere.value);
    return calculator::CheckAltitude(state.Alt);
}

std::optional<calculator::Reason> ComputeShown(CalcState& state, int first, int second,
                                               std::string_view shown) {
    // The window solves on a copy, so that its state holds either the inputs
    // or real air.
    CalcState solved = state;
    std::optional<calculator::Reason> problem = SolvePair(solved, first, second);
    if (state.UnitSystem == shown) {
        if (!problem)
            state = std::move(solved);
        return problem;
    }
    // A switch of the unit system: the enthalpy moves to the new datum, from
    // the solved air or by the datums' difference, and the state is solved
    // again in the new system.
    CalcState& moved = problem ? state : solved;
    try {
        calculator::MoveEnthalpyToSystem(moved, shown, !problem);
    } catch (const psy::FloatingPointFault&) {
        // An enthalpy beyond single precision stays as it is.
    }
    moved.UnitSystem = std::string(shown);
    CalcState again = moved;
    problem = SolvePair(again, first, second);
    state = problem ? std::move(moved) : std::move(again);
    return problem;
}

} // namespace batch
