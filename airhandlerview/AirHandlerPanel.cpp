#include "airhandlerview/AirHandlerPanel.h"

#include "airhandler/Tables.h"
#include "airhandlerview/AirHandlerTexts.h"
#include "airhandlerview/ComponentDialog.h"
#include "airhandlerview/SetupEdit.h"
#include "chart/StatusLabel.h"
#include "project/Project.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace chart {

namespace {

using airhandler::Season;
using project::Input;

QString Ah(std::string_view text) {
    return AirHandlerText(text);
}

QString Plain(QString label) {
    label.remove(QLatin1Char('&'));
    if (label.endsWith(QLatin1Char(':')))
        label.chop(1);
    return label;
}

int DecimalsOf(Input input) {
    switch (input) {
    case Input::RelativeHumidity:
        return 1;
    case Input::HumidityRatio:
        return 5;
    default:
        return 2;
    }
}

int LoadDecimals(LoadUnit unit) {
    switch (unit) {
    case LoadUnit::BtuPerHour:
    case LoadUnit::Watts:
        return 0;
    case LoadUnit::Kilowatts:
        return 3;
    case LoadUnit::Tons:
        return 2;
    }
    return 2;
}

int AirflowDecimals(processes::AirflowUnit unit) {
    switch (unit) {
    case processes::AirflowUnit::Cfm:
    case processes::AirflowUnit::CubicMetresPerHour:
        return 0;
    case processes::AirflowUnit::LitresPerSecond:
        return 1;
    case processes::AirflowUnit::CubicMetresPerSecond:
        return 4;
    }
    return 2;
}

// A line of the chain: its position, name and what it is set to.
QString ComponentLine(int index, const airhandler::Component& component) {
    const QString name = Ah(airhandler::ComponentName(component));
    const QString how = std::visit(
        [](const auto& k) -> QString {
            using K = std::decay_t<decltype(k)>;
            if constexpr (std::is_same_v<K, airhandler::HeatRecovery>)
                return AirHandlerPanel::tr("sensible %1, latent %2")
                    .arg(NumberText(k.sensibleEffectiveness, 2),
                         NumberText(k.latentEffectiveness, 2));
            else if constexpr (std::is_same_v<K, airhandler::MixingBox>)
                return k.economizer == airhandler::Economizer::None
                           ? AirHandlerPanel::tr("no economizer")
                       : k.economizer == airhandler::Economizer::DryBulb
                           ? AirHandlerPanel::tr("dry-bulb economizer")
                           : AirHandlerPanel::tr("enthalpy economizer");
            else if constexpr (std::is_same_v<K, airhandler::HeatingCoil>)
                return k.by == airhandler::HeatingBy::ToSupply
                           ? AirHandlerPanel::tr("to the supply air")
                       : k.by == airhandler::HeatingBy::Rise
                           ? AirHandlerPanel::tr("by a rise")
                           : AirHandlerPanel::tr("to a leaving dry bulb");
            else if constexpr (std::is_same_v<K, airhandler::CoolingCoil>)
                return k.by == airhandler::CoolingBy::ToSupplyHumidity
                           ? AirHandlerPanel::tr("to the supply's humidity")
                       : k.by == airhandler::CoolingBy::ToSupplyState
                           ? AirHandlerPanel::tr("to the supply air")
                       : k.by == airhandler::CoolingBy::ApparatusDewPoint
                           ? AirHandlerPanel::tr("by ADP and bypass factor")
                           : AirHandlerPanel::tr("to a leaving dry bulb and RH");
            else if constexpr (std::is_same_v<K, airhandler::SupplyFan>)
                return k.by == airhandler::FanBy::Rise ? AirHandlerPanel::tr("by a rise")
                                                       : AirHandlerPanel::tr("by its power");
            else
                return k.kind == airhandler::HumidifierKind::Steam
                           ? AirHandlerPanel::tr("steam")
                           : AirHandlerPanel::tr("adiabatic");
        },
        component);
    return QStringLiteral("%1. %2 (%3)").arg(index + 1).arg(name, how);
}

QTableWidget* MakeTable(QWidget* parent, const QString& name) {
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->setVisible(false);
    table->setAccessibleName(name);
    table->setMinimumHeight(120);
    table->setTabKeyNavigation(false);
    return table;
}

void FillTable(QTableWidget* table, const airhandler::Table& source) {
    table->clear();
    table->setColumnCount(static_cast<int>(source.header.size()));
    table->setRowCount(static_cast<int>(source.rows.size()));
    QStringList headers;
    for (const std::string& h : source.header)
        headers << Ah(h);
    table->setHorizontalHeaderLabels(headers);
    for (std::size_t r = 0; r < source.rows.size(); ++r) {
        for (std::size_t c = 0; c < source.rows[r].size(); ++c) {
            const QString text = QString::fromStdString(source.rows[r][c]);
            bool number = false;
            text.toDouble(&number);
            auto* item = new QTableWidgetItem(number ? text : Ah(source.rows[r][c]));
            item->setToolTip(item->text());
            if (number)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    table->resizeColumnsToContents();
    // A long note or reason would push the numbers out of sight: it is cut
    // (its tooltip holds it whole) so that the columns of numbers show.
    constexpr int kWidestColumn = 170;
    for (int c = 0; c < table->columnCount(); ++c)
        table->setColumnWidth(c, std::min(table->columnWidth(c), kWidestColumn));
}

} // namespace

AirHandlerPanel::AirHandlerPanel(project::Project* project, QWidget* parent)
    : QWidget(parent), project_(project) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* top = new QHBoxLayout;
    c_.season = new QComboBox(this);
    c_.season->addItems({tr("Summer"), tr("Winter")});
    auto* seasonLabel = new QLabel(tr("&Case:"), this);
    seasonLabel->setBuddy(c_.season);
    top->addWidget(seasonLabel);
    top->addWidget(c_.season, 1);
    c_.duty = new QComboBox(this);
    c_.duty->addItems({tr("Cooling"), tr("Heating")});
    auto* dutyLabel = new QLabel(tr("D&uty:"), this);
    dutyLabel->setBuddy(c_.duty);
    top->addWidget(dutyLabel);
    top->addWidget(c_.duty, 1);
    layout->addLayout(top);

    none_ = new QLabel(tr("The project has no air handler yet. Start from an example design: a "
                          "room of 100,000 Btu/h sensible and 25,000 Btu/h latent gains in "
                          "summer, with its winter case."),
                       this);
    none_->setWordWrap(true);
    layout->addWidget(none_);
    c_.create = new QPushButton(tr("Design an &Air Handler"), this);
    layout->addWidget(c_.create);
    connect(c_.create, &QPushButton::clicked, this, [this] { createAirHandler(); });

    // The settings scroll; the tables below them scroll on their own (a
    // table is never inside a second scroll area), and the splitter shares
    // the height between the two.
    body_ = new QSplitter(Qt::Vertical, this);
    auto* body = static_cast<QSplitter*>(body_);
    body->setChildrenCollapsible(false);
    auto* scroll = new QScrollArea(body);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there, so that the settings' width never changes under them.
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scroll->setAccessibleName(tr("Air handler settings"));
    auto* settings = new QWidget(scroll);
    auto* settingsLayout = new QVBoxLayout(settings);
    settingsLayout->setContentsMargins(0, 0, 4, 0);
    settingsLayout->addWidget(buildCase());
    settingsLayout->addWidget(buildComponents());
    status_ = new QLabel(settings);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    MakeStatusLabel(status_, tr("Air handler status"));
    settingsLayout->addWidget(status_);
    settingsLayout->addStretch(1);
    scroll->setWidget(settings);
    body->addWidget(scroll);
    body->addWidget(buildResults());
    body->setStretchFactor(0, 3);
    body->setStretchFactor(1, 2);
    layout->addWidget(body_, 1);

    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    QPalette palette = message_->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(0xffb71c1c));
    message_->setPalette(palette);
    MakeStatusLabel(message_, tr("Air handler message"));
    layout->addWidget(message_);

