#include "chartwindow/ChartWindow.h"

#include "airhandlerview/AirHandlerLayer.h"
#include "airhandlerview/AirHandlerPanel.h"
#include "chartwindow/Report.h"
#include "chartwindow/WindowFit.h"
#include "engine/Units.h"
#include "settings/SettingsStore.h"
#include "translations/Message.h"
#include "workbench/ProjectLayer.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <utility>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHideEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSaveFile>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace chart {

namespace {

// Without a class of their own, both would be announced as a bare "filler":
// the window is a window, the chart a chart.
QAccessibleInterface* chartAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("chart::ChartWindow"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("chart::PsychroChart"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    return nullptr;
}

void installChartAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(&chartAccessible);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace

ChartWindow::ChartWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    installChartAccessible();
    splitter_ = new QSplitter(Qt::Horizontal, this);
    chart_ = new PsychroChart(splitter_);
    chart_->setAtmosphere(calculatorPsia_);
    side_ = new QTabWidget(splitter_);
    side_->setObjectName(QStringLiteral("sidePanel"));
    panel_ = new WeatherPanel(chart_, side_);
    panel_->setObjectName(QStringLiteral("weatherPanel"));
    buildProjectPanel();
    buildAirHandlerPanel();
    side_->addTab(panel_, QString());
    setCaption(panel_, QT_TR_NOOP("&Weather"));
    // Five tabs keep their names whole in the panel's width; more scroll.
    side_->tabBar()->setElideMode(Qt::ElideNone);
    side_->setUsesScrollButtons(true);
    splitter_->addWidget(chart_);
    splitter_->addWidget(side_);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 1);
    // The chart stays; the side panel may be dragged shut.
    splitter_->setCollapsible(0, false);
    splitter_->setCollapsible(1, true);
    menuBar_ = new QMenuBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(splitter_);
    connect(chart_, &PsychroChart::pointPicked, this, &ChartWindow::pointPicked);
    connect(panel_, &WeatherPanel::weatherChanged, this, [this] {
        applyPressure();
        updateActions();
        passWeatherDesign();
    });
    buildMenu();
    buildEditMenu();
    buildViewMenu();
    updateActions();
    updateProjectTitle();
    applyFirstStartGeometry();

    // Escape puts the window away as its close button does.
    auto* putAway = new QAction(this);
    putAway->setShortcut(Qt::Key_Escape);
    putAway->setShortcutContext(Qt::WindowShortcut);
    addAction(putAway);
    connect(putAway, &QAction::triggered, this, &QWidget::hide);

    applyAccessibleTexts();
}

void ChartWindow::setCaption(QObject* object, const char* source) {
    captions_.emplace_back(object, source);
    if (auto* action = qobject_cast<QAction*>(object))
        action->setText(tr(source));
    else if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(tr(source));
    else if (auto* widget = qobject_cast<QWidget*>(object); widget != nullptr)
        side_->setTabText(side_->indexOf(widget), tr(source));
}

QAction* ChartWindow::addCaptionedAction(QMenu* menu, const char* source) {
    QAction* action = menu->addAction(QString());
    setCaption(action, source);
    return action;
}

void ChartWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void ChartWindow::retranslate() {
    for (const auto& [object, source] : captions_) {
        if (object.isNull())
            continue;
        if (auto* action = qobject_cast<QAction*>(object.data()))
            action->setText(tr(source));
        else if (auto* menu = qobject_cast<QMenu*>(object.data()))
            menu->setTitle(tr(source));
        else if (auto* widget = qobject_cast<QWidget*>(object.data()))
            side_->setTabText(side_->indexOf(widget), tr(source));
    }
    rebuildAirHandlerPanel();
    updateUndoTexts();
    updateProjectTitle();
    applyAccessibleTexts();
}

