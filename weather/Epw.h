#pragma once

// Reading an EnergyPlus weather (EPW) file row by row.
//
// The file has 8 header lines (LOCATION first, DATA PERIODS last), then one
// row of 35 comma-separated fields per hour: year, month, day, hour (1 to 24,
// the hour ending then), minute, data source flags, dry bulb (°C), dew point
// (°C), relative humidity (%), station pressure (Pa), then radiation, wind,
// sky and precipitation fields that the program does not use. The reader
// holds one line at a time, so its memory does not grow with the file.
//
// Validity of a row, after the EnergyPlus weather file data dictionary
// (EnergyPlus Auxiliary Programs, "EnergyPlus Weather File (EPW) Data
// Dictionary"):
// - exactly 35 fields; month, day and hour integers, and the four fields
//   read (dry bulb to pressure) numbers or empty; the other fields are not
//   read and not checked;
// - a real date of a year without 29 February, each hour once;
// - dry bulb and dew point: missing when empty or at least 99.9, valid above
//   -70 °C and below 70 °C; relative humidity: missing when empty or at least
//   999, valid from 0 to 110 %; station pressure: missing when empty or at
//   least 999999 Pa, valid above 31000 Pa and below 120000 Pa;
// - the hour's humidity is its dew point: a row without a valid dew point is
//   skipped for it. The relative humidity, rounded to 1 % in the file, is
//   only checked: a value out of its range skips the row, a missing one does
//   not, for the dew point defines the air;
// - the state must be real air at the row's own station pressure (see
//   StateOfHour).
// Header lines: the first must be LOCATION; the header ends after 8 lines or
// at the first line that begins with a number, whichever comes first.
// Lines are read by LineReader: any line end, and a line longer than 16 MiB
// skipped (or, in the header, refused) rather than held.

#include "weather/EpwHeader.h"
#include "weather/HourState.h"
#include "weather/Lines.h"

#include <cstdint>
#include <cstdio>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace weather {

// One data row of the file: its text and the hour it gives, or why it is
// skipped.
struct EpwRow {
    std::string_view line; // valid until the reader reads on
    std::variant<Hour, SkipReason> result;
};

class EpwReader {
public:
    // Reads the header from `in`, which must outlive the reader.
    explicit EpwReader(std::istream& in);
    explicit EpwReader(std::FILE* in);

    [[nodiscard]] FileProblem problem() const { return problem_; }
    [[nodiscard]] const Location& location() const { return location_; }
    // The ASHRAE design values the header carries, where it has them.
    [[nodiscard]] const DesignConditions& headerDesign() const { return headerDesign_; }

    // The next valid hour, or nothing at the end of the file (or after a
    // problem with the whole file). Bad rows are skipped and counted. A
    // read error ends the rows with the problem ReadFailed.
    std::optional<Hour> next();
    // The next data row, kept or skipped, counted in the report as next()
    // counts it, for a caller that accounts for every row (the command-line
    // calculator writes one line per row); nothing at the end of the file or
    // after a problem with the whole file. Blank lines are passed over.
    std::optional<EpwRow> nextRow();

    [[nodiscard]] const ReadReport& report() const { return report_; }
    [[nodiscard]] std::uint64_t bytesRead() const { return lines_.bytes(); }

private:
    void readHeader();
    std::variant<Hour, SkipReason> parseRow(std::string_view line);
    std::variant<Hour, SkipReason> parseLine(const LineReader::Line& line);

    LineReader lines_;
    FileProblem problem_ = FileProblem::None;
    Location location_;
    DesignConditions headerDesign_;
    ReadReport report_;
    HourCalendar calendar_;
};

} // namespace weather
