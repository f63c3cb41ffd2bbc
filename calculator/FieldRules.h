#pragma once

// Plain rules of the calculator's fields, free of widgets: what may be typed
// into a field and how More and Less digits change a format pattern.

#include <QChar>
#include <QString>
#include <QStringView>

namespace calculator {

// Whether `key` may be typed into a field that holds `text` (the whole text,
// selected or not): digits and backspace always; ".", "," and "-" only while
// the text holds none of that character. Everything else is refused.
bool KeyAllowed(QStringView text, QChar key);

// The most decimals More digits gives a pattern.
inline constexpr int kMaxDecimals = 8;

// The characters after the first "." of a pattern; a pattern without a point
// counts all its characters.
int DecimalsOf(QStringView pattern);

// One decimal more (a "0" appended) while fewer than kMaxDecimals are shown.
QString MoreDigits(const QString& pattern);

// One decimal fewer (the last character removed) while any is shown; the
// point itself stays, so "####0.00" ends at "####0.".
QString LessDigits(const QString& pattern);

} // namespace calculator
