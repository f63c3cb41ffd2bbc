// Process analysis: the ASHRAE Handbook's heating-coil case and a cooling
// coil worked by hand from the Handbook's equations, the naming of each kind
// of process, the unit arithmetic of airflow and heat, and bad input.

#include "processes/Process.h"

#include "engine/PsychroFun.h"

#include <gtest/gtest.h>

namespace psy = basPsychroFun;
using namespace processes;

namespace {

constexpr double kSeaLevel = 14.696; // psia

AirState At(double tF, double w, double p = kSeaLevel) {
    return {tF, w, p};
}
double Ws(double tF, double p = kSeaLevel) {
    return psy::SaturationHumidityRatio(psy::SaturationPressure(tF, "IP"), p, "IP");
}

// The Handbook's heating example (Psychrometrics, "moist air heating"):
// 20,000 cfm of air saturated at 35 °F heated to 100 °F. By hand:
//   p_ws(35 °F) = 0.09998 psia, W = 0.62198 * 0.09998 / (14.696 - 0.09998) = 0.004260
//   v = 53.352 ft·lbf/(lb·°R) * 494.67 °R * (1 + 1.6078 W) / (14.696 * 144) = 12.557 ft³/lb
//   m_da = 20,000 * 60 / 12.557 = 95,566 lb/h
//   h1 = 0.240 * 35 + 0.004260 (1061 + 0.444 * 35) = 12.986 Btu/lb
//   h2 = 0.240 * 100 + 0.004260 (1061 + 0.444 * 100) = 28.709 Btu/lb
//   q = 95,566 * 15.723 = 1,502,600 Btu/h, all of it sensible.
TEST(Process, HeatingCoilOfTheHandbook) {
    const AirState in = At(35.0, Ws(35.0));
    const auto r = AnalyseProcess(in, At(100.0, in.humidityRatio), UnitSystem::IP,
                                  Airflow{20000.0, AirflowUnit::Cfm});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->kind, ProcessKind::SensibleHeating);
    EXPECT_NEAR(in.humidityRatio, 0.004260, 5e-7);
    EXPECT_NEAR(r->enthalpyChange, 15.723, 1e-3);
    ASSERT_TRUE(r->loads);
    EXPECT_NEAR(r->loads->dryAirLbPerHour, 95566.0, 5.0);
    EXPECT_NEAR(r->loads->total.btuPerHour, 1.5026e6, 200.0);
    EXPECT_EQ(r->loads->latent.btuPerHour, 0.0);
    EXPECT_EQ(r->sensibleHeatRatio, 1.0);
    EXPECT_EQ(r->loads->waterLbPerHour, 0.0);
}

