#pragma once

// The air handler on the chart: the room's sensible-heat-ratio line across
// the chart, the outdoor air, return (room) air, mixed air and supply air as
// named points, the mixing lines, and each active component as an arrow from
// its entering to its leaving air under the component's name. One case is
// drawn, the one the panel shows. Everything goes through the chart's
// mapping, so the ASHRAE chart and the Mollier diagram show the same
// drawing. A case without a solution draws nothing.
//
// While a point is dragged the layer draws a preview (the setup being
// dragged, solved), so that the chain follows the pointer before anything
// reaches the project.

#include "chart/ChartLayer.h"
#include "projectcore/AirHandlerSetup.h"

#include <optional>
#include <vector>

#include <QColor>
#include <QCoreApplication>
#include <QPointF>
#include <QString>

namespace project {
class Project;
}

namespace chart {

QColor AirHandlerChainColour();
QColor AirHandlerShrColour();

// The points the user can drag.
enum class AirHandlerHandle { Room, Outdoor, Supply };

class AirHandlerLayer final : public ChartLayer {
    Q_DECLARE_TR_FUNCTIONS(chart::AirHandlerLayer)

public:
    // The project must outlive the layer.
    explicit AirHandlerLayer(const project::Project& project) : project_(project) {}

    void setSeason(airhandler::Season season) noexcept { season_ = season; }
    [[nodiscard]] airhandler::Season season() const noexcept { return season_; }

    void setPreview(std::optional<project::AirHandlerResult> preview) {
        preview_ = std::move(preview);
    }
    [[nodiscard]] bool previewing() const noexcept { return preview_.has_value(); }

    // The solution drawn: the preview, or the project's; null when there is
    // no air handler.
    [[nodiscard]] const project::AirHandlerResult* shownResult() const;
    // The case drawn, when it has a solution.
    [[nodiscard]] const airhandler::CaseSolution* shownCase() const;

    void paint(QPainter& painter, const LayerContext& context) const override;
    void reserveLabelRoom(const QPainter& painter, LabelPlacer& labels,
                          const LayerContext& context) const override;

    // What the layer draws, in pixels, for tests and for grabbing.
    struct Mark {
        QString name;
        QPointF at;
        std::optional<AirHandlerHandle> handle;
    };
    struct Arrow {
        QString name; // the component's; empty for a mixing line
        QPointF from, to;
    };
    struct Shapes {
        std::vector<QPointF> shrLine;
        std::vector<Arrow> arrows;
        std::vector<Arrow> mixing;
        std::vector<Mark> marks;
    };
    [[nodiscard]] Shapes shapesFor(const ChartMapping& mapping) const;

    // The draggable point drawn nearest `pixel` within `radius` pixels.
    [[nodiscard]] std::optional<AirHandlerHandle> handleNear(const ChartMapping& mapping,
                                                             QPointF pixel, double radius) const;

private:
    const project::Project& project_;
    airhandler::Season season_ = airhandler::Season::Summer;
    std::optional<project::AirHandlerResult> preview_;
};

// The case in words, for screen readers: its points and each active
// component with its entering and leaving dry bulb.
QString AirHandlerDescription(const project::AirHandlerResult& result, airhandler::Season season);

} // namespace chart
