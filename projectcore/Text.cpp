#include "projectcore/Text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace project {

namespace {

// One character of UTF-8 text: its code point and length in bytes, or a
// length of 1 with `valid` false for a byte that starts no well-formed
// sequence (RFC 3629: no overlong forms, no surrogates, nothing above
// U+10FFFF).
struct Decoded {
    char32_t code = 0;
    std::size_t length = 1;
    bool valid = false;
};

Decoded decode(std::string_view text, std::size_t at) noexcept {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return {lead, 1, true};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
        least = 0x10000;
    } else {
        return {};
    }
    if (at + length > text.size())
        return {};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0u) != 0x80u)
            return {};
        code = (code << 6) | (byte(at + i) & 0x3Fu);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {code, length, true};
}

bool isBlank(char32_t c) noexcept {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// The start of the character that ends at `end` (exclusive): up to three
// continuation bytes back.
std::size_t previousStart(std::string_view text, std::size_t end) noexcept {
    std::size_t start = end - 1;
    for (int k = 0;
         k < 3 && start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0u) == 0x80u; ++k)
        --start;
    return start;
}

// Whether `value`, as the eight significant digits of `scientific`
// ("d.ddddddde±x"), is exactly a decimal tie at the eighth digit: a value
// that rounds the same either way to seven digits. Exact: the decimal must
// be a double itself, and be this one.
bool isExactTie(double value, std::string_view scientific) {
    const std::size_t e = scientific.find('e');
    if (e == std::string_view::npos || e == 0 || scientific[e - 1] != '5')
        return false;
    std::uint64_t digits = 0;
    for (const char c : scientific.substr(0, e)) {
        if (c >= '0' && c <= '9')
            digits = digits * 10 + static_cast<unsigned>(c - '0');
    }
    int exponent = 0;
    const char* from = scientific.data() + e + 1;
    if (*from == '+')
        ++from;
    std::from_chars(from, scientific.data() + scientific.size(), exponent);
    const int shift = exponent - 7; // the decimal is digits × 10^shift
    constexpr std::uint64_t kMantissa = std::uint64_t{1} << 53;
    if (shift >= 0) {
        // digits × 2^shift × 5^shift: its odd part must fit a double's mantissa.
        std::uint64_t odd = digits;
        for (int k = 0; k < shift; ++k) {
            if (odd > kMantissa / 5)
                return false;
            odd *= 5;
        }
    } else {
        // digits / (2^-shift × 5^-shift): 5^-shift must divide the digits.
        std::uint64_t five = 1;
        for (int k = 0; k < -shift; ++k) {
            five *= 5;
            if (five > digits)
                return false;
        }
        if (digits % five != 0)
            return false;
    }
    double back = 0.0;
    std::from_chars(scientific.data(), scientific.data() + scientific.size(), back);
    return back == value;
}

} // namespace

std::string_view TrimBlanks(std::string_view text) noexcept {
    std::size_t begin = 0;
    while (begin < text.size()) {
        const Decoded d = decode(text, begin);
        if (!d.valid || !isBlank(d.code))
            break;
        begin += d.length;
    }
    std::size_t end = text.size();
    while (end > begin) {
        const std::size_t start = previousStart(text, end);
        const Decoded d = decode(text, start);
        if (!d.valid || start + d.length != end || !isBlank(d.code))
            break;
        end = start;
    }
    return text.substr(begin, end - begin);
}

std::size_t Utf16Length(std::string_view text) noexcept {
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size();) {
        const Decoded d = decode(text, i);
        units += d.valid && d.code >= 0x10000 ? 2 : 1;
        i += d.length;
    }
    return units;
}

bool HasUnfitCharacter(std::string_view text) noexcept {
    for (std::size_t i = 0; i < text.size();) {
        const Decoded d = decode(text, i);
        if (!d.valid || d.code < 0x20 || (d.code >= 0x7F && d.code <= 0x9F))
            return true;
        i += d.length;
    }
    return false;
}

std::string Number(double value) {
    std::array<char, 64> text{};
    const auto general = [&text](double v) {
        const auto r =
            std::to_chars(text.data(), text.data() + text.size(), v, std::chars_format::general, 7);
        return std::string(text.data(), r.ptr);
    };
    if (value == 0.0)
        return "0";
    if (!std::isfinite(value))
        return general(value);
    // to_chars rounds a tie to even; the tables have always rounded it away
    // from zero (876.03125 is 876.0313): the next double outward does that.
    const auto r = std::to_chars(text.data(), text.data() + text.size(), value,
                                 std::chars_format::scientific, 7);
    if (isExactTie(value,
                   std::string_view(text.data(), static_cast<std::size_t>(r.ptr - text.data()))))
        return general(
            std::nextafter(value, std::copysign(std::numeric_limits<double>::infinity(), value)));
    return general(value);
}

} // namespace project
