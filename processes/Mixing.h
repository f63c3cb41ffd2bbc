#pragma once

// Adiabatic mixing of two streams of moist air at one pressure (ASHRAE
// Handbook of Fundamentals, Psychrometrics, adiabatic mixing of two streams):
// the balances of dry air, water and energy give
//   m3 = m1 + m2,  W3 = (m1 W1 + m2 W2) / m3,  h3 = (m1 h1 + m2 h2) / m3,
// with m the mass flows of dry air. The mixture lies on the straight line
// between the two points, dividing it in the inverse ratio of the masses:
// its distance from point 1 is m2 / m3 of the line.

#include "processes/Airflow.h"

namespace processes {

struct Mixture {
    AirState air;                 // the mixed air; dry bulb from W3 and h3
    double enthalpy = 0.0;        // h3, Btu/lb | kJ/kg of dry air
    double dryAirLbPerHour = 0.0; // m3
    // m1 / m3: the share of the first stream, and the position of the
    // mixture along the line measured from the second point.
    double firstStreamShare = 0.0;
};

// The mixture of two streams, each with its airflow taken at its own point,
// enthalpy in the active system's formulation. Problems: either point not
// real air, an airflow not above zero, different pressures, and
// Supersaturated when the mixture lies beyond the saturation curve (two
// nearly saturated streams far apart in temperature make fog).
Outcome<Mixture> Mix(const AirState& first, const Airflow& firstAirflow, const AirState& second,
                     const Airflow& secondAirflow, UnitSystem system);

} // namespace processes
