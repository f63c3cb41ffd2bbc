#pragma once

// ProcessesView: the processes panel of the chart window. It lists the
// project's processes with their loads (ProcessTableModel) in the heat unit
// chosen, and its adiabatic mixtures; it adds a process between two points,
// a cooling coil on a point's air or the mixture of two points through its
// dialogs (ProcessDialogs.h), and deletes the process or the mixture chosen
// (the Delete key too). Every edit is a step on the project's undo stack;
// every refusal is said in the status line and in message().

#include "workbench/CalculatorView.h"
#include "workbench/ProcessTableModel.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTableView;

namespace project {
class Project;
}

namespace chart {

class ProjectEditDialog;

class ProcessesView : public QWidget {
    Q_OBJECT

public:
    explicit ProcessesView(project::Project* project, QWidget* parent = nullptr);

    // The calculator's units and formats. A change of unit system also
    // moves the heat unit to that system's own (Btu/h or kW).
    void setView(const CalculatorView& view);
    [[nodiscard]] const CalculatorView& view() const noexcept { return view_; }

    void setHeatUnit(HeatUnit unit);
    [[nodiscard]] HeatUnit heatUnit() const noexcept { return processModel_->heatUnit(); }

    [[nodiscard]] QTableView* processTable() const noexcept { return processTable_; }
    [[nodiscard]] QTableView* mixingTable() const noexcept { return mixingTable_; }
    [[nodiscard]] ProcessTableModel* processModel() const noexcept { return processModel_; }
    [[nodiscard]] MixingTableModel* mixingModel() const noexcept { return mixingModel_; }
    [[nodiscard]] QComboBox* heatUnitCombo() const noexcept { return heatUnit_; }
    // The last message of the panel (a refusal, or what was done).
    [[nodiscard]] QString statusText() const;

public slots:
    // Open the dialogs (window-modal; they delete themselves when closed).
    void addProcess();
    void addCoil();
    void mix();
    // Deletes the process or the mixture selected; says so when there is none.
    void deleteSelected();

signals:
    // Why an action was refused, or what was done.
    void message(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A new language: the captions, the spoken texts and the tables.
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void say(const QString& text);
    void openDialog(ProjectEditDialog* dialog, const QString& done);
    // Keeps one selection between the two tables, so that Delete has one
    // target.
    void onlySelect(QTableView* table);
    [[nodiscard]] int selectedRow(const QTableView* table) const;

    QPointer<project::Project> project_;
    CalculatorView view_;
    ProcessTableModel* processModel_ = nullptr;
    MixingTableModel* mixingModel_ = nullptr;
    QComboBox* heatUnit_ = nullptr;
    QTableView* processTable_ = nullptr;
    QTableView* mixingTable_ = nullptr;
    QPushButton* addProcess_ = nullptr;
    QPushButton* addCoil_ = nullptr;
    QPushButton* mix_ = nullptr;
    QPushButton* delete_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* heatLabel_ = nullptr;
    QLabel* processLabel_ = nullptr;
    QLabel* mixingLabel_ = nullptr;
};

} // namespace chart
