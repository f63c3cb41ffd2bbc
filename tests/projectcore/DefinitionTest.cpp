// Points solved from two inputs: the compute core's own state for each of
// its pairs, the dew point as an input, and points that are no air.

#include "projectcore/Definition.h"

#include "engine/PsychroFun.h"
#include "projectcore/CoreAdapter.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

using namespace project;

namespace {

constexpr std::array<Input, 5> kCoreInputs{Input::DryBulb, Input::WetBulb, Input::RelativeHumidity,
                                           Input::HumidityRatio, Input::Enthalpy};

// The core's state of air at 75 °F, 50 % (any air would do).
CalcState reference(UnitSystem system, double pressurePsia) {
    CalcState s;
    s.UnitSystem = std::string(basPsychroFun::SelectorOf(system));
    s.Patm = static_cast<float>(pressurePsia);
    s.Tdb = 75.0f;
    s.Phi = 0.5f;
    EXPECT_FALSE(SolveWithCore(s, CoreInput::DryBulb, CoreInput::RelativeHumidity));
    return s;
}

// The core solved directly (through the project's one call of it) from the
// input fields of `from` copied into a fresh state.
CalcState coreState(const CalcState& from, std::size_t a, std::size_t b) {
    CalcState s;
    s.UnitSystem = from.UnitSystem;
    s.Patm = from.Patm;
    s.Alt = from.Alt;
    s.Tdb = from.Tdb;
    s.Twb = from.Twb;
    s.Phi = from.Phi;
    s.W = from.W;
    s.H = from.H;
    EXPECT_FALSE(SolveWithCore(s, static_cast<CoreInput>(a), static_cast<CoreInput>(b)));
    return s;
}

void expectBitEqual(const CalcState& a, const CalcState& b) {
    for (const auto field :
         {&CalcState::Tdb, &CalcState::Twb, &CalcState::Tdp, &CalcState::Patm, &CalcState::Phi,
          &CalcState::W, &CalcState::Ws, &CalcState::V, &CalcState::Rho, &CalcState::H,
          &CalcState::Pw, &CalcState::Pws, &CalcState::Mu, &CalcState::Dv})
        EXPECT_EQ(std::memcmp(&(a.*field), &(b.*field), sizeof(float)), 0)
            << a.*field << " vs " << b.*field;
    EXPECT_EQ(a.UnitSystem, b.UnitSystem);
}

} // namespace

// Every pair of the calculator's inputs, in both orders and both unit
// systems, at sea level and at altitude: the point is the core's state for
// that pair, to the bit.
TEST(Definition, EachCorePairIsTheCoresState) {
    for (const UnitSystem system : {UnitSystem::IP, UnitSystem::SI}) {
        for (const double pressure : {14.696, 12.23}) {
            const CalcState air = reference(system, pressure);
            for (std::size_t a = 0; a < 5; ++a) {
                for (std::size_t b = a + 1; b < 5; ++b) {
                    SCOPED_TRACE(testing::Message() << "pair " << a << "," << b << " system "
                                                    << air.UnitSystem << " p " << pressure);
                    const CalcState expected = coreState(air, a, b);
                    const InputValue first{kCoreInputs[a], ValueIn(air, kCoreInputs[a])};
                    const InputValue second{kCoreInputs[b], ValueIn(air, kCoreInputs[b])};
                    for (const PointDefinition& d :
                         {PointDefinition{first, second}, PointDefinition{second, first}}) {
                        const Solution s = Solve(d, {pressure, system});
                        ASSERT_TRUE(s.state.has_value());
                        expectBitEqual(*s.state, expected);
                    }
                }
            }
        }
    }
}

