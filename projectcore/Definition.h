#pragma once

// What defines a state point: two of its properties, in the calculator's base
// units, and the atmosphere it is solved at. The solution is the compute
// core's own (CoreAdapter.h): a point shows exactly what the calculator would
// show for the same two inputs.

#include "core/CalcState.h"
#include "core/RealAir.h"
#include "core/Translatable.h"
#include "engine/Units.h"

#include <optional>
#include <string>
#include <string_view>

namespace project {

using basPsychroFun::UnitSystem;

// The properties a point can be defined by: the calculator's five inputs and
// the dew point.
enum class Input { DryBulb, WetBulb, RelativeHumidity, HumidityRatio, Enthalpy, DewPoint };
inline constexpr int kInputCount = 6;

// One input in base units: °F for the temperatures, a fraction 0 to 1 for
// the relative humidity, lb/lb for the humidity ratio, and the enthalpy as
// CalcState keeps it (Btu/lb zero at 0 °F in "IP"; in "SI" the metric
// enthalpy, kJ/kg zero at 0 °C, divided by kEnthalpyKJPerBtu).
struct InputValue {
    Input input = Input::DryBulb;
    double value = 0.0;
    bool operator==(const InputValue&) const = default;
};

struct PointDefinition {
    InputValue first;
    InputValue second;
    bool operator==(const PointDefinition&) const = default;
};

// The atmosphere every point of a project is solved at.
struct Atmosphere {
    double pressurePsia = basPsychroFun::units::kAtmospherePsia;
    UnitSystem system = UnitSystem::IP;
    bool operator==(const Atmosphere&) const = default;
};

// The name of an input in the project file, e.g. "dewPoint", and back.
std::string_view InputKey(Input input);
std::optional<Input> InputFromKey(std::string_view key);
// The name shown, e.g. "dew point", in English and marked for translation.
std::string_view InputName(Input input);
i18n::Text InputNameText(Input input);

// Why two inputs do not define a point, nothing when they do: the same
// property twice, or dew point with humidity ratio, which both fix the water
// in the air at a given pressure. A message for a window to translate
// (core/Translatable.h); CheckPair is its English.
std::optional<i18n::Message> PairProblem(Input a, Input b);
std::optional<std::string> CheckPair(Input a, Input b);
// PairProblem, and each value a finite number.
std::optional<i18n::Message> CheckDefinition(const PointDefinition& definition);

// The solved point: the full state, or the reason there is no air.
struct Solution {
    std::optional<CalcState> state;
    std::optional<calculator::Reason> reason; // when no state
};

// Solves the definition at the atmosphere through the compute core. A dew
// point becomes the humidity ratio of saturated vapour at that temperature,
// W = 0.62198 p_ws(t_dp) / (p - p_ws(t_dp)) (ASHRAE Handbook of Fundamentals,
// Psychrometrics, eq. 22 with p_w = p_ws(t_dp)), by the engine's relations;
// the pair (W, other) then goes to the core. Never throws; a definition that
// CheckDefinition refuses gives NoSolution.
Solution Solve(const PointDefinition& definition, const Atmosphere& atmosphere) noexcept;

// The value of `input` in a solved state, in the units of InputValue.
double ValueIn(const CalcState& state, Input input);

// The definition re-expressed for another unit system with the same air: an
// enthalpy input moves to the other datum (through the core's
// MoveEnthalpyToSystem, from the solved dry bulb and humidity ratio when
// there is a solution). Other inputs do not depend on the system.
PointDefinition ForSystem(const PointDefinition& definition, const Solution& solution,
                          UnitSystem from, UnitSystem to);

} // namespace project
