#include "weatherview/WeatherPanel.h"

#include "chart/StatusLabel.h"

#include <algorithm>
#include <cmath>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace chart {

namespace {

enum UserFieldIndex { MinDryBulb, MaxDryBulb, MinRatio, MaxRatio, MaxRh, MinDewPoint, MaxDewPoint };

const QColor kComfortColour(0x2e, 0x7d, 0x32);
const QColor kDataRoomColour(0x15, 0x65, 0xc0);
const QColor kUserColour(0xad, 0x14, 0x57);

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A long header of several words on two lines, broken at the space nearest
// its middle: the column then needs only the width of its numbers and of the
// longer half ("From the file header" over a column of temperatures).
QString OnTwoLines(const QString& header) {
    constexpr qsizetype kLongHeader = 12;
    if (header.size() <= kLongHeader)
        return header;
    qsizetype best = -1;
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (header[i] == QLatin1Char(' ') &&
            (best < 0 || std::abs(header.size() / 2 - i) < std::abs(header.size() / 2 - best)))
            best = i;
    }
    if (best < 0)
        return header;
    return header.left(best) + QLatin1Char('\n') + header.mid(best + 1);
}

void FillTable(QTableWidget* widget, const StatTable& table) {
    const QLocale locale;
    widget->setColumnCount(static_cast<int>(table.headers.size()));
    QStringList headers;
    for (const QString& header : table.headers)
        headers.append(OnTwoLines(header));
    widget->setHorizontalHeaderLabels(headers);
    // The whole header for the screen reader and the tooltip.
    for (int c = 0; c < widget->columnCount(); ++c) {
        QTableWidgetItem* item = widget->horizontalHeaderItem(c);
        item->setToolTip(table.headers[c]);
        item->setData(Qt::AccessibleTextRole, table.headers[c]);
    }
    widget->setRowCount(static_cast<int>(table.rows.size()));
    for (int r = 0; r < widget->rowCount(); ++r) {
        const auto& row = table.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < widget->columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (c < static_cast<int>(row.size())) {
                const StatCell& cell = row[static_cast<std::size_t>(c)];
                item->setText(CellText(cell, locale));
                if (cell.number) {
                    item->setData(Qt::UserRole, *cell.number);
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                }
            }
            widget->setItem(r, c, item);
        }
    }
    // Columns of numbers as wide as their numbers; columns of words share
    // the rest and wrap, so that the table fits the panel's width and no
    // column is cut.
    QHeaderView* header = widget->horizontalHeader();
    for (int c = 0; c < widget->columnCount(); ++c) {
        const bool numbers =
            std::any_of(table.rows.begin(), table.rows.end(), [c](const auto& row) {
                return c < static_cast<int>(row.size()) && row[static_cast<std::size_t>(c)].number;
            });
        header->setSectionResizeMode(c, numbers ? QHeaderView::ResizeToContents
                                                : QHeaderView::Stretch);
    }
    widget->resizeRowsToContents();
}

QTableWidget* MakeTable(QWidget* parent, const QString& name, const QString& description) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setAccessibleName(name);
    table->setAccessibleDescription(description);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setVisible(false);
    // Rows as high as their wrapped text, again whenever a column's width
    // changes with the panel's.
    table->setWordWrap(true);
    // A scroll bar that comes and goes would change the columns' width, and
    // with it the rows' height, and with that whether it is needed.
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Queued: the header is still laying out its sections when it says so.
    QObject::connect(table->horizontalHeader(), &QHeaderView::sectionResized, table,
                     &QTableView::resizeRowsToContents, Qt::QueuedConnection);
    table->setMinimumHeight(80);
    return table;
}

} // namespace

WeatherPanel::WeatherPanel(PsychroChart* chart, QWidget* parent)
    : QWidget(parent), chart_(chart),
      dataRoom_(std::make_shared<processes::LimitZone>(processes::DataRoomEnvelope())) {
    // An office's zone to start from: 68 °F to 78 °F, at most 60 % relative
    // humidity.
    userLimits_.minDryBulbF = 68.0;
    userLimits_.maxDryBulbF = 78.0;
    userLimits_.maxRelativeHumidity = 0.60;

    // The controls scroll when the panel is short; the tables below them
    // scroll within themselves, in no second scroll area. The splitter
    // shares the height between the two.
    auto* scroll = new QScrollArea;
    scroll->setAccessibleName(QStringLiteral("Weather file, hours shown, zones and limits"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(buildControls());
    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("weatherSplitter"));
    split->setChildrenCollapsible(false);
    split->addWidget(scroll);
    split->addWidget(buildStatistics());
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);
    setMinimumWidth(260);

    if (chart_) {
        units_ = chart_->unitSystem();
        chart_->addLayer(&zonesLayer_);
    }
    fillUnitTexts();
    rebuildUserZone();
    zonesChanged();
    applyAccessibleTexts();
    setMessage(QString());
    refreshLabels();
}

