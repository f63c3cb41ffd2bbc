#include "project/Project.h"

#include "project/ProjectCommands.h"
#include "project/QtText.h"
#include "projectcore/Csv.h"
#include "projectcore/ProjectFile.h"
#include "projectcore/Text.h"
#include "translations/Message.h"

#include <QFile>
#include <QSaveFile>

namespace project {

namespace {

QString writeText(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Project::tr("Cannot write %1: %2").arg(path, file.errorString());
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.commit())
        return Project::tr("Cannot write %1: %2").arg(path, file.errorString());
    return {};
}

template <typename T>
QString errorOf(const std::variant<T, i18n::Message>& planned) {
    const auto* error = std::get_if<i18n::Message>(&planned);
    return error != nullptr ? translations::Translated(*error) : QString();
}

} // namespace

Project::Project(QObject* parent) : QObject(parent) {}

Project::~Project() {
    // The commands refer to this project: clear them while it is whole.
    undo_.clear();
}

QString Project::pointName(int index) const {
    return ToQString(point(index).name);
}

int Project::indexOfName(const QString& name) const {
    return model_.index().positionOfName(ToUtf8(name));
}

QString Project::nextPointName() const {
    return ToQString(NextPointName(model_.index(), nameSequence_));
}

// --- Edits ------------------------------------------------------------------

Added Project::addPoint(const PointDefinition& definition, const QString& name) {
    if (auto problem = CheckDefinition(definition))
        return {-1, translations::Translated(*problem)};
    const std::string given = ToUtf8(name);
    const std::string_view trimmed = TrimBlanks(given);
    const bool named = trimmed.empty();
    const std::string chosen =
        named ? NextPointName(model_.index(), nameSequence_) : std::string(trimmed);
    if (auto problem = CheckPointName(chosen, model_.index()))
        return {-1, translations::Translated(*problem)};
    StatePoint point{model_.takeId(), chosen, definition, std::nullopt};
    const int index = pointCount();
    undo_.push(detail::InsertPointCommand(*this, index, std::move(point), named));
    return {index, {}};
}

Added Project::addCalculatorState(const CalcState& state, Input first, Input second) {
    const auto definition = CalculatorStateDefinition(state, first, second, atmosphere().system);
    if (const auto* made = std::get_if<PointDefinition>(&definition))
        return addPoint(*made);
    return {-1, errorOf(definition)};
}

Added Project::addPointAt(double dryBulbF, double humidityRatio) {
    return addPoint(DryBulbAndHumidityRatio(dryBulbF, humidityRatio));
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
        return tr("There is no such point.");
    const std::string given = ToUtf8(name);
    const std::string trimmed(TrimBlanks(given));
    if (auto problem = CheckPointName(trimmed, model_.index(), index))
        return translations::Translated(*problem);
    if (trimmed == point(index).name)
        return {};
    StatePoint after = point(index);
    after.name = trimmed;
    return replacePointWith(
        index, after, tr("Rename point %1 to %2").arg(pointName(index), ToQString(trimmed)), false);
}

QString Project::setDefinition(int index, const PointDefinition& definition) {
    if (!validPoint(index))
        return tr("There is no such point.");
    if (auto problem = CheckDefinition(definition))
        return translations::Translated(*problem);
    StatePoint after = point(index);
    after.definition = definition;
    return replacePointWith(index, after, tr("Edit point %1").arg(pointName(index)), false);
}

QString Project::movePoint(int index, double dryBulbF, double humidityRatio) {
    if (!validPoint(index))
        return tr("There is no such point.");
    const PointDefinition definition = DryBulbAndHumidityRatio(dryBulbF, humidityRatio);
    if (auto problem = CheckDefinition(definition))
        return translations::Translated(*problem);
    StatePoint after = point(index);
    after.definition = definition;
    return replacePointWith(index, after, tr("Move point %1").arg(pointName(index)), true);
}

QString Project::setAirflow(int index, const std::optional<processes::Airflow>& airflow) {
    if (!validPoint(index))
        return tr("There is no such point.");
    if (auto problem = CheckAirflow(airflow))
        return translations::Translated(*problem);
    StatePoint after = point(index);
    after.airflow = airflow;
    return replacePointWith(index, after, tr("Airflow of point %1").arg(pointName(index)), false);
}

void Project::deletePoint(int index) {
    if (!validPoint(index))
        return;
    dragPointId_.reset();
    undo_.push(detail::RemovePointCommand(*this, point(index).id));
}

Added Project::addProcess(int fromIndex, int toIndex) {
    if (!validPoint(fromIndex) || !validPoint(toIndex))
        return {-1, tr("There is no such point.")};
    const ProcessLink link{point(fromIndex).id, point(toIndex).id};
    if (auto problem = CheckProcess(link, data().points, model_.index()))
        return {-1, translations::Translated(*problem)};
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
    const auto leaving = CoilLeavingAir(model_, enteringIndex, adpF, bypassFactor);
    const auto* definition = std::get_if<PointDefinition>(&leaving);
    if (definition == nullptr)
        return {-1, errorOf(leaving)};
    StatePoint point{model_.takeId(), NextPointName(model_.index(), nameSequence_), *definition,
                     std::nullopt};
    const int index = pointCount();
    auto* macro = new QUndoCommand(tr("Add coil to point %1").arg(ToQString(point.name)));
    const ProcessLink link{this->point(enteringIndex).id, point.id};
    detail::InsertPointCommand(*this, index, std::move(point), true, macro);
    detail::InsertProcessCommand(*this, processCount(), link, macro);
    undo_.push(macro);
    return {index, {}};
}

