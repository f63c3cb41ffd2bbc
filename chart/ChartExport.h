#pragma once

// The chart as an image: for the clipboard and for PNG or SVG files. Each
// paints the scene afresh with PaintChart at the requested size, in the given
// font at the given resolution (dots per inch), so texts have the size they
// have on the screen.

#include "chart/ChartPainter.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

namespace chart {

struct ExportStyle {
    QFont font;
    ChartColors colors;
    int dpi = 96;
};

QImage RenderChartImage(const ChartScene& scene, const ExportStyle& style, QSize size);

// Paints the scene into `target` of an active painter of any resolution (a
// PDF page, a printer's page) as a chart laid out at `style.dpi`: texts come
// out at the style font's size in points, and markers and line widths at the
// size they have on a screen of that resolution.
void PaintChartInto(QPainter& painter, const QRectF& target, const ChartScene& scene,
                    const ExportStyle& style);

// The chart's colours on paper: those of a light palette.
ChartColors PrintColors();

// Writes the file through a temporary one renamed over the target, so a
// failed save never leaves half a file. False when it could not be written.
bool SaveChartPng(const QString& path, const ChartScene& scene, const ExportStyle& style,
                  QSize size);
bool SaveChartSvg(const QString& path, const ChartScene& scene, const ExportStyle& style,
                  QSize size);

} // namespace chart
