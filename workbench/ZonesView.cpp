#include "workbench/ZonesView.h"

#include "chart/ChartUnits.h"
#include "chart/StatusLabel.h"
#include "processes/Comfort.h"
#include "project/Project.h"
#include "project/QtText.h"

#include <array>
#include <cmath>
#include <optional>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace chart {

namespace {

// Grains in a pound: the grain is defined as 1/7000 lb.
constexpr double kGrainsPerPound = 7000.0;

enum class Quantity { Temperature, HumidityRatio, RelativeHumidity };

struct LimitColumn {
    std::optional<double> processes::ZoneLimits::*limit;
    Quantity quantity;
    const char* title; // with the unit after it; marked for translation
};

// The limit columns, MinDryBulbColumn to MaxDewPointColumn, in order.
constexpr std::array<LimitColumn, 8> kLimitColumns{{
    {&processes::ZoneLimits::minDryBulbF, Quantity::Temperature,
     QT_TRANSLATE_NOOP("chart::ZonesView", "Dry bulb min")},
    {&processes::ZoneLimits::maxDryBulbF, Quantity::Temperature,
     QT_TRANSLATE_NOOP("chart::ZonesView", "Dry bulb max")},
    {&processes::ZoneLimits::minHumidityRatio, Quantity::HumidityRatio,
     QT_TRANSLATE_NOOP("chart::ZonesView", "Humidity ratio min")},
    {&processes::ZoneLimits::maxHumidityRatio, Quantity::HumidityRatio,
     QT_TRANSLATE_NOOP("chart::ZonesView", "Humidity ratio max")},
    {&processes::ZoneLimits::minRelativeHumidity, Quantity::RelativeHumidity,
     QT_TRANSLATE_NOOP("chart::ZonesView", "RH min")},
    {&processes::ZoneLimits::maxRelativeHumidity, Quantity::RelativeHumidity,
     QT_TRANSLATE_NOOP("chart::ZonesView", "RH max")},
    {&processes::ZoneLimits::minDewPointF, Quantity::Temperature,
     QT_TRANSLATE_NOOP("chart::ZonesView", "Dew point min")},
    {&processes::ZoneLimits::maxDewPointF, Quantity::Temperature,
     QT_TRANSLATE_NOOP("chart::ZonesView", "Dew point max")},
}};

const LimitColumn* LimitColumnAt(int column) {
    const int i = column - ZonesView::MinDryBulbColumn;
    return i >= 0 && i < static_cast<int>(kLimitColumns.size())
               ? &kLimitColumns[static_cast<std::size_t>(i)]
               : nullptr;
}

QString UnitOf(Quantity quantity, UnitSystem units) {
    switch (quantity) {
    case Quantity::Temperature:
        return units == UnitSystem::IP ? QStringLiteral("°F") : QStringLiteral("°C");
    case Quantity::HumidityRatio:
        return units == UnitSystem::IP ? QStringLiteral("gr/lb") : QStringLiteral("g/kg");
    case Quantity::RelativeHumidity:
        break;
    }
    return QStringLiteral("%");
}

// Base units (°F, lb/lb, fraction) to what the table shows, and back.
double ToShown(double value, Quantity quantity, UnitSystem units) {
    switch (quantity) {
    case Quantity::Temperature:
        return TemperatureToDisplay(value, units);
    case Quantity::HumidityRatio:
        return value * (units == UnitSystem::IP ? kGrainsPerPound : 1000.0);
    case Quantity::RelativeHumidity:
        break;
    }
    return 100.0 * value;
}

double FromShown(double value, Quantity quantity, UnitSystem units) {
    switch (quantity) {
    case Quantity::Temperature:
        return TemperatureFromDisplay(value, units);
    case Quantity::HumidityRatio:
        return value / (units == UnitSystem::IP ? kGrainsPerPound : 1000.0);
    case Quantity::RelativeHumidity:
        break;
    }
    return value / 100.0;
}

QDoubleSpinBox* SpinBox(double min, double max, double step, int decimals, const QString& suffix,
                        QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(min, max);
    box->setSingleStep(step);
    box->setDecimals(decimals);
    box->setSuffix(suffix);
    // One change per value typed, not one per keystroke.
    box->setKeyboardTracking(false);
    return box;
}

} // namespace

