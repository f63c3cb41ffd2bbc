#include "weather/Report.h"

#include "weather/Columns.h"

#include <numeric>

namespace weather {

std::string_view DescribeSkipReason(SkipReason reason) {
    switch (reason) {
    case SkipReason::LineTooLong:
        return "line longer than 16 MiB";
    case SkipReason::WrongFieldCount:
        return "wrong number of fields";
    case SkipReason::NotANumber:
        return "a value that is not a number";
    case SkipReason::NoSuchDate:
        return "no such date or hour";
    case SkipReason::LeapDay:
        return "leap day (29 February)";
    case SkipReason::RepeatedHour:
        return "hour already read";
    case SkipReason::MissingDryBulb:
        return "missing dry bulb";
    case SkipReason::DryBulbOutOfRange:
        return "dry bulb out of range";
    case SkipReason::MissingPressure:
        return "missing station pressure";
    case SkipReason::PressureOutOfRange:
        return "station pressure out of range";
    case SkipReason::MissingDewPoint:
        return "missing dew point";
    case SkipReason::DewPointOutOfRange:
        return "dew point out of range";
    case SkipReason::MissingRelativeHumidity:
        return "missing relative humidity";
    case SkipReason::RelativeHumidityOutOfRange:
        return "relative humidity out of range";
    case SkipReason::MissingWetBulb:
        return "missing wet bulb";
    case SkipReason::WetBulbOutOfRange:
        return "wet bulb out of range";
    case SkipReason::MissingHumidityRatio:
        return "missing humidity ratio";
    case SkipReason::HumidityRatioOutOfRange:
        return "humidity ratio out of range";
    case SkipReason::AboveSaturation:
        return "humidity above saturation";
    }
    return "";
}

std::string_view DescribeFileProblem(FileProblem problem) {
    switch (problem) {
    case FileProblem::None:
        return "";
    case FileProblem::CannotOpen:
        return "The file cannot be opened.";
    case FileProblem::NoSuchFile:
        return "There is no such file.";
    case FileProblem::IsDirectory:
        return "It is a folder, not a file.";
    case FileProblem::NotRegularFile:
        return "It is not a regular file but a pipe, a socket or a device.";
    case FileProblem::PermissionDenied:
        return "Permission to read the file is denied.";
    case FileProblem::ReadFailed:
        return "The file could not be read to its end.";
    case FileProblem::Empty:
        return "The file is empty.";
    case FileProblem::NotEpw:
        return "The file is not an EnergyPlus weather file: it does not begin with LOCATION.";
    case FileProblem::HeaderCutShort:
        return "The file ends inside its header.";
    case FileProblem::HeaderLineTooLong:
        return "A line of the file's header is longer than 16 MiB.";
    case FileProblem::TooManyColumns:
        return "The header has more than 16384 columns.";
    case FileProblem::NoTimestampColumn:
        return "No column is named timestamp, time, date or datetime.";
    case FileProblem::NoDryBulbColumn:
        return "No dry bulb column with its unit, such as dry_bulb_C.";
    case FileProblem::NoHumidityColumn:
        return "No humidity column with its unit, such as relative_humidity_pct, dew_point_C, "
               "wet_bulb_C or humidity_ratio_g/kg.";
    case FileProblem::SeveralHumidityColumns:
        return "More than one humidity column: keep one of relative humidity, dew point, wet "
               "bulb and humidity ratio.";
    case FileProblem::SeveralPressureColumns:
        return "More than one pressure or altitude column: keep one.";
    case FileProblem::ColumnWithoutUnit:
        return "A column names a quantity without a unit the program reads, such as "
               "pressure_kPa or altitude_m.";
    }
    return "";
}

std::string DescribeFileProblem(FileProblem problem, std::string_view column) {
    if (problem != FileProblem::ColumnWithoutUnit || column.empty())
        return std::string(DescribeFileProblem(problem));
    const std::optional<std::string> message = columns::UnitProblem(column);
    return message ? *message + "." : std::string(DescribeFileProblem(problem));
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
