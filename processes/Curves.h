#pragma once

// For the zones' own sources: tracing a boundary made of several curves.

#include <functional>
#include <span>
#include <vector>

namespace processes::detail {

using Curve = std::function<double(double)>;

struct Sample {
    double x;
    double y;
};

// The pointwise lowest (highest = false) or highest of the curves over
// [x0, x1]: n + 1 evenly spaced samples and, between two samples where a
// different curve rules, the point where the two cross, so that corners are
// drawn as corners.
std::vector<Sample> Envelope(std::span<const Curve> curves, bool highest, double x0, double x1,
                             int n);

// Halves [lo, hi] until it is narrower than tolerance, keeping inside(lo)
// true and inside(hi) false; returns lo.
double Boundary(const std::function<bool(double)>& inside, double lo, double hi, double tolerance);

} // namespace processes::detail
