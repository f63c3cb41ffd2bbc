#include "chart/ChartPainter.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <vector>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLineF>
#include <QLocale>
#include <QPainter>

namespace chart {

namespace {

// The painted texts in the language the program speaks; units and their
// symbols are put in as they are.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(chart::ChartPainter)
};

// Pixels between axis ticks that the scales aim at: across (below the plot)
// and up (beside it).
constexpr double kPixelsPerAcrossTick = 55.0;
constexpr double kPixelsPerUpTick = 30.0;

bool IsDark(const QPalette& palette) {
    return palette.color(QPalette::Base).lightnessF() < 0.5;
}

QColor Mixed(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - share) + b.redF() * share),
                            static_cast<float>(a.greenF() * (1 - share) + b.greenF() * share),
                            static_cast<float>(a.blueF() * (1 - share) + b.blueF() * share));
}

// Decimals that show a multiple of `step` in full.
int DecimalsFor(double step) {
    if (!(step > 0.0))
        return 0;
    return std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6);
}

QString Number(double v, int decimals) {
    return QLocale().toString(v, 'f', decimals);
}

QPolygonF ToPixels(const QPolygonF& data, const ChartMapping& m) {
    QPolygonF pixels;
    pixels.reserve(data.size());
    for (const QPointF& p : data)
        pixels.append(m.toPixel(p));
    return pixels;
}

// The point `distance` pixels back from the end of a polyline, or its start.
QPointF BackFromEnd(const QPolygonF& line, double distance) {
    for (qsizetype i = line.size() - 1; i > 0; --i) {
        const QLineF segment(line[i], line[i - 1]);
        if (segment.length() >= distance)
            return segment.pointAt(distance / segment.length());
        distance -= segment.length();
    }
    return line.isEmpty() ? QPointF() : line.first();
}

// The point of `line` nearest its end at which a box of `size` centred on
// the line lies wholly in `area`, looked for in steps of a pixel.
std::optional<QPointF> NearEndInside(const QPolygonF& line, QSizeF size, const QRectF& area) {
    const auto fits = [&](QPointF centre) {
        QRectF box(QPointF(), size);
        box.moveCenter(centre);
        return area.contains(box);
    };
    for (qsizetype i = line.size() - 1; i > 0; --i) {
        const QLineF segment(line[i], line[i - 1]);
        const int steps = static_cast<int>(std::ceil(segment.length()));
        for (int k = 0; k < steps; ++k) {
            const QPointF at = segment.pointAt(static_cast<double>(k) / steps);
            if (fits(at))
                return at;
        }
    }
    if (!line.isEmpty() && fits(line.first()))
        return line.first();
    return std::nullopt;
}

// Text centred on `centre` over a patch of the background, so that it stays
// legible where it crosses lines. A label that would cover one already placed
// (the project's, a zone's, a line's) or a marker is left out: on a small or
// crowded chart some lines go unlabelled rather than smudged.
bool DrawLabel(QPainter& p, QPointF centre, const QString& text, const QColor& colour,
               const QColor& background, LabelPlacer& labels) {
    const QFontMetricsF fm(p.font(), p.device());
    QRectF box(0, 0, fm.horizontalAdvance(text) + 4.0, fm.height());
    box.moveCenter(centre);
    if (!labels.takeIfFree(box))
        return false;
    QColor patch = background;
    patch.setAlphaF(0.8f);
    p.fillRect(box, patch);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
    return true;
}

struct Painting {
    QPainter& p;
    const ChartLines& lines;
    const ChartMapping& m;
    const ChartColors& c;
    UnitSystem units;
    QFont labelFont;
    LabelPlacer& labels; // of this painting, shared with the layers
};

void DrawFamily(const Painting& g, const std::vector<ChartLine>& family, const QPen& pen) {
    g.p.setPen(pen);
    for (const ChartLine& line : family)
        for (const QPolygonF& piece : line.pieces)
            g.p.drawPolyline(ToPixels(piece, g.m));
}

// Where a scale stands beside the plot.
enum class Side { Bottom, Left, Right };

