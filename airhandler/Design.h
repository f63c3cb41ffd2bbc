#pragma once

// The design of an air handler: what the engineer enters, as plain data that
// a project can store, compare and undo. Solve (Solve.h) turns it into the
// supply air, the airflows, every component's states and loads and the
// plant's totals, for a summer and a winter design day.
//
// Units: the program's inch-pound base units throughout (°F, lb water per lb
// dry air, psia, Btu/h); temperature differences in °F (1 K = 1.8 °F);
// fractions 0 to 1 for shares, effectivenesses and relative humidities.
// Airflows keep the unit they were entered in (processes::Airflow). The panel
// converts what the user types with engine/Units.h.
//
// The air of one case flows like this:
//
//   outdoor air ─ [components on the outdoor air] ─┐
//                                                  mixing box ─ [components] ─ supply ─ room
//   return air (= room air) ───────────────────────┘                                    │
//        └── exhaust (through the heat recovery's exhaust side) ◄──────────────────────┘
//
// The components before the mixing box treat the outdoor air alone (heat
// recovery must stand there); those after it treat the whole supply air.
// Without a mixing box in the chain the outdoor and return air mix before
// the first component.
//
// Every field is always present, whichever option is chosen, so that
// switching an option back and forth keeps what the user typed; each comment
// says which option a field belongs to. A default-constructed design is a
// complete, solvable example (a classic summer and winter design at sea
// level).

#include "core/Translatable.h"
#include "processes/Airflow.h"

#include <optional>
#include <variant>
#include <vector>

