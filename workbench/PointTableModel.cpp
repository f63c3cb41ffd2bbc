#include "workbench/PointTableModel.h"

#include "core/DefaultFormats.h"
#include "core/FieldTable.h"
#include "engine/Units.h"
#include "units/text/NumberText.h"
#include "workbench/FieldText.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QFont>
#include <QLocale>

namespace chart {
namespace {

using namespace calculator;
using project::Input;

// The calculator fields of the property columns, in column order.
constexpr std::array<int, 12> kPropertyFields{
    kDryBulb,        kWetBulb,  kRelativeHumidity, kHumidityRatio,
    kEnthalpy,       kDewPoint, kVaporPressure,    kDegreeOfSaturation,
    kSpecificVolume, kDensity,  kAbsoluteHumidity, kMoistureConcentration};

struct PropertyName {
    // Marked for translation in the model's context.
    const char* title;  // the column header, before its unit
    const char* spoken; // in running text: "Point A, dry bulb 75.00 °F"
};
// By calculator field index; the pressure and altitude (11, 12) are common
// to all points and have no column.
constexpr std::array<PropertyName, kFieldCount> kPropertyNames{{
    {QT_TRANSLATE_NOOP("chart::PointTableModel", "Dry bulb"),
     QT_TRANSLATE_NOOP("chart::PointTableModel", "dry bulb")},
    {QT_TRANSLATE_NOOP("chart::PointTableModel", "Wet bulb"),
     QT_TRANSLATE_NOOP("chart::PointTableModel", "wet bulb")},
    {QT_TRANSLATE_NOOP("chart::PointTableModel", "RH"),
     QT_TRANSLATE_NOOP("chart::PointTableModel", "relative humidity")},
    {QT_TRANSLATE_NOOP("chart::PointTableModel", "Humidity ratio"),
     QT_TRANSLATE_NOOP("chart::PointTableModel", "humidity ratio")},
    {QT_TRANSLATE_NOOP("chart::PointTableModel", "Enthalpy"),
     QT_TRANSLATE_NOOP("chart::PointTableModel", "enthalpy")},
    {QT_TRANSLATE_NOOP("chart::PointTableModel", "Dew point"),
     QT_TRANSLATE_NOOP("chart::PointTableModel", "dew point")},
    {QT_TRANSLATE_NOOP("chart::PointTableModel", "Vapor pressure"),
     QT_TRANSLATE_NOOP("chart::PointTableModel", "vapor pressure")},
    {QT_TRANSLATE_NOOP("chart::PointTableModel", "Degree of saturation"),
     QT_TRANSLATE_NOOP("chart::PointTableModel", "degree of saturation")},
    {QT_TRANSLATE_NOOP("chart::PointTableModel", "Specific volume"),
     QT_TRANSLATE_NOOP("chart::PointTableModel", "specific volume")},
    {QT_TRANSLATE_NOOP("chart::PointTableModel", "Density"),
     QT_TRANSLATE_NOOP("chart::PointTableModel", "density")},
    {QT_TRANSLATE_NOOP("chart::PointTableModel", "Absolute humidity"),
     QT_TRANSLATE_NOOP("chart::PointTableModel", "absolute humidity")},
    {QT_TRANSLATE_NOOP("chart::PointTableModel", "Pressure"),
     QT_TRANSLATE_NOOP("chart::PointTableModel", "pressure")},
    {QT_TRANSLATE_NOOP("chart::PointTableModel", "Altitude"),
     QT_TRANSLATE_NOOP("chart::PointTableModel", "altitude")},
    {QT_TRANSLATE_NOOP("chart::PointTableModel", "Moisture concentration"),
     QT_TRANSLATE_NOOP("chart::PointTableModel", "moisture concentration")},
}};

constexpr std::array<processes::AirflowUnit, 4> kAirflowUnits{
    processes::AirflowUnit::Cfm, processes::AirflowUnit::LitresPerSecond,
    processes::AirflowUnit::CubicMetresPerSecond, processes::AirflowUnit::CubicMetresPerHour};

QString AirflowUnitText(processes::AirflowUnit unit) {
    const std::string_view symbol = processes::AirflowUnitSymbol(unit);
    return QString::fromUtf8(symbol.data(), static_cast<qsizetype>(symbol.size()));
}

// The field an input is shown in: the calculator's five inputs are fields 0
// to 4 in the order of project::Input, and the dew point is field 5.
constexpr int FieldOfInput(Input input) {
    return static_cast<int>(input);
}

QString InputTitle(Input input) {
    return PointTableModel::tr(kPropertyNames[static_cast<std::size_t>(FieldOfInput(input))].title);
}

// Numbers of the table's own columns (airflow, mass flow, PMV) by the locale,
// without digit grouping so that the text reads back as typed.
QString Number(double value, int precision) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', precision);
}

CalculatorView DefaultView() {
    CalculatorView view;
    for (int f = 0; f < kFieldCount; ++f) {
        const auto i = static_cast<std::size_t>(f);
        view.unitPositions[i] = UnitSystemPosition(f, basPsychroFun::UnitSystem::IP);
        view.formats[i] = std::string(kDefaultFormats[i]);
    }
    view.state.UnitSystem = "IP";
    return view;
}

} // namespace

