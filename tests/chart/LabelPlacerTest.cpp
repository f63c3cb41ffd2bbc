// Labels of the chart: none covers another or a blocked marker, they stay
// on the plot, moved ones get a leader, and a crowd ends in shortened or
// dropped labels rather than overlaps.

#include "chart/LabelPlacer.h"

#include "chart/ChartLayer.h"
#include "chart/ChartPainter.h"
#include "chart/PsychroChart.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace chart;

namespace {

QFontMetricsF Metrics() {
    QFont font;
    font.setPixelSize(12);
    return QFontMetricsF(font);
}

// No two boxes of `labels` overlap, none covers a blocked area, all lie in
// the bounds.
void ExpectApart(const LabelPlacer& placer) {
    const auto& boxes = placer.labels();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_TRUE(placer.bounds().contains(boxes[i])) << i;
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
            EXPECT_FALSE(boxes[i].intersects(boxes[j])) << i << " and " << j;
        for (const QRectF& area : placer.blocked())
            EXPECT_FALSE(boxes[i].intersects(area)) << i;
    }
}

} // namespace

TEST(LabelPlacer, LabelsAtOneSpotSpreadOutWithLeaders) {
    LabelPlacer placer(QRectF(0, 0, 600, 400));
    const QPointF spot(300, 200);
    placer.blockMarker(spot, 5.0);
    std::vector<std::optional<PlacedLabel>> placed;
    for (int i = 0; i < 12; ++i)
        placed.push_back(placer.place(QStringLiteral("Point %1").arg(i), spot, Metrics(), 7.0));
    ExpectApart(placer);
    ASSERT_TRUE(placed.front().has_value());
    // The first sits right beside its anchor; the ones pushed further out
    // point back at it.
    EXPECT_FALSE(placed.front()->leader.has_value());
    int withLeader = 0;
    for (const auto& label : placed) {
        ASSERT_TRUE(label.has_value());
        EXPECT_EQ(label->text.left(6), QStringLiteral("Point "));
        if (label->leader) {
            ++withLeader;
            EXPECT_LT(QLineF(label->leader->p2(), spot).length(), 200.0);
        }
    }
    EXPECT_GT(withLeader, 0);
}

TEST(LabelPlacer, ACrowdIsShortenedThenDroppedNeverOverlapped) {
    // Too narrow for the whole name, wide enough for a shortened one.
    {
        LabelPlacer placer(QRectF(0, 0, 80, 40));
        const auto label =
            placer.place(QStringLiteral("A rather long name"), QPointF(40, 25), Metrics(), 3.0);
        ASSERT_TRUE(label.has_value());
        EXPECT_TRUE(label->text.endsWith(QChar(0x2026))) << label->text.toStdString();
        EXPECT_TRUE(QStringLiteral("A rather long name").startsWith(label->text.chopped(1)));
    }
    // A plot with room for a few labels only.
    LabelPlacer placer(QRectF(0, 0, 140, 60));
    int placedCount = 0;
    for (int i = 0; i < 40; ++i) {
        const QString text = QStringLiteral("A rather long name %1").arg(i);
        if (placer.place(text, QPointF(70, 30), Metrics(), 3.0))
            ++placedCount;
    }
    ExpectApart(placer);
    EXPECT_GT(placedCount, 0);
    EXPECT_LT(placedCount, 40);
}

TEST(LabelPlacer, SameLabelsLandInTheSamePlaces) {
    const auto run = [] {
        LabelPlacer placer(QRectF(0, 0, 500, 300));
        for (int i = 0; i < 25; ++i)
            placer.place(QStringLiteral("P%1").arg(i), QPointF(100 + 7 * (i % 5), 150 + 5 * i),
                         Metrics(), 6.0, i % 2 == 0 ? LabelSide::AboveRight : LabelSide::Above);
        return placer.labels();
    };
    EXPECT_EQ(run(), run());
}

