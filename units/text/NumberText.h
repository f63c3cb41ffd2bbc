#pragma once

// Reading a number typed by the user, by the user's locale.
//
// Typed values follow the locale's decimal separator and digit grouping
// ("1,234.5" in en_US, "1.234,5" in de_DE). The C library's number functions
// (strtod, std::stod, printf) must not be used for this: once Qt switches the
// C library to the user's locale they change meaning behind our back.

#include <optional>

#include <QStringView>

namespace basConversions {

// The number in `text` by the default QLocale (the system locale unless one was
// set with QLocale::setDefault). Blanks around the number are allowed. Empty
// text, a lone sign or separator, anything that is not a whole number, a value
// beyond double range, infinities and NaN give nullopt.
std::optional<double> ReadNumber(QStringView text);

} // namespace basConversions
