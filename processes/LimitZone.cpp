#include "processes/LimitZone.h"

#include "engine/Limits.h"
#include "engine/PsychroFun.h"
#include "processes/Curves.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace processes {

namespace psy = basPsychroFun;
namespace units = basPsychroFun::units;

namespace {

constexpr double kOutlineCeilingHumidityRatio = 1.0;
constexpr int kFeasibilitySamples = 200;
constexpr int kEdgeSamples = 96;

bool TemperatureOk(const std::optional<double>& t) {
    return !t || (*t >= psy::kMinTemperatureF && *t <= psy::kMaxTemperatureF);
}
bool Ordered(const std::optional<double>& lo, const std::optional<double>& hi) {
    return !lo || !hi || *lo <= *hi;
}

// The vapour pressure (psia) whose dew point by the engine is tdF: halving
// in log pressure between 1e-12 psia and 1000 psia, far beyond the range of
// the saturation pressure at both ends.
double VapourPressureAtDewPoint(double tdF) {
    const auto below = [&](double lnPw) {
        return psy::DewPointFromVaporPressure(std::exp(lnPw), "IP") <= tdF;
    };
    return std::exp(detail::Boundary(below, std::log(1e-12), std::log(1000.0), 1e-13));
}

// Humidity ratio of air with vapour pressure pw (psia) at pressure p; the
// ceiling where pw reaches p (the limit binds nothing there).
double HumidityRatioOfVapour(double pw, double p) {
    if (pw >= p)
        return kOutlineCeilingHumidityRatio;
    return std::min(psy::HumidityRatioFromVaporPressure(pw, p, "IP"), kOutlineCeilingHumidityRatio);
}

} // namespace

Outcome<LimitZone> LimitZone::Make(const ZoneLimits& z) {
    const std::array all{z.minDryBulbF,      z.maxDryBulbF,         z.minHumidityRatio,
                         z.maxHumidityRatio, z.minRelativeHumidity, z.maxRelativeHumidity,
                         z.minDewPointF,     z.maxDewPointF};
    if (std::none_of(all.begin(), all.end(), [](const auto& v) { return v.has_value(); }))
        return Problem::ZoneWithoutLimits;
    const auto finite = [](const auto& v) { return !v || std::isfinite(*v); };
    const auto fraction = [](const auto& v) { return !v || (*v >= 0.0 && *v <= 1.0); };
    const auto nonNegative = [](const auto& v) { return !v || *v >= 0.0; };
    if (!std::all_of(all.begin(), all.end(), finite) || !TemperatureOk(z.minDryBulbF) ||
        !TemperatureOk(z.maxDryBulbF) || !TemperatureOk(z.minDewPointF) ||
        !TemperatureOk(z.maxDewPointF) || !nonNegative(z.minHumidityRatio) ||
        !nonNegative(z.maxHumidityRatio) || !fraction(z.minRelativeHumidity) ||
        !fraction(z.maxRelativeHumidity) || !Ordered(z.minDryBulbF, z.maxDryBulbF) ||
        !Ordered(z.minHumidityRatio, z.maxHumidityRatio) ||
        !Ordered(z.minRelativeHumidity, z.maxRelativeHumidity) ||
        !Ordered(z.minDewPointF, z.maxDewPointF))
        return Problem::ZoneLimitsInverted;
    try {
        const double pwMin = z.minDewPointF ? VapourPressureAtDewPoint(*z.minDewPointF) : 0.0;
        const double pwMax = z.maxDewPointF ? VapourPressureAtDewPoint(*z.maxDewPointF)
                                            : std::numeric_limits<double>::infinity();
        return LimitZone(z, pwMin, pwMax);
    } catch (const psy::FloatingPointFault&) {
        return Problem::CalculationFault;
    }
}

LimitZone::LimitZone(const ZoneLimits& limits, double minVapourPressurePsia,
                     double maxVapourPressurePsia)
    : limits_(limits), minVapourPressure_(minVapourPressurePsia),
      maxVapourPressure_(maxVapourPressurePsia), minPhi_(limits.minRelativeHumidity.value_or(0.0)),
      maxPhi_(limits.maxRelativeHumidity.value_or(1.0)) {}

