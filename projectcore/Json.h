#pragma once

// The one JSON parser of the project file: Debian's nlohmann/json, without
// exceptions. For the library's own sources.

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <variant>

namespace project::json {

using Value = nlohmann::json;

// The deepest nesting read: far beyond any project file (five levels), and
// bounded so that a file of nothing but brackets builds no tower of values.
inline constexpr std::size_t kMaxDepth = 1024;

// The document, or what is wrong with the text: a phrase such as "too deeply
// nested document", "illegal number" (a number beyond the range of a double,
// or so small it would read as zero), or the parser's own words with the line
// and column. As files written by earlier versions were read, a string may
// hold a control character as it is, or half of a UTF-16 surrogate pair as
// an escape; either reads as a control character, which every name refuses.
std::variant<Value, std::string> Parse(std::string_view text);

// The text of a document: four spaces an indent, keys in order, numbers as
// the shortest text that reads back as the same double, UTF-8 as it is.
std::string Write(const Value& document);

} // namespace project::json
