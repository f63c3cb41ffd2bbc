#include "core/ComputeCore.h"

#include "core/RealAir.h"
#include "engine/Limits.h"
#include "engine/PsychroFun.h"
#include "engine/Units.h"

#include <cmath>
#include <limits>

namespace calculator {

namespace psy = basPsychroFun;
namespace units = basPsychroFun::units;

namespace {

// Stores an engine result into a CalcState field, rounded to single precision
// at once; later steps read the rounded value. A result beyond the range of a
// float is an overflow of the solution.
void store(float& field, double value) {
    const std::optional<float> single = units::ToSingle(value);
    if (!single)
        throw psy::FloatingPointFault(psy::FloatingPointFault::Kind::Overflow);
    field = *single;
}

double d(float value) {
    return static_cast<double>(value);
}

// The unit arithmetic of the metric enthalpy steps (engine/Units.h).
using psy::units::CelsiusToFahrenheit;
using psy::units::FahrenheitToCelsius;
using psy::units::MetricFromStoredEnthalpy;
using psy::units::StoredFromMetricEnthalpy;
double toKPa(float pPsia) {
    return psy::units::PsiaToKPa(d(pPsia));
}

[[noreturn]] void fail(Reason reason) {
    throw NoSuchAir(reason);
}
void require(std::optional<Reason> problem) {
    if (problem)
        fail(*problem);
}

// A temperature the formulation covers (°F), checked the moment it is known,
// so that no later step works on it and the reason names it.
void requireTemperature(float tF, Reason below, Reason above) {
    require(CheckTemperature(tF, below, above));
}

// How closely a solver's dry bulb must give its inputs back. The solvers stop
// at 0.001 °C on the dry bulb or 0.001 in enthalpy; a result that misses by
// far more is not the state of the inputs, however close its enthalpy. Each
// limit is the accuracy the program promises for the pair (0.05 °F, and
// 0.2 °F from the crossing of the nearly parallel wet-bulb and enthalpy
// lines) with some margin, so that the check's own rounding never refuses a
// good answer.
constexpr double kWetBulbAgreementF = 0.05;     // wet bulb + relative humidity
constexpr double kIntersectionDistanceF = 0.25; // wet bulb + enthalpy
constexpr double kCrossingDistanceF = 0.1;      // relative humidity + enthalpy
// Wet bulb + enthalpy: where the psychrometer line's crossing shows its own
// wet bulb within half a hundredth of a degree of the one given, it shows the
// wet bulb it was given and stands.
constexpr double kOwnWetBulbAgreementF = 0.005;

// The solution of one request. Everything goes through the engine in "IP"
// except enthalpy, whose datum differs between the systems (0 °F against
// 0 °C): the steps that involve it use the active system's formulation, on
// metric arguments in "SI", and keep H as kJ/kg divided by kEnthalpyKJPerBtu.
class Solution {
public:
    explicit Solution(CalcState& state)
        : s(state), metric(psy::UnitSystemOf(state.UnitSystem) != psy::UnitSystem::IP) {}

