// Closed-form moist-air relations: the SI reference state at 20 °C and 50 %,
// the same state in IP, inverse pairs, dew-point branches, and how each
// relation treats an unrecognised selector.

#include "engine/PsychroFun.h"

#include <functional>

#include <gtest/gtest.h>

namespace psy = basPsychroFun;

namespace {

constexpr double kP = 101.325;   // kPa
constexpr double kPsia = 14.696; // psia
constexpr double kWRef = 0.00726212;

TEST(MoistAir, ReferenceStateAt20CelsiusAndHalfSaturation) {
    const double pws = psy::SaturationPressure(20.0, "SI");
    const double pw = psy::VaporPressureFromRelativeHumidity(20.0, 0.5, "SI");
    const double w = psy::HumidityRatioFromRelativeHumidity(20.0, 0.5, kP, "SI");
    const double ws = psy::SaturationHumidityRatio(pws, kP, "SI");
    const double v = psy::SpecificVolume(20.0, w, kP, "SI");

    EXPECT_NEAR(pws, 2.338795, 1e-6);
    EXPECT_NEAR(pw, 1.169397, 1e-6);
    EXPECT_NEAR(w, kWRef, 1e-8);
    EXPECT_NEAR(ws, 0.0146958, 1e-7);
    EXPECT_NEAR(psy::EnthalpyFromDryBulbAndHumidityRatio(20.0, w, "SI"), 38.5447, 1e-4);
    EXPECT_NEAR(v, 0.840195, 1e-6);
    EXPECT_NEAR(psy::MoistAirDensity(w, v, "SI"), 1.198844, 1e-6);
    EXPECT_NEAR(psy::AbsoluteHumidity(w, v, "SI"), 0.00864338, 1e-8);
    EXPECT_NEAR(psy::DegreeOfSaturationFromRelativeHumidity(0.5, ws, "SI"), 0.494162, 1e-6);
    EXPECT_NEAR(psy::DewPointFromVaporPressure(pw, "SI"), 9.3029, 1e-4);
    EXPECT_DOUBLE_EQ(psy::RelativeHumidityFromVaporPressures(pw, pws, "SI"), 0.5);
}

TEST(MoistAir, InchPoundGivesTheSameStateInItsOwnUnits) {
    const double pwsIP = psy::SaturationPressure(68.0, "IP");
    const double w = psy::HumidityRatioFromRelativeHumidity(68.0, 0.5, kPsia, "IP");
    const double v = psy::SpecificVolume(68.0, w, kPsia, "IP");
    EXPECT_NEAR(w, kWRef, 1e-8);
    EXPECT_NEAR(psy::VaporPressureFromHumidityRatio(w, kPsia, "IP"), pwsIP / 2.0, 1e-9);
    EXPECT_NEAR(v, 0.840195 * 16.018463, 1e-5);                                // ft³/lb
    EXPECT_NEAR(psy::MoistAirDensity(w, v, "IP"), 1.198844 / 16.018463, 1e-7); // lb/ft³
    EXPECT_NEAR(psy::AbsoluteHumidity(w, v, "IP"), 0.00864338 / 16.018463, 1e-9);
    EXPECT_NEAR(psy::DewPointFromVaporPressure(pwsIP / 2.0, "IP"), 9.3029 * 1.8 + 32.0, 2e-4);
    // Each system's enthalpy has its own datum: no conversion relates them.
    EXPECT_NEAR(psy::EnthalpyFromDryBulbAndHumidityRatio(68.0, kWRef, "IP"), 24.2444, 1e-4);
}

TEST(MoistAir, WetBulbEquationAndItsInverseAgree) {
    const double w = psy::HumidityRatioFromDryBulbAndWetBulb(20.0, 14.0, kP, "SI");
    EXPECT_NEAR(w, 0.00750626, 1e-8);
    EXPECT_NEAR(psy::DryBulbFromWetBulbAndHumidityRatio(14.0, w, kP, "SI"), 20.0, 1e-9);

    for (double t : {-20.0, 0.0, 30.0, 60.0}) {
        const double wIP =
            psy::HumidityRatioFromDryBulbAndWetBulb(t * 1.8 + 32, t * 1.8 + 22, 12.0, "IP");
        EXPECT_NEAR(psy::DryBulbFromWetBulbAndHumidityRatio(t * 1.8 + 22, wIP, 12.0, "IP"),
                    t * 1.8 + 32, 1e-9)
            << t;
    }
}

TEST(MoistAir, EnthalpyRelationsInvertEachOther) {
    for (const char* system : {"IP", "SI"}) {
        for (double t : {-10.0, 0.0, 25.0, 90.0}) {
            for (double w : {0.0, 0.004, 0.02}) {
                const double h = psy::EnthalpyFromDryBulbAndHumidityRatio(t, w, system);
                EXPECT_NEAR(psy::HumidityRatioFromDryBulbAndEnthalpy(t, h, system), w, 1e-12);
                EXPECT_NEAR(psy::DryBulbFromHumidityRatioAndEnthalpy(w, h, system), t, 1e-9);
            }
        }
    }
}

TEST(MoistAir, VapourPressureAndHumidityRatioInvertEachOther) {
    for (double pw : {0.05, 1.0, 3.5}) {
        const double w = psy::HumidityRatioFromVaporPressure(pw, kP, "SI");
        EXPECT_NEAR(psy::VaporPressureFromHumidityRatio(w, kP, "SI"), pw, 1e-12);
        // Both pressures scale alike, so IP gives the same humidity ratio.
        EXPECT_NEAR(psy::HumidityRatioFromVaporPressure(pw, kP, "IP"), w, 1e-15);
    }
}

TEST(MoistAir, DewPointBranchFollowsTheSignOfTheAboveFreezingForm) {
    // At 0.6112 kPa the above-freezing form is slightly negative, so the
    // below-freezing form is used although it gives a positive dew point.
    EXPECT_NEAR(psy::DewPointFromVaporPressure(0.6112, "SI"), 0.00289, 1e-5);
    EXPECT_NEAR(psy::DewPointFromVaporPressure(0.62, "SI"), 0.17010, 1e-5);
    EXPECT_NEAR(psy::DewPointFromVaporPressure(0.5, "SI"), -2.41094, 1e-5);
}

struct SelectorCase {
    const char* name;
    std::function<double(const char*)> call;
    bool givesMarker; // else the raw-input value, identical to "SI"
};

void PrintTo(const SelectorCase& c, std::ostream* os) {
    *os << c.name;
}

class UnrecognisedSelector : public testing::TestWithParam<SelectorCase> {};

TEST_P(UnrecognisedSelector, IsHandledPerRelation) {
    const SelectorCase& c = GetParam();
    if (c.givesMarker)
        EXPECT_EQ(c.call("XY"), psy::kNoResult);
    else
        EXPECT_EQ(c.call("XY"), c.call("SI"));
}

INSTANTIATE_TEST_SUITE_P(
    Relations, UnrecognisedSelector,
    testing::Values(
        SelectorCase{"HumidityRatioFromVaporPressure",
                     [](auto s) { return psy::HumidityRatioFromVaporPressure(1.0, kP, s); }, false},
        SelectorCase{"SaturationHumidityRatio",
                     [](auto s) { return psy::SaturationHumidityRatio(2.0, kP, s); }, false},
        SelectorCase{"HumidityRatioFromDryBulbAndWetBulb",
                     [](auto s) { return psy::HumidityRatioFromDryBulbAndWetBulb(20, 14, kP, s); },
                     false},
        SelectorCase{"RelativeHumidityFromVaporPressures",
                     [](auto s) { return psy::RelativeHumidityFromVaporPressures(1, 2, s); },
                     false},
        SelectorCase{"DegreeOfSaturation",
                     [](auto s) { return psy::DegreeOfSaturationFromRelativeHumidity(.5, .01, s); },
                     false},
        SelectorCase{"VaporPressureFromHumidityRatio",
                     [](auto s) { return psy::VaporPressureFromHumidityRatio(0.01, kP, s); }, true},
        SelectorCase{
            "DryBulbFromWetBulbAndHumidityRatio",
            [](auto s) { return psy::DryBulbFromWetBulbAndHumidityRatio(14, .007, kP, s); }, true},
        SelectorCase{"Enthalpy",
                     [](auto s) { return psy::EnthalpyFromDryBulbAndHumidityRatio(20, .007, s); },
                     true},
        SelectorCase{"HumidityRatioFromDryBulbAndEnthalpy",
                     [](auto s) { return psy::HumidityRatioFromDryBulbAndEnthalpy(20, 38, s); },
                     true},
        SelectorCase{"DryBulbFromHumidityRatioAndEnthalpy",
                     [](auto s) { return psy::DryBulbFromHumidityRatioAndEnthalpy(.007, 38, s); },
                     true},
        SelectorCase{"DewPoint", [](auto s) { return psy::DewPointFromVaporPressure(1.0, s); },
                     true},
        SelectorCase{"SpecificVolume", [](auto s) { return psy::SpecificVolume(20, .007, kP, s); },
                     true},
        SelectorCase{"MoistAirDensity", [](auto s) { return psy::MoistAirDensity(.007, .84, s); },
                     true},
        SelectorCase{"AbsoluteHumidity", [](auto s) { return psy::AbsoluteHumidity(.007, .84, s); },
                     true}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(MoistAir, SelectorIsCaseInsensitive) {
    EXPECT_EQ(psy::SpecificVolume(68, .007, kPsia, "ip"),
              psy::SpecificVolume(68, .007, kPsia, "IP"));
    EXPECT_EQ(psy::EnthalpyFromDryBulbAndHumidityRatio(20, .007, "sI"),
              psy::EnthalpyFromDryBulbAndHumidityRatio(20, .007, "SI"));
}

} // namespace
