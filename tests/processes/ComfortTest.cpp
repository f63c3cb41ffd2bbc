// PMV and PPD against ISO 7730:2005, and the comfort zone built from them.

#include "engine/PsychroFun.h"
#include "engine/Units.h"
#include "processes/ComfortZone.h"

#include <cmath>

#include <gtest/gtest.h>

namespace psy = basPsychroFun;
using namespace processes;
using basPsychroFun::units::CelsiusToFahrenheit;

namespace {

constexpr double kSeaLevel = 14.696;

// ISO 7730:2005, Annex D, Table D.1: the standard's examples of its computer
// program (columns: air temperature °C, mean radiant temperature °C, relative
// air velocity m/s, relative humidity %, met, clo, PMV, PPD %). The vapour
// pressure comes from the relative humidity through the engine rather than
// from the program's own saturation formula; the differences are well inside
// the table's rounding (PMV to 0.01, PPD to 1 %).
//
// The table's row 7 (23.5 °C, 23.5 °C, 0.1 m/s, 40 %, 1.2 met, 1.0 clo:
// PMV 0.50, PPD 10) is left out: the standard's equations give PMV 0.36 for
// those inputs, which its neighbouring row (the same at 0.3 m/s: 0.12)
// supports; the row does not follow from its printed inputs.
TEST(Comfort, PmvAndPpdOfIso7730AnnexD) {
    const struct {
        double ta, tr, v, rh, met, clo, pmv, ppd;
    } rows[] = {
        {22.0, 22.0, 0.10, 60, 1.2, 0.5, -0.75, 17}, {27.0, 27.0, 0.10, 60, 1.2, 0.5, 0.77, 17},
        {27.0, 27.0, 0.30, 60, 1.2, 0.5, 0.44, 9},   {23.5, 25.5, 0.10, 60, 1.2, 0.5, -0.01, 5},
        {23.5, 25.5, 0.30, 60, 1.2, 0.5, -0.55, 11}, {19.0, 19.0, 0.10, 40, 1.2, 1.0, -0.60, 13},
        {23.5, 23.5, 0.30, 40, 1.2, 1.0, 0.12, 5},   {23.0, 21.0, 0.10, 40, 1.2, 1.0, 0.05, 5},
        {23.0, 21.0, 0.30, 40, 1.2, 1.0, -0.16, 6},  {22.0, 22.0, 0.10, 60, 1.6, 0.5, 0.05, 5},
        {27.0, 27.0, 0.10, 60, 1.6, 0.5, 1.17, 34},  {27.0, 27.0, 0.30, 60, 1.6, 0.5, 0.95, 24},
    };
    for (const auto& r : rows) {
        const double pa = psy::VaporPressureFromRelativeHumidity(r.ta, r.rh / 100.0, "SI") * 1000.0;
        const ComfortIndices c = PredictedMeanVote({r.ta, r.tr, pa}, {r.met, r.clo, r.v});
        EXPECT_NEAR(c.pmv, r.pmv, 0.01) << r.ta << ' ' << r.tr << ' ' << r.v << ' ' << r.met;
        EXPECT_NEAR(c.ppd, r.ppd, 0.5) << r.ta << ' ' << r.tr << ' ' << r.v << ' ' << r.met;
    }
}

TEST(Comfort, PointsOfTheChart) {
    // Row 1 of the table as a point: 22 °C, 60 % at sea level.
    const double w = psy::HumidityRatioFromRelativeHumidity(22.0, 0.6, 101.325, "SI");
    const auto c = ComfortAt({CelsiusToFahrenheit(22.0), w, kSeaLevel}, {1.2, 0.5, 0.1});
    ASSERT_TRUE(c.ok());
    EXPECT_NEAR(c->pmv, -0.75, 0.01);
    // PPD is 5 % at neutral and symmetric in PMV.
    EXPECT_NEAR(PredictedMeanVote({25.0, 25.0, 1500.0}, kSummerComfort).ppd, 5.0, 0.5);

    EXPECT_EQ(ComfortAt({CelsiusToFahrenheit(9.0), 0.004, kSeaLevel}, kSummerComfort).problem(),
              Problem::OutsideComfortModel);
    EXPECT_EQ(ComfortAt({CelsiusToFahrenheit(31.0), 0.004, kSeaLevel}, kSummerComfort).problem(),
              Problem::OutsideComfortModel);
    EXPECT_EQ(ComfortAt({CelsiusToFahrenheit(25.0), 0.008, kSeaLevel}, {0.5, 0.5, 0.1}).problem(),
              Problem::BadComfortParameters);
    EXPECT_EQ(ComfortAt({CelsiusToFahrenheit(25.0), 0.008, kSeaLevel}, {1.1, 2.5, 0.1}).problem(),
              Problem::BadComfortParameters);
    EXPECT_EQ(ComfortAt({CelsiusToFahrenheit(25.0), 0.008, kSeaLevel}, {1.1, 0.5, 1.5}).problem(),
              Problem::BadComfortParameters);
}

// The zone from its table agrees with the PMV of every point of a grid,
// except within a hair of its edges, at sea level and at 2,000 m; it stops at
// W = 0.012 and at saturation.
TEST(ComfortZone, MembershipAgreesWithThePmv) {
    for (const ComfortParameters& person :
         {kSummerComfort, kWinterComfort, ComfortParameters{2.0, 1.5, 0.2}}) {
        const auto zone = ComfortZone::Make(person);
        ASSERT_TRUE(zone.ok());
        for (const double p : {kSeaLevel, 11.5}) {
            for (double tC = 10.0; tC <= 30.0; tC += 0.25) {
                for (double w = 0.0; w <= 0.0135; w += 0.0005) {
                    const double pa =
                        psy::units::PsiaToKPa(psy::VaporPressureFromHumidityRatio(w, p, "IP")) *
                        1000.0;
                    const double pmv = PredictedMeanVote({tC, tC, pa}, person).pmv;
                    const double tF = CelsiusToFahrenheit(tC);
                    const bool saturated =
                        w > psy::HumidityRatioFromRelativeHumidity(tF, 1.0, p, "IP");
                    if (std::fabs(std::fabs(pmv) - kComfortMaxPmv) < 1e-4)
                        continue;
                    const bool inside = std::fabs(pmv) <= kComfortMaxPmv &&
                                        w <= kComfortMaxHumidityRatio && !saturated;
                    EXPECT_EQ(zone->contains(tF, w, p), inside)
                        << person.clothing << " clo, " << tC << " °C, W " << w << ", PMV " << pmv;
                }
            }
        }
    }
}

TEST(ComfortZone, OutlineFollowsTheEdges) {
    const auto summer = ComfortZone::Make(kSummerComfort);
    const auto winter = ComfortZone::Make(kWinterComfort);
    ASSERT_TRUE(summer.ok() && winter.ok());
    const Outline o = summer->outline(kSeaLevel);
    ASSERT_GT(o.size(), 20u);
    double maxW = 0.0;
    for (const ChartPoint& pt : o) {
        maxW = std::max(maxW, pt.humidityRatio);
        const double pa = psy::units::PsiaToKPa(psy::VaporPressureFromHumidityRatio(
                              pt.humidityRatio, kSeaLevel, "IP")) *
                          1000.0;
        const double tC = psy::units::FahrenheitToCelsius(pt.dryBulbF);
        EXPECT_NEAR(std::fabs(PredictedMeanVote({tC, tC, pa}, kSummerComfort).pmv), 0.5, 1e-3)
            << tC << ' ' << pt.humidityRatio;
    }
    EXPECT_DOUBLE_EQ(maxW, kComfortMaxHumidityRatio);
    // ASHRAE 55's familiar summer zone spans about 24.5 °C to 28 °C at low
    // humidity; the winter zone lies some 3 K colder.
    EXPECT_NEAR(psy::units::FahrenheitToCelsius(o.front().dryBulbF), 28.3, 0.3);
    EXPECT_NEAR(psy::units::FahrenheitToCelsius(o.back().dryBulbF), 25.0, 0.3);
    EXPECT_LT(winter->outline(kSeaLevel).back().dryBulbF, o.back().dryBulbF - 4.0);

    // A zone that reaches saturation follows the curve rather than crossing it.
    const auto cold = ComfortZone::Make({2.0, 1.5, 0.2});
    for (const ChartPoint& pt : cold->outline(kSeaLevel))
        EXPECT_LE(pt.humidityRatio,
                  psy::HumidityRatioFromRelativeHumidity(pt.dryBulbF, 1.0, kSeaLevel, "IP") + 1e-9);
}

TEST(ComfortZone, BadParametersAndBadAir) {
    EXPECT_EQ(ComfortZone::Make({0.7, 0.5, 0.1}).problem(), Problem::BadComfortParameters);
    EXPECT_EQ(ComfortZone::Make({1.1, -0.1, 0.1}).problem(), Problem::BadComfortParameters);
    const auto zone = ComfortZone::Make(kSummerComfort);
    EXPECT_FALSE(zone->contains(CelsiusToFahrenheit(26.0), -0.001, kSeaLevel));
    EXPECT_FALSE(zone->contains(std::nan(""), 0.008, kSeaLevel));
    EXPECT_FALSE(zone->contains(CelsiusToFahrenheit(26.0), 0.008, 0.0));
    EXPECT_TRUE(zone->outline(-1.0).empty());
}

} // namespace
