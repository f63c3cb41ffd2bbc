#pragma once

// Reading a plain CSV weather file row by row.
//
// The first line names the columns; each later line is one hour. Columns:
// - a timestamp, named timestamp, time, date or datetime: an ISO 8601 date
//   and hour, "2021-07-01 13:00", "2021-07-01T13:00:00" or "2021/07/01 13";
//   the hour of day is the timestamp's hour, the year is not used;
// - the dry bulb and exactly one humidity (dew point, relative humidity, wet
//   bulb or humidity ratio), each named with its unit in the column
//   vocabulary (weather/Columns.h): dry_bulb_C, relative_humidity_pct, ...;
// - optionally the pressure or the altitude of each row (pressure_kPa,
//   altitude_ft, "Pressure (kPa)", ...); without either, every hour is at the
//   pressure the reader is given. A row's pressure, given or from its
//   altitude, must lie in a station's plausible range (31 to 120 kPa).
// Other columns are ignored, but a column that names a quantity without a
// unit the program reads ("pressure", "altitude") refuses the file: its
// numbers cannot be taken in a guessed unit, nor passed over. Fields follow
// RFC 4180 (a quoted field may hold commas). Rows are checked as a weather
// file's are: the right number of fields, numbers where numbers belong (an
// empty field, NA or NaN is missing), a real date without 29 February, each
// hour once, and real air (see StateOfHour).

#include "weather/Columns.h"
#include "weather/Fields.h"
#include "weather/HourState.h"
#include "weather/Lines.h"

#include <cstdint>
#include <cstdio>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace weather {

class CsvReader {
public:
    // Reads the header line from `in`, which must outlive the reader.
    // `pressurePsia` is the pressure of rows that give none.
    CsvReader(std::istream& in, double pressurePsia);
    CsvReader(std::FILE* in, double pressurePsia);

    [[nodiscard]] FileProblem problem() const { return problem_; }
    // The header's name of the column the problem concerns, where it is one
    // column's (ColumnWithoutUnit); empty otherwise.
    [[nodiscard]] const std::string& problemColumn() const { return problemColumn_; }

    // The next valid hour, or nothing at the end of the file. A read error
    // ends the rows with the problem ReadFailed.
    std::optional<Hour> next();

    [[nodiscard]] const ReadReport& report() const { return report_; }
    [[nodiscard]] std::uint64_t bytesRead() const { return lines_.bytes(); }

private:
    struct Slot {
        std::size_t index = 0;
        columns::Unit unit = columns::Unit::Fahrenheit;
    };

    void readHeader();
    std::variant<Hour, SkipReason> parseRow(std::string_view line);

    LineReader lines_;
    double pressurePsia_;
    FileProblem problem_ = FileProblem::None;
    std::string problemColumn_;
    std::size_t fieldCount_ = 0;
    std::vector<std::string_view> fields_; // of the current row
    std::size_t timestamp_ = 0;
    Slot dryBulb_;
    Slot humidity_;
    HumidityKind humidityKind_ = HumidityKind::DewPoint;
    std::optional<Slot> pressure_;
    std::optional<Slot> altitude_;
    ReadReport report_;
    HourCalendar calendar_;
};

} // namespace weather
