#include "chart/ChartLines.h"

#include "chart/AirRelations.h"
#include "engine/FloatingPointFault.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

namespace chart {

namespace {

using Fault = basPsychroFun::FloatingPointFault;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Bisection halvings at the ends of a line: a grid step of half a degree
// refined to about a millionth of a degree.
constexpr int kEndHalvings = 24;
// Line counts per family that NiceStep aims at.
constexpr double kWetBulbLines = 20.0;
constexpr double kEnthalpyLines = 16.0;
constexpr double kVolumeLines = 12.0;
constexpr int kMaxLinesPerFamily = 200;

// The bound that saturation puts on the humidity ratio at one dry bulb. Where
// the saturation pressure reaches the atmospheric pressure there is none.
double SaturationBound(double tF, double patmPsia) {
    try {
        const double ws = air::SaturationHumidityRatio(tF, patmPsia);
        return std::isfinite(ws) && ws >= 0.0 ? ws : kInfinity;
    } catch (const Fault&) {
        return kInfinity;
    }
}

// The dry-bulb grid with the saturation bound at each sample.
struct Grid {
    std::vector<double> t;
    std::vector<double> ws;
};

Grid MakeGrid(const ChartKey& key) {
    Grid grid;
    grid.t.reserve(kGridSamples);
    grid.ws.reserve(kGridSamples);
    const ChartRange& r = key.range;
    for (int i = 0; i < kGridSamples; ++i) {
        const double t =
            i == kGridSamples - 1 ? r.tMaxF : r.tMinF + r.width() * i / (kGridSamples - 1);
        grid.t.push_back(t);
        grid.ws.push_back(SaturationBound(t, key.patmPsia));
    }
    return grid;
}

// Follows w = f(t) over the samples where it lies between dry air and
// saturation, one polyline per stretch.
template <typename F>
class Tracer {
public:
    Tracer(F f, double patmPsia) : f_(f), patm_(patmPsia) {}

    std::vector<QPolygonF> trace(std::span<const double> ts, std::span<const double> wsAt) {
        std::vector<QPolygonF> pieces;
        QPolygonF piece;
        double prevT = 0.0;
        bool prevOk = false;
        for (std::size_t i = 0; i < ts.size(); ++i) {
            const double t = ts[i];
            double w = 0.0;
            const bool ok = evaluate(t, wsAt[i], w);
            if (i > 0 && ok != prevOk) {
                // The line crosses saturation or W = 0 between the samples.
                piece.append(boundary(prevOk ? prevT : t, prevOk ? t : prevT));
                if (!ok) {
                    pieces.push_back(std::move(piece));
                    piece = QPolygonF();
                }
            }
            if (ok)
                piece.append(QPointF(t, w));
            prevT = t;
            prevOk = ok;
        }
        if (!piece.isEmpty())
            pieces.push_back(std::move(piece));
        return pieces;
    }

private:
    bool evaluate(double t, double ws, double& w) const {
        try {
            w = f_(t);
        } catch (const Fault&) {
            return false;
        }
        // A hair of tolerance, so that a line that starts exactly on the
        // saturation curve is not lost to rounding.
        return std::isfinite(w) && w >= 0.0 && w <= ws * (1.0 + 1e-9) + 1e-12;
    }

    // The last point on the valid side between tIn (valid) and tOut (not).
    QPointF boundary(double tIn, double tOut) const {
        double w = 0.0;
        evaluate(tIn, SaturationBound(tIn, patm_), w);
        QPointF best(tIn, w);
        for (int k = 0; k < kEndHalvings; ++k) {
            const double mid = tIn + (tOut - tIn) / 2.0;
            double wMid = 0.0;
            if (evaluate(mid, SaturationBound(mid, patm_), wMid)) {
                tIn = mid;
                best = QPointF(mid, wMid);
            } else {
                tOut = mid;
            }
        }
        return best;
    }

