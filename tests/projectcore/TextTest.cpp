// Names measured, trimmed and checked as the window measures, trims and
// checks what the user types; numbers in the tables' text.

#include "projectcore/Text.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

using namespace project;

TEST(Text, TrimsTheBlanksOfUnicodeAndNothingElse) {
    const struct {
        std::string text;
        std::string trimmed;
    } cases[] = {
        {"  Room  ", "Room"},
        {"\t\r\n\v\fA B\n", "A B"},
        {"\xc2\xa0Room\xc2\xa0", "Room"},         // no-break space
        {"\xe2\x80\x83Room\xe3\x80\x80", "Room"}, // em space, ideographic space
        {"\xe2\x80\xa8Room\xe2\x80\xa9", "Room"}, // line and paragraph separators
        {"\xc2\x85Room", "Room"},                 // next line
        {"\xe2\x80\x8bRoom", "\xe2\x80\x8bRoom"}, // a zero-width space is no blank
        {"Room\xce\xb1", "Room\xce\xb1"},         // nor is a letter
        {"   ", ""},
        {"\xff Room \xff", "\xff Room \xff"}, // bytes that are no UTF-8 stay
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrimBlanks(c.text), c.trimmed) << c.text;
}

TEST(Text, MeasuresInUtf16CodeUnitsAndRefusesWhatIsNoName) {
    EXPECT_EQ(Utf16Length("Room"), 4u);
    EXPECT_EQ(Utf16Length("\xce\xb1\xce\xb2"), 2u); // two Greek letters
    EXPECT_EQ(Utf16Length("\xf0\x9f\x8c\xac"), 2u); // one emoji, a surrogate pair
    EXPECT_EQ(Utf16Length("\xe2\x82\xac"), 1u);     // the euro sign
    const struct {
        std::string name;
        bool unfit;
    } cases[] = {
        {"Zuluft \xf0\x9f\x8c\xac \xce\xb1", false},
        {std::string("Nul\0inside", 10), true},
        {"Tab\there", true},
        {"Delete\x7f", true},
        {"Next\xc2\x85line", true},         // U+0085, a C1 control
        {"\xc2\xa0", false},                // U+00A0 is no control
        {"\xed\xa0\x80 half a pair", true}, // an encoded surrogate
        {"\xc0\xaf overlong", true},
        {"\xff", true},
        {"cut \xe2\x82", true},
        {"\xf4\x90\x80\x80 beyond Unicode", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HasUnfitCharacter(c.name), c.unfit) << c.name;
}

// The tables' numbers were QString::number(v, 'g', 7); the text is kept to
// the byte: a tie at the eighth digit rounds away from zero (to_chars alone
// rounds it to even), zero has no sign.
TEST(Text, NumbersAsTheTablesHaveAlwaysGivenThem) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {75.0, "75"},
        {0.5, "0.5"},
        {-20.0, "-20"},
        {14.696, "14.696"},
        {876.03125, "876.0313"}, // an exact tie
        {-697.40625, "-697.4063"},
        {876.0312499999, "876.0312"},
        {0.0001, "0.0001"},
        {1e-5, "1e-05"},
        {12345678.0, "1.234568e+07"},
        {12345665.0, "1.234567e+07"}, // a tie in the exponent form
        {1234567.0, "1234567"},
        {-0.0, "0"},
        {0.0076317, "0.0076317"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Number(c.value), c.text) << c.value;
}