void ChartWindow::applyAccessibleTexts() {
    setAccessibleDescription(tr("The psychrometric chart of the calculator's state. "
                                "Escape hides it; F2 in the calculator shows it again."));
    QString description =
        tr("Chart of moist air at the calculator's atmospheric pressure, with the "
           "computed state marked. Hovering the mouse over it shows the properties "
           "of the point under the pointer; a double click enters that point into "
           "the calculator as dry bulb temperature and humidity ratio; with Shift it "
           "adds a state point there. State points can be dragged. The wheel "
           "zooms.");
    // The keys as this desktop binds them (Save As has none on some).
    const std::pair<const QAction*, QString> keys[] = {
        {chart_->resetZoomAction(), tr("%1 resets the zoom.")},
        {chart_->copyAction(), tr("%1 copies the chart.")},
        {chart_->saveAsAction(), tr("%1 saves it to a file.")}};
    for (const auto& [action, what] : keys) {
        const QString key = action->shortcut().toString(QKeySequence::NativeText);
        if (!key.isEmpty())
            description += QLatin1Char(' ') + what.arg(key);
    }
    chart_->setAccessibleName(tr("Psychrometric chart"));
    menuBar_->setAccessibleName(tr("Chart menu"));
    side_->setAccessibleName(tr("Side panel"));
    side_->setAccessibleDescription(tr("The points, processes, zones and weather shown on the "
                                       "chart, a tab each. F9 hides and shows the panel."));
    panel_->setAccessibleName(tr("Weather file"));
    panel_->setAccessibleDescription(
        tr("The hours of a weather file on the chart: display, month and hour "
           "filter, zones, limits, hour counts and design conditions."));
    if (project_ != nullptr)
        description += QLatin1Char(' ') + ProjectDescription(*project_);
    if (project_ != nullptr && airHandler_ != nullptr && project_->airHandlerResult() != nullptr)
        description += QLatin1Char(' ') +
                       AirHandlerDescription(*project_->airHandlerResult(), airHandler_->season());
    chart_->setAccessibleDescription(description);
}

void ChartWindow::buildMenu() {
    QMenu* file = menuBar_->addMenu(QString());
    setCaption(file, QT_TR_NOOP("&File"));
    buildProjectMenu(file);
    buildAirHandlerMenu(file);
    file->addSeparator();
    QAction* open = addCaptionedAction(file, QT_TR_NOOP("Open &Weather File..."));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    connect(open, &QAction::triggered, this, &ChartWindow::askOpenWeatherFile);
    exportStatisticsAction_ = addCaptionedAction(file, QT_TR_NOOP("Export Weather S&tatistics..."));
    connect(exportStatisticsAction_, &QAction::triggered, this, &ChartWindow::askExportStatistics);
    closeWeatherAction_ = addCaptionedAction(file, QT_TR_NOOP("Close Weather &File"));
    connect(closeWeatherAction_, &QAction::triggered, this, &ChartWindow::closeWeatherFile);
    file->addSeparator();
    QAction* close = addCaptionedAction(file, QT_TR_NOOP("&Close"));
    connect(close, &QAction::triggered, this, &QWidget::hide);
    // The shortcuts work wherever the focus is in this window.
    for (QAction* action : file->actions()) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
}

void ChartWindow::buildViewMenu() {
    QMenu* view = menuBar_->addMenu(QString());
    setCaption(view, QT_TR_NOOP("&View"));
    // A text this program did not write leaves the ASHRAE chart.
    chart_->setStyle(ChartStyleFromName(settings::GetSetting(kStyleKey, QString()))
                         .value_or(ChartStyle::Ashrae));
    view->addAction(chart_->styleAction(ChartStyle::Ashrae));
    view->addAction(chart_->styleAction(ChartStyle::Mollier));
    connect(chart_, &PsychroChart::styleChanged, this,
            [](ChartStyle style) { settings::SaveSetting(kStyleKey, ChartStyleName(style)); });
    view->addSeparator();
    sidePanelAction_ = addCaptionedAction(view, QT_TR_NOOP("Side &Panel"));
    sidePanelAction_->setCheckable(true);
    sidePanelAction_->setChecked(true);
    sidePanelAction_->setShortcut(Qt::Key_F9);
    sidePanelAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(sidePanelAction_);
    connect(sidePanelAction_, &QAction::toggled, this, &ChartWindow::setSidePanelShown);
    // Dragged shut or open with the mouse: the menu follows.
    connect(splitter_, &QSplitter::splitterMoved, this, [this] {
        const QSignalBlocker block(sidePanelAction_);
        sidePanelAction_->setChecked(sidePanelShown());
    });
}

bool ChartWindow::sidePanelShown() const {
    const QList<int> sizes = splitter_->sizes();
    return side_->isVisibleTo(this) && sizes.size() == 2 && sizes[1] > 0;
}

