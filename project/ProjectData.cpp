#include "project/ProjectData.h"

#include "processes/ComfortZone.h"
#include "processes/Problem.h"

#include <algorithm>
#include <cmath>

namespace project {

namespace {

bool sameComfort(const processes::ComfortParameters& a, const processes::ComfortParameters& b) {
    return a.metabolicRate == b.metabolicRate && a.clothing == b.clothing &&
           a.airSpeed == b.airSpeed;
}

bool sameLimits(const processes::ZoneLimits& a, const processes::ZoneLimits& b) {
    return a.minDryBulbF == b.minDryBulbF && a.maxDryBulbF == b.maxDryBulbF &&
           a.minHumidityRatio == b.minHumidityRatio && a.maxHumidityRatio == b.maxHumidityRatio &&
           a.minRelativeHumidity == b.minRelativeHumidity &&
           a.maxRelativeHumidity == b.maxRelativeHumidity && a.minDewPointF == b.minDewPointF &&
           a.maxDewPointF == b.maxDewPointF;
}

// Whether a name holds a character no name should: a control character
// (C0, DEL, C1) or a surrogate without its pair.
bool hasUnfitCharacter(QStringView name) {
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c.category() == QChar::Other_Control)
            return true;
        if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return true;
    }
    return false;
}

QString nameOf(const std::vector<StatePoint>& points, const ProjectIndex& index, int id) {
    const int position = index.positionOfId(id);
    return position >= 0 ? points[static_cast<std::size_t>(position)].name : QString();
}

} // namespace

bool operator==(const ZoneSettings& a, const ZoneSettings& b) {
    if (a.comfortShown != b.comfortShown || !sameComfort(a.comfort, b.comfort) ||
        a.dataRoomShown != b.dataRoomShown || a.userZones.size() != b.userZones.size())
        return false;
    for (std::size_t i = 0; i < a.userZones.size(); ++i) {
        const UserZone& x = a.userZones[i];
        const UserZone& y = b.userZones[i];
        if (x.name != y.name || x.shown != y.shown || !sameLimits(x.limits, y.limits))
            return false;
    }
    return true;
}

QString SequenceName(int n) {
    // Bijective base 26: 0 = A, 25 = Z, 26 = AA.
    QString name;
    for (int k = n + 1; k > 0; k = (k - 1) / 26)
        name.prepend(QChar(u'A' + (k - 1) % 26));
    return name;
}

std::optional<int> SequencePosition(const QString& name) {
    // Six letters reach past 300 million, far beyond any project; more could
    // overflow.
    if (name.isEmpty() || name.size() > 6)
        return std::nullopt;
    int k = 0;
    for (const QChar c : name) {
        if (c < u'A' || c > u'Z')
            return std::nullopt;
        k = k * 26 + (c.unicode() - u'A' + 1);
    }
    return k - 1;
}

QString NextPointName(const ProjectIndex& index, int from) {
    int next = std::max(from, 0);
    while (index.positionOfName(SequenceName(next)) >= 0)
        ++next;
    return SequenceName(next);
}

void ProjectIndex::rebuild(const ProjectData& data) {
    rebuildPoints(data.points);
    processes_.clear();
    processes_.reserve(static_cast<qsizetype>(data.processes.size()));
    for (const ProcessLink& link : data.processes)
        addProcess(link);
    mixtures_.clear();
    for (const Mixing& mixing : data.mixings)
        addMixing(mixing);
}

void ProjectIndex::rebuildPoints(const std::vector<StatePoint>& points) {
    ids_.clear();
    names_.clear();
    ids_.reserve(static_cast<qsizetype>(points.size()));
    names_.reserve(static_cast<qsizetype>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        addPoint(points[i], static_cast<int>(i));
}

void ProjectIndex::addPoint(const StatePoint& point, int position) {
    ids_.insert(point.id, position);
    names_.insert(point.name, position);
}

std::optional<QString> CheckPointName(const QString& name, const ProjectIndex& index, int renamed) {
    if (name.isEmpty())
        return QStringLiteral("A point needs a name.");
    if (name.size() > kMaxNameLength)
        return QStringLiteral("A point's name can be at most %1 characters long.")
            .arg(kMaxNameLength);
    if (hasUnfitCharacter(name))
        return QStringLiteral(
            "A point's name cannot hold a line break, a tab or another control character.");
    const int other = index.positionOfName(name);
    if (other >= 0 && other != renamed)
        return QStringLiteral("There is a point named %1 already.").arg(name);
    return std::nullopt;
}

std::optional<QString> CheckProcess(const ProcessLink& link, const std::vector<StatePoint>& points,
                                    const ProjectIndex& index) {
    if (link.fromId == link.toId)
        return QString::fromUtf8(processes::Describe(processes::Problem::SameAir));
    if (index.hasProcess(link))
        return QStringLiteral("%1 to %2 is a process already.")
            .arg(nameOf(points, index, link.fromId), nameOf(points, index, link.toId));
    return std::nullopt;
}

std::optional<QString> CheckMixing(const Mixing& mixing, const std::vector<StatePoint>& points,
                                   const ProjectIndex& index) {
    if (mixing.firstId == mixing.secondId)
        return QString::fromUtf8(processes::Describe(processes::Problem::SameAir));
    if (mixing.resultId == mixing.firstId || mixing.resultId == mixing.secondId)
        return QStringLiteral("Point %1 cannot be mixed from itself.")
            .arg(nameOf(points, index, mixing.resultId));
    if (index.isMixture(mixing.resultId))
        return QStringLiteral("Point %1 is the mixture of two other points already.")
            .arg(nameOf(points, index, mixing.resultId));
    return std::nullopt;
}

std::optional<QString> CheckZoneSettings(const ZoneSettings& zones) {
    if (const auto problem = processes::CheckComfortParameters(zones.comfort))
        return QStringLiteral("Comfort zone: %1")
            .arg(QString::fromUtf8(processes::Describe(*problem)));
    for (const UserZone& zone : zones.userZones) {
        if (zone.name.trimmed().isEmpty())
            return QStringLiteral("A zone needs a name.");
        if (zone.name.size() > kMaxNameLength)
            return QStringLiteral("A zone's name can be at most %1 characters long.")
                .arg(kMaxNameLength);
        if (hasUnfitCharacter(zone.name))
            return QStringLiteral(
                "A zone's name cannot hold a line break, a tab or another control character.");
        const auto made = processes::LimitZone::Make(zone.limits);
        if (!made)
            return QStringLiteral("Zone %1: %2")
                .arg(zone.name, QString::fromUtf8(processes::Describe(made.problem())));
    }
    return std::nullopt;
}

std::optional<QString> CheckAirflow(const std::optional<processes::Airflow>& airflow) {
    if (airflow && !std::isfinite(airflow->value))
        return QStringLiteral("The airflow is not a number.");
    return std::nullopt;
}

} // namespace project