    c_.removeAll = new QPushButton(tr("Remove the Air Handler"), this);
    layout->addWidget(c_.removeAll);
    connect(c_.removeAll, &QPushButton::clicked, this, [this] { removeAirHandler(); });
    layout->addStretch(0);

    connect(c_.season, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!refreshing_)
            setSeason(index == 1 ? Season::Winter : Season::Summer);
    });
    connect(c_.duty, &QComboBox::currentIndexChanged, this, &AirHandlerPanel::dutyChosen);
    if (project_) {
        connect(project_, &project::Project::airHandlerChanged, this, &AirHandlerPanel::refresh);
        connect(project_, &project::Project::atmosphereChanged, this, &AirHandlerPanel::refresh);
    }
    applyAccessibleTexts();
    refresh();
}

QWidget* AirHandlerPanel::buildCase() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    const QStringList inputs{tr("Dry bulb"),       tr("Wet bulb"), tr("Relative humidity"),
                             tr("Humidity ratio"), tr("Enthalpy"), tr("Dew point")};
    const auto definitionRow = [&](const QString& label, bool room, int which) {
        auto* combo = new QComboBox(box);
        combo->addItems(inputs);
        auto* edit = new QLineEdit(box);
        auto* unit = new QLabel(box);
        unit->setObjectName(room ? QStringLiteral("roomUnit%1").arg(which)
                                 : QStringLiteral("outdoorUnit%1").arg(which));
        auto* l = new QLabel(label, box);
        l->setBuddy(combo);
        grid->addWidget(l, row, 0);
        grid->addWidget(combo, row, 1);
        grid->addWidget(edit, row, 2);
        grid->addWidget(unit, row, 3);
        ++row;
        (room ? c_.roomInput : c_.outdoorInput)[static_cast<std::size_t>(which)] = combo;
        (room ? c_.roomValue : c_.outdoorValue)[static_cast<std::size_t>(which)] = edit;
        connect(edit, &QLineEdit::editingFinished, this,
                [this, room, which] { definitionEdited(room, which); });
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this, room, which](int) { definitionInputChosen(room, which); });
        const QString what = room ? tr("Room") : tr("Outdoor air");
        const QString ordinal = which == 0 ? tr("first") : tr("second");
        combo->setAccessibleName(tr("%1, %2 property").arg(what, ordinal));
        edit->setAccessibleName(tr("%1, %2 value").arg(what, ordinal));
    };
    definitionRow(tr("&Room:"), true, 0);
    definitionRow(tr("Room, &2nd:"), true, 1);

    c_.sensible = new QLineEdit(box);
    c_.latent = new QLineEdit(box);
    c_.loadUnit = new QComboBox(box);
    for (int u = 0; u < kLoadUnitCount; ++u)
        c_.loadUnit->addItem(LoadUnitSymbol(static_cast<LoadUnit>(u)));
    auto* sensibleLabel = new QLabel(tr("&Sensible load:"), box);
    sensibleLabel->setBuddy(c_.sensible);
    grid->addWidget(sensibleLabel, row, 0);
    grid->addWidget(c_.sensible, row, 1, 1, 2);
    ++row;
    auto* latentLabel = new QLabel(tr("&Latent load:"), box);
    latentLabel->setBuddy(c_.latent);
    grid->addWidget(latentLabel, row, 0);
    grid->addWidget(c_.latent, row, 1, 1, 2);
    ++row;
    auto* loadUnitLabel = new QLabel(tr("Load unit:"), box);
    loadUnitLabel->setBuddy(c_.loadUnit);
    grid->addWidget(loadUnitLabel, row, 0);
    grid->addWidget(c_.loadUnit, row, 1);
    c_.shr = new QLabel(box);
    grid->addWidget(c_.shr, row, 2, 1, 2);
    ++row;
    connect(c_.sensible, &QLineEdit::editingFinished, this, [this] { loadEdited(true); });
    connect(c_.latent, &QLineEdit::editingFinished, this, [this] { loadEdited(false); });
    connect(c_.loadUnit, &QComboBox::currentIndexChanged, this, [this](int) {
        if (!refreshing_)
            refresh();
    });

    c_.supplyBy = new QComboBox(box);
    c_.supplyBy->addItems({tr("Dry bulb"), tr("Difference to room"), tr("Airflow")});
    c_.supplyValue = new QLineEdit(box);
    auto* supplyLabel = new QLabel(tr("Su&pply by:"), box);
    supplyLabel->setBuddy(c_.supplyBy);
    auto* supplyUnit = new QLabel(box);
    supplyUnit->setObjectName(QStringLiteral("supplyUnit"));
    grid->addWidget(supplyLabel, row, 0);
    grid->addWidget(c_.supplyBy, row, 1);
    grid->addWidget(c_.supplyValue, row, 2);
    grid->addWidget(supplyUnit, row, 3);
    ++row;
    c_.supplyResult = new QLabel(box);
    c_.supplyResult->setWordWrap(true);
    c_.supplyResult->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                             Qt::TextSelectableByMouse);
    grid->addWidget(c_.supplyResult, row, 0, 1, 4);
    ++row;
    connect(c_.supplyValue, &QLineEdit::editingFinished, this, &AirHandlerPanel::supplyEdited);
    connect(c_.supplyBy, &QComboBox::currentIndexChanged, this, &AirHandlerPanel::supplyByChosen);

    c_.airflowUnit = new QComboBox(box);
    for (const auto unit :
         {processes::AirflowUnit::Cfm, processes::AirflowUnit::LitresPerSecond,
          processes::AirflowUnit::CubicMetresPerSecond, processes::AirflowUnit::CubicMetresPerHour})
        c_.airflowUnit->addItem(AirflowSymbol(unit));
    auto* airflowLabel = new QLabel(tr("Airflow unit:"), box);
    airflowLabel->setBuddy(c_.airflowUnit);
    grid->addWidget(airflowLabel, row, 0);
    grid->addWidget(c_.airflowUnit, row, 1);
    ++row;
    connect(c_.airflowUnit, &QComboBox::currentIndexChanged, this,
            &AirHandlerPanel::airflowUnitChosen);

    definitionRow(tr("Ou&tdoor:"), false, 0);
    definitionRow(tr("Outdoor, 2n&d:"), false, 1);

    c_.weatherDesign = new QPushButton(tr("From the Weather File's Desi&gn Conditions"), box);
    grid->addWidget(c_.weatherDesign, row, 0, 1, 4);
    ++row;
    c_.dehumidification = new QCheckBox(tr("Summer at the dehumidification dew point (&b)"), box);
    c_.dehumidification->setToolTip(
        tr("Summer outdoor air at the 0.4 % dehumidification dew point with its mean coincident "
           "dry bulb, instead of the 0.4 % cooling dry bulb with its mean coincident wet bulb."));
    grid->addWidget(c_.dehumidification, row, 0, 1, 4);
    ++row;
    connect(c_.weatherDesign, &QPushButton::clicked, this, [this] { applyWeatherDesign(); });

    c_.outdoorAirBy = new QComboBox(box);
    c_.outdoorAirBy->addItems({tr("Airflow"), tr("Share of supply")});
    c_.outdoorAirValue = new QLineEdit(box);
    auto* outdoorAirLabel = new QLabel(tr("Outdoor air b&y:"), box);
    outdoorAirLabel->setBuddy(c_.outdoorAirBy);
    auto* outdoorAirUnit = new QLabel(box);
    outdoorAirUnit->setObjectName(QStringLiteral("outdoorAirUnit"));
    grid->addWidget(outdoorAirLabel, row, 0);
    grid->addWidget(c_.outdoorAirBy, row, 1);
    grid->addWidget(c_.outdoorAirValue, row, 2);
    grid->addWidget(outdoorAirUnit, row, 3);
    ++row;
    connect(c_.outdoorAirValue, &QLineEdit::editingFinished, this,
            &AirHandlerPanel::outdoorAirEdited);
    connect(c_.outdoorAirBy, &QComboBox::currentIndexChanged, this,
            &AirHandlerPanel::outdoorAirByChosen);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 2);
    // Narrow enough for the side panel: the combo boxes show ten characters
    // at least, the numbers seven.
    for (QComboBox* combo : box->findChildren<QComboBox*>()) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(combo == c_.loadUnit ? 5 : 10);
    }
    for (QLineEdit* edit : box->findChildren<QLineEdit*>())
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 7);
    // The unit column as wide as its widest unit, whichever is shown.
    for (QLabel* unit : box->findChildren<QLabel*>()) {
        if (unit->objectName().contains(QStringLiteral("Unit")))
            unit->setMinimumWidth(unit->fontMetrics().horizontalAdvance(QStringLiteral("Btu/lb")) +
                                  2);
    }
    return box;
}

