#include "chart/PsychroChart.h"

#include "chart/ChartPainter.h"
#include "engine/PsychroFun.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>
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

namespace {

// A layer that marks states as a layer of the window does: through the
// mapping it is given, knowing nothing of the style, and keeping the
// chart's labels off its marks.
class MarkLayer : public ChartLayer {
public:
    explicit MarkLayer(std::vector<StatePoint> states) : states_(std::move(states)) {}
    void paint(QPainter& painter, const LayerContext& context) const override {
        for (const StatePoint& s : states_)
            painter.fillRect(
                QRectF(context.mapping.toPixel(s.tdbF, s.wLbPerLb) - QPointF(3, 3), QSizeF(6, 6)),
                kColour);
    }
    void reserveLabelRoom(const QPainter& painter, LabelPlacer& labels,
                          const LayerContext& context) const override {
        static_cast<void>(painter);
        for (const StatePoint& s : states_)
            labels.blockMarker(context.mapping.toPixel(s.tdbF, s.wLbPerLb), 4.5);
    }
    static inline const QColor kColour{255, 0, 255};

private:
    std::vector<StatePoint> states_;
};

} // namespace

// A state drawn by a layer lies under the same pixel that the readout and a
// double click read back as that air, in the ASHRAE chart and in the
// Mollier diagram alike.
TEST_F(PsychroChartTest, StatesDrawnInBothStylesReadBackAsTheSameAir) {
    std::vector<StatePoint> states;
    for (const double t : {40.0, 60.0, 80.0, 100.0, 115.0}) {
        for (const double phi : {0.05, 0.3, 0.6, 0.95}) {
            const double w = psy::HumidityRatioFromRelativeHumidity(t, phi, kSeaLevel, "IP");
            if (chart.viewRange().contains(t, w))
                states.push_back({t, w});
        }
    }
    ASSERT_GE(states.size(), 15u);
    const MarkLayer layer(states);
    chart.addLayer(&layer);
    QSignalSpy picked(&chart, &PsychroChart::pointPicked);
    for (const ChartStyle style : {ChartStyle::Ashrae, ChartStyle::Mollier}) {
        chart.setStyle(style);
        ASSERT_EQ(chart.mapping().style(), style);
        const QImage image = chart.toImage();
        const ChartRange& r = chart.viewRange();
        // A copy: the mapping is returned by value, so a reference into it
        // would dangle after this line.
        const QRectF plot = chart.mapping().plot();
        // Half a pixel either way, in each quantity.
        const bool mollier = style == ChartStyle::Mollier;
        const double dt = 0.5 * r.width() / (mollier ? plot.height() : plot.width());
        const double dw = 0.5 * r.height() / (mollier ? plot.width() : plot.height());
        for (const StatePoint& s : states) {
            SCOPED_TRACE(testing::Message()
                         << (mollier ? "Mollier " : "ASHRAE ") << s.tdbF << " °F " << s.wLbPerLb);
            const QPoint at = PixelOf(s.tdbF, s.wLbPerLb);
            EXPECT_EQ(image.pixelColor(at), MarkLayer::kColour);
            MoveTo(at);
            ASSERT_TRUE(chart.hoverReadout().has_value());
            EXPECT_NEAR(chart.hoverReadout()->tdbF, s.tdbF, dt * (1 + 1e-9));
            EXPECT_NEAR(chart.hoverReadout()->w, s.wLbPerLb, dw * (1 + 1e-9));
            picked.clear();
            QTest::mouseDClick(&chart, Qt::LeftButton, Qt::NoModifier, at);
            if (chart.hoverReadout()->supersaturated)
                continue; // the pixel fell just beyond saturation
            ASSERT_EQ(picked.size(), 1);
            EXPECT_EQ(picked[0][0].toDouble(), chart.hoverReadout()->tdbF);
            EXPECT_EQ(picked[0][1].toDouble(), chart.hoverReadout()->w);
        }
    }
    chart.removeLayer(&layer);
}

TEST_F(PsychroChartTest, StyleActionsAreExclusiveAndKeepTheView) {
    QAction* ashrae = chart.styleAction(ChartStyle::Ashrae);
    QAction* mollier = chart.styleAction(ChartStyle::Mollier);
    ASSERT_TRUE(ashrae->isCheckable() && mollier->isCheckable());
    EXPECT_TRUE(ashrae->isChecked());
    EXPECT_EQ(ashrae->text(), QStringLiteral("A&SHRAE Chart"));
    EXPECT_EQ(mollier->text(), QStringLiteral("&Mollier h-x Diagram"));
    // The context menu holds them beside the chart's own commands: every
    // item answers to a key of its own.
    QSet<QChar> keys;
    for (const QAction* action :
         {chart.copyAction(), chart.saveAsAction(), chart.resetZoomAction(), ashrae, mollier}) {
        const qsizetype amp = action->text().indexOf(QLatin1Char('&'));
        ASSERT_GE(amp, 0) << action->text().toStdString();
        const QChar key = action->text().at(amp + 1).toLower();
        EXPECT_FALSE(keys.contains(key)) << action->text().toStdString();
        keys.insert(key);
    }

    chart.zoomAt(chart.mapping().plot().center(), 0.5);
    const ChartRange zoomed = chart.viewRange();
    chart.setState(StatePoint{75.0, 0.009});
    QSignalSpy changed(&chart, &PsychroChart::styleChanged);
    mollier->trigger();
    EXPECT_EQ(chart.style(), ChartStyle::Mollier);
    EXPECT_FALSE(ashrae->isChecked());
    EXPECT_EQ(changed.size(), 1);
    EXPECT_EQ(chart.viewRange(), zoomed);
    EXPECT_EQ(chart.state(), (StatePoint{75.0, 0.009}));
    // Choosing the style shown again changes nothing.
    mollier->trigger();
    chart.setStyle(ChartStyle::Mollier);
    EXPECT_EQ(changed.size(), 1);
    chart.setStyle(ChartStyle::Ashrae);
    EXPECT_TRUE(ashrae->isChecked());
    EXPECT_FALSE(mollier->isChecked());
    EXPECT_EQ(changed.size(), 2);
}

TEST_F(PsychroChartTest, ExportsTheStyleShown) {
    chart.setState(StatePoint{75.0, 0.009});
    const QImage ashrae = chart.toImage();
    chart.setStyle(ChartStyle::Mollier);
    const QImage mollier = chart.toImage();
    EXPECT_EQ(mollier.size(), ashrae.size());
    EXPECT_NE(mollier, ashrae);
    // The clipboard gets what the screen shows.
    QImage shown(chart.size(), QImage::Format_ARGB32_Premultiplied);
    chart.render(&shown);
    EXPECT_EQ(shown.convertToFormat(mollier.format()), mollier);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString png = dir.filePath(QStringLiteral("mollier.png"));
    const QString svg = dir.filePath(QStringLiteral("mollier.svg"));
    ASSERT_TRUE(chart.saveTo(png));
    ASSERT_TRUE(chart.saveTo(svg));
    QImage loaded;
    ASSERT_TRUE(loaded.load(png, "PNG"));
    EXPECT_EQ(loaded.convertToFormat(mollier.format()), mollier);
    QSvgRenderer renderer(svg);
    EXPECT_TRUE(renderer.isValid());
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("<title>Mollier h-x Diagram</title>"));
    EXPECT_TRUE(text.contains("Humidity ratio, lbm/lbm"));
}