PointTableModel::PointTableModel(project::Project* project, QObject* parent)
    : QAbstractTableModel(parent), project_(project), view_(DefaultView()) {
    if (!project_)
        return;
    connect(project_, &project::Project::pointsChanged, this, &PointTableModel::pointsReset);
    connect(project_, &project::Project::pointChanged, this, &PointTableModel::pointChanged);
    // The dry-air mass flow is shown in the project's unit system.
    connect(project_, &project::Project::atmosphereChanged, this, &PointTableModel::headersChanged);
}

void PointTableModel::setView(const CalculatorView& view) {
    view_ = view;
    headersChanged();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

int PointTableModel::fieldOfColumn(int column) noexcept {
    const int i = column - kDryBulbColumn;
    if (i < 0 || i >= static_cast<int>(kPropertyFields.size()))
        return -1;
    return kPropertyFields[static_cast<std::size_t>(i)];
}

int PointTableModel::columnOfField(int field) noexcept {
    for (std::size_t i = 0; i < kPropertyFields.size(); ++i) {
        if (kPropertyFields[i] == field)
            return kDryBulbColumn + static_cast<int>(i);
    }
    return -1;
}

std::optional<Input> PointTableModel::inputOfColumn(int column) noexcept {
    const int field = fieldOfColumn(column);
    if (field < kDryBulb || field > kDewPoint)
        return std::nullopt;
    return static_cast<Input>(field);
}

void PointTableModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
}

QStringList PointTableModel::airflowUnitTexts() {
    QStringList texts;
    for (const auto unit : kAirflowUnits)
        texts << AirflowUnitText(unit);
    return texts;
}

int PointTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !project_ ? 0 : project_->pointCount();
}

int PointTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString PointTableModel::columnTitle(int column) const {
    if (const int field = fieldOfColumn(column); field >= 0)
        return tr(kPropertyNames[static_cast<std::size_t>(field)].title);
    switch (column) {
    case kName:
        return tr("Name");
    case kDefinedBy:
        return tr("Defined by");
    case kAirflow:
        return tr("Airflow");
    case kAirflowUnit:
        return tr("Airflow unit");
    case kDryAir:
        return tr("Dry air");
    case kZones:
        return tr("Zones");
    case kPmv:
        return tr("PMV");
    case kPpd:
        return tr("PPD");
    case kStatus:
        return tr("Status");
    default:
        return {};
    }
}

QString PointTableModel::columnUnit(int column) const {
    if (const int field = fieldOfColumn(column); field >= 0)
        return FieldUnit(view_, field);
    if (column == kDryAir && project_)
        return project_->atmosphere().system == basPsychroFun::UnitSystem::IP
                   ? QStringLiteral("lb/h")
                   : QStringLiteral("kg/h");
    if (column == kPpd)
        return QStringLiteral("%");
    return {};
}

QVariant PointTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QString title = columnTitle(section);
    const QString unit = columnUnit(section);
    switch (role) {
    case Qt::DisplayRole:
        return unit.isEmpty() ? title : QStringLiteral("%1 (%2)").arg(title, unit);
    case Qt::ToolTipRole:
        if (section == kDefinedBy)
            return tr("The two properties the point is defined by; their cells are bold.");
        if (section == kPmv || section == kPpd)
            return tr("Thermal comfort by ISO 7730 with the project's comfort parameters, the mean "
                      "radiant temperature equal to the dry bulb.");
        if (inputOfColumn(section))
            return tr("Editable: a value typed here redefines the point.");
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags PointTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int column = index.column();
    if (column == kName || inputOfColumn(column) || column == kAirflow || column == kAirflowUnit)
        f |= Qt::ItemIsEditable;
    return f;
}

bool PointTableModel::isDefining(int row, int column) const {
    const auto input = inputOfColumn(column);
    if (!input)
        return false;
    const project::PointDefinition& d = project_->point(row).definition;
    return d.first.input == *input || d.second.input == *input;
}

