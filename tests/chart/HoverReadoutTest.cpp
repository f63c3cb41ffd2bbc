#include "chart/HoverReadout.h"

#include "engine/PsychroFun.h"

#include <cmath>

#include <gtest/gtest.h>

namespace psy = basPsychroFun;
using namespace chart;

namespace {

constexpr double kSeaLevel = 14.696; // psia

} // namespace

TEST(HoverReadout, AgreesWithTheEngineAtAKnownState) {
    const double w = psy::HumidityRatioFromRelativeHumidity(68.0, 0.5, kSeaLevel, "IP");
    const auto r = ComputeReadout(68.0, w, kSeaLevel, UnitSystem::IP);
    ASSERT_TRUE(r.has_value());
    EXPECT_FALSE(r->supersaturated);
    EXPECT_NEAR(r->phi, 0.5, 1e-9);
    const double tdp = psy::DewPointFromVaporPressure(
        psy::VaporPressureFromRelativeHumidity(68.0, 0.5, "IP"), "IP");
    EXPECT_NEAR(r->tdpF, tdp, 1e-6);
    EXPECT_NEAR(r->tdpF, 48.75, 0.05); // 9.30 °C
    EXPECT_NEAR(r->twbF, psy::WetBulbFromDryBulbAndRelativeHumidity(68.0, 0.5, kSeaLevel, "IP"),
                1e-6);
    EXPECT_NEAR(r->twbF, 56.81, 0.02); // 13.78 °C
    EXPECT_NEAR(r->h, psy::EnthalpyFromDryBulbAndHumidityRatio(68.0, w, "IP"), 1e-12);
    EXPECT_NEAR(r->v, psy::SpecificVolume(68.0, w, kSeaLevel, "IP"), 1e-12);

    // The same point in SI differs only in the enthalpy datum and the volume unit.
    const auto si = ComputeReadout(68.0, w, kSeaLevel, UnitSystem::SI);
    ASSERT_TRUE(si.has_value());
    EXPECT_NEAR(si->twbF, r->twbF, 1e-12);
    EXPECT_NEAR(si->h, 38.5447, 1e-3);
    EXPECT_NEAR(si->v, 0.840195, 1e-5);
}

TEST(HoverReadout, TextIsInTheActiveSystemsUnits) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const double w = psy::HumidityRatioFromRelativeHumidity(68.0, 0.5, kSeaLevel, "IP");
    const auto r = ComputeReadout(68.0, w, kSeaLevel, UnitSystem::SI);
    ASSERT_TRUE(r.has_value());
    const QStringList si = ReadoutText(*r, UnitSystem::SI, english);
    ASSERT_EQ(si.size(), 7);
    EXPECT_EQ(si[0], QStringLiteral("Dry bulb 20.0 °C"));
    EXPECT_EQ(si[1], QStringLiteral("Humidity ratio 7.26 gm/kg"));
    EXPECT_EQ(si[2], QStringLiteral("Relative humidity 50.0 %"));
    EXPECT_EQ(si[3], QStringLiteral("Wet bulb 13.8 °C"));
    EXPECT_EQ(si[4], QStringLiteral("Dew point 9.3 °C"));
    EXPECT_EQ(si[5], QStringLiteral("Enthalpy 38.5 kJ/kg"));

    const auto ip = ComputeReadout(68.0, w, kSeaLevel, UnitSystem::IP);
    const QStringList text = ReadoutText(*ip, UnitSystem::IP, QLocale(QLocale::German));
    EXPECT_EQ(text[0], QStringLiteral("Dry bulb 68,0 °F"));
    EXPECT_EQ(text[1], QStringLiteral("Humidity ratio 0,00726 lbm/lbm"));
    EXPECT_EQ(text[5], QStringLiteral("Enthalpy 24,24 BTU/lbm"));
}

TEST(HoverReadout, AboveSaturationReadsSupersaturated) {
    const auto r = ComputeReadout(68.0, 0.02, kSeaLevel, UnitSystem::IP);
    ASSERT_TRUE(r.has_value());
    EXPECT_TRUE(r->supersaturated);
    const QStringList text = ReadoutText(*r, UnitSystem::IP);
    EXPECT_EQ(text.size(), 3);
    EXPECT_EQ(text.last(), QStringLiteral("Supersaturated"));
}

TEST(HoverReadout, NothingWhereNoStateExists) {
    struct Case {
        const char* name;
        double t, w, p;
    };
    const Case cases[] = {
        {"dry air has no dew point", 68.0, 0.0, kSeaLevel},
        {"negative humidity ratio", 68.0, -0.001, kSeaLevel},
        {"no pressure", 68.0, 0.007, 0.0},
        {"not a number", std::nan(""), 0.007, kSeaLevel},
        {"beyond the saturation pressure", 500.0, 0.007, kSeaLevel},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(ComputeReadout(c.t, c.w, c.p, UnitSystem::IP).has_value()) << c.name;
}
