#pragma once

// LabelPlacer: where the labels of one painting of the chart go, so that no
// label covers another label, a marker or a legend. The chart makes one for
// each painting and hands it to every layer (LayerContext::labels), so the
// names of a weather file's zones keep clear of a project's points as well
// as of each other, on the screen, in the exports and in the report alike.
//
// Each label is tried at places around its anchor, nearest first and in a
// fixed order of sides; the first place that lies on the plot and clear of
// everything placed or blocked so far is taken. A label moved away from its
// anchor gets a leader line back to it; one that finds no place is tried
// again shortened, and is left out when even that finds none. Greedy and
// deterministic: the same labels in the same order land in the same places.

#include <optional>
#include <vector>

#include <QFontMetricsF>
#include <QLineF>
#include <QRectF>
#include <QString>

class QColor;
class QPainter;

namespace chart {

// Which side of its anchor a label tries first: beside a point's marker, up
// and to the right; above an outline's top edge, over its middle.
enum class LabelSide { AboveRight, Above };

struct PlacedLabel {
    QRectF box;   // the text with its patch, pixels
    QString text; // as drawn: whole, or shortened with an ellipsis
    // From the anchor to the box, when the label stands away from it.
    std::optional<QLineF> leader;
};

class LabelPlacer {
public:
    // Labels stay within `bounds` (the plot).
    explicit LabelPlacer(const QRectF& bounds) : bounds_(bounds) {}

    [[nodiscard]] const QRectF& bounds() const noexcept { return bounds_; }

    // An area no label may cover: a marker, a legend.
    void block(const QRectF& area);
    // A round marker of `radius` pixels about `centre`.
    void blockMarker(QPointF centre, double radius);

    // Whether `box` lies within the bounds and clear of every label and
    // blocked area.
    [[nodiscard]] bool isFree(const QRectF& box) const;
    // Takes `box` for a label when it is free; false, taking nothing, when
    // it is not.
    bool takeIfFree(const QRectF& box);

    // Finds a place for `text`, drawn in `metrics`, near `anchor`, at least
    // `clearance` pixels from it (a marker's radius and a gap), and takes it.
    // Nothing when there is no room even for a shortened text.
    std::optional<PlacedLabel> place(const QString& text, QPointF anchor,
                                     const QFontMetricsF& metrics, double clearance,
                                     LabelSide side = LabelSide::AboveRight);

    // The boxes of the labels taken so far, in order, and the areas blocked.
    [[nodiscard]] const std::vector<QRectF>& labels() const noexcept { return labels_; }
    [[nodiscard]] const std::vector<QRectF>& blocked() const noexcept { return blocked_; }

private:
    [[nodiscard]] std::optional<PlacedLabel> tryPlace(const QString& text, QPointF anchor,
                                                      const QFontMetricsF& metrics,
                                                      double clearance, LabelSide side) const;

    QRectF bounds_;
    std::vector<QRectF> labels_;
    std::vector<QRectF> blocked_;
};

// Padding, pixels, on each side of a label's text inside its box.
inline constexpr double kLabelPadding = 2.0;

// The label's leader (thin, in `colour`), a patch of `patch` behind its text
// and the text in `colour`, in the painter's font.
void DrawPlacedLabel(QPainter& painter, const PlacedLabel& label, const QColor& colour,
                     const QColor& patch);

} // namespace chart
