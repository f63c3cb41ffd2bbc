#include "weather/Epw.h"

#include "engine/Units.h"
#include "weather/Fields.h"

#include <array>

namespace weather {

namespace {

namespace u = basPsychroFun::units;

constexpr std::size_t kHeaderLines = 8;
constexpr std::size_t kFieldsPerRow = 35;
// Fields of a row, 0-based.
constexpr std::size_t kMonth = 1, kDay = 2, kHour = 3;
constexpr std::size_t kDryBulb = 6, kDewPoint = 7, kRelativeHumidity = 8, kPressure = 9;

// Missing markers and valid ranges of the EPW data dictionary.
constexpr double kMissingTemperature = 99.9; // °C
constexpr double kMinTemperatureC = -70.0;   // exclusive
constexpr double kMaxTemperatureC = 70.0;    // exclusive
constexpr double kMissingRelativeHumidity = 999.0;
constexpr double kMaxRelativeHumidityPct = 110.0;
constexpr double kMissingPressure = 999999.0; // Pa

std::string_view FirstField(std::string_view line) {
    return TrimField(line.substr(0, line.find(',')));
}

bool BeginsWithNumber(std::string_view line) {
    const std::string_view f = TrimField(line);
    return !f.empty() && ((f.front() >= '0' && f.front() <= '9') || f.front() == '-' ||
                          f.front() == '+' || f.front() == '.');
}

// A value field: absent when empty or at its missing marker.
struct Value {
    std::optional<double> number;
    bool valid(double min, double max) const { return number && *number > min && *number < max; }
};

std::optional<Value> ReadValue(std::string_view field, double missingAtOrAbove) {
    if (TrimField(field).empty())
        return Value{};
    const auto number = ParseNumber(field);
    if (!number)
        return std::nullopt;
    return *number >= missingAtOrAbove ? Value{} : Value{number};
}

} // namespace

EpwReader::EpwReader(std::istream& in) : lines_(in) {
    readHeader();
}

EpwReader::EpwReader(std::FILE* in) : lines_(in) {
    readHeader();
}

void EpwReader::readHeader() {
    for (std::size_t n = 0; n < kHeaderLines; ++n) {
        const std::optional<LineReader::Line> read = lines_.next();
        if (!read) {
            problem_ = lines_.failed() ? FileProblem::ReadFailed
                       : n == 0        ? FileProblem::Empty
                                       : FileProblem::HeaderCutShort;
            return;
        }
        if (read->cut) {
            problem_ = FileProblem::HeaderLineTooLong;
            return;
        }
        std::string_view line = read->text;
        if (n == 0 && line.starts_with("\xEF\xBB\xBF")) // a UTF-8 byte-order mark
            line.remove_prefix(3);
        const std::string_view keyword = FirstField(line);
        if (n == 0 && !EqualsIgnoringCase(keyword, "LOCATION")) {
            problem_ = FileProblem::NotEpw;
            return;
        }
        if (n > 0 && BeginsWithNumber(line)) {
            lines_.hold(); // the first hour
            return;
        }
        if (EqualsIgnoringCase(keyword, "LOCATION"))
            location_ = ParseLocation(line);
        else if (EqualsIgnoringCase(keyword, "DESIGN CONDITIONS"))
            headerDesign_ = ParseDesignConditions(line);
    }
}

std::optional<Hour> EpwReader::next() {
    if (problem_ != FileProblem::None)
        return std::nullopt;
    auto hour =
        NextHour(lines_, report_, [this](const LineReader::Line& line) { return parseLine(line); });
    if (!hour && lines_.failed())
        problem_ = FileProblem::ReadFailed;
    return hour;
}

std::optional<EpwRow> EpwReader::nextRow() {
    if (problem_ != FileProblem::None)
        return std::nullopt;
    while (const std::optional<LineReader::Line> line = lines_.next()) {
        if (!line->cut && TrimField(line->text).empty())
            continue;
        ++report_.rows;
        EpwRow row{line->text, parseLine(*line)};
        if (const auto* reason = std::get_if<SkipReason>(&row.result))
            report_.skip(*reason);
        else
            ++report_.hours;
        return row;
    }
    if (lines_.failed())
        problem_ = FileProblem::ReadFailed;
    return std::nullopt;
}

std::variant<Hour, SkipReason> EpwReader::parseLine(const LineReader::Line& line) {
    if (line.cut)
        return SkipReason::LineTooLong;
    return parseRow(line.text);
}

std::variant<Hour, SkipReason> EpwReader::parseRow(std::string_view line) {
    std::array<std::string_view, kFieldsPerRow> f;
    if (SplitFields(line, f.data(), f.size()) != kFieldsPerRow)
        return SkipReason::WrongFieldCount;

    const auto month = ParseInteger(f[kMonth]);
    const auto day = ParseInteger(f[kDay]);
    const auto hour = ParseInteger(f[kHour]);
    const auto dryBulb = ReadValue(f[kDryBulb], kMissingTemperature);
    const auto dewPoint = ReadValue(f[kDewPoint], kMissingTemperature);
    const auto rh = ReadValue(f[kRelativeHumidity], kMissingRelativeHumidity);
    const auto pressure = ReadValue(f[kPressure], kMissingPressure);
    if (!month || !day || !hour || !dryBulb || !dewPoint || !rh || !pressure)
        return SkipReason::NotANumber;

    // The file's hour 1 runs from 0:00 to 1:00: the hour of day that starts then is 0.
    const int hourOfDay = *hour >= 1 && *hour <= 24 ? *hour - 1 : -1;
    if (const auto refused = calendar_.take(*month, *day, hourOfDay))
        return *refused;

    // Fields 7 to 10 are all read, and a row missing the dry bulb, dew point
    // or pressure is skipped under the first one, in the order of the
    // fields: a missing marker (99.9, 999999) is a gap in the record, not a
    // value to work around. The relative humidity is not needed (the dew
    // point gives the humidity): only a value out of its range skips.
    if (!dryBulb->number)
        return SkipReason::MissingDryBulb;
    if (!dryBulb->valid(kMinTemperatureC, kMaxTemperatureC))
        return SkipReason::DryBulbOutOfRange;
    if (!dewPoint->number)
        return SkipReason::MissingDewPoint;
    if (!dewPoint->valid(kMinTemperatureC, kMaxTemperatureC))
        return SkipReason::DewPointOutOfRange;
    if (rh->number && (*rh->number < 0.0 || *rh->number > kMaxRelativeHumidityPct))
        return SkipReason::RelativeHumidityOutOfRange;
    if (!pressure->number)
        return SkipReason::MissingPressure;
    if (!pressure->valid(kMinStationPressurePa, kMaxStationPressurePa))
        return SkipReason::PressureOutOfRange;

    Reading reading;
    reading.month = *month;
    reading.day = *day;
    reading.hourOfDay = hourOfDay;
    reading.dryBulbF = u::CelsiusToFahrenheit(*dryBulb->number);
    reading.pressurePsia = u::PascalsToPsia(*pressure->number);
    reading.humidityKind = HumidityKind::DewPoint;
    reading.humidity = u::CelsiusToFahrenheit(*dewPoint->number);
    return StateOfHour(reading);
}

} // namespace weather
