#pragma once

// Renders a field's number by its format pattern.
//
// A pattern is made of "#", "0" and at most one ".": the placeholders after
// the point give the number of decimals, rounded half away from zero; a "0"
// before the point forces a digit there, a "#" shows one only when it is
// significant, and the integer part is always shown in full. A negative value
// gets "-"; a pattern ending in "." shows the point without decimals. The
// point is shown as the decimal separator given (the window passes its
// locale's). An empty pattern shows the
// number in its shortest general form.

#include <string>
#include <string_view>

namespace calculator {

// The text of `value` by `pattern` (ASCII), with `decimalPoint` (UTF-8) for
// the point; empty for a value that is not finite.
std::string FormatNumber(double value, std::string_view pattern,
                         std::string_view decimalPoint = ".");

} // namespace calculator
