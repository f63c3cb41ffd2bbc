// Inverse relations: the dew-point inverse, the wet bulb by bisection of the
// psychrometer equation, and the cubic of the altitude. The dry-bulb solvers
// of the pairs without a closed form are in DryBulbFromRelativeHumidity.cpp
// and DryBulbFromWetBulbAndEnthalpy.cpp.

#include "engine/SolverSupport.h"

#include <numbers>

namespace basPsychroFun {

using detail::Num;

double DryBulbFromDewPointAndRelativeHumidity(double tdp, double phi, std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num tdpC = detail::temperatureIn(tdp, s);
    const Num pw = SaturationPressure(tdpC.value(), "SI");
    const Num t = DewPointFromVaporPressure((pw / phi).value(), "SI");
    return detail::temperatureOut(t, s);
}

double WetBulbFromDryBulbAndDewPoint(double t, double tdp, double p, std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num tC = detail::temperatureIn(t, s);
    const Num tdpC = detail::temperatureIn(tdp, s);
    const Num pKPa = detail::pressureIn(p, s);

    const Num target =
        HumidityRatioFromVaporPressure(SaturationPressure(tdpC.value(), "SI"), pKPa.value(), "SI");
    // Between the dew point and the dry bulb: a wet bulb whose psychrometer
    // equation gives more water than the target lies above the answer.
    const auto wetBulb = detail::bisect(tdpC, tC, [&](Num m) {
        return Num(HumidityRatioFromDryBulbAndWetBulb(tC.value(), m.value(), pKPa.value(), "SI")) >
               target;
    });
    return detail::temperatureOut(wetBulb.result, s);
}

double WetBulbFromDryBulbAndHumidityRatio(double t, double w, double p,
                                          std::string_view unitSystem) {
    // The caller's selector and unconverted arguments throughout.
    const double pw = VaporPressureFromHumidityRatio(w, p, unitSystem);
    return WetBulbFromDryBulbAndDewPoint(t, DewPointFromVaporPressure(pw, unitSystem), p,
                                         unitSystem);
}

double WetBulbFromDryBulbAndRelativeHumidity(double t, double phi, double p,
                                             std::string_view unitSystem) {
    const double pw = (Num(phi) * SaturationPressure(t, unitSystem)).value();
    return WetBulbFromDryBulbAndHumidityRatio(t, HumidityRatioFromVaporPressure(pw, p, unitSystem),
                                              p, unitSystem);
}

std::array<double, 2> CubicRoots(double a, double b, double c) {
    // Single-precision values of pi, 2 pi and 4 pi, as the angle is held.
    constexpr float kPi = std::numbers::pi_v<float>;
    constexpr double kTwoPi = 6.2831854820251465;
    constexpr double kFourPi = 12.566370964050293;

    const Num A = a;
    const Num B = b;
    const Num C = c;
    const Num Q = (A * A - 3.0 * B) / 9.0;
    const Num R = (2.0 * A * A * A - 9.0 * A * B + 27.0 * C) / 54.0;
    const Num D = Q * Q * Q - R * R;
    const Num aThird = A / 3.0;

    std::array<double, 2> result{0.0, 0.0};
    if (D >= 0.0) {
        // Three real roots. theta = arccos(x), written with the arc tangent.
        const Num x = R / detail::pow(Q, 1.5);
        float theta = kPi;
        if (x != -1.0) {
            const Num t = detail::atan(-x / detail::sqrt(1.0 - x * x)) + 2.0 * detail::atan(1.0);
            theta = static_cast<float>(t.value()); // |t| <= pi: always representable
        }
        const Num scale = -2.0 * detail::sqrt(Q);
        const Num roots[3] = {
            scale * detail::cos(Num(theta) / 3.0) - aThird,
            scale * detail::cos((Num(theta) + kTwoPi) / 3.0) - aThird,
            scale * detail::cos((Num(theta) + kFourPi) / 3.0) - aThird,
        };
        for (int k = 0; k < 3; ++k) {
            const Num& r = roots[k];
            const Num& o1 = roots[(k + 1) % 3];
            const Num& o2 = roots[(k + 2) % 3];
            if (r > o1 && r > o2)
                result[0] = r.value();
            if (r < o1 && r < o2)
                result[1] = r.value();
        }
        if (result[1] < 0.0)
            result[1] = -1.0;
    } else {
        // One real root (Cardano).
        const Num absR = detail::abs(R);
        const Num root3 = detail::pow(detail::sqrt(R * R - Q * Q * Q) + absR, 1.0 / 3.0);
        const double sign = R > 0.0 ? 1.0 : (R < 0.0 ? -1.0 : 0.0);
        result[0] = ((root3 + Q / root3) * -sign - aThird).value();
        result[1] = -1.0;
    }
    return result;
}

} // namespace basPsychroFun
