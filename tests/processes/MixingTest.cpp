// Adiabatic mixing: the Handbook's example of two streams, mixing followed by
// adiabatic humidification, and the limits of a mixture.

#include "processes/Mixing.h"

#include "engine/PsychroFun.h"
#include "engine/Units.h"
#include "processes/Process.h"

#include <gtest/gtest.h>

namespace psy = basPsychroFun;
using namespace processes;
using basPsychroFun::units::FahrenheitToCelsius;

namespace {

constexpr double kSeaLevel = 14.696; // psia = 101.325 kPa

// ASHRAE Handbook of Fundamentals (SI), Psychrometrics, example of adiabatic
// mixing of two streams: 2 m³/s of outdoor air at 4 °C dry bulb, 2 °C wet
// bulb, with 6.25 m³/s of return air at 25 °C, 50 %; the Handbook reads the
// mixture off the chart as 19.5 °C dry bulb, 14.6 °C wet bulb. By hand from
// the Handbook's equations:
//   W1 = 0.003558 (wet-bulb equation), v1 = 0.78966 m³/kg, m1 = 2 / 0.78966 = 2.5327 kg/s
//   W2 = 0.009882, v2 = 0.85808 m³/kg, m2 = 6.25 / 0.85808 = 7.2837 kg/s
//   m3 = 9.8164 kg/s, m1/m3 = 0.2580
//   W3 = 0.2580 * 0.003558 + 0.7420 * 0.009882 = 0.008250
//   h1 = 1.006 * 4 + 0.003558 (2501 + 1.805 * 4) = 12.948 kJ/kg
//   h2 = 1.006 * 25 + 0.009882 (2501 + 1.805 * 25) = 50.311 kJ/kg
//   h3 = 0.2580 * 12.948 + 0.7420 * 50.311 = 40.670 kJ/kg
//   t3 = (h3 - 2501 W3) / (1.006 + 1.805 W3) = 19.63 °C
TEST(Mixing, TwoStreamsOfTheHandbook) {
    const AirState outdoor{39.2, psy::HumidityRatioFromDryBulbAndWetBulb(4.0, 2.0, 101.325, "SI"),
                           kSeaLevel};
    const AirState recirculated{
        77.0, psy::HumidityRatioFromRelativeHumidity(25.0, 0.5, 101.325, "SI"), kSeaLevel};
    const auto mix = Mix(outdoor, {2.0, AirflowUnit::CubicMetresPerSecond}, recirculated,
                         {6.25, AirflowUnit::CubicMetresPerSecond}, UnitSystem::SI);
    ASSERT_TRUE(mix.ok());
    EXPECT_NEAR(mix->firstStreamShare, 0.2580, 1e-4);
    EXPECT_NEAR(psy::units::PoundsToKilograms(mix->dryAirLbPerHour) / 3600.0, 9.8164, 1e-3);
    EXPECT_NEAR(mix->air.humidityRatio, 0.008250, 1e-6);
    EXPECT_NEAR(mix->enthalpy, 40.670, 1e-3);
    EXPECT_NEAR(FahrenheitToCelsius(mix->air.dryBulbF), 19.63, 0.005);
    // The Handbook's chart reading.
    EXPECT_NEAR(FahrenheitToCelsius(mix->air.dryBulbF), 19.5, 0.2);
    EXPECT_NEAR(psy::WetBulbFromDryBulbAndHumidityRatio(FahrenheitToCelsius(mix->air.dryBulbF),
                                                        mix->air.humidityRatio, 101.325, "SI"),
                14.6, 0.1);

    // The same streams in IP come to the same air.
    const auto ip = Mix(outdoor, {2.0, AirflowUnit::CubicMetresPerSecond}, recirculated,
                        {6.25, AirflowUnit::CubicMetresPerSecond}, UnitSystem::IP);
    EXPECT_NEAR(ip->air.dryBulbF, mix->air.dryBulbF, 0.01);
}

// Mixing, then water sprayed at 60 °F into the mixture until W rises by
// 0.002 (Handbook, adiabatic mixing of water injected into moist air):
//   h2 = h1 + (W2 - W1) h_w, h_w = 60 - 32 = 28 Btu/lb of water,
// so the air gains 0.002 * 28 = 0.056 Btu/lb: an evaporative process, whose
// total heat is the water's enthalpy and whose water is m_da * 0.002.
TEST(Mixing, MixingThenAdiabaticHumidification) {
    const AirState outdoor{40.0, 0.0035, kSeaLevel};
    const AirState ret{75.0, 0.0093, kSeaLevel};
    const auto mix =
        Mix(outdoor, {2000.0, AirflowUnit::Cfm}, ret, {6000.0, AirflowUnit::Cfm}, UnitSystem::IP);
    ASSERT_TRUE(mix.ok());
    const double w2 = mix->air.humidityRatio + 0.002;
    const double h2 = mix->enthalpy + 0.002 * 28.0;
    const AirState humidified{psy::DryBulbFromHumidityRatioAndEnthalpy(w2, h2, "IP"), w2,
                              kSeaLevel};
    const auto airflow = VolumeFlow(mix->air, mix->dryAirLbPerHour, AirflowUnit::Cfm);
    ASSERT_TRUE(airflow.ok());
    const auto r = AnalyseProcess(mix->air, humidified, UnitSystem::IP, *airflow);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->kind, ProcessKind::EvaporativeHumidification);
    EXPECT_NEAR(r->loads->dryAirLbPerHour, mix->dryAirLbPerHour, 1e-6 * mix->dryAirLbPerHour);
    EXPECT_NEAR(r->loads->total.btuPerHour, mix->dryAirLbPerHour * 0.056, 1e-3);
    EXPECT_NEAR(r->loads->waterLbPerHour, mix->dryAirLbPerHour * 0.002, 1e-6);
    EXPECT_LT(humidified.dryBulbF, mix->air.dryBulbF - 7.0);
}

TEST(Mixing, BadInputAndFog) {
    const AirState a{70.0, 0.008, kSeaLevel};
    const Airflow q{1000.0, AirflowUnit::Cfm};
    EXPECT_EQ(Mix(a, q, {70.0, 0.008, 12.0}, q, UnitSystem::IP).problem(),
              Problem::DifferentPressures);
    EXPECT_EQ(Mix(a, {0.0, AirflowUnit::Cfm}, a, q, UnitSystem::IP).problem(), Problem::NoAirflow);
    EXPECT_EQ(Mix(a, q, {70.0, 0.05, kSeaLevel}, q, UnitSystem::IP).problem(),
              Problem::Supersaturated);
    // Saturated air at 20 °F and at 100 °F: the straight line between them
    // runs above the curved saturation line, and the mixture would be fog.
    const auto ws = [](double t) {
        return psy::SaturationHumidityRatio(psy::SaturationPressure(t, "IP"), kSeaLevel, "IP");
    };
    EXPECT_EQ(Mix({20.0, ws(20.0), kSeaLevel}, q, {100.0, ws(100.0), kSeaLevel}, q, UnitSystem::IP)
                  .problem(),
              Problem::Supersaturated);
}

} // namespace
