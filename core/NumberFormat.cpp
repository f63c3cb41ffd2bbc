#include "core/NumberFormat.h"

#include "engine/Units.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace calculator {

namespace {

// Digits carried beyond the last shown decimal to decide the rounding. The
// values shown are single-precision numbers (or products of them in double),
// whose exact binary value ends within this many digits of any decimal shown,
// so a tie at the rounding position is seen as an exact tie.
constexpr int kGuardDigits = 40;

struct Pattern {
    int forcedIntegerDigits = 0; // "0" placeholders before the point
    int decimals = 0;            // placeholders after the point
    bool showsPoint = false;
};

Pattern parse(std::string_view pattern) {
    Pattern p;
    const std::size_t point = pattern.find('.');
    const std::string_view integerPart = pattern.substr(0, point);
    p.forcedIntegerDigits =
        static_cast<int>(std::count(integerPart.begin(), integerPart.end(), '0'));
    if (point != std::string_view::npos) {
        p.showsPoint = true;
        p.decimals = static_cast<int>(pattern.size() - point - 1);
    }
    return p;
}

// Adds one unit in the last place of a string of decimal digits; returns
// false when it carries out of the first digit.
bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return true;
        }
        *it = '0';
    }
    return false;
}

std::string shortestGeneral(double value, std::string_view decimalPoint) {
    std::array<char, 64> buffer{};
    // A single-precision value is shown by its own shortest text, not by the
    // digits of its exact binary expansion.
    const std::optional<float> single = basPsychroFun::units::ToSingle(value);
    const bool isSingle = single && static_cast<double>(*single) == value;
    const auto result = isSingle
                            ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), *single)
                            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    std::string text(buffer.data(), result.ptr);
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalPoint);
    return text;
}

} // namespace

std::string FormatNumber(double value, std::string_view pattern, std::string_view decimalPoint) {
    if (!std::isfinite(value))
        return {};
    if (pattern.empty())
        return shortestGeneral(value, decimalPoint);

    const Pattern p = parse(pattern);
    // The exact decimal value with guard digits beyond the shown decimals,
    // correctly rounded by the standard library (never a tie there).
    std::array<char, 512> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::fixed, p.decimals + kGuardDigits);
    if (result.ec != std::errc{})
        return {};
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t point = text.find('.');
    std::string integer(text.substr(0, point));
    std::string fraction(text.substr(point + 1, static_cast<std::size_t>(p.decimals)));
    const std::string_view rest = text.substr(point + 1 + static_cast<std::size_t>(p.decimals));

    // Halves round away from zero: the digits beyond decide, 5 or more up.
    if (!rest.empty() && rest.front() >= '5') {
        if (!incrementDigits(fraction) && !incrementDigits(integer))
            integer.insert(integer.begin(), '1');
    }

    // The integer part in full, without leading zeros beyond those forced.
    const std::size_t firstSignificant = integer.find_first_not_of('0');
    integer =
        firstSignificant == std::string::npos ? std::string{} : integer.substr(firstSignificant);
    if (static_cast<int>(integer.size()) < p.forcedIntegerDigits)
        integer.insert(0, static_cast<std::size_t>(p.forcedIntegerDigits) - integer.size(), '0');

    const bool isZero = integer.find_first_not_of('0') == std::string::npos &&
                        fraction.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (std::signbit(value) && !isZero)
        out += '-';
    out += integer;
    if (p.showsPoint)
        out += decimalPoint;
    out += fraction;
    return out;
}

} // namespace calculator
