// The chart window's air handler: its side-panel tab, its case drawn and
// dragged on the chart, its tables in the File menu's CSV exports and in
// the report, and the weather's design conditions handed to it.

#include "airhandler/Tables.h"
#include "airhandlerview/AirHandlerInteraction.h"
#include "airhandlerview/AirHandlerPanel.h"
#include "airhandlerview/AirHandlerTexts.h"
#include "chartwindow/ChartWindow.h"
#include "chartwindow/Report.h"
#include "project/Project.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTabWidget>

namespace chart {

namespace {

QString Ah(const std::string& text) {
    return AirHandlerText(text);
}

// The air handler's table for the report: numbers as numbers, written with
// the decimals the table gives them.
StatTable ReportTable(const airhandler::Table& table) {
    StatTable out;
    for (const std::string& h : table.header)
        out.headers << Ah(h);
    for (const auto& row : table.rows) {
        std::vector<StatCell> cells;
        for (const std::string& text : row) {
            const QString q = QString::fromStdString(text);
            bool number = false;
            const double value = q.toDouble(&number);
            if (number) {
                const auto dot = q.indexOf(QLatin1Char('.'));
                const int decimals = dot < 0 ? 0 : static_cast<int>(q.size() - dot - 1);
                cells.push_back({q, value, decimals});
            } else {
                cells.push_back({Ah(text), std::nullopt, 0});
            }
        }
        out.rows.push_back(std::move(cells));
    }
    return out;
}

} // namespace

void ChartWindow::buildAirHandlerPanel() {
    // Added after the project's own interaction, so it sees the mouse first:
    // a press on one of its points is its drag, not a state point's.
    airHandlerInteraction_ = new AirHandlerInteraction(chart_, project_, this);
    airHandler_ = makeAirHandlerPanel();
    side_->addTab(airHandler_, QString());
    setCaption(airHandler_, QT_TR_NOOP("A&ir Handler"));
    connect(project_, &project::Project::airHandlerChanged, this, &ChartWindow::describeProject);
}

AirHandlerPanel* ChartWindow::makeAirHandlerPanel() {
    auto* panel = new AirHandlerPanel(project_);
    panel->setObjectName(QStringLiteral("airHandlerPanel"));
    connect(panel, &AirHandlerPanel::seasonChanged, airHandlerInteraction_,
            &AirHandlerInteraction::setSeason);
    connect(airHandlerInteraction_, &AirHandlerInteraction::message, panel,
            &AirHandlerPanel::showMessage);
    connect(panel, &AirHandlerPanel::seasonChanged, this, &ChartWindow::describeProject);
    return panel;
}

void ChartWindow::rebuildAirHandlerPanel() {
    // The panel writes its many texts as it builds itself: in another
    // language it is built again over the same project, with the choices
    // that live in it alone (the case shown, the load unit, the weather's
    // dehumidification condition, the weather's design) kept.
    AirHandlerPanel* old = airHandler_;
    const int at = side_->indexOf(old);
    if (at < 0)
        return;
    const bool current = side_->currentIndex() == at;
    const bool hadFocus = old->isAncestorOf(QApplication::focusWidget());
    const AirHandlerPanel::Controls& was = old->controls();
    const int loadUnit = was.loadUnit != nullptr ? was.loadUnit->currentIndex() : -1;
    const bool dehumidification =
        was.dehumidification != nullptr && was.dehumidification->isChecked();
    const airhandler::Season season = old->season();

    airHandler_ = makeAirHandlerPanel();
    const AirHandlerPanel::Controls& now = airHandler_->controls();
    if (now.loadUnit != nullptr && loadUnit >= 0 && loadUnit < now.loadUnit->count())
        now.loadUnit->setCurrentIndex(loadUnit);
    if (now.dehumidification != nullptr)
        now.dehumidification->setChecked(dehumidification);
    airHandler_->setSeason(season);
    passWeatherDesign();
    {
        // The tab stays where it was, shown if it was.
        const QSignalBlocker block(side_);
        side_->insertTab(at, airHandler_, tr("A&ir Handler"));
        side_->removeTab(at + 1);
        if (current)
            side_->setCurrentIndex(at);
    }
    for (auto& [object, source] : captions_) {
        if (object == old)
            object = airHandler_;
    }
    old->hide();
    old->deleteLater();
    if (hadFocus)
        side_->setFocus(Qt::OtherFocusReason);
}

void ChartWindow::buildAirHandlerMenu(QMenu* file) {
    file->addSeparator();
    connect(addCaptionedAction(file, QT_TR_NOOP("Export Air Handler Co&mponents (CSV)...")),
            &QAction::triggered, this, [this] { askExportAirHandlerCsv(true); });
    connect(addCaptionedAction(file, QT_TR_NOOP("Export Air Handler Ro&llup (CSV)...")),
            &QAction::triggered, this, [this] { askExportAirHandlerCsv(false); });
}

void ChartWindow::askExportAirHandlerCsv(bool components) {
    const QString title =
        components ? tr("Export Air Handler Components") : tr("Export Air Handler Rollup");
    if (!project_->airHandler()) {
        QMessageBox::information(this, title, tr("The project has no air handler."));
        return;
    }
    const QString path = QFileDialog::getSaveFileName(
        this, title, components ? tr("Air handler components.csv") : tr("Air handler rollup.csv"),
        tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const QString error = components ? project_->exportAirHandlerComponentsCsv(path)
                                     : project_->exportAirHandlerRollupCsv(path);
    if (!error.isEmpty())
        QMessageBox::warning(this, title, error);
}

void ChartWindow::passWeatherDesign() {
    airHandler_->setWeatherDesign(panel_->designConditionsOfFile(), panel_->weatherName());
}

void ChartWindow::appendAirHandlerTables(ReportDocument& document) const {
    const project::AirHandlerResult* result = project_->airHandlerResult();
    if (result == nullptr)
        return;
    // The chain of each case, then the two side by side.
    for (const airhandler::Season season :
         {airhandler::Season::Summer, airhandler::Season::Winter}) {
        airhandler::Table chain =
            airhandler::ComponentsTable(result->design, result->solution, season);
        if (!result->solution.of(season).ok()) {
            for (auto& row : chain.rows) {
                if (!row.empty())
                    row.back() = result->refusal(season);
            }
        }
        document.sections.push_back({season == airhandler::Season::Summer
                                         ? tr("Air handler, summer case: the chain")
                                         : tr("Air handler, winter case: the chain"),
                                     ReportTable(chain)});
    }
    document.sections.push_back(
        {tr("Air handler: rollup of both cases"),
         ReportTable(airhandler::RollupTable(result->design, result->solution))});
}

} // namespace chart
