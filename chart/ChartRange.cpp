#include "chart/ChartRange.h"

#include <algorithm>
#include <cmath>

namespace chart {

ChartRange DefaultRange(UnitSystem units) noexcept {
    if (units == UnitSystem::SI)
        return {TemperatureFromDisplay(-1.0, units), TemperatureFromDisplay(50.0, units), 0.0,
                HumidityRatioFromDisplay(30.0, units)};
    return {30.0, 120.0, 0.0, 0.03};
}

namespace {

// One axis of Limited: [lo, hi] at least `minSpan` wide, inside [outLo, outHi].
void LimitAxis(double& lo, double& hi, double outLo, double outHi, double minSpan) {
    double span = std::clamp(hi - lo, minSpan, outHi - outLo);
    const double centre = lo + (hi - lo) / 2.0;
    lo = centre - span / 2.0;
    hi = centre + span / 2.0;
    if (lo < outLo) {
        lo = outLo;
        hi = outLo + span;
    }
    if (hi > outHi) {
        hi = outHi;
        lo = outHi - span;
    }
}

bool IsFinite(const ChartRange& r) {
    return std::isfinite(r.tMinF) && std::isfinite(r.tMaxF) && std::isfinite(r.wMin) &&
           std::isfinite(r.wMax);
}

} // namespace

ChartRange Limited(const ChartRange& range) noexcept {
    if (!IsFinite(range))
        return kOuterLimits;
    ChartRange r = range;
    if (r.tMaxF < r.tMinF)
        std::swap(r.tMinF, r.tMaxF);
    if (r.wMax < r.wMin)
        std::swap(r.wMin, r.wMax);
    LimitAxis(r.tMinF, r.tMaxF, kOuterLimits.tMinF, kOuterLimits.tMaxF, kMinWidthF);
    LimitAxis(r.wMin, r.wMax, kOuterLimits.wMin, kOuterLimits.wMax, kMinHeight);
    return r;
}

ChartRange ZoomedAbout(const ChartRange& range, QPointF anchor, double factor) noexcept {
    if (!(factor > 0.0) || !std::isfinite(factor) || !std::isfinite(anchor.x()) ||
        !std::isfinite(anchor.y()))
        return range;
    const double ax = anchor.x();
    const double ay = anchor.y();
    ChartRange r{ax - (ax - range.tMinF) * factor, ax + (range.tMaxF - ax) * factor,
                 ay - (ay - range.wMin) * factor, ay + (range.wMax - ay) * factor};
    // At a limit of the span the anchor can no longer stay put; keep the old
    // range on that axis rather than letting Limited recentre it.
    if (r.width() < kMinWidthF && range.width() <= kMinWidthF) {
        r.tMinF = range.tMinF;
        r.tMaxF = range.tMaxF;
    }
    if (r.height() < kMinHeight && range.height() <= kMinHeight) {
        r.wMin = range.wMin;
        r.wMax = range.wMax;
    }
    return Limited(r);
}

double NiceStep(double span, double maxCount) noexcept {
    if (!(span > 0.0) || !(maxCount > 0.0) || !std::isfinite(span) || !std::isfinite(maxCount))
        return 0.0;
    const double raw = span / maxCount;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * decade >= raw * (1.0 - 1e-9))
            return m * decade;
    }
    return 10.0 * decade;
}

std::vector<double> MultiplesIn(double lo, double hi, double step, int maxCount) {
    std::vector<double> values;
    if (!(step > 0.0) || !std::isfinite(lo) || !std::isfinite(hi) || hi < lo)
        return values;
    const double tolerance = step * 1e-6;
    const double first = std::ceil((lo - tolerance) / step);
    for (int i = 0; i < maxCount; ++i) {
        const double v = (first + i) * step;
        if (v > hi + tolerance)
            break;
        // Snap values near zero so that labels never read "-0".
        values.push_back(std::abs(v) < tolerance ? 0.0 : v);
    }
    return values;
}

} // namespace chart
