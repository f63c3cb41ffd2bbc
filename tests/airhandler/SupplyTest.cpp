// The room's SHR line and the supply air on it: hand calculations in IP and
// SI, the Handbook's space-heat-absorption example, a room at altitude,
// heating, the supply by its airflow, and every refusal of a supply.

#include "HandCalc.h"
#include "airhandler/ShrLine.h"
#include "processes/Process.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace airhandler;
using namespace handcalc;
namespace units = basPsychroFun::units;
using processes::AirflowUnit;
using processes::AirState;

namespace {

SupplySpec ByDryBulb(double tF) {
    SupplySpec given;
    given.by = SupplyBy::DryBulb;
    given.dryBulbF = tF;
    return given;
}

SupplySpec ByAirflow(double value, AirflowUnit unit) {
    SupplySpec given;
    given.by = SupplyBy::Airflow;
    given.airflow = {value, unit};
    return given;
}

// A room at 75 °F, 50 % (W_r = 0.0092362) gaining 100,000 Btu/h sensible and
// 25,000 Btu/h latent (SHR 0.80), supplied at 55 °F. By hand, the supply
// carries both loads (ch. 1, moist-air sensible and latent heat):
//   latent    25,000 = m (W_r - W_s)(1061 + 0.444 * 75)
//   sensible 100,000 = m (0.240 + 0.444 W_s)(75 - 55)
// Dividing one by the other and solving for W_s:
//   W_s = 0.0081232, m = 100,000 / (0.243607 * 20) = 20,525 lb/h,
//   v_s = 0.370486 * 514.67 * (1 + 1.607858 W_s) / 14.696 = 13.145 ft³/lb,
//   Q = m v_s / 60 = 4,496 cfm.
// (The rule of thumb q_s = 1.08 cfm Δt, for standard air at 13.33 ft³/lb,
// would give 4,630 cfm.)
TEST(Supply, ClassicSummerRoomByHand) {
    const AirState room = AtRh(75.0, 0.5);
    const ShrLine line(room, 100000.0, 25000.0, UnitSystem::IP);
    const auto supply = SupplyOnLine(line, Duty::Cooling, ByDryBulb(55.0));
    ASSERT_TRUE(supply.ok());
    const double ws = supply->air.humidityRatio;
    const double m = supply->dryAirLbPerHour;
    EXPECT_DOUBLE_EQ(supply->air.dryBulbF, 55.0);
    EXPECT_NEAR(m * (room.humidityRatio - ws) * (1061.0 + 0.444 * 75.0), 25000.0, 1e-6);
    EXPECT_NEAR(m * (0.240 + 0.444 * ws) * 20.0, 100000.0, 1e-6);
    EXPECT_NEAR(ws, 0.0081232, 1e-7);
    EXPECT_NEAR(m, 20525.0, 1.0);
    EXPECT_NEAR(m * VIp(55.0, ws, kSeaLevelPsia) / 60.0, 4496.4, 1.0);
    ASSERT_TRUE(line.sensibleHeatRatio());
    EXPECT_DOUBLE_EQ(*line.sensibleHeatRatio(), 0.8);

    // The same supply by its airflow: the same air and mass flow.
    const double cfm = m * VIp(55.0, ws, kSeaLevelPsia) / 60.0;
    const auto byAirflow = SupplyOnLine(line, Duty::Cooling, ByAirflow(cfm, AirflowUnit::Cfm));
    ASSERT_TRUE(byAirflow.ok());
    EXPECT_NEAR(byAirflow->air.dryBulbF, 55.0, 0.01);
    EXPECT_NEAR(byAirflow->air.humidityRatio, ws, 2e-7);
    EXPECT_NEAR(byAirflow->dryAirLbPerHour, m, 2e-4 * m);
}

// ASHRAE Handbook — Fundamentals (SI), ch. 1, example of space heat
// absorption and moist-air moisture gains: room air withdrawn at 25 °C dry
// bulb, 19 °C wet bulb; sensible heat gain 9 kW; moisture gain 0.0015 kg/s
// as saturated vapour at 30 °C; supply at 15 °C. The Handbook's method: the
// supply lies on the condition line through the room state with
//   Δh / ΔW = q_s / m_w + h_w = 6000 + 2555.15 = 8555.15 kJ/kg,
// h_w = 2501 + 1.805 * 30 (the formulation's vapour enthalpy). With
// W_r = 0.0112972 and h_r = 53.914 kJ/kg:
//   h_s = 1.006 * 15 + W_s (2501 + 1.805 * 15)
//   W_s = (8555.15 W_r - h_r + 15.09) / (8555.15 - 2528.075) = 0.0095942
//   m = m_w / (W_r - W_s) = 0.88082 kg/s, Q = m v_s = 0.7301 m³/s,
// and the supply's wet bulb is about 14.0 °C. In the program's split of the loads
// the vapour's enthalpy at the room, g(25 °C) = 2546.125 kJ/kg, is latent:
//   latent = 0.0015 * 2546.125 = 3.81919 kW,
//   sensible = 9 + 0.0015 (2555.15 - 2546.125) = 9.01354 kW.
TEST(Supply, SpaceHeatAbsorptionExampleOfTheHandbook) {
    const AirState room{units::CelsiusToFahrenheit(25.0),
                        psy::HumidityRatioFromDryBulbAndWetBulb(25.0, 19.0, kSeaLevelKPa, "SI"),
                        kSeaLevelPsia};
    const double hw = 2501.0 + 1.805 * 30.0;
    const double g25 = 2501.0 + 1.805 * 25.0;
    const double mw = 0.0015;
    const ShrLine line(room, units::KilowattsToBtuPerHour(9.0 + mw * (hw - g25)),
                       units::KilowattsToBtuPerHour(mw * g25), UnitSystem::SI);
    const auto supply =
        SupplyOnLine(line, Duty::Cooling, ByDryBulb(units::CelsiusToFahrenheit(15.0)));
    ASSERT_TRUE(supply.ok());

    const double wr = room.humidityRatio;
    const double hr = HSi(25.0, wr);
    const double ratio = 9.0 / mw + hw;
    const double ws = (ratio * wr - hr + 1.006 * 15.0) / (ratio - (2501.0 + 1.805 * 15.0));
    const double m = mw / (wr - ws);
    EXPECT_NEAR(supply->air.humidityRatio, ws, 1e-9);
    EXPECT_NEAR(ws, 0.0095942, 1e-7);
    const double kgPerSecond = units::PoundsToKilograms(supply->dryAirLbPerHour) / 3600.0;
    EXPECT_NEAR(kgPerSecond, m, 1e-6);
    EXPECT_NEAR(kgPerSecond, 0.88082, 1e-5);
    EXPECT_NEAR(kgPerSecond * VSi(15.0, ws, kSeaLevelKPa), 0.7301, 2e-4);
    EXPECT_NEAR(psy::WetBulbFromDryBulbAndHumidityRatio(15.0, ws, kSeaLevelKPa, "SI"), 14.0, 0.1);
}

// A room at 1600 m (ch. 1 eq. 3: p = 83.523 kPa) at 24 °C, 50 % (W_r =
// 0.011317), gaining 20 kW sensible and 5 kW latent, supplied 10 K below it.
// By hand in SI:
//   latent   5 = m (W_r - W_s)(2501 + 1.805 * 24)
//   sensible 20 = m (1.006 + 1.805 W_s) * 10
//   W_s = 0.0103103, m = 1.95196 kg/s,
//   Q = m * 0.287042 * 287.15 (1 + 1.607858 W_s) / 83.523 = 1958.2 L/s.
// At sea level the same room needs 1614.8 L/s: the thinner air needs 21 %
// more volume for nearly the same mass.
TEST(Supply, RoomAtAltitudeInSi) {
    const double pKPa = PressureAtKPa(1600.0);
    EXPECT_NEAR(pKPa, 83.523, 1e-3);
    const double pPsia = units::KPaToPsia(pKPa);
    const AirState room = AtRh(units::CelsiusToFahrenheit(24.0), 0.5, pPsia);
    const ShrLine line(room, units::KilowattsToBtuPerHour(20.0), units::KilowattsToBtuPerHour(5.0),
                       UnitSystem::SI);
    SupplySpec given;
    given.by = SupplyBy::TemperatureDifference;
    given.differenceF = units::KelvinSpanToFahrenheit(10.0);
    const auto supply = SupplyOnLine(line, Duty::Cooling, given);
    ASSERT_TRUE(supply.ok());
    EXPECT_NEAR(units::FahrenheitToCelsius(supply->air.dryBulbF), 14.0, 1e-12);
    const double ws = supply->air.humidityRatio;
    const double m = units::PoundsToKilograms(supply->dryAirLbPerHour) / 3600.0;
    EXPECT_NEAR(m * (room.humidityRatio - ws) * (2501.0 + 1.805 * 24.0), 5.0, 1e-9);
    EXPECT_NEAR(m * (1.006 + 1.805 * ws) * 10.0, 20.0, 1e-9);
    EXPECT_NEAR(ws, 0.0103103, 2e-7);
    EXPECT_NEAR(m, 1.95196, 1e-4);
    const double litresPerSecond = m * VSi(14.0, ws, pKPa) * 1000.0;
    EXPECT_NEAR(litresPerSecond, 1958.2, 0.5);

    // By that airflow in L/s: back to the same supply.
    const auto byAirflow =
        SupplyOnLine(line, Duty::Cooling, ByAirflow(litresPerSecond, AirflowUnit::LitresPerSecond));
    ASSERT_TRUE(byAirflow.ok());
    EXPECT_NEAR(units::FahrenheitToCelsius(byAirflow->air.dryBulbF), 14.0, 0.005);
    EXPECT_NEAR(byAirflow->air.humidityRatio, ws, 1e-6);
}

// Heating: a room at 70 °F, 30 % (W_r = 0.0046473) losing 150,000 Btu/h and
// gaining 10,000 Btu/h of moisture, supplied 25 °F warmer. By hand:
//   sensible -150,000 = m (0.240 + 0.444 W_s)(70 - 95)
//   latent     10,000 = m (W_r - W_s)(1061 + 0.444 * 70)
// the supply drier than the room, and warmer.
TEST(Supply, HeatingRoomByTemperatureDifference) {
    const AirState room = AtRh(70.0, 0.3);
    const ShrLine line(room, -150000.0, 10000.0, UnitSystem::IP);
    SupplySpec given;
    given.by = SupplyBy::TemperatureDifference;
    given.differenceF = 25.0;
    const auto supply = SupplyOnLine(line, Duty::Heating, given);
    ASSERT_TRUE(supply.ok());
    const double ws = supply->air.humidityRatio;
    const double m = supply->dryAirLbPerHour;
    EXPECT_DOUBLE_EQ(supply->air.dryBulbF, 95.0);
    EXPECT_LT(ws, room.humidityRatio);
    EXPECT_NEAR(m * (0.240 + 0.444 * ws) * (70.0 - 95.0), -150000.0, 1e-6);
    EXPECT_NEAR(m * (room.humidityRatio - ws) * (1061.0 + 0.444 * 70.0), 10000.0, 1e-6);
}

// Every point the line offers carries the room's SHR into the room; where it
// meets saturation on the supply side it is saturated air colder than the
// room, and no point of it lies beyond saturation or below dry air.
TEST(Supply, LineCarriesTheRoomsRatioAndEndsAtSaturation) {
    const AirState room = AtRh(75.0, 0.5);
    const ShrLine line(room, 100000.0, 50000.0, UnitSystem::IP);
    const auto points = line.points(30.0, 120.0, 46);
    ASSERT_GE(points.size(), 30u);
    for (const auto& point : points) {
        EXPECT_GE(point.humidityRatio, 0.0);
        EXPECT_LE(point.humidityRatio, WsIp(point.dryBulbF) * 1.0001);
        if (std::fabs(point.dryBulbF - 75.0) < 1.0)
            continue;
        const auto process = processes::AnalyseProcess(
            {point.dryBulbF, point.humidityRatio, kSeaLevelPsia}, room, UnitSystem::IP);
        ASSERT_TRUE(process.ok()) << point.dryBulbF;
        ASSERT_TRUE(process->sensibleHeatRatio) << point.dryBulbF;
        EXPECT_NEAR(*process->sensibleHeatRatio, 2.0 / 3.0, 1e-9) << point.dryBulbF;
    }
    const auto end = line.saturationEnd(Duty::Cooling);
    ASSERT_TRUE(end);
    EXPECT_LT(end->dryBulbF, 75.0);
    EXPECT_NEAR(end->humidityRatio, WsIp(end->dryBulbF), 1e-8);
    // A heating line with a latent gain runs warmer and drier: never saturated.
    EXPECT_FALSE(ShrLine(room, -100000.0, 10000.0, UnitSystem::IP).saturationEnd(Duty::Heating));
}

// Bad input gets a reason, never air.
TEST(Supply, RefusalsCarryTheirReason) {
    const AirState room = AtRh(75.0, 0.5);
    const ShrLine cooling(room, 100000.0, 25000.0, UnitSystem::IP);
    const ShrLine heating(room, -100000.0, 5000.0, UnitSystem::IP);
    SupplySpec zeroDifference;
    zeroDifference.by = SupplyBy::TemperatureDifference;
    zeroDifference.differenceF = 0.0;
    struct Case {
        const char* what;
        const ShrLine& line;
        Duty duty;
        SupplySpec given;
        Reason reason;
    };
    const Case cases[] = {
        {"heat loss in cooling", heating, Duty::Cooling, ByDryBulb(55.0),
         Reason::SensibleLoadAgainstDuty},
        {"heat gain in heating", cooling, Duty::Heating, ByDryBulb(95.0),
         Reason::SensibleLoadAgainstDuty},
        {"supply above the room in cooling", cooling, Duty::Cooling, ByDryBulb(80.0),
         Reason::SupplyDryBulbAgainstDuty},
        {"supply at the room in cooling", cooling, Duty::Cooling, ByDryBulb(75.0),
         Reason::SupplyDryBulbAgainstDuty},
        {"supply below the room in heating", heating, Duty::Heating, ByDryBulb(60.0),
         Reason::SupplyDryBulbAgainstDuty},
        {"no temperature difference", cooling, Duty::Cooling, zeroDifference,
         Reason::BadTemperatureDifference},
        {"zero airflow", cooling, Duty::Cooling, ByAirflow(0.0, AirflowUnit::Cfm),
         Reason::NoSupplyAirflow},
        {"negative airflow", cooling, Duty::Cooling, ByAirflow(-100.0, AirflowUnit::Cfm),
         Reason::NoSupplyAirflow},
        {"airflow not a number", cooling, Duty::Cooling, ByAirflow(NAN, AirflowUnit::Cfm),
         Reason::NoSupplyAirflow},
        // The 0.80 line meets saturation near 51 °F.
        {"supply beyond saturation", cooling, Duty::Cooling, ByDryBulb(45.0),
         Reason::SupplyBeyondSaturation},
        // 100 cfm cannot carry 25,000 Btu/h of moisture.
        {"airflow too small for the latent load", cooling, Duty::Cooling,
         ByAirflow(100.0, AirflowUnit::Cfm), Reason::SupplyTooDry},
        {"supply below the range of air", cooling, Duty::Cooling, ByDryBulb(-200.0),
         Reason::SupplyNotAir},
        {"supply dry bulb not a number", cooling, Duty::Cooling, ByDryBulb(NAN),
         Reason::SupplyNotAir},
    };
    for (const Case& c : cases) {
        const auto supply = SupplyOnLine(c.line, c.duty, c.given);
        ASSERT_FALSE(supply.ok()) << c.what;
        EXPECT_EQ(supply.issue().reason, c.reason) << c.what;
    }
    const ShrLine notANumber(room, NAN, 1000.0, UnitSystem::IP);
    EXPECT_EQ(SupplyOnLine(notANumber, Duty::Cooling, ByDryBulb(55.0)).issue().reason,
              Reason::LoadNotFinite);
}

} // namespace
