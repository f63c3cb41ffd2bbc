#include "chart/ChartMapping.h"

namespace chart {

double ChartMapping::xOf(double tF) const noexcept {
    const double span = range_.width();
    return span > 0.0 ? plot_.left() + (tF - range_.tMinF) / span * plot_.width() : plot_.left();
}

double ChartMapping::yOf(double w) const noexcept {
    const double span = range_.height();
    return span > 0.0 ? plot_.bottom() - (w - range_.wMin) / span * plot_.height() : plot_.bottom();
}

QPointF ChartMapping::toPixel(double tF, double w) const noexcept {
    return {xOf(tF), yOf(w)};
}

QPointF ChartMapping::toData(QPointF pixel) const noexcept {
    const double fx = plot_.width() > 0.0 ? (pixel.x() - plot_.left()) / plot_.width() : 0.0;
    const double fy = plot_.height() > 0.0 ? (plot_.bottom() - pixel.y()) / plot_.height() : 0.0;
    return {range_.tMinF + fx * range_.width(), range_.wMin + fy * range_.height()};
}

bool ChartMapping::onPlot(QPointF pixel) const noexcept {
    return pixel.x() >= plot_.left() && pixel.x() <= plot_.right() && pixel.y() >= plot_.top() &&
           pixel.y() <= plot_.bottom();
}

QRectF PlotRectFor(const QRectF& area, const QFontMetricsF& metrics) {
    const double line = metrics.height();
    const double digit = metrics.horizontalAdvance(QLatin1Char('0'));
    const double left = 4.0 * digit;
    const double right = 9.0 * digit + 2.5 * line;
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