WeatherPanel::~WeatherPanel() {
    if (chart_) {
        chart_->removeLayer(&hoursLayer_);
        chart_->removeLayer(&zonesLayer_);
    }
}

QWidget* WeatherPanel::buildControls() {
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);

    fileLabel_ = new QLabel(QStringLiteral("No weather file. File > Open Weather File... reads "
                                           "an EPW file or a CSV file of hourly weather."),
                            content);
    noteLabel_ = new QLabel(content);
    messageLabel_ = new QLabel(content);
    messageLabel_->setStyleSheet(QStringLiteral("color: #b00020"));
    for (QLabel* label : {fileLabel_, noteLabel_, messageLabel_}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        column->addWidget(label);
    }
    fileLabel_->setObjectName(QStringLiteral("weatherFile"));
    noteLabel_->setObjectName(QStringLiteral("pressureNote"));
    messageLabel_->setObjectName(QStringLiteral("weatherMessage"));

    // The display and the filter.
    auto* view = new QGroupBox(QStringLiteral("Hours shown"), content);
    auto* viewLayout = new QVBoxLayout(view);
    displayBox_ = new QComboBox(view);
    displayBox_->setObjectName(QStringLiteral("hoursDisplay"));
    displayBox_->addItem(QStringLiteral("Density shading (hours per cell)"));
    displayBox_->addItem(QStringLiteral("Dots coloured by month"));
    viewLayout->addWidget(displayBox_);
    auto* months = new QGridLayout;
    const QLocale locale;
    for (int m = 0; m < 12; ++m) {
        auto* box = new QCheckBox(locale.monthName(m + 1, QLocale::ShortFormat), view);
        box->setObjectName(QStringLiteral("month%1").arg(m + 1));
        box->setChecked(true);
        box->setAccessibleName(QStringLiteral("Count %1").arg(locale.monthName(m + 1)));
        months->addWidget(box, m / 4, m % 4);
        monthBoxes_[static_cast<std::size_t>(m)] = box;
        connect(box, &QCheckBox::toggled, this, &WeatherPanel::filterChanged);
    }
    viewLayout->addLayout(months);
    auto* hours = new QHBoxLayout;
    fromHour_ = new QSpinBox(view);
    toHour_ = new QSpinBox(view);
    fromHour_->setObjectName(QStringLiteral("fromHour"));
    toHour_->setObjectName(QStringLiteral("toHour"));
    for (QSpinBox* box : {fromHour_, toHour_}) {
        box->setRange(0, 23);
        box->setSuffix(QStringLiteral(":00"));
    }
    toHour_->setValue(23);
    for (QSpinBox* box : {fromHour_, toHour_})
        connect(box, &QSpinBox::valueChanged, this, &WeatherPanel::filterChanged);
    auto* fromLabel = new QLabel(QStringLiteral("&Hours from"), view);
    fromLabel->setBuddy(fromHour_);
    auto* toLabel = new QLabel(QStringLiteral("&to"), view);
    toLabel->setBuddy(toHour_);
    hours->addWidget(fromLabel);
    hours->addWidget(fromHour_);
    hours->addWidget(toLabel);
    hours->addWidget(toHour_);
    hours->addStretch();
    viewLayout->addLayout(hours);
    column->addWidget(view);
    connect(displayBox_, &QComboBox::currentIndexChanged, this, &WeatherPanel::filterChanged);

    // The zones.
    auto* zones = new QGroupBox(QStringLiteral("Zones"), content);
    auto* zonesLayout = new QVBoxLayout(zones);
    auto* comfortRow = new QHBoxLayout;
    comfortBox_ = new QCheckBox(QStringLiteral("Thermal &comfort (PMV)"), zones);
    comfortBox_->setObjectName(QStringLiteral("comfortZone"));
    comfortPreset_ = new QComboBox(zones);
    comfortPreset_->setObjectName(QStringLiteral("comfortPreset"));
    comfortPreset_->addItem(QStringLiteral("Summer, 0.5 clo"));
    comfortPreset_->addItem(QStringLiteral("Winter, 1.0 clo"));
    comfortRow->addWidget(comfortBox_);
    comfortRow->addWidget(comfortPreset_);
    zonesLayout->addLayout(comfortRow);
    dataRoomBox_ = new QCheckBox(QStringLiteral("&Data-room envelope"), zones);
    dataRoomBox_->setObjectName(QStringLiteral("dataRoomZone"));
    zonesLayout->addWidget(dataRoomBox_);
    userBox_ = new QCheckBox(QStringLiteral("&User zone"), zones);
    userBox_->setObjectName(QStringLiteral("userZone"));
    zonesLayout->addWidget(userBox_);
    auto* userForm = new QFormLayout;
    for (std::size_t i = 0; i < userFields_.size(); ++i) {
        UserField& field = userFields_[i];
        field.label = new QLabel(zones);
        field.edit = new QLineEdit(zones);
        field.edit->setObjectName(QStringLiteral("userField%1").arg(i));
        field.edit->setPlaceholderText(QStringLiteral("no limit"));
        field.label->setBuddy(field.edit);
        userForm->addRow(field.label, field.edit);
        connect(field.edit, &QLineEdit::textChanged, this, [this] {
            rebuildUserZone();
            zonesChanged();
        });
    }
    zonesLayout->addLayout(userForm);
    userProblem_ = new QLabel(zones);
    userProblem_->setObjectName(QStringLiteral("userZoneProblem"));
    userProblem_->setWordWrap(true);
    zonesLayout->addWidget(userProblem_);
    column->addWidget(zones);
    for (QCheckBox* box : {comfortBox_, dataRoomBox_, userBox_})
        connect(box, &QCheckBox::toggled, this, &WeatherPanel::zonesChanged);
    connect(comfortPreset_, &QComboBox::currentIndexChanged, this, &WeatherPanel::zonesChanged);

    // The limits.
    auto* limits = new QGroupBox(QStringLiteral("Limits"), content);
    auto* limitsForm = new QFormLayout(limits);
    dryBulbLimit_ = new QDoubleSpinBox(limits);
    dewPointLimit_ = new QDoubleSpinBox(limits);
    humidityLimit_ = new QDoubleSpinBox(limits);
    dryBulbLimit_->setObjectName(QStringLiteral("dryBulbLimit"));
    dewPointLimit_->setObjectName(QStringLiteral("dewPointLimit"));
    humidityLimit_->setObjectName(QStringLiteral("humidityRatioLimit"));
    const QDoubleSpinBox* const spins[] = {dryBulbLimit_, dewPointLimit_, humidityLimit_};
    for (std::size_t i = 0; i < limitLabels_.size(); ++i) {
        limitLabels_[i] = new QLabel(limits);
        limitLabels_[i]->setBuddy(const_cast<QDoubleSpinBox*>(spins[i]));
        limitsForm->addRow(limitLabels_[i], const_cast<QDoubleSpinBox*>(spins[i]));
        connect(spins[i], &QDoubleSpinBox::valueChanged, this, &WeatherPanel::limitsEdited);
    }
    column->addWidget(limits);
    column->addStretch();
    return content;
}

