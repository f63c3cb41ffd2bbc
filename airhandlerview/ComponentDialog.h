#pragma once

// ComponentDialog: the settings of one component of the air handler's chain,
// each option with the values it uses, in the project's unit system.
// Effectivenesses, shares, bypass factors and motor efficiencies are typed
// as fractions from 0 to 1, relative humidities in per cent. OK hands the
// component to the caller, who says why it is refused (an effectiveness
// outside 0 to 1 ...); the dialog then stays open with the reason and
// nothing is changed.

#include "airhandler/Design.h"
#include "engine/Units.h"

#include <functional>
#include <optional>
#include <vector>

#include <QDialog>
#include <QString>

class QFormLayout;
class QLabel;
class QLineEdit;

namespace chart {

class ComponentDialog : public QDialog {
    Q_OBJECT

public:
    // Why the caller refuses the component; empty when it was taken.
    using Apply = std::function<QString(const airhandler::Component&)>;

    ComponentDialog(const airhandler::Component& component, basPsychroFun::UnitSystem system,
                    processes::AirflowUnit airflowUnit, Apply apply, QWidget* parent = nullptr);

    // The component as the fields give it, or why they give none (a value
    // that is no number).
    [[nodiscard]] std::optional<airhandler::Component> edited(QString& why);
    [[nodiscard]] QString messageText() const;
    // The value field with this accessible name, for tests and tools.
    [[nodiscard]] QLineEdit* field(const QString& accessibleName) const;

    void accept() override;

private:
    enum class Kind { Temperature, Span, Percent, Fraction, Plain, Airflow };
    void addNumber(const QString& label, Kind kind, double* target);
    void addCheck(const QString& label, bool* target);
    template <typename Enum>
    void addEnum(const QString& label, const QStringList& items, Enum* target);
    void build();

    airhandler::Component value_;
    basPsychroFun::UnitSystem system_;
    processes::AirflowUnit airflowUnit_;
    Apply apply_;
    QFormLayout* form_ = nullptr;
    QLabel* message_ = nullptr;
    // Each reads its widget into value_; the reason when it holds no number.
    std::vector<std::function<QString()>> readers_;
    std::vector<QLineEdit*> numbers_;
    // The optional values while editing: whether given, and the value.
    bool hasHighLimit_ = false;
    double highLimitF_ = 65.0;
    bool hasExhaust_ = false;
    double exhaustValue_ = 0.0;
};

} // namespace chart
