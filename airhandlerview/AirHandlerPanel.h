#pragma once

// AirHandlerPanel: the air handler of the project, in the chart window's side
// panel. One case at a time (summer or winter): its duty, the room by two
// properties, the room's sensible and latent loads (Btu/h, W, kW or tons)
// with the room's SHR, the supply air by dry bulb, by its difference to the
// room or by airflow with the supply state, airflow and dry-air mass flow
// that result, the outdoor air by two properties or from a weather file's
// design conditions, the outdoor airflow by airflow or share of the supply,
// and the chain of components in the order the air meets them. Under them
// the rollup of both cases side by side and the shown case's components,
// each exportable as CSV.
//
// Every edit is one step on the project's undo stack (SetupEdit.h). An edit
// that is refused shows the reason in the panel's message line and changes
// nothing; the field goes back to the project's value.

#include "airhandler/Design.h"
#include "airhandlerview/DisplayUnits.h"
#include "projectcore/AirHandlerSetup.h"
#include "weather/Design.h"

#include <array>
#include <functional>
#include <optional>

#include <QPointer>
#include <QString>
#include <QWidget>

class QComboBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace project {
class Project;
}

namespace chart {

class AirHandlerPanel : public QWidget {
    Q_OBJECT

public:
    explicit AirHandlerPanel(project::Project* project, QWidget* parent = nullptr);

    [[nodiscard]] airhandler::Season season() const noexcept { return season_; }
    void setSeason(airhandler::Season season);

    // The design conditions of the weather file shown, and what it is
    // called; nothing when none is shown.
    void setWeatherDesign(std::optional<weather::DesignConditions> conditions,
                          const QString& source = {});
    // Both cases' outdoor air from the weather's design conditions, one
    // step: summer at the 0.4 % cooling dry bulb with its mean coincident
    // wet bulb (or, when chosen, the 0.4 % dehumidification dew point with
    // its mean coincident dry bulb), winter at the 99.6 % heating dry bulb,
    // saturated. Empty on success, otherwise why nothing changed.
    QString applyWeatherDesign();

    // The edits the panel's controls make, for the chart window and tests.
    // Each returns why it was refused, or empty; a refusal is shown too.
    QString createAirHandler();
    QString removeAirHandler();
    QString addComponent(const airhandler::Component& component);
    QString setComponent(int index, const airhandler::Component& component);
    QString removeComponent(int index);
    // Moves the component one place up (delta -1) or down (+1).
    QString moveComponent(int index, int delta);
    // Edits the component in its settings dialog.
    void editComponent(int index);

    // The tables as CSV files; empty on success, otherwise why not.
    [[nodiscard]] QString exportComponentsCsv(const QString& path) const;
    [[nodiscard]] QString exportRollupCsv(const QString& path) const;

    [[nodiscard]] QString messageText() const;
    // A line for the user in the panel's message line; empty to clear.
    void showMessage(const QString& text);
    // The case's status: its solution, or why it has none.
    [[nodiscard]] QString statusText() const;

    // The controls, for tests and the window.
    struct Controls {
        QComboBox* season = nullptr;
        QComboBox* duty = nullptr;
        std::array<QComboBox*, 2> roomInput{};
        std::array<QLineEdit*, 2> roomValue{};
        QLineEdit* sensible = nullptr;
        QLineEdit* latent = nullptr;
        QComboBox* loadUnit = nullptr;
        QLabel* shr = nullptr;
        QComboBox* supplyBy = nullptr;
        QLineEdit* supplyValue = nullptr;
        QLabel* supplyResult = nullptr;
        QComboBox* airflowUnit = nullptr;
        std::array<QComboBox*, 2> outdoorInput{};
        std::array<QLineEdit*, 2> outdoorValue{};
        QPushButton* weatherDesign = nullptr;
        QCheckBox* dehumidification = nullptr;
        QComboBox* outdoorAirBy = nullptr;
        QLineEdit* outdoorAirValue = nullptr;
        QListWidget* components = nullptr;
        QToolButton* add = nullptr;
        QPushButton* edit = nullptr;
        QPushButton* remove = nullptr;
        QPushButton* up = nullptr;
        QPushButton* down = nullptr;
        QTableWidget* rollup = nullptr;
        QTableWidget* chain = nullptr;
        QPushButton* exportComponents = nullptr;
        QPushButton* exportRollup = nullptr;
        QPushButton* create = nullptr;
        QPushButton* removeAll = nullptr;
    };
    [[nodiscard]] const Controls& controls() const noexcept { return c_; }

signals:
    void seasonChanged(airhandler::Season season);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildCase();
    QWidget* buildComponents();
    QWidget* buildResults();
    void applyAccessibleTexts();

    // Shows the project's air handler in every control.
    void refresh();
    void refreshTables();

    [[nodiscard]] UnitSystem system() const;
    [[nodiscard]] LoadUnit loadUnit() const;
    // The setup with the shown case changed by `change`, applied; the
    // refusal is shown and the controls go back to the project's values.
    QString editCase(const std::function<void(project::AirHandlerCase&)>& change,
                     bool allowNewRefusal = false);
    QString apply(const project::AirHandlerSetup& after, bool allowNewRefusal = false);

    // The slots of the controls.
    void definitionEdited(bool room, int which);
    void definitionInputChosen(bool room, int which);
    void loadEdited(bool sensible);
    void supplyEdited();
    void supplyByChosen(int index);
    void airflowUnitChosen(int index);
    void outdoorAirEdited();
    void outdoorAirByChosen(int index);
    void dutyChosen(int index);
    void askExport(bool components);

    QPointer<project::Project> project_;
    airhandler::Season season_ = airhandler::Season::Summer;
    std::optional<weather::DesignConditions> weatherDesign_;
    QString weatherSource_;
    Controls c_;
    QLabel* message_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* none_ = nullptr;
    QWidget* body_ = nullptr;
    bool refreshing_ = false;
};

} // namespace chart
