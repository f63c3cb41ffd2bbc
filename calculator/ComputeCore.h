#pragma once

// The solution behind Compute, free of widgets so that tests and benchmarks
// call it directly: from the two ticked inputs in CalcState to the complete
// moist-air state, through the engine.

#include "CalcState.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace calculator {

// The tags of the five input check boxes, by field index 0 to 4; the
// solution for a pair is chosen by them.
inline constexpr std::array<std::string_view, 5> kInputTags{
    "Dry Bulb Temperature", "Wet Bulb Temperature", "Relative Humidity", "Humidity Ratio",
    "Enthalpy"};

// The tags of the first two ticked boxes, walking the boxes in index order;
// nullopt when fewer than two are ticked.
std::optional<std::pair<std::string_view, std::string_view>>
FindInputPair(const std::array<bool, 5>& ticked);

// Runs the solution for the pair (first tag of the lower field index), then
// the common tail, storing each result into `state` in single precision the
// moment it is computed. The selector is "IP" except for the enthalpy steps,
// which follow state.UnitSystem.
//
// Throws basPsychroFun::FloatingPointFault when an operation faults or a
// result does not fit single precision; what was stored until then stays.
void SolveState(CalcState& state, std::string_view firstTag, std::string_view secondTag);

} // namespace calculator
