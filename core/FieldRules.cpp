#include "core/FieldRules.h"

#include "core/FieldTable.h"
#include "engine/PsychroFun.h"
#include "engine/Units.h"
#include "units/Conversions.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace calculator {

namespace {

// The conversions of one typed quantity, to its base unit and back.
struct UnitConversions {
    float (*toBase)(double, int) noexcept;
    float (*fromBase)(double, int) noexcept;
};

std::optional<UnitConversions> conversionsOf(int field) {
    using namespace basConversions;
    using basPsychroFun::ConvertTemperatureFromBase;
    using basPsychroFun::ConvertTemperatureToBase;
    switch (field) {
    case kDryBulb:
    case kWetBulb:
        return UnitConversions{&ConvertTemperatureToBase, &ConvertTemperatureFromBase};
    case kHumidityRatio:
        return UnitConversions{&ConvertHumidityRatioToBase, &ConvertHumidityRatioFromBase};
    case kEnthalpy:
        return UnitConversions{&ConvertEnthalpyToBase, &ConvertEnthalpyFromBase};
    case kAtmosphericPressure:
        return UnitConversions{&ConvertPressureToBase, &ConvertPressureFromBase};
    case kAltitude:
        return UnitConversions{&ConvertAltitudeToBase, &ConvertAltitudeFromBase};
    default:
        return std::nullopt;
    }
}

// The other value of the atmosphere row, derived from the one entered, in
// single precision; the engine's marker where it cannot be had.
template <typename Derive>
float derivedOrMarker(const Derive& derive) {
    try {
        if (const std::optional<float> v = basPsychroFun::units::ToSingle(derive()))
            return *v;
    } catch (const basPsychroFun::FloatingPointFault&) {
        // An arithmetic fault in the engine: no value to derive.
    }
    return static_cast<float>(basPsychroFun::kNoResult);
}

} // namespace

Entry EntryOf(std::optional<double> typed, bool blank, int field, int position) {
    if (blank) {
        if (field == kRelativeHumidity)
            return {};
        return {0.0f, std::nullopt};
    }
    if (!typed)
        return {std::nullopt, Reason::UnreadableNumber};
    if (!basPsychroFun::units::ToSingle(*typed))
        return {std::nullopt, Reason::NumberTooLarge};
    if (field == kRelativeHumidity) // typed in per cent
        return {static_cast<float>(*typed / 100.0), std::nullopt};

    const std::optional<UnitConversions> units = conversionsOf(field);
    if (!units || !IsUnitPosition(field, position))
        return {0.0f, std::nullopt};
    const float base = units->toBase(*typed, position);
    // A conversion whose result does not fit single precision gives 0: back
    // in the typed unit that is far from what was typed.
    const double back = static_cast<double>(units->fromBase(static_cast<double>(base), position));
    if (!(std::fabs(back - *typed) <= 1e-3 * std::max(1.0, std::fabs(*typed))))
        return {std::nullopt, Reason::NumberTooLarge};
    return {base, std::nullopt};
}

void StoreEntry(CalcState& state, int field, float value) {
    namespace psy = basPsychroFun;
    switch (field) {
    case kDryBulb:
        state.Tdb = value;
        break;
    case kWetBulb:
        state.Twb = value;
        break;
    case kRelativeHumidity:
        state.Phi = value;
        break;
    case kHumidityRatio:
        state.W = value;
        break;
    case kEnthalpy:
        state.H = value;
        break;
    case kAtmosphericPressure:
        // The altitude of a pressure outside the standard atmosphere's range
        // is kept as the engine gives it and never shown.
        state.Patm = value;
        state.Alt = derivedOrMarker(
            [p = static_cast<double>(value)] { return psy::AltitudeFromPressure(p, "IP"); });
        break;
    case kAltitude:
        // An altitude outside the polynomial's range has no pressure.
        state.Alt = value;
        state.Patm = static_cast<float>(psy::kNoResult);
        if (!CheckAltitude(value))
            state.Patm = derivedOrMarker(
                [z = static_cast<double>(value)] { return psy::PressureFromAltitude(z, "IP"); });
        break;
    default:
        break;
    }
}

int DecimalsOf(std::string_view pattern) {
    // The length minus the 1-based position of the point (0 when there is
    // none).
    const std::size_t point = pattern.find('.');
    return static_cast<int>(point == std::string_view::npos ? pattern.size()
                                                            : pattern.size() - (point + 1));
}

std::string MoreDigits(std::string_view pattern) {
    std::string more(pattern);
    if (DecimalsOf(pattern) < kMaxDecimals)
        more += '0';
    return more;
}

std::string LessDigits(std::string_view pattern) {
    return std::string(DecimalsOf(pattern) > 0 ? pattern.substr(0, pattern.size() - 1) : pattern);
}

} // namespace calculator
