#pragma once

// ChartLayer: something drawn over the chart's lines, such as the hours of a
// weather file or the outline of a zone. The chart paints its layers in the
// order they were added, after the lines and before the state's mark, clipped
// to the plot area, on the screen and in every export alike.
//
// A layer is owned by whoever added it; PsychroChart only keeps a pointer and
// must be told through PsychroChart::layerChanged() when what it draws has
// changed, and through removeLayer() before it goes away.
//
// A layer places everything through the context's mapping: the chart may be
// drawn as the ASHRAE chart or as the Mollier diagram (ChartStyle.h), so the
// dry bulb does not always run across.
//
// Labels: each painting has one LabelPlacer shared by the chart and all its
// layers. Every layer first blocks what labels must keep clear of (its
// markers, its legend) in reserveLabelRoom(); then the layers paint in turn,
// placing their labels through the placer, so no label of one layer covers
// a label or a marker of another; the chart's own line labels come last and
// are left out where no room is left.

#include "chart/ChartMapping.h"
#include "chart/ChartUnits.h"
#include "chart/LabelPlacer.h"

class QPainter;

namespace chart {

// What a layer needs to know of the chart it is drawn on.
struct LayerContext {
    ChartMapping mapping;  // data (°F, lb/lb) <-> pixels of this painting
    UnitSystem units;      // the system the chart shows
    double patmPsia = 0.0; // the pressure the chart is drawn for
    // The labels of this painting; null when a layer is painted on its own,
    // and the layer then places its labels among its own only.
    LabelPlacer* labels = nullptr;
};

class ChartLayer {
public:
    virtual ~ChartLayer() = default;
    virtual void paint(QPainter& painter, const LayerContext& context) const = 0;
    // Blocks in `labels` what this layer will draw that no label may cover;
    // the painter, not to be drawn on yet, has the labels' font.
    virtual void reserveLabelRoom(const QPainter& painter, LabelPlacer& labels,
                                  const LayerContext& context) const {
        static_cast<void>(painter);
        static_cast<void>(labels);
        static_cast<void>(context);
    }

protected:
    ChartLayer() = default;
    ChartLayer(const ChartLayer&) = default;
    ChartLayer& operator=(const ChartLayer&) = default;
};

} // namespace chart
