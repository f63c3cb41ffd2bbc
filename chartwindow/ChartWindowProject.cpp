// The chart window's state-point project: the side panel's tabs, the File
// menu's project commands, undo and redo, the report and its printing.

#include "chartwindow/ChartWindow.h"
#include "chartwindow/Report.h"
#include "engine/Units.h"
#include "project/Project.h"
#include "project/ProjectFile.h"
#include "workbench/PointTableModel.h"
#include "workbench/PointsView.h"
#include "workbench/ProcessTableModel.h"
#include "workbench/ProcessesView.h"
#include "workbench/ProjectInteraction.h"
#include "workbench/ProjectLayer.h"
#include "workbench/ZonesView.h"

#include <algorithm>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTabWidget>
#include <QUndoStack>

namespace chart {

namespace {

QString ProjectFilter() {
    return ChartWindow::tr("Vaporwright projects (*.%1);;All files (*)")
        .arg(QLatin1String(project::kProjectFileSuffix));
}

} // namespace

void ChartWindow::buildProjectPanel() {
    project_ = new project::Project(this);
    project_->setObjectName(QStringLiteral("project"));
    QUndoStack* undo = project_->undoStack();
    connect(undo, &QUndoStack::indexChanged, this, &ChartWindow::updateProjectTitle);
    connect(project_, &project::Project::pointsChanged, this, &ChartWindow::describeProject);
    connect(project_, &project::Project::pointChanged, this, &ChartWindow::describeProject);
    connect(project_, &project::Project::processesChanged, this, &ChartWindow::describeProject);
    connect(project_, &project::Project::zonesChanged, this, &ChartWindow::describeProject);

    points_ = new PointsView(project_);
    points_->setObjectName(QStringLiteral("pointsView"));
    // Each view's tables scroll within it: no scroll area around a view.
    side_->addTab(points_, QString());
    setCaption(points_, QT_TR_NOOP("Poi&nts"));
    processes_ = new ProcessesView(project_);
    processes_->setObjectName(QStringLiteral("processesView"));
    side_->addTab(processes_, QString());
    setCaption(processes_, QT_TR_NOOP("Pr&ocesses"));
    auto* zones = new ZonesView(project_);
    zones->setObjectName(QStringLiteral("zonesView"));
    side_->addTab(zones, QString());
    setCaption(zones, QT_TR_NOOP("&Zones"));

    // The project on the chart: drawn over the lines, points added with
    // Shift + double click and dragged; what is refused is said in the
    // points tab's message line.
    auto* interaction = new ProjectInteraction(chart_, project_, this);
    connect(interaction, &ProjectInteraction::message, points_, &PointsView::showMessage);
    // Until the calculator gives its own: inch-pound units, default formats.
    view_ = DefaultView();
}

void ChartWindow::buildProjectMenu(QMenu* file) {
    const auto add = [&](const char* source, QKeySequence key, void (ChartWindow::*slot)()) {
        QAction* action = addCaptionedAction(file, source);
        if (!key.isEmpty())
            action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(QT_TR_NOOP("&New Project"), QKeySequence::New, &ChartWindow::askNewProject);
    add(QT_TR_NOOP("&Open Project..."), QKeySequence::Open, &ChartWindow::askOpenProject);
    QAction* save = addCaptionedAction(file, QT_TR_NOOP("&Save Project"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] { askSaveProject(); });
    QAction* saveAs = addCaptionedAction(file, QT_TR_NOOP("Save Project &As..."));
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAs, &QAction::triggered, this, [this] { askSaveProjectAs(); });
    file->addSeparator();
    add(QT_TR_NOOP("Export &Points (CSV)..."), {}, &ChartWindow::askExportPointsCsv);
    add(QT_TR_NOOP("Export Proc&esses (CSV)..."), {}, &ChartWindow::askExportProcessesCsv);
    file->addSeparator();
    add(QT_TR_NOOP("Print Pre&view..."), {}, &ChartWindow::askPrintPreview);
    add(QT_TR_NOOP("P&rint..."), QKeySequence::Print, &ChartWindow::askPrint);
    add(QT_TR_NOOP("Export Report (P&DF)..."), {}, &ChartWindow::askExportReport);
}

void ChartWindow::buildEditMenu() {
    QMenu* edit = menuBar_->addMenu(QString());
    setCaption(edit, QT_TR_NOOP("&Edit"));
    // Actions of their own rather than the undo stack's, whose word before
    // the command's name cannot change with the language.
    QUndoStack* undo = project_->undoStack();
    undoAction_ = new QAction(this);
    undoAction_->setEnabled(undo->canUndo());
    undoAction_->setShortcut(QKeySequence::Undo);
    connect(undoAction_, &QAction::triggered, undo, &QUndoStack::undo);
    connect(undo, &QUndoStack::canUndoChanged, undoAction_, &QAction::setEnabled);
    connect(undo, &QUndoStack::undoTextChanged, this, &ChartWindow::updateUndoTexts);
    redoAction_ = new QAction(this);
    redoAction_->setEnabled(undo->canRedo());
    connect(redoAction_, &QAction::triggered, undo, &QUndoStack::redo);
    connect(undo, &QUndoStack::canRedoChanged, redoAction_, &QAction::setEnabled);
    connect(undo, &QUndoStack::redoTextChanged, this, &ChartWindow::updateUndoTexts);
    updateUndoTexts();
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(undoAction_);
    edit->addAction(redoAction_);
    for (QAction* action : edit->actions()) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

void ChartWindow::updateUndoTexts() {
    // "&Undo Add Point": the command's own name follows the word.
    const QString undo = project_->undoStack()->undoText();
    const QString redo = project_->undoStack()->redoText();
    undoAction_->setText(undo.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undo));
    redoAction_->setText(redo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redo));
}

