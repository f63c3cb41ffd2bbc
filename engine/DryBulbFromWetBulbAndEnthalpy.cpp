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
//
// The calculator shows the wet bulb of air through the dew-point correlation,
// which near saturation lies up to 0.6 °F off the psychrometer equation; and
// the lines are so nearly parallel that such an offset moves their crossing
// by degrees, or past the air. DryBulbFromOwnWetBulbAndEnthalpy therefore
// searches the enthalpy line itself for the air whose own wet bulb, as shown,
// is the one given, starting where the psychrometer line crosses it.

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

// --- Along the formulation's own wet bulb ---------------------------------------

// Step of the search for the dry bulb whose own wet bulb is the one given, °C.
// Along a line of constant enthalpy that wet bulb changes by 0.001 to 0.06 °C
// per °C of dry bulb, and by the 0.0005 °C to which its own bisection stops it
// wavers: where it changes least it rises and falls through the wet bulb given
// within a few tenths of a degree of dry bulb.
constexpr double kOwnWetBulbSearchStep = 0.1;

// How closely the own wet bulb of the answer meets the one given, °C: half a
// hundredth of a degree Fahrenheit, so that the answer shows the wet bulb it
// was given to the hundredth.
constexpr double kOwnWetBulbMatch = units::FahrenheitSpanToKelvin(0.005);

// Where no air on the line meets it that closely, the air that comes closest
// stands, up to this far off, °C (0.04 °F): where the own wet bulb barely
// changes along the line, its rounding to the hundredth as typed can leave it
// just short everywhere.
constexpr double kOwnWetBulbNearest = units::FahrenheitSpanToKelvin(0.04);

// Along the line the own wet bulb moves at most as fast as the dry bulb (as
// fast where the correlation pins it to the dry bulb near saturation), and
// jumps by at most this much, °C: about 0.01 °C where the correlation changes
// branch, and the 0.0005 °C it wavers either side. A step no longer than the
// gap less this passes no temperature whose own wet bulb is the one given, so
// far from any the search strides.
constexpr double kOwnWetBulbJump = 0.011;

// Steps beyond the first temperature whose own wet bulb matches in which the
// search still looks for where it passes the wet bulb given (1 °C: along the
// line the own wet bulb changes by at least some 0.005 °C per °C where it
// passes, so the match lies within about half a degree of the crossing).
constexpr int kStepsPastAMatch = 10;

// The air on the line of enthalpy h, in the selector's units, by its dry bulb
// (°C): how far its own wet bulb, the one the calculator shows (through the
// dew-point correlation, WetBulbFromDryBulbAndHumidityRatio), lies above
// twb, and whether it is air at all.
class OwnWetBulbOnTheEnthalpyLine {
public:
    OwnWetBulbOnTheEnthalpyLine(Num twbC, double h, Num pKPa, std::string_view unitSystem)
        : twbC_(twbC), h_(h), pKPa_(pKPa), unitSystem_(unitSystem) {}

    // nullopt where the air has no dew point in the range of the formulation
    // (no vapour, or next to none), and so no wet bulb of its own.
    [[nodiscard]] std::optional<Num> gap(Num tC) const {
        const Num w = humidityRatio(tC);
        if (!(w > 0.0))
            return std::nullopt;
        const Num pw = VaporPressureFromHumidityRatio(w.value(), pKPa_.value(), "SI");
        const Num tdp = DewPointFromVaporPressure(pw.value(), "SI");
        if (!detail::withinAirRange(tdp))
            return std::nullopt;
        return Num(WetBulbFromDryBulbAndDewPoint(tC.value(), tdp.value(), pKPa_.value(), "SI")) -
               twbC_;
    }

    // Air holds at most kMaxRelativeHumidity of its saturation vapour.
    [[nodiscard]] bool isAir(Num tC) const {
        const Num pw =
            VaporPressureFromHumidityRatio(humidityRatio(tC).value(), pKPa_.value(), "SI");
        return pw / SaturationPressure(tC.value(), "SI") <= kMaxRelativeHumidity;
    }

private:
    [[nodiscard]] Num humidityRatio(Num tC) const {
        return HumidityRatioFromDryBulbAndEnthalpy(detail::inSelectorTemperature(tC, unitSystem_),
                                                   h_, unitSystem_);
    }

    Num twbC_;
    double h_;
    Num pKPa_;
    std::string_view unitSystem_;
};

// The search along the line, which also keeps the air whose own wet bulb
// came closest to the one given.
class OwnWetBulbSearch {
public:
    explicit OwnWetBulbSearch(const OwnWetBulbOnTheEnthalpyLine& line) : line_(line) {}

