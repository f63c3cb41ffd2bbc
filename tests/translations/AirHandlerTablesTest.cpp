// The air handler's tables in a window: words translated, numbers in the
// reader's number format, units and the CSV as they are in every language.

#include "airhandler/Tables.h"
#include "translations/Languages.h"
#include "translations/Message.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

using namespace airhandler;

class AirHandlerTables : public ::testing::Test {
protected:
    void TearDown() override { translations::Install(*qApp, u"en"_qs); }
};

// Every cell in English: the window's text of it is the CSV's, byte for byte.
TEST_F(AirHandlerTables, InEnglishEachCellIsTheCsvs) {
    ASSERT_TRUE(translations::Install(*qApp, u"en"_qs));
    Design design;
    const Solution solution = Solve(design);
    for (const Table& table :
         {ComponentsTable(design, solution, Season::Summer),
          ComponentsTable(design, solution, Season::Winter), RollupTable(design, solution)}) {
        ASSERT_EQ(table.shownHeader.size(), table.header.size());
        ASSERT_EQ(table.shownRows.size(), table.rows.size());
        for (std::size_t c = 0; c < table.header.size(); ++c)
            EXPECT_EQ(translations::Translated(table.shownHeader[c], QLocale::c()).toStdString(),
                      table.header[c]);
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            ASSERT_EQ(table.shownRows[r].size(), table.rows[r].size());
            for (std::size_t c = 0; c < table.rows[r].size(); ++c)
                EXPECT_EQ(
                    translations::Translated(table.shownRows[r][c], QLocale::c()).toStdString(),
                    table.rows[r][c]);
        }
    }
}

TEST_F(AirHandlerTables, InGermanWordsAreTranslatedAndTheCsvStaysEnglish) {
    Design design;
    design.system = UnitSystem::SI;
    const Solution solution = Solve(design);
    const std::string english = ToCsv(RollupTable(design, solution));
    ASSERT_TRUE(translations::Install(*qApp, u"de"_qs));
    const Table rollup = RollupTable(design, solution);
    EXPECT_EQ(ToCsv(rollup), english);
    const QLocale german(QLocale::German, QLocale::Germany);
    const auto shown = [&](const i18n::Message& cell) {
        return translations::Translated(cell, german);
    };
    EXPECT_EQ(shown(rollup.shownHeader[0]), u"Größe"_qs);
    EXPECT_EQ(shown(rollup.shownHeader[1]), u"Sommer"_qs);
    // A header keeps its unit; a number takes the decimal comma.
    for (std::size_t r = 0; r < rollup.rows.size(); ++r) {
        if (rollup.rows[r][0] != "Supply dry bulb (°C)")
            continue;
        EXPECT_EQ(shown(rollup.shownRows[r][0]), u"Zuluft Trockenkugeltemperatur (°C)"_qs);
        QString digits = QString::fromStdString(rollup.rows[r][1]);
        EXPECT_EQ(shown(rollup.shownRows[r][1]), digits.replace(u'.', u','));
    }
    // The components: the stream and the process in German.
    const Table components = ComponentsTable(design, solution, Season::Summer);
    EXPECT_EQ(ToCsv(components), [&] {
        translations::Install(*qApp, u"en"_qs);
        return ToCsv(ComponentsTable(design, solution, Season::Summer));
    }());
    translations::Install(*qApp, u"de"_qs);
    bool sawSupplyAir = false;
    for (std::size_t r = 0; r < components.rows.size(); ++r) {
        if (components.rows[r][2] == "Supply air") {
            EXPECT_EQ(shown(components.shownRows[r][2]), u"Zuluft"_qs);
            sawSupplyAir = true;
        }
    }
    EXPECT_TRUE(sawSupplyAir);
}

} // namespace
