#pragma once

// A strict reader of CSV text by RFC 4180, for checking what the program
// writes: a field is either free of quotes and line ends, or wholly enclosed
// in double quotes with inner quotes doubled. Line ends are "\n" (what the
// program writes) or "\r\n", and the text ends with one.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace fuzz {

using CsvRecord = std::vector<std::string>;

// The records of `text`, fields unquoted; or why the text is not valid CSV.
std::variant<std::vector<CsvRecord>, std::string> ReadCsv(std::string_view text);

} // namespace fuzz