QWidget* AirHandlerPanel::buildComponents() {
    auto* box = new QGroupBox(tr("Components, in the order the air meets them"), this);
    // The list with its buttons in a column beside it: narrow enough for
    // the side panel.
    auto* layout = new QHBoxLayout(box);
    c_.components = new QListWidget(box);
    c_.components->setMinimumHeight(150);
    c_.components->installEventFilter(this);
    c_.components->setToolTip(tr("Insert adds, Delete removes, Enter edits, Ctrl+Up and "
                                 "Ctrl+Down move the component."));
    layout->addWidget(c_.components, 1);
    auto* buttons = new QVBoxLayout;
    c_.add = new QToolButton(box);
    c_.add->setText(tr("Add"));
    c_.add->setPopupMode(QToolButton::InstantPopup);
    c_.add->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* menu = new QMenu(c_.add);
    const auto offer = [this, menu](const QString& text, airhandler::Component component) {
        connect(menu->addAction(text), &QAction::triggered, this,
                [this, component] { addComponent(component); });
    };
    airhandler::HeatRecovery plate;
    plate.exchanger = airhandler::Exchanger::Plate;
    plate.latentEffectiveness = 0.0;
    airhandler::HeatingCoil preheat;
    preheat.role = airhandler::HeatingRole::Preheat;
    preheat.by = airhandler::HeatingBy::LeavingDryBulb;
    preheat.leavingDryBulbF = 40.0;
    airhandler::Humidifier adiabatic;
    adiabatic.kind = airhandler::HumidifierKind::Adiabatic;
    offer(tr("Heat-Recovery &Wheel"), airhandler::HeatRecovery{});
    offer(tr("Heat-Recovery &Plate"), plate);
    offer(tr("&Mixing Box"), airhandler::MixingBox{});
    offer(tr("P&reheat Coil"), preheat);
    offer(tr("&Cooling Coil"), airhandler::CoolingCoil{});
    offer(tr("R&eheat Coil"), airhandler::HeatingCoil{});
    offer(tr("Supply &Fan"), airhandler::SupplyFan{});
    offer(tr("&Steam Humidifier"), airhandler::Humidifier{});
    offer(tr("&Adiabatic Humidifier"), adiabatic);
    c_.add->setMenu(menu);
    c_.edit = new QPushButton(tr("Edit..."), box);
    c_.remove = new QPushButton(tr("Remove"), box);
    c_.up = new QPushButton(tr("Up"), box);
    c_.down = new QPushButton(tr("Down"), box);
    c_.add->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    for (QWidget* w : std::initializer_list<QWidget*>{c_.add, c_.edit, c_.remove, c_.up, c_.down})
        buttons->addWidget(w);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    const auto selected = [this] { return c_.components->currentRow(); };
    connect(c_.edit, &QPushButton::clicked, this, [this, selected] { editComponent(selected()); });
    connect(c_.remove, &QPushButton::clicked, this,
            [this, selected] { removeComponent(selected()); });
    connect(c_.up, &QPushButton::clicked, this,
            [this, selected] { moveComponent(selected(), -1); });
    connect(c_.down, &QPushButton::clicked, this,
            [this, selected] { moveComponent(selected(), +1); });
    connect(c_.components, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { editComponent(c_.components->row(item)); });
    return box;
}

