#include "weather/Columns.h"

#include "engine/Units.h"
#include "weather/Fields.h"

#include <array>
#include <utility>

namespace weather::columns {

namespace {

namespace u = basPsychroFun::units;

constexpr std::array<std::pair<Quantity, std::string_view>, 8> kQuantities{{
    {Quantity::DryBulb, "dry_bulb"},
    {Quantity::WetBulb, "wet_bulb"},
    {Quantity::DewPoint, "dew_point"},
    {Quantity::RelativeHumidity, "relative_humidity"},
    {Quantity::HumidityRatio, "humidity_ratio"},
    {Quantity::Enthalpy, "enthalpy"},
    {Quantity::Pressure, "pressure"},
    {Quantity::Altitude, "altitude"},
}};

struct UnitEntry {
    Unit unit;
    std::string_view name;
    Quantity kind; // the quantity a unit measures; temperatures measure all three
};

constexpr std::array<UnitEntry, 16> kUnits{{
    {Unit::Fahrenheit, "F", Quantity::DryBulb},
    {Unit::Celsius, "C", Quantity::DryBulb},
    {Unit::Kelvin, "K", Quantity::DryBulb},
    {Unit::Percent, "pct", Quantity::RelativeHumidity},
    {Unit::PoundPerPound, "lb/lb", Quantity::HumidityRatio},
    {Unit::KilogramPerKilogram, "kg/kg", Quantity::HumidityRatio},
    {Unit::GramPerKilogram, "g/kg", Quantity::HumidityRatio},
    {Unit::GrainPerPound, "gr/lb", Quantity::HumidityRatio},
    {Unit::BtuPerPound, "Btu/lb", Quantity::Enthalpy},
    {Unit::KilojoulePerKilogram, "kJ/kg", Quantity::Enthalpy},
    {Unit::Psia, "psia", Quantity::Pressure},
    {Unit::Kilopascal, "kPa", Quantity::Pressure},
    {Unit::Pascal, "Pa", Quantity::Pressure},
    {Unit::InchOfMercury, "inHg", Quantity::Pressure},
    {Unit::Foot, "ft", Quantity::Altitude},
    {Unit::Metre, "m", Quantity::Altitude},
}};

const UnitEntry& EntryOf(Unit unit) {
    return kUnits[static_cast<std::size_t>(unit)];
}

bool IsTemperature(Quantity q) {
    return q == Quantity::DryBulb || q == Quantity::WetBulb || q == Quantity::DewPoint;
}

} // namespace

std::optional<Column> ParseColumnName(std::string_view name) {
    name = TrimField(name);
    for (const auto& [quantity, quantityName] : kQuantities) {
        if (name.size() <= quantityName.size() + 1 || name[quantityName.size()] != '_' ||
            !EqualsIgnoringCase(name.substr(0, quantityName.size()), quantityName))
            continue;
        const std::string_view unitName = name.substr(quantityName.size() + 1);
        for (const UnitEntry& entry : kUnits)
            if (EqualsIgnoringCase(unitName, entry.name) && Measures(entry.unit, quantity))
                return Column{quantity, entry.unit};
        return std::nullopt;
    }
    return std::nullopt;
}

std::string_view QuantityName(Quantity quantity) {
    return kQuantities[static_cast<std::size_t>(quantity)].second;
}

std::string_view UnitName(Unit unit) {
    return EntryOf(unit).name;
}

std::string ColumnName(Column column) {
    std::string name(QuantityName(column.quantity));
    name += '_';
    name += UnitName(column.unit);
    return name;
}

bool Measures(Unit unit, Quantity quantity) {
    const Quantity kind = EntryOf(unit).kind;
    return kind == quantity || (IsTemperature(kind) && IsTemperature(quantity));
}

double ToBase(Unit unit, double value) {
    switch (unit) {
    case Unit::Celsius:
        return u::CelsiusToFahrenheit(value);
    case Unit::Kelvin:
        return u::KelvinToFahrenheit(value);
    case Unit::Percent:
        return u::PercentToFraction(value);
    case Unit::GramPerKilogram:
        return u::GramsPerKilogramToRatio(value);
    case Unit::GrainPerPound:
        return u::GrainsPerPoundToRatio(value);
    case Unit::Kilopascal:
        return u::KPaToPsia(value);
    case Unit::Pascal:
        return u::PascalsToPsia(value);
    case Unit::InchOfMercury:
        return u::InHgToPsia(value);
    case Unit::Metre:
        return u::MetresToFeet(value);
    case Unit::Fahrenheit:
    case Unit::PoundPerPound:
    case Unit::KilogramPerKilogram:
    case Unit::BtuPerPound:
    case Unit::KilojoulePerKilogram:
    case Unit::Psia:
    case Unit::Foot:
        break;
    }
    return value;
}

double FromBase(Unit unit, double value) {
    switch (unit) {
    case Unit::Celsius:
        return u::FahrenheitToCelsius(value);
    case Unit::Kelvin:
        return u::FahrenheitToKelvin(value);
    case Unit::Percent:
        return u::FractionToPercent(value);
    case Unit::GramPerKilogram:
        return u::RatioToGramsPerKilogram(value);
    case Unit::GrainPerPound:
        return u::RatioToGrainsPerPound(value);
    case Unit::Kilopascal:
        return u::PsiaToKPa(value);
    case Unit::Pascal:
        return u::PsiaToPascals(value);
    case Unit::InchOfMercury:
        return u::PsiaToInHg(value);
    case Unit::Metre:
        return u::FeetToMetres(value);
    case Unit::Fahrenheit:
    case Unit::PoundPerPound:
    case Unit::KilogramPerKilogram:
    case Unit::BtuPerPound:
    case Unit::KilojoulePerKilogram:
    case Unit::Psia:
    case Unit::Foot:
        break;
    }
    return value;
}

bool IsMetricEnthalpy(Unit unit) {
    return unit == Unit::KilojoulePerKilogram;
}

} // namespace weather::columns
