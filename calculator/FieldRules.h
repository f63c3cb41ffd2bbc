#pragma once

// Plain rules of the calculator's fields, free of widgets: what may be typed
// into a field, how a typed entry is read, and how More and Less digits
// change a format pattern.

#include "RealAir.h"

#include <optional>

#include <QChar>
#include <QString>
#include <QStringView>

namespace calculator {

// Whether `key` may be typed into a field that holds `text` (the whole text,
// selected or not): digits and backspace always; ".", "," and "-" only while
// the text holds none of that character. Everything else is refused.
bool KeyAllowed(QStringView text, QChar key);

// A typed entry as it is to be stored.
struct Entry {
    // The value in the field's base unit (the relative humidity as a
    // fraction); nullopt when nothing is to be stored.
    std::optional<float> value;
    // Why the text is not stored.
    std::optional<Reason> problem;
};

// Reads the text of entry field `field` (0 to 4, 11 or 12) typed in the unit
// at `position` of its list, by the user's locale. An empty text means 0 in
// the base unit, except in the relative humidity, which it leaves as it is. A
// text that is no number is UnreadableNumber, and a number beyond single
// precision, typed or in the base unit, NumberTooLarge. A position the list
// does not have converts to 0.
Entry ReadEntry(QStringView text, int field, int position);

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
