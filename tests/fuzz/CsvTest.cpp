// The strict CSV reader the fuzzing entries judge the program's output with:
// a reader that let a fault pass would hide every fault of the output.

#include "fuzz/Csv.h"

#include <gtest/gtest.h>

namespace {

using fuzz::CsvRecord;
using fuzz::ReadCsv;

TEST(StrictCsv, ReadsValidText) {
    const struct {
        std::string_view text;
        std::vector<CsvRecord> records;
    } cases[] = {
        {"", {}},
        {"a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        {"a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}},
        {",\n", {{"", ""}}},
        {"a,\n", {{"a", ""}}},
        {"\n", {{""}}},
        {"\"x, \"\"y\"\"\",z\n", {{"x, \"y\"", "z"}}},
        {"\"line\nend\",\"\"\n", {{"line\nend", ""}}},
        {"\"cr\r\",1\n", {{"cr\r", "1"}}},
    };
    for (const auto& c : cases) {
        const auto read = ReadCsv(c.text);
        ASSERT_TRUE(std::holds_alternative<std::vector<CsvRecord>>(read))
            << c.text << ": " << std::get<std::string>(read);
        EXPECT_EQ(std::get<std::vector<CsvRecord>>(read), c.records) << c.text;
    }
}

TEST(StrictCsv, RefusesWhatRfc4180Forbids) {
    const struct {
        std::string_view text;
        std::string_view why;
    } cases[] = {
        {"a\"b,c\n", "a double quote in an unquoted field"},
        {"a,b\"\n", "a double quote in an unquoted field"},
        {"\"a\"b,c\n", "text after a closing quote"},
        {"\"open,c\n", "a quoted field is not closed"},
        {"a\rb\n", "a carriage return in an unquoted field"},
        {"a,b", "the last record has no line end"},
        {"a,", "the last record has no line end"},
        {"\"a\"", "the last record has no line end"},
    };
    for (const auto& c : cases) {
        const auto read = ReadCsv(c.text);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.text;
        EXPECT_TRUE(std::get<std::string>(read).starts_with(c.why))
            << c.text << ": " << std::get<std::string>(read);
    }
}

} // namespace