void ChartWindow::setCalculatorView(const CalculatorView& view) {
    view_ = view;
    calculatorFed_ = true;
    points_->setView(view);
    processes_->setView(view);
    const auto system =
        basPsychroFun::UnitSystemOf(view.state.UnitSystem).value_or(basPsychroFun::UnitSystem::IP);
    // A pressure the calculator holds but that is no air (it then shows no
    // state) leaves the project at its last pressure.
    static_cast<void>(
        project_->setAtmosphere(project::Atmosphere{static_cast<double>(view.state.Patm), system}));
}

bool ChartWindow::projectModified() const {
    // An empty project has nothing to lose: the calculator's pressure it
    // follows is no work of the user's.
    const project::ProjectData& kept = project_->data();
    // An air handler alone is work too.
    const bool empty =
        kept.points.empty() && kept.zones == project::ZoneSettings{} && !kept.airHandler;
    return !empty && !project_->undoStack()->isClean();
}

void ChartWindow::updateProjectTitle() {
    // "Psychrometric Chart - Office.vwproj", with the desktop's mark of
    // unsaved work; a project never saved has no name to show.
    setWindowTitle(projectPath_.isEmpty()
                       ? tr("Psychrometric Chart[*]")
                       : tr("Psychrometric Chart - %1[*]").arg(QFileInfo(projectPath_).fileName()));
    setWindowModified(projectModified());
}

void ChartWindow::describeProject() {
    // The views and the chart's drawing of the project keep themselves up
    // to date; the window's title follows whether there is unsaved work,
    // and the chart's description lists the points and processes.
    updateProjectTitle();
    applyAccessibleTexts();
}

bool ChartWindow::openProject(const QString& path, QString* error) {
    const QString why = project_->open(path);
    if (!why.isEmpty()) {
        if (error != nullptr)
            *error = why;
        return false;
    }
    projectPath_ = path;
    // The points are solved at the calculator's pressure and in its unit
    // system, whatever the file was saved with; a difference is an unsaved
    // change, so saving writes what is shown.
    if (calculatorFed_)
        setCalculatorView(view_);
    updateProjectTitle();
    return true;
}

bool ChartWindow::saveProject(const QString& path, QString* error) {
    const QString why = project_->save(path);
    if (!why.isEmpty()) {
        if (error != nullptr)
            *error = why;
        return false;
    }
    projectPath_ = path;
    project_->undoStack()->setClean();
    updateProjectTitle();
    return true;
}

