#include "project/Project.h"

#include "core/ComputeCore.h"
#include "processes/Comfort.h"
#include "processes/Mixing.h"
#include "project/Csv.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFile.h"

#include <algorithm>
#include <cmath>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace project {

using processes::AirState;
using processes::Describe;

namespace {

QString describe(processes::Problem problem) {
    return QString::fromUtf8(Describe(problem).data(),
                             static_cast<qsizetype>(Describe(problem).size()));
}

PointDefinition dryBulbAndW(double dryBulbF, double humidityRatio) {
    return {{Input::DryBulb, dryBulbF}, {Input::HumidityRatio, humidityRatio}};
}

QString writeText(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return {};
}

} // namespace

Project::Project(QObject* parent) : QObject(parent), dataRoom_(processes::DataRoomEnvelope()) {
    rebuildZones();
}

Project::~Project() {
    // The commands refer to this project: clear them while it is whole.
    undo_.clear();
}

// --- Edits ------------------------------------------------------------------

Added Project::addPoint(const PointDefinition& definition, const QString& name) {
    if (auto problem = CheckDefinition(definition))
        return {-1, *problem};
    const bool named = name.trimmed().isEmpty();
    const QString chosen = named ? nextPointName() : name.trimmed();
    if (auto problem = CheckPointName(chosen, index_))
        return {-1, *problem};
    StatePoint point{takeId(), chosen, definition, std::nullopt};
    const int index = pointCount();
    undo_.push(detail::InsertPointCommand(*this, index, std::move(point), named));
    return {index, {}};
}

Added Project::addCalculatorState(const CalcState& state, Input first, Input second) {
    if (auto problem = CheckPair(first, second))
        return {-1, *problem};
    const auto system = basPsychroFun::UnitSystemOf(state.UnitSystem);
    if (!system)
        return {-1, QStringLiteral("The calculator's state names no unit system.")};
    if ((first == Input::DewPoint || second == Input::DewPoint) && !calculator::HasDewPoint(state))
        return {-1, QStringLiteral("Perfectly dry air has no dew point to define a point by.")};
    CalcState inSystem = state;
    if ((first == Input::Enthalpy || second == Input::Enthalpy) &&
        system != data_.atmosphere.system) {
        // The ticked enthalpy was typed against the other datum: keep the air.
        try {
            calculator::MoveEnthalpyToSystem(
                inSystem, basPsychroFun::SelectorOf(data_.atmosphere.system), true);
        } catch (const basPsychroFun::FloatingPointFault&) {
            return {-1, QStringLiteral("The calculator's state cannot be taken over.")};
        }
    }
    return addPoint({{first, ValueIn(inSystem, first)}, {second, ValueIn(inSystem, second)}});
}

Added Project::addPointAt(double dryBulbF, double humidityRatio) {
    return addPoint(dryBulbAndW(dryBulbF, humidityRatio));
}

QString Project::replacePointWith(int index, StatePoint after, const QString& text, bool drag) {
    const StatePoint& before = point(index);
    bool continues = false;
    if (drag) {
        // A move continues the drag only while its last step is still the
        // top of the stack: not after an undo or another change.
        continues = dragPointId_ == before.id && undo_.index() == dragIndex_;
        dragPointId_ = before.id;
    } else {
        dragPointId_.reset();
    }
    undo_.push(detail::ReplacePointCommand(*this, before, std::move(after), text, drag, continues));
    dragIndex_ = undo_.index();
    return {};
}

QString Project::renamePoint(int index, const QString& name) {
    if (!validPoint(index))
        return QStringLiteral("There is no such point.");
    const QString trimmed = name.trimmed();
    if (auto problem = CheckPointName(trimmed, index_, index))
        return *problem;
    if (trimmed == point(index).name)
        return {};
    StatePoint after = point(index);
    after.name = trimmed;
    return replacePointWith(index, after,
                            QStringLiteral("Rename point %1 to %2").arg(point(index).name, trimmed),
                            false);
}

QString Project::setDefinition(int index, const PointDefinition& definition) {
    if (!validPoint(index))
        return QStringLiteral("There is no such point.");
    if (auto problem = CheckDefinition(definition))
        return *problem;
    StatePoint after = point(index);
    after.definition = definition;
    return replacePointWith(index, after, QStringLiteral("Edit point %1").arg(after.name), false);
}

QString Project::movePoint(int index, double dryBulbF, double humidityRatio) {
    if (!validPoint(index))
        return QStringLiteral("There is no such point.");
    const PointDefinition definition = dryBulbAndW(dryBulbF, humidityRatio);
    if (auto problem = CheckDefinition(definition))
        return *problem;
    StatePoint after = point(index);
    after.definition = definition;
    return replacePointWith(index, after, QStringLiteral("Move point %1").arg(after.name), true);
}

