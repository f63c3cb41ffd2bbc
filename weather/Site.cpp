#include "weather/Site.h"

#include "engine/Limits.h"
#include "engine/PsychroFun.h"
#include "engine/Units.h"

#include <algorithm>
#include <vector>

namespace weather {

namespace {

namespace psy = basPsychroFun;

double MedianPressure(std::span<const Hour> hours) {
    if (hours.empty())
        return psy::units::kAtmospherePsia;
    std::vector<double> p;
    p.reserve(hours.size());
    for (const Hour& h : hours)
        p.push_back(h.pressurePsia);
    const auto middle = p.begin() + static_cast<std::ptrdiff_t>(p.size() / 2);
    std::nth_element(p.begin(), middle, p.end());
    return *middle;
}

} // namespace

SitePressure SitePressureOf(std::optional<double> elevationM, std::span<const Hour> hours) {
    if (!elevationM)
        return {MedianPressure(hours), SitePressureSource::NoElevation};
    const double zFt = psy::units::MetresToFeet(*elevationM);
    if (!(zFt >= psy::kMinAltitudeFt && zFt <= psy::kMaxAltitudeFt))
        return {MedianPressure(hours), SitePressureSource::ElevationOutOfRange};
    // The elevation is given in metres: the polynomial takes it as it is.
    const double pKPa = psy::PressureFromAltitude(*elevationM, "SI");
    if (!(pKPa > 0.0))
        return {MedianPressure(hours), SitePressureSource::ElevationOutOfRange};
    return {psy::units::KPaToPsia(pKPa), SitePressureSource::Elevation};
}

i18n::Text SitePressureSourceText(SitePressureSource source) noexcept {
    switch (source) {
    case SitePressureSource::Elevation:
        return i18n::Text{"weather::Site", ""};
    case SitePressureSource::ElevationOutOfRange:
        return VW_TRANSLATABLE(
            "weather::Site",
            "The site's elevation lies outside the range of the altitude polynomial (-609.6 m "
            "to 19812 m): the chart is drawn for the median station pressure of the file.");
    case SitePressureSource::NoElevation:
        return VW_TRANSLATABLE(
            "weather::Site",
            "The file gives no elevation: the chart is drawn for the median station pressure "
            "of the file.");
    }
    return i18n::Text{"weather::Site", ""};
}

std::string_view DescribeSitePressureSource(SitePressureSource source) {
    return SitePressureSourceText(source).source;
}

} // namespace weather