void ChartWindow::newProject() {
    project::ProjectData empty;
    empty.atmosphere = project_->atmosphere();
    project_->replace(std::move(empty));
    projectPath_.clear();
    project_->undoStack()->setClean();
    updateProjectTitle();
}

bool ChartWindow::settleUnsavedProject() {
    if (!projectModified())
        return true;
    const auto answer = QMessageBox::question(
        this, tr("Unsaved Project"),
        tr("The project has changes that are not saved. Save them first?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return askSaveProject();
    return answer == QMessageBox::Discard;
}

void ChartWindow::askNewProject() {
    if (settleUnsavedProject())
        newProject();
}

void ChartWindow::askOpenProject() {
    // Asked before the file is chosen, so a file that turns out to be
    // damaged cannot cost the work: the project stays as it is then.
    if (!settleUnsavedProject())
        return;
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open Project"), QString(), ProjectFilter());
    if (!path.isEmpty())
        openProjectChecked(path);
}

void ChartWindow::openProjectAsking(const QString& path) {
    if (settleUnsavedProject())
        openProjectChecked(path);
}

void ChartWindow::openProjectChecked(const QString& path) {
    QString error;
    if (!openProject(path, &error))
        QMessageBox::warning(this, tr("Open Project"),
                             tr("%1 cannot be opened: %2\nThe project shown is kept.")
                                 .arg(QDir::toNativeSeparators(path), error));
}

bool ChartWindow::askSaveProject() {
    if (projectPath_.isEmpty())
        return askSaveProjectAs();
    QString error;
    if (saveProject(projectPath_, &error))
        return true;
    QMessageBox::warning(this, tr("Save Project"), error);
    return false;
}

bool ChartWindow::askSaveProjectAs() {
    QString path = QFileDialog::getSaveFileName(
        this, tr("Save Project As"), projectPath_.isEmpty() ? tr("Project.vwproj") : projectPath_,
        ProjectFilter());
    if (path.isEmpty())
        return false;
    const QString suffix = QLatin1String(project::kProjectFileSuffix);
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + suffix;
    QString error;
    if (saveProject(path, &error))
        return true;
    QMessageBox::warning(this, tr("Save Project As"), error);
    return false;
}

void ChartWindow::askExportPointsCsv() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export Points"), tr("State points.csv"), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const QString error = project_->exportPointsCsv(path);
    if (!error.isEmpty())
        QMessageBox::warning(this, tr("Export Points"), error);
}

void ChartWindow::askExportProcessesCsv() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Export Processes"),
                                                      tr("Processes.csv"), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const QString error = project_->exportProcessesCsv(path);
    if (!error.isEmpty())
        QMessageBox::warning(this, tr("Export Processes"), error);
}

ReportDocument ChartWindow::reportDocument() const {
    ReportDocument document;
    // Named after the kind of chart it draws.
    document.title = chart_->style() == ChartStyle::Mollier ? tr("Mollier h-x diagram")
                                                            : tr("Psychrometric chart");
    document.landscape = true;
    const QLocale locale;
    const bool si = project_->atmosphere().system == basPsychroFun::UnitSystem::SI;
    const double psia = chart_->atmosphere();
    document.subtitle.append(
        si ? tr("Atmospheric pressure %1 kPa, SI units")
                 .arg(locale.toString(basPsychroFun::units::PsiaToKPa(psia), 'f', 3))
           : tr("Atmospheric pressure %1 psia, IP units").arg(locale.toString(psia, 'f', 3)));
    if (!projectPath_.isEmpty())
        document.subtitle.append(tr("Project %1").arg(QDir::toNativeSeparators(projectPath_)));
    if (panel_->hasWeather())
        document.subtitle.append(panel_->summaryLines());
    // The chart as shown, drawn into the room the page gives it with its
    // texts in 9 pt (line labels 7.5 pt), as on a screen of that size.
    const PsychroChart* shown = chart_;
    document.sections.push_back(
        {QString(), ReportDrawing{[shown](QPainter& painter, const QRectF& target) {
             QFont font(QStringLiteral("Sans Serif"));
             font.setPointSizeF(9.0);
             shown->paintForPrint(painter, target, font);
         }}});
    appendProjectTables(document);
    appendAirHandlerTables(document);
    if (panel_->hasWeather()) {
        document.sections.push_back({tr("Hour counts"), panel_->hourCounts()});
        document.sections.push_back(
            {tr("Design conditions (all hours)"), panel_->designConditions()});
    }
    return document;
}

