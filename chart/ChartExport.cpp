#include "chart/ChartExport.h"

#include <cmath>

#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace chart {

namespace {

constexpr double kInchesPerMetre = 1.0 / 0.0254;

QSize Usable(QSize size) {
    return size.expandedTo(QSize(1, 1)).boundedTo(QSize(20000, 20000));
}

void Paint(QPainter& painter, QSize size, const ChartScene& scene, const ExportStyle& style) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(style.font);
    PaintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene, style.colors);
}

} // namespace

QImage RenderChartImage(const ChartScene& scene, const ExportStyle& style, QSize size) {
    size = Usable(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMetre = static_cast<int>(std::lround(style.dpi * kInchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(style.colors.background);
    QPainter painter(&image);
    Paint(painter, size, scene, style);
    painter.end();
    return image;
}

bool SaveChartPng(const QString& path, const ChartScene& scene, const ExportStyle& style,
                  QSize size) {
    const QImage image = RenderChartImage(scene, style, size);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!image.save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool SaveChartSvg(const QString& path, const ChartScene& scene, const ExportStyle& style,
                  QSize size) {
    size = Usable(size);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(style.dpi);
    generator.setTitle(ChartStyleTitle(scene.style));
    QPainter painter;
    if (!painter.begin(&generator)) {
        file.cancelWriting();
        return false;
    }
    Paint(painter, size, scene, style);
    painter.end();
    return file.commit();
}

} // namespace chart
