#pragma once

// The state-point project: named points on the chart, each defined by two
// properties and solved by the compute core; their airflows; the processes
// between them with their loads, cooling coils and adiabatic mixtures; the
// zones each point lies in and its thermal comfort. Every change is a step
// on the project's undo stack, and the project reads and writes its own file.
//
// Indices are positions in the lists as they stand; the signals say when
// they move. Results are recomputed at every change, so the getters are
// cheap and never stale.

#include "processes/ComfortZone.h"
#include "processes/CoolingCoil.h"
#include "processes/LimitZone.h"
#include "processes/Process.h"
#include "project/ProjectData.h"

#include <optional>
#include <utility>
#include <vector>

#include <QObject>
#include <QString>
#include <QUndoStack>

namespace project {

namespace detail {
class Edits;
// New definitions of points, by id: what a change of the unit system does to
// points defined by enthalpy.
using Redefinitions = std::vector<std::pair<int, PointDefinition>>;
} // namespace detail

// Whether a point lies in one of the zones shown.
struct ZoneMembership {
    QString zone;
    bool inside = false;
};

// What is computed for a point.
struct PointResult {
    // The state the calculator shows, or nothing with the reason (ReasonText).
    std::optional<CalcState> state;
    QString reason;
    // Mass flow of dry air of the airflow at the point, lb/h; or, for an
    // airflow given that carries none, why (airflowMessage).
    std::optional<double> dryAirLbPerHour;
    QString airflowMessage;
    // In order: the comfort zone, the data-room envelope, then the user
    // zones, each when shown.
    std::vector<ZoneMembership> zones;
    // PMV and PPD with the project's comfort parameters, the mean radiant
    // temperature equal to the dry bulb; or why not (comfortMessage).
    std::optional<processes::ComfortIndices> comfort;
    QString comfortMessage;
};

struct ProcessResult {
    // The analysis (name, changes, SHR; loads when the entering point has an
    // airflow), or nothing with the message.
    std::optional<processes::ProcessAnalysis> analysis;
    QString message; // why there is no analysis, or no loads
    // For cooling and dehumidifying: the coil's ADP and bypass factor, or
    // why there is none (coilMessage).
    std::optional<processes::CoilCondition> coil;
    QString coilMessage;
};

// The position of what an edit added, or why nothing was added.
struct Added {
    int index = -1;
    QString error;
    [[nodiscard]] bool ok() const noexcept { return error.isEmpty(); }
};

class Project : public QObject {
    Q_OBJECT

public:
    explicit Project(QObject* parent = nullptr);
    ~Project() override;

    [[nodiscard]] QUndoStack* undoStack() noexcept { return &undo_; }
    [[nodiscard]] const ProjectData& data() const noexcept { return data_; }
    [[nodiscard]] const Atmosphere& atmosphere() const noexcept { return data_.atmosphere; }

    [[nodiscard]] int pointCount() const noexcept { return static_cast<int>(data_.points.size()); }
    [[nodiscard]] const StatePoint& point(int index) const { return data_.points.at(at(index)); }
    [[nodiscard]] const PointResult& pointResult(int index) const {
        return pointResults_.at(at(index));
    }
    // The position of the point with this id; -1 when there is none.
    [[nodiscard]] int indexOfId(int id) const { return index_.positionOfId(id); }
    // The position of the point of this name; -1 when there is none.
    [[nodiscard]] int indexOfName(const QString& name) const { return index_.positionOfName(name); }
    // The name the next point added without one gets: the program's own
    // sequence A, B, ..., Z, AA, ... goes on from the last name it gave,
    // skipping names in use. Names the user gives never move it on, even
    // one of the sequence's form ("B", or "OA"); a project opened starts it
    // at A again.
    [[nodiscard]] QString nextPointName() const { return NextPointName(index_, nameSequence_); }

    [[nodiscard]] int processCount() const noexcept {
        return static_cast<int>(data_.processes.size());
    }
    [[nodiscard]] const ProcessLink& process(int index) const {
        return data_.processes.at(static_cast<std::size_t>(index));
    }
    [[nodiscard]] const ProcessResult& processResult(int index) const {
        return processResults_.at(static_cast<std::size_t>(index));
    }

    [[nodiscard]] int mixingCount() const noexcept {
        return static_cast<int>(data_.mixings.size());
    }
    [[nodiscard]] const Mixing& mixing(int index) const {
        return data_.mixings.at(static_cast<std::size_t>(index));
    }

    [[nodiscard]] const ZoneSettings& zoneSettings() const noexcept { return data_.zones; }
    // The zones the settings make, for drawing them: nothing for comfort
    // parameters or a user zone's limits that make no zone, or for a user
    // zone index out of range.
    [[nodiscard]] const processes::ComfortZone* comfortZone() const noexcept {
        return comfortZone_ ? &*comfortZone_ : nullptr;
    }
    [[nodiscard]] const processes::LimitZone& dataRoomZone() const noexcept { return dataRoom_; }
    [[nodiscard]] const processes::LimitZone* userZone(int index) const noexcept {
        if (index < 0 || index >= static_cast<int>(userZones_.size()))
            return nullptr;
        const auto& zone = userZones_[static_cast<std::size_t>(index)];
        return zone ? &*zone : nullptr;
    }

    // --- Edits: each one step on the undo stack ----------------------------

