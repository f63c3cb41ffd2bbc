// Saturation pressure: published reference values, the ice/water switch at the
// freezing point, the range limits and the selector's handling.

#include "engine/PsychroFun.h"

#include <ostream>

#include <gtest/gtest.h>

namespace psy = basPsychroFun;

namespace {

struct Reference {
    double t;
    const char* system;
    double expected;
    double tolerance;
};

void PrintTo(const Reference& r, std::ostream* os) {
    *os << r.t << " " << r.system;
}

class SaturationPressureReference : public testing::TestWithParam<Reference> {};

TEST_P(SaturationPressureReference, MatchesPublishedValue) {
    const Reference& r = GetParam();
    EXPECT_NEAR(psy::SaturationPressure(r.t, r.system), r.expected, r.tolerance)
        << r.t << " " << r.system;
}

INSTANTIATE_TEST_SUITE_P(
    HylandWexler, SaturationPressureReference,
    testing::Values(Reference{20.0, "SI", 2.33879, 1e-5},       // kPa
                    Reference{68.0, "IP", 0.339215, 1e-6},      // psia
                    Reference{0.0, "SI", 0.611211, 1e-6},       // water branch at 0 °C
                    Reference{100.0, "SI", 101.418, 1e-3},      // near the boiling point
                    Reference{32.0, "IP", 0.0886489, 1e-7},     // water branch at 32 °F
                    Reference{31.999, "IP", 0.0886362, 1e-7},   // ice branch just below
                    Reference{-148.0, "IP", 2.0379e-07, 1e-11}, // lower limit computed
                    Reference{400.0, "IP", 247.287, 1e-3},      // upper limit computed
                    Reference{20.0, "si", 2.33879, 1e-5},       // selector is upper-cased
                    Reference{68.0, "Ip", 0.339215, 1e-6}));

TEST(SaturationPressure, OutOfRangeGivesMarkerThatPassesTheExitConversion) {
    EXPECT_EQ(psy::SaturationPressure(-148.001, "IP"), psy::kNoResult);
    EXPECT_EQ(psy::SaturationPressure(400.001, "IP"), psy::kNoResult);
    // 204.45 °C lies above 400 °F: the -9999 psia marker comes back in kPa.
    EXPECT_NEAR(psy::SaturationPressure(204.45, "SI"), -68940.44, 0.01);
    EXPECT_NEAR(psy::SaturationPressure(-100.01, "SI"), -68940.44, 0.01);
}

TEST(SaturationPressure, UnrecognisedSelectorReadsFahrenheitThenGivesMarker) {
    EXPECT_EQ(psy::SaturationPressure(68.0, "XY"), psy::kNoResult);
    EXPECT_EQ(psy::SaturationPressure(68.0, " IP"), psy::kNoResult); // no trimming
    EXPECT_EQ(psy::SaturationPressure(68.0, ""), psy::kNoResult);
    // Read as °F: 500 is out of range and must not fault either.
    EXPECT_EQ(psy::SaturationPressure(500.0, "XY"), psy::kNoResult);
}

TEST(SaturationPressure, IceAndWaterBranchesMeetAtFreezing) {
    // Both branches are fits of one physical curve: they must agree closely
    // at 32 °F, and the curve must rise through it.
    const double below = psy::SaturationPressure(31.9999999, "IP");
    const double at = psy::SaturationPressure(32.0, "IP");
    EXPECT_NEAR(below, at, 2e-4 * at);
    EXPECT_LT(psy::SaturationPressure(31.0, "IP"), at);
}

TEST(SaturationPressure, IsIncreasingOverTheWholeRange) {
    double previous = 0.0;
    for (double t = -148.0; t <= 400.0; t += 0.5) {
        const double p = psy::SaturationPressure(t, "IP");
        ASSERT_GT(p, previous) << t;
        previous = p;
    }
}

} // namespace
