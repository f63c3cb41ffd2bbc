#include "chart/ChartExport.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace chart {

namespace {

constexpr double kInchesPerMetre = 1.0 / 0.0254;
constexpr double kPointsPerInch = 72.0;

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

void PaintChartInto(QPainter& painter, const QRectF& target, const ChartScene& scene,
                    const ExportStyle& style) {
    if (!painter.isActive() || target.isEmpty() || style.dpi <= 0)
        return;
    const double deviceDpi = painter.device()->logicalDpiY();
    if (!(deviceDpi > 0.0))
        return;
    const double scale = deviceDpi / style.dpi;
    // The font in pixels of the chart's own resolution: the painter's scale
    // then brings it to its size in points on the page.
    QFont font = style.font;
    if (font.pointSizeF() > 0.0)
        font.setPixelSize(std::max(
            1, static_cast<int>(std::lround(font.pointSizeF() * style.dpi / kPointsPerInch))));
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    const QRectF area(QPointF(0, 0), target.size() / scale);
    painter.setClipRect(area);
    PaintChart(painter, area, scene, style.colors);
    painter.restore();
}

ChartColors PrintColors() {
    QPalette paper;
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    paper.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    paper.setColor(QPalette::ToolTipText, Qt::black);
    return ColorsFor(paper);
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
