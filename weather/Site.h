#pragma once

// The pressure the chart of a weather file is drawn for: the standard
// atmosphere at the site's elevation.

#include "core/Translatable.h"
#include "weather/Hour.h"

#include <optional>
#include <span>
#include <string_view>

namespace weather {

enum class SitePressureSource {
    Elevation,           // the engine's altitude polynomial at the site's elevation
    ElevationOutOfRange, // the elevation lies outside the polynomial's range
    NoElevation,         // the file gives no elevation
};

struct SitePressure {
    double psia = 0.0;
    SitePressureSource source = SitePressureSource::Elevation;
};

// From the elevation (m) by the engine's PressureFromAltitude, within the
// program's range of altitude (-609.6 m to 19,812 m). Outside it, or without
// an elevation, the median station pressure of the hours stands in (standard
// sea-level pressure when there are no hours), and `source` says so.
SitePressure SitePressureOf(std::optional<double> elevationM, std::span<const Hour> hours);

// What the chart says of a pressure that is not the elevation's: "" for
// Elevation, otherwise one sentence naming what stood in; marked for
// translation (core/Translatable.h), and in English.
i18n::Text SitePressureSourceText(SitePressureSource source) noexcept;
std::string_view DescribeSitePressureSource(SitePressureSource source);

} // namespace weather