    // A point of two inputs, named `name` or, when empty, nextPointName().
    // Refused: a pair CheckDefinition refuses, a name in use. A pair that is
    // no air is kept, with its reason.
    Added addPoint(const PointDefinition& definition, const QString& name = {});
    // The calculator's state, defined by the two inputs that were ticked
    // (taken from the state's fields). An enthalpy taken in another unit
    // system than the project's is moved to the project's datum. The point is
    // solved at the project's atmosphere: keep that in step with the
    // calculator's through setAtmosphere.
    Added addCalculatorState(const CalcState& state, Input first, Input second);
    // A point at a position of the chart: dry bulb (°F) and humidity ratio.
    Added addPointAt(double dryBulbF, double humidityRatio);

    QString renamePoint(int index, const QString& name);
    QString setDefinition(int index, const PointDefinition& definition);
    // Drags the point to a dry bulb (°F) and humidity ratio: from then on it is
    // defined by those two. The moves of one drag, up to finishMove(), merge
    // into one undo step.
    QString movePoint(int index, double dryBulbF, double humidityRatio);
    void finishMove() noexcept { dragPointId_.reset(); }
    // Nothing removes the airflow.
    QString setAirflow(int index, const std::optional<processes::Airflow>& airflow);
    // Deletes the point with the processes and mixtures it takes part in.
    void deletePoint(int index);

    Added addProcess(int fromIndex, int toIndex);
    void deleteProcess(int index);
    // A cooling coil on the air of the entering point with apparatus dew
    // point adpF (°F) and bypass factor: its leaving air as a new point
    // (dry bulb and humidity ratio) and the process to it, one undo step.
    Added addCoil(int enteringIndex, double adpF, double bypassFactor);
    // The adiabatic mixture of two points with airflows as a new point (dry
    // bulb and humidity ratio) carrying the sum of the two mass flows, in the
    // first point's airflow unit, and the mixing record; returns the index of
    // the mixture's point.
    Added addMixing(int firstIndex, int secondIndex);
    void deleteMixing(int index);

    QString setZoneSettings(const ZoneSettings& zones);
    // The calculator's pressure (psia) and unit system: every point is solved
    // again; points defined by enthalpy keep their air across a change of
    // the unit system (the enthalpy moves to the new datum). The calculator
    // keeps its pressure at single precision: a pressure equal to the
    // project's at single precision is the same pressure, and the project
    // keeps its own number (14.696 from a file stays 14.696, no change).
    QString setAtmosphere(const Atmosphere& atmosphere);

    // --- File and tables ---------------------------------------------------

    // Writes the project file; an empty string on success, otherwise why not.
    [[nodiscard]] QString save(const QString& path) const;
    // Reads a project file. On success it replaces the project and clears
    // the undo stack; on any failure the project stays as it was and the
    // message says why.
    QString open(const QString& path);
    // Replaces the whole project (as open does, without the file).
    void replace(ProjectData data);

    // The points or the processes table as CSV (Csv.h), written to `path`.
    [[nodiscard]] QString exportPointsCsv(const QString& path) const;
    [[nodiscard]] QString exportProcessesCsv(const QString& path) const;

signals:
    // Points were added, removed or reordered, or all of them changed.
    void pointsChanged();
    // One point's name, definition, airflow or results changed.
    void pointChanged(int index);
    // Processes were added or removed, or their results changed.
    void processesChanged();
    void mixingsChanged();
    void zonesChanged();
    void atmosphereChanged();

private:
    friend class detail::Edits;

    std::size_t at(int index) const { return static_cast<std::size_t>(index); }
    bool validPoint(int index) const noexcept { return index >= 0 && index < pointCount(); }
    QString replacePointWith(int index, StatePoint after, const QString& text, bool drag);

    // Primitive changes, made by the undo commands (ProjectCommands.h).
    void insertPoint(int index, StatePoint point);
    StatePoint removePoint(int index);
    void replacePoint(int index, StatePoint point);
    void insertProcess(int index, ProcessLink link);
    void removeProcess(int index);
    void insertMixing(int index, Mixing mixing);
    void removeMixing(int index);
    void applyZones(ZoneSettings zones);
    // The atmosphere and the definitions that go with it, then every result
    // once (not once for each point redefined).
    void applyAtmosphere(Atmosphere atmosphere, const detail::Redefinitions& definitions);
    void setNameSequence(int next) noexcept { nameSequence_ = next; }
    [[nodiscard]] int nameSequence() const noexcept { return nameSequence_; }
    int takeId() noexcept { return nextId_++; }

    void rebuildZones();
    PointResult compute(const StatePoint& point) const;
    ProcessResult compute(const ProcessLink& link) const;
    void recomputePoints();
    void recomputeProcesses();
    std::optional<processes::AirState> airOf(int index) const;

    ProjectData data_;
    std::vector<PointResult> pointResults_;
    std::vector<ProcessResult> processResults_;
    ProjectIndex index_; // kept in step with data_
    int nextId_ = 1;
    int nameSequence_ = 0;           // the position of the sequence the next name is sought from
    std::optional<int> dragPointId_; // the point being dragged, until finishMove()
    int dragIndex_ = -1;             // the undo index after the drag's last move

    std::optional<processes::ComfortZone> comfortZone_;
    processes::LimitZone dataRoom_;
    std::vector<std::optional<processes::LimitZone>> userZones_;

    QUndoStack undo_;
};

} // namespace project
