#pragma once

// The state-point project on the chart: the zones shown, the mixing lines,
// the processes as arrows and the points with their names, all in the chart's
// own mapping (dry bulb °F, humidity ratio lb/lb -> pixels). Only points with
// real air are drawn; a process or mixture with a point that has none is left
// out.

#include "chart/ChartLayer.h"
#include "processes/Zone.h"
#include "project/Project.h"

#include <map>
#include <optional>
#include <vector>

#include <QColor>
#include <QCoreApplication>
#include <QPointF>
#include <QPolygonF>
#include <QString>

namespace chart {

// Colours of the project's drawing, chosen to stand apart from the chart's
// own lines and from each other.
QColor ProjectPointColour();
QColor ProjectProcessColour();
QColor ProjectMixingColour();
// The comfort zone, the data-room envelope, then the user zones in turn.
QColor ProjectZoneColour(int position);

// Radius of a point's marker, pixels.
inline constexpr double kPointMarkerRadius = 4.5;

class ProjectLayer final : public ChartLayer {
    Q_DECLARE_TR_FUNCTIONS(chart::ProjectLayer)

public:
    // The project must outlive the layer.
    explicit ProjectLayer(const project::Project& project) : project_(project) {}

    void paint(QPainter& painter, const LayerContext& context) const override;
    // The points' markers and the marks of mixtures and apparatus dew points.
    void reserveLabelRoom(const QPainter& painter, LabelPlacer& labels,
                          const LayerContext& context) const override;

private:
    struct DrawnZone {
        QString name;
        QColor colour;
        processes::Outline outline; // in base units
    };

    // The outlines of the zones shown at this pressure: traced once per
    // pressure and zone settings, since the chart repaints at the same
    // pressure again and again and an outline takes some work.
    const std::vector<DrawnZone>& zonesAt(double pressurePsia) const;

    struct ZoneShape {
        const DrawnZone* zone = nullptr;
        QPolygonF polygon; // pixels
    };
    struct MixMark {
        QPointF first, second, mark; // pixels
        QString text;                // "A 25 % : B 75 %"
    };
    struct PointMark {
        int index = 0;
        QPointF at; // pixels
    };
    // What the layer draws, in pixels.
    struct Shapes {
        std::vector<ZoneShape> zones;
        std::vector<MixMark> mixings;
        std::vector<PointMark> points;
    };
    [[nodiscard]] Shapes shapesFor(const LayerContext& context) const;

    void paintProcesses(QPainter& painter, const LayerContext& context) const;

    const project::Project& project_;
    mutable std::optional<project::ZoneSettings> outlinedSettings_;
    mutable std::map<double, std::vector<DrawnZone>> outlines_;
    // The comfort zone's name in the language the outlines were named in: a
    // change of language names them again.
    mutable QString outlinedName_;
};

// The point of the project drawn nearest to `pixel` within `radius` pixels,
// by the mapping; only points with real air drawn on the plot count. Nothing
// when none is.
std::optional<int> PointNear(const project::Project& project, const ChartMapping& mapping,
                             QPointF pixel, double radius);

// The project in words, for screen readers: each point with its dry bulb and
// humidity ratio in the project's unit system (°F and gr/lb, or °C and g/kg),
// or why it is no air; each process ("A to B: cooling and dehumidifying");
// each mixture; the zones shown.
QString ProjectDescription(const project::Project& project);

} // namespace chart
