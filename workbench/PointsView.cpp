#include "workbench/PointsView.h"

#include "chart/StatusLabel.h"
#include "core/FieldRules.h"
#include "engine/PsychroFun.h"
#include "project/Project.h"
#include "workbench/FieldText.h"
#include "workbench/PointDialog.h"
#include "workbench/PointTableModel.h"

#include <algorithm>
#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace chart {
namespace {

// The airflow unit cell edited with a list of the four units.
class AirflowUnitDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* combo = new QComboBox(parent);
        combo->addItems(PointTableModel::airflowUnitTexts());
        combo->setAccessibleName(PointTableModel::tr("Airflow unit"));
        return combo;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* combo = static_cast<QComboBox*>(editor);
        const int at = combo->findText(index.data(Qt::EditRole).toString());
        combo->setCurrentIndex(std::max(at, 0));
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
    }
};

// The calculator's ticked field as a project input: fields 0 to 5 are the
// inputs in the order of project::Input.
std::optional<project::Input> InputOfField(int field) {
    if (field < 0 || field >= project::kInputCount)
        return std::nullopt;
    return static_cast<project::Input>(field);
}

} // namespace

PointsView::PointsView(project::Project* project, QWidget* parent)
    : QWidget(parent), project_(project), model_(new PointTableModel(project, this)) {
    pressure_ = new QLabel(this);
    MakeStatusLabel(pressure_, QString());
    pressure_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pressure_->setWordWrap(true);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("pointsTable"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    // Tab leaves the table for the buttons; the arrows move between cells.
    table_->setTabKeyNavigation(false);
    table_->setItemDelegateForColumn(PointTableModel::kAirflowUnit,
                                     new AirflowUnitDelegate(table_));
    // Columns fit their contents when the points or the units change; the
    // user may resize them in between. A long status stays on one line.
    table_->setWordWrap(false);
    table_->installEventFilter(this);

    addState_ = new QPushButton(this);
    addPoint_ = new QPushButton(this);
    delete_ = new QPushButton(this);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("pointsStatus"));
    MakeStatusLabel(status_, QString());
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Two rows, so that a narrow side panel holds them.
    auto* buttons = new QGridLayout;
    buttons->addWidget(addState_, 0, 0, 1, 2);
    buttons->addWidget(addPoint_, 1, 0);
    buttons->addWidget(delete_, 1, 1);
    buttons->setColumnStretch(2, 1);

    // Alt+T reaches the table from anywhere in the window.
    tableLabel_ = new QLabel(this);
    tableLabel_->setBuddy(table_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pressure_);
    layout->addWidget(tableLabel_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    setTabOrder(table_, addState_);
    setTabOrder(addState_, addPoint_);
    setTabOrder(addPoint_, delete_);

    connect(addState_, &QPushButton::clicked, this, [this] { addCalculatorState(); });
    connect(addPoint_, &QPushButton::clicked, this, &PointsView::addPoint);
    connect(delete_, &QPushButton::clicked, this, &PointsView::deleteSelected);
    connect(model_, &PointTableModel::message, this, &PointsView::showMessage);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &PointsView::updateButtons);
    connect(model_, &QAbstractItemModel::modelReset, this, &PointsView::updateButtons);
    connect(model_, &QAbstractItemModel::modelReset, table_, &QTableView::resizeColumnsToContents);
    if (project_)
        connect(project_, &project::Project::atmosphereChanged, this, &PointsView::updatePressure);

    retranslate();
    updateButtons();
}

void PointsView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void PointsView::retranslate() {
    setAccessibleName(tr("State points"));
    pressure_->setAccessibleDescription(tr("Pressure of the points"));
    table_->setAccessibleName(tr("State points"));
    table_->setAccessibleDescription(
        tr("One row per point. F2, Enter or typing edits a cell; Delete deletes the selected "
           "points."));
    addState_->setText(tr("Add the &calculator's state"));
    addState_->setAccessibleName(tr("Add the calculator's state"));
    addState_->setToolTip(tr("Adds the calculator's state as a point defined by its two ticked "
                             "inputs."));
    addPoint_->setText(tr("&Add Point..."));
    addPoint_->setAccessibleName(tr("Add Point"));
    delete_->setText(tr("&Delete Point"));
    delete_->setAccessibleName(tr("Delete Point"));
    delete_->setToolTip(tr("Deletes the selected points (Delete); Undo brings them back."));
    status_->setAccessibleDescription(tr("Points message"));
    tableLabel_->setText(tr("S&tate points:"));
    // The header's words and the cells' words (inside, none ...) anew.
    model_->retranslate();
    table_->resizeColumnsToContents();
    updatePressure();
}

void PointsView::setView(const CalculatorView& view) {
    model_->setView(view);
    table_->resizeColumnsToContents();
    updatePressure();
    updateButtons();
}

