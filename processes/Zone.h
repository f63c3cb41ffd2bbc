#pragma once

// The zones the chart shades and the weather statistics count hours in: the
// thermal comfort zone (ComfortZone.h), the data-room envelope and user zones
// (LimitZone.h). Both uses go through this interface.

#include <vector>

namespace processes {

// A point of the chart's plane in base units.
struct ChartPoint {
    double dryBulbF = 0.0;
    double humidityRatio = 0.0;
};

// A closed polygon; the last point is joined to the first.
using Outline = std::vector<ChartPoint>;

class Zone {
public:
    virtual ~Zone() = default;

    // Whether air of this dry bulb (°F), humidity ratio (lb/lb) and
    // atmospheric pressure (psia) lies in the zone. Meant to be called for
    // every hour of a year: no allocation, what can be is worked out when the
    // zone is made. Air that is not real air lies in no zone.
    [[nodiscard]] virtual bool contains(double dryBulbF, double humidityRatio,
                                        double pressurePsia) const noexcept = 0;

    // The boundary of the zone at a pressure, for drawing: the region clipped
    // to real air (at or below saturation). Empty when nothing of the zone is
    // real air at that pressure.
    [[nodiscard]] virtual Outline outline(double pressurePsia) const = 0;

protected:
    Zone() = default;
    Zone(const Zone&) = default;
    Zone& operator=(const Zone&) = default;
    Zone(Zone&&) = default;
    Zone& operator=(Zone&&) = default;
};

} // namespace processes
