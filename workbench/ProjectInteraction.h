#pragma once

// The project on a chart widget, and its points placed and dragged with the
// mouse. ProjectInteraction draws the project through a ProjectLayer it adds
// to the chart, repaints the chart whenever the project changes, and watches
// the chart's mouse events:
//
// - Shift + double click adds a point at that dry bulb and humidity ratio,
//   when it lies on the plot at or below saturation; otherwise message() says
//   why. The chart never sees that double click, so it does not also pick
//   the point for the calculator; a plain double click still does.
// - A left press on a point (within kGrabPixels of its marker) starts a
//   drag: each move redefines the point by the dry bulb and humidity ratio
//   under the pointer, kept at or below saturation; the release ends the
//   drag, which is one step on the project's undo stack.
//
// It takes its layer off the chart when it goes, if the chart is still there;
// it may be the chart's child.

#include "workbench/ProjectLayer.h"

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

class ProjectInteraction final : public QObject {
    Q_OBJECT

public:
    // How near a point's marker a press grabs it, pixels.
    static constexpr double kGrabPixels = 6.0;

    // Should the project go first, its layer leaves the chart with it.
    ProjectInteraction(PsychroChart* chart, project::Project* project, QObject* parent = nullptr);
    ~ProjectInteraction() override;

    ProjectInteraction(const ProjectInteraction&) = delete;
    ProjectInteraction& operator=(const ProjectInteraction&) = delete;

    [[nodiscard]] const ProjectLayer& layer() const noexcept { return layer_; }
    // Whether a point is being dragged.
    [[nodiscard]] bool dragging() const noexcept { return drag_.has_value(); }

signals:
    // Why a Shift + double click added no point.
    void message(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Drag {
        int pointId = 0;
        QPointF pressPixel;
        // From the pointer to the point's marker when pressed, pixels: the
        // point keeps its place under the pointer instead of jumping.
        QPointF grabOffset;
        bool moved = false;
    };

    void repaint();
    bool addPointAt(const QMouseEvent& event);
    bool press(const QMouseEvent& event);
    void move(const QMouseEvent& event);
    void release();
    // The place a dragged point goes for a pointer at `pixel`: on the plot's
    // range, at or below saturation at the project's pressure; nothing when
    // no air lies there.
    [[nodiscard]] std::optional<QPointF> dragTarget(QPointF pixel) const;

    QPointer<PsychroChart> chart_;
    QPointer<project::Project> project_;
    ProjectLayer layer_;
    std::optional<Drag> drag_;
};

} // namespace chart
