// The typing filter and the More/Less digit rules, without widgets.

#include "FieldRules.h"

#include <gtest/gtest.h>

namespace {

using namespace calculator;

// What a field holds after typing `keys` one by one into `start`, each key
// either appended or discarded by the filter.
QString typed(QString start, QStringView keys) {
    for (const QChar key : keys) {
        if (KeyAllowed(start, key))
            start += key;
    }
    return start;
}

TEST(KeyFilter, LetsThroughNumbersInAnyLocaleButNoSecondSeparatorOrSign) {
    const struct {
        const char16_t* start;
        const char16_t* keys;
        const char16_t* result;
    } rows[] = {
        {u"", u"1.5.2", u"1.52"},        // a second point is refused
        {u"", u"1,234.5", u"1,234.5"},   // grouping and point together
        {u"", u"1.234,5", u"1.234,5"},   // a German reader's number
        {u"", u"-12-3", u"-123"},        // one sign, anywhere
        {u"12", u"-", u"12-"},           // ... also at the end
        {u"", u"a1b2 3e4\r\t", u"1234"}, // letters, blanks, Enter, Tab, exponent
        {u"68.00", u".", u"68.00"},      // the point is judged on the whole text
        {u"", u"\x03\x16\x1b", u""},     // Ctrl+C, Ctrl+V and Escape characters
        {u"", u"\u0661\uFF11", u""},     // digits of other scripts
    };
    for (const auto& row : rows)
        EXPECT_EQ(typed(QString::fromUtf16(row.start), row.keys), QString::fromUtf16(row.result))
            << QString::fromUtf16(row.keys).toStdString();
}

TEST(KeyFilter, BackspaceAlwaysPasses) {
    EXPECT_TRUE(KeyAllowed(u"", QChar(8)));
    EXPECT_TRUE(KeyAllowed(u"-1.5,", QChar(8)));
}

TEST(DigitRules, MoreAddsDecimalsUpToEight) {
    EXPECT_EQ(MoreDigits(u"####0.00"_qs), u"####0.000"_qs);
    EXPECT_EQ(MoreDigits(u"####0."_qs), u"####0.0"_qs);
    EXPECT_EQ(MoreDigits(u"0.00000000"_qs), u"0.00000000"_qs); // eight: unchanged
    // Without a point every character counts as a decimal.
    EXPECT_EQ(MoreDigits(u"##"_qs), u"##0"_qs);
    EXPECT_EQ(MoreDigits(u"########"_qs), u"########"_qs);
    EXPECT_EQ(MoreDigits(QString()), u"0"_qs);
}

TEST(DigitRules, LessStopsAtThePoint) {
    QString pattern = u"0.00"_qs;
    const QString expected[] = {u"0.0"_qs, u"0."_qs, u"0."_qs};
    for (const QString& next : expected) {
        pattern = LessDigits(pattern);
        EXPECT_EQ(pattern, next);
    }
    EXPECT_EQ(LessDigits(u"####0."_qs), u"####0."_qs);
    // Without a point the last character goes while there is one.
    EXPECT_EQ(LessDigits(u"#0"_qs), u"#"_qs);
    EXPECT_EQ(LessDigits(QString()), QString());
}

} // namespace
