// What the model computes for a project: each point's state, dry-air flow,
// zones and comfort; each process's loads and coil; a coil's leaving air and
// a mixture; a change of the atmosphere. Hand calculations from the ASHRAE
// Handbook of Fundamentals (Psychrometrics).

#include "projectcore/Model.h"

#include "projectcore/CoreAdapter.h"
#include "projectcore/Edits.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace project;
using processes::Airflow;
using processes::AirflowUnit;

namespace {

PointDefinition tw(double tF, double w) {
    return DryBulbAndHumidityRatio(tF, w);
}

// A model of points (each defined by dry bulb and humidity ratio, named A,
// B, ...) with the given airflows and processes between positions.
Model modelOf(const std::vector<std::pair<PointDefinition, std::optional<Airflow>>>& points,
              const std::vector<std::pair<int, int>>& links = {},
              Atmosphere atmosphere = Atmosphere{}) {
    ProjectData data;
    data.atmosphere = atmosphere;
    for (std::size_t i = 0; i < points.size(); ++i)
        data.points.push_back({static_cast<int>(i) + 1, SequenceName(static_cast<int>(i)),
                               points[i].first, points[i].second});
    for (const auto& [from, to] : links)
        data.processes.push_back({from + 1, to + 1});
    Model model;
    model.replace(std::move(data));
    return model;
}

const Airflow kThousandCfm{1000, AirflowUnit::Cfm};

} // namespace

TEST(Model, PointThatIsNoAirKeepsItsInputsAndSaysWhy) {
    const PointDefinition fog{{Input::DryBulb, 70.0}, {Input::RelativeHumidity, 1.2}};
    const Model model = modelOf({{fog, std::nullopt}});
    EXPECT_EQ(model.point(0).definition, fog);
    EXPECT_FALSE(model.pointResult(0).state);
    EXPECT_EQ(model.pointResult(0).reason, "No such air: the relative humidity is above 102 %");
}

TEST(Model, CalculatorStateBecomesTheDefinitionOfItsTickedInputs) {
    CalcState s;
    s.Patm = 14.696f;
    s.Tdb = 75.0f;
    s.Phi = 0.5f;
    ASSERT_FALSE(SolveWithCore(s, CoreInput::DryBulb, CoreInput::RelativeHumidity));
    const auto same = CalculatorStateDefinition(s, Input::DryBulb, Input::Enthalpy, UnitSystem::IP);
    ASSERT_TRUE(std::holds_alternative<PointDefinition>(same));
    const Model model = modelOf({{std::get<PointDefinition>(same), std::nullopt}});
    EXPECT_EQ(model.pointResult(0).state->W, s.W);
    EXPECT_EQ(model.pointResult(0).state->H, s.H);
    // Taken into an SI project the enthalpy moves to the metric datum and the
    // air stays.
    const auto moved =
        CalculatorStateDefinition(s, Input::DryBulb, Input::Enthalpy, UnitSystem::SI);
    ASSERT_TRUE(std::holds_alternative<PointDefinition>(moved));
    EXPECT_NE(std::get<PointDefinition>(moved).second.value, static_cast<double>(s.H));
    const Model si =
        modelOf({{std::get<PointDefinition>(moved), std::nullopt}}, {}, {14.696, UnitSystem::SI});
    EXPECT_NEAR(si.pointResult(0).state->W, s.W, 1e-6);
    // Refused: a pair that defines nothing, a dew point of perfectly dry air.
    EXPECT_TRUE(std::holds_alternative<i18n::Message>(
        CalculatorStateDefinition(s, Input::DewPoint, Input::HumidityRatio, UnitSystem::IP)));
    CalcState dry = s;
    dry.W = 0.0f;
    ASSERT_FALSE(SolveWithCore(dry, CoreInput::DryBulb, CoreInput::HumidityRatio));
    EXPECT_EQ(std::get<i18n::Message>(
                  CalculatorStateDefinition(dry, Input::DewPoint, Input::DryBulb, UnitSystem::IP))
                  .English(),
              "Perfectly dry air has no dew point to define a point by.");
}

