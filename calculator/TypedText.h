#pragma once

// The calculator's field rules where they meet typed text: what may be typed
// into a field, how a typed entry is read by the user's locale, and the
// number formatting and More/Less digits of core/ on the window's strings.

#include "core/FieldRules.h"
#include "core/NumberFormat.h"

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringView>

namespace calculator {

// Whether `key` may be typed into a field that holds `text` (the whole text,
// selected or not): digits and backspace always; ".", "," and "-" only while
// the text holds none of that character. Everything else is refused.
bool KeyAllowed(QStringView text, QChar key);

// Reads the text of entry field `field` typed in the unit at `position` of its
// list by the user's locale, then stores it by EntryOf (core/FieldRules.h).
Entry ReadEntry(QStringView text, int field, int position);

// FormatNumber (core/NumberFormat.h) with the locale's decimal separator.
QString FormatNumber(double value, QStringView pattern, const QLocale& locale = QLocale());

QString MoreDigits(const QString& pattern);
QString LessDigits(const QString& pattern);

} // namespace calculator
