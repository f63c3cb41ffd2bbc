#include "airhandler/Chain.h"

#include "airhandler/Heat.h"
#include "airhandler/Notes.h"
#include "engine/Limits.h"
#include "engine/PsychroFun.h"

#include <algorithm>
#include <cmath>

namespace airhandler::detail {

namespace psy = basPsychroFun;
namespace air = processes::air;
using processes::AirState;
using processes::Problem;

namespace {

template <typename... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <typename... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// The notes (Notes.h), as the rows hold them.
constexpr std::string_view kWarmEnough = notes::kWarmEnough.source;
constexpr std::string_view kCoolEnough = notes::kCoolEnough.source;
constexpr std::string_view kDryEnough = notes::kDryEnough.source;
constexpr std::string_view kHumidEnough = notes::kHumidEnough.source;
constexpr std::string_view kNoHeat = notes::kNoHeat.source;
constexpr std::string_view kNoExchange = notes::kNoExchange.source;
constexpr std::string_view kStopped = notes::kStopped.source;
constexpr std::string_view kDryCoil = notes::kDryCoil.source;

// The bisection of a steam humidifier's leaving humidity ratio.
constexpr double kHumidityTolerance = 1e-12;
constexpr double kWetBulbToleranceF = 1e-10;
constexpr int kMaxHalvings = 200;

bool Finite(double v) noexcept {
    return std::isfinite(v);
}
bool InDryBulbRange(double tF) noexcept {
    return tF >= psy::kMinTemperatureF && tF <= psy::kMaxTemperatureF;
}
bool IsFraction(double v) noexcept {
    return v >= 0.0 && v <= 1.0;
}
// A relative humidity asked of a component: above dry, at most saturated.
bool IsRelativeHumidity(double v) noexcept {
    return v > 0.0 && v <= 1.0;
}

Step Off(const AirState& entering, std::string_view note) {
    return Step{entering, false, note, std::nullopt, std::nullopt};
}

// The leaving air, or why it is not air.
Outcome<Step> Leave(const AirState& leaving, std::string_view note = {}) {
    if (const auto problem = processes::CheckAir(leaving))
        return Issue{Reason::LeavingNotAir, *problem, -1};
    return Step{leaving, true, note, std::nullopt, std::nullopt};
}

// Relative humidity, p_w / p_ws (ASHRAE Handbook — Fundamentals, ch. 1).
double RelativeHumidity(const AirState& a) {
    return air::VapourPressure(a.humidityRatio, a.pressurePsia) /
           psy::SaturationPressure(a.dryBulbF, "IP");
}

// The humidity ratio of air whose dew point is tdpF: saturated at tdpF. None
// at or above the boiling point, where no humidity ratio has that dew point.
std::optional<double> HumidityRatioAtDewPoint(double tdpF, double pPsia) {
    if (!(psy::SaturationPressure(tdpF, "IP") < pPsia))
        return std::nullopt;
    return air::SaturationHumidityRatio(tdpF, pPsia);
}

// Bisects w in [lo, hi] for the relative humidity phi of leavingAt(w), which
// grows with w; lo below phi. Widens hi by doubling first. None when even
// a humidity ratio of 1 stays below phi.
template <typename F>
std::optional<double> HumidityRatioForRh(double lo, double phi, const F& leavingAt) {
    double step = 1e-3;
    double hi = lo + step;
    while (RelativeHumidity(leavingAt(hi)) < phi) {
        lo = hi;
        step *= 2.0;
        hi = lo + step;
        if (hi > 1.0)
            return std::nullopt;
    }
    for (int i = 0; i < kMaxHalvings && hi - lo > kHumidityTolerance; ++i) {
        const double mid = lo + (hi - lo) / 2.0;
        (RelativeHumidity(leavingAt(mid)) < phi ? lo : hi) = mid;
    }
    return lo;
}

Outcome<Step> ApplyHeating(const HeatingCoil& coil, const AirState& in, const Targets& targets) {
    const double leavingF = coil.by == HeatingBy::LeavingDryBulb ? coil.leavingDryBulbF
                            : coil.by == HeatingBy::Rise         ? in.dryBulbF + coil.riseF
                                                                 : targets.dryBulbF;
    if (!(leavingF > in.dryBulbF))
        return Off(in, kWarmEnough);
    AirState out = in;
    out.dryBulbF = leavingF; // sensible heat: the humidity ratio stays
    return Leave(out);
}

Outcome<Step> ApplyCooling(const CoolingCoil& coil, const AirState& in, const Targets& targets,
                           bool final) {
    const double p = in.pressurePsia;
    AirState out = in;
    std::string_view note;
    std::optional<processes::CoilCondition> condition;
    switch (coil.by) {
    case CoolingBy::LeavingDryBulbAndRh: {
        if (!(coil.leavingDryBulbF < in.dryBulbF))
            return Off(in, kCoolEnough);
        out.dryBulbF = coil.leavingDryBulbF;
        const double w = psy::HumidityRatioFromRelativeHumidity(
            coil.leavingDryBulbF, coil.leavingRelativeHumidity, p, "IP");
        if (w >= in.humidityRatio)
            note = kDryCoil; // cooling alone does not reach that humidity
        else
            out.humidityRatio = w;
        break;
    }
    case CoolingBy::ApparatusDewPoint: {
        const double adp = coil.apparatusDewPointF;
        if (!(adp < in.dryBulbF))
            return Off(in, kCoolEnough);
        const double wAdp = air::SaturationHumidityRatio(adp, p);
        if (wAdp >= in.humidityRatio) {
            // A surface above the entering dew point stays dry: the air
            // cools along its own humidity ratio, BF of the way from the ADP.
            out.dryBulbF = adp + coil.bypassFactor * (in.dryBulbF - adp);
            note = kDryCoil;
        } else {
            const auto leaving = processes::LeavingAir(in, adp, coil.bypassFactor);
            if (!leaving)
                return Issue{Reason::CoilRefused, leaving.problem(), -1};
            out = *leaving;
        }
        condition = processes::CoilCondition{{adp, wAdp, p}, coil.bypassFactor};
        break;
    }
    case CoolingBy::ToSupplyHumidity: {
        if (!(targets.humidityRatio < in.humidityRatio))
            return Off(in, kDryEnough);
        out.humidityRatio = targets.humidityRatio;
        try {
            out.dryBulbF = psy::DryBulbFromHumidityRatioAndRelativeHumidity(
                targets.humidityRatio, coil.leavingRelativeHumidity, p, "IP");
        } catch (const psy::FloatingPointFault&) {
            // No dry bulb of the range has that humidity ratio at that
            // relative humidity.
            return Issue{Reason::CoilRefused, Problem::DryBulbOutOfRange, -1};
        }
        if (!(out.dryBulbF < in.dryBulbF))
            return Issue{Reason::CoilRefused, Problem::NoApparatusDewPoint, -1};
        break;
    }
    case CoolingBy::ToSupplyState: {
        const bool dehumidify = targets.humidityRatio < in.humidityRatio;
        if (!(targets.dryBulbF < in.dryBulbF)) {
            if (dehumidify)
                return Issue{Reason::CoilRefused, Problem::NoApparatusDewPoint, -1};
            return Off(in, kCoolEnough);
        }
        out.dryBulbF = targets.dryBulbF;
        if (dehumidify)
            out.humidityRatio = targets.humidityRatio;
        else
            note = kDryCoil;
        break;
    }
    }
    auto step = Leave(out, note);
    if (!step)
        return step;
    if (!final)
        return step;
    if (!condition) {
        // The straight coil line from the entering through the leaving air
        // must meet saturation: there lies the coil's apparatus dew point.
        const auto found = processes::ApparatusDewPoint(in, out);
        if (!found)
            return Issue{Reason::CoilRefused, found.problem(), -1};
        condition = *found;
    }
    Step done = *step;
    done.coil = condition;
    return done;
}

// ASHRAE Handbook — Fundamentals, ch. 18 (nonresidential cooling and heating
// load calculations), heat gain from motors and their driven equipment:
// with the motor in the airstream the whole input P / E_M heats the air;
// with the motor outside, the shaft power P alone. The air's enthalpy rises
// by q / m at a constant humidity ratio (ch. 1, steady-flow energy balance).
Outcome<Step> ApplyFan(const SupplyFan& fan, const AirState& in, double m, UnitSystem system) {
    AirState out = in;
    if (fan.by == FanBy::Rise) {
        if (!(fan.riseF > 0.0))
            return Off(in, kNoHeat);
        out.dryBulbF = in.dryBulbF + fan.riseF;
        return Leave(out);
    }
    const double shaftKW = fan.powerUnit == PowerUnit::Horsepower
                               ? psy::units::HorsepowerToKilowatts(fan.power)
                               : fan.power;
    const double heatKW = fan.motorInAirstream ? shaftKW / fan.motorEfficiency : shaftKW;
    if (!(heatKW > 0.0))
        return Off(in, kNoHeat);
    const double dh = PerMass(psy::units::KilowattsToBtuPerHour(heatKW), m, system);
    const double h = air::Enthalpy(in.dryBulbF, in.humidityRatio, system) + dh;
    out.dryBulbF = air::DryBulbFromEnthalpy(in.humidityRatio, h, system);
    return Leave(out);
}

// Water or steam added to moist air (ASHRAE Handbook — Fundamentals, ch. 1,
// adiabatic mixing of water injected into moist air):
//   h2 = h1 + (W2 - W1) h_w,
// with h_w the enthalpy of the water added. Steam brings its vapour
// enthalpy at its temperature, g(t_steam) (about 1155 Btu/lb at 212 °F): the
// dry bulb rises a little. Water sprayed and evaporated brings the enthalpy
// of liquid at the wet bulb, and the air follows its line of constant wet
// bulb, the adiabatic saturation the wet-bulb equation describes.
Outcome<Step> ApplySteam(const Humidifier& h, const AirState& in, const Targets& targets,
                         UnitSystem system) {
    const double p = in.pressurePsia;
    const double h1 = air::Enthalpy(in.dryBulbF, in.humidityRatio, system);
    const double hSteam = VapourEnthalpy(h.steamTemperatureF, system);
    const auto leavingAt = [&](double w) {
        return AirState{air::DryBulbFromEnthalpy(w, h1 + (w - in.humidityRatio) * hSteam, system),
                        w, p};
    };
    double w = 0.0;
    switch (h.by) {
    case HumidifierBy::LeavingDewPoint: {
        const auto atDewPoint = HumidityRatioAtDewPoint(h.leavingDewPointF, p);
        if (!atDewPoint)
            return Reason::BadTemperature;
        w = *atDewPoint;
        break;
    }
    case HumidifierBy::ToSupply:
        w = targets.humidityRatio;
        break;
    case HumidifierBy::LeavingRh: {
        // The relative humidity grows with the water added (the dry bulb
        // hardly moves).
        if (RelativeHumidity(in) >= h.leavingRelativeHumidity)
            return Off(in, kHumidEnough);
        const auto found =
            HumidityRatioForRh(in.humidityRatio, h.leavingRelativeHumidity, leavingAt);
        if (!found)
            return Issue{Reason::LeavingNotAir, Problem::Supersaturated, -1};
        w = *found;
        break;
    }
    }
    if (!(w > in.humidityRatio))
        return Off(in, kHumidEnough);
    return Leave(leavingAt(w));
}

// The wet bulb (°F) of the air by the wet-bulb equation itself: the root of
// W(t, t*) = W, bisected between the bottom of the range and the dry bulb
// (W grows with t*). Exact to the last digits, where the engine's own
// solution, through the dew-point correlation, may be a few hundredths of a
// degree off: the humidifier's line must start at the entering air.
double WetBulbOf(const AirState& a) {
    double lo = psy::kMinTemperatureF;
    double hi = a.dryBulbF;
    for (int i = 0; i < kMaxHalvings && hi - lo > kWetBulbToleranceF; ++i) {
        const double mid = lo + (hi - lo) / 2.0;
        const double w =
            psy::HumidityRatioFromDryBulbAndWetBulb(a.dryBulbF, mid, a.pressurePsia, "IP");
        (w < a.humidityRatio ? lo : hi) = mid;
    }
    return lo + (hi - lo) / 2.0;
}

Outcome<Step> ApplyAdiabatic(const Humidifier& h, const AirState& in, const Targets& targets) {
    const double p = in.pressurePsia;
    const double twb = WetBulbOf(in);
    // The line of constant wet bulb, in closed form from the wet-bulb
    // equation: each humidity ratio on it has one dry bulb.
    const auto leavingAt = [&](double w) {
        return AirState{psy::DryBulbFromWetBulbAndHumidityRatio(twb, w, p, "IP"), w, p};
    };
    // At most saturated at the wet bulb: the end of the line.
    const double saturated = air::SaturationHumidityRatio(twb, p);
    double w = 0.0;
    switch (h.by) {
    case HumidifierBy::LeavingDewPoint: {
        const auto atDewPoint = HumidityRatioAtDewPoint(h.leavingDewPointF, p);
        if (!atDewPoint)
            return Reason::BadTemperature;
        w = *atDewPoint;
        break;
    }
    case HumidifierBy::ToSupply:
        w = targets.humidityRatio;
        break;
    case HumidifierBy::LeavingRh: {
        if (RelativeHumidity(in) >= h.leavingRelativeHumidity)
            return Off(in, kHumidEnough);
        const auto found =
            HumidityRatioForRh(in.humidityRatio, h.leavingRelativeHumidity, leavingAt);
        w = found ? std::min(*found, saturated) : saturated;
        break;
    }
    }
    if (w > saturated)
        return Reason::HumidifierBeyondSaturation;
    if (!(w > in.humidityRatio))
        return Off(in, kHumidEnough);
    return Leave(leavingAt(w));
}

// AHRI Standard 1060 (and ASHRAE Standard 84) rate an air-to-air exchanger
// by its effectiveness, with station 1 the outdoor air entering its supply
// side, 2 that air leaving, 3 the exhaust air entering and 4 leaving:
//   sensible  e_s = m_s (t1 - t2) / (m_min (t1 - t3))
//   latent    e_L = m_s (W1 - W2) / (m_min (W1 - W3))
// so that t2 = t1 - e_s (m_min / m_s)(t1 - t3) and likewise W2. The exhaust
// side follows from the balances of water and energy between the streams
// (ASHRAE Handbook — Fundamentals, ch. 1, steady-flow balances):
//   W4 = W3 + (m_s / m_e)(W1 - W2),  h4 = h3 + (m_s / m_e)(h1 - h2).
Outcome<Step> ApplyRecovery(const HeatRecovery& r, const AirState& in, double ms,
                            const Context& context) {
    if (context.economizing)
        return Off(in, kStopped);
    const AirState& ex = context.room;
    double me = ms;
    if (r.exhaustAirflow) {
        const auto m = processes::DryAirMassFlow(ex, *r.exhaustAirflow);
        if (!m)
            return Reason::NoExhaustAirflow;
        me = *m;
    }
    if (me > context.supplyDryAirLbPerHour * (1.0 + 1e-9))
        return Reason::ExhaustExceedsReturn;
    if (r.sensibleEffectiveness == 0.0 && r.latentEffectiveness == 0.0)
        return Off(in, kNoExchange);
    const double share = std::min(ms, me) / ms; // m_min / m_s
    AirState out = in;
    out.dryBulbF = in.dryBulbF - r.sensibleEffectiveness * share * (in.dryBulbF - ex.dryBulbF);
    out.humidityRatio =
        in.humidityRatio - r.latentEffectiveness * share * (in.humidityRatio - ex.humidityRatio);

    const UnitSystem system = context.system;
    const double ratio = ms / me;
    const double h1 = air::Enthalpy(in.dryBulbF, in.humidityRatio, system);
    const double h2 = air::Enthalpy(out.dryBulbF, out.humidityRatio, system);
    const double h3 = air::Enthalpy(ex.dryBulbF, ex.humidityRatio, system);
    AirState exOut = ex;
    exOut.humidityRatio = ex.humidityRatio + ratio * (in.humidityRatio - out.humidityRatio);
    exOut.dryBulbF = air::DryBulbFromEnthalpy(exOut.humidityRatio, h3 + ratio * (h1 - h2), system);

    for (const AirState* leaving : {&out, &exOut}) {
        if (const auto problem = processes::CheckAir(*leaving)) {
            if (*problem == Problem::Supersaturated || *problem == Problem::NegativeHumidityRatio)
                return Reason::RecoveryLeavesFog;
            return Issue{Reason::LeavingNotAir, *problem, -1};
        }
    }
    return Step{out, true, {}, std::nullopt, ExhaustSide{ex, exOut, me}};
}

Outcome<Step> ApplyUnguarded(const Component& component, const AirState& entering,
                             double dryAirLbPerHour, const Context& context, const Targets& targets,
                             bool final) {
    return std::visit(
        Overloaded{
            [&](const HeatRecovery& r) {
                return ApplyRecovery(r, entering, dryAirLbPerHour, context);
            },
            [&](const MixingBox&) -> Outcome<Step> { return Off(entering, {}); },
            [&](const HeatingCoil& c) { return ApplyHeating(c, entering, targets); },
            [&](const CoolingCoil& c) { return ApplyCooling(c, entering, targets, final); },
            [&](const SupplyFan& f) {
                return ApplyFan(f, entering, dryAirLbPerHour, context.system);
            },
            [&](const Humidifier& h) {
                return h.kind == HumidifierKind::Steam
                           ? ApplySteam(h, entering, targets, context.system)
                           : ApplyAdiabatic(h, entering, targets);
            },
        },
        component);
}

} // namespace

std::optional<Reason> CheckSettings(const Component& component) {
    return std::visit(
        Overloaded{
            [](const HeatRecovery& r) -> std::optional<Reason> {
                if (!IsFraction(r.sensibleEffectiveness) || !IsFraction(r.latentEffectiveness))
                    return Reason::EffectivenessOutOfRange;
                if (r.exhaustAirflow) {
                    const double cfm = processes::ToCfm(*r.exhaustAirflow);
                    if (!(cfm > 0.0) || std::isinf(cfm))
                        return Reason::NoExhaustAirflow;
                }
                return std::nullopt;
            },
            [](const MixingBox& b) -> std::optional<Reason> {
                if (!IsFraction(b.maximumShare))
                    return Reason::BadEconomizerShare;
                if (b.highLimitDryBulbF && !InDryBulbRange(*b.highLimitDryBulbF))
                    return Reason::BadTemperature;
                return std::nullopt;
            },
            [](const HeatingCoil& c) -> std::optional<Reason> {
                if (c.by == HeatingBy::LeavingDryBulb && !InDryBulbRange(c.leavingDryBulbF))
                    return Reason::BadTemperature;
                if (c.by == HeatingBy::Rise && !(c.riseF >= 0.0 && Finite(c.riseF)))
                    return Reason::NegativeRise;
                return std::nullopt;
            },
            [](const CoolingCoil& c) -> std::optional<Reason> {
                switch (c.by) {
                case CoolingBy::LeavingDryBulbAndRh:
                    if (!InDryBulbRange(c.leavingDryBulbF))
                        return Reason::BadTemperature;
                    [[fallthrough]];
                case CoolingBy::ToSupplyHumidity:
                    if (!IsRelativeHumidity(c.leavingRelativeHumidity))
                        return Reason::BadRelativeHumidity;
                    break;
                case CoolingBy::ApparatusDewPoint:
                    if (!InDryBulbRange(c.apparatusDewPointF))
                        return Reason::BadTemperature;
                    if (!(c.bypassFactor >= 0.0 && c.bypassFactor < 1.0))
                        return Reason::BadBypassFactor;
                    break;
                case CoolingBy::ToSupplyState:
                    break;
                }
                return std::nullopt;
            },
            [](const SupplyFan& f) -> std::optional<Reason> {
                if (f.by == FanBy::Rise)
                    return f.riseF >= 0.0 && Finite(f.riseF) ? std::nullopt
                                                             : std::optional(Reason::NegativeRise);
                if (!(f.power >= 0.0 && Finite(f.power)) ||
                    !(f.motorEfficiency > 0.0 && f.motorEfficiency <= 1.0))
                    return Reason::BadFanPower;
                return std::nullopt;
            },
            [](const Humidifier& h) -> std::optional<Reason> {
                if (h.by == HumidifierBy::LeavingDewPoint && !InDryBulbRange(h.leavingDewPointF))
                    return Reason::BadTemperature;
                if (h.by == HumidifierBy::LeavingRh &&
                    !IsRelativeHumidity(h.leavingRelativeHumidity))
                    return Reason::BadRelativeHumidity;
                if (h.kind == HumidifierKind::Steam && !InDryBulbRange(h.steamTemperatureF))
                    return Reason::BadTemperature;
                return std::nullopt;
            },
        },
        component);
}

Way DryBulbTarget(const Component& component) noexcept {
    if (const auto* c = std::get_if<HeatingCoil>(&component))
        return c->by == HeatingBy::ToSupply ? Way::Raises : Way::None;
    if (const auto* c = std::get_if<CoolingCoil>(&component))
        return c->by == CoolingBy::ToSupplyState ? Way::Lowers : Way::None;
    return Way::None;
}

Way HumidityTarget(const Component& component) noexcept {
    if (const auto* c = std::get_if<CoolingCoil>(&component))
        return c->by == CoolingBy::ToSupplyHumidity || c->by == CoolingBy::ToSupplyState
                   ? Way::Lowers
                   : Way::None;
    if (const auto* h = std::get_if<Humidifier>(&component))
        return h->by == HumidifierBy::ToSupply ? Way::Raises : Way::None;
    return Way::None;
}

Outcome<Step> Apply(const Component& component, const AirState& entering, double dryAirLbPerHour,
                    const Context& context, const Targets& targets, bool final) {
    return Guarded([&] {
        return ApplyUnguarded(component, entering, dryAirLbPerHour, context, targets, final);
    });
}

} // namespace airhandler::detail
