#pragma once

// The solution behind Compute, free of widgets so that tests and benchmarks
// call it directly: from the two ticked inputs in CalcState to the complete
// moist-air state, through the engine, checked to be real air (RealAir.h).

#include "core/CalcState.h"
#include "core/FieldTable.h"
#include "core/RealAir.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace calculator {

// The five inputs that can be ticked, in field order: Input(i) is field i.
enum class Input { DryBulb, WetBulb, RelativeHumidity, HumidityRatio, Enthalpy };

// Two ticked inputs, `first` of the lower field index.
struct InputPair {
    Input first;
    Input second;
    bool operator==(const InputPair&) const = default;
};

// The tags of the five input check boxes, by field index 0 to 4: the
// program's own texts, carried by the boxes and turned into an Input where
// the window reads them.
inline constexpr std::array<std::string_view, kInputCount> kInputTags{
    "Dry Bulb Temperature", "Wet Bulb Temperature", "Relative Humidity", "Humidity Ratio",
    "Enthalpy"};

// The input a box's tag names; nullopt for a text that is no input's tag.
std::optional<Input> InputOfTag(std::string_view tag);

// The first two ticked inputs, walking the inputs in field order; nullopt
// when fewer than two are ticked.
std::optional<InputPair> FindInputPair(const std::array<bool, kInputCount>& ticked);

// Runs the solution for the pair (first the input of the lower field index),
// then the common tail, storing each result into `state` in single precision
// the moment it is computed. The selector is "IP" except for the enthalpy
// steps, which follow state.UnitSystem. A first input of humidity ratio or
// enthalpy solves from those two; a second input that makes no pair with the
// first (the same input, or one of a lower index) leaves only the tail.
//
// Only real air comes out. The inputs and the atmosphere are checked first,
// each temperature as it is solved for, the solvers' dry bulbs against the
// inputs they were given, and the finished state by CheckRealAir. A wet bulb
// given with the enthalpy or with saturation is taken as the wet bulb the
// state shows (through the dew-point correlation), so that a state shown
// comes back when typed again by those inputs. Perfectly
// dry air (no vapour) is real air without a dew point: Tdp then holds the
// engine's marker and HasDewPoint is false.
//
// Throws NoSuchAir (a basPsychroFun::FloatingPointFault) with the reason when
// the state is not air, and FloatingPointFault when an operation faults or a
// result does not fit single precision; what was stored until then stays.
void SolveState(CalcState& state, InputPair inputs);

// SolveState for callers that want the reason rather than an exception:
// nullopt for real air, otherwise why not (NoSolution for an arithmetic
// fault). Anything but the engine's faults is a fault of the program and
// passes through.
std::optional<Reason> TrySolveState(CalcState& state, InputPair inputs);

// Moves the stored enthalpy H to the datum of `unitSystem` ("IP" zero at
// 0 °F, "SI" zero at 0 °C), for a switch of the unit system that keeps the
// air: from the dry bulb and humidity ratio of the state when `solved` says
// they are the state's, otherwise by the difference of the two datums, the
// inch-pound enthalpy of dry air at 0 °C (7.68 Btu/lb). Nothing when H is in
// that datum already. Does not change state.UnitSystem.
void MoveEnthalpyToSystem(CalcState& state, std::string_view unitSystem, bool solved);

} // namespace calculator
