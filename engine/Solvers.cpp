// Inverse relations: the states whose dry bulb or wet bulb has no closed form.
// Tolerances are absolute on the internal SI temperature (°C), except the
// relaxation on enthalpy, whose tolerance is in the selector's enthalpy unit.

#include "Conventions.h"

#include <numbers>

namespace basPsychroFun {

using detail::Num;
using detail::UnitSystem;

namespace {

constexpr double kTemperatureTolerance = 0.001; // °C
constexpr double kEnthalpyTolerance = 0.001;    // Btu/lb or kJ/kg

Num midpoint(Num lower, Num upper) {
    return lower + (upper - lower) / 2.0;
}

// A loop that has met its cap has not converged: report it as a fault, so that
// the caller shows no number rather than a wrong one.
[[noreturn]] void notConverged() {
    detail::raise(FloatingPointFault::Kind::InvalidOperation);
}

// The solvers evaluate the enthalpy relations in the caller's own units: a
// temperature held in °C goes in as °F when the selector is exactly "IP".
double inSelectorTemperature(Num tC, std::string_view unitSystem) {
    return detail::isExactlyIP(unitSystem) ? detail::celsiusToFahrenheit(tC).value() : tC.value();
}
Num fromSelectorTemperature(double t, std::string_view unitSystem) {
    return detail::isExactlyIP(unitSystem) ? detail::fahrenheitToCelsius(t) : Num(t);
}

} // namespace

double DryBulbFromDewPointAndRelativeHumidity(double tdp, double phi, std::string_view unitSystem) {
    const UnitSystem s = detail::classify(unitSystem);
    const Num tdpC = detail::temperatureIn(tdp, s);
    const Num pw = SaturationPressure(tdpC.value(), "SI");
    const Num t = DewPointFromVaporPressure((pw / phi).value(), "SI");
    return detail::temperatureOut(t, s);
}

double WetBulbFromDryBulbAndDewPoint(double t, double tdp, double p, std::string_view unitSystem) {
    const UnitSystem s = detail::classify(unitSystem);
    const Num tC = detail::temperatureIn(t, s);
    const Num tdpC = detail::temperatureIn(tdp, s);
    const Num pKPa = detail::pressureIn(p, s);

    const Num target =
        HumidityRatioFromVaporPressure(SaturationPressure(tdpC.value(), "SI"), pKPa.value(), "SI");
    Num lower = tdpC;
    Num upper = tC;
    Num m = midpoint(tdpC, tC);
    for (int step = 0; step < kMaxBisectionSteps && upper - lower > kTemperatureTolerance; ++step) {
        const Num wm =
            HumidityRatioFromDryBulbAndWetBulb(tC.value(), m.value(), pKPa.value(), "SI");
        if (wm > target)
            upper = m;
        else
            lower = m;
        m = midpoint(lower, upper);
    }
    return detail::temperatureOut(m, s);
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

double DryBulbFromWetBulbAndRelativeHumidity(double twb, double phi, double p,
                                             std::string_view unitSystem) {
    const UnitSystem s = detail::classify(unitSystem);
    const Num twbC = detail::temperatureIn(twb, s);
    const Num pKPa = detail::pressureIn(p, s);

    // Saturated air: the dry bulb is the wet bulb. The substitution below would
    // reproduce t* and the same humidity ratio on every pass and never leave.
    if (phi == 1.0)
        return detail::temperatureOut(twbC, s);

    // Phase 1: substitute until the humidity ratio first falls; the dry bulb of
    // that pass bounds the solution from above.
    Num x = twbC;
    Num w = HumidityRatioFromRelativeHumidity(twbC.value(), phi, pKPa.value(), "SI");
    Num wPrev = w;
    for (int pass = 0; wPrev <= w; ++pass) {
        if (pass == kMaxSubstitutionPasses)
            notConverged();
        wPrev = w;
        w = HumidityRatioFromRelativeHumidity(x.value(), phi, pKPa.value(), "SI");
        x = DryBulbFromWetBulbAndHumidityRatio(twbC.value(), w.value(), pKPa.value(), "SI");
        // After the first pass (which always repeats W), a pass that leaves W
        // unchanged has reached the fixed point of the substitution: x is then
        // the dry bulb whose wet bulb is t*, as near saturation, and bounds the
        // bisection as well as a falling W would.
        if (pass > 0 && w == wPrev)
            break;
    }

    // Phase 2: bisection between t* and that bound.
    Num lower = twbC;
    Num upper = x;
    Num m = midpoint(twbC, x);
    for (int step = 0; step < kMaxBisectionSteps && upper - lower > kTemperatureTolerance; ++step) {
        const Num wb = WetBulbFromDryBulbAndRelativeHumidity(m.value(), phi, pKPa.value(), "SI");
        if (wb > twbC)
            upper = m;
        else
            lower = m;
        m = midpoint(lower, upper);
    }
    return detail::temperatureOut(m, s);
}

double DryBulbFromWetBulbAndEnthalpy(double twb, double h, double p, std::string_view unitSystem) {
    const UnitSystem s = detail::classify(unitSystem);
    const Num twbC = detail::temperatureIn(twb, s);
    const Num pKPa = detail::pressureIn(p, s);
    const Num target = h; // in the selector's enthalpy unit

    Num T = twbC;
    Num tPrev = twbC;
    Num hCur = target;
    Num difference = 100.0;
    for (int pass = 0; difference > kEnthalpyTolerance; ++pass) {
        if (pass == kMaxRelaxationPasses)
            notConverged();
        const Num w = HumidityRatioFromDryBulbAndEnthalpy(inSelectorTemperature(T, unitSystem), h,
                                                          unitSystem);
        tPrev = T;
        const Num tNew =
            DryBulbFromWetBulbAndHumidityRatio(twbC.value(), w.value(), pKPa.value(), "SI");
        const Num hPrev = hCur;
        hCur = EnthalpyFromDryBulbAndHumidityRatio(inSelectorTemperature(tNew, unitSystem),
                                                   w.value(), unitSystem);
        // Halve a step that raised both temperature and enthalpy; otherwise
        // extend it by half.
        if (tNew > tPrev && hCur > hPrev)
            T = tNew - (tNew - tPrev) / 2.0;
        else
            T = tNew + (tNew - tPrev) / 2.0;
        difference = detail::abs(hCur - target);
    }
    // The estimate at the start of the pass whose enthalpy met the tolerance.
    return detail::temperatureOut(tPrev, s);
}

double DryBulbFromEnthalpyAndRelativeHumidity(double h, double phi, double p,
                                              std::string_view unitSystem) {
    const UnitSystem s = detail::classify(unitSystem);
    const Num pKPa = detail::pressureIn(p, s);
    const Num Phi = phi;

    // Phase 1: substitute from h/2 (read as °C) until a temperature has been
    // seen on each side of phi; each bound is the first found on its side.
    Num T = Num(h) / 2.0;
    Num lower = 0.0;
    Num upper = 0.0;
    bool haveLower = false;
    bool haveUpper = false;
    for (int pass = 0; !(haveLower && haveUpper); ++pass) {
        if (pass == kMaxSubstitutionPasses)
            notConverged();
        const Num pw = Phi * SaturationPressure(T.value(), "SI");
        const Num w = HumidityRatioFromVaporPressure(pw.value(), pKPa.value(), "SI");
        T = fromSelectorTemperature(DryBulbFromHumidityRatioAndEnthalpy(w.value(), h, unitSystem),
                                    unitSystem);
        // Dry air: every phi' is >= 0, so no upper bound would ever be found;
        // the temperature of the dry air of that enthalpy is the answer.
        if (phi == 0.0)
            return detail::temperatureOut(T, s);
        const Num phiAtT = pw / SaturationPressure(T.value(), "SI");
        if (phiAtT < Phi && !haveUpper) {
            upper = T;
            haveUpper = true;
        }
        if (phiAtT >= Phi && !haveLower) {
            lower = T;
            haveLower = true;
        }
    }

    // Phase 2: bisection on the relative humidity along the enthalpy line.
    T = midpoint(lower, upper);
    for (int step = 0; step < kMaxBisectionSteps && upper - lower > kTemperatureTolerance; ++step) {
        const Num w = HumidityRatioFromDryBulbAndEnthalpy(inSelectorTemperature(T, unitSystem), h,
                                                          unitSystem);
        const Num pw = VaporPressureFromHumidityRatio(w.value(), pKPa.value(), "SI");
        const Num phiAtT = pw / SaturationPressure(T.value(), "SI");
        if (phiAtT < Phi)
            upper = T;
        else
            lower = T;
        T = midpoint(lower, upper);
    }
    return detail::temperatureOut(T, s);
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
