// The chain of an air handler worked by hand: a summer design with coil, fan
// heat and reheat, a winter design with preheat, mixing and steam, heat
// recovery by AHRI 1060's effectiveness, the economizer's decision, fan heat
// from its power, humidifiers, coil options, a case at altitude in SI, a
// chain that does not close, and the reason for every refusal.

#include "HandCalc.h"
#include "airhandler/Solve.h"

#include <cmath>
#include <functional>

#include <gtest/gtest.h>

using namespace airhandler;
using namespace handcalc;
namespace units = basPsychroFun::units;
using processes::AirflowUnit;
using processes::AirState;

namespace {

// The room of 75 °F, 50 % and outdoor air of 95 °F dry bulb, 75 °F wet bulb
// at sea level, 20 % outdoor air, supplied at 55 °F.
DesignCase Summer(double sensible, double latent, std::vector<Component> components) {
    DesignCase c;
    c.duty = Duty::Cooling;
    c.room = AtRh(75.0, 0.5);
    c.outdoor = AtWetBulb(95.0, 75.0);
    c.roomSensibleBtuPerHour = sensible;
    c.roomLatentBtuPerHour = latent;
    c.supply.by = SupplyBy::DryBulb;
    c.supply.dryBulbF = 55.0;
    c.outdoorAir.by = OutdoorAirBy::Share;
    c.outdoorAir.share = 0.2;
    c.components = std::move(components);
    return c;
}

Design WithSummer(DesignCase c) {
    Design d;
    d.summer = std::move(c);
    return d;
}

HeatingCoil Heating(HeatingRole role, HeatingBy by, double leavingF = 0.0) {
    HeatingCoil coil;
    coil.role = role;
    coil.by = by;
    coil.leavingDryBulbF = leavingF;
    return coil;
}
CoolingCoil Cooling(CoolingBy by) {
    CoolingCoil coil;
    coil.by = by;
    return coil;
}
SupplyFan FanRise(double riseF) {
    SupplyFan fan;
    fan.by = FanBy::Rise;
    fan.riseF = riseF;
    return fan;
}
Humidifier Humidify(HumidifierKind kind, HumidifierBy by) {
    Humidifier h;
    h.kind = kind;
    h.by = by;
    return h;
}

double Total(const ComponentResult& r) {
    return r.analysis && r.analysis->loads ? r.analysis->loads->total.btuPerHour : 0.0;
}

// The room of SupplyTest with a latent gain of 50,000 Btu/h (SHR 0.667), so
// that the coil must dehumidify below the supply's dry bulb and reheat
// follows. Chain: mixing box, cooling coil to the supply's humidity ratio at
// 95 %, a draw-through fan adding 2 °F, reheat to 55 °F. By hand:
//   supply on the line: W_s = 0.0070145, m = 20,566 lb/h;
//   mixing, 20 % by mass (ch. 1, adiabatic mixing): W_m = 0.8 W_r + 0.2 W_o =
//     0.0102068, h_m = 0.8 h_r + 0.2 h_o = 30.154 Btu/lb, t_m = 79.03 °F;
//   coil leaving at W_s and φ = 0.95: p_w = 14.696 W_s / (0.62198 + W_s),
//     p_ws = p_w / 0.95, t = 49.14 °F;
//   coil load m (h_m - h_c) = 221,380 Btu/h = 18.45 tons, condensate
//     m (W_m - W_s) = 65.65 lb/h;
//   fan m (0.240 + 0.444 W_s) 2 = 10,000 Btu/h;
//   reheat m (0.240 + 0.444 W_s)(55 - 51.14) = 19,276 Btu/h.
// The plant's balance closes: coil = room 150,000 + outdoor air
// m_o (h_o - h_r) + fan + reheat.
TEST(Chain, SummerWithCoilFanHeatAndReheat) {
    const Design design =
        WithSummer(Summer(100000.0, 50000.0,
                          {MixingBox{}, Cooling(CoolingBy::ToSupplyHumidity), FanRise(2.0),
                           Heating(HeatingRole::Reheat, HeatingBy::ToSupply)}));
    const auto solved = SolveCase(design, Season::Summer);
    ASSERT_TRUE(solved.ok()) << Explain(solved.issue());
    const CaseSolution& s = *solved;
    const DesignCase& c = design.summer;
    const double m = s.supplyDryAirLbPerHour;
    const double ws = s.supply.humidityRatio;
    EXPECT_NEAR(ws, 0.0070145, 1e-7);
    EXPECT_NEAR(m, 20566.4, 0.5);

    const double hr = HIp(75.0, c.room.humidityRatio);
    const double ho = HIp(95.0, c.outdoor.humidityRatio);
    const double wm = 0.8 * c.room.humidityRatio + 0.2 * c.outdoor.humidityRatio;
    const double hm = 0.8 * hr + 0.2 * ho;
    EXPECT_NEAR(s.outdoorShare, 0.2, 1e-12);
    EXPECT_NEAR(s.mixed.humidityRatio, wm, 1e-12);
    EXPECT_NEAR(s.mixed.dryBulbF, TIp(hm, wm), 1e-9);
    EXPECT_NEAR(s.mixed.dryBulbF, 79.03, 0.005);

    ASSERT_EQ(s.components.size(), 4u);
    const ComponentResult& coil = s.components[1];
    EXPECT_NEAR(coil.leaving.humidityRatio, ws, 1e-12);
    // As close as the engine's solver of a dry bulb from W and φ goes.
    EXPECT_NEAR(RelativeHumidityIp(coil.leaving.dryBulbF, ws), 0.95, 1e-5);
    EXPECT_NEAR(coil.leaving.dryBulbF, 49.14, 0.005);
    const double coilLoad = m * (hm - HIp(coil.leaving.dryBulbF, ws));
    EXPECT_NEAR(-Total(coil), coilLoad, 1e-6 * coilLoad);
    EXPECT_NEAR(coilLoad, 221380.0, 10.0);
    ASSERT_TRUE(coil.coil);
    EXPECT_LT(coil.coil->apparatusDewPoint.dryBulbF, coil.leaving.dryBulbF);

    const ComponentResult& fan = s.components[2];
    EXPECT_NEAR(fan.leaving.dryBulbF, coil.leaving.dryBulbF + 2.0, 1e-12);
    EXPECT_NEAR(Total(fan), 10000.0, 1e-6);
    EXPECT_EQ(fan.note, "Draw-through: after the cooling coil.");
    const ComponentResult& reheat = s.components[3];
    EXPECT_NEAR(reheat.leaving.dryBulbF, 55.0, 1e-9);
    const double reheatLoad = m * (0.240 + 0.444 * ws) * (55.0 - fan.leaving.dryBulbF);
    EXPECT_NEAR(Total(reheat), reheatLoad, 1e-3);
    EXPECT_NEAR(reheatLoad, 19276.0, 2.0);

    EXPECT_TRUE(s.reachesSupply);
    EXPECT_NEAR(*s.roomCheck.sensiblePercent, 100.0, 1e-6);
    EXPECT_NEAR(*s.roomCheck.latentPercent, 100.0, 1e-6);
    const double outdoorLoad = 0.2 * m * (ho - hr);
    EXPECT_NEAR(s.rollup.cooling.btuPerHour,
                150000.0 + outdoorLoad + s.rollup.fan.btuPerHour + s.rollup.heating.btuPerHour,
                1e-6 * coilLoad);
    EXPECT_NEAR(s.rollup.cooling.tons(), coilLoad / 12000.0, 1e-5);
    EXPECT_NEAR(s.rollup.cooling.kilowatts(), coilLoad * 1.05505585262 / 3600.0, 1e-3);
    EXPECT_NEAR(s.rollup.condensateLbPerHour, m * (wm - ws), 1e-6);
    EXPECT_NEAR(s.rollup.condensateLbPerHour, 65.65, 0.01);
    EXPECT_NEAR(s.rollup.heating.btuPerHour, reheatLoad, 1e-3);
}

// The winter room of SupplyTest (70 °F, 30 %; -150,000 Btu/h sensible,
// +10,000 Btu/h latent; supply 25 °F warmer), 20 % outdoor air at 0 °F, 75 %
// preheated to 40 °F before the mixing box, a 2 °F fan, reheat and a steam
// humidifier (212 °F) both to the supply. By hand:
//   W_s = 0.0042778, m = 24,804 lb/h, m_o = 4,961 lb/h;
//   preheat m_o (0.240 + 0.444 W_o) 40 = 47,675 Btu/h;
//   mixed W_m = 0.0038351, t_m = 64.04 °F;
//   water m (W_s - W_m) = 10.98 lb/h, its heat 10.98 (1061 + 0.444 * 212)
//     = 12,683 Btu/h;
//   the plant's heat: m h_s - m_o h_o - m_r h_r = m_o (h_r - h_o) - (q_s + q_l)
//     = 245,421 Btu/h, of which reheat 245,421 - preheat - steam - fan.
TEST(Chain, WinterWithPreheatMixingAndSteam) {
    Design design;
    DesignCase& c = design.winter;
    c.duty = Duty::Heating;
    c.room = AtRh(70.0, 0.3);
    c.outdoor = AtRh(0.0, 0.75);
    c.roomSensibleBtuPerHour = -150000.0;
    c.roomLatentBtuPerHour = 10000.0;
    c.supply.by = SupplyBy::TemperatureDifference;
    c.supply.differenceF = 25.0;
    c.outdoorAir.by = OutdoorAirBy::Share;
    c.outdoorAir.share = 0.2;
    c.components = {Heating(HeatingRole::Preheat, HeatingBy::LeavingDryBulb, 40.0), MixingBox{},
                    FanRise(2.0), Heating(HeatingRole::Reheat, HeatingBy::ToSupply),
                    Humidify(HumidifierKind::Steam, HumidifierBy::ToSupply)};
    const auto solved = SolveCase(design, Season::Winter);
    ASSERT_TRUE(solved.ok()) << Explain(solved.issue());
    const CaseSolution& s = *solved;
    const double m = s.supplyDryAirLbPerHour;
    const double mo = 0.2 * m;
    const double wo = c.outdoor.humidityRatio;
    const double wr = c.room.humidityRatio;
    EXPECT_NEAR(m, 24803.7, 0.5);

    ASSERT_EQ(s.components.size(), 5u);
    EXPECT_EQ(s.components[0].stream, Stream::OutdoorAir);
    EXPECT_NEAR(s.components[0].dryAirLbPerHour, mo, 1e-9 * mo);
    const double preheat = mo * (0.240 + 0.444 * wo) * 40.0;
    EXPECT_NEAR(Total(s.components[0]), preheat, 1e-3);
    EXPECT_NEAR(preheat, 47675.0, 2.0);
    const double wm = 0.8 * wr + 0.2 * wo;
    const double hm = 0.8 * HIp(70.0, wr) + 0.2 * HIp(40.0, wo);
    EXPECT_NEAR(s.mixed.humidityRatio, wm, 1e-12);
    EXPECT_NEAR(s.mixed.dryBulbF, TIp(hm, wm), 1e-9);

    const double water = m * (s.supply.humidityRatio - wm);
    EXPECT_NEAR(s.rollup.humidifierWaterLbPerHour, water, 1e-9);
    EXPECT_NEAR(water, 10.98, 0.01);
    EXPECT_NEAR(s.rollup.humidifierWaterKgPerHour(), water * 0.45359237, 1e-9);
    EXPECT_NEAR(s.rollup.steam.btuPerHour, water * (1061.0 + 0.444 * 212.0), 1e-3);

    EXPECT_TRUE(s.reachesSupply);
    EXPECT_NEAR(s.chainEnd.dryBulbF, 95.0, 1e-8);
    EXPECT_NEAR(s.chainEnd.humidityRatio, s.supply.humidityRatio, 1e-12);
    const double plant = mo * (HIp(70.0, wr) - HIp(0.0, wo)) + 140000.0;
    EXPECT_NEAR(plant, 245421.0, 2.0);
    EXPECT_NEAR(s.rollup.heating.btuPerHour + s.rollup.steam.btuPerHour + s.rollup.fan.btuPerHour,
                plant, 1e-6 * plant);
    EXPECT_EQ(s.rollup.cooling.btuPerHour, 0.0);
}

HeatRecovery Wheel(double sensible, double latent) {
    HeatRecovery r;
    r.exchanger = Exchanger::Wheel;
    r.sensibleEffectiveness = sensible;
    r.latentEffectiveness = latent;
    return r;
}

// A wheel with e_s = 0.75 and e_L = 0.70 on the 20 % outdoor air of the
// summer design, exhaust the room air. By AHRI 1060's definitions, balanced:
//   t2 = 95 - 0.75 (95 - 75) = 80 °F, W2 = W1 - 0.70 (W1 - W3);
// the exhaust side by the balances of water and energy:
//   W4 = W3 + (W1 - W2), h4 = h3 + (h1 - h2).
// With the exhaust at 80 % of the outdoor air (m_min = m_e):
//   t2 = 95 - 0.75 * 0.8 * 20 = 83 °F, W4 = W3 + (W1 - W2) / 0.8.
TEST(Chain, HeatRecoveryByItsEffectiveness) {
    for (const double exhaustShare : {1.0, 0.8}) {
        DesignCase c = Summer(
            100000.0, 25000.0,
            {Wheel(0.75, 0.70), MixingBox{}, Cooling(CoolingBy::ToSupplyState), FanRise(2.0)});
        auto& wheel = std::get<HeatRecovery>(c.components[0]);
        Design design = WithSummer(c);
        const auto first = SolveCase(design, Season::Summer);
        ASSERT_TRUE(first.ok());
        const double mo = first->outdoorDryAirLbPerHour;
        if (exhaustShare != 1.0) {
            // The exhaust airflow taken at the room air.
            wheel.exhaustAirflow = processes::Airflow{
                exhaustShare * mo * VIp(75.0, c.room.humidityRatio, kSeaLevelPsia) / 60.0,
                AirflowUnit::Cfm};
            design = WithSummer(c);
        }
        const auto solved = SolveCase(design, Season::Summer);
        ASSERT_TRUE(solved.ok()) << Explain(solved.issue());
        const ComponentResult& r = solved->components[0];
        const double w1 = c.outdoor.humidityRatio;
        const double w3 = c.room.humidityRatio;
        ASSERT_TRUE(r.exhaust);
        const double me = r.exhaust->dryAirLbPerHour;
        EXPECT_NEAR(me, exhaustShare * mo, 2e-4 * mo);
        const double share = std::min(mo, me) / mo; // m_min / m_s
        EXPECT_NEAR(r.leaving.dryBulbF, 95.0 - 0.75 * share * 20.0, 1e-9) << exhaustShare;
        EXPECT_NEAR(r.leaving.humidityRatio, w1 - 0.70 * share * (w1 - w3), 1e-12);
        const double w4 = w3 + (mo / me) * (w1 - r.leaving.humidityRatio);
        const double h4 =
            HIp(75.0, w3) +
            (mo / me) * (HIp(95.0, w1) - HIp(r.leaving.dryBulbF, r.leaving.humidityRatio));
        EXPECT_NEAR(r.exhaust->leaving.humidityRatio, w4, 1e-12);
        EXPECT_NEAR(r.exhaust->leaving.dryBulbF, TIp(h4, w4), 1e-9);
        // What the outdoor air loses the exhaust gains, and the plant's
        // coil is spared it.
        EXPECT_NEAR(solved->rollup.recovered.btuPerHour,
                    mo * (HIp(r.leaving.dryBulbF, r.leaving.humidityRatio) - HIp(95.0, w1)),
                    1e-6 * mo);
        EXPECT_LT(solved->rollup.recovered.btuPerHour, 0.0);
        EXPECT_TRUE(solved->reachesSupply);
    }
}

// Exhaust air at 70 °F, 40 % cooled by -10 °F outdoor air through a sensible
// wheel of 0.8: it would leave near 6 °F holding its 0.0063 lb/lb, far
// beyond saturation (frost).
TEST(Chain, HeatRecoveryThatWouldFrostIsRefused) {
    Design design;
    DesignCase& c = design.winter;
    c.room = AtRh(70.0, 0.4);
    c.outdoor = AtRh(-10.0, 0.7);
    c.components = {Wheel(0.8, 0.0), MixingBox{},
                    Heating(HeatingRole::Reheat, HeatingBy::ToSupply)};
    const auto solved = SolveCase(design, Season::Winter);
    ASSERT_FALSE(solved.ok());
    EXPECT_EQ(solved.issue().reason, Reason::RecoveryLeavesFog);
    EXPECT_EQ(solved.issue().component, 0);
}

// The economizer's decision: outdoor air at 72 °F and 0.0160 (enthalpy
// 34.8 Btu/lb) is cooler than the 75 °F return air but holds more heat
// (28.1 Btu/lb); at 60 °F and 0.0080 it is better both ways.
TEST(Chain, EconomizerDecidesByDryBulbOrEnthalpy) {
    struct Case {
        Economizer mode;
        double outdoorF;
        double outdoorW;
        std::optional<double> highLimitF;
        Duty duty;
        EconomizerReason reason;
    };
    const Case cases[] = {
        {Economizer::None, 60.0, 0.008, std::nullopt, Duty::Cooling,
         EconomizerReason::NoEconomizer},
        {Economizer::DryBulb, 72.0, 0.016, std::nullopt, Duty::Cooling,
         EconomizerReason::OutdoorDryBulbBelow},
        {Economizer::Enthalpy, 72.0, 0.016, std::nullopt, Duty::Cooling,
         EconomizerReason::OutdoorEnthalpyNotBelow},
        {Economizer::Enthalpy, 60.0, 0.008, std::nullopt, Duty::Cooling,
         EconomizerReason::OutdoorEnthalpyBelow},
        {Economizer::DryBulb, 80.0, 0.008, std::nullopt, Duty::Cooling,
         EconomizerReason::OutdoorDryBulbNotBelow},
        {Economizer::DryBulb, 60.0, 0.008, 55.0, Duty::Cooling, EconomizerReason::AboveHighLimit},
        {Economizer::DryBulb, 40.0, 0.003, std::nullopt, Duty::Heating, EconomizerReason::Heating},
    };
    for (const Case& k : cases) {
        MixingBox box;
        box.economizer = k.mode;
        box.highLimitDryBulbF = k.highLimitF;
        box.maximumShare = 0.8;
        Design design;
        DesignCase& c = k.duty == Duty::Cooling ? design.summer : design.winter;
        c.outdoor = {k.outdoorF, k.outdoorW, kSeaLevelPsia};
        c.components = {Wheel(0.7, 0.0), box, Heating(HeatingRole::Reheat, HeatingBy::ToSupply)};
        const Season season = k.duty == Duty::Cooling ? Season::Summer : Season::Winter;
        const auto solved = SolveCase(design, season);
        ASSERT_TRUE(solved.ok()) << Explain(solved.issue());
        const bool economizing = k.reason == EconomizerReason::OutdoorDryBulbBelow ||
                                 k.reason == EconomizerReason::OutdoorEnthalpyBelow;
        EXPECT_EQ(solved->economizer.reason, k.reason) << k.outdoorF;
        EXPECT_EQ(solved->economizer.economizing, economizing);
        EXPECT_NEAR(solved->outdoorShare, economizing ? 0.8 : 0.2, 1e-12) << k.outdoorF;
        // The wheel stops while the economizer brings in outdoor air.
        EXPECT_EQ(solved->components[0].active, !economizing) << k.outdoorF;
        EXPECT_EQ(solved->components[1].note, Describe(k.reason));
    }
}

// Fan heat from its shaft power: 10 hp = 7.4570 kW. With the motor in the
// airstream all of the motor's input heats the air, 7.4570 / 0.9 =
// 8.2856 kW = 28,271 Btu/h (ASHRAE Handbook — Fundamentals, ch. 18, motors
// in the space); with the motor outside, the shaft's 25,444 Btu/h. The dry
// bulb rises by q / (m (0.240 + 0.444 W)).
TEST(Chain, FanHeatFromItsPower) {
    for (const bool inAirstream : {true, false}) {
        SupplyFan fan;
        fan.by = FanBy::Power;
        fan.power = 10.0;
        fan.powerUnit = PowerUnit::Horsepower;
        fan.motorEfficiency = 0.9;
        fan.motorInAirstream = inAirstream;
        const Design design = WithSummer(
            Summer(100000.0, 25000.0, {MixingBox{}, fan, Cooling(CoolingBy::ToSupplyState)}));
        const auto solved = SolveCase(design, Season::Summer);
        ASSERT_TRUE(solved.ok()) << Explain(solved.issue());
        const ComponentResult& r = solved->components[1];
        const double watts = 10.0 * 745.69987158227022 / (inAirstream ? 0.9 : 1.0);
        const double btuPerHour = watts * 3.6 / 1.05505585262;
        EXPECT_NEAR(btuPerHour, inAirstream ? 28271.0 : 25444.0, 1.0);
        EXPECT_NEAR(Total(r), btuPerHour, 1e-6 * btuPerHour);
        const double w = r.entering.humidityRatio;
        EXPECT_NEAR(r.leaving.dryBulbF - r.entering.dryBulbF,
                    btuPerHour / (solved->supplyDryAirLbPerHour * (0.240 + 0.444 * w)), 1e-9);
        EXPECT_EQ(r.note, "Blow-through: ahead of the cooling coil.");
        EXPECT_TRUE(solved->reachesSupply);
    }
}

// Humidifiers on mixed winter air heated to 70 °F:
// - steam to a 45 °F dew point: W2 = W_s(45 °F), and h2 = h1 + (W2 - W1) h_g
//   with h_g = 1061 + 0.444 * 212 Btu/lb (ch. 1, water added to moist air);
// - steam to 40 %: the leaving air at φ = 0.40;
// - adiabatic to 40 %: the wet bulb stays, and h2 = h1 + (W2 - W1) h_f with
//   h_f = t* - 32 Btu/lb, the liquid at the wet bulb;
// - adiabatic to a dew point above the wet bulb: refused.
TEST(Chain, HumidifiersByDewPointAndRelativeHumidity) {
    const auto solveWith = [](const Humidifier& h) {
        Design design;
        design.winter.components = {MixingBox{},
                                    Heating(HeatingRole::Preheat, HeatingBy::LeavingDryBulb, 70.0),
                                    h, Heating(HeatingRole::Reheat, HeatingBy::ToSupply)};
        return SolveCase(design, Season::Winter);
    };

    Humidifier steam = Humidify(HumidifierKind::Steam, HumidifierBy::LeavingDewPoint);
    steam.leavingDewPointF = 45.0;
    auto solved = solveWith(steam);
    ASSERT_TRUE(solved.ok()) << Explain(solved.issue());
    const ComponentResult& byDewPoint = solved->components[2];
    const double w1 = byDewPoint.entering.humidityRatio;
    const double w2 = WsIp(45.0);
    EXPECT_NEAR(byDewPoint.leaving.humidityRatio, w2, 1e-12);
    const double h2 = HIp(70.0, w1) + (w2 - w1) * (1061.0 + 0.444 * 212.0);
    EXPECT_NEAR(byDewPoint.leaving.dryBulbF, TIp(h2, w2), 1e-9);
    EXPECT_GT(byDewPoint.leaving.dryBulbF, 70.0);
    EXPECT_LT(byDewPoint.leaving.dryBulbF, 71.0);
    EXPECT_EQ(byDewPoint.analysis->kind, processes::ProcessKind::SteamHumidification);

    steam.by = HumidifierBy::LeavingRh;
    steam.leavingRelativeHumidity = 0.4;
    solved = solveWith(steam);
    ASSERT_TRUE(solved.ok());
    const AirState& out = solved->components[2].leaving;
    EXPECT_NEAR(RelativeHumidityIp(out.dryBulbF, out.humidityRatio), 0.4, 1e-9);

    Humidifier adiabatic = Humidify(HumidifierKind::Adiabatic, HumidifierBy::LeavingRh);
    adiabatic.leavingRelativeHumidity = 0.4;
    solved = solveWith(adiabatic);
    ASSERT_TRUE(solved.ok());
    const ComponentResult& evaporative = solved->components[2];
    const AirState& in = evaporative.entering;
    const AirState& leaving = evaporative.leaving;
    // The wet bulb of the leaving air by bisecting the wet-bulb equation;
    // the entering air lies on the same line.
    const auto c = [](double tF) { return units::FahrenheitToCelsius(tF); };
    double lo = c(20.0);
    double hi = c(leaving.dryBulbF);
    for (int i = 0; i < 100; ++i) {
        const double mid = (lo + hi) / 2.0;
        (WFromWetBulbSi(c(leaving.dryBulbF), mid, kSeaLevelKPa) < leaving.humidityRatio ? lo : hi) =
            mid;
    }
    const double twbC = lo;
    EXPECT_NEAR(WFromWetBulbSi(c(in.dryBulbF), twbC, kSeaLevelKPa), in.humidityRatio, 1e-10);
    EXPECT_NEAR(RelativeHumidityIp(leaving.dryBulbF, leaving.humidityRatio), 0.4, 1e-9);
    // Nearly the Handbook's balance of water evaporated at the wet bulb,
    // h2 = h1 + (W2 - W1)(t* - 32): the wet-bulb equation takes the dry air's
    // specific heat as 1.0 kJ/(kg·K), the IP enthalpy as 0.240 Btu/(lb·°F)
    // (1.005), so the two differ by about 1 % of the sensible heat moved.
    const double dw = leaving.humidityRatio - in.humidityRatio;
    const double sensible = 0.240 * (in.dryBulbF - leaving.dryBulbF);
    EXPECT_NEAR(HIp(leaving.dryBulbF, leaving.humidityRatio) - HIp(in.dryBulbF, in.humidityRatio),
                dw * (units::CelsiusToFahrenheit(twbC) - 32.0), 0.015 * sensible);
    EXPECT_LT(leaving.dryBulbF, in.dryBulbF);

    adiabatic.by = HumidifierBy::LeavingDewPoint;
    adiabatic.leavingDewPointF = 60.0; // above the wet bulb of 70 °F winter air
    solved = solveWith(adiabatic);
    ASSERT_FALSE(solved.ok());
    EXPECT_EQ(solved.issue().reason, Reason::HumidifierBeyondSaturation);
    EXPECT_EQ(solved.issue().component, 2);
}

// The cooling coil's other options against the coil rules of the processes:
// by ADP 48 °F and bypass factor 0.1 it leaves where processes::LeavingAir
// puts it; by 52 °F and 90 % its leaving humidity ratio is W(52 °F, 90 %);
// on dry outdoor air it runs dry, at the entering humidity ratio.
TEST(Chain, CoolingCoilByAdpAndByLeavingAir) {
    CoolingCoil byAdp = Cooling(CoolingBy::ApparatusDewPoint);
    byAdp.apparatusDewPointF = 48.0;
    byAdp.bypassFactor = 0.1;
    auto solved = SolveCase(
        WithSummer(Summer(100000.0, 25000.0,
                          {MixingBox{}, byAdp, Heating(HeatingRole::Reheat, HeatingBy::ToSupply)})),
        Season::Summer);
    ASSERT_TRUE(solved.ok()) << Explain(solved.issue());
    const ComponentResult& adpCoil = solved->components[1];
    const auto expected = processes::LeavingAir(adpCoil.entering, 48.0, 0.1);
    ASSERT_TRUE(expected.ok());
    EXPECT_DOUBLE_EQ(adpCoil.leaving.dryBulbF, expected->dryBulbF);
    EXPECT_DOUBLE_EQ(adpCoil.leaving.humidityRatio, expected->humidityRatio);
    EXPECT_DOUBLE_EQ(adpCoil.coil->bypassFactor, 0.1);

    CoolingCoil byLeaving = Cooling(CoolingBy::LeavingDryBulbAndRh);
    byLeaving.leavingDryBulbF = 52.0;
    byLeaving.leavingRelativeHumidity = 0.9;
    DesignCase c = Summer(100000.0, 25000.0, {MixingBox{}, byLeaving, FanRise(2.0)});
    solved = SolveCase(WithSummer(c), Season::Summer);
    ASSERT_TRUE(solved.ok());
    const AirState& out = solved->components[1].leaving;
    EXPECT_DOUBLE_EQ(out.dryBulbF, 52.0);
    EXPECT_NEAR(out.humidityRatio, WFromPw(0.9 * PwsIp(52.0), kSeaLevelPsia), 1e-9);

    c.outdoor = {95.0, 0.004, kSeaLevelPsia}; // desert air
    c.room = {75.0, 0.005, kSeaLevelPsia};
    c.roomLatentBtuPerHour = 0.0;
    solved = SolveCase(WithSummer(c), Season::Summer);
    ASSERT_TRUE(solved.ok()) << Explain(solved.issue());
    const ComponentResult& dry = solved->components[1];
    EXPECT_EQ(dry.leaving.humidityRatio, dry.entering.humidityRatio);
    EXPECT_EQ(dry.note.substr(0, 8), "Dry coil");
    EXPECT_EQ(dry.analysis->kind, processes::ProcessKind::SensibleCooling);
}

// A chain sized by hand that misses the supply is solved and shown, with the
// room-load check saying by how much: a coil leaving at 50 °F, 95 % and a
// 2 °F fan supply 52 °F air, drier than the line's 55 °F point.
TEST(Chain, ChainThatMissesTheSupplyIsShownNotClosed) {
    CoolingCoil coil = Cooling(CoolingBy::LeavingDryBulbAndRh);
    coil.leavingDryBulbF = 50.0;
    coil.leavingRelativeHumidity = 0.95;
    const auto solved = SolveCase(
        WithSummer(Summer(100000.0, 25000.0, {MixingBox{}, coil, FanRise(2.0)})), Season::Summer);
    ASSERT_TRUE(solved.ok());
    EXPECT_FALSE(solved->reachesSupply);
    EXPECT_FALSE(solved->roomCheck.met);
    EXPECT_NEAR(solved->chainEnd.dryBulbF, 52.0, 1e-12);
    // 3 °F colder than the supply: 23/20 of the sensible load.
    EXPECT_NEAR(*solved->roomCheck.sensiblePercent, 115.0, 0.2);
    EXPECT_GT(*solved->roomCheck.latentPercent, 101.0);
}

// The summer design of Chain.SummerWithCoilFanHeatAndReheat at 1600 m in SI
// (p = 83.523 kPa, ch. 1 eq. 3), the room at 24 °C, 50 %, 30 kW sensible,
// 10 kW latent, supply at 13 °C, outdoor air 35 °C / 24 °C wet bulb at 25 %.
// The plant's balance in kW with the SI enthalpy:
//   coil = room 40 kW + m_o (h_o - h_r) + fan + reheat.
TEST(Chain, SummerAtAltitudeInSi) {
    const double pKPa = PressureAtKPa(1600.0);
    const double pPsia = units::KPaToPsia(pKPa);
    Design design;
    design.pressurePsia = pPsia;
    design.system = UnitSystem::SI;
    design.airflowUnit = AirflowUnit::LitresPerSecond;
    DesignCase& c = design.summer;
    c.room = AtRh(units::CelsiusToFahrenheit(24.0), 0.5, pPsia);
    c.outdoor =
        AtWetBulb(units::CelsiusToFahrenheit(35.0), units::CelsiusToFahrenheit(24.0), pPsia);
    c.roomSensibleBtuPerHour = units::KilowattsToBtuPerHour(30.0);
    c.roomLatentBtuPerHour = units::KilowattsToBtuPerHour(10.0);
    c.supply.dryBulbF = units::CelsiusToFahrenheit(13.0);
    c.outdoorAir.share = 0.25;
    c.components = {MixingBox{}, Cooling(CoolingBy::ToSupplyHumidity), FanRise(1.8),
                    Heating(HeatingRole::Reheat, HeatingBy::ToSupply)};
    design.winter.room = AtRh(70.0, 0.3, pPsia);
    design.winter.outdoor = {0.0, 0.0005, pPsia};
    const Solution solution = Solve(design);
    ASSERT_TRUE(solution.summer.ok()) << Explain(solution.summer.issue());
    ASSERT_TRUE(solution.winter.ok()) << Explain(solution.winter.issue());
    const CaseSolution& s = *solution.summer;
    const double kgPerSecond = units::PoundsToKilograms(s.supplyDryAirLbPerHour) / 3600.0;
    const double ws = s.supply.humidityRatio;
    EXPECT_NEAR(kgPerSecond * (1.006 + 1.805 * ws) * 11.0, 30.0, 1e-9);
    EXPECT_NEAR(kgPerSecond * (c.room.humidityRatio - ws) * (2501.0 + 1.805 * 24.0), 10.0, 1e-9);
    EXPECT_EQ(s.supplyAirflow.unit, AirflowUnit::LitresPerSecond);
    EXPECT_NEAR(s.supplyAirflow.value, kgPerSecond * VSi(13.0, ws, pKPa) * 1000.0,
                2e-4 * s.supplyAirflow.value);
    EXPECT_NEAR(s.components[2].leaving.dryBulbF - s.components[2].entering.dryBulbF, 1.8, 1e-12);

    const double ho = HSi(35.0, c.outdoor.humidityRatio);
    const double hr = HSi(24.0, c.room.humidityRatio);
    const double outdoorKW = 0.25 * kgPerSecond * (ho - hr);
    EXPECT_TRUE(s.reachesSupply);
    EXPECT_NEAR(s.rollup.cooling.kilowatts(),
                40.0 + outdoorKW + s.rollup.fan.kilowatts() + s.rollup.heating.kilowatts(), 1e-6);
}

// Every refusal of bad input names its reason and, for a component, its
// place; the other case is solved all the same and the design is untouched.
TEST(Chain, RefusalsNameTheirReasonAndPlace) {
    using Edit = std::function<void(DesignCase&)>;
    struct Case {
        const char* what;
        Edit edit;
        Reason reason;
        int component;
    };
    const auto setComponents = [](std::vector<Component> components) {
        return [components](DesignCase& c) { c.components = components; };
    };
    CoolingCoil badBypass = Cooling(CoolingBy::ApparatusDewPoint);
    badBypass.bypassFactor = 1.0;
    CoolingCoil tooLowAdp = Cooling(CoolingBy::ApparatusDewPoint);
    tooLowAdp.apparatusDewPointF = 20.0; // the line from 79 °F to 20 °F saturation crosses fog
    CoolingCoil badRh = Cooling(CoolingBy::ToSupplyHumidity);
    badRh.leavingRelativeHumidity = 1.2;
    SupplyFan badMotor;
    badMotor.by = FanBy::Power;
    badMotor.motorEfficiency = 0.0;
    HeatRecovery bigExhaust = Wheel(0.7, 0.5);
    bigExhaust.exhaustAirflow = processes::Airflow{1e6, AirflowUnit::Cfm};
    MixingBox narrowEconomizer;
    narrowEconomizer.economizer = Economizer::DryBulb;
    narrowEconomizer.maximumShare = 0.1; // below the minimum 0.2
    const Case cases[] = {
        {"heat loss in cooling", [](DesignCase& c) { c.roomSensibleBtuPerHour = -1000.0; },
         Reason::SensibleLoadAgainstDuty, -1},
        {"supply above the room", [](DesignCase& c) { c.supply.dryBulbF = 80.0; },
         Reason::SupplyDryBulbAgainstDuty, -1},
        {"room not air", [](DesignCase& c) { c.room.humidityRatio = 0.05; }, Reason::RoomNotAir,
         -1},
        {"outdoor at another pressure", [](DesignCase& c) { c.outdoor.pressurePsia = 12.0; },
         Reason::StateAtOtherPressure, -1},
        {"zero supply airflow",
         [](DesignCase& c) {
             c.supply.by = SupplyBy::Airflow;
             c.supply.airflow.value = 0.0;
         },
         Reason::NoSupplyAirflow, -1},
        {"outdoor share above 1", [](DesignCase& c) { c.outdoorAir.share = 1.5; },
         Reason::OutdoorAirExceedsSupply, -1},
        {"negative outdoor airflow",
         [](DesignCase& c) {
             c.outdoorAir.by = OutdoorAirBy::Airflow;
             c.outdoorAir.airflow.value = -5.0;
         },
         Reason::NegativeOutdoorAir, -1},
        {"effectiveness above 1", setComponents({Wheel(1.2, 0.5), MixingBox{}}),
         Reason::EffectivenessOutOfRange, 0},
        {"effectiveness below 0", setComponents({Wheel(0.7, -0.1), MixingBox{}}),
         Reason::EffectivenessOutOfRange, 0},
        {"wheel after mixing", setComponents({MixingBox{}, Wheel(0.7, 0.5)}),
         Reason::RecoveryAfterMixing, 1},
        {"wheel without a mixing box", setComponents({Wheel(0.7, 0.5)}),
         Reason::RecoveryAfterMixing, 0},
        {"two mixing boxes", setComponents({MixingBox{}, MixingBox{}}), Reason::SeveralMixingBoxes,
         1},
        {"to supply before mixing",
         setComponents({Heating(HeatingRole::Preheat, HeatingBy::ToSupply), MixingBox{}}),
         Reason::ToSupplyOnOutdoorAir, 0},
        {"two heaters to the supply's dry bulb",
         setComponents({MixingBox{}, Heating(HeatingRole::Preheat, HeatingBy::ToSupply),
                        Heating(HeatingRole::Reheat, HeatingBy::ToSupply)}),
         Reason::SeveralToSupplyDryBulb, 2},
        {"two coils to the supply's humidity",
         setComponents({MixingBox{}, Cooling(CoolingBy::ToSupplyHumidity),
                        Cooling(CoolingBy::ToSupplyState)}),
         Reason::SeveralToSupplyHumidity, 2},
        {"two humidifiers to the supply's humidity",
         setComponents({MixingBox{}, Humidify(HumidifierKind::Steam, HumidifierBy::ToSupply),
                        Humidify(HumidifierKind::Adiabatic, HumidifierBy::ToSupply)}),
         Reason::SeveralToSupplyHumidity, 2},
        {"bypass factor 1", setComponents({MixingBox{}, badBypass}), Reason::BadBypassFactor, 1},
        {"coil line through fog", setComponents({MixingBox{}, tooLowAdp}), Reason::CoilRefused, 1},
        {"relative humidity above 1", setComponents({MixingBox{}, badRh}),
         Reason::BadRelativeHumidity, 1},
        {"negative fan rise", setComponents({MixingBox{}, FanRise(-1.0)}), Reason::NegativeRise, 1},
        {"motor efficiency 0", setComponents({MixingBox{}, badMotor}), Reason::BadFanPower, 1},
        {"exhaust above the return air", setComponents({bigExhaust, MixingBox{}}),
         Reason::ExhaustExceedsReturn, 0},
        {"economizer below the minimum", setComponents({narrowEconomizer}),
         Reason::BadEconomizerShare, 0},
        {"no outdoor air to treat",
         [](DesignCase& c) {
             c.outdoorAir.share = 0.0;
             c.components = {Heating(HeatingRole::Preheat, HeatingBy::Rise), MixingBox{}};
         },
         Reason::NoOutdoorAirToTreat, 0},
    };
    for (const Case& k : cases) {
        Design design;
        k.edit(design.summer);
        const Design before = design;
        const Solution solution = Solve(design);
        EXPECT_EQ(design, before) << k.what;
        ASSERT_FALSE(solution.summer.ok()) << k.what;
        EXPECT_EQ(solution.summer.issue().reason, k.reason) << k.what;
        EXPECT_EQ(solution.summer.issue().component, k.component) << k.what;
        EXPECT_TRUE(solution.winter.ok()) << k.what;
    }

    Design design;
    design.pressurePsia = 0.0;
    EXPECT_EQ(SolveCase(design, Season::Summer).issue().reason, Reason::PressureOutOfRange);
}

// One chain for both seasons, as one air handler: mixing box, cooling coil
// to the supply's humidity ratio at 95 %, fan, reheat and a steam
// humidifier both to the supply. In summer the coil dehumidifies, the reheat
// trims and the humidifier is off; in winter the coil is off, the reheat
// heats and the humidifier adds the water.
TEST(Chain, OneChainServesSummerAndWinter) {
    Design design;
    design.summer.roomLatentBtuPerHour = 50000.0;
    const std::vector<Component> chain = {MixingBox{}, Cooling(CoolingBy::ToSupplyHumidity),
                                          FanRise(2.0),
                                          Heating(HeatingRole::Reheat, HeatingBy::ToSupply),
                                          Humidify(HumidifierKind::Steam, HumidifierBy::ToSupply)};
    design.summer.components = chain;
    design.winter.components = chain;
    const Solution solution = Solve(design);
    ASSERT_TRUE(solution.summer.ok()) << Explain(solution.summer.issue());
    ASSERT_TRUE(solution.winter.ok()) << Explain(solution.winter.issue());
    const auto& summer = solution.summer->components;
    const auto& winter = solution.winter->components;
    EXPECT_TRUE(solution.summer->reachesSupply);
    EXPECT_TRUE(solution.winter->reachesSupply);
    EXPECT_TRUE(summer[1].active && summer[3].active && !summer[4].active);
    EXPECT_TRUE(!winter[1].active && winter[3].active && winter[4].active);
    EXPECT_GT(solution.summer->rollup.condensateLbPerHour, 0.0);
    EXPECT_EQ(solution.summer->rollup.humidifierWaterLbPerHour, 0.0);
    EXPECT_GT(solution.winter->rollup.humidifierWaterLbPerHour, 0.0);
    EXPECT_EQ(solution.winter->rollup.cooling.btuPerHour, 0.0);
}

// The default design is a complete example: both cases close.
TEST(Chain, DefaultDesignCloses) {
    const Solution solution = Solve(Design{});
    ASSERT_TRUE(solution.summer.ok());
    ASSERT_TRUE(solution.winter.ok());
    EXPECT_TRUE(solution.summer->reachesSupply);
    EXPECT_TRUE(solution.winter->reachesSupply);
    EXPECT_GT(solution.summer->rollup.cooling.tons(), 10.0);
    EXPECT_GT(solution.winter->rollup.humidifierWaterLbPerHour, 0.0);
}

} // namespace
