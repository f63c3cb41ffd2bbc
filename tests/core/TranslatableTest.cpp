// Marked texts and messages of the Qt-free code: placeholders filled in one
// pass, and every reason's sentence with exactly the arguments it names.

#include "core/Translatable.h"

#include "core/RealAir.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

namespace {

using calculator::Reason;
using i18n::FillPlaceholders;

TEST(FillPlaceholders, PutsEachArgumentInItsPlaceOnce) {
    const struct {
        const char* pattern;
        std::vector<std::string> arguments;
        const char* filled;
    } rows[] = {
        {"Altitude beyond %1", {"65,000 ft"}, "Altitude beyond 65,000 ft"},
        {"%2 before %1", {"one", "two"}, "two before one"},
        {"above %1 %", {"102"}, "above 102 %"},
        // An argument is never searched: a typed "%1" or "%2" stays.
        {"Could not read \"%1\" as a number", {"%1%2"}, "Could not read \"%1%2\" as a number"},
        {"%1%1", {"x"}, "xx"},
        // What names no argument stays as it is.
        {"%3 and %0 and %", {"a"}, "%3 and %0 and %"},
        {"ends in %", {}, "ends in %"},
        {"", {"a"}, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FillPlaceholders(row.pattern, row.arguments), row.filled) << row.pattern;
}

TEST(Message, EnglishWritesNumbersWithTheirUnits) {
    const i18n::Message message{
        VW_TRANSLATABLE("Test", "%1 and %2"),
        {i18n::Argument::Number("-609.6", "m"), i18n::Argument::Plain("a name")}};
    EXPECT_EQ(message.English(), "-609.6 m and a name");
    EXPECT_EQ(i18n::Message{}.English(), "");
}

// A translator sees the sentence with its placeholders; each must have its
// argument, and each argument its placeholder, or a limit goes missing.
TEST(ReasonMessage, EveryReasonNamesExactlyItsArguments) {
    for (int r = 0; r <= static_cast<int>(Reason::NumberTooLarge); ++r) {
        for (const char* system : {"IP", "SI"}) {
            const i18n::Message message =
                calculator::ReasonMessage(static_cast<Reason>(r), system, "typed");
            ASSERT_NE(message.text.source, nullptr) << r;
            EXPECT_STREQ(message.text.context, "RealAir");
            std::set<int> named;
            for (const char* c = message.text.source; *c != '\0'; ++c) {
                if (c[0] == '%' && c[1] >= '1' && c[1] <= '9')
                    named.insert(c[1] - '0');
            }
            std::set<int> given;
            for (std::size_t i = 1; i <= message.arguments.size(); ++i)
                given.insert(static_cast<int>(i));
            EXPECT_EQ(named, given) << message.text.source;
        }
    }
}

TEST(ReasonMessage, LimitsAreNumbersTypedTextIsNot) {
    const i18n::Message altitude = calculator::ReasonMessage(Reason::AltitudeBelowRange, "SI");
    ASSERT_EQ(altitude.arguments.size(), 1u);
    EXPECT_EQ(altitude.arguments[0].kind, i18n::Argument::Kind::Number);
    EXPECT_EQ(altitude.arguments[0].text, "-609.6");
    EXPECT_EQ(altitude.arguments[0].unit, "m");
    const i18n::Message typed = calculator::ReasonMessage(Reason::UnreadableNumber, "IP", "12.5");
    ASSERT_EQ(typed.arguments.size(), 1u);
    EXPECT_EQ(typed.arguments[0].kind, i18n::Argument::Kind::Text);
    EXPECT_EQ(typed.arguments[0].text, "12.5");
}

// A message inside another (a point that is not air, with the core's
// reason): its English in place, its own arguments filled once, and a "%1"
// the user typed into it never taken for the outer message's placeholder.
TEST(NestedMessage, ItsEnglishWithItsOwnArgumentsInPlace) {
    const i18n::Message reason = calculator::ReasonMessage(Reason::UnreadableNumber, "IP", "%2");
    const i18n::Message outer{{"Test", "Point %1 is not air: %2"},
                              {i18n::Argument::Plain("A"), i18n::Argument::Nested(reason)}};
    EXPECT_EQ(outer.English(), "Point A is not air: " + reason.English());
    EXPECT_NE(reason.English().find("%2"), std::string::npos);
    ASSERT_EQ(outer.arguments[1].kind, i18n::Argument::Kind::Sentence);
    ASSERT_TRUE(outer.arguments[1].sentence);
    EXPECT_EQ(outer.arguments[1].sentence->English(), reason.English());
}

} // namespace
