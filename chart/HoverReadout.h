#pragma once

// The properties of the point under the cursor, as the calculator would
// compute them from that dry bulb and humidity ratio: the vapour pressure from
// the humidity ratio, the dew point from the vapour pressure, the wet bulb by
// bisection between dew point and dry bulb, all with the engine in "IP", and
// the enthalpy in the active system's own formulation.

#include "chart/ChartUnits.h"

#include <optional>

#include <QLocale>
#include <QStringList>

namespace chart {

struct HoverReadout {
    double tdbF = 0.0; // dry bulb, °F
    double w = 0.0;    // humidity ratio, lb/lb
    // Above the saturation curve: no air state, the properties below are 0.
    bool supersaturated = false;
    double phi = 0.0;  // relative humidity, fraction
    double twbF = 0.0; // wet bulb, °F
    double tdpF = 0.0; // dew point, °F
    double h = 0.0;    // enthalpy, BTU/lbm | kJ/kg
    double v = 0.0;    // specific volume, ft³/lbm | m³/kg
};

// Nothing for a negative humidity ratio, an atmospheric pressure that is not
// positive, or a point at which the engine faults (dry air, W = 0, has no dew
// point).
std::optional<HoverReadout> ComputeReadout(double tdbF, double w, double patmPsia,
                                           UnitSystem units);

// The readout as lines of text in the active system's units, numbers in the
// locale's form ("Dry bulb 68.0 °F", ...); a supersaturated point reads
// "Supersaturated" after its dry bulb and humidity ratio.
QStringList ReadoutText(const HoverReadout& readout, UnitSystem units,
                        const QLocale& locale = QLocale());

} // namespace chart
