#include "project/ProjectFile.h"

#include "core/RealAir.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace project {

using processes::AirflowUnit;
using processes::ZoneLimits;

namespace {

constexpr std::array<std::pair<AirflowUnit, const char*>, 4> kAirflowUnits{{
    {AirflowUnit::Cfm, "cfm"},
    {AirflowUnit::LitresPerSecond, "L/s"},
    {AirflowUnit::CubicMetresPerSecond, "m3/s"},
    {AirflowUnit::CubicMetresPerHour, "m3/h"},
}};

// The optional limits of a user zone under their keys.
using LimitMember = std::optional<double> ZoneLimits::*;
constexpr std::array<std::pair<LimitMember, const char*>, 8> kLimits{{
    {&ZoneLimits::minDryBulbF, "minDryBulbF"},
    {&ZoneLimits::maxDryBulbF, "maxDryBulbF"},
    {&ZoneLimits::minHumidityRatio, "minHumidityRatio"},
    {&ZoneLimits::maxHumidityRatio, "maxHumidityRatio"},
    {&ZoneLimits::minRelativeHumidity, "minRelativeHumidity"},
    {&ZoneLimits::maxRelativeHumidity, "maxRelativeHumidity"},
    {&ZoneLimits::minDewPointF, "minDewPointF"},
    {&ZoneLimits::maxDewPointF, "maxDewPointF"},
}};

// --- Reading ---------------------------------------------------------------------
//
// Every accessor refuses what is missing or of the wrong kind: it records the
// first fault and gives a harmless value, and the reader stops at the next
// check of failed(), so that nothing is built from a fault.

class Reader {
public:
    [[nodiscard]] bool failed() const noexcept { return !error_.isEmpty(); }
    [[nodiscard]] const QString& error() const noexcept { return error_; }

    void bad(const QString& what) {
        fail(QStringLiteral("The project file is damaged: %1.").arg(what));
    }
    // A message of its own, not a kind of damage.
    void fail(const QString& message) {
        if (error_.isEmpty())
            error_ = message;
    }

    QJsonValue member(const QJsonObject& o, const char* key) {
        const QJsonValue v = o.value(QLatin1String(key));
        if (v.isUndefined())
            bad(QStringLiteral("\"%1\" is missing").arg(QLatin1String(key)));
        return v;
    }
    double number(const QJsonObject& o, const char* key) {
        const QJsonValue v = member(o, key);
        if (!v.isDouble() || !std::isfinite(v.toDouble())) {
            bad(QStringLiteral("\"%1\" is not a number").arg(QLatin1String(key)));
            return 0.0;
        }
        return v.toDouble();
    }
    bool boolean(const QJsonObject& o, const char* key) {
        const QJsonValue v = member(o, key);
        if (!v.isBool())
            bad(QStringLiteral("\"%1\" is not true or false").arg(QLatin1String(key)));
        return v.toBool();
    }
    QString text(const QJsonObject& o, const char* key) {
        const QJsonValue v = member(o, key);
        if (!v.isString())
            bad(QStringLiteral("\"%1\" is not a text").arg(QLatin1String(key)));
        return v.toString();
    }
    QJsonArray array(const QJsonObject& o, const char* key) {
        const QJsonValue v = member(o, key);
        if (!v.isArray())
            bad(QStringLiteral("\"%1\" is not a list").arg(QLatin1String(key)));
        return v.toArray();
    }
    QJsonObject object(const QJsonValue& v, const QString& what) {
        if (!v.isObject())
            bad(QStringLiteral("%1 is not an object").arg(what));
        return v.toObject();
    }
    // A position in a list of `count`, given as a whole number; -1 when not.
    int position(const QJsonObject& o, const char* key, std::size_t count) {
        const double v = number(o, key);
        if (failed() || v != std::floor(v) || v < 0 || v >= static_cast<double>(count)) {
            bad(QStringLiteral("\"%1\" refers to a point that is not there")
                    .arg(QLatin1String(key)));
            return -1;
        }
        return static_cast<int>(v);
    }

