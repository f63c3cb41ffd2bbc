#include "units/UnitCatalogue.h"

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace units = basLoadUnits;
using Units = std::vector<std::string_view>;

Units filled(std::string_view tag) {
    Units list;
    units::LoadUnits(tag, [&](std::string_view u) { list.push_back(u); });
    return list;
}

// The lists in full: a unit's position selects its conversion and is stored
// in the settings, so neither order nor spelling may drift. Texts are spelled
// as UTF-8 bytes so that the expectation does not depend on this file's encoding.
TEST(UnitCatalogue, EveryTagListsItsUnitsInOrder) {
    const std::string_view deg = "\xC2\xB0";  // °
    const std::string_view cube = "\xC2\xB3"; // ³
    const auto s = [](auto... parts) { return (std::string() + ... + std::string(parts)); };
    const std::vector<std::string> temperature = {s(deg, "F"), s(deg, "C"), s(deg, "R"), "K"};
    const std::vector<std::string> pressure = {"psia", "atm", "inHg", "inH2O", "mmHg",
                                               "mbar", "kPa", "Pa",   "Bar"};
    const struct {
        std::string_view tag;
        std::vector<std::string> units;
    } expected[] = {
        {units::kTemperature, temperature},
        {units::kPress, pressure},
        {units::kVP, pressure},
        {units::kSpecificVolume,
         {s("ft", cube, "/lbm"), s("cm", cube, "/gm"), s("m", cube, "/kg")}},
        {units::kDensity, {s("lbm/ft", cube), s("gm/cm", cube), s("gm/m", cube), s("kg/m", cube)}},
        {units::kEnth, {"BTU/lbm", "cal/gm", "kJ/kg"}},
        {units::kAltitude, {"ft", "m"}},
        {units::kConcentration, {"PPM weight", "PPM volume"}},
        {units::kHumidityRatio, {"grains/lbm", "lbm/lbm", "gm/kg", "kg/kg"}},
        {units::kAbsoluteHumidity,
         {s("grains/ft", cube), s("lbm/ft", cube), s("gm/cm", cube), s("gm/m", cube),
          s("kg/m", cube)}},
    };
    ASSERT_EQ(std::size(expected), units::kTags.size());
    for (std::size_t i = 0; i < units::kTags.size(); ++i) {
        const auto& row = expected[i];
        SCOPED_TRACE(std::string(row.tag));
        EXPECT_EQ(units::kTags[i], row.tag);
        const Units got = filled(row.tag);
        ASSERT_EQ(got.size(), row.units.size());
        for (std::size_t p = 0; p < got.size(); ++p)
            EXPECT_EQ(got[p], row.units[p]) << "position " << p;
    }
}

TEST(UnitCatalogue, TagsMatchExactlyAndCaseSensitively) {
    for (const std::string_view tag :
         {"press", "Pressure", "PRESS", "vp", " Press", "Press ", "Temperature\n", "", "Humidity"})
        EXPECT_TRUE(units::UnitsOf(tag).empty()) << '"' << tag << '"';
}

TEST(UnitCatalogue, FillingTwiceAppendsTwice) {
    Units list;
    const auto append = [&](std::string_view u) { list.push_back(u); };
    units::LoadUnits(units::kPress, append);
    units::LoadUnits(units::kPress, append);
    ASSERT_EQ(list.size(), 18U);
    EXPECT_EQ(Units(list.begin(), list.begin() + 9), Units(list.begin() + 9, list.end()));

    units::LoadUnits("Pressure", append); // unknown tag: the list is left as it was
    EXPECT_EQ(list.size(), 18U);
}

TEST(UnitCatalogue, VapourAndAtmosphericPressureShareOneList) {
    EXPECT_EQ(filled(units::kVP), filled(units::kPress));
}

} // namespace
