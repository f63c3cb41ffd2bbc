#pragma once

// The cooling coil's apparatus dew point and bypass factor.
//
// A coil that cools and dehumidifies moves the air along a straight line in
// the dry bulb - humidity ratio plane towards the saturated state of its
// effective surface temperature, the apparatus dew point (ADP). The leaving
// air lies on that line; the bypass factor is the share of the way it did not
// go (ASHRAE Handbook of Fundamentals / Carrier's coil method):
//   BF = (t_leave - t_adp) / (t_enter - t_adp),
//   t_leave = t_adp + BF (t_enter - t_adp), W_leave = W_adp + BF (W_enter - W_adp).

#include "processes/Air.h"

namespace processes {

struct CoilCondition {
    AirState apparatusDewPoint; // saturated, at the coil's pressure
    double bypassFactor = 0.0;  // 0 <= BF < 1
};

// The ADP where the line through the entering and the leaving air, extended
// beyond the leaving air, meets the saturation curve, and the bypass factor.
// The leaving air must be cooler and no more humid than the entering air;
// saturated leaving air is its own ADP (BF = 0). Problems: either point not
// real air, different pressures, the same air, NoApparatusDewPoint when the
// line misses the saturation curve (steeper than the curve all the way down).
Outcome<CoilCondition> ApparatusDewPoint(const AirState& entering, const AirState& leaving);

// The reverse: the leaving air of a coil with apparatus dew point adpF (°F)
// and bypass factor BF. Problems: entering air not real air,
// BadApparatusDewPoint unless the ADP lies below the entering dry bulb with a
// saturation humidity ratio no higher than the entering one,
// CoilLineThroughFog when the straight line from the ADP to the entering air
// leaves the ADP above the saturation curve (steeper than the curve there),
// BadBypassFactor outside 0 <= BF < 1.
Outcome<AirState> LeavingAir(const AirState& entering, double adpF, double bypassFactor);

} // namespace processes
