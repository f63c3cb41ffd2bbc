#include "chart/ChartMapping.h"

namespace chart {

namespace {

// `value` from `lo` to `lo + span` as a share of the span; 0 for no span.
double ShareOf(double value, double lo, double span) noexcept {
    return span > 0.0 ? (value - lo) / span : 0.0;
}

// A pixel from `start` over `length` as a share of the length; 0 for none.
double ShareAlong(double pixel, double start, double length) noexcept {
    return length > 0.0 ? (pixel - start) / length : 0.0;
}

} // namespace

QPointF ChartMapping::toPixel(double tF, double w) const noexcept {
    const double across = style_ == ChartStyle::Mollier ? ShareOf(w, range_.wMin, range_.height())
                                                        : ShareOf(tF, range_.tMinF, range_.width());
    const double up = style_ == ChartStyle::Mollier ? ShareOf(tF, range_.tMinF, range_.width())
                                                    : ShareOf(w, range_.wMin, range_.height());
    return {plot_.left() + across * plot_.width(), plot_.bottom() - up * plot_.height()};
}

QPointF ChartMapping::toData(QPointF pixel) const noexcept {
    const double across = ShareAlong(pixel.x(), plot_.left(), plot_.width());
    const double up = ShareAlong(plot_.bottom(), pixel.y(), plot_.height());
    if (style_ == ChartStyle::Mollier)
        return {range_.tMinF + up * range_.width(), range_.wMin + across * range_.height()};
    return {range_.tMinF + across * range_.width(), range_.wMin + up * range_.height()};
}

bool ChartMapping::onPlot(QPointF pixel) const noexcept {
    return pixel.x() >= plot_.left() && pixel.x() <= plot_.right() && pixel.y() >= plot_.top() &&
           pixel.y() <= plot_.bottom();
}

QRectF PlotRectFor(const QRectF& area, const QFontMetricsF& metrics, ChartStyle style) {
    const double line = metrics.height();
    const double digit = metrics.horizontalAdvance(QLatin1Char('0'));
    // The scale beside the plot: up to seven digits of humidity ratio, or a
    // signed dry bulb of three, with its title turned along the axis.
    const double sideScale =
        style == ChartStyle::Mollier ? 5.0 * digit + 2.5 * line : 9.0 * digit + 2.5 * line;
    const double left = style == ChartStyle::Mollier ? sideScale : 4.0 * digit;
    const double right = style == ChartStyle::Mollier ? 3.0 * digit : sideScale;
    const double top = 2.2 * line;
    const double bottom = 3.2 * line;
    QRectF plot = area.adjusted(left, top, -right, -bottom);
    // A window too small for the margins still gets a (tiny) plot.
    if (plot.width() < 1.0)
        plot.setWidth(1.0);
    if (plot.height() < 1.0)
        plot.setHeight(1.0);
    return plot.normalized();
}

} // namespace chart
