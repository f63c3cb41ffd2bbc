#pragma once

// Plain rules of the calculator's fields: how a typed number is stored and how
// More and Less digits change a format pattern. Reading the text by the user's
// locale belongs to the window (calculator/TypedText.h).

#include "core/CalcState.h"
#include "core/RealAir.h"

#include <optional>
#include <string>
#include <string_view>

namespace calculator {

// A typed entry as it is to be stored.
struct Entry {
    // The value in the field's base unit (the relative humidity as a
    // fraction); nullopt when nothing is to be stored.
    std::optional<float> value;
    // Why the text is not stored.
    std::optional<Reason> problem;
};

// What typed into entry field `field` (0 to 4, 11 or 12) in the unit at
// `position` of its list is to be stored. `typed` is the number read from the
// text, nullopt when the text was not blank but held no number; `blank` says
// the text was empty or blanks only. A blank text means 0 in the base unit,
// except in the relative humidity, which it leaves as it is. A text that is no
// number is UnreadableNumber, and a number beyond single precision, typed or
// in the base unit, NumberTooLarge. A position the list does not have converts
// to 0.
Entry EntryOf(std::optional<double> typed, bool blank, int field, int position);

// Stores `value`, an entry of field `field` in its base unit as EntryOf gives
// it, into the member of `state` the field shows: Tdb, Twb, Phi, W, H, Patm or
// Alt. The pressure and the altitude go together through the standard
// atmosphere: a pressure also stores its altitude, an altitude its pressure.
// Where that second value does not exist (an altitude outside the
// polynomial's range, an arithmetic fault in the engine, a value beyond
// single precision) it holds the engine's marker basPsychroFun::kNoResult,
// which the window never shows, and the entry itself still stands. A field
// that is not an entry stores nothing.
void StoreEntry(CalcState& state, int field, float value);

// The most decimals More digits gives a pattern.
inline constexpr int kMaxDecimals = 8;

// The characters after the first "." of a pattern; a pattern without a point
// counts all its characters.
int DecimalsOf(std::string_view pattern);

// One decimal more (a "0" appended) while fewer than kMaxDecimals are shown.
std::string MoreDigits(std::string_view pattern);

// One decimal fewer (the last character removed) while any is shown; the
// point itself stays, so "####0.00" ends at "####0.".
std::string LessDigits(std::string_view pattern);

} // namespace calculator
