// The project's tables as CSV: the tables of the earlier release to the
// byte, units in the headers in either system, quoting by RFC 4180, and the
// mixtures.

#include "projectcore/Csv.h"

#include "projectcore/Edits.h"
#include "projectcore/ProjectFile.h"
#include "projectcore/Text.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include <gtest/gtest.h>

using namespace project;
using processes::Airflow;
using processes::AirflowUnit;

namespace {

const std::string kData = VW_PROJECT_DATA_DIR;

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

Model modelOfFile(const std::string& name) {
    auto read = ReadProjectFile(contents(kData + "/" + name));
    Model model;
    if (auto* data = std::get_if<ProjectData>(&read))
        model.replace(std::move(*data));
    else
        ADD_FAILURE() << std::get<std::string>(read);
    return model;
}

void switchSystem(Model& model) {
    const Atmosphere& a = model.atmosphere();
    const AtmospherePlan plan = PlanAtmosphere(
        model, {a.pressurePsia, a.system == UnitSystem::SI ? UnitSystem::IP : UnitSystem::SI});
    ASSERT_TRUE(plan.change);
    model.setAtmosphere(plan.change->after);
}

std::vector<std::string> lines(const std::string& csv) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = csv.find("\r\n", from)) != std::string::npos; from = at + 2)
        out.push_back(csv.substr(from, at - from));
    EXPECT_EQ(from, csv.size()) << "the last line ends in CR LF";
    return out;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, ',');)
        out.push_back(field);
    return out;
}

} // namespace

// The points and processes of two projects, in their own unit system and in
// the other, exactly as the previous release's window exported them.
TEST(Csv, TablesAreThoseOfTheEarlierReleaseToTheByte) {
    const struct {
        const char* project;
        const char* points;
        const char* processes;
        const char* otherPoints;
        const char* otherProcesses;
    } cases[] = {
        {"v1-project.vwproj", "v1-project.points.csv", "v1-project.processes.csv",
         "v1-project.ip.points.csv", "v1-project.ip.processes.csv"},
        {"v1-sea-level.vwproj", "v1-sea-level.points.csv", "v1-sea-level.processes.csv",
         "v1-sea-level.si.points.csv", "v1-sea-level.si.processes.csv"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.project);
        Model model = modelOfFile(c.project);
        EXPECT_EQ(PointsCsv(model), contents(kData + "/" + c.points));
        EXPECT_EQ(ProcessesCsv(model), contents(kData + "/" + c.processes));
        switchSystem(model);
        EXPECT_EQ(PointsCsv(model), contents(kData + "/" + c.otherPoints));
        EXPECT_EQ(ProcessesCsv(model), contents(kData + "/" + c.otherProcesses));
    }
}

// SI exports gave the dry air in lb/h only; IP exports stay as they were.
TEST(Csv, SiTablesGiveDryAirInKilogramsPerHour) {
    for (const UnitSystem system : {UnitSystem::IP, UnitSystem::SI}) {
        SCOPED_TRACE(static_cast<int>(system));
        ProjectData data;
        data.atmosphere.system = system;
        data.points = {
            {1, "A", DryBulbAndHumidityRatio(80, 0.0112), Airflow{1000, AirflowUnit::Cfm}},
            {2, "B", DryBulbAndHumidityRatio(55, 0.0089), std::nullopt}};
        data.processes = {{1, 2}};
        Model model;
        model.replace(std::move(data));
        const double lbPerHour = *model.pointResult(0).dryAirLbPerHour;
        const bool si = system == UnitSystem::SI;
        const std::string column = si ? "Dry air (kg/h)" : "Dry air (lb/h)";
        const std::string value = Number(si ? lbPerHour * 0.45359237 : lbPerHour);
        const auto points = lines(PointsCsv(model));
        EXPECT_EQ(fields(points[0]).at(15), column);
        EXPECT_EQ(fields(points[1]).at(15), value);
        const auto processes = lines(ProcessesCsv(model));
        EXPECT_EQ(fields(processes[0]).at(7), column);
        EXPECT_EQ(fields(processes[1]).at(7), value);
        EXPECT_EQ(fields(processes[1]).at(2), "Cooling and dehumidifying");
    }
}

// The mixture of the earlier release's project: C mixed from A and "Room,
// east", its share in per cent, the mixed point's air in the project's units.
TEST(Csv, MixturesTableNamesThePointsAndTheShare) {
    Model model = modelOfFile("v1-project.vwproj");
    const auto table = lines(MixturesCsv(model));
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0], "Mixture,First stream,Second stream,First stream share (%),Dry bulb (°C),"
                        "Humidity ratio (lb/lb = kg/kg),Enthalpy (kJ/kg),Dry air (kg/h),Note");
    // The mixed point's row of the points table gives the same numbers.
    const auto points = lines(PointsCsv(model));
    const auto d = fields(points[6]);
    ASSERT_EQ(d.at(0), "D");
    EXPECT_EQ(table[1], "D,A,\"Room, east\",53.51329," + d.at(1) + "," + d.at(5) + "," + d.at(6) +
                            "," + d.at(15) + ",");
    switchSystem(model);
    EXPECT_NE(lines(MixturesCsv(model))[0].find("Dry bulb (°F)"), std::string::npos);
    // A project without mixtures has the header alone; without an air
    // handler, no air-handler tables.
    const Model empty;
    EXPECT_EQ(lines(MixturesCsv(empty)).size(), 1u);
    EXPECT_FALSE(AirHandlerComponentsCsv(empty));
    const auto tables = ProjectTables(empty);
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(tables[2].name, "mixtures");
}
