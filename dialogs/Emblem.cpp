#include "dialogs/Emblem.h"

#include <algorithm>
#include <cmath>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace dialogs {
namespace {

// The chart is drawn in a unit square: x is the dry bulb (0 cold, 1 hot),
// y the humidity ratio (0 dry, 1 humid), y growing upwards.
double SaturationCurve(double x) {
    // The shape of the saturation humidity ratio against dry bulb: it grows
    // roughly exponentially; scaled to pass through (0, 0.04) and (1, 0.9).
    constexpr double kGrowth = 3.0;
    return 0.04 + 0.86 * (std::exp(kGrowth * x) - 1.0) / (std::exp(kGrowth) - 1.0);
}

void DrawChart(QPainter& painter, const QRectF& area) {
    const auto toPoint = [&area](double x, double y) {
        return QPointF(area.left() + x * area.width(), area.bottom() - y * area.height());
    };

    // Axes: dry bulb along the bottom, humidity ratio up the right-hand side.
    painter.setPen(QPen(QColor(255, 255, 255, 200), area.width() / 60.0));
    painter.drawLine(toPoint(0, 0), toPoint(1, 0));
    painter.drawLine(toPoint(1, 0), toPoint(1, 1));

    // Lines of constant wet bulb run from the saturation curve down to the right.
    painter.setPen(QPen(QColor(255, 255, 255, 110), area.width() / 90.0));
    for (const double start : {0.2, 0.4, 0.6, 0.8}) {
        const double y = SaturationCurve(start);
        const double end = std::min(1.0, start + y * 0.55);
        painter.drawLine(toPoint(start, y), toPoint(end, std::max(0.0, y - (end - start) * 1.8)));
    }

    QPainterPath curve;
    curve.moveTo(toPoint(0, SaturationCurve(0)));
    constexpr int kSteps = 32;
    for (int i = 1; i <= kSteps; ++i) {
        const double x = static_cast<double>(i) / kSteps;
        curve.lineTo(toPoint(x, SaturationCurve(x)));
    }
    painter.setPen(QPen(QColor(255, 255, 255), area.width() / 35.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(curve);
}

void DrawDrop(QPainter& painter, const QRectF& box) {
    QPainterPath drop;
    const QPointF tip(box.center().x(), box.top());
    drop.moveTo(tip);
    drop.cubicTo(QPointF(box.right(), box.top() + box.height() * 0.45),
                 QPointF(box.right(), box.bottom()), QPointF(box.center().x(), box.bottom()));
    drop.cubicTo(QPointF(box.left(), box.bottom()),
                 QPointF(box.left(), box.top() + box.height() * 0.45), tip);
    QLinearGradient water(box.topLeft(), box.bottomRight());
    water.setColorAt(0.0, QColor(190, 235, 255));
    water.setColorAt(1.0, QColor(40, 140, 220));
    painter.setPen(QPen(QColor(255, 255, 255), box.width() / 12.0));
    painter.setBrush(water);
    painter.drawPath(drop);
}

} // namespace

QPixmap DrawEmblem(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF tile(0.5, 0.5, side - 1.0, side - 1.0);
    QLinearGradient sky(tile.topLeft(), tile.bottomLeft());
    sky.setColorAt(0.0, QColor(34, 120, 140));
    sky.setColorAt(1.0, QColor(16, 60, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(tile, side * 0.18, side * 0.18);

    const double margin = side * 0.16;
    DrawChart(painter, tile.adjusted(margin, margin, -margin, -margin));
    DrawDrop(painter, QRectF(side * 0.17, side * 0.14, side * 0.26, side * 0.36));
    return pixmap;
}

QIcon EmblemIcon() {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(DrawEmblem(side));
    }
    return icon;
}

} // namespace dialogs
