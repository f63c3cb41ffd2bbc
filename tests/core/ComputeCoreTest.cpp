// The solution behind Compute: every input pair reproduces the state it was
// taken from, enthalpy follows the active system, and a failure stops the
// solution with what was stored so far.

#include "core/ComputeCore.h"

#include "engine/PsychroFun.h"

#include <ostream>

#include <gtest/gtest.h>

namespace {

using calculator::FindInputPair;
using calculator::Input;
using calculator::InputPair;
using calculator::kInputTags;
using calculator::SolveState;

// 68 °F, 50 % at sea level, solved from dry bulb and relative humidity.
CalcState referenceState(const char* system = "IP") {
    CalcState s;
    s.UnitSystem = system;
    s.Patm = 14.696f;
    s.Tdb = 68.0f;
    s.Phi = 0.5f;
    SolveState(s, InputPair{Input::DryBulb, Input::RelativeHumidity});
    return s;
}

TEST(FindInputPair, TakesTheFirstTwoTicksInFieldOrder) {
    using Ticks = std::array<bool, calculator::kInputCount>;
    EXPECT_FALSE(FindInputPair(Ticks{}));
    EXPECT_FALSE(FindInputPair(Ticks{false, false, true, false, false}));
    EXPECT_EQ(FindInputPair(Ticks{true, true, false, false, false}),
              (InputPair{Input::DryBulb, Input::WetBulb}));
    EXPECT_EQ(FindInputPair(Ticks{false, false, false, true, true}),
              (InputPair{Input::HumidityRatio, Input::Enthalpy}));
    EXPECT_EQ(FindInputPair(Ticks{false, true, true, true, false}),
              (InputPair{Input::WetBulb, Input::RelativeHumidity}));
}

// The window reads each box's tag: every tag names the input of its field,
// and a text that is no tag (another case, a unit list's tag) names none.
TEST(InputOfTag, NamesTheInputOfEachBoxTag) {
    for (std::size_t i = 0; i < kInputTags.size(); ++i)
        EXPECT_EQ(calculator::InputOfTag(kInputTags[i]), static_cast<Input>(i)) << kInputTags[i];
    for (const std::string_view other : {"", "enthalpy", "Temperature", "Dry Bulb Temperature "})
        EXPECT_FALSE(calculator::InputOfTag(other)) << other;
}

TEST(SolveState, ReferenceStateMatchesTheEngine) {
    const CalcState s = referenceState();
    EXPECT_NEAR(s.W, 0.00726212, 2e-7);
    EXPECT_NEAR(s.Twb, 13.7834 * 1.8 + 32, 1e-3);
    EXPECT_NEAR(s.Tdp, 9.3029 * 1.8 + 32, 1e-3);
    EXPECT_NEAR(s.H, 24.2444, 1e-3);
    EXPECT_NEAR(s.V, 0.840195 * 16.018463, 1e-4);
    EXPECT_NEAR(s.Mu, 0.494162, 1e-5);
    EXPECT_FLOAT_EQ(s.Phi, 0.5f); // an input is never recomputed
}

struct PairCase {
    int first, second;
    double tdbTolerance; // °F: some pairs go through correlations or loose loops
};

void PrintTo(const PairCase& c, std::ostream* os) {
    *os << kInputTags[static_cast<std::size_t>(c.first)] << " + "
        << kInputTags[static_cast<std::size_t>(c.second)];
}

class EveryPair : public testing::TestWithParam<PairCase> {};

// Start from the reference state, keep only the two inputs of the pair and
// solve: the state must come back.
TEST_P(EveryPair, ReproducesTheStateOfItsInputs) {
    const PairCase& c = GetParam();
    for (const char* system : {"IP", "SI"}) {
        const CalcState reference = referenceState(system);
        CalcState s;
        s.UnitSystem = system;
        s.Patm = reference.Patm;
        const std::array<float CalcState::*, calculator::kInputCount> inputs{
            &CalcState::Tdb, &CalcState::Twb, &CalcState::Phi, &CalcState::W, &CalcState::H};
        s.*inputs[static_cast<std::size_t>(c.first)] =
            reference.*inputs[static_cast<std::size_t>(c.first)];
        s.*inputs[static_cast<std::size_t>(c.second)] =
            reference.*inputs[static_cast<std::size_t>(c.second)];
        SolveState(s, InputPair{static_cast<Input>(c.first), static_cast<Input>(c.second)});
        EXPECT_NEAR(s.Tdb, reference.Tdb, c.tdbTolerance) << system;
        if (c.tdbTolerance < 1.0) {
            EXPECT_NEAR(s.W, reference.W, 2e-5) << system;
            EXPECT_NEAR(s.Phi, reference.Phi, 5e-3) << system;
            EXPECT_NEAR(s.Twb, reference.Twb, 0.05) << system;
            EXPECT_NEAR(s.V, reference.V, 5e-3) << system;
        }
        // The tail completes every pair alike.
        EXPECT_NEAR(s.Rho, (1 + s.W) / s.V, 1e-6) << system;
        EXPECT_NEAR(s.Dv, s.W / s.V, 1e-7) << system;
    }
}

INSTANTIATE_TEST_SUITE_P(
    TenPairs, EveryPair,
    testing::Values(PairCase{0, 1, 0.0}, PairCase{0, 2, 0.0}, PairCase{0, 3, 0.0},
                    PairCase{0, 4, 0.0}, PairCase{1, 2, 0.01},
                    // The reference wet bulb came through the dew-point correlation.
                    PairCase{1, 3, 0.1},
                    // Constant wet-bulb and enthalpy lines are nearly parallel:
                    // the wavering of the own wet bulb's bisection moves the dry
                    // bulb by tenths of a degree.
                    PairCase{1, 4, 1.0},
                    // The dew-point correlation is not the exact inverse.
                    PairCase{2, 3, 0.2}, PairCase{2, 4, 0.01}, PairCase{3, 4, 0.001}));

TEST(SolveState, SaturatedAirShowsFullRelativeHumidity) {
    CalcState s;
    s.Patm = 14.696f;
    s.Tdb = s.Twb = 68.0f;
    SolveState(s, InputPair{Input::DryBulb, Input::WetBulb});
    EXPECT_NEAR(s.Phi * 100.0f, 100.0f, 5e-3f);
    EXPECT_NEAR(s.Mu * 100.0f, 100.0f, 5e-3f);
}

TEST(SolveState, SystemsAgreeExceptForTheEnthalpyDatum) {
    const CalcState ip = referenceState("IP");
    const CalcState si = referenceState("SI");
    EXPECT_EQ(ip.W, si.W);
    EXPECT_EQ(ip.Twb, si.Twb);
    EXPECT_EQ(ip.V, si.V);
    EXPECT_NE(ip.H, si.H);
    // SI keeps kJ/kg (zero at 0 °C) divided by the display factor.
    EXPECT_NEAR(si.H * kEnthalpyKJPerBtu, 38.5447, 1e-3);
}

TEST(SolveState, EnthalpyInputIsReadInTheActiveSystem) {
    CalcState s = referenceState("IP");
    const float h = s.H;
    s.UnitSystem = "SI"; // the switch leaves the number in H unchanged
    SolveState(s, InputPair{Input::DryBulb, Input::Enthalpy});
    EXPECT_EQ(s.H, h);
    EXPECT_NE(s.W, referenceState("IP").W); // the same number means another state
}

TEST(SolveState, FailureStopsWithWhatWasStored) {
    CalcState s = referenceState();
    s.Patm = 0.0f; // the specific volume divides by the pressure
    s.Tdb = 70.0f;
    const float vBefore = s.V;
    EXPECT_THROW(SolveState(s, InputPair{Input::DryBulb, Input::HumidityRatio}),
                 basPsychroFun::FloatingPointFault);
    EXPECT_EQ(s.V, vBefore); // not reached, not rolled back either
}

TEST(SolveState, ResultsBeyondSinglePrecisionAreAFault) {
    CalcState s;
    s.Patm = 14.696f;
    s.W = 3e38f;
    s.H = 3e38f;
    EXPECT_THROW(SolveState(s, InputPair{Input::HumidityRatio, Input::Enthalpy}),
                 basPsychroFun::FloatingPointFault);
}

} // namespace
