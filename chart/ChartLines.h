#pragma once

// The lines of the psychrometric chart, computed from the engine and kept in
// data coordinates: x the dry bulb (°F), y the humidity ratio (lb/lb).
//
// Every line is sampled on one grid of dry bulbs across the view and cut to
// the part that lies between dry air (W = 0) and saturation; where a line
// enters or leaves that region between two samples, the crossing is found by
// bisection so the lines end on the saturation curve rather than near it.
// A point at which the engine raises a fault is skipped. The result is then
// clipped to the view, so painting never meets coordinates far outside it.
// Computing takes a few milliseconds; ChartLinesCache keeps recent results
// so that repaints, hovering and resizing never recompute.

#include "chart/ChartRange.h"
#include "chart/ChartUnits.h"

#include <cstddef>
#include <vector>

#include <QPolygonF>

namespace chart {

// What the lines depend on.
struct ChartKey {
    double patmPsia = 14.696;
    UnitSystem units = UnitSystem::IP;
    ChartRange range;
    friend bool operator==(const ChartKey&, const ChartKey&) = default;
};

// One line of a family, in pieces that lie inside the view.
struct ChartLine {
    // Relative humidity as a fraction; wet bulb in °F | °C; enthalpy in
    // BTU/lbm | kJ/kg; specific volume in ft³/lbm | m³/kg.
    double value = 0.0;
    std::vector<QPolygonF> pieces;
};

struct ChartLines {
    ChartKey key;
    // False when the pressure is not a positive finite number: nothing to draw.
    bool valid = false;
    std::vector<QPolygonF> saturation;
    std::vector<ChartLine> relativeHumidity; // 10 % to 90 %
    std::vector<ChartLine> wetBulb;
    std::vector<ChartLine> enthalpy;
    std::vector<ChartLine> specificVolume;
    // Spacing of the families in the active system's units.
    double wetBulbStep = 0.0;
    double enthalpyStep = 0.0;
    double volumeStep = 0.0;
};

// Dry-bulb samples across the view, and the relative humidities drawn.
inline constexpr int kGridSamples = 161;
inline constexpr int kRelativeHumiditySteps = 9; // 10 %, 20 %, ... 90 %

ChartLines ComputeChartLines(const ChartKey& key);

// The parts of `line` inside `range`, each with at least two points.
std::vector<QPolygonF> ClipToRange(const QPolygonF& line, const ChartRange& range);

// The lines of the last few keys, most recent first.
class ChartLinesCache {
public:
    const ChartLines& linesFor(const ChartKey& key);
    // How many times lines were computed rather than reused.
    [[nodiscard]] std::size_t computeCount() const noexcept { return computeCount_; }

private:
    static constexpr std::size_t kCapacity = 4;
    std::vector<ChartLines> entries_;
    std::size_t computeCount_ = 0;
};

} // namespace chart
