// Saturation vapour pressure of water: Hyland and Wexler (1983), in the
// inch-pound form of the ASHRAE Handbook of Fundamentals (°F, °R, psia).

#include "engine/Conventions.h"
#include "engine/Units.h"

#include <cmath>
#include <optional>

namespace basPsychroFun {

using detail::Num;

namespace {

struct Coefficients {
    double c1, c2, c3, c4, c5, c6, c7;
};

// Over ice, -148 °F <= t < 32 °F.
constexpr Coefficients kIce{-10214.165,    -4.8932428,     -0.0053765794, 1.9202377e-07,
                            3.5575832e-10, -9.0344688e-14, 4.1635019};
// Over liquid water, 32 °F <= t <= 400 °F.
constexpr Coefficients kWater{-10440.397,     -11.29465, -0.027022355, 1.289036e-05,
                              -2.4780681e-09, 0.0,       6.5459673};

constexpr double kLowestF = -148.0;
constexpr double kHighestF = 400.0;
constexpr double kFreezingF = 32.0;

} // namespace

double SaturationPressure(double t, std::string_view unitSystem) {
    const std::optional<UnitSystem> system = detail::classify(unitSystem);
    const Num tF = system == UnitSystem::SI ? detail::celsiusToFahrenheit(t) : Num(t);

    Num pws = kNoResult; // psia; the marker leaves through the exit conversion
    if (tF >= kLowestF && tF <= kHighestF) {
        // Within the range no operation here can fail: T lies between 311.67 °R
        // and 859.67 °R, where every term is of modest size and ln p_ws lies
        // between about -9 and 6. The equation is evaluated on plain doubles,
        // in the same order, without the per-operation tests.
        const double T = (tF + units::kRankineOffset).value(); // °R
        const Coefficients& c = tF < kFreezingF ? kIce : kWater;
        const double lnPws = c.c1 / T + c.c2 + c.c3 * T + c.c4 * T * T + c.c5 * T * T * T +
                             c.c6 * T * T * T * T + c.c7 * std::log(T);
        pws = std::exp(lnPws);
    }

    if (system == UnitSystem::IP) {
        return pws.value();
    } else if (system == UnitSystem::SI) {
        return detail::psiaToKPa(pws).value();
    }
    return kNoResult;
}

} // namespace basPsychroFun