// One scale: grid lines across the plot at nice multiples from `lo` to `hi`
// (display units), ticks with their numbers on `side`, and the title along
// it. `pixelOf` gives the place of a value along the side: x below the
// plot, y beside it.
template <typename PixelOf>
void DrawScale(const Painting& g, Side side, double lo, double hi, PixelOf pixelOf,
               const QString& title) {
    QPainter& p = g.p;
    const QRectF& plot = g.m.plot();
    const QFontMetricsF fm(p.font(), p.device());
    const bool across = side == Side::Bottom;
    const double length = across ? plot.width() : plot.height();
    double step = NiceStep(
        hi - lo, std::max(2.0, length / (across ? kPixelsPerAcrossTick : kPixelsPerUpTick)));
    if (across && step > 0.0) {
        // Numbers side by side need room: long ones (a humidity ratio in
        // lbm/lbm) take a coarser step.
        double widest = 0.0;
        for (const double v : MultiplesIn(lo, hi, step))
            widest = std::max(widest, fm.horizontalAdvance(Number(v, DecimalsFor(step))));
        const double room = widest + 1.5 * fm.horizontalAdvance(QLatin1Char('0'));
        if (step / (hi - lo) * length < room)
            step = NiceStep(hi - lo, std::max(1.0, length / room));
    }
    double widest = 0.0;
    for (const double v : MultiplesIn(lo, hi, step)) {
        const double at = pixelOf(v);
        const QString text = Number(v, DecimalsFor(step));
        const double width = fm.horizontalAdvance(text);
        widest = std::max(widest, width);
        p.setPen(QPen(g.c.grid, 0));
        if (across)
            p.drawLine(QPointF(at, plot.top()), QPointF(at, plot.bottom()));
        else
            p.drawLine(QPointF(plot.left(), at), QPointF(plot.right(), at));
        p.setPen(g.c.text);
        switch (side) {
        case Side::Bottom:
            p.drawLine(QPointF(at, plot.bottom()), QPointF(at, plot.bottom() + 4.0));
            p.drawText(QPointF(at - width / 2.0, plot.bottom() + 4.0 + fm.ascent()), text);
            break;
        case Side::Right:
            p.drawLine(QPointF(plot.right(), at), QPointF(plot.right() + 4.0, at));
            p.drawText(QPointF(plot.right() + 6.0, at + fm.ascent() / 2.0 - 1.0), text);
            break;
        case Side::Left:
            p.drawLine(QPointF(plot.left(), at), QPointF(plot.left() - 4.0, at));
            p.drawText(QPointF(plot.left() - 6.0 - width, at + fm.ascent() / 2.0 - 1.0), text);
            break;
        }
    }
    // A title longer than its side, on a small chart, is shortened rather
    // than run off the picture.
    const QString shown = fm.elidedText(title, Qt::ElideRight, length);
    switch (side) {
    case Side::Bottom:
        p.drawText(
            QRectF(plot.left(), plot.bottom() + 4.0 + fm.height(), plot.width(), 1.8 * fm.height()),
            Qt::AlignCenter, shown);
        break;
    case Side::Right:
        // Read from the top down, beyond the numbers.
        p.save();
        p.translate(plot.right() + 10.0 + widest + fm.height(), plot.center().y());
        p.rotate(90.0);
        p.drawText(QRectF(-plot.height() / 2.0, -fm.height(), plot.height(), 1.5 * fm.height()),
                   Qt::AlignCenter, shown);
        p.restore();
        break;
    case Side::Left:
        // Read from the bottom up, before the numbers.
        p.save();
        p.translate(plot.left() - 10.0 - widest - fm.height(), plot.center().y());
        p.rotate(-90.0);
        p.drawText(
            QRectF(-plot.height() / 2.0, -0.5 * fm.height(), plot.height(), 1.5 * fm.height()),
            Qt::AlignCenter, shown);
        p.restore();
        break;
    }
}

