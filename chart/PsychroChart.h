#pragma once

// PsychroChart: a live psychrometric chart widget.
//
// The owner feeds it the atmospheric pressure (psia), the unit system and the
// current state (dry bulb °F, humidity ratio lb/lb, the calculator's base
// units); the chart draws its lines from the engine for that pressure, in the
// active system's units, and marks the state. Hovering shows the properties
// of the point under the cursor; a double click hands that point back through
// pointPicked(). The wheel zooms about the cursor, "Reset Zoom" (context menu,
// Home) goes back to the default range; the context menu also copies the
// chart to the clipboard, saves it as PNG or SVG, and switches between the
// ASHRAE chart and the Mollier h-x diagram (ChartStyle.h): the same air, the
// same view and layers, drawn the other way round.
//
// Lines are computed once per pressure, unit system and range (ChartLines),
// the chart without the hover readout is kept as a pixmap, and moving the
// mouse repaints only that pixmap and the readout over it.

#include "chart/ChartLayer.h"
#include "chart/ChartLines.h"
#include "chart/ChartMapping.h"
#include "chart/ChartStyle.h"
#include "chart/ChartUnits.h"
#include "chart/HoverReadout.h"
#include "chart/StatePoint.h"

#include <optional>
#include <vector>

#include <QPixmap>
#include <QWidget>

class QAction;
class QPainter;

namespace chart {

struct ChartScene;
struct ExportStyle;

class PsychroChart : public QWidget {
    Q_OBJECT

public:
    explicit PsychroChart(QWidget* parent = nullptr);

    // Pressures that are not positive finite numbers draw the frame and a
    // note instead of lines.
    void setAtmosphere(double patmPsia);
    // A change of system also goes back to that system's default range.
    void setUnitSystem(UnitSystem units);
    // The state to mark; std::nullopt removes the mark.
    void setState(std::optional<StatePoint> state);
    // The view, the layers and the state stay as they are.
    void setStyle(ChartStyle style);

    [[nodiscard]] double atmosphere() const noexcept { return patmPsia_; }
    [[nodiscard]] UnitSystem unitSystem() const noexcept { return units_; }
    [[nodiscard]] const std::optional<StatePoint>& state() const noexcept { return state_; }
    [[nodiscard]] ChartStyle style() const noexcept { return style_; }

    // Layers drawn over the lines (ChartLayer.h), in the order added, or
    // under all others for a background such as the hours of a year; the
    // caller keeps ownership and removes a layer before destroying it.
    // Adding one already there, or removing one that is not, does nothing.
    enum class LayerPlace { Top, Bottom };
    void addLayer(const ChartLayer* layer, LayerPlace place = LayerPlace::Top);
    void removeLayer(const ChartLayer* layer);
    [[nodiscard]] const std::vector<const ChartLayer*>& layers() const noexcept { return layers_; }
    // What a layer draws has changed: repaint.
    void layerChanged() { invalidate(); }

    // The part of the plane shown, in base units (°F, lb/lb).
    [[nodiscard]] const ChartRange& viewRange() const noexcept { return range_; }
    void setViewRange(const ChartRange& range);
    void resetZoom();
    // Scales the view about the data point under `pixel`; below 1 zooms in.
    void zoomAt(QPointF pixel, double factor);

    // Where the plot lies in the widget at its present size.
    [[nodiscard]] ChartMapping mapping() const;
    // The lines drawn at present.
    [[nodiscard]] const ChartLines& lines() const;
    // The readout of the point under the cursor, if any.
    [[nodiscard]] const std::optional<HoverReadout>& hoverReadout() const noexcept {
        return hover_;
    }

    // The chart without the readout, at the widget's size unless told.
    [[nodiscard]] QImage toImage(QSize size = QSize()) const;
    // The chart without the readout painted into `target` of an active
    // painter (a report's page) in `font` and the colours of paper, laid out
    // as on a screen of 96 dots per inch: texts keep their size in points.
    void paintForPrint(QPainter& painter, const QRectF& target, const QFont& font) const;
    void copyToClipboard() const;
    // An SVG file for a name ending ".svg" (any case), otherwise PNG.
    bool saveTo(const QString& path) const;
    // Asks for a file name and saves; tells the user when it failed.
    void saveAs();

    [[nodiscard]] QAction* copyAction() const noexcept { return actions_.copy; }
    [[nodiscard]] QAction* saveAsAction() const noexcept { return actions_.saveAs; }
    [[nodiscard]] QAction* resetZoomAction() const noexcept { return actions_.resetZoom; }
    // "ASHRAE Chart" and "Mollier h-x Diagram": checkable, one of them checked.
    [[nodiscard]] QAction* styleAction(ChartStyle style) const noexcept {
        return style == ChartStyle::Mollier ? actions_.mollier : actions_.ashrae;
    }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

signals:
    // A double click on a point at or below saturation: its dry bulb (°F)
    // and humidity ratio (lb/lb).
    void pointPicked(double tdbF, double wLbPerLb);
    // The style changed, by setStyle or by its action.
    void styleChanged(chart::ChartStyle style);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Actions {
        QAction* copy = nullptr;
        QAction* saveAs = nullptr;
        QAction* resetZoom = nullptr;
        QAction* ashrae = nullptr;
        QAction* mollier = nullptr;
    };

    // Sets the actions' texts in the language the program speaks.
    void retranslate();
    [[nodiscard]] ChartScene scene() const;
    [[nodiscard]] ExportStyle exportStyle() const;
    // The static picture is out of date: repaint it on the next paint.
    void invalidate();
    void updateHover(std::optional<QPointF> pixel);

    double patmPsia_ = 14.696;
    UnitSystem units_ = UnitSystem::IP;
    ChartStyle style_ = ChartStyle::Ashrae;
    ChartRange range_;
    std::optional<StatePoint> state_;
    std::vector<const ChartLayer*> layers_;
    std::optional<QPointF> cursor_;
    std::optional<HoverReadout> hover_;
    // Filled on demand from const accessors; it never changes what is shown.
    mutable ChartLinesCache cache_;
    QPixmap layer_;
    bool layerDirty_ = true;
    Actions actions_;
};

} // namespace chart