    std::optional<StatePoint> point(const QJsonObject& o, int id);
    ZoneSettings zones(const QJsonObject& o);
    std::optional<ProjectData> project(const QByteArray& bytes);

private:
    QString error_;
};

std::optional<StatePoint> Reader::point(const QJsonObject& o, int id) {
    StatePoint point;
    point.id = id;
    point.name = text(o, "name").trimmed();
    if (point.name.isEmpty())
        bad(QStringLiteral("a point has no name"));
    const QJsonArray inputs = array(o, "inputs");
    if (failed())
        return std::nullopt;
    if (inputs.size() != 2) {
        bad(QStringLiteral("point %1 does not have two inputs").arg(point.name));
        return std::nullopt;
    }
    std::array<InputValue, 2> values;
    for (qsizetype i = 0; i < 2; ++i) {
        const QJsonObject input = object(inputs[i], QStringLiteral("an input"));
        const auto kind = InputFromKey(text(input, "property"));
        if (!kind)
            bad(QStringLiteral("point %1 has an unknown input").arg(point.name));
        const double value = number(input, "value");
        if (failed())
            return std::nullopt;
        values[static_cast<std::size_t>(i)] = {*kind, value};
    }
    point.definition = {values[0], values[1]};
    if (auto problem = CheckDefinition(point.definition)) {
        bad(QStringLiteral("point %1: %2").arg(point.name, *problem));
        return std::nullopt;
    }
    const QJsonValue airflow = o.value(QLatin1String("airflow"));
    if (!airflow.isUndefined()) {
        const QJsonObject a = object(airflow, QStringLiteral("an airflow"));
        const QString unit = text(a, "unit");
        const double value = number(a, "value");
        const auto found = std::find_if(kAirflowUnits.begin(), kAirflowUnits.end(),
                                        [&unit](const auto& u) { return unit == u.second; });
        if (found == kAirflowUnits.end())
            bad(QStringLiteral("point %1 has an unknown airflow unit").arg(point.name));
        if (failed())
            return std::nullopt;
        point.airflow = processes::Airflow{value, found->first};
    }
    return point;
}

ZoneSettings Reader::zones(const QJsonObject& o) {
    ZoneSettings zones;
    zones.comfortShown = boolean(o, "comfortShown");
    zones.comfort = {number(o, "metabolicRate"), number(o, "clothing"), number(o, "airSpeed")};
    zones.dataRoomShown = boolean(o, "dataRoomShown");
    for (const QJsonValue& v : array(o, "userZones")) {
        const QJsonObject z = object(v, QStringLiteral("a zone"));
        UserZone zone;
        zone.name = text(z, "name");
        zone.shown = boolean(z, "shown");
        for (const auto& [limit, key] : kLimits) {
            if (z.contains(QLatin1String(key)))
                zone.limits.*limit = number(z, key);
        }
        zones.userZones.push_back(std::move(zone));
    }
    if (!failed()) {
        if (auto problem = CheckZoneSettings(zones))
            bad(*problem);
    }
    return zones;
}

std::optional<ProjectData> Reader::project(const QByteArray& bytes) {
    QJsonParseError parse{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (document.isNull()) {
        fail(QStringLiteral("This is not a project file: %1.").arg(parse.errorString()));
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (!document.isObject() ||
        root.value(QLatin1String("format")).toString() != QLatin1String(kProjectFormat)) {
        fail(QStringLiteral("This is not a Vaporwright project file."));
        return std::nullopt;
    }
    const double version = number(root, "version");
    if (failed())
        return std::nullopt;
    if (version != std::floor(version) || version < 1) {
        bad(QStringLiteral("the version is not a whole number from 1"));
        return std::nullopt;
    }
    if (version > kProjectFileVersion) {
        fail(QStringLiteral("This project was saved by a newer version of Vaporwright (file "
                            "version %1); this version reads version %2.")
                 .arg(version)
                 .arg(kProjectFileVersion));
        return std::nullopt;
    }

    ProjectData data;
    const auto system = basPsychroFun::UnitSystemOf(text(root, "unitSystem").toStdString());
    if (!system)
        bad(QStringLiteral("the unit system is neither IP nor SI"));
    data.atmosphere.system = system.value_or(UnitSystem::IP);
    data.atmosphere.pressurePsia = number(root, "pressurePsia");
    if (calculator::CheckPressure(static_cast<float>(data.atmosphere.pressurePsia)))
        bad(QStringLiteral("the atmospheric pressure is out of range"));

    int id = 1;
    for (const QJsonValue& v : array(root, "points")) {
        auto point = this->point(object(v, QStringLiteral("a point")), id++);
        if (!point)
            return std::nullopt;
        for (const StatePoint& other : data.points) {
            if (other.name == point->name)
                bad(QStringLiteral("two points are named %1").arg(point->name));
        }
        data.points.push_back(std::move(*point));
    }
    if (failed())
        return std::nullopt;
    const std::size_t count = data.points.size();
    const auto idAt = [&data](int i) { return data.points[static_cast<std::size_t>(i)].id; };
    for (const QJsonValue& v : array(root, "processes")) {
        const QJsonObject o = object(v, QStringLiteral("a process"));
        const int from = position(o, "from", count);
        const int to = position(o, "to", count);
        if (failed())
            return std::nullopt;
        if (from == to) {
            bad(QStringLiteral("a process leads from a point to itself"));
            return std::nullopt;
        }
        data.processes.push_back({idAt(from), idAt(to)});
    }
    for (const QJsonValue& v : array(root, "mixings")) {
        const QJsonObject o = object(v, QStringLiteral("a mixture"));
        const int first = position(o, "first", count);
        const int second = position(o, "second", count);
        const int result = position(o, "result", count);
        const double share = number(o, "firstStreamShare");
        if (failed())
            return std::nullopt;
        if (!(share >= 0.0 && share <= 1.0)) {
            bad(QStringLiteral("a mixture's share is outside 0 to 1"));
            return std::nullopt;
        }
        data.mixings.push_back({idAt(first), idAt(second), idAt(result), share});
    }
    data.zones = zones(object(member(root, "zones"), QStringLiteral("\"zones\"")));
    if (failed())
        return std::nullopt;
    return data;
}

// --- Writing --------------------------------------------------------------------

QJsonObject writePoint(const StatePoint& point) {
    QJsonArray inputs;
    for (const InputValue& v : {point.definition.first, point.definition.second})
        inputs.append(QJsonObject{{"property", InputKey(v.input)}, {"value", v.value}});
    QJsonObject o{{"name", point.name}, {"inputs", inputs}};
    if (point.airflow) {
        const auto unit =
            std::find_if(kAirflowUnits.begin(), kAirflowUnits.end(),
                         [&point](const auto& u) { return u.first == point.airflow->unit; });
        o.insert("airflow", QJsonObject{{"value", point.airflow->value},
                                        {"unit", QLatin1String(unit->second)}});
    }
    return o;
}

QJsonObject writeZones(const ZoneSettings& zones) {
    QJsonArray user;
    for (const UserZone& zone : zones.userZones) {
        QJsonObject z{{"name", zone.name}, {"shown", zone.shown}};
        for (const auto& [limit, key] : kLimits) {
            if (zone.limits.*limit)
                z.insert(QLatin1String(key), *(zone.limits.*limit));
        }
        user.append(z);
    }
    return QJsonObject{
        {"comfortShown", zones.comfortShown},   {"metabolicRate", zones.comfort.metabolicRate},
        {"clothing", zones.comfort.clothing},   {"airSpeed", zones.comfort.airSpeed},
        {"dataRoomShown", zones.dataRoomShown}, {"userZones", user}};
}

} // namespace

QByteArray WriteProjectFile(const ProjectData& data) {
    const auto positionOf = [&data](int id) {
        const auto it = std::find_if(data.points.begin(), data.points.end(),
                                     [id](const StatePoint& p) { return p.id == id; });
        return static_cast<int>(it - data.points.begin());
    };
    QJsonArray points;
    for (const StatePoint& point : data.points)
        points.append(writePoint(point));
    QJsonArray processes;
    for (const ProcessLink& link : data.processes)
        processes.append(
            QJsonObject{{"from", positionOf(link.fromId)}, {"to", positionOf(link.toId)}});
    QJsonArray mixings;
    for (const Mixing& m : data.mixings)
        mixings.append(QJsonObject{{"first", positionOf(m.firstId)},
                                   {"second", positionOf(m.secondId)},
                                   {"result", positionOf(m.resultId)},
                                   {"firstStreamShare", m.firstStreamShare}});
    const QJsonObject root{
        {"format", QLatin1String(kProjectFormat)},
        {"version", kProjectFileVersion},
        {"unitSystem", QLatin1String(basPsychroFun::SelectorOf(data.atmosphere.system).data(), 2)},
        {"pressurePsia", data.atmosphere.pressurePsia},
        {"points", points},
        {"processes", processes},
        {"mixings", mixings},
        {"zones", writeZones(data.zones)},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::variant<ProjectData, QString> ReadProjectFile(const QByteArray& bytes) {
    Reader reader;
    if (auto data = reader.project(bytes))
        return std::move(*data);
    return reader.error();
}

} // namespace project
