#pragma once

namespace chart {

// A moist-air state as the calculator keeps it: dry bulb °F, humidity ratio
// lb/lb. Two values fix a state at a given atmospheric pressure.
struct StatePoint {
    double tdbF = 0.0;
    double wLbPerLb = 0.0;
    friend bool operator==(const StatePoint&, const StatePoint&) = default;
};

} // namespace chart
