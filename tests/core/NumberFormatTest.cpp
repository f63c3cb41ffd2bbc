// Rendering numbers by the fields' format patterns.

#include "core/NumberFormat.h"

#include <limits>
#include <ostream>

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.value << " '" << c.pattern << "'";
}

class FormatNumber : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, WithAPoint) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(calculator::FormatNumber(c.value, c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatNumber,
    testing::Values(
        // The defaults of the fields.
        FormatCase{68.0, "####0.00", "68.00"}, FormatCase{-17.777779f, "#0.00", "-17.78"},
        FormatCase{0.0072621f, "#####0.0000", "0.0073"}, FormatCase{14.696f, "##0.00", "14.70"},
        FormatCase{16088.888888, "#0.0", "16088.9"}, FormatCase{50.0, "0.00", "50.00"},
        // Halves round away from zero, decided on the exact value.
        FormatCase{0.125, "0.00", "0.13"}, FormatCase{-0.125, "0.00", "-0.13"},
        FormatCase{2.5, "0", "3"}, FormatCase{-2.5, "0", "-3"},
        FormatCase{68.005f, "0.00", "68.00"}, // the float lies just below the half
        FormatCase{9.999, "0.00", "10.00"}, FormatCase{999.96, "#0.0", "1000.0"},
        // Integer part always in full; "0" forces digits, "#" only when significant.
        FormatCase{123456.0, "#0.0", "123456.0"}, FormatCase{5.0, "000.0", "005.0"},
        FormatCase{0.5, "#.00", ".50"}, FormatCase{0.0, "#", ""},
        // A trailing point is shown; no point, no decimals.
        FormatCase{68.0, "####0.", "68."}, FormatCase{12.5, "##0", "13"},
        // No "-0.00" for a negative value that rounds to zero.
        FormatCase{-0.001, "0.00", "0.00"}, FormatCase{1.0 / 3.0, "0.00000000", "0.33333333"},
        FormatCase{1e20, "0", "100000000000000000000"},
        // An empty pattern shows the shortest general form of the float.
        FormatCase{68.005f, "", "68.005"}, FormatCase{0.1f, "", "0.1"}));

TEST(FormatNumberSeparator, UsesTheGivenDecimalSeparatorWithoutGrouping) {
    EXPECT_EQ(calculator::FormatNumber(1234.5, "#0.00", ","), "1234,50");
    EXPECT_EQ(calculator::FormatNumber(68.0, "####0.", ","), "68,");
    EXPECT_EQ(calculator::FormatNumber(0.5f, "", ","), "0,5");
}

TEST(FormatNumberSeparator, NonFiniteValuesShowNothing) {
    EXPECT_EQ(calculator::FormatNumber(std::numeric_limits<double>::quiet_NaN(), "0.00"), "");
    EXPECT_EQ(calculator::FormatNumber(std::numeric_limits<double>::infinity(), "0.00"), "");
}

} // namespace
