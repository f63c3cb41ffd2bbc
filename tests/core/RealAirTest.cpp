// Only real air comes out of the compute core: every pair gives back the
// state it was taken from or refuses it, never a wrong one; what is not air
// is refused with its reason; perfectly dry air is air without a dew point.

#include "core/ComputeCore.h"
#include "engine/Limits.h"
#include "engine/PsychroFun.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

namespace {

using namespace calculator;
namespace psy = basPsychroFun;

constexpr std::array<float CalcState::*, calculator::kInputCount> kInputs{
    &CalcState::Tdb, &CalcState::Twb, &CalcState::Phi, &CalcState::W, &CalcState::H};

// The state of dry bulb tF and relative humidity phi at altitude altFt.
CalcState stateOf(const char* system, double altFt, float tF, float phi) {
    CalcState s;
    s.UnitSystem = system;
    s.Patm = static_cast<float>(psy::PressureFromAltitude(altFt, "IP"));
    s.Tdb = tF;
    s.Phi = phi;
    SolveState(s, InputPair{Input::DryBulb, Input::RelativeHumidity});
    return s;
}

// Only the two inputs of the pair, from the reference state.
CalcState inputsOf(const CalcState& reference, int first, int second) {
    CalcState s;
    s.UnitSystem = reference.UnitSystem;
    s.Patm = reference.Patm;
    for (const int i : {first, second})
        s.*kInputs[static_cast<std::size_t>(i)] = reference.*kInputs[static_cast<std::size_t>(i)];
    return s;
}

// The wet bulb the window shows for the solved state by its dry bulb and
// humidity ratio: through the dew-point correlation.
double ownWetBulbOf(const CalcState& s) {
    return psy::WetBulbFromDryBulbAndDewPoint(s.Tdb, s.Tdp, s.Patm, "IP");
}

// How far the dry bulb of each pair may lie from the state's (°F).
double toleranceOf(int first) {
    return first == 1 ? 0.6 : 0.05; // a wet bulb comes from the dew-point correlation
}

TEST(RealAir, EveryPairGivesBackTheStateOrRefusesIt) {
    for (const char* system : {"IP", "SI"}) {
        for (const double altFt : {0.0, 5000.0, 10000.0}) {
            for (const float tF : {0.0f, 20.0f, 39.0f, 58.0f, 77.0f, 96.0f, 115.0f, 134.0f}) {
                for (const float phi : {0.05f, 0.24f, 0.43f, 0.62f, 0.81f, 1.0f}) {
                    const CalcState reference = stateOf(system, altFt, tF, phi);
                    for (int first = 0; first < calculator::kInputCount; ++first) {
                        for (int second = first + 1; second < calculator::kInputCount; ++second) {
                            SCOPED_TRACE(testing::Message()
                                         << system << ' ' << altFt << " ft " << tF << " °F " << phi
                                         << ": " << first << '+' << second);
                            CalcState s = inputsOf(reference, first, second);
                            const auto problem =
                                TrySolveState(s, InputPair{static_cast<Input>(first),
                                                           static_cast<Input>(second)});
                            EXPECT_FALSE(problem) << ReasonText(*problem);
                            if (problem)
                                continue;
                            if (first == 1 && second == 4) {
                                // Lines of constant wet bulb and enthalpy run so nearly
                                // parallel that where the wet bulb barely changes
                                // along the enthalpy line (wet bulbs of 30 °F to
                                // 50 °F) other air shows the same two values: the
                                // answer shows the wet bulb it was given. How near it
                                // lies to the state: RoundTripTest.
                                EXPECT_NEAR(ownWetBulbOf(s), s.Twb, 0.0051);
                                continue;
                            }
                            EXPECT_NEAR(s.Tdb, reference.Tdb, toleranceOf(first));
                        }
                    }
                }
            }
        }
    }
}

// The states of the issue, as typed: the air or a refusal, never a number
// that is no air.
TEST(RealAir, StatesTheSolversMissedAreTheAirOrRefused) {
    const struct {
        int first, second;
        float a, b;
        double tdb; // °F
    } rows[] = {
        {2, 4, 0.75f, 46.93f, 90.0},   // a humid 90 °F afternoon, once -19548.26 °F
        {1, 2, 89.45f, 0.55f, 105.0},  // once nothing
        {1, 4, 33.57f, 12.39f, 40.29}, // once nothing; the lines cross at 40.29 °F
    };
    for (const auto& row : rows) {
        CalcState s;
        s.Patm = 14.696f;
        s.*kInputs[static_cast<std::size_t>(row.first)] = row.a;
        s.*kInputs[static_cast<std::size_t>(row.second)] = row.b;
        const auto problem = TrySolveState(
            s, InputPair{static_cast<Input>(row.first), static_cast<Input>(row.second)});
        if (!problem)
            EXPECT_NEAR(s.Tdb, row.tdb, 0.25) << row.first << '+' << row.second;
        else
            ADD_FAILURE() << ReasonText(*problem);
    }
}

// States the window showed that came back elsewhere or not at all when typed
// back by another pair (IP, sea level, as shown): near saturation the wet bulb
// it shows (through the dew-point correlation) lies off the psychrometer
// equation, and saturated cold air shows a wet bulb a little above its dry
// bulb.
TEST(RealAir, ShownStatesNearSaturationComeBack) {
    const struct {
        const char* what;
        int first, second;
        float a, b;
        double tdb, tolerance; // °F
    } rows[] = {
        // once 99.95 °F at 101.4 %: where the psychrometer line meets the
        // enthalpy line, at saturation
        {"105 °F, 85 %", 1, 4, 100.34f, 72.15f, 105.0, 0.5},
        {"91 °F, 96 %", 1, 4, 89.92f, 55.71f, 91.0, 0.5}, // once nothing: no crossing on air
        // once nothing: "the wet bulb is above the dry bulb", 0.07 °F above at
        // 100.5 %, where the psychrometer equation at that wet bulb gives 102.8 %
        {"-5 °F, 100 %", 0, 4, -5.0f, -0.56f, -5.0, 0.005},
        {"-5 °F, 93 %", 3, 4, 0.0006f, -0.61f, -5.19, 0.01},
        // once 49.03 °F: the dry bulb taken for the wet bulb it shows
        {"49 °F, 100 %", 1, 2, 49.03f, 1.0f, 49.0, 0.005},
    };
    for (const auto& row : rows) {
        CalcState s;
        s.Patm = 14.696f;
        s.*kInputs[static_cast<std::size_t>(row.first)] = row.a;
        s.*kInputs[static_cast<std::size_t>(row.second)] = row.b;
        const auto problem = TrySolveState(
            s, InputPair{static_cast<Input>(row.first), static_cast<Input>(row.second)});
        ASSERT_FALSE(problem) << row.what << ": " << ReasonText(*problem);
        EXPECT_NEAR(s.Tdb, row.tdb, row.tolerance) << row.what;
        // The state shows by itself the wet bulb typed or shown.
        EXPECT_NEAR(ownWetBulbOf(s), s.Twb, 0.0051) << row.what;
    }
}

struct NotAir {
    const char* what;
    CalcState state;
    int first, second;
    Reason reason;
};

void PrintTo(const NotAir& c, std::ostream* os) {
    *os << c.what;
}

CalcState with(float CalcState::*a, float va, float CalcState::*b, float vb, float patm = 14.696f) {
    CalcState s;
    s.Patm = patm;
    s.*a = va;
    s.*b = vb;
    return s;
}

class RefusedState : public testing::TestWithParam<NotAir> {};

TEST_P(RefusedState, IsRefusedWithItsReason) {
    const NotAir& c = GetParam();
    CalcState s = c.state;
    EXPECT_EQ(
        TrySolveState(s, InputPair{static_cast<Input>(c.first), static_cast<Input>(c.second)}),
        c.reason);
    // As a fault: whoever handles the engine's faults handles it too.
    s = c.state;
    EXPECT_THROW(
        SolveState(s, InputPair{static_cast<Input>(c.first), static_cast<Input>(c.second)}),
        psy::FloatingPointFault);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RefusedState,
    testing::Values(
        NotAir{"70 °F with W 0.5: RH 1802 %", with(&CalcState::Tdb, 70, &CalcState::W, 0.5f), 0, 3,
               Reason::RelativeHumidityAboveRange},
        NotAir{"dry bulb -500 °F", with(&CalcState::Tdb, -500, &CalcState::Twb, 60), 0, 1,
               Reason::DryBulbBelowRange},
        NotAir{"wet bulb over dry bulb", with(&CalcState::Tdb, 70, &CalcState::Twb, 75), 0, 1,
               Reason::WetBulbAboveDryBulb},
        NotAir{"pressure 0", with(&CalcState::Tdb, 70, &CalcState::Twb, 60, 0.0f), 0, 1,
               Reason::PressureNotPositive},
        NotAir{"pressure -14.7", with(&CalcState::Tdb, 70, &CalcState::W, 0.01f, -14.7f), 0, 3,
               Reason::PressureNotPositive},
        NotAir{"the marker as pressure", with(&CalcState::Tdb, 70, &CalcState::W, 0.01f, -9999), 0,
               3, Reason::PressureNotPositive},
        NotAir{"pressure beyond ten atmospheres",
               with(&CalcState::Tdb, 70, &CalcState::W, 0.01f, 150.0f), 0, 3,
               Reason::PressureAboveRange},
        NotAir{"enthalpy below dry air's", with(&CalcState::Tdb, 75, &CalcState::H, 10), 0, 4,
               Reason::HumidityRatioNegative},
        NotAir{"RH 0 with W 0", with(&CalcState::Phi, 0, &CalcState::W, 0), 2, 3,
               Reason::NoDryBulb},
        NotAir{"RH 150 %", with(&CalcState::Tdb, 70, &CalcState::Phi, 1.5f), 0, 2,
               Reason::RelativeHumidityAboveRange},
        NotAir{"boiling: 220 °F at 90 %", with(&CalcState::Tdb, 220, &CalcState::Phi, 0.9f), 0, 2,
               Reason::VaporPressureAtAtmosphere},
        // Far below freezing the dew-point correlation puts the wet bulb of
        // this quite dry air above its dry bulb.
        NotAir{"-100 °F at 50 %", with(&CalcState::Tdb, -100, &CalcState::Phi, 0.5f), 0, 2,
               Reason::WetBulbAboveDryBulb}));

// Saturated air given by its own wet bulb comes back a little above 100 %
// through the dew-point correlation, and is still air.
TEST(RealAir, SaturatedAirByItsOwnWetBulbStays) {
    for (const float tF : {-8.0f, 32.0f, 50.0f, 68.0f, 100.0f}) {
        const CalcState saturated = stateOf("IP", 0.0, tF, 1.0f);
        CalcState s = inputsOf(saturated, 0, 1);
        EXPECT_FALSE(TrySolveState(s, InputPair{Input::DryBulb, Input::WetBulb})) << tF;
        EXPECT_GE(s.Phi, 0.995f) << tF;
    }
}

// Perfectly dry air: every property but the dew point, whichever pair says so.
TEST(RealAir, PerfectlyDryAirIsAirWithoutADewPoint) {
    const double twb = psy::WetBulbFromPsychrometerEquation(70.0, 0.0, 14.696, "IP");
    const double h = psy::EnthalpyFromDryBulbAndHumidityRatio(70.0, 0.0, "IP");
    const struct {
        int first, second;
        CalcState state;
    } rows[] = {
        {0, 3, with(&CalcState::Tdb, 70, &CalcState::W, 0)},
        {0, 2, with(&CalcState::Tdb, 70, &CalcState::Phi, 0)},
        {0, 4, with(&CalcState::Tdb, 70, &CalcState::H, static_cast<float>(h))},
        {1, 2, with(&CalcState::Twb, static_cast<float>(twb), &CalcState::Phi, 0)},
        {1, 3, with(&CalcState::Twb, static_cast<float>(twb), &CalcState::W, 0)},
        {2, 4, with(&CalcState::Phi, 0, &CalcState::H, static_cast<float>(h))},
        {3, 4, with(&CalcState::W, 0, &CalcState::H, static_cast<float>(h))},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.first << '+' << row.second);
        CalcState s = row.state;
        ASSERT_FALSE(TrySolveState(
            s, InputPair{static_cast<Input>(row.first), static_cast<Input>(row.second)}));
        EXPECT_FALSE(HasDewPoint(s));
        EXPECT_NEAR(s.Tdb, 70.0, 0.01);
        EXPECT_NEAR(s.Twb, twb, 0.01);
        EXPECT_EQ(s.W, 0.0f);
        EXPECT_EQ(s.Phi, 0.0f);
        EXPECT_EQ(s.Mu, 0.0f);
        EXPECT_NEAR(s.H, h, 1e-3);
        EXPECT_NEAR(s.V, 13.35, 0.01); // dry air at 70 °F, sea level
        EXPECT_GT(s.Rho, 0.0f);
    }
    // Its wet bulb is where the psychrometer equation gives no water, in
    // either system, and well below the dry bulb.
    EXPECT_NEAR(psy::HumidityRatioFromDryBulbAndWetBulb(70.0, twb, 14.696, "IP"), 0.0, 1e-6);
    EXPECT_NEAR(psy::WetBulbFromPsychrometerEquation(21.1111, 0.0, 101.325, "SI") * 1.8 + 32, twb,
                0.01);
    EXPECT_LT(twb, 45.0);
}

