// The project's points, airflows, processes, coils, mixtures, zones and undo.

#include "project/Project.h"

#include "project/CoreAdapter.h"
#include "project/ProjectFile.h"

#include <cmath>
#include <functional>

#include <gtest/gtest.h>

using namespace project;
using processes::Airflow;
using processes::AirflowUnit;

namespace {

PointDefinition tw(double tF, double w) {
    return {{Input::DryBulb, tF}, {Input::HumidityRatio, w}};
}

// Everything a project keeps, as its file has it.
QByteArray snapshot(const Project& p) {
    return WriteProjectFile(p.data());
}

} // namespace

TEST(Project, NamesContinueTheSequenceAndSkipNamesInUse) {
    Project p;
    EXPECT_EQ(p.nextPointName(), "A");
    p.addPointAt(75, 0.01);
    p.addPoint(tw(80, 0.01), QStringLiteral("C"));
    EXPECT_EQ(p.nextPointName(), "B"); // a name of the user's does not move the sequence on
    p.addPointAt(70, 0.01);
    EXPECT_EQ(p.nextPointName(), "D");                                // C is taken
    EXPECT_FALSE(p.addPoint(tw(70, 0.01), QStringLiteral("A")).ok()); // taken
    EXPECT_TRUE(p.renamePoint(0, QStringLiteral("Outdoor")).isEmpty());
    EXPECT_FALSE(p.renamePoint(0, QStringLiteral("C")).isEmpty());
    EXPECT_FALSE(p.renamePoint(0, QStringLiteral("  ")).isEmpty());
    EXPECT_EQ(p.nextPointName(), "D"); // A, free again, lies behind the sequence
    p.addPoint(tw(70, 0.01), QStringLiteral("E"));
    EXPECT_EQ(p.nextPointName(), "D");
    EXPECT_EQ(SequenceName(25), "Z");
    EXPECT_EQ(SequenceName(26), "AA");
    EXPECT_EQ(SequencePosition(QStringLiteral("AB")), 27);
    EXPECT_EQ(SequencePosition(SequenceName(400000)), 400000);
    EXPECT_FALSE(SequencePosition(QStringLiteral("Ab")));
}

// Mixing "OA" with "RA" made "RB": the name followed the user's names.
TEST(Project, MixtureOfRenamedPointsContinuesTheProgramsNames) {
    Project p;
    p.addPointAt(95, 0.0142);
    p.addPointAt(75, 0.0093);
    p.setAirflow(0, Airflow{1000, AirflowUnit::Cfm});
    p.setAirflow(1, Airflow{3000, AirflowUnit::Cfm});
    ASSERT_TRUE(p.renamePoint(0, QStringLiteral("OA")).isEmpty());
    ASSERT_TRUE(p.renamePoint(1, QStringLiteral("RA")).isEmpty());
    const Added mixed = p.addMixing(0, 1);
    ASSERT_TRUE(mixed.ok());
    EXPECT_EQ(p.point(mixed.index).name, "C");
    // Undone, the name is the next one again; a coil's point goes on after it.
    p.undoStack()->undo();
    EXPECT_EQ(p.nextPointName(), "C");
    p.undoStack()->redo();
    EXPECT_EQ(p.nextPointName(), "D");
    const Added coil = p.addCoil(0, 50.0, 0.1);
    ASSERT_TRUE(coil.ok());
    EXPECT_EQ(p.point(coil.index).name, "D");
    // A project opened (or replaced) takes the sequence up from A, past the
    // names it holds.
    ProjectData data = p.data();
    p.replace(data);
    EXPECT_EQ(p.nextPointName(), "A");
    data.points[0].name = QStringLiteral("A");
    p.replace(data);
    EXPECT_EQ(p.nextPointName(), "B");
}