    // The temperature nearest `from` on the way to `to` (either side of it)
    // whose own wet bulb is the one given, and which is air: where the gap
    // changes sign, bisected to the tolerance; or, where it comes within the
    // match without changing sign, as the wavering wet bulb may, the step
    // that comes closest. nullopt where there is none. The way ends early at
    // the driest air that has a wet bulb of its own.
    std::optional<Num> nearest(Num from, Num to) {
        const bool up = to > from;
        std::optional<Num> match; // the step that matches closest
        Num matchGap = 0.0;
        int stepsPastTheMatch = 0;
        const auto noteMatch = [&](Num tC, Num gap) {
            if (matches(tC, gap) && (!match || detail::abs(gap) < matchGap)) {
                match = tC;
                matchGap = detail::abs(gap);
            }
        };
        std::optional<Num> gapA = gapAt(from);
        if (gapA)
            noteMatch(from, *gapA);
        for (Num a = from;
             gapA && (up ? a < to : a > to) && stepsPastTheMatch <= kStepsPastAMatch;) {
            const Num stride =
                std::max(Num(kOwnWetBulbSearchStep), detail::abs(*gapA) - kOwnWetBulbJump);
            const Num next = up ? std::min(a + stride, to) : std::max(a - stride, to);
            Num b = next;
            std::optional<Num> gapB = gapAt(b);
            if (!gapB) {
                // Drier air has no dew point in the range: the step ends at
                // the driest air that has one, and so does the way.
                b = detail::bisect(std::min(a, b), std::max(a, b), [&](Num m) {
                        return !line_.gap(m);
                    }).lower;
                gapB = gapAt(b);
            }
            if (negative(*gapA) != negative(*gapB)) {
                if (const std::optional<Num> root =
                        rootBetween(std::min(a, b), std::max(a, b), negative(up ? *gapB : *gapA)))
                    return root;
            }
            if (match)
                ++stepsPastTheMatch;
            noteMatch(b, *gapB);
            if (b != next)
                break;
            a = b;
            gapA = gapB;
        }
        return match;
    }

    // The air that came closest, where it came close enough.
    [[nodiscard]] std::optional<Num> closest() const {
        return closest_ && closestGap_ <= kOwnWetBulbNearest ? closest_ : std::nullopt;
    }

private:
    static bool negative(Num gap) { return gap < 0.0; }

    bool matches(Num tC, Num gap) const {
        return detail::abs(gap) <= kOwnWetBulbMatch && line_.isAir(tC);
    }

    // The gap at tC, noting the air that comes closest.
    std::optional<Num> gapAt(Num tC) {
        const std::optional<Num> g = line_.gap(tC);
        if (g && (!closest_ || detail::abs(*g) < closestGap_) && line_.isAir(tC)) {
            closest_ = tC;
            closestGap_ = detail::abs(*g);
        }
        return g;
    }

    // Between two temperatures of air with a dew point, every one has one.
    // Where the correlation changes branch (a dew point of 0 °C) the wet bulb
    // steps by about 0.01 °C: the bracket's ends stand beside its middle, and
    // a change of sign with no end near the wet bulb given is no root.
    std::optional<Num> rootBetween(Num lower, Num upper, bool upperNegative) {
        const detail::Bisection bracket = detail::bisect(lower, upper, [&](Num m) {
            const std::optional<Num> g = line_.gap(m);
            return !g || negative(*g) == upperNegative;
        });
        for (const Num t : {bracket.result, bracket.lower, bracket.upper}) {
            if (const std::optional<Num> g = gapAt(t); g && matches(t, *g))
                return t;
        }
        return std::nullopt;
    }

    const OwnWetBulbOnTheEnthalpyLine& line_;
    std::optional<Num> closest_;
    Num closestGap_ = 0.0;
};

} // namespace

double DryBulbFromOwnWetBulbAndEnthalpy(double twb, double h, double p,
                                        std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num twbC = detail::temperatureIn(twb, s);
    const Num pKPa = detail::pressureIn(p, s);
    if (!detail::withinAirRange(twbC))
        detail::noSolution();

    // From just below the wet bulb (saturated air may show its wet bulb a
    // little above its dry bulb) up to the dry air of the enthalpy or 400 °F.
    const OwnWetBulbOnTheEnthalpyLine line(twbC, h, pKPa, unitSystem);
    const Num bottom = std::max(Num(detail::kLowestC), twbC - detail::kWetBulbSlack);
    const Num top = std::min(detail::dryAirTemperature(h, unitSystem), Num(detail::kHighestC));
    if (!(bottom < top))
        detail::noSolution();

    // Saturated air shows about its dry bulb as its wet bulb, and the line of
    // constant enthalpy runs close to saturation at the wet bulb: the two
    // inputs are met there too, within the correlation's slack, by air that
    // is not the air they came from; and where the own wet bulb barely
    // changes along the line (wet bulbs about 30 °F to 50 °F) it meets them
    // more than once. The air lies near where the psychrometer equation's
    // line crosses the enthalpy line: the answer nearest that crossing is the
    // air. Without a crossing (near saturation, where the correlation puts the
    // wet bulb furthest off the psychrometer equation), the lowest answer.
    const WetBulbAndEnthalpyLines lines(twbC, h, pKPa, unitSystem);
    const std::optional<Num> crossing = unlessFault([&]() -> std::optional<Num> {
        const Num c = searchTheCrossing(lines);
        return c >= bottom && c <= top ? std::optional<Num>(c) : std::nullopt;
    });
    OwnWetBulbSearch search(line);
    std::optional<Num> t;
    if (crossing) {
        const std::optional<Num> below = search.nearest(*crossing, bottom);
        const Num reach = below ? std::min(top, *crossing + (*crossing - *below)) : top;
        const std::optional<Num> above = search.nearest(*crossing, reach);
        t = !above || (below && *crossing - *below <= *above - *crossing) ? below : above;
    } else {
        t = search.nearest(bottom, top);
    }
    if (!t)
        t = search.closest();
    if (!t)
        detail::noSolution();
    return detail::temperatureOut(*t, s);
}

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