QString PointsView::pressureText() const {
    return pressure_->text();
}

QString PointsView::messageText() const {
    return status_->text();
}

void PointsView::showMessage(const QString& text) {
    SetStatusText(status_, text);
    emit message(text);
}

void PointsView::updatePressure() {
    if (!project_) {
        SetStatusText(pressure_, QString());
        return;
    }
    const CalculatorView& view = model_->view();
    const project::Atmosphere& atmosphere = project_->atmosphere();
    // The pressure as the calculator's pressure field shows it, with the
    // altitude of the standard atmosphere where there is one.
    CalcState state;
    calculator::StoreEntry(state, calculator::kAtmosphericPressure,
                           static_cast<float>(atmosphere.pressurePsia));
    QString text = tr("All points at %1 %2")
                       .arg(FieldText(view, state, calculator::kAtmosphericPressure),
                            FieldUnit(view, calculator::kAtmosphericPressure));
    if (state.Alt != static_cast<float>(basPsychroFun::kNoResult)) {
        const QString altitude = FieldText(view, state, calculator::kAltitude);
        if (!altitude.isEmpty())
            text += tr(" (altitude %1 %2)").arg(altitude, FieldUnit(view, calculator::kAltitude));
    }
    text += tr(", %1 units")
                .arg(QString::fromLatin1(basPsychroFun::SelectorOf(atmosphere.system).data()));
    SetStatusText(pressure_, text);
}

void PointsView::updateButtons() {
    const CalculatorView& view = model_->view();
    const bool hasPair = project_ && view.ticked && InputOfField(view.ticked->first) &&
                         InputOfField(view.ticked->second);
    addState_->setEnabled(hasPair);
    addPoint_->setEnabled(project_ != nullptr);
    delete_->setEnabled(project_ && table_->selectionModel()->hasSelection());
}

void PointsView::selectRow(int row) {
    if (row < 0 || row >= model_->rowCount())
        return;
    table_->setCurrentIndex(model_->index(row, PointTableModel::kName));
    table_->selectRow(row);
}

int PointsView::addCalculatorState() {
    const CalculatorView& view = model_->view();
    if (!project_ || !view.ticked)
        return -1;
    const auto first = InputOfField(view.ticked->first);
    const auto second = InputOfField(view.ticked->second);
    if (!first || !second)
        return -1;
    const project::Added added = project_->addCalculatorState(view.state, *first, *second);
    if (!added.ok()) {
        showMessage(added.error);
        return -1;
    }
    selectRow(added.index);
    // The point is solved at the project's pressure; say so when the
    // calculator's differs (the window keeps the two in step).
    const double projectPsia = project_->atmosphere().pressurePsia;
    if (view.state.Patm != static_cast<float>(projectPsia)) {
        CalcState at;
        at.Patm = static_cast<float>(projectPsia);
        showMessage(tr("Point %1 is solved at the points' pressure, %2 %3, not the calculator's.")
                        .arg(project_->pointName(added.index),
                             FieldText(view, at, calculator::kAtmosphericPressure),
                             FieldUnit(view, calculator::kAtmosphericPressure)));
    } else {
        showMessage({});
    }
    return added.index;
}

void PointsView::addPoint() {
    if (!project_)
        return;
    PointDialog dialog(project_, model_->view(), this);
    if (dialog.exec() == QDialog::Accepted) {
        selectRow(dialog.addedIndex());
        showMessage({});
    }
}

void PointsView::deleteSelected() {
    if (!project_)
        return;
    QList<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty() && table_->currentIndex().isValid())
        rows << table_->currentIndex().row();
    if (rows.isEmpty())
        return;
    // From the last row up, so that the rows still to go keep their index.
    std::sort(rows.begin(), rows.end(), std::greater<>());
    QUndoStack* undo = project_->undoStack();
    undo->beginMacro(rows.size() == 1
                         ? tr("Delete point %1").arg(project_->pointName(rows[0]))
                         : tr("Delete %n points", nullptr, static_cast<int>(rows.size())));
    for (const int row : rows)
        project_->deletePoint(row);
    undo->endMacro();
    selectRow(std::min(rows.back(), model_->rowCount() - 1));
    showMessage({});
}

bool PointsView::eventFilter(QObject* watched, QEvent* event) {
    // Only keys pressed in the table itself: not those an open cell editor
    // leaves unhandled and passes up to it.
    const QWidget* focus = QApplication::focusWidget();
    const bool inEditor = focus && focus != table_ && table_->isAncestorOf(focus);
    if (watched == table_ && event->type() == QEvent::KeyPress && !inEditor) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            deleteSelected();
            return true;
        }
        // Enter edits the current cell, as F2 does.
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            table_->currentIndex().isValid() &&
            (model_->flags(table_->currentIndex()) & Qt::ItemIsEditable)) {
            table_->edit(table_->currentIndex());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace chart