QWidget* WeatherPanel::buildStatistics() {
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    countsTable_ = MakeTable(content, QStringLiteral("Hour counts"),
                             QStringLiteral("Hours of the filtered months and hours of the day "
                                            "inside each zone shown and above and below each "
                                            "limit, with their share of the filtered hours."));
    designTable_ = MakeTable(content, QStringLiteral("Design conditions"),
                             QStringLiteral("Climatic design conditions computed from all hours "
                                            "of the file, beside the values its header gives."));
    // Mnemonics of their own: Alt+C is the comfort zone's.
    auto* countsTitle = new QLabel(QStringLiteral("Hour count&s"), content);
    countsTitle->setBuddy(countsTable_);
    column->addWidget(countsTitle);
    column->addWidget(countsTable_, 3);
    auto* designTitle = new QLabel(QStringLiteral("Desi&gn conditions (all hours)"), content);
    designTitle->setBuddy(designTable_);
    column->addWidget(designTitle);
    column->addWidget(designTable_, 2);
    skipsLabel_ = new QLabel(content);
    skipsLabel_->setObjectName(QStringLiteral("skippedRows"));
    skipsLabel_->setWordWrap(true);
    skipsLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    column->addWidget(skipsLabel_);
    return content;
}

void WeatherPanel::applyAccessibleTexts() {
    MakeStatusLabel(fileLabel_, QStringLiteral("Weather file"));
    MakeStatusLabel(noteLabel_, QStringLiteral("Chart pressure"));
    MakeStatusLabel(messageLabel_, QStringLiteral("Weather file message"));
    MakeStatusLabel(skipsLabel_, QStringLiteral("Rows skipped"));
    displayBox_->setAccessibleName(QStringLiteral("Hours shown as"));
    displayBox_->setAccessibleDescription(
        QStringLiteral("Density shading colours each cell of the chart by the hours in it; dots "
                       "mark every hour in the colour of its month."));
    fromHour_->setAccessibleName(QStringLiteral("First hour of the day counted"));
    toHour_->setAccessibleName(QStringLiteral("Last hour of the day counted"));
    fromHour_->setAccessibleDescription(
        QStringLiteral("Hours that start from this hour to the last hour, inclusive, are drawn "
                       "and counted; a range past midnight counts the night."));
    toHour_->setAccessibleDescription(fromHour_->accessibleDescription());
    comfortBox_->setAccessibleName(QStringLiteral("Show the thermal comfort zone"));
    comfortBox_->setAccessibleDescription(
        QStringLiteral("Air in which the predicted mean vote of ISO 7730 lies within plus or "
                       "minus 0.5 at 1.1 met and 0.1 m/s, humidity ratio at most 0.012."));
    comfortPreset_->setAccessibleName(QStringLiteral("Clothing of the comfort zone"));
    dataRoomBox_->setAccessibleName(QStringLiteral("Show the data-room envelope"));
    dataRoomBox_->setAccessibleDescription(
        QStringLiteral("The recommended envelope for data-processing rooms: 18 to 27 °C, dew "
                       "point -9 to 15 °C, at most 60 % relative humidity."));
    userBox_->setAccessibleName(QStringLiteral("Show the user zone"));
    userBox_->setAccessibleDescription(
        QStringLiteral("A zone of the limits below; a limit left empty does not apply."));
    MakeStatusLabel(userProblem_, QStringLiteral("User zone problem"));
    dryBulbLimit_->setAccessibleName(QStringLiteral("Dry bulb limit"));
    dewPointLimit_->setAccessibleName(QStringLiteral("Dew point limit"));
    humidityLimit_->setAccessibleName(QStringLiteral("Humidity ratio limit"));
    for (QDoubleSpinBox* box : {dryBulbLimit_, dewPointLimit_, humidityLimit_})
        box->setAccessibleDescription(
            QStringLiteral("The hour counts give the hours above and below this value."));
}

