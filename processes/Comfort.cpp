#include "processes/Comfort.h"

#include "processes/Guarded.h"

#include <algorithm>
#include <cmath>

namespace processes {

namespace units = basPsychroFun::units;

namespace {

// ISO 7730:2005, clause 4: units and constants of the PMV equations.
constexpr double kWattsPerSquareMetrePerMet = 58.15;
constexpr double kSquareMetreKelvinPerWattPerClo = 0.155;
constexpr double kKelvinOffset = 273.0; // the standard's own, not 273.15
// Ranges of the model (ISO 7730:2005, clause 4).
constexpr double kMinMet = 0.8, kMaxMet = 4.0;
constexpr double kMaxClo = 2.0;
constexpr double kMaxAirSpeed = 1.0;
constexpr double kMinAirTemperatureC = 10.0, kMaxAirTemperatureC = 30.0;
constexpr double kMaxVapourPressurePa = 2700.0;

constexpr double kNewtonToleranceC = 1e-9;
constexpr int kMaxNewtonSteps = 100;

// Heat exchange at the clothing surface (ISO 7730:2005, equations 2 to 4).
struct Clothing {
    double icl;      // m²K/W
    double fcl;      // clothing area factor
    double forcedHc; // 12.1 sqrt(v_ar), W/(m²K)
    double ta, trK4; // air temperature °C, (t_r + 273)^4

    // Convective coefficient: the larger of natural and forced convection.
    [[nodiscard]] double hc(double tcl) const {
        return std::max(2.38 * std::pow(std::fabs(tcl - ta), 0.25), forcedHc);
    }
    // Radiative plus convective loss from the clothing surface, W/m².
    [[nodiscard]] double loss(double tcl) const {
        const double tclK = tcl + kKelvinOffset;
        return 3.96e-8 * fcl * (tclK * tclK * tclK * tclK - trK4) + fcl * hc(tcl) * (tcl - ta);
    }
};

// Equation 2 as g(tcl) = tcl - 35.7 + 0.028 (M - W) + Icl loss(tcl) = 0,
// solved by Newton's method kept inside a bracket. g rises with tcl, is
// negative at the lowest of t_a, t_r and 35.7 - 0.028 (M - W) and positive
// at the highest, so the bracket always holds the one root.
double ClothingSurfaceTemperature(const Clothing& c, double internalHeat, double tr) {
    const double tSkin = 35.7 - 0.028 * internalHeat;
    const auto g = [&](double tcl) { return tcl - tSkin + c.icl * c.loss(tcl); };
    const auto dg = [&](double tcl) {
        const double tclK = tcl + kKelvinOffset;
        const double d = std::fabs(tcl - c.ta);
        const double natural = 2.38 * std::pow(d, 0.25);
        // d/dt [hc (t - ta)]: hc when forced convection rules, else 1.25 hc_natural.
        const double conv = natural > c.forcedHc ? 1.25 * natural : c.forcedHc;
        return 1.0 + c.icl * c.fcl * (4.0 * 3.96e-8 * tclK * tclK * tclK + conv);
    };
    double lo = std::min({c.ta, tr, tSkin});
    double hi = std::max({c.ta, tr, tSkin});
    double t = tSkin - (tSkin - c.ta) * 0.5;
    t = std::clamp(t, lo, hi);
    for (int i = 0; i < kMaxNewtonSteps && hi - lo > kNewtonToleranceC; ++i) {
        const double gt = g(t);
        (gt > 0.0 ? hi : lo) = t;
        double next = t - gt / dg(t);
        if (!(next > lo && next < hi))
            next = lo + (hi - lo) / 2.0;
        if (std::fabs(next - t) <= kNewtonToleranceC)
            return next;
        t = next;
    }
    return t;
}

} // namespace

std::optional<Problem> CheckComfortParameters(const ComfortParameters& person) noexcept {
    if (!(person.metabolicRate >= kMinMet && person.metabolicRate <= kMaxMet) ||
        !(person.clothing >= 0.0 && person.clothing <= kMaxClo) ||
        !(person.airSpeed >= 0.0 && person.airSpeed <= kMaxAirSpeed))
        return Problem::BadComfortParameters;
    return std::nullopt;
}

double VapourPressurePa(double w, double pPsia) {
    return units::PsiaToPascals(air::VapourPressure(w, pPsia));
}

ComfortIndices PredictedMeanVote(const ThermalEnvironment& env, const ComfortParameters& person) {
    const double m = person.metabolicRate * kWattsPerSquareMetrePerMet; // M, W/m²
    const double internalHeat = m; // M - W with no external work
    const double icl = person.clothing * kSquareMetreKelvinPerWattPerClo;
    const double trK = env.meanRadiantTemperatureC + kKelvinOffset;
    const Clothing c{icl, icl <= 0.078 ? 1.0 + 1.290 * icl : 1.05 + 0.645 * icl,
                     12.1 * std::sqrt(person.airSpeed), env.airTemperatureC, trK * trK * trK * trK};
    const double tcl = ClothingSurfaceTemperature(c, internalHeat, env.meanRadiantTemperatureC);
    const double pa = env.vapourPressurePa;
    const double ta = env.airTemperatureC;

    // Equation 1: the thermal load on the body times the sensitivity to it.
    const double skinDiffusion = 3.05e-3 * (5733.0 - 6.99 * internalHeat - pa);
    // Sweating: none below the resting rate (the standard's computer program).
    const double sweating = std::max(0.42 * (internalHeat - kWattsPerSquareMetrePerMet), 0.0);
    const double latentRespiration = 1.7e-5 * m * (5867.0 - pa);
    const double dryRespiration = 0.0014 * m * (34.0 - ta);
    const double load =
        internalHeat - skinDiffusion - sweating - latentRespiration - dryRespiration - c.loss(tcl);
    const double pmv = (0.303 * std::exp(-0.036 * m) + 0.028) * load;
    // Equation 5.
    const double ppd = 100.0 - 95.0 * std::exp(-0.03353 * std::pow(pmv, 4) - 0.2179 * pmv * pmv);
    return {pmv, ppd};
}

Outcome<ComfortIndices> ComfortAt(const AirState& a, const ComfortParameters& person) {
    if (const auto problem = CheckAir(a))
        return *problem;
    if (const auto problem = CheckComfortParameters(person))
        return *problem;
    return detail::Guarded([&]() -> Outcome<ComfortIndices> {
        const double ta = units::FahrenheitToCelsius(a.dryBulbF);
        const double pa = VapourPressurePa(a.humidityRatio, a.pressurePsia);
        if (!(ta >= kMinAirTemperatureC && ta <= kMaxAirTemperatureC) || pa > kMaxVapourPressurePa)
            return Problem::OutsideComfortModel;
        return PredictedMeanVote({ta, ta, pa}, person);
    });
}

} // namespace processes
