// vaporwright-batch --project: a project with an air handler computed through
// the program and checked against a hand calculation; the tables to standard
// output, a file or a folder; a damaged project refused, the input never
// written.

#include "batch/ProjectRun.h"

#include "projectcore/Edits.h"
#include "projectcore/ProjectFile.h"
#include "tests/airhandler/HandCalc.h"
#include "tests/batch/ProjectProgram.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace handcalc;

using projectprogram::Ran;

class ProjectRun : public projectprogram::ProgramTest {};

// A project of two points and a process, with the air handler's example.
project::ProjectData sample() {
    project::ProjectData data;
    data.points = {{1,
                    "Room",
                    {{project::Input::DryBulb, 75}, {project::Input::RelativeHumidity, 0.5}},
                    processes::Airflow{1000, processes::AirflowUnit::Cfm}},
                   {2, "Off coil", project::DryBulbAndHumidityRatio(55, 0.0089), std::nullopt}};
    data.processes = {{1, 2}};
    data.airHandler = project::AirHandlerSetup{};
    return data;
}

// The rollup's rows by quantity: summer and winter.
std::map<std::string, std::pair<std::string, std::string>> rollup(const std::string& csv) {
    std::map<std::string, std::pair<std::string, std::string>> rows;
    std::istringstream in(csv);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t a = line.rfind(',', line.rfind(',') - 1);
        const std::size_t b = line.rfind(',');
        if (a == std::string::npos || line.starts_with('"'))
            continue;
        rows[line.substr(0, a)] = {line.substr(a + 1, b - a - 1), line.substr(b + 1)};
    }
    return rows;
}

double number(const std::string& text) {
    return std::stod(text);
}

} // namespace

