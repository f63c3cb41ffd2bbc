#include "projectcore/Edits.h"

#include "core/ComputeCore.h"
#include "processes/Mixing.h"

namespace project {

namespace {

i18n::Message describe(processes::Problem problem) {
    return {processes::ProblemText(problem), {}};
}

i18n::Message notAir(const Model& model, int index) {
    return {VW_TRANSLATABLE("project::Edits", "Point %1 is not air: %2"),
            {i18n::Argument::Plain(model.point(index).name),
             i18n::Argument::Nested(model.pointResult(index).reasonMessage)}};
}

i18n::Message noSuchPoint() {
    return {VW_TRANSLATABLE("project::Edits", "There is no such point."), {}};
}

} // namespace

PointDefinition DryBulbAndHumidityRatio(double dryBulbF, double humidityRatio) {
    return {{Input::DryBulb, dryBulbF}, {Input::HumidityRatio, humidityRatio}};
}

std::variant<PointDefinition, i18n::Message>
CalculatorStateDefinition(const CalcState& state, Input first, Input second, UnitSystem system) {
    if (auto problem = PairProblem(first, second))
        return *problem;
    const auto own = basPsychroFun::UnitSystemOf(state.UnitSystem);
    if (!own)
        return i18n::Message{
            VW_TRANSLATABLE("project::Edits", "The calculator's state names no unit system."), {}};
    if ((first == Input::DewPoint || second == Input::DewPoint) && !calculator::HasDewPoint(state))
        return i18n::Message{
            VW_TRANSLATABLE("project::Edits",
                            "Perfectly dry air has no dew point to define a point by."),
            {}};
    CalcState inSystem = state;
    if ((first == Input::Enthalpy || second == Input::Enthalpy) && own != system) {
        // The ticked enthalpy was typed against the other datum: keep the air.
        try {
            calculator::MoveEnthalpyToSystem(inSystem, basPsychroFun::SelectorOf(system), true);
        } catch (const basPsychroFun::FloatingPointFault&) {
            return i18n::Message{
                VW_TRANSLATABLE("project::Edits", "The calculator's state cannot be taken over."),
                {}};
        }
    }
    return PointDefinition{{first, ValueIn(inSystem, first)}, {second, ValueIn(inSystem, second)}};
}

std::variant<PointDefinition, i18n::Message> CoilLeavingAir(const Model& model, int enteringIndex,
                                                            double adpF, double bypassFactor) {
    const auto entering = model.airOf(enteringIndex);
    if (!entering)
        return model.validPoint(enteringIndex) ? notAir(model, enteringIndex) : noSuchPoint();
    const auto leaving = processes::LeavingAir(*entering, adpF, bypassFactor);
    if (!leaving)
        return describe(leaving.problem());
    return DryBulbAndHumidityRatio(leaving->dryBulbF, leaving->humidityRatio);
}

std::variant<PlannedMixture, i18n::Message> PlanMixture(const Model& model, int firstIndex,
                                                        int secondIndex) {
    if (!model.validPoint(firstIndex) || !model.validPoint(secondIndex))
        return noSuchPoint();
    // The mixture is a point of its own, made with it: its id is the next.
    const Mixing streams{model.point(firstIndex).id, model.point(secondIndex).id, model.nextId(),
                         0.0};
    if (auto problem = CheckMixing(streams, model.data().points, model.index()))
        return *problem;
    for (const int i : {firstIndex, secondIndex}) {
        if (!model.airOf(i))
            return notAir(model, i);
        if (!model.point(i).airflow)
            return i18n::Message{
                VW_TRANSLATABLE("project::Edits", "Point %1 has no airflow to mix."),
                {i18n::Argument::Plain(model.point(i).name)}};
    }
    const processes::Airflow& firstFlow = *model.point(firstIndex).airflow;
    const auto mixture =
        processes::Mix(*model.airOf(firstIndex), firstFlow, *model.airOf(secondIndex),
                       *model.point(secondIndex).airflow, model.atmosphere().system);
    if (!mixture)
        return describe(mixture.problem());
    const auto volume =
        processes::VolumeFlow(mixture->air, mixture->dryAirLbPerHour, firstFlow.unit);
    if (!volume)
        return describe(volume.problem());
    return PlannedMixture{
        DryBulbAndHumidityRatio(mixture->air.dryBulbF, mixture->air.humidityRatio), *volume,
        mixture->firstStreamShare};
}

AtmospherePlan PlanAtmosphere(const Model& model, const Atmosphere& atmosphere) {
    const Atmosphere& current = model.atmosphere();
    const auto single = basPsychroFun::units::ToSingle(atmosphere.pressurePsia);
    if (!single)
        return {ReasonMessage(calculator::Reason::PressureAboveRange), std::nullopt};
    if (auto problem = calculator::CheckPressure(*single))
        return {ReasonMessage(*problem), std::nullopt};
    Atmosphere target = atmosphere;
    // The calculator holds the pressure at single precision (14.696 as
    // 14.6960001): the same float is the same pressure, and the number the
    // project has (from its file, say) stays.
    if (single == basPsychroFun::units::ToSingle(current.pressurePsia))
        target.pressurePsia = current.pressurePsia;
    if (target == current)
        return {};
    AtmosphereChange change{{current, {}, model.data().airHandler}, {target, {}, std::nullopt}};
    if (target.system != current.system) {
        // Points defined by enthalpy keep their air: the number moves to the
        // other datum.
        for (const StatePoint& point : model.data().points) {
            const PointDefinition moved = ForSystem(
                point.definition, Solve(point.definition, current), current.system, target.system);
            if (!(moved == point.definition)) {
                change.before.definitions.emplace_back(point.id, point.definition);
                change.after.definitions.emplace_back(point.id, moved);
            }
        }
    }
    if (model.data().airHandler)
        change.after.airHandler =
            AirHandlerForSystem(*model.data().airHandler, current, target.system);
    return {std::nullopt, std::move(change)};
}

} // namespace project