    // E: enthalpy from dry bulb and humidity ratio.
    void enthalpy() { store(s.H, enthalpyAt(d(s.Tdb), d(s.W))); }
    // Wh: humidity ratio from dry bulb and enthalpy; below zero the enthalpy
    // is less than that of dry air at the dry bulb. The enthalpy of perfectly
    // dry air, kept in single precision, may come back a hair below zero:
    // where the next larger enthalpy a float holds gives water, it is zero.
    void humidityRatioFromEnthalpy() {
        double w = humidityRatioAt(d(s.Tdb));
        if (w < 0.0 && humidityRatioAt(d(s.Tdb), std::nextafter(s.H, kLargest)) >= 0.0)
            w = 0.0;
        store(s.W, w);
        if (s.W < 0.0f)
            fail(Reason::HumidityRatioNegative);
    }
    // Pw: vapour pressure from humidity ratio.
    void vaporPressure() {
        store(s.Pw, psy::VaporPressureFromHumidityRatio(d(s.W), d(s.Patm), "IP"));
    }
    void vaporPressureFromRelativeHumidity() {
        store(s.Pw, psy::VaporPressureFromRelativeHumidity(d(s.Tdb), d(s.Phi), "IP"));
    }
    // Dp: dew point from vapour pressure. Perfectly dry air has none: the
    // marker stands in the state, and the window shows nothing for it.
    void dewPoint() {
        if (!(s.Pw >= 0.0f)) // from a humidity ratio below zero
            fail(Reason::HumidityRatioNegative);
        if (!HasDewPoint(s)) {
            s.Tdp = static_cast<float>(psy::kNoResult);
            return;
        }
        store(s.Tdp, psy::DewPointFromVaporPressure(d(s.Pw), "IP"));
        requireTemperature(s.Tdp, Reason::DewPointBelowRange, Reason::DewPointAboveRange);
    }
    // Wb: wet bulb from dry bulb and dew point, or from the psychrometer
    // equation directly where there is no dew point (no vapour, W = 0).
    void wetBulb() {
        if (HasDewPoint(s))
            store(s.Twb, psy::WetBulbFromDryBulbAndDewPoint(d(s.Tdb), d(s.Tdp), d(s.Patm), "IP"));
        else
            store(s.Twb, psy::WetBulbFromPsychrometerEquation(d(s.Tdb), 0.0, d(s.Patm), "IP"));
        requireTemperature(s.Twb, Reason::WetBulbBelowRange, Reason::WetBulbAboveRange);
    }
    // Air whose vapour would reach the atmospheric pressure boils.
    void humidityRatioFromVaporPressure() {
        if (!(s.Pw < s.Patm))
            fail(Reason::VaporPressureAtAtmosphere);
        store(s.W, psy::HumidityRatioFromVaporPressure(d(s.Pw), d(s.Patm), "IP"));
    }
    // A dry bulb just solved for, checked before anything is built on it.
    void dryBulb(double tF) {
        store(s.Tdb, tF);
        requireTemperature(s.Tdb, Reason::DryBulbBelowRange, Reason::DryBulbAboveRange);
    }

    // Dry bulb from wet bulb and enthalpy, in the active system.
    double dryBulbFromWetBulbAndEnthalpy() const {
        if (!metric)
            return psy::DryBulbFromWetBulbAndEnthalpy(d(s.Twb), d(s.H), d(s.Patm), "IP");
        return CelsiusToFahrenheit(psy::DryBulbFromWetBulbAndEnthalpy(
            FahrenheitToCelsius(d(s.Twb)), MetricFromStoredEnthalpy(d(s.H)), toKPa(s.Patm), "SI"));
    }
    double dryBulbFromOwnWetBulbAndEnthalpy() const {
        if (!metric)
            return psy::DryBulbFromOwnWetBulbAndEnthalpy(d(s.Twb), d(s.H), d(s.Patm), "IP");
        return CelsiusToFahrenheit(psy::DryBulbFromOwnWetBulbAndEnthalpy(
            FahrenheitToCelsius(d(s.Twb)), MetricFromStoredEnthalpy(d(s.H)), toKPa(s.Patm), "SI"));
    }
    double dryBulbFromEnthalpyAndRelativeHumidity() const {
        if (!metric)
            return psy::DryBulbFromEnthalpyAndRelativeHumidity(d(s.H), d(s.Phi), d(s.Patm), "IP");
        return CelsiusToFahrenheit(psy::DryBulbFromEnthalpyAndRelativeHumidity(
            MetricFromStoredEnthalpy(d(s.H)), d(s.Phi), toKPa(s.Patm), "SI"));
    }
    double dryBulbFromHumidityRatioAndEnthalpy() const {
        if (!metric)
            return psy::DryBulbFromHumidityRatioAndEnthalpy(d(s.W), d(s.H), "IP");
        return CelsiusToFahrenheit(psy::DryBulbFromHumidityRatioAndEnthalpy(
            d(s.W), MetricFromStoredEnthalpy(d(s.H)), "SI"));
    }

