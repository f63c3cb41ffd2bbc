// Air-handler design problems as an engineer works them by hand, put through
// vaporwright-batch --project and checked against the hand calculation: room
// loads to the supply air and its airflow, outdoor-air mixing, a heat-recovery
// wheel, a cooling coil, fan heat, reheat and a steam humidifier, for summer
// and winter side by side, in IP at sea level and in SI at altitude.
//
// Every relation is the ASHRAE Handbook—Fundamentals (2017), ch. 1
// (Psychrometrics), as tests/airhandler/HandCalc.h writes it out: enthalpy
// eq. 32, specific volume eq. 28, humidity ratio from the vapour pressure
// eq. 20 and 22 (relative humidity, eq. 12/24), the psychrometer equation 35,
// the standard atmosphere eq. 3; and the steady-flow balances of a coil, fan,
// humidifier and mixing box (ch. 1, "Typical Air-Conditioning Processes":
// q = m (h2 - h1), m_w = m (W2 - W1), adiabatic mixing by mass, eq. 43-45).
// The heat-recovery wheel by its effectiveness as AHRI Standard 1060 rates it:
// with balanced flows, t2 = t1 - e_s (t1 - t3) and W2 = W1 - e_l (W1 - W3).

#include "projectcore/ProjectData.h"
#include "tests/airhandler/HandCalc.h"
#include "tests/batch/ProjectProgram.h"

#include <map>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace {

using namespace handcalc;
using namespace airhandler;
using processes::Airflow;
using processes::AirflowUnit;
using project::Input;
namespace units = basPsychroFun::units;

class DesignProblem : public projectprogram::ProgramTest {
protected:
    // The rollup of `file`: quantity -> (summer, winter), as numbers where
    // they are.
    void readRollup(const std::string& arguments) {
        const projectprogram::Ran ran = run(arguments + " --table airhandler-rollup");
        ASSERT_EQ(ran.code, 0) << ran.err;
        projectprogram::Table table;
        ASSERT_TRUE(projectprogram::ReadTable(ran.out, table));
        ASSERT_EQ(table.header, (std::vector<std::string>{"Quantity", "Summer", "Winter"}));
        for (const auto& row : table.rows)
            rollup_[row[0]] = {row[1], row[2]};
    }
    // The components of `file`: (case, component) -> (column -> text).
    void readComponents(const std::string& arguments) {
        const projectprogram::Ran ran = run(arguments + " --table airhandler-components");
        ASSERT_EQ(ran.code, 0) << ran.err;
        projectprogram::Table table;
        ASSERT_TRUE(projectprogram::ReadTable(ran.out, table));
        for (const auto& row : table.rows) {
            auto& cells = components_[{row[0], row[2]}];
            for (std::size_t i = 0; i < row.size(); ++i)
                cells[table.header[i]] = row[i];
        }
    }

    [[nodiscard]] double summer(const std::string& quantity) const {
        return number(quantity, true);
    }
    [[nodiscard]] double winter(const std::string& quantity) const {
        return number(quantity, false);
    }
    [[nodiscard]] std::string text(const std::string& quantity, bool inSummer) const {
        const auto it = rollup_.find(quantity);
        if (it == rollup_.end()) {
            ADD_FAILURE() << "no row " << quantity;
            return {};
        }
        return inSummer ? it->second.first : it->second.second;
    }
    // A number of a component's row, e.g. ("Winter", "Reheat coil", "Total (kW)").
    [[nodiscard]] double component(const std::string& season, const std::string& name,
                                   const std::string& column) const {
        const auto row = components_.find({season, name});
        if (row == components_.end()) {
            ADD_FAILURE() << "no row " << season << " " << name;
            return 0.0;
        }
        const auto cell = row->second.find(column);
        if (cell == row->second.end() || cell->second.empty()) {
            ADD_FAILURE() << "no " << column << " for " << season << " " << name;
            return 0.0;
        }
        return std::stod(cell->second);
    }

private:
    [[nodiscard]] double number(const std::string& quantity, bool inSummer) const {
        const std::string value = text(quantity, inSummer);
        if (value.empty()) {
            ADD_FAILURE() << "no value of " << quantity;
            return 0.0;
        }
        return std::stod(value);
    }

