#include "weather/Report.h"

#include "weather/Columns.h"

#include <numeric>

namespace weather {

i18n::Text SkipReasonText(SkipReason reason) noexcept {
    switch (reason) {
    case SkipReason::LineTooLong:
        return VW_TRANSLATABLE("weather::Report", "line longer than 16 MiB");
    case SkipReason::WrongFieldCount:
        return VW_TRANSLATABLE("weather::Report", "wrong number of fields");
    case SkipReason::NotANumber:
        return VW_TRANSLATABLE("weather::Report", "a value that is not a number");
    case SkipReason::NoSuchDate:
        return VW_TRANSLATABLE("weather::Report", "no such date or hour");
    case SkipReason::LeapDay:
        return VW_TRANSLATABLE("weather::Report", "leap day (29 February)");
    case SkipReason::RepeatedHour:
        return VW_TRANSLATABLE("weather::Report", "hour already read");
    case SkipReason::MissingDryBulb:
        return VW_TRANSLATABLE("weather::Report", "missing dry bulb");
    case SkipReason::DryBulbOutOfRange:
        return VW_TRANSLATABLE("weather::Report", "dry bulb out of range");
    case SkipReason::MissingPressure:
        return VW_TRANSLATABLE("weather::Report", "missing station pressure");
    case SkipReason::PressureOutOfRange:
        return VW_TRANSLATABLE("weather::Report", "station pressure out of range");
    case SkipReason::MissingDewPoint:
        return VW_TRANSLATABLE("weather::Report", "missing dew point");
    case SkipReason::DewPointOutOfRange:
        return VW_TRANSLATABLE("weather::Report", "dew point out of range");
    case SkipReason::MissingRelativeHumidity:
        return VW_TRANSLATABLE("weather::Report", "missing relative humidity");
    case SkipReason::RelativeHumidityOutOfRange:
        return VW_TRANSLATABLE("weather::Report", "relative humidity out of range");
    case SkipReason::MissingWetBulb:
        return VW_TRANSLATABLE("weather::Report", "missing wet bulb");
    case SkipReason::WetBulbOutOfRange:
        return VW_TRANSLATABLE("weather::Report", "wet bulb out of range");
    case SkipReason::MissingHumidityRatio:
        return VW_TRANSLATABLE("weather::Report", "missing humidity ratio");
    case SkipReason::HumidityRatioOutOfRange:
        return VW_TRANSLATABLE("weather::Report", "humidity ratio out of range");
    case SkipReason::AboveSaturation:
        return VW_TRANSLATABLE("weather::Report", "humidity above saturation");
    }
    return i18n::Text{"weather::Report", ""};
}

std::string_view DescribeSkipReason(SkipReason reason) {
    return SkipReasonText(reason).source;
}

i18n::Text FileProblemText(FileProblem problem) noexcept {
    switch (problem) {
    case FileProblem::None:
        return i18n::Text{"weather::Report", ""};
    case FileProblem::CannotOpen:
        return VW_TRANSLATABLE("weather::Report", "The file cannot be opened.");
    case FileProblem::NoSuchFile:
        return VW_TRANSLATABLE("weather::Report", "There is no such file.");
    case FileProblem::IsDirectory:
        return VW_TRANSLATABLE("weather::Report", "It is a folder, not a file.");
    case FileProblem::NotRegularFile:
        return VW_TRANSLATABLE("weather::Report",
                               "It is not a regular file but a pipe, a socket or a device.");
    case FileProblem::PermissionDenied:
        return VW_TRANSLATABLE("weather::Report", "Permission to read the file is denied.");
    case FileProblem::ReadFailed:
        return VW_TRANSLATABLE("weather::Report", "The file could not be read to its end.");
    case FileProblem::Empty:
        return VW_TRANSLATABLE("weather::Report", "The file is empty.");
    case FileProblem::NotEpw:
        return VW_TRANSLATABLE(
            "weather::Report",
            "The file is not an EnergyPlus weather file: it does not begin with LOCATION.");
    case FileProblem::HeaderCutShort:
        return VW_TRANSLATABLE("weather::Report", "The file ends inside its header.");
    case FileProblem::HeaderLineTooLong:
        return VW_TRANSLATABLE("weather::Report",
                               "A line of the file's header is longer than 16 MiB.");
    case FileProblem::TooManyColumns:
        return VW_TRANSLATABLE("weather::Report", "The header has more than 16384 columns.");
    case FileProblem::NoTimestampColumn:
        return VW_TRANSLATABLE("weather::Report",
                               "No column is named timestamp, time, date or datetime.");
    case FileProblem::NoDryBulbColumn:
        return VW_TRANSLATABLE("weather::Report",
                               "No dry bulb column with its unit, such as dry_bulb_C.");
    case FileProblem::NoHumidityColumn:
        return VW_TRANSLATABLE(
            "weather::Report",
            "No humidity column with its unit, such as relative_humidity_pct, dew_point_C, "
            "wet_bulb_C or humidity_ratio_g/kg.");
    case FileProblem::SeveralHumidityColumns:
        return VW_TRANSLATABLE(
            "weather::Report",
            "More than one humidity column: keep one of relative humidity, dew point, wet "
            "bulb and humidity ratio.");
    case FileProblem::SeveralPressureColumns:
        return VW_TRANSLATABLE("weather::Report",
                               "More than one pressure or altitude column: keep one.");
    case FileProblem::ColumnWithoutUnit:
        return VW_TRANSLATABLE(
            "weather::Report",
            "A column names a quantity without a unit the program reads, such as "
            "pressure_kPa or altitude_m.");
    }
    return i18n::Text{"weather::Report", ""};
}

std::string_view DescribeFileProblem(FileProblem problem) {
    return FileProblemText(problem).source;
}

std::string DescribeFileProblem(FileProblem problem, std::string_view column) {
    return FileProblemMessage(problem, column).English();
}

i18n::Message FileProblemMessage(FileProblem problem, std::string_view column) {
    // The column's message, a sentence of its own here as the others are.
    if (problem == FileProblem::ColumnWithoutUnit && !column.empty()) {
        if (std::optional<i18n::Message> message = columns::UnitProblemMessage(column, true))
            return *std::move(message);
    }
    return {FileProblemText(problem), {}};
}

std::size_t ReadReport::skippedTotal() const {
    return std::accumulate(skipped.begin(), skipped.end(), std::size_t{0});
}

std::vector<std::string> DescribeSkips(const ReadReport& report) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < kSkipReasonCount; ++i) {
        const std::size_t n = report.skipped[i];
        if (n == 0)
            continue;
        std::string line = std::to_string(n);
        line += n == 1 ? " hour skipped: " : " hours skipped: ";
        line += DescribeSkipReason(static_cast<SkipReason>(i));
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<std::string> DescribeRowCount(const ReadReport& report) {
    if (report.rows == kHoursPerYear)
        return std::nullopt;
    return "The file has " + std::to_string(report.rows) + " data rows; a year has " +
           std::to_string(kHoursPerYear) + ".";
}

} // namespace weather
