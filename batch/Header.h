#pragma once

// The header line of an input file: which two columns hold the inputs and in
// which units, an optional pressure or altitude column, and the columns that
// are copied to the output as they are.
//
// Names follow the data-file vocabulary of weather/Columns.h ("dry_bulb_F",
// "relative_humidity_pct", "enthalpy_kJ/kg", "pressure_kPa", "Pressure (kPa)",
// ...). The inputs are two of dry bulb, wet bulb, relative humidity, humidity
// ratio and enthalpy; every column whose name is no quantity of the
// vocabulary is passed through. A name that gives a quantity without a unit
// the program reads ("pressure", "altitude_furlongs") refuses the header.

#include "weather/Columns.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace batch {

// A column whose numbers are stored as the window stores a typed entry: in
// the calculator field `field`, typed in the unit at `position` of its unit
// list (FieldTable.h, FieldRules.h).
struct ValueColumn {
    std::size_t index = 0; // place in a row, from 0
    int field = 0;
    int position = 0;
    std::string name; // as the header writes it, made safe for messages (ShownText)
};

struct Layout {
    std::size_t columns = 0;                   // fields of the header
    std::array<ValueColumn, 2> inputs;         // the lower field index first
    std::optional<ValueColumn> atmosphere;     // field kAtmosphericPressure or kAltitude
    std::vector<std::size_t> passThrough;      // the other columns, in their order
    std::vector<std::string> passThroughNames; // as a CSV reader reads them
};

// The layout of `line`, or a one-line message saying what is wrong with it.
std::variant<Layout, std::string> ReadHeader(std::string_view line);

// Splits a line of comma-separated values into `fields` (cleared first), by
// RFC 4180 (weather::SplitCsvFields): a field that begins with a double
// quote may hold commas and doubled quotes; fields keep their text as
// written, quotes and blanks included (weather::CsvFieldValue reads them).
void SplitCsv(std::string_view line, std::vector<std::string_view>& fields);

// A field's number: blanks and one pair of quotes trimmed, an optional "+",
// then a finite decimal number and nothing else. `tooLarge` is set for a
// number beyond the range of double.
std::optional<double> ReadNumber(std::string_view field, bool& tooLarge) noexcept;

// The calculator field of a column of the vocabulary and the place of its unit
// in that field's unit list; nothing for a dew point, which is never typed.
struct FieldUnit {
    int field = 0;
    int position = 0;
};
std::optional<FieldUnit> FieldUnitOf(weather::columns::Column column);

} // namespace batch
