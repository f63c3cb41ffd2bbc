#pragma once

// Painting of the psychrometric chart onto any QPainter: the widget, a QImage
// for the clipboard or a PNG file, and QSvgGenerator for SVG all go through
// PaintChart, so every export looks like the screen, in the style shown.
//
// The painter's font sets the size of every text and of the margins around
// the plot (PlotRectFor); the caller sets it, and antialiasing, beforehand.

#include "chart/ChartLayer.h"
#include "chart/ChartLines.h"
#include "chart/ChartMapping.h"
#include "chart/HoverReadout.h"
#include "chart/StatePoint.h"

#include <optional>
#include <vector>

#include <QColor>
#include <QPalette>
#include <QStringList>

class QPainter;

namespace chart {

struct ChartColors {
    QColor background;
    QColor text;
    QColor grid;
    QColor saturation;
    QColor relativeHumidity;
    QColor wetBulb;
    QColor enthalpy;
    QColor volume;
    QColor state;
    QColor readoutBackground;
    QColor readoutText;
};

// Colours that read well on the palette's base colour, light or dark.
ChartColors ColorsFor(const QPalette& palette);

struct ChartScene {
    const ChartLines* lines = nullptr; // with the pressure, unit system and range
    std::optional<StatePoint> state;
    // Drawn in this order over the lines, under the state's mark.
    std::vector<const ChartLayer*> layers{};
    // When set, receives the labels of the painting: where each went and
    // what they kept clear of.
    LabelPlacer* labelsOut = nullptr;
    // The ASHRAE chart or the Mollier diagram (ChartStyle.h).
    ChartStyle style = ChartStyle::Ashrae;
};

// The mapping PaintChart uses for `area` with the painter's current font.
ChartMapping MappingFor(const QPainter& painter, const QRectF& area, const ChartRange& range,
                        ChartStyle style = ChartStyle::Ashrae);

// The whole chart, without the hover readout. Nothing is drawn without lines.
void PaintChart(QPainter& painter, const QRectF& area, const ChartScene& scene,
                const ChartColors& colors);

// The readout box beside `cursor`, kept inside `area`, with a small cross on
// the point itself.
void PaintReadout(QPainter& painter, const QRectF& area, QPointF cursor, const QStringList& lines,
                  const ChartColors& colors);

} // namespace chart
