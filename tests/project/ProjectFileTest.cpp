// The project file and the CSV tables: a saved project opens as it was; a
// damaged or newer file is refused with a message and changes nothing.

#include "project/ProjectFile.h"

#include "project/Csv.h"
#include "project/Project.h"

#include <QFile>
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
    z.userZones.push_back({QStringLiteral("Store"), {}, false});
    z.userZones.back().limits.minDewPointF = 20.0;
    z.userZones.back().limits.maxRelativeHumidity = 0.6;
    p.setZoneSettings(z);
}

QString write(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath(QStringLiteral("test.vwproj"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

} // namespace

TEST(ProjectFile, SavedProjectOpensAsItWas) {
    QTemporaryDir dir;
    Project saved;
    fill(saved);
    ASSERT_EQ(saved.pointCount(), 5);
    const QString path = dir.filePath(QStringLiteral("round.vwproj"));
    ASSERT_TRUE(saved.save(path).isEmpty());

    Project opened;
    ASSERT_TRUE(opened.open(path).isEmpty());
    EXPECT_EQ(WriteProjectFile(opened.data()), WriteProjectFile(saved.data()));
    EXPECT_EQ(opened.atmosphere(), saved.atmosphere());
    ASSERT_EQ(opened.pointCount(), saved.pointCount());
    for (int i = 0; i < saved.pointCount(); ++i) {
        EXPECT_EQ(opened.point(i).name, saved.point(i).name);
        EXPECT_EQ(opened.point(i).definition, saved.point(i).definition);
        EXPECT_EQ(opened.pointResult(i).state.has_value(), saved.pointResult(i).state.has_value());
    }
    EXPECT_EQ(opened.mixingCount(), 1);
    EXPECT_EQ(opened.processCount(), 1);
    EXPECT_TRUE(opened.zoneSettings() == saved.zoneSettings());
    EXPECT_EQ(opened.undoStack()->count(), 0);
    // New points still get fresh ids and names.
    EXPECT_TRUE(opened.addPointAt(60, 0.005).ok());
    EXPECT_EQ(opened.point(5).name, "E");
}

TEST(ProjectFile, DamagedOrNewerFileIsRefusedAndChangesNothing) {
    QTemporaryDir dir;
    Project good;
    fill(good);
    const QString valid = QString::fromUtf8(WriteProjectFile(good.data()));
    const auto edited = [&valid](const char* from, const char* to) {
        QString text = valid;
        EXPECT_TRUE(text.contains(QLatin1String(from))) << from;
        return text.replace(QLatin1String(from), QLatin1String(to)).toUtf8();
    };
    const std::pair<const char*, QByteArray> cases[] = {
        {"not JSON", QByteArray("{ \"format\": ")},
        {"a list", QByteArray("[1, 2]")},
        {"another format", edited("\"vaporwright-project\"", "\"spreadsheet\"")},
        {"newer version", edited("\"version\": 1", "\"version\": 2")},
        {"fractional version", edited("\"version\": 1", "\"version\": 1.5")},
        {"wrong type", edited("\"pressurePsia\": 12.23", "\"pressurePsia\": \"12.23\"")},
        {"pressure out of range", edited("\"pressurePsia\": 12.23", "\"pressurePsia\": -3")},
        {"unknown property", edited("\"dewPoint\"", "\"frostPoint\"")},
        {"dew point with humidity ratio", edited("\"enthalpy\"", "\"humidityRatio\"")},
        {"infinite number", edited("\"value\": 50", "\"value\": 1e999")},
        {"missing point", edited("\"to\": 1", "\"to\": 9")},
        {"negative reference", edited("\"to\": 1", "\"to\": -1")},
        {"unit system", edited("\"SI\"", "\"XX\"")},
        {"airflow unit", edited("\"m3/h\"", "\"gpm\"")},
        {"zones missing", edited("\"zones\"", "\"zonez\"")},
        {"zone limit out of range",
         edited("\"maxRelativeHumidity\": 0.6", "\"maxRelativeHumidity\": 1.6")},
    };
    Project current;
    current.addPointAt(70, 0.008);
    current.renamePoint(0, QStringLiteral("Kept"));
    const QByteArray before = WriteProjectFile(current.data());
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const QString message = current.open(write(dir, bytes));
        EXPECT_FALSE(message.isEmpty());
        EXPECT_EQ(WriteProjectFile(current.data()), before);
        EXPECT_EQ(current.undoStack()->count(), 2);
    }
    EXPECT_TRUE(current.open(write(dir, edited("\"version\": 1", "\"version\": 7")))
                    .contains("newer version"));
    EXPECT_FALSE(current.open(dir.filePath(QStringLiteral("absent.vwproj"))).isEmpty());
}

TEST(ProjectFile, CsvTablesHaveUnitsInTheHeaderAndDotDecimals) {
    Project p;
    p.addPoint({{Input::DryBulb, 75.0}, {Input::RelativeHumidity, 0.5}},
               QStringLiteral("Room, east"));
    p.addPointAt(55, 0.0089);
    p.setAirflow(0, Airflow{1000, AirflowUnit::Cfm});
    p.addProcess(0, 1);
    const QStringList points = PointsCsv(p).split(QStringLiteral("\r\n"));
    ASSERT_GE(points.size(), 3);
    EXPECT_TRUE(points[0].startsWith(
        QStringLiteral("Point,Dry bulb (°F),Wet bulb (°F),Dew point (°F),Relative humidity (%),")));
    EXPECT_TRUE(points[1].startsWith(QStringLiteral("\"Room, east\",75,")));
    EXPECT_TRUE(points[1].contains(QStringLiteral(",50,"))); // relative humidity, %
    const QStringList loads = ProcessesCsv(p).split(QStringLiteral("\r\n"));
    ASSERT_GE(loads.size(), 2);
    EXPECT_TRUE(loads[0].contains(QStringLiteral("Total (Btu/h)")));
    EXPECT_TRUE(
        loads[1].startsWith(QStringLiteral("\"Room, east\",A,Cooling and dehumidifying,-20,")))
        << loads[1].toStdString();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("points.csv"));
    ASSERT_TRUE(p.exportPointsCsv(path).isEmpty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), PointsCsv(p));
}