// The air handler's summer, through the program. A room at 75 °F, 50 %
// (W_r from p_ws(75 °F), ch. 1 eq. 20 and 22), gaining 100,000 Btu/h
// sensible and 25,000 Btu/h latent, supplied at 55 °F; 20 % outdoor air at
// 95 °F dry bulb, 75 °F wet bulb; mixing box, a cooling coil to the supply,
// a draw-through fan adding 2 °F. By hand (ASHRAE Handbook of Fundamentals,
// ch. 1: h = 0.240 t + W (1061 + 0.444 t), eq. 32; v, eq. 28):
//   supply: 25,000 = m (W_r - W_s)(1061 + 0.444 * 75),
//           100,000 = m (0.240 + 0.444 W_s)(75 - 55)
//   -> W_s = 0.0081232, m = 20,525 lb/h, Q = m v_s / 60 = 4,496 cfm;
//   fan: m (0.240 + 0.444 W_s) 2 °F = 100,000 / 20 * 2 = 10,000 Btu/h;
//   mixed air by mass: W_m = 0.2 W_o + 0.8 W_r, h_m = 0.2 h_o + 0.8 h_r;
//   coil: from the mixed air to 53 °F and W_s (the fan adds the last 2 °F):
//   q = m (h_m - h(53, W_s)), about 14.8 tons.
TEST_F(ProjectRun, AirHandlerThroughTheProgramAgainstAHandCalculation) {
    const std::string file = save(sample(), "office.vwproj");
    const Ran r = run("--project \"$T/office.vwproj\" --table airhandler-rollup");
    ASSERT_EQ(r.code, 0) << r.err;
    const auto rows = rollup(r.out);
    const auto summer = [&rows](const std::string& quantity) {
        const auto it = rows.find(quantity);
        EXPECT_NE(it, rows.end()) << quantity;
        return it == rows.end() ? 0.0 : number(it->second.first);
    };

    const double wr = WFromPw(0.5 * PwsIp(75.0), kSeaLevelPsia);
    // The two balances solved for W_s: with k = 25,000 / (1061 + 0.444 * 75)
    // = m (W_r - W_s) and m = 100,000 / (20 (0.240 + 0.444 W_s)):
    //   k * 20 (0.240 + 0.444 W_s) = 100,000 (W_r - W_s)
    const double k = 25000.0 / (1061.0 + 0.444 * 75.0);
    const double wSupply = (100000.0 * wr - k * 20.0 * 0.240) / (100000.0 + k * 20.0 * 0.444);
    const double m = 100000.0 / (20.0 * (0.240 + 0.444 * wSupply));
    EXPECT_NEAR(wSupply, 0.0081232, 1e-6);
    EXPECT_NEAR(m, 20525.0, 2.0);
    EXPECT_NEAR(summer("Room humidity ratio (lb/lb)"), wr, 2e-6);
    EXPECT_NEAR(summer("Supply humidity ratio (lb/lb)"), wSupply, 2e-6);
    EXPECT_NEAR(summer("Supply dry air (lb/h)"), m, 2.0);
    EXPECT_NEAR(summer("Supply airflow (cfm)"), m * VIp(55.0, wSupply, kSeaLevelPsia) / 60.0, 2.0);
    EXPECT_NEAR(summer("Room sensible heat ratio"), 0.8, 1e-4);
    EXPECT_NEAR(summer("Fan heat (Btu/h)"), 10000.0, 2.0);

    // The outdoor air by the psychrometer equation (eq. 35, in SI as the
    // program's constants have it) and the mixing by mass.
    const double wo = WFromWetBulbSi(basPsychroFun::units::FahrenheitToCelsius(95.0),
                                     basPsychroFun::units::FahrenheitToCelsius(75.0), kSeaLevelKPa);
    EXPECT_NEAR(summer("Outdoor humidity ratio (lb/lb)"), wo, 2e-6);
    const double wm = 0.2 * wo + 0.8 * wr;
    const double hm = 0.2 * HIp(95.0, wo) + 0.8 * HIp(75.0, wr);
    EXPECT_NEAR(summer("Mixed air humidity ratio (lb/lb)"), wm, 2e-6);
    EXPECT_NEAR(summer("Mixed air dry bulb (°F)"), TIp(hm, wm), 0.01);
    const double coil = m * (hm - HIp(53.0, wSupply));
    EXPECT_NEAR(coil / 12000.0, 14.75, 0.05);
    EXPECT_NEAR(summer("Cooling (tons)"), coil / 12000.0, 0.005 * coil / 12000.0);
    EXPECT_NEAR(summer("Condensate (lb/h)"), m * (wm - wSupply), 0.05);
    EXPECT_EQ(rows.at("Room loads met within 1 %").first, "Yes");
    EXPECT_EQ(rows.at("Room loads met within 1 %").second, "Yes");

    // In SI the enthalpy is the metric formulation's, h = 1.006 t + W (2501 +
    // 1.805 t) (eq. 32, SI), and so the balances: with the loads in kW and
    // the span 20 °F = 11.111 K,
    //   latent   7.3268 = m (W_r - W_s)(2501 + 1.805 * 23.889)
    //   sensible 29.307 = m (1.006 + 1.805 W_s) 11.111
    // m = 2.5843 kg/s = 9303 kg/h, 0.07 % less than the IP formulation's.
    namespace units = basPsychroFun::units;
    const double tRoom = units::FahrenheitToCelsius(75.0);
    const double span = units::FahrenheitSpanToKelvin(20.0);
    const double kSi = units::BtuPerHourToKilowatts(25000.0) / (2501.0 + 1.805 * tRoom);
    const double qs = units::BtuPerHourToKilowatts(100000.0);
    const double wSupplySi = (qs * wr - kSi * span * 1.006) / (qs + kSi * span * 1.805);
    const double mSi = qs / (span * (1.006 + 1.805 * wSupplySi)) * 3600.0;
    EXPECT_NEAR(mSi, 9303.0, 1.0);
    const double tSupplyOff = units::FahrenheitToCelsius(53.0);
    const double coilSi = mSi / 3600.0 *
                          (0.2 * HSi(units::FahrenheitToCelsius(95.0), wo) + 0.8 * HSi(tRoom, wr) -
                           HSi(tSupplyOff, wSupplySi));
    const Ran si = run("--project \"$T/office.vwproj\" --table airhandler-rollup --units SI");
    ASSERT_EQ(si.code, 0) << si.err;
    const auto siRows = rollup(si.out);
    EXPECT_NEAR(number(siRows.at("Supply dry air (kg/h)").first), mSi, 1.0);
    EXPECT_NEAR(number(siRows.at("Supply humidity ratio (kg/kg)").first), wSupplySi, 2e-6);
    EXPECT_NEAR(number(siRows.at("Cooling (kW)").first), coilSi, 0.005 * coilSi);
    EXPECT_EQ(contents(file), project::WriteProjectFile(sample())); // never written
}

