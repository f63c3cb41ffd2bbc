#pragma once

// The state-point project of the chart window: named points on the chart,
// each defined by two properties and solved by the compute core; their
// airflows; the processes between them with their loads, cooling coils and
// adiabatic mixtures; the zones each point lies in and its thermal comfort;
// the air handler. Every change is a step on the project's undo stack, and
// the project reads and writes its own file.
//
// This is the window's layer over the project's model (projectcore/): the
// model holds the data and computes every result; its checks and the file
// are the model's. This class adds undo, signals and the QString of the
// views. Indices are positions in the lists as they stand; the signals say
// when they move. Results are recomputed at every change, so the getters
// are cheap and never stale.

#include "projectcore/Edits.h"
#include "projectcore/Model.h"

#include <optional>
#include <utility>
#include <vector>

#include <QObject>
#include <QString>
#include <QUndoStack>

namespace project {

namespace detail {
class Edits;
} // namespace detail

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
    // The model: the data with every result computed from it.
    [[nodiscard]] const Model& model() const noexcept { return model_; }
    [[nodiscard]] const ProjectData& data() const noexcept { return model_.data(); }
    [[nodiscard]] const Atmosphere& atmosphere() const noexcept { return model_.atmosphere(); }

    [[nodiscard]] int pointCount() const noexcept { return model_.pointCount(); }
    [[nodiscard]] const StatePoint& point(int index) const { return model_.point(index); }
    // The point's name as the views show it.
    [[nodiscard]] QString pointName(int index) const;
    [[nodiscard]] const PointResult& pointResult(int index) const {
        return model_.pointResult(index);
    }
    // The position of the point with this id; -1 when there is none.
    [[nodiscard]] int indexOfId(int id) const { return model_.index().positionOfId(id); }
    // The position of the point of this name; -1 when there is none.
    [[nodiscard]] int indexOfName(const QString& name) const;
    // The name the next point added without one gets: the program's own
    // sequence A, B, ..., Z, AA, ... goes on from the last name it gave,
    // skipping names in use. Names the user gives never move it on, even
    // one of the sequence's form ("B", or "OA"); a project opened starts it
    // at A again.
    [[nodiscard]] QString nextPointName() const;

    [[nodiscard]] int processCount() const noexcept { return model_.processCount(); }
    [[nodiscard]] const ProcessLink& process(int index) const {
        return data().processes.at(static_cast<std::size_t>(index));
    }
    [[nodiscard]] const ProcessResult& processResult(int index) const {
        return model_.processResult(index);
    }

    [[nodiscard]] int mixingCount() const noexcept {
        return static_cast<int>(data().mixings.size());
    }
    [[nodiscard]] const Mixing& mixing(int index) const {
        return data().mixings.at(static_cast<std::size_t>(index));
    }

    [[nodiscard]] const ZoneSettings& zoneSettings() const noexcept { return data().zones; }
    // The zones the settings make, for drawing them: nothing for comfort
    // parameters or a user zone's limits that make no zone, or for a user
    // zone index out of range.
    [[nodiscard]] const processes::ComfortZone* comfortZone() const noexcept {
        return model_.comfortZone();
    }
    [[nodiscard]] const processes::LimitZone& dataRoomZone() const noexcept {
        return model_.dataRoomZone();
    }
    [[nodiscard]] const processes::LimitZone* userZone(int index) const noexcept {
        return model_.userZone(index);
    }

    // The air handler: its setup, none until one is set; and its solution at
    // the project's atmosphere (AirHandlerSetup.h), re-solved whenever the
    // setup, the pressure or the unit system changes.
    [[nodiscard]] const std::optional<AirHandlerSetup>& airHandler() const noexcept {
        return data().airHandler;
    }
    [[nodiscard]] const AirHandlerResult* airHandlerResult() const noexcept {
        return model_.airHandlerResult() ? &*model_.airHandlerResult() : nullptr;
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
    // The calculator's pressure (psia) and unit system (PlanAtmosphere):
    // every point and the air handler are solved again, keeping their air
    // across a change of the unit system.
    QString setAtmosphere(const Atmosphere& atmosphere);
    // The whole air handler, one undo step; nothing removes it. Refused, with
    // the reason and nothing changed: what CheckAirHandler refuses. A setup
    // equal to the one there is no change.
    QString setAirHandler(const std::optional<AirHandlerSetup>& setup);

    // --- File and tables ---------------------------------------------------

    // Writes the project file; an empty string on success, otherwise why not.
    [[nodiscard]] QString save(const QString& path) const;
    // Reads a project file. On success it replaces the project and clears
    // the undo stack; on any failure the project stays as it was and the
    // message says why.
    QString open(const QString& path);
    // Replaces the whole project (as open does, without the file).
    void replace(ProjectData data);

    // The points, processes or mixtures table as CSV (projectcore/Csv.h),
    // written to `path`.
    [[nodiscard]] QString exportPointsCsv(const QString& path) const;
    [[nodiscard]] QString exportProcessesCsv(const QString& path) const;
    [[nodiscard]] QString exportMixturesCsv(const QString& path) const;
    // The air handler's components or rollup table; refused without one.
    [[nodiscard]] QString exportAirHandlerComponentsCsv(const QString& path) const;
    [[nodiscard]] QString exportAirHandlerRollupCsv(const QString& path) const;

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
    // The air handler's setup or its solution changed (an atmosphere or unit
    // system changed, a project was opened).
    void airHandlerChanged();

private:
    friend class detail::Edits;

    bool validPoint(int index) const noexcept { return model_.validPoint(index); }
    QString replacePointWith(int index, StatePoint after, const QString& text, bool drag);
    // The model's processes were analysed again: say so when there are any.
    void processesRecomputed();

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
    void applyAtmosphere(const AtmosphereState& state);
    void applyAirHandler(std::optional<AirHandlerSetup> setup);
    void setNameSequence(int next) noexcept { nameSequence_ = next; }
    [[nodiscard]] int nameSequence() const noexcept { return nameSequence_; }

    Model model_;
    int nameSequence_ = 0;           // the position of the sequence the next name is sought from
    std::optional<int> dragPointId_; // the point being dragged, until finishMove()
    int dragIndex_ = -1;             // the undo index after the drag's last move

    QUndoStack undo_;
};

} // namespace project
