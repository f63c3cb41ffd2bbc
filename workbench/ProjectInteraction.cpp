#include "workbench/ProjectInteraction.h"

#include "chart/HoverReadout.h"
#include "chart/PsychroChart.h"
#include "core/RealAir.h"
#include "engine/FloatingPointFault.h"
#include "engine/Limits.h"
#include "engine/PsychroFun.h"
#include "project/Project.h"
#include "translations/Message.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QMouseEvent>

namespace chart {

namespace {

project::PointDefinition DryBulbAndW(double tF, double w) {
    return {{project::Input::DryBulb, tF}, {project::Input::HumidityRatio, w}};
}

} // namespace

ProjectInteraction::ProjectInteraction(PsychroChart* chart, project::Project* project,
                                       QObject* parent)
    : QObject(parent), chart_(chart), project_(project), layer_(*project) {
    chart_->addLayer(&layer_);
    // A widget says it is going before it deletes its children: as the
    // chart's child this must not touch the chart's layers after that.
    connect(chart, &QObject::destroyed, this, [this] {
        chart_.clear();
        drag_.reset();
    });
    chart_->installEventFilter(this);
    for (const auto signal : {&project::Project::pointsChanged, &project::Project::processesChanged,
                              &project::Project::mixingsChanged, &project::Project::zonesChanged,
                              &project::Project::atmosphereChanged})
        connect(project, signal, this, &ProjectInteraction::repaint);
    connect(project, &project::Project::pointChanged, this, &ProjectInteraction::repaint);
    // The layer reads the project: it must not be drawn once that is gone.
    connect(project, &QObject::destroyed, this, [this] {
        drag_.reset();
        if (chart_) {
            chart_->removeLayer(&layer_);
            chart_->unsetCursor();
        }
    });
}

ProjectInteraction::~ProjectInteraction() {
    if (chart_)
        chart_->removeLayer(&layer_);
}

void ProjectInteraction::repaint() {
    if (chart_)
        chart_->layerChanged();
}

bool ProjectInteraction::eventFilter(QObject* watched, QEvent* event) {
    if (watched != chart_ || !project_)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonDblClick: {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (mouse.button() == Qt::LeftButton && (mouse.modifiers() & Qt::ShiftModifier))
            return addPointAt(mouse);
        return false;
    }
    case QEvent::MouseButtonPress:
        return press(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseMove:
        // Passed on as well: the chart's readout follows the pointer.
        move(static_cast<const QMouseEvent&>(*event));
        return false;
    case QEvent::MouseButtonRelease:
        if (static_cast<const QMouseEvent&>(*event).button() == Qt::LeftButton && drag_) {
            release();
            return true;
        }
        return false;
    case QEvent::Leave:
        if (!drag_)
            chart_->unsetCursor();
        return false;
    default:
        return false;
    }
}

bool ProjectInteraction::addPointAt(const QMouseEvent& event) {
    const ChartMapping mapping = chart_->mapping();
    if (!mapping.onPlot(event.position())) {
        emit message(tr("No point added: Shift + double-click inside the plot."));
        return true;
    }
    const QPointF data = mapping.toData(event.position());
    const project::Atmosphere& atmosphere = project_->atmosphere();
    const auto readout =
        ComputeReadout(data.x(), data.y(), atmosphere.pressurePsia, atmosphere.system);
    if (!readout || readout->supersaturated) {
        emit message(tr("No point added: there is no air above the saturation curve."));
        return true;
    }
    const project::Solution solution = project::Solve(DryBulbAndW(data.x(), data.y()), atmosphere);
    if (!solution.state) {
        emit message(tr("No point added: %1")
                         .arg(solution.reason ? translations::Translated(calculator::ReasonMessage(
                                                    *solution.reason,
                                                    basPsychroFun::SelectorOf(atmosphere.system)))
                                              : tr("there is no air here.")));
        return true;
    }
    if (const project::Added added = project_->addPointAt(data.x(), data.y()); !added.ok())
        emit message(tr("No point added: %1").arg(added.error));
    return true;
}

bool ProjectInteraction::press(const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton)
        return false;
    const ChartMapping mapping = chart_->mapping();
    const auto index = PointNear(*project_, mapping, event.position(), kGrabPixels);
    if (!index)
        return false;
    const auto& state = *project_->pointResult(*index).state;
    const QPointF marker =
        mapping.toPixel(static_cast<double>(state.Tdb), static_cast<double>(state.W));
    drag_ = Drag{project_->point(*index).id, event.position(), marker - event.position(), false};
    chart_->setCursor(Qt::ClosedHandCursor);
    return false;
}

void ProjectInteraction::move(const QMouseEvent& event) {
    if (!drag_) {
        const bool over =
            PointNear(*project_, chart_->mapping(), event.position(), kGrabPixels).has_value();
        if (over)
            chart_->setCursor(Qt::OpenHandCursor);
        else
            chart_->unsetCursor();
        return;
    }
    if (!(event.buttons() & Qt::LeftButton)) {
        // The release went elsewhere (another window took the mouse).
        release();
        return;
    }
    // A press with a small tremble is a click, not a move.
    if (!drag_->moved && (event.position() - drag_->pressPixel).manhattanLength() <
                             QApplication::startDragDistance())
        return;
    const int index = project_->indexOfId(drag_->pointId);
    if (index < 0) {
        // The point went while it was held (an undo, say).
        release();
        return;
    }
    drag_->moved = true;
    // A place with no air is skipped: the point stays at its last real air.
    if (const auto target = dragTarget(event.position() + drag_->grabOffset))
        project_->movePoint(index, target->x(), target->y());
}

void ProjectInteraction::release() {
    drag_.reset();
    if (project_)
        project_->finishMove();
    if (chart_)
        chart_->setCursor(Qt::OpenHandCursor);
}

std::optional<QPointF> ProjectInteraction::dragTarget(QPointF pixel) const {
    const ChartMapping mapping = chart_->mapping();
    const ChartRange& range = mapping.range();
    const QPointF data = mapping.toData(pixel);
    const double tF = std::clamp(std::clamp(data.x(), range.tMinF, range.tMaxF),
                                 basPsychroFun::kMinTemperatureF, basPsychroFun::kMaxTemperatureF);
    double w = std::clamp(data.y(), std::max(range.wMin, 0.0), std::max(range.wMax, 0.0));
    const project::Atmosphere& atmosphere = project_->atmosphere();
    try {
        // Above the saturation curve there is no air: the point slides along
        // the curve instead. W_s = 0.62198 p_ws / (p - p_ws) (ASHRAE Handbook
        // of Fundamentals, Psychrometrics, eq. 23), by the engine in IP units
        // (°F, psia). Where p_ws reaches the atmospheric pressure (boiling)
        // there is no saturation limit on W.
        const double pws = basPsychroFun::SaturationPressure(tF, "IP");
        if (pws > 0.0 && pws < atmosphere.pressurePsia)
            w = std::min(
                w, basPsychroFun::SaturationHumidityRatio(pws, atmosphere.pressurePsia, "IP"));
    } catch (const basPsychroFun::FloatingPointFault&) {
        return std::nullopt;
    }
    // Whatever the curve says, the point must solve to real air as the
    // calculator would solve it, or it is not moved there.
    if (!std::isfinite(w) || !project::Solve(DryBulbAndW(tF, w), atmosphere).state)
        return std::nullopt;
    return QPointF(tF, w);
}

} // namespace chart
