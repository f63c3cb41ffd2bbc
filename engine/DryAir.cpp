// The wet bulb from the humidity ratio directly, for air whose dew point does
// not exist. Perfectly dry air (humidity ratio 0) holds no vapour that could
// condense, so its wet bulb cannot be found through the dew point as
// WetBulbFromDryBulbAndDewPoint does; it is the root of the psychrometer
// equation itself (ASHRAE Handbook of Fundamentals, psychrometrics chapter,
// the wet-bulb equation that HumidityRatioFromDryBulbAndWetBulb evaluates).

#include "engine/SolverSupport.h"

namespace basPsychroFun {

using detail::Num;

double WetBulbFromPsychrometerEquation(double t, double w, double p, std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num tC = detail::temperatureIn(t, s);
    const Num pKPa = detail::pressureIn(p, s);
    const Num W = w;
    const Num lowest = detail::kLowestC;
    if (!detail::withinAirRange(tC))
        return kNoResult;

    // W(t, t*) - w rises with the wet bulb t*: at t* = t the equation gives the
    // saturation humidity ratio, so a root lies between the lowest wet bulb of
    // the formulation and the dry bulb whenever w is at most saturated and not
    // below the humidity ratio that wet bulb would mean.
    const auto excess = [&](Num twbC) {
        return Num(HumidityRatioFromDryBulbAndWetBulb(tC.value(), twbC.value(), pKPa.value(),
                                                      "SI")) -
               W;
    };
    if (excess(lowest) > 0.0 || excess(tC) < 0.0)
        return kNoResult;

    const auto above = [&](Num twbC) { return excess(twbC) > 0.0; };
    return detail::temperatureOut(detail::bisect(lowest, tC, above).result, s);
}

} // namespace basPsychroFun
