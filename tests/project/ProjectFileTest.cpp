// The window's project and its file: a saved project opens as it was; a
// damaged file changes nothing; the tables are written where asked; and what
// this version writes for a project without an air handler, the previous
// release (Qt's JSON reader) reads to the same numbers.

#include "project/ProjectFile.h"

#include "project/Project.h"
#include "projectcore/Csv.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace project;
using processes::Airflow;
using processes::AirflowUnit;

namespace {

void fill(Project& p) {
    p.setAtmosphere({12.23, UnitSystem::SI});
    p.addPointAt(95, 0.0142);
    p.addPoint({{Input::DryBulb, 75.0}, {Input::RelativeHumidity, 0.5}},
               QStringLiteral("Room, east"));
    p.addPoint({{Input::DewPoint, 50.0}, {Input::Enthalpy, 30.0}});
    p.addPoint({{Input::DryBulb, 70.0}, {Input::RelativeHumidity, 1.5}}); // no air
    p.setAirflow(0, Airflow{0.5, AirflowUnit::CubicMetresPerSecond});
    p.setAirflow(1, Airflow{1500, AirflowUnit::CubicMetresPerHour});
    p.addProcess(0, 1);
    p.addMixing(0, 1);
    ZoneSettings z;
    z.comfortShown = true;
    z.comfort = processes::kWinterComfort;
    z.userZones.push_back({"Store", {}, false});
    z.userZones.back().limits.minDewPointF = 20.0;
    z.userZones.back().limits.maxRelativeHumidity = 0.6;
    p.setZoneSettings(z);
}

QString write(const QTemporaryDir& dir, const std::string& bytes) {
    const QString path = dir.filePath(QStringLiteral("test.vwproj"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace

TEST(ProjectFile, SavedProjectOpensAsItWas) {
    QTemporaryDir dir;
    Project saved;
    fill(saved);
    saved.setAirHandler(AirHandlerSetup{});
    ASSERT_EQ(saved.pointCount(), 5);
    const QString path = dir.filePath(QStringLiteral("round.vwproj"));
    ASSERT_TRUE(saved.save(path).isEmpty());

    Project opened;
    ASSERT_TRUE(opened.open(path).isEmpty());
    EXPECT_EQ(WriteProjectFile(opened.data()), WriteProjectFile(saved.data()));
    EXPECT_EQ(opened.atmosphere(), saved.atmosphere());
    ASSERT_EQ(opened.pointCount(), saved.pointCount());
    for (int i = 0; i < saved.pointCount(); ++i)
        EXPECT_EQ(opened.pointResult(i).state.has_value(), saved.pointResult(i).state.has_value());
    ASSERT_NE(opened.airHandlerResult(), nullptr);
    EXPECT_EQ(opened.airHandlerResult()->solution.summer->supplyDryAirLbPerHour,
              saved.airHandlerResult()->solution.summer->supplyDryAirLbPerHour);
    EXPECT_EQ(opened.undoStack()->count(), 0);
    // New points still get fresh ids and names.
    EXPECT_TRUE(opened.addPointAt(60, 0.005).ok());
    EXPECT_EQ(opened.pointName(5), QStringLiteral("E"));
    // The entry point on Qt's bytes reads the same.
    const auto read = ReadProjectFile(readAll(path));
    ASSERT_TRUE(std::holds_alternative<ProjectData>(read));
    EXPECT_EQ(WriteProjectFile(std::get<ProjectData>(read)), WriteProjectFile(saved.data()));
}

TEST(ProjectFile, DamagedFileChangesNothing) {
    QTemporaryDir dir;
    Project good;
    fill(good);
    const std::string valid = WriteProjectFile(good.data());
    Project current;
    current.addPointAt(70, 0.008);
    current.renamePoint(0, QStringLiteral("Kept"));
    const std::string before = WriteProjectFile(current.data());
    const std::string damaged[] = {
        valid.substr(0, valid.size() / 2),
        std::string(valid).replace(valid.find("\"version\": 1"), 12, "\"version\": 7"),
        std::string(valid).replace(valid.find("\"SI\""), 4, "\"XX\""),
    };
    for (const std::string& bytes : damaged) {
        const QString message = current.open(write(dir, bytes));
        EXPECT_FALSE(message.isEmpty());
        EXPECT_EQ(std::get<QString>(ReadProjectFile(QByteArray::fromStdString(bytes))), message);
        EXPECT_EQ(WriteProjectFile(current.data()), before);
        EXPECT_EQ(current.undoStack()->count(), 2);
    }
    EXPECT_EQ(current.open(dir.path()), dir.path() + QStringLiteral(" is not a file."));
    const QString absent = dir.filePath(QStringLiteral("absent.vwproj"));
    EXPECT_EQ(current.open(absent),
              QStringLiteral("Cannot open %1: No such file or directory").arg(absent));
    EXPECT_EQ(WriteProjectFile(current.data()), before);
}

// The previous release read its files with Qt's JSON parser: a project
// without an air handler, written now, is a file of version 1 whose every
// number that parser reads as the very double written.
TEST(ProjectFile, FileWithoutAnAirHandlerIsOneThePreviousReleaseReads) {
    Project p;
    fill(p);
    const std::string bytes = WriteProjectFile(p.data());
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(bytes), &error);
    ASSERT_FALSE(document.isNull()) << error.errorString().toStdString();
    const QJsonObject root = document.object();
    EXPECT_EQ(root.value(QStringLiteral("version")).toInt(), 1);
    EXPECT_FALSE(root.contains(QStringLiteral("airHandler")));
    EXPECT_EQ(root.value(QStringLiteral("pressurePsia")).toDouble(), 12.23);
    const QJsonArray points = root.value(QStringLiteral("points")).toArray();
    ASSERT_EQ(points.size(), p.pointCount());
    for (int i = 0; i < p.pointCount(); ++i) {
        const QJsonObject point = points[i].toObject();
        EXPECT_EQ(point.value(QStringLiteral("name")).toString(), p.pointName(i));
        const QJsonArray inputs = point.value(QStringLiteral("inputs")).toArray();
        EXPECT_EQ(inputs[0].toObject().value(QStringLiteral("value")).toDouble(),
                  p.point(i).definition.first.value);
        EXPECT_EQ(inputs[1].toObject().value(QStringLiteral("value")).toDouble(),
                  p.point(i).definition.second.value);
    }
    EXPECT_EQ(root.value(QStringLiteral("mixings"))
                  .toArray()[0]
                  .toObject()
                  .value(QStringLiteral("firstStreamShare"))
                  .toDouble(),
              p.mixing(0).firstStreamShare);
}

TEST(ProjectFile, TablesAreWrittenWhereAsked) {
    QTemporaryDir dir;
    Project p;
    fill(p);
    const auto exported = [&dir](const QString& error, const char* name) {
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return readAll(dir.filePath(QString::fromLatin1(name))).toStdString();
    };
    const QString points = dir.filePath(QStringLiteral("points.csv"));
    EXPECT_EQ(exported(p.exportPointsCsv(points), "points.csv"), PointsCsv(p.model()));
    const QString processes = dir.filePath(QStringLiteral("processes.csv"));
    EXPECT_EQ(exported(p.exportProcessesCsv(processes), "processes.csv"), ProcessesCsv(p.model()));
    const QString mixtures = dir.filePath(QStringLiteral("mixtures.csv"));
    EXPECT_EQ(exported(p.exportMixturesCsv(mixtures), "mixtures.csv"), MixturesCsv(p.model()));
    const QString rollup = dir.filePath(QStringLiteral("rollup.csv"));
    EXPECT_EQ(p.exportAirHandlerRollupCsv(rollup),
              QStringLiteral("The project has no air handler."));
    EXPECT_FALSE(QFile::exists(rollup));
    p.setAirHandler(AirHandlerSetup{});
    EXPECT_EQ(exported(p.exportAirHandlerRollupCsv(rollup), "rollup.csv"),
              *AirHandlerRollupCsv(p.model()));
    EXPECT_FALSE(p.exportPointsCsv(dir.filePath(QStringLiteral("no/such/folder.csv"))).isEmpty());
}

// Reading scanned every earlier point for a clash of names. The lookups that
// replaced the scans have to stay in step with the lists after edits that
// move positions, and after undo.
TEST(ProjectFile, LookupsStayInStepThroughEditsAndUndo) {
    constexpr int kPoints = 300;
    ProjectData data;
    for (int i = 0; i < kPoints; ++i)
        data.points.push_back({i + 1,
                               std::string(1, 'P').append(std::to_string(i)), // -Wrestrict at -O3
                               {{Input::DryBulb, 60.0 + i % 30}, {Input::HumidityRatio, 0.008}},
                               Airflow{1000, AirflowUnit::Cfm}});
    for (int i = 0; i + 1 < kPoints; ++i)
        data.processes.push_back({i + 1, i + 2});
    for (int i = 0; i + 2 < kPoints; i += 3)
        data.mixings.push_back({i + 1, i + 2, i + 3, 0.5});
    const std::string bytes = WriteProjectFile(data);
    Project p;
    p.replace(std::move(data));
    EXPECT_EQ(p.addProcess(kPoints - 2, kPoints - 1).error,
              QStringLiteral("P%1 to P%2 is a process already.").arg(kPoints - 2).arg(kPoints - 1));
    p.deletePoint(1); // with two processes and its mixture
    EXPECT_EQ(p.indexOfName(QStringLiteral("P2")), 1);
    EXPECT_EQ(p.indexOfName(QStringLiteral("P1")), -1);
    EXPECT_TRUE(p.renamePoint(0, QStringLiteral("P1")).isEmpty()); // free now
    p.undoStack()->undo();
    p.undoStack()->undo();
    EXPECT_EQ(WriteProjectFile(p.data()), bytes);
    EXPECT_EQ(p.indexOfName(QStringLiteral("P1")), 1);
    EXPECT_FALSE(p.addProcess(0, 1).ok());
}
