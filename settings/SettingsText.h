#pragma once

// The text forms in which settings are stored, both ways.
//
// - Integers: decimal digits ("0", "1").
// - Single-precision numbers: "." as the decimal point and no digit grouping,
//   whatever the user's locale, so that a file travels between locales. The
//   fewest significant digits (six to nine) that read back as the same float:
//   14.696 -> "14.696", 0 -> "0", 5000 -> "5000", 1/3 -> "0.33333334";
//   exponent form only for very large and very small values. Reading takes "." or "," as the
//   decimal separator: earlier versions wrote the locale's ("12,23" under
//   German), and no version ever wrote grouping, so a comma is never a group
//   separator. Two separators, blanks inside and other text are refused.
// - Booleans: "True" or "False"; reading also accepts any letter case and a
//   number, non-zero meaning True.
// - Format strings are stored unchanged.
//
// Numbers go through QLocale::c() only: the C library's printf and strtod
// follow the process locale, which Qt switches to the user's.

#include <optional>

#include <QString>
#include <QStringView>

namespace settings {

QString IntegerText(int value);
// Blanks around the digits are allowed; a sign, too.
std::optional<int> IntegerFromText(QStringView text);

QString SingleText(float value);
// nullopt for text that is not a number, infinities, NaN and values beyond
// the single-precision range (or so small that they would read as zero).
std::optional<float> SingleFromText(QStringView text);

QString BooleanText(bool value);
std::optional<bool> BooleanFromText(QStringView text);

// A display format pattern that More and Less digits can make of a default
// one: "#" and "0", one ".", then at most kMaxFormatDecimals "0"s; at most 32
// characters in all. An empty pattern, or one without a point, is none:
// Less digits stops at the point.
bool IsValidFormatPattern(QStringView pattern);

} // namespace settings
