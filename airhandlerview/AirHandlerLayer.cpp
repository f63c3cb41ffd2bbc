#include "airhandlerview/AirHandlerLayer.h"

#include "airhandlerview/AirHandlerTexts.h"
#include "airhandlerview/DisplayUnits.h"
#include "project/Project.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QStringList>

namespace chart {

namespace {

using airhandler::CaseSolution;
using airhandler::Season;

// Pixels: the points' markers, the components' arrowheads.
constexpr double kMarkRadius = 5.0;
constexpr double kArrowLength = 10.0;
constexpr double kArrowWidth = 7.0;
// Points of the SHR line across the chart's dry-bulb range.
constexpr int kShrLinePoints = 48;

QString ComponentText(std::string_view name) {
    // The air handler's own English names, translated where a translation
    // gives them.
    return AirHandlerText(name);
}

QPointF Plane(const processes::AirState& air) {
    return {air.dryBulbF, air.humidityRatio};
}

QColor Patch() {
    QColor patch(Qt::white);
    patch.setAlphaF(0.75f);
    return patch;
}

} // namespace

QColor AirHandlerChainColour() {
    return QColor::fromRgb(0xffe65100);
}

QColor AirHandlerShrColour() {
    return QColor::fromRgb(0xff6a1b9a);
}

const project::AirHandlerResult* AirHandlerLayer::shownResult() const {
    if (preview_)
        return &*preview_;
    return project_.airHandlerResult();
}

const CaseSolution* AirHandlerLayer::shownCase() const {
    const project::AirHandlerResult* result = shownResult();
    if (result == nullptr)
        return nullptr;
    const auto& outcome = result->solution.of(season_);
    return outcome.ok() ? &outcome.value() : nullptr;
}

AirHandlerLayer::Shapes AirHandlerLayer::shapesFor(const ChartMapping& m) const {
    Shapes shapes;
    const CaseSolution* s = shownCase();
    if (s == nullptr)
        return shapes;
    const ChartRange& range = m.range();
    for (const processes::ChartPoint& p :
         s->shrLine.points(range.tMinF, range.tMaxF, kShrLinePoints))
        shapes.shrLine.push_back(m.toPixel(p.dryBulbF, p.humidityRatio));

    const auto pixel = [&m](const processes::AirState& air) { return m.toPixel(Plane(air)); };
    // The outdoor air's own components, then the mixing box, then the
    // supply air's components; the return air joins at the mixing box.
    const bool mixes = s->outdoorDryAirLbPerHour > 0.0;
    QPointF outdoorEnd = pixel(s->outdoor);
    for (const airhandler::ComponentResult& c : s->components) {
        if (c.stream == airhandler::Stream::OutdoorAir && c.active)
            outdoorEnd = pixel(c.leaving);
        if (!c.active || !c.analysis)
            continue;
        shapes.arrows.push_back({ComponentText(c.name), pixel(c.entering), pixel(c.leaving)});
    }
    if (mixes) {
        shapes.mixing.push_back({QString(), outdoorEnd, pixel(s->mixed)});
        shapes.mixing.push_back({QString(), pixel(s->room), pixel(s->mixed)});
    }
    // The supply air carries the loads to the room, along the SHR line.
    shapes.mixing.push_back({QString(), pixel(s->supply), pixel(s->room)});

    shapes.marks.push_back({AirHandlerLayer::tr("Room"), pixel(s->room), AirHandlerHandle::Room});
    if (mixes) {
        shapes.marks.push_back(
            {AirHandlerLayer::tr("Outdoor"), pixel(s->outdoor), AirHandlerHandle::Outdoor});
        if (s->outdoorShare < 1.0)
            shapes.marks.push_back({AirHandlerLayer::tr("Mixed"), pixel(s->mixed), std::nullopt});
    }
    shapes.marks.push_back(
        {AirHandlerLayer::tr("Supply"), pixel(s->supply), AirHandlerHandle::Supply});
    return shapes;
}

void AirHandlerLayer::reserveLabelRoom(const QPainter&, LabelPlacer& labels,
                                       const LayerContext& context) const {
    for (const Mark& mark : shapesFor(context.mapping).marks)
        labels.blockMarker(mark.at, kMarkRadius + 1.0);
}

void AirHandlerLayer::paint(QPainter& painter, const LayerContext& context) const {
    if (!std::isfinite(context.patmPsia) || context.patmPsia <= 0.0)
        return;
    const Shapes shapes = shapesFor(context.mapping);
    if (shapes.marks.empty())
        return;
    LabelPlacer own(context.mapping.plot());
    if (context.labels == nullptr)
        reserveLabelRoom(painter, own, context);
    LabelPlacer& labels = context.labels != nullptr ? *context.labels : own;
    const QFontMetricsF fm(painter.font(), painter.device());
    const QColor chain = AirHandlerChainColour();
    const QColor shr = AirHandlerShrColour();

    // Labels by importance: the points' names first, then the components'.
    std::vector<std::optional<PlacedLabel>> markLabels;
    for (const Mark& mark : shapes.marks)
        markLabels.push_back(labels.place(mark.name, mark.at, fm, kMarkRadius + 2.0));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    if (shapes.shrLine.size() >= 2) {
        painter.setPen(QPen(shr, 1.4, Qt::DashDotLine));
        painter.drawPolyline(shapes.shrLine.data(), static_cast<int>(shapes.shrLine.size()));
    }
    painter.setPen(QPen(chain, 1.2, Qt::DashLine));
    for (const Arrow& line : shapes.mixing)
        painter.drawLine(line.from, line.to);

    std::vector<std::optional<PlacedLabel>> arrowLabels;
    for (const Arrow& arrow : shapes.arrows) {
        const QLineF line(arrow.from, arrow.to);
        if (line.length() < 1.0) {
            arrowLabels.push_back(std::nullopt);
            continue;
        }
        const QPointF unit = (arrow.to - arrow.from) / line.length();
        const QPointF normal(-unit.y(), unit.x());
        const QPointF tip = arrow.to;
        const QPointF base = tip - std::min(kArrowLength, line.length() / 2.0) * unit;
        painter.setPen(QPen(chain, 2.2, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(arrow.from, base);
        painter.setPen(Qt::NoPen);
        painter.setBrush(chain);
        painter.drawPolygon(
            QPolygonF{tip, base + 0.5 * kArrowWidth * normal, base - 0.5 * kArrowWidth * normal});
        painter.setBrush(Qt::NoBrush);
        arrowLabels.push_back(labels.place(arrow.name, line.center(), fm, 3.0));
    }

    // The line named by its ratio, a quarter of the way in from its end on
    // the room's far side, clear of the chain.
    std::optional<PlacedLabel> shrLabel;
    if (const CaseSolution* s = shownCase();
        s && s->sensibleHeatRatio && shapes.shrLine.size() >= 4)
        shrLabel =
            labels.place(AirHandlerLayer::tr("SHR %1").arg(NumberText(*s->sensibleHeatRatio, 2)),
                         shapes.shrLine[shapes.shrLine.size() * 3 / 4], fm, 3.0);

    for (const Mark& mark : shapes.marks) {
        painter.setPen(QPen(Qt::white, 1.2));
        painter.setBrush(mark.handle ? chain : shr);
        painter.drawEllipse(mark.at, kMarkRadius, kMarkRadius);
    }
    painter.setBrush(Qt::NoBrush);
    for (const auto& label : arrowLabels) {
        if (label)
            DrawPlacedLabel(painter, *label, chain, Patch());
    }
    if (shrLabel)
        DrawPlacedLabel(painter, *shrLabel, shr, Patch());
    for (const auto& label : markLabels) {
        if (label)
            DrawPlacedLabel(painter, *label, chain.darker(140), Patch());
    }
    painter.restore();
}

std::optional<AirHandlerHandle> AirHandlerLayer::handleNear(const ChartMapping& mapping,
                                                            QPointF pixel, double radius) const {
    std::optional<AirHandlerHandle> nearest;
    double best = radius;
    for (const Mark& mark : shapesFor(mapping).marks) {
        if (!mark.handle || !mapping.onPlot(mark.at))
            continue;
        const double distance = QLineF(mark.at, pixel).length();
        if (distance <= best) {
            best = distance;
            nearest = mark.handle;
        }
    }
    return nearest;
}

QString AirHandlerDescription(const project::AirHandlerResult& result, Season season) {
    const QString caseName =
        season == Season::Summer ? AirHandlerLayer::tr("Summer") : AirHandlerLayer::tr("Winter");
    const auto& outcome = result.solution.of(season);
    if (!outcome.ok())
        return AirHandlerLayer::tr("Air handler, %1: no solution. %2")
            .arg(caseName, QString::fromStdString(result.refusal(season)));
    const CaseSolution& s = outcome.value();
    const UnitSystem system = result.design.system;
    const auto t = [system](const processes::AirState& air) {
        return NumberText(TemperatureShown(air.dryBulbF, system), 1) + TemperatureSymbol(system);
    };
    QStringList parts;
    parts << AirHandlerLayer::tr("Air handler, %1: room %2, outdoor %3, mixed %4, supply %5")
                 .arg(caseName, t(s.room), t(s.outdoor), t(s.mixed), t(s.supply));
    for (const airhandler::ComponentResult& c : s.components) {
        if (c.active)
            parts << AirHandlerLayer::tr("%1 from %2 to %3")
                         .arg(ComponentText(c.name), t(c.entering), t(c.leaving));
    }
    return parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

} // namespace chart
