#include "dialogs/Credit.h"

#include <cctype>
#include <string>
#include <vector>

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Key codes for a typed sequence: letters and digits by their Qt key codes
// (those of the capitals for letters), '^' for Shift, '_' for the space bar,
// '<' for the left arrow.
std::vector<int> Keys(const std::string& typed) {
    std::vector<int> keys;
    for (const char c : typed) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalpha(u)) {
            keys.push_back(Qt::Key_A + (std::toupper(u) - 'A'));
        } else if (std::isdigit(u)) {
            keys.push_back(Qt::Key_0 + (c - '0'));
        } else if (c == '^') {
            keys.push_back(Qt::Key_Shift);
        } else if (c == '_') {
            keys.push_back(Qt::Key_Space);
        } else if (c == '<') {
            keys.push_back(Qt::Key_Left);
        }
    }
    return keys;
}

int CreditsShownFor(const std::string& typed) {
    int count = 0;
    Credit credit(nullptr, [&count](QWidget*, const dialogs::Message&) { ++count; });
    for (const int key : Keys(typed)) {
        credit.Char(key);
    }
    return count;
}

} // namespace

TEST(Credit, TriggerWordAmongOtherKeys) {
    struct Case {
        std::string typed;
        int shown;
    };
    const Case cases[] = {
        {"kestrels", 1}, // small letters give the capitals' codes
        {"KESTRELS", 1},         {"kestrel", 0},   {"kest1rels", 0}, // a digit clears the buffer
        {"kes_trels", 0},                                            // the space bar too
        {"kes<trels", 0},                                            // an arrow key too
        {"kesxtrels", 0},                                            // a letter not in the word too
        {"kes^trels", 0},                          // Shift has a key code of its own
        {"^kestrels", 1},                          // Shift before the first letter does not matter
        {"kest1kestrels", 1},                      // after a clear the whole word works again
        {"ssskestrels", 1},                        // accepted letters typed first do no harm
        {"kestkestrels", 1},     {"kestrelss", 1}, // one more letter after the screen shows nothing
        {"kestrelskestrels", 2},                   // the whole word again shows it again
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CreditsShownFor(c.typed), c.shown) << c.typed;
    }
}

TEST(Credit, MessageHasTitleIconAndFourLines) {
    std::vector<dialogs::Message> shown;
    Credit credit(nullptr, [&shown](QWidget*, const dialogs::Message& m) { shown.push_back(m); });
    for (const int key : Keys("kestrels")) {
        credit.Char(key);
    }
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, QStringLiteral("Vaporwright Credit Screen"));
    EXPECT_EQ(shown[0].icon, QMessageBox::Information);
    const QStringList lines = shown[0].text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("(Dunmore Tollis Software)")));
    EXPECT_TRUE(lines[0].endsWith(QLatin1Char('.')));
    EXPECT_FALSE(lines[1].isEmpty());
    EXPECT_TRUE(lines[2].isEmpty());
    EXPECT_EQ(
        lines[3],
        QStringLiteral("Thank you all for your patience during the development of this software."));
}
