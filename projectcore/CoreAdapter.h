#pragma once

// The one place the project calls the compute core's solution of a pair of
// inputs, so that a change of the core's calling convention is met here alone.

#include "core/CalcState.h"
#include "core/ComputeCore.h"
#include "core/RealAir.h"

#include <optional>

namespace project {

// The five inputs of the calculator, in the order of its input fields.
using CoreInput = calculator::Input;

// Solves `state` from the two inputs stored in it (any order), at state.Patm
// in state.UnitSystem: nullopt for real air, otherwise why not.
std::optional<calculator::Reason> SolveWithCore(CalcState& state, CoreInput a, CoreInput b);

} // namespace project