void ChartWindow::appendProjectTables(ReportDocument& document) const {
    if (project_->pointCount() == 0)
        return;
    // The points with what a reader of the page needs: the name, how the
    // point is defined, the properties of the chart, the airflow and the
    // comfort; every column of the window would not fit a page.
    using namespace calculator;
    const PointTableModel& points = *points_->model();
    std::vector<int> columns{0, 1};
    for (const int field : {kDryBulb, kWetBulb, kRelativeHumidity, kHumidityRatio, kEnthalpy,
                            kDewPoint, kSpecificVolume})
        columns.push_back(points.columnOfField(field));
    // The status notes stay in the window.
    for (const int c :
         {PointTableModel::kAirflow, PointTableModel::kAirflowUnit, PointTableModel::kDryAir})
        columns.push_back(c);
    StatTable table = TableFromModel(points, columns);

    // A column per zone shown, under a short code, whether the point lies
    // inside it; the codes' zones in a line under the table.
    std::vector<std::string> zones;
    for (int r = 0; r < project_->pointCount(); ++r) {
        for (const project::ZoneMembership& z : project_->pointResult(r).zones) {
            if (std::find(zones.begin(), zones.end(), z.zone) == zones.end())
                zones.push_back(z.zone);
        }
    }
    for (std::size_t z = 0; z < zones.size(); ++z)
        table.headers.append(QStringLiteral("Z%1").arg(z + 1));
    for (int r = 0; r < project_->pointCount(); ++r) {
        const auto& memberships = project_->pointResult(r).zones;
        for (const std::string& zone : zones) {
            const auto found =
                std::find_if(memberships.begin(), memberships.end(),
                             [&zone](const project::ZoneMembership& z) { return z.zone == zone; });
            table.rows[static_cast<std::size_t>(r)].push_back(
                {found == memberships.end() ? QString()
                 : found->inside            ? tr("in", "the point lies inside the zone")
                                            : tr("out", "the point lies outside the zone"),
                 std::nullopt, 0});
        }
    }
    const StatTable comfort =
        TableFromModel(points, {PointTableModel::kPmv, PointTableModel::kPpd});
    table.headers.append(comfort.headers);
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        table.rows[r].insert(table.rows[r].end(), comfort.rows[r].begin(), comfort.rows[r].end());
    document.sections.push_back({tr("State points"), std::move(table)});
    if (!zones.empty()) {
        QStringList legend;
        for (std::size_t z = 0; z < zones.size(); ++z)
            legend.append(
                QStringLiteral("Z%1 %2").arg(z + 1).arg(QString::fromStdString(zones[z])));
        document.sections.push_back(
            {QString(), QStringList{tr("Zones (in: the point lies inside): ") +
                                    legend.join(QStringLiteral("; "))}});
    }
    if (project_->processCount() > 0)
        document.sections.push_back({tr("Processes"), TableFromModel(*processes_->processModel())});
    if (project_->mixingCount() > 0)
        document.sections.push_back({tr("Mixtures"), TableFromModel(*processes_->mixingModel())});
}

bool ChartWindow::printReport(QPrinter& printer) const {
    return PaintReport(printer, reportDocument());
}

void ChartWindow::askPrint() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Report"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printReport(printer))
        QMessageBox::warning(this, tr("Print Report"), tr("The report could not be printed."));
}

void ChartWindow::askPrintPreview() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(tr("Print Preview"));
    preview.setAccessibleName(tr("Print preview of the report"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { printReport(*target); });
    preview.exec();
}

} // namespace chart
