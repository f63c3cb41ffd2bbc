#pragma once

// The zones editor of the project panel: the thermal comfort zone and its
// person (metabolic rate, clothing, air speed, with summer and winter
// presets), the data-processing room envelope, and the user's own zones as a
// table of limits. Every change goes to the project as new zone settings; a
// setting the project refuses is named in the view's message line and the
// controls go back to what the project keeps.
//
// The table shows limits in the project's unit system: °F and gr/lb in IP,
// °C and g/kg in SI; relative humidity in percent. An empty cell is no limit.

#include "projectcore/ProjectData.h"

#include <QWidget>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace project {
class Project;
}

namespace chart {

class ZonesView final : public QWidget {
    Q_OBJECT

public:
    // The project must outlive the view.
    explicit ZonesView(project::Project* project, QWidget* parent = nullptr);

    // The columns of the user-zone table.
    enum Column {
        NameColumn,
        MinDryBulbColumn,
        MaxDryBulbColumn,
        MinHumidityRatioColumn,
        MaxHumidityRatioColumn,
        MinRelativeHumidityColumn,
        MaxRelativeHumidityColumn,
        MinDewPointColumn,
        MaxDewPointColumn,
        ShownColumn,
        ColumnCount
    };

protected:
    // A new language: the captions, the spoken texts and the table's header.
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    // The controls show the project's settings again.
    void refresh();
    // Hands the settings to the project; a refusal is shown and undone.
    void apply(const project::ZoneSettings& settings);
    void cellEdited(QTableWidgetItem* item);
    void addZone();
    void removeZone();

    project::Project* project_;
    QCheckBox* comfortShown_;
    QDoubleSpinBox* metabolicRate_;
    QDoubleSpinBox* clothing_;
    QDoubleSpinBox* airSpeed_;
    QPushButton* summer_;
    QPushButton* winter_;
    QCheckBox* dataRoomShown_;
    QTableWidget* userZones_;
    QPushButton* add_;
    QPushButton* remove_;
    QLabel* message_;
    QLabel* metabolicLabel_ = nullptr;
    QLabel* clothingLabel_ = nullptr;
    QLabel* airSpeedLabel_ = nullptr;
    QLabel* tableLabel_ = nullptr;
    QLabel* envelopeText_ = nullptr;
};

} // namespace chart
