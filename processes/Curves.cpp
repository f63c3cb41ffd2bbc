#include "processes/Curves.h"

#include <cmath>

namespace processes::detail {

namespace {

constexpr int kMaxHalvings = 200;

struct Best {
    double y;
    std::size_t curve;
};

Best BestAt(std::span<const Curve> curves, bool highest, double x) {
    Best best{curves[0](x), 0};
    for (std::size_t i = 1; i < curves.size(); ++i) {
        const double y = curves[i](x);
        if (highest ? y > best.y : y < best.y)
            best = {y, i};
    }
    return best;
}

} // namespace

double Boundary(const std::function<bool(double)>& inside, double lo, double hi, double tolerance) {
    for (int i = 0; i < kMaxHalvings && std::fabs(hi - lo) > tolerance; ++i) {
        const double mid = lo + (hi - lo) / 2.0;
        (inside(mid) ? lo : hi) = mid;
    }
    return lo;
}

std::vector<Sample> Envelope(std::span<const Curve> curves, bool highest, double x0, double x1,
                             int n) {
    std::vector<Sample> out;
    out.reserve(static_cast<std::size_t>(n) + 8);
    const double step = (x1 - x0) / n;
    double xPrev = x0;
    Best prev = BestAt(curves, highest, x0);
    out.push_back({x0, prev.y});
    for (int i = 1; i <= n; ++i) {
        const double x = i == n ? x1 : x0 + step * i;
        const Best here = BestAt(curves, highest, x);
        if (here.curve != prev.curve) {
            // Where the curve that ruled at xPrev stops ruling.
            const Curve& a = curves[prev.curve];
            const Curve& b = curves[here.curve];
            const auto stillA = [&](double t) { return highest ? a(t) >= b(t) : a(t) <= b(t); };
            const double xc = Boundary(stillA, xPrev, x, 1e-9 * (1.0 + std::fabs(x)));
            out.push_back({xc, a(xc)});
        }
        out.push_back({x, here.y});
        xPrev = x;
        prev = here;
    }
    return out;
}

} // namespace processes::detail