TEST(LabelPlacer, NothingOffThePlotOrOverAMarker) {
    LabelPlacer placer(QRectF(10, 10, 300, 200));
    // Anchors in the corners and beyond the edge, a row of markers; all
    // markers are known before the first label, as the chart does it.
    const QPointF corners[] = {QPointF(12, 12), QPointF(308, 208), QPointF(400, 100)};
    for (const QPointF at : corners)
        placer.blockMarker(at, 5.0);
    for (double x = 40; x < 300; x += 30)
        placer.blockMarker(QPointF(x, 110), 5.0);
    for (const QPointF at : corners)
        placer.place(QStringLiteral("Corner"), at, Metrics(), 7.0);
    for (double x = 40; x < 300; x += 30)
        placer.place(QStringLiteral("Row"), QPointF(x, 110), Metrics(), 7.0);
    EXPECT_FALSE(placer.takeIfFree(QRectF(35, 105, 10, 10))); // on a marker
    EXPECT_FALSE(placer.takeIfFree(QRectF(5, 50, 20, 10)));   // across the edge
    ExpectApart(placer);
    // Empty texts and anchors that are no numbers take nothing.
    const std::size_t before = placer.labels().size();
    EXPECT_FALSE(placer.place(QString(), QPointF(100, 100), Metrics(), 5.0));
    EXPECT_FALSE(placer.place(QStringLiteral("x"), QPointF(qQNaN(), 100), Metrics(), 5.0));
    EXPECT_EQ(placer.labels().size(), before);
}

TEST(LabelPlacer, TheChartsOwnLabelsKeepClearOfTheStateAndTheLegend) {
    // Every line label, the legend and the state's label on a small chart,
    // where many line labels must give way, in both styles: the Mollier
    // diagram's enthalpy labels along the edges and its wet-bulb labels go
    // through the same placer.
    PsychroChart chart;
    chart.setState(StatePoint{75.0, 0.0093});
    for (const ChartStyle style : {ChartStyle::Ashrae, ChartStyle::Mollier}) {
        for (const QSize size : {QSize(900, 600), QSize(420, 300)}) {
            LabelPlacer placed(QRectF{});
            ChartScene scene{&chart.lines(), chart.state(), {}, &placed, style};
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&image);
            PaintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene,
                       ColorsFor(chart.palette()));
            painter.end();
            SCOPED_TRACE(testing::Message()
                         << ChartStyleName(style).toStdString() << " " << size.width());
            EXPECT_GT(placed.labels().size(), 5u);
            ExpectApart(placed);
        }
    }
}

namespace {

// A layer that covers the whole plot in one colour and lets no label on it,
// as a crowd of markers would.
class CoverLayer : public ChartLayer {
public:
    void paint(QPainter& painter, const LayerContext& context) const override {
        painter.fillRect(context.mapping.plot(), kColour);
    }
    void reserveLabelRoom(const QPainter& painter, LabelPlacer& labels,
                          const LayerContext& context) const override {
        static_cast<void>(painter);
        labels.block(context.mapping.plot());
    }
    static inline const QColor kColour{255, 0, 255};
};

} // namespace

// No label of the chart's lines is drawn but through the placer: where a
// layer leaves no room, none is drawn over it, in either style.
TEST(LabelPlacer, NoLineLabelIsDrawnWhereALayerLeavesNoRoom) {
    PsychroChart chart;
    const CoverLayer cover;
    for (const ChartStyle style : {ChartStyle::Ashrae, ChartStyle::Mollier}) {
        SCOPED_TRACE(ChartStyleName(style).toStdString());
        LabelPlacer placed(QRectF{});
        const ChartScene scene{&chart.lines(), std::nullopt, {&cover}, &placed, style};
        const QSize size(900, 600);
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        PaintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene, ColorsFor(chart.palette()));
        painter.end();
        EXPECT_TRUE(placed.labels().empty());
        // Inside the plot's frame every pixel is still the layer's.
        const QRect inside = placed.bounds().toAlignedRect().adjusted(2, 2, -2, -2);
        int covered = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                covered += image.pixelColor(x, y) != CoverLayer::kColour ? 1 : 0;
        EXPECT_EQ(covered, 0);
    }
}
