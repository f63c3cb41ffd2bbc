// The dry-bulb solvers of the pairs without a closed form always find the air:
// every state of a grid comes back from its own wet bulb, enthalpy and
// relative humidity, the wet bulb and enthalpy pair lands where its two lines
// cross, and inputs of no air raise the fault.

#include "engine/PsychroFun.h"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace psy = basPsychroFun;

namespace {

constexpr double kSeaLevelPsia = 14.696;

// The inputs the calculator computes from a state given by dry bulb and
// relative humidity, in the selector's units and enthalpy formulation.
struct Inputs {
    double twb, h;
};
Inputs inputsOf(double t, double phi, double p, const char* system) {
    const double w = psy::HumidityRatioFromRelativeHumidity(t, phi, p, system);
    return {psy::WetBulbFromDryBulbAndRelativeHumidity(t, phi, p, system),
            psy::EnthalpyFromDryBulbAndHumidityRatio(t, w, system)};
}

// Where the wet-bulb line (the psychrometer equation) and the enthalpy line
// cross on air: from just below the wet bulb (0.6 °F, as the formulation's own
// wet bulb of saturated air may lie above its dry bulb) up to 400 °F or the
// dry-air temperature of the enthalpy. Found apart from the solver: the difference of the two lines
// scanned in steps of 0.1 degree, each change of sign bisected to 1e-9.
std::vector<double> crossings(double twb, double h, double p, const char* system) {
    const bool ip = std::string(system) == "IP";
    const double top = std::min(ip ? 400.0 : (400.0 - 32.0) / 1.8,
                                psy::DryBulbFromHumidityRatioAndEnthalpy(0.0, h, system));
    const auto gap = [&](double t) {
        return psy::HumidityRatioFromDryBulbAndWetBulb(t, twb, p, system) -
               psy::HumidityRatioFromDryBulbAndEnthalpy(t, h, system);
    };
    std::vector<double> found;
    const double slack = ip ? 0.6 : 0.6 / 1.8;
    for (double a = twb - slack; a < top; a += 0.1) {
        double lower = a;
        double upper = std::min(a + 0.1, top);
        const bool negativeBelow = gap(lower) < 0.0;
        if ((gap(upper) < 0.0) == negativeBelow)
            continue;
        while (upper - lower > 1e-9) {
            const double m = (lower + upper) / 2.0;
            ((gap(m) < 0.0) == negativeBelow ? lower : upper) = m;
        }
        found.push_back(lower);
    }
    return found;
}

// A grid of states: one unit system and pressure, dry bulb (°F) and relative
// humidity (%) from, to, step.
struct Grid {
    const char* system;
    double altitudeFt;
    double tFrom, tTo, tStep;
    double rhFrom, rhTo, rhStep;
};

void PrintTo(const Grid& g, std::ostream* os) {
    *os << g.system << " at " << g.altitudeFt << " ft, " << g.tFrom << " to " << g.tTo << " °F";
}

class EveryStateComesBack : public testing::TestWithParam<Grid> {};

TEST_P(EveryStateComesBack, FromEachPairWithoutAClosedForm) {
    const Grid& g = GetParam();
    const bool ip = std::string(g.system) == "IP";
    const double psia = psy::PressureFromAltitude(g.altitudeFt, "IP");
    const double p = ip ? psia : psia / kSeaLevelPsia * 101.325;
    const double degreeF = ip ? 1.0 : 1.0 / 1.8; // one °F in the selector's unit
    int states = 0;
    for (double tF = g.tFrom; tF <= g.tTo; tF += g.tStep) {
        for (double rh = g.rhFrom; rh <= g.rhTo; rh += g.rhStep) {
            const double t = ip ? tF : (tF - 32.0) / 1.8;
            const double phi = rh / 100.0;
            if (phi * psy::SaturationPressure(t, g.system) >= p)
                continue; // no air: the vapour would exceed the atmosphere
            ++states;
            SCOPED_TRACE(testing::Message() << tF << " °F, " << rh << " %");
            const Inputs in = inputsOf(t, phi, p, g.system);

            // Pairs with the wet bulb: within the dew-point correlation's
            // reach of the state; the enthalpy pair within its tolerance.
            EXPECT_NEAR(psy::DryBulbFromWetBulbAndRelativeHumidity(in.twb, phi, p, g.system), t,
                        0.6 * degreeF);
            EXPECT_NEAR(psy::DryBulbFromEnthalpyAndRelativeHumidity(in.h, phi, p, g.system), t,
                        0.05 * degreeF);

            const std::vector<double> cross = crossings(in.twb, in.h, p, g.system);
            if (cross.empty()) {
                EXPECT_THROW(psy::DryBulbFromWetBulbAndEnthalpy(in.twb, in.h, p, g.system),
                             psy::FloatingPointFault);
                continue;
            }
            const double r = psy::DryBulbFromWetBulbAndEnthalpy(in.twb, in.h, p, g.system);
            const auto nearest =
                *std::ranges::min_element(cross, {}, [&](double c) { return std::fabs(c - r); });
            EXPECT_NEAR(r, nearest, 0.2 * degreeF);
        }
    }
    EXPECT_GT(states, 0);
}

// The practical range in both unit systems at sea level, 5,000 and 10,000 ft,
// and beyond it: down to -20 °F and up to 200 °F, at the Dead Sea and at the
// top of the atmosphere the program knows.
INSTANTIATE_TEST_SUITE_P(PracticalRangeAndBeyond, EveryStateComesBack,
                         testing::Values(Grid{"IP", 0, 20, 115, 5, 5, 100, 5},
                                         Grid{"IP", 5000, 20, 115, 5, 5, 100, 5},
                                         Grid{"IP", 10000, 20, 115, 5, 5, 100, 5},
                                         Grid{"SI", 0, 20, 115, 5, 5, 100, 5},
                                         Grid{"SI", 5000, 20, 115, 5, 5, 100, 5},
                                         Grid{"SI", 10000, 20, 115, 5, 5, 100, 5},
                                         Grid{"IP", -1400, -20, 200, 20, 10, 100, 15},
                                         Grid{"SI", 65000, -20, 200, 20, 10, 100, 15}));

// The states a new user met on ordinary air (IP, sea level).
TEST(DryBulbSolvers, HumidNinetyDegreeAfternoonFromEnthalpyAndRelativeHumidity) {
    // The substitution once overshot the boiling point and gave -19548.26 °F.
    EXPECT_NEAR(psy::DryBulbFromEnthalpyAndRelativeHumidity(46.93, 0.75, kSeaLevelPsia, "IP"), 90.0,
                0.05);
}

TEST(DryBulbSolvers, HotHumidAirFromWetBulbAndRelativeHumidity) {
    // 105 °F and 55 %: the substitution once ran to about -11,800 °F.
    const Inputs in = inputsOf(105.0, 0.55, kSeaLevelPsia, "IP");
    EXPECT_NEAR(in.twb, 89.45, 0.005);
    EXPECT_NEAR(psy::DryBulbFromWetBulbAndRelativeHumidity(in.twb, 0.55, kSeaLevelPsia, "IP"),
                105.0, 0.01);
}

TEST(DryBulbSolvers, CoolAirFromWetBulbAndEnthalpyWhereTheRelaxationNeverConverges) {
    // 40 °F and 50 %: wet bulb 33.57 °F, 12.39 Btu/lb. The relaxation never
    // meets its tolerance; once it ran 100,000 passes and gave nothing. The
    // formulation's two lines cross at 38.61 °F, not at the 40 °F of the
    // state, since its wet bulb comes from the dew-point correlation.
    const Inputs in = inputsOf(40.0, 0.5, kSeaLevelPsia, "IP");
    EXPECT_NEAR(in.twb, 33.57, 0.005);
    EXPECT_NEAR(in.h, 12.39, 0.005);
    const std::vector<double> cross = crossings(in.twb, in.h, kSeaLevelPsia, "IP");
    ASSERT_EQ(cross.size(), 1U);
    EXPECT_NEAR(psy::DryBulbFromWetBulbAndEnthalpy(in.twb, in.h, kSeaLevelPsia, "IP"), cross[0],
                0.001);
}

TEST(DryBulbSolvers, RelaxationKeptOnlyWhereTheLinesCross) {
    // At 45 °F and 100 % the relaxation meets its enthalpy tolerance 0.57 °F
    // short of the crossing; the crossing is returned instead.
    const Inputs in = inputsOf(45.0, 1.0, kSeaLevelPsia, "IP");
    const std::vector<double> cross = crossings(in.twb, in.h, kSeaLevelPsia, "IP");
    ASSERT_EQ(cross.size(), 1U);
    EXPECT_NEAR(psy::DryBulbFromWetBulbAndEnthalpy(in.twb, in.h, kSeaLevelPsia, "IP"), cross[0],
                0.001);
}

TEST(DryBulbSolvers, PerfectlyDryAirFromItsWetBulb) {
    // No dew point exists; the psychrometer equation at W = 0 gives the air.
    for (const char* system : {"IP", "SI"}) {
        const double p = std::string(system) == "IP" ? kSeaLevelPsia : 101.325;
        const double t = psy::DryBulbFromWetBulbAndRelativeHumidity(10.0, 0.0, p, system);
        EXPECT_DOUBLE_EQ(t, psy::DryBulbFromWetBulbAndHumidityRatio(10.0, 0.0, p, system));
        EXPECT_NEAR(psy::HumidityRatioFromDryBulbAndWetBulb(t, 10.0, p, system), 0.0, 1e-12);
    }
}

// Inputs at sea level (IP) from which no air follows.
enum class Pair { WetBulbAndRelativeHumidity, EnthalpyAndRelativeHumidity, WetBulbAndEnthalpy };
struct NoAir {
    const char* name;
    Pair pair;
    double first, second;
};

void PrintTo(const NoAir& c, std::ostream* os) {
    *os << c.name;
}

double solve(const NoAir& c) {
    switch (c.pair) {
    case Pair::WetBulbAndRelativeHumidity:
        return psy::DryBulbFromWetBulbAndRelativeHumidity(c.first, c.second, kSeaLevelPsia, "IP");
    case Pair::EnthalpyAndRelativeHumidity:
        return psy::DryBulbFromEnthalpyAndRelativeHumidity(c.first, c.second, kSeaLevelPsia, "IP");
    case Pair::WetBulbAndEnthalpy:
        break;
    }
    return psy::DryBulbFromWetBulbAndEnthalpy(c.first, c.second, kSeaLevelPsia, "IP");
}

class InputsOfNoAir : public testing::TestWithParam<NoAir> {};

TEST_P(InputsOfNoAir, RaiseTheFault) {
    EXPECT_THROW(solve(GetParam()), psy::FloatingPointFault);
}

INSTANTIATE_TEST_SUITE_P(
    DryBulbSolvers, InputsOfNoAir,
    testing::Values(
        // Fog: more enthalpy than saturated air at the wet bulb; the lines
        // never meet on air.
        NoAir{"EnthalpyAboveSaturationAtTheWetBulb", Pair::WetBulbAndEnthalpy, 50.0, 30.0},
        NoAir{"WetBulbBeyondTheRange", Pair::WetBulbAndEnthalpy, 450.0, 30.0},
        NoAir{"WetBulbBelowTheRange", Pair::WetBulbAndRelativeHumidity, -150.0, 0.5},
        // Air of 5 % never has a wet bulb near boiling; above the boiling
        // point the formulation's wet bulb jumps past 200 °F without a crossing.
        NoAir{"WetBulbNearBoilingAtLowHumidity", Pair::WetBulbAndRelativeHumidity, 200.0, 0.05},
        // Less enthalpy than dry air at -148 °F.
        NoAir{"EnthalpyBelowTheColdestAir", Pair::EnthalpyAndRelativeHumidity, -40.0, 0.5},
        NoAir{"DryAirBeyondTheRange", Pair::EnthalpyAndRelativeHumidity, 200.0, 0.0}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace

// Humidity ratio and relative humidity give back the very dry bulb the state
// came from: the saturation pressure is inverted itself, not through the
// dew-point correlation, which lands 0.047 °C off at 20 °C and 50 % and up
// to 1 °F off at 5 % below freezing.
TEST(DryBulbFromHumidityRatioAndRelativeHumidity, InvertsTheSaturationPressure) {
    const struct {
        const char* system;
        double t, phi, p;
    } rows[] = {
        {"SI", 20.0, 0.5, 101.325},  {"IP", 20.0, 0.05, 14.696},  {"IP", 115.0, 1.0, 10.106},
        {"SI", -40.0, 0.3, 101.325}, {"IP", 300.0, 0.05, 14.696},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r.system << ' ' << r.t << ' ' << r.phi);
        const double w = psy::HumidityRatioFromRelativeHumidity(r.t, r.phi, r.p, r.system);
        EXPECT_NEAR(psy::DryBulbFromHumidityRatioAndRelativeHumidity(w, r.phi, r.p, r.system), r.t,
                    0.001);
    }
    // No vapour with some relative humidity, or vapour that would need a
    // saturation pressure beyond the range: no air.
    EXPECT_THROW(psy::DryBulbFromHumidityRatioAndRelativeHumidity(0.0, 0.5, 14.696, "IP"),
                 psy::FloatingPointFault);
    EXPECT_THROW(psy::DryBulbFromHumidityRatioAndRelativeHumidity(5.0, 0.01, 14.696, "IP"),
                 psy::FloatingPointFault);
}

namespace {

// The wet bulb the calculator shows for air of dry bulb t and humidity ratio
// w: through the dew-point correlation.
double ownWetBulbOf(double t, double w, double p, const char* system) {
    return psy::WetBulbFromDryBulbAndHumidityRatio(t, w, p, system);
}

} // namespace

// Wet bulb and enthalpy solved for the air whose own wet bulb is the one
// given: the air they came from comes back, near saturation too, where the
// psychrometer equation's line meets the enthalpy line degrees away or not at
// all; and its own wet bulb is the one given.
TEST(DryBulbFromOwnWetBulbAndEnthalpy, GivesBackTheAirOfTheWetBulbItShows) {
    const struct {
        const char* system;
        double altitudeFt;
        double tF, phi;
    } rows[] = {
        {"IP", 0, 105, 0.85}, // the psychrometer line's crossing: 100.16 °F, at saturation
        {"IP", 0, 91, 0.96},  // no crossing on air
        {"IP", 0, 68, 0.5},   // the crossing 3.7 °F off
        {"SI", 0, 68, 0.5},   {"IP", 5000, 77, 0.3}, {"SI", 10000, 95, 0.9},
        {"IP", 0, 150, 0.2},  {"IP", 0, 0, 0.5},     {"SI", 0, 14, 0.99},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message()
                     << r.system << ' ' << r.altitudeFt << " ft " << r.tF << " °F " << r.phi);
        const bool ip = std::string(r.system) == "IP";
        const double psia = psy::PressureFromAltitude(r.altitudeFt, "IP");
        const double p = ip ? psia : psia / kSeaLevelPsia * 101.325;
        const double t = ip ? r.tF : (r.tF - 32.0) / 1.8;
        const double degreeF = ip ? 1.0 : 1.0 / 1.8;
        const Inputs in = inputsOf(t, r.phi, p, r.system);
        const double found = psy::DryBulbFromOwnWetBulbAndEnthalpy(in.twb, in.h, p, r.system);
        // The own wet bulb wavers by the 0.0005 °C of its bisection, some
        // tenths of a degree of dry bulb along lines this nearly parallel.
        EXPECT_NEAR(found, t, 0.3 * degreeF);
        const double w = psy::HumidityRatioFromDryBulbAndEnthalpy(found, in.h, r.system);
        EXPECT_NEAR(ownWetBulbOf(found, w, p, r.system), in.twb, 0.005 * degreeF);
    }
    // Where the old crossing lies for the first row.
    const Inputs hot = inputsOf(105.0, 0.85, kSeaLevelPsia, "IP");
    EXPECT_NEAR(psy::DryBulbFromWetBulbAndEnthalpy(hot.twb, hot.h, kSeaLevelPsia, "IP"), 100.16,
                0.01);
}

// Inputs with no air of that own wet bulb: fog (more enthalpy than saturated
// air at the wet bulb), a wet bulb beyond the range, an enthalpy below that of
// dry air at the wet bulb.
TEST(DryBulbFromOwnWetBulbAndEnthalpy, InputsOfNoAirRaiseTheFault) {
    for (const auto& [twb, h] : {std::pair{50.0, 30.0}, std::pair{450.0, 30.0},
                                 std::pair{70.0, 10.0}, std::pair{-200.0, 0.0}}) {
        EXPECT_THROW(psy::DryBulbFromOwnWetBulbAndEnthalpy(twb, h, kSeaLevelPsia, "IP"),
                     psy::FloatingPointFault)
            << twb << ' ' << h;
    }
}

// Saturated air shows as its wet bulb its dry bulb off by the correlation's
// error (0.03 °F at 49 °F, 0.13 °F at -20 °F): the dry bulb of that wet bulb
// is the air's own. Near boiling no saturated air within the slack has it,
// and the dry bulb is the wet bulb.
TEST(DryBulbFromOwnWetBulbOfSaturatedAir, GivesBackTheSaturatedAir) {
    for (const double t : {-20.0, 25.0, 49.0, 100.0, 150.0}) {
        const double twb = psy::WetBulbFromDryBulbAndRelativeHumidity(t, 1.0, kSeaLevelPsia, "IP");
        EXPECT_NEAR(psy::DryBulbFromOwnWetBulbOfSaturatedAir(twb, kSeaLevelPsia, "IP"), t, 0.002)
            << t;
    }
    EXPECT_GT(psy::WetBulbFromDryBulbAndRelativeHumidity(-20.0, 1.0, kSeaLevelPsia, "IP"), -19.9);
    EXPECT_DOUBLE_EQ(psy::DryBulbFromOwnWetBulbOfSaturatedAir(211.9, kSeaLevelPsia, "IP"), 211.9);
    EXPECT_THROW(psy::DryBulbFromOwnWetBulbOfSaturatedAir(450.0, kSeaLevelPsia, "IP"),
                 psy::FloatingPointFault);
}
