#pragma once

// The solution of an air-handler design: for each case, the room's SHR line,
// the supply air and airflow that carry the room's loads, the outdoor,
// return and mixed air, every component's entering and leaving air with its
// process and loads, the check that the air leaving the chain meets the
// room's loads, and the plant's totals.
//
// Each case is solved on its own: a refused summer case leaves the winter
// case solved, and the reverse. A refused case carries its Issue and nothing
// else. Every state in a solution is real air and every number finite.
//
// Closing the chain: the air leaving the last component should be the supply
// air. The components may be sized by hand (a leaving dry bulb, a rise ...)
// or told to bring the air "to the supply": to the supply's dry bulb at most
// one heating coil (ToSupply) and one cooling coil (ToSupplyState), to its
// humidity ratio at most one cooling coil (ToSupplyHumidity, ToSupplyState)
// and one humidifier (ToSupply). Their leaving air is then solved so that,
// after every later component, the chain ends at the supply air. A coil and
// a heater (or a coil and a humidifier) share the target: only the one that
// can move the air that way acts, the other is off, so one chain, e.g. mixing
// box, cooling coil to the supply's humidity, fan, reheat and humidifier both
// to the supply, serves the summer and the winter case alike.
// Whether it does is the room-load check: the air leaving the chain, at the
// supply's mass flow, must take up the room's sensible and latent loads
// within 1 % each. Where it does not, the case is still solved and shown,
// with reachesSupply false: the user orders or sizes the components until it
// is true.

#include "airhandler/Design.h"
#include "airhandler/Issue.h"
#include "airhandler/ShrLine.h"
#include "core/Translatable.h"
#include "processes/CoolingCoil.h"
#include "processes/Process.h"

#include <optional>
#include <string_view>
#include <vector>

namespace airhandler {

// The air a component treats: the outdoor air alone (before the mixing box)
// or the whole supply air (after it).
enum class Stream { OutdoorAir, SupplyAir };

// Why the economizer decided as it did.
enum class EconomizerReason {
    NoEconomizer,            // none fitted (or no mixing box)
    Heating,                 // it acts only in cooling
    OutdoorDryBulbBelow,     // outdoor dry bulb below the return air's: economizing
    OutdoorDryBulbNotBelow,  // not below: minimum outdoor air
    OutdoorEnthalpyBelow,    // outdoor enthalpy below the return air's: economizing
    OutdoorEnthalpyNotBelow, // not below: minimum outdoor air
    AboveHighLimit,          // outdoor dry bulb above the high limit: minimum outdoor air
};

// E.g. "The outdoor enthalpy is below the return air's: outdoor air beyond
// the minimum.": marked for translation (core/Translatable.h), and in English.
i18n::Text EconomizerText(EconomizerReason reason) noexcept;
std::string_view Describe(EconomizerReason reason) noexcept;

struct EconomizerDecision {
    bool economizing = false; // outdoor air beyond the minimum
    EconomizerReason reason = EconomizerReason::NoEconomizer;
};

// The exhaust side of a heat-recovery exchanger: room air leaving the
// building.
struct ExhaustSide {
    processes::AirState entering; // the room air
    processes::AirState leaving;
    double dryAirLbPerHour = 0.0;
};

struct ComponentResult {
    std::string_view name; // ComponentName
    Stream stream = Stream::SupplyAir;
    processes::AirState entering;
    processes::AirState leaving;
    double dryAirLbPerHour = 0.0; // through the component
    // False when the component leaves the air as it is (off, stopped, a
    // mixing box with one stream only).
    bool active = false;
    // The process from the entering to the leaving air with its loads at
    // dryAirLbPerHour; positive loads go into the air. None when inactive
    // and for the mixing box (adiabatic: no load).
    std::optional<processes::ProcessAnalysis> analysis;
    // Why it is off, a dry coil, blow- or draw-through, the economizer's
    // decision; empty when there is nothing to say.
    std::string_view note;
    std::optional<processes::CoilCondition> coil; // an active cooling coil
    std::optional<ExhaustSide> exhaust;           // an active heat recovery
    std::optional<EconomizerDecision> economizer; // the mixing box
};

// Whether the air leaving the chain, at the supply's mass flow, takes up the
// room's loads on its way to the room state.
struct RoomLoadCheck {
    processes::HeatRate sensible; // delivered, Btu/h
    processes::HeatRate latent;
    // Delivered as a percentage of the room's load; none for a load of zero.
    std::optional<double> sensiblePercent;
    std::optional<double> latentPercent;
    // Each within 1 % of the room's load (a load of zero: within 1 % of the
    // room's total |q_s| + |q_l|).
    bool met = false;
};

// The plant's totals over the components, each positive for what the plant
// supplies.
struct Rollup {
    processes::HeatRate cooling;         // cooling coils: total heat removed
    processes::HeatRate coolingSensible; // of which sensible
    processes::HeatRate coolingLatent;   // of which latent
    processes::HeatRate heating;         // preheat and reheat coils: heat added
    processes::HeatRate steam;           // heat the steam humidifiers' steam brings
    processes::HeatRate fan;             // fan heat
    // Heat recovery: total heat moved into the outdoor air (negative when it
    // takes heat out, as in summer).
    processes::HeatRate recovered;
    double humidifierWaterLbPerHour = 0.0; // steam and adiabatic humidifiers
    double condensateLbPerHour = 0.0;      // water the cooling coils remove
    [[nodiscard]] double humidifierWaterKgPerHour() const noexcept;
    [[nodiscard]] double condensateKgPerHour() const noexcept;
};

struct CaseSolution {
    Duty duty = Duty::Cooling;
    ShrLine shrLine;
    std::optional<double> sensibleHeatRatio;
    // Where the SHR line meets saturation on the supply side (the room's
    // apparatus dew point); none where it does not.
    std::optional<processes::ChartPoint> shrLineSaturation;

    processes::AirState room; // and the return air
    processes::AirState supply;
    double supplyDryAirLbPerHour = 0.0;
    processes::Airflow supplyAirflow; // at the supply air, in the design's unit

    processes::AirState outdoor;
    double outdoorDryAirLbPerHour = 0.0;              // with the economizer's decision; 0: none
    std::optional<processes::Airflow> outdoorAirflow; // at the outdoor air; none when 0
    double outdoorShare = 0.0;                        // of the supply's dry air
    double returnDryAirLbPerHour = 0.0;               // recirculated
    EconomizerDecision economizer;
    processes::AirState mixed; // leaving the mixing box

    std::vector<ComponentResult> components; // one per component, in order
    processes::AirState chainEnd;            // leaving the last component (or the mixing)
    RoomLoadCheck roomCheck;
    bool reachesSupply = false; // roomCheck.met
    Rollup rollup;
};

struct Solution {
    UnitSystem system = UnitSystem::IP;
    processes::AirflowUnit airflowUnit = processes::AirflowUnit::Cfm;
    Outcome<CaseSolution> summer;
    Outcome<CaseSolution> winter;
    [[nodiscard]] const Outcome<CaseSolution>& of(Season season) const noexcept {
        return season == Season::Summer ? summer : winter;
    }
};

// The first component of the case whose own settings, for the option it is
// given, are refused whatever the air (an effectiveness above 1, a negative
// rise ...), with its position; nothing when every component's can be used.
// Solving the case makes the same check.
std::optional<Issue> CheckComponentSettings(const DesignCase& designCase);

// Solves one case of the design. Issues: see Reason; every input is checked
// before it is used, including the options of components that turn out off.
Outcome<CaseSolution> SolveCase(const Design& design, Season season);

// Both cases.
Solution Solve(const Design& design);

} // namespace airhandler