// The dry-bulb and humidity-ratio scales with their grid: in the ASHRAE
// chart the dry bulb below and the humidity ratio at the right, in the
// Mollier diagram the humidity ratio below and the dry bulb at the left.
void DrawGridAndScales(const Painting& g) {
    const ChartRange& r = g.m.range();
    const UnitSystem u = g.units;
    const bool mollier = g.m.style() == ChartStyle::Mollier;
    const auto coordinate = [mollier](QPointF pixel, bool temperature) {
        return temperature != mollier ? pixel.x() : pixel.y();
    };
    DrawScale(
        g, mollier ? Side::Left : Side::Bottom, TemperatureToDisplay(r.tMinF, u),
        TemperatureToDisplay(r.tMaxF, u),
        [&](double t) {
            return coordinate(g.m.toPixel(TemperatureFromDisplay(t, u), r.wMin), true);
        },
        Texts::tr("Dry bulb temperature, %1").arg(TemperatureUnit(u)));
    DrawScale(
        g, mollier ? Side::Bottom : Side::Right, HumidityRatioToDisplay(r.wMin, u),
        HumidityRatioToDisplay(r.wMax, u),
        [&](double w) {
            return coordinate(g.m.toPixel(r.tMinF, HumidityRatioFromDisplay(w, u)), false);
        },
        Texts::tr("Humidity ratio, %1").arg(HumidityRatioUnit(u)));
}

void DrawTitle(const Painting& g, const QRectF& area) {
    const QFontMetricsF fm(g.p.font(), g.p.device());
    const double patm = g.lines.key.patmPsia;
    QString pressure = QStringLiteral("—");
    if (std::isfinite(patm))
        pressure = Number(PressureToDisplay(patm, g.units), 3);
    const QString title = Texts::tr("%1    Atmospheric pressure %2 %3")
                              .arg(ChartStyleTitle(g.m.style()), pressure, PressureUnit(g.units));
    const QRectF box(g.m.plot().left(), area.top() + 0.4 * fm.height(),
                     area.right() - g.m.plot().left(), 1.4 * fm.height());
    g.p.setPen(g.c.text);
    g.p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                 fm.elidedText(title, Qt::ElideRight, box.width()));
}

// Names and units of the line families, in the empty corner beyond
// saturation: the top left of the ASHRAE chart, the bottom right of the
// Mollier diagram. Left out when it would cover much of a small chart.
void DrawLegend(const Painting& g) {
    QPainter& p = g.p;
    p.setFont(g.labelFont);
    const QFontMetricsF fm(p.font(), p.device());
    const UnitSystem u = g.units;
    struct Entry {
        QColor colour;
        Qt::PenStyle style;
        QString text;
    };
    const Entry entries[] = {
        {g.c.saturation, Qt::SolidLine, Texts::tr("Saturation")},
        {g.c.relativeHumidity, Qt::SolidLine, Texts::tr("Relative humidity, %")},
        {g.c.wetBulb, Qt::DashLine, Texts::tr("Wet bulb, %1").arg(TemperatureUnit(u))},
        {g.c.enthalpy, Qt::SolidLine, Texts::tr("Enthalpy, %1").arg(EnthalpyUnit(u))},
        {g.c.volume, Qt::SolidLine, Texts::tr("Specific volume, %1").arg(SpecificVolumeUnit(u))},
    };
    double textWidth = 0.0;
    for (const Entry& e : entries)
        textWidth = std::max(textWidth, fm.horizontalAdvance(e.text));
    const double line = 1.2 * fm.height();
    const QRectF& plot = g.m.plot();
    QRectF box(plot.left() + 1.0, plot.top() + 1.0, 3.3 * fm.height() + textWidth,
               std::size(entries) * line + 0.6 * fm.height());
    if (g.m.style() == ChartStyle::Mollier)
        box.moveBottomRight(plot.bottomRight() - QPointF(1.0, 1.0));
    if (box.width() > 0.4 * plot.width() || box.height() > 0.4 * plot.height())
        return;
    QColor patch = g.c.background;
    patch.setAlphaF(0.85f);
    p.fillRect(box, patch);
    g.labels.block(box);
    double y = box.top() + 0.3 * fm.height() + line / 2.0;
    const double x = box.left() + 0.6 * fm.height();
    for (const Entry& e : entries) {
        p.setPen(QPen(e.colour, 1.5, e.style));
        p.drawLine(QPointF(x, y), QPointF(x + 2.0 * fm.height(), y));
        p.setPen(g.c.text);
        p.drawText(QPointF(x + 2.5 * fm.height(), y + fm.ascent() / 2.0 - 1.0), e.text);
        y += line;
    }
}

