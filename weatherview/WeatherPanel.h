#pragma once

// WeatherPanel: the side panel of the chart window for a weather file. It
// holds the file once loaded, draws its hours and the chosen zones on the
// chart through layers, and shows the statistics: hour counts of the filtered
// hours inside each zone shown and against three limits, the design
// conditions beside the header's, the rows skipped and the hours read.
//
// The controls: the display (density shading or dots by month), the month
// and hour-of-day filter, the zones (thermal comfort with its summer or
// winter clothing, the data-room envelope, one zone of the user's limits) and
// the limits. Every value is shown in the chart's unit system and kept in base
// units, so switching systems changes no choice.

#include "chart/PsychroChart.h"
#include "processes/ComfortZone.h"
#include "processes/LimitZone.h"
#include "weather/Site.h"
#include "weather/WeatherFile.h"
#include "weatherview/WeatherLayers.h"
#include "weatherview/WeatherStatistics.h"

#include <array>
#include <memory>
#include <optional>

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSpinBox;
class QTableWidget;

namespace chart {

class WeatherPanel : public QWidget {
    Q_OBJECT

public:
    explicit WeatherPanel(PsychroChart* chart, QWidget* parent = nullptr);
    ~WeatherPanel() override;

    // The pressure a file's rows were given when they had none, and what it
    // is: "the calculator's pressure".
    struct GivenPressure {
        double psia = 0.0;
        QString what;
    };

    // Shows a file read without a fault of the whole file and with at least
    // one hour; `name` is what the panel and the report call it, and
    // `readAt` the pressure its rows were read at when they had none.
    void setWeather(weather::WeatherFile file, const QString& name,
                    std::optional<GivenPressure> readAt = std::nullopt);
    void clearWeather();
    [[nodiscard]] bool hasWeather() const noexcept { return weather_.has_value(); }
    [[nodiscard]] const weather::WeatherFile* weather() const noexcept {
        return weather_ ? &weather_->file : nullptr;
    }
    [[nodiscard]] QString weatherName() const { return weather_ ? weather_->name : QString(); }
    // The pressure the chart is drawn for while the file is shown.
    [[nodiscard]] std::optional<weather::SitePressure> sitePressure() const;

    void setUnitSystem(UnitSystem units);
    // A line for the user: why a file could not be shown; empty to clear.
    void setMessage(const QString& text);

    [[nodiscard]] weather::HourFilter filter() const;
    [[nodiscard]] HourLimits limits() const noexcept { return limits_; }
    [[nodiscard]] HoursDisplay display() const noexcept { return hoursLayer_.display(); }
    // The zones shown, with the names the statistics give them.
    [[nodiscard]] std::vector<NamedZone> shownZones() const;

    // The design conditions computed from all the file's hours, each one
    // the file's header gives where none could be computed; nothing without
    // a file.
    [[nodiscard]] std::optional<weather::DesignConditions> designConditionsOfFile() const;

    [[nodiscard]] StatTable hourCounts() const;
    [[nodiscard]] StatTable designConditions() const;
    // "Chart at 14.25 psia (site elevation 201 m)", or where the chart's
    // pressure came from when not from the elevation; empty without a file.
    [[nodiscard]] QString pressureNote() const;
    [[nodiscard]] QStringList skipLines() const;
    // File, site and the hours read, as the panel heads its file.
    [[nodiscard]] QStringList fileLines() const;
    // The file's lines and the pressure note, for the report's heading.
    [[nodiscard]] QStringList summaryLines() const;

    [[nodiscard]] QTableWidget* countsTable() const noexcept { return countsTable_; }
    [[nodiscard]] QTableWidget* designTable() const noexcept { return designTable_; }

signals:
    // A file was shown or closed: the chart's pressure follows.
    void weatherChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Loaded {
        weather::WeatherFile file;
        QString name;
        weather::SitePressure site;
        weather::DesignConditions computed;
        // Every hour is at the pressure given for rows without one: the
        // file gives no pressure of its own, and the chart is at that one.
        std::optional<GivenPressure> onlyGiven;
    };

    QWidget* buildControls();
    QWidget* buildStatistics();
    // Sets every caption, title and spoken text in the language spoken.
    void retranslate();
    void applyAccessibleTexts();
    // The captions that name a unit: the user zone's fields and the limits.
    void fillCaptions();
    // Filter or display changed: redraw the hours and recount.
    void filterChanged();
    // A zone was switched or edited: rebuild the zones, redraw and recount.
    void zonesChanged();
    void rebuildUserZone();
    void limitsEdited();
    void fillUnitTexts();
    void refreshStatistics();
    void refreshLabels();
    [[nodiscard]] const processes::ComfortZone* comfortZone() const;

    QPointer<PsychroChart> chart_;
    UnitSystem units_ = UnitSystem::IP;
    std::optional<Loaded> weather_;
    HoursLayer hoursLayer_;
    ZonesLayer zonesLayer_;

    // The zones, made once (the comfort zones solve their edges when made).
    mutable std::array<std::shared_ptr<const processes::ComfortZone>, 2> comfort_; // summer, winter
    std::shared_ptr<const processes::LimitZone> dataRoom_;
    std::shared_ptr<const processes::LimitZone> userZone_;
    processes::ZoneLimits userLimits_;
    HourLimits limits_;

    QScrollArea* scroll_ = nullptr;
    QGroupBox* viewGroup_ = nullptr;
    QGroupBox* zonesGroup_ = nullptr;
    QGroupBox* limitsGroup_ = nullptr;
    QLabel* fromLabel_ = nullptr;
    QLabel* toLabel_ = nullptr;
    QLabel* countsTitle_ = nullptr;
    QLabel* designTitle_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QLabel* noteLabel_ = nullptr;
    QLabel* messageLabel_ = nullptr;
    QLabel* skipsLabel_ = nullptr;
    QComboBox* displayBox_ = nullptr;
    std::array<QCheckBox*, 12> monthBoxes_{};
    QSpinBox* fromHour_ = nullptr;
    QSpinBox* toHour_ = nullptr;
    QCheckBox* comfortBox_ = nullptr;
    QComboBox* comfortPreset_ = nullptr;
    QCheckBox* dataRoomBox_ = nullptr;
    QCheckBox* userBox_ = nullptr;
    QLabel* userProblem_ = nullptr;
    struct UserField {
        QLabel* label = nullptr;
        QLineEdit* edit = nullptr;
    };
    // Dry bulb min/max, humidity ratio min/max, RH max, dew point min/max.
    std::array<UserField, 7> userFields_{};
    std::array<QLabel*, 3> limitLabels_{};
    QDoubleSpinBox* dryBulbLimit_ = nullptr;
    QDoubleSpinBox* dewPointLimit_ = nullptr;
    QDoubleSpinBox* humidityLimit_ = nullptr;
    QTableWidget* countsTable_ = nullptr;
    QTableWidget* designTable_ = nullptr;
};

} // namespace chart