void WeatherPanel::fillUnitTexts() {
    const QString t = TemperatureUnit(units_);
    const QString w = HumidityRatioUnit(units_);
    const int wDecimals = HumidityRatioDecimals(units_);
    const QString names[] = {QStringLiteral("Dry bulb min (%1)").arg(t),
                             QStringLiteral("Dry bulb max (%1)").arg(t),
                             QStringLiteral("Humidity ratio min (%1)").arg(w),
                             QStringLiteral("Humidity ratio max (%1)").arg(w),
                             QStringLiteral("RH max (%)"),
                             QStringLiteral("Dew point min (%1)").arg(t),
                             QStringLiteral("Dew point max (%1)").arg(t)};
    const std::optional<double> values[] = {
        userLimits_.minDryBulbF,      userLimits_.maxDryBulbF,         userLimits_.minHumidityRatio,
        userLimits_.maxHumidityRatio, userLimits_.maxRelativeHumidity, userLimits_.minDewPointF,
        userLimits_.maxDewPointF};
    const QLocale locale;
    for (std::size_t i = 0; i < userFields_.size(); ++i) {
        UserField& field = userFields_[i];
        field.label->setText(names[i]);
        field.edit->setAccessibleName(QStringLiteral("User zone ") + names[i]);
        QString text;
        if (const auto v = values[i]) {
            switch (i) {
            case MinRatio:
            case MaxRatio:
                text = locale.toString(HumidityRatioToDisplay(*v, units_), 'f', wDecimals);
                break;
            case MaxRh:
                text = locale.toString(*v * 100.0, 'f', 1);
                break;
            default:
                text = locale.toString(TemperatureToDisplay(*v, units_), 'f', 1);
                break;
            }
        }
        // The limits stay as kept in base units: no round trip through text.
        const QSignalBlocker block(field.edit);
        field.edit->setText(text);
    }

    limitLabels_[0]->setText(QStringLiteral("Dr&y bulb (%1)").arg(t));
    limitLabels_[1]->setText(QStringLiteral("Dew &point (%1)").arg(t));
    limitLabels_[2]->setText(QStringLiteral("Humidity &ratio (%1)").arg(w));
    const QSignalBlocker b1(dryBulbLimit_);
    const QSignalBlocker b2(dewPointLimit_);
    const QSignalBlocker b3(humidityLimit_);
    for (QDoubleSpinBox* box : {dryBulbLimit_, dewPointLimit_}) {
        box->setDecimals(1);
        box->setRange(TemperatureToDisplay(-148.0, units_), TemperatureToDisplay(400.0, units_));
        box->setSingleStep(1.0);
    }
    dryBulbLimit_->setValue(TemperatureToDisplay(limits_.dryBulbF, units_));
    dewPointLimit_->setValue(TemperatureToDisplay(limits_.dewPointF, units_));
    humidityLimit_->setDecimals(wDecimals);
    humidityLimit_->setRange(0.0, HumidityRatioToDisplay(0.1, units_));
    humidityLimit_->setSingleStep(units_ == UnitSystem::SI ? 0.5 : 0.0005);
    humidityLimit_->setValue(HumidityRatioToDisplay(limits_.humidityRatio, units_));
}