    // The solvers' results, checked against the inputs they were given.
    //
    // Wet bulb + relative humidity: the wet bulb of the solved state, by the
    // same dew-point route as every other wet bulb of the program.
    void verifyWetBulb() const {
        if (!ownWetBulbAgrees(kWetBulbAgreementF))
            fail(Reason::NotSolved);
    }
    // Whether the wet bulb of the solved state, by the dew-point route, lies
    // within `tolerance` (°F) of the wet bulb given.
    bool ownWetBulbAgrees(double tolerance) const {
        const double twb = psy::WetBulbFromDryBulbAndDewPoint(d(s.Tdb), d(s.Tdp), d(s.Patm), "IP");
        return std::fabs(twb - d(s.Twb)) <= tolerance;
    }
    // Wet bulb + enthalpy: the dry bulb where the wet-bulb line (the
    // psychrometer equation) meets the enthalpy line. The two are nearly
    // parallel, so an enthalpy that matches says little about the dry bulb.
    void verifyWetBulbAndEnthalpy() const {
        verifyCrossing(
            [this](double tF) {
                return psy::HumidityRatioFromDryBulbAndWetBulb(tF, d(s.Twb), d(s.Patm), "IP") -
                       humidityRatioAt(tF);
            },
            kIntersectionDistanceF);
    }
    // Relative humidity + enthalpy: the dry bulb where the relative humidity
    // along the enthalpy line is the one given.
    void verifyRelativeHumidityAndEnthalpy() const {
        verifyCrossing(
            [this](double tF) {
                const double pw =
                    psy::VaporPressureFromHumidityRatio(humidityRatioAt(tF), d(s.Patm), "IP");
                return pw / psy::SaturationPressure(tF, "IP") - d(s.Phi);
            },
            kCrossingDistanceF);
    }

    // The properties every pair ends with.
    void tail(bool relativeHumidityIsInput) {
        store(s.Pws, psy::SaturationPressure(d(s.Tdb), "IP"));
        if (!relativeHumidityIsInput)
            store(s.Phi, psy::RelativeHumidityFromVaporPressures(d(s.Pw), d(s.Pws), "IP"));
        store(s.V, psy::SpecificVolume(d(s.Tdb), d(s.W), d(s.Patm), "IP"));
        store(s.Ws, psy::SaturationHumidityRatio(d(s.Pws), d(s.Patm), "IP"));
        store(s.Mu, psy::DegreeOfSaturationFromRelativeHumidity(d(s.Phi), d(s.Ws), "IP"));
        store(s.Rho, psy::MoistAirDensity(d(s.W), d(s.V), "IP"));
        store(s.Dv, psy::AbsoluteHumidity(d(s.W), d(s.V), "IP"));
    }

