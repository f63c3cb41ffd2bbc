#pragma once

// PointsView: the table of the project's state points in the chart window,
// with the pressure they are solved at above it (in the calculator's pressure
// unit, with the unit system) and the buttons to add the calculator's state,
// add a point by two of its properties, and delete the selected points.
// Cells are edited in place (F2, Enter or typing); Delete deletes the
// selected points as one undo step. The last message (an edit refused, a
// point that is not air) is shown below the table and sent by message().

#include "workbench/CalculatorView.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;

namespace project {
class Project;
}

namespace chart {

class PointTableModel;

class PointsView : public QWidget {
    Q_OBJECT

public:
    explicit PointsView(project::Project* project, QWidget* parent = nullptr);

    // The calculator's state, ticked pair, units and formats: the table and
    // the pressure line follow them.
    void setView(const CalculatorView& view);

    [[nodiscard]] QTableView* table() const noexcept { return table_; }
    [[nodiscard]] PointTableModel* model() const noexcept { return model_; }
    [[nodiscard]] QPushButton* addStateButton() const noexcept { return addState_; }
    [[nodiscard]] QPushButton* addPointButton() const noexcept { return addPoint_; }
    [[nodiscard]] QPushButton* deleteButton() const noexcept { return delete_; }
    [[nodiscard]] QString pressureText() const;
    [[nodiscard]] QString messageText() const;

    // Adds the calculator's state, defined by its ticked pair; nothing
    // without a pair. Returns the new point's row or -1.
    int addCalculatorState();
    // Opens the Add Point dialog (modal).
    void addPoint();
    // Deletes the selected points, one undo step for all of them.
    void deleteSelected();
    // Shows a message in the view's message line and passes it on.
    void showMessage(const QString& text);

signals:
    void message(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new language: the captions, the spoken texts and the table's header.
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void updatePressure();
    void updateButtons();
    void selectRow(int row);

    QPointer<project::Project> project_;
    PointTableModel* model_ = nullptr;
    QLabel* pressure_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* addState_ = nullptr;
    QPushButton* addPoint_ = nullptr;
    QPushButton* delete_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* tableLabel_ = nullptr;
};

} // namespace chart