bool LimitZone::contains(double t, double w, double p) const noexcept {
    if (!(p > 0.0 && p <= psy::kMaxAtmosphericPressurePsia) ||
        !(t >= psy::kMinTemperatureF && t <= psy::kMaxTemperatureF) || !(w >= 0.0))
        return false;
    const ZoneLimits& z = limits_;
    if ((z.minDryBulbF && t < *z.minDryBulbF) || (z.maxDryBulbF && t > *z.maxDryBulbF) ||
        (z.minHumidityRatio && w < *z.minHumidityRatio) ||
        (z.maxHumidityRatio && w > *z.maxHumidityRatio))
        return false;
    try {
        const double pw = psy::VaporPressureFromHumidityRatio(w, p, "IP");
        if (pw < minVapourPressure_ || pw > maxVapourPressure_)
            return false;
        // phi = p_w / p_ws within its limits; the upper one at most 1, so
        // that supersaturated air is in no zone.
        const double pws = psy::SaturationPressure(t, "IP");
        return pw <= maxPhi_ * pws && pw >= minPhi_ * pws;
    } catch (const psy::FloatingPointFault&) {
        return false;
    }
}

Outline LimitZone::outline(double p) const {
    if (!(p > 0.0 && p <= psy::kMaxAtmosphericPressurePsia))
        return {};
    const ZoneLimits& z = limits_;
    const auto constant = [](double w) { return detail::Curve([w](double) { return w; }); };
    const auto atPhi = [p](double phi) {
        return detail::Curve([p, phi](double t) {
            return HumidityRatioOfVapour(phi * psy::SaturationPressure(t, "IP"), p);
        });
    };
    const std::vector<detail::Curve> upper{
        constant(z.maxHumidityRatio.value_or(kOutlineCeilingHumidityRatio)),
        constant(HumidityRatioOfVapour(maxVapourPressure_, p)), atPhi(maxPhi_)};
    const std::vector<detail::Curve> lower{constant(z.minHumidityRatio.value_or(0.0)),
                                           constant(HumidityRatioOfVapour(minVapourPressure_, p)),
                                           atPhi(minPhi_)};
    const auto extreme = [](const std::vector<detail::Curve>& curves, bool highest, double t) {
        double best = curves[0](t);
        for (const auto& c : curves)
            best = highest ? std::max(best, c(t)) : std::min(best, c(t));
        return best;
    };
    const auto feasible = [&](double t) {
        return extreme(upper, false, t) >= extreme(lower, true, t);
    };

    try {
        // The zone's dry-bulb span, found on a grid and sharpened at its ends.
        const double t0 = z.minDryBulbF.value_or(psy::kMinTemperatureF);
        const double t1 = z.maxDryBulbF.value_or(psy::kMaxTemperatureF);
        const double step = (t1 - t0) / kFeasibilitySamples;
        int first = -1, last = -1;
        for (int i = 0; i <= kFeasibilitySamples; ++i) {
            if (feasible(t0 + step * i)) {
                if (first < 0)
                    first = i;
                last = i;
            }
        }
        if (first < 0)
            return {};
        const double tol = 1e-9 * (1.0 + std::fabs(t1));
        const double tA = first == 0 ? t0
                                     : detail::Boundary(feasible, t0 + step * first,
                                                        t0 + step * (first - 1), tol);
        const double tB =
            last == kFeasibilitySamples
                ? t1
                : detail::Boundary(feasible, t0 + step * last, t0 + step * (last + 1), tol);
        if (tB <= tA)
            return {};

        Outline out;
        for (const auto& s : detail::Envelope(upper, false, tA, tB, kEdgeSamples))
            out.push_back({s.x, s.y});
        const auto bottom = detail::Envelope(lower, true, tA, tB, kEdgeSamples);
        for (auto it = bottom.rbegin(); it != bottom.rend(); ++it)
            out.push_back({it->x, it->y});
        return out;
    } catch (const psy::FloatingPointFault&) {
        return {};
    }
}

LimitZone DataRoomEnvelope() {
    ZoneLimits z;
    z.minDryBulbF = units::CelsiusToFahrenheit(18.0);
    z.maxDryBulbF = units::CelsiusToFahrenheit(27.0);
    z.minDewPointF = units::CelsiusToFahrenheit(-9.0);
    z.maxDewPointF = units::CelsiusToFahrenheit(15.0);
    z.maxRelativeHumidity = 0.60;
    return *LimitZone::Make(z);
}

} // namespace processes