QWidget* AirHandlerPanel::buildResults() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tabs = new QTabWidget(box);
    tabs->setAccessibleName(tr("Air handler tables"));
    c_.rollup = MakeTable(tabs, tr("Rollup of both cases"));
    c_.chain = MakeTable(tabs, tr("Components of the case shown"));
    tabs->addTab(c_.rollup, tr("Rollup, Summer and Winter"));
    tabs->addTab(c_.chain, tr("Components of the Case"));
    layout->addWidget(tabs, 1);
    auto* buttons = new QHBoxLayout;
    c_.exportComponents = new QPushButton(tr("E&xport Components..."), box);
    c_.exportRollup = new QPushButton(tr("Export Rollup..."), box);
    buttons->addWidget(c_.exportComponents);
    buttons->addWidget(c_.exportRollup);
    layout->addLayout(buttons);
    connect(c_.exportComponents, &QPushButton::clicked, this, [this] { askExport(true); });
    connect(c_.exportRollup, &QPushButton::clicked, this, [this] { askExport(false); });
    return box;
}

void AirHandlerPanel::applyAccessibleTexts() {
    setAccessibleName(tr("Air handler"));
    c_.season->setAccessibleName(tr("Case"));
    c_.duty->setAccessibleName(tr("Duty"));
    c_.sensible->setAccessibleName(tr("Room sensible load"));
    c_.latent->setAccessibleName(tr("Room latent load"));
    c_.loadUnit->setAccessibleName(tr("Load unit"));
    c_.shr->setAccessibleName(tr("Room sensible heat ratio"));
    c_.supplyBy->setAccessibleName(tr("Supply by"));
    c_.supplyValue->setAccessibleName(tr("Supply value"));
    c_.supplyResult->setAccessibleName(tr("Supply air"));
    c_.airflowUnit->setAccessibleName(tr("Airflow unit"));
    c_.weatherDesign->setAccessibleName(Plain(c_.weatherDesign->text()));
    c_.dehumidification->setAccessibleName(tr("Summer at the dehumidification dew point"));
    c_.outdoorAirBy->setAccessibleName(tr("Outdoor air by"));
    c_.outdoorAirValue->setAccessibleName(tr("Outdoor air value"));
    c_.components->setAccessibleName(tr("Components"));
    c_.add->setAccessibleName(tr("Add component"));
    c_.edit->setAccessibleName(tr("Edit component"));
    c_.remove->setAccessibleName(tr("Remove component"));
    c_.up->setAccessibleName(tr("Move component up"));
    c_.down->setAccessibleName(tr("Move component down"));
    c_.exportComponents->setAccessibleName(tr("Export components as CSV"));
    c_.exportRollup->setAccessibleName(tr("Export rollup as CSV"));
    c_.create->setAccessibleName(tr("Design an air handler"));
    c_.removeAll->setAccessibleName(tr("Remove the air handler"));
}

