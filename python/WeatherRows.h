#pragma once

// A weather file for arrays: its hours read by the weather library, the
// states of those hours through the compute core, and its design conditions
// in the units of a unit system.

#include "engine/Units.h"
#include "python/StateRows.h"
#include "weather/Design.h"
#include "weather/Site.h"
#include "weather/WeatherFile.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace pyrows {

struct WeatherRead {
    weather::WeatherFile file;
    weather::SitePressure site;       // the standard atmosphere at the site's elevation
    weather::DesignConditions design; // computed from the hours kept
};

// Reads an EPW (".epw", any case) or CSV weather file; a CSV row without a
// pressure or altitude is at csvPressurePsia.
WeatherRead ReadWeather(const std::filesystem::path& path, double csvPressurePsia);

// The state of each hour, solved from its dry bulb and humidity ratio at its
// own pressure as SolveRows solves a row, the results in `system`.
void SolveHours(std::span<const weather::Hour> hours, UnitSystem system,
                const StateResults& results, unsigned threads);

// The design values by name ("heating_99.6_dry_bulb", "cooling_0.4_dry_bulb",
// "cooling_0.4_mean_coincident_wet_bulb", ..., "dew_point_0.4",
// "dew_point_0.4_humidity_ratio", "dew_point_0.4_mean_coincident_dry_bulb"),
// temperatures in °F or °C; nothing where the value is missing.
std::vector<std::pair<std::string, std::optional<double>>>
DesignValues(const weather::DesignConditions& design, UnitSystem system);

} // namespace pyrows