    CalcState& s;
    const bool metric;

private:
    // Enthalpy (stored unit) at a dry bulb (°F) and humidity ratio.
    double enthalpyAt(double tF, double w) const {
        if (!metric)
            return psy::EnthalpyFromDryBulbAndHumidityRatio(tF, w, "IP");
        return StoredFromMetricEnthalpy(
            psy::EnthalpyFromDryBulbAndHumidityRatio(FahrenheitToCelsius(tF), w, "SI"));
    }
    // How far (°F) the dry bulb lies from the root of gap, by one Newton
    // step on the slope over a small step: within `tolerance`, or NotSolved.
    template <typename Gap>
    void verifyCrossing(const Gap& gap, double tolerance) const {
        constexpr double kStepF = 0.01;
        const double t = d(s.Tdb);
        const double g = gap(t);
        const double slope = (gap(t + kStepF) - g) / kStepF;
        if (!(std::fabs(g) <= tolerance * std::fabs(slope)))
            fail(Reason::NotSolved);
    }
    // Humidity ratio on the enthalpy line of H at a dry bulb (°F).
    double humidityRatioAt(double tF) const { return humidityRatioAt(tF, s.H); }
    double humidityRatioAt(double tF, float h) const {
        if (!metric)
            return psy::HumidityRatioFromDryBulbAndEnthalpy(tF, d(h), "IP");
        return psy::HumidityRatioFromDryBulbAndEnthalpy(FahrenheitToCelsius(tF),
                                                        MetricFromStoredEnthalpy(d(h)), "SI");
    }
    static constexpr float kLargest = std::numeric_limits<float>::max();
};

// The ten input pairs by field index, first the lower.
enum class Pair { DbWb, DbRh, DbW, DbH, WbRh, WbW, WbH, RhW, RhH, WH, Unknown };

// The pair of two inputs. A first input of humidity ratio or enthalpy means
// those two; a second input that fits no pair of its first leaves only the
// tail.
Pair pairOf(InputPair inputs) {
    const Input second = inputs.second;
    switch (inputs.first) {
    case Input::DryBulb:
        switch (second) {
        case Input::WetBulb:
            return Pair::DbWb;
        case Input::RelativeHumidity:
            return Pair::DbRh;
        case Input::HumidityRatio:
            return Pair::DbW;
        case Input::Enthalpy:
            return Pair::DbH;
        case Input::DryBulb:
            return Pair::Unknown;
        }
        break;
    case Input::WetBulb:
        switch (second) {
        case Input::RelativeHumidity:
            return Pair::WbRh;
        case Input::HumidityRatio:
            return Pair::WbW;
        case Input::Enthalpy:
            return Pair::WbH;
        case Input::DryBulb:
        case Input::WetBulb:
            return Pair::Unknown;
        }
        break;
    case Input::RelativeHumidity:
        return second == Input::HumidityRatio ? Pair::RhW
               : second == Input::Enthalpy    ? Pair::RhH
                                              : Pair::Unknown;
    case Input::HumidityRatio:
    case Input::Enthalpy:
        return Pair::WH;
    }
    return Pair::Unknown;
}

// The inputs of the pair, checked before anything is solved from them, so
// that a value no air has is named rather than met as a fault further on.
void requireInputs(const CalcState& s, Pair pair) {
    require(CheckPressure(s.Patm));
    const bool dryBulb =
        pair == Pair::DbWb || pair == Pair::DbRh || pair == Pair::DbW || pair == Pair::DbH;
    const bool wetBulb =
        pair == Pair::DbWb || pair == Pair::WbRh || pair == Pair::WbW || pair == Pair::WbH;
    const bool relativeHumidity =
        pair == Pair::DbRh || pair == Pair::WbRh || pair == Pair::RhW || pair == Pair::RhH;
    const bool humidityRatio =
        pair == Pair::DbW || pair == Pair::WbW || pair == Pair::RhW || pair == Pair::WH;
    if (dryBulb)
        requireTemperature(s.Tdb, Reason::DryBulbBelowRange, Reason::DryBulbAboveRange);
    if (wetBulb)
        requireTemperature(s.Twb, Reason::WetBulbBelowRange, Reason::WetBulbAboveRange);
    if (relativeHumidity) {
        if (!(s.Phi >= 0.0f))
            fail(Reason::RelativeHumidityNegative);
        if (!(d(s.Phi) <= psy::kMaxRelativeHumidity))
            fail(Reason::RelativeHumidityAboveRange);
    }
    if (humidityRatio && !(s.W >= 0.0f))
        fail(Reason::HumidityRatioNegative);
}

// The common tail, then the check that the state is real air.
void finish(CalcState& s, Pair pair) {
    Solution(s).tail(pair == Pair::DbRh || pair == Pair::WbRh || pair == Pair::RhW ||
                     pair == Pair::RhH);
    std::optional<Reason> problem = CheckRealAir(s);
    // Too much water for the dry bulb, said of the input that brought it.
    const bool wetBulbGiven =
        pair == Pair::DbWb || pair == Pair::WbRh || pair == Pair::WbW || pair == Pair::WbH;
    if (wetBulbGiven && s.Twb > s.Tdb &&
        (problem == Reason::RelativeHumidityAboveRange ||
         problem == Reason::VaporPressureAtAtmosphere))
        problem = Reason::WetBulbAboveDryBulb;
    require(problem);
}

// Wet bulb + enthalpy, the pair whose two lines run nearly parallel. The
// wet bulb the calculator shows comes through the dew-point correlation, which
// near saturation lies up to 0.6 °F off the psychrometer equation: there the
// psychrometer line meets the enthalpy line degrees away from the air that
// showed these inputs (105 °F at 85 % came back as 100.16 °F), or not on air
// at all. The answer is therefore the air whose own wet bulb, as shown, is
// the one given: where the psychrometer line's crossing already is such air
// it stands; otherwise the air along the enthalpy line whose own wet bulb is
// the one given, nearest that crossing; and where there is none, the crossing
// as it is, if it is air.
void solveWetBulbAndEnthalpy(CalcState& state) {
    const CalcState inputs = state;
    const auto fromDryBulb = [](CalcState& s, double tdbF) {
        Solution x(s);
        x.dryBulb(tdbF);
        x.humidityRatioFromEnthalpy();
        x.vaporPressure();
        x.dewPoint();
    };

    std::optional<CalcState> crossing;
    try {
        CalcState s = inputs;
        fromDryBulb(s, Solution(s).dryBulbFromWetBulbAndEnthalpy());
        Solution(s).verifyWetBulbAndEnthalpy();
        finish(s, Pair::WbH);
        if (Solution(s).ownWetBulbAgrees(kOwnWetBulbAgreementF)) {
            state = std::move(s);
            return;
        }
        crossing = std::move(s);
    } catch (const psy::FloatingPointFault&) {
        // No crossing on air: the air by its own wet bulb, if any.
    }

    // What this stores until a failure stays, as for every other pair.
    state = inputs;
    try {
        fromDryBulb(state, Solution(state).dryBulbFromOwnWetBulbAndEnthalpy());
        Solution(state).verifyWetBulb();
        finish(state, Pair::WbH);
    } catch (const psy::FloatingPointFault&) {
        if (!crossing)
            throw;
        state = std::move(*crossing);
    }
}

} // namespace

std::optional<Input> InputOfTag(std::string_view tag) {
    for (std::size_t i = 0; i < kInputTags.size(); ++i) {
        if (tag == kInputTags[i])
            return static_cast<Input>(i);
    }
    return std::nullopt;
}

std::optional<InputPair> FindInputPair(const std::array<bool, kInputCount>& ticked) {
    std::optional<Input> first;
    for (std::size_t i = 0; i < ticked.size(); ++i) {
        if (!ticked[i])
            continue;
        if (!first)
            first = static_cast<Input>(i);
        else
            return InputPair{*first, static_cast<Input>(i)};
    }
    return std::nullopt;
}

void SolveState(CalcState& state, InputPair inputs) {
    const Pair pair = pairOf(inputs);
    requireInputs(state, pair);
    Solution x(state);
    CalcState& s = state;

    switch (pair) {
    case Pair::DbWb:
        store(s.W, psy::HumidityRatioFromDryBulbAndWetBulb(d(s.Tdb), d(s.Twb), d(s.Patm), "IP"));
        x.enthalpy();
        x.vaporPressure();
        x.dewPoint();
        break;
    case Pair::DbRh:
        x.vaporPressureFromRelativeHumidity();
        x.dewPoint();
        x.wetBulb();
        x.humidityRatioFromVaporPressure();
        x.enthalpy();
        break;
    case Pair::DbW:
        x.enthalpy();
        x.vaporPressure();
        x.dewPoint();
        x.wetBulb();
        break;
    case Pair::DbH:
        x.humidityRatioFromEnthalpy();
        x.vaporPressure();
        x.dewPoint();
        x.wetBulb();
        break;
    case Pair::WbRh:
        // Perfectly dry air: the dry bulb whose psychrometer equation gives
        // W = 0 at this wet bulb.
        if (s.Phi == 0.0f)
            x.dryBulb(psy::DryBulbFromWetBulbAndHumidityRatio(d(s.Twb), 0.0, d(s.Patm), "IP"));
        // Saturated air shows as its wet bulb its dry bulb off by the
        // dew-point correlation's error: the air whose own wet bulb this is.
        else if (s.Phi == 1.0f)
            x.dryBulb(psy::DryBulbFromOwnWetBulbOfSaturatedAir(d(s.Twb), d(s.Patm), "IP"));
        else
            x.dryBulb(
                psy::DryBulbFromWetBulbAndRelativeHumidity(d(s.Twb), d(s.Phi), d(s.Patm), "IP"));
        x.vaporPressureFromRelativeHumidity();
        x.dewPoint();
        x.humidityRatioFromVaporPressure();
        x.enthalpy();
        if (HasDewPoint(s))
            x.verifyWetBulb();
        break;
    case Pair::WbW:
        x.dryBulb(psy::DryBulbFromWetBulbAndHumidityRatio(d(s.Twb), d(s.W), d(s.Patm), "IP"));
        x.enthalpy();
        x.vaporPressure();
        x.dewPoint();
        break;
    case Pair::WbH:
        solveWetBulbAndEnthalpy(s);
        return;
    case Pair::RhW:
        // With no vapour and no relative humidity any dry bulb fits.
        if (s.Phi == 0.0f && s.W == 0.0f)
            fail(Reason::NoDryBulb);
        x.vaporPressure();
        x.dewPoint();
        if (!HasDewPoint(s))
            fail(Reason::NoSolution); // no vapour, yet some relative humidity
        // The dry bulb whose saturation pressure is p_w / phi itself, so that the
        // state has the relative humidity it was given; the dew-point
        // correlation's inverse (DryBulbFromDewPointAndRelativeHumidity) lands
        // up to 1 °F off over the practical range.
        x.dryBulb(
            psy::DryBulbFromHumidityRatioAndRelativeHumidity(d(s.W), d(s.Phi), d(s.Patm), "IP"));
        x.wetBulb();
        x.enthalpy();
        break;
    case Pair::RhH:
        if (s.Phi == 0.0f) {
            // Perfectly dry air: the enthalpy is that of the dry air alone.
            s.W = 0.0f;
            x.dryBulb(x.dryBulbFromHumidityRatioAndEnthalpy());
        } else {
            x.dryBulb(x.dryBulbFromEnthalpyAndRelativeHumidity());
            x.humidityRatioFromEnthalpy();
            x.verifyRelativeHumidityAndEnthalpy();
        }
        x.vaporPressure();
        x.dewPoint();
        x.wetBulb();
        break;
    case Pair::WH:
        x.dryBulb(x.dryBulbFromHumidityRatioAndEnthalpy());
        x.vaporPressure();
        x.dewPoint();
        x.wetBulb();
        break;
    case Pair::Unknown:
        break;
    }

    finish(s, pair);
}

std::optional<Reason> TrySolveState(CalcState& state, InputPair inputs) {
    try {
        SolveState(state, inputs);
    } catch (const NoSuchAir& e) {
        return e.reason();
    } catch (const psy::FloatingPointFault&) {
        return Reason::NoSolution;
    }
    return std::nullopt;
}

void MoveEnthalpyToSystem(CalcState& state, std::string_view unitSystem, bool solved) {
    const auto isMetric = [](std::string_view system) {
        return psy::UnitSystemOf(system) != psy::UnitSystem::IP;
    };
    const bool toMetric = isMetric(unitSystem);
    if (toMetric == isMetric(state.UnitSystem))
        return;
    if (solved) {
        // The same air in the other formulation.
        const double h =
            toMetric ? StoredFromMetricEnthalpy(psy::EnthalpyFromDryBulbAndHumidityRatio(
                           FahrenheitToCelsius(d(state.Tdb)), d(state.W), "SI"))
                     : psy::EnthalpyFromDryBulbAndHumidityRatio(d(state.Tdb), d(state.W), "IP");
        store(state.H, h);
        return;
    }
    const double datums = psy::EnthalpyFromDryBulbAndHumidityRatio(32.0, 0.0, "IP");
    store(state.H, d(state.H) + (toMetric ? -datums : datums));
}

} // namespace calculator
