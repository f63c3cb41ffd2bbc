#pragma once

// The thermal comfort zone on the chart: the air in which |PMV| <= 0.5 for a
// person (ISO 7730 category B, ASHRAE Standard 55), with the mean radiant
// temperature equal to the dry bulb, and a humidity ratio of at most 0.012
// (ASHRAE Standard 55's upper limit of humidity).
//
// At a given humidity ratio and pressure the vapour pressure is fixed, and
// the PMV rises with the dry bulb. So the zone is, for each vapour pressure
// p_a, the dry bulbs between a cold edge (PMV = -0.5) and a warm edge
// (PMV = +0.5). Both edges depend on p_a alone, not on the atmospheric
// pressure, and nearly linearly: they are solved once, when the zone is made,
// at evenly spaced vapour pressures, and interpolated after that.

#include "processes/Comfort.h"
#include "processes/Zone.h"

#include <vector>

namespace processes {

inline constexpr double kComfortMaxPmv = 0.5;
inline constexpr double kComfortMaxHumidityRatio = 0.012;

class ComfortZone final : public Zone {
public:
    // Problem: BadComfortParameters.
    static Outcome<ComfortZone> Make(const ComfortParameters& person);

    [[nodiscard]] const ComfortParameters& parameters() const noexcept { return person_; }

    [[nodiscard]] bool contains(double dryBulbF, double humidityRatio,
                                double pressurePsia) const noexcept override;
    // Up the warm edge from a humidity ratio of zero, across the top at
    // 0.012 (or where the zone meets saturation), and down the cold edge,
    // which follows the saturation curve where that is warmer.
    [[nodiscard]] Outline outline(double pressurePsia) const override;

private:
    struct Edges {
        double coldC; // dry bulb of PMV = -0.5, °C
        double warmC; // dry bulb of PMV = +0.5, °C
    };

    ComfortZone(const ComfortParameters& person, std::vector<Edges> edges, double vapourStepPa,
                bool nearSaturation);
    // Interpolated at a vapour pressure (Pa) within the table.
    [[nodiscard]] Edges edgesAt(double vapourPressurePa) const noexcept;
    [[nodiscard]] double lastVapourPressurePa() const noexcept;

    ComfortParameters person_;
    std::vector<Edges> edges_; // at 0, step, 2 step, ... Pa
    double vapourStepPa_;
    // Whether the cold edge comes near saturation anywhere; if not, contains
    // skips the saturation test.
    bool nearSaturation_;
};

} // namespace processes
