// The dry bulb from relative humidity with the wet bulb or the enthalpy, the
// pairs without a closed form that fix the relative humidity.
//
// Each solver first runs its long-standing iteration, a substitution that
// brackets the answer and a bisection inside the bracket, whose answers users
// and reference values rely on. That iteration is not safe everywhere: it can
// overshoot out of the range of the saturation pressure and compute on the
// out-of-range marker, meet its pass cap, or end on a number that is not a
// solution. Where it does, the solver solves the same equations by bisection
// over all the air there is (searching up from the wet bulb, or along the
// whole enthalpy line) and returns that root; where the equations have no root
// there, it raises FloatingPointFault, as for any state without air.

#include "engine/SolverSupport.h"

#include <algorithm>
#include <optional>

namespace basPsychroFun {

using detail::Num;
using detail::unlessFault;

// --- Wet bulb and relative humidity ------------------------------------------

namespace {

// Whether air at tC (°C, in range) of relative humidity phi exists at the
// pressure: where phi p_ws reaches the atmospheric pressure the humidity ratio
// has no meaning.
bool airExists(Num tC, Num phi, Num pKPa) {
    return phi * SaturationPressure(tC.value(), "SI") < pKPa;
}

// The wet-bulb relation of air of relative humidity phi at one pressure, as a
// bisection from the wet bulb t* sees it: whether a dry bulb lies above the
// answer, and the wet bulbs met at the two ends of the bracket.
class WetBulbSearch {
public:
    WetBulbSearch(Num twbC, double phi, Num pKPa)
        : twbC_(twbC), phi_(phi), pKPa_(pKPa), wetBulbBelow_(twbC), wetBulbAbove_(twbC) {}

    // The formulation's wet bulb of air at tC (°C, on air).
    [[nodiscard]] Num wetBulbAt(Num tC) const {
        return WetBulbFromDryBulbAndRelativeHumidity(tC.value(), phi_.value(), pKPa_.value(), "SI");
    }
    // Whether that wet bulb lies above t*.
    bool above(Num tC) {
        const Num wetBulb = wetBulbAt(tC);
        if (wetBulb > twbC_) {
            wetBulbAbove_ = wetBulb;
            airAbove_ = true;
            return true;
        }
        wetBulbBelow_ = wetBulb;
        return false;
    }
    // The same, where tC may lie beyond the air: above 400 °F, or where the
    // vapour would reach the atmospheric pressure. A temperature there lies
    // above any answer, as the wet bulb rises with the dry bulb, but shows no
    // wet bulb above t*.
    bool aboveOrBeyondTheAir(Num tC) {
        if (detail::withinAirRange(tC) && airExists(tC, phi_, pKPa_))
            return above(tC);
        airAbove_ = false;
        return true;
    }

