#include "chart/LabelPlacer.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QColor>
#include <QPainter>
#include <QPen>

namespace chart {

namespace {

struct Direction {
    int dx; // -1 left of the anchor, 0 centred on it, 1 right of it
    int dy; // -1 above, 0 centred, 1 below (pixels grow downwards)
};

// The sides tried, in order, for each preference.
constexpr std::array<Direction, 8> kBesideOrder{
    {{1, -1}, {1, 0}, {1, 1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}}};
constexpr std::array<Direction, 8> kAboveOrder{
    {{0, -1}, {0, 1}, {1, -1}, {-1, -1}, {1, 0}, {-1, 0}, {1, 1}, {-1, 1}}};

// Distances from the anchor tried, beyond the clearance, in lines of text.
constexpr std::array<double, 6> kRings{0.0, 1.0, 2.0, 3.5, 5.5, 8.0};

// Shorter texts tried when the whole one finds no place: shares of its width.
constexpr std::array<double, 2> kShortenings{0.6, 0.35};

QRectF BoxAt(QPointF anchor, QSizeF size, Direction d, double distance) {
    QRectF box(QPointF(0, 0), size);
    switch (d.dx) {
    case 1:
        box.moveLeft(anchor.x() + distance);
        break;
    case -1:
        box.moveRight(anchor.x() - distance);
        break;
    default:
        box.moveLeft(anchor.x() - size.width() / 2.0);
        break;
    }
    // Diagonal places sit a little closer in height: a label up and to the
    // right reads as belonging to the point below its left end.
    const double vertical = d.dx == 0 ? distance : std::max(0.0, distance - 2.0);
    switch (d.dy) {
    case -1:
        box.moveBottom(anchor.y() - vertical);
        break;
    case 1:
        box.moveTop(anchor.y() + vertical);
        break;
    default:
        box.moveTop(anchor.y() - size.height() / 2.0);
        break;
    }
    return box;
}

// The point of `box` nearest to `p`.
QPointF NearestOn(const QRectF& box, QPointF p) {
    return {std::clamp(p.x(), box.left(), box.right()), std::clamp(p.y(), box.top(), box.bottom())};
}

bool Crosses(const QLineF& line, const QRectF& box) {
    if (box.contains(line.p1()) || box.contains(line.p2()))
        return true;
    const QLineF sides[] = {{box.topLeft(), box.topRight()},
                            {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()},
                            {box.bottomLeft(), box.topLeft()}};
    for (const QLineF& side : sides) {
        if (line.intersects(side, nullptr) == QLineF::BoundedIntersection)
            return true;
    }
    return false;
}

} // namespace

void LabelPlacer::block(const QRectF& area) {
    if (!area.isEmpty())
        blocked_.push_back(area);
}

void LabelPlacer::blockMarker(QPointF centre, double radius) {
    block(QRectF(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius));
}

bool LabelPlacer::isFree(const QRectF& box) const {
    if (!bounds_.contains(box))
        return false;
    const auto hits = [&box](const QRectF& other) { return other.intersects(box); };
    return std::none_of(labels_.begin(), labels_.end(), hits) &&
           std::none_of(blocked_.begin(), blocked_.end(), hits);
}

bool LabelPlacer::takeIfFree(const QRectF& box) {
    if (!isFree(box))
        return false;
    labels_.push_back(box);
    return true;
}

std::optional<PlacedLabel> LabelPlacer::tryPlace(const QString& text, QPointF anchor,
                                                 const QFontMetricsF& metrics, double clearance,
                                                 LabelSide side) const {
    const QSizeF size(metrics.horizontalAdvance(text) + 2.0 * kLabelPadding, metrics.height());
    const auto& order = side == LabelSide::Above ? kAboveOrder : kBesideOrder;
    // First a place whose leader crosses no other label; in a crowd, where
    // there is none, the nearest free place whatever its leader crosses.
    for (const bool leaderClear : {true, false}) {
        for (std::size_t ring = 0; ring < kRings.size(); ++ring) {
            const double distance = clearance + kRings[ring] * metrics.height();
            for (const Direction d : order) {
                const QRectF box = BoxAt(anchor, size, d, distance);
                if (!isFree(box))
                    continue;
                PlacedLabel placed{box, text, std::nullopt};
                if (ring > 0) {
                    // The leader starts outside the marker.
                    QLineF leader(anchor, NearestOn(box, anchor));
                    if (leader.length() > clearance)
                        leader.setP1(leader.pointAt(0.6 * clearance / leader.length()));
                    const auto crosses = [&leader](const QRectF& other) {
                        return Crosses(leader, other);
                    };
                    if (leaderClear && std::any_of(labels_.begin(), labels_.end(), crosses))
                        continue;
                    placed.leader = leader;
                }
                return placed;
            }
        }
    }
    return std::nullopt;
}

std::optional<PlacedLabel> LabelPlacer::place(const QString& text, QPointF anchor,
                                              const QFontMetricsF& metrics, double clearance,
                                              LabelSide side) {
    if (text.isEmpty() || !std::isfinite(anchor.x()) || !std::isfinite(anchor.y()))
        return std::nullopt;
    std::optional<PlacedLabel> placed = tryPlace(text, anchor, metrics, clearance, side);
    const double width = metrics.horizontalAdvance(text);
    for (const double share : kShortenings) {
        if (placed)
            break;
        const QString shorter = metrics.elidedText(text, Qt::ElideRight, share * width);
        // A lone ellipsis says nothing: leave the label out instead.
        if (shorter.size() < 2 || shorter == text)
            continue;
        placed = tryPlace(shorter, anchor, metrics, clearance, side);
    }
    if (placed)
        labels_.push_back(placed->box);
    return placed;
}

void DrawPlacedLabel(QPainter& painter, const PlacedLabel& label, const QColor& colour,
                     const QColor& patch) {
    if (label.leader) {
        painter.setPen(QPen(colour, 0.8));
        painter.drawLine(*label.leader);
    }
    painter.fillRect(label.box, patch);
    painter.setPen(colour);
    painter.drawText(label.box.adjusted(kLabelPadding, 0, -kLabelPadding, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, label.text);
}

} // namespace chart
