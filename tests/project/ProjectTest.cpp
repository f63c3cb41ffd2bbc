// The window's project: each edit one undo step that restores exactly what
// was there, names from the views' QString, the air handler as an edit. What
// the edits compute is the model's (tests/projectcore).

#include "project/Project.h"

#include "projectcore/ProjectFile.h"

#include <cmath>
#include <functional>

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace project;
using processes::Airflow;
using processes::AirflowUnit;

namespace {

PointDefinition tw(double tF, double w) {
    return {{Input::DryBulb, tF}, {Input::HumidityRatio, w}};
}

// Everything a project keeps, as its file has it.
std::string snapshot(const Project& p) {
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
    EXPECT_EQ(SequencePosition("AB"), 27);
    EXPECT_EQ(SequencePosition(SequenceName(400000)), 400000);
    EXPECT_FALSE(SequencePosition("Ab"));
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
    data.points[0].name = "A";
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
    // Whole surrogate pairs and other scripts are names like any other, and
    // come back as they were given.
    const QString other = QString::fromUtf8("Zuluft \xf0\x9f\x8c\xac \xce\xb1");
    EXPECT_TRUE(p.renamePoint(0, QStringLiteral("  ") + other + QChar(0x3000)).isEmpty());
    EXPECT_EQ(p.pointName(0), other);
    EXPECT_EQ(p.point(0).name, "Zuluft \xf0\x9f\x8c\xac \xce\xb1");
    EXPECT_EQ(p.indexOfName(other), 0);
    ZoneSettings zones;
    zones.userZones.push_back({"Office\nEast", {}, true});
    zones.userZones.back().limits.maxDryBulbF = 80.0;
    EXPECT_FALSE(p.setZoneSettings(zones).isEmpty());
}

// A coil is its leaving point and the process to it, one undo step; the
// model's refusal comes back as it was given.
TEST(Project, CoilIsItsPointAndItsProcessInOneStep) {
    Project p;
    p.addPointAt(80, 0.0112);
    const std::string before = snapshot(p);
    const Added leaving = p.addCoil(0, 50.0, 0.1);
    ASSERT_TRUE(leaving.ok()) << leaving.error.toStdString();
    EXPECT_NEAR(p.pointResult(leaving.index).state->Tdb, 53.0, 1e-4);
    ASSERT_EQ(p.processCount(), 1);
    EXPECT_EQ(p.processResult(0).analysis->kind, processes::ProcessKind::CoolingAndDehumidifying);
    p.undoStack()->undo();
    EXPECT_EQ(snapshot(p), before);
    EXPECT_EQ(p.addCoil(3, 50.0, 0.1).error, QStringLiteral("There is no such point."));
    EXPECT_FALSE(p.addCoil(0, 50.0, 1.0).ok());
    EXPECT_EQ(snapshot(p), before);
}

// Each kind of change is one undo step that restores exactly what was there,
// and redo gives the change back.
TEST(Project, EveryChangeUndoesAndRedoes) {
    AirHandlerSetup airHandler;
    airHandler.summer.room = {{Input::DryBulb, 75.0}, {Input::Enthalpy, 28.0}};
    const auto seed = [&airHandler](Project& p) {
        p.addPointAt(95, 0.0142);
        p.addPointAt(75, 0.0093);
        p.addPoint({{Input::DewPoint, 50.0}, {Input::Enthalpy, 30.0}});
        p.setAirflow(0, Airflow{1000, AirflowUnit::Cfm});
        p.setAirflow(1, Airflow{3000, AirflowUnit::Cfm});
        p.addProcess(0, 1);
        p.addMixing(0, 1);
        p.setAirHandler(airHandler);
    };
    ZoneSettings zones;
    zones.dataRoomShown = true;
    AirHandlerSetup warmer = airHandler;
    warmer.summer.supply.dryBulbF = 57.0;
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
        {"air handler", [&warmer](Project& p) { p.setAirHandler(warmer); }},
        {"no air handler", [](Project& p) { p.setAirHandler(std::nullopt); }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        Project p;
        seed(p);
        const std::string before = snapshot(p);
        const int steps = p.undoStack()->count();
        edit(p);
        const std::string after = snapshot(p);
        EXPECT_NE(after, before);
        EXPECT_EQ(p.undoStack()->count(), steps + 1);
        p.undoStack()->undo();
        EXPECT_EQ(snapshot(p), before);
        p.undoStack()->redo();
        EXPECT_EQ(snapshot(p), after);
        // The results follow the data: the air handler's solution too.
        EXPECT_EQ(p.airHandlerResult() != nullptr, p.airHandler().has_value());
        if (p.airHandlerResult()) {
            EXPECT_EQ(p.airHandlerResult()->solution.system, p.atmosphere().system);
        }
    }
}

TEST(Project, OneDragIsOneUndoStep) {
    Project p;
    p.addPointAt(75, 0.0093);
    const std::string before = snapshot(p);
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

// A file's 14.696 psia against the calculator's single-precision 14.696f
// marked the project modified at once: the same float is no undo step.
TEST(Project, CalculatorPressureEqualAtSinglePrecisionIsNoChange) {
    Project p;
    ProjectData data;
    data.atmosphere.pressurePsia = 12.23;
    p.replace(std::move(data));
    p.addPointAt(75, 0.01);
    const int steps = p.undoStack()->count();
    EXPECT_TRUE(p.setAtmosphere({static_cast<double>(12.23f), UnitSystem::IP}).isEmpty());
    EXPECT_EQ(p.undoStack()->count(), steps);
    EXPECT_EQ(p.atmosphere().pressurePsia, 12.23);
    EXPECT_EQ(p.setAtmosphere({-1.0, UnitSystem::IP}),
              QStringLiteral("Atmospheric pressure at or below zero"));
    EXPECT_EQ(p.undoStack()->count(), steps);
}

// The air handler is one edit: set, changed or removed in one undo step,
// with its signal; refused with the reason and nothing changed; solved again
// when the atmosphere changes.
TEST(Project, AirHandlerIsOneEditAndFollowsTheAtmosphere) {
    Project p;
    QSignalSpy changed(&p, &Project::airHandlerChanged);
    EXPECT_FALSE(p.airHandler());
    EXPECT_EQ(p.airHandlerResult(), nullptr);
    ASSERT_TRUE(p.setAirHandler(AirHandlerSetup{}).isEmpty());
    EXPECT_EQ(p.undoStack()->count(), 1);
    EXPECT_EQ(p.undoStack()->text(0), QStringLiteral("Change air handler"));
    EXPECT_EQ(changed.count(), 1);
    ASSERT_NE(p.airHandlerResult(), nullptr);
    EXPECT_TRUE(p.airHandlerResult()->solution.summer.ok());
    const double lbPerHour = p.airHandlerResult()->solution.summer->supplyDryAirLbPerHour;

    // The same setup again is no change; a refused one changes nothing.
    EXPECT_TRUE(p.setAirHandler(AirHandlerSetup{}).isEmpty());
    AirHandlerSetup bad;
    bad.summer.components.push_back(
        airhandler::HeatRecovery{airhandler::Exchanger::Wheel, 1.5, 0.5, std::nullopt});
    EXPECT_EQ(p.setAirHandler(bad),
              QStringLiteral("Summer: Component 4 (Heat-recovery wheel): An effectiveness must "
                             "lie from 0 to 1."));
    EXPECT_EQ(p.undoStack()->count(), 1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(*p.airHandler() == AirHandlerSetup{});

    // Another unit system: solved again, in SI, with the same air.
    ASSERT_TRUE(p.setAtmosphere({14.696, UnitSystem::SI}).isEmpty());
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(p.airHandlerResult()->solution.system, UnitSystem::SI);
    EXPECT_NEAR(p.airHandlerResult()->solution.summer->supplyDryAirLbPerHour, lbPerHour,
                1e-3 * lbPerHour);
    p.undoStack()->undo();
    p.undoStack()->undo();
    EXPECT_FALSE(p.airHandler());
    EXPECT_EQ(p.airHandlerResult(), nullptr);
    EXPECT_EQ(changed.count(), 4);
}