// Point names hold no control characters: they go into files, tables and
// one-line labels. Every kind is refused, by adding and by renaming.
TEST(Project, PointNameWithControlCharactersIsRefused) {
    const QString unfit[] = {
        QStringLiteral("Line\nbreak"),
        QStringLiteral("Carriage\rreturn"),
        QStringLiteral("Tab\there"),
        QString::fromUtf16(u"Nul\0inside", 10),
        QStringLiteral("Bell\a"),
        QStringLiteral("Delete\x7f"),
        QStringLiteral("Next") + QChar(0x85) + QStringLiteral("line"),
        QString(QChar(0xd800)) + QStringLiteral("half a pair"),
    };
    Project p;
    p.addPointAt(75, 0.01);
    // Nor are names of thousands of characters, each a label on the chart.
    EXPECT_TRUE(p.renamePoint(0, QString(kMaxNameLength, u'x')).isEmpty());
    EXPECT_FALSE(p.addPoint(tw(70, 0.01), QString(kMaxNameLength + 1, u'y')).ok());
    ASSERT_TRUE(p.renamePoint(0, QStringLiteral("A")).isEmpty());
    for (const QString& name : unfit) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_FALSE(p.addPoint(tw(70, 0.01), name).ok());
        EXPECT_FALSE(p.renamePoint(0, name).isEmpty());
    }
    EXPECT_EQ(p.pointCount(), 1);
    EXPECT_EQ(p.point(0).name, "A");
    // Whole surrogate pairs and other scripts are names like any other.
    EXPECT_TRUE(p.renamePoint(0, QString::fromUtf8("Zuluft \xf0\x9f\x8c\xac \xce\xb1")).isEmpty());
    ZoneSettings zones;
    zones.userZones.push_back({QStringLiteral("Office\nEast"), {}, true});
    zones.userZones.back().limits.maxDryBulbF = 80.0;
    EXPECT_FALSE(p.setZoneSettings(zones).isEmpty());
}

TEST(Project, PointThatIsNoAirKeepsItsInputsAndSaysWhy) {
    Project p;
    const PointDefinition fog{{Input::DryBulb, 70.0}, {Input::RelativeHumidity, 1.2}};
    const Added added = p.addPoint(fog);
    ASSERT_TRUE(added.ok());
    EXPECT_EQ(p.point(added.index).definition, fog);
    EXPECT_FALSE(p.pointResult(added.index).state);
    EXPECT_FALSE(p.pointResult(added.index).reason.isEmpty());
    // Refused outright: a pair that defines nothing.
    EXPECT_FALSE(p.addPoint({{Input::DewPoint, 50.0}, {Input::HumidityRatio, 0.01}}).ok());
    EXPECT_EQ(p.pointCount(), 1);
}

TEST(Project, CalculatorStateBecomesAPointOfItsTickedInputs) {
    Project p;
    CalcState s;
    s.Patm = 14.696f;
    s.Tdb = 75.0f;
    s.Phi = 0.5f;
    ASSERT_FALSE(SolveWithCore(s, CoreInput::DryBulb, CoreInput::RelativeHumidity));
    const Added a = p.addCalculatorState(s, Input::DryBulb, Input::RelativeHumidity);
    ASSERT_TRUE(a.ok());
    EXPECT_EQ(p.pointResult(a.index).state->W, s.W);
    EXPECT_EQ(p.pointResult(a.index).state->H, s.H);
}

