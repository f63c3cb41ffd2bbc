#include "python/WeatherRows.h"

#include <array>
#include <cstddef>

namespace pyrows {

namespace {

namespace units = basPsychroFun::units;

std::optional<double> Temperature(std::optional<double> tF, UnitSystem system) {
    if (!tF || system == UnitSystem::IP)
        return tF;
    return units::FahrenheitToCelsius(*tF);
}

} // namespace

WeatherRead ReadWeather(const std::filesystem::path& path, double csvPressurePsia) {
    WeatherRead read;
    read.file = weather::LoadWeatherFile(path, csvPressurePsia);
    read.site = weather::SitePressureOf(read.file.location.elevationM, read.file.hours);
    read.design = weather::ComputeDesignConditions(read.file.hours, read.site.psia);
    return read;
}

void SolveHours(std::span<const weather::Hour> hours, UnitSystem system,
                const StateResults& results, unsigned threads) {
    // The hours' own values, in base units, read where they lie.
    StateRequest request;
    request.system = system;
    request.inputs = {*ColumnNamed("dry_bulb", UnitSystem::IP),
                      *ColumnNamed("humidity_ratio", UnitSystem::IP)};
    request.atmosphere = ColumnNamed("pressure", UnitSystem::IP);
    Shape shape;
    shape.dimensions = 1;
    shape.extents[0] = hours.size();
    std::array<Column, 3> columns{};
    if (hours.empty())
        return;
    const auto* first = reinterpret_cast<const char*>(hours.data());
    const auto offsets = std::array<std::size_t, 3>{offsetof(weather::Hour, dryBulbF),
                                                    offsetof(weather::Hour, humidityRatio),
                                                    offsetof(weather::Hour, pressurePsia)};
    for (std::size_t c = 0; c < columns.size(); ++c) {
        columns[c].data = first + offsets[c];
        columns[c].strides[0] = static_cast<std::ptrdiff_t>(sizeof(weather::Hour));
    }
    SolveRows(request, shape, columns, results, threads);
}

std::vector<std::pair<std::string, std::optional<double>>>
DesignValues(const weather::DesignConditions& design, UnitSystem system) {
    std::vector<std::pair<std::string, std::optional<double>>> values;
    values.emplace_back("heating_99.6_dry_bulb", Temperature(design.heating996DryBulbF, system));
    values.emplace_back("heating_99_dry_bulb", Temperature(design.heating990DryBulbF, system));
    constexpr std::array<const char*, 3> kPercents{"0.4", "1", "2"};
    for (std::size_t k = 0; k < kPercents.size(); ++k) {
        const auto& cooling = design.cooling[k];
        const std::string prefix = std::string("cooling_") + kPercents[k];
        values.emplace_back(
            prefix + "_dry_bulb",
            Temperature(cooling ? std::optional(cooling->dryBulbF) : std::nullopt, system));
        values.emplace_back(
            prefix + "_mean_coincident_wet_bulb",
            Temperature(cooling ? std::optional(cooling->meanCoincidentWetBulbF) : std::nullopt,
                        system));
    }
    const auto& dp = design.dewPoint04;
    values.emplace_back("dew_point_0.4",
                        Temperature(dp ? std::optional(dp->dewPointF) : std::nullopt, system));
    values.emplace_back("dew_point_0.4_humidity_ratio", dp ? dp->humidityRatio : std::nullopt);
    values.emplace_back(
        "dew_point_0.4_mean_coincident_dry_bulb",
        Temperature(dp ? std::optional(dp->meanCoincidentDryBulbF) : std::nullopt, system));
    return values;
}

} // namespace pyrows
