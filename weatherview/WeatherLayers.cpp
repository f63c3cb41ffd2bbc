#include "weatherview/WeatherLayers.h"

#include "translations/Languages.h"
#include "weather/Statistics.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLineF>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPolygonF>

namespace chart {

namespace {

// The title of the density legend.
QString HoursPerCell() {
    return QCoreApplication::translate("chart::WeatherLayers", "Hours per cell");
}

// Many stations record whole kelvins: cells narrower than 1 K (1.8 °F) of dry
// bulb would leave every other column empty.
constexpr double kMinCellDryBulbF = 1.8;
constexpr double kDotPixels = 3.0;

constexpr std::array<QRgb, 12> kMonthColours{0xff1f4e9c, 0xff2f7fc1, 0xff2ea59a, 0xff43a047,
                                             0xff9bc53d, 0xffd4b000, 0xfff08c00, 0xffe0441c,
                                             0xffb2183b, 0xff8e44ad, 0xff5b5ea6, 0xff34495e};

// Pale blue through yellow and orange to dark red.
constexpr std::array<QRgb, 4> kRamp{0xffc6dbef, 0xfffee391, 0xfffd8d3c, 0xffa50f15};

// A box of text lines with swatches in the corner of the plot beyond
// saturation, next to the chart's own legend of lines.
struct LegendBox {
    QPainter& p;
    QRectF box;
    double line;
};

// The legend's lines and the width of its widest text, for a display.
struct LegendSize {
    int lines;
    double textWidth;
};

LegendSize LegendSizeOf(const QFontMetricsF& fm, HoursDisplay display) {
    if (display == HoursDisplay::Density)
        return {3, std::max(fm.horizontalAdvance(HoursPerCell()),
                            fm.horizontalAdvance(QStringLiteral("0000")))};
    double width = 0.0;
    for (int month = 1; month <= 12; ++month)
        width = std::max(width, fm.horizontalAdvance(MonthName(month, QLocale::ShortFormat)));
    // Two columns of six months.
    return {6, 2 * width + 2.5 * fm.height()};
}

// Where the legend goes. The corner of the coldest dry bulb at the greatest
// humidity ratio lies beyond saturation, where no hour falls: the top left
// of the ASHRAE chart, the bottom right of the Mollier diagram. The chart's
// legend of lines takes that corner first, so the box slides from it along
// the side edge to the first place the painting's labels leave free: the
// same place when the layer reserves it and when it paints, as the search
// takes the box it reserved. Painted on its own, the layer leaves room for a
// chart's legend of five lines.
QRectF LegendRect(const QFontMetricsF& fm, const LayerContext& context, LegendSize size) {
    const double line = 1.2 * fm.height();
    const ChartMapping& m = context.mapping;
    const QRectF& plot = m.plot();
    const QPointF corner = m.toPixel(m.range().tMinF, m.range().wMax);
    const bool left = corner.x() < plot.center().x();
    const bool top = corner.y() < plot.center().y();
    QRectF box(0, 0, 3.3 * fm.height() + size.textWidth, size.lines * line + 0.6 * fm.height());
    if (left)
        box.moveLeft(plot.left() + 1.0);
    else
        box.moveRight(plot.right() - 1.0);
    const auto from = [&](double offset) {
        QRectF at = box;
        if (top)
            at.moveTop(plot.top() + 1.0 + offset);
        else
            at.moveBottom(plot.bottom() - 1.0 - offset);
        return at;
    };
    const QRectF fallback = from(7.0 * line);
    if (context.labels == nullptr || !(line > 0.0))
        return fallback;
    const LabelPlacer& labels = *context.labels;
    // A little air between this legend and the chart's.
    const double gap = 0.3 * fm.height();
    const double step = 0.25 * line;
    for (int k = 0; k * step <= plot.height(); ++k) {
        const QRectF at = from(k * step);
        if (!plot.contains(at))
            break;
        if (std::ranges::find(labels.blocked(), at) != labels.blocked().end() ||
            labels.isFree(at.adjusted(0.0, -gap, 0.0, gap).intersected(labels.bounds())))
            return at;
    }
    return fallback;
}

LegendBox BeginLegend(QPainter& p, const LayerContext& context, HoursDisplay display) {
    const QFontMetricsF fm(p.font(), p.device());
    const QRectF box = LegendRect(fm, context, LegendSizeOf(fm, display));
    QColor patch(Qt::white);
    patch.setAlphaF(0.85f);
    p.fillRect(box, patch);
    return {p, box, 1.2 * fm.height()};
}

// Text over a faint white patch, readable over the hours and the lines.
QColor LabelPatch() {
    QColor patch(Qt::white);
    patch.setAlphaF(0.7f);
    return patch;
}

} // namespace

QString MonthName(int month, QLocale::FormatType format) {
    const QCoreApplication* app = QCoreApplication::instance();
    const QString spoken =
        app != nullptr ? translations::Spoken(*app) : translations::kEnglish.toString();
    const QLocale locale = spoken == translations::kEnglish ? QLocale() : QLocale(spoken);
    return locale.monthName(month, format);
}

QColor MonthColour(int month) {
    return QColor::fromRgb(kMonthColours[static_cast<std::size_t>(std::clamp(month, 1, 12) - 1)]);
}

QColor DensityColour(double share) {
    const double s = std::clamp(share, 0.0, 1.0) * (kRamp.size() - 1);
    const auto i = std::min(static_cast<std::size_t>(s), kRamp.size() - 2);
    const double f = s - static_cast<double>(i);
    const QColor a = QColor::fromRgb(kRamp[i]);
    const QColor b = QColor::fromRgb(kRamp[i + 1]);
    return QColor::fromRgbF(static_cast<float>(a.redF() + f * (b.redF() - a.redF())),
                            static_cast<float>(a.greenF() + f * (b.greenF() - a.greenF())),
                            static_cast<float>(a.blueF() + f * (b.blueF() - a.blueF())), 0.85f);
}

void HoursLayer::paint(QPainter& painter, const LayerContext& context) const {
    if (hours_.empty())
        return;
    if (display_ == HoursDisplay::Density)
        paintDensity(painter, context);
    else
        paintDots(painter, context);
}

void HoursLayer::reserveLabelRoom(const QPainter& painter, LabelPlacer& labels,
                                  const LayerContext& context) const {
    if (hours_.empty())
        return;
    const QFontMetricsF fm(painter.font(), painter.device());
    labels.block(LegendRect(fm, context, LegendSizeOf(fm, display_)));
}

weather::GridAxes DensityAxesFor(const ChartMapping& mapping) {
    const ChartRange& r = mapping.range();
    // The pixels each quantity's span takes on the screen, along whichever
    // axis it runs in the style drawn.
    const QPointF origin = mapping.toPixel(r.tMinF, r.wMin);
    const double dryBulbPixels = QLineF(origin, mapping.toPixel(r.tMaxF, r.wMin)).length();
    const double humidityPixels = QLineF(origin, mapping.toPixel(r.tMinF, r.wMax)).length();
    const auto cells = [](double count) {
        return std::isfinite(count) ? static_cast<int>(std::clamp(
                                          count, 1.0, static_cast<double>(weather::kMaxGridCells)))
                                    : 1;
    };
    return {r.tMinF,
            r.tMaxF,
            r.wMin,
            r.wMax,
            cells(std::min(dryBulbPixels / kDensityCellPixels, r.width() / kMinCellDryBulbF)),
            cells(humidityPixels / kDensityCellPixels)};
}

void HoursLayer::paintDensity(QPainter& painter, const LayerContext& context) const {
    const ChartMapping& m = context.mapping;
    const weather::GridAxes axes = DensityAxesFor(m);
    const weather::DensityGrid grid = weather::ComputeDensity(hours_, filter_, axes);
    if (grid.maxCount == 0)
        return;
    const double dt = (axes.maxDryBulbF - axes.minDryBulbF) / axes.columns;
    const double dw = (axes.maxHumidityRatio - axes.minHumidityRatio) / axes.rows;
    for (int row = 0; row < axes.rows; ++row) {
        for (int column = 0; column < axes.columns; ++column) {
            const std::uint32_t count = grid.at(column, row);
            if (count == 0)
                continue;
            const QPointF low =
                m.toPixel(axes.minDryBulbF + column * dt, axes.minHumidityRatio + row * dw);
            const QPointF high = m.toPixel(axes.minDryBulbF + (column + 1) * dt,
                                           axes.minHumidityRatio + (row + 1) * dw);
            painter.fillRect(QRectF(low, high).normalized(),
                             DensityColour(static_cast<double>(count) / grid.maxCount));
        }
    }

    // The ramp with the hour counts at its ends and middle.
    const QLocale locale;
    const QString title = HoursPerCell();
    const QFontMetricsF fm(painter.font(), painter.device());
    const LegendBox legend = BeginLegend(painter, context, HoursDisplay::Density);
    const double pad = 0.3 * fm.height();
    painter.setPen(Qt::black);
    const QRectF titleRect(legend.box.left() + pad, legend.box.top() + pad,
                           legend.box.width() - 2 * pad, legend.line);
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, title);
    const QRectF bar(titleRect.left(), titleRect.bottom() + 0.2 * legend.line, titleRect.width(),
                     0.8 * legend.line);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    for (std::size_t i = 0; i < kRamp.size(); ++i)
        gradient.setColorAt(static_cast<double>(i) / (kRamp.size() - 1),
                            DensityColour(static_cast<double>(i) / (kRamp.size() - 1)));
    painter.fillRect(bar, gradient);
    const QRectF labels(bar.left(), bar.bottom(), bar.width(), legend.line);
    painter.drawText(labels, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("1"));
    if (grid.maxCount > 2)
        painter.drawText(labels, Qt::AlignHCenter | Qt::AlignVCenter,
                         locale.toString((grid.maxCount + 1) / 2));
    if (grid.maxCount > 1)
        painter.drawText(labels, Qt::AlignRight | Qt::AlignVCenter, locale.toString(grid.maxCount));
}

