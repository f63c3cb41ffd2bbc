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

// Writes the file through a temporary one renamed over the target, so a
// failed save never leaves half a file. False when it could not be written.
bool SaveChartPng(const QString& path, const ChartScene& scene, const ExportStyle& style,
                  QSize size);
bool SaveChartSvg(const QString& path, const ChartScene& scene, const ExportStyle& style,
                  QSize size);

} // namespace chart