    std::map<std::string, std::pair<std::string, std::string>> rollup_;
    std::map<std::pair<std::string, std::string>, std::map<std::string, std::string>> components_;
};

// The supply air that carries a room's sensible and latent loads at a given
// supply dry bulb: the two balances
//   sensible q_s = m (c_pa + c_pv W_s)(t_r - t_s)
//   latent   q_l = m (W_r - W_s)(h_g0 + c_pv t_r)
// (the split of q = m (h_r - h_s) by eq. 32) solved for W_s and m. The
// constants are eq. 32's: IP c_pa 0.240, c_pv 0.444, h_g0 1061 (Btu, lb, °F);
// SI 1.006, 1.805, 2501 (kJ, kg, °C).
struct Supply {
    double w;    // humidity ratio
    double mass; // dry air, lb/h (IP) or kg/s (SI)
};
struct Formulation {
    double cpa, cpv, hg0;
};
constexpr Formulation kIp{0.240, 0.444, 1061.0};
constexpr Formulation kSi{1.006, 1.805, 2501.0};

Supply SupplyFor(const Formulation& f, double sensible, double latent, double tRoom, double wRoom,
                 double tSupply) {
    const double span = tRoom - tSupply;
    const double k = latent / (f.hg0 + f.cpv * tRoom); // = m (W_r - W_s)
    // k span (c_pa + c_pv W_s) = q_s (W_r - W_s)
    const double w = (sensible * wRoom - k * span * f.cpa) / (sensible + k * span * f.cpv);
    return {w, sensible / (span * (f.cpa + f.cpv * w))};
}

// The dry bulb of an enthalpy and humidity ratio in SI, eq. 32 solved.
double TSi(double h, double w) {
    return (h - 2501.0 * w) / (1.006 + 1.805 * w);
}

project::PointDefinition DryBulbRh(double tF, double rh) {
    return {{Input::DryBulb, tF}, {Input::RelativeHumidity, rh}};
}

} // namespace

