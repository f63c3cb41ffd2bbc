#include "batch/Solve.h"

#include "core/ComputeCore.h"
#include "engine/PsychroFun.h"

#include <cmath>
#include <limits>

namespace batch {

namespace psy = basPsychroFun;

std::optional<calculator::Reason> SolvePair(CalcState& state, int first, int second) {
    return calculator::TrySolveState(state, calculator::kInputTags[static_cast<std::size_t>(first)],
                                     calculator::kInputTags[static_cast<std::size_t>(second)]);
}

namespace {

// A derived pressure or altitude kept in single precision; the engine's
// marker (never shown, and no atmosphere) where it fails or does not fit.
float derived(double (*relation)(double, std::string_view), float value) {
    try {
        const double result = relation(static_cast<double>(value), "IP");
        if (std::fabs(result) <= static_cast<double>(std::numeric_limits<float>::max()))
            return static_cast<float>(result);
    } catch (const psy::FloatingPointFault&) {
    }
    return static_cast<float>(psy::kNoResult);
}

} // namespace

std::optional<calculator::Reason> SetAtmosphere(CalcState& state, const Atmosphere& atmosphere) {
    if (!atmosphere.altitudeGiven) {
        state.Patm = atmosphere.value;
        state.Alt = derived(&psy::AltitudeFromPressure, atmosphere.value);
        return std::nullopt;
    }
    state.Alt = atmosphere.value;
    state.Patm = static_cast<float>(psy::kNoResult);
    if (const auto problem = calculator::CheckAltitude(state.Alt))
        return problem;
    state.Patm = derived(&psy::PressureFromAltitude, atmosphere.value);
    return std::nullopt;
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