QString PointTableModel::displayText(int row, int column) const {
    const project::StatePoint& point = project_->point(row);
    const project::PointResult& result = project_->pointResult(row);
    if (const int field = fieldOfColumn(column); field >= 0) {
        if (!result.state)
            return {};
        // A defining cell shows the value that defines the point, not the
        // one solved back from its state: a dew point of 60.00 solves to a
        // humidity ratio whose own dew point may read 60.05.
        if (const auto input = inputOfColumn(column); input && isDefining(row, column)) {
            const project::PointDefinition& d = point.definition;
            CalcState defined = *result.state;
            const double value = d.first.input == *input ? d.first.value : d.second.value;
            switch (*input) {
            case Input::DryBulb:
                defined.Tdb = static_cast<float>(value);
                break;
            case Input::WetBulb:
                defined.Twb = static_cast<float>(value);
                break;
            case Input::RelativeHumidity:
                defined.Phi = static_cast<float>(value);
                break;
            case Input::HumidityRatio:
                defined.W = static_cast<float>(value);
                break;
            case Input::Enthalpy:
                defined.H = static_cast<float>(value);
                break;
            case Input::DewPoint:
                defined.Tdp = static_cast<float>(value);
                break;
            }
            return FieldText(view_, defined, field);
        }
        return FieldText(view_, *result.state, field);
    }
    switch (column) {
    case kName:
        return QString::fromStdString(point.name);
    case kDefinedBy:
        return QStringLiteral("%1, %2").arg(InputTitle(point.definition.first.input),
                                            InputTitle(point.definition.second.input));
    case kAirflow:
        if (!point.airflow)
            return {};
        {
            // A tenth of a cfm, L/s or m³/h, a litre per second in m³/s: the
            // airflow of a mixture, the sum of the streams' dry air at the
            // mixture's specific volume, is no round number.
            QLocale locale;
            locale.setNumberOptions(QLocale::OmitGroupSeparator);
            const int decimals =
                point.airflow->unit == processes::AirflowUnit::CubicMetresPerSecond ? 3 : 1;
            return locale.toString(point.airflow->value, 'f', decimals);
        }
    case kAirflowUnit:
        return point.airflow ? AirflowUnitText(point.airflow->unit) : QString();
    case kDryAir:
        if (!result.dryAirLbPerHour)
            return {};
        return Number(project_->atmosphere().system == basPsychroFun::UnitSystem::IP
                          ? *result.dryAirLbPerHour
                          : basPsychroFun::units::PoundsToKilograms(*result.dryAirLbPerHour),
                      1);
    case kZones: {
        QStringList parts;
        for (const project::ZoneMembership& z : result.zones)
            parts << QStringLiteral("%1: %2").arg(QString::fromStdString(z.zone),
                                                  z.inside ? tr("inside") : tr("outside"));
        return parts.join(QStringLiteral("; "));
    }
    case kPmv:
        return result.comfort ? Number(result.comfort->pmv, 2) : QString();
    case kPpd:
        return result.comfort ? Number(result.comfort->ppd, 1) : QString();
    case kStatus: {
        QStringList parts;
        for (const std::string& m : {result.reason, result.airflowMessage, result.comfortMessage}) {
            if (!m.empty())
                parts << QString::fromStdString(m);
        }
        return parts.join(QStringLiteral(" "));
    }
    default:
        return {};
    }
}

QString PointTableModel::editText(int row, int column) const {
    return displayText(row, column);
}

QString PointTableModel::accessibleText(int row, int column) const {
    const QString point = tr("Point %1").arg(project_->pointName(row));
    const QString text = displayText(row, column);
    const int field = fieldOfColumn(column);
    if (field >= 0) {
        const QString spoken = tr(kPropertyNames[static_cast<std::size_t>(field)].spoken);
        if (text.isEmpty()) {
            const QString reason = QString::fromStdString(project_->pointResult(row).reason);
            return reason.isEmpty() ? tr("%1, %2: none").arg(point, spoken)
                                    : tr("%1, %2: none, %3").arg(point, spoken, reason);
        }
        const QString unit = FieldUnit(view_, field);
        QString line = unit.isEmpty()
                           ? QStringLiteral("%1, %2 %3").arg(point, spoken, text)
                           : QStringLiteral("%1, %2 %3 %4").arg(point, spoken, text, unit);
        if (isDefining(row, column))
            line += tr(", defines the point");
        return line;
    }
    QString title = columnTitle(column).toLower();
    if (column == kPmv || column == kPpd)
        title = columnTitle(column);
    const QString unit = columnUnit(column);
    if (text.isEmpty())
        return tr("%1, %2: none").arg(point, title);
    return unit.isEmpty() ? QStringLiteral("%1, %2 %3").arg(point, title, text)
                          : QStringLiteral("%1, %2 %3 %4").arg(point, title, text, unit);
}

QString PointTableModel::toolTip(int row, int column) const {
    const project::PointResult& result = project_->pointResult(row);
    if (fieldOfColumn(column) >= 0) {
        if (!result.state)
            return QString::fromStdString(result.reason);
        if (isDefining(row, column))
            return tr("Defines the point");
        return {};
    }
    if (column == kStatus || column == kZones)
        return displayText(row, column);
    if (column == kDryAir && !result.airflowMessage.empty())
        return QString::fromStdString(result.airflowMessage);
    if ((column == kPmv || column == kPpd) && !result.comfortMessage.empty())
        return QString::fromStdString(result.comfortMessage);
    return {};
}

