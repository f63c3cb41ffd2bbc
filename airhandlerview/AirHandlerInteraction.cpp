#include "airhandlerview/AirHandlerInteraction.h"

#include "airhandlerview/SetupEdit.h"
#include "chart/PsychroChart.h"
#include "engine/FloatingPointFault.h"
#include "engine/Limits.h"
#include "engine/PsychroFun.h"
#include "project/Project.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>

namespace chart {

namespace {

project::PointDefinition DryBulbAndW(double tF, double w) {
    return {{project::Input::DryBulb, tF}, {project::Input::HumidityRatio, w}};
}

// The humidity ratio kept at or below saturation at tF and the pressure:
// W_s = 0.62198 p_ws / (p - p_ws) (ASHRAE Handbook of Fundamentals,
// Psychrometrics, eq. 23), by the engine in IP units (°F, psia). Nothing
// where the engine faults.
std::optional<double> BelowSaturation(double tF, double w, double pressurePsia) {
    try {
        const double pws = basPsychroFun::SaturationPressure(tF, "IP");
        if (pws > 0.0 && pws < pressurePsia)
            w = std::min(w, basPsychroFun::SaturationHumidityRatio(pws, pressurePsia, "IP"));
    } catch (const basPsychroFun::FloatingPointFault&) {
        return std::nullopt;
    }
    return std::isfinite(w) ? std::optional<double>(std::max(w, 0.0)) : std::nullopt;
}

} // namespace

AirHandlerInteraction::AirHandlerInteraction(PsychroChart* chart, project::Project* project,
                                             QObject* parent)
    : QObject(parent), chart_(chart), project_(project), layer_(*project) {
    chart_->addLayer(&layer_);
    connect(chart, &QObject::destroyed, this, [this] {
        chart_.clear();
        drag_.reset();
    });
    chart_->installEventFilter(this);
    connect(project, &project::Project::airHandlerChanged, this, &AirHandlerInteraction::repaint);
    connect(project, &project::Project::atmosphereChanged, this, &AirHandlerInteraction::repaint);
    connect(project, &QObject::destroyed, this, [this] {
        drag_.reset();
        if (chart_)
            chart_->removeLayer(&layer_);
    });
}

AirHandlerInteraction::~AirHandlerInteraction() {
    if (chart_)
        chart_->removeLayer(&layer_);
}

void AirHandlerInteraction::setSeason(airhandler::Season season) {
    if (layer_.season() == season)
        return;
    layer_.setSeason(season);
    repaint();
}

void AirHandlerInteraction::repaint() {
    if (chart_)
        chart_->layerChanged();
}

bool AirHandlerInteraction::eventFilter(QObject* watched, QEvent* event) {
    if (watched != chart_ || !project_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return press(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseMove:
        if (!drag_)
            return false;
        move(static_cast<const QMouseEvent&>(*event));
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<const QMouseEvent&>(*event).button() == Qt::LeftButton && drag_) {
            release();
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool AirHandlerInteraction::press(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton || !project_->airHandler())
        return false;
    const ChartMapping mapping = chart_->mapping();
    const auto handle = layer_.handleNear(mapping, event.position(), kGrabPixels);
    if (!handle)
        return false;
    for (const auto& mark : layer_.shapesFor(mapping).marks) {
        if (mark.handle == handle) {
            drag_ = Drag{*handle, mark.at - event.position(), std::nullopt};
            break;
        }
    }
    chart_->setCursor(Qt::ClosedHandCursor);
    return true;
}

std::optional<project::AirHandlerSetup>
AirHandlerInteraction::movedSetup(AirHandlerHandle handle, double tF, double w) const {
    if (!project_ || !project_->airHandler())
        return std::nullopt;
    const project::Atmosphere& atmosphere = project_->atmosphere();
    tF = std::clamp(tF, basPsychroFun::kMinTemperatureF, basPsychroFun::kMaxTemperatureF);
    const auto below = BelowSaturation(tF, w, atmosphere.pressurePsia);
    if (!below)
        return std::nullopt;
    project::AirHandlerSetup setup = *project_->airHandler();
    project::AirHandlerCase& c = setup.of(layer_.season());
    switch (handle) {
    case AirHandlerHandle::Room:
        c.room = DryBulbAndW(tF, *below);
        break;
    case AirHandlerHandle::Outdoor:
        c.outdoor = DryBulbAndW(tF, *below);
        break;
    case AirHandlerHandle::Supply: {
        // The project's solution, not the preview's: the setup is the
        // project's too.
        const project::AirHandlerResult* result = project_->airHandlerResult();
        if (result == nullptr || !result->solution.of(layer_.season()).ok())
            return std::nullopt;
        const airhandler::CaseSolution* solved = &result->solution.of(layer_.season()).value();
        const double difference = std::abs(solved->room.dryBulbF - tF);
        switch (c.supply.by) {
        case airhandler::SupplyBy::DryBulb:
            c.supply.dryBulbF = tF;
            break;
        case airhandler::SupplyBy::TemperatureDifference:
            c.supply.differenceF = difference;
            break;
        case airhandler::SupplyBy::Airflow: {
            // The airflow carrying the same sensible load at the new
            // difference: q_s = m c_p Δt, so m scales as 1 / Δt.
            const double before = std::abs(solved->room.dryBulbF - solved->supply.dryBulbF);
            if (!(difference > 0.0) || !(before > 0.0))
                return std::nullopt;
            c.supply.airflow.value *= before / difference;
            break;
        }
        }
        break;
    }
    }
    return setup;
}

void AirHandlerInteraction::move(const QMouseEvent& event) {
    if (!(event.buttons() & Qt::LeftButton)) {
        release();
        return;
    }
    const ChartMapping mapping = chart_->mapping();
    const QPointF data = mapping.toData(event.position() + drag_->grabOffset);
    const ChartRange& range = mapping.range();
    const double tF = std::clamp(data.x(), range.tMinF, range.tMaxF);
    const double w = std::clamp(data.y(), std::max(range.wMin, 0.0), std::max(range.wMax, 0.0));
    const auto setup = movedSetup(drag_->handle, tF, w);
    if (!setup)
        return;
    // Each move is solved from the project's setup, so a place with no
    // solution leaves the preview at the last good one.
    if (!WouldRefuse(*project_, *setup).isEmpty())
        return;
    drag_->setup = setup;
    layer_.setPreview(project::SolveAirHandler(*setup, project_->atmosphere()));
    repaint();
}

void AirHandlerInteraction::release() {
    std::optional<project::AirHandlerSetup> setup;
    if (drag_)
        setup = std::move(drag_->setup);
    drag_.reset();
    layer_.setPreview(std::nullopt);
    if (setup && project_) {
        if (const QString why = ApplySetup(*project_, *setup); !why.isEmpty())
            emit message(tr("The point was not moved: %1").arg(why));
    }
    if (chart_)
        chart_->unsetCursor();
    repaint();
}

} // namespace chart