// Enthalpy in the ASHRAE chart: a scale beyond the saturation curve, on
// short leaders that continue each line up and to the left.
void DrawEnthalpyBeyondSaturation(const Painting& g, const QFontMetricsF& fm, const QRectF& inner) {
    QPainter& p = g.p;
    const int decimals = DecimalsFor(g.lines.enthalpyStep);
    for (const ChartLine& line : g.lines.enthalpy) {
        const QPolygonF px = ToPixels(line.pieces.front(), g.m);
        if (px.size() < 2)
            continue;
        QLineF leader(px[0], px[0] + (px[0] - px[1]));
        leader.setLength(2.6 * fm.height());
        const QPointF end = leader.p2();
        if (!inner.contains(end))
            continue;
        if (DrawLabel(p, end + QPointF(0, -0.5 * fm.height()), Number(line.value, decimals),
                      g.c.enthalpy, g.c.background, g.labels)) {
            p.setPen(QPen(g.c.enthalpy, 0, Qt::DotLine));
            p.drawLine(QLineF(leader.p1(), leader.pointAt(0.85)));
        }
    }
}

// Enthalpy in the Mollier diagram: a scale along the edges where each line
// leaves the plot at its warm end (the left edge at dry air, or the top),
// written on the line just inside, as the h-x diagram writes it.
void DrawEnthalpyAlongEdges(const Painting& g, const QFontMetricsF& fm) {
    const int decimals = DecimalsFor(g.lines.enthalpyStep);
    const QRectF area = g.m.plot().adjusted(2.0, 2.0, -2.0, -2.0);
    for (const ChartLine& line : g.lines.enthalpy) {
        const QString text = Number(line.value, decimals);
        const QSizeF size(fm.horizontalAdvance(text) + 4.0, fm.height());
        if (const auto at = NearEndInside(ToPixels(line.pieces.back(), g.m), size, area))
            DrawLabel(g.p, *at, text, g.c.enthalpy, g.c.background, g.labels);
    }
}

void DrawLineLabels(const Painting& g) {
    QPainter& p = g.p;
    p.setFont(g.labelFont);
    const QFontMetricsF fm(p.font(), p.device());
    const QRectF inner = g.m.plot().adjusted(fm.height(), fm.height(), -fm.height(), -fm.height());
    const auto place = [&](QPointF at, const QString& text, const QColor& colour) {
        if (inner.contains(at))
            DrawLabel(p, at, text, colour, g.c.background, g.labels);
    };
    const bool mollier = g.m.style() == ChartStyle::Mollier;

    // Relative humidity: a little before the curve leaves the plot.
    for (const ChartLine& line : g.lines.relativeHumidity) {
        const QPolygonF px = ToPixels(line.pieces.back(), g.m);
        place(BackFromEnd(px, 4.0 * fm.height()), Number(line.value * 100.0, 0) + QLatin1Char('%'),
              g.c.relativeHumidity);
    }
    // Wet bulb: on the saturation curve, where the line starts, just beyond
    // it: up and to the left in the ASHRAE chart; in the Mollier diagram on
    // the side away from the line, which there runs up and to the left.
    const int wbDecimals = DecimalsFor(g.lines.wetBulbStep);
    for (const ChartLine& line : g.lines.wetBulb) {
        const QPolygonF& first = line.pieces.front();
        const QPointF start = g.m.toPixel(first.first());
        QPointF offset(-0.6 * fm.height(), -0.6 * fm.height());
        if (mollier) {
            QLineF away(start, start - (g.m.toPixel(first[1]) - start));
            away.setLength(0.85 * fm.height());
            offset = away.p2() - start;
        }
        place(start + offset, Number(line.value, wbDecimals), g.c.wetBulb);
    }
    if (mollier)
        DrawEnthalpyAlongEdges(g, fm);
    else
        DrawEnthalpyBeyondSaturation(g, fm, inner);
    // Specific volume: near the low end of each line.
    const int vDecimals = DecimalsFor(g.lines.volumeStep);
    for (const ChartLine& line : g.lines.specificVolume) {
        const QPolygonF px = ToPixels(line.pieces.back(), g.m);
        const QPointF at = BackFromEnd(px, 2.5 * fm.height());
        const QString text = Number(line.value, vDecimals);
        place(at + QPointF(fm.horizontalAdvance(text) / 2.0 + 3.0, 0), text, g.c.volume);
    }
}