QString Project::setAirflow(int index, const std::optional<processes::Airflow>& airflow) {
    if (!validPoint(index))
        return QStringLiteral("There is no such point.");
    if (auto problem = CheckAirflow(airflow))
        return *problem;
    StatePoint after = point(index);
    after.airflow = airflow;
    return replacePointWith(index, after, QStringLiteral("Airflow of point %1").arg(after.name),
                            false);
}

void Project::deletePoint(int index) {
    if (!validPoint(index))
        return;
    dragPointId_.reset();
    undo_.push(detail::RemovePointCommand(*this, point(index).id));
}

Added Project::addProcess(int fromIndex, int toIndex) {
    if (!validPoint(fromIndex) || !validPoint(toIndex))
        return {-1, QStringLiteral("There is no such point.")};
    const ProcessLink link{point(fromIndex).id, point(toIndex).id};
    if (auto problem = CheckProcess(link, data_.points, index_))
        return {-1, *problem};
    const int index = processCount();
    undo_.push(detail::InsertProcessCommand(*this, index, link));
    return {index, {}};
}

void Project::deleteProcess(int index) {
    if (index < 0 || index >= processCount())
        return;
    undo_.push(detail::RemoveProcessCommand(*this, index));
}

Added Project::addCoil(int enteringIndex, double adpF, double bypassFactor) {
    const auto entering = airOf(enteringIndex);
    if (!entering)
        return {-1, validPoint(enteringIndex)
                        ? QStringLiteral("Point %1 is not air: %2")
                              .arg(point(enteringIndex).name, pointResult(enteringIndex).reason)
                        : QStringLiteral("There is no such point.")};
    const auto leaving = processes::LeavingAir(*entering, adpF, bypassFactor);
    if (!leaving)
        return {-1, describe(leaving.problem())};
    StatePoint point{takeId(), nextPointName(),
                     dryBulbAndW(leaving->dryBulbF, leaving->humidityRatio), std::nullopt};
    const int index = pointCount();
    auto* macro = new QUndoCommand(QStringLiteral("Add coil to point %1").arg(point.name));
    const ProcessLink link{this->point(enteringIndex).id, point.id};
    detail::InsertPointCommand(*this, index, std::move(point), true, macro);
    detail::InsertProcessCommand(*this, processCount(), link, macro);
    undo_.push(macro);
    return {index, {}};
}

Added Project::addMixing(int firstIndex, int secondIndex) {
    if (!validPoint(firstIndex) || !validPoint(secondIndex))
        return {-1, QStringLiteral("There is no such point.")};
    // The mixture is a point of its own, made with it: its id is the next.
    const Mixing streams{point(firstIndex).id, point(secondIndex).id, nextId_, 0.0};
    if (auto problem = CheckMixing(streams, data_.points, index_))
        return {-1, *problem};
    for (const int i : {firstIndex, secondIndex}) {
        if (!airOf(i))
            return {-1, QStringLiteral("Point %1 is not air: %2")
                            .arg(point(i).name, pointResult(i).reason)};
        if (!point(i).airflow)
            return {-1, QStringLiteral("Point %1 has no airflow to mix.").arg(point(i).name)};
    }
    const auto mixture =
        processes::Mix(*airOf(firstIndex), *point(firstIndex).airflow, *airOf(secondIndex),
                       *point(secondIndex).airflow, data_.atmosphere.system);
    if (!mixture)
        return {-1, describe(mixture.problem())};
    const auto volume = processes::VolumeFlow(mixture->air, mixture->dryAirLbPerHour,
                                              point(firstIndex).airflow->unit);
    if (!volume)
        return {-1, describe(volume.problem())};

    StatePoint point{takeId(), nextPointName(),
                     dryBulbAndW(mixture->air.dryBulbF, mixture->air.humidityRatio), *volume};
    const Mixing mixing{this->point(firstIndex).id, this->point(secondIndex).id, point.id,
                        mixture->firstStreamShare};
    const int index = pointCount();
    auto* macro =
        new QUndoCommand(QStringLiteral("Mix %1 and %2")
                             .arg(this->point(firstIndex).name, this->point(secondIndex).name));
    detail::InsertPointCommand(*this, index, std::move(point), true, macro);
    detail::InsertMixingCommand(*this, mixingCount(), mixing, macro);
    undo_.push(macro);
    return {index, {}};
}