    F f_;
    double patm_;
};

template <typename F>
std::vector<QPolygonF> TraceOnGrid(F f, const Grid& grid, double patmPsia) {
    return Tracer<F>(f, patmPsia).trace(grid.t, grid.ws);
}

void AddClipped(std::vector<ChartLine>& family, double value, const std::vector<QPolygonF>& traced,
                const ChartRange& range) {
    ChartLine line{value, {}};
    for (const QPolygonF& piece : traced) {
        for (QPolygonF& part : ClipToRange(piece, range))
            line.pieces.push_back(std::move(part));
    }
    if (!line.pieces.empty())
        family.push_back(std::move(line));
}

void ComputeSaturation(ChartLines& lines, const Grid& grid) {
    QPolygonF run;
    for (std::size_t i = 0; i < grid.t.size(); ++i) {
        if (std::isfinite(grid.ws[i])) {
            run.append(QPointF(grid.t[i], grid.ws[i]));
        } else if (!run.isEmpty()) {
            for (QPolygonF& part : ClipToRange(run, lines.key.range))
                lines.saturation.push_back(std::move(part));
            run.clear();
        }
    }
    for (QPolygonF& part : ClipToRange(run, lines.key.range))
        lines.saturation.push_back(std::move(part));
}

void ComputeRelativeHumidity(ChartLines& lines, const Grid& grid) {
    const double p = lines.key.patmPsia;
    for (int k = 1; k <= kRelativeHumiditySteps; ++k) {
        const double phi = k / 10.0;
        const auto f = [phi, p](double t) {
            return air::HumidityRatioAtRelativeHumidity(t, phi, p);
        };
        AddClipped(lines.relativeHumidity, phi, TraceOnGrid(f, grid, p), lines.key.range);
    }
}

// Wet-bulb lines start on the saturation curve at their own temperature and
// run down to the right; they are drawn from the highest wet bulb in view
// downwards until one below the left edge no longer reaches into the view.
void ComputeWetBulb(ChartLines& lines, const Grid& grid) {
    const ChartKey& key = lines.key;
    const UnitSystem u = key.units;
    const double lo = TemperatureToDisplay(kOuterLimits.tMinF, u);
    const double hi = TemperatureToDisplay(key.range.tMaxF, u);
    lines.wetBulbStep = NiceStep(TemperatureToDisplay(key.range.tMaxF, u) -
                                     TemperatureToDisplay(key.range.tMinF, u),
                                 kWetBulbLines);
    std::vector<double> values = MultiplesIn(lo, hi, lines.wetBulbStep, 100000);
    std::reverse(values.begin(), values.end());
    int drawn = 0;
    for (const double twb : values) {
        const double twbF = TemperatureFromDisplay(twb, u);
        const auto f = [twbF, p = key.patmPsia](double t) {
            return air::HumidityRatioAtWetBulb(t, twbF, p);
        };
        std::vector<double> ts;
        std::vector<double> ws;
        if (twbF >= key.range.tMinF) {
            ts.push_back(twbF);
            ws.push_back(SaturationBound(twbF, key.patmPsia));
        }
        for (std::size_t i = 0; i < grid.t.size(); ++i) {
            if (grid.t[i] > twbF) {
                ts.push_back(grid.t[i]);
                ws.push_back(grid.ws[i]);
            }
        }
        const std::size_t before = lines.wetBulb.size();
        AddClipped(lines.wetBulb, twb, Tracer(f, key.patmPsia).trace(ts, ws), key.range);
        if (lines.wetBulb.size() == before && twbF < key.range.tMinF)
            break;
        if (++drawn >= kMaxLinesPerFamily)
            break;
    }
    std::reverse(lines.wetBulb.begin(), lines.wetBulb.end());
}

// Enthalpy and volume both grow with dry bulb and humidity ratio, so the
// corners of the view bound the values in it.
void ComputeEnthalpy(ChartLines& lines, const Grid& grid) {
    const ChartKey& key = lines.key;
    const ChartRange& r = key.range;
    double lo = 0.0;
    double hi = 0.0;
    try {
        lo = air::Enthalpy(r.tMinF, r.wMin, key.units);
        hi = air::Enthalpy(r.tMaxF, r.wMax, key.units);
    } catch (const Fault&) {
        return;
    }
    lines.enthalpyStep = NiceStep(hi - lo, kEnthalpyLines);
    for (const double h : MultiplesIn(lo, hi, lines.enthalpyStep, kMaxLinesPerFamily)) {
        const auto f = [h, u = key.units](double t) {
            return air::HumidityRatioAtEnthalpy(t, h, u);
        };
        AddClipped(lines.enthalpy, h, TraceOnGrid(f, grid, key.patmPsia), r);
    }
}

void ComputeVolume(ChartLines& lines, const Grid& grid) {
    const ChartKey& key = lines.key;
    const ChartRange& r = key.range;
    double lo = 0.0;
    double hi = 0.0;
    try {
        lo = air::SpecificVolume(r.tMinF, r.wMin, key.patmPsia, key.units);
        hi = air::SpecificVolume(r.tMaxF, r.wMax, key.patmPsia, key.units);
    } catch (const Fault&) {
        return;
    }
    lines.volumeStep = NiceStep(hi - lo, kVolumeLines);
    for (const double v : MultiplesIn(lo, hi, lines.volumeStep, kMaxLinesPerFamily)) {
        const auto f = [v, p = key.patmPsia, u = key.units](double t) {
            return air::HumidityRatioAtSpecificVolume(t, v, p, u);
        };
        AddClipped(lines.specificVolume, v, TraceOnGrid(f, grid, key.patmPsia), r);
    }
}

// Liang-Barsky: the parameters [t0, t1] of the segment a->b inside the range.
bool ClipSegment(QPointF a, QPointF b, const ChartRange& r, double& t0, double& t1) {
    t0 = 0.0;
    t1 = 1.0;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.tMinF, r.tMaxF - a.x(), a.y() - r.wMin, r.wMax - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double s = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, s);
        else
            t1 = std::min(t1, s);
    }
    return t0 <= t1;
}

} // namespace

