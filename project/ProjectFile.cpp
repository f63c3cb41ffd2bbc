#include "project/ProjectFile.h"

#include "core/RealAir.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include <QHash>
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

// Whether a point is, through a chain of mixtures, one of its own streams:
// whether Kahn's topological order of the graph from streams to mixtures
// leaves points out. Time linear in the size of the graph.
bool MixturesLoop(const ProjectData& data) {
    QHash<int, int> positions;
    positions.reserve(static_cast<qsizetype>(data.points.size()));
    for (std::size_t i = 0; i < data.points.size(); ++i)
        positions.insert(data.points[i].id, static_cast<int>(i));
    const std::size_t n = data.points.size();
    std::vector<std::vector<int>> madeFrom(n); // stream -> mixtures it enters
    std::vector<int> streamsLeft(n, 0);
    for (const Mixing& m : data.mixings) {
        const int result = positions.value(m.resultId, -1);
        for (const int stream : {m.firstId, m.secondId}) {
            const int from = positions.value(stream, -1);
            if (from < 0 || result < 0)
                continue;
            madeFrom[static_cast<std::size_t>(from)].push_back(result);
            ++streamsLeft[static_cast<std::size_t>(result)];
        }
    }
    std::vector<int> ready;
    for (std::size_t i = 0; i < n; ++i) {
        if (streamsLeft[i] == 0)
            ready.push_back(static_cast<int>(i));
    }
    while (!ready.empty()) {
        const int done = ready.back();
        ready.pop_back();
        for (const int mixture : madeFrom[static_cast<std::size_t>(done)]) {
            if (--streamsLeft[static_cast<std::size_t>(mixture)] == 0)
                ready.push_back(mixture);
        }
    }
    return std::any_of(streamsLeft.begin(), streamsLeft.end(), [](int left) { return left > 0; });
}

// --- Reading ---------------------------------------------------------------------
//
// Every accessor refuses what is missing or of the wrong kind: it records the
// first fault and gives a harmless value, and the reader stops at the next
// check of failed(), so that nothing is built from a fault.

class Reader {
public:
    [[nodiscard]] bool failed() const noexcept { return !error_.isEmpty(); }
    [[nodiscard]] const QString& error() const noexcept { return error_; }

