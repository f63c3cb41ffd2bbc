// The one CSV writer of the batch program, the project's tables and the air
// handler's: a field is quoted exactly when a reader would otherwise split
// or cut it.

#include "core/CsvText.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(CsvText, FieldsAreQuotedExactlyWhenAReaderNeedsIt) {
    const struct {
        std::string text;
        std::string written;
    } cases[] = {
        {"", ""},
        {"Room", "Room"},
        {"Dry bulb (°F)", "Dry bulb (°F)"}, // UTF-8 is text, not a control
        {"  padded ", "  padded "},
        {"a,b", "\"a,b\""},
        {"5\" duct", "\"5\"\" duct\""},
        {"\"", "\"\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        {"tab\there", "\"tab\there\""},
        {std::string("nul\0x", 5), std::string("\"nul\0x\"", 7)},
        {"del\x7f", "\"del\x7f\""},
    };
    for (const auto& c : cases) {
        std::string out = "x,";
        csv::AppendField(out, c.text);
        EXPECT_EQ(out, "x," + c.written) << c.text;
    }
}

TEST(CsvText, RecordsEndInCrLfAndKeepEmptyFields) {
    std::string out;
    csv::AppendRecord(out, {"Point", "", "a,b"});
    csv::AppendRecord(out, {});
    EXPECT_EQ(out, "Point,,\"a,b\"\r\n\r\n");
}

} // namespace
