#include "workbench/FieldText.h"

#include "core/NumberFormat.h"
#include "core/RealAir.h"
#include "engine/Units.h"
#include "units/Conversions.h"
#include "units/UnitCatalogue.h"
#include "units/text/NumberText.h"

#include <cmath>

#include <QLocale>

namespace chart {
namespace {

using namespace calculator;

bool IsPercentField(int field) {
    return field == kRelativeHumidity || field == kDegreeOfSaturation;
}

} // namespace

QString FieldNumber(const CalculatorView& view, double value, int field) {
    if (field < 0 || field >= kFieldCount || !std::isfinite(value))
        return {};
    const std::string point = QLocale().decimalPoint().toStdString();
    return QString::fromStdString(
        FormatNumber(value, view.formats[static_cast<std::size_t>(field)], point));
}

int UnitPosition(const CalculatorView& view, int field) {
    return view.unitPositions[static_cast<std::size_t>(field)];
}

QString FieldUnit(const CalculatorView& view, int field) {
    if (field < 0 || field >= kFieldCount)
        return {};
    if (IsPercentField(field))
        return QStringLiteral("%");
    const auto units = basLoadUnits::UnitsOf(UnitTag(field));
    const int position = UnitPosition(view, field);
    if (position < 0 || static_cast<std::size_t>(position) >= units.size())
        return {};
    const std::string_view unit = units[static_cast<std::size_t>(position)];
    return QString::fromUtf8(unit.data(), static_cast<qsizetype>(unit.size()));
}

QString FieldText(const CalculatorView& view, const CalcState& state, int field) {
    if (field < 0 || field >= kFieldCount)
        return {};
    // Relative humidity and degree of saturation are kept as fractions and
    // shown in per cent, the product formed in single precision as the
    // calculator forms it.
    if (field == kRelativeHumidity)
        return FieldNumber(view, static_cast<double>(state.Phi * 100.0f), field);
    if (field == kDegreeOfSaturation)
        return FieldNumber(view, static_cast<double>(state.Mu * 100.0f), field);
    if (field == kDewPoint && !HasDewPoint(state))
        return {};
    const auto value = DisplayValue(state, field, UnitPosition(view, field));
    return value ? FieldNumber(view, *value, field) : QString();
}

QString TemperatureText(const CalculatorView& view, double tempF, int field) {
    if (field < 0 || field >= kFieldCount || !std::isfinite(tempF))
        return {};
    const float shown = basPsychroFun::ConvertTemperatureFromBase(tempF, UnitPosition(view, field));
    return FieldNumber(view, static_cast<double>(shown), field);
}

QString TemperatureSpanText(const CalculatorView& view, double spanF, int field) {
    if (field < 0 || field >= kFieldCount || !std::isfinite(spanF))
        return {};
    // Positions 1 (°C) and 3 (K) of the temperature list are kelvin-sized.
    const int position = UnitPosition(view, field);
    const bool kelvinSized = position == 1 || position == 3;
    const double shown = kelvinSized ? basPsychroFun::units::FahrenheitSpanToKelvin(spanF) : spanF;
    return FieldNumber(view, shown, field);
}

std::optional<double> ReadFieldText(const CalculatorView& view, int field, QStringView text) {
    const std::optional<double> typed = basConversions::ReadNumber(text);
    if (!typed || !std::isfinite(*typed))
        return std::nullopt;
    // Far beyond any air, and small enough that no conversion overflows the
    // single precision the conversions round to (which would give 0).
    constexpr double kLargest = 1e30;
    if (std::abs(*typed) > kLargest)
        return std::nullopt;
    if (field != kRelativeHumidity && !IsUnitPosition(field, UnitPosition(view, field)))
        return std::nullopt;
    double base = 0.0;
    switch (field) {
    case kDryBulb:
    case kWetBulb:
    case kDewPoint:
        base = static_cast<double>(
            basPsychroFun::ConvertTemperatureToBase(*typed, UnitPosition(view, field)));
        break;
    case kRelativeHumidity:
        base = *typed / 100.0;
        break;
    case kHumidityRatio:
        base = static_cast<double>(
            basConversions::ConvertHumidityRatioToBase(*typed, UnitPosition(view, field)));
        break;
    case kEnthalpy:
        base = static_cast<double>(
            basConversions::ConvertEnthalpyToBase(*typed, UnitPosition(view, field)));
        break;
    default:
        return std::nullopt;
    }
    return base;
}

} // namespace chart