void Project::deleteMixing(int index) {
    if (index < 0 || index >= mixingCount())
        return;
    undo_.push(detail::RemoveMixingCommand(*this, index));
}

QString Project::setZoneSettings(const ZoneSettings& zones) {
    if (auto problem = CheckZoneSettings(zones))
        return *problem;
    if (zones == data_.zones)
        return {};
    undo_.push(detail::ZonesCommand(*this, data_.zones, zones));
    return {};
}

QString Project::setAtmosphere(const Atmosphere& atmosphere) {
    const auto single = basPsychroFun::units::ToSingle(atmosphere.pressurePsia);
    if (!single)
        return QString::fromStdString(ReasonText(calculator::Reason::PressureAboveRange));
    if (auto problem = calculator::CheckPressure(*single))
        return QString::fromStdString(ReasonText(*problem));
    Atmosphere target = atmosphere;
    // The calculator holds the pressure at single precision (14.696 as
    // 14.6960001): the same float is the same pressure, and the number the
    // project has (from its file, say) stays.
    if (single == basPsychroFun::units::ToSingle(data_.atmosphere.pressurePsia))
        target.pressurePsia = data_.atmosphere.pressurePsia;
    if (target == data_.atmosphere)
        return {};
    dragPointId_.reset();
    detail::Redefinitions before;
    detail::Redefinitions after;
    if (target.system != data_.atmosphere.system) {
        // Points defined by enthalpy keep their air: the number moves to the
        // other datum.
        for (const StatePoint& point : data_.points) {
            const PointDefinition moved =
                ForSystem(point.definition, Solve(point.definition, data_.atmosphere),
                          data_.atmosphere.system, target.system);
            if (!(moved == point.definition)) {
                before.emplace_back(point.id, point.definition);
                after.emplace_back(point.id, moved);
            }
        }
    }
    undo_.push(detail::AtmosphereCommand(*this, {data_.atmosphere, std::move(before)},
                                         {target, std::move(after)}));
    return {};
}

// --- Primitive changes ------------------------------------------------------

void Project::insertPoint(int index, StatePoint point) {
    nextId_ = std::max(nextId_, point.id + 1);
    pointResults_.insert(pointResults_.begin() + index, compute(point));
    data_.points.insert(data_.points.begin() + index, std::move(point));
    index_.rebuildPoints(data_.points);
    recomputeProcesses();
    emit pointsChanged();
}

StatePoint Project::removePoint(int index) {
    StatePoint point = std::move(data_.points.at(at(index)));
    data_.points.erase(data_.points.begin() + index);
    pointResults_.erase(pointResults_.begin() + index);
    index_.rebuildPoints(data_.points);
    recomputeProcesses();
    emit pointsChanged();
    return point;
}

void Project::replacePoint(int index, StatePoint point) {
    pointResults_.at(at(index)) = compute(point);
    const bool renamed = data_.points.at(at(index)).name != point.name;
    data_.points.at(at(index)) = std::move(point);
    if (renamed)
        index_.rebuildPoints(data_.points);
    recomputeProcesses();
    emit pointChanged(index);
}

void Project::insertProcess(int index, ProcessLink link) {
    data_.processes.insert(data_.processes.begin() + index, link);
    index_.addProcess(link);
    processResults_.insert(processResults_.begin() + index, compute(link));
    emit processesChanged();
}

void Project::removeProcess(int index) {
    index_.removeProcess(data_.processes.at(at(index)));
    data_.processes.erase(data_.processes.begin() + index);
    processResults_.erase(processResults_.begin() + index);
    emit processesChanged();
}

void Project::insertMixing(int index, Mixing mixing) {
    data_.mixings.insert(data_.mixings.begin() + index, mixing);
    index_.addMixing(mixing);
    emit mixingsChanged();
}

void Project::removeMixing(int index) {
    index_.removeMixing(data_.mixings.at(at(index)));
    data_.mixings.erase(data_.mixings.begin() + index);
    emit mixingsChanged();
}

void Project::applyZones(ZoneSettings zones) {
    data_.zones = std::move(zones);
    rebuildZones();
    recomputePoints();
    emit zonesChanged();
    emit pointsChanged();
}

void Project::applyAtmosphere(Atmosphere atmosphere, const detail::Redefinitions& definitions) {
    for (const auto& [id, definition] : definitions)
        data_.points.at(at(indexOfId(id))).definition = definition;
    data_.atmosphere = atmosphere;
    recomputePoints();
    recomputeProcesses();
    emit atmosphereChanged();
    emit pointsChanged();
}

