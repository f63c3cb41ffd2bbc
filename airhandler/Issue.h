#pragma once

// Why a case of an air-handler design has no solution, and the sentence that
// tells the user. A refused case shows nothing: no state that is not air, no
// number that is not a number. The design itself is never changed.

#include "core/Translatable.h"
#include "processes/Problem.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace airhandler {

enum class Reason {
    // The room, the outdoor air and the pressure
    PressureOutOfRange,   // the design's pressure is not air's
    RoomNotAir,           // with the problem
    OutdoorNotAir,        // with the problem
    StateAtOtherPressure, // a state at another pressure than the design's
    // The room's loads and the supply
    LoadNotFinite,
    SensibleLoadAgainstDuty,  // cooling without a heat gain, heating without a heat loss
    SupplyDryBulbAgainstDuty, // supply above the room in cooling, below it in heating
    BadTemperatureDifference, // not above zero
    NoSupplyAirflow,          // zero, negative or not a number
    SupplyBeyondSaturation,   // the SHR line at that dry bulb is fog
    SupplyTooDry,             // the airflow cannot carry the latent load
    SupplyNotAir,             // with the problem
    // The outdoor air
    NegativeOutdoorAir,
    OutdoorAirExceedsSupply,
    BadEconomizerShare, // maximum share below the minimum or above 1
    // The chain
    SeveralMixingBoxes,
    NoOutdoorAirToTreat,     // components before the mixing box, no outdoor air
    RecoveryAfterMixing,     // heat recovery not on the outdoor air
    ToSupplyOnOutdoorAir,    // a "to supply" component before the mixing box
    SeveralToSupplyDryBulb,  // two heating (or cooling) coils to the supply's dry bulb
    SeveralToSupplyHumidity, // two coils (or humidifiers) to the supply's humidity
    EffectivenessOutOfRange, // outside 0 to 1
    NoExhaustAirflow,        // an exhaust airflow given that is not above zero
    ExhaustExceedsReturn,    // more exhaust than return air
    RecoveryLeavesFog,       // either stream leaves the exchanger beyond saturation
    MixtureNotAir,           // with the problem
    BadTemperature,          // a leaving dry bulb, dew point, ADP or steam temperature out of range
    NegativeRise,            // a temperature rise below zero
    BadRelativeHumidity,     // outside (0, 1]
    BadFanPower,             // power below zero, motor efficiency outside (0, 1]
    BadBypassFactor,         // outside 0 (inclusive) to 1 (exclusive)
    CoilRefused,             // the coil cannot make that air, with the problem
    HumidifierBeyondSaturation, // an adiabatic humidifier asked for more than saturation
    LeavingNotAir,              // a component's leaving air, with the problem
    // The engine or a process refused air that passed every check.
    CalculationFault,
};

// Why, where, and the underlying problem of the processes library when there
// is one (the room not being air, a coil line through fog ...).
struct Issue {
    Reason reason = Reason::CalculationFault;
    std::optional<processes::Problem> problem;
    int component = -1; // the component's position in the chain; -1: the case
    friend bool operator==(const Issue&, const Issue&) = default;
};

// The sentence for a reason, e.g. "An effectiveness must lie from 0 to 1.":
// marked for translation (core/Translatable.h), and in English.
i18n::Text ReasonText(Reason reason) noexcept;
std::string_view Describe(Reason reason) noexcept;

// The whole message: the component named and numbered from 1 where there is
// one, the reason, and the problem's own sentence, e.g. "Component 3
// (Cooling coil): The cooling coil cannot make this air. The process line
// does not meet the saturation curve below the leaving air."
std::string Explain(const Issue& issue, std::string_view componentName = {});

// The same message for a window to translate: the component's name (as
// ComponentNameText marks it; none for a case's issue), the reason and the
// problem each translated where the message is shown. Its English() is
// Explain's text.
i18n::Message ExplainMessage(const Issue& issue, i18n::Text componentName = {});

// A result or the Issue that prevented it.
template <typename T>
class Outcome {
public:
    Outcome(T value) : v_(std::move(value)) {} // NOLINT(google-explicit-constructor)
    Outcome(Issue issue) : v_(issue) {}        // NOLINT(google-explicit-constructor)
    Outcome(Reason reason) : v_(Issue{reason, std::nullopt, -1}) {} // NOLINT

    [[nodiscard]] bool ok() const noexcept { return std::holds_alternative<T>(v_); }
    explicit operator bool() const noexcept { return ok(); }
    // Only when ok().
    [[nodiscard]] const T& value() const& { return std::get<T>(v_); }
    [[nodiscard]] const T& operator*() const& { return value(); }
    [[nodiscard]] const T* operator->() const { return &value(); }
    // Only when !ok().
    [[nodiscard]] const Issue& issue() const { return std::get<Issue>(v_); }

private:
    std::variant<T, Issue> v_;
};

} // namespace airhandler
