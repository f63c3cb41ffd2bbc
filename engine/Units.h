#pragma once

// The one home of the unit arithmetic between the program's inch-pound base
// units and SI, and of the unit system itself.
//
// Every conversion is written once, here, in the order of operations the
// program's reference values were computed with; the order is part of the
// formulation (psia to kPa divides by 14.696 before it multiplies by 101.325),
// so a copy elsewhere is a place where two parts of the program could
// silently disagree in the last bit. The templates serve plain doubles and
// the engine's checked numbers alike.

#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

namespace basPsychroFun {

// The two unit systems of the program: inch-pound ("IP": °F, psia, Btu/lb,
// ft³/lb, lb/ft³, ft) and metric ("SI": °C, kPa, kJ/kg, m³/kg, kg/m³, m).
enum class UnitSystem { IP, SI };

// The engine's selector text of a system.
constexpr std::string_view SelectorOf(UnitSystem system) noexcept {
    return system == UnitSystem::IP ? "IP" : "SI";
}

// The system a selector names, read as the engine reads it: upper-cased,
// untrimmed, "IP" or "SI"; anything else names none.
constexpr std::optional<UnitSystem> UnitSystemOf(std::string_view selector) noexcept {
    if (selector.size() != 2)
        return std::nullopt;
    const auto upper = [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    };
    const char a = upper(selector[0]);
    const char b = upper(selector[1]);
    if (a == 'I' && b == 'P')
        return UnitSystem::IP;
    if (a == 'S' && b == 'I')
        return UnitSystem::SI;
    return std::nullopt;
}

namespace units {

// One standard atmosphere in the two systems. Their ratio converts psia and
// kPa throughout the program; it is not the psi-to-kPa constant.
inline constexpr double kAtmospherePsia = 14.696;
inline constexpr double kAtmosphereKPa = 101.325;

// kJ/kg per Btu/lb as the program's enthalpy conversion and its stored
// metric enthalpy use it (not the 2.326 of the international table).
inline constexpr double kKJPerKgPerBtuPerLb = 2.324077;

// Offsets of the absolute scales. The saturation pressure works in °R with
// 459.67; the temperature unit list shows °R with 459.69, as it always has.
inline constexpr double kRankineOffset = 459.67;
inline constexpr double kRankineDisplayOffset = 459.69;
inline constexpr double kKelvinOffset = 273.15;

// Length: 1 ft = 0.3048 m exactly; the altitude polynomial goes in through
// 12 in/ft over 39.370079 in/m.
inline constexpr double kMetresPerFoot = 0.3048;

// --- Temperature ---------------------------------------------------------------

template <typename T>
constexpr T FahrenheitToCelsius(T tF) {
    return (tF - 32.0) / 1.8;
}
template <typename T>
constexpr T CelsiusToFahrenheit(T tC) {
    return tC * 1.8 + 32.0;
}
// A temperature difference: 1 K = 1.8 °F.
template <typename T>
constexpr T FahrenheitSpanToKelvin(T dF) {
    return dF / 1.8;
}
template <typename T>
constexpr T KelvinSpanToFahrenheit(T dK) {
    return dK * 1.8;
}
// The temperature unit list's kelvin and Rankine.
template <typename T>
constexpr T FahrenheitToKelvin(T tF) {
    return (tF - 32.0) / 1.8 + kKelvinOffset;
}
template <typename T>
constexpr T KelvinToFahrenheit(T tK) {
    return (tK - kKelvinOffset) * 1.8 + 32.0;
}
template <typename T>
constexpr T FahrenheitToRankineDisplay(T tF) {
    return tF + kRankineDisplayOffset;
}
template <typename T>
constexpr T RankineDisplayToFahrenheit(T tR) {
    return tR - kRankineDisplayOffset;
}

// --- Pressure --------------------------------------------------------------------

template <typename T>
constexpr T PsiaToKPa(T p) {
    return p / kAtmospherePsia * kAtmosphereKPa;
}
template <typename T>
constexpr T KPaToPsia(T p) {
    return p * kAtmospherePsia / kAtmosphereKPa;
}

// --- Enthalpy ----------------------------------------------------------------------

// The metric enthalpy (kJ/kg, zero at 0 °C) as the program keeps it beside
// the inch-pound one: divided by kKJPerKgPerBtuPerLb, so that multiplying
// gives it back. The two datums differ (0 °F against 0 °C): this rule moves
// the number, not the air.
template <typename T>
constexpr T StoredFromMetricEnthalpy(T hKJPerKg) {
    return hKJPerKg / kKJPerKgPerBtuPerLb;
}
template <typename T>
constexpr T MetricFromStoredEnthalpy(T h) {
    return h * kKJPerKgPerBtuPerLb;
}

// --- Length --------------------------------------------------------------------------

template <typename T>
constexpr T FeetToMetres(T z) {
    return z * kMetresPerFoot;
}
template <typename T>
constexpr T MetresToFeet(T z) {
    return z / kMetresPerFoot;
}
// The altitude polynomial's own way into metres, through inches.
template <typename T>
constexpr T FeetToMetresThroughInches(T z) {
    return z * 12.0 / 39.370079;
}

// --- Single precision -----------------------------------------------------------

// A value as the single-precision number the calculator keeps, or nothing
// when it is not finite or lies beyond the range of a float. Rounding to
// the nearest float is the only change.
constexpr std::optional<float> ToSingle(double value) noexcept {
    if (!(value >= -static_cast<double>(std::numeric_limits<float>::max()) &&
          value <= static_cast<double>(std::numeric_limits<float>::max())))
        return std::nullopt;
    return static_cast<float>(value);
}

// --- Airflow, heat, water and mass ----------------------------------------------

// Mass: the international pound, 1 lb = 0.45359237 kg exactly (international
// yard and pound agreement, 1959).
inline constexpr double kKilogramsPerPound = 0.45359237;
// Volume: 1 ft³ = 0.3048³ m³ exactly, from the international foot.
inline constexpr double kCubicMetresPerCubicFoot = kMetresPerFoot * kMetresPerFoot * kMetresPerFoot;
inline constexpr double kLitresPerCubicMetre = 1000.0;
inline constexpr double kSecondsPerMinute = 60.0;
inline constexpr double kSecondsPerHour = 3600.0;
// Energy: the International Table Btu, 1 Btu = 1.05505585262 kJ exactly (its
// definition through the IT calorie, 4.1868 J, and the pound and the degree
// Fahrenheit).
inline constexpr double kKilojoulesPerBtu = 1.05505585262;
// Refrigeration: one ton is 12,000 Btu/h by definition (the heat of melting one
// short ton of ice in a day, rounded to this figure by convention).
inline constexpr double kBtuPerHourPerTon = 12000.0;

// Airflow: cfm (ft³/min), L/s, m³/s and m³/h, each to and from cfm.
template <typename T>
constexpr T CubicMetresPerSecondToCfm(T q) {
    return q / kCubicMetresPerCubicFoot * kSecondsPerMinute;
}
template <typename T>
constexpr T CfmToCubicMetresPerSecond(T q) {
    return q * kCubicMetresPerCubicFoot / kSecondsPerMinute;
}
template <typename T>
constexpr T LitresPerSecondToCfm(T q) {
    return CubicMetresPerSecondToCfm(q / kLitresPerCubicMetre);
}
template <typename T>
constexpr T CfmToLitresPerSecond(T q) {
    return CfmToCubicMetresPerSecond(q) * kLitresPerCubicMetre;
}
template <typename T>
constexpr T CubicMetresPerHourToCfm(T q) {
    return CubicMetresPerSecondToCfm(q / kSecondsPerHour);
}
template <typename T>
constexpr T CfmToCubicMetresPerHour(T q) {
    return CfmToCubicMetresPerSecond(q) * kSecondsPerHour;
}

// Heat flow: Btu/h to and from kW and tons of refrigeration.
template <typename T>
constexpr T BtuPerHourToKilowatts(T q) {
    return q * kKilojoulesPerBtu / kSecondsPerHour;
}
template <typename T>
constexpr T KilowattsToBtuPerHour(T q) {
    return q * kSecondsPerHour / kKilojoulesPerBtu;
}
template <typename T>
constexpr T BtuPerHourToTons(T q) {
    return q / kBtuPerHourPerTon;
}
template <typename T>
constexpr T TonsToBtuPerHour(T q) {
    return q * kBtuPerHourPerTon;
}

// Power: the mechanical horsepower, 550 ft·lbf/s, is 745.69987158227022 W
// exactly (from the international foot and pound and standard gravity,
// 9.80665 m/s²), the horsepower of fan and motor ratings.
inline constexpr double kWattsPerHorsepower = 745.69987158227022;
inline constexpr double kWattsPerKilowatt = 1000.0;
// Heat flow in watts, as SI load calculations give room loads.
template <typename T>
constexpr T WattsToBtuPerHour(T q) {
    return KilowattsToBtuPerHour(q / kWattsPerKilowatt);
}
template <typename T>
constexpr T BtuPerHourToWatts(T q) {
    return BtuPerHourToKilowatts(q) * kWattsPerKilowatt;
}
template <typename T>
constexpr T HorsepowerToKilowatts(T p) {
    return p * kWattsPerHorsepower / kWattsPerKilowatt;
}
template <typename T>
constexpr T KilowattsToHorsepower(T p) {
    return p * kWattsPerKilowatt / kWattsPerHorsepower;
}

// Pressure in pascals, as the comfort equations of ISO 7730 take the vapour
// pressure: through kPa by the ratio of the standard atmospheres.
inline constexpr double kPascalsPerKilopascal = 1000.0;
template <typename T>
constexpr T PsiaToPascals(T p) {
    return PsiaToKPa(p) * kPascalsPerKilopascal;
}

// Mass, and with it water and dry-air mass flow (lb/h to kg/h).
template <typename T>
constexpr T PoundsToKilograms(T m) {
    return m * kKilogramsPerPound;
}
template <typename T>
constexpr T KilogramsToPounds(T m) {
    return m / kKilogramsPerPound;
}

// --- Weather and data files ---------------------------------------------------------
// Units that weather files and column headers give values in, to the base
// units. Each factor is a definition, not a measurement.

// SI prefix: 1 kg = 1000 g.
inline constexpr double kGramsPerKilogram = 1000.0;
// The avoirdupois pound is 7000 grains by definition (NIST Handbook 44,
// appendix C), so grains per pound of dry air divide by 7000 to lb/lb.
inline constexpr double kGrainsPerPound = 7000.0;
// Percent to fraction.
inline constexpr double kPercent = 100.0;
// One standard atmosphere as 29.921 inHg (mercury at 32 °F), the same
// atmosphere as the 14.696 psia above: inches of mercury go to psia through
// the ratio of the two, as the pressure unit list converts them.
inline constexpr double kAtmosphereInHg = 29.921;

template <typename T>
constexpr T PascalsToPsia(T p) {
    return KPaToPsia(p / kPascalsPerKilopascal);
}
template <typename T>
constexpr T InHgToPsia(T p) {
    return p / kAtmosphereInHg * kAtmospherePsia;
}
template <typename T>
constexpr T GramsPerKilogramToRatio(T w) {
    return w / kGramsPerKilogram;
}
template <typename T>
constexpr T GrainsPerPoundToRatio(T w) {
    return w / kGrainsPerPound;
}
template <typename T>
constexpr T PercentToFraction(T value) {
    return value / kPercent;
}
// The inverses, each the reverse of the steps above.
template <typename T>
constexpr T PsiaToInHg(T p) {
    return p / kAtmospherePsia * kAtmosphereInHg;
}
template <typename T>
constexpr T RatioToGramsPerKilogram(T w) {
    return w * kGramsPerKilogram;
}
template <typename T>
constexpr T RatioToGrainsPerPound(T w) {
    return w * kGrainsPerPound;
}
template <typename T>
constexpr T FractionToPercent(T value) {
    return value * kPercent;
}

} // namespace units
} // namespace basPsychroFun