// A coil taking 10,000 cfm at 80 °F dry bulb, 67 °F wet bulb (W1 = 0.011185
// by the wet-bulb equation, v = 13.8505 ft³/lb) to 53 °F, W2 = 0.0079859 (the
// coil of CoolingCoilTest: ADP 50 °F, bypass factor 0.1). By hand:
//   m_da = 600,000 / 13.8505 = 43,320 lb/h
//   sensible = 0.240 (53 - 80) + W1 * 0.444 (53 - 80) = -6.6141 Btu/lb -> -286,520 Btu/h
//   latent = (W2 - W1)(1061 + 0.444 * 53) = -0.0031991 * 1084.53 = -3.4695 -> -150,300 Btu/h
//   total = -436,820 Btu/h = 36.40 tons = 128.0 kW; SHR = 6.6141 / 10.0836 = 0.656
//   water = 43,320 * -0.0031991 = -138.6 lb/h = -62.85 kg/h.
TEST(Process, CoolingAndDehumidifyingCoilByHand) {
    const AirState in =
        At(80.0, psy::HumidityRatioFromDryBulbAndWetBulb(80.0, 67.0, kSeaLevel, "IP"));
    const AirState out = At(53.0, 0.0079859);
    const auto r = AnalyseProcess(in, out, UnitSystem::IP, Airflow{10000.0, AirflowUnit::Cfm});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->kind, ProcessKind::CoolingAndDehumidifying);
    const ProcessLoads& q = *r->loads;
    EXPECT_NEAR(q.dryAirLbPerHour, 43320.0, 2.0);
    EXPECT_NEAR(q.sensible.btuPerHour, -286520.0, 30.0);
    EXPECT_NEAR(q.latent.btuPerHour, -150300.0, 30.0);
    EXPECT_EQ(q.total.btuPerHour, q.sensible.btuPerHour + q.latent.btuPerHour);
    EXPECT_NEAR(q.total.tons(), -36.40, 0.01);
    EXPECT_NEAR(q.total.kilowatts(), -128.0, 0.1);
    EXPECT_NEAR(*r->sensibleHeatRatio, 0.656, 1e-3);
    EXPECT_NEAR(q.waterLbPerHour, -138.6, 0.1);
    EXPECT_NEAR(q.waterKgPerHour(), -62.85, 0.05);

    // The metric formulation (1.006 kJ/kg·K against 0.240 Btu/lb·°F) gives
    // the same loads within a few parts in ten thousand.
    const auto si = AnalyseProcess(in, out, UnitSystem::SI, Airflow{10000.0, AirflowUnit::Cfm});
    ASSERT_TRUE(si.ok());
    EXPECT_NEAR(si->loads->total.btuPerHour / q.total.btuPerHour, 1.0, 5e-4);
    EXPECT_NEAR(si->loads->sensible.btuPerHour / q.sensible.btuPerHour, 1.0, 1e-3);
}

TEST(Process, EachKindByItsLine) {
    const double w = 0.008;
    // From 75 °F, W = 0.008 at sea level. Along constant enthalpy in IP:
    // h = 0.240 t + W (1061 + 0.444 t).
    const auto wAtSameEnthalpy = [&](double t) {
        const double h = psy::EnthalpyFromDryBulbAndHumidityRatio(75.0, w, "IP");
        return psy::HumidityRatioFromDryBulbAndEnthalpy(t, h, "IP");
    };
    const struct {
        AirState to;
        ProcessKind kind;
    } cases[] = {
        {At(95.0, w), ProcessKind::SensibleHeating},
        {At(60.0, w + 0.00005), ProcessKind::SensibleCooling},
        {At(55.0, 0.0075), ProcessKind::CoolingAndDehumidifying},
        {At(75.2, 0.006), ProcessKind::Dehumidifying},
        {At(90.0, 0.006), ProcessKind::HeatingAndDehumidifying},
        {At(90.0, wAtSameEnthalpy(90.0)), ProcessKind::DesiccantDehumidifying},
        {At(65.0, wAtSameEnthalpy(65.0)), ProcessKind::EvaporativeHumidification},
        // Steam at 212 °F: W up by 0.004, dry bulb up about 1 °F.
        {At(76.0, 0.012), ProcessKind::SteamHumidification},
        {At(90.0, 0.011), ProcessKind::HeatingAndHumidifying},
        {At(65.0, 0.011), ProcessKind::CoolingAndHumidifying},
    };
    for (const auto& c : cases) {
        const auto r = AnalyseProcess(At(75.0, w), c.to, UnitSystem::SI);
        ASSERT_TRUE(r.ok()) << ProcessName(c.kind);
        EXPECT_EQ(r->kind, c.kind) << ProcessName(c.kind) << " got " << ProcessName(r->kind);
        EXPECT_FALSE(r->loads);
    }
}

