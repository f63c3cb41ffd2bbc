#include "weather/Fields.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace weather {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

std::string_view TrimField(std::string_view text) noexcept {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
        return TrimField(text);
    }
    return text;
}

std::size_t SplitFields(std::string_view line, std::string_view* fields,
                        std::size_t capacity) noexcept {
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
        if (count < capacity)
            fields[count] = line.substr(start, end - start);
        ++count;
        if (comma == std::string_view::npos)
            return count;
        start = comma + 1;
    }
}

std::optional<double> ParseNumber(std::string_view field) noexcept {
    field = TrimField(field);
    // from_chars takes no leading '+'; a file may write one.
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    if (field.empty())
        return std::nullopt;
    double value = 0.0;
    const char* const last = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), last, value);
    if (ec != std::errc() || ptr != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> ParseInteger(std::string_view field) noexcept {
    field = TrimField(field);
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    int value = 0;
    const char* const last = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), last, value);
    if (field.empty() || ec != std::errc() || ptr != last)
        return std::nullopt;
    return value;
}

std::size_t SplitCsvFields(std::string_view line, std::vector<std::string_view>& fields,
                           std::size_t maxFields) {
    fields.clear();
    std::size_t count = 0;
    const auto add = [&](std::string_view field) {
        if (count++ < maxFields)
            fields.push_back(field);
    };
    std::size_t start = 0;
    while (true) {
        std::size_t from = start;
        if (from < line.size() && line[from] == '"') {
            // A quoted field: past its closing quote, or to the end of the line.
            ++from;
            while (from < line.size()) {
                if (line[from] == '"') {
                    if (from + 1 < line.size() && line[from + 1] == '"') {
                        from += 2;
                        continue;
                    }
                    ++from;
                    break;
                }
                ++from;
            }
        }
        const std::size_t comma = line.find(',', from);
        if (comma == std::string_view::npos) {
            add(line.substr(start));
            return count;
        }
        add(line.substr(start, comma - start));
        start = comma + 1;
    }
}

void CsvFieldValue(std::string_view field, std::string& out) {
    out.clear();
    if (field.empty() || field.front() != '"') {
        out.assign(field);
        return;
    }
    std::size_t i = 1;
    for (; i < field.size(); ++i) {
        if (field[i] == '"') {
            if (i + 1 < field.size() && field[i + 1] == '"') {
                out += '"';
                ++i;
                continue;
            }
            ++i; // past the closing quote
            break;
        }
        out += field[i];
    }
    out.append(field.substr(std::min(i, field.size())));
}

namespace {

// The length of the UTF-8 sequence at the start of `text` (at least 2 bytes
// long), or 0 when it is none, overlong, a surrogate, beyond U+10FFFF or a C1
// control character (U+0080 to U+009F).
std::size_t Utf8Sequence(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u)
            return 0;
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) ||
        code <= 0x9F)
        return 0;
    return length;
}

} // namespace

std::string ShownText(std::string_view text, std::size_t maxBytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    std::size_t i = 0;
    while (i < text.size() && shown.size() < maxBytes) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F) {
            shown += static_cast<char>(c);
            ++i;
        } else if (const std::size_t n = c >= 0x80 ? Utf8Sequence(text.substr(i)) : 0; n > 0) {
            shown.append(text.substr(i, n));
            i += n;
        } else {
            if (c == '\t')
                shown += "\\t";
            else if (c == '\r')
                shown += "\\r";
            else if (c == '\n')
                shown += "\\n";
            else
                shown.append({'\\', 'x', kHex[c >> 4], kHex[c & 0xFu]});
            ++i;
        }
    }
    if (i < text.size())
        shown += "...";
    return shown;
}

bool IsBlankField(std::string_view field) noexcept {
    field = TrimField(field);
    return field.empty() || EqualsIgnoringCase(field, "NA") || EqualsIgnoringCase(field, "NaN") ||
           EqualsIgnoringCase(field, "null");
}

} // namespace weather
