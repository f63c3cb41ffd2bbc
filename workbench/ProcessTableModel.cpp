#include "workbench/ProcessTableModel.h"

#include "core/DefaultFormats.h"
#include "engine/Units.h"
#include "project/Project.h"
#include "translations/Message.h"
#include "units/Conversions.h"
#include "workbench/FieldText.h"

#include <cmath>

#include <QLocale>

namespace chart {
namespace {

using namespace calculator;
namespace units = basPsychroFun::units;
using basPsychroFun::UnitSystem;

// Decimals of the numbers the calculator has no field for.
constexpr int kBtuDecimals = 0;
constexpr int kTonDecimals = 2;
constexpr int kKilowattDecimals = 2;
constexpr int kWaterDecimals = 2;
constexpr int kRatioDecimals = 2;

QString Number(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

} // namespace

QString HeatUnitText(HeatUnit unit) {
    switch (unit) {
    case HeatUnit::BtuPerHour:
        return QStringLiteral("Btu/h");
    case HeatUnit::Tons:
        return QStringLiteral("tons");
    case HeatUnit::Kilowatts:
        return QStringLiteral("kW");
    }
    return {};
}

HeatUnit DefaultHeatUnit(UnitSystem system) noexcept {
    return system == UnitSystem::IP ? HeatUnit::BtuPerHour : HeatUnit::Kilowatts;
}

UnitSystem SystemOf(const CalculatorView& view) noexcept {
    return basPsychroFun::UnitSystemOf(view.state.UnitSystem).value_or(UnitSystem::IP);
}

CalculatorView DefaultView() {
    CalculatorView view;
    for (int field = 0; field < kFieldCount; ++field) {
        const auto f = static_cast<std::size_t>(field);
        view.unitPositions[f] = UnitSystemPosition(field, UnitSystem::IP);
        view.formats[f] = std::string(kDefaultFormats[f]);
    }
    return view;
}

// --- Processes ------------------------------------------------------------

ProcessTableModel::ProcessTableModel(project::Project* project, QObject* parent)
    : QAbstractTableModel(parent), project_(project), view_(DefaultView()) {
    if (!project)
        return;
    // Every change of the project can move or rename a row's points or change
    // its results; the table is small, so it is simply read again.
    connect(project, &project::Project::processesChanged, this, &ProcessTableModel::reset);
    connect(project, &project::Project::pointsChanged, this, &ProcessTableModel::reset);
    connect(project, &project::Project::pointChanged, this, &ProcessTableModel::reset);
    connect(project, &project::Project::atmosphereChanged, this, &ProcessTableModel::reset);
    connect(project, &QObject::destroyed, this, &ProcessTableModel::reset);
}

void ProcessTableModel::reset() {
    beginResetModel();
    endResetModel();
}

void ProcessTableModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void MixingTableModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void ProcessTableModel::setView(const CalculatorView& view) {
    beginResetModel();
    view_ = view;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void ProcessTableModel::setHeatUnit(HeatUnit unit) {
    if (unit == heatUnit_)
        return;
    beginResetModel();
    heatUnit_ = unit;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int ProcessTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !project_ ? 0 : project_->processCount();
}

int ProcessTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString ProcessTableModel::unitOf(int column) const {
    switch (column) {
    case DryBulbChangeColumn:
    case ApparatusDewPointColumn:
        return FieldUnit(view_, kDryBulb);
    case HumidityRatioChangeColumn:
        return FieldUnit(view_, kHumidityRatio);
    case EnthalpyChangeColumn:
        return FieldUnit(view_, kEnthalpy);
    case SensibleColumn:
    case LatentColumn:
    case TotalColumn:
        return HeatUnitText(heatUnit_);
    case WaterColumn:
        return SystemOf(view_) == UnitSystem::IP ? QStringLiteral("lb/h") : QStringLiteral("kg/h");
    default:
        return {};
    }
}

QVariant ProcessTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    // The symbols ΔT, ΔW, Δh read the same in every language.
    static const char* const kNames[ColumnCount] = {QT_TR_NOOP("From"),
                                                    QT_TR_NOOP("To"),
                                                    QT_TR_NOOP("Process"),
                                                    "ΔT",
                                                    "ΔW",
                                                    "Δh",
                                                    QT_TR_NOOP("Sensible"),
                                                    QT_TR_NOOP("Latent"),
                                                    QT_TR_NOOP("Total"),
                                                    QT_TR_NOOP("SHR"),
                                                    QT_TR_NOOP("Water"),
                                                    QT_TR_NOOP("ADP"),
                                                    QT_TR_NOOP("Bypass factor"),
                                                    QT_TR_NOOP("Message")};
    const QString name = tr(kNames[section]);
    const QString unit = unitOf(section);
    return unit.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, unit);
}

QString ProcessTableModel::pointName(int id) const {
    const int index = project_->indexOfId(id);
    return index < 0 ? QStringLiteral("?") : project_->pointName(index);
}

QString ProcessTableModel::heatText(double btuPerHour, std::optional<double>* value) const {
    switch (heatUnit_) {
    case HeatUnit::BtuPerHour:
        *value = btuPerHour;
        return Number(btuPerHour, kBtuDecimals);
    case HeatUnit::Tons:
        *value = units::BtuPerHourToTons(btuPerHour);
        return Number(**value, kTonDecimals);
    case HeatUnit::Kilowatts:
        *value = units::BtuPerHourToKilowatts(btuPerHour);
        return Number(**value, kKilowattDecimals);
    }
    return {};
}

ProcessTableModel::Cell ProcessTableModel::cell(int row, int column) const {
    const project::ProcessLink& link = project_->process(row);
    const project::ProcessResult& result = project_->processResult(row);
    const auto& analysis = result.analysis;
    const processes::ProcessLoads* loads =
        analysis && analysis->loads ? &*analysis->loads : nullptr;
    Cell c;
    switch (column) {
    case FromColumn:
        c.text = pointName(link.fromId);
        break;
    case ToColumn:
        c.text = pointName(link.toId);
        break;
    case ProcessColumn:
        if (analysis) {
            c.text = translations::Translated(processes::ProcessNameText(analysis->kind));
        }
        break;
    case DryBulbChangeColumn:
        if (analysis) {
            c.text = TemperatureSpanText(view_, analysis->dryBulbChangeF, kDryBulb);
            const int position = UnitPosition(view_, kDryBulb);
            // Positions 1 (°C) and 3 (K) of the temperature list are kelvin-sized.
            c.value = position == 1 || position == 3
                          ? units::FahrenheitSpanToKelvin(analysis->dryBulbChangeF)
                          : analysis->dryBulbChangeF;
        }
        break;
    case HumidityRatioChangeColumn:
        if (analysis) {
            // Every humidity-ratio unit is a multiple of lb/lb, so a change
            // converts as a value does.
            c.value = static_cast<double>(basConversions::ConvertHumidityRatioFromBase(
                analysis->humidityRatioChange, UnitPosition(view_, kHumidityRatio)));
            c.text = FieldNumber(view_, *c.value, kHumidityRatio);
        }
        break;
    case EnthalpyChangeColumn:
        if (analysis) {
            // The analysis gives h2 - h1 in the project's formulation: Btu/lb,
            // or kJ/kg in SI. The enthalpy units differ by factors alone (the
            // datums cancel in a difference): to the stored form, then to the
            // unit of the enthalpy field.
            const double stored = project_->atmosphere().system == UnitSystem::IP
                                      ? analysis->enthalpyChange
                                      : units::StoredFromMetricEnthalpy(analysis->enthalpyChange);
            c.value = static_cast<double>(
                basConversions::ConvertEnthalpyFromBase(stored, UnitPosition(view_, kEnthalpy)));
            c.text = FieldNumber(view_, *c.value, kEnthalpy);
        }
        break;
    case SensibleColumn:
        if (loads)
            c.text = heatText(loads->sensible.btuPerHour, &c.value);
        break;
    case LatentColumn:
        if (loads)
            c.text = heatText(loads->latent.btuPerHour, &c.value);
        break;
    case TotalColumn:
        if (loads)
            c.text = heatText(loads->total.btuPerHour, &c.value);
        break;
    case SensibleHeatRatioColumn:
        if (analysis && analysis->sensibleHeatRatio) {
            c.value = *analysis->sensibleHeatRatio;
            c.text = Number(*c.value, kRatioDecimals);
        }
        break;
    case WaterColumn:
        if (loads) {
            c.value =
                SystemOf(view_) == UnitSystem::IP ? loads->waterLbPerHour : loads->waterKgPerHour();
            // Added water with its sign, so that removed water reads "−".
            c.text = *c.value > 0.0 ? QStringLiteral("+") + Number(*c.value, kWaterDecimals)
                                    : Number(*c.value, kWaterDecimals);
        }
        break;
    case ApparatusDewPointColumn:
        if (result.coil) {
            c.value = static_cast<double>(basPsychroFun::ConvertTemperatureFromBase(
                result.coil->apparatusDewPoint.dryBulbF, UnitPosition(view_, kDryBulb)));
            c.text = TemperatureText(view_, result.coil->apparatusDewPoint.dryBulbF, kDryBulb);
        }
        break;
    case BypassFactorColumn:
        if (result.coil) {
            c.value = result.coil->bypassFactor;
            c.text = Number(*c.value, kRatioDecimals);
        }
        break;
    case MessageColumn: {
        QStringList lines;
        for (const std::string& line : {result.message, result.coilMessage})
            if (!line.empty())
                lines << QString::fromStdString(line);
        c.text = lines.join(QLatin1Char(' '));
        break;
    }
    default:
        break;
    }
    return c;
}

QVariant ProcessTableModel::data(const QModelIndex& index, int role) const {
    if (!project_ || !index.isValid() || index.row() >= project_->processCount() ||
        index.column() >= ColumnCount)
        return {};
    const Cell c = cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return c.text;
    case ValueRole:
        return c.value ? QVariant(*c.value) : QVariant();
    case Qt::TextAlignmentRole:
        if (c.value)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::AccessibleTextRole: {
        // "Process A to B, total 24,000 Btu/h": the row and the column said
        // in words, for a screen reader reading one cell.
        const project::ProcessLink& link = project_->process(index.row());
        const QString row =
            tr("Process %1 to %2").arg(pointName(link.fromId), pointName(link.toId));
        static const char* const kSpoken[ColumnCount] = {QT_TR_NOOP("from"),
                                                         QT_TR_NOOP("to"),
                                                         QT_TR_NOOP("process"),
                                                         QT_TR_NOOP("dry-bulb change"),
                                                         QT_TR_NOOP("humidity-ratio change"),
                                                         QT_TR_NOOP("enthalpy change"),
                                                         QT_TR_NOOP("sensible"),
                                                         QT_TR_NOOP("latent"),
                                                         QT_TR_NOOP("total"),
                                                         QT_TR_NOOP("sensible heat ratio"),
                                                         QT_TR_NOOP("water"),
                                                         QT_TR_NOOP("apparatus dew point"),
                                                         QT_TR_NOOP("bypass factor"),
                                                         QT_TR_NOOP("message")};
        const QString what = tr(kSpoken[index.column()]);
        if (c.text.isEmpty())
            return tr("%1, no %2").arg(row, what);
        const QString unit = unitOf(index.column());
        const QString value = unit.isEmpty() ? c.text : c.text + QLatin1Char(' ') + unit;
        return tr("%1, %2 %3").arg(row, what, value);
    }
    default:
        return {};
    }
}

