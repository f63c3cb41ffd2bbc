#include "weather/HourState.h"

#include "engine/Limits.h"
#include "engine/PsychroFun.h"

#include <algorithm>
#include <array>

namespace weather {

namespace {

namespace psy = basPsychroFun;
constexpr const char* kIP = "IP";

bool InTemperatureRange(double tF) {
    return tF >= psy::kMinTemperatureF && tF <= psy::kMaxTemperatureF;
}

// The vapour pressure (psia) the row's humidity gives, or why it gives none.
std::variant<double, SkipReason> VaporPressure(const Reading& r) {
    const double t = r.dryBulbF;
    const double p = r.pressurePsia;
    switch (r.humidityKind) {
    case HumidityKind::DewPoint:
        if (!InTemperatureRange(r.humidity))
            return SkipReason::DewPointOutOfRange;
        return psy::SaturationPressure(r.humidity, kIP);
    case HumidityKind::RelativeHumidity:
        if (!(r.humidity > 0.0))
            return SkipReason::RelativeHumidityOutOfRange;
        if (r.humidity > psy::kMaxRelativeHumidity)
            return SkipReason::AboveSaturation;
        return psy::VaporPressureFromRelativeHumidity(t, r.humidity, kIP);
    case HumidityKind::WetBulb: {
        if (!InTemperatureRange(r.humidity))
            return SkipReason::WetBulbOutOfRange;
        const double w = psy::HumidityRatioFromDryBulbAndWetBulb(t, r.humidity, p, kIP);
        if (!(w > 0.0))
            return SkipReason::WetBulbOutOfRange; // drier than dry air
        return psy::VaporPressureFromHumidityRatio(w, p, kIP);
    }
    case HumidityKind::HumidityRatio:
        if (!(r.humidity > 0.0))
            return SkipReason::HumidityRatioOutOfRange;
        return psy::VaporPressureFromHumidityRatio(r.humidity, p, kIP);
    }
    return SkipReason::AboveSaturation;
}

} // namespace

bool IsStationPressure(double pressurePsia) {
    const double pa = psy::units::PsiaToPascals(pressurePsia);
    return pa > kMinStationPressurePa && pa < kMaxStationPressurePa;
}

std::variant<Hour, SkipReason> StateOfHour(const Reading& r) {
    if (!InTemperatureRange(r.dryBulbF))
        return SkipReason::DryBulbOutOfRange;
    if (!(r.pressurePsia > 0.0 && r.pressurePsia <= psy::kMaxAtmosphericPressurePsia))
        return SkipReason::PressureOutOfRange;
    try {
        const auto pw = VaporPressure(r);
        if (const auto* reason = std::get_if<SkipReason>(&pw))
            return *reason;
        const double vaporPressure = std::get<double>(pw);
        const double pws = psy::SaturationPressure(r.dryBulbF, kIP);
        const double phi = vaporPressure / pws;
        if (!(vaporPressure > 0.0 && vaporPressure < r.pressurePsia) ||
            phi > psy::kMaxRelativeHumidity)
            return SkipReason::AboveSaturation;

        Hour hour;
        hour.month = r.month;
        hour.day = r.day;
        hour.hourOfDay = r.hourOfDay;
        hour.dryBulbF = r.dryBulbF;
        hour.pressurePsia = r.pressurePsia;
        hour.relativeHumidity = phi;
        hour.humidityRatio =
            r.humidityKind == HumidityKind::HumidityRatio
                ? r.humidity
                : psy::HumidityRatioFromVaporPressure(vaporPressure, r.pressurePsia, kIP);
        hour.dewPointF = r.humidityKind == HumidityKind::DewPoint
                             ? r.humidity
                             : psy::DewPointFromVaporPressure(vaporPressure, kIP);
        hour.wetBulbF =
            r.humidityKind == HumidityKind::WetBulb
                ? r.humidity
                : psy::WetBulbFromDryBulbAndDewPoint(
                      r.dryBulbF, std::min(hour.dewPointF, r.dryBulbF), r.pressurePsia, kIP);
        return hour;
    } catch (const psy::FloatingPointFault&) {
        return SkipReason::AboveSaturation;
    }
}

std::optional<SkipReason> HourCalendar::take(int month, int day, int hourOfDay) {
    // Days before each month of a year without 29 February, and each month's length.
    static constexpr std::array<int, 12> kLength{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    static constexpr std::array<int, 12> kBefore{0,   31,  59,  90,  120, 151,
                                                 181, 212, 243, 273, 304, 334};
    if (month < 1 || month > 12 || day < 1 || hourOfDay < 0 || hourOfDay > 23)
        return SkipReason::NoSuchDate;
    if (month == 2 && day == 29)
        return SkipReason::LeapDay;
    const auto m = static_cast<std::size_t>(month - 1);
    if (day > kLength[m])
        return SkipReason::NoSuchDate;
    const auto slot = static_cast<std::size_t>((kBefore[m] + day - 1) * 24 + hourOfDay);
    if (seen_.test(slot))
        return SkipReason::RepeatedHour;
    seen_.set(slot);
    return std::nullopt;
}

} // namespace weather
