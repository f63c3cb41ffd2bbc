// The weather readers of the chart window, with the design conditions
// computed from what they read.

#include "engine/Limits.h"
#include "fuzz/Targets.h"
#include "weather/Design.h"
#include "weather/Site.h"
#include "weather/WeatherFile.h"

#include <cmath>
#include <optional>
#include <sstream>

namespace fuzz {

namespace {

namespace psy = basPsychroFun;

bool Temperature(double tF) {
    return tF >= psy::kMinTemperatureF && tF <= psy::kMaxTemperatureF;
}

// What a stored hour must be: a date of the year and real air.
Finding CheckHour(const weather::Hour& h, std::size_t index) {
    const std::string hour = "hour " + std::to_string(index) + ": ";
    if (h.month < 1 || h.month > 12 || h.day < 1 || h.day > 31 || h.hourOfDay < 0 ||
        h.hourOfDay > 23)
        return hour + "no such date or hour of day";
    if (!Temperature(h.dryBulbF) || !Temperature(h.dewPointF) || !Temperature(h.wetBulbF))
        return hour + "a temperature outside real air";
    if (!(h.humidityRatio >= 0.0) || !std::isfinite(h.humidityRatio))
        return hour + "humidity ratio not a non-negative number";
    if (!(h.relativeHumidity >= 0.0 && h.relativeHumidity <= psy::kMaxRelativeHumidity))
        return hour + "relative humidity outside 0 to 102 %";
    if (!(h.pressurePsia > 0.0 && h.pressurePsia <= psy::kMaxAtmosphericPressurePsia))
        return hour + "pressure outside the program's range";
    return {};
}

Finding CheckDesign(const weather::DesignConditions& design, std::string_view whose) {
    const auto bad = [](const std::optional<double>& value) {
        return value && !std::isfinite(*value);
    };
    bool fault = bad(design.heating996DryBulbF) || bad(design.heating990DryBulbF);
    for (const auto& cooling : design.cooling)
        fault = fault || (cooling && (!std::isfinite(cooling->dryBulbF) ||
                                      !std::isfinite(cooling->meanCoincidentWetBulbF)));
    if (design.dewPoint04)
        fault = fault || !std::isfinite(design.dewPoint04->dewPointF) ||
                bad(design.dewPoint04->humidityRatio) ||
                !std::isfinite(design.dewPoint04->meanCoincidentDryBulbF);
    return fault ? std::string(whose) + " design conditions hold a value that is no number"
                 : Finding{};
}

// A loaded file: every row met is kept or counted as skipped, every hour is
// real air, and the design conditions are numbers.
Finding CheckFile(const weather::WeatherFile& file) {
    const weather::ReadReport& report = file.report;
    if (file.problem != weather::FileProblem::None && !file.hours.empty())
        return "hours kept from a file refused as a whole";
    if (report.hours != file.hours.size())
        return "the report counts " + std::to_string(report.hours) + " hours, " +
               std::to_string(file.hours.size()) + " were kept";
    if (report.rows != report.hours + report.skippedTotal())
        return std::to_string(report.rows) + " rows met, " + std::to_string(report.hours) +
               " kept and " + std::to_string(report.skippedTotal()) + " skipped";
    for (std::size_t i = 0; i < file.hours.size(); ++i)
        if (Finding f = CheckHour(file.hours[i], i); !f.empty())
            return f;
    if (Finding f = CheckDesign(file.headerDesign, "the header's"); !f.empty())
        return f;
    const weather::SitePressure site =
        weather::SitePressureOf(file.location.elevationM, file.hours);
    if (!(site.psia > 0.0 && site.psia <= psy::kMaxAtmosphericPressurePsia))
        return "the site pressure " + std::to_string(site.psia) + " psia is no air's";
    return CheckDesign(weather::ComputeDesignConditions(file.hours, site.psia), "the computed");
}

} // namespace

Finding CheckWeatherEpw(std::string_view bytes) {
    std::istringstream in{std::string(bytes)};
    return CheckFile(weather::LoadEpw(in));
}

Finding CheckWeatherCsv(std::string_view bytes) {
    std::istringstream in{std::string(bytes)};
    return CheckFile(weather::LoadCsv(in, psy::units::kAtmospherePsia));
}

} // namespace fuzz
