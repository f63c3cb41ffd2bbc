#include "NumberFormat.h"

#include <array>
#include <charconv>
#include <cmath>
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

Pattern parse(QStringView pattern) {
    Pattern p;
    const qsizetype point = pattern.indexOf(u'.');
    const QStringView integerPart = point < 0 ? pattern : pattern.first(point);
    p.forcedIntegerDigits = static_cast<int>(integerPart.count(u'0'));
    if (point >= 0) {
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

QString shortestGeneral(double value, const QLocale& locale) {
    std::array<char, 64> buffer{};
    const float single = static_cast<float>(value);
    // A single-precision value is shown by its own shortest text, not by the
    // digits of its exact binary expansion.
    const bool isSingle = std::fabs(value) <= 3.4e38 && static_cast<double>(single) == value;
    const auto result = isSingle
                            ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), single)
                            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    return text.replace(u'.', locale.decimalPoint());
}

} // namespace

QString FormatNumber(double value, QStringView pattern, const QLocale& locale) {
    if (!std::isfinite(value))
        return {};
    if (pattern.isEmpty())
        return shortestGeneral(value, locale);

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
    QString out;
    if (std::signbit(value) && !isZero)
        out += u'-';
    out += QString::fromLatin1(integer.data(), static_cast<qsizetype>(integer.size()));
    if (p.showsPoint)
        out += locale.decimalPoint();
    out += QString::fromLatin1(fraction.data(), static_cast<qsizetype>(fraction.size()));
    return out;
}

} // namespace calculator
