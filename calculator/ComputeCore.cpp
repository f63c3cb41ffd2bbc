#include "ComputeCore.h"

#include "PsychroFun.h"

#include <cmath>
#include <limits>

namespace calculator {

namespace psy = basPsychroFun;

namespace {

// Stores an engine result into a CalcState field, rounded to single precision
// at once; later steps read the rounded value. A result beyond the range of a
// float is an overflow of the solution.
void store(float& field, double value) {
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max()))
        throw psy::FloatingPointFault(psy::FloatingPointFault::Kind::Overflow);
    field = static_cast<float>(value);
}

double d(float value) {
    return static_cast<double>(value);
}

double toCelsius(float tF) {
    return (d(tF) - 32.0) / 1.8;
}
double toFahrenheit(double tC) {
    return tC * 1.8 + 32.0;
}
double toKPa(float pPsia) {
    return d(pPsia) / 14.696 * 101.325;
}

// The solution of one request. Everything goes through the engine in "IP"
// except enthalpy, whose datum differs between the systems (0 °F against
// 0 °C): the steps that involve it use the active system's formulation, on
// metric arguments in "SI", and keep H as kJ/kg divided by kEnthalpyKJPerBtu.
class Solution {
public:
    explicit Solution(CalcState& state) : s(state), metric(state.UnitSystem != "IP") {}

    // E: enthalpy from dry bulb and humidity ratio.
    void enthalpy() {
        if (!metric)
            store(s.H, psy::EnthalpyFromDryBulbAndHumidityRatio(d(s.Tdb), d(s.W), "IP"));
        else
            store(s.H, psy::EnthalpyFromDryBulbAndHumidityRatio(toCelsius(s.Tdb), d(s.W), "SI") /
                           kEnthalpyKJPerBtu);
    }
    // Wh: humidity ratio from dry bulb and enthalpy.
    void humidityRatioFromEnthalpy() {
        if (!metric)
            store(s.W, psy::HumidityRatioFromDryBulbAndEnthalpy(d(s.Tdb), d(s.H), "IP"));
        else
            store(s.W, psy::HumidityRatioFromDryBulbAndEnthalpy(toCelsius(s.Tdb),
                                                                d(s.H) * kEnthalpyKJPerBtu, "SI"));
    }
    // Pw: vapour pressure from humidity ratio.
    void vaporPressure() {
        store(s.Pw, psy::VaporPressureFromHumidityRatio(d(s.W), d(s.Patm), "IP"));
    }
    void vaporPressureFromRelativeHumidity() {
        store(s.Pw, psy::VaporPressureFromRelativeHumidity(d(s.Tdb), d(s.Phi), "IP"));
    }
    // Dp: dew point from vapour pressure.
    void dewPoint() { store(s.Tdp, psy::DewPointFromVaporPressure(d(s.Pw), "IP")); }
    // Wb: wet bulb from dry bulb and dew point.
    void wetBulb() {
        store(s.Twb, psy::WetBulbFromDryBulbAndDewPoint(d(s.Tdb), d(s.Tdp), d(s.Patm), "IP"));
    }
    void humidityRatioFromVaporPressure() {
        store(s.W, psy::HumidityRatioFromVaporPressure(d(s.Pw), d(s.Patm), "IP"));
    }

    // Dry bulb from wet bulb and enthalpy, in the active system.
    void dryBulbFromWetBulbAndEnthalpy() {
        if (!metric)
            store(s.Tdb, psy::DryBulbFromWetBulbAndEnthalpy(d(s.Twb), d(s.H), d(s.Patm), "IP"));
        else
            store(s.Tdb, toFahrenheit(psy::DryBulbFromWetBulbAndEnthalpy(
                             toCelsius(s.Twb), d(s.H) * kEnthalpyKJPerBtu, toKPa(s.Patm), "SI")));
    }
    void dryBulbFromEnthalpyAndRelativeHumidity() {
        if (!metric)
            store(s.Tdb,
                  psy::DryBulbFromEnthalpyAndRelativeHumidity(d(s.H), d(s.Phi), d(s.Patm), "IP"));
        else
            store(s.Tdb, toFahrenheit(psy::DryBulbFromEnthalpyAndRelativeHumidity(
                             d(s.H) * kEnthalpyKJPerBtu, d(s.Phi), toKPa(s.Patm), "SI")));
    }
    void dryBulbFromHumidityRatioAndEnthalpy() {
        if (!metric)
            store(s.Tdb, psy::DryBulbFromHumidityRatioAndEnthalpy(d(s.W), d(s.H), "IP"));
        else
            store(s.Tdb, toFahrenheit(psy::DryBulbFromHumidityRatioAndEnthalpy(
                             d(s.W), d(s.H) * kEnthalpyKJPerBtu, "SI")));
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
};

constexpr std::string_view kDryBulb = kInputTags[0];
constexpr std::string_view kWetBulb = kInputTags[1];
constexpr std::string_view kRelativeHumidity = kInputTags[2];
constexpr std::string_view kHumidityRatio = kInputTags[3];
constexpr std::string_view kEnthalpy = kInputTags[4];

} // namespace