void HoursLayer::paintDots(QPainter& painter, const LayerContext& context) const {
    const ChartMapping& m = context.mapping;
    // Square dots without antialiasing: thousands of them stay quick to draw.
    painter.setRenderHint(QPainter::Antialiasing, false);
    std::array<QPolygonF, 12> byMonth;
    for (const weather::Hour& hour : hours_) {
        if (filter_.accepts(hour) && m.range().contains(hour.dryBulbF, hour.humidityRatio))
            byMonth[static_cast<std::size_t>(hour.month - 1)].append(
                m.toPixel(hour.dryBulbF, hour.humidityRatio));
    }
    for (std::size_t i = 0; i < byMonth.size(); ++i) {
        painter.setPen(
            QPen(MonthColour(static_cast<int>(i) + 1), kDotPixels, Qt::SolidLine, Qt::SquareCap));
        painter.drawPoints(byMonth[i]);
    }

    const QFontMetricsF fm(painter.font(), painter.device());
    double width = 0.0;
    for (int month = 1; month <= 12; ++month)
        width = std::max(width, fm.horizontalAdvance(MonthName(month, QLocale::ShortFormat)));
    const LegendBox legend = BeginLegend(painter, context, HoursDisplay::MonthDots);
    const double pad = 0.3 * fm.height();
    for (int month = 1; month <= 12; ++month) {
        const int column = (month - 1) / 6;
        const int row = (month - 1) % 6;
        const QPointF at(legend.box.left() + pad + column * (width + 1.8 * fm.height()),
                         legend.box.top() + pad + row * legend.line);
        painter.fillRect(QRectF(at + QPointF(0, 0.3 * legend.line),
                                QSizeF(0.6 * fm.height(), 0.4 * legend.line)),
                         MonthColour(month));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(at + QPointF(0.9 * fm.height(), 0), QSizeF(width, legend.line)),
                         Qt::AlignLeft | Qt::AlignVCenter, MonthName(month, QLocale::ShortFormat));
    }
}

