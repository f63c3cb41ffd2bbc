#include "weatherview/WeatherPanel.h"

#include "chart/StatusLabel.h"
#include "translations/Message.h"

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

// `name`: the table's object name, its English name; its spoken name and
// description are set in the language spoken (WeatherPanel::retranslate).
QTableWidget* MakeTable(QWidget* parent, const QString& name) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
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
    scroll_ = new QScrollArea;
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(buildControls());
    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("weatherSplitter"));
    split->setChildrenCollapsible(false);
    split->addWidget(scroll_);
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
    retranslate();
    fillUnitTexts();
    rebuildUserZone();
    zonesChanged();
    setMessage(QString());
    refreshLabels();
}

void WeatherPanel::retranslate() {
    scroll_->setAccessibleName(tr("Weather file, hours shown, zones and limits"));
    viewGroup_->setTitle(tr("Hours shown"));
    displayBox_->setItemText(0, tr("Density shading (hours per cell)"));
    displayBox_->setItemText(1, tr("Dots coloured by month"));
    for (int m = 0; m < 12; ++m) {
        QCheckBox* box = monthBoxes_[static_cast<std::size_t>(m)];
        box->setText(MonthName(m + 1, QLocale::ShortFormat));
        box->setAccessibleName(tr("Count %1").arg(MonthName(m + 1, QLocale::LongFormat)));
    }
    fromLabel_->setText(tr("&Hours from"));
    toLabel_->setText(tr("&to"));
    zonesGroup_->setTitle(tr("Zones"));
    comfortBox_->setText(tr("Thermal &comfort (PMV)"));
    comfortPreset_->setItemText(0, tr("Summer, 0.5 clo"));
    comfortPreset_->setItemText(1, tr("Winter, 1.0 clo"));
    dataRoomBox_->setText(tr("&Data-room envelope"));
    userBox_->setText(tr("&User zone"));
    for (UserField& field : userFields_)
        field.edit->setPlaceholderText(tr("no limit"));
    limitsGroup_->setTitle(tr("Limits"));
    countsTable_->setAccessibleName(tr("Hour counts"));
    countsTable_->setAccessibleDescription(
        tr("Hours of the filtered months and hours of the day inside each zone shown and above "
           "and below each limit, with their share of the filtered hours."));
    designTable_->setAccessibleName(tr("Design conditions"));
    designTable_->setAccessibleDescription(
        tr("Climatic design conditions computed from all hours of the file, beside the values "
           "its header gives."));
    // Mnemonics of their own: Alt+C is the comfort zone's.
    countsTitle_->setText(tr("Hour count&s"));
    designTitle_->setText(tr("Desi&gn conditions (all hours)"));
    applyAccessibleTexts();
    fillCaptions();
}

void WeatherPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // The zones' names, the tables, the file's lines and the problem of
        // the user zone are said again in the new language.
        rebuildUserZone();
        zonesChanged();
        refreshLabels();
    }
    QWidget::changeEvent(event);
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

    fileLabel_ = new QLabel(content);
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
    viewGroup_ = new QGroupBox(content);
    QGroupBox* view = viewGroup_;
    auto* viewLayout = new QVBoxLayout(view);
    displayBox_ = new QComboBox(view);
    displayBox_->setObjectName(QStringLiteral("hoursDisplay"));
    displayBox_->addItem(QString());
    displayBox_->addItem(QString());
    viewLayout->addWidget(displayBox_);
    auto* months = new QGridLayout;
    for (int m = 0; m < 12; ++m) {
        auto* box = new QCheckBox(view);
        box->setObjectName(QStringLiteral("month%1").arg(m + 1));
        box->setChecked(true);
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
    fromLabel_ = new QLabel(view);
    fromLabel_->setBuddy(fromHour_);
    toLabel_ = new QLabel(view);
    toLabel_->setBuddy(toHour_);
    hours->addWidget(fromLabel_);
    hours->addWidget(fromHour_);
    hours->addWidget(toLabel_);
    hours->addWidget(toHour_);
    hours->addStretch();
    viewLayout->addLayout(hours);
    column->addWidget(view);
    connect(displayBox_, &QComboBox::currentIndexChanged, this, &WeatherPanel::filterChanged);

    // The zones.
    zonesGroup_ = new QGroupBox(content);
    QGroupBox* zones = zonesGroup_;
    auto* zonesLayout = new QVBoxLayout(zones);
    auto* comfortRow = new QHBoxLayout;
    comfortBox_ = new QCheckBox(zones);
    comfortBox_->setObjectName(QStringLiteral("comfortZone"));
    comfortPreset_ = new QComboBox(zones);
    comfortPreset_->setObjectName(QStringLiteral("comfortPreset"));
    comfortPreset_->addItem(QString());
    comfortPreset_->addItem(QString());
    comfortRow->addWidget(comfortBox_);
    comfortRow->addWidget(comfortPreset_);
    zonesLayout->addLayout(comfortRow);
    dataRoomBox_ = new QCheckBox(zones);
    dataRoomBox_->setObjectName(QStringLiteral("dataRoomZone"));
    zonesLayout->addWidget(dataRoomBox_);
    userBox_ = new QCheckBox(zones);
    userBox_->setObjectName(QStringLiteral("userZone"));
    zonesLayout->addWidget(userBox_);
    auto* userForm = new QFormLayout;
    for (std::size_t i = 0; i < userFields_.size(); ++i) {
        UserField& field = userFields_[i];
        field.label = new QLabel(zones);
        field.edit = new QLineEdit(zones);
        field.edit->setObjectName(QStringLiteral("userField%1").arg(i));
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
    limitsGroup_ = new QGroupBox(content);
    QGroupBox* limits = limitsGroup_;
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
    countsTable_ = MakeTable(content, QStringLiteral("Hour counts"));
    designTable_ = MakeTable(content, QStringLiteral("Design conditions"));
    countsTitle_ = new QLabel(content);
    countsTitle_->setBuddy(countsTable_);
    column->addWidget(countsTitle_);
    column->addWidget(countsTable_, 3);
    designTitle_ = new QLabel(content);
    designTitle_->setBuddy(designTable_);
    column->addWidget(designTitle_);
    column->addWidget(designTable_, 2);
    skipsLabel_ = new QLabel(content);
    skipsLabel_->setObjectName(QStringLiteral("skippedRows"));
    skipsLabel_->setWordWrap(true);
    skipsLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    column->addWidget(skipsLabel_);
    return content;
}

void WeatherPanel::applyAccessibleTexts() {
    MakeStatusLabel(fileLabel_, tr("Weather file"));
    MakeStatusLabel(noteLabel_, tr("Chart pressure"));
    MakeStatusLabel(messageLabel_, tr("Weather file message"));
    MakeStatusLabel(skipsLabel_, tr("Rows skipped"));
    displayBox_->setAccessibleName(tr("Hours shown as"));
    displayBox_->setAccessibleDescription(
        tr("Density shading colours each cell of the chart by the hours in it; dots "
           "mark every hour in the colour of its month."));
    fromHour_->setAccessibleName(tr("First hour of the day counted"));
    toHour_->setAccessibleName(tr("Last hour of the day counted"));
    fromHour_->setAccessibleDescription(
        tr("Hours that start from this hour to the last hour, inclusive, are drawn "
           "and counted; a range past midnight counts the night."));
    toHour_->setAccessibleDescription(fromHour_->accessibleDescription());
    comfortBox_->setAccessibleName(tr("Show the thermal comfort zone"));
    comfortBox_->setAccessibleDescription(
        tr("Air in which the predicted mean vote of ISO 7730 lies within plus or "
           "minus 0.5 at 1.1 met and 0.1 m/s, humidity ratio at most 0.012."));
    comfortPreset_->setAccessibleName(tr("Clothing of the comfort zone"));
    dataRoomBox_->setAccessibleName(tr("Show the data-room envelope"));
    dataRoomBox_->setAccessibleDescription(
        tr("The recommended envelope for data-processing rooms: 18 to 27 °C, dew "
           "point -9 to 15 °C, at most 60 % relative humidity."));
    userBox_->setAccessibleName(tr("Show the user zone"));
    userBox_->setAccessibleDescription(
        tr("A zone of the limits below; a limit left empty does not apply."));
    MakeStatusLabel(userProblem_, tr("User zone problem"));
    dryBulbLimit_->setAccessibleName(tr("Dry bulb limit"));
    dewPointLimit_->setAccessibleName(tr("Dew point limit"));
    humidityLimit_->setAccessibleName(tr("Humidity ratio limit"));
    for (QDoubleSpinBox* box : {dryBulbLimit_, dewPointLimit_, humidityLimit_})
        box->setAccessibleDescription(
            tr("The hour counts give the hours above and below this value."));
}

void WeatherPanel::fillCaptions() {
    const QString t = TemperatureUnit(units_);
    const QString w = HumidityRatioUnit(units_);
    const QString names[] = {tr("Dry bulb min (%1)").arg(t),
                             tr("Dry bulb max (%1)").arg(t),
                             tr("Humidity ratio min (%1)").arg(w),
                             tr("Humidity ratio max (%1)").arg(w),
                             tr("RH max (%)"),
                             tr("Dew point min (%1)").arg(t),
                             tr("Dew point max (%1)").arg(t)};
    for (std::size_t i = 0; i < userFields_.size(); ++i) {
        userFields_[i].label->setText(names[i]);
        userFields_[i].edit->setAccessibleName(tr("User zone %1").arg(names[i]));
    }
    limitLabels_[0]->setText(tr("Dr&y bulb (%1)").arg(t));
    limitLabels_[1]->setText(tr("Dew &point (%1)").arg(t));
    limitLabels_[2]->setText(tr("Humidity &ratio (%1)").arg(w));
}

void WeatherPanel::fillUnitTexts() {
    fillCaptions();
    const int wDecimals = HumidityRatioDecimals(units_);
    const std::optional<double> values[] = {
        userLimits_.minDryBulbF,      userLimits_.maxDryBulbF,         userLimits_.minHumidityRatio,
        userLimits_.maxHumidityRatio, userLimits_.maxRelativeHumidity, userLimits_.minDewPointF,
        userLimits_.maxDewPointF};
    const QLocale locale;
    for (std::size_t i = 0; i < userFields_.size(); ++i) {
        UserField& field = userFields_[i];
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
        SetStatusText(userProblem_, tr("Not a number: %1.").arg(bad.join(QStringLiteral(", "))));
        return;
    }
    auto zone = processes::LimitZone::Make(limits);
    if (!zone) {
        userZone_.reset();
        SetStatusText(userProblem_,
                      translations::Translated(processes::ProblemText(zone.problem())));
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
        zones.push_back({preset == 0 ? tr("comfort zone (summer, 0.5 clo)")
                                     : tr("comfort zone (winter, 1.0 clo)"),
                         comfort_[static_cast<std::size_t>(preset)], kComfortColour});
    }
    if (dataRoomBox_->isChecked())
        zones.push_back({tr("data-room envelope"), dataRoom_, kDataRoomColour});
    if (userBox_->isChecked() && userZone_)
        zones.push_back({tr("user zone"), userZone_, kUserColour});
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
        return tr("Chart at %1 (site elevation %2 m)")
            .arg(pressure, locale.toString(*weather_->file.location.elevationM, 'f', 0));
    case weather::SitePressureSource::ElevationOutOfRange:
        return tr("Chart at %1, the median pressure of the file's hours: the site's elevation "
                  "lies outside the range of the altitude polynomial (-609.6 m to 19,812 m).")
            .arg(pressure);
    case weather::SitePressureSource::NoElevation:
        break;
    }
    // Without an elevation the median of the hours stands in; when the file
    // gives no pressure either, that is the one its rows were read at.
    if (weather_->onlyGiven)
        return tr("Chart at %1, %2: the file gives no elevation and no pressure, so its hours "
                  "are taken at %2.")
            .arg(pressure, weather_->onlyGiven->what);
    return tr("Chart at %1, the median pressure of the file's hours: the file gives no "
              "elevation.")
        .arg(pressure);
}

