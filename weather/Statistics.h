#pragma once

// Hour counts of a weather file: inside zones, above and below limits, and
// per cell of the chart for its density shading. Every count here follows
// the month and hour-of-day filter; the design conditions (Design.h) do not.

#include "weather/Hour.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace weather {

// A zone of the chart (the comfort zone, the data-room envelope, a user
// zone) as the statistics see it: whether an hour lies inside. Built from any
// zone, e.g. [&zone](const Hour& h) { return zone.contains(h.dryBulbF,
// h.humidityRatio, h.pressurePsia); }.
using ZonePredicate = std::function<bool(const Hour&)>;

struct HourShare {
    std::size_t hours = 0;    // hours counted
    std::size_t filtered = 0; // hours the filter lets through
    // Percent of the filtered hours; 0 when the filter lets none through.
    [[nodiscard]] double percent() const {
        return filtered == 0 ? 0.0
                             : 100.0 * static_cast<double>(hours) / static_cast<double>(filtered);
    }
};

std::size_t CountFiltered(std::span<const Hour> hours, const HourFilter& filter);
HourShare CountInZone(std::span<const Hour> hours, const HourFilter& filter,
                      const ZonePredicate& inside);

enum class LimitQuantity { DryBulb, DewPoint, HumidityRatio };

// Filtered hours strictly above and strictly below a limit (°F, or lb/lb for
// the humidity ratio); an hour at the limit is neither.
struct LimitShares {
    HourShare above;
    HourShare below;
};
LimitShares CountAgainstLimit(std::span<const Hour> hours, const HourFilter& filter,
                              LimitQuantity quantity, double limit);

// The cells of the chart's dry bulb-humidity ratio plane.
struct GridAxes {
    double minDryBulbF = 0.0;
    double maxDryBulbF = 120.0;
    double minHumidityRatio = 0.0;
    double maxHumidityRatio = 0.03;
    int columns = 120; // along the dry bulb, at most kMaxGridCells
    int rows = 60;     // along the humidity ratio, at most kMaxGridCells
};
inline constexpr int kMaxGridCells = 4096;

// Filtered hours per cell; row 0 holds the lowest humidity ratios, column 0
// the lowest dry bulbs. A cell holds the hours from its lower edge up to, not
// including, its upper edge; the chart's upper edges belong to the last cells.
struct DensityGrid {
    GridAxes axes;
    std::vector<std::uint32_t> counts; // rows x columns, row by row
    std::uint32_t maxCount = 0;
    std::size_t outside = 0; // filtered hours beyond the chart

    [[nodiscard]] std::uint32_t at(int column, int row) const {
        return counts[static_cast<std::size_t>(row) * static_cast<std::size_t>(axes.columns) +
                      static_cast<std::size_t>(column)];
    }
};

// An empty grid (no cells) for axes without extent or cells.
DensityGrid ComputeDensity(std::span<const Hour> hours, const HourFilter& filter,
                           const GridAxes& axes);

} // namespace weather
