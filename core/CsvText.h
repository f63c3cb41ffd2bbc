#pragma once

// CSV as every table the program writes holds it (RFC 4180): the batch
// program's rows, the project's tables and the air handler's.

#include <string>
#include <string_view>
#include <vector>

namespace csv {

// Appends `text` as one field: in double quotes, inner quotes doubled, when
// it holds a comma, a quote, a line end or another control character (so
// that no reader that splits lines more eagerly, at a form feed say, cuts
// the field); as it is otherwise.
void AppendField(std::string& out, std::string_view text);

// Appends the fields as one record, separated by commas and ended by CR LF.
void AppendRecord(std::string& out, const std::vector<std::string>& fields);

} // namespace csv
