// The air handler in a project: its room and outdoor air defined as points
// are and solved at the project's atmosphere, checked before it is kept,
// written to a file of version 2 and read back, and refused when damaged.

#include "airhandler/Tables.h"
#include "projectcore/AirHandlerSetup.h"
#include "projectcore/Csv.h"
#include "projectcore/Edits.h"
#include "projectcore/ProjectFile.h"

#include <cmath>
#include <functional>

#include <gtest/gtest.h>

using namespace project;
using airhandler::Season;
using processes::Airflow;
using processes::AirflowUnit;

namespace {

Model modelWith(const AirHandlerSetup& setup, Atmosphere atmosphere = {}) {
    ProjectData data;
    data.atmosphere = atmosphere;
    data.airHandler = setup;
    Model model;
    model.replace(std::move(data));
    return model;
}

// A setup with every kind of component, each option away from its default,
// so that a file that drops or confuses a field shows it.
AirHandlerSetup everyComponent() {
    AirHandlerSetup setup;
    setup.airflowUnit = AirflowUnit::LitresPerSecond;
    AirHandlerCase& c = setup.winter;
    c.room = {{Input::DewPoint, 35.5}, {Input::DryBulb, 70.25}};
    c.outdoor = {{Input::WetBulb, 10.0}, {Input::Enthalpy, 3.5}};
    c.supply.by = airhandler::SupplyBy::Airflow;
    c.supply.airflow = {4321.5, AirflowUnit::CubicMetresPerHour};
    c.outdoorAir.by = airhandler::OutdoorAirBy::Airflow;
    c.outdoorAir.airflow = {0.75, AirflowUnit::CubicMetresPerSecond};
    c.components = {
        airhandler::HeatRecovery{airhandler::Exchanger::Plate, 0.65, 0.0,
                                 Airflow{700.0, AirflowUnit::LitresPerSecond}},
        airhandler::HeatingCoil{airhandler::HeatingRole::Preheat,
                                airhandler::HeatingBy::LeavingDryBulb, 41.5, 3.25},
        airhandler::MixingBox{airhandler::Economizer::Enthalpy, 72.5, 0.85},
        airhandler::SupplyFan{airhandler::FanBy::Power, 7.5, airhandler::PowerUnit::Horsepower,
                              0.92, false, 1.75},
        airhandler::CoolingCoil{airhandler::CoolingBy::ApparatusDewPoint, 54.0, 0.9, 48.5, 0.15},
        airhandler::HeatingCoil{airhandler::HeatingRole::Reheat, airhandler::HeatingBy::ToSupply,
                                60.0, 5.0},
        airhandler::Humidifier{airhandler::HumidifierKind::Adiabatic,
                               airhandler::HumidifierBy::LeavingRh, 38.0, 0.35, 230.0},
    };
    return setup;
}

std::string refusal(const std::string& bytes) {
    auto read = ReadProjectFile(bytes);
    return std::holds_alternative<std::string>(read) ? std::get<std::string>(read) : "read";
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

// A room at 75 °F and 50 % (W_r = 0.0092362), gaining 100,000 Btu/h sensible
// and 25,000 Btu/h latent, supplied at 55 °F (the setup's summer). The supply
// carries both loads (ASHRAE Handbook of Fundamentals, ch. 1, moist-air
// sensible and latent heat):
//   latent    25,000 = m (W_r - W_s)(1061 + 0.444 * 75)
//   sensible 100,000 = m (0.240 + 0.444 W_s)(75 - 55)
// so W_s = 0.0081232 and m = 100,000 / (0.243607 * 20) = 20,525 lb/h. The
// room comes from its definition through the compute core at single
// precision, the relations above hold to the last Btu/h.
TEST(AirHandler, SummerOfTheSetupAgainstAHandCalculation) {
    const Model model = modelWith(AirHandlerSetup{});
    ASSERT_TRUE(model.airHandlerResult());
    const AirHandlerResult& result = *model.airHandlerResult();
    ASSERT_TRUE(result.solution.summer.ok()) << result.refusal(Season::Summer);
    ASSERT_TRUE(result.solution.winter.ok()) << result.refusal(Season::Winter);
    const airhandler::CaseSolution& s = *result.solution.summer;
    const double wr = s.room.humidityRatio;
    const double ws = s.supply.humidityRatio;
    const double m = s.supplyDryAirLbPerHour;
    EXPECT_NEAR(wr, 0.0092362, 1e-7);
    EXPECT_DOUBLE_EQ(s.supply.dryBulbF, 55.0);
    EXPECT_NEAR(m * (wr - ws) * (1061.0 + 0.444 * 75.0), 25000.0, 1e-6);
    EXPECT_NEAR(m * (0.240 + 0.444 * ws) * 20.0, 100000.0, 1e-6);
    EXPECT_NEAR(ws, 0.0081232, 2e-7);
    EXPECT_NEAR(m, 20525.0, 2.0);
    EXPECT_TRUE(s.reachesSupply);
    // The design the project handed over: its pressure, and the outdoor air
    // of 95 °F dry bulb and 75 °F wet bulb, by the psychrometer equation (ch.
    // 1 eq. 35, IP): W = ((1093 - 0.556 t*) W_s* - 0.240 (t - t*)) / (1093 +
    // 0.444 t - t*) with W_s* = 0.62198 * 0.43016 / (14.696 - 0.43016) =
    // 0.018755, so W = 0.01407.
    EXPECT_EQ(result.design.pressurePsia, 14.696);
    EXPECT_EQ(s.outdoor.pressurePsia, 14.696);
    EXPECT_NEAR(s.outdoor.humidityRatio, 0.01407, 5e-5);
    EXPECT_EQ(result.refusal(Season::Summer), "");
}

// The room or outdoor air that is no air refuses its case, with the
// definition's own reason; the other case is solved.
TEST(AirHandler, CaseWhoseAirIsNoAirIsRefusedWithTheReason) {
    AirHandlerSetup setup;
    setup.summer.room = {{Input::DryBulb, 75.0}, {Input::RelativeHumidity, 1.5}};
    setup.winter.outdoor = {{Input::DewPoint, 500.0}, {Input::DryBulb, 0.0}};
    const Model model = modelWith(setup);
    const AirHandlerResult& result = *model.airHandlerResult();
    EXPECT_FALSE(result.solution.summer.ok());
    EXPECT_EQ(result.solution.summer.issue().reason, airhandler::Reason::RoomNotAir);
    EXPECT_EQ(result.refusal(Season::Summer),
              "The room air is not air. No such air: the relative humidity is above 102 %.");
    EXPECT_EQ(result.solution.winter.issue().reason, airhandler::Reason::OutdoorNotAir);
    EXPECT_NE(result.refusal(Season::Winter).find("dew point"), std::string::npos);
    // The tables say so where the air handler's own sentence would stand.
    const std::string components = *AirHandlerComponentsCsv(model);
    EXPECT_NE(components.find("Summer,,Refused,"), std::string::npos) << components;
    EXPECT_NE(components.find(result.refusal(Season::Summer)), std::string::npos);
    EXPECT_NE(AirHandlerRollupCsv(model)->find(result.refusal(Season::Winter)), std::string::npos);
    // A case the air handler itself refuses names the component.
    setup = AirHandlerSetup{};
    setup.summer.components.push_back(airhandler::MixingBox{});
    EXPECT_EQ(modelWith(setup).airHandlerResult()->refusal(Season::Summer),
              "Component 4 (Mixing box): The chain can hold only one mixing box.");
}

// A change of pressure or unit system solves the air handler again; a room
// defined by enthalpy keeps its air across the unit systems.
TEST(AirHandler, AtmosphereAndUnitSystemSolveItAgain) {
    AirHandlerSetup setup;
    setup.summer.room = {{Input::DryBulb, 75.0}, {Input::Enthalpy, 28.0}};
    Model model = modelWith(setup);
    const airhandler::CaseSolution ip = *model.airHandlerResult()->solution.summer;

    AtmospherePlan plan = PlanAtmosphere(model, {14.696, UnitSystem::SI});
    ASSERT_TRUE(plan.change && plan.change->after.airHandler);
    EXPECT_NE(plan.change->after.airHandler->summer.room.second.value, 28.0);
    model.setAtmosphere(plan.change->after);
    const AirHandlerResult& si = *model.airHandlerResult();
    EXPECT_EQ(si.solution.system, UnitSystem::SI);
    ASSERT_TRUE(si.solution.summer.ok()) << si.refusal(Season::Summer);
    EXPECT_NEAR(si.solution.summer->room.humidityRatio, ip.room.humidityRatio, 1e-5);
    EXPECT_NEAR(si.solution.summer->supplyDryAirLbPerHour, ip.supplyDryAirLbPerHour,
                1e-3 * ip.supplyDryAirLbPerHour);
    EXPECT_NE(AirHandlerComponentsCsv(model)->find("(°C)"), std::string::npos);
    model.setAtmosphere(plan.change->before);
    EXPECT_EQ(model.data().airHandler->summer.room.second.value, 28.0);

    // Thinner air at altitude (12.23 psia, about 1,600 m) needs more volume
    // for the same dry air.
    plan = PlanAtmosphere(model, {12.23, UnitSystem::IP});
    model.setAtmosphere(plan.change->after);
    const airhandler::CaseSolution& high = *model.airHandlerResult()->solution.summer;
    EXPECT_EQ(high.room.pressurePsia, 12.23);
    EXPECT_GT(high.supplyAirflow.value, ip.supplyAirflow.value * 1.1);
}

TEST(AirHandler, SetupTheAirHandlerRefusesIsRefused) {
    EXPECT_FALSE(CheckAirHandler(AirHandlerSetup{}));
    EXPECT_FALSE(CheckAirHandler(everyComponent()));
    const struct {
        const char* name;
        std::function<void(AirHandlerSetup&)> edit;
        const char* message;
    } cases[] = {
        {"a pair that defines nothing",
         [](AirHandlerSetup& s) { s.summer.room.second.input = Input::DryBulb; },
         "Summer room air: A point needs two different properties; dry bulb is given twice."},
        {"an outdoor value that is no number",
         [](AirHandlerSetup& s) { s.winter.outdoor.first.value = std::nan(""); },
         "Winter outdoor air: The dry bulb is not a number."},
        {"a load that is no number",
         [](AirHandlerSetup& s) { s.summer.roomLatentBtuPerHour = HUGE_VAL; },
         "Summer: every value of the air handler must be a number."},
        {"a setting of an option not chosen",
         [](AirHandlerSetup& s) {
             s.summer.components.push_back(airhandler::HeatingCoil{
                 airhandler::HeatingRole::Reheat, airhandler::HeatingBy::Rise, std::nan(""), 2.0});
         },
         "Summer: every value of the air handler must be a number."},
        {"an effectiveness above 1",
         [](AirHandlerSetup& s) {
             s.winter.components.insert(
                 s.winter.components.begin(),
                 airhandler::HeatRecovery{airhandler::Exchanger::Wheel, 1.5, 0.5, std::nullopt});
         },
         "Winter: Component 1 (Heat-recovery wheel): An effectiveness must lie from 0 to 1."},
        {"a negative rise",
         [](AirHandlerSetup& s) {
             std::get<airhandler::SupplyFan>(s.summer.components[2]).riseF = -1;
         },
         "Summer: Component 3 (Supply fan): A temperature rise must be zero or more."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AirHandlerSetup setup;
        c.edit(setup);
        EXPECT_EQ(CheckAirHandler(setup).value_or("kept"), c.message);
    }
    // What the air handler solves to no air is kept: the solution says why.
    AirHandlerSetup cold;
    cold.summer.supply.dryBulbF = 20.0;
    EXPECT_FALSE(CheckAirHandler(cold));
    EXPECT_FALSE(modelWith(cold).airHandlerResult()->solution.summer.ok());
}

TEST(AirHandler, FileOfVersion2ReadsBackAsWritten) {
    for (const AirHandlerSetup& setup : {AirHandlerSetup{}, everyComponent()}) {
        ProjectData data;
        data.atmosphere = {12.23, UnitSystem::SI};
        data.points.push_back({1, "A", DryBulbAndHumidityRatio(75, 0.01), std::nullopt});
        data.airHandler = setup;
        const std::string written = WriteProjectFile(data);
        EXPECT_NE(written.find("\"version\": 2,"), std::string::npos);
        auto read = ReadProjectFile(written);
        ASSERT_TRUE(std::holds_alternative<ProjectData>(read)) << std::get<std::string>(read);
        const ProjectData& back = std::get<ProjectData>(read);
        ASSERT_TRUE(back.airHandler);
        EXPECT_TRUE(*back.airHandler == setup);
        EXPECT_EQ(WriteProjectFile(back), written);
    }
    // The enumerations as words, every value in base units.
    ProjectData data;
    data.airHandler = everyComponent();
    const std::string written = WriteProjectFile(data);
    for (const char* text :
         {"\"airflowUnit\": \"L/s\"", "\"duty\": \"heating\"", "\"type\": \"heatRecovery\"",
          "\"exchanger\": \"plate\"", "\"economizer\": \"enthalpy\"", "\"highLimitDryBulbF\": 72.5",
          "\"powerUnit\": \"hp\"", "\"by\": \"apparatusDewPoint\"", "\"kind\": \"adiabatic\"",
          "\"by\": \"leavingRh\"", "\"unit\": \"m3/h\"", "\"roomSensibleBtuPerHour\": -150000.0"})
        EXPECT_NE(written.find(text), std::string::npos) << text;
}

TEST(AirHandler, DamagedAirHandlerRefusesTheWholeFile) {
    ProjectData data;
    data.airHandler = everyComponent();
    const std::string valid = WriteProjectFile(data);
    const auto edited = [&valid](const std::string& from, const std::string& to) {
        return replaced(valid, from, to);
    };
    const struct {
        const char* name;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"no summer", edited("\"summer\"", "\"sommer\""), "air handler: \"summer\" is missing."},
        {"an unknown duty", edited("\"duty\": \"heating\"", "\"duty\": \"both\""),
         "air handler, winter: \"duty\" is not one of cooling, heating."},
        {"an unknown component", edited("\"type\": \"heatRecovery\"", "\"type\": \"chiller\""),
         "air handler, winter: \"type\" is not one of heatRecovery, mixingBox, heatingCoil, "
         "coolingCoil, supplyFan, humidifier."},
        {"a text for a number", edited("\"bypassFactor\": 0.15", "\"bypassFactor\": \"0.15\""),
         "air handler, winter: \"bypassFactor\" is not a number."},
        {"a missing field", edited("\"steamTemperatureF\"", "\"steamTemperature\""),
         "air handler, winter: \"steamTemperatureF\" is missing."},
        {"a room of one input",
         edited("\"room\": {\n                \"inputs\": [\n                    {",
                "\"room\": {\n                \"inputs\": [\n                    {}, {}, {"),
         "air handler, summer: the room air does not have two inputs."},
        {"an unknown airflow unit", edited("\"unit\": \"m3/h\"", "\"unit\": \"gpm\""),
         "air handler, winter: the supply has an unknown airflow unit."},
        {"a component that is no object",
         edited("\"components\": [\n                {", "\"components\": [\n                7, {"),
         "air handler, summer: a component is not an object."},
        {"an effectiveness out of range",
         edited("\"sensibleEffectiveness\": 0.65", "\"sensibleEffectiveness\": 1.65"),
         "air handler: Winter: Component 1 (Heat-recovery plate): An effectiveness must lie "
         "from 0 to 1."},
        {"a true or false that is neither",
         edited("\"motorInAirstream\": false", "\"motorInAirstream\": 0"),
         "air handler, winter: \"motorInAirstream\" is not true or false."},
        {"no air handler at all", edited("\"airHandler\"", "\"airHandle\""),
         "\"airHandler\" is missing."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(refusal(c.bytes), "The project file is damaged: " + std::string(c.message));
    }
    // A file of version 1 holds no air handler: one there is not read.
    const std::string v1 = edited("\"version\": 2", "\"version\": 1");
    auto read = ReadProjectFile(v1);
    ASSERT_TRUE(std::holds_alternative<ProjectData>(read)) << std::get<std::string>(read);
    EXPECT_FALSE(std::get<ProjectData>(read).airHandler);
}
