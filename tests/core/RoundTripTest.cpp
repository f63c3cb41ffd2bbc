// Every state the calculator shows gives itself back: typed again by any two
// of its five inputs, it shows the same state to display precision. The
// states span the practical range (IP -5 °F to 109 °F, SI -15 °C to 42 °C,
// 1 % to 100 %) at sea level, at altitude and at a typed pressure: 2,400
// states, 24,000 pair-states. The inputs go back as the window stores them
// from their shown text, or as the state holds them (a value pasted or read
// by the batch program at full precision).
//
// "The same state to display precision". A shown text stands for every value
// that rounds to it, so two inputs typed back pin the state only as far as
// their last shown digits do: where the pair's lines cross at a narrow angle
// (wet bulb and enthalpy above all) one digit of the enthalpy moves the dry
// bulb by degrees, and a humidity ratio shown to four decimals leaves the
// relative humidity of cold air open by several per cent. The state typed
// back is the same state when
//   (a) each shown field x lies within |dx/da| u_a + |dx/db| u_b + u_x of the
//       original's, where u is one unit in a field's last shown digit, a and
//       b are the inputs typed, and the slopes are the formulation's at the
//       state, on either side of it (saturation and the dew-point
//       correlation's change of branch are kinks). A whole unit of each input
//       covers its rounding (half a unit) and the stop tolerances of the
//       solvers; u_x, the rounding of x itself. The pairs that solve the
//       psychrometer equation from the wet bulb typed (dry bulb + wet bulb,
//       wet bulb + humidity ratio) read the shown wet bulb, which came through
//       the dew-point correlation, as a psychrometer wet bulb: their wet bulb
//       is off by the correlation's error at the state besides its rounding.
//   or (b) the two inputs do not fix the state that finely (where the wet bulb
//       barely changes along the enthalpy line, other air shows the same two
//       values), and the state typed back shows, by its own dry bulb and
//       humidity ratio, the two texts typed, each within one unit.
// Refusing the inputs is a failure, unless the texts typed are no air: a
// humidity ratio shown as 0.0000 is perfectly dry air, which has no dew point
// and with some relative humidity is no air at all; one rounded up past what
// cold saturated air holds is supersaturated.

#include "core/ComputeCore.h"
#include "core/DefaultFormats.h"
#include "core/FieldRules.h"
#include "core/FieldTable.h"
#include "core/NumberFormat.h"
#include "engine/Limits.h"
#include "engine/PsychroFun.h"
#include "engine/Units.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace calculator;
namespace psy = basPsychroFun;

// The fields compared: everything the window shows but the atmosphere, which
// is typed once and never solved for.
constexpr std::array<int, 12> kShownFields{
    kDryBulb,        kWetBulb,  kRelativeHumidity, kHumidityRatio,
    kEnthalpy,       kDewPoint, kVaporPressure,    kDegreeOfSaturation,
    kSpecificVolume, kDensity,  kAbsoluteHumidity, kMoistureConcentration};

constexpr std::array<float CalcState::*, kInputCount> kInputs{
    &CalcState::Tdb, &CalcState::Twb, &CalcState::Phi, &CalcState::W, &CalcState::H};

const char* const kInputNames[] = {"dry bulb", "wet bulb", "RH", "W", "enthalpy"};

psy::UnitSystem systemOf(const CalcState& s) {
    return s.UnitSystem == "SI" ? psy::UnitSystem::SI : psy::UnitSystem::IP;
}

// The value a field shows, unrounded, in the unit the window selects for the
// state's unit system; the per-cent fields as the window forms them.
double shownValue(const CalcState& s, int field) {
    if (field == kRelativeHumidity)
        return static_cast<double>(s.Phi * 100.0f);
    if (field == kDegreeOfSaturation)
        return static_cast<double>(s.Mu * 100.0f);
    const std::optional<double> v = DisplayValue(s, field, UnitSystemPosition(field, systemOf(s)));
    return v ? *v : std::nan("");
}

std::string format(int field) {
    return std::string(kDefaultFormats[static_cast<std::size_t>(field)]);
}

// The text of a field as the window shows it: none for the dew point of
// perfectly dry air.
std::string shownText(const CalcState& s, int field) {
    if (field == kDewPoint && !HasDewPoint(s))
        return {};
    return FormatNumber(shownValue(s, field), format(field));
}

// One unit in the last shown digit of a field.
double unitOf(int field) {
    return std::pow(10.0, -DecimalsOf(format(field)));
}