// An office in Atlanta, IP at sea level, with a total-energy wheel on the
// outdoor air (sensible effectiveness 0.75, latent 0.50, balanced flows) and
// 25 % outdoor air by mass.
// Summer: room 76 °F, 50 %; gains 80,000 Btu/h sensible, 20,000 Btu/h
// latent; supply at 56 °F; outdoor 92 °F dry bulb, 76 °F wet bulb; wheel,
// mixing box, cooling coil to the supply state, a draw-through fan of 1.5 °F.
// Winter: room 72 °F, 35 %; a loss of 120,000 Btu/h sensible and a gain of
// 6,000 Btu/h latent; supply 30 °F above the room; outdoor 10 °F, 60 %; a
// preheat coil to 30 °F that keeps the wheel's exhaust side from frost (the
// program refuses the case without it), wheel, mixing box, fan of 1.5 °F,
// reheat and a steam humidifier (212 °F steam) both to the supply.
TEST_F(DesignProblem, OfficeWithAWheelInIpAtSeaLevel) {
    project::AirHandlerSetup ahu;
    ahu.airflowUnit = AirflowUnit::Cfm;
    const HeatRecovery wheel{Exchanger::Wheel, 0.75, 0.50, std::nullopt};
    SupplyFan fan;
    fan.by = FanBy::Rise;
    fan.riseF = 1.5;
    CoolingCoil coil;
    coil.by = CoolingBy::ToSupplyState;
    HeatingCoil reheat;
    reheat.role = HeatingRole::Reheat;
    reheat.by = HeatingBy::ToSupply;
    Humidifier humidifier;
    humidifier.kind = HumidifierKind::Steam;
    humidifier.by = HumidifierBy::ToSupply;
    humidifier.steamTemperatureF = 212.0;

    project::AirHandlerCase& s = ahu.summer;
    s.duty = Duty::Cooling;
    s.room = DryBulbRh(76.0, 0.50);
    s.outdoor = {{Input::DryBulb, 92.0}, {Input::WetBulb, 76.0}};
    s.roomSensibleBtuPerHour = 80000.0;
    s.roomLatentBtuPerHour = 20000.0;
    s.supply.by = SupplyBy::DryBulb;
    s.supply.dryBulbF = 56.0;
    s.outdoorAir.by = OutdoorAirBy::Share;
    s.outdoorAir.share = 0.25;
    s.components = {wheel, MixingBox{}, coil, fan};

    project::AirHandlerCase& w = ahu.winter;
    w.duty = Duty::Heating;
    w.room = DryBulbRh(72.0, 0.35);
    w.outdoor = DryBulbRh(10.0, 0.60);
    w.roomSensibleBtuPerHour = -120000.0;
    w.roomLatentBtuPerHour = 6000.0;
    w.supply.by = SupplyBy::TemperatureDifference;
    w.supply.differenceF = 30.0;
    w.outdoorAir.by = OutdoorAirBy::Share;
    w.outdoorAir.share = 0.25;
    HeatingCoil preheat;
    preheat.role = HeatingRole::Preheat;
    preheat.by = HeatingBy::LeavingDryBulb;
    preheat.leavingDryBulbF = 30.0;
    w.components = {preheat, wheel, MixingBox{}, fan, reheat, humidifier};

    project::ProjectData data;
    data.airHandler = ahu;
    save(data, "atlanta.vwproj");
    readRollup("--project \"$T/atlanta.vwproj\"");
    readComponents("--project \"$T/atlanta.vwproj\"");
    if (HasFatalFailure())
        return;

    // --- Summer ---
    // Room and outdoor air: W = 0.62198 p_w / (p - p_w), p_w = phi p_ws
    // (eq. 20, 22, 24); the outdoor air by the psychrometer equation (35).
    const double wr = WFromPw(0.50 * PwsIp(76.0), kSeaLevelPsia);
    const double wo = WFromWetBulbSi(units::FahrenheitToCelsius(92.0),
                                     units::FahrenheitToCelsius(76.0), kSeaLevelKPa);
    EXPECT_NEAR(summer("Room humidity ratio (lb/lb)"), wr, 1e-6);
    EXPECT_NEAR(summer("Outdoor humidity ratio (lb/lb)"), wo, 1e-6);

    // Supply air: W_s = 0.009209, m = 16,486 lb/h by the two balances;
    // 3,596 cfm at its specific volume, v = 13.09 ft³/lb (eq. 28).
    const Supply sup = SupplyFor(kIp, 80000.0, 20000.0, 76.0, wr, 56.0);
    EXPECT_NEAR(summer("Supply dry bulb (°F)"), 56.0, 0.005);
    EXPECT_NEAR(summer("Supply humidity ratio (lb/lb)"), sup.w, 1e-6);
    EXPECT_NEAR(summer("Supply dry air (lb/h)"), sup.mass, 1.0);
    const double cfm = sup.mass * VIp(56.0, sup.w, kSeaLevelPsia) / 60.0;
    EXPECT_NEAR(summer("Supply airflow (cfm)"), cfm, 1.0);
    EXPECT_NEAR(summer("Room sensible heat ratio"), 0.8, 1e-4);

    // Outdoor air: a quarter of the dry air, at its own specific volume.
    const double mo = 0.25 * sup.mass;
    EXPECT_NEAR(summer("Outdoor air share (%)"), 25.0, 0.005);
    EXPECT_NEAR(summer("Outdoor airflow (cfm)"), mo * VIp(92.0, wo, kSeaLevelPsia) / 60.0, 1.0);

    // The wheel cools and dries the outdoor air toward the room air:
    // t2 = 92 - 0.75 (92 - 76) = 80 °F, W2 = W_o - 0.50 (W_o - W_r).
    const double t2 = 92.0 - 0.75 * (92.0 - 76.0);
    const double w2 = wo - 0.50 * (wo - wr);
    EXPECT_NEAR(component("Summer", "Heat-recovery wheel", "Leaving dry bulb (°F)"), t2, 0.005);
    EXPECT_NEAR(component("Summer", "Heat-recovery wheel", "Leaving humidity ratio (lb/lb)"), w2,
                1e-6);
    const double recovered = mo * (HIp(t2, w2) - HIp(92.0, wo)); // negative: heat taken out
    EXPECT_NEAR(summer("Heat recovered into the outdoor air (Btu/h)"), recovered,
                0.002 * std::abs(recovered));

    // Mixed air by mass (eq. 43-45): W_m = 0.25 W2 + 0.75 W_r, h likewise.
    const double wm = 0.25 * w2 + 0.75 * wr;
    const double hm = 0.25 * HIp(t2, w2) + 0.75 * HIp(76.0, wr);
    EXPECT_NEAR(summer("Mixed air humidity ratio (lb/lb)"), wm, 1e-6);
    EXPECT_NEAR(summer("Mixed air dry bulb (°F)"), TIp(hm, wm), 0.01);
    EXPECT_NEAR(summer("Mixed air enthalpy (Btu/lb)"), hm, 0.005);
    EXPECT_NEAR(summer("Supply enthalpy (Btu/lb)"), HIp(56.0, sup.w), 0.005);
    EXPECT_NEAR(summer("Room enthalpy (Btu/lb)"), HIp(76.0, wr), 0.005);
    EXPECT_NEAR(summer("Outdoor enthalpy (Btu/lb)"), HIp(92.0, wo), 0.005);
    EXPECT_NEAR(summer("Supply relative humidity (%)"), 100.0 * RelativeHumidityIp(56.0, sup.w),
                0.005);

    // The coil leaves the air 1.5 °F below the supply, which the fan adds:
    // q = m (h_m - h(54.5 °F, W_s)), about 7.9 tons; condensate m (W_m - W_s).
    const double coilLoad = sup.mass * (hm - HIp(54.5, sup.w));
    EXPECT_NEAR(summer("Cooling (tons)"), units::BtuPerHourToTons(coilLoad), 0.01);
    EXPECT_NEAR(summer("Cooling (kW)"), units::BtuPerHourToKilowatts(coilLoad),
                0.002 * units::BtuPerHourToKilowatts(coilLoad));
    EXPECT_NEAR(component("Summer", "Cooling coil", "Total (Btu/h)"), -coilLoad, 0.002 * coilLoad);
    EXPECT_NEAR(component("Summer", "Cooling coil", "Leaving dry bulb (°F)"), 54.5, 0.005);
    EXPECT_NEAR(summer("Condensate (lb/h)"), sup.mass * (wm - sup.w), 0.02);
    EXPECT_NEAR(component("Summer", "Cooling coil", "Water (lb/h)"), -sup.mass * (wm - sup.w),
                0.02);
    // Fan: m (c_pa + c_pv W_s) 1.5 °F.
    const double fanHeat = sup.mass * (0.240 + 0.444 * sup.w) * 1.5;
    EXPECT_NEAR(summer("Fan heat (Btu/h)"), fanHeat, 2.0);
    EXPECT_EQ(text("Room loads met within 1 %", true), "Yes");
    EXPECT_NEAR(summer("Room sensible load delivered (%)"), 100.0, 0.01);
    EXPECT_NEAR(summer("Room latent load delivered (%)"), 100.0, 0.01);
    EXPECT_EQ(summer("Heating (Btu/h)"), 0.0);

    // --- Winter ---
    const double wrw = WFromPw(0.35 * PwsIp(72.0), kSeaLevelPsia);
    const double wow = WFromPw(0.60 * PwsIp(10.0), kSeaLevelPsia);
    EXPECT_NEAR(winter("Outdoor humidity ratio (lb/lb)"), wow, 1e-6);
    // The supply at 102 °F carries the loss and the latent gain.
    const Supply ws = SupplyFor(kIp, -120000.0, 6000.0, 72.0, wrw, 102.0);
    EXPECT_NEAR(winter("Supply dry bulb (°F)"), 102.0, 0.005);
    EXPECT_NEAR(winter("Supply humidity ratio (lb/lb)"), ws.w, 1e-6);
    EXPECT_NEAR(winter("Supply dry air (lb/h)"), ws.mass, 1.0);
    EXPECT_NEAR(winter("Supply airflow (cfm)"), ws.mass * VIp(102.0, ws.w, kSeaLevelPsia) / 60.0,
                1.0);
    // Preheat of the outdoor air alone to 30 °F at W_o; then the wheel warms
    // and wets it: t2 = 30 + 0.75 (72 - 30) = 61.5 °F.
    const double mow = 0.25 * ws.mass;
    const double preheatLoad = mow * (HIp(30.0, wow) - HIp(10.0, wow));
    EXPECT_NEAR(component("Winter", "Preheat coil", "Total (Btu/h)"), preheatLoad,
                0.002 * preheatLoad);
    const double t2w = 30.0 + 0.75 * (72.0 - 30.0);
    const double w2w = wow + 0.50 * (wrw - wow);
    const double recoveredW = mow * (HIp(t2w, w2w) - HIp(30.0, wow));
    EXPECT_NEAR(winter("Heat recovered into the outdoor air (Btu/h)"), recoveredW,
                0.002 * recoveredW);
    const double wmw = 0.25 * w2w + 0.75 * wrw;
    const double hmw = 0.25 * HIp(t2w, w2w) + 0.75 * HIp(72.0, wrw);
    const double tmw = TIp(hmw, wmw);
    EXPECT_NEAR(winter("Mixed air dry bulb (°F)"), tmw, 0.01);
    EXPECT_NEAR(winter("Mixed air humidity ratio (lb/lb)"), wmw, 1e-6);
    // Fan 1.5 °F, then the reheat coil to the dry bulb from which the steam
    // humidifier ends at 102 °F and W_s: the steam's enthalpy
    // h_g = 1061 + 0.444 * 212 = 1155.1 Btu/lb (eq. 32's vapour term) goes in
    // with the water, so h1 = h(102, W_s) - (W_s - W_m) h_g.
    const double tFan = tmw + 1.5;
    const double hSteam = 1061.0 + 0.444 * 212.0;
    const double water = ws.mass * (ws.w - wmw);
    const double h1 = HIp(102.0, ws.w) - (ws.w - wmw) * hSteam;
    const double reheatLoad = ws.mass * (h1 - HIp(tFan, wmw));
    EXPECT_NEAR(component("Winter", "Reheat coil", "Leaving dry bulb (°F)"), TIp(h1, wmw), 0.01);
    EXPECT_NEAR(component("Winter", "Reheat coil", "Total (Btu/h)"), reheatLoad,
                0.002 * reheatLoad);
    const double heating = preheatLoad + reheatLoad;
    EXPECT_NEAR(winter("Heating (Btu/h)"), heating, 0.002 * heating);
    EXPECT_NEAR(winter("Heating (kW)"), units::BtuPerHourToKilowatts(heating),
                0.002 * units::BtuPerHourToKilowatts(heating));
    EXPECT_NEAR(winter("Humidifier water (lb/h)"), water, 0.02);
    EXPECT_NEAR(winter("Humidifier water (kg/h)"), units::PoundsToKilograms(water), 0.02);
    EXPECT_NEAR(winter("Steam heat (Btu/h)"), water * hSteam, 0.003 * water * hSteam);
    EXPECT_NEAR(winter("Fan heat (Btu/h)"), ws.mass * (0.240 + 0.444 * wmw) * 1.5, 2.0);
    EXPECT_EQ(winter("Cooling (tons)"), 0.0);
    EXPECT_EQ(text("Room loads met within 1 %", false), "Yes");
}