QStringList WeatherPanel::skipLines() const {
    QStringList lines;
    if (!weather_)
        return lines;
    const weather::ReadReport& report = weather_->file.report;
    // Counts in plain digits, as the compute core and the batch program write
    // them.
    for (std::size_t i = 0; i < weather::kSkipReasonCount; ++i) {
        const std::size_t n = report.skipped[i];
        if (n == 0)
            continue;
        const QString why =
            translations::Translated(weather::SkipReasonText(static_cast<weather::SkipReason>(i)));
        lines.append(n == 1 ? tr("1 hour skipped: %1").arg(why)
                            : tr("%1 hours skipped: %2").arg(QString::number(n), why));
    }
    if (report.rows != weather::kHoursPerYear)
        lines.append(
            tr("The file has %1 data rows; a year has %2.")
                .arg(QString::number(report.rows), QString::number(weather::kHoursPerYear)));
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
    QStringList lines{tr("File: %1").arg(weather_->name)};
    if (!place.isEmpty())
        lines.append(tr("Site: %1").arg(place.join(QStringLiteral(", "))));
    lines.append(
        tr("%1 hours read")
            .arg(QLocale().toString(static_cast<qulonglong>(weather_->file.hours.size()))));
    return lines;
}

void WeatherPanel::refreshLabels() {
    if (!weather_) {
        SetStatusText(fileLabel_, tr("No weather file. File > Open Weather File... reads an EPW "
                                     "file or a CSV file of hourly weather."));
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