void Project::replace(ProjectData data) {
    dragPointId_.reset();
    undo_.clear();
    data_ = std::move(data);
    index_.rebuild(data_);
    nameSequence_ = 0;
    nextId_ = 1;
    for (const StatePoint& p : data_.points)
        nextId_ = std::max(nextId_, p.id + 1);
    rebuildZones();
    recomputePoints();
    recomputeProcesses();
    emit atmosphereChanged();
    emit zonesChanged();
    emit pointsChanged();
    emit processesChanged();
    emit mixingsChanged();
}

// --- Results ----------------------------------------------------------------

void Project::rebuildZones() {
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

std::optional<AirState> Project::airOf(int index) const {
    if (!validPoint(index) || !pointResult(index).state)
        return std::nullopt;
    const CalcState& s = *pointResult(index).state;
    return AirState{static_cast<double>(s.Tdb), static_cast<double>(s.W),
                    static_cast<double>(s.Patm)};
}

PointResult Project::compute(const StatePoint& point) const {
    PointResult result;
    const Solution solution = Solve(point.definition, data_.atmosphere);
    if (!solution.state) {
        result.reason = QString::fromStdString(
            ReasonText(*solution.reason, basPsychroFun::SelectorOf(data_.atmosphere.system)));
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

    const auto membership = [&](const QString& name, const processes::Zone& zone) {
        result.zones.push_back(
            {name, zone.contains(air.dryBulbF, air.humidityRatio, air.pressurePsia)});
    };
    if (data_.zones.comfortShown && comfortZone_)
        membership(QStringLiteral("Comfort zone"), *comfortZone_);
    if (data_.zones.dataRoomShown)
        membership(QStringLiteral("Data-room envelope"), dataRoom_);
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

ProcessResult Project::compute(const ProcessLink& link) const {
    ProcessResult result;
    const int from = indexOfId(link.fromId);
    const int to = indexOfId(link.toId);
    for (const int i : {from, to}) {
        if (!validPoint(i)) {
            result.message = QStringLiteral("The process refers to a point that is gone.");
            return result;
        }
        if (!pointResult(i).state) {
            result.message =
                QStringLiteral("Point %1 is not air: %2").arg(point(i).name, pointResult(i).reason);
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
        result.message =
            QStringLiteral("Give point %1 an airflow for the loads.").arg(point(from).name);
    else if (!flows)
        result.message =
            QStringLiteral("Point %1: %2").arg(point(from).name, pointResult(from).airflowMessage);

    if (analysis->kind == processes::ProcessKind::CoolingAndDehumidifying) {
        const auto coil = processes::ApparatusDewPoint(*airOf(from), *airOf(to));
        if (coil)
            result.coil = *coil;
        else
            result.coilMessage = describe(coil.problem());
    }
    return result;
}

void Project::recomputePoints() {
    pointResults_.clear();
    pointResults_.reserve(data_.points.size());
    for (const StatePoint& p : data_.points)
        pointResults_.push_back(compute(p));
}

void Project::recomputeProcesses() {
    processResults_.clear();
    processResults_.reserve(data_.processes.size());
    for (const ProcessLink& link : data_.processes)
        processResults_.push_back(compute(link));
    if (!data_.processes.empty())
        emit processesChanged();
}

// --- File and tables ----------------------------------------------------------

QString Project::save(const QString& path) const {
    return writeText(path, WriteProjectFile(data_));
}

QString Project::open(const QString& path) {
    // A device or a pipe in the file's place would block the read or never
    // end it (a link to /dev/zero, say).
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return QStringLiteral("%1 is not a file.").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot open %1: %2").arg(path, file.errorString());
    // A project file is a few kilobytes; anything far larger is not one. The
    // read, not the size the file gave when asked, is what counts; it goes by
    // pieces, since QIODevice::read(n) sets n bytes aside at once.
    constexpr qint64 kLargestFile = 64 * 1024 * 1024;
    constexpr qint64 kPiece = 1024 * 1024;
    QByteArray bytes;
    while (bytes.size() <= kLargestFile) {
        const QByteArray piece = file.read(std::min(kPiece, kLargestFile + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (bytes.size() > kLargestFile)
        return QStringLiteral("%1 is too large to be a project file.").arg(path);
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
    auto read = ReadProjectFile(bytes);
    if (auto* error = std::get_if<QString>(&read))
        return *error;
    replace(std::get<ProjectData>(std::move(read)));
    return {};
}

QString Project::exportPointsCsv(const QString& path) const {
    return writeText(path, PointsCsv(*this).toUtf8());
}

QString Project::exportProcessesCsv(const QString& path) const {
    return writeText(path, ProcessesCsv(*this).toUtf8());
}

} // namespace project