std::optional<std::pair<std::string_view, std::string_view>>
FindInputPair(const std::array<bool, 5>& ticked) {
    std::optional<std::string_view> first;
    for (std::size_t i = 0; i < ticked.size(); ++i) {
        if (!ticked[i])
            continue;
        if (!first)
            first = kInputTags[i];
        else
            return std::pair{*first, kInputTags[i]};
    }
    return std::nullopt;
}

void SolveState(CalcState& state, std::string_view firstTag, std::string_view secondTag) {
    Solution x(state);
    CalcState& s = state;
    bool relativeHumidityIsInput = false;

    if (firstTag == kDryBulb) {
        if (secondTag == kWetBulb) {
            store(s.W,
                  psy::HumidityRatioFromDryBulbAndWetBulb(d(s.Tdb), d(s.Twb), d(s.Patm), "IP"));
            x.enthalpy();
            x.vaporPressure();
            x.dewPoint();
        } else if (secondTag == kRelativeHumidity) {
            relativeHumidityIsInput = true;
            x.vaporPressureFromRelativeHumidity();
            x.dewPoint();
            x.wetBulb();
            x.humidityRatioFromVaporPressure();
            x.enthalpy();
        } else if (secondTag == kHumidityRatio) {
            x.enthalpy();
            x.vaporPressure();
            x.dewPoint();
            x.wetBulb();
        } else if (secondTag == kEnthalpy) {
            x.humidityRatioFromEnthalpy();
            x.vaporPressure();
            x.dewPoint();
            x.wetBulb();
        }
    } else if (firstTag == kWetBulb) {
        if (secondTag == kRelativeHumidity) {
            relativeHumidityIsInput = true;
            store(s.Tdb,
                  psy::DryBulbFromWetBulbAndRelativeHumidity(d(s.Twb), d(s.Phi), d(s.Patm), "IP"));
            x.vaporPressureFromRelativeHumidity();
            x.dewPoint();
            x.humidityRatioFromVaporPressure();
            x.enthalpy();
        } else if (secondTag == kHumidityRatio) {
            store(s.Tdb,
                  psy::DryBulbFromWetBulbAndHumidityRatio(d(s.Twb), d(s.W), d(s.Patm), "IP"));
            x.enthalpy();
            x.vaporPressure();
            x.dewPoint();
        } else if (secondTag == kEnthalpy) {
            x.dryBulbFromWetBulbAndEnthalpy();
            x.humidityRatioFromEnthalpy();
            x.vaporPressure();
            x.dewPoint();
        }
    } else if (firstTag == kRelativeHumidity) {
        relativeHumidityIsInput = true;
        if (secondTag == kHumidityRatio) {
            x.vaporPressure();
            x.dewPoint();
            store(s.Tdb, psy::DryBulbFromDewPointAndRelativeHumidity(d(s.Tdp), d(s.Phi), "IP"));
            x.wetBulb();
            x.enthalpy();
        } else if (secondTag == kEnthalpy) {
            x.dryBulbFromEnthalpyAndRelativeHumidity();
            x.humidityRatioFromEnthalpy();
            x.vaporPressure();
            x.dewPoint();
            x.wetBulb();
        }
    } else {
        // Any other first tag: humidity ratio and enthalpy.
        x.dryBulbFromHumidityRatioAndEnthalpy();
        x.vaporPressure();
        x.dewPoint();
        x.wetBulb();
    }

    x.tail(relativeHumidityIsInput);
}

} // namespace calculator
