#pragma once

// A project with everything computed from it: each point solved by the
// compute core with its dry-air flow, the zones it lies in and its comfort;
// each process analysed with its loads and coil; the zones the settings
// make; the air handler solved at the project's atmosphere. The primitive
// changes keep the lookups and the results in step with the data, so that
// the getters are cheap and never stale. Plain C++: the window's project
// (project/Project.h) holds one and adds undo and signals; the command-line
// program reads a file into one and prints its tables.

#include "processes/ComfortZone.h"
#include "processes/CoolingCoil.h"
#include "processes/LimitZone.h"
#include "processes/Process.h"
#include "projectcore/AirHandlerSetup.h"
#include "projectcore/ProjectData.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace project {

// Whether a point lies in one of the zones shown.
struct ZoneMembership {
    std::string zone;
    bool inside = false;
};

// What is computed for a point.
struct PointResult {
    // The state the calculator shows, or nothing with the reason (ReasonText).
    std::optional<CalcState> state;
    std::string reason;
    i18n::Message reasonMessage; // the reason, for a window to translate
    // Mass flow of dry air of the airflow at the point, lb/h; or, for an
    // airflow given that carries none, why (airflowMessage).
    std::optional<double> dryAirLbPerHour;
    std::string airflowMessage;
    // In order: the comfort zone, the data-room envelope, then the user
    // zones, each when shown.
    std::vector<ZoneMembership> zones;
    // PMV and PPD with the project's comfort parameters, the mean radiant
    // temperature equal to the dry bulb; or why not (comfortMessage).
    std::optional<processes::ComfortIndices> comfort;
    std::string comfortMessage;
};

struct ProcessResult {
    // The analysis (name, changes, SHR; loads when the entering point has an
    // airflow), or nothing with the message.
    std::optional<processes::ProcessAnalysis> analysis;
    std::string message; // why there is no analysis, or no loads
    // For cooling and dehumidifying: the coil's ADP and bypass factor, or
    // why there is none (coilMessage).
    std::optional<processes::CoilCondition> coil;
    std::string coilMessage;
};

// New definitions of points, by id: what a change of the unit system does to
// points defined by enthalpy.
using Redefinitions = std::vector<std::pair<int, PointDefinition>>;

// The atmosphere with what goes with it: the points it redefines and, when
// the project has one, the air handler's definitions as they stand with it.
struct AtmosphereState {
    Atmosphere atmosphere;
    Redefinitions definitions;
    std::optional<AirHandlerSetup> airHandler;
};

class Model {
public:
    Model();

    [[nodiscard]] const ProjectData& data() const noexcept { return data_; }
    [[nodiscard]] const ProjectIndex& index() const noexcept { return index_; }
    [[nodiscard]] const Atmosphere& atmosphere() const noexcept { return data_.atmosphere; }

    [[nodiscard]] int pointCount() const noexcept { return static_cast<int>(data_.points.size()); }
    [[nodiscard]] bool validPoint(int index) const noexcept {
        return index >= 0 && index < pointCount();
    }
    [[nodiscard]] const StatePoint& point(int index) const { return data_.points.at(at(index)); }
    [[nodiscard]] const PointResult& pointResult(int index) const {
        return pointResults_.at(at(index));
    }
    [[nodiscard]] int processCount() const noexcept {
        return static_cast<int>(data_.processes.size());
    }
    [[nodiscard]] const ProcessResult& processResult(int index) const {
        return processResults_.at(at(index));
    }
    // The name of the point with this id; empty when there is none.
    [[nodiscard]] std::string nameOfId(int id) const;
    // The air of a point that is air, at the project's pressure as the
    // calculator keeps it.
    [[nodiscard]] std::optional<processes::AirState> airOf(int index) const;

    [[nodiscard]] const processes::ComfortZone* comfortZone() const noexcept {
        return comfortZone_ ? &*comfortZone_ : nullptr;
    }
    [[nodiscard]] const processes::LimitZone& dataRoomZone() const noexcept { return dataRoom_; }
    [[nodiscard]] const processes::LimitZone* userZone(int index) const noexcept;

    // The air handler solved; none when the project has none.
    [[nodiscard]] const std::optional<AirHandlerResult>& airHandlerResult() const noexcept {
        return airHandler_;
    }

    // The id the next new point gets, and taking it.
    [[nodiscard]] int nextId() const noexcept { return nextId_; }
    int takeId() noexcept { return nextId_++; }

    // --- Primitive changes, each keeping the lookups and results in step --------

    void insertPoint(int index, StatePoint point);
    StatePoint removePoint(int index);
    void replacePoint(int index, StatePoint point);
    void insertProcess(int index, ProcessLink link);
    void removeProcess(int index);
    void insertMixing(int index, Mixing mixing);
    void removeMixing(int index);
    void setZones(ZoneSettings zones);
    // The atmosphere and the definitions that go with it, then every result
    // once (not once for each point redefined).
    void setAtmosphere(const AtmosphereState& state);
    void setAirHandler(std::optional<AirHandlerSetup> setup);
    // The whole project, as a file gives it.
    void replace(ProjectData data);

private:
    static std::size_t at(int index) { return static_cast<std::size_t>(index); }
    void rebuildZones();
    [[nodiscard]] PointResult compute(const StatePoint& point) const;
    [[nodiscard]] ProcessResult compute(const ProcessLink& link) const;
    void recomputePoints();
    void recomputeProcesses();
    void resolveAirHandler();

    ProjectData data_;
    ProjectIndex index_; // kept in step with data_
    std::vector<PointResult> pointResults_;
    std::vector<ProcessResult> processResults_;
    std::optional<AirHandlerResult> airHandler_;
    int nextId_ = 1;

    std::optional<processes::ComfortZone> comfortZone_;
    processes::LimitZone dataRoom_;
    std::vector<std::optional<processes::LimitZone>> userZones_;
};

} // namespace project
