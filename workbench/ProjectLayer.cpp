#include "workbench/ProjectLayer.h"

#include "chart/ChartUnits.h"
#include "processes/Process.h"
#include "translations/Message.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QFontMetricsF>
#include <QLineF>
#include <QLocale>
#include <QPainter>
#include <QPolygonF>
#include <QStringList>

namespace chart {

namespace {

// Arrowhead of a process, pixels: length along the line and full width.
constexpr double kArrowLength = 11.0;
constexpr double kArrowWidth = 8.0;
constexpr double kAdpMarkRadius = 3.5;
constexpr double kMixMarkRadius = 3.5;

// Grains in a pound: the grain is defined as 1/7000 lb.
constexpr double kGrainsPerPound = 7000.0;

constexpr std::array<QRgb, 8> kZoneColours{0xff2e7d32, 0xff1565c0, 0xff8e24aa, 0xffef6c00,
                                           0xff00838f, 0xff6d4c41, 0xffc2185b, 0xff546e7a};

// Where a point with real air lies on the plane, in base units.
std::optional<QPointF> PlaneOf(const project::Project& project, int index) {
    if (index < 0 || index >= project.pointCount())
        return std::nullopt;
    const auto& state = project.pointResult(index).state;
    if (!state)
        return std::nullopt;
    return QPointF(static_cast<double>(state->Tdb), static_cast<double>(state->W));
}

std::optional<QPointF> PixelOfId(const project::Project& project, const ChartMapping& mapping,
                                 int id) {
    const auto plane = PlaneOf(project, project.indexOfId(id));
    if (!plane)
        return std::nullopt;
    return mapping.toPixel(*plane);
}

// The faint white patch behind a label, readable over lines and fills.
QColor LabelPatch() {
    QColor patch(Qt::white);
    patch.setAlphaF(0.7f);
    return patch;
}

QString Number(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

} // namespace

QColor ProjectPointColour() {
    return QColor::fromRgb(0xff0d1b6e);
}

QColor ProjectProcessColour() {
    return QColor::fromRgb(0xffc62828);
}

QColor ProjectMixingColour() {
    return QColor::fromRgb(0xff00796b);
}

QColor ProjectZoneColour(int position) {
    return QColor::fromRgb(
        kZoneColours[static_cast<std::size_t>(std::max(position, 0)) % kZoneColours.size()]);
}

void ProjectLayer::reserveLabelRoom(const QPainter&, LabelPlacer& labels,
                                    const LayerContext& context) const {
    if (!std::isfinite(context.patmPsia) || context.patmPsia <= 0.0)
        return;
    const ChartMapping& m = context.mapping;
    for (int i = 0; i < project_.pointCount(); ++i) {
        if (const auto plane = PlaneOf(project_, i))
            labels.blockMarker(m.toPixel(*plane), kPointMarkerRadius + 1.0);
    }
    const Shapes shapes = shapesFor(context);
    for (const MixMark& mix : shapes.mixings)
        labels.blockMarker(mix.mark, kMixMarkRadius + 1.0);
    for (int i = 0; i < project_.processCount(); ++i) {
        if (const auto& coil = project_.processResult(i).coil)
            labels.blockMarker(
                m.toPixel(coil->apparatusDewPoint.dryBulbF, coil->apparatusDewPoint.humidityRatio),
                kAdpMarkRadius + 1.0);
    }
}

void ProjectLayer::paint(QPainter& painter, const LayerContext& context) const {
    if (!std::isfinite(context.patmPsia) || context.patmPsia <= 0.0)
        return;
    // Painted on its own, the layer keeps its labels clear of its own
    // markers and labels only.
    LabelPlacer own(context.mapping.plot());
    if (context.labels == nullptr)
        reserveLabelRoom(painter, own, context);
    LabelPlacer& labels = context.labels != nullptr ? *context.labels : own;
    const Shapes shapes = shapesFor(context);
    const QFontMetricsF fm(painter.font(), painter.device());

    // Labels by importance: the points' names first, then the mixtures'
    // shares, then the zones' names; each is drawn with what it names.
    std::vector<std::optional<PlacedLabel>> pointLabels;
    for (const PointMark& point : shapes.points)
        pointLabels.push_back(
            labels.place(project_.pointName(point.index), point.at, fm, kPointMarkerRadius + 2.0));
    std::vector<std::optional<PlacedLabel>> mixLabels;
    for (const MixMark& mix : shapes.mixings)
        mixLabels.push_back(labels.place(mix.text, mix.mark, fm, kMixMarkRadius + 3.0));
    std::vector<std::optional<PlacedLabel>> zoneLabels;
    for (const ZoneShape& shape : shapes.zones) {
        // Above the outline's top edge where the plot shows it, else under.
        const QRectF box = shape.polygon.boundingRect().intersected(context.mapping.plot());
        zoneLabels.push_back(box.isEmpty() ? std::nullopt
                                           : labels.place(shape.zone->name,
                                                          QPointF(box.center().x(), box.top()), fm,
                                                          2.0, LabelSide::Above));
    }

    painter.save();
    for (std::size_t i = 0; i < shapes.zones.size(); ++i) {
        const ZoneShape& shape = shapes.zones[i];
        QColor fill = shape.zone->colour;
        fill.setAlphaF(0.12f);
        painter.setBrush(fill);
        painter.setPen(QPen(shape.zone->colour, 1.8));
        painter.drawPolygon(shape.polygon);
    }
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < shapes.zones.size(); ++i) {
        if (zoneLabels[i])
            DrawPlacedLabel(painter, *zoneLabels[i], shapes.zones[i].zone->colour, LabelPatch());
    }