double numberOf(const std::string& text) {
    double v = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

bool within(const std::string& text, const std::string& other, double allowed) {
    return std::fabs(numberOf(text) - numberOf(other)) <= allowed * (1.0 + 1e-9);
}

// Types `text` into entry field `field` of a window showing `s`'s system, as
// the window stores it.
void type(CalcState& s, int field, const std::string& text) {
    const Entry e = EntryOf(numberOf(text), false, field, UnitSystemPosition(field, systemOf(s)));
    ASSERT_TRUE(e.value) << text;
    StoreEntry(s, field, *e.value);
}

// --- The states ---------------------------------------------------------------

struct Site {
    const char* system;
    int field;        // kAltitude or kAtmosphericPressure, typed
    const char* text; // in the system's unit: ft or m, psia or mbar
};

constexpr Site kSites[] = {
    {"IP", kAltitude, "0.0"}, {"IP", kAltitude, "5000.0"}, {"IP", kAtmosphericPressure, "10.50"},
    {"SI", kAltitude, "0.0"}, {"SI", kAltitude, "1600.0"}, {"SI", kAtmosphericPressure, "700.00"},
};

// Dry bulbs as typed, in the system's unit, from a winter intake to a hot
// attic.
std::vector<std::string> dryBulbsOf(const char* system) {
    std::vector<std::string> t;
    const bool si = std::string(system) == "SI";
    for (int i = 0; i < 20; ++i)
        t.push_back(FormatNumber(si ? -15.0 + 3.0 * i : -5.0 + 6.0 * i, "0.00"));
    return t;
}

// From near-dry to saturated, dense where the wet bulb comes close to the dry
// bulb.
constexpr const char* kRelativeHumidities[] = {
    "1.00",  "5.00",  "10.00", "20.00", "30.00", "40.00", "50.00", "60.00", "70.00", "75.00",
    "80.00", "85.00", "90.00", "93.00", "95.00", "96.00", "97.00", "98.00", "99.00", "100.00"};

// The state the window shows for a dry bulb and relative humidity typed at a
// site.
std::optional<CalcState> shownState(const Site& site, const std::string& tdb, const char* rh) {
    CalcState s;
    s.UnitSystem = site.system;
    type(s, site.field, site.text);
    type(s, kDryBulb, tdb);
    type(s, kRelativeHumidity, rh);
    if (TrySolveState(s, InputPair{Input::DryBulb, Input::RelativeHumidity}))
        return std::nullopt;
    return s;
}

// --- The slopes -----------------------------------------------------------------

using Values = std::array<double, kFieldCount>;

// The shown values of the state of dry bulb tF and humidity ratio w at the
// atmosphere of `like`, as the window solves that pair; nullopt where that is
// no air.
std::optional<Values> valuesAt(const CalcState& like, double tF, double w) {
    CalcState s;
    s.UnitSystem = like.UnitSystem;
    s.Patm = like.Patm;
    s.Alt = like.Alt;
    s.Tdb = static_cast<float>(tF);
    s.W = static_cast<float>(w);
    if (TrySolveState(s, InputPair{Input::DryBulb, Input::HumidityRatio}))
        return std::nullopt;
    Values v{};
    for (const int f : kShownFields)
        v[static_cast<std::size_t>(f)] = shownValue(s, f);
    return v;
}

// d(shown value)/d(dry bulb °F) and d(shown value)/d(humidity ratio) of every
// field, below and above the state. The steps are large enough that the stop
// tolerance of the wet bulb's bisection is small beside them; a side that
// leaves the air takes the other side's slope.
struct Slopes {
    std::array<Values, 2> perDryBulb{};
    std::array<Values, 2> perHumidityRatio{};
};

std::optional<Slopes> slopesAt(const CalcState& s) {
    const double t = s.Tdb;
    const double w = s.W;
    const std::optional<Values> centre = valuesAt(s, t, w);
    if (!centre)
        return std::nullopt;
    const auto sides = [&](double dt, double dw, std::array<Values, 2>& out) {
        const std::optional<Values> lower = valuesAt(s, t - dt, w - dw);
        const std::optional<Values> upper = valuesAt(s, t + dt, w + dw);
        if (!lower && !upper)
            return false;
        for (const int f : kShownFields) {
            const auto i = static_cast<std::size_t>(f);
            const double below = lower ? ((*centre)[i] - (*lower)[i]) / (dt + dw) : 0.0;
            const double above = upper ? ((*upper)[i] - (*centre)[i]) / (dt + dw) : 0.0;
            out[0][i] = lower ? below : above;
            out[1][i] = upper ? above : below;
        }
        return true;
    };
    constexpr double kDryBulbStepF = 0.1;
    Slopes slopes;
    if (!sides(kDryBulbStepF, 0.0, slopes.perDryBulb) ||
        !sides(0.0, std::min(5e-5, 0.25 * w), slopes.perHumidityRatio))
        return std::nullopt;
    return slopes;
}

// How far field x may lie from the original's when inputs a and b are typed
// back, by the slopes of one side in each direction; infinite where the two
// inputs do not fix the state at all.
double allowance(const Values& perT, const Values& perW, int a, int b, int x) {
    const auto i = [](int f) { return static_cast<std::size_t>(f); };
    // d(a, b)/d(t, w), inverted: d(t, w)/d(a, b).
    const double aT = perT[i(a)], aW = perW[i(a)];
    const double bT = perT[i(b)], bW = perW[i(b)];
    const double det = aT * bW - aW * bT;
    if (det == 0.0)
        return std::numeric_limits<double>::infinity();
    const double xT = perT[i(x)], xW = perW[i(x)];
    const double perA = (xT * bW - xW * bT) / det; // dx/da at constant b
    const double perB = (xW * aT - xT * aW) / det; // dx/db at constant a
    return std::fabs(perA) * unitOf(a) + std::fabs(perB) * unitOf(b) + unitOf(x);
}

// The larger allowance of the sides.
double allowance(const Slopes& g, int a, int b, int x) {
    double most = 0.0;
    for (const Values& perT : g.perDryBulb) {
        for (const Values& perW : g.perHumidityRatio)
            most = std::max(most, allowance(perT, perW, a, b, x));
    }
    return most;
}

// The slopes with the wet bulb read as a psychrometer wet bulb: its
// uncertainty grows by the correlation's error at the state, so one unit of
// it stands for (1 + error / unit) units of the shown wet bulb.
Slopes withPsychrometerWetBulb(Slopes g, const CalcState& shown) {
    const double psychrometer =
        psy::WetBulbFromPsychrometerEquation(shown.Tdb, shown.W, shown.Patm, "IP");
    const double errorF = std::fabs(psychrometer - static_cast<double>(shown.Twb));
    const double error = systemOf(shown) == psy::UnitSystem::SI
                             ? psy::units::FahrenheitSpanToKelvin(errorF)
                             : errorF;
    const double widen = 1.0 + error / unitOf(kWetBulb);
    for (auto* side : {&g.perDryBulb, &g.perHumidityRatio}) {
        for (Values& v : *side)
            v[static_cast<std::size_t>(kWetBulb)] /= widen;
    }
    return g;
}

// --- The round trip ---------------------------------------------------------------

enum class EntryMode { TypedAsShown, AsStored };

void PrintTo(EntryMode e, std::ostream* os) {
    *os << (e == EntryMode::TypedAsShown ? "typed as shown" : "as stored");
}

// The relative humidity of the air typed by a pair with the humidity ratio
// whose dry bulb follows from the typed values in closed form; nullopt for the
// other pairs.
std::optional<double> relativeHumidityTyped(const CalcState& typed, int a, int b) {
    double tF = typed.Tdb;
    if (a == kWetBulb && b == kHumidityRatio) {
        tF = psy::DryBulbFromWetBulbAndHumidityRatio(typed.Twb, typed.W, typed.Patm, "IP");
    } else if (a == kHumidityRatio && b == kEnthalpy) {
        tF = systemOf(typed) == psy::UnitSystem::SI
                 ? psy::units::CelsiusToFahrenheit(psy::DryBulbFromHumidityRatioAndEnthalpy(
                       typed.W, psy::units::MetricFromStoredEnthalpy(static_cast<double>(typed.H)),
                       "SI"))
                 : psy::DryBulbFromHumidityRatioAndEnthalpy(typed.W, typed.H, "IP");
    } else if (!(a == kDryBulb && b == kHumidityRatio)) {
        return std::nullopt;
    }
    return psy::VaporPressureFromHumidityRatio(typed.W, typed.Patm, "IP") /
           psy::SaturationPressure(tF, "IP");
}

// The state typed back by inputs a and b; what differs, nothing when it is the
// same state to display precision.
std::optional<std::string> roundTrip(const CalcState& shown, const Slopes& slopes, int a, int b,
                                     EntryMode entry) {
    CalcState s;
    s.UnitSystem = shown.UnitSystem;
    s.Patm = shown.Patm;
    s.Alt = shown.Alt;
    const std::string typedA = shownText(shown, a);
    const std::string typedB = shownText(shown, b);
    if (entry == EntryMode::TypedAsShown) {
        type(s, a, typedA);
        type(s, b, typedB);
    } else {
        for (const int i : {a, b})
            s.*kInputs[static_cast<std::size_t>(i)] = shown.*kInputs[static_cast<std::size_t>(i)];
    }
    const bool typedDry = (a == kHumidityRatio || b == kHumidityRatio) && s.W == 0.0f;

    const CalcState typed = s;
    if (const auto problem =
            TrySolveState(s, InputPair{static_cast<Input>(a), static_cast<Input>(b)})) {
        if (typedDry && a == kRelativeHumidity)
            return std::nullopt;
        if (const auto rh = relativeHumidityTyped(typed, a, b);
            rh && !(*rh <= psy::kMaxRelativeHumidity))
            return std::nullopt;
        return "refused: " + ReasonText(*problem, s.UnitSystem);
    }

    // (a)
    const bool psychrometerPair =
        (a == kDryBulb && b == kWetBulb) || (a == kWetBulb && b == kHumidityRatio);
    const Slopes g = psychrometerPair ? withPsychrometerWetBulb(slopes, shown) : slopes;
    std::ostringstream differs;
    for (const int x : kShownFields) {
        const std::string was = shownText(shown, x);
        const std::string is = shownText(s, x);
        if (was == is || (typedDry && x == kDewPoint))
            continue;
        const double allowed = allowance(g, a, b, x);
        if (was.empty() || is.empty() || !within(is, was, allowed))
            differs << " field " << x << ' ' << was << " -> " << is << " (allowed " << allowed
                    << ')';
    }
    if (differs.str().empty())
        return std::nullopt;

    // (b)
    if (const std::optional<Values> own = valuesAt(s, s.Tdb, s.W)) {
        const auto ownText = [&](int f) {
            return FormatNumber((*own)[static_cast<std::size_t>(f)], format(f));
        };
        if (within(ownText(a), typedA, unitOf(a)) && within(ownText(b), typedB, unitOf(b)))
            return std::nullopt;
        differs << "; shows by itself " << ownText(a) << ", " << ownText(b);
    }
    return differs.str();
}

class RoundTrip : public testing::TestWithParam<EntryMode> {};

TEST_P(RoundTrip, EveryShownStateGivesItselfBackByEveryPair) {
    constexpr int kShownFailures = 20;
    int pairStates = 0;
    int failures = 0;
    std::map<std::string, int> failuresByPair;
    for (const Site& site : kSites) {
        for (const std::string& tdb : dryBulbsOf(site.system)) {
            for (const char* rh : kRelativeHumidities) {
                const std::string state =
                    std::string(site.system) + " at " + site.text + ": " + tdb + ", " + rh + " %";
                const std::optional<CalcState> shown = shownState(site, tdb, rh);
                ASSERT_TRUE(shown) << state;
                const std::optional<Slopes> slopes = slopesAt(*shown);
                ASSERT_TRUE(slopes) << state;
                for (int a = 0; a < kInputCount; ++a) {
                    for (int b = a + 1; b < kInputCount; ++b) {
                        ++pairStates;
                        const auto differs = roundTrip(*shown, *slopes, a, b, GetParam());
                        if (!differs)
                            continue;
                        ++failuresByPair[std::string(kInputNames[a]) + " + " + kInputNames[b]];
                        if (++failures <= kShownFailures)
                            ADD_FAILURE() << state << " by " << kInputNames[a] << " + "
                                          << kInputNames[b] << ":" << *differs;
                    }
                }
            }
        }
    }
    EXPECT_EQ(pairStates, 24000);
    std::ostringstream byPair;
    for (const auto& [pair, count] : failuresByPair)
        byPair << ' ' << pair << ": " << count << ';';
    EXPECT_EQ(failures, 0) << "of " << pairStates << " pair-states, by pair:" << byPair.str();
}

INSTANTIATE_TEST_SUITE_P(Entries, RoundTrip,
                         testing::Values(EntryMode::TypedAsShown, EntryMode::AsStored),
                         [](const auto& testInfo) {
                             return testInfo.param == EntryMode::TypedAsShown
                                        ? std::string("TypedAsShown")
                                        : std::string("AsStored");
                         });

} // namespace
