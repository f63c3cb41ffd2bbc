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

#include "chart/ChartMapping.h"
#include "chart/ChartUnits.h"

class QPainter;

namespace chart {

// What a layer needs to know of the chart it is drawn on.
struct LayerContext {
    ChartMapping mapping;  // data (°F, lb/lb) <-> pixels of this painting
    UnitSystem units;      // the system the chart shows
    double patmPsia = 0.0; // the pressure the chart is drawn for
};

class ChartLayer {
public:
    virtual ~ChartLayer() = default;
    virtual void paint(QPainter& painter, const LayerContext& context) const = 0;

protected:
    ChartLayer() = default;
    ChartLayer(const ChartLayer&) = default;
    ChartLayer& operator=(const ChartLayer&) = default;
};

} // namespace chart
