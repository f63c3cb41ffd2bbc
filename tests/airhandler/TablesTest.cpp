// The air handler's tables: CSV by RFC 4180, units in the headers of either
// system, and a refused case's reason.

#include "airhandler/Tables.h"

#include <gtest/gtest.h>

using namespace airhandler;

namespace {

TEST(Tables, CsvQuotesOnlyWhatItMust) {
    Table table;
    table.header = {"Quantity", "Dry bulb (°F)"};
    table.rows = {{"plain", "55.00"}, {"a, b", "say \"hi\""}, {"two\nlines", "cr\rlf"}, {"", ""}};
    EXPECT_EQ(ToCsv(table), "Quantity,Dry bulb (°F)\r\n"
                            "plain,55.00\r\n"
                            "\"a, b\",\"say \"\"hi\"\"\"\r\n"
                            "\"two\nlines\",\"cr\rlf\"\r\n"
                            ",\r\n");
}

const std::vector<std::string>* RowNamed(const Table& table, std::string_view name,
                                         std::size_t column) {
    for (const auto& row : table.rows)
        if (row.at(column) == name)
            return &row;
    return nullptr;
}

// The default design's summer: a mixing box, a cooling coil to the supply
// and a fan, between the outdoor and return air and the supply and room.
TEST(Tables, ComponentsTableInEitherSystem) {
    Design design;
    for (const UnitSystem system : {UnitSystem::IP, UnitSystem::SI}) {
        design.system = system;
        const Solution solution = Solve(design);
        const Table table = ComponentsTable(design, solution, Season::Summer);
        const bool si = system == UnitSystem::SI;
        EXPECT_EQ(table.header.at(3), si ? "Entering dry bulb (°C)" : "Entering dry bulb (°F)");
        EXPECT_EQ(table.header.at(9), si ? "Sensible (kW)" : "Sensible (Btu/h)");
        EXPECT_EQ(table.header.at(12), si ? "Water (kg/h)" : "Water (lb/h)");
        // Outdoor air, return air, three components, supply air, room.
        ASSERT_EQ(table.rows.size(), 7u);
        for (const auto& row : table.rows)
            EXPECT_EQ(row.size(), table.header.size());
        const auto* coil = RowNamed(table, "Cooling coil", 1);
        ASSERT_NE(coil, nullptr);
        const double total = solution.summer->components[1].analysis->loads->total.btuPerHour;
        EXPECT_NEAR(std::stod(coil->at(11)),
                    si ? basPsychroFun::units::BtuPerHourToKilowatts(total) : total,
                    si ? 0.0005 : 0.5);
        const auto* supply = RowNamed(table, "Supply air", 1);
        ASSERT_NE(supply, nullptr);
        EXPECT_EQ(supply->at(5), si ? "12.78" : "55.00");
    }
}

TEST(Tables, RefusedCaseShowsItsReason) {
    Design design;
    design.summer.components.insert(design.summer.components.begin() + 1,
                                    HeatRecovery{Exchanger::Wheel, 1.5, 0.5, std::nullopt});
    const Solution solution = Solve(design);
    const Table components = ComponentsTable(design, solution, Season::Summer);
    ASSERT_EQ(components.rows.size(), 1u);
    EXPECT_EQ(components.rows[0].back(),
              "Component 2 (Heat-recovery wheel): An effectiveness must lie from 0 to 1.");

    const Table rollup = RollupTable(design, solution);
    ASSERT_EQ(rollup.header, (std::vector<std::string>{"Quantity", "Summer", "Winter"}));
    const auto* tons = RowNamed(rollup, "Cooling (tons)", 0);
    ASSERT_NE(tons, nullptr);
    EXPECT_EQ(tons->at(1), "");
    EXPECT_EQ(tons->at(2), "0.00");
    const auto* note = RowNamed(rollup, "Note", 0);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->at(1), components.rows[0].back());
}

} // namespace
