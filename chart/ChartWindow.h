#pragma once

// ChartWindow: the psychrometric chart in a window of its own, modeless, that
// stays with the window that owns it. It remembers its size and position in
// the settings store under "ChartGeometry" (base64 of QWidget::saveGeometry):
// read before it is first shown, written whenever it is hidden or closed, and when it
// is destroyed while shown. Closing (or Escape) only hides it, so the owner can
// show it again as it was.
//
// It forwards the chart's API; chart() gives the widget itself for the rest.

#include "chart/PsychroChart.h"

#include <QStringView>
#include <QWidget>

namespace chart {

class ChartWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr QStringView kGeometryKey = u"ChartGeometry";

    explicit ChartWindow(QWidget* owner);
    ~ChartWindow() override;

    [[nodiscard]] PsychroChart* chart() const noexcept { return chart_; }

    // Showing for the first time puts the window where it was last left.
    void setVisible(bool visible) override;

    void setAtmosphere(double patmPsia) { chart_->setAtmosphere(patmPsia); }
    void setUnitSystem(UnitSystem units) { chart_->setUnitSystem(units); }
    void setState(std::optional<StatePoint> state) { chart_->setState(state); }

signals:
    // The point double-clicked on the chart: dry bulb °F, humidity ratio lb/lb.
    void pointPicked(double tdbF, double wLbPerLb);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // The names and descriptions a screen reader speaks.
    void applyAccessibleTexts();
    void restoreStoredGeometry();
    void storeGeometry() const;

    PsychroChart* chart_ = nullptr;
    bool restored_ = false;
};

} // namespace chart