namespace airhandler {

using basPsychroFun::UnitSystem;

// --- The supply air ---------------------------------------------------------

// How the supply air is chosen on the room's sensible-heat-ratio line. The
// supply air carries exactly the room's sensible and latent loads; one more
// quantity fixes it:
//   DryBulb                 its dry bulb, dryBulbF;
//   TemperatureDifference   its dry bulb differenceF below the room's in
//                           cooling, above it in heating (differenceF > 0);
//   Airflow                 its volume airflow, taken at the supply air.
enum class SupplyBy { DryBulb, TemperatureDifference, Airflow };

struct SupplySpec {
    SupplyBy by = SupplyBy::DryBulb;
    double dryBulbF = 55.0;    // DryBulb, °F
    double differenceF = 20.0; // TemperatureDifference, °F (K × 1.8)
    processes::Airflow airflow{10000.0, processes::AirflowUnit::Cfm}; // Airflow, > 0
    friend bool operator==(const SupplySpec&, const SupplySpec&) = default;
};

// --- The outdoor air ----------------------------------------------------------

// The minimum outdoor air:
//   Airflow   a volume airflow taken at the outdoor air (zero: none);
//   Share     a share of the supply air's mass of dry air, 0 to 1 (1: all
//             outdoor air). By mass, so that the mixed air lies that share of
//             the way from the return air to the outdoor air on the chart.
// Either way it may not exceed the supply air.
enum class OutdoorAirBy { Airflow, Share };

struct OutdoorAirSpec {
    OutdoorAirBy by = OutdoorAirBy::Share;
    processes::Airflow airflow{2000.0, processes::AirflowUnit::Cfm}; // Airflow, >= 0
    double share = 0.2;                                              // Share, 0 to 1
    friend bool operator==(const OutdoorAirSpec&, const OutdoorAirSpec&) = default;
};

// --- Components ---------------------------------------------------------------

// A heat-recovery wheel or plate exchanger between the outdoor air (its supply
// side, the component's entering air) and the exhaust air (room air leaving
// the building). Rated by its sensible and latent effectiveness as AHRI
// Standard 1060 defines them, each 0 to 1 (a sensible-only plate or wheel has
// latent effectiveness 0). The exhaust airflow is taken at the room air; when
// none is given it carries the same mass of dry air as the outdoor air
// (balanced flows). It may not exceed the return air. The exchanger must
// stand before the mixing box, and stops while the economizer brings in more
// than the minimum outdoor air.
enum class Exchanger { Wheel, Plate };

struct HeatRecovery {
    Exchanger exchanger = Exchanger::Wheel;
    double sensibleEffectiveness = 0.7;
    double latentEffectiveness = 0.6;
    std::optional<processes::Airflow> exhaustAirflow; // none: balanced
    friend bool operator==(const HeatRecovery&, const HeatRecovery&) = default;
};

// The economizer of the mixing box: in cooling, it opens the outdoor air
// dampers beyond the minimum, to maximumShare of the supply air's dry air,
// when the outdoor air is better than the return air:
//   None        never: the minimum outdoor air;
//   DryBulb     when the outdoor dry bulb is below the return air's;
//   Enthalpy    when the outdoor enthalpy is below the return air's.
// With a high limit, outdoor air warmer than highLimitDryBulbF (°F) is never
// used beyond the minimum. In heating it keeps the minimum.
enum class Economizer { None, DryBulb, Enthalpy };

struct MixingBox {
    Economizer economizer = Economizer::None;
    std::optional<double> highLimitDryBulbF; // °F
    double maximumShare = 1.0;               // minimum share to 1
    friend bool operator==(const MixingBox&, const MixingBox&) = default;
};

// A preheat or reheat coil: sensible heat at a constant humidity ratio.
//   LeavingDryBulb   to leavingDryBulbF (°F); off when the air already is as warm;
//   Rise             by riseF (°F >= 0);
//   ToSupply         to the dry bulb that makes the chain end at the supply
//                    air's dry bulb (the rises of the later components
//                    allowed for); only after the mixing box.
// The role only names it.
enum class HeatingRole { Preheat, Reheat };
enum class HeatingBy { LeavingDryBulb, Rise, ToSupply };

struct HeatingCoil {
    HeatingRole role = HeatingRole::Reheat;
    HeatingBy by = HeatingBy::ToSupply;
    double leavingDryBulbF = 55.0; // LeavingDryBulb
    double riseF = 10.0;           // Rise
    friend bool operator==(const HeatingCoil&, const HeatingCoil&) = default;
};

// A cooling coil. It cools, and dehumidifies where the leaving air is drier;
// where the coil would leave the air more humid than it entered, it runs dry
// (sensible cooling at the entering humidity ratio).
//   LeavingDryBulbAndRh   leaving at leavingDryBulbF (°F) and
//                         leavingRelativeHumidity (0 to 1];
//   ApparatusDewPoint     by its apparatus dew point apparatusDewPointF (°F)
//                         and bypass factor (0 <= BF < 1);
//   ToSupplyHumidity      to the humidity ratio that makes the chain end at
//                         the supply air's, leaving at
//                         leavingRelativeHumidity; a reheat coil then brings
//                         the dry bulb to the supply's;
//   ToSupplyState         to the humidity ratio and dry bulb that make the
//                         chain end at the supply air (no reheat).
// The ToSupply options only after the mixing box. The coil is off when the
// air entering already is as cool (and as dry).
enum class CoolingBy { LeavingDryBulbAndRh, ApparatusDewPoint, ToSupplyHumidity, ToSupplyState };

struct CoolingCoil {
    CoolingBy by = CoolingBy::ToSupplyHumidity;
    double leavingDryBulbF = 55.0;
    double leavingRelativeHumidity = 0.95;
    double apparatusDewPointF = 50.0;
    double bypassFactor = 0.1;
    friend bool operator==(const CoolingCoil&, const CoolingCoil&) = default;
};

// The supply fan's heat, where it stands in the chain: before the cooling
// coil it blows through, after it it draws through.
//   Power   by its shaft (brake) power in powerUnit: with the motor in the
//           airstream all the motor's input, power / motorEfficiency, heats
//           the air; with the motor outside, the shaft power alone;
//   Rise    by riseF (°F >= 0).
enum class FanBy { Power, Rise };
enum class PowerUnit { Kilowatts, Horsepower };

struct SupplyFan {
    FanBy by = FanBy::Rise;
    double power = 10.0; // Power, >= 0, in powerUnit
    PowerUnit powerUnit = PowerUnit::Kilowatts;
    double motorEfficiency = 0.9; // Power, (0, 1]
    bool motorInAirstream = true; // Power
    double riseF = 2.0;           // Rise
    friend bool operator==(const SupplyFan&, const SupplyFan&) = default;
};

// A humidifier. Steam adds water at a nearly constant dry bulb (the steam's
// heat, at steamTemperatureF, goes into the air too); an adiabatic
// (evaporative) humidifier adds water at a constant wet bulb.
//   LeavingDewPoint   to leavingDewPointF (°F);
//   LeavingRh         to leavingRelativeHumidity (0 to 1];
//   ToSupply          to the humidity ratio that makes the chain end at the
//                     supply air's; only after the mixing box.
// Off when the entering air is already as humid.
enum class HumidifierKind { Steam, Adiabatic };
enum class HumidifierBy { LeavingDewPoint, LeavingRh, ToSupply };

struct Humidifier {
    HumidifierKind kind = HumidifierKind::Steam;
    HumidifierBy by = HumidifierBy::ToSupply;
    double leavingDewPointF = 40.0;
    double leavingRelativeHumidity = 0.4;
    double steamTemperatureF = 212.0; // Steam: saturated steam at one atmosphere
    friend bool operator==(const Humidifier&, const Humidifier&) = default;
};

using Component =
    std::variant<HeatRecovery, MixingBox, HeatingCoil, CoolingCoil, SupplyFan, Humidifier>;

// --- Cases and the design ----------------------------------------------------

enum class Season { Summer, Winter };
// What the air handler does for the room: cooling takes a sensible heat gain
// away (supply colder than the room), heating makes up a sensible heat loss
// (supply warmer).
enum class Duty { Cooling, Heating };

struct DesignCase {
    Duty duty = Duty::Cooling;
    // Dry bulb and humidity ratio at the design's pressure; the project
    // resolves whatever two properties the user gave.
    processes::AirState room;
    processes::AirState outdoor;
    // The room's loads, Btu/h: positive a gain to the room's air, negative a
    // loss. The sensible load is a gain in cooling and a loss in heating; the
    // latent load may be either.
    double roomSensibleBtuPerHour = 0.0;
    double roomLatentBtuPerHour = 0.0;
    SupplySpec supply;
    OutdoorAirSpec outdoorAir;
    std::vector<Component> components; // in the order the air meets them
    friend bool operator==(const DesignCase&, const DesignCase&) = default;
};

struct Design {
    double pressurePsia = basPsychroFun::units::kAtmospherePsia;
    // Enthalpy in this system's formulation, as the processes use it.
    UnitSystem system = UnitSystem::IP;
    // The unit the solution's volume airflows are given in.
    processes::AirflowUnit airflowUnit = processes::AirflowUnit::Cfm;
    DesignCase summer = DefaultSummer();
    DesignCase winter = DefaultWinter();

