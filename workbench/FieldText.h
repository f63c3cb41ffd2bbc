#pragma once

// The texts of the state-point views: a property of a point as the
// calculator shows it (the unit selected in the field's list, the field's
// number format, the locale's decimal point), and a typed value read back
// into the calculator's base units.

#include "workbench/CalculatorView.h"

#include <optional>

#include <QString>
#include <QStringView>

namespace chart {

// The unit text of field `field` as the view shows it, e.g. "°F", "%" for
// the relative humidity and the degree of saturation; empty when the view
// has no unit selected there.
QString FieldUnit(const CalculatorView& view, int field);

// The text of field `field` of `state` in the view's unit and format; empty
// where the field has no value (no dew point of dry air, a unit position the
// list does not know).
QString FieldText(const CalculatorView& view, const CalcState& state, int field);

// A value already in the unit of field `field`, by the field's format and
// the locale's decimal point; empty for a value that is not finite.
QString FieldNumber(const CalculatorView& view, double value, int field);
// The unit position the view selects in field `field`'s list.
int UnitPosition(const CalculatorView& view, int field);

// A temperature (°F) as field `field` (a temperature field) shows it.
QString TemperatureText(const CalculatorView& view, double tempF, int field = calculator::kDryBulb);
// A temperature difference (°F) in the unit of field `field`: kelvin-sized
// for °C and K, Rankine-sized for °F and °R; with the field's format.
QString TemperatureSpanText(const CalculatorView& view, double spanF,
                            int field = calculator::kDryBulb);

// A value typed into input field `field` (dry bulb, wet bulb, relative
// humidity in per cent, humidity ratio, enthalpy or dew point, which reads
// as a temperature) in the view's unit, in the field's base unit (°F, a
// fraction, lb/lb, the state's enthalpy). Nothing when the text holds no
// number or the number is beyond what the field can hold.
std::optional<double> ReadFieldText(const CalculatorView& view, int field, QStringView text);

} // namespace chart