TEST(RealAir, PsychrometerWetBulbIsTheInverseOfTheWetBulbEquation) {
    for (const double t : {-40.0, 20.0, 68.0, 150.0}) {
        for (const double twb : {t - 30.0, t - 5.0, t}) {
            const double w = psy::HumidityRatioFromDryBulbAndWetBulb(t, twb, 14.696, "IP");
            if (w < 0.0)
                continue;
            EXPECT_NEAR(psy::WetBulbFromPsychrometerEquation(t, w, 14.696, "IP"), twb, 0.002)
                << t << ' ' << twb;
        }
    }
    // No wet bulb in range: supersaturated, below -148 °F, or a dry bulb
    // outside the formulation; and an unknown selector.
    EXPECT_EQ(psy::WetBulbFromPsychrometerEquation(70.0, 0.05, 14.696, "IP"), psy::kNoResult);
    EXPECT_EQ(psy::WetBulbFromPsychrometerEquation(390.0, 0.0, 14.696, "IP"), psy::kNoResult);
    EXPECT_EQ(psy::WetBulbFromPsychrometerEquation(500.0, 0.0, 14.696, "IP"), psy::kNoResult);
    EXPECT_EQ(psy::WetBulbFromPsychrometerEquation(20.0, 0.0, 101.325, "XX"), psy::kNoResult);
}

