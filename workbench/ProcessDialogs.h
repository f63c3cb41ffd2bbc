#pragma once

// The dialogs of the processes panel: a process between two points, a
// cooling coil on a point's air, the adiabatic mixture of two points. Each
// makes one edit of the project when accepted; an edit the project refuses
// leaves the dialog open with the project's reason under the fields (and in
// the refused() signal), and nothing is added.
//
// Points are listed by name and remembered by id, so a point removed while a
// dialog is open is reported as gone, never taken for another.

#include "project/Project.h"
#include "workbench/CalculatorView.h"

#include <QDialog>
#include <QPointer>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

namespace chart {

class ProjectEditDialog : public QDialog {
    Q_OBJECT

public:
    [[nodiscard]] QLabel* messageLabel() const noexcept { return message_; }
    // Makes the edit: closes the dialog when the project took it, otherwise
    // shows why and stays open.
    void accept() override;

signals:
    // The project's (or the dialog's) reason for refusing the edit.
    void refused(const QString& message);
    // The index the edit returned (the process, or the new point).
    void added(int index);

protected:
    ProjectEditDialog(project::Project* project, const QString& title, QWidget* parent);

    // The edit, or why it cannot be made.
    virtual project::Added edit() = 0;

    [[nodiscard]] QFormLayout* form() const noexcept { return form_; }
    // A list of the project's points, starting at position `preselect`
    // where there is one, added to the form under `label` (with its mnemonic).
    QComboBox* addPointRow(const QString& label, const QString& accessibleName, int preselect);
    // The project's index of the point chosen in `combo`; -1 when none is
    // chosen or the point is gone.
    [[nodiscard]] int pointIndex(const QComboBox* combo) const;
    void showMessage(const QString& text);

    QPointer<project::Project> project_;

private:
    QFormLayout* form_ = nullptr;
    QLabel* message_ = nullptr;
};

// "Add Process": From and To.
class AddProcessDialog : public ProjectEditDialog {
    Q_OBJECT

public:
    explicit AddProcessDialog(project::Project* project, QWidget* parent = nullptr);
    [[nodiscard]] QComboBox* fromCombo() const noexcept { return from_; }
    [[nodiscard]] QComboBox* toCombo() const noexcept { return to_; }

protected:
    project::Added edit() override;

private:
    QComboBox* from_ = nullptr;
    QComboBox* to_ = nullptr;
};

// "Cooling Coil": the entering point, the apparatus dew point in the
// calculator's dry-bulb unit and the bypass factor (0 up to 1); adds the
// leaving air as a new point and the process to it.
class CoolingCoilDialog : public ProjectEditDialog {
    Q_OBJECT

public:
    CoolingCoilDialog(project::Project* project, const CalculatorView& view,
                      QWidget* parent = nullptr);
    [[nodiscard]] QComboBox* enteringCombo() const noexcept { return entering_; }
    [[nodiscard]] QLineEdit* apparatusDewPointEdit() const noexcept { return adp_; }
    [[nodiscard]] QLineEdit* bypassFactorEdit() const noexcept { return bypass_; }
    // The entering air's dry bulb and dew point, the limits of the ADP.
    [[nodiscard]] QLabel* enteringLabel() const noexcept { return enteringAir_; }

protected:
    project::Added edit() override;

private:
    void showEnteringAir();

    CalculatorView view_;
    QComboBox* entering_ = nullptr;
    QLineEdit* adp_ = nullptr;
    QLineEdit* bypass_ = nullptr;
    QLabel* enteringAir_ = nullptr;
};

// "Mix": two points, both with airflows; adds the mixture as a new point.
class MixDialog : public ProjectEditDialog {
    Q_OBJECT

public:
    explicit MixDialog(project::Project* project, QWidget* parent = nullptr);
    [[nodiscard]] QComboBox* firstCombo() const noexcept { return first_; }
    [[nodiscard]] QComboBox* secondCombo() const noexcept { return second_; }

protected:
    project::Added edit() override;

private:
    // Says, before the user tries, which chosen point has no airflow.
    void showAirflowNote();

    QComboBox* first_ = nullptr;
    QComboBox* second_ = nullptr;
};

} // namespace chart