// A laboratory in Denver, SI at 1,600 m: the pressure of the standard
// atmosphere, p = 101.325 (1 - 2.25577e-5 * 1600)^5.2559 = 83.52 kPa (eq. 3),
// and a fixed 1,000 L/s of outdoor air taken at the outdoor air.
// Summer: room 24 °C, 50 %; gains 30 kW sensible, 6 kW latent; supply 10 K
// below the room; outdoor 32 °C dry bulb, 18 °C wet bulb; mixing box, a
// blow-through fan of 1 K, cooling coil to the supply state.
// Winter: room 21 °C, 30 %; a loss of 45 kW sensible, a gain of 2 kW latent;
// supply at 35 °C; outdoor -15 °C, 70 %; a preheat coil to 5 °C on the
// outdoor air, mixing box, a fan of 5 kW shaft power with its motor (90 %)
// in the airstream, reheat and a steam humidifier (100 °C steam) both to the
// supply.
TEST_F(DesignProblem, LaboratoryInSiAtAltitude) {
    const double p = PressureAtKPa(1600.0);
    EXPECT_NEAR(p, 83.52, 0.01);
    const auto c2f = [](double tC) { return units::CelsiusToFahrenheit(tC); };
    const auto kw = [](double q) { return units::KilowattsToBtuPerHour(q); };

    project::AirHandlerSetup ahu;
    ahu.airflowUnit = AirflowUnit::LitresPerSecond;
    const Airflow outdoorAir{1000.0, AirflowUnit::LitresPerSecond};

    project::AirHandlerCase& s = ahu.summer;
    s.duty = Duty::Cooling;
    s.room = DryBulbRh(c2f(24.0), 0.50);
    s.outdoor = {{Input::DryBulb, c2f(32.0)}, {Input::WetBulb, c2f(18.0)}};
    s.roomSensibleBtuPerHour = kw(30.0);
    s.roomLatentBtuPerHour = kw(6.0);
    s.supply.by = SupplyBy::TemperatureDifference;
    s.supply.differenceF = units::KelvinSpanToFahrenheit(10.0);
    s.outdoorAir.by = OutdoorAirBy::Airflow;
    s.outdoorAir.airflow = outdoorAir;
    SupplyFan summerFan;
    summerFan.by = FanBy::Rise;
    summerFan.riseF = units::KelvinSpanToFahrenheit(1.0);
    CoolingCoil coil;
    coil.by = CoolingBy::ToSupplyState;
    s.components = {MixingBox{}, summerFan, coil};

    project::AirHandlerCase& w = ahu.winter;
    w.duty = Duty::Heating;
    w.room = DryBulbRh(c2f(21.0), 0.30);
    w.outdoor = DryBulbRh(c2f(-15.0), 0.70);
    w.roomSensibleBtuPerHour = kw(-45.0);
    w.roomLatentBtuPerHour = kw(2.0);
    w.supply.by = SupplyBy::DryBulb;
    w.supply.dryBulbF = c2f(35.0);
    w.outdoorAir.by = OutdoorAirBy::Airflow;
    w.outdoorAir.airflow = outdoorAir;
    HeatingCoil preheat;
    preheat.role = HeatingRole::Preheat;
    preheat.by = HeatingBy::LeavingDryBulb;
    preheat.leavingDryBulbF = c2f(5.0);
    SupplyFan winterFan;
    winterFan.by = FanBy::Power;
    winterFan.power = 5.0;
    winterFan.powerUnit = PowerUnit::Kilowatts;
    winterFan.motorEfficiency = 0.9;
    winterFan.motorInAirstream = true;
    HeatingCoil reheat;
    reheat.role = HeatingRole::Reheat;
    reheat.by = HeatingBy::ToSupply;
    Humidifier humidifier;
    humidifier.kind = HumidifierKind::Steam;
    humidifier.by = HumidifierBy::ToSupply;
    humidifier.steamTemperatureF = c2f(100.0);
    w.components = {preheat, MixingBox{}, winterFan, reheat, humidifier};

    project::ProjectData data;
    data.atmosphere = {units::KPaToPsia(p), UnitSystem::SI};
    data.airHandler = ahu;
    save(data, "denver.vwproj");
    readRollup("--project \"$T/denver.vwproj\"");
    readComponents("--project \"$T/denver.vwproj\"");
    if (HasFatalFailure())
        return;

    // --- Summer --- (kg/s inside the calculation, kg/h in the table)
    const double wr = WFromPw(0.50 * psy::SaturationPressure(24.0, "SI"), p);
    const double wo = WFromWetBulbSi(32.0, 18.0, p);
    EXPECT_NEAR(summer("Room humidity ratio (kg/kg)"), wr, 1e-6);
    EXPECT_NEAR(summer("Outdoor humidity ratio (kg/kg)"), wo, 1e-6);
    const Supply sup = SupplyFor(kSi, 30.0, 6.0, 24.0, wr, 14.0);
    EXPECT_NEAR(summer("Supply dry bulb (°C)"), 14.0, 0.005);
    EXPECT_NEAR(summer("Supply humidity ratio (kg/kg)"), sup.w, 1e-6);
    EXPECT_NEAR(summer("Supply dry air (kg/h)"), sup.mass * 3600.0, 1.0);
    // L/s = m v_s, v by eq. 28 at 83.52 kPa: the thinner air needs ~20 % more
    // volume than at sea level for the same mass.
    EXPECT_NEAR(summer("Supply airflow (L/s)"), sup.mass * VSi(14.0, sup.w, p) * 1000.0, 0.2);
    // 1,000 L/s of outdoor air is m_o = 1.0 / v_o kg/s.
    const double mo = 1.0 / VSi(32.0, wo, p);
    EXPECT_NEAR(summer("Outdoor airflow (L/s)"), 1000.0, 0.05);
    EXPECT_NEAR(summer("Outdoor air share (%)"), 100.0 * mo / sup.mass, 0.01);
    const double x = mo / sup.mass;
    const double wm = x * wo + (1.0 - x) * wr;
    const double hm = x * HSi(32.0, wo) + (1.0 - x) * HSi(24.0, wr);
    const double tm = TSi(hm, wm);
    EXPECT_NEAR(summer("Mixed air dry bulb (°C)"), tm, 0.01);
    EXPECT_NEAR(summer("Mixed air enthalpy (kJ/kg)"), hm, 0.005);
    EXPECT_NEAR(summer("Supply enthalpy (kJ/kg)"), HSi(14.0, sup.w), 0.005);
    // At 83.52 kPa: phi = p_w / p_ws(14 °C), p_w = p W / (0.62198 + W).
    EXPECT_NEAR(summer("Supply relative humidity (%)"),
                100.0 * PwFromW(sup.w, p) / psy::SaturationPressure(14.0, "SI"), 0.005);
    EXPECT_NEAR(summer("Mixed air humidity ratio (kg/kg)"), wm, 1e-6);
    // Blow-through fan: 1 K on the mixed air, m (c_pa + c_pv W_m) 1 K; the
    // coil from there to the supply air.
    const double fanHeat = sup.mass * (1.006 + 1.805 * wm) * 1.0;
    EXPECT_NEAR(summer("Fan heat (kW)"), fanHeat, 0.002);
    const double coilLoad = sup.mass * (HSi(tm + 1.0, wm) - HSi(14.0, sup.w));
    EXPECT_NEAR(summer("Cooling (kW)"), coilLoad, 0.002 * coilLoad);
    EXPECT_NEAR(summer("Cooling (tons)"), units::BtuPerHourToTons(kw(coilLoad)), 0.01);
    EXPECT_NEAR(component("Summer", "Cooling coil", "Entering dry bulb (°C)"), tm + 1.0, 0.01);
    EXPECT_NEAR(component("Summer", "Cooling coil", "Total (kW)"), -coilLoad, 0.002 * coilLoad);
    EXPECT_NEAR(summer("Condensate (kg/h)"), sup.mass * (wm - sup.w) * 3600.0, 0.02);
    EXPECT_EQ(text("Room loads met within 1 %", true), "Yes");

    // --- Winter ---
    const double wrw = WFromPw(0.30 * psy::SaturationPressure(21.0, "SI"), p);
    const double wow = WFromPw(0.70 * psy::SaturationPressure(-15.0, "SI"), p);
    EXPECT_NEAR(winter("Outdoor humidity ratio (kg/kg)"), wow, 1e-6);
    const Supply ws = SupplyFor(kSi, -45.0, 2.0, 21.0, wrw, 35.0);
    EXPECT_NEAR(winter("Supply humidity ratio (kg/kg)"), ws.w, 1e-6);
    EXPECT_NEAR(winter("Supply dry air (kg/h)"), ws.mass * 3600.0, 1.0);
    EXPECT_NEAR(winter("Supply airflow (L/s)"), ws.mass * VSi(35.0, ws.w, p) * 1000.0, 0.2);
    EXPECT_NEAR(winter("Room sensible load (kW)"), -45.0, 0.0005);
    // Preheat of the outdoor air alone: m_o (h(5 °C) - h(-15 °C)) at W_o.
    const double mow = 1.0 / VSi(-15.0, wow, p);
    const double preheatLoad = mow * (HSi(5.0, wow) - HSi(-15.0, wow));
    EXPECT_NEAR(component("Winter", "Preheat coil", "Total (kW)"), preheatLoad,
                0.002 * preheatLoad);
    const double xw = mow / ws.mass;
    const double wmw = xw * wow + (1.0 - xw) * wrw;
    const double hmw = xw * HSi(5.0, wow) + (1.0 - xw) * HSi(21.0, wrw);
    const double tmw = TSi(hmw, wmw);
    EXPECT_NEAR(winter("Mixed air dry bulb (°C)"), tmw, 0.01);
    // The fan's motor in the airstream: all its input, 5 / 0.9 kW.
    const double fanHeat2 = 5.0 / 0.9;
    EXPECT_NEAR(winter("Fan heat (kW)"), fanHeat2, 0.002);
    const double tFan = tmw + fanHeat2 / (ws.mass * (1.006 + 1.805 * wmw));
    EXPECT_NEAR(component("Winter", "Supply fan", "Leaving dry bulb (°C)"), tFan, 0.01);
    // Steam at 100 °C brings h_g = 2501 + 1.805 * 100 = 2681.5 kJ/kg.
    const double hSteam = 2501.0 + 1.805 * 100.0;
    const double water = ws.mass * (ws.w - wmw); // kg/s
    const double h1 = HSi(35.0, ws.w) - (ws.w - wmw) * hSteam;
    const double reheatLoad = ws.mass * (h1 - HSi(tFan, wmw));
    EXPECT_NEAR(component("Winter", "Reheat coil", "Total (kW)"), reheatLoad, 0.002 * reheatLoad);
    const double heating = preheatLoad + reheatLoad;
    EXPECT_NEAR(winter("Heating (kW)"), heating, 0.002 * heating);
    EXPECT_NEAR(winter("Heating (Btu/h)"), kw(heating), 0.002 * kw(heating));
    EXPECT_NEAR(winter("Humidifier water (kg/h)"), water * 3600.0, 0.02);
    EXPECT_NEAR(winter("Humidifier water (lb/h)"), units::KilogramsToPounds(water * 3600.0), 0.03);
    EXPECT_NEAR(winter("Steam heat (kW)"), water * hSteam, 0.003 * water * hSteam);
    EXPECT_NEAR(winter("Room sensible load delivered (%)"), 100.0, 0.01);
    EXPECT_EQ(text("Room loads met within 1 %", false), "Yes");
}