// Mass flow of dry air m = Q / v (ASHRAE Fundamentals, Psychrometrics): 1000
// cfm at 80 °F, W = 0.0112, 14.696 psia, v = 0.370486 (t + 459.67)(1 +
// 1.607858 W) / p (eq. 28, IP) = 13.8501 ft³/lb, m = 60000 / 13.8501 =
// 4332.1 lb/h.
TEST(Project, AirflowGivesTheMassFlowOrAMessage) {
    Project p;
    p.addPointAt(80, 0.0112);
    p.setAirflow(0, Airflow{1000, AirflowUnit::Cfm});
    ASSERT_TRUE(p.pointResult(0).dryAirLbPerHour);
    EXPECT_NEAR(*p.pointResult(0).dryAirLbPerHour, 4332.1, 0.5);
    p.setAirflow(0, Airflow{471.947, AirflowUnit::LitresPerSecond}); // the same 1000 cfm
    EXPECT_NEAR(*p.pointResult(0).dryAirLbPerHour, 4332.1, 0.5);
    for (const double bad : {0.0, -5.0}) {
        p.setAirflow(0, Airflow{bad, AirflowUnit::Cfm});
        EXPECT_FALSE(p.pointResult(0).dryAirLbPerHour);
        EXPECT_FALSE(p.pointResult(0).airflowMessage.isEmpty());
    }
    EXPECT_FALSE(p.setAirflow(0, Airflow{std::nan(""), AirflowUnit::Cfm}).isEmpty());
    EXPECT_EQ(p.point(0).airflow->value, -5.0); // the refused value was not stored
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
TEST(Project, CoolingCoilLoadsAgainstAHandCalculation) {
    Project p;
    p.addPointAt(80, 0.0112);
    p.addPointAt(55, 0.0089);
    EXPECT_FALSE(p.addProcess(0, 0).ok());
    ASSERT_TRUE(p.addProcess(0, 1).ok());
    // The same process twice would count its loads twice; the reverse is
    // another process.
    EXPECT_EQ(p.addProcess(0, 1).error, QStringLiteral("A to B is a process already."));
    EXPECT_EQ(p.processCount(), 1);
    EXPECT_FALSE(p.processResult(0).message.isEmpty()); // no airflow yet: no loads
    EXPECT_FALSE(p.processResult(0).analysis->loads);
    p.setAirflow(0, Airflow{1000, AirflowUnit::Cfm});
    const ProcessResult& r = p.processResult(0);
    ASSERT_TRUE(r.analysis && r.analysis->loads) << r.message.toStdString();
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
    ASSERT_TRUE(r.coil) << r.coilMessage.toStdString();
    EXPECT_LT(r.coil->apparatusDewPoint.dryBulbF, 55.0);
    EXPECT_GT(r.coil->bypassFactor, 0.0);
    EXPECT_LT(r.coil->bypassFactor, 1.0);
}

TEST(Project, ProcessWithAPointThatIsNoAirHasAMessage) {
    Project p;
    p.addPointAt(80, 0.0112);
    p.addPoint({{Input::DryBulb, 70.0}, {Input::RelativeHumidity, 1.5}});
    p.addProcess(0, 1);
    EXPECT_FALSE(p.processResult(0).analysis);
    EXPECT_TRUE(p.processResult(0).message.contains("B"));
}

// The reverse of the coil: entering air 80 °F, W = 0.0112; ADP 50 °F, where
// p_ws = 0.17813 psia (ASHRAE Fundamentals IP, Psychrometrics, table 3, the
// Hyland-Wexler equation) and so W_s = 0.62198 * 0.17813 / (14.696 -
// 0.17813) = 0.0076317 (eq. 22, without the enhancement factor of table 2);
// bypass factor 0.1:
//   t = 50 + 0.1 (80 - 50) = 53 °F, W = 0.0076317 + 0.1 (0.0112 - 0.0076317) = 0.0079885.
TEST(Project, CoilFromApparatusDewPointAndBypassFactor) {
    Project p;
    p.addPointAt(80, 0.0112);
    const QByteArray before = snapshot(p);
    const Added leaving = p.addCoil(0, 50.0, 0.1);
    ASSERT_TRUE(leaving.ok()) << leaving.error.toStdString();
    EXPECT_EQ(p.point(leaving.index).definition.first.input, Input::DryBulb);
    EXPECT_NEAR(p.pointResult(leaving.index).state->Tdb, 53.0, 1e-4);
    EXPECT_NEAR(p.pointResult(leaving.index).state->W, 0.0079885, 2e-6);
    ASSERT_EQ(p.processCount(), 1);
    EXPECT_EQ(p.processResult(0).analysis->kind, processes::ProcessKind::CoolingAndDehumidifying);
    EXPECT_NEAR(p.processResult(0).coil->bypassFactor, 0.1, 1e-3);
    p.undoStack()->undo(); // point and process in one step
    EXPECT_EQ(snapshot(p), before);
    EXPECT_FALSE(p.addCoil(0, 90.0, 0.1).ok()); // ADP above the entering air
    EXPECT_FALSE(p.addCoil(0, 50.0, 1.0).ok());
}

// Mixing 1000 cfm at 95 °F, W = 0.0142 with 3000 cfm at 75 °F, W = 0.0093,
// 14.696 psia. By hand (ASHRAE Fundamentals IP, eqs. 28 and 32, and the
// mixing balances of the chapter):
//   v1 = 14.3025, v2 = 13.6806 ft³/lb; m1 = 4195.1, m2 = 13157.3 lb/h
//   m1 / m3 = 0.24176; W3 = 0.0104846
//   h1 = 38.4652, h2 = 28.1770, h3 = 30.6642 Btu/lb
//   t3 = (h3 - 1061 W3) / (0.240 + 0.444 W3) = 79.868 °F
//   airflow of the mixture m3 v3 / 60 = 17352.4 * 13.8310 / 60 = 4000.0 cfm.
TEST(Project, MixingAgainstAHandCalculation) {
    Project p;
    p.addPointAt(95, 0.0142);
    p.addPointAt(75, 0.0093);
    EXPECT_FALSE(p.addMixing(0, 1).ok()); // no airflows
    p.setAirflow(0, Airflow{1000, AirflowUnit::Cfm});
    p.setAirflow(1, Airflow{3000, AirflowUnit::Cfm});
    const Added m = p.addMixing(0, 1);
    ASSERT_TRUE(m.ok()) << m.error.toStdString();
    const CalcState& s = *p.pointResult(m.index).state;
    EXPECT_NEAR(s.Tdb, 79.868, 0.01);
    EXPECT_NEAR(s.W, 0.0104846, 2e-6);
    EXPECT_NEAR(p.point(m.index).airflow->value, 4000.0, 1.0);
    EXPECT_EQ(p.point(m.index).airflow->unit, AirflowUnit::Cfm);
    ASSERT_EQ(p.mixingCount(), 1);
    EXPECT_NEAR(p.mixing(0).firstStreamShare, 0.24176, 2e-5);
    EXPECT_EQ(p.mixing(0).resultId, p.point(m.index).id);
}

TEST(Project, ZonesAndComfortPerPoint) {
    Project p;
    p.addPointAt(75, 0.0093);  // 24 °C, about 50 %: comfortable in summer clothing
    p.addPointAt(100, 0.0093); // hot
    ZoneSettings z;
    z.comfortShown = true;
    z.dataRoomShown = true;
    z.userZones.push_back({QStringLiteral("Office"), {}, true});
    z.userZones.back().limits.maxDryBulbF = 80.0;
    EXPECT_TRUE(p.setZoneSettings(z).isEmpty());
    ASSERT_EQ(p.pointResult(0).zones.size(), 3u);
    EXPECT_TRUE(p.pointResult(0).zones[0].inside); // comfort
    EXPECT_FALSE(p.pointResult(1).zones[0].inside);
    EXPECT_TRUE(p.pointResult(0).zones[2].inside); // office
    EXPECT_FALSE(p.pointResult(1).zones[2].inside);
    ASSERT_TRUE(p.pointResult(0).comfort);
    EXPECT_LT(std::abs(p.pointResult(0).comfort->pmv), 0.5);
    EXPECT_FALSE(p.pointResult(1).comfortMessage.isEmpty()); // outside the PMV model
    // Winter clothing warms the same air.
    const double summer = p.pointResult(0).comfort->pmv;
    z.comfort = processes::kWinterComfort;
    p.setZoneSettings(z);
    EXPECT_GT(p.pointResult(0).comfort->pmv, summer + 0.3);
    // Refused: comfort parameters outside the model, a zone without limits.
    ZoneSettings bad = z;
    bad.comfort.metabolicRate = 9.0;
    EXPECT_FALSE(p.setZoneSettings(bad).isEmpty());
    bad = z;
    bad.userZones.back().limits = {};
    EXPECT_FALSE(p.setZoneSettings(bad).isEmpty());
    EXPECT_TRUE(p.zoneSettings() == z);
}

// Each kind of change is one undo step that restores exactly what was there,
// and redo gives the change back.
TEST(Project, EveryChangeUndoesAndRedoes) {
    const auto seed = [](Project& p) {
        p.addPointAt(95, 0.0142);
        p.addPointAt(75, 0.0093);
        p.addPoint({{Input::DewPoint, 50.0}, {Input::Enthalpy, 30.0}});
        p.setAirflow(0, Airflow{1000, AirflowUnit::Cfm});
        p.setAirflow(1, Airflow{3000, AirflowUnit::Cfm});
        p.addProcess(0, 1);
        p.addMixing(0, 1);
    };
    ZoneSettings zones;
    zones.dataRoomShown = true;
    const std::pair<const char*, std::function<void(Project&)>> edits[] = {
        {"add", [](Project& p) { p.addPointAt(60, 0.005); }},
        {"delete with its process and mixture", [](Project& p) { p.deletePoint(0); }},
        {"rename", [](Project& p) { p.renamePoint(1, QStringLiteral("Return")); }},
        {"edit inputs", [](Project& p) { p.setDefinition(2, tw(70, 0.008)); }},
        {"move", [](Project& p) { p.movePoint(1, 72, 0.009); }},
        {"airflow", [](Project& p) { p.setAirflow(0, std::nullopt); }},
        {"add process", [](Project& p) { p.addProcess(1, 2); }},
        {"delete process", [](Project& p) { p.deleteProcess(0); }},
        {"coil", [](Project& p) { p.addCoil(0, 50, 0.1); }},
        {"mixing", [](Project& p) { p.addMixing(1, 0); }},
        {"delete mixture", [](Project& p) { p.deleteMixing(0); }},
        {"zones", [&zones](Project& p) { p.setZoneSettings(zones); }},
        {"unit system",
         [](Project& p) {
             p.setAtmosphere({14.696, UnitSystem::SI});
         }},
        {"pressure",
         [](Project& p) {
             p.setAtmosphere({12.0, UnitSystem::IP});
         }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        Project p;
        seed(p);
        const QByteArray before = snapshot(p);
        const int steps = p.undoStack()->count();
        edit(p);
        const QByteArray after = snapshot(p);
        EXPECT_NE(after, before);
        EXPECT_EQ(p.undoStack()->count(), steps + 1);
        p.undoStack()->undo();
        EXPECT_EQ(snapshot(p), before);
        p.undoStack()->redo();
        EXPECT_EQ(snapshot(p), after);
    }
}

TEST(Project, OneDragIsOneUndoStep) {
    Project p;
    p.addPointAt(75, 0.0093);
    const QByteArray before = snapshot(p);
    const int steps = p.undoStack()->count();
    for (int i = 1; i <= 5; ++i)
        p.movePoint(0, 75 + i, 0.0093 + i * 1e-4);
    p.finishMove();
    EXPECT_EQ(p.undoStack()->count(), steps + 1);
    EXPECT_NEAR(p.pointResult(0).state->Tdb, 80.0, 1e-4);
    p.movePoint(0, 60, 0.005); // a second drag, still going when undone
    EXPECT_EQ(p.undoStack()->count(), steps + 2);
    p.undoStack()->undo();
    EXPECT_NEAR(p.pointResult(0).state->Tdb, 80.0, 1e-4);
    // Moving on after the undo is a step of its own, not folded into the
    // first drag.
    p.movePoint(0, 65, 0.006);
    p.finishMove();
    EXPECT_EQ(p.undoStack()->count(), steps + 2);
    p.undoStack()->undo();
    EXPECT_NEAR(p.pointResult(0).state->Tdb, 80.0, 1e-4);
    p.undoStack()->undo();
    EXPECT_EQ(snapshot(p), before);
}

TEST(Project, UnitSystemChangeKeepsTheAirOfEveryPoint) {
    Project p;
    p.addPoint({{Input::DryBulb, 75.0}, {Input::Enthalpy, 28.0}});
    p.addPoint({{Input::DewPoint, 50.0}, {Input::RelativeHumidity, 0.4}});
    const CalcState a = *p.pointResult(0).state;
    const CalcState b = *p.pointResult(1).state;
    p.setAtmosphere({14.696, UnitSystem::SI});
    EXPECT_NEAR(p.pointResult(0).state->Tdb, a.Tdb, 0.05);
    EXPECT_NEAR(p.pointResult(0).state->W, a.W, 1e-5);
    EXPECT_NEAR(p.pointResult(1).state->Tdb, b.Tdb, 1e-3);
    EXPECT_FALSE(p.setAtmosphere({-1.0, UnitSystem::SI}).isEmpty());
}

// A file's 14.696 psia against the calculator's single-precision 14.696f
// marked the project modified at once: the same float is the same pressure.
TEST(Project, CalculatorPressureEqualAtSinglePrecisionIsNoChange) {
    for (const double filePsia : {14.696, 12.23, 10.1234567}) {
        SCOPED_TRACE(filePsia);
        Project p;
        p.replace({{filePsia, UnitSystem::IP}, {}, {}, {}, {}});
        p.addPointAt(75, 0.01);
        const int steps = p.undoStack()->count();
        const double calculator = static_cast<double>(static_cast<float>(filePsia));
        EXPECT_TRUE(p.setAtmosphere({calculator, UnitSystem::IP}).isEmpty());
        EXPECT_EQ(p.undoStack()->count(), steps);
        EXPECT_EQ(p.atmosphere().pressurePsia, filePsia); // the file's own number
        // A change of units alone keeps the number too.
        EXPECT_TRUE(p.setAtmosphere({calculator, UnitSystem::SI}).isEmpty());
        EXPECT_EQ(p.undoStack()->count(), steps + 1);
        EXPECT_EQ(p.atmosphere(), (Atmosphere{filePsia, UnitSystem::SI}));
        // The next float is another pressure.
        const double next =
            static_cast<double>(std::nextafter(static_cast<float>(filePsia), 100.0f));
        EXPECT_TRUE(p.setAtmosphere({next, UnitSystem::SI}).isEmpty());
        EXPECT_EQ(p.atmosphere().pressurePsia, next);
    }
}
