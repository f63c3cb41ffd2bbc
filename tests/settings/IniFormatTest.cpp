#include "settings/IniFormat.h"

#include <gtest/gtest.h>

using namespace settings;

namespace {

// Texts that need every rule of the format: quotes, escapes, a leading "@",
// blanks at the ends, a control character before a digit, non-ASCII.
const StoredTexts kAwkward{
    {QStringLiteral("At"), QStringLiteral("@foo")},
    {QStringLiteral("Ctl"), QStringLiteral("x\x01"
                                           "1y")},
    {QStringLiteral("Disclaimer Show"), QStringLiteral("False")},
    {QStringLiteral("Empty"), QString()},
    {QStringLiteral("Lead"), QStringLiteral(" lead")},
    {QStringLiteral("Weird"), QString::fromUtf8("a\"b\\c\td \xc3\xa9 , x;y @z")},
};

// The same texts as QSettings (Qt 6.4) wrote them.
const QByteArray kWrittenByQSettings = "[Settings]\n"
                                       "At=@@foo\n"
                                       "Ctl=x\\x1\\x31y\n"
                                       "Disclaimer%20Show=False\n"
                                       "Empty=\n"
                                       "Lead=\" lead\"\n"
                                       "Weird=\"a\\\"b\\\\c\\td \xc3\xa9 , x;y @z\"\n";

TEST(IniFormat, ReadsWhatQSettingsWroteAndWritesItTheSameWay) {
    const StoreContents read = ParseStoreText(kWrittenByQSettings);
    EXPECT_EQ(read.texts, kAwkward);
    EXPECT_FALSE(read.hasOtherText);
    EXPECT_EQ(ComposeStoreText(kAwkward), kWrittenByQSettings);
}

TEST(IniFormat, HandEditedFormsRead) {
    const StoreContents read = ParseStoreText("[Settings]\n"
                                              "  Patm = 12,23  \n"     // blanks, a bare comma
                                              "Alt=\"5005,581\"\n"     // German, as Qt quoted it
                                              "Disclaimer Show=True\n" // a blank not escaped
                                              "Units=1 ; note\n");
    EXPECT_EQ(read.texts.value(QStringLiteral("Patm")), u"12,23");
    EXPECT_EQ(read.texts.value(QStringLiteral("Alt")), u"5005,581");
    EXPECT_EQ(read.texts.value(QStringLiteral("Disclaimer Show")), u"True");
    EXPECT_EQ(read.texts.value(QStringLiteral("Units")), u"1 ; note"); // refused by its reader
}

TEST(IniFormat, LastOfTwoLinesWinsAndOtherTextIsNoted) {
    const StoreContents read =
        ParseStoreText("[Settings]\nUnits=0\n\n[Settings]\nUnits=1\n; a comment\n");
    EXPECT_EQ(read.texts.value(QStringLiteral("Units")), u"1");
    EXPECT_TRUE(read.hasOtherText);
    EXPECT_FALSE(ParseStoreText("\n[Settings]\n\r\n").hasOtherText);
}

// "[Settings" without its "]" dropped every key after it. A header that
// cannot be read is one unreadable line: the keys after it stay in the
// section they were in.
TEST(IniFormat, MalformedSectionLineIsSkippedAndKeysStayInTheirSection) {
    const struct {
        const char* name;
        QByteArray bytes;
        const char* units; // "" for not read
    } cases[] = {
        {"unclosed header", "[Settings]\nPatm=12.23\n[Settings\nUnits=1\n", "1"},
        {"unclosed header of another name", "[Settings]\nPatm=12.23\n[Other\nUnits=1\n", "1"},
        {"broken escape in a header", "[Settings]\nPatm=12.23\n[Oth%ZZ]\nUnits=1\n", "1"},
        {"empty header", "[Settings]\nPatm=12.23\n[]\nUnits=1\n", "1"},
        {"bracket alone", "[Settings]\nPatm=12.23\n[\nUnits=1\n", "1"},
        {"in another section", "[Other]\nPatm=12.23\n[Settings\nUnits=1\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const StoreContents read = ParseStoreText(c.bytes);
        EXPECT_EQ(read.texts.value(QStringLiteral("Units")), QString::fromLatin1(c.units));
        EXPECT_TRUE(read.hasOtherText);
    }
    EXPECT_EQ(
        ParseStoreText("[Settings]\nPatm=12.23\n[Settings\n").texts.value(QStringLiteral("Patm")),
        u"12.23");
}

// A value with half a surrogate pair (from "\xd800" typed by hand) was
// written back as "?". It is written as the escape it was read from; a whole
// pair stays a character.
TEST(IniFormat, SurrogateWithoutItsPairRoundTrips) {
    const StoredTexts texts{
        {QStringLiteral("Half"), QString(QChar(0xd800)) + QStringLiteral("1")},
        {QStringLiteral("Low"), QStringLiteral("a") + QChar(0xdc00)},
        {QStringLiteral("Pair"), QString::fromUtf8("\xf0\x9f\x8c\xac")},
    };
    const QByteArray written = ComposeStoreText(texts);
    EXPECT_EQ(written, "[Settings]\nHalf=\\xd800\\x31\nLow=a\\xdc00\nPair=\xf0\x9f\x8c\xac\n");
    EXPECT_EQ(ParseStoreText(written).texts, texts);
}

} // namespace
