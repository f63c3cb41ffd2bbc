#pragma once

// ChartWindow: the psychrometric chart in a window of its own, modeless, that
// stays with the window that owns it. It remembers its size and position in
// the settings store under "ChartGeometry" (base64 of QWidget::saveGeometry):
// read before it is first shown, written whenever it is hidden or closed, and when it
// is destroyed while shown. Closing (or Escape) only hides it, so the owner can
// show it again as it was.
//
// It forwards the chart's API; chart() gives the widget itself for the rest.
//
// Its File menu opens a weather file (EPW, or CSV of hourly weather) whose
// hours the side panel (WeatherPanel) draws and counts. While one is shown
// the chart is drawn for the site's pressure, from its elevation; the
// calculator's pressure (setAtmosphere) is kept and comes back when the file
// is closed. The statistics export as CSV, and a one-page PDF report holds
// the chart as shown with the statistics.

#include "chart/PsychroChart.h"
#include "chart/WeatherPanel.h"

#include <QStringView>
#include <QWidget>

class QAction;
class QMenuBar;
class QSplitter;

namespace chart {

class ChartWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr QStringView kGeometryKey = u"ChartGeometry";

    explicit ChartWindow(QWidget* owner);
    ~ChartWindow() override;

    [[nodiscard]] PsychroChart* chart() const noexcept { return chart_; }

    // Showing for the first time puts the window where it was last left.
    void setVisible(bool visible) override;

    // The calculator's pressure: drawn at once unless a weather file is shown,
    // otherwise kept for when it is closed.
    void setAtmosphere(double patmPsia);
    [[nodiscard]] double calculatorAtmosphere() const noexcept { return calculatorPsia_; }
    void setUnitSystem(UnitSystem units);

    [[nodiscard]] WeatherPanel* weatherPanel() const noexcept { return panel_; }
    [[nodiscard]] QMenuBar* menuBar() const noexcept { return menuBar_; }

    // Reads and shows a weather file, with a progress dialog when reading
    // takes a while. A file that cannot be shown leaves the chart as it was
    // and says why in the panel; false then, and `error` (if given) holds
    // the same text.
    bool openWeatherFile(const QString& path, QString* error = nullptr);
    void closeWeatherFile();
    // False when nothing could be written (or no weather file is shown).
    bool exportStatisticsCsv(const QString& path) const;
    bool exportReportPdf(const QString& path) const;
    void setState(std::optional<StatePoint> state) { chart_->setState(state); }

signals:
    // The point double-clicked on the chart: dry bulb °F, humidity ratio lb/lb.
    void pointPicked(double tdbF, double wLbPerLb);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // The names and descriptions a screen reader speaks.
    void applyAccessibleTexts();
    void restoreStoredGeometry();
    void storeGeometry() const;
    void buildMenu();
    void applyPressure();
    void updateActions();
    // The menu's commands: they ask for file names and report failures.
    void askOpenWeatherFile();
    void askExportStatistics();
    void askExportReport();

    PsychroChart* chart_ = nullptr;
    WeatherPanel* panel_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QAction* exportStatisticsAction_ = nullptr;
    QAction* exportReportAction_ = nullptr;
    QAction* closeWeatherAction_ = nullptr;
    double calculatorPsia_ = 14.696;
    bool restored_ = false;
};

} // namespace chart
