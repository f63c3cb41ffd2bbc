// The typing filter and the reading of typed entries by the user's locale,
// without widgets.

#include "calculator/TypedText.h"

#include "core/FieldTable.h"

#include <QLocale>

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

// What a text typed into a field stores, by the locale the user reads it in.
// Once anything unreadable stored 0 (and then RH 3765 % was shown).
TEST(ReadEntry, StoresANumberOrSaysWhyNot) {
    const struct {
        const char* locale;
        const char16_t* text;
        int field, position;
        std::optional<float> value;
        std::optional<Reason> problem;
    } rows[] = {
        {"en_US", u"75", kDryBulb, 0, 75.0f, {}},
        {"en_US", u"-20", kDryBulb, 1, -4.0f, {}}, // °C
        {"en_US", u"1,234.5", kEnthalpy, 0, 1234.5f, {}},
        {"de_DE", u"12,5", kHumidityRatio, 2, 0.0125f, {}}, // gm/kg
        {"en_US", u"50", kRelativeHumidity, -1, 0.5f, {}},
        // An emptied field: 0 in the base unit; the relative humidity stays.
        {"en_US", u"", kDryBulb, 1, 0.0f, {}},
        {"en_US", u"  ", kAltitude, 0, 0.0f, {}},
        {"en_US", u"", kRelativeHumidity, -1, {}, {}},
        // Not a number in the user's locale.
        {"en_US", u"12,5", kRelativeHumidity, -1, {}, Reason::UnreadableNumber},
        {"de_DE", u"23.5", kDryBulb, 0, {}, Reason::UnreadableNumber},
        {"en_US", u"inf", kDryBulb, 0, {}, Reason::UnreadableNumber},
        {"en_US", u"abc", kAtmosphericPressure, 0, {}, Reason::UnreadableNumber},
        {"en_US", u"-", kDryBulb, 0, {}, Reason::UnreadableNumber},
        // Beyond single precision, typed or once in the base unit (atm).
        {"en_US",
         u"999999999999999999999999999999999999999999999",
         kWetBulb,
         0,
         {},
         Reason::NumberTooLarge},
        {"en_US", u"1e39", kDryBulb, 0, {}, Reason::NumberTooLarge},
        {"en_US", u"1e38", kAtmosphericPressure, 1, {}, Reason::NumberTooLarge},
        {"en_US", u"3e38", kRelativeHumidity, -1, 3e36f, {}},
    };
    const QLocale saved;
    for (const auto& row : rows) {
        QLocale::setDefault(QLocale(QString::fromLatin1(row.locale)));
        const QString text = QString::fromUtf16(row.text);
        const Entry entry = ReadEntry(text, row.field, row.position);
        EXPECT_EQ(entry.value, row.value) << row.locale << ' ' << text.toStdString();
        EXPECT_EQ(entry.problem, row.problem) << row.locale << ' ' << text.toStdString();
    }
    QLocale::setDefault(saved);
}

} // namespace
