#include "projectcore/Edits.h"

#include "core/ComputeCore.h"
#include "processes/Mixing.h"

namespace project {

namespace {

std::string describe(processes::Problem problem) {
    return std::string(processes::Describe(problem));
}

std::string notAir(const Model& model, int index) {
    return "Point " + model.point(index).name + " is not air: " + model.pointResult(index).reason;
}

} // namespace

PointDefinition DryBulbAndHumidityRatio(double dryBulbF, double humidityRatio) {
    return {{Input::DryBulb, dryBulbF}, {Input::HumidityRatio, humidityRatio}};
}

std::variant<PointDefinition, std::string>
CalculatorStateDefinition(const CalcState& state, Input first, Input second, UnitSystem system) {
    if (auto problem = CheckPair(first, second))
        return *problem;
    const auto own = basPsychroFun::UnitSystemOf(state.UnitSystem);
    if (!own)
        return std::string("The calculator's state names no unit system.");
    if ((first == Input::DewPoint || second == Input::DewPoint) && !calculator::HasDewPoint(state))
        return std::string("Perfectly dry air has no dew point to define a point by.");
    CalcState inSystem = state;
    if ((first == Input::Enthalpy || second == Input::Enthalpy) && own != system) {
        // The ticked enthalpy was typed against the other datum: keep the air.
        try {
            calculator::MoveEnthalpyToSystem(inSystem, basPsychroFun::SelectorOf(system), true);
        } catch (const basPsychroFun::FloatingPointFault&) {
            return std::string("The calculator's state cannot be taken over.");
        }
    }
    return PointDefinition{{first, ValueIn(inSystem, first)}, {second, ValueIn(inSystem, second)}};
}

std::variant<PointDefinition, std::string> CoilLeavingAir(const Model& model, int enteringIndex,
                                                          double adpF, double bypassFactor) {
    const auto entering = model.airOf(enteringIndex);
    if (!entering)
        return model.validPoint(enteringIndex) ? notAir(model, enteringIndex)
                                               : std::string("There is no such point.");
    const auto leaving = processes::LeavingAir(*entering, adpF, bypassFactor);
    if (!leaving)
        return describe(leaving.problem());
    return DryBulbAndHumidityRatio(leaving->dryBulbF, leaving->humidityRatio);
}

std::variant<PlannedMixture, std::string> PlanMixture(const Model& model, int firstIndex,
                                                      int secondIndex) {
    if (!model.validPoint(firstIndex) || !model.validPoint(secondIndex))
        return std::string("There is no such point.");
    // The mixture is a point of its own, made with it: its id is the next.
    const Mixing streams{model.point(firstIndex).id, model.point(secondIndex).id, model.nextId(),
                         0.0};
    if (auto problem = CheckMixing(streams, model.data().points, model.index()))
        return *problem;
    for (const int i : {firstIndex, secondIndex}) {
        if (!model.airOf(i))
            return notAir(model, i);
        if (!model.point(i).airflow)
            return "Point " + model.point(i).name + " has no airflow to mix.";
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
        return {ReasonText(calculator::Reason::PressureAboveRange), std::nullopt};
    if (auto problem = calculator::CheckPressure(*single))
        return {ReasonText(*problem), std::nullopt};
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
    return {{}, std::move(change)};
}

} // namespace project
