#pragma once

// Data <-> pixel mapping of the chart's plot area, and where that area lies in
// a painted rectangle. Both the painting and the mouse handling use these, so
// a point under the cursor is exactly the point drawn there.
//
// Data are always dry bulb (°F) and humidity ratio (lb/lb); the style decides
// which runs across: in the ASHRAE chart the dry bulb grows to the right and
// the humidity ratio upwards, in the Mollier h-x diagram the humidity ratio
// grows to the right and the dry bulb upwards. Both axes are linear in either
// style, so a straight line between two states stays straight, and divides
// alike, on the screen.

#include "chart/ChartRange.h"
#include "chart/ChartStyle.h"

#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>

namespace chart {

class ChartMapping {
public:
    ChartMapping() = default;
    ChartMapping(const QRectF& plot, const ChartRange& range, ChartStyle style = ChartStyle::Ashrae)
        : plot_(plot), range_(range), style_(style) {}

    [[nodiscard]] const QRectF& plot() const noexcept { return plot_; }
    [[nodiscard]] const ChartRange& range() const noexcept { return range_; }
    [[nodiscard]] ChartStyle style() const noexcept { return style_; }

    // Data (dry bulb °F, humidity ratio lb/lb) to pixel, and back.
    [[nodiscard]] QPointF toPixel(double tF, double w) const noexcept;
    [[nodiscard]] QPointF toPixel(QPointF data) const noexcept {
        return toPixel(data.x(), data.y());
    }
    [[nodiscard]] QPointF toData(QPointF pixel) const noexcept;

    // Whether a pixel lies on the plot area, edges included.
    [[nodiscard]] bool onPlot(QPointF pixel) const noexcept;

private:
    QRectF plot_;
    ChartRange range_;
    ChartStyle style_ = ChartStyle::Ashrae;
};

// The plot area inside `area`, with room around it measured in lines of the
// given font. ASHRAE: the dry-bulb scale below, the humidity-ratio scale at
// the right, a little room at the left and the title above. Mollier: the
// humidity-ratio scale below, the dry-bulb scale at the left, a little room
// at the right and the title above.
QRectF PlotRectFor(const QRectF& area, const QFontMetricsF& metrics,
                   ChartStyle style = ChartStyle::Ashrae);

} // namespace chart
