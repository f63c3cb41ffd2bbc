#pragma once

// The part of the psychrometric plane the chart shows, kept in base units
// (dry bulb °F, humidity ratio lb/lb), its zooming, and the "nice" spacing of
// axis ticks and chart lines.

#include "chart/ChartUnits.h"

#include <vector>

#include <QPointF>

namespace chart {

struct ChartRange {
    double tMinF = 0.0; // dry bulb at the left edge, °F
    double tMaxF = 0.0; // dry bulb at the right edge, °F
    double wMin = 0.0;  // humidity ratio at the bottom edge, lb/lb
    double wMax = 0.0;  // humidity ratio at the top edge, lb/lb

    [[nodiscard]] double width() const noexcept { return tMaxF - tMinF; }
    [[nodiscard]] double height() const noexcept { return wMax - wMin; }
    [[nodiscard]] bool contains(double tF, double w) const noexcept {
        return tF >= tMinF && tF <= tMaxF && w >= wMin && w <= wMax;
    }
    friend bool operator==(const ChartRange&, const ChartRange&) = default;
};

// The ranges of a common HVAC chart: 30 to 120 °F and 0 to 0.03 lbm/lbm;
// -1 to 50 °C and 0 to 30 gm/kg.
ChartRange DefaultRange(UnitSystem units) noexcept;

// How far the view can go: the range of the saturation pressure in dry bulb,
// dry air to 1 lb/lb in humidity ratio, and no narrower than 1 °F by 0.0002.
inline constexpr ChartRange kOuterLimits{-148.0, 400.0, 0.0, 1.0};
inline constexpr double kMinWidthF = 1.0;
inline constexpr double kMinHeight = 0.0002;

// The range scaled by `factor` (below 1 zooms in) about the data point
// `anchor` (°F, lb/lb), which keeps its place on the screen, then kept within
// the limits above. A factor that is not a positive finite number leaves the
// range as it is.
ChartRange ZoomedAbout(const ChartRange& range, QPointF anchor, double factor) noexcept;

// The range moved and shrunk, as little as needed, into the limits above.
ChartRange Limited(const ChartRange& range) noexcept;

// The smallest step of 1, 2 or 5 times a power of ten that splits `span` into
// at most `maxCount` parts; 0 when either is not a positive finite number.
double NiceStep(double span, double maxCount) noexcept;

// The multiples of `step` from `lo` to `hi` inclusive (a little tolerance at
// both ends), at most `maxCount` of them.
std::vector<double> MultiplesIn(double lo, double hi, double step, int maxCount = 400);

} // namespace chart
