#include "projectcore/Definition.h"

#include "core/ComputeCore.h"
#include "engine/FloatingPointFault.h"
#include "engine/PsychroFun.h"
#include "projectcore/CoreAdapter.h"

#include <array>
#include <cmath>

namespace project {

namespace psy = basPsychroFun;

namespace {

// Each input's key in the file, its name as shown, and the sentence for a
// value that is no number (a sentence each: languages agree the article with
// the name).
struct InputInfo {
    const char* key;
    i18n::Text name;
    i18n::Text notANumber;
};
constexpr std::array<InputInfo, kInputCount> kInputs{{
    {"dryBulb", VW_TRANSLATABLE("project::Definition", "dry bulb"),
     VW_TRANSLATABLE("project::Definition", "The dry bulb is not a number.")},
    {"wetBulb", VW_TRANSLATABLE("project::Definition", "wet bulb"),
     VW_TRANSLATABLE("project::Definition", "The wet bulb is not a number.")},
    {"relativeHumidity", VW_TRANSLATABLE("project::Definition", "relative humidity"),
     VW_TRANSLATABLE("project::Definition", "The relative humidity is not a number.")},
    {"humidityRatio", VW_TRANSLATABLE("project::Definition", "humidity ratio"),
     VW_TRANSLATABLE("project::Definition", "The humidity ratio is not a number.")},
    {"enthalpy", VW_TRANSLATABLE("project::Definition", "enthalpy"),
     VW_TRANSLATABLE("project::Definition", "The enthalpy is not a number.")},
    {"dewPoint", VW_TRANSLATABLE("project::Definition", "dew point"),
     VW_TRANSLATABLE("project::Definition", "The dew point is not a number.")},
}};

const InputInfo& info(Input input) {
    return kInputs[static_cast<std::size_t>(input)];
}

// The CalcState field that holds a core input.
float& field(CalcState& state, CoreInput input) {
    switch (input) {
    case CoreInput::DryBulb:
        return state.Tdb;
    case CoreInput::WetBulb:
        return state.Twb;
    case CoreInput::RelativeHumidity:
        return state.Phi;
    case CoreInput::HumidityRatio:
        return state.W;
    case CoreInput::Enthalpy:
        break;
    }
    return state.H;
}

// The humidity ratio (lb/lb) of air whose dew point is tdpF at pPsia, or why
// there is none: a dew point outside the range of the saturation pressure,
// or vapour at that temperature at or above the atmospheric pressure.
std::optional<calculator::Reason> humidityRatioAtDewPoint(double tdpF, double pPsia, double& w) {
    using calculator::Reason;
    // Beyond the range of a float, a number is far outside the range of air
    // (and converting it would be undefined).
    const std::optional<float> tdp = psy::units::ToSingle(tdpF);
    if (!tdp)
        return tdpF < 0 ? Reason::DewPointBelowRange : Reason::DewPointAboveRange;
    if (const auto outside = calculator::CheckTemperature(*tdp, Reason::DewPointBelowRange,
                                                          Reason::DewPointAboveRange))
        return outside;
    const std::optional<float> p = psy::units::ToSingle(pPsia);
    if (!p)
        return Reason::PressureAboveRange;
    if (const auto pressure = calculator::CheckPressure(*p))
        return pressure;
    try {
        const double pws = psy::SaturationPressure(tdpF, "IP");
        if (pws == psy::kNoResult)
            return Reason::DewPointAboveRange;
        if (!(pws < pPsia))
            return Reason::VaporPressureAtAtmosphere;
        w = psy::HumidityRatioFromVaporPressure(pws, pPsia, "IP");
    } catch (const psy::FloatingPointFault&) {
        return Reason::NoSolution;
    }
    return std::nullopt;
}

} // namespace

std::string_view InputKey(Input input) {
    return info(input).key;
}

std::optional<Input> InputFromKey(std::string_view key) {
    for (std::size_t i = 0; i < kInputs.size(); ++i) {
        if (key == kInputs[i].key)
            return static_cast<Input>(i);
    }
    return std::nullopt;
}

std::string_view InputName(Input input) {
    return info(input).name.source;
}

i18n::Text InputNameText(Input input) {
    return info(input).name;
}

std::optional<i18n::Message> PairProblem(Input a, Input b) {
    if (a == b)
        return i18n::Message{VW_TRANSLATABLE("project::Definition",
                                             "A point needs two different properties; %1 is "
                                             "given twice."),
                             {i18n::Argument::Translatable(InputNameText(a))}};
    const bool dewPointAndW = (a == Input::DewPoint && b == Input::HumidityRatio) ||
                              (a == Input::HumidityRatio && b == Input::DewPoint);
    if (dewPointAndW)
        return i18n::Message{
            VW_TRANSLATABLE("project::Definition",
                            "Dew point and humidity ratio both fix the water in the air at a "
                            "given pressure; pair either with another property."),
            {}};
    return std::nullopt;
}

std::optional<std::string> CheckPair(Input a, Input b) {
    if (auto problem = PairProblem(a, b))
        return problem->English();
    return std::nullopt;
}

std::optional<i18n::Message> CheckDefinition(const PointDefinition& definition) {
    if (auto pair = PairProblem(definition.first.input, definition.second.input))
        return pair;
    for (const InputValue& v : {definition.first, definition.second}) {
        if (!std::isfinite(v.value))
            return i18n::Message{info(v.input).notANumber, {}};
    }
    return std::nullopt;
}

Solution Solve(const PointDefinition& definition, const Atmosphere& atmosphere) noexcept {
    using calculator::Reason;
    if (CheckDefinition(definition))
        return {std::nullopt, Reason::NoSolution};

    CalcState state;
    state.UnitSystem = std::string(psy::SelectorOf(atmosphere.system));
    const std::optional<float> pressure = psy::units::ToSingle(atmosphere.pressurePsia);
    if (!pressure)
        return {std::nullopt, Reason::PressureAboveRange};
    state.Patm = *pressure;
    try {
        const double altitude = psy::AltitudeFromPressure(atmosphere.pressurePsia, "IP");
        if (altitude != psy::kNoResult)
            state.Alt = static_cast<float>(altitude);
    } catch (const psy::FloatingPointFault&) {
        // The altitude is only shown; the pressure check below names the fault.
    }

    // Each input into its CalcState field, as the calculator stores a typed entry.
    std::array<CoreInput, 2> pair{};
    const std::array<InputValue, 2> inputs{definition.first, definition.second};
    for (std::size_t i = 0; i < 2; ++i) {
        double value = inputs[i].value;
        CoreInput core = CoreInput::HumidityRatio;
        if (inputs[i].input == Input::DewPoint) {
            if (auto reason =
                    humidityRatioAtDewPoint(value, static_cast<double>(state.Patm), value))
                return {std::nullopt, reason};
        } else {
            core = static_cast<CoreInput>(inputs[i].input);
        }
        const std::optional<float> single = psy::units::ToSingle(value);
        if (!single)
            return {std::nullopt, Reason::NumberTooLarge};
        field(state, core) = *single;
        pair[i] = core;
    }
    if (auto reason = SolveWithCore(state, pair[0], pair[1]))
        return {std::nullopt, reason};
    return {state, std::nullopt};
}

double ValueIn(const CalcState& state, Input input) {
    switch (input) {
    case Input::DryBulb:
        return static_cast<double>(state.Tdb);
    case Input::WetBulb:
        return static_cast<double>(state.Twb);
    case Input::RelativeHumidity:
        return static_cast<double>(state.Phi);
    case Input::HumidityRatio:
        return static_cast<double>(state.W);
    case Input::Enthalpy:
        return static_cast<double>(state.H);
    case Input::DewPoint:
        break;
    }
    return static_cast<double>(state.Tdp);
}

PointDefinition ForSystem(const PointDefinition& definition, const Solution& solution,
                          UnitSystem from, UnitSystem to) {
    if (from == to)
        return definition;
    PointDefinition moved = definition;
    for (InputValue* v : {&moved.first, &moved.second}) {
        if (v->input != Input::Enthalpy)
            continue;
        CalcState state = solution.state.value_or(CalcState{});
        state.UnitSystem = std::string(psy::SelectorOf(from));
        const std::optional<float> single = psy::units::ToSingle(v->value);
        if (!single)
            continue; // no air either way: keep the number
        state.H = *single;
        try {
            calculator::MoveEnthalpyToSystem(state, psy::SelectorOf(to),
                                             solution.state.has_value());
            v->value = static_cast<double>(state.H);
        } catch (const psy::FloatingPointFault&) {
            // Left as it was: the point had no air to keep.
        }
    }
    return moved;
}

} // namespace project
