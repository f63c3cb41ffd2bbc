#pragma once

// What a project keeps, apart from what is computed from it: the points and
// their definitions, airflows, the processes and mixtures between them, the
// zone settings, the atmosphere and the air handler. This is what the project
// file holds and what the undo commands move; the results (Model.h) follow
// from it. Text is UTF-8.

#include "processes/Airflow.h"
#include "processes/Comfort.h"
#include "processes/LimitZone.h"
#include "projectcore/AirHandlerSetup.h"
#include "projectcore/Definition.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace project {

struct StatePoint {
    int id = 0; // unique within the project, kept for the point's life
    std::string name;
    PointDefinition definition;
    // The supply or return airflow at this point, taken at its specific
    // volume; none when the point carries no airflow.
    std::optional<processes::Airflow> airflow;
};

// A process from one point to another, analysed for the airflow of the
// entering point.
struct ProcessLink {
    int fromId = 0;
    int toId = 0;
    bool operator==(const ProcessLink&) const = default;
};

// An adiabatic mixture: the point `resultId` was made by mixing `firstId`
// and `secondId`, the first stream being `firstStreamShare` of the dry air
// (the mixture divides the line between them at that share, measured from
// the second point). The share is the one at the time of mixing; the mixed
// point is an ordinary point from then on.
struct Mixing {
    int firstId = 0;
    int secondId = 0;
    int resultId = 0;
    double firstStreamShare = 0.0;
    bool operator==(const Mixing&) const = default;
};

struct UserZone {
    std::string name;
    processes::ZoneLimits limits;
    bool shown = true;
};

struct ZoneSettings {
    bool comfortShown = false;
    processes::ComfortParameters comfort = processes::kSummerComfort;
    bool dataRoomShown = false;
    std::vector<UserZone> userZones;
};

bool operator==(const ZoneSettings& a, const ZoneSettings& b);

struct ProjectData {
    Atmosphere atmosphere;
    std::vector<StatePoint> points;
    std::vector<ProcessLink> processes;
    std::vector<Mixing> mixings;
    ZoneSettings zones;
    // None until the user sets one up (and in every file of version 1).
    std::optional<AirHandlerSetup> airHandler;
};

// Lookups into a project's lists in constant time: points by id and by
// name, processes by their two points, and the points made by mixing. The
// holder of the lists keeps it in step with them (rebuild, or the add
// functions as it appends), so that opening a file of many points and every
// check of an edit take time in proportion to the points, not to their
// square.
class ProjectIndex {
public:
    void rebuild(const ProjectData& data);
    // Only the points' part again (after a point was inserted, removed or renamed).
    void rebuildPoints(const std::vector<StatePoint>& points);
    // The point appended at `position`, the process or mixture added.
    void addPoint(const StatePoint& point, int position);
    void addProcess(const ProcessLink& link) { ++processes_[key(link)]; }
    void removeProcess(const ProcessLink& link) { drop(processes_, key(link)); }
    void addMixing(const Mixing& mixing) { ++mixtures_[mixing.resultId]; }
    void removeMixing(const Mixing& mixing) { drop(mixtures_, mixing.resultId); }

    // The position of the point, -1 when there is none.
    [[nodiscard]] int positionOfId(int id) const {
        const auto it = ids_.find(id);
        return it == ids_.end() ? -1 : it->second;
    }
    [[nodiscard]] int positionOfName(std::string_view name) const;
    [[nodiscard]] bool hasProcess(const ProcessLink& link) const {
        return processes_.contains(key(link));
    }
    // Whether the point is the result of a mixture.
    [[nodiscard]] bool isMixture(int pointId) const { return mixtures_.contains(pointId); }

private:
    static std::uint64_t key(const ProcessLink& link) {
        return (std::uint64_t{static_cast<std::uint32_t>(link.fromId)} << 32) |
               static_cast<std::uint32_t>(link.toId);
    }
    template <typename Key>
    static void drop(std::unordered_map<Key, int>& counts, const Key& key) {
        const auto it = counts.find(key);
        if (it != counts.end() && --it->second <= 0)
            counts.erase(it);
    }

    // Names looked up by their text without a copy of it.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const noexcept {
            return std::hash<std::string_view>{}(name);
        }
    };

    std::unordered_map<int, int> ids_;
    std::unordered_map<std::string, int, NameHash, std::equal_to<>> names_;
    // How many processes, mixtures have each key: lists a caller handed to
    // Project::replace unchecked may hold one twice.
    std::unordered_map<std::uint64_t, int> processes_;
    std::unordered_map<int, int> mixtures_;
};

// --- The rules of a project's contents -----------------------------------------
//
// The edits of a Project (Project.h) and the reading of a project file apply
// the same checks, so that a file can hold nothing the window would refuse.
// Each gives the reason as a sentence, nothing when the change may be made.

// The longest name of a point or a zone, in UTF-16 code units (Text.h):
// names are labels on the chart, and a label of millions of characters would
// take seconds to draw at every repaint.
inline constexpr std::size_t kMaxNameLength = 256;

// A point's name, already trimmed of blanks: not empty, at most
// kMaxNameLength long, without a control character (a line break, a tab,
// NUL, ...) or anything that is not UTF-8 (half of a UTF-16 surrogate pair,
// which no file or table keeps), and no other point's. `renamed` is the position of the point being
// renamed, whose own name is no clash; -1 for a new point.
std::optional<i18n::Message> CheckPointName(std::string_view name, const ProjectIndex& index,
                                            int renamed = -1);

// A process between two points of `points`: not from a point to itself, and
// not a second one between the same two points in the same direction (its
// loads would count twice).
std::optional<i18n::Message> CheckProcess(const ProcessLink& link,
                                          const std::vector<StatePoint>& points,
                                          const ProjectIndex& index);

// A mixture among `points`: two different streams, and a result that is
// neither of them nor the result of another mixture (a mixture always makes
// a point of its own). The result need not be in `points` yet: a mixture
// being made adds its point with it.
std::optional<i18n::Message>
CheckMixing(const Mixing& mixing, const std::vector<StatePoint>& points, const ProjectIndex& index);

// The label of position n of the naming sequence: A to Z, then AA, AB, ...
std::string SequenceName(int n);
// The position of a label of that sequence; nothing for any other name.
std::optional<int> SequencePosition(std::string_view name);
// The first label of the sequence from position `from` on that no point has.
std::string NextPointName(const ProjectIndex& index, int from = 0);

// Why the zone settings cannot be used, nothing when they can: comfort
// parameters outside the PMV model, a user zone without a name, with one
// longer than kMaxNameLength or holding a control character, or whose limits
// LimitZone refuses.
std::optional<i18n::Message> CheckZoneSettings(const ZoneSettings& zones);

// Why an airflow cannot be stored: a value that is not a finite number. (A
// zero or negative airflow is kept and shown with a message.)
std::optional<i18n::Message> CheckAirflow(const std::optional<processes::Airflow>& airflow);

} // namespace project
