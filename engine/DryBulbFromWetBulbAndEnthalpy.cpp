// The dry bulb from the wet bulb and the enthalpy: where the wet-bulb line
// (the psychrometer equation at wet bulb t*) meets the line of constant
// enthalpy, two nearly parallel lines.
//
// The solver first runs the long-standing relaxation on the enthalpy, whose
// answers users and reference values rely on, and keeps its answer where it
// lies at the crossing. Where the relaxation stops off the crossing, leaves
// the range of the saturation pressure or meets its cap, the solver finds the
// crossing itself: next to the relaxation's estimate where that stopped close
// by, otherwise by an upward search and bisection from the wet bulb to the top
// of the air. Where the lines do not cross on air, it raises
// FloatingPointFault, as for any state without air.

#include "engine/SolverSupport.h"

#include <algorithm>
#include <optional>

namespace basPsychroFun {

using detail::Num;
using detail::unlessFault;

namespace {

// How near to where the two lines cross the relaxation's answer must lie to be
// kept, °C (0.18 °F). Its stop test is on the enthalpy, and the lines are so
// nearly parallel that an enthalpy within 0.001 can leave the estimate far
// from the crossing: at 68 °F and 50 % (IP, sea level) it stops 0.125 °C off,
// at 45 °F and 100 % 0.32 °C. At 20 °C and 50 % (SI) it stops 0.057 °C short,
// an answer users know; over the practical range two in three of its answers
// lie within this distance.
constexpr double kCrossingWithin = 0.1;

// Step of the upward search for a crossing, °C. The difference of the lines
// times their denominators is a quadratic in the dry bulb, so they cross at
// most twice; only a pair of crossings this close together, where the lines
// barely touch, would go unseen.
constexpr double kCrossingSearchStep = 1.0;

// The two lines of the pair in the plane of dry bulb and humidity ratio: the
// psychrometer equation at wet bulb t* and the line of enthalpy h.
class WetBulbAndEnthalpyLines {
public:
    WetBulbAndEnthalpyLines(Num twbC, double h, Num pKPa, std::string_view unitSystem)
        : twbC_(twbC), h_(h), pKPa_(pKPa), unitSystem_(unitSystem),
          top_(std::min(detail::dryAirTemperature(h, unitSystem), Num(detail::kHighestC))) {}

    // W of the wet-bulb line less W of the enthalpy line, at tC (°C).
    [[nodiscard]] Num gap(Num tC) const {
        return Num(HumidityRatioFromDryBulbAndWetBulb(tC.value(), twbC_.value(), pKPa_.value(),
                                                      "SI")) -
               HumidityRatioFromDryBulbAndEnthalpy(detail::inSelectorTemperature(tC, unitSystem_),
                                                   h_, unitSystem_);
    }

    // Whether the lines cross in [a, b].
    [[nodiscard]] bool crossBetween(Num a, Num b) const { return signChange(gap(a), gap(b)); }
    static bool signChange(Num gapA, Num gapB) {
        return gapA == 0.0 || gapB == 0.0 || (gapA < 0.0) != (gapB < 0.0);
    }

