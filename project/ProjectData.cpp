#include "project/ProjectData.h"

#include "processes/ComfortZone.h"

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
    if (name.isEmpty() || name.size() > 4)
        return std::nullopt;
    int k = 0;
    for (const QChar c : name) {
        if (c < u'A' || c > u'Z')
            return std::nullopt;
        k = k * 26 + (c.unicode() - u'A' + 1);
    }
    return k - 1;
}

QString NextPointName(const std::vector<StatePoint>& points) {
    int next = 0;
    for (const StatePoint& p : points) {
        if (const auto position = SequencePosition(p.name))
            next = std::max(next, *position + 1);
    }
    const auto taken = [&points](const QString& name) {
        return std::any_of(points.begin(), points.end(),
                           [&name](const StatePoint& p) { return p.name == name; });
    };
    while (taken(SequenceName(next)))
        ++next;
    return SequenceName(next);
}

std::optional<QString> CheckZoneSettings(const ZoneSettings& zones) {
    if (const auto problem = processes::CheckComfortParameters(zones.comfort))
        return QStringLiteral("Comfort zone: %1")
            .arg(QString::fromUtf8(processes::Describe(*problem)));
    for (const UserZone& zone : zones.userZones) {
        if (zone.name.trimmed().isEmpty())
            return QStringLiteral("A zone needs a name.");
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
