#include "chart/PsychroChart.h"

#include "chart/ChartPainter.h"
#include "engine/PsychroFun.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace psy = basPsychroFun;
using namespace chart;

namespace {

constexpr double kSeaLevel = 14.696; // psia

class PsychroChartTest : public ::testing::Test {
protected:
    void SetUp() override {
        chart.resize(900, 600);
        chart.setAtmosphere(kSeaLevel);
    }
    QPoint PixelOf(double tF, double w) const { return chart.mapping().toPixel(tF, w).toPoint(); }
    // Sent directly: QTest::mouseMove needs a window on the screen.
    void MoveTo(QPoint pixel) {
        QMouseEvent move(QEvent::MouseMove, QPointF(pixel), QPointF(chart.mapToGlobal(pixel)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&chart, &move);
    }

    PsychroChart chart;
};

double HalfRelativeHumidityAt68() {
    return psy::HumidityRatioFromRelativeHumidity(68.0, 0.5, kSeaLevel, "IP");
}

} // namespace

TEST_F(PsychroChartTest, StateIsMarkedAndRemoved) {
    const StatePoint state{68.0, HalfRelativeHumidityAt68()};
    const QColor markColour = ColorsFor(chart.palette()).state;
    const QPoint at = PixelOf(state.tdbF, state.wLbPerLb);

    EXPECT_NE(chart.toImage().pixelColor(at), markColour);
    chart.setState(state);
    EXPECT_EQ(chart.state(), state);
    EXPECT_EQ(chart.toImage().pixelColor(at), markColour);
    chart.setState(std::nullopt);
    EXPECT_FALSE(chart.state().has_value());
    EXPECT_NE(chart.toImage().pixelColor(at), markColour);
}

TEST_F(PsychroChartTest, DoubleClickPicksThePointUnderTheCursor) {
    QSignalSpy picked(&chart, &PsychroChart::pointPicked);
    const QPoint at = PixelOf(68.0, HalfRelativeHumidityAt68());
    QTest::mouseDClick(&chart, Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_EQ(picked.size(), 1);
    const QPointF expected = chart.mapping().toData(QPointF(at));
    EXPECT_DOUBLE_EQ(picked[0][0].toDouble(), expected.x());
    EXPECT_DOUBLE_EQ(picked[0][1].toDouble(), expected.y());
    // Within a pixel of the state aimed at.
    EXPECT_NEAR(picked[0][0].toDouble(), 68.0, 0.2);
    EXPECT_NEAR(picked[0][1].toDouble(), HalfRelativeHumidityAt68(), 1e-4);

    // Above saturation and outside the plot there is no state to pick.
    QTest::mouseDClick(&chart, Qt::LeftButton, Qt::NoModifier, PixelOf(40.0, 0.025));
    QTest::mouseDClick(&chart, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseDClick(&chart, Qt::RightButton, Qt::NoModifier, at);
    EXPECT_EQ(picked.size(), 1);
}

TEST_F(PsychroChartTest, HoverReadsThePointUnderTheCursor) {
    MoveTo(PixelOf(68.0, HalfRelativeHumidityAt68()));
    ASSERT_TRUE(chart.hoverReadout().has_value());
    EXPECT_NEAR(chart.hoverReadout()->phi, 0.5, 0.01);
    MoveTo(PixelOf(40.0, 0.025));
    ASSERT_TRUE(chart.hoverReadout().has_value());
    EXPECT_TRUE(chart.hoverReadout()->supersaturated);
    MoveTo(QPoint(2, 2));
    EXPECT_FALSE(chart.hoverReadout().has_value());
}

TEST_F(PsychroChartTest, WheelZoomsAboutTheCursorAndHomeResets) {
    const ChartRange initial = chart.viewRange();
    const QPoint at = PixelOf(68.0, 0.01);
    const QPointF before = chart.mapping().toData(QPointF(at));
    QWheelEvent wheel(QPointF(at), QPointF(chart.mapToGlobal(at)), QPoint(), QPoint(0, 240),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &wheel);
    EXPECT_NEAR(chart.viewRange().width(), initial.width() * 0.64, 1e-9);
    const QPointF after = chart.mapping().toData(QPointF(at));
    EXPECT_NEAR(after.x(), before.x(), 1e-9);
    EXPECT_NEAR(after.y(), before.y(), 1e-12);

    chart.show();
    chart.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chart));
    chart.setFocus();
    QTest::keyClick(&chart, Qt::Key_Home);
    EXPECT_EQ(chart.viewRange(), initial);
}

TEST_F(PsychroChartTest, UnitSystemAndPressureReachTheLines) {
    chart.setUnitSystem(UnitSystem::SI);
    EXPECT_EQ(chart.viewRange(), DefaultRange(UnitSystem::SI));
    EXPECT_EQ(chart.lines().key.units, UnitSystem::SI);
    const double p = psy::PressureFromAltitude(5000.0, "IP");
    chart.setAtmosphere(p);
    EXPECT_EQ(chart.lines().key.patmPsia, p);
    chart.setAtmosphere(0.0);
    EXPECT_FALSE(chart.lines().valid);
    EXPECT_FALSE(chart.toImage().isNull()); // frame and a note, no crash
}

TEST_F(PsychroChartTest, FollowsADarkPalette) {
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    chart.setPalette(dark);
    const QImage image = chart.toImage();
    EXPECT_EQ(image.pixelColor(1, 1), QColor(30, 30, 30));
    EXPECT_GT(ColorsFor(dark).relativeHumidity.lightnessF(), 0.5);
}

TEST_F(PsychroChartTest, ExportsPngSvgAndClipboard) {
    chart.setState(StatePoint{75.0, 0.009});
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    const QString svg = dir.filePath(QStringLiteral("chart.SVG"));
    ASSERT_TRUE(chart.saveTo(png));
    ASSERT_TRUE(chart.saveTo(svg));

    QImage loaded;
    ASSERT_TRUE(loaded.load(png, "PNG"));
    EXPECT_EQ(loaded.size(), QSize(900, 600));

    QSvgRenderer renderer(svg);
    EXPECT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 900, 600));

    // A folder that does not exist: reported, nothing left behind.
    EXPECT_FALSE(chart.saveTo(dir.filePath(QStringLiteral("missing/chart.png"))));
    EXPECT_FALSE(chart.saveTo(dir.filePath(QStringLiteral("missing/chart.svg"))));

    chart.copyAction()->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(900, 600));
}
