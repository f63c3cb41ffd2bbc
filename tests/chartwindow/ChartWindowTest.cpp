#include "chartwindow/ChartWindow.h"

#include "chartwindow/Report.h"
#include "settings/SettingsStore.h"

#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace chart;

namespace {

// Every test gets its own settings folder.
class ChartWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }
    QTemporaryDir dir_;
    QWidget owner_;
};

QString StoredGeometry() {
    return settings::GetSetting(ChartWindow::kGeometryKey, QStringLiteral("<none>"));
}

} // namespace

TEST_F(ChartWindowTest, IsAModelessWindowOfItsOwner) {
    ChartWindow window(&owner_);
    // "[*]" is where the desktop marks unsaved work in the project.
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Psychrometric Chart[*]"));
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.parentWidget(), &owner_);
    EXPECT_EQ(window.windowModality(), Qt::NonModal);

    window.setAtmosphere(12.0);
    window.setUnitSystem(UnitSystem::SI);
    window.setState(StatePoint{70.0, 0.008});
    EXPECT_EQ(window.chart()->atmosphere(), 12.0);
    EXPECT_EQ(window.chart()->unitSystem(), UnitSystem::SI);
    EXPECT_EQ(window.chart()->state(), (StatePoint{70.0, 0.008}));

    QSignalSpy picked(&window, &ChartWindow::pointPicked);
    emit window.chart()->pointPicked(70.0, 0.008);
    ASSERT_EQ(picked.size(), 1);
    EXPECT_EQ(picked[0][1].toDouble(), 0.008);
}

TEST_F(ChartWindowTest, RemembersItsGeometry) {
    {
        ChartWindow window(&owner_);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.setGeometry(120, 90, 700, 450);
        window.close();
        EXPECT_FALSE(window.isVisible());
        EXPECT_NE(StoredGeometry(), QStringLiteral("<none>"));
    }
    ChartWindow again(&owner_);
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    EXPECT_EQ(again.size(), QSize(700, 450));
    // Where the frame goes is up to the window system; within its width.
    EXPECT_LE((again.pos() - QPoint(120, 90)).manhattanLength(), 8);

    // Closed together with its owner while open.
    again.resize(640, 400);
    {
        QWidget owner;
        auto* window = new ChartWindow(&owner);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        window->resize(610, 380);
    }
    ChartWindow third(&owner_);
    third.show();
    EXPECT_EQ(third.size(), QSize(610, 380));
}

TEST_F(ChartWindowTest, DamagedStoredGeometryLeavesTheDefault) {
    for (const QString& text : {QStringLiteral("not base64 !!"), QStringLiteral("AAAA")}) {
        ASSERT_TRUE(settings::SaveSetting(ChartWindow::kGeometryKey, text));
        ChartWindow window(&owner_);
        const QSize before = window.size();
        window.show();
        EXPECT_EQ(window.size(), before) << text.toStdString();
        window.hide();
    }
}

// The View menu's chart style comes back after a restart, reaches the
// report, and a stored text this program did not write leaves the ASHRAE
// chart.
TEST_F(ChartWindowTest, RemembersItsChartStyle) {
    {
        ChartWindow window(&owner_);
        EXPECT_EQ(window.chart()->style(), ChartStyle::Ashrae);
        QMenu* view = nullptr;
        for (QAction* menu : window.menuBar()->actions()) {
            if (menu->text() == QStringLiteral("&View"))
                view = menu->menu();
        }
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->actions().size(), 2);
        QAction* mollier = view->actions()[1];
        EXPECT_EQ(mollier->text(), QStringLiteral("&Mollier h-x Diagram"));
        mollier->trigger();
        EXPECT_EQ(window.chart()->style(), ChartStyle::Mollier);
        EXPECT_TRUE(mollier->isChecked());
        EXPECT_FALSE(view->actions()[0]->isChecked());
    }
    EXPECT_EQ(settings::GetSetting(ChartWindow::kStyleKey, QString()), QStringLiteral("Mollier"));
    {
        ChartWindow again(&owner_);
        again.resize(1200, 700);
        EXPECT_EQ(again.chart()->style(), ChartStyle::Mollier);
        EXPECT_TRUE(again.chart()->styleAction(ChartStyle::Mollier)->isChecked());
        // The report holds the chart as shown.
        const ReportDocument report = again.reportDocument();
        const QImage* image = nullptr;
        for (const ReportSection& section : report.sections) {
            if (image == nullptr)
                image = std::get_if<QImage>(&section.body);
        }
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(*image, again.chart()->toImage(image->size()));
        again.chart()->setStyle(ChartStyle::Ashrae);
        EXPECT_NE(*image, again.chart()->toImage(image->size()));
    }
    EXPECT_EQ(settings::GetSetting(ChartWindow::kStyleKey, QString()), QStringLiteral("ASHRAE"));
    ASSERT_TRUE(settings::SaveSetting(ChartWindow::kStyleKey, QStringLiteral("Sideways")));
    ChartWindow third(&owner_);
    EXPECT_EQ(third.chart()->style(), ChartStyle::Ashrae);
}