bool AirHandlerPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.components && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const int row = c_.components->currentRow();
        const bool control = key.modifiers() & Qt::ControlModifier;
        switch (key.key()) {
        case Qt::Key_Delete:
            removeComponent(row);
            return true;
        case Qt::Key_Insert:
            c_.add->showMenu();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (!control)
                return false;
            moveComponent(row, key.key() == Qt::Key_Up ? -1 : +1);
            return true;
        default:
            return false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

UnitSystem AirHandlerPanel::system() const {
    return project_ ? project_->atmosphere().system : UnitSystem::IP;
}

LoadUnit AirHandlerPanel::loadUnit() const {
    return static_cast<LoadUnit>(std::max(c_.loadUnit->currentIndex(), 0));
}

void AirHandlerPanel::setSeason(Season season) {
    if (season == season_)
        return;
    season_ = season;
    showMessage({});
    refresh();
    emit seasonChanged(season);
}

void AirHandlerPanel::showMessage(const QString& text) {
    SetStatusText(message_, text);
}

QString AirHandlerPanel::messageText() const {
    return message_->text();
}

QString AirHandlerPanel::statusText() const {
    return status_->text();
}

void AirHandlerPanel::refresh() {
    if (!project_)
        return;
    refreshing_ = true;
    const bool has = project_->airHandler().has_value();
    none_->setVisible(!has);
    c_.create->setVisible(!has);
    body_->setVisible(has);
    c_.removeAll->setVisible(has);
    c_.duty->setEnabled(has);
    c_.season->setCurrentIndex(season_ == Season::Winter ? 1 : 0);
    if (!has) {
        refreshing_ = false;
        return;
    }
    const UnitSystem sys = system();
    const project::AirHandlerSetup& setup = *project_->airHandler();
    const project::AirHandlerCase& hc = setup.of(season_);
    const project::AirHandlerResult* result = project_->airHandlerResult();
    const airhandler::CaseSolution* solved = result && result->solution.of(season_).ok()
                                                 ? &result->solution.of(season_).value()
                                                 : nullptr;
    c_.duty->setCurrentIndex(hc.duty == airhandler::Duty::Heating ? 1 : 0);

    const auto showDefinition = [&](const project::PointDefinition& d, bool room) {
        const std::array<project::InputValue, 2> values{d.first, d.second};
        for (std::size_t k = 0; k < 2; ++k) {
            (room ? c_.roomInput : c_.outdoorInput)[k]->setCurrentIndex(
                static_cast<int>(values[k].input));
            (room ? c_.roomValue : c_.outdoorValue)[k]->setText(NumberText(
                InputShown(values[k].input, values[k].value, sys), DecimalsOf(values[k].input)));
            findChild<QLabel*>(room ? QStringLiteral("roomUnit%1").arg(k)
                                    : QStringLiteral("outdoorUnit%1").arg(k))
                ->setText(InputSymbol(values[k].input, sys));
        }
    };
    showDefinition(hc.room, true);
    showDefinition(hc.outdoor, false);

    const LoadUnit unit = loadUnit();
    c_.sensible->setText(
        NumberText(LoadFromBtuPerHour(hc.roomSensibleBtuPerHour, unit), LoadDecimals(unit)));
    c_.latent->setText(
        NumberText(LoadFromBtuPerHour(hc.roomLatentBtuPerHour, unit), LoadDecimals(unit)));
    const double total = hc.roomSensibleBtuPerHour + hc.roomLatentBtuPerHour;
    c_.shr->setText(total != 0.0
                        ? tr("SHR %1").arg(NumberText(hc.roomSensibleBtuPerHour / total, 2))
                        : tr("SHR –"));

    const processes::AirflowUnit airflowUnit = setup.airflowUnit;
    c_.airflowUnit->setCurrentIndex(static_cast<int>(airflowUnit));
    c_.supplyBy->setCurrentIndex(static_cast<int>(hc.supply.by));
    auto* supplyUnit = findChild<QLabel*>(QStringLiteral("supplyUnit"));
    switch (hc.supply.by) {
    case airhandler::SupplyBy::DryBulb:
        c_.supplyValue->setText(NumberText(TemperatureShown(hc.supply.dryBulbF, sys), 2));
        supplyUnit->setText(TemperatureSymbol(sys));
        break;
    case airhandler::SupplyBy::TemperatureDifference:
        c_.supplyValue->setText(NumberText(SpanShown(hc.supply.differenceF, sys), 2));
        supplyUnit->setText(sys == UnitSystem::SI ? QStringLiteral("K") : QStringLiteral("°F"));
        break;
    case airhandler::SupplyBy::Airflow:
        c_.supplyValue->setText(NumberText(AirflowIn(hc.supply.airflow, airflowUnit).value,
                                           AirflowDecimals(airflowUnit)));
        supplyUnit->setText(AirflowSymbol(airflowUnit));
        break;
    }
    const QString massUnit =
        sys == UnitSystem::SI ? QStringLiteral("kg/h") : QStringLiteral("lb/h");
    if (solved) {
        const double mass =
            sys == UnitSystem::SI
                ? basPsychroFun::units::PoundsToKilograms(solved->supplyDryAirLbPerHour)
                : solved->supplyDryAirLbPerHour;
        c_.supplyResult->setText(
            tr("Supply air %1 %2, %3 %4; %5 %6; %7 %8 of dry air")
                .arg(NumberText(TemperatureShown(solved->supply.dryBulbF, sys), 1),
                     TemperatureSymbol(sys), NumberText(solved->supply.humidityRatio, 5),
                     InputSymbol(Input::HumidityRatio, sys),
                     NumberText(AirflowIn(solved->supplyAirflow, airflowUnit).value,
                                AirflowDecimals(airflowUnit)),
                     AirflowSymbol(airflowUnit), NumberText(mass, 0), massUnit));
    } else {
        c_.supplyResult->setText(tr("No supply air: the case has no solution."));
    }

    c_.outdoorAirBy->setCurrentIndex(hc.outdoorAir.by == airhandler::OutdoorAirBy::Share ? 1 : 0);
    auto* outdoorAirUnit = findChild<QLabel*>(QStringLiteral("outdoorAirUnit"));
    if (hc.outdoorAir.by == airhandler::OutdoorAirBy::Share) {
        c_.outdoorAirValue->setText(
            NumberText(basPsychroFun::units::FractionToPercent(hc.outdoorAir.share), 1));
        outdoorAirUnit->setText(QStringLiteral("%"));
    } else {
        c_.outdoorAirValue->setText(NumberText(AirflowIn(hc.outdoorAir.airflow, airflowUnit).value,
                                               AirflowDecimals(airflowUnit)));
        outdoorAirUnit->setText(AirflowSymbol(airflowUnit));
    }
    c_.weatherDesign->setEnabled(weatherDesign_.has_value());
    c_.weatherDesign->setToolTip(weatherDesign_ ? tr("Design conditions of %1").arg(weatherSource_)
                                                : tr("Open a weather file first."));

    const int selectedRow = c_.components->currentRow();
    c_.components->clear();
    for (std::size_t i = 0; i < hc.components.size(); ++i)
        c_.components->addItem(ComponentLine(static_cast<int>(i), hc.components[i]));
    if (c_.components->count() > 0)
        c_.components->setCurrentRow(std::clamp(selectedRow, 0, c_.components->count() - 1));

    QString status;
    if (result && !result->refusal(season_).empty()) {
        status = tr("No solution: %1").arg(QString::fromStdString(result->refusal(season_)));
    } else if (solved) {
        const auto percent = [](const std::optional<double>& p) {
            return p ? NumberText(*p, 1) + QStringLiteral(" %") : QStringLiteral("–");
        };
        status = solved->reachesSupply
                     ? tr("The chain reaches the supply air: it meets the room's sensible load "
                          "to %1 and its latent load to %2.")
                           .arg(percent(solved->roomCheck.sensiblePercent),
                                percent(solved->roomCheck.latentPercent))
                     : tr("The air leaving the chain misses the supply air: it meets the room's "
                          "sensible load to %1 and its latent load to %2, not within 1 %. "
                          "Order or size the components until it does.")
                           .arg(percent(solved->roomCheck.sensiblePercent),
                                percent(solved->roomCheck.latentPercent));
    }
    SetStatusText(status_, status);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->setModified(false);
    refreshTables();
    refreshing_ = false;
}

void AirHandlerPanel::refreshTables() {
    const project::AirHandlerResult* result = project_ ? project_->airHandlerResult() : nullptr;
    if (result == nullptr) {
        c_.rollup->clear();
        c_.chain->clear();
        return;
    }
    FillTable(c_.rollup, airhandler::RollupTable(result->design, result->solution));
    airhandler::Table chain =
        airhandler::ComponentsTable(result->design, result->solution, season_);
    if (!result->solution.of(season_).ok()) {
        for (auto& row : chain.rows) {
            if (!row.empty())
                row.back() = result->refusal(season_);
        }
    }
    FillTable(c_.chain, chain);
}

QString AirHandlerPanel::apply(const project::AirHandlerSetup& after, bool allowNewRefusal) {
    if (!project_)
        return {};
    const QString why = ApplySetup(*project_, after, allowNewRefusal);
    showMessage(why.isEmpty() ? QString() : tr("Not changed: %1").arg(why));
    if (!why.isEmpty())
        refresh(); // the fields go back to the project's values
    return why;
}

QString AirHandlerPanel::editCase(const std::function<void(project::AirHandlerCase&)>& change,
                                  bool allowNewRefusal) {
    if (!project_ || !project_->airHandler())
        return {};
    project::AirHandlerSetup setup = *project_->airHandler();
    change(setup.of(season_));
    return apply(setup, allowNewRefusal);
}

QString AirHandlerPanel::createAirHandler() {
    if (!project_ || project_->airHandler())
        return {};
    return apply(project::AirHandlerSetup{}, true);
}

QString AirHandlerPanel::removeAirHandler() {
    if (!project_ || !project_->airHandler())
        return {};
    const QString why = project_->setAirHandler(std::nullopt);
    showMessage(why);
    return why;
}

void AirHandlerPanel::definitionEdited(bool room, int which) {
    if (refreshing_)
        return;
    QLineEdit* edit = (room ? c_.roomValue : c_.outdoorValue)[static_cast<std::size_t>(which)];
    if (!edit->isModified())
        return;
    edit->setModified(false);
    const auto typed = ReadNumber(edit->text());
    if (!typed) {
        showMessage(tr("Not changed: “%1” is not a number.").arg(edit->text().trimmed()));
        refresh();
        return;
    }
    const UnitSystem sys = system();
    editCase([&](project::AirHandlerCase& hc) {
        project::PointDefinition& d = room ? hc.room : hc.outdoor;
        project::InputValue& v = which == 0 ? d.first : d.second;
        v.value = InputFromShown(v.input, *typed, sys);
    });
}

void AirHandlerPanel::definitionInputChosen(bool room, int which) {
    if (refreshing_ || !project_ || !project_->airHandler())
        return;
    const auto input = static_cast<Input>(
        (room ? c_.roomInput : c_.outdoorInput)[static_cast<std::size_t>(which)]->currentIndex());
    // The same air by another property: its value from the air as solved.
    const project::AirHandlerCase& hc = project_->airHandler()->of(season_);
    const project::PointDefinition& d = room ? hc.room : hc.outdoor;
    const project::Solution solution = project::Solve(d, project_->atmosphere());
    editCase([&](project::AirHandlerCase& changed) {
        project::PointDefinition& target = room ? changed.room : changed.outdoor;
        project::InputValue& v = which == 0 ? target.first : target.second;
        v.input = input;
        if (solution.state)
            v.value = project::ValueIn(*solution.state, input);
    });
}

void AirHandlerPanel::loadEdited(bool sensible) {
    if (refreshing_)
        return;
    QLineEdit* edit = sensible ? c_.sensible : c_.latent;
    if (!edit->isModified())
        return;
    edit->setModified(false);
    const auto typed = ReadNumber(edit->text());
    if (!typed) {
        showMessage(tr("Not changed: “%1” is not a number.").arg(edit->text().trimmed()));
        refresh();
        return;
    }
    const double btuPerHour = LoadToBtuPerHour(*typed, loadUnit());
    editCase([&](project::AirHandlerCase& hc) {
        (sensible ? hc.roomSensibleBtuPerHour : hc.roomLatentBtuPerHour) = btuPerHour;
    });
}

void AirHandlerPanel::supplyEdited() {
    if (refreshing_ || !c_.supplyValue->isModified() || !project_ || !project_->airHandler())
        return;
    c_.supplyValue->setModified(false);
    const auto typed = ReadNumber(c_.supplyValue->text());
    if (!typed) {
        showMessage(tr("Not changed: “%1” is not a number.").arg(c_.supplyValue->text().trimmed()));
        refresh();
        return;
    }
    const UnitSystem sys = system();
    const processes::AirflowUnit unit = project_->airHandler()->airflowUnit;
    editCase([&](project::AirHandlerCase& hc) {
        switch (hc.supply.by) {
        case airhandler::SupplyBy::DryBulb:
            hc.supply.dryBulbF = TemperatureFromShown(*typed, sys);
            break;
        case airhandler::SupplyBy::TemperatureDifference:
            hc.supply.differenceF = SpanFromShown(*typed, sys);
            break;
        case airhandler::SupplyBy::Airflow:
            hc.supply.airflow = {*typed, unit};
            break;
        }
    });
}

void AirHandlerPanel::supplyByChosen(int index) {
    if (refreshing_ || !project_ || !project_->airHandler() || index < 0)
        return;
    const project::AirHandlerResult* result = project_->airHandlerResult();
    const auto& outcome = result->solution.of(season_);
    const processes::AirflowUnit unit = project_->airHandler()->airflowUnit;
    // The same supply air by the other quantity, where the case is solved.
    editCase(
        [&](project::AirHandlerCase& hc) {
            hc.supply.by = static_cast<airhandler::SupplyBy>(index);
            if (!outcome.ok())
                return;
            const airhandler::CaseSolution& s = outcome.value();
            switch (hc.supply.by) {
            case airhandler::SupplyBy::DryBulb:
                hc.supply.dryBulbF = s.supply.dryBulbF;
                break;
            case airhandler::SupplyBy::TemperatureDifference:
                hc.supply.differenceF = std::abs(s.room.dryBulbF - s.supply.dryBulbF);
                break;
            case airhandler::SupplyBy::Airflow:
                hc.supply.airflow = AirflowIn(s.supplyAirflow, unit);
                break;
            }
        },
        !outcome.ok());
}

void AirHandlerPanel::airflowUnitChosen(int index) {
    if (refreshing_ || !project_ || !project_->airHandler() || index < 0)
        return;
    const auto unit = static_cast<processes::AirflowUnit>(index);
    project::AirHandlerSetup setup = *project_->airHandler();
    setup.airflowUnit = unit;
    // The same airflows in the new unit.
    for (const Season s : {Season::Summer, Season::Winter}) {
        setup.of(s).supply.airflow = AirflowIn(setup.of(s).supply.airflow, unit);
        setup.of(s).outdoorAir.airflow = AirflowIn(setup.of(s).outdoorAir.airflow, unit);
    }
    apply(setup);
}

void AirHandlerPanel::outdoorAirEdited() {
    if (refreshing_ || !c_.outdoorAirValue->isModified() || !project_ || !project_->airHandler())
        return;
    c_.outdoorAirValue->setModified(false);
    const auto typed = ReadNumber(c_.outdoorAirValue->text());
    if (!typed) {
        showMessage(
            tr("Not changed: “%1” is not a number.").arg(c_.outdoorAirValue->text().trimmed()));
        refresh();
        return;
    }
    const processes::AirflowUnit unit = project_->airHandler()->airflowUnit;
    editCase([&](project::AirHandlerCase& hc) {
        if (hc.outdoorAir.by == airhandler::OutdoorAirBy::Share)
            hc.outdoorAir.share = basPsychroFun::units::PercentToFraction(*typed);
        else
            hc.outdoorAir.airflow = {*typed, unit};
    });
}

void AirHandlerPanel::outdoorAirByChosen(int index) {
    if (refreshing_ || !project_ || !project_->airHandler() || index < 0)
        return;
    const project::AirHandlerResult* result = project_->airHandlerResult();
    const auto& outcome = result->solution.of(season_);
    const processes::AirflowUnit unit = project_->airHandler()->airflowUnit;
    editCase(
        [&](project::AirHandlerCase& hc) {
            hc.outdoorAir.by =
                index == 1 ? airhandler::OutdoorAirBy::Share : airhandler::OutdoorAirBy::Airflow;
            // The same minimum outdoor air the other way, unless the
            // economizer brings in more than the minimum now.
            if (!outcome.ok() || outcome.value().economizer.economizing)
                return;
            const airhandler::CaseSolution& s = outcome.value();
            if (hc.outdoorAir.by == airhandler::OutdoorAirBy::Share)
                hc.outdoorAir.share = s.outdoorShare;
            else
                hc.outdoorAir.airflow = s.outdoorAirflow ? AirflowIn(*s.outdoorAirflow, unit)
                                                         : processes::Airflow{0.0, unit};
        },
        !outcome.ok());
}

void AirHandlerPanel::dutyChosen(int index) {
    if (refreshing_ || index < 0)
        return;
    const auto duty = index == 1 ? airhandler::Duty::Heating : airhandler::Duty::Cooling;
    // The sensible load follows the duty (a gain in cooling, a loss in
    // heating); the rest may then need the user's hand, so the case may be
    // left without a solution until it has it.
    editCase(
        [duty](project::AirHandlerCase& hc) {
            if (hc.duty == duty)
                return;
            hc.duty = duty;
            const bool against = duty == airhandler::Duty::Cooling
                                     ? hc.roomSensibleBtuPerHour < 0.0
                                     : hc.roomSensibleBtuPerHour > 0.0;
            if (against)
                hc.roomSensibleBtuPerHour = -hc.roomSensibleBtuPerHour;
        },
        true);
}

QString AirHandlerPanel::addComponent(const airhandler::Component& component) {
    if (!project_ || !project_->airHandler())
        return {};
    const auto& components = project_->airHandler()->of(season_).components;
    // Heat recovery treats the outdoor air alone: it goes first; the rest
    // after the others.
    const bool first = std::holds_alternative<airhandler::HeatRecovery>(component);
    const auto at = first ? 0 : static_cast<int>(components.size());
    const QString why = editCase([&](project::AirHandlerCase& hc) {
        hc.components.insert(hc.components.begin() + at, component);
    });
    if (why.isEmpty())
        c_.components->setCurrentRow(at);
    return why;
}

QString AirHandlerPanel::setComponent(int index, const airhandler::Component& component) {
    if (!project_ || !project_->airHandler())
        return {};
    const auto& components = project_->airHandler()->of(season_).components;
    if (index < 0 || index >= static_cast<int>(components.size()))
        return {};
    return editCase([&](project::AirHandlerCase& hc) {
        hc.components[static_cast<std::size_t>(index)] = component;
    });
}

QString AirHandlerPanel::removeComponent(int index) {
    if (!project_ || !project_->airHandler())
        return {};
    const auto& components = project_->airHandler()->of(season_).components;
    if (index < 0 || index >= static_cast<int>(components.size()))
        return {};
    return editCase(
        [&](project::AirHandlerCase& hc) { hc.components.erase(hc.components.begin() + index); });
}

QString AirHandlerPanel::moveComponent(int index, int delta) {
    if (!project_ || !project_->airHandler())
        return {};
    const int count = static_cast<int>(project_->airHandler()->of(season_).components.size());
    const int to = index + delta;
    if (index < 0 || index >= count || to < 0 || to >= count)
        return {};
    const QString why = editCase([&](project::AirHandlerCase& hc) {
        std::swap(hc.components[static_cast<std::size_t>(index)],
                  hc.components[static_cast<std::size_t>(to)]);
    });
    if (why.isEmpty())
        c_.components->setCurrentRow(to);
    return why;
}

void AirHandlerPanel::editComponent(int index) {
    if (!project_ || !project_->airHandler())
        return;
    const auto& components = project_->airHandler()->of(season_).components;
    if (index < 0 || index >= static_cast<int>(components.size()))
        return;
    ComponentDialog dialog(
        components[static_cast<std::size_t>(index)], system(), project_->airHandler()->airflowUnit,
        [this, index](const airhandler::Component& c) { return setComponent(index, c); }, this);
    dialog.exec();
    showMessage({});
}

QString AirHandlerPanel::applyWeatherDesign() {
    if (!project_)
        return {};
    QString why;
    if (!weatherDesign_) {
        why = tr("Open a weather file first: its design conditions give the outdoor air.");
    } else if (c_.dehumidification->isChecked() && !weatherDesign_->dewPoint04) {
        why = tr("The weather file gives no 0.4 % dehumidification design.");
    } else if (!c_.dehumidification->isChecked() && !weatherDesign_->cooling[0]) {
        why = tr("The weather file gives no 0.4 % cooling design.");
    } else if (!weatherDesign_->heating996DryBulbF) {
        why = tr("The weather file gives no 99.6 % heating design.");
    }
    if (!why.isEmpty()) {
        showMessage(tr("Not changed: %1").arg(why));
        return why;
    }
    project::AirHandlerSetup setup = project_->airHandler().value_or(project::AirHandlerSetup{});
    if (c_.dehumidification->isChecked()) {
        const weather::DehumidificationDesign& d = *weatherDesign_->dewPoint04;
        setup.summer.outdoor = {{Input::DewPoint, d.dewPointF},
                                {Input::DryBulb, d.meanCoincidentDryBulbF}};
    } else {
        const weather::CoolingDesign& d = *weatherDesign_->cooling[0];
        setup.summer.outdoor = {{Input::DryBulb, d.dryBulbF},
                                {Input::WetBulb, d.meanCoincidentWetBulbF}};
    }
    // The heating design gives no humidity: the cold air is taken saturated,
    // as it nearly is on the coldest hours.
    setup.winter.outdoor = {{Input::DryBulb, *weatherDesign_->heating996DryBulbF},
                            {Input::RelativeHumidity, 1.0}};
    return apply(setup);
}

void AirHandlerPanel::setWeatherDesign(std::optional<weather::DesignConditions> conditions,
                                       const QString& source) {
    weatherDesign_ = std::move(conditions);
    weatherSource_ = source;
    refresh();
}

QString AirHandlerPanel::exportComponentsCsv(const QString& path) const {
    return project_ ? project_->exportAirHandlerComponentsCsv(path) : QString();
}

QString AirHandlerPanel::exportRollupCsv(const QString& path) const {
    return project_ ? project_->exportAirHandlerRollupCsv(path) : QString();
}

void AirHandlerPanel::askExport(bool components) {
    const QString path = QFileDialog::getSaveFileName(
        this, components ? tr("Export Air Handler Components") : tr("Export Air Handler Rollup"),
        components ? QStringLiteral("airhandler-components.csv")
                   : QStringLiteral("airhandler-rollup.csv"),
        tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    const QString why = components ? exportComponentsCsv(path) : exportRollupCsv(path);
    showMessage(why.isEmpty() ? QString() : tr("Not exported: %1").arg(why));
}

} // namespace chart
