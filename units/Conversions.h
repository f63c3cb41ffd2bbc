#pragma once

// Conversions between the inch-pound base unit in which the calculator keeps
// every value and the units of the fields' unit lists (UnitCatalogue.h).
//
// Every conversion takes (value, unit position) and returns a single-precision
// value: the arithmetic is done in double in the order written at each formula,
// then rounded once. The position is the unit's place in its list; a position
// the list does not have (-1 for "no unit selected", past the end) gives 0.
//
// No conversion fails loudly: a non-finite value, a result beyond single
// precision, or a text that ReadNumber (NumberText.h) cannot read gives 0.
// Each has a text overload that reads the value by the user's locale first
// (text/ConversionText.h).
//
// From-base conversions serve the display of every field; to-base conversions
// exist only for the quantities that can be typed: temperature, pressure,
// enthalpy, humidity ratio and altitude.

namespace basPsychroFun {

// °F -> 0 °F, 1 °C = (v - 32) / 1.8, 2 °R = v + 459.69, 3 K = (v - 32) / 1.8 + 273.15.
// The Rankine offset of the display is 459.69 (not the 459.67 of the
// saturation pressure): 68 °F shows as 527.69 °R.
float ConvertTemperatureFromBase(double value, int position) noexcept;
// Unit -> °F: the exact inverse of each position above.
float ConvertTemperatureToBase(double value, int position) noexcept;

} // namespace basPsychroFun

namespace basConversions {

// psia -> 0 psia, 1 atm, 2 inHg, 3 inH2O, 4 mmHg, 5 mbar, 6 kPa, 7 Pa, 8 Bar.
// The factors rest on one standard atmosphere taken as 14.696 psia.
float ConvertPressureFromBase(double value, int position) noexcept;
float ConvertPressureToBase(double value, int position) noexcept;

// lbm/ft³ -> 0 lbm/ft³, 1 gm/cm³, 2 gm/m³, 3 kg/m³.
float ConvertDensityFromBase(double value, int position) noexcept;

// lbm/ft³ -> 0 grains/ft³, 1 lbm/ft³, 2 gm/cm³, 3 gm/m³, 4 kg/m³.
float ConvertAbsoluteHumidityFromBase(double value, int position) noexcept;

// BTU/lbm -> 0 BTU/lbm, 1 cal/gm, 2 kJ/kg (factor 2.324077, not 2.326).
float ConvertEnthalpyFromBase(double value, int position) noexcept;
float ConvertEnthalpyToBase(double value, int position) noexcept;

// ft³/lbm -> 0 ft³/lbm, 1 cm³/gm, 2 m³/kg.
float ConvertSpecificVolumeFromBase(double value, int position) noexcept;

// lbm/lbm -> 0 grains/lbm, 1 lbm/lbm, 2 gm/kg, 3 kg/kg.
float ConvertHumidityRatioFromBase(double value, int position) noexcept;
float ConvertHumidityRatioToBase(double value, int position) noexcept;

// ft -> 0 ft, 1 m.
float ConvertAltitudeFromBase(double value, int position) noexcept;
float ConvertAltitudeToBase(double value, int position) noexcept;

} // namespace basConversions