void WeatherPanel::setUnitSystem(UnitSystem units) {
    if (units == units_)
        return;
    units_ = units;
    fillUnitTexts();
    refreshLabels();
    refreshStatistics();
}

void WeatherPanel::limitsEdited() {
    limits_.dryBulbF = TemperatureFromDisplay(dryBulbLimit_->value(), units_);
    limits_.dewPointF = TemperatureFromDisplay(dewPointLimit_->value(), units_);
    limits_.humidityRatio = HumidityRatioFromDisplay(humidityLimit_->value(), units_);
    refreshStatistics();
}

void WeatherPanel::rebuildUserZone() {
    const QLocale locale;
    processes::ZoneLimits limits;
    QStringList bad;
    for (std::size_t i = 0; i < userFields_.size(); ++i) {
        const QString text = userFields_[i].edit->text().trimmed();
        if (text.isEmpty())
            continue;
        bool ok = false;
        const double v = locale.toDouble(text, &ok);
        if (!ok || !std::isfinite(v)) {
            bad.append(userFields_[i].label->text());
            continue;
        }
        switch (i) {
        case MinDryBulb:
            limits.minDryBulbF = TemperatureFromDisplay(v, units_);
            break;
        case MaxDryBulb:
            limits.maxDryBulbF = TemperatureFromDisplay(v, units_);
            break;
        case MinRatio:
            limits.minHumidityRatio = HumidityRatioFromDisplay(v, units_);
            break;
        case MaxRatio:
            limits.maxHumidityRatio = HumidityRatioFromDisplay(v, units_);
            break;
        case MaxRh:
            limits.maxRelativeHumidity = v / 100.0;
            break;
        case MinDewPoint:
            limits.minDewPointF = TemperatureFromDisplay(v, units_);
            break;
        default:
            limits.maxDewPointF = TemperatureFromDisplay(v, units_);
            break;
        }
    }
    userLimits_ = limits;
    if (!bad.isEmpty()) {
        userZone_.reset();
        SetStatusText(userProblem_,
                      QStringLiteral("Not a number: %1.").arg(bad.join(QStringLiteral(", "))));
        return;
    }
    auto zone = processes::LimitZone::Make(limits);
    if (!zone) {
        userZone_.reset();
        SetStatusText(userProblem_, FromUtf8(processes::Describe(zone.problem())));
        return;
    }
    userZone_ = std::make_shared<processes::LimitZone>(*zone);
    SetStatusText(userProblem_, QString());
}

