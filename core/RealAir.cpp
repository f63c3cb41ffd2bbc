#include "core/RealAir.h"

#include "engine/Limits.h"
#include "engine/PsychroFun.h"
#include "engine/Units.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace calculator {

namespace psy = basPsychroFun;

namespace {

// The marker the engine returns for arguments outside its range, in the
// inch-pound base units and as a pressure that left the engine through "SI".
constexpr float kMarker = static_cast<float>(psy::kNoResult);
constexpr float kMarkerKPa = static_cast<float>(psy::units::PsiaToKPa(psy::kNoResult));

// Inclusive, and false for NaN.
bool within(float value, double lowest, double highest) {
    const auto v = static_cast<double>(value);
    return v >= lowest && v <= highest;
}

// --- Wording --------------------------------------------------------------

// A number as the line shows it: at most `decimals` decimals, trailing zeros
// dropped, thousands grouped with ",". Independent of the C library's locale.
std::string number(double value, int decimals) {
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::fixed, decimals);
    std::string text(buffer.data(), ec == std::errc{} ? end : buffer.data());
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    const std::size_t digits = text.find_first_of("0123456789");
    const std::size_t point = std::min(text.find('.'), text.size());
    for (std::size_t at = point; at > digits + 3; at -= 3)
        text.insert(at - 3, 1, ',');
    return text;
}

using i18n::Argument;

Argument temperature(double tF, bool metric) {
    return metric ? Argument::Number(number(psy::units::FahrenheitToCelsius(tF), 2), "°C")
                  : Argument::Number(number(tF, 2), "°F");
}
Argument altitude(double ft, bool metric) {
    return metric ? Argument::Number(number(psy::units::FeetToMetres(ft), 1), "m")
                  : Argument::Number(number(ft, 1), "ft");
}
Argument pressure(double psia, bool metric) {
    return metric ? Argument::Number(number(psy::units::PsiaToKPa(psia), 2), "kPa")
                  : Argument::Number(number(psia, 2), "psia");
}

// The sentences of a property outside the range of the formulation, below
// and above it; %1 is the limit.
struct RangeTexts {
    i18n::Text below;
    i18n::Text above;
};

i18n::Message outOfRange(const RangeTexts& texts, Reason reason, Reason below, bool metric) {
    const bool low = reason == below;
    return {low ? texts.below : texts.above,
            {temperature(low ? psy::kMinTemperatureF : psy::kMaxTemperatureF, metric)}};
}

// The typed text, cut after 20 characters (not bytes: UTF-8) with "…".
std::string shortened(std::string_view typed) {
    constexpr int kShown = 20;
    std::size_t end = 0;
    int characters = 0;
    while (end < typed.size() && characters <= kShown) {
        if ((static_cast<unsigned char>(typed[end]) & 0xC0) != 0x80)
            ++characters;
        if (characters <= kShown)
            ++end;
    }
    std::string text(typed.substr(0, end));
    if (end < typed.size())
        text += "…";
    return text;
}

// Whether the humidity ratio the psychrometer equation gives for the wet bulb
// is that of air at most kMaxRelativeHumidity saturated at the dry bulb.
bool wetBulbWithinSaturation(const CalcState& s) {
    try {
        const double w = psy::HumidityRatioFromDryBulbAndWetBulb(static_cast<double>(s.Tdb),
                                                                 static_cast<double>(s.Twb),
                                                                 static_cast<double>(s.Patm), "IP");
        const double pw = psy::VaporPressureFromHumidityRatio(w, static_cast<double>(s.Patm), "IP");
        const double pws = psy::SaturationPressure(static_cast<double>(s.Tdb), "IP");
        return pw / pws <= psy::kMaxRelativeHumidity;
    } catch (const psy::FloatingPointFault&) {
        return false;
    }
}

} // namespace