    [[nodiscard]] const DesignCase& of(Season season) const noexcept {
        return season == Season::Summer ? summer : winter;
    }
    [[nodiscard]] DesignCase& of(Season season) noexcept {
        return season == Season::Summer ? summer : winter;
    }
    friend bool operator==(const Design&, const Design&) = default;

    // A room at 75 °F and 50 % with 100,000 Btu/h sensible and 25,000 Btu/h
    // latent gains, supplied at 55 °F; 20 % outdoor air at 95 °F dry bulb and
    // 75 °F wet bulb; mixing box, cooling coil to the supply air and a
    // draw-through fan adding 2 °F.
    static DesignCase DefaultSummer();
    // The same room at 70 °F and 30 % losing 150,000 Btu/h and gaining
    // 10,000 Btu/h latent, supplied 25 °F warmer; 20 % outdoor air at 0 °F
    // and 0.0007 preheated to 40 °F, mixing box, fan 2 °F, reheat and a steam
    // humidifier both to the supply.
    static DesignCase DefaultWinter();
};

// The name of a component as the tables show it, e.g. "Cooling coil": marked
// for translation (core/Translatable.h), and in English.
i18n::Text ComponentNameText(const Component& component) noexcept;
std::string_view ComponentName(const Component& component) noexcept;

} // namespace airhandler
