#include "batch/Header.h"

#include "batch/Language.h"
#include "core/FieldTable.h"
#include "weather/Fields.h"

#include <charconv>
#include <cmath>

namespace batch {

namespace {

namespace col = weather::columns;
using col::Quantity;
using col::Unit;

// The places in the window's unit lists (units/UnitCatalogue.h): temperature
// °F, °C, °R, K; humidity ratio grains/lbm, lbm/lbm, gm/kg, kg/kg; enthalpy
// BTU/lbm, cal/gm, kJ/kg; pressure psia, atm, inHg, inH2O, mmHg, mbar, kPa,
// Pa, Bar; altitude ft, m.
int positionOf(Unit unit) {
    switch (unit) {
    case Unit::Fahrenheit:
    case Unit::GrainPerPound:
    case Unit::BtuPerPound:
    case Unit::Psia:
    case Unit::Foot:
        return 0;
    case Unit::Celsius:
    case Unit::PoundPerPound:
    case Unit::Metre:
        return 1;
    case Unit::GramPerKilogram:
    case Unit::KilojoulePerKilogram:
    case Unit::InchOfMercury:
        return 2;
    case Unit::Kelvin:
    case Unit::KilogramPerKilogram:
        return 3;
    case Unit::Millibar:
        return 5;
    case Unit::Kilopascal:
        return 6;
    case Unit::Pascal:
        return 7;
    case Unit::Percent:
        return -1; // relative humidity has no list: always per cent
    }
    return -1;
}

std::optional<int> fieldOf(Quantity quantity) {
    using namespace calculator;
    switch (quantity) {
    case Quantity::DryBulb:
        return kDryBulb;
    case Quantity::WetBulb:
        return kWetBulb;
    case Quantity::RelativeHumidity:
        return kRelativeHumidity;
    case Quantity::HumidityRatio:
        return kHumidityRatio;
    case Quantity::Enthalpy:
        return kEnthalpy;
    case Quantity::Pressure:
        return kAtmosphericPressure;
    case Quantity::Altitude:
        return kAltitude;
    case Quantity::DewPoint:
        return std::nullopt;
    }
    return std::nullopt;
}

// Appended piece by piece: GCC 12 at -O3 takes a literal put before a string
// ("\"" + name) for an overlapping copy (-Wrestrict).
std::string quoted(std::string_view name) {
    std::string text;
    text.reserve(name.size() + 2);
    text += '"';
    text += name;
    text += '"';
    return text;
}

// Roughly the power of ten of a decimal number that from_chars has read
// whole: the digits before the point (leading zeros aside), or minus the
// zeros after it, plus the exponent.
long DecimalExponent(std::string_view number) {
    if (!number.empty() && number.front() == '-')
        number.remove_prefix(1);
    const std::size_t e = number.find_first_of("eE");
    long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        if (!digits.empty() && digits.front() == '+')
            digits.remove_prefix(1);
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec !=
            std::errc())
            exponent = digits.starts_with('-') ? -100000 : 100000;
        number = number.substr(0, e);
    }
    while (!number.empty() && number.front() == '0')
        number.remove_prefix(1);
    const std::size_t point = number.find('.');
    const std::size_t whole = point == std::string_view::npos ? number.size() : point;
    if (whole > 0)
        return exponent + static_cast<long>(whole);
    const std::size_t firstDigit = number.find_first_not_of('0', point + 1);
    return exponent -
           static_cast<long>(firstDigit == std::string_view::npos ? 0 : firstDigit - point);
}

} // namespace

std::optional<FieldUnit> FieldUnitOf(col::Column column) {
    const std::optional<int> field = fieldOf(column.quantity);
    if (!field)
        return std::nullopt;
    return FieldUnit{*field, positionOf(column.unit)};
}

void SplitCsv(std::string_view line, std::vector<std::string_view>& fields) {
    weather::SplitCsvFields(line, fields);
}

