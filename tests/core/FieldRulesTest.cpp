// The More/Less digit rules of the format patterns.

#include "core/FieldRules.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using namespace calculator;

TEST(DigitRules, MoreAddsDecimalsUpToEight) {
    EXPECT_EQ(MoreDigits("####0.00"), "####0.000");
    EXPECT_EQ(MoreDigits("####0."), "####0.0");
    EXPECT_EQ(MoreDigits("0.00000000"), "0.00000000"); // eight: unchanged
    // Without a point every character counts as a decimal.
    EXPECT_EQ(MoreDigits("##"), "##0");
    EXPECT_EQ(MoreDigits("########"), "########");
    EXPECT_EQ(MoreDigits(""), "0");
}

TEST(DigitRules, LessStopsAtThePoint) {
    std::string pattern = "0.00";
    const std::string expected[] = {"0.0", "0.", "0."};
    for (const std::string& next : expected) {
        pattern = LessDigits(pattern);
        EXPECT_EQ(pattern, next);
    }
    EXPECT_EQ(LessDigits("####0."), "####0.");
    // Without a point the last character goes while there is one.
    EXPECT_EQ(LessDigits("#0"), "#");
    EXPECT_EQ(LessDigits(""), "");
}

} // namespace
