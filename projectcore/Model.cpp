#include "projectcore/Model.h"

#include "core/ComputeCore.h"
#include "processes/Comfort.h"

#include <algorithm>

namespace project {

using processes::AirState;

namespace {

std::string describe(processes::Problem problem) {
    return std::string(processes::Describe(problem));
}

} // namespace

Model::Model() : dataRoom_(processes::DataRoomEnvelope()) {
    rebuildZones();
}

std::string Model::nameOfId(int id) const {
    const int position = index_.positionOfId(id);
    return position >= 0 ? data_.points[at(position)].name : std::string();
}

const processes::LimitZone* Model::userZone(int index) const noexcept {
    if (index < 0 || index >= static_cast<int>(userZones_.size()))
        return nullptr;
    const auto& zone = userZones_[at(index)];
    return zone ? &*zone : nullptr;
}

std::optional<AirState> Model::airOf(int index) const {
    if (!validPoint(index) || !pointResult(index).state)
        return std::nullopt;
    const CalcState& s = *pointResult(index).state;
    return AirState{static_cast<double>(s.Tdb), static_cast<double>(s.W),
                    static_cast<double>(s.Patm)};
}

// --- Primitive changes ------------------------------------------------------

void Model::insertPoint(int index, StatePoint point) {
    nextId_ = std::max(nextId_, point.id + 1);
    pointResults_.insert(pointResults_.begin() + index, compute(point));
    data_.points.insert(data_.points.begin() + index, std::move(point));
    index_.rebuildPoints(data_.points);
    recomputeProcesses();
}

StatePoint Model::removePoint(int index) {
    StatePoint point = std::move(data_.points.at(at(index)));
    data_.points.erase(data_.points.begin() + index);
    pointResults_.erase(pointResults_.begin() + index);
    index_.rebuildPoints(data_.points);
    recomputeProcesses();
    return point;
}

void Model::replacePoint(int index, StatePoint point) {
    pointResults_.at(at(index)) = compute(point);
    const bool renamed = data_.points.at(at(index)).name != point.name;
    data_.points.at(at(index)) = std::move(point);
    if (renamed)
        index_.rebuildPoints(data_.points);
    recomputeProcesses();
}

void Model::insertProcess(int index, ProcessLink link) {
    data_.processes.insert(data_.processes.begin() + index, link);
    index_.addProcess(link);
    processResults_.insert(processResults_.begin() + index, compute(link));
}

void Model::removeProcess(int index) {
    index_.removeProcess(data_.processes.at(at(index)));
    data_.processes.erase(data_.processes.begin() + index);
    processResults_.erase(processResults_.begin() + index);
}

void Model::insertMixing(int index, Mixing mixing) {
    data_.mixings.insert(data_.mixings.begin() + index, mixing);
    index_.addMixing(mixing);
}

void Model::removeMixing(int index) {
    index_.removeMixing(data_.mixings.at(at(index)));
    data_.mixings.erase(data_.mixings.begin() + index);
}

void Model::setZones(ZoneSettings zones) {
    data_.zones = std::move(zones);
    rebuildZones();
    recomputePoints();
}

void Model::setAtmosphere(const AtmosphereState& state) {
    for (const auto& [id, definition] : state.definitions)
        data_.points.at(at(index_.positionOfId(id))).definition = definition;
    data_.atmosphere = state.atmosphere;
    if (data_.airHandler && state.airHandler)
        data_.airHandler = state.airHandler;
    recomputePoints();
    recomputeProcesses();
    resolveAirHandler();
}

void Model::setAirHandler(std::optional<AirHandlerSetup> setup) {
    data_.airHandler = std::move(setup);
    resolveAirHandler();
}

void Model::replace(ProjectData data) {
    data_ = std::move(data);
    index_.rebuild(data_);
    nextId_ = 1;
    for (const StatePoint& p : data_.points)
        nextId_ = std::max(nextId_, p.id + 1);
    rebuildZones();
    recomputePoints();
    recomputeProcesses();
    resolveAirHandler();
}

// --- Results ----------------------------------------------------------------

void Model::rebuildZones() {
    auto comfort = processes::ComfortZone::Make(data_.zones.comfort);
    comfortZone_.reset();
    if (comfort)
        comfortZone_.emplace(*comfort);
    userZones_.clear();
    for (const UserZone& zone : data_.zones.userZones) {
        auto made = processes::LimitZone::Make(zone.limits);
        userZones_.push_back(made ? std::optional(*made) : std::nullopt);
    }
}

PointResult Model::compute(const StatePoint& point) const {
    PointResult result;
    const Solution solution = Solve(point.definition, data_.atmosphere);
    if (!solution.state) {
        result.reasonMessage =
            ReasonMessage(*solution.reason, basPsychroFun::SelectorOf(data_.atmosphere.system));
        result.reason = result.reasonMessage.English();
        return result;
    }
    result.state = solution.state;
    const CalcState& s = *solution.state;
    const AirState air{static_cast<double>(s.Tdb), static_cast<double>(s.W),
                       static_cast<double>(s.Patm)};

    if (point.airflow) {
        const auto mass = processes::DryAirMassFlow(air, *point.airflow);
        if (mass)
            result.dryAirLbPerHour = *mass;
        else
            result.airflowMessage = describe(mass.problem());
    }

    const auto membership = [&](const std::string& name, const processes::Zone& zone) {
        result.zones.push_back(
            {name, zone.contains(air.dryBulbF, air.humidityRatio, air.pressurePsia)});
    };
    if (data_.zones.comfortShown && comfortZone_)
        membership("Comfort zone", *comfortZone_);
    if (data_.zones.dataRoomShown)
        membership("Data-room envelope", dataRoom_);
    for (std::size_t i = 0; i < data_.zones.userZones.size(); ++i) {
        if (data_.zones.userZones[i].shown && userZones_[i])
            membership(data_.zones.userZones[i].name, *userZones_[i]);
    }

    const auto comfort = processes::ComfortAt(air, data_.zones.comfort);
    if (comfort)
        result.comfort = *comfort;
    else
        result.comfortMessage = describe(comfort.problem());
    return result;
}

ProcessResult Model::compute(const ProcessLink& link) const {
    ProcessResult result;
    const int from = index_.positionOfId(link.fromId);
    const int to = index_.positionOfId(link.toId);
    for (const int i : {from, to}) {
        if (!validPoint(i)) {
            result.message = "The process refers to a point that is gone.";
            return result;
        }
        if (!pointResult(i).state) {
            result.message = "Point " + point(i).name + " is not air: " + pointResult(i).reason;
            return result;
        }
    }
    const std::optional<processes::Airflow>& airflow = point(from).airflow;
    const bool flows = airflow && pointResult(from).dryAirLbPerHour;
    const auto analysis = processes::AnalyseProcess(
        *airOf(from), *airOf(to), data_.atmosphere.system, flows ? airflow : std::nullopt);
    if (!analysis) {
        result.message = describe(analysis.problem());
        return result;
    }
    result.analysis = *analysis;
    if (!airflow)
        result.message = "Give point " + point(from).name + " an airflow for the loads.";
    else if (!flows)
        result.message = "Point " + point(from).name + ": " + pointResult(from).airflowMessage;

    if (analysis->kind == processes::ProcessKind::CoolingAndDehumidifying) {
        const auto coil = processes::ApparatusDewPoint(*airOf(from), *airOf(to));
        if (coil)
            result.coil = *coil;
        else
            result.coilMessage = describe(coil.problem());
    }
    return result;
}

void Model::recomputePoints() {
    pointResults_.clear();
    pointResults_.reserve(data_.points.size());
    for (const StatePoint& p : data_.points)
        pointResults_.push_back(compute(p));
}

void Model::recomputeProcesses() {
    processResults_.clear();
    processResults_.reserve(data_.processes.size());
    for (const ProcessLink& link : data_.processes)
        processResults_.push_back(compute(link));
}

void Model::resolveAirHandler() {
    airHandler_.reset();
    if (data_.airHandler)
        airHandler_.emplace(SolveAirHandler(*data_.airHandler, data_.atmosphere));
}

} // namespace project