// Mass flow of dry air m = Q / v: 1000 cfm at 80 °F, W = 0.0112, 14.696 psia,
// v = 0.370486 (t + 459.67)(1 + 1.607858 W) / p (eq. 28, IP) = 13.8501
// ft³/lb, m = 60000 / 13.8501 = 4332.1 lb/h.
TEST(Model, AirflowGivesTheMassFlowOrAMessage) {
    const struct {
        Airflow airflow;
        std::optional<double> lbPerHour;
    } cases[] = {
        {kThousandCfm, 4332.1},
        {{471.947, AirflowUnit::LitresPerSecond}, 4332.1}, // the same 1000 cfm
        {{0.0, AirflowUnit::Cfm}, std::nullopt},
        {{-5.0, AirflowUnit::Cfm}, std::nullopt},
    };
    for (const auto& c : cases) {
        const Model model = modelOf({{tw(80, 0.0112), c.airflow}});
        const PointResult& r = model.pointResult(0);
        if (c.lbPerHour) {
            ASSERT_TRUE(r.dryAirLbPerHour);
            EXPECT_NEAR(*r.dryAirLbPerHour, *c.lbPerHour, 0.5);
        } else {
            EXPECT_FALSE(r.dryAirLbPerHour);
            EXPECT_FALSE(r.airflowMessage.empty());
        }
    }
    EXPECT_TRUE(CheckAirflow(Airflow{std::nan(""), AirflowUnit::Cfm}));
    EXPECT_FALSE(CheckAirflow(Airflow{-5.0, AirflowUnit::Cfm})); // kept, with its message
}

// A cooling coil, 1000 cfm entering at 80 °F, W = 0.0112, leaving at 55 °F,
// W = 0.0089, 14.696 psia. By hand with the ASHRAE Fundamentals IP
// equations: h = 0.240 t + W (1061 + 0.444 t) (eq. 32), v as above (eq. 28):
//   m = 4332.1 lb/h of dry air
//   q_s = h(55, 0.0112) - h(80, 0.0112) = -25 (0.240 + 0.444 * 0.0112) = -6.1243 Btu/lb
//   q_l = h(55, 0.0089) - h(55, 0.0112) = -0.0023 (1061 + 0.444 * 55) = -2.4965 Btu/lb
//   Q_s = -26531 Btu/h, Q_l = -10815 Btu/h, Q_t = -37346 Btu/h = 3.112 tons
//   (12,000 Btu/h a ton) = 10.94 kW (3412.14 Btu/h a kW); SHR = 0.7104;
//   water = 4332.1 * -0.0023 = -9.964 lb/h.
// The loads are computed from the single-precision points: within 0.1 %.
TEST(Model, CoolingCoilLoadsAgainstAHandCalculation) {
    Model model =
        modelOf({{tw(80, 0.0112), std::nullopt}, {tw(55, 0.0089), std::nullopt}}, {{0, 1}});
    EXPECT_TRUE(model.processResult(0).analysis);
    EXPECT_EQ(model.processResult(0).message, "Give point A an airflow for the loads.");
    EXPECT_FALSE(model.processResult(0).analysis->loads);

    model = modelOf({{tw(80, 0.0112), kThousandCfm}, {tw(55, 0.0089), std::nullopt}}, {{0, 1}});
    const ProcessResult& r = model.processResult(0);
    ASSERT_TRUE(r.analysis && r.analysis->loads) << r.message;
    EXPECT_EQ(r.analysis->kind, processes::ProcessKind::CoolingAndDehumidifying);
    const auto& l = *r.analysis->loads;
    EXPECT_NEAR(l.sensible.btuPerHour, -26531, 27);
    EXPECT_NEAR(l.latent.btuPerHour, -10815, 11);
    EXPECT_NEAR(l.total.btuPerHour, -37346, 37);
    EXPECT_NEAR(l.total.tons(), -3.112, 0.003);
    EXPECT_NEAR(l.total.kilowatts(), -10.945, 0.011);
    EXPECT_NEAR(*r.analysis->sensibleHeatRatio, 0.7104, 0.0007);
    EXPECT_NEAR(l.waterLbPerHour, -9.964, 0.01);
    // The coil's line, extended, meets saturation: an ADP below the leaving
    // air with a bypass factor between 0 and 1.
    ASSERT_TRUE(r.coil) << r.coilMessage;
    EXPECT_LT(r.coil->apparatusDewPoint.dryBulbF, 55.0);
    EXPECT_GT(r.coil->bypassFactor, 0.0);
    EXPECT_LT(r.coil->bypassFactor, 1.0);

    // The same process twice would count its loads twice; the reverse is
    // another process; a point is no process to itself.
    EXPECT_EQ(CheckProcess({1, 2}, model.data().points, model.index())->English(),
              "A to B is a process already.");
    EXPECT_FALSE(CheckProcess({2, 1}, model.data().points, model.index()));
    EXPECT_TRUE(CheckProcess({1, 1}, model.data().points, model.index()));
}

TEST(Model, ProcessWithAPointThatIsNoAirHasAMessage) {
    const Model model =
        modelOf({{tw(80, 0.0112), std::nullopt},
                 {{{Input::DryBulb, 70.0}, {Input::RelativeHumidity, 1.5}}, std::nullopt}},
                {{0, 1}});
    EXPECT_FALSE(model.processResult(0).analysis);
    EXPECT_EQ(model.processResult(0).message,
              "Point B is not air: No such air: the relative humidity is above 102 %");
}

