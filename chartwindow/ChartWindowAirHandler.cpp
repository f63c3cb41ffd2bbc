// The chart window's air handler: its side-panel tab, its case drawn and
// dragged on the chart, its tables in the File menu's CSV exports and in
// the report, and the weather's design conditions handed to it.

#include "airhandler/Tables.h"
#include "airhandlerview/AirHandlerInteraction.h"
#include "airhandlerview/AirHandlerPanel.h"
#include "chartwindow/ChartWindow.h"
#include "chartwindow/Report.h"
#include "project/Project.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTabWidget>

namespace chart {

namespace {

QString Ah(const std::string& text) {
    return QCoreApplication::translate("airhandler", text.c_str());
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
    airHandler_ = new AirHandlerPanel(project_);
    airHandler_->setObjectName(QStringLiteral("airHandlerPanel"));
    side_->addTab(airHandler_, tr("A&ir Handler"));
    // Added after the project's own interaction, so it sees the mouse first:
    // a press on one of its points is its drag, not a state point's.
    airHandlerInteraction_ = new AirHandlerInteraction(chart_, project_, this);
    connect(airHandler_, &AirHandlerPanel::seasonChanged, airHandlerInteraction_,
            &AirHandlerInteraction::setSeason);
    connect(airHandlerInteraction_, &AirHandlerInteraction::message, airHandler_,
            &AirHandlerPanel::showMessage);
    connect(project_, &project::Project::airHandlerChanged, this, &ChartWindow::describeProject);
    connect(airHandler_, &AirHandlerPanel::seasonChanged, this, &ChartWindow::describeProject);
}

void ChartWindow::buildAirHandlerMenu(QMenu* file) {
    file->addSeparator();
    connect(file->addAction(tr("Export Air Handler Co&mponents (CSV)...")), &QAction::triggered,
            this, [this] { askExportAirHandlerCsv(true); });
    connect(file->addAction(tr("Export Air Handler Ro&llup (CSV)...")), &QAction::triggered, this,
            [this] { askExportAirHandlerCsv(false); });
}

void ChartWindow::askExportAirHandlerCsv(bool components) {
    const QString title =
        components ? tr("Export Air Handler Components") : tr("Export Air Handler Rollup");
    if (!project_->airHandler()) {
        QMessageBox::information(this, title, tr("The project has no air handler."));
        return;
    }
    const QString path =
        QFileDialog::getSaveFileName(this, title,
                                     components ? QStringLiteral("Air handler components.csv")
                                                : QStringLiteral("Air handler rollup.csv"),
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