// --- Mixtures -------------------------------------------------------------

MixingTableModel::MixingTableModel(project::Project* project, QObject* parent)
    : QAbstractTableModel(parent), project_(project) {
    if (!project)
        return;
    connect(project, &project::Project::mixingsChanged, this, &MixingTableModel::reset);
    connect(project, &project::Project::pointsChanged, this, &MixingTableModel::reset);
    connect(project, &project::Project::pointChanged, this, &MixingTableModel::reset);
    connect(project, &QObject::destroyed, this, &MixingTableModel::reset);
}

void MixingTableModel::reset() {
    beginResetModel();
    endResetModel();
}

int MixingTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !project_ ? 0 : project_->mixingCount();
}

int MixingTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MixingTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    static const char* const kNames[ColumnCount] = {QT_TR_NOOP("First"), QT_TR_NOOP("Second"),
                                                    QT_TR_NOOP("Mixture"), QT_TR_NOOP("Ratio")};
    return tr(kNames[section]);
}

QString MixingTableModel::pointName(int id) const {
    const int index = project_->indexOfId(id);
    return index < 0 ? QStringLiteral("?") : project_->pointName(index);
}

QString MixingTableModel::text(int row, int column) const {
    const project::Mixing& m = project_->mixing(row);
    switch (column) {
    case FirstColumn:
        return pointName(m.firstId);
    case SecondColumn:
        return pointName(m.secondId);
    case MixtureColumn:
        return pointName(m.resultId);
    case RatioColumn: {
        // Shares of the dry air in whole per cent, the second the rest of
        // the first so that the two always make 100 %; one decimal where a
        // small stream would otherwise read 0 %.
        if (!(m.firstStreamShare >= 0.0 && m.firstStreamShare <= 1.0))
            return {};
        const double first = m.firstStreamShare * units::kPercent;
        const double whole = std::round(first);
        const int decimals = whole <= 0.0 || whole >= units::kPercent ? 1 : 0;
        const double shown = decimals == 0 ? whole : std::round(first * 10.0) / 10.0;
        return QStringLiteral("%1 %2 % : %3 %4 %")
            .arg(pointName(m.firstId), Number(shown, decimals), pointName(m.secondId),
                 Number(units::kPercent - shown, decimals));
    }
    default:
        return {};
    }
}

QVariant MixingTableModel::data(const QModelIndex& index, int role) const {
    if (!project_ || !index.isValid() || index.row() >= project_->mixingCount() ||
        index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return text(index.row(), index.column());
    case Qt::AccessibleTextRole: {
        const project::Mixing& m = project_->mixing(index.row());
        const QString row =
            tr("Mixture %1 of %2 and %3")
                .arg(pointName(m.resultId), pointName(m.firstId), pointName(m.secondId));
        static const char* const kSpoken[ColumnCount] = {
            QT_TR_NOOP("first"), QT_TR_NOOP("second"), QT_TR_NOOP("mixture"), QT_TR_NOOP("ratio")};
        return tr("%1, %2 %3")
            .arg(row, tr(kSpoken[index.column()]), text(index.row(), index.column()));
    }
    default:
        return {};
    }
}

} // namespace chart
