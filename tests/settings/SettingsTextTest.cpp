#include "SettingsText.h"

#include "StoreFixture.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace settings;

namespace {

// StoreFixture fixes the default locale to en_US for each test.
using LocaleTest = StoreFixture;

void Use(QLocale::Language language, QLocale::Territory territory) {
    QLocale::setDefault(QLocale(language, territory));
}

} // namespace

TEST_F(LocaleTest, SingleTextHasSevenDigitsAtMostAndNoGrouping) {
    const struct {
        float value;
        const char16_t* text;
    } cases[] = {
        {14.696f, u"14.696"}, {0.0f, u"0"},           {12.23f, u"12.23"},
        {5000.0f, u"5000"},   {-1234.5f, u"-1234.5"}, {123456.7f, u"123456.7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SingleText(c.value), QString::fromUtf16(c.text)) << c.value;
        EXPECT_EQ(SingleFromText(SingleText(c.value)), c.value) << c.value;
    }
    EXPECT_EQ(SingleText(1.0f / 3.0f), u"0.3333333");
}

TEST_F(LocaleTest, DecimalCommaWrittenAndReadBothWays) {
    Use(QLocale::German, QLocale::Germany);
    EXPECT_EQ(SingleText(14.696f), u"14,696");
    EXPECT_EQ(SingleText(5000.0f), u"5000");
    EXPECT_EQ(SingleFromText(u"14,696"), 14.696f);
    // A file from a decimal-point locale still reads after a switch to German.
    EXPECT_EQ(SingleFromText(u"14.696"), 14.696f);
    Use(QLocale::English, QLocale::UnitedStates);
    // ... but German text under English is no number: never 14696 psia.
    EXPECT_EQ(SingleFromText(u"14,696"), std::nullopt);
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

TEST(SettingsText, FormatPatterns) {
    for (const char16_t* good : {u"####0.00", u"0", u"####0.", u".00", u"", u"#####0.00000000"}) {
        EXPECT_TRUE(IsValidFormatPattern(good)) << QString::fromUtf16(good).toStdString();
    }
    for (const char16_t* bad : {u"0.0.0", u"#,##0.00", u"0.00 ", u"0.00%", u"abc"}) {
        EXPECT_FALSE(IsValidFormatPattern(bad)) << QString::fromUtf16(bad).toStdString();
    }
    EXPECT_TRUE(IsValidFormatPattern(QString(32, u'#')));
    EXPECT_FALSE(IsValidFormatPattern(QString(33, u'#')));
}