    const QColor mixing = ProjectMixingColour();
    for (std::size_t i = 0; i < shapes.mixings.size(); ++i) {
        const MixMark& mix = shapes.mixings[i];
        painter.setPen(QPen(mixing, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(mix.first, mix.second);
        painter.setPen(QPen(Qt::white, 1.0));
        painter.setBrush(mixing);
        painter.drawEllipse(mix.mark, kMixMarkRadius, kMixMarkRadius);
    }
    painter.setBrush(Qt::NoBrush);
    paintProcesses(painter, context);

    const QColor colour = ProjectPointColour();
    for (const PointMark& point : shapes.points) {
        painter.setPen(QPen(Qt::white, 1.2));
        painter.setBrush(colour);
        painter.drawEllipse(point.at, kPointMarkerRadius, kPointMarkerRadius);
    }
    painter.setBrush(Qt::NoBrush);
    for (const auto& label : mixLabels) {
        if (label)
            DrawPlacedLabel(painter, *label, mixing, LabelPatch());
    }
    for (const auto& label : pointLabels) {
        if (label)
            DrawPlacedLabel(painter, *label, colour, LabelPatch());
    }
    painter.restore();
}

const std::vector<ProjectLayer::DrawnZone>& ProjectLayer::zonesAt(double pressurePsia) const {
    const project::ZoneSettings& settings = project_.zoneSettings();
    const QString comfortName = ProjectLayer::tr("Comfort zone");
    if (!outlinedSettings_ || !(*outlinedSettings_ == settings) || outlinedName_ != comfortName) {
        outlines_.clear();
        outlinedSettings_ = settings;
        outlinedName_ = comfortName;
    }
    if (const auto found = outlines_.find(pressurePsia); found != outlines_.end())
        return found->second;
    if (outlines_.size() > 8)
        outlines_.clear();

    std::vector<DrawnZone> zones;
    if (settings.comfortShown) {
        if (const auto* comfort = project_.comfortZone())
            zones.push_back({comfortName, ProjectZoneColour(0), comfort->outline(pressurePsia)});
    }
    if (settings.dataRoomShown)
        zones.push_back({ProjectLayer::tr("Data room"), ProjectZoneColour(1),
                         project_.dataRoomZone().outline(pressurePsia)});
    for (std::size_t i = 0; i < settings.userZones.size(); ++i) {
        const auto* zone = project_.userZone(static_cast<int>(i));
        if (settings.userZones[i].shown && zone)
            zones.push_back({QString::fromStdString(settings.userZones[i].name),
                             ProjectZoneColour(2 + static_cast<int>(i)),
                             zone->outline(pressurePsia)});
    }
    return outlines_.emplace(pressurePsia, std::move(zones)).first->second;
}

ProjectLayer::Shapes ProjectLayer::shapesFor(const LayerContext& context) const {
    const ChartMapping& m = context.mapping;
    const ChartRange& r = m.range();
    Shapes shapes;
    for (const DrawnZone& zone : zonesAt(context.patmPsia)) {
        if (zone.outline.size() < 3)
            continue;
        QPolygonF polygon;
        polygon.reserve(static_cast<qsizetype>(zone.outline.size()));
        for (const processes::ChartPoint& point : zone.outline) {
            // Open sides reach far beyond any chart: keep them a little
            // outside the plot so the pixel numbers stay small.
            const double t = std::clamp(point.dryBulbF, r.tMinF - r.width(), r.tMaxF + r.width());
            const double w =
                std::clamp(point.humidityRatio, r.wMin - r.height(), r.wMax + r.height());
            polygon.append(m.toPixel(t, w));
        }
        shapes.zones.push_back({&zone, std::move(polygon)});
    }

    for (int i = 0; i < project_.mixingCount(); ++i) {
        const project::Mixing& mixing = project_.mixing(i);
        const auto first = PixelOfId(project_, m, mixing.firstId);
        const auto second = PixelOfId(project_, m, mixing.secondId);
        if (!first || !second)
            continue;
        // Adiabatic mixing puts the mixture on the straight line between the
        // two streams, dividing it in the ratio of their dry air (ASHRAE
        // Handbook of Fundamentals, Psychrometrics, adiabatic mixing: the
        // humidity ratio is the mass-weighted mean). The mapping is linear
        // in both axes, so the share divides the pixel line alike.
        const double share = std::clamp(mixing.firstStreamShare, 0.0, 1.0);
        const int firstPercent = static_cast<int>(std::lround(100.0 * share));
        // Joined, not arg()-ed: a name may itself hold "%1".
        const QString text = project_.pointName(project_.indexOfId(mixing.firstId)) +
                             QStringLiteral(" %1 % : ").arg(firstPercent) +
                             project_.pointName(project_.indexOfId(mixing.secondId)) +
                             QStringLiteral(" %1 %").arg(100 - firstPercent);
        shapes.mixings.push_back({*first, *second, *second + share * (*first - *second), text});
    }

    for (int i = 0; i < project_.pointCount(); ++i) {
        if (const auto plane = PlaneOf(project_, i))
            shapes.points.push_back({i, m.toPixel(*plane)});
    }
    return shapes;
}

void ProjectLayer::paintProcesses(QPainter& painter, const LayerContext& context) const {
    const ChartMapping& m = context.mapping;
    const QColor colour = ProjectProcessColour();
    for (int i = 0; i < project_.processCount(); ++i) {
        const project::ProcessLink& link = project_.process(i);
        const auto from = PixelOfId(project_, m, link.fromId);
        const auto to = PixelOfId(project_, m, link.toId);
        if (!from || !to)
            continue;
        const QLineF line(*from, *to);
        if (line.length() < 1.0)
            continue;

        // A coil's apparatus dew point: the process line carried on, dashed,
        // to where it meets saturation.
        if (const auto& coil = project_.processResult(i).coil) {
            const QPointF adp =
                m.toPixel(coil->apparatusDewPoint.dryBulbF, coil->apparatusDewPoint.humidityRatio);
            painter.setPen(QPen(colour, 1.2, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawLine(*to, adp);
            painter.setPen(QPen(colour, 1.5));
            painter.drawEllipse(adp, kAdpMarkRadius, kAdpMarkRadius);
        }

        // The tip stops at the leaving point's marker so the head shows.
        const QPointF unit = (*to - *from) / line.length();
        const QPointF normal(-unit.y(), unit.x());
        const double back = std::min(kPointMarkerRadius + 1.5, line.length() / 2.0);
        const QPointF tip = *to - back * unit;
        const QPointF base = tip - std::min(kArrowLength, line.length() / 2.0) * unit;
        painter.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(*from, base);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPolygon(
            QPolygonF{tip, base + 0.5 * kArrowWidth * normal, base - 0.5 * kArrowWidth * normal});
    }
    painter.setBrush(Qt::NoBrush);
}

std::optional<int> PointNear(const project::Project& project, const ChartMapping& mapping,
                             QPointF pixel, double radius) {
    std::optional<int> nearest;
    double best = radius;
    for (int i = 0; i < project.pointCount(); ++i) {
        const auto plane = PlaneOf(project, i);
        if (!plane)
            continue;
        const QPointF at = mapping.toPixel(*plane);
        // A point off the plot is clipped away: there is nothing to grab.
        const double distance = QLineF(at, pixel).length();
        if (mapping.onPlot(at) && distance <= best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

QString ProjectDescription(const project::Project& project) {
    const UnitSystem units = project.atmosphere().system;
    const bool ip = units == UnitSystem::IP;
    QStringList sentences;

    QStringList points;
    for (int i = 0; i < project.pointCount(); ++i) {
        const QString name = project.pointName(i);
        const auto& result = project.pointResult(i);
        if (!result.state) {
            // The reason says what is wrong ("No such air: ...").
            points << ProjectLayer::tr("%1, not shown: %2")
                          .arg(name, QString::fromStdString(result.reason));
            continue;
        }
        const double w = static_cast<double>(result.state->W);
        points << ProjectLayer::tr("%1: %2 %3, %4 %5")
                      .arg(name,
                           Number(
                               TemperatureToDisplay(static_cast<double>(result.state->Tdb), units),
                               1),
                           ip ? QStringLiteral("°F") : QStringLiteral("°C"),
                           ip ? Number(kGrainsPerPound * w, 0) : Number(1000.0 * w, 1),
                           ip ? QStringLiteral("gr/lb") : QStringLiteral("g/kg"));
    }
    sentences << (points.isEmpty()
                      ? ProjectLayer::tr("No points")
                      : ProjectLayer::tr("Points: %1").arg(points.join(QStringLiteral("; "))));

    const auto nameOf = [&](int id) {
        const int index = project.indexOfId(id);
        return index >= 0 ? project.pointName(index) : QStringLiteral("?");
    };
    QStringList processes;
    for (int i = 0; i < project.processCount(); ++i) {
        const project::ProcessLink& link = project.process(i);
        const auto& result = project.processResult(i);
        QString what;
        if (result.analysis) {
            what = translations::Translated(processes::ProcessNameText(result.analysis->kind));
            // In the middle of an English sentence; other languages keep
            // the capitals of their translation (German nouns).
            if (!what.isEmpty() &&
                what == QLatin1String(processes::ProcessNameText(result.analysis->kind).source))
                what[0] = what[0].toLower();
        } else {
            what = QString::fromStdString(result.message);
        }
        processes
            << ProjectLayer::tr("%1 to %2: %3").arg(nameOf(link.fromId), nameOf(link.toId), what);
    }
    if (!processes.isEmpty())
        sentences << ProjectLayer::tr("Processes: %1").arg(processes.join(QStringLiteral("; ")));

    QStringList mixtures;
    for (int i = 0; i < project.mixingCount(); ++i) {
        const project::Mixing& mixing = project.mixing(i);
        const int firstPercent =
            static_cast<int>(std::lround(100.0 * std::clamp(mixing.firstStreamShare, 0.0, 1.0)));
        mixtures << ProjectLayer::tr("%1 mixes %2 %3 % and %4 %5 % of the dry air")
                        .arg(nameOf(mixing.resultId), nameOf(mixing.firstId),
                             QString::number(firstPercent), nameOf(mixing.secondId),
                             QString::number(100 - firstPercent));
    }
    if (!mixtures.isEmpty())
        sentences << ProjectLayer::tr("Mixtures: %1").arg(mixtures.join(QStringLiteral("; ")));

    const project::ZoneSettings& zones = project.zoneSettings();
    QStringList shown;
    if (zones.comfortShown)
        shown << ProjectLayer::tr("thermal comfort zone");
    if (zones.dataRoomShown)
        shown << ProjectLayer::tr("data-processing room envelope");
    for (const project::UserZone& zone : zones.userZones) {
        if (zone.shown)
            shown << QString::fromStdString(zone.name);
    }
    if (!shown.isEmpty())
        sentences << ProjectLayer::tr("Zones shown: %1").arg(shown.join(QStringLiteral(", ")));
    return sentences.join(QStringLiteral(". ")) + QLatin1Char('.');
}

} // namespace chart
