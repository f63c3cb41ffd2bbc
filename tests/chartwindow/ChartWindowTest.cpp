#include "chartwindow/ChartWindow.h"

#include "chartwindow/Report.h"
#include "settings/SettingsStore.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSet>
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

namespace {

// The image a report's drawing of the chart paints into `size`.
QImage ReportChartImage(const ReportDocument& report, QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.setDotsPerMeterX(3780); // 96 dpi
    image.setDotsPerMeterY(3780);
    image.fill(Qt::transparent);
    for (const ReportSection& section : report.sections) {
        if (const auto* drawing = std::get_if<ReportDrawing>(&section.body)) {
            QPainter painter(&image);
            drawing->paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
            break;
        }
    }
    return image;
}

// The View menu of the chart window.
QMenu* ViewMenu(const ChartWindow& window) {
    for (QAction* menu : window.menuBar()->actions()) {
        if (menu->text() == QStringLiteral("&View"))
            return menu->menu();
    }
    return nullptr;
}

} // namespace

// The View menu's chart style comes back after a restart, reaches the
// report, and a stored text this program did not write leaves the ASHRAE
// chart.
TEST_F(ChartWindowTest, RemembersItsChartStyle) {
    {
        ChartWindow window(&owner_);
        EXPECT_EQ(window.chart()->style(), ChartStyle::Ashrae);
        QMenu* view = ViewMenu(window);
        ASSERT_NE(view, nullptr);
        QAction* mollier = window.chart()->styleAction(ChartStyle::Mollier);
        ASSERT_TRUE(view->actions().contains(mollier));
        ASSERT_TRUE(view->actions().contains(window.chart()->styleAction(ChartStyle::Ashrae)));
        EXPECT_EQ(mollier->text(), QStringLiteral("&Mollier h-x Diagram"));
        mollier->trigger();
        EXPECT_EQ(window.chart()->style(), ChartStyle::Mollier);
        EXPECT_TRUE(mollier->isChecked());
        EXPECT_FALSE(window.chart()->styleAction(ChartStyle::Ashrae)->isChecked());
    }
    EXPECT_EQ(settings::GetSetting(ChartWindow::kStyleKey, QString()), QStringLiteral("Mollier"));
    {
        ChartWindow again(&owner_);
        again.resize(1200, 700);
        EXPECT_EQ(again.chart()->style(), ChartStyle::Mollier);
        EXPECT_TRUE(again.chart()->styleAction(ChartStyle::Mollier)->isChecked());
        // The report draws the chart as shown, and names it so.
        const ReportDocument report = again.reportDocument();
        EXPECT_EQ(report.title, QStringLiteral("Mollier h-x diagram"));
        const QSize size(900, 600);
        const QImage mollier = ReportChartImage(report, size);
        QImage drawn(size, QImage::Format_ARGB32);
        drawn.setDotsPerMeterX(3780);
        drawn.setDotsPerMeterY(3780);
        drawn.fill(Qt::transparent);
        const auto paintShown = [&] {
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            QFont font(QStringLiteral("Sans Serif"));
            font.setPointSizeF(9.0);
            again.chart()->paintForPrint(painter, QRectF(QPointF(0, 0), QSizeF(size)), font);
        };
        paintShown();
        EXPECT_EQ(mollier, drawn);
        again.chart()->setStyle(ChartStyle::Ashrae);
        paintShown();
        EXPECT_NE(mollier, drawn);
        // A report asked for now follows the style now shown; the ASHRAE
        // chart keeps the report's heading as it always was.
        const ReportDocument ashrae = again.reportDocument();
        EXPECT_EQ(ReportChartImage(ashrae, size), drawn);
        EXPECT_EQ(ashrae.title, QStringLiteral("Psychrometric chart"));
    }
    EXPECT_EQ(settings::GetSetting(ChartWindow::kStyleKey, QString()), QStringLiteral("ASHRAE"));
    ASSERT_TRUE(settings::SaveSetting(ChartWindow::kStyleKey, QStringLiteral("Sideways")));
    ChartWindow third(&owner_);
    EXPECT_EQ(third.chart()->style(), ChartStyle::Ashrae);
}

// Every item of the View menu has a mnemonic of its own, and the side
// panel's keeps its shortcut beside the chart's styles.
TEST_F(ChartWindowTest, ViewMenuHoldsTheStylesAndTheSidePanelWithDistinctMnemonics) {
    ChartWindow window(&owner_);
    QMenu* view = ViewMenu(window);
    ASSERT_NE(view, nullptr);
    QStringList texts;
    QSet<QChar> mnemonics;
    for (const QAction* action : view->actions()) {
        if (action->isSeparator())
            continue;
        texts.append(action->text());
        const qsizetype amp = action->text().indexOf(QLatin1Char('&'));
        ASSERT_GE(amp, 0) << action->text().toStdString();
        const QChar key = action->text().at(amp + 1).toLower();
        EXPECT_FALSE(mnemonics.contains(key)) << action->text().toStdString();
        mnemonics.insert(key);
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("Side &Panel")));
    EXPECT_TRUE(view->actions().contains(window.chart()->styleAction(ChartStyle::Ashrae)));
    EXPECT_TRUE(view->actions().contains(window.chart()->styleAction(ChartStyle::Mollier)));
    EXPECT_TRUE(view->actions().contains(window.sidePanelAction()));
    EXPECT_EQ(window.sidePanelAction()->shortcut(), QKeySequence(Qt::Key_F9));
    // Switching the style leaves the side panel as it was.
    window.chart()->styleAction(ChartStyle::Mollier)->trigger();
    EXPECT_TRUE(window.sidePanelAction()->isChecked());
}
