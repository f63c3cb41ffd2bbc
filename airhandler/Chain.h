#pragma once

// For the library's own sources: what each kind of component does to the
// air passing through it. Solve.cpp strings them together.

#include "airhandler/Solve.h"

namespace airhandler::detail {

// Where the "to supply" components bring the air: solved by Solve so that
// the chain ends at the supply air.
struct Targets {
    double dryBulbF = 0.0;
    double humidityRatio = 0.0;
};

struct Context {
    UnitSystem system = UnitSystem::IP;
    processes::AirState room;           // the return and exhaust air
    double supplyDryAirLbPerHour = 0.0; // the return air's mass flow bounds the exhaust
    bool economizing = false;           // heat recovery stops
};

// What a component does: the leaving air and what goes with it.
struct Step {
    processes::AirState leaving;
    bool active = false;
    std::string_view note;
    std::optional<processes::CoilCondition> coil;
    std::optional<ExhaustSide> exhaust;
};

// The component's own settings, for its option, whatever air meets it.
std::optional<Reason> CheckSettings(const Component& component);

// Whether the component brings the air to the supply's dry bulb, or to its
// humidity ratio, and which way it can move it. A chain may hold one of each
// way: a cooling coil and a heating coil both to the supply's dry bulb, a
// coil and a humidifier both to its humidity ratio. Only one of a pair can
// act on any air (a coil cannot humidify, a humidifier cannot dry), so they
// share the target, and one chain serves summer and winter alike.
enum class Way { None, Raises, Lowers };
Way DryBulbTarget(const Component& component) noexcept;
Way HumidityTarget(const Component& component) noexcept;

// The air leaving the component for `entering` air with `dryAirLbPerHour`
// through it. The mixing box is not handled here. With final, the cooling
// coil's apparatus dew point and bypass factor are found too (and a coil
// whose line misses saturation refused); without it only the leaving air,
// as the passes that close the chain need. Issues carry no component index.
Outcome<Step> Apply(const Component& component, const processes::AirState& entering,
                    double dryAirLbPerHour, const Context& context, const Targets& targets,
                    bool final);

} // namespace airhandler::detail