const processes::ComfortZone* WeatherPanel::comfortZone() const {
    const int preset = std::clamp(comfortPreset_->currentIndex(), 0, 1);
    auto& zone = comfort_[static_cast<std::size_t>(preset)];
    if (!zone) {
        auto made = processes::ComfortZone::Make(preset == 0 ? processes::kSummerComfort
                                                             : processes::kWinterComfort);
        if (!made)
            return nullptr;
        zone = std::make_shared<processes::ComfortZone>(*made);
    }
    return zone.get();
}

std::vector<NamedZone> WeatherPanel::shownZones() const {
    std::vector<NamedZone> zones;
    for (const ShownZone& shown : zonesLayer_.zones())
        zones.push_back({shown.name, shown.zone.get()});
    return zones;
}

void WeatherPanel::zonesChanged() {
    std::vector<ShownZone> zones;
    if (comfortBox_->isChecked() && comfortZone() != nullptr) {
        const int preset = std::clamp(comfortPreset_->currentIndex(), 0, 1);
        zones.push_back({preset == 0 ? QStringLiteral("comfort zone (summer, 0.5 clo)")
                                     : QStringLiteral("comfort zone (winter, 1.0 clo)"),
                         comfort_[static_cast<std::size_t>(preset)], kComfortColour});
    }
    if (dataRoomBox_->isChecked())
        zones.push_back({QStringLiteral("data-room envelope"), dataRoom_, kDataRoomColour});
    if (userBox_->isChecked() && userZone_)
        zones.push_back({QStringLiteral("user zone"), userZone_, kUserColour});
    zonesLayer_.setZones(std::move(zones));
    if (chart_)
        chart_->layerChanged();
    refreshStatistics();
}

weather::HourFilter WeatherPanel::filter() const {
    weather::HourFilter filter;
    for (std::size_t m = 0; m < monthBoxes_.size(); ++m)
        filter.months.set(m, monthBoxes_[m]->isChecked());
    filter.hours = weather::HourFilter::HoursOfDay(fromHour_->value(), toHour_->value());
    return filter;
}

void WeatherPanel::filterChanged() {
    hoursLayer_.setFilter(filter());
    hoursLayer_.setDisplay(displayBox_->currentIndex() == 1 ? HoursDisplay::MonthDots
                                                            : HoursDisplay::Density);
    if (chart_ && weather_)
        chart_->layerChanged();
    refreshStatistics();
}

void WeatherPanel::setWeather(weather::WeatherFile file, const QString& name,
                              std::optional<GivenPressure> readAt) {
    Loaded loaded{std::move(file), name, {}, {}, std::nullopt};
    loaded.site = weather::SitePressureOf(loaded.file.location.elevationM, loaded.file.hours);
    // The reader gives rows without a pressure exactly the one it was
    // given: when every hour has it, none came from the file.
    if (readAt && !loaded.file.hours.empty() &&
        std::all_of(loaded.file.hours.begin(), loaded.file.hours.end(),
                    [p = readAt->psia](const weather::Hour& h) { return h.pressurePsia == p; }))
        loaded.onlyGiven = readAt;
    loaded.computed = weather::ComputeDesignConditions(loaded.file.hours, loaded.site.psia);
    weather_ = std::move(loaded);
    hoursLayer_.setHours(weather_->file.hours);
    setMessage(QString());
    // Under every other layer: the zones' outlines and a project's points
    // stay in sight over the hours.
    if (chart_)
        chart_->addLayer(&hoursLayer_, PsychroChart::LayerPlace::Bottom);
    filterChanged();
    refreshLabels();
    emit weatherChanged();
}

void WeatherPanel::clearWeather() {
    if (!weather_)
        return;
    if (chart_)
        chart_->removeLayer(&hoursLayer_);
    hoursLayer_.setHours({});
    weather_.reset();
    refreshLabels();
    refreshStatistics();
    emit weatherChanged();
}

std::optional<weather::SitePressure> WeatherPanel::sitePressure() const {
    if (!weather_)
        return std::nullopt;
    return weather_->site;
}

void WeatherPanel::setMessage(const QString& text) {
    SetStatusText(messageLabel_, text);
}

