#include "weather/Csv.h"

#include "engine/Limits.h"
#include "engine/PsychroFun.h"
#include "weather/Fields.h"

#include <vector>

namespace weather {

namespace {

namespace psy = basPsychroFun;
using columns::Quantity;

struct Timestamp {
    int month = 0;
    int day = 0;
    int hour = 0;
};

// "2021-07-01 13:00", "2021-07-01T13:00:00", "2021/07/01 13".
std::optional<Timestamp> ParseTimestamp(std::string_view text) {
    text = TrimField(text);
    if (text.size() < 13)
        return std::nullopt;
    const char dateSep = text[4];
    if ((dateSep != '-' && dateSep != '/') || text[7] != dateSep ||
        (text[10] != ' ' && text[10] != 'T'))
        return std::nullopt;
    const auto year = ParseInteger(text.substr(0, 4));
    const auto month = ParseInteger(text.substr(5, 2));
    const auto day = ParseInteger(text.substr(8, 2));
    const std::string_view time = text.substr(11);
    const auto hour = ParseInteger(time.substr(0, time.find(':')));
    if (!year || !month || !day || !hour)
        return std::nullopt;
    return Timestamp{*month, *day, *hour};
}

bool IsTimestampName(std::string_view name) {
    for (std::string_view known : {"timestamp", "time", "date", "datetime", "date_time"})
        if (EqualsIgnoringCase(TrimField(name), known))
            return true;
    return false;
}

std::optional<HumidityKind> HumidityOf(Quantity q) {
    switch (q) {
    case Quantity::DewPoint:
        return HumidityKind::DewPoint;
    case Quantity::RelativeHumidity:
        return HumidityKind::RelativeHumidity;
    case Quantity::WetBulb:
        return HumidityKind::WetBulb;
    case Quantity::HumidityRatio:
        return HumidityKind::HumidityRatio;
    case Quantity::DryBulb:
    case Quantity::Enthalpy:
    case Quantity::Pressure:
    case Quantity::Altitude:
        break;
    }
    return std::nullopt;
}

SkipReason MissingReason(HumidityKind kind) {
    switch (kind) {
    case HumidityKind::DewPoint:
        return SkipReason::MissingDewPoint;
    case HumidityKind::RelativeHumidity:
        return SkipReason::MissingRelativeHumidity;
    case HumidityKind::WetBulb:
        return SkipReason::MissingWetBulb;
    case HumidityKind::HumidityRatio:
        return SkipReason::MissingHumidityRatio;
    }
    return SkipReason::MissingDewPoint;
}

// A value field: blank (missing), a number, or not a number (nothing).
std::optional<std::optional<double>> ReadValue(std::string_view field) {
    if (IsBlankField(field))
        return std::optional<double>{};
    const auto number = ParseNumber(field);
    if (!number)
        return std::nullopt;
    return number;
}

} // namespace

CsvReader::CsvReader(std::istream& in, double pressurePsia)
    : lines_(in), pressurePsia_(pressurePsia) {
    readHeader();
}

CsvReader::CsvReader(std::FILE* in, double pressurePsia) : lines_(in), pressurePsia_(pressurePsia) {
    readHeader();
}

void CsvReader::readHeader() {
    std::optional<LineReader::Line> line;
    do {
        line = lines_.next();
        if (!line) {
            problem_ = lines_.failed() ? FileProblem::ReadFailed : FileProblem::Empty;
            return;
        }
    } while (!line->cut && TrimField(line->text).empty());
    if (line->cut) {
        problem_ = FileProblem::HeaderLineTooLong;
        return;
    }
    std::string_view header = line->text;
    if (header.starts_with("\xEF\xBB\xBF")) // a UTF-8 byte-order mark
        header.remove_prefix(3);

    std::vector<std::string_view> names;
    fieldCount_ = SplitCsvFields(header, names, kMaxColumns + 1);
    if (fieldCount_ > kMaxColumns) {
        problem_ = FileProblem::TooManyColumns;
        return;
    }
    std::optional<std::size_t> timestamp;
    bool haveDryBulb = false;
    int humidities = 0;
    int atmospheres = 0;
    for (std::size_t i = 0; i < fieldCount_; ++i) {
        if (IsTimestampName(names[i])) {
            timestamp = timestamp.value_or(i);
            continue;
        }
        const auto column = columns::ParseColumnName(names[i]);
        if (!column) {
            if (columns::NamedQuantity(names[i]) && problemColumn_.empty())
                problemColumn_ = std::string(TrimField(names[i]));
            continue;
        }
        const Slot slot{i, column->unit};
        if (column->quantity == Quantity::DryBulb && !haveDryBulb) {
            dryBulb_ = slot;
            haveDryBulb = true;
        } else if (const auto kind = HumidityOf(column->quantity)) {
            humidity_ = slot;
            humidityKind_ = *kind;
            ++humidities;
        } else if (column->quantity == Quantity::Pressure) {
            pressure_ = slot;
            ++atmospheres;
        } else if (column->quantity == Quantity::Altitude) {
            altitude_ = slot;
            ++atmospheres;
        }
    }
    if (!problemColumn_.empty())
        problem_ = FileProblem::ColumnWithoutUnit;
    else if (!timestamp)
        problem_ = FileProblem::NoTimestampColumn;
    else if (!haveDryBulb)
        problem_ = FileProblem::NoDryBulbColumn;
    else if (humidities == 0)
        problem_ = FileProblem::NoHumidityColumn;
    else if (humidities > 1)
        problem_ = FileProblem::SeveralHumidityColumns;
    else if (atmospheres > 1)
        problem_ = FileProblem::SeveralPressureColumns;
    timestamp_ = timestamp.value_or(0);
}

std::optional<Hour> CsvReader::next() {
    if (problem_ != FileProblem::None)
        return std::nullopt;
    auto hour = NextHour(lines_, report_, [this](const LineReader::Line& line) {
        return line.cut ? std::variant<Hour, SkipReason>(SkipReason::LineTooLong)
                        : parseRow(line.text);
    });
    if (!hour && lines_.failed())
        problem_ = FileProblem::ReadFailed;
    return hour;
}

std::variant<Hour, SkipReason> CsvReader::parseRow(std::string_view line) {
    if (SplitCsvFields(line, fields_, fieldCount_ + 1) != fieldCount_)
        return SkipReason::WrongFieldCount;
    const auto& f = fields_;

    const auto dryBulb = ReadValue(f[dryBulb_.index]);
    const auto humidity = ReadValue(f[humidity_.index]);
    const auto pressure =
        pressure_ ? ReadValue(f[pressure_->index]) : std::optional(std::optional(0.0));
    const auto altitude =
        altitude_ ? ReadValue(f[altitude_->index]) : std::optional(std::optional(0.0));
    if (!dryBulb || !humidity || !pressure || !altitude)
        return SkipReason::NotANumber;

    const auto time = ParseTimestamp(f[timestamp_]);
    if (!time)
        return SkipReason::NoSuchDate;
    if (const auto refused = calendar_.take(time->month, time->day, time->hour))
        return *refused;

    if (!*dryBulb)
        return SkipReason::MissingDryBulb;
    Reading reading;
    reading.month = time->month;
    reading.day = time->day;
    reading.hourOfDay = time->hour;
    reading.dryBulbF = columns::ToBase(dryBulb_.unit, **dryBulb);
    reading.pressurePsia = pressurePsia_;
    if (pressure_) {
        if (!*pressure)
            return SkipReason::MissingPressure;
        reading.pressurePsia = columns::ToBase(pressure_->unit, **pressure);
    } else if (altitude_) {
        if (!*altitude)
            return SkipReason::MissingPressure;
        const double z = columns::ToBase(altitude_->unit, **altitude);
        if (!(z >= psy::kMinAltitudeFt && z <= psy::kMaxAltitudeFt))
            return SkipReason::PressureOutOfRange;
        reading.pressurePsia = psy::PressureFromAltitude(z, "IP");
    }
    if ((pressure_ || altitude_) && !IsStationPressure(reading.pressurePsia))
        return SkipReason::PressureOutOfRange;
    if (!*humidity)
        return MissingReason(humidityKind_);
    reading.humidityKind = humidityKind_;
    reading.humidity = columns::ToBase(humidity_.unit, **humidity);
    return StateOfHour(reading);
}

} // namespace weather