i18n::Message ReasonMessage(Reason reason, std::string_view unitSystem, std::string_view typed) {
    const bool metric = psy::UnitSystemOf(unitSystem) == psy::UnitSystem::SI;
    switch (reason) {
    case Reason::NoSolution:
        return {VW_TRANSLATABLE("RealAir", "No such air: no state has these two inputs"), {}};
    case Reason::NotSolved:
        return {VW_TRANSLATABLE("RealAir", "Could not solve these two inputs for the dry bulb"),
                {}};
    case Reason::NoDryBulb:
        return {VW_TRANSLATABLE("RealAir", "No state: relative humidity 0 with humidity ratio 0 "
                                           "fixes no dry bulb"),
                {}};
    case Reason::DryBulbBelowRange:
    case Reason::DryBulbAboveRange:
        return outOfRange({VW_TRANSLATABLE("RealAir", "No such air: the dry bulb is below %1"),
                           VW_TRANSLATABLE("RealAir", "No such air: the dry bulb is above %1")},
                          reason, Reason::DryBulbBelowRange, metric);
    case Reason::WetBulbBelowRange:
    case Reason::WetBulbAboveRange:
        return outOfRange({VW_TRANSLATABLE("RealAir", "No such air: the wet bulb is below %1"),
                           VW_TRANSLATABLE("RealAir", "No such air: the wet bulb is above %1")},
                          reason, Reason::WetBulbBelowRange, metric);
    case Reason::DewPointBelowRange:
    case Reason::DewPointAboveRange:
        return outOfRange({VW_TRANSLATABLE("RealAir", "No such air: the dew point is below %1"),
                           VW_TRANSLATABLE("RealAir", "No such air: the dew point is above %1")},
                          reason, Reason::DewPointBelowRange, metric);
    case Reason::WetBulbAboveDryBulb:
        return {VW_TRANSLATABLE("RealAir", "No such air: the wet bulb is above the dry bulb"), {}};
    case Reason::HumidityRatioNegative:
        return {VW_TRANSLATABLE("RealAir", "No such air: the humidity ratio is below zero"), {}};
    case Reason::RelativeHumidityNegative:
        return {VW_TRANSLATABLE("RealAir", "No such air: the relative humidity is below 0 %"), {}};
    case Reason::RelativeHumidityAboveRange:
        return {VW_TRANSLATABLE("RealAir", "No such air: the relative humidity is above %1 %"),
                {Argument::Number(number(psy::kMaxRelativeHumidity * 100.0, 2))}};
    case Reason::VaporPressureAtAtmosphere:
        return {VW_TRANSLATABLE("RealAir",
                                "No such air: the vapor pressure reaches the atmospheric pressure"),
                {}};
    case Reason::VolumeNotPositive:
        return {VW_TRANSLATABLE("RealAir", "No such air: the specific volume is not positive"), {}};
    case Reason::OutOfRangeMarker:
        return {VW_TRANSLATABLE("RealAir",
                                "No such air: a property is outside the range of the formulation"),
                {}};
    case Reason::PressureNotPositive:
        return {VW_TRANSLATABLE("RealAir", "Atmospheric pressure at or below zero"), {}};
    case Reason::PressureAboveRange:
        return {VW_TRANSLATABLE("RealAir", "Atmospheric pressure beyond %1"),
                {pressure(psy::kMaxAtmosphericPressurePsia, metric)}};
    case Reason::AltitudeBelowRange:
        return {VW_TRANSLATABLE("RealAir", "Altitude below %1"),
                {altitude(psy::kMinAltitudeFt, metric)}};
    case Reason::AltitudeAboveRange:
        return {VW_TRANSLATABLE("RealAir", "Altitude beyond %1"),
                {altitude(psy::kMaxAltitudeFt, metric)}};
    case Reason::UnreadableNumber:
        return {VW_TRANSLATABLE("RealAir", "Could not read \"%1\" as a number"),
                {Argument::Plain(shortened(typed))}};
    case Reason::NumberTooLarge:
        return {VW_TRANSLATABLE("RealAir", "Could not store \"%1\": the number is too large"),
                {Argument::Plain(shortened(typed))}};
    }
    return {};
}

std::string ReasonText(Reason reason, std::string_view unitSystem, std::string_view typed) {
    return ReasonMessage(reason, unitSystem, typed).English();
}

