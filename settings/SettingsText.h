#pragma once

// The text forms in which settings are stored, both ways.
//
// - Integers: decimal digits ("0", "1").
// - Single-precision numbers: the value rounded to seven significant digits,
//   trailing zeros dropped, with the decimal separator of the default QLocale
//   and no digit grouping: 14.696 -> "14.696", 0 -> "0", 5000 -> "5000",
//   14.696 in de_DE -> "14,696"; exponent form from 1e7 up and below 1e-4.
//   Every value typed with up to six significant digits (12.23, 14.696) reads
//   back as the same float; seven digits do not hold every float exactly.
//   Reading takes the default locale's form first and then the C locale's, so
//   a file written under a locale with a decimal point still reads correctly
//   after the user switched to one with a decimal comma. Group separators are
//   refused, never taken as grouping: under en_US, "14,696" written by de_DE
//   must not become 14696 psia.
// - Booleans: "True" or "False"; reading also accepts any letter case and a
//   number, non-zero meaning True.
// - Format strings are stored unchanged.
//
// Numbers go through QLocale only: the C library's printf and strtod follow
// the process locale, which Qt switches to the user's.

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

// A display format pattern: "#", "0" and at most one ".", at most 32
// characters. The empty pattern counts (Less digits can reach it).
bool IsValidFormatPattern(QStringView pattern);

} // namespace settings
