#pragma once

// Data <-> pixel mapping of the chart's plot area, and where that area lies in
// a painted rectangle. Both the painting and the mouse handling use these, so
// a point under the cursor is exactly the point drawn there.

#include "chart/ChartRange.h"

#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>

namespace chart {

class ChartMapping {
public:
    ChartMapping() = default;
    ChartMapping(const QRectF& plot, const ChartRange& range) : plot_(plot), range_(range) {}

    [[nodiscard]] const QRectF& plot() const noexcept { return plot_; }
    [[nodiscard]] const ChartRange& range() const noexcept { return range_; }

    // Data (dry bulb °F, humidity ratio lb/lb) to pixel, and back.
    [[nodiscard]] QPointF toPixel(double tF, double w) const noexcept;
    [[nodiscard]] QPointF toPixel(QPointF data) const noexcept {
        return toPixel(data.x(), data.y());
    }
    [[nodiscard]] QPointF toData(QPointF pixel) const noexcept;
    [[nodiscard]] double xOf(double tF) const noexcept;
    [[nodiscard]] double yOf(double w) const noexcept;

    // Whether a pixel lies on the plot area, edges included.
    [[nodiscard]] bool onPlot(QPointF pixel) const noexcept;

private:
    QRectF plot_;
    ChartRange range_;
};

// The plot area inside `area`: room on the left for the enthalpy labels, at
// the right for the humidity-ratio scale, below for the dry-bulb scale and
// above for the title, all measured in lines of the given font.
QRectF PlotRectFor(const QRectF& area, const QFontMetricsF& metrics);

} // namespace chart
