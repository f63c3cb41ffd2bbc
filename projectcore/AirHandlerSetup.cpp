#include "projectcore/AirHandlerSetup.h"

#include "core/RealAir.h"

#include <cmath>
#include <type_traits>
#include <utility>
#include <variant>

namespace project {

using airhandler::Season;

namespace {

AirHandlerCase fromDesign(const airhandler::DesignCase& design, const PointDefinition& room,
                          const PointDefinition& outdoor) {
    AirHandlerCase c;
    c.duty = design.duty;
    c.room = room;
    c.outdoor = outdoor;
    c.roomSensibleBtuPerHour = design.roomSensibleBtuPerHour;
    c.roomLatentBtuPerHour = design.roomLatentBtuPerHour;
    c.supply = design.supply;
    c.outdoorAir = design.outdoorAir;
    c.components = design.components;
    return c;
}

std::string_view caseName(Season season) {
    return season == Season::Summer ? "Summer" : "Winter";
}

// Whether every number the case holds is finite, those of the options not
// chosen too: the file keeps them all.
bool allFinite(const AirHandlerCase& c) {
    const auto finite = [](std::initializer_list<double> values) {
        for (const double v : values) {
            if (!std::isfinite(v))
                return false;
        }
        return true;
    };
    if (!finite({c.room.first.value, c.room.second.value, c.outdoor.first.value,
                 c.outdoor.second.value, c.roomSensibleBtuPerHour, c.roomLatentBtuPerHour,
                 c.supply.dryBulbF, c.supply.differenceF, c.supply.airflow.value,
                 c.outdoorAir.airflow.value, c.outdoorAir.share}))
        return false;
    for (const airhandler::Component& component : c.components) {
        const bool ok = std::visit(
            [&finite](const auto& k) {
                using K = std::decay_t<decltype(k)>;
                if constexpr (std::is_same_v<K, airhandler::HeatRecovery>)
                    return finite({k.sensibleEffectiveness, k.latentEffectiveness,
                                   k.exhaustAirflow ? k.exhaustAirflow->value : 0.0});
                else if constexpr (std::is_same_v<K, airhandler::MixingBox>)
                    return finite({k.highLimitDryBulbF.value_or(0.0), k.maximumShare});
                else if constexpr (std::is_same_v<K, airhandler::HeatingCoil>)
                    return finite({k.leavingDryBulbF, k.riseF});
                else if constexpr (std::is_same_v<K, airhandler::CoolingCoil>)
                    return finite({k.leavingDryBulbF, k.leavingRelativeHumidity,
                                   k.apparatusDewPointF, k.bypassFactor});
                else if constexpr (std::is_same_v<K, airhandler::SupplyFan>)
                    return finite({k.power, k.motorEfficiency, k.riseF});
                else
                    return finite(
                        {k.leavingDewPointF, k.leavingRelativeHumidity, k.steamTemperatureF});
            },
            component);
        if (!ok)
            return false;
    }
    return true;
}

std::optional<std::string> checkCase(const AirHandlerCase& c, Season season) {
    const std::string name(caseName(season));
    if (const auto problem = CheckDefinition(c.room))
        return name + " room air: " + problem->English();
    if (const auto problem = CheckDefinition(c.outdoor))
        return name + " outdoor air: " + problem->English();
    if (!allFinite(c))
        return name + ": every value of the air handler must be a number.";
    airhandler::DesignCase components;
    components.components = c.components;
    if (const auto issue = airhandler::CheckComponentSettings(components)) {
        const auto at = static_cast<std::size_t>(issue->component);
        return name + ": " +
               airhandler::Explain(*issue, airhandler::ComponentName(c.components[at]));
    }
    return std::nullopt;
}

// The air of a definition as the air handler takes it: the point's dry bulb
// and humidity ratio at the project's own pressure (the point keeps it at
// single precision). Or why there is none.
std::variant<processes::AirState, std::string> resolve(const PointDefinition& definition,
                                                       const Atmosphere& atmosphere) {
    const Solution solution = Solve(definition, atmosphere);
    if (!solution.state)
        return calculator::ReasonText(solution.reason.value_or(calculator::Reason::NoSolution),
                                      basPsychroFun::SelectorOf(atmosphere.system));
    return processes::AirState{static_cast<double>(solution.state->Tdb),
                               static_cast<double>(solution.state->W), atmosphere.pressurePsia};
}

} // namespace

AirHandlerCase AirHandlerSetup::DefaultSummer() {
    return fromDesign(airhandler::Design::DefaultSummer(),
                      {{Input::DryBulb, 75.0}, {Input::RelativeHumidity, 0.5}},
                      {{Input::DryBulb, 95.0}, {Input::WetBulb, 75.0}});
}

AirHandlerCase AirHandlerSetup::DefaultWinter() {
    return fromDesign(airhandler::Design::DefaultWinter(),
                      {{Input::DryBulb, 70.0}, {Input::RelativeHumidity, 0.3}},
                      {{Input::DryBulb, 0.0}, {Input::HumidityRatio, 0.0007}});
}

std::optional<std::string> CheckAirHandler(const AirHandlerSetup& setup) {
    for (const Season season : {Season::Summer, Season::Winter}) {
        if (auto problem = checkCase(setup.of(season), season))
            return problem;
    }
    return std::nullopt;
}

std::string AirHandlerResult::refusal(Season season) const {
    const std::string& own = unresolved[season == Season::Summer ? 0 : 1];
    if (!own.empty())
        return own;
    const auto& outcome = solution.of(season);
    if (outcome)
        return {};
    const airhandler::Issue& issue = outcome.issue();
    const auto& components = design.of(season).components;
    std::string_view name;
    if (issue.component >= 0 && issue.component < static_cast<int>(components.size()))
        name = airhandler::ComponentName(components[static_cast<std::size_t>(issue.component)]);
    return airhandler::Explain(issue, name);
}

AirHandlerResult SolveAirHandler(const AirHandlerSetup& setup, const Atmosphere& atmosphere) {
    airhandler::Design design;
    design.pressurePsia = atmosphere.pressurePsia;
    design.system = atmosphere.system;
    design.airflowUnit = setup.airflowUnit;
    std::array<std::string, 2> unresolved;
    std::array<std::optional<airhandler::Reason>, 2> refused;
    for (const Season season : {Season::Summer, Season::Winter}) {
        const AirHandlerCase& c = setup.of(season);
        airhandler::DesignCase& d = design.of(season);
        d.duty = c.duty;
        d.roomSensibleBtuPerHour = c.roomSensibleBtuPerHour;
        d.roomLatentBtuPerHour = c.roomLatentBtuPerHour;
        d.supply = c.supply;
        d.outdoorAir = c.outdoorAir;
        d.components = c.components;
        const std::size_t k = season == Season::Summer ? 0 : 1;
        // A case whose air is none keeps the pressure's state for it, so
        // that the design stays one the air handler takes; it is not solved.
        const processes::AirState none{0.0, 0.0, atmosphere.pressurePsia};
        const std::pair<const PointDefinition*, airhandler::Reason> airs[] = {
            {&c.room, airhandler::Reason::RoomNotAir},
            {&c.outdoor, airhandler::Reason::OutdoorNotAir}};
        for (const auto& [definition, reason] : airs) {
            auto air = resolve(*definition, atmosphere);
            processes::AirState& target =
                reason == airhandler::Reason::RoomNotAir ? d.room : d.outdoor;
            if (auto* state = std::get_if<processes::AirState>(&air)) {
                target = *state;
                continue;
            }
            target = none;
            if (!refused[k]) {
                refused[k] = reason;
                unresolved[k] = std::string(airhandler::Describe(reason)) + ' ' +
                                std::get<std::string>(air) + '.';
            }
        }
    }
    const auto solve = [&](Season season) -> airhandler::Outcome<airhandler::CaseSolution> {
        const std::size_t k = season == Season::Summer ? 0 : 1;
        if (refused[k])
            return *refused[k];
        return airhandler::SolveCase(design, season);
    };
    airhandler::Solution solution{design.system, design.airflowUnit, solve(Season::Summer),
                                  solve(Season::Winter)};
    return AirHandlerResult{std::move(design), std::move(solution), std::move(unresolved)};
}

AirHandlerSetup AirHandlerForSystem(const AirHandlerSetup& setup, const Atmosphere& atmosphere,
                                    UnitSystem to) {
    AirHandlerSetup moved = setup;
    for (const Season season : {Season::Summer, Season::Winter}) {
        for (PointDefinition* d : {&moved.of(season).room, &moved.of(season).outdoor})
            *d = ForSystem(*d, Solve(*d, atmosphere), atmosphere.system, to);
    }
    return moved;
}

} // namespace project