QVariant PointTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !project_ || index.row() >= rowCount() ||
        index.column() >= kColumnCount)
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return displayText(row, column);
    case Qt::EditRole:
        return editText(row, column);
    case Qt::AccessibleTextRole:
        return accessibleText(row, column);
    case Qt::ToolTipRole: {
        const QString tip = toolTip(row, column);
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case Qt::FontRole:
        if (isDefining(row, column)) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::TextAlignmentRole:
        if (fieldOfColumn(column) >= 0 || column == kAirflow || column == kDryAir ||
            column == kPmv || column == kPpd)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

bool PointTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !project_ || index.row() >= rowCount() ||
        !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int row = index.row();
    const int column = index.column();
    const QString text = value.toString();
    // Committing a cell left as it was stores nothing: the text shown is
    // rounded to the field's format, and storing it back would move the
    // point by that rounding.
    if (text == editText(row, column))
        return false;

    QString problem;
    if (column == kName)
        problem = project_->renamePoint(row, text);
    else if (const auto input = inputOfColumn(column))
        problem = editInput(row, *input, text);
    else if (column == kAirflow)
        problem = editAirflow(row, text);
    else if (column == kAirflowUnit)
        problem = editAirflowUnit(row, text);
    if (!problem.isEmpty()) {
        emit message(problem);
        return false;
    }
    // A stored edit may still leave the point without air (a relative
    // humidity over 100 %, say): say so, the row shows the reason as well.
    const project::PointResult& result = project_->pointResult(row);
    if (!result.state)
        emit message(tr("Point %1 is not air: %2")
                         .arg(project_->pointName(row), QString::fromStdString(result.reason)));
    else if (column == kAirflow && !result.airflowMessage.empty())
        emit message(QString::fromStdString(result.airflowMessage));
    else
        emit message({});
    return true;
}

QString PointTableModel::editInput(int row, Input input, const QString& text) {
    const int field = FieldOfInput(input);
    const std::optional<double> typed = ReadFieldText(view_, field, text);
    const QString spoken = tr(kPropertyNames[static_cast<std::size_t>(field)].spoken);
    if (!typed)
        return tr("“%1” is not a number for the %2; nothing was changed.")
            .arg(text.trimmed(), spoken);

    project::PointDefinition definition = project_->point(row).definition;
    if (definition.first.input == input) {
        definition.first.value = *typed;
    } else if (definition.second.input == input) {
        definition.second.value = *typed;
    } else if (!project::CheckPair(input, definition.second.input)) {
        // The new value most likely takes the place of the first input: keep
        // the second, which it pairs with.
        definition.first = {input, *typed};
    } else {
        definition.second = {input, *typed};
    }
    return project_->setDefinition(row, definition);
}

QString PointTableModel::editAirflow(int row, const QString& text) {
    const std::optional<processes::Airflow>& before = project_->point(row).airflow;
    if (text.trimmed().isEmpty())
        return project_->setAirflow(row, std::nullopt);
    const std::optional<double> typed = basConversions::ReadNumber(text);
    if (!typed)
        return tr("“%1” is not a number for the airflow; nothing was changed.").arg(text.trimmed());
    // A new airflow is taken in the unit of the project's unit system.
    const processes::AirflowUnit unit =
        before ? before->unit
               : (project_->atmosphere().system == basPsychroFun::UnitSystem::IP
                      ? processes::AirflowUnit::Cfm
                      : processes::AirflowUnit::LitresPerSecond);
    return project_->setAirflow(row, processes::Airflow{*typed, unit});
}

QString PointTableModel::editAirflowUnit(int row, const QString& text) {
    const std::optional<processes::Airflow>& before = project_->point(row).airflow;
    const auto it =
        std::find_if(kAirflowUnits.begin(), kAirflowUnits.end(), [&text](processes::AirflowUnit u) {
            return AirflowUnitText(u) == text.trimmed();
        });
    if (it == kAirflowUnits.end())
        return tr("“%1” is not an airflow unit; choose one of %2.")
            .arg(text.trimmed(), airflowUnitTexts().join(QStringLiteral(", ")));
    if (!before)
        return tr("Give point %1 an airflow first.").arg(project_->pointName(row));
    // The number stays: the unit says what it was meant in.
    return project_->setAirflow(row, processes::Airflow{before->value, *it});
}

void PointTableModel::pointsReset() {
    beginResetModel();
    endResetModel();
}

void PointTableModel::pointChanged(int row) {
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

void PointTableModel::headersChanged() {
    emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
}

} // namespace chart
