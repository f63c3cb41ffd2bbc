// The project file and the CSV tables: a saved project opens as it was; a
// damaged or newer file is refused with a message and changes nothing.

#include "project/ProjectFile.h"

#include "project/Csv.h"
#include "project/Project.h"

#include <QFile>
#include <QStringList>
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
        {"pressure beyond a float", edited("\"pressurePsia\": 12.23", "\"pressurePsia\": 1e300")},
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
        EXPECT_TRUE(message.endsWith(u'.') && !message.endsWith(QStringLiteral("..")))
            << message.toStdString();
        EXPECT_EQ(WriteProjectFile(current.data()), before);
        EXPECT_EQ(current.undoStack()->count(), 2);
    }
    EXPECT_TRUE(current.open(write(dir, edited("\"version\": 1", "\"version\": 7")))
                    .contains("newer version"));
    EXPECT_FALSE(current.open(dir.filePath(QStringLiteral("absent.vwproj"))).isEmpty());
}

// A link to a device passed the size check (a device has size 0) and was
// read without end: /dev/zero grew memory until the program died. Neither
// it, nor a folder, nor a file over 64 MiB is read.
TEST(ProjectFile, WhatIsNoFileOrTooLargeIsRefusedUnread) {
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("zero.vwproj"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), link));
    const QString large = dir.filePath(QStringLiteral("large.vwproj"));
    QFile file(large);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(64 * 1024 * 1024 + 1));
    file.close();
    Project p;
    p.addPointAt(70, 0.008);
    EXPECT_EQ(p.open(link), link + QStringLiteral(" is not a file."));
    EXPECT_EQ(p.open(dir.path()), dir.path() + QStringLiteral(" is not a file."));
    EXPECT_EQ(p.open(large), large + QStringLiteral(" is too large to be a project file."));
    EXPECT_EQ(p.pointCount(), 1);
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

namespace {

// A project file of `points` (names and the air of each) and the given
// processes and mixings, as JSON text.
QByteArray handWritten(const QStringList& names, const QString& processes, const QString& mixings) {
    QString points;
    for (const QString& name : names) {
        if (!points.isEmpty())
            points += u',';
        points += QStringLiteral(R"({"name": %1, "inputs": [{"property": "dryBulb", "value": 75},
            {"property": "humidityRatio", "value": 0.01}],
            "airflow": {"value": 1000, "unit": "cfm"}})")
                      .arg(name);
    }
    return QStringLiteral(R"({"format": "vaporwright-project", "version": 1, "unitSystem": "IP",
        "pressurePsia": 14.696, "points": [%1], "processes": [%2], "mixings": [%3],
        "zones": {"comfortShown": false, "metabolicRate": 1.1, "clothing": 0.5,
                  "airSpeed": 0.1, "dataRoomShown": false, "userZones": []}})")
        .arg(points, processes, mixings)
        .toUtf8();
}

const QStringList kThree{QStringLiteral("\"A\""), QStringLiteral("\"B\""), QStringLiteral("\"C\"")};

QString mixing(int first, int second, int result) {
    return QStringLiteral(R"({"first": %1, "second": %2, "result": %3, "firstStreamShare": 0.5})")
        .arg(first)
        .arg(second)
        .arg(result);
}

} // namespace

