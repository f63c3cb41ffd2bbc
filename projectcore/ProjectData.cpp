#include "projectcore/ProjectData.h"

#include "processes/ComfortZone.h"
#include "processes/Problem.h"
#include "projectcore/Text.h"

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

// A stream mixed with itself, a process from a point to itself.
i18n::Message sameAir() {
    return {processes::ProblemText(processes::Problem::SameAir), {}};
}

std::string nameOf(const std::vector<StatePoint>& points, const ProjectIndex& index, int id) {
    const int position = index.positionOfId(id);
    return position >= 0 ? points[static_cast<std::size_t>(position)].name : std::string();
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

std::string SequenceName(int n) {
    // Bijective base 26: 0 = A, 25 = Z, 26 = AA.
    std::string name;
    for (int k = n + 1; k > 0; k = (k - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (k - 1) % 26));
    return name;
}

std::optional<int> SequencePosition(std::string_view name) {
    // Six letters reach past 300 million, far beyond any project; more could
    // overflow.
    if (name.empty() || name.size() > 6)
        return std::nullopt;
    int k = 0;
    for (const char c : name) {
        if (c < 'A' || c > 'Z')
            return std::nullopt;
        k = k * 26 + (c - 'A' + 1);
    }
    return k - 1;
}

std::string NextPointName(const ProjectIndex& index, int from) {
    int next = std::max(from, 0);
    while (index.positionOfName(SequenceName(next)) >= 0)
        ++next;
    return SequenceName(next);
}

void ProjectIndex::rebuild(const ProjectData& data) {
    rebuildPoints(data.points);
    processes_.clear();
    processes_.reserve(data.processes.size());
    for (const ProcessLink& link : data.processes)
        addProcess(link);
    mixtures_.clear();
    for (const Mixing& mixing : data.mixings)
        addMixing(mixing);
}

void ProjectIndex::rebuildPoints(const std::vector<StatePoint>& points) {
    ids_.clear();
    names_.clear();
    ids_.reserve(points.size());
    names_.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        addPoint(points[i], static_cast<int>(i));
}

void ProjectIndex::addPoint(const StatePoint& point, int position) {
    ids_.insert_or_assign(point.id, position);
    names_.insert_or_assign(point.name, position);
}

int ProjectIndex::positionOfName(std::string_view name) const {
    const auto it = names_.find(name);
    return it == names_.end() ? -1 : it->second;
}

std::optional<i18n::Message> CheckPointName(std::string_view name, const ProjectIndex& index,
                                            int renamed) {
    using i18n::Argument;
    if (name.empty())
        return i18n::Message{VW_TRANSLATABLE("project::ProjectData", "A point needs a name."), {}};
    if (Utf16Length(name) > kMaxNameLength)
        return i18n::Message{VW_TRANSLATABLE("project::ProjectData",
                                             "A point's name can be at most %1 characters long."),
                             {Argument::Number(std::to_string(kMaxNameLength))}};
    if (HasUnfitCharacter(name))
        return i18n::Message{VW_TRANSLATABLE("project::ProjectData",
                                             "A point's name cannot hold a line break, a tab or "
                                             "another control character."),
                             {}};
    const int other = index.positionOfName(name);
    if (other >= 0 && other != renamed)
        return i18n::Message{
            VW_TRANSLATABLE("project::ProjectData", "There is a point named %1 already."),
            {Argument::Plain(std::string(name))}};
    return std::nullopt;
}

std::optional<i18n::Message> CheckProcess(const ProcessLink& link,
                                          const std::vector<StatePoint>& points,
                                          const ProjectIndex& index) {
    if (link.fromId == link.toId)
        return sameAir();
    if (index.hasProcess(link))
        return i18n::Message{
            VW_TRANSLATABLE("project::ProjectData", "%1 to %2 is a process already."),
            {i18n::Argument::Plain(nameOf(points, index, link.fromId)),
             i18n::Argument::Plain(nameOf(points, index, link.toId))}};
    return std::nullopt;
}

std::optional<i18n::Message> CheckMixing(const Mixing& mixing,
                                         const std::vector<StatePoint>& points,
                                         const ProjectIndex& index) {
    using i18n::Argument;
    if (mixing.firstId == mixing.secondId)
        return sameAir();
    if (mixing.resultId == mixing.firstId || mixing.resultId == mixing.secondId)
        return i18n::Message{
            VW_TRANSLATABLE("project::ProjectData", "Point %1 cannot be mixed from itself."),
            {Argument::Plain(nameOf(points, index, mixing.resultId))}};
    if (index.isMixture(mixing.resultId))
        return i18n::Message{
            VW_TRANSLATABLE("project::ProjectData",
                            "Point %1 is the mixture of two other points already."),
            {Argument::Plain(nameOf(points, index, mixing.resultId))}};
    return std::nullopt;
}

std::optional<i18n::Message> CheckZoneSettings(const ZoneSettings& zones) {
    using i18n::Argument;
    if (const auto problem = processes::CheckComfortParameters(zones.comfort))
        return i18n::Message{VW_TRANSLATABLE("project::ProjectData", "Comfort zone: %1"),
                             {Argument::Translatable(processes::ProblemText(*problem))}};
    for (const UserZone& zone : zones.userZones) {
        if (TrimBlanks(zone.name).empty())
            return i18n::Message{VW_TRANSLATABLE("project::ProjectData", "A zone needs a name."),
                                 {}};
        if (Utf16Length(zone.name) > kMaxNameLength)
            return i18n::Message{
                VW_TRANSLATABLE("project::ProjectData",
                                "A zone's name can be at most %1 characters long."),
                {Argument::Number(std::to_string(kMaxNameLength))}};
        if (HasUnfitCharacter(zone.name))
            return i18n::Message{VW_TRANSLATABLE("project::ProjectData",
                                                 "A zone's name cannot hold a line break, a tab or "
                                                 "another control character."),
                                 {}};
        const auto made = processes::LimitZone::Make(zone.limits);
        if (!made)
            return i18n::Message{VW_TRANSLATABLE("project::ProjectData", "Zone %1: %2"),
                                 {Argument::Plain(zone.name),
                                  Argument::Translatable(processes::ProblemText(made.problem()))}};
    }
    return std::nullopt;
}

std::optional<i18n::Message> CheckAirflow(const std::optional<processes::Airflow>& airflow) {
    if (airflow && !std::isfinite(airflow->value))
        return i18n::Message{
            VW_TRANSLATABLE("project::ProjectData", "The airflow is not a number."), {}};
    return std::nullopt;
}

} // namespace project