std::optional<Reason> CheckAltitude(float altFt) {
    if (within(altFt, psy::kMinAltitudeFt, psy::kMaxAltitudeFt))
        return std::nullopt;
    return static_cast<double>(altFt) > psy::kMaxAltitudeFt ? Reason::AltitudeAboveRange
                                                            : Reason::AltitudeBelowRange;
}

namespace {

// The plain case, one test without branches: every check passes, with a dew
// point and no wet bulb above the dry bulb. Anything else takes the ordered
// checks below, which find the reason.
bool plainlyAir(const CalcState& s) {
    constexpr auto kLowest = static_cast<float>(psy::kMinTemperatureF);
    constexpr auto kHighest = static_cast<float>(psy::kMaxTemperatureF);
    constexpr auto kMostSaturated = static_cast<float>(psy::kMaxRelativeHumidity);
    const auto inRange = [=](float t) { return (t >= kLowest) & (t <= kHighest); };
    const auto unmarked = [](float v) { return (v != kMarker) & (v != kMarkerKPa); };
    constexpr auto kHighestPressure = static_cast<float>(psy::kMaxAtmosphericPressurePsia);
    return (s.Patm > 0.0f) & (s.Patm <= kHighestPressure) & inRange(s.Tdb) & inRange(s.Twb) &
           inRange(s.Tdp) & (s.W >= 0.0f) & (s.Phi >= 0.0f) & (s.Pw > 0.0f) & (s.Pw < s.Patm) &
           (s.Phi <= kMostSaturated) & (s.Twb <= s.Tdb) & (s.V > 0.0f) & (s.Rho > 0.0f) &
           unmarked(s.Ws) & unmarked(s.H) & unmarked(s.Pws) & unmarked(s.Mu) & unmarked(s.Dv);
}

} // namespace

std::optional<Reason> CheckRealAir(const CalcState& s) {
    if (plainlyAir(s))
        return std::nullopt;
    if (const auto r = CheckPressure(s.Patm))
        return r;
    if (const auto r =
            CheckTemperature(s.Tdb, Reason::DryBulbBelowRange, Reason::DryBulbAboveRange))
        return r;
    if (const auto r =
            CheckTemperature(s.Twb, Reason::WetBulbBelowRange, Reason::WetBulbAboveRange))
        return r;
    if (!(s.W >= 0.0f))
        return Reason::HumidityRatioNegative;
    if (!(s.Phi >= 0.0f))
        return Reason::RelativeHumidityNegative;
    if (HasDewPoint(s)) {
        if (const auto r =
                CheckTemperature(s.Tdp, Reason::DewPointBelowRange, Reason::DewPointAboveRange))
            return r;
    }
    // More water than the air can hold. Saturated air given by its own wet
    // bulb comes back a little above 100 % through the dew-point correlation,
    // and stays.
    if (!(s.Pw < s.Patm))
        return Reason::VaporPressureAtAtmosphere;
    if (!(static_cast<double>(s.Phi) <= psy::kMaxRelativeHumidity))
        return Reason::RelativeHumidityAboveRange;
    // A wet bulb above the dry bulb is only ever the rounding of saturated
    // air, or the formulation's own wet bulb of air near saturation, which the
    // dew-point correlation puts up to kWetBulbSlackF above (0.07 °F at -5 °F
    // and 100.5 %, where the psychrometer equation at that wet bulb gives
    // 102.8 %). Far below freezing the correlation leaves its range and puts
    // the wet bulb of quite dry air degrees above its dry bulb: the
    // psychrometer equation then gives far more water than the air holds.
    if (static_cast<double>(s.Twb) > static_cast<double>(s.Tdb) + psy::kWetBulbSlackF &&
        !wetBulbWithinSaturation(s))
        return Reason::WetBulbAboveDryBulb;
    if (!(s.V > 0.0f) || !(s.Rho > 0.0f))
        return Reason::VolumeNotPositive;
    for (const float v :
         {s.Tdb, s.Twb, s.Phi, s.W, s.Ws, s.V, s.Rho, s.H, s.Pw, s.Pws, s.Mu, s.Dv}) {
        if (v == kMarker || v == kMarkerKPa)
            return Reason::OutOfRangeMarker;
    }
    return std::nullopt;
}

} // namespace calculator
