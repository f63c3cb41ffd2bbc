#pragma once

// The column vocabulary of data files: a header name is a quantity and its
// unit joined by an underscore, such as "dry_bulb_F", "relative_humidity_pct",
// "wet_bulb_C", "enthalpy_kJ/kg", "pressure_kPa" or "altitude_m". The weather
// reader's CSV files and the command-line calculator share it.
//
// Quantities: dry_bulb, wet_bulb, dew_point, relative_humidity,
// humidity_ratio, enthalpy, pressure, altitude. Units: F, C, K (temperatures),
// pct (relative humidity), lb/lb, kg/kg, g/kg, gr/lb (humidity ratio), Btu/lb,
// kJ/kg (enthalpy), psia, kPa, Pa, inHg, mbar (pressure), ft, m (altitude). Names
// are matched without regard to case, after blanks and quotes are trimmed.
//
// Headers written by other programs are read too:
// - the words of a quantity joined by "_", "-" or a blank ("Dry bulb",
//   "dew-point"), a temperature followed by "temperature" or "temp"
//   ("Dry bulb temperature"); "atmospheric pressure", "station pressure" and
//   "barometric pressure" are the pressure;
// - the unit after "_", "-", a blank or a comma, or in parentheses or
//   brackets: "Pressure (kPa)", "pressure-kPa", "pressure [kPa]",
//   "Pressure, kPa", "Dry bulb (F)";
// - the unit spellings °F, degF, °C, degC, % (pct), hPa (mbar), feet, metres.
// A name that gives a quantity but no unit of it ("pressure", "altitude",
// "Pressure (bar)") is no column: NamedQuantity tells the readers to refuse
// it rather than pass over a pressure they cannot read.

#include "core/Translatable.h"

#include <optional>
#include <string>
#include <string_view>

namespace weather::columns {

enum class Quantity {
    DryBulb,
    WetBulb,
    DewPoint,
    RelativeHumidity,
    HumidityRatio,
    Enthalpy,
    Pressure,
    Altitude,
};

enum class Unit {
    Fahrenheit,
    Celsius,
    Kelvin,
    Percent,
    PoundPerPound,
    KilogramPerKilogram,
    GramPerKilogram,
    GrainPerPound,
    BtuPerPound,
    KilojoulePerKilogram,
    Psia,
    Kilopascal,
    Pascal,
    InchOfMercury,
    Foot,
    Metre,
    Millibar,
};

struct Column {
    Quantity quantity;
    Unit unit;
    friend bool operator==(const Column&, const Column&) = default;
};

// The column a header name names, or nothing when the name is not a known
// quantity followed by a unit of that quantity.
std::optional<Column> ParseColumnName(std::string_view name);

// The quantity a header name gives, with or without a unit the program
// knows; nothing for a name that gives no quantity of the vocabulary
// ("time", "pressures").
std::optional<Quantity> NamedQuantity(std::string_view name);

// For a name that gives a quantity but no unit of it the program reads, the
// one-line message that names the column and lists the quantity's units:
// "Column \"pressure\" gives no unit; name it with one of the units of
// pressure (psia, kPa, Pa, inHg, mbar), such as pressure_psia". Nothing for
// any other name.
std::optional<std::string> UnitProblem(std::string_view name);
// The same message for a window to translate (core/Translatable.h): the
// column's name, the quantity and the units are its arguments, as a file
// and the program write them. As a sentence of its own, ended with ".".
std::optional<i18n::Message> UnitProblemMessage(std::string_view name, bool sentence = false);

// The canonical spellings: QuantityName(DryBulb) is "dry_bulb", UnitName(Kelvin)
// "K", ColumnName({DryBulb, Kelvin}) "dry_bulb_K".
std::string_view QuantityName(Quantity quantity);
std::string_view UnitName(Unit unit);
std::string ColumnName(Column column);

// Whether `unit` measures `quantity`.
bool Measures(Unit unit, Quantity quantity);

// A value in `unit` in the program's base unit of its quantity: °F, relative
// humidity as a fraction, lb/lb, psia, ft. Enthalpy is the exception: the
// inch-pound (Btu/lb, zero at 0 °F) and metric (kJ/kg, zero at 0 °C)
// enthalpies have their own formulations and datums, so a number in one is
// never turned into the other. It passes unchanged, and IsMetricEnthalpy
// tells which formulation it belongs to.
double ToBase(Unit unit, double value);
// The inverse of ToBase.
double FromBase(Unit unit, double value);
bool IsMetricEnthalpy(Unit unit);

} // namespace weather::columns
