#pragma once

// Reading the fields of one comma-separated line of a weather or data file.
//
// Numbers in files always use "." as the decimal separator, whatever the
// user's locale: they are read with std::from_chars, never with strtod or
// stod, which follow the C library's locale.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace weather {

// The text without leading and trailing blanks (spaces, tabs, a carriage
// return left by a Windows line end) and without one pair of enclosing
// double quotes.
std::string_view TrimField(std::string_view text) noexcept;

// Splits `line` at its commas into at most `capacity` fields written to
// `fields` and returns the number of fields the line has (which may be more
// than `capacity`: the fields past it are counted, not stored). Fields are
// not trimmed. Commas inside quotes are not special.
std::size_t SplitFields(std::string_view line, std::string_view* fields,
                        std::size_t capacity) noexcept;

// A field read as a number: the whole trimmed field must be a finite
// decimal number ("12", "-3.5", "1e3"); anything else gives nothing.
std::optional<double> ParseNumber(std::string_view field) noexcept;
std::optional<int> ParseInteger(std::string_view field) noexcept;

// A field that holds no value: empty once trimmed, or one of the usual
// placeholders "NA", "NaN", "null" (any case).
bool IsBlankField(std::string_view field) noexcept;

// ASCII letters compared without regard to case (names in headers).
bool EqualsIgnoringCase(std::string_view a, std::string_view b) noexcept;

// Splits a line of comma-separated values by RFC 4180 into `fields`
// (cleared first) and returns the number of fields the line has; at most
// `maxFields` are stored, the rest only counted, so that a line of commas
// costs no memory. A field whose first character is a double quote runs to
// its closing quote (a doubled quote inside is one quote) and may hold
// commas; a quote anywhere else is an ordinary character, as is a comma after
// a quote that is never closed. Fields keep their text as written, quotes
// and blanks included: see CsvFieldValue.
std::size_t SplitCsvFields(std::string_view line, std::vector<std::string_view>& fields,
                           std::size_t maxFields = SIZE_MAX);

// The most columns a header may name: a spreadsheet's width (16,384), far
// beyond any weather or data file, so that a hostile header cannot make
// every row's bookkeeping grow with its length.
inline constexpr std::size_t kMaxColumns = 16384;

// The value of one field of SplitCsvFields as a CSV reader reads it: the
// text inside the quotes of a quoted field, doubled quotes undone, followed
// by any text after its closing quote; the text of any other field as it is.
// Written to `out` (cleared first).
void CsvFieldValue(std::string_view field, std::string& out);

// `text` made safe to show in a message on a terminal or in a dialog: valid
// UTF-8 is kept, a control character or a byte that is not UTF-8 becomes an
// escape (\t, \r, \n, \x1B), and past `maxBytes` the text is cut with
// "...".
std::string ShownText(std::string_view text, std::size_t maxBytes = 64);

} // namespace weather