TEST(RealAir, AnAtmosphereOutsideTheRangeHasNoStateAtAll) {
    EXPECT_EQ(CheckAltitude(99999.0f), Reason::AltitudeAboveRange);
    EXPECT_EQ(CheckAltitude(65001.0f), Reason::AltitudeAboveRange);
    EXPECT_EQ(CheckAltitude(-2001.0f), Reason::AltitudeBelowRange);
    EXPECT_EQ(CheckAltitude(static_cast<float>(psy::kNoResult)), Reason::AltitudeBelowRange);
    EXPECT_FALSE(CheckAltitude(65000.0f));
    EXPECT_FALSE(CheckAltitude(-1410.0f)); // the Dead Sea shore
    EXPECT_EQ(CheckPressure(std::nanf("")), Reason::PressureNotPositive);
    EXPECT_FALSE(CheckPressure(static_cast<float>(psy::kMaxAtmosphericPressurePsia)));
}

TEST(RealAir, ReasonsReadAsAnEngineerSaysThem) {
    EXPECT_EQ(ReasonText(Reason::WetBulbAboveDryBulb),
              "No such air: the wet bulb is above the dry bulb");
    EXPECT_EQ(ReasonText(Reason::AltitudeAboveRange), "Altitude beyond 65,000 ft");
    EXPECT_EQ(ReasonText(Reason::AltitudeAboveRange, "SI"), "Altitude beyond 19,812 m");
    EXPECT_EQ(ReasonText(Reason::AltitudeBelowRange, "SI"), "Altitude below -609.6 m");
    EXPECT_EQ(ReasonText(Reason::DryBulbBelowRange), "No such air: the dry bulb is below -148 °F");
    EXPECT_EQ(ReasonText(Reason::DewPointAboveRange, "SI"),
              "No such air: the dew point is above 204.44 °C");
    EXPECT_EQ(ReasonText(Reason::PressureAboveRange, "SI"),
              "Atmospheric pressure beyond 1,013.25 kPa");
    EXPECT_EQ(ReasonText(Reason::UnreadableNumber, "IP", "12,5"),
              "Could not read \"12,5\" as a number");
    // A long entry is cut (at 20 characters, not in the middle of one).
    EXPECT_EQ(ReasonText(Reason::NumberTooLarge, "IP", std::string(45, '9')),
              "Could not store \"99999999999999999999…\": the number is too large");
    EXPECT_EQ(ReasonText(Reason::UnreadableNumber, "IP", std::string(10, 'x') + "°°°°°°°°°°°"),
              "Could not read \"xxxxxxxxxx°°°°°°°°°°…\" as a number");
}

// With dry bulb 75 °F and enthalpy 30 Btu/lb as inputs, a switch to SI once
// read the same number in the metric datum: 59.2 % became 95.9 %.
TEST(RealAir, MovingTheEnthalpyToTheOtherDatumKeepsTheAir) {
    for (const bool solved : {true, false}) {
        CalcState s = with(&CalcState::Tdb, 75, &CalcState::H, 30);
        SolveState(s, InputPair{Input::DryBulb, Input::Enthalpy});
        ASSERT_NEAR(s.Phi, 0.592, 5e-4);
        const CalcState ip = s;
        for (const char* system : {"SI", "IP"}) {
            MoveEnthalpyToSystem(s, system, solved);
            s.UnitSystem = system;
            SolveState(s, InputPair{Input::DryBulb, Input::Enthalpy});
            EXPECT_NEAR(s.Phi, ip.Phi, solved ? 1e-5 : 5e-3) << system;
            EXPECT_NEAR(s.W, ip.W, solved ? 1e-7 : 5e-5) << system;
        }
        EXPECT_NEAR(s.H, ip.H, 1e-4); // and back
    }
}

} // namespace
