#pragma once

// ChartWindow: the psychrometric chart in a window of its own, modeless, that
// stays with the window that owns it. It remembers its size and position in
// the settings store under "ChartGeometry" (base64 of QWidget::saveGeometry):
// read before it is first shown, written whenever it is hidden or closed, and when it
// is destroyed while shown. Closing (or Escape) only hides it, so the owner can
// show it again as it was. At first start it fits a 1280 x 720 screen with its
// frame (WindowFit.h), and a stored geometry larger than the screen it opens
// on is brought within it.
//
// The side panel beside the chart holds one tab per view (points, processes,
// zones, weather); each view's tables scroll within it. View > Side Panel
// (F9) hides it for the whole width to the chart, and so does dragging the
// splitter to the edge. The View menu's chart style (the ASHRAE chart or the
// Mollier h-x diagram) is kept under "ChartStyle", read when the window is
// made and written when it changes; the report draws the style shown.
//
// It forwards the chart's API; chart() gives the widget itself for the rest.
//
// Its File menu opens a weather file (EPW, or CSV of hourly weather) whose
// hours the side panel (WeatherPanel) draws and counts. While one is shown
// the chart is drawn for the site's pressure, from its elevation; the
// calculator's pressure (setAtmosphere) is kept and comes back when the file
// is closed. The statistics export as CSV, and the PDF report holds the
// chart as shown with the statistics.
//
// The window also keeps a state-point project (project/Project.h): the side
// panel's tabs list its points, processes and zones, the chart draws them,
// and the File menu opens, saves, exports and prints it. The project is
// solved at the calculator's pressure and in its unit system
// (setCalculatorView); its changes are undone with Ctrl+Z. Opening another
// project, or a file that cannot be read, never loses unsaved work without
// asking.

#include "chart/PsychroChart.h"
#include "weatherview/WeatherPanel.h"
#include "workbench/CalculatorView.h"

#include <memory>
#include <utility>
#include <vector>

#include <QPointer>
#include <QStringView>
#include <QWidget>

class QAction;
class QMenu;
class QMenuBar;
class QPrinter;
class QSplitter;
class QTabWidget;

namespace project {
class Project;
}

namespace chart {

class AirHandlerInteraction;
class AirHandlerPanel;
class PointsView;
class ProcessesView;
struct ReportDocument;

class ChartWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr QStringView kGeometryKey = u"ChartGeometry";
    // The chart's style (View menu), as ChartStyleName writes it.
    static constexpr QStringView kStyleKey = u"ChartStyle";

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

    // The calculator's state and how it shows its fields: the project is
    // solved at its pressure and in its unit system, and the panel shows
    // points in its units.
    void setCalculatorView(const CalculatorView& view);
    [[nodiscard]] const CalculatorView& calculatorView() const noexcept { return view_; }

    [[nodiscard]] project::Project* project() const noexcept { return project_; }
    [[nodiscard]] QTabWidget* sidePanel() const noexcept { return side_; }
    [[nodiscard]] QSplitter* splitter() const noexcept { return splitter_; }
    [[nodiscard]] QAction* sidePanelAction() const noexcept { return sidePanelAction_; }
    // Shows or hides the side panel.
    void setSidePanelShown(bool shown);
    [[nodiscard]] bool sidePanelShown() const;
    [[nodiscard]] PointsView* pointsView() const noexcept { return points_; }
    [[nodiscard]] ProcessesView* processesView() const noexcept { return processes_; }
    [[nodiscard]] AirHandlerPanel* airHandlerPanel() const noexcept { return airHandler_; }
    [[nodiscard]] AirHandlerInteraction* airHandlerInteraction() const noexcept {
        return airHandlerInteraction_;
    }
    // The file the project was last opened from or saved to; empty for a
    // new project.
    [[nodiscard]] const QString& projectPath() const noexcept { return projectPath_; }
    [[nodiscard]] bool projectModified() const;

