#pragma once

// What makes a computed state real air, and why the results are empty when
// it is not. Free of widgets and of Qt, so that the window and every other
// caller of the compute core check a state and word the reason alike.

#include "core/CalcState.h"
#include "core/Translatable.h"
#include "engine/FloatingPointFault.h"
#include "engine/Limits.h"

#include <optional>
#include <string>
#include <string_view>

namespace calculator {

// Why the results are empty.
enum class Reason {
    // The solution of the two inputs.
    NoSolution, // an arithmetic fault on the way: no air has these inputs
    NotSolved,  // a solver's dry bulb does not give its inputs back
    NoDryBulb,  // relative humidity 0 with humidity ratio 0 fixes no state
    // The state: outside the range of the formulation, or not air at all.
    DryBulbBelowRange,
    DryBulbAboveRange,
    WetBulbBelowRange,
    WetBulbAboveRange,
    DewPointBelowRange,
    DewPointAboveRange,
    WetBulbAboveDryBulb,
    HumidityRatioNegative,
    RelativeHumidityNegative,
    RelativeHumidityAboveRange,
    VaporPressureAtAtmosphere,
    VolumeNotPositive,
    OutOfRangeMarker,
    // The atmosphere the state is computed at.
    PressureNotPositive,
    PressureAboveRange,
    AltitudeBelowRange,
    AltitudeAboveRange,
    // A typed entry that was not stored.
    UnreadableNumber,
    NumberTooLarge,
};

// The one short line that says why, in words an engineer reads at a glance.
// Limits are given in the units of `unitSystem` ("SI": °C, m, kPa; anything
// else: °F, ft, psia); `typed` is the text of an entry that was not stored,
// quoted in the line and shortened when long (20 characters, then "…").
// The message is the English sentence with its limit or the typed text as
// an argument, for a window to translate (core/Translatable.h); ReasonText
// is its English line.
i18n::Message ReasonMessage(Reason reason, std::string_view unitSystem = "IP",
                            std::string_view typed = {});
std::string ReasonText(Reason reason, std::string_view unitSystem = "IP",
                       std::string_view typed = {});

// A computed state that is not air is a failed compute like an arithmetic
// fault, and is thrown as one, so that every caller that handles faults
// handles it too; it carries the reason.
class NoSuchAir : public basPsychroFun::FloatingPointFault {
public:
    explicit NoSuchAir(Reason reason)
        : FloatingPointFault(Kind::InvalidOperation), reason_(reason) {}
    [[nodiscard]] Reason reason() const noexcept { return reason_; }
    [[nodiscard]] const char* what() const noexcept override { return "no such air"; }

private:
    Reason reason_;
};

// Perfectly dry air has no vapour pressure and so no dew point; every other
// property of it exists.
inline bool HasDewPoint(const CalcState& state) {
    return state.Pw > 0.0f;
}

// Why a temperature (°F) is outside the range of the formulation, -148 °F to
// 400 °F: `below` or `above`; nullopt inside it.
inline std::optional<Reason> CheckTemperature(float tF, Reason below, Reason above) {
    if (tF >= static_cast<float>(basPsychroFun::kMinTemperatureF) &&
        tF <= static_cast<float>(basPsychroFun::kMaxTemperatureF))
        return std::nullopt;
    return tF > static_cast<float>(basPsychroFun::kMaxTemperatureF) ? above : below;
}
// Why a pressure (psia) is no atmosphere the program works in: at or below
// zero, or beyond ten standard atmospheres (compared in single precision, as
// the pressure is kept: 146.96 typed is in range). nullopt when it is one.
inline std::optional<Reason> CheckPressure(float patmPsia) {
    if (!(patmPsia > 0.0f))
        return Reason::PressureNotPositive;
    if (patmPsia > static_cast<float>(basPsychroFun::kMaxAtmosphericPressurePsia))
        return Reason::PressureAboveRange;
    return std::nullopt;
}
// Why an altitude (ft) has no pressure: outside the range of the standard-
// atmosphere polynomial (with its margin below sea level).
std::optional<Reason> CheckAltitude(float altFt);

// Why a computed state is not real air, nullopt when it is: an atmosphere the
// program does not work in; a dry bulb, wet bulb or dew point (where one
// exists) outside -148 °F to 400 °F; a negative humidity ratio or relative
// humidity; a vapour pressure at or above the atmospheric pressure or a
// relative humidity above 102 %; a wet bulb above the dry bulb that no such
// air has; a specific volume or density that is not positive; the
// out-of-range marker of the engine anywhere. Cheap: comparisons, and the wet-bulb equation only
// for a wet bulb above the dry bulb.
std::optional<Reason> CheckRealAir(const CalcState& state);

} // namespace calculator