// The reader took what the window refuses: the same process twice (its
// loads then counted twice in the CSV), a point mixed with itself or from
// itself, loops of mixtures, names with line breaks or NUL. Each file is
// refused with one message of the window's own rule.
TEST(ProjectFile, FileWithWhatTheWindowRefusesIsRefused) {
    const QString twice = QStringLiteral(R"({"from": 0, "to": 1}, {"from": 0, "to": 1})");
    const struct {
        const char* name;
        QByteArray bytes;
        const char* says;
    } cases[] = {
        {"the same process twice", handWritten(kThree, twice, {}), "A to B is a process already."},
        {"a point mixed with itself", handWritten(kThree, {}, mixing(0, 0, 2)), "same air"},
        {"a mixture that is its own stream", handWritten(kThree, {}, mixing(0, 1, 1)),
         "Point B cannot be mixed from itself."},
        {"a point made by two mixtures",
         handWritten(kThree, {}, mixing(0, 1, 2) + u',' + mixing(1, 0, 2)),
         "Point C is the mixture of two other points already."},
        {"a loop of mixtures",
         handWritten(kThree + QStringList{QStringLiteral("\"D\"")}, {},
                     mixing(0, 1, 2) + u',' + mixing(2, 3, 0)),
         "loop"},
        {"a line break in a name", handWritten({QStringLiteral("\"Supply\\nair\"")}, {}, {}),
         "point number 1: A point's name cannot hold"},
        {"NUL in a name", handWritten({QStringLiteral("\"Supply\\u0000air\"")}, {}, {}),
         "control character"},
        {"a tab in a name", handWritten({QStringLiteral("\"A\\tB\"")}, {}, {}),
         "control character"},
        {"half a surrogate pair", handWritten({QStringLiteral("\"A\\ud800\"")}, {}, {}),
         "control character"},
        {"a name of millions of characters",
         handWritten({u'"' + QString(4'000'000, u'y') + u'"'}, {}, {}), "at most 256 characters"},
        {"two points of one name",
         handWritten({QStringLiteral("\"A\""), QStringLiteral("\" A \"")}, {}, {}),
         "There is a point named A already."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = ReadProjectFile(c.bytes);
        ASSERT_TRUE(std::holds_alternative<QString>(read));
        const QString& message = std::get<QString>(read);
        EXPECT_TRUE(message.startsWith(QStringLiteral("The project file is damaged: ")));
        EXPECT_TRUE(message.contains(QLatin1String(c.says))) << message.toStdString();
        EXPECT_FALSE(message.endsWith(QStringLiteral(".."))) << message.toStdString();
    }
    // What the window makes reads: a process each way, mixtures of mixtures.
    const auto fine = ReadProjectFile(
        handWritten(kThree + QStringList{QStringLiteral("\"D\""), QStringLiteral("\"E\"")},
                    QStringLiteral(R"({"from": 0, "to": 1}, {"from": 1, "to": 0})"),
                    mixing(0, 1, 2) + u',' + mixing(2, 3, 4)));
    ASSERT_TRUE(std::holds_alternative<ProjectData>(fine)) << std::get<QString>(fine).toStdString();
}

// A check's own sentence wrapped in "The project file is damaged: ..."
// ended in "..".
TEST(ProjectFile, RefusalWrappingACheckEndsInOneFullStop) {
    QByteArray bytes = handWritten(kThree, {}, {});
    bytes.replace("\"metabolicRate\": 1.1", "\"metabolicRate\": 9");
    EXPECT_EQ(std::get<QString>(ReadProjectFile(bytes)),
              QStringLiteral("The project file is damaged: Comfort zone: The PMV model takes 0.8 "
                             "to 4 met, 0 to 2 clo and an air speed of 0 to 1 m/s."));
    bytes = handWritten(kThree, {}, {});
    bytes.replace("\"humidityRatio\"", "\"dryBulb\"");
    EXPECT_EQ(std::get<QString>(ReadProjectFile(bytes)),
              QStringLiteral("The project file is damaged: point A: A point needs two different "
                             "properties; dry bulb is given twice."));
}

// A damaged version number printed as "9.0072e+15"; huge, fractional,
// negative and zero versions are no version at all, and say so without the
// number. A whole later version is told as such.
TEST(ProjectFile, VersionThatIsNoVersionIsNotPrintedAsANumber) {
    const QByteArray valid = handWritten(kThree, {}, {});
    for (const char* version : {"9007199254740993", "1e300", "1.5", "-3", "0", "1000001"}) {
        SCOPED_TRACE(version);
        QByteArray bytes = valid;
        bytes.replace("\"version\": 1", QByteArray("\"version\": ") + version);
        const auto read = ReadProjectFile(bytes);
        ASSERT_TRUE(std::holds_alternative<QString>(read));
        EXPECT_EQ(std::get<QString>(read),
                  QStringLiteral("The project file's version is not one Vaporwright reads; this "
                                 "version reads version 1."));
    }
    QByteArray later = valid;
    later.replace("\"version\": 1", "\"version\": 12");
    EXPECT_EQ(std::get<QString>(ReadProjectFile(later)),
              QStringLiteral("This project was saved by a newer version of Vaporwright (file "
                             "version 12); this version reads version 1."));
}

// SI exports gave the dry air in lb/h only; IP exports stay as they were.
TEST(ProjectFile, SiCsvGivesDryAirInKilogramsPerHour) {
    for (const UnitSystem system : {UnitSystem::IP, UnitSystem::SI}) {
        SCOPED_TRACE(static_cast<int>(system));
        Project p;
        p.setAtmosphere({14.696, system});
        p.addPointAt(80, 0.0112);
        p.addPointAt(55, 0.0089);
        p.setAirflow(0, Airflow{1000, AirflowUnit::Cfm});
        p.addProcess(0, 1);
        const double lbPerHour = *p.pointResult(0).dryAirLbPerHour;
        const bool si = system == UnitSystem::SI;
        const QString unit = si ? QStringLiteral("kg/h") : QStringLiteral("lb/h");
        const QString value = QString::number(si ? lbPerHour * 0.45359237 : lbPerHour, 'g', 7);
        const QStringList points = PointsCsv(p).split(QStringLiteral("\r\n"));
        const int column = static_cast<int>(
            points[0].split(u',').indexOf(QStringLiteral("Dry air (%1)").arg(unit)));
        ASSERT_EQ(column, 15) << points[0].toStdString();
        EXPECT_EQ(points[1].split(u',')[column], value);
        const QStringList processes = ProcessesCsv(p).split(QStringLiteral("\r\n"));
        ASSERT_EQ(processes[0].split(u',').indexOf(QStringLiteral("Dry air (%1)").arg(unit)), 7);
        EXPECT_EQ(processes[1].split(u',')[7], value);
    }
}

// Reading scanned every earlier point for a clash of names, a minute for
// 40,000 points (the time is measured in bench/project_bench.cpp). The
// lookups that replaced the scans have to stay in step with the lists:
// after reading, after edits that move positions, and after undo.
TEST(ProjectFile, ManyPointsReadWithLookupsInStep) {
    constexpr int kPoints = 1000;
    ProjectData data;
    for (int i = 0; i < kPoints; ++i)
        data.points.push_back({i + 1,
                               QStringLiteral("P%1").arg(i),
                               {{Input::DryBulb, 60.0 + i % 30}, {Input::HumidityRatio, 0.008}},
                               Airflow{1000, AirflowUnit::Cfm}});
    for (int i = 0; i + 1 < kPoints; ++i)
        data.processes.push_back({i + 1, i + 2});
    for (int i = 0; i + 2 < kPoints; i += 3)
        data.mixings.push_back({i + 1, i + 2, i + 3, 0.5});
    const QByteArray bytes = WriteProjectFile(data);

    auto read = ReadProjectFile(bytes);
    ASSERT_TRUE(std::holds_alternative<ProjectData>(read)) << std::get<QString>(read).toStdString();
    Project p;
    p.replace(std::get<ProjectData>(std::move(read)));
    ASSERT_EQ(p.pointCount(), kPoints);
    for (const int i : {0, 1, kPoints / 2, kPoints - 1}) {
        EXPECT_EQ(p.indexOfName(QStringLiteral("P%1").arg(i)), i);
        EXPECT_EQ(p.indexOfId(p.point(i).id), i);
    }
    EXPECT_TRUE(p.processResult(kPoints - 2).analysis)
        << p.processResult(kPoints - 2).message.toStdString();
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

    // A clash of names at the very end is still found.
    data.points.back().name = QStringLiteral("P0");
    const auto clash = ReadProjectFile(WriteProjectFile(data));
    ASSERT_TRUE(std::holds_alternative<QString>(clash));
    EXPECT_TRUE(
        std::get<QString>(clash).contains(QStringLiteral("There is a point named P0 already.")));
}