// The calculator's state: its mark and label come before any layer's, so
// that the state is never hidden under a project's or a zone's label.
constexpr double kStateRadius = 5.0;

struct StateLabel {
    QPointF at;
    std::optional<PlacedLabel> label;
};

std::optional<StateLabel> PlaceState(const Painting& g, const std::optional<StatePoint>& state) {
    if (!state || !g.m.range().contains(state->tdbF, state->wLbPerLb))
        return std::nullopt;
    const QPointF at = g.m.toPixel(state->tdbF, state->wLbPerLb);
    QString text =
        Texts::tr("State  %1 %2")
            .arg(Number(TemperatureToDisplay(state->tdbF, g.units), 1), TemperatureUnit(g.units));
    if (const auto r = ComputeReadout(state->tdbF, state->wLbPerLb, g.lines.key.patmPsia, g.units);
        r && !r->supersaturated)
        text += QStringLiteral(", %1 %").arg(Number(r->phi * 100.0, 0));
    g.labels.blockMarker(at, kStateRadius + 1.0);
    g.p.save();
    g.p.setFont(g.labelFont);
    auto label =
        g.labels.place(text, at, QFontMetricsF(g.labelFont, g.p.device()), kStateRadius + 3.0);
    g.p.restore();
    return StateLabel{at, std::move(label)};
}

void DrawState(const Painting& g, const std::optional<StateLabel>& state) {
    if (!state)
        return;
    QPainter& p = g.p;
    p.setPen(QPen(g.c.background, 2.0));
    p.setBrush(g.c.state);
    p.drawEllipse(state->at, kStateRadius, kStateRadius);
    p.setBrush(Qt::NoBrush);
    if (!state->label)
        return;
    p.setFont(g.labelFont);
    QColor patch = g.c.background;
    patch.setAlphaF(0.85f);
    DrawPlacedLabel(p, *state->label, g.c.state, patch);
}

} // namespace

ChartColors ColorsFor(const QPalette& palette) {
    const bool dark = IsDark(palette);
    ChartColors c;
    c.background = palette.color(QPalette::Base);
    c.text = palette.color(QPalette::Text);
    c.grid = Mixed(c.background, c.text, dark ? 0.18 : 0.12);
    c.saturation = c.text;
    c.relativeHumidity = dark ? QColor(110, 170, 255) : QColor(25, 95, 200);
    c.wetBulb = dark ? QColor(110, 215, 140) : QColor(20, 130, 60);
    c.enthalpy = dark ? QColor(245, 170, 90) : QColor(190, 95, 15);
    c.volume = dark ? QColor(205, 145, 235) : QColor(135, 55, 165);
    c.state = dark ? QColor(255, 105, 105) : QColor(205, 25, 25);
    c.readoutBackground = palette.color(QPalette::ToolTipBase);
    c.readoutText = palette.color(QPalette::ToolTipText);
    return c;
}

ChartMapping MappingFor(const QPainter& painter, const QRectF& area, const ChartRange& range,
                        ChartStyle style) {
    return ChartMapping(PlotRectFor(area, QFontMetricsF(painter.font(), painter.device()), style),
                        range, style);
}