TEST(Process, SensibleHeatRatioOnlyWhereSensibleAndLatentAgree) {
    const AirState from = At(95.0, 0.010);
    // Evaporative cooling: sensible out, latent in; no ratio.
    const double h = psy::EnthalpyFromDryBulbAndHumidityRatio(95.0, 0.010, "IP");
    const auto evap = AnalyseProcess(
        from, At(75.0, psy::HumidityRatioFromDryBulbAndEnthalpy(75.0, h, "IP")), UnitSystem::IP);
    ASSERT_TRUE(evap.ok());
    EXPECT_FALSE(evap->sensibleHeatRatio);
    const auto heatAndWet = AnalyseProcess(from, At(105.0, 0.012), UnitSystem::IP);
    ASSERT_TRUE(heatAndWet->sensibleHeatRatio);
    EXPECT_GT(*heatAndWet->sensibleHeatRatio, 0.0);
    EXPECT_LT(*heatAndWet->sensibleHeatRatio, 1.0);
}

// 1 cfm = 0.3048³ m³ / 60 s; 1 kW = 3600 / 1.05505585262 Btu/h; 1 ton = 12,000 Btu/h.
TEST(Process, AirflowAndHeatUnits) {
    const double cfmPerCubicMetrePerSecond = 60.0 / (0.3048 * 0.3048 * 0.3048); // 2118.88
    EXPECT_DOUBLE_EQ(ToCfm({1.0, AirflowUnit::CubicMetresPerSecond}), cfmPerCubicMetrePerSecond);
    EXPECT_DOUBLE_EQ(ToCfm({1000.0, AirflowUnit::LitresPerSecond}), cfmPerCubicMetrePerSecond);
    EXPECT_DOUBLE_EQ(ToCfm({3600.0, AirflowUnit::CubicMetresPerHour}), cfmPerCubicMetrePerSecond);
    EXPECT_NEAR((HeatRate{12000.0}.kilowatts()), 3.516852842, 1e-9);
    EXPECT_EQ((HeatRate{12000.0}.tons()), 1.0);

    // The same air moved in any unit is the same mass; back to volume at
    // another point the volume scales with the specific volume.
    const AirState a = At(70.0, 0.008);
    const double m = *DryAirMassFlow(a, {1.0, AirflowUnit::CubicMetresPerSecond});
    EXPECT_DOUBLE_EQ(*DryAirMassFlow(a, {cfmPerCubicMetrePerSecond, AirflowUnit::Cfm}), m);
    const auto back = VolumeFlow(a, m, AirflowUnit::LitresPerSecond);
    ASSERT_TRUE(back.ok());
    EXPECT_NEAR(back->value, 1000.0, 1e-9);
}

TEST(Process, BadInputGivesAReason) {
    const AirState a = At(75.0, 0.008);
    const struct {
        AirState from, to;
        std::optional<Airflow> airflow;
        Problem problem;
    } cases[] = {
        {a, a, std::nullopt, Problem::SameAir},
        {a, At(75.005, 0.0080005), std::nullopt, Problem::SameAir},
        {a, At(90.0, 0.008, 12.0), std::nullopt, Problem::DifferentPressures},
        {a, At(90.0, 0.008), Airflow{0.0, AirflowUnit::Cfm}, Problem::NoAirflow},
        {a, At(90.0, 0.008), Airflow{-5.0, AirflowUnit::LitresPerSecond}, Problem::NoAirflow},
        {a, At(90.0, 0.008), Airflow{std::nan(""), AirflowUnit::Cfm}, Problem::NoAirflow},
        {a, At(50.0, 0.012), std::nullopt, Problem::Supersaturated},
        {a, At(90.0, -0.001), std::nullopt, Problem::NegativeHumidityRatio},
        {a, At(450.0, 0.001), std::nullopt, Problem::DryBulbOutOfRange},
        {a, At(std::nan(""), 0.001), std::nullopt, Problem::DryBulbOutOfRange},
        {At(75.0, 0.008, 0.0), a, std::nullopt, Problem::PressureOutOfRange},
    };
    for (const auto& c : cases) {
        const auto r = AnalyseProcess(c.from, c.to, UnitSystem::IP, c.airflow);
        ASSERT_FALSE(r.ok()) << Describe(c.problem);
        EXPECT_EQ(r.problem(), c.problem) << Describe(r.problem());
    }
    EXPECT_EQ(Describe(Problem::SameAir), "The two points are the same air.");
}

} // namespace
