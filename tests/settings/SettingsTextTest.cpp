#include "settings/SettingsText.h"

#include "StoreFixture.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace settings;

namespace {

// StoreFixture fixes the default locale to en_US for each test.
using LocaleTest = StoreFixture;

} // namespace

TEST_F(LocaleTest, SingleTextIsShortestExactAndPlain) {
    const struct {
        float value;
        const char16_t* text;
    } cases[] = {
        {14.696f, u"14.696"},         {0.0f, u"0"},
        {12.23f, u"12.23"},           {5000.0f, u"5000"},
        {-1234.5f, u"-1234.5"},       {123456.7f, u"123456.7"},
        {1.0f / 3.0f, u"0.33333334"}, {5005.581f, u"5005.581"},
    };
    // The same text under every locale: a file travels between them.
    for (const QLocale::Language language : {QLocale::English, QLocale::German, QLocale::French}) {
        QLocale::setDefault(QLocale(language));
        for (const auto& c : cases) {
            EXPECT_EQ(SingleText(c.value), QString::fromUtf16(c.text)) << c.value;
            EXPECT_EQ(SingleFromText(SingleText(c.value)), c.value) << c.value;
        }
    }
}

TEST_F(LocaleTest, PointOrCommaReadsAsTheDecimalSeparatorUnderAnyLocale) {
    for (const QLocale::Language language : {QLocale::English, QLocale::German}) {
        QLocale::setDefault(QLocale(language));
        // "12,23" is what earlier versions wrote under German: never 1223.
        EXPECT_EQ(SingleFromText(u"12,23"), 12.23f);
        EXPECT_EQ(SingleFromText(u"5005,581"), 5005.581f);
        EXPECT_EQ(SingleFromText(u" 14.696 "), 14.696f);
        for (const char16_t* text : {u"1.234,5", u"1,234.5", u"1 234", u"12,23,1"}) {
            EXPECT_EQ(SingleFromText(text), std::nullopt) << QString::fromUtf16(text).toStdString();
        }
    }
}

TEST(SettingsText, SingleRefusesWhatIsNoFiniteSingle) {
    for (const char16_t* text :
         {u"", u"abc", u"1e39", u"-1e39", u"inf", u"nan", u"1e-50", u"12x"}) {
        EXPECT_EQ(SingleFromText(text), std::nullopt) << QString::fromUtf16(text).toStdString();
    }
}

TEST(SettingsText, IntegersAndBooleans) {
    EXPECT_EQ(IntegerText(1), u"1");
    EXPECT_EQ(IntegerFromText(u" 1 "), 1);
    EXPECT_EQ(IntegerFromText(u"1.5"), std::nullopt);
    EXPECT_EQ(IntegerFromText(u""), std::nullopt);

    EXPECT_EQ(BooleanText(true), u"True");
    EXPECT_EQ(BooleanText(false), u"False");
    const struct {
        const char16_t* text;
        std::optional<bool> value;
    } cases[] = {
        {u"True", true}, {u"false", false}, {u"-1", true}, {u"0", false},   {u"2.5", true},
        {u"0.0", false}, {u"yes", {}},      {u"", {}},     {u"Truely", {}}, {u"nan", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BooleanFromText(c.text), c.value) << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(SettingsText, FormatPatternsAreThoseMoreAndLessDigitsMake) {
    for (const char16_t* good : {u"####0.00", u"0.", u"####0.", u".00", u"#####0.00000000"}) {
        EXPECT_TRUE(IsValidFormatPattern(good)) << QString::fromUtf16(good).toStdString();
    }
    // Nine decimals are more than More digits gives; without a point, Less
    // digits would eat the integer part.
    for (const char16_t* bad : {u"", u"0", u"#######0", u"0.0.0", u"#,##0.00", u"0.00 ", u"0.00%",
                                u"0.0#", u"0.000000000"}) {
        EXPECT_FALSE(IsValidFormatPattern(bad)) << QString::fromUtf16(bad).toStdString();
    }
    EXPECT_TRUE(IsValidFormatPattern(QString(31, u'#') + u'.'));
    EXPECT_FALSE(IsValidFormatPattern(QString(32, u'#') + u'.'));
}
