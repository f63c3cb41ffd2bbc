// Rendering numbers by the fields' format patterns.

#include "NumberFormat.h"

#include <limits>
#include <ostream>

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    double value;
    const char16_t* pattern;
    const char16_t* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.value << " '" << QString::fromUtf16(c.pattern).toStdString() << "'";
}

class FormatNumber : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, InTheCLocale) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(calculator::FormatNumber(c.value, QStringView(c.pattern), QLocale::c()),
              QString::fromUtf16(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatNumber,
    testing::Values(
        // The defaults of the fields.
        FormatCase{68.0, u"####0.00", u"68.00"}, FormatCase{-17.777779f, u"#0.00", u"-17.78"},
        FormatCase{0.0072621f, u"#####0.0000", u"0.0073"}, FormatCase{14.696f, u"##0.00", u"14.70"},
        FormatCase{16088.888888, u"#0.0", u"16088.9"}, FormatCase{50.0, u"0.00", u"50.00"},
        // Halves round away from zero, decided on the exact value.
        FormatCase{0.125, u"0.00", u"0.13"}, FormatCase{-0.125, u"0.00", u"-0.13"},
        FormatCase{2.5, u"0", u"3"}, FormatCase{-2.5, u"0", u"-3"},
        FormatCase{68.005f, u"0.00", u"68.00"}, // the float lies just below the half
        FormatCase{9.999, u"0.00", u"10.00"}, FormatCase{999.96, u"#0.0", u"1000.0"},
        // Integer part always in full; "0" forces digits, "#" only when significant.
        FormatCase{123456.0, u"#0.0", u"123456.0"}, FormatCase{5.0, u"000.0", u"005.0"},
        FormatCase{0.5, u"#.00", u".50"}, FormatCase{0.0, u"#", u""},
        // A trailing point is shown; no point, no decimals.
        FormatCase{68.0, u"####0.", u"68."}, FormatCase{12.5, u"##0", u"13"},
        // No "-0.00" for a negative value that rounds to zero.
        FormatCase{-0.001, u"0.00", u"0.00"}, FormatCase{1.0 / 3.0, u"0.00000000", u"0.33333333"},
        FormatCase{1e20, u"0", u"100000000000000000000"},
        // An empty pattern shows the shortest general form of the float.
        FormatCase{68.005f, u"", u"68.005"}, FormatCase{0.1f, u"", u"0.1"}));

TEST(FormatNumberLocale, UsesTheLocaleDecimalSeparatorWithoutGrouping) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(calculator::FormatNumber(1234.5, u"#0.00", german), u"1234,50");
    EXPECT_EQ(calculator::FormatNumber(68.0, u"####0.", german), u"68,");
    EXPECT_EQ(calculator::FormatNumber(0.5f, u"", german), u"0,5");
}

TEST(FormatNumberLocale, NonFiniteValuesShowNothing) {
    EXPECT_EQ(calculator::FormatNumber(std::numeric_limits<double>::quiet_NaN(), u"0.00"), u"");
    EXPECT_EQ(calculator::FormatNumber(std::numeric_limits<double>::infinity(), u"0.00"), u"");
}

} // namespace