std::optional<double> ReadNumber(std::string_view field, bool& tooLarge) noexcept {
    tooLarge = false;
    field = weather::TrimField(field);
    // from_chars takes no leading '+'; a file may write one.
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    if (field.empty())
        return std::nullopt;
    double value = 0.0;
    const char* const last = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), last, value);
    if (ptr != last)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Beyond double, or a number so small that it is zero: from_chars
        // leaves the value alone, so the decimal exponent tells which.
        tooLarge = DecimalExponent(field) > 0;
        if (tooLarge)
            return std::nullopt;
        return 0.0;
    }
    if (ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::variant<Layout, std::string> ReadHeader(std::string_view line) {
    using namespace calculator;
    std::vector<std::string_view> names;
    if (weather::SplitCsvFields(line, names, weather::kMaxColumns + 1) > weather::kMaxColumns)
        return Say(VW_TRANSLATABLE("batch::Header", "The header has more than %1 columns"),
                   {std::to_string(weather::kMaxColumns)});

    Layout layout;
    layout.columns = names.size();
    std::vector<ValueColumn> inputs;
    std::string value;
    for (std::size_t i = 0; i < names.size(); ++i) {
        // The name as a CSV reader reads it, then as the vocabulary matches it.
        weather::CsvFieldValue(names[i], value);
        const std::string_view name = weather::TrimField(value);
        const std::optional<col::Column> column = col::ParseColumnName(name);
        if (!column) {
            // A quantity without a unit is refused, never copied: a pressure
            // passed over would put every row at the wrong pressure.
            if (auto problem = col::UnitProblemMessage(name))
                return Say(*problem);
            layout.passThrough.push_back(i);
            layout.passThroughNames.push_back(value);
            continue;
        }
        const std::optional<FieldUnit> unit = FieldUnitOf(*column);
        if (!unit)
            return Say(VW_TRANSLATABLE("batch::Header",
                                       "Column %1: the dew point cannot be an input; give two "
                                       "of dry bulb, wet bulb, relative humidity, humidity "
                                       "ratio and enthalpy"),
                       {quoted(weather::ShownText(name))});
        ValueColumn input{i, unit->field, unit->position, weather::ShownText(name)};
        if (unit->field == kAtmosphericPressure || unit->field == kAltitude) {
            if (layout.atmosphere)
                return Say(VW_TRANSLATABLE("batch::Header",
                                           "Columns %1 and %2: give one pressure or "
                                           "altitude column"),
                           {quoted(layout.atmosphere->name), quoted(input.name)});
            layout.atmosphere = std::move(input);
            continue;
        }
        for (const ValueColumn& other : inputs)
            if (other.field == unit->field)
                return Say(
                    VW_TRANSLATABLE("batch::Header", "Columns %1 and %2 give the same quantity"),
                    {quoted(other.name), quoted(input.name)});
        inputs.push_back(std::move(input));
    }
    if (inputs.size() != 2) {
        // The columns found, named; a sentence for each count, as languages
        // count differently.
        std::string found;
        for (std::size_t i = 0; i < inputs.size(); ++i)
            found += (i == 0 ? "" : ", ") + quoted(inputs[i].name);
        const i18n::Text sentence =
            inputs.empty()
                ? VW_TRANSLATABLE("batch::Header",
                                  "The header names 0 input columns; it needs two of dry_bulb, "
                                  "wet_bulb, relative_humidity, humidity_ratio and enthalpy, "
                                  "each with its unit, such as "
                                  "\"dry_bulb_F,relative_humidity_pct\"")
            : inputs.size() == 1
                ? VW_TRANSLATABLE("batch::Header",
                                  "The header names 1 input column (%1); it needs two of "
                                  "dry_bulb, wet_bulb, relative_humidity, humidity_ratio and "
                                  "enthalpy, each with its unit, such as "
                                  "\"dry_bulb_F,relative_humidity_pct\"")
                : VW_TRANSLATABLE("batch::Header",
                                  "The header names %2 input columns (%1); it needs two of "
                                  "dry_bulb, wet_bulb, relative_humidity, humidity_ratio and "
                                  "enthalpy, each with its unit, such as "
                                  "\"dry_bulb_F,relative_humidity_pct\"");
        return Say(sentence, {found, std::to_string(inputs.size())});
    }
    if (inputs[0].field > inputs[1].field)
        std::swap(inputs[0], inputs[1]);
    layout.inputs = {std::move(inputs[0]), std::move(inputs[1])};
    return layout;
}

} // namespace batch
