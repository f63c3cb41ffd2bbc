#include "workbench/ProcessesView.h"

#include "chart/StatusLabel.h"
#include "project/Project.h"
#include "workbench/ProcessDialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace chart {
namespace {

QTableView* MakeTable(QAbstractItemModel* model, const QString& name, QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setObjectName(name);
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the next control; the arrows move within it.
    table->setTabKeyNavigation(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    return table;
}

} // namespace

ProcessesView::ProcessesView(project::Project* project, QWidget* parent)
    : QWidget(parent), project_(project), view_(DefaultView()) {
    processModel_ = new ProcessTableModel(project, this);
    mixingModel_ = new MixingTableModel(project, this);

    heatUnit_ = new QComboBox(this);
    for (const HeatUnit unit : {HeatUnit::BtuPerHour, HeatUnit::Tons, HeatUnit::Kilowatts})
        heatUnit_->addItem(HeatUnitText(unit), static_cast<int>(unit));
    heatLabel_ = new QLabel(this);
    heatLabel_->setBuddy(heatUnit_);

    // Named in English whatever the language: the names find the tables.
    processTable_ = MakeTable(processModel_, QStringLiteral("Processes"), this);
    processLabel_ = new QLabel(this);
    processLabel_->setBuddy(processTable_);
    mixingTable_ = MakeTable(mixingModel_, QStringLiteral("Mixtures"), this);
    mixingLabel_ = new QLabel(this);
    mixingLabel_->setBuddy(mixingTable_);

    addProcess_ = new QPushButton(this);
    addCoil_ = new QPushButton(this);
    mix_ = new QPushButton(this);
    delete_ = new QPushButton(this);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    MakeStatusLabel(status_, QString());
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(heatLabel_);
    unitRow->addWidget(heatUnit_);
    unitRow->addStretch();
    // Two rows, so that a narrow side panel holds them.
    auto* buttonRow = new QGridLayout;
    buttonRow->addWidget(addProcess_, 0, 0);
    buttonRow->addWidget(addCoil_, 0, 1);
    buttonRow->addWidget(mix_, 1, 0);
    buttonRow->addWidget(delete_, 1, 1);
    buttonRow->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(unitRow);
    layout->addWidget(processLabel_);
    layout->addWidget(processTable_, 3);
    layout->addWidget(mixingLabel_);
    layout->addWidget(mixingTable_, 1);
    layout->addLayout(buttonRow);
    layout->addWidget(status_);

    setTabOrder(heatUnit_, processTable_);
    setTabOrder(processTable_, mixingTable_);
    setTabOrder(mixingTable_, addProcess_);
    setTabOrder(addProcess_, addCoil_);
    setTabOrder(addCoil_, mix_);
    setTabOrder(mix_, delete_);

    connect(heatUnit_, &QComboBox::currentIndexChanged, this, [this](int position) {
        if (position >= 0)
            processModel_->setHeatUnit(
                static_cast<HeatUnit>(heatUnit_->itemData(position).toInt()));
    });
    connect(addProcess_, &QPushButton::clicked, this, &ProcessesView::addProcess);
    connect(addCoil_, &QPushButton::clicked, this, &ProcessesView::addCoil);
    connect(mix_, &QPushButton::clicked, this, &ProcessesView::mix);
    connect(delete_, &QPushButton::clicked, this, &ProcessesView::deleteSelected);
    connect(processTable_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { onlySelect(processTable_); });
    connect(mixingTable_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { onlySelect(mixingTable_); });
    retranslate();
}

void ProcessesView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void ProcessesView::retranslate() {
    setAccessibleName(tr("Processes and mixtures"));
    heatUnit_->setAccessibleName(tr("Heat unit"));
    heatLabel_->setText(tr("&Heat unit:"));
    processTable_->setAccessibleName(tr("Processes"));
    processLabel_->setText(tr("&Processes"));
    mixingTable_->setAccessibleName(tr("Mixtures"));
    mixingLabel_->setText(tr("Mi&xtures"));
    const auto button = [](QPushButton* b, const QString& text, const QString& name) {
        b->setText(text);
        b->setAccessibleName(name);
    };
    button(addProcess_, tr("&Add Process..."), tr("Add process"));
    button(addCoil_, tr("Cooling &Coil..."), tr("Cooling coil"));
    button(mix_, tr("&Mix..."), tr("Mix"));
    button(delete_, tr("&Delete"), tr("Delete"));
    status_->setAccessibleDescription(tr("Processes message"));
    processModel_->retranslate();
    mixingModel_->retranslate();
}

void ProcessesView::setView(const CalculatorView& view) {
    const bool systemChanged = SystemOf(view) != SystemOf(view_);
    view_ = view;
    processModel_->setView(view);
    if (systemChanged)
        setHeatUnit(DefaultHeatUnit(SystemOf(view)));
}

void ProcessesView::setHeatUnit(HeatUnit unit) {
    const int position = heatUnit_->findData(static_cast<int>(unit));
    if (position >= 0)
        heatUnit_->setCurrentIndex(position); // the model follows the combo
}

void ProcessesView::keyPressEvent(QKeyEvent* event) {
    // The Delete key the tables and buttons pass on (they have no use for
    // it) deletes the row chosen. A key press rather than a shortcut, so that
    // it works in the panel wherever the chart window docks it.
    if (event->matches(QKeySequence::Delete)) {
        deleteSelected();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString ProcessesView::statusText() const {
    return status_->text();
}

void ProcessesView::say(const QString& text) {
    SetStatusText(status_, text);
    emit message(text);
}

void ProcessesView::openDialog(ProjectEditDialog* dialog, const QString& done) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ProjectEditDialog::refused, this, &ProcessesView::say);
    connect(dialog, &ProjectEditDialog::added, this, [this, done] { say(done); });
    dialog->open();
}

void ProcessesView::addProcess() {
    if (!project_ || project_->pointCount() < 2) {
        say(tr("A process needs two points: add them on the chart first."));
        return;
    }
    openDialog(new AddProcessDialog(project_, this), tr("Process added."));
}

void ProcessesView::addCoil() {
    if (!project_ || project_->pointCount() < 1) {
        say(tr("A cooling coil needs the point of its entering air: add it on the chart first."));
        return;
    }
    openDialog(new CoolingCoilDialog(project_, view_, this),
               tr("Cooling coil added: its leaving air is a new point."));
}

void ProcessesView::mix() {
    if (!project_ || project_->pointCount() < 2) {
        say(tr("Mixing needs two points with airflows: add them on the chart first."));
        return;
    }
    openDialog(new MixDialog(project_, this), tr("Mixture added as a new point."));
}

int ProcessesView::selectedRow(const QTableView* table) const {
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void ProcessesView::onlySelect(QTableView* table) {
    if (selectedRow(table) < 0)
        return;
    QTableView* other = table == processTable_ ? mixingTable_ : processTable_;
    other->selectionModel()->clearSelection();
}

void ProcessesView::deleteSelected() {
    if (!project_)
        return;
    if (const int row = selectedRow(processTable_); row >= 0 && row < project_->processCount()) {
        project_->deleteProcess(row);
        say(tr("Process deleted (Undo brings it back)."));
        return;
    }
    if (const int row = selectedRow(mixingTable_); row >= 0 && row < project_->mixingCount()) {
        project_->deleteMixing(row);
        say(tr("Mixture record deleted; its point stays (Undo brings the record back)."));
        return;
    }
    say(tr("Select a process or a mixture to delete."));
}

} // namespace chart