Added Project::addMixing(int firstIndex, int secondIndex) {
    const auto planned = PlanMixture(model_, firstIndex, secondIndex);
    const auto* mixture = std::get_if<PlannedMixture>(&planned);
    if (mixture == nullptr)
        return {-1, errorOf(planned)};
    StatePoint point{model_.takeId(), NextPointName(model_.index(), nameSequence_),
                     mixture->definition, mixture->airflow};
    const Mixing mixing{this->point(firstIndex).id, this->point(secondIndex).id, point.id,
                        mixture->firstStreamShare};
    const int index = pointCount();
    auto* macro =
        new QUndoCommand(tr("Mix %1 and %2").arg(pointName(firstIndex), pointName(secondIndex)));
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
        return translations::Translated(*problem);
    if (zones == data().zones)
        return {};
    undo_.push(detail::ZonesCommand(*this, data().zones, zones));
    return {};
}

QString Project::setAtmosphere(const Atmosphere& atmosphere) {
    AtmospherePlan plan = PlanAtmosphere(model_, atmosphere);
    if (plan.error)
        return translations::Translated(*plan.error);
    if (!plan.change)
        return {};
    dragPointId_.reset();
    undo_.push(detail::AtmosphereCommand(*this, std::move(plan.change->before),
                                         std::move(plan.change->after)));
    return {};
}

QString Project::setAirHandler(const std::optional<AirHandlerSetup>& setup) {
    if (setup) {
        if (auto problem = CheckAirHandler(*setup))
            return ToQString(*problem);
    }
    if (setup == data().airHandler)
        return {};
    undo_.push(detail::AirHandlerCommand(*this, data().airHandler, setup));
    return {};
}

// --- Primitive changes ------------------------------------------------------

void Project::processesRecomputed() {
    if (processCount() > 0)
        emit processesChanged();
}

void Project::insertPoint(int index, StatePoint point) {
    model_.insertPoint(index, std::move(point));
    processesRecomputed();
    emit pointsChanged();
}

StatePoint Project::removePoint(int index) {
    StatePoint point = model_.removePoint(index);
    processesRecomputed();
    emit pointsChanged();
    return point;
}

void Project::replacePoint(int index, StatePoint point) {
    model_.replacePoint(index, std::move(point));
    processesRecomputed();
    emit pointChanged(index);
}

void Project::insertProcess(int index, ProcessLink link) {
    model_.insertProcess(index, link);
    emit processesChanged();
}

void Project::removeProcess(int index) {
    model_.removeProcess(index);
    emit processesChanged();
}

void Project::insertMixing(int index, Mixing mixing) {
    model_.insertMixing(index, mixing);
    emit mixingsChanged();
}

void Project::removeMixing(int index) {
    model_.removeMixing(index);
    emit mixingsChanged();
}

void Project::applyZones(ZoneSettings zones) {
    model_.setZones(std::move(zones));
    emit zonesChanged();
    emit pointsChanged();
}

void Project::applyAtmosphere(const AtmosphereState& state) {
    model_.setAtmosphere(state);
    processesRecomputed();
    emit atmosphereChanged();
    emit pointsChanged();
    if (airHandler())
        emit airHandlerChanged();
}

void Project::applyAirHandler(std::optional<AirHandlerSetup> setup) {
    model_.setAirHandler(std::move(setup));
    emit airHandlerChanged();
}

void Project::replace(ProjectData data) {
    dragPointId_.reset();
    undo_.clear();
    model_.replace(std::move(data));
    nameSequence_ = 0;
    emit atmosphereChanged();
    emit zonesChanged();
    emit pointsChanged();
    emit processesChanged();
    emit mixingsChanged();
    emit airHandlerChanged();
}

// --- File and tables ----------------------------------------------------------

QString Project::save(const QString& path) const {
    return writeText(path, WriteProjectFile(data()));
}

QString Project::open(const QString& path) {
    auto read = LoadProjectFileAt(QFile::encodeName(path).toStdString());
    if (auto* error = std::get_if<i18n::Message>(&read))
        return translations::Translated(*error);
    replace(std::get<ProjectData>(std::move(read)));
    return {};
}

QString Project::exportPointsCsv(const QString& path) const {
    return writeText(path, PointsCsv(model_));
}

QString Project::exportProcessesCsv(const QString& path) const {
    return writeText(path, ProcessesCsv(model_));
}

QString Project::exportMixturesCsv(const QString& path) const {
    return writeText(path, MixturesCsv(model_));
}

QString Project::exportAirHandlerComponentsCsv(const QString& path) const {
    const auto csv = AirHandlerComponentsCsv(model_);
    return csv ? writeText(path, *csv) : tr("The project has no air handler.");
}

QString Project::exportAirHandlerRollupCsv(const QString& path) const {
    const auto csv = AirHandlerRollupCsv(model_);
    return csv ? writeText(path, *csv) : tr("The project has no air handler.");
}

} // namespace project
