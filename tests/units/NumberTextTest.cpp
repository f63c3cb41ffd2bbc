#include "units/text/NumberText.h"

#include "ScopedDefaultLocale.h"

#include <optional>
#include <vector>

#include <QString>

#include <gtest/gtest.h>

namespace {

using basConversions::ReadNumber;

struct Reading {
    const char16_t* text;
    std::optional<double> expected;
};

void expectReadings(const char* locale, const std::vector<Reading>& readings) {
    const ScopedDefaultLocale scoped(locale);
    for (const Reading& r : readings) {
        SCOPED_TRACE(QString::fromUtf16(r.text).toStdString() + " in " + locale);
        const std::optional<double> got = ReadNumber(r.text);
        ASSERT_EQ(got.has_value(), r.expected.has_value());
        if (got) {
            EXPECT_DOUBLE_EQ(*got, *r.expected);
        }
    }
}

// Texts that are no number in any locale.
const std::vector<Reading> kUnreadable = {
    {u"", std::nullopt},      {u"   ", std::nullopt}, {u"-", std::nullopt},
    {u".", std::nullopt},     {u",", std::nullopt},   {u"abc", std::nullopt},
    {u"12abc", std::nullopt}, {u"--1", std::nullopt}, {u"1e", std::nullopt},
    {u"inf", std::nullopt},   {u"nan", std::nullopt}, {u"1e400", std::nullopt},
    {u"-1e400", std::nullopt}};

TEST(ReadNumber, FollowsUsEnglishSeparators) {
    expectReadings("en_US", {{u"1,234.5", 1234.5},
                             {u"  -12.25\t", -12.25},
                             {u".5", 0.5},
                             {u"1e5", 1e5},
                             {u"1234,5", std::nullopt},
                             {u"1.234,5", std::nullopt}});
    expectReadings("en_US", kUnreadable);
}

TEST(ReadNumber, FollowsGermanSeparators) {
    expectReadings("de_DE", {{u"1.234,5", 1234.5},
                             {u"1234,5", 1234.5},
                             {u" -0,25 ", -0.25},
                             {u"1.234.567,8", 1234567.8},
                             {u"1,234.5", std::nullopt}});
    expectReadings("de_DE", kUnreadable);
}

} // namespace
