// The hours of a year on the chart read alike in the ASHRAE chart and the
// Mollier diagram: density cells about square on the screen whichever way
// the axes run, and the legend beyond saturation, clear of the chart's own
// legend and of every hour.

#include "weatherview/WeatherLayers.h"

#include "chart/ChartPainter.h"
#include "chart/PsychroChart.h"
#include "engine/PsychroFun.h"
#include "tests/weather/WeatherTestData.h"
#include "weather/WeatherFile.h"

#include <QImage>
#include <QLineF>
#include <QPainter>

#include <gtest/gtest.h>

using namespace chart;
namespace psy = basPsychroFun;
namespace td = weather::testdata;

namespace {

constexpr double kSeaLevel = 14.696; // psia

const weather::WeatherFile& Chicago() {
    static const weather::WeatherFile file = weather::LoadWeatherFile(td::kChicagoEpw, kSeaLevel);
    return file;
}

// The blocked areas of a painting of `layers` over the chart's lines.
std::vector<QRectF> Blocked(const PsychroChart& chart, std::vector<const ChartLayer*> layers,
                            ChartStyle style, QImage& image) {
    LabelPlacer placed(QRectF{});
    const ChartScene scene{&chart.lines(), std::nullopt, std::move(layers), &placed, style};
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(painter, QRectF(image.rect()), scene, ColorsFor(chart.palette()));
    painter.end();
    return placed.blocked();
}

} // namespace

// Each cell spans about kDensityCellPixels along both screen axes, whichever
// quantity runs across: on a wide plot and on a tall one, in both styles.
TEST(WeatherLayers, DensityCellsAreSizedAlongTheAxisEachQuantityRuns) {
    const ChartRange range{20.0, 110.0, 0.0, 0.03};
    struct Case {
        ChartStyle style;
        QSizeF plot;
    };
    const Case cases[] = {
        {ChartStyle::Ashrae, {800, 300}},
        {ChartStyle::Ashrae, {300, 800}},
        {ChartStyle::Mollier, {800, 300}},
        {ChartStyle::Mollier, {300, 800}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << ChartStyleName(c.style).toStdString() << " "
                                        << c.plot.width() << " x " << c.plot.height());
        const ChartMapping m(QRectF(QPointF(40, 30), c.plot), range, c.style);
        const weather::GridAxes axes = DensityAxesFor(m);
        ASSERT_GE(axes.columns, 1);
        ASSERT_GE(axes.rows, 1);
        EXPECT_EQ(axes.minDryBulbF, range.tMinF);
        EXPECT_EQ(axes.maxDryBulbF, range.tMaxF);
        EXPECT_EQ(axes.minHumidityRatio, range.wMin);
        EXPECT_EQ(axes.maxHumidityRatio, range.wMax);
        // One cell at the origin, measured on the screen.
        const double dt = range.width() / axes.columns;
        const double dw = range.height() / axes.rows;
        const QPointF origin = m.toPixel(range.tMinF, range.wMin);
        const double dryBulbPixels =
            QLineF(origin, m.toPixel(range.tMinF + dt, range.wMin)).length();
        const double humidityPixels =
            QLineF(origin, m.toPixel(range.tMinF, range.wMin + dw)).length();
        EXPECT_GE(dryBulbPixels, kDensityCellPixels);
        EXPECT_GE(humidityPixels, kDensityCellPixels);
        EXPECT_LT(humidityPixels, 2.0 * kDensityCellPixels);
        // No narrower than 1 K; no coarser than either limit makes it.
        EXPECT_GE(dt, 1.8 - 1e-9);
        EXPECT_TRUE(dryBulbPixels < 2.0 * kDensityCellPixels || dt < 2.0 * 1.8);
    }
    // A plot with no room still gets one cell each way.
    const weather::GridAxes none =
        DensityAxesFor(ChartMapping(QRectF(), range, ChartStyle::Mollier));
    EXPECT_EQ(none.columns, 1);
    EXPECT_EQ(none.rows, 1);
}

// The legend of the hours lies beyond saturation, clear of the chart's
// legend, over no hour of the year, and is drawn where it was reserved: in
// both styles and for both displays.
TEST(WeatherLayers, TheLegendStaysBeyondSaturationInBothStyles) {
    ASSERT_FALSE(Chicago().hours.empty());
    PsychroChart chart;
    chart.setAtmosphere(kSeaLevel);
    HoursLayer hours;
    hours.setHours(Chicago().hours);
    const ChartRange& range = chart.viewRange();
    for (const ChartStyle style : {ChartStyle::Ashrae, ChartStyle::Mollier}) {
        for (const HoursDisplay display : {HoursDisplay::Density, HoursDisplay::MonthDots}) {
            SCOPED_TRACE(testing::Message() << ChartStyleName(style).toStdString() << " "
                                            << static_cast<int>(display));
            hours.setDisplay(display);
            QImage image(QSize(900, 600), QImage::Format_ARGB32_Premultiplied);
            const std::vector<QRectF> chartOnly = Blocked(chart, {}, style, image);
            const std::vector<QRectF> withHours = Blocked(chart, {&hours}, style, image);
            // The chart's legend, then the hours'.
            ASSERT_EQ(chartOnly.size(), 1u);
            ASSERT_EQ(withHours.size(), 2u);
            ASSERT_EQ(withHours[0], chartOnly[0]);
            const QRectF legend = withHours[1];
            EXPECT_FALSE(legend.intersects(chartOnly[0]));

            LabelPlacer bounds(QRectF{});
            const ChartScene scene{&chart.lines(), std::nullopt, {}, &bounds, style};
            QImage scratch(image.size(), QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&scratch);
            PaintChart(painter, QRectF(scratch.rect()), scene, ColorsFor(chart.palette()));
            painter.end();
            const ChartMapping m(bounds.bounds(), range, style);
            EXPECT_TRUE(m.plot().contains(legend));
            // Every corner is supersaturated air, so the whole box is.
            for (const QPointF corner :
                 {legend.topLeft(), legend.topRight(), legend.bottomLeft(), legend.bottomRight()}) {
                const QPointF air = m.toData(corner);
                EXPECT_GT(air.y(),
                          psy::HumidityRatioFromRelativeHumidity(air.x(), 1.0, kSeaLevel, "IP"));
            }
            int under = 0;
            for (const weather::Hour& hour : Chicago().hours) {
                if (range.contains(hour.dryBulbF, hour.humidityRatio))
                    under += legend.contains(m.toPixel(hour.dryBulbF, hour.humidityRatio)) ? 1 : 0;
            }
            EXPECT_EQ(under, 0);
            // Its black text is in the box reserved for it.
            int dark = 0;
            const QRect inside = legend.toAlignedRect().adjusted(2, 2, -2, -2);
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x)
                    dark += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
            EXPECT_GT(dark, 20);
        }
    }
}