    // Air on both lines lies between the wet bulb and the top: the dry-air
    // temperature of the enthalpy (W = 0), or 400 °F.
    [[nodiscard]] Num bottom() const { return twbC_; }
    [[nodiscard]] Num top() const { return top_; }

private:
    Num twbC_;
    double h_;
    Num pKPa_;
    std::string_view unitSystem_;
    Num top_;
};

// The relaxation iteration on the enthalpy. nullopt where an estimate leaves
// the range or the cap is met: at 40 °F and 50 % (wet bulb 33.57 °F, 12.39
// Btu/lb, IP, sea level) every step overshoots and it never converges.
std::optional<Num> relax(Num twbC, double h, Num pKPa, std::string_view unitSystem) {
    const Num target = h;                        // in the selector's enthalpy unit
    constexpr double kEnthalpyTolerance = 0.001; // Btu/lb or kJ/kg

    Num T = twbC;
    Num tPrev = twbC;
    Num hCur = target;
    Num difference = 100.0;
    for (int pass = 0; difference > kEnthalpyTolerance; ++pass) {
        if (pass == kMaxRelaxationPasses)
            return std::nullopt;
        const Num w = HumidityRatioFromDryBulbAndEnthalpy(
            detail::inSelectorTemperature(T, unitSystem), h, unitSystem);
        tPrev = T;
        const Num tNew =
            DryBulbFromWetBulbAndHumidityRatio(twbC.value(), w.value(), pKPa.value(), "SI");
        const Num hPrev = hCur;
        hCur = EnthalpyFromDryBulbAndHumidityRatio(detail::inSelectorTemperature(tNew, unitSystem),
                                                   w.value(), unitSystem);
        // Halve a step that raised both temperature and enthalpy; otherwise
        // extend it by half.
        if (tNew > tPrev && hCur > hPrev)
            T = tNew - (tNew - tPrev) / 2.0;
        else
            T = tNew + (tNew - tPrev) / 2.0;
        if (!detail::withinAirRange(T))
            return std::nullopt;
        difference = detail::abs(hCur - target);
    }
    // The estimate at the start of the pass whose enthalpy met the tolerance.
    return tPrev;
}

// The answer near the relaxation's estimate t, from the gap at the two ends of
// the window t +- kCrossingWithin: t itself where the lines cross inside the
// window. Otherwise, as where the relaxation stops a little off the crossing,
// the point where the straight line through those two gaps meets zero, if a
// bracket of the tolerance's width around it holds the crossing: over such a
// span the gap is all but linear (its curvature moves that point by some
// 1e-5 °C), so two more evaluations stand in for a whole search. A fault of
// that arithmetic, where the gaps all but agree, sends the caller to the
// search.
std::optional<Num> answerNear(Num t, const WetBulbAndEnthalpyLines& lines) {
    if (t < lines.bottom() || t > lines.top())
        return std::nullopt;
    const Num a = std::max(lines.bottom(), t - kCrossingWithin);
    const Num b = std::min(lines.top(), t + kCrossingWithin);
    const Num gapA = lines.gap(a);
    const Num gapB = lines.gap(b);
    if (WetBulbAndEnthalpyLines::signChange(gapA, gapB))
        return t;
    if (gapA == gapB)
        return std::nullopt;
    const Num crossing = a - gapA * (b - a) / (gapB - gapA);
    const Num half = detail::kTemperatureTolerance / 2.0;
    if (crossing - half < lines.bottom() || crossing + half > lines.top() ||
        !lines.crossBetween(crossing - half, crossing + half))
        return std::nullopt;
    return crossing;
}

// The lowest crossing above the wet bulb: the first temperature at which the
// gap has changed sign. Where there is none, a crossing just below the wet
// bulb, within the slack of the formulation's own wet bulb: for saturated air
// the dew-point correlation puts the wet bulb a little above the dry bulb
// (0 °F and 100 %, IP, sea level), and the lines of such air meet there.
// That air is still air; the compute's check of the relative humidity decides.
Num searchTheCrossing(const WetBulbAndEnthalpyLines& lines) {
    const auto crossingFrom = [&](Num bottom, Num top) -> std::optional<Num> {
        if (bottom > top)
            return std::nullopt;
        const Num gapAtBottom = lines.gap(bottom);
        if (gapAtBottom == 0.0)
            return bottom;
        const auto b = detail::searchUpward(bottom, top, kCrossingSearchStep, [&](Num m) {
            const Num gap = lines.gap(m);
            return gap == 0.0 || (gap < 0.0) != (gapAtBottom < 0.0);
        });
        return b ? std::optional<Num>(b->result) : std::nullopt;
    };
    if (const auto above = crossingFrom(lines.bottom(), lines.top()))
        return *above;
    const Num slackBottom = std::max(Num(detail::kLowestC), lines.bottom() - detail::kWetBulbSlack);
    if (const auto below = crossingFrom(slackBottom, std::min(lines.bottom(), lines.top())))
        return *below;
    detail::noSolution();
}

} // namespace

double DryBulbFromWetBulbAndEnthalpy(double twb, double h, double p, std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num twbC = detail::temperatureIn(twb, s);
    const Num pKPa = detail::pressureIn(p, s);
    if (!detail::withinAirRange(twbC))
        detail::noSolution();

    const WetBulbAndEnthalpyLines lines(twbC, h, pKPa, unitSystem);
    const std::optional<Num> t = unlessFault([&]() -> std::optional<Num> {
        const std::optional<Num> estimate = relax(twbC, h, pKPa, unitSystem);
        return estimate ? answerNear(*estimate, lines) : std::nullopt;
    });
    return detail::temperatureOut(t ? *t : searchTheCrossing(lines), s);
}

} // namespace basPsychroFun