    // Whether the last bracket holds a solution: its ends' wet bulbs, below
    // and above t*, lie close together.
    [[nodiscard]] bool foundTheAir() const {
        return airAbove_ && wetBulbAbove_ - wetBulbBelow_ <= detail::kWetBulbSlack;
    }

private:
    Num twbC_;
    Num phi_;
    Num pKPa_;
    Num wetBulbBelow_;
    Num wetBulbAbove_;
    bool airAbove_ = false; // the upper end of the bracket is on air
};

// Successive substitution for an upper bound, then bisection between the wet
// bulb and that bound. nullopt where an estimate the substitution goes on from
// leaves the range, as in hot humid air (105 °F and 55 % at sea level has wet
// bulb 89.45 °F, and the substitution runs to about -11,800 °F), where the
// bound lies below t*, or where the bisection ends on no solution.
std::optional<Num> bracketBySubstitution(Num twbC, double phi, Num pKPa) {
    // Phase 1: substitute until the humidity ratio first falls; the dry bulb of
    // that pass bounds the solution from above.
    Num x = twbC;
    Num w = HumidityRatioFromRelativeHumidity(twbC.value(), phi, pKPa.value(), "SI");
    Num wPrev = w;
    for (int pass = 0; wPrev <= w; ++pass) {
        if (pass == kMaxSubstitutionPasses || !detail::withinAirRange(x))
            return std::nullopt;
        wPrev = w;
        w = HumidityRatioFromRelativeHumidity(x.value(), phi, pKPa.value(), "SI");
        x = DryBulbFromWetBulbAndHumidityRatio(twbC.value(), w.value(), pKPa.value(), "SI");
        // After the first pass (which always repeats W), a pass that leaves W
        // unchanged has reached the fixed point of the substitution: x is then
        // the dry bulb whose wet bulb is t*, as near saturation, and bounds the
        // bisection as well as a falling W would.
        if (pass > 0 && w == wPrev)
            break;
    }
    if (x < twbC)
        return std::nullopt;

    // Phase 2: bisection between t* and that bound. The bound may lie beyond
    // the air, as at 95 °F and 83 % at sea level, where it comes out at 223 °F
    // and the vapour there would exceed the atmosphere; the temperatures
    // beyond count as above the answer.
    WetBulbSearch search(twbC, phi, pKPa);
    const bool boundOnAir = detail::withinAirRange(x) && airExists(x, phi, pKPa);
    const auto b = detail::bisect(twbC, x, [&](Num m) {
        return boundOnAir ? search.above(m) : search.aboveOrBeyondTheAir(m);
    });
    if (b.lowerMoved || b.upperMoved)
        return search.foundTheAir() ? std::optional(b.result) : std::nullopt;
    // A bracket narrower than the tolerance from the start: the fixed point,
    // near saturation, where the formulation's wet bulb is t* within the slack.
    if (detail::abs(search.wetBulbAt(x) - twbC) > detail::kWetBulbSlack)
        return std::nullopt;
    return b.result;
}

// Step of the upward search from the wet bulb, °C (9 °F). Each step costs a
// wet bulb, itself a bisection. The search finds the lowest crossing: above
// the local boiling point the formulation's wet bulb is not monotonic (at
// 20,000 ft and 50 % it equals the dry bulb up to 207 °F, then drops to
// 175 °F), and a bisection of the whole range would end on that drop.
constexpr double kWetBulbSearchStep = 5.0;

// The lowest dry bulb above the wet bulb whose wet bulb is t*, up to the top
// of the range.
Num searchFromTheWetBulb(Num twbC, double phi, Num pKPa) {
    WetBulbSearch search(twbC, phi, pKPa);
    const auto b = detail::searchUpward(twbC, detail::kHighestC, kWetBulbSearchStep,
                                        [&](Num m) { return search.aboveOrBeyondTheAir(m); });
    if (!b || !search.foundTheAir())
        detail::noSolution();
    return b->result;
}

} // namespace

double DryBulbFromWetBulbAndRelativeHumidity(double twb, double phi, double p,
                                             std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num twbC = detail::temperatureIn(twb, s);
    const Num pKPa = detail::pressureIn(p, s);
    if (!detail::withinAirRange(twbC))
        detail::noSolution();

    // Saturated air: the dry bulb is the wet bulb. The substitution would
    // reproduce t* and the same humidity ratio on every pass and never leave.
    if (phi == 1.0)
        return detail::temperatureOut(twbC, s);
    // Perfectly dry air: the psychrometer equation with W = 0. It has no dew
    // point, on which the wet bulb of the bisection rests.
    if (phi == 0.0)
        return detail::temperatureOut(
            DryBulbFromWetBulbAndHumidityRatio(twbC.value(), 0.0, pKPa.value(), "SI"), s);

    const std::optional<Num> t =
        unlessFault([&] { return bracketBySubstitution(twbC, phi, pKPa); });
    return detail::temperatureOut(t ? *t : searchFromTheWetBulb(twbC, phi, pKPa), s);
}

double DryBulbFromOwnWetBulbOfSaturatedAir(double twb, double p, std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num twbC = detail::temperatureIn(twb, s);
    const Num pKPa = detail::pressureIn(p, s);
    if (!detail::withinAirRange(twbC))
        detail::noSolution();

    // The own wet bulb of saturated air follows its dry bulb within the
    // correlation's slack, rising with it: bisect within that slack of t*.
    // Where the bracket holds no answer (the boiling point within it, or the
    // end of the range) the dry bulb is the wet bulb.
    WetBulbSearch search(twbC, 1.0, pKPa);
    const Num one = 1.0;
    const Num lower = std::max(Num(detail::kLowestC), twbC - detail::kWetBulbSlack);
    const Num upper = std::min(Num(detail::kHighestC), twbC + detail::kWetBulbSlack);
    if (!airExists(upper, one, pKPa) || search.above(lower) || !search.above(upper))
        return detail::temperatureOut(twbC, s);
    return detail::temperatureOut(
        detail::bisect(lower, upper, [&](Num m) { return search.above(m); }).result, s);
}

// --- Enthalpy and relative humidity ------------------------------------------

namespace {

// Relative humidity along the line of constant enthalpy h (selector's units),
// at tC (°C, in range). It falls as tC rises: the humidity ratio of the line
// falls, the saturation pressure rises.
Num relativeHumidityOnEnthalpyLine(Num tC, double h, Num pKPa, std::string_view unitSystem) {
    const Num w = HumidityRatioFromDryBulbAndEnthalpy(detail::inSelectorTemperature(tC, unitSystem),
                                                      h, unitSystem);
    const Num pw = VaporPressureFromHumidityRatio(w.value(), pKPa.value(), "SI");
    return pw / SaturationPressure(tC.value(), "SI");
}

// Substitution from h/2 (read as °C) for a bracket, then bisection. nullopt
// where an estimate leaves the range, as for a humid 90 °F afternoon (75 % and
// 46.93 Btu/lb at sea level), where the substitution overshoots the boiling
// point and the bracket came out at -19,548 °F; or where the cap is met.
std::optional<Num> bracketBySubstitution(double h, Num phi, Num pKPa, std::string_view unitSystem) {
    // Phase 1: substitute until a temperature has been seen on each side of
    // phi; each bound is the first found on its side.
    Num T = Num(h) / 2.0;
    Num lower = 0.0;
    Num upper = 0.0;
    bool haveLower = false;
    bool haveUpper = false;
    for (int pass = 0; !(haveLower && haveUpper); ++pass) {
        if (pass == kMaxSubstitutionPasses || !detail::withinAirRange(T))
            return std::nullopt;
        const Num pw = phi * SaturationPressure(T.value(), "SI");
        const Num w = HumidityRatioFromVaporPressure(pw.value(), pKPa.value(), "SI");
        T = detail::fromSelectorTemperature(
            DryBulbFromHumidityRatioAndEnthalpy(w.value(), h, unitSystem), unitSystem);
        if (T < detail::kLowestC)
            return std::nullopt;
        // Above 400 °F no air is as humid as phi: an upper bound. (Near
        // saturation at 114 °F the second pass comes out at 406 °F.)
        if (T > detail::kHighestC) {
            if (!haveUpper) {
                upper = T;
                haveUpper = true;
            }
            continue;
        }
        const Num phiAtT = pw / SaturationPressure(T.value(), "SI");
        if (phiAtT < phi && !haveUpper) {
            upper = T;
            haveUpper = true;
        }
        if (phiAtT >= phi && !haveLower) {
            lower = T;
            haveLower = true;
        }
    }

    // Phase 2: bisection on the relative humidity along the enthalpy line,
    // above 400 °F as above the answer.
    const Num t = detail::bisect(lower, upper, [&](Num m) {
                      return m > detail::kHighestC ||
                             relativeHumidityOnEnthalpyLine(m, h, pKPa, unitSystem) < phi;
                  }).result;
    if (!detail::withinAirRange(t))
        return std::nullopt;
    return t;
}

// Bisection along the enthalpy line from -148 °F up to its dry-air temperature
// or 400 °F, whichever comes first. The relative humidity falls along the line,
// so there is one root at most; there is one if phi lies between the values at
// the two ends.
Num bisectAlongTheEnthalpyLine(double h, Num phi, Num pKPa, std::string_view unitSystem) {
    const Num dryAir = detail::dryAirTemperature(h, unitSystem);
    const Num lower = detail::kLowestC;
    const Num upper = std::min(dryAir, Num(detail::kHighestC));
    const auto phiAt = [&](Num tC) {
        return relativeHumidityOnEnthalpyLine(tC, h, pKPa, unitSystem);
    };
    // At the dry-air temperature the relative humidity is 0, below any phi.
    // Air on the very edge of the range, as at -148 °F, comes back from its
    // own enthalpy within rounding on either side of the edge.
    constexpr double kRounding = 1e-6;
    if (upper <= lower || phiAt(lower) < phi * (1.0 - kRounding) ||
        (upper < dryAir && phiAt(upper) > phi * (1.0 + kRounding)))
        detail::noSolution();
    return detail::bisect(lower, upper, [&](Num m) { return phiAt(m) < phi; }).result;
}

} // namespace

double DryBulbFromEnthalpyAndRelativeHumidity(double h, double phi, double p,
                                              std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num pKPa = detail::pressureIn(p, s);

    // Dry air: the temperature of the dry air of that enthalpy. (The
    // substitution would look for a temperature drier than dry for ever.)
    if (phi == 0.0) {
        const Num t = detail::dryAirTemperature(h, unitSystem);
        if (!detail::withinAirRange(t))
            detail::noSolution();
        return detail::temperatureOut(t, s);
    }

    const std::optional<Num> t =
        unlessFault([&] { return bracketBySubstitution(h, phi, pKPa, unitSystem); });
    return detail::temperatureOut(t ? *t : bisectAlongTheEnthalpyLine(h, phi, pKPa, unitSystem), s);
}

// --- Humidity ratio and relative humidity --------------------------------------

double DryBulbFromHumidityRatioAndRelativeHumidity(double w, double phi, double p,
                                                   std::string_view unitSystem) {
    const std::optional<UnitSystem> s = detail::classify(unitSystem);
    const Num pKPa = detail::pressureIn(p, s);
    const Num Phi = phi;
    // The saturation pressure the air must have at its dry bulb: p_ws = p_w / phi
    // (ASHRAE Handbook of Fundamentals, psychrometrics chapter: phi = p_w / p_ws).
    const Num pw = VaporPressureFromHumidityRatio(w, pKPa.value(), "SI");
    const Num target = pw / Phi;
    // SaturationPressure rises with the temperature over the whole range (the
    // step from ice to water at 0 °C is upward too), so the bisection finds its
    // one inverse; outside the range there is no air of this humidity ratio and
    // relative humidity.
    const auto above = [&](Num tC) { return Num(SaturationPressure(tC.value(), "SI")) > target; };
    const Num lowest = detail::kLowestC;
    const Num highest = detail::kHighestC;
    if (above(lowest) || !above(highest))
        detail::noSolution();
    return detail::temperatureOut(detail::bisect(lowest, highest, above).result, s);
}

} // namespace basPsychroFun