// The reverse of the coil: entering air 80 °F, W = 0.0112; ADP 50 °F, where
// p_ws = 0.17813 psia (ASHRAE Fundamentals IP, Psychrometrics, table 3, the
// Hyland-Wexler equation) and so W_s = 0.62198 * 0.17813 / (14.696 -
// 0.17813) = 0.0076317 (eq. 22, without the enhancement factor of table 2);
// bypass factor 0.1:
//   t = 50 + 0.1 (80 - 50) = 53 °F, W = 0.0076317 + 0.1 (0.0112 - 0.0076317) = 0.0079885.
TEST(Model, CoilFromApparatusDewPointAndBypassFactor) {
    const Model model = modelOf({{tw(80, 0.0112), std::nullopt}});
    const auto leaving = CoilLeavingAir(model, 0, 50.0, 0.1);
    ASSERT_TRUE(std::holds_alternative<PointDefinition>(leaving));
    const PointDefinition& d = std::get<PointDefinition>(leaving);
    EXPECT_EQ(d.first.input, Input::DryBulb);
    EXPECT_NEAR(d.first.value, 53.0, 1e-4);
    EXPECT_NEAR(d.second.value, 0.0079885, 2e-6);
    EXPECT_TRUE(std::holds_alternative<i18n::Message>(CoilLeavingAir(model, 0, 90.0, 0.1)));
    EXPECT_TRUE(std::holds_alternative<i18n::Message>(CoilLeavingAir(model, 0, 50.0, 1.0)));
    EXPECT_EQ(std::get<i18n::Message>(CoilLeavingAir(model, 3, 50.0, 0.1)).English(),
              "There is no such point.");
}

// Mixing 1000 cfm at 95 °F, W = 0.0142 with 3000 cfm at 75 °F, W = 0.0093,
// 14.696 psia. By hand (ASHRAE Fundamentals IP, eqs. 28 and 32, and the
// mixing balances of the chapter):
//   v1 = 14.3025, v2 = 13.6806 ft³/lb; m1 = 4195.1, m2 = 13157.3 lb/h
//   m1 / m3 = 0.24176; W3 = 0.0104846
//   h1 = 38.4652, h2 = 28.1770, h3 = 30.6642 Btu/lb
//   t3 = (h3 - 1061 W3) / (0.240 + 0.444 W3) = 79.868 °F
//   airflow of the mixture m3 v3 / 60 = 17352.4 * 13.8310 / 60 = 4000.0 cfm.
TEST(Model, MixtureAgainstAHandCalculation) {
    EXPECT_EQ(std::get<i18n::Message>(PlanMixture(modelOf({{tw(95, 0.0142), std::nullopt},
                                                           {tw(75, 0.0093), std::nullopt}}),
                                                  0, 1))
                  .English(),
              "Point A has no airflow to mix.");
    const Model model = modelOf(
        {{tw(95, 0.0142), kThousandCfm}, {tw(75, 0.0093), Airflow{3000, AirflowUnit::Cfm}}});
    const auto planned = PlanMixture(model, 0, 1);
    ASSERT_TRUE(std::holds_alternative<PlannedMixture>(planned));
    const PlannedMixture& m = std::get<PlannedMixture>(planned);
    EXPECT_NEAR(m.definition.first.value, 79.868, 0.01);
    EXPECT_NEAR(m.definition.second.value, 0.0104846, 2e-6);
    EXPECT_NEAR(m.airflow.value, 4000.0, 1.0);
    EXPECT_EQ(m.airflow.unit, AirflowUnit::Cfm);
    EXPECT_NEAR(m.firstStreamShare, 0.24176, 2e-5);
    EXPECT_TRUE(std::holds_alternative<i18n::Message>(PlanMixture(model, 0, 0)));
}