    // `what` is a phrase, or ends in a sentence of a check with its own full
    // stop ("point A: The dry bulb is not a number.").
    void bad(const QString& what) {
        const QString stop = what.endsWith(u'.') ? QString() : QStringLiteral(".");
        fail(QStringLiteral("The project file is damaged: %1%2").arg(what, stop));
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
    bool version(const QJsonObject& root);
    bool points(const QJsonObject& root, ProjectData& data);
    bool processes(const QJsonObject& root, ProjectData& data);
    bool mixings(const QJsonObject& root, ProjectData& data);
    std::optional<ProjectData> project(const QByteArray& bytes);

private:
    QString error_;
    // The lists read so far, for the checks the project's edits apply.
    ProjectIndex index_;
};

std::optional<StatePoint> Reader::point(const QJsonObject& o, int id) {
    StatePoint point;
    point.id = id;
    point.name = text(o, "name").trimmed();
    if (failed())
        return std::nullopt;
    if (auto problem = CheckPointName(point.name, index_)) {
        // Named by its place: the name may be what cannot be shown.
        bad(QStringLiteral("point number %1: %2").arg(id).arg(*problem));
        return std::nullopt;
    }
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

// The file's version: this one's, or a message why the file is not read.
bool Reader::version(const QJsonObject& root) {
    const double version = number(root, "version");
    if (failed())
        return false;
    if (version == kProjectFileVersion)
        return true;
    // A later version that may come: a whole number, told as one. Anything
    // else (a fraction, zero, a negative or huge number) is no version at all.
    constexpr double kLikelyVersions = 1e6;
    if (version == std::floor(version) && version > kProjectFileVersion &&
        version <= kLikelyVersions) {
        fail(QStringLiteral("This project was saved by a newer version of Vaporwright (file "
                            "version %1); this version reads version %2.")
                 .arg(static_cast<int>(version))
                 .arg(kProjectFileVersion));
    } else {
        fail(QStringLiteral("The project file's version is not one Vaporwright reads; this "
                            "version reads version %1.")
                 .arg(kProjectFileVersion));
    }
    return false;
}

bool Reader::points(const QJsonObject& root, ProjectData& data) {
    const QJsonArray list = array(root, "points");
    data.points.reserve(static_cast<std::size_t>(list.size()));
    int id = 1;
    for (const QJsonValue& v : list) {
        auto point = this->point(object(v, QStringLiteral("a point")), id++);
        if (!point)
            return false;
        index_.addPoint(*point, static_cast<int>(data.points.size()));
        data.points.push_back(std::move(*point));
    }
    return !failed();
}

bool Reader::processes(const QJsonObject& root, ProjectData& data) {
    const std::size_t count = data.points.size();
    const auto idAt = [&data](int i) { return data.points[static_cast<std::size_t>(i)].id; };
    for (const QJsonValue& v : array(root, "processes")) {
        const QJsonObject o = object(v, QStringLiteral("a process"));
        const int from = position(o, "from", count);
        const int to = position(o, "to", count);
        if (failed())
            return false;
        const ProcessLink link{idAt(from), idAt(to)};
        if (auto problem = CheckProcess(link, data.points, index_)) {
            bad(QStringLiteral("a process: %1").arg(*problem));
            return false;
        }
        index_.addProcess(link);
        data.processes.push_back(link);
    }
    return !failed();
}

bool Reader::mixings(const QJsonObject& root, ProjectData& data) {
    const std::size_t count = data.points.size();
    const auto idAt = [&data](int i) { return data.points[static_cast<std::size_t>(i)].id; };
    for (const QJsonValue& v : array(root, "mixings")) {
        const QJsonObject o = object(v, QStringLiteral("a mixture"));
        const int first = position(o, "first", count);
        const int second = position(o, "second", count);
        const int result = position(o, "result", count);
        const double share = number(o, "firstStreamShare");
        if (failed())
            return false;
        if (!(share >= 0.0 && share <= 1.0)) {
            bad(QStringLiteral("a mixture's share is outside 0 to 1"));
            return false;
        }
        const Mixing mixing{idAt(first), idAt(second), idAt(result), share};
        if (auto problem = CheckMixing(mixing, data.points, index_)) {
            bad(QStringLiteral("a mixture: %1").arg(*problem));
            return false;
        }
        index_.addMixing(mixing);
        data.mixings.push_back(mixing);
    }
    if (failed())
        return false;
    // The project makes every mixture a new point, after its streams: no
    // point can be mixed, through other mixtures, from itself.
    if (MixturesLoop(data)) {
        bad(QStringLiteral("the mixtures form a loop, a point mixed through others from itself"));
        return false;
    }
    return true;
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
    if (!version(root))
        return std::nullopt;

    ProjectData data;
    const auto system = basPsychroFun::UnitSystemOf(text(root, "unitSystem").toStdString());
    if (!system)
        bad(QStringLiteral("the unit system is neither IP nor SI"));
    data.atmosphere.system = system.value_or(UnitSystem::IP);
    data.atmosphere.pressurePsia = number(root, "pressurePsia");
    const auto single = basPsychroFun::units::ToSingle(data.atmosphere.pressurePsia);
    if (!single || calculator::CheckPressure(*single))
        bad(QStringLiteral("the atmospheric pressure is out of range"));
    if (failed() || !points(root, data) || !processes(root, data) || !mixings(root, data))
        return std::nullopt;
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
    ProjectIndex index;
    index.rebuildPoints(data.points);
    const auto positionOf = [&index](int id) { return index.positionOfId(id); };
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