void ZonesLayer::setZones(std::vector<ShownZone> zones) {
    zones_ = std::move(zones);
    outlines_.assign(zones_.size(), {});
}

void ZonesLayer::paint(QPainter& painter, const LayerContext& context) const {
    const ChartMapping& m = context.mapping;
    const QFontMetricsF fm(painter.font(), painter.device());
    LabelPlacer own(m.plot());
    LabelPlacer& labels = context.labels != nullptr ? *context.labels : own;
    std::vector<QPolygonF> polygons(zones_.size());
    for (std::size_t i = 0; i < zones_.size(); ++i) {
        const ShownZone& shown = zones_[i];
        auto& cache = outlines_[i];
        auto found = cache.find(context.patmPsia);
        if (found == cache.end()) {
            if (cache.size() > 8)
                cache.clear();
            found = cache.emplace(context.patmPsia, shown.zone->outline(context.patmPsia)).first;
        }
        const processes::Outline& outline = found->second;
        if (outline.size() < 3)
            continue;
        QPolygonF& polygon = polygons[i];
        polygon.reserve(static_cast<qsizetype>(outline.size()));
        for (const processes::ChartPoint& point : outline) {
            // Open sides reach far beyond any chart: keep them a little
            // outside the plot so the pixel numbers stay small.
            const double t = std::clamp(point.dryBulbF, m.range().tMinF - m.range().width(),
                                        m.range().tMaxF + m.range().width());
            const double w = std::clamp(point.humidityRatio, m.range().wMin - m.range().height(),
                                        m.range().wMax + m.range().height());
            polygon.append(m.toPixel(t, w));
        }
        QColor fill = shown.colour;
        fill.setAlphaF(0.12f);
        painter.setBrush(fill);
        painter.setPen(QPen(shown.colour, 1.8));
        painter.drawPolygon(polygon);
    }
    painter.setBrush(Qt::NoBrush);
    // The names after all outlines, so none is drawn over: above each
    // outline's top edge where the plot shows it, else where there is room.
    for (std::size_t i = 0; i < zones_.size(); ++i) {
        const QRectF box = polygons[i].boundingRect().intersected(m.plot());
        if (polygons[i].isEmpty() || box.isEmpty())
            continue;
        const auto label = labels.place(zones_[i].name, QPointF(box.center().x(), box.top()), fm,
                                        2.0, LabelSide::Above);
        if (label)
            DrawPlacedLabel(painter, *label, zones_[i].colour, LabelPatch());
    }
}

} // namespace chart