TEST_F(ProjectRun, TablesToStandardOutputAFileOrAFolder) {
    const std::string file = save(sample(), "office.vwproj");
    project::Model model;
    model.replace(sample());
    const auto tables = project::ProjectTables(model);
    ASSERT_EQ(tables.size(), 5u);

    // Standard output: each table after its name, an empty line between.
    const Ran all = run("--project \"$T/office.vwproj\"");
    ASSERT_EQ(all.code, 0) << all.err;
    std::string expected;
    for (const auto& table : tables)
        expected += (expected.empty() ? "" : "\r\n") + std::string(table.name) + "\r\n" + table.csv;
    EXPECT_EQ(all.out, expected);
    EXPECT_EQ(batch::JoinTables(tables), expected);

    // One table: a plain CSV file, to standard output or a file.
    EXPECT_EQ(run("--project \"$T/office.vwproj\" --table points -").out, tables[0].csv);
    ASSERT_EQ(run("--project \"$T/office.vwproj\" --table=processes -o \"$T/p.csv\"").code, 0);
    EXPECT_EQ(contents(path("p.csv")), tables[1].csv);
    // Every table alone is one valid CSV table; all of them in one file
    // would be none, so a file takes one table only.
    for (const auto& table : tables) {
        projectprogram::Table read;
        EXPECT_TRUE(projectprogram::ReadTable(table.csv, read)) << table.name;
    }
    const Ran oneFile = run("--project \"$T/office.vwproj\" --output \"$T/all.csv\"");
    EXPECT_EQ(oneFile.code, 1);
    EXPECT_NE(oneFile.err.find("The project has 5 tables: give --table NAME to write one to"),
              std::string::npos)
        << oneFile.err;
    EXPECT_FALSE(fs::exists(path("all.csv")));

    // A folder, made when its name ends in "/": a file per table.
    const Ran folder = run("--project \"$T/office.vwproj\" -o \"$T/tables/\"");
    ASSERT_EQ(folder.code, 0) << folder.err;
    EXPECT_EQ(folder.out, "");
    for (const auto& table : tables)
        EXPECT_EQ(contents(path("tables/" + std::string(table.name) + ".csv")), table.csv)
            << table.name;
    // An existing folder, one table; a project without an air handler has
    // no air-handler files.
    project::ProjectData plain = sample();
    plain.airHandler.reset();
    save(plain, "plain.vwproj");
    fs::create_directories(path("plain"));
    ASSERT_EQ(run("--project \"$T/plain.vwproj\" -o \"$T/plain\"").code, 0);
    EXPECT_TRUE(fs::exists(path("plain/mixtures.csv")));
    EXPECT_FALSE(fs::exists(path("plain/airhandler-rollup.csv")));
    const Ran missing = run("--project \"$T/plain.vwproj\" --table airhandler-components");
    EXPECT_EQ(missing.code, 2);
    EXPECT_NE(missing.err.find("has no air handler"), std::string::npos) << missing.err;
    EXPECT_EQ(contents(file), project::WriteProjectFile(sample()));
}

// A damaged or unreadable project: the window's message naming the file,
// exit 2, nothing written. An output that is the project: exit 1, the
// project kept.
TEST_F(ProjectRun, DamagedProjectOrOutputOverItIsRefused) {
    std::string damaged = project::WriteProjectFile(sample());
    damaged.replace(damaged.find("\"version\": 2"), 12, "\"version\": 9");
    std::ofstream(path("new.vwproj"), std::ios::binary) << damaged;
    const struct {
        const char* arguments;
        int code;
        const char* says;
    } cases[] = {
        {"--project \"$T/new.vwproj\" -o \"$T/out/\"", 2,
         "new.vwproj\" cannot be opened: This project was saved by a newer version of "
         "Vaporwright (file version 9); this version reads version 2."},
        {"--project \"$T/absent.vwproj\" -o \"$T/out/\"", 2,
         "absent.vwproj: No such file or directory"},
        {"--project \"$T\" -o \"$T/out/\"", 2, "is not a file."},
        {"--project \"$T/new.vwproj\" --epw x.epw", 1, "Give a CSV file, --epw or --project"},
        {"--project \"$T/new.vwproj\" --pressure 14", 1, "does not apply with --project"},
        {"--project \"$T/new.vwproj\" --formats", 1, "--formats does not apply"},
        {"--table points", 1, "--table applies with --project"},
        {"--project \"$T/new.vwproj\" --table chart", 1, "--table: give one of points,"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const Ran r = run(c.arguments);
        EXPECT_EQ(r.code, c.code);
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(path("out")));
    }
    const std::string file = save(sample(), "office.vwproj");
    const std::string kept = contents(file);
    fs::create_symlink("office.vwproj", path("link.vwproj"));
    for (const char* output : {"\"$T/office.vwproj\"", "\"$T/link.vwproj\""}) {
        const Ran r = run(std::string("--project \"$T/office.vwproj\" -o ") + output);
        EXPECT_EQ(r.code, 1) << output;
        EXPECT_NE(r.err.find("is the input file"), std::string::npos) << r.err;
        EXPECT_EQ(contents(file), kept);
    }
    // Standard output appended to the project: refused before a byte is
    // written, so the project stays whole.
    const Ran appended = run("--project \"$T/office.vwproj\" >> \"$T/office.vwproj\"");
    EXPECT_EQ(appended.code, 1);
    EXPECT_NE(appended.err.find("is the input file (standard output)"), std::string::npos)
        << appended.err;
    EXPECT_EQ(contents(file), kept);
    // A folder holding the project under a table's name.
    fs::create_directories(path("odd"));
    fs::copy_file(file, path("odd/points.csv"));
    EXPECT_EQ(run("--project \"$T/odd/points.csv\" -o \"$T/odd\"").code, 1);
    EXPECT_EQ(contents(path("odd/points.csv")), kept);
    EXPECT_FALSE(fs::exists(path("odd/processes.csv")));
    // An output that cannot be written.
    EXPECT_EQ(run("--project \"$T/office.vwproj\" --table points -o /dev/full").code, 3);
    EXPECT_EQ(run("--project \"$T/office.vwproj\" --table points -o \"$T/no/such/file.csv\"").code,
              3);
    EXPECT_EQ(run("--project \"$T/office.vwproj\" -o \"$T/no/such/folder/\"").code, 3);
}