void ChartWindow::setSidePanelShown(bool shown) {
    if (shown != sidePanelAction_->isChecked()) {
        const QSignalBlocker block(sidePanelAction_);
        sidePanelAction_->setChecked(shown);
    }
    if (shown == sidePanelShown())
        return;
    const int total = std::max(splitter_->width(), width());
    if (shown) {
        side_->show();
        const int panel = SidePanelWidth(total, side_->minimumSizeHint().width(),
                                         chart_->minimumSizeHint().width());
        splitter_->setSizes({total - panel, panel});
    } else {
        // Whatever had the focus in the panel gives it to the chart.
        if (side_->isAncestorOf(QApplication::focusWidget()))
            chart_->setFocus(Qt::OtherFocusReason);
        splitter_->setSizes({total, 0});
        side_->hide();
    }
}

void ChartWindow::applyFirstStartGeometry() {
    const QScreen* screen =
        parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    setGeometry(FirstStartGeometry(screen->availableGeometry(), kEstimatedFrame));
    const int panel = SidePanelWidth(width(), side_->minimumSizeHint().width(),
                                     chart_->minimumSizeHint().width());
    splitter_->setSizes({width() - panel, panel});
}

void ChartWindow::fitToScreen() {
    const QScreen* here = screen();
    if (here == nullptr)
        return;
    // One that fits the screen is left where the user put it, even partly
    // beyond an edge; one larger than the screen is brought within it.
    // Before the window is first shown its frame is not known: reckon with
    // a usual one.
    const QRect client = geometry();
    const bool framed = frameGeometry() != client;
    const QMargins margins = framed ? QMargins(client.left() - frameGeometry().left(),
                                               client.top() - frameGeometry().top(),
                                               frameGeometry().right() - client.right(),
                                               frameGeometry().bottom() - client.bottom())
                                    : kEstimatedFrame;
    const QRect frame = client.marginsAdded(margins);
    const QSize room = here->availableGeometry().size();
    if (frame.width() <= room.width() && frame.height() <= room.height())
        return;
    setGeometry(WithinScreen(frame, here->availableGeometry()).marginsRemoved(margins));
}

void ChartWindow::updateActions() {
    const bool shown = panel_->hasWeather();
    exportStatisticsAction_->setEnabled(shown);
    closeWeatherAction_->setEnabled(shown);
}

void ChartWindow::setAtmosphere(double patmPsia) {
    calculatorPsia_ = patmPsia;
    applyPressure();
}

void ChartWindow::setUnitSystem(UnitSystem units) {
    chart_->setUnitSystem(units);
    panel_->setUnitSystem(units);
}

void ChartWindow::applyPressure() {
    const auto site = panel_->sitePressure();
    chart_->setAtmosphere(site ? site->psia : calculatorPsia_);
}

