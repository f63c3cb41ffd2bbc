// Solvers: reference values from the 20 °C, 50 % state, their bounded loops,
// and the cubic.

#include "engine/PsychroFun.h"

#include <ostream>

#include <gtest/gtest.h>

namespace psy = basPsychroFun;

namespace {

constexpr double kP = 101.325; // kPa

TEST(Solvers, WetBulbFromDryBulbAndRelativeHumidity) {
    const double twb = psy::WetBulbFromDryBulbAndRelativeHumidity(20.0, 0.5, kP, "SI");
    EXPECT_NEAR(twb, 13.7834, 1e-4);
    // The dew point comes from a correlation, not the exact inverse of the
    // saturation pressure, so the wet-bulb equation lands a little off W.
    EXPECT_NEAR(psy::HumidityRatioFromDryBulbAndWetBulb(20.0, twb, kP, "SI"), 0.0072774, 1e-7);
    // The same state in IP.
    EXPECT_NEAR(psy::WetBulbFromDryBulbAndRelativeHumidity(68.0, 0.5, 14.696, "IP"),
                twb * 1.8 + 32.0, 1e-9);
}

TEST(Solvers, WetBulbBracketEmptyOrInverted) {
    EXPECT_DOUBLE_EQ(psy::WetBulbFromDryBulbAndDewPoint(20.0, 20.0, kP, "SI"), 20.0);
    // Dew point above dry bulb: the stop test holds at once; the midpoint.
    EXPECT_DOUBLE_EQ(psy::WetBulbFromDryBulbAndDewPoint(20.0, 24.0, kP, "SI"), 22.0);
}

TEST(Solvers, DryBulbFromWetBulbAndRelativeHumidity) {
    const double twb = psy::WetBulbFromDryBulbAndRelativeHumidity(20.0, 0.5, kP, "SI");
    EXPECT_NEAR(psy::DryBulbFromWetBulbAndRelativeHumidity(twb, 0.5, kP, "SI"), 19.99986, 1e-5);
    EXPECT_NEAR(psy::DryBulbFromWetBulbAndRelativeHumidity(twb * 1.8 + 32, 0.5, 14.696, "IP"),
                19.99986 * 1.8 + 32, 2e-5);
}

TEST(Solvers, SaturatedAirHasItsDryBulbAtTheWetBulb) {
    for (double twb : {-30.0, 0.0, 14.0, 45.0}) {
        EXPECT_DOUBLE_EQ(psy::DryBulbFromWetBulbAndRelativeHumidity(twb, 1.0, kP, "SI"), twb);
        // Just short of saturation the substitution stalls on its fixed point;
        // that must end in the near-saturated answer, not in a fault.
        EXPECT_NEAR(psy::DryBulbFromWetBulbAndRelativeHumidity(twb, 1.0 - 1e-15, kP, "SI"), twb,
                    2e-3)
            << twb;
    }
}

TEST(Solvers, DryBulbFromEnthalpyAndRelativeHumidity) {
    EXPECT_NEAR(psy::DryBulbFromEnthalpyAndRelativeHumidity(38.5447, 0.5, kP, "SI"), 19.9996, 1e-4);
    const double hIP = psy::EnthalpyFromDryBulbAndHumidityRatio(68.0, 0.00726212, "IP");
    EXPECT_NEAR(psy::DryBulbFromEnthalpyAndRelativeHumidity(hIP, 0.5, 14.696, "IP"), 68.0, 2e-3);
}

TEST(Solvers, DryAirEnthalpyGivesItsOwnTemperature) {
    // With phi = 0 no upper bound can ever be found; the answer is the dry-air
    // temperature of that enthalpy.
    EXPECT_NEAR(psy::DryBulbFromEnthalpyAndRelativeHumidity(30.18, 0.0, kP, "SI"), 30.0, 1e-12);
    EXPECT_NEAR(psy::DryBulbFromEnthalpyAndRelativeHumidity(12.0, 0.0, 14.696, "IP"), 50.0, 1e-12);
}

TEST(Solvers, DryBulbFromDewPointAndRelativeHumidity) {
    EXPECT_NEAR(psy::DryBulbFromDewPointAndRelativeHumidity(9.30292, 0.5, "SI"), 20.0473, 1e-4);
}

TEST(Solvers, DryBulbFromWetBulbAndEnthalpyReturnsTheEstimateBeforeRelaxing) {
    const double twb = psy::WetBulbFromDryBulbAndRelativeHumidity(20.0, 0.5, kP, "SI");
    const double t = psy::DryBulbFromWetBulbAndEnthalpy(twb, 38.5447, kP, "SI");
    EXPECT_NEAR(t, 22.15, 0.01);
    // The enthalpy is met although the temperature is degrees off: the
    // constant wet-bulb and enthalpy lines are nearly parallel.
    const double w = psy::HumidityRatioFromDryBulbAndEnthalpy(t, 38.5447, "SI");
    EXPECT_NEAR(psy::DryBulbFromWetBulbAndHumidityRatio(twb, w, kP, "SI"), t, 0.02);
}

TEST(Solvers, UnrecognisedSelectorGivesNoEnthalpyToSolveFor) {
    // An unrecognised selector makes every enthalpy the marker: no solution.
    EXPECT_THROW(psy::DryBulbFromWetBulbAndEnthalpy(14.0, 38.0, kP, "XY"), psy::FloatingPointFault);
}

TEST(Solvers, UnrecognisedSelectorRunsThenGivesMarker) {
    EXPECT_EQ(psy::WetBulbFromDryBulbAndDewPoint(20.0, 10.0, kP, "XY"), psy::kNoResult);
    EXPECT_EQ(psy::DryBulbFromDewPointAndRelativeHumidity(10.0, 0.5, "XY"), psy::kNoResult);
}

struct CubicCase {
    double a, b, c;
    double root0, root1;
};

void PrintTo(const CubicCase& k, std::ostream* os) {
    *os << k.a << "," << k.b << "," << k.c;
}

class Cubic : public testing::TestWithParam<CubicCase> {};

TEST_P(Cubic, Roots) {
    const CubicCase& k = GetParam();
    const auto roots = psy::CubicRoots(k.a, k.b, k.c);
    // The angle is held in single precision.
    EXPECT_NEAR(roots[0], k.root0, 1e-5);
    EXPECT_NEAR(roots[1], k.root1, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(ThreeAndOneRealRoots, Cubic,
                         testing::Values(CubicCase{-6, 11, -6, 3, 1}, // (x-1)(x-2)(x-3)
                                         CubicCase{0, 0, -8, 2, -1},  // one real root
                                         CubicCase{0, -7, 6, 2,
                                                   -1})); // roots -3, 1, 2: smallest negative -> -1

TEST(Solvers, CubicDegenerateCasesFault) {
    // x = R / Q^1.5 = +1 exactly: the arc tangent's argument divides by zero.
    EXPECT_THROW(psy::CubicRoots(-3, 3, -1), psy::FloatingPointFault); // (x-1)³: Q = R = 0
    EXPECT_THROW(psy::CubicRoots(0, -3, 2), psy::FloatingPointFault);  // (x-1)²(x+2): x = +1
}

} // namespace
