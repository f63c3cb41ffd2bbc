// The air handler in the chart window: its tab fits the side panel at
// 1280 x 720 and speaks every control, its case is drawn through the chart's
// layers and follows the tab's case, the weather file's design conditions
// reach it, and the report and the File menu carry its tables.

#include "airhandlerview/AirHandlerInteraction.h"
#include "airhandlerview/AirHandlerPanel.h"
#include "chartwindow/ChartWindow.h"
#include "chartwindow/Report.h"
#include "chartwindow/WindowFit.h"
#include "project/Project.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace chart;
using airhandler::Season;

namespace {

class ChartWindowAirHandlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
        window_ = std::make_unique<ChartWindow>(&owner_);
        window_->setGeometry(FirstStartGeometry(QRect(0, 0, 1280, 720), kEstimatedFrame));
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        panel()->createAirHandler();
        ASSERT_TRUE(window_->project()->airHandler());
    }
    AirHandlerPanel* panel() const { return window_->airHandlerPanel(); }
    void showTab() const { window_->sidePanel()->setCurrentWidget(panel()); }

    QTemporaryDir dir_;
    QWidget owner_;
    std::unique_ptr<ChartWindow> window_;
};

TEST_F(ChartWindowAirHandlerTest, ItsTabFitsThePanelAndSpeaksEveryControl) {
    showTab();
    QTabWidget* side = window_->sidePanel();
    EXPECT_LE(panel()->minimumSizeHint().width(), 420);
    EXPECT_LE(panel()->minimumSizeHint().width(), side->width());
    EXPECT_GE(window_->chart()->width(), 800);
    for (QWidget* control : panel()->findChildren<QWidget*>()) {
        if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(window_.get()))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(face, nullptr);
        EXPECT_FALSE(face->text(QAccessible::Name).isEmpty())
            << control->metaObject()->className() << " " << control->objectName().toStdString();
    }
    // The labels of the settings keep clear of each other and of the fields.
    std::vector<QRect> boxes;
    for (QWidget* w : panel()->findChildren<QWidget*>()) {
        if (w->isVisibleTo(window_.get()) &&
            w->parentWidget() == panel()->controls().sensible->parentWidget())
            boxes.push_back(QRect(w->mapTo(window_.get(), QPoint()), w->size()));
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(boxes[i].intersects(boxes[j])) << i << " and " << j;
    }
}

TEST_F(ChartWindowAirHandlerTest, TheChartDrawsTheCaseTheTabShows) {
    const auto& layers = window_->chart()->layers();
    const AirHandlerLayer* layer = &window_->airHandlerInteraction()->layer();
    EXPECT_NE(std::find(layers.begin(), layers.end(), layer), layers.end());
    EXPECT_EQ(layer->season(), Season::Summer);
    panel()->setSeason(Season::Winter);
    EXPECT_EQ(layer->season(), Season::Winter);
    ASSERT_NE(layer->shownCase(), nullptr);
    EXPECT_EQ(layer->shownCase()->duty, airhandler::Duty::Heating);
    EXPECT_TRUE(window_->chart()->accessibleDescription().contains(QStringLiteral("Air handler")));
    // Undo in the window takes the air handler back with the rest.
    window_->project()->undoStack()->undo();
    EXPECT_FALSE(window_->project()->airHandler());
    EXPECT_TRUE(layer->shapesFor(window_->chart()->mapping()).marks.empty());
}

TEST_F(ChartWindowAirHandlerTest, TheWeatherFilesDesignConditionsGiveTheOutdoorAir) {
    EXPECT_FALSE(panel()->controls().weatherDesign->isEnabled());
    const QString epw = QStringLiteral(VW_WEATHER_DATA_DIR) +
                        QStringLiteral("/USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw");
    QString error;
    ASSERT_TRUE(window_->openWeatherFile(epw, &error)) << error.toStdString();
    EXPECT_TRUE(panel()->controls().weatherDesign->isEnabled());
    const auto design = window_->weatherPanel()->designConditionsOfFile();
    ASSERT_TRUE(design && design->cooling[0] && design->heating996DryBulbF);
    const int steps = window_->project()->undoStack()->count();
    EXPECT_EQ(panel()->applyWeatherDesign(), QString());
    EXPECT_EQ(window_->project()->undoStack()->count(), steps + 1);
    const auto& setup = *window_->project()->airHandler();
    EXPECT_DOUBLE_EQ(setup.summer.outdoor.first.value, design->cooling[0]->dryBulbF);
    EXPECT_DOUBLE_EQ(setup.summer.outdoor.second.value, design->cooling[0]->meanCoincidentWetBulbF);
    EXPECT_DOUBLE_EQ(setup.winter.outdoor.first.value, *design->heating996DryBulbF);
    // Chicago: hot summers, cold winters.
    EXPECT_GT(design->cooling[0]->dryBulbF, 85.0);
    EXPECT_LT(*design->heating996DryBulbF, 10.0);
    window_->closeWeatherFile();
    EXPECT_FALSE(panel()->controls().weatherDesign->isEnabled());
}

TEST_F(ChartWindowAirHandlerTest, TheReportAndTheFileMenuCarryItsTables) {
    const ReportDocument document = window_->reportDocument();
    int tables = 0;
    for (const ReportSection& section : document.sections) {
        if (section.heading.startsWith(QStringLiteral("Air handler"))) {
            ASSERT_TRUE(std::holds_alternative<StatTable>(section.body));
            EXPECT_FALSE(std::get<StatTable>(section.body).rows.empty());
            ++tables;
        }
    }
    EXPECT_EQ(tables, 3); // each case's chain, and the rollup
    QStringList actions;
    for (QAction* menu : window_->menuBar()->actions()) {
        if (menu->menu() != nullptr) {
            for (QAction* action : menu->menu()->actions())
                actions << action->text();
        }
    }
    EXPECT_TRUE(actions.contains(QStringLiteral("Export Air Handler Co&mponents (CSV)...")));
    EXPECT_TRUE(actions.contains(QStringLiteral("Export Air Handler Ro&llup (CSV)...")));

    window_->project()->setAirHandler(std::nullopt);
    for (const ReportSection& section : window_->reportDocument().sections)
        EXPECT_FALSE(section.heading.startsWith(QStringLiteral("Air handler")));
}

// Regression: a project holding only an air handler counted as empty, so
// closing the window or opening another project dropped it without asking.
TEST_F(ChartWindowAirHandlerTest, AnAirHandlerAloneIsUnsavedWork) {
    EXPECT_EQ(window_->project()->pointCount(), 0);
    EXPECT_TRUE(window_->projectModified());
    EXPECT_TRUE(window_->isWindowModified());
    ASSERT_TRUE(window_->saveProject(dir_.filePath(QStringLiteral("air.vwproj"))));
    EXPECT_FALSE(window_->projectModified());
}

} // namespace
