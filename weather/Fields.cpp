#include "weather/Fields.h"

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

bool IsBlankField(std::string_view field) noexcept {
    field = TrimField(field);
    return field.empty() || EqualsIgnoringCase(field, "NA") || EqualsIgnoringCase(field, "NaN") ||
           EqualsIgnoringCase(field, "null");
}

} // namespace weather