void PaintChart(QPainter& painter, const QRectF& area, const ChartScene& scene,
                const ChartColors& colors) {
    painter.fillRect(area, colors.background);
    if (scene.lines == nullptr)
        return;
    const ChartLines& lines = *scene.lines;
    painter.save();
    const ChartMapping m = MappingFor(painter, area, lines.key.range, scene.style);
    QFont labelFont = painter.font();
    if (labelFont.pointSizeF() > 0)
        labelFont.setPointSizeF(labelFont.pointSizeF() * 0.85);
    else if (labelFont.pixelSize() > 0)
        labelFont.setPixelSize(std::max(6, labelFont.pixelSize() * 85 / 100));
    LabelPlacer labels(m.plot());
    const Painting g{painter, lines, m, colors, lines.key.units, labelFont, labels};

    DrawTitle(g, area);
    DrawGridAndScales(g);
    if (!lines.valid) {
        painter.setPen(colors.text);
        painter.drawText(m.plot(), Qt::AlignCenter | Qt::TextWordWrap,
                         Texts::tr("No chart: the atmospheric pressure is not valid."));
    } else {
        painter.save();
        painter.setClipRect(m.plot());
        DrawFamily(g, lines.specificVolume, QPen(colors.volume, 1.0));
        DrawFamily(g, lines.enthalpy, QPen(colors.enthalpy, 1.0));
        DrawFamily(g, lines.wetBulb, QPen(colors.wetBulb, 1.0, Qt::DashLine));
        DrawFamily(g, lines.relativeHumidity, QPen(colors.relativeHumidity, 1.0));
        painter.setPen(QPen(colors.saturation, 2.0));
        for (const QPolygonF& piece : lines.saturation)
            painter.drawPolyline(ToPixels(piece, m));
        painter.restore();
        DrawLegend(g);
    }
    painter.setPen(QPen(colors.text, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m.plot());
    if (lines.valid) {
        // The state first, then what every layer marks, then the layers'
        // labels in the layers' order, and last the lines' own labels where
        // room is left.
        const std::optional<StateLabel> state = PlaceState(g, scene.state);
        const LayerContext context{m, lines.key.units, lines.key.patmPsia, &labels};
        painter.save();
        painter.setFont(labelFont);
        for (const ChartLayer* layer : scene.layers)
            layer->reserveLabelRoom(painter, labels, context);
        painter.restore();
        for (const ChartLayer* layer : scene.layers) {
            painter.save();
            painter.setClipRect(m.plot());
            painter.setFont(labelFont);
            layer->paint(painter, context);
            painter.restore();
        }
        DrawLineLabels(g);
        DrawState(g, state);
    }
    if (scene.labelsOut != nullptr)
        *scene.labelsOut = labels;
    painter.restore();
}

void PaintReadout(QPainter& painter, const QRectF& area, QPointF cursor, const QStringList& lines,
                  const ChartColors& colors) {
    if (lines.isEmpty())
        return;
    painter.save();
    painter.setPen(QPen(colors.text, 1.0));
    painter.drawLine(cursor + QPointF(-5, 0), cursor + QPointF(5, 0));
    painter.drawLine(cursor + QPointF(0, -5), cursor + QPointF(0, 5));

    const QFontMetricsF fm(painter.font(), painter.device());
    double width = 0.0;
    for (const QString& line : lines)
        width = std::max(width, fm.horizontalAdvance(line));
    const double pad = 0.4 * fm.height();
    QRectF box(0, 0, width + 2 * pad, lines.size() * fm.height() + 2 * pad);
    box.moveTopLeft(cursor + QPointF(16, 16));
    if (box.right() > area.right())
        box.moveRight(cursor.x() - 16);
    if (box.bottom() > area.bottom())
        box.moveBottom(cursor.y() - 16);
    box.moveLeft(std::max(box.left(), area.left()));
    box.moveTop(std::max(box.top(), area.top()));

    painter.setPen(QPen(colors.readoutText, 1.0));
    painter.setBrush(colors.readoutBackground);
    painter.drawRoundedRect(box, 3, 3);
    double y = box.top() + pad + fm.ascent();
    for (const QString& line : lines) {
        painter.drawText(QPointF(box.left() + pad, y), line);
        y += fm.height();
    }
    painter.restore();
}

} // namespace chart
