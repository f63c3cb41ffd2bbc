#pragma once

// Zones given by limits on the properties of the air: the recommended
// envelope for data-processing rooms, and the user's own zones. Each limit is
// optional; a point lies in the zone when it meets every limit given.

#include "processes/Air.h"
#include "processes/Zone.h"

#include <optional>

namespace processes {

struct ZoneLimits {
    std::optional<double> minDryBulbF, maxDryBulbF;                 // °F
    std::optional<double> minHumidityRatio, maxHumidityRatio;       // lb/lb
    std::optional<double> minRelativeHumidity, maxRelativeHumidity; // fraction 0 to 1
    std::optional<double> minDewPointF, maxDewPointF;               // °F
};

class LimitZone final : public Zone {
public:
    // Problems: ZoneWithoutLimits, and ZoneLimitsInverted for a lower limit
    // above its upper limit or a limit outside real air (temperatures outside
    // -148 °F to 400 °F, a negative humidity ratio, a relative humidity
    // outside 0 to 1).
    static Outcome<LimitZone> Make(const ZoneLimits& limits);

    [[nodiscard]] const ZoneLimits& limits() const noexcept { return limits_; }

    [[nodiscard]] bool contains(double dryBulbF, double humidityRatio,
                                double pressurePsia) const noexcept override;
    // Traced along the upper edge from the coldest point to the warmest, then
    // back along the lower edge. A side left open is closed by the range of
    // the saturation pressure in dry bulb and by a humidity ratio of 1 lb/lb,
    // beyond any chart.
    [[nodiscard]] Outline outline(double pressurePsia) const override;

private:
    LimitZone(const ZoneLimits& limits, double minVapourPressurePsia, double maxVapourPressurePsia);

    ZoneLimits limits_;
    // The dew-point limits as limits of the vapour pressure (psia), found once
    // by inverting the engine's dew-point relation, so that contains compares
    // pressures instead of computing a dew point per call.
    double minVapourPressure_;
    double maxVapourPressure_;
    double minPhi_; // relative-humidity limits, 0 and 1 when not given
    double maxPhi_;
};

// The recommended envelope for data-processing rooms (ASHRAE TC 9.9, Thermal
// Guidelines for Data Processing Environments, classes A1 to A4): dry bulb
// 18 °C to 27 °C (64.4 °F to 80.6 °F), dew point -9 °C to 15 °C (15.8 °F to
// 59 °F), relative humidity at most 60 %.
LimitZone DataRoomEnvelope();

} // namespace processes
