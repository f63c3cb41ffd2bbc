#include "processes/CoolingCoil.h"

#include "engine/Limits.h"
#include "processes/Guarded.h"

#include <cmath>

namespace processes {

namespace psy = basPsychroFun;

namespace {

// The search walks down from the leaving air in steps of this many °F, then
// halves the step that holds the crossing to within kAdpToleranceF.
constexpr double kScanStepF = 0.5;
constexpr double kAdpToleranceF = 1e-9;
constexpr int kMaxHalvings = 200;
// The leaving air may carry the humidity ratio of the entering air rounded
// differently (a dry coil): no more humid than this is not humidified.
constexpr double kHumidityRatioSlack = 1e-9;
// The step above the ADP at which the line is compared with the curve.
constexpr double kSlopeStepF = 1e-3;

// The apparatus dew point on the line W(t) = W2 + s (t - t2) below t2:
// the largest t < t2 where the line meets W_s(t). With f = line - W_s, f is
// concave (W_s is convex in t, but for a slight bend at freezing where ice
// gives way to water), negative at the unsaturated leaving air, so walking
// down, the first sign change is the crossing; once f falls again without
// having crossed, it never will.
std::optional<double> Crossing(const AirState& leaving, double slope) {
    const double p = leaving.pressurePsia;
    const auto f = [&](double t) {
        return leaving.humidityRatio + slope * (t - leaving.dryBulbF) -
               air::SaturationHumidityRatio(t, p);
    };
    double upper = leaving.dryBulbF;
    double fUpper = f(upper);
    if (fUpper >= 0.0)
        return upper; // saturated leaving air is its own apparatus dew point
    while (upper > psy::kMinTemperatureF) {
        const double lower = std::fmax(upper - kScanStepF, psy::kMinTemperatureF);
        const double fLower = f(lower);
        if (fLower >= 0.0) {
            double hi = upper;
            double lo = lower;
            for (int i = 0; i < kMaxHalvings && hi - lo > kAdpToleranceF; ++i) {
                const double mid = lo + (hi - lo) / 2.0;
                (f(mid) >= 0.0 ? lo : hi) = mid;
            }
            return lo; // on the saturated side of the crossing
        }
        if (fLower < fUpper)
            return std::nullopt; // past the top of the concave f, still below
        upper = lower;
        fUpper = fLower;
    }
    return std::nullopt;
}

AirState Saturated(double tF, double pPsia) {
    return {tF, air::SaturationHumidityRatio(tF, pPsia), pPsia};
}

} // namespace

Outcome<CoilCondition> ApparatusDewPoint(const AirState& entering, const AirState& leaving) {
    for (const AirState* point : {&entering, &leaving})
        if (const auto problem = CheckAir(*point))
            return *problem;
    if (!SamePressure(entering, leaving))
        return Problem::DifferentPressures;
    const double dt = entering.dryBulbF - leaving.dryBulbF;
    const double dw = entering.humidityRatio - leaving.humidityRatio;
    if (SameAir(entering, leaving))
        return Problem::SameAir;
    if (!(dt > 0.0) || dw < -kHumidityRatioSlack)
        return Problem::NoApparatusDewPoint;

    return detail::Guarded([&]() -> Outcome<CoilCondition> {
        const auto adp = Crossing(leaving, dw / dt);
        if (!adp)
            return Problem::NoApparatusDewPoint;
        const AirState adpState = Saturated(*adp, leaving.pressurePsia);
        const double bf = (leaving.dryBulbF - *adp) / (entering.dryBulbF - *adp);
        return CoilCondition{adpState, std::fmax(bf, 0.0)};
    });
}

Outcome<AirState> LeavingAir(const AirState& entering, double adpF, double bypassFactor) {
    if (const auto problem = CheckAir(entering))
        return *problem;
    if (!(bypassFactor >= 0.0 && bypassFactor < 1.0))
        return Problem::BadBypassFactor;
    if (!(adpF >= psy::kMinTemperatureF && adpF < entering.dryBulbF))
        return Problem::BadApparatusDewPoint;
    return detail::Guarded([&]() -> Outcome<AirState> {
        const AirState adp = Saturated(adpF, entering.pressurePsia);
        if (adp.humidityRatio > entering.humidityRatio + kHumidityRatioSlack)
            return Problem::BadApparatusDewPoint;
        // The line must leave the ADP below the curve: with W_s convex, a line
        // that starts above it crosses it again on the way to the entering air.
        const double slope =
            (entering.humidityRatio - adp.humidityRatio) / (entering.dryBulbF - adpF);
        const double t = adpF + kSlopeStepF;
        if (adp.humidityRatio + slope * kSlopeStepF >
            air::SaturationHumidityRatio(t, adp.pressurePsia))
            return Problem::CoilLineThroughFog;
        AirState leaving = entering;
        leaving.dryBulbF = adpF + bypassFactor * (entering.dryBulbF - adpF);
        leaving.humidityRatio =
            adp.humidityRatio + bypassFactor * (entering.humidityRatio - adp.humidityRatio);
        if (const auto problem = CheckAir(leaving))
            return *problem;
        return leaving;
    });
}

} // namespace processes
