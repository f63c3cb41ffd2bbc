#pragma once

// PointDialog: "Add Point": two of the six inputs with their values, typed in
// the calculator's units, and an optional name. The dialog says why the
// inputs define no point (the same property twice, dew point with humidity
// ratio, a value that is no number, a pair that is not air at the project's
// pressure) while OK stays disabled; OK adds the point to the project, or
// keeps the dialog open with the project's reason (a name in use).

#include "projectcore/Definition.h"
#include "workbench/CalculatorView.h"

#include <optional>

#include <QDialog>
#include <QPointer>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace project {
class Project;
}

namespace chart {

class PointDialog : public QDialog {
    Q_OBJECT

public:
    PointDialog(project::Project* project, const CalculatorView& view, QWidget* parent = nullptr);

    // The two inputs of the dialog, e.g. for a test or a caller presetting them.
    void setInputs(project::Input first, project::Input second);
    [[nodiscard]] QComboBox* firstInput() const noexcept { return inputs_[0]; }
    [[nodiscard]] QComboBox* secondInput() const noexcept { return inputs_[1]; }
    [[nodiscard]] QLineEdit* firstValue() const noexcept { return values_[0]; }
    [[nodiscard]] QLineEdit* secondValue() const noexcept { return values_[1]; }
    [[nodiscard]] QLineEdit* nameEdit() const noexcept { return name_; }
    [[nodiscard]] QString messageText() const;
    [[nodiscard]] bool canAdd() const;
    // The position of the point added by OK; -1 until then.
    [[nodiscard]] int addedIndex() const noexcept { return added_; }

    void accept() override;

private:
    // The definition typed, or why there is none.
    [[nodiscard]] std::optional<project::PointDefinition> definition(QString& why) const;
    void inputChanged(int which);
    void update();

    QPointer<project::Project> project_;
    CalculatorView view_;
    QComboBox* inputs_[2]{};
    QLineEdit* values_[2]{};
    QLabel* units_[2]{};
    QLineEdit* name_ = nullptr;
    QLabel* message_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
    int added_ = -1;
};

} // namespace chart