bool ChartWindow::openWeatherFile(const QString& path, QString* error) {
    const QString name = QFileInfo(path).fileName();
    const auto fail = [&](const QString& why) {
        const QString text = tr("%1 cannot be shown: %2").arg(name, why);
        panel_->setMessage(text);
        setSidePanelShown(true);
        side_->setCurrentWidget(panel_);
        if (error != nullptr)
            *error = text;
        return false;
    };
    if (!QFileInfo(path).isFile())
        return fail(tr("there is no such file."));

    // Shown only when reading takes more than 200 ms; Cancel stops the read.
    QProgressDialog progress(tr("Reading %1...").arg(name), tr("Cancel"), 0, 1000, this);
    progress.setWindowTitle(tr("Open Weather File"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(200);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setAccessibleName(tr("Reading the weather file"));
    progress.setValue(0);
    const weather::ProgressCallback report = [&progress](const weather::ReadProgress& at) {
        if (at.totalBytes > 0) {
            const auto share = std::min<std::uint64_t>(1000, at.bytes * 1000 / at.totalBytes);
            progress.setValue(static_cast<int>(share));
        } else {
            progress.setValue(static_cast<int>(at.rows % 1000));
        }
        return !progress.wasCanceled();
    };
    // Rows that give no pressure are taken at the calculator's, or at sea
    // level when that is no pressure.
    const bool calculatorAir = std::isfinite(calculatorPsia_) && calculatorPsia_ > 0.0;
    const WeatherPanel::GivenPressure csvPressure{
        calculatorAir ? calculatorPsia_ : basPsychroFun::units::kAtmospherePsia,
        calculatorAir ? tr("the calculator's pressure") : tr("standard sea-level pressure")};
    weather::WeatherFile file = weather::LoadWeatherFile(
        std::filesystem::path(QFile::encodeName(path).toStdString()), csvPressure.psia, report);
    progress.close();

    if (file.problem != weather::FileProblem::None) {
        return fail(translations::Translated(
            weather::FileProblemMessage(file.problem, file.problemColumn)));
    }
    if (file.report.cancelled)
        return fail(tr("reading was cancelled."));
    if (file.hours.empty())
        return fail(tr("it holds no hour of valid weather."));
    // A year of a cold or hot climate reaches beyond the usual chart: the
    // view grows to hold every hour, so none is counted but hidden.
    ChartRange view = chart_->viewRange();
    for (const weather::Hour& hour : file.hours) {
        view.tMinF = std::min(view.tMinF, std::floor(hour.dryBulbF / 5.0) * 5.0);
        view.tMaxF = std::max(view.tMaxF, std::ceil(hour.dryBulbF / 5.0) * 5.0);
        view.wMax = std::max(view.wMax, std::ceil(hour.humidityRatio / 0.002) * 0.002);
    }
    panel_->setWeather(std::move(file), QDir::toNativeSeparators(path), csvPressure);
    chart_->setViewRange(view);
    // What was opened is what the panel shows next.
    setSidePanelShown(true);
    side_->setCurrentWidget(panel_);
    return true;
}

void ChartWindow::closeWeatherFile() {
    panel_->clearWeather();
}

bool ChartWindow::exportStatisticsCsv(const QString& path) const {
    if (!panel_->hasWeather())
        return false;
    const StatTable tables[] = {panel_->hourCounts(), panel_->designConditions()};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(TablesToCsv(tables).toUtf8());
    return file.commit();
}

bool ChartWindow::exportReportPdf(const QString& path) const {
    return WriteReportPdf(path, reportDocument());
}

void ChartWindow::askOpenWeatherFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open Weather File"), QString(), tr("Weather files (*.epw *.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!openWeatherFile(path, &error))
        QMessageBox::warning(this, tr("Open Weather File"), error);
}

void ChartWindow::askExportStatistics() {
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export Weather Statistics"),
                                     tr("Weather statistics.csv"), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (!exportStatisticsCsv(path))
        QMessageBox::warning(
            this, tr("Export Weather Statistics"),
            tr("The statistics could not be written to %1.").arg(QDir::toNativeSeparators(path)));
}

void ChartWindow::askExportReport() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export Report"), tr("Psychrometric report.pdf"), tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!exportReportPdf(path))
        QMessageBox::warning(
            this, tr("Export Report"),
            tr("The report could not be written to %1.").arg(QDir::toNativeSeparators(path)));
}

ChartWindow::~ChartWindow() {
    // Destroyed with its owner while open: hideEvent would no longer reach
    // this class, so keep the geometry here.
    if (isVisible())
        storeGeometry();
    // The project is a child, destroyed after this class's members; its undo
    // stack's last signals must not reach this window then.
    disconnect(project_->undoStack(), nullptr, this, nullptr);
    disconnect(project_, nullptr, this, nullptr);
}

void ChartWindow::setVisible(bool visible) {
    if (visible && !restored_) {
        restored_ = true;
        // A geometry kept from a larger screen comes back within this one.
        if (restoreStoredGeometry())
            fitToScreen();
    }
    QWidget::setVisible(visible);
}

void ChartWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        storeGeometry();
}

bool ChartWindow::restoreStoredGeometry() {
    const QString text = settings::GetSetting(kGeometryKey, QString());
    if (text.isEmpty())
        return false;
    const auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    // Anything that is not a geometry this program saved leaves the default.
    if (!decoded || !restoreGeometry(*decoded))
        return false;
    // The panel's share of the width the geometry brings.
    const int panel = SidePanelWidth(width(), side_->minimumSizeHint().width(),
                                     chart_->minimumSizeHint().width());
    splitter_->setSizes({width() - panel, panel});
    return true;
}

void ChartWindow::storeGeometry() const {
    settings::SaveSetting(kGeometryKey, QString::fromLatin1(saveGeometry().toBase64()));
}

} // namespace chart