ZonesView::ZonesView(project::Project* project, QWidget* parent)
    : QWidget(parent), project_(project), comfortShown_(new QCheckBox(this)),
      // ISO 7730's ranges of the PMV model: 0.8 to 4 met, 0 to 2 clo, 0 to
      // 1 m/s (processes/Comfort.h).
      metabolicRate_(SpinBox(0.8, 4.0, 0.1, 2, QStringLiteral(" met"), this)),
      clothing_(SpinBox(0.0, 2.0, 0.1, 2, QStringLiteral(" clo"), this)),
      airSpeed_(SpinBox(0.0, 1.0, 0.05, 2, QStringLiteral(" m/s"), this)),
      summer_(new QPushButton(this)), winter_(new QPushButton(this)),
      dataRoomShown_(new QCheckBox(this)), userZones_(new QTableWidget(0, ColumnCount, this)),
      add_(new QPushButton(this)), remove_(new QPushButton(this)), message_(new QLabel(this)) {
    comfortShown_->setObjectName(QStringLiteral("comfortShown"));
    metabolicRate_->setObjectName(QStringLiteral("metabolicRate"));
    clothing_->setObjectName(QStringLiteral("clothing"));
    airSpeed_->setObjectName(QStringLiteral("airSpeed"));
    summer_->setObjectName(QStringLiteral("summerPreset"));
    summer_->setToolTip(QStringLiteral("1.1 met, 0.5 clo, 0.1 m/s"));
    winter_->setObjectName(QStringLiteral("winterPreset"));
    winter_->setToolTip(QStringLiteral("1.1 met, 1.0 clo, 0.1 m/s"));
    dataRoomShown_->setObjectName(QStringLiteral("dataRoomShown"));
    // Its limits on a line of their own below it, wrapped in a narrow panel.
    envelopeText_ = new QLabel(this);
    envelopeText_->setWordWrap(true);
    envelopeText_->setIndent(style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                             style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    userZones_->setObjectName(QStringLiteral("userZones"));
    // Tab leaves the table; the arrow keys move between cells, F2 edits.
    userZones_->setTabKeyNavigation(false);
    userZones_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    userZones_->verticalHeader()->setVisible(false);
    add_->setObjectName(QStringLiteral("addZone"));
    remove_->setObjectName(QStringLiteral("removeZone"));
    message_->setObjectName(QStringLiteral("zonesMessage"));
    MakeStatusLabel(message_, QString());
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    auto* person = new QFormLayout;
    const auto row = [&](QWidget* field) {
        auto* label = new QLabel(this);
        label->setBuddy(field);
        person->addRow(label, field);
        return label;
    };
    metabolicLabel_ = row(metabolicRate_);
    clothingLabel_ = row(clothing_);
    airSpeedLabel_ = row(airSpeed_);
    auto* presets = new QHBoxLayout;
    presets->addWidget(summer_);
    presets->addWidget(winter_);
    presets->addStretch();
    tableLabel_ = new QLabel(this);
    tableLabel_->setBuddy(userZones_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(comfortShown_);
    layout->addLayout(person);
    layout->addLayout(presets);
    layout->addWidget(dataRoomShown_);
    layout->addWidget(envelopeText_);
    layout->addWidget(tableLabel_);
    layout->addWidget(userZones_, 1);
    layout->addLayout(buttons);
    layout->addWidget(message_);

    const auto edit = [this](auto change) {
        return [this, change](auto value) {
            project::ZoneSettings settings = project_->zoneSettings();
            change(settings, value);
            apply(settings);
        };
    };
    connect(comfortShown_, &QCheckBox::toggled, this,
            edit([](project::ZoneSettings& s, bool on) { s.comfortShown = on; }));
    connect(metabolicRate_, &QDoubleSpinBox::valueChanged, this,
            edit([](project::ZoneSettings& s, double v) { s.comfort.metabolicRate = v; }));
    connect(clothing_, &QDoubleSpinBox::valueChanged, this,
            edit([](project::ZoneSettings& s, double v) { s.comfort.clothing = v; }));
    connect(airSpeed_, &QDoubleSpinBox::valueChanged, this,
            edit([](project::ZoneSettings& s, double v) { s.comfort.airSpeed = v; }));
    connect(summer_, &QPushButton::clicked, this,
            edit([](project::ZoneSettings& s, bool) { s.comfort = processes::kSummerComfort; }));
    connect(winter_, &QPushButton::clicked, this,
            edit([](project::ZoneSettings& s, bool) { s.comfort = processes::kWinterComfort; }));
    connect(dataRoomShown_, &QCheckBox::toggled, this,
            edit([](project::ZoneSettings& s, bool on) { s.dataRoomShown = on; }));
    connect(userZones_, &QTableWidget::itemChanged, this, &ZonesView::cellEdited);
    connect(userZones_, &QTableWidget::currentCellChanged, this,
            [this](int current) { remove_->setEnabled(current >= 0); });
    connect(add_, &QPushButton::clicked, this, &ZonesView::addZone);
    connect(remove_, &QPushButton::clicked, this, &ZonesView::removeZone);
    connect(project_, &project::Project::zonesChanged, this, &ZonesView::refresh);
    // The table's units follow the project's unit system.
    connect(project_, &project::Project::atmosphereChanged, this, &ZonesView::refresh);
    retranslate();
}

void ZonesView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void ZonesView::retranslate() {
    comfortShown_->setText(tr("&Thermal comfort zone (|PMV| ≤ 0.5)"));
    comfortShown_->setAccessibleName(tr("Thermal comfort zone"));
    metabolicRate_->setAccessibleName(tr("Metabolic rate, met"));
    clothing_->setAccessibleName(tr("Clothing insulation, clo"));
    airSpeed_->setAccessibleName(tr("Air speed, m/s"));
    metabolicLabel_->setText(tr("&Metabolic rate:"));
    clothingLabel_->setText(tr("C&lothing:"));
    airSpeedLabel_->setText(tr("Air s&peed:"));
    summer_->setText(tr("&Summer (0.5 clo)"));
    summer_->setAccessibleName(tr("Summer comfort preset"));
    winter_->setText(tr("W&inter (1.0 clo)"));
    winter_->setAccessibleName(tr("Winter comfort preset"));
    dataRoomShown_->setText(tr("&Data-processing room envelope"));
    dataRoomShown_->setAccessibleName(tr("Data-processing room envelope"));
    const QString envelope = tr("18–27 °C, dew point −9–15 °C, RH ≤ 60 %");
    dataRoomShown_->setAccessibleDescription(envelope);
    envelopeText_->setText(envelope);
    tableLabel_->setText(tr("&User zones:"));
    userZones_->setAccessibleName(tr("User zones"));
    userZones_->setAccessibleDescription(
        tr("One row per zone: its name, its limits, an empty cell for none, and "
           "whether it is shown."));
    add_->setText(tr("&Add zone"));
    add_->setAccessibleName(tr("Add zone"));
    remove_->setText(tr("&Remove zone"));
    remove_->setAccessibleName(tr("Remove zone"));
    message_->setAccessibleDescription(tr("Zones message"));
    // The table's header.
    refresh();
}

void ZonesView::refresh() {
    const QSignalBlocker blockers[] = {
        QSignalBlocker(comfortShown_), QSignalBlocker(metabolicRate_), QSignalBlocker(clothing_),
        QSignalBlocker(airSpeed_),     QSignalBlocker(dataRoomShown_), QSignalBlocker(userZones_)};
    const project::ZoneSettings& settings = project_->zoneSettings();
    const UnitSystem units = project_->atmosphere().system;
    comfortShown_->setChecked(settings.comfortShown);
    metabolicRate_->setValue(settings.comfort.metabolicRate);
    clothing_->setValue(settings.comfort.clothing);
    airSpeed_->setValue(settings.comfort.airSpeed);
    dataRoomShown_->setChecked(settings.dataRoomShown);

    QStringList headers{tr("Name")};
    for (const LimitColumn& column : kLimitColumns)
        headers << QStringLiteral("%1 (%2)").arg(tr(column.title), UnitOf(column.quantity, units));
    headers << tr("Shown");
    userZones_->setHorizontalHeaderLabels(headers);

    const QLocale locale;
    userZones_->setRowCount(static_cast<int>(settings.userZones.size()));
    for (int r = 0; r < userZones_->rowCount(); ++r) {
        const project::UserZone& zone = settings.userZones[static_cast<std::size_t>(r)];
        const auto cell = [&](int column) {
            QTableWidgetItem* item = userZones_->item(r, column);
            if (!item) {
                item = new QTableWidgetItem;
                userZones_->setItem(r, column, item);
            }
            return item;
        };
        cell(NameColumn)->setText(QString::fromStdString(zone.name));
        for (int c = MinDryBulbColumn; c <= MaxDewPointColumn; ++c) {
            const LimitColumn& column = *LimitColumnAt(c);
            const std::optional<double>& limit = zone.limits.*column.limit;
            // Six significant digits: what was typed comes back as typed.
            cell(c)->setText(limit
                                 ? locale.toString(ToShown(*limit, column.quantity, units), 'g', 6)
                                 : QString());
        }
        QTableWidgetItem* shown = cell(ShownColumn);
        shown->setFlags((shown->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable);
        shown->setCheckState(zone.shown ? Qt::Checked : Qt::Unchecked);
    }
    remove_->setEnabled(userZones_->currentRow() >= 0 && userZones_->rowCount() > 0);
}

void ZonesView::apply(const project::ZoneSettings& settings) {
    SetStatusText(message_, project_->setZoneSettings(settings));
    // After a refusal the controls still show what was refused.
    refresh();
}

void ZonesView::cellEdited(QTableWidgetItem* item) {
    const int r = item->row();
    project::ZoneSettings settings = project_->zoneSettings();
    if (r < 0 || r >= static_cast<int>(settings.userZones.size())) {
        refresh();
        return;
    }
    project::UserZone& zone = settings.userZones[static_cast<std::size_t>(r)];
    const int c = item->column();
    if (c == NameColumn) {
        zone.name = project::ToUtf8(item->text().trimmed());
    } else if (c == ShownColumn) {
        zone.shown = item->checkState() == Qt::Checked;
    } else if (const LimitColumn* column = LimitColumnAt(c)) {
        const QString text = item->text().trimmed();
        if (text.isEmpty()) {
            zone.limits.*column->limit = std::nullopt;
        } else {
            bool ok = false;
            const double shown = QLocale().toDouble(text, &ok);
            if (!ok || !std::isfinite(shown)) {
                SetStatusText(message_, tr("“%1” is not a number.").arg(text));
                refresh();
                return;
            }
            zone.limits.*column->limit =
                FromShown(shown, column->quantity, project_->atmosphere().system);
        }
    }
    apply(settings);
}

void ZonesView::addZone() {
    project::ZoneSettings settings = project_->zoneSettings();
    QString name;
    for (int n = static_cast<int>(settings.userZones.size()) + 1; name.isEmpty(); ++n) {
        name = tr("Zone %1").arg(n);
        for (const project::UserZone& zone : settings.userZones) {
            if (QString::fromStdString(zone.name) == name)
                name.clear();
        }
    }
    // A room's usual range to start from: 20 °C to 26 °C (68 °F to 78.8 °F),
    // at most 60 % relative humidity.
    processes::ZoneLimits limits;
    limits.minDryBulbF = 68.0;
    limits.maxDryBulbF = 78.8;
    limits.maxRelativeHumidity = 0.6;
    settings.userZones.push_back({project::ToUtf8(name), limits, true});
    apply(settings);
    userZones_->setCurrentCell(userZones_->rowCount() - 1, NameColumn);
}

void ZonesView::removeZone() {
    const int r = userZones_->currentRow();
    project::ZoneSettings settings = project_->zoneSettings();
    if (r < 0 || r >= static_cast<int>(settings.userZones.size()))
        return;
    settings.userZones.erase(settings.userZones.begin() + r);
    apply(settings);
}

} // namespace chart
