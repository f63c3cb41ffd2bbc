#pragma once

// Names and numbers as the project keeps and shows them: UTF-8 text measured
// and trimmed as the window measures and trims what the user types (UTF-16
// code units, Unicode blanks), and numbers in the tables' one text form.

#include <cstddef>
#include <string>
#include <string_view>

namespace project {

// The text without blanks at either end: the white space of Unicode (space,
// tab, line ends, no-break space, the typographic spaces, U+2028/U+2029,
// U+3000, ...), the characters the window's name fields trim.
std::string_view TrimBlanks(std::string_view text) noexcept;

// The length in UTF-16 code units, as the window counts a name: one for each
// character of the Basic Multilingual Plane, two above it. A byte that is not
// part of a well-formed UTF-8 sequence counts one.
std::size_t Utf16Length(std::string_view text) noexcept;

// Whether the text holds a character no name should: a control character
// (C0, DEL, C1) or anything that is not well-formed UTF-8 (an encoded half
// of a UTF-16 surrogate pair among it).
bool HasUnfitCharacter(std::string_view text) noexcept;

// A number as the tables give it: seven significant digits, every digit a
// single-precision state holds; "." for the decimals whatever the locale;
// the exponent form of printf's %g ("1e-05"); a tie at the eighth digit
// rounded away from zero; zero as "0".
std::string Number(double value);

} // namespace project
