#pragma once

// Reading the fields of one comma-separated line of a weather or data file.
//
// Numbers in files always use "." as the decimal separator, whatever the
// user's locale: they are read with std::from_chars, never with strtod or
// stod, which follow the C library's locale.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace weather {

// The text without leading and trailing blanks (spaces, tabs, a carriage
// return left by a Windows line end) and without one pair of enclosing
// double quotes.
std::string_view TrimField(std::string_view text) noexcept;

// Splits `line` at its commas into at most `capacity` fields written to
// `fields` and returns the number of fields the line has (which may be more
// than `capacity`: the fields past it are counted, not stored). Fields are
// not trimmed. Commas inside quotes are not special.
std::size_t SplitFields(std::string_view line, std::string_view* fields,
                        std::size_t capacity) noexcept;

// A field read as a number: the whole trimmed field must be a finite
// decimal number ("12", "-3.5", "1e3"); anything else gives nothing.
std::optional<double> ParseNumber(std::string_view field) noexcept;
std::optional<int> ParseInteger(std::string_view field) noexcept;

// A field that holds no value: empty once trimmed, or one of the usual
// placeholders "NA", "NaN", "null" (any case).
bool IsBlankField(std::string_view field) noexcept;

// ASCII letters compared without regard to case (names in headers).
bool EqualsIgnoringCase(std::string_view a, std::string_view b) noexcept;

// The lines of a stream one at a time, counting the bytes consumed.
class LineSource {
public:
    explicit LineSource(std::istream& in) : in_(in) {}

    // Reads the next line into line(); false at the end of the stream.
    bool next() {
        if (held_) {
            held_ = false;
            return true;
        }
        if (!std::getline(in_, line_))
            return false;
        bytes_ += line_.size() + (in_.eof() ? 0 : 1);
        return true;
    }
    // Gives the current line again on the next call of next().
    void hold() { held_ = true; }
    [[nodiscard]] const std::string& line() const { return line_; }
    [[nodiscard]] std::uint64_t bytes() const { return bytes_; }

private:
    std::istream& in_;
    std::string line_;
    std::uint64_t bytes_ = 0;
    bool held_ = false;
};

} // namespace weather