    // Opens a project file. A file that cannot be read leaves the project as
    // it was; false then, with the reason in `error`. Does not ask about
    // unsaved work: askOpenProject does.
    bool openProject(const QString& path, QString* error = nullptr);
    bool saveProject(const QString& path, QString* error = nullptr);
    // An empty project (no question asked).
    void newProject();
    // When the project has unsaved changes, asks whether to save them:
    // true when the caller may go on (saved or discarded), false to stop.
    bool settleUnsavedProject();
    // As File > Open Project does for a chosen file: asks about unsaved work
    // first, and says in a message why a file cannot be opened.
    void openProjectAsking(const QString& path);

    // The report: the chart as shown, the project's tables and,
    // when a weather file is shown, its statistics.
    [[nodiscard]] ReportDocument reportDocument() const;
    bool printReport(QPrinter& printer) const;

signals:
    // The point double-clicked on the chart: dry bulb °F, humidity ratio lb/lb.
    void pointPicked(double tdbF, double wLbPerLb);

protected:
    void hideEvent(QHideEvent* event) override;
    // A new language: every caption, title and spoken text again.
    void changeEvent(QEvent* event) override;

private:
    // Gives `object` (a menu, an action, or a widget of a side-panel tab)
    // the English `source` (marked with QT_TR_NOOP) in the language spoken,
    // now and again at each change of language.
    void setCaption(QObject* object, const char* source);
    QAction* addCaptionedAction(QMenu* menu, const char* source);
    // Every text of the window in the language spoken.
    void retranslate();
    void updateUndoTexts();
    // The names and descriptions a screen reader speaks.
    void applyAccessibleTexts();
    // True when a stored geometry was restored.
    bool restoreStoredGeometry();
    void storeGeometry() const;
    // The first start's size on the screen the window opens on, the width
    // shared between the chart and the side panel.
    void applyFirstStartGeometry();
    void fitToScreen();
    void buildMenu();
    void buildViewMenu();
    void applyPressure();
    void updateActions();
    // The menu's commands: they ask for file names and report failures.
    void askOpenWeatherFile();
    void askExportStatistics();
    void askExportReport();

    // The project's part of the window (ChartWindowProject.cpp).
    void buildProjectPanel();
    void buildProjectMenu(QMenu* file);
    void buildEditMenu();
    void updateProjectTitle();
    void askNewProject();
    void askOpenProject();
    // Opens the file, or says why not in a message box.
    void openProjectChecked(const QString& path);
    bool askSaveProject();
    bool askSaveProjectAs();
    void askExportPointsCsv();
    void askExportProcessesCsv();
    void askPrint();
    void askPrintPreview();
    void describeProject();
    // The project's points, processes and mixtures as the panel shows them.
    void appendProjectTables(ReportDocument& document) const;

    // The air handler's part of the window (ChartWindowAirHandler.cpp).
    void buildAirHandlerPanel();
    [[nodiscard]] AirHandlerPanel* makeAirHandlerPanel();
    // The panel made again in the language now spoken.
    void rebuildAirHandlerPanel();
    void buildAirHandlerMenu(QMenu* file);
    void askExportAirHandlerCsv(bool components);
    // The weather's design conditions, for the air handler's outdoor air.
    void passWeatherDesign();
    // The chain of each case and the rollup of both.
    void appendAirHandlerTables(ReportDocument& document) const;

    PsychroChart* chart_ = nullptr;
    WeatherPanel* panel_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QAction* exportStatisticsAction_ = nullptr;
    QAction* exportReportAction_ = nullptr;
    QAction* closeWeatherAction_ = nullptr;
    QAction* sidePanelAction_ = nullptr;
    double calculatorPsia_ = 14.696;
    bool restored_ = false;

    project::Project* project_ = nullptr;
    QTabWidget* side_ = nullptr;
    PointsView* points_ = nullptr;
    ProcessesView* processes_ = nullptr;
    AirHandlerPanel* airHandler_ = nullptr;
    AirHandlerInteraction* airHandlerInteraction_ = nullptr;
    CalculatorView view_;
    bool calculatorFed_ = false; // setCalculatorView was called
    QString projectPath_;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    std::vector<std::pair<QPointer<QObject>, const char*>> captions_;
};

} // namespace chart