QString WeatherPanel::pressureNote() const {
    if (!weather_)
        return {};
    const QLocale locale;
    const weather::SitePressure& site = weather_->site;
    const QString pressure = locale.toString(PressureToDisplay(site.psia, units_), 'f',
                                             units_ == UnitSystem::SI ? 1 : 2) +
                             QLatin1Char(' ') + PressureUnit(units_);
    switch (site.source) {
    case weather::SitePressureSource::Elevation:
        return QStringLiteral("Chart at %1 (site elevation %2 m)")
            .arg(pressure, locale.toString(*weather_->file.location.elevationM, 'f', 0));
    case weather::SitePressureSource::ElevationOutOfRange:
        return QStringLiteral("Chart at %1, the median pressure of the file's hours: the site's "
                              "elevation lies outside the range of the altitude polynomial "
                              "(-609.6 m to 19,812 m).")
            .arg(pressure);
    case weather::SitePressureSource::NoElevation:
        break;
    }
    // Without an elevation the median of the hours stands in; when the file
    // gives no pressure either, that is the one its rows were read at.
    if (weather_->onlyGiven)
        return QStringLiteral("Chart at %1, %2: the file gives no elevation and no pressure, so "
                              "its hours are taken at %2.")
            .arg(pressure, weather_->onlyGiven->what);
    return QStringLiteral("Chart at %1, the median pressure of the file's hours: the file gives "
                          "no elevation.")
        .arg(pressure);
}

QStringList WeatherPanel::skipLines() const {
    QStringList lines;
    if (!weather_)
        return lines;
    for (const std::string& line : weather::DescribeSkips(weather_->file.report))
        lines.append(QString::fromStdString(line));
    if (const auto rows = weather::DescribeRowCount(weather_->file.report))
        lines.append(QString::fromStdString(*rows));
    return lines;
}

QStringList WeatherPanel::summaryLines() const {
    if (!weather_)
        return {};
    return fileLines() << pressureNote();
}

QStringList WeatherPanel::fileLines() const {
    if (!weather_)
        return {};
    const weather::Location& at = weather_->file.location;
    QStringList place;
    for (const std::string* part : {&at.city, &at.region, &at.country})
        if (!part->empty())
            place.append(QString::fromStdString(*part));
    QStringList lines{QStringLiteral("File: %1").arg(weather_->name)};
    if (!place.isEmpty())
        lines.append(QStringLiteral("Site: %1").arg(place.join(QStringLiteral(", "))));
    lines.append(
        QStringLiteral("%1 hours read")
            .arg(QLocale().toString(static_cast<qulonglong>(weather_->file.hours.size()))));
    return lines;
}

void WeatherPanel::refreshLabels() {
    if (!weather_) {
        SetStatusText(fileLabel_,
                      QStringLiteral("No weather file. File > Open Weather File... reads "
                                     "an EPW file or a CSV file of hourly weather."));
        SetStatusText(noteLabel_, QString());
        SetStatusText(skipsLabel_, QString());
        return;
    }
    // The pressure is said once, in the note below.
    SetStatusText(fileLabel_, fileLines().join(QLatin1Char('\n')));
    SetStatusText(noteLabel_, pressureNote());
    SetStatusText(skipsLabel_, skipLines().join(QLatin1Char('\n')));
}

StatTable WeatherPanel::hourCounts() const {
    const std::vector<NamedZone> zones = shownZones();
    if (!weather_)
        return HourCountsTable({}, weather::ReadReport{}, filter(), zones, limits_, units_);
    return HourCountsTable(weather_->file.hours, weather_->file.report, filter(), zones, limits_,
                           units_);
}

StatTable WeatherPanel::designConditions() const {
    if (!weather_)
        return DesignTable({}, {}, units_);
    return DesignTable(weather_->computed, weather_->file.headerDesign, units_);
}

void WeatherPanel::refreshStatistics() {
    if (!weather_) {
        countsTable_->setRowCount(0);
        designTable_->setRowCount(0);
        return;
    }
    FillTable(countsTable_, hourCounts());
    FillTable(designTable_, designConditions());
}

std::optional<weather::DesignConditions> WeatherPanel::designConditionsOfFile() const {
    if (!weather_)
        return std::nullopt;
    weather::DesignConditions design = weather_->computed;
    const weather::DesignConditions& header = weather_->file.headerDesign;
    if (!design.heating996DryBulbF)
        design.heating996DryBulbF = header.heating996DryBulbF;
    if (!design.heating990DryBulbF)
        design.heating990DryBulbF = header.heating990DryBulbF;
    for (std::size_t i = 0; i < design.cooling.size(); ++i) {
        if (!design.cooling[i])
            design.cooling[i] = header.cooling[i];
    }
    if (!design.dewPoint04)
        design.dewPoint04 = header.dewPoint04;
    return design;
}

} // namespace chart