TEST(Model, ZonesAndComfortPerPoint) {
    Model model = modelOf({{tw(75, 0.0093), std::nullopt}, {tw(100, 0.0093), std::nullopt}});
    ZoneSettings z;
    z.comfortShown = true;
    z.dataRoomShown = true;
    z.userZones.push_back({"Office", {}, true});
    z.userZones.back().limits.maxDryBulbF = 80.0;
    EXPECT_FALSE(CheckZoneSettings(z));
    model.setZones(z);
    ASSERT_EQ(model.pointResult(0).zones.size(), 3u);
    EXPECT_EQ(model.pointResult(0).zones[0].zone, "Comfort zone");
    EXPECT_EQ(model.pointResult(0).zones[1].zone, "Data-room envelope");
    EXPECT_TRUE(model.pointResult(0).zones[0].inside);
    EXPECT_FALSE(model.pointResult(1).zones[0].inside);
    EXPECT_TRUE(model.pointResult(0).zones[2].inside); // office
    EXPECT_FALSE(model.pointResult(1).zones[2].inside);
    ASSERT_TRUE(model.pointResult(0).comfort);
    EXPECT_LT(std::abs(model.pointResult(0).comfort->pmv), 0.5);
    EXPECT_FALSE(model.pointResult(1).comfortMessage.empty()); // outside the PMV model
    // Winter clothing warms the same air.
    const double summer = model.pointResult(0).comfort->pmv;
    z.comfort = processes::kWinterComfort;
    model.setZones(z);
    EXPECT_GT(model.pointResult(0).comfort->pmv, summer + 0.3);
    // Refused: comfort parameters outside the model, a zone without limits,
    // without a name, or with a name no label should have.
    ZoneSettings bad = z;
    bad.comfort.metabolicRate = 9.0;
    EXPECT_TRUE(CheckZoneSettings(bad));
    const struct {
        std::string name;
        bool limited;
        const char* says;
    } zones[] = {
        {"Office", false, "Zone Office: "},
        {" \t", true, "A zone needs a name."},
        {"Office\nEast", true, "A zone's name cannot hold"},
        {std::string(257, 'z'), true, "A zone's name can be at most 256 characters long."},
    };
    for (const auto& c : zones) {
        bad = z;
        bad.userZones.back().name = c.name;
        if (!c.limited)
            bad.userZones.back().limits = {};
        const auto problem = CheckZoneSettings(bad);
        ASSERT_TRUE(problem) << c.name;
        EXPECT_EQ(problem->English().rfind(c.says, 0), 0u) << problem->English();
    }
}

TEST(Model, UnitSystemChangeKeepsTheAirOfEveryPoint) {
    Model model =
        modelOf({{{{Input::DryBulb, 75.0}, {Input::Enthalpy, 28.0}}, std::nullopt},
                 {{{Input::DewPoint, 50.0}, {Input::RelativeHumidity, 0.4}}, std::nullopt}});
    const CalcState a = *model.pointResult(0).state;
    const CalcState b = *model.pointResult(1).state;
    AtmospherePlan plan = PlanAtmosphere(model, {14.696, UnitSystem::SI});
    ASSERT_TRUE(!plan.error && plan.change);
    ASSERT_EQ(plan.change->after.definitions.size(), 1u); // only the enthalpy moves
    model.setAtmosphere(plan.change->after);
    EXPECT_NEAR(model.pointResult(0).state->Tdb, a.Tdb, 0.05);
    EXPECT_NEAR(model.pointResult(0).state->W, a.W, 1e-5);
    EXPECT_NEAR(model.pointResult(1).state->Tdb, b.Tdb, 1e-3);
    model.setAtmosphere(plan.change->before);
    EXPECT_EQ(model.pointResult(0).state->W, a.W);
    EXPECT_EQ(PlanAtmosphere(model, {-1.0, UnitSystem::SI}).error->English(),
              "Atmospheric pressure at or below zero");
    EXPECT_TRUE(PlanAtmosphere(model, {1e300, UnitSystem::SI}).error);
}

// A file's 14.696 psia against the calculator's single-precision 14.696f
// marked the project modified at once: the same float is the same pressure.
TEST(Model, CalculatorPressureEqualAtSinglePrecisionIsNoChange) {
    for (const double filePsia : {14.696, 12.23, 10.1234567}) {
        SCOPED_TRACE(filePsia);
        const Model model = modelOf({{tw(75, 0.01), std::nullopt}}, {}, {filePsia, UnitSystem::IP});
        const double calculator = static_cast<double>(static_cast<float>(filePsia));
        const AtmospherePlan same = PlanAtmosphere(model, {calculator, UnitSystem::IP});
        EXPECT_FALSE(same.error);
        EXPECT_FALSE(same.change);
        // A change of units alone keeps the number.
        const AtmospherePlan units = PlanAtmosphere(model, {calculator, UnitSystem::SI});
        ASSERT_TRUE(units.change);
        EXPECT_EQ(units.change->after.atmosphere, (Atmosphere{filePsia, UnitSystem::SI}));
        // The next float is another pressure.
        const double next =
            static_cast<double>(std::nextafter(static_cast<float>(filePsia), 100.0f));
        const AtmospherePlan other = PlanAtmosphere(model, {next, UnitSystem::IP});
        ASSERT_TRUE(other.change);
        EXPECT_EQ(other.change->after.atmosphere.pressurePsia, next);
    }
}