// A dew point goes in as the humidity ratio of saturated vapour at that
// temperature; the point is then the core's state for (W, other input), and
// its dew point gives back the one typed to within the core's dew-point
// correlation (ASHRAE Fundamentals eq. 39, not the exact inverse of the
// saturation pressure: about 0.06 °F at 55 °F).
TEST(Definition, DewPointPairsAreTheCoresStateOfTheirHumidityRatio) {
    constexpr double kDewPointF = 55.0;
    constexpr double p = 14.696;
    const double w = basPsychroFun::HumidityRatioFromVaporPressure(
        basPsychroFun::SaturationPressure(kDewPointF, "IP"), p, "IP");
    CalcState air = reference(UnitSystem::IP, p);
    air.W = static_cast<float>(w);
    air.Tdb = 75.0f;
    ASSERT_FALSE(SolveWithCore(air, CoreInput::DryBulb, CoreInput::HumidityRatio));
    for (const std::size_t other : {0u, 1u, 2u, 4u}) {
        SCOPED_TRACE(other);
        const CalcState expected =
            coreState(air, std::min<std::size_t>(other, 3), std::max<std::size_t>(other, 3));
        const Solution s = Solve(
            {{Input::DewPoint, kDewPointF}, {kCoreInputs[other], ValueIn(air, kCoreInputs[other])}},
            {p, UnitSystem::IP});
        ASSERT_TRUE(s.state.has_value());
        expectBitEqual(*s.state, expected);
        EXPECT_NEAR(s.state->Tdp, kDewPointF, 0.1);
    }
}

TEST(Definition, PairsThatDefineNoPointAreRefused) {
    EXPECT_TRUE(CheckPair(Input::DewPoint, Input::HumidityRatio));
    EXPECT_TRUE(CheckPair(Input::HumidityRatio, Input::DewPoint));
    EXPECT_TRUE(CheckPair(Input::WetBulb, Input::WetBulb));
    EXPECT_TRUE(CheckPair(Input::DewPoint, Input::DewPoint));
    EXPECT_FALSE(CheckPair(Input::DewPoint, Input::Enthalpy));
    EXPECT_NE(CheckPair(Input::DewPoint, Input::HumidityRatio)->find("humidity ratio"),
              std::string::npos);
    EXPECT_TRUE(CheckDefinition({{Input::DryBulb, std::nan("")}, {Input::HumidityRatio, 0.01}}));
    // Solve never works on a refused pair.
    EXPECT_FALSE(Solve({{Input::DewPoint, 50.0}, {Input::HumidityRatio, 0.01}}, {}).state);
}

// Inputs that no air has: the reason, never a state.
TEST(Definition, NoAirGivesTheReason) {
    using calculator::Reason;
    struct Case {
        PointDefinition definition;
        Reason reason;
    };
    const Case cases[] = {
        {{{Input::DryBulb, 75.0}, {Input::RelativeHumidity, 1.5}},
         Reason::RelativeHumidityAboveRange},
        {{{Input::DryBulb, 75.0}, {Input::HumidityRatio, -0.001}}, Reason::HumidityRatioNegative},
        {{{Input::DewPoint, 500.0}, {Input::DryBulb, 75.0}}, Reason::DewPointAboveRange},
        {{{Input::DewPoint, -200.0}, {Input::DryBulb, 75.0}}, Reason::DewPointBelowRange},
        // Beyond a float (a converted one would be undefined behaviour).
        {{{Input::DewPoint, 1e300}, {Input::DryBulb, 75.0}}, Reason::DewPointAboveRange},
        {{{Input::DewPoint, -1e300}, {Input::DryBulb, 75.0}}, Reason::DewPointBelowRange},
        {{{Input::DryBulb, 1e39}, {Input::RelativeHumidity, 0.5}}, Reason::NumberTooLarge},
    };
    for (const Case& c : cases) {
        const Solution s = Solve(c.definition, {});
        EXPECT_FALSE(s.state);
        ASSERT_TRUE(s.reason);
        EXPECT_EQ(*s.reason, c.reason);
    }
    // A dew point above the dry bulb is fog: the core says why.
    const Solution fog = Solve({{Input::DewPoint, 80.0}, {Input::DryBulb, 70.0}}, {});
    EXPECT_FALSE(fog.state);
    EXPECT_TRUE(fog.reason);
}

// A change of unit system keeps the air of a point defined by enthalpy.
TEST(Definition, EnthalpyMovesToTheOtherDatum) {
    const PointDefinition ip{{Input::DryBulb, 75.0}, {Input::Enthalpy, 28.0}};
    const Solution before = Solve(ip, {14.696, UnitSystem::IP});
    ASSERT_TRUE(before.state);
    const PointDefinition si = ForSystem(ip, before, UnitSystem::IP, UnitSystem::SI);
    EXPECT_EQ(si.first, ip.first);
    const Solution after = Solve(si, {14.696, UnitSystem::SI});
    ASSERT_TRUE(after.state);
    EXPECT_NEAR(after.state->W, before.state->W, 2e-6);
}
