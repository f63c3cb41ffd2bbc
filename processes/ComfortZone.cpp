#include "processes/ComfortZone.h"

#include "engine/Limits.h"
#include "engine/PsychroFun.h"
#include "processes/Curves.h"
#include "processes/Guarded.h"

#include <algorithm>
#include <cmath>

namespace processes {

namespace psy = basPsychroFun;
namespace units = basPsychroFun::units;

namespace {

// The table of edges: intervals of vapour pressure from 0 up to the
// saturation pressure at the warm edge of dry air, beyond which the warm edge
// lies below the dew point and the zone holds no air.
constexpr int kVapourIntervals = 48;
// The edges are solved to this, °C.
constexpr double kEdgeToleranceC = 1e-7;
// Dry bulbs searched for an edge, °C: wider than any PMV zone of the
// parameters the model takes.
constexpr double kColdestC = -60.0;
constexpr double kWarmestC = 80.0;
constexpr int kMaxEdgeSteps = 200;
// A cold edge within this of the dew point counts as near saturation.
constexpr double kSaturationMarginC = 2.0;
constexpr int kEdgeSamples = 48;

// The dry bulb (°C) where the PMV, with t_r = t_a, equals target at vapour
// pressure pa: regula falsi with the Illinois step on the rising PMV.
std::optional<double> EdgeAt(double target, double paPa, const ComfortParameters& person) {
    const auto f = [&](double ta) {
        return PredictedMeanVote({ta, ta, paPa}, person).pmv - target;
    };
    double a = kColdestC, b = kWarmestC;
    double fa = f(a), fb = f(b);
    if (!(fa < 0.0 && fb > 0.0))
        return std::nullopt;
    int side = 0;
    for (int i = 0; i < kMaxEdgeSteps && b - a > kEdgeToleranceC; ++i) {
        double c = (a * fb - b * fa) / (fb - fa);
        if (!(c > a && c < b))
            c = a + (b - a) / 2.0;
        const double fc = f(c);
        if (fc == 0.0)
            return c;
        if (fc < 0.0) {
            a = c;
            fa = fc;
            if (side == -1)
                fb /= 2.0;
            side = -1;
        } else {
            b = c;
            fb = fc;
            if (side == 1)
                fa /= 2.0;
            side = 1;
        }
        if (std::fabs(fc) < 1e-12)
            return c;
    }
    return a + (b - a) / 2.0;
}

// The dew point (°F) of air with vapour pressure pw (psia) on the engine's
// saturation curve itself, so that the outline meets the chart's curve.
double SaturationTemperatureF(double pw) {
    if (pw <= psy::SaturationPressure(psy::kMinTemperatureF, "IP"))
        return psy::kMinTemperatureF;
    const auto dry = [pw](double t) { return psy::SaturationPressure(t, "IP") <= pw; };
    return detail::Boundary(dry, psy::kMinTemperatureF, psy::kMaxTemperatureF, 1e-9);
}

} // namespace

Outcome<ComfortZone> ComfortZone::Make(const ComfortParameters& person) {
    if (const auto problem = CheckComfortParameters(person))
        return *problem;
    return detail::Guarded([&]() -> Outcome<ComfortZone> {
        const auto warmDry = EdgeAt(kComfortMaxPmv, 0.0, person);
        if (!warmDry)
            return Problem::BadComfortParameters;
        const auto pascals = [](double tC) {
            return units::PsiaToPascals(
                psy::SaturationPressure(units::CelsiusToFahrenheit(tC), "IP"));
        };
        const double paEnd = pascals(*warmDry);
        const double step = paEnd / kVapourIntervals;
        std::vector<Edges> edges;
        edges.reserve(kVapourIntervals + 1);
        bool nearSaturation = false;
        for (int i = 0; i <= kVapourIntervals; ++i) {
            const double pa = step * i;
            const auto cold = EdgeAt(-kComfortMaxPmv, pa, person);
            const auto warm = EdgeAt(kComfortMaxPmv, pa, person);
            if (!cold || !warm)
                return Problem::BadComfortParameters;
            edges.push_back({*cold, *warm});
            nearSaturation = nearSaturation || pascals(*cold + kSaturationMarginC) <= pa;
        }
        return ComfortZone(person, std::move(edges), step, nearSaturation);
    });
}

ComfortZone::ComfortZone(const ComfortParameters& person, std::vector<Edges> edges,
                         double vapourStepPa, bool nearSaturation)
    : person_(person), edges_(std::move(edges)), vapourStepPa_(vapourStepPa),
      nearSaturation_(nearSaturation) {}

double ComfortZone::lastVapourPressurePa() const noexcept {
    return vapourStepPa_ * static_cast<double>(edges_.size() - 1);
}

ComfortZone::Edges ComfortZone::edgesAt(double pa) const noexcept {
    const double x = std::clamp(pa / vapourStepPa_, 0.0, static_cast<double>(edges_.size() - 1));
    const auto i = std::min(static_cast<std::size_t>(x), edges_.size() - 2);
    const double f = x - static_cast<double>(i);
    const Edges& a = edges_[i];
    const Edges& b = edges_[i + 1];
    return {a.coldC + f * (b.coldC - a.coldC), a.warmC + f * (b.warmC - a.warmC)};
}

bool ComfortZone::contains(double t, double w, double p) const noexcept {
    if (!(p > 0.0 && p <= psy::kMaxAtmosphericPressurePsia) ||
        !(t >= psy::kMinTemperatureF && t <= psy::kMaxTemperatureF) ||
        !(w >= 0.0 && w <= kComfortMaxHumidityRatio))
        return false;
    try {
        const double pa = VapourPressurePa(w, p);
        if (pa > lastVapourPressurePa())
            return false;
        const Edges e = edgesAt(pa);
        const double tC = units::FahrenheitToCelsius(t);
        if (tC < e.coldC || tC > e.warmC)
            return false;
        return !nearSaturation_ ||
               psy::VaporPressureFromHumidityRatio(w, p, "IP") <= psy::SaturationPressure(t, "IP");
    } catch (const psy::FloatingPointFault&) {
        return false;
    }
}

Outline ComfortZone::outline(double p) const {
    if (!(p > 0.0 && p <= psy::kMaxAtmosphericPressurePsia))
        return {};
    try {
        const auto pa = [p](double w) { return VapourPressurePa(w, p); };
        const detail::Curve warm = [&](double w) {
            return units::CelsiusToFahrenheit(edgesAt(pa(w)).warmC);
        };
        const detail::Curve cold = [&](double w) {
            return units::CelsiusToFahrenheit(edgesAt(pa(w)).coldC);
        };
        const detail::Curve saturation = [p](double w) {
            return SaturationTemperatureF(psy::VaporPressureFromHumidityRatio(w, p, "IP"));
        };
        const auto open = [&](double w) { return std::max(cold(w), saturation(w)) <= warm(w); };
        if (!open(0.0))
            return {};
        double top = kComfortMaxHumidityRatio;
        if (!open(top))
            top = detail::Boundary(open, 0.0, top, 1e-12);

        Outline out;
        const std::vector<detail::Curve> right{warm};
        for (const auto& s : detail::Envelope(right, true, 0.0, top, kEdgeSamples))
            out.push_back({s.y, s.x});
        const std::vector<detail::Curve> left{cold, saturation};
        const auto leftEdge = detail::Envelope(left, true, 0.0, top, kEdgeSamples);
        for (auto it = leftEdge.rbegin(); it != leftEdge.rend(); ++it)
            out.push_back({it->y, it->x});
        return out;
    } catch (const psy::FloatingPointFault&) {
        return {};
    }
}

} // namespace processes