std::vector<QPolygonF> ClipToRange(const QPolygonF& line, const ChartRange& range) {
    std::vector<QPolygonF> parts;
    QPolygonF current;
    const auto flush = [&] {
        if (current.size() >= 2)
            parts.push_back(current);
        current.clear();
    };
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        const QPointF a = line[i];
        const QPointF b = line[i + 1];
        double t0 = 0.0;
        double t1 = 1.0;
        if (!ClipSegment(a, b, range, t0, t1)) {
            flush();
            continue;
        }
        const QPointF start = t0 == 0.0 ? a : a + (b - a) * t0;
        const QPointF end = t1 == 1.0 ? b : a + (b - a) * t1;
        if (current.isEmpty() || current.last() != start) {
            flush();
            current.append(start);
        }
        current.append(end);
        if (t1 < 1.0)
            flush();
    }
    flush();
    return parts;
}

ChartLines ComputeChartLines(const ChartKey& key) {
    ChartLines lines;
    lines.key = key;
    lines.key.range = Limited(key.range);
    if (!(key.patmPsia > 0.0) || !std::isfinite(key.patmPsia))
        return lines;
    lines.valid = true;
    const Grid grid = MakeGrid(lines.key);
    ComputeSaturation(lines, grid);
    ComputeRelativeHumidity(lines, grid);
    ComputeWetBulb(lines, grid);
    ComputeEnthalpy(lines, grid);
    ComputeVolume(lines, grid);
    return lines;
}

const ChartLines& ChartLinesCache::linesFor(const ChartKey& key) {
    const auto hit = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const ChartLines& e) { return e.key == key; });
    if (hit != entries_.end()) {
        std::rotate(entries_.begin(), hit, hit + 1);
        return entries_.front();
    }
    ChartLines lines = ComputeChartLines(key);
    lines.key = key; // look-ups compare with the key as asked
    ++computeCount_;
    if (entries_.size() >= kCapacity)
        entries_.pop_back();
    entries_.insert(entries_.begin(), std::move(lines));
    return entries_.front();
}

} // namespace chart
