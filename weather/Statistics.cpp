#include "weather/Statistics.h"

#include <algorithm>
#include <cmath>

namespace weather {

std::size_t CountFiltered(std::span<const Hour> hours, const HourFilter& filter) {
    return static_cast<std::size_t>(std::count_if(
        hours.begin(), hours.end(), [&](const Hour& h) { return filter.accepts(h); }));
}

HourShare CountInZone(std::span<const Hour> hours, const HourFilter& filter,
                      const ZonePredicate& inside) {
    HourShare share;
    for (const Hour& h : hours) {
        if (!filter.accepts(h))
            continue;
        ++share.filtered;
        if (inside && inside(h))
            ++share.hours;
    }
    return share;
}

LimitShares CountAgainstLimit(std::span<const Hour> hours, const HourFilter& filter,
                              LimitQuantity quantity, double limit) {
    const auto valueOf = [quantity](const Hour& h) {
        switch (quantity) {
        case LimitQuantity::DryBulb:
            return h.dryBulbF;
        case LimitQuantity::DewPoint:
            return h.dewPointF;
        case LimitQuantity::HumidityRatio:
            return h.humidityRatio;
        }
        return h.dryBulbF;
    };
    LimitShares shares;
    for (const Hour& h : hours) {
        if (!filter.accepts(h))
            continue;
        const double v = valueOf(h);
        shares.above.hours += v > limit ? 1 : 0;
        shares.below.hours += v < limit ? 1 : 0;
        ++shares.above.filtered;
    }
    shares.below.filtered = shares.above.filtered;
    return shares;
}

DensityGrid ComputeDensity(std::span<const Hour> hours, const HourFilter& filter,
                           const GridAxes& axes) {
    DensityGrid grid;
    grid.axes = axes;
    const double spanT = axes.maxDryBulbF - axes.minDryBulbF;
    const double spanW = axes.maxHumidityRatio - axes.minHumidityRatio;
    if (!(spanT > 0.0 && std::isfinite(spanT)) || !(spanW > 0.0 && std::isfinite(spanW)) ||
        axes.columns < 1 || axes.rows < 1 || axes.columns > kMaxGridCells ||
        axes.rows > kMaxGridCells) {
        grid.axes.columns = 0;
        grid.axes.rows = 0;
        return grid;
    }
    grid.counts.assign(static_cast<std::size_t>(axes.columns) * static_cast<std::size_t>(axes.rows),
                       0);
    const double perT = axes.columns / spanT;
    const double perW = axes.rows / spanW;
    for (const Hour& h : hours) {
        if (!filter.accepts(h))
            continue;
        // Tested on the values themselves, so that the chart's edges hold
        // exactly whatever the rounding of the scale.
        if (!(h.dryBulbF >= axes.minDryBulbF && h.dryBulbF <= axes.maxDryBulbF &&
              h.humidityRatio >= axes.minHumidityRatio &&
              h.humidityRatio <= axes.maxHumidityRatio)) {
            ++grid.outside;
            continue;
        }
        const int column =
            std::min(static_cast<int>((h.dryBulbF - axes.minDryBulbF) * perT), axes.columns - 1);
        const int row = std::min(static_cast<int>((h.humidityRatio - axes.minHumidityRatio) * perW),
                                 axes.rows - 1);
        std::uint32_t& cell =
            grid.counts[static_cast<std::size_t>(row) * static_cast<std::size_t>(axes.columns) +
                        static_cast<std::size_t>(column)];
        grid.maxCount = std::max(grid.maxCount, ++cell);
    }
    return grid;
}

} // namespace weather
