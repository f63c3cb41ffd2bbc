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

constexpr double Same(double v) {
    return v;
}

struct UnitEntry {
    Unit unit;
    std::string_view name;
    Quantity kind; // the quantity a unit measures; temperatures measure all three
    double (*toBase)(double);
    double (*fromBase)(double);
};

// In the order of Unit. Enthalpy passes unchanged: see ToBase.
constexpr std::array<UnitEntry, 17> kUnits{{
    {Unit::Fahrenheit, "F", Quantity::DryBulb, Same, Same},
    {Unit::Celsius, "C", Quantity::DryBulb, u::CelsiusToFahrenheit<double>,
     u::FahrenheitToCelsius<double>},
    {Unit::Kelvin, "K", Quantity::DryBulb, u::KelvinToFahrenheit<double>,
     u::FahrenheitToKelvin<double>},
    {Unit::Percent, "pct", Quantity::RelativeHumidity, u::PercentToFraction<double>,
     u::FractionToPercent<double>},
    {Unit::PoundPerPound, "lb/lb", Quantity::HumidityRatio, Same, Same},
    {Unit::KilogramPerKilogram, "kg/kg", Quantity::HumidityRatio, Same, Same},
    {Unit::GramPerKilogram, "g/kg", Quantity::HumidityRatio, u::GramsPerKilogramToRatio<double>,
     u::RatioToGramsPerKilogram<double>},
    {Unit::GrainPerPound, "gr/lb", Quantity::HumidityRatio, u::GrainsPerPoundToRatio<double>,
     u::RatioToGrainsPerPound<double>},
    {Unit::BtuPerPound, "Btu/lb", Quantity::Enthalpy, Same, Same},
    {Unit::KilojoulePerKilogram, "kJ/kg", Quantity::Enthalpy, Same, Same},
    {Unit::Psia, "psia", Quantity::Pressure, Same, Same},
    {Unit::Kilopascal, "kPa", Quantity::Pressure, u::KPaToPsia<double>, u::PsiaToKPa<double>},
    {Unit::Pascal, "Pa", Quantity::Pressure, u::PascalsToPsia<double>, u::PsiaToPascals<double>},
    {Unit::InchOfMercury, "inHg", Quantity::Pressure, u::InHgToPsia<double>, u::PsiaToInHg<double>},
    {Unit::Foot, "ft", Quantity::Altitude, Same, Same},
    {Unit::Metre, "m", Quantity::Altitude, u::MetresToFeet<double>, u::FeetToMetres<double>},
    // 10 mbar = 1 kPa.
    {Unit::Millibar, "mbar", Quantity::Pressure, [](double v) { return u::KPaToPsia(v / 10.0); },
     [](double v) { return u::PsiaToKPa(v) * 10.0; }},
}};

// Both tables are indexed by their enumeration.
static_assert([] {
    for (std::size_t i = 0; i < kQuantities.size(); ++i)
        if (static_cast<std::size_t>(kQuantities[i].first) != i)
            return false;
    for (std::size_t i = 0; i < kUnits.size(); ++i)
        if (static_cast<std::size_t>(kUnits[i].unit) != i)
            return false;
    return true;
}());

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
    return EntryOf(unit).toBase(value);
}

double FromBase(Unit unit, double value) {
    return EntryOf(unit).fromBase(value);
}

bool IsMetricEnthalpy(Unit unit) {
    return unit == Unit::KilojoulePerKilogram;
}

} // namespace weather::columns
