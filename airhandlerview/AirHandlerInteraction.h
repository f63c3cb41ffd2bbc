#pragma once

// The air handler on a chart widget, its room, outdoor and supply points
// dragged with the mouse. AirHandlerInteraction draws the shown case through
// an AirHandlerLayer it adds to the chart, repaints whenever the project's
// air handler changes, and watches the chart's mouse:
//
// - A left press on the room, outdoor or supply point (within kGrabPixels)
//   starts a drag. Each move re-solves the whole chain for the point under
//   the pointer (kept at or below saturation) and the layer shows it at
//   once; nothing reaches the project until the release, which sets the
//   setup dragged to as one step on the undo stack.
// - The room and outdoor air are then defined by dry bulb and humidity
//   ratio. The supply point moves along the SHR line by its dry bulb: a
//   supply given by its dry bulb takes the new one, one given by its
//   difference to the room the new difference, one given by its airflow the
//   airflow that carries the room's sensible load at the new difference.
// - A place where the case would have no solution is skipped: the point
//   stays at its last good place.
//
// Installed after the project's own interaction, it sees the mouse first
// and keeps the presses it takes.

#include "airhandlerview/AirHandlerLayer.h"

#include <optional>

#include <QObject>
#include <QPointF>
#include <QPointer>

class QMouseEvent;

namespace project {
class Project;
}

namespace chart {

class PsychroChart;

class AirHandlerInteraction final : public QObject {
    Q_OBJECT

public:
    static constexpr double kGrabPixels = 7.0;

    AirHandlerInteraction(PsychroChart* chart, project::Project* project,
                          QObject* parent = nullptr);
    ~AirHandlerInteraction() override;

    AirHandlerInteraction(const AirHandlerInteraction&) = delete;
    AirHandlerInteraction& operator=(const AirHandlerInteraction&) = delete;

    [[nodiscard]] const AirHandlerLayer& layer() const noexcept { return layer_; }
    [[nodiscard]] bool dragging() const noexcept { return drag_.has_value(); }
    void setSeason(airhandler::Season season);

    // The setup with `handle` moved to the chart's dry bulb tF (°F) and
    // humidity ratio w (lb/lb); nothing when no air lies there.
    [[nodiscard]] std::optional<project::AirHandlerSetup> movedSetup(AirHandlerHandle handle,
                                                                     double tF, double w) const;

signals:
    // Why a drag's release changed nothing.
    void message(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Drag {
        AirHandlerHandle handle = AirHandlerHandle::Room;
        QPointF grabOffset;
        std::optional<project::AirHandlerSetup> setup; // where it was dragged to
    };

    void repaint();
    bool press(const QMouseEvent& event);
    void move(const QMouseEvent& event);
    void release();

    QPointer<PsychroChart> chart_;
    QPointer<project::Project> project_;
    AirHandlerLayer layer_;
    std::optional<Drag> drag_;
};

} // namespace chart
