#pragma once

// The air handler a project holds: the design of airhandler/Design.h with the
// room and the outdoor air of each case defined as points are, by any two of
// their properties (Definition.h), rather than as solved states. The project
// solves them at its own atmosphere before it solves the design, so that a
// change of pressure or unit system moves the air handler with the points.
// A case's air "from a weather file's design conditions" is two definitions
// the window writes (the 0.4 % cooling dry bulb with its mean coincident wet
// bulb, say); the project keeps only the definitions.

#include "airhandler/Design.h"
#include "airhandler/Solve.h"
#include "projectcore/Definition.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace project {

struct AirHandlerCase {
    airhandler::Duty duty = airhandler::Duty::Cooling;
    PointDefinition room;
    PointDefinition outdoor;
    // Btu/h: positive a gain to the room's air, negative a loss.
    double roomSensibleBtuPerHour = 0.0;
    double roomLatentBtuPerHour = 0.0;
    airhandler::SupplySpec supply;
    airhandler::OutdoorAirSpec outdoorAir;
    std::vector<airhandler::Component> components; // in the order the air meets them
    friend bool operator==(const AirHandlerCase&, const AirHandlerCase&) = default;
};

struct AirHandlerSetup {
    // The unit of the solution's volume airflows.
    processes::AirflowUnit airflowUnit = processes::AirflowUnit::Cfm;
    AirHandlerCase summer = DefaultSummer();
    AirHandlerCase winter = DefaultWinter();

    [[nodiscard]] const AirHandlerCase& of(airhandler::Season season) const noexcept {
        return season == airhandler::Season::Summer ? summer : winter;
    }
    [[nodiscard]] AirHandlerCase& of(airhandler::Season season) noexcept {
        return season == airhandler::Season::Summer ? summer : winter;
    }
    friend bool operator==(const AirHandlerSetup&, const AirHandlerSetup&) = default;

    // The air handler's own example (airhandler::Design): the room at 75 °F
    // dry bulb and 50 % relative humidity, the outdoor air at 95 °F dry bulb
    // and 75 °F wet bulb.
    static AirHandlerCase DefaultSummer();
    // The room at 70 °F and 30 %, the outdoor air at 0 °F and 0.0007 lb/lb.
    static AirHandlerCase DefaultWinter();
};

// Why the setup cannot be kept, nothing when it can: a room or outdoor pair
// CheckDefinition refuses, a number that is not finite (which no file could
// hold), or a component's settings that the air handler refuses whatever the
// air (an effectiveness outside 0 to 1, a negative rise, ...). A case that
// is solved to no air, or whose chain cannot reach the supply, is kept: its
// solution says why, as a point that is no air keeps its reason.
std::optional<std::string> CheckAirHandler(const AirHandlerSetup& setup);

// The setup solved at the project's atmosphere.
struct AirHandlerResult {
    // The design the setup makes: each case's room and outdoor air solved as
    // a point is, at the atmosphere's pressure, in its unit system.
    airhandler::Design design;
    airhandler::Solution solution;
    // Why a case is refused before it is solved: its room or outdoor air is
    // no air (the definition's own reason); empty for a case that was solved.
    std::array<std::string, 2> unresolved;

    // The sentence for a refused case (the reason its air is none, or the
    // air handler's explanation, naming the component); empty when solved.
    [[nodiscard]] std::string refusal(airhandler::Season season) const;
};

AirHandlerResult SolveAirHandler(const AirHandlerSetup& setup, const Atmosphere& atmosphere);

// The setup's room and outdoor definitions re-expressed for another unit
// system with the same air (ForSystem), at `atmosphere` in `from`.
AirHandlerSetup AirHandlerForSystem(const AirHandlerSetup& setup, const Atmosphere& atmosphere,
                                    UnitSystem to);

} // namespace project
