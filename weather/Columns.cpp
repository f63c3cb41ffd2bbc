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

// Other spellings of units in headers, matched as the canonical names are
// (the degree sign in UTF-8, the encoding of the program's strings).
constexpr std::array<std::pair<Unit, std::string_view>, 8> kUnitAliases{{
    {Unit::Fahrenheit, "\u00B0F"},
    {Unit::Fahrenheit, "degF"},
    {Unit::Celsius, "\u00B0C"},
    {Unit::Celsius, "degC"},
    {Unit::Percent, "%"},
    {Unit::Millibar, "hPa"},
    {Unit::Foot, "feet"},
    {Unit::Metre, "metres"},
}};

bool IsSpellingOf(std::string_view text, const UnitEntry& entry) {
    if (EqualsIgnoringCase(text, entry.name))
        return true;
    for (const auto& [unit, alias] : kUnitAliases)
        if (unit == entry.unit && EqualsIgnoringCase(text, alias))
            return true;
    return false;
}

// The words of each quantity's names in headers; the words of a name are
// joined by "_", "-" or a blank. A temperature may add "temperature" or
// "temp".
struct QuantityWords {
    Quantity quantity;
    std::array<std::string_view, 2> words; // the second may be empty
};
constexpr std::array<QuantityWords, 11> kQuantityWords{{
    {Quantity::DryBulb, {"dry", "bulb"}},
    {Quantity::WetBulb, {"wet", "bulb"}},
    {Quantity::DewPoint, {"dew", "point"}},
    {Quantity::RelativeHumidity, {"relative", "humidity"}},
    {Quantity::HumidityRatio, {"humidity", "ratio"}},
    {Quantity::Enthalpy, {"enthalpy", ""}},
    {Quantity::Pressure, {"pressure", ""}},
    {Quantity::Pressure, {"atmospheric", "pressure"}},
    {Quantity::Pressure, {"station", "pressure"}},
    {Quantity::Pressure, {"barometric", "pressure"}},
    {Quantity::Altitude, {"altitude", ""}},
}};

bool IsSeparator(char c) {
    return c == '_' || c == '-' || c == ' ';
}

// `text` without `word` at its front (any case), or nothing.
std::optional<std::string_view> AfterWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size() || !EqualsIgnoringCase(text.substr(0, word.size()), word))
        return std::nullopt;
    return text.substr(word.size());
}

// `text` past a separator and `word`, or nothing.
std::optional<std::string_view> AfterJoinedWord(std::string_view text, std::string_view word) {
    if (text.empty() || !IsSeparator(text.front()))
        return std::nullopt;
    return AfterWord(text.substr(1), word);
}

// What follows a quantity's words: "_unit", "-unit", " unit", ", unit",
// "(unit)", " [unit]", ... The unit's text, empty when nothing follows; nothing when
// the rest does not begin as a unit does (the name goes on as another word:
// "dry_bulbs").
std::optional<std::string_view> UnitPart(std::string_view rest) {
    if (rest.empty())
        return rest;
    std::size_t blanks = 0;
    while (blanks < rest.size() && rest[blanks] == ' ')
        ++blanks;
    if (blanks < rest.size() && (rest[blanks] == '(' || rest[blanks] == '[')) {
        const char close = rest[blanks] == '(' ? ')' : ']';
        std::string_view inside = TrimField(rest.substr(blanks + 1));
        if (inside.empty() || inside.back() != close)
            return rest.substr(blanks); // no unit the program reads
        inside.remove_suffix(1);
        return TrimField(inside);
    }
    if (!IsSeparator(rest.front()) && rest.front() != ',')
        return std::nullopt;
    return TrimField(rest.substr(1));
}

struct NameParts {
    std::optional<Quantity> quantity;
    std::optional<std::string_view> unit; // the unit's text; nothing when none is given
};

NameParts SplitName(std::string_view name) {
    name = TrimField(name);
    for (const QuantityWords& q : kQuantityWords) {
        std::optional<std::string_view> rest = AfterWord(name, q.words[0]);
        if (rest && !q.words[1].empty())
            rest = AfterJoinedWord(*rest, q.words[1]);
        if (!rest)
            continue;
        if (IsTemperature(q.quantity)) {
            for (std::string_view word : {"temperature", "temp"}) {
                const auto longer = AfterJoinedWord(*rest, word);
                if (longer && UnitPart(*longer)) {
                    rest = longer;
                    break;
                }
            }
        }
        const std::optional<std::string_view> unit = UnitPart(*rest);
        if (!unit)
            continue;
        return NameParts{q.quantity, unit->empty() ? std::nullopt : unit};
    }
    return {};
}

} // namespace

std::optional<Column> ParseColumnName(std::string_view name) {
    const NameParts parts = SplitName(name);
    if (!parts.quantity || !parts.unit)
        return std::nullopt;
    for (const UnitEntry& entry : kUnits)
        if (Measures(entry.unit, *parts.quantity) && IsSpellingOf(*parts.unit, entry))
            return Column{*parts.quantity, entry.unit};
    return std::nullopt;
}

std::optional<Quantity> NamedQuantity(std::string_view name) {
    return SplitName(name).quantity;
}

std::optional<std::string> UnitProblem(std::string_view name) {
    if (const auto message = UnitProblemMessage(name))
        return message->English();
    return std::nullopt;
}

std::optional<i18n::Message> UnitProblemMessage(std::string_view name, bool sentence) {
    using i18n::Argument;
    const NameParts parts = SplitName(name);
    if (!parts.quantity || ParseColumnName(name))
        return std::nullopt;
    const std::string quantity(QuantityName(*parts.quantity));
    std::string units;
    std::string_view example;
    for (const UnitEntry& entry : kUnits) {
        if (!Measures(entry.unit, *parts.quantity))
            continue;
        units.append(units.empty() ? "" : ", ").append(entry.name);
        if (example.empty())
            example = entry.name;
    }
    const Argument column = Argument::Plain(ShownText(TrimField(name)));
    if (parts.unit) {
        return i18n::Message{sentence
                                 ? VW_TRANSLATABLE("weather::Columns",
                                                   "Column \"%1\": no such unit of %2 (units: %3).")
                                 : VW_TRANSLATABLE("weather::Columns",
                                                   "Column \"%1\": no such unit of %2 (units: %3)"),
                             {column, Argument::Plain(quantity), Argument::Plain(units)}};
    }
    return i18n::Message{
        sentence ? VW_TRANSLATABLE("weather::Columns",
                                   "Column \"%1\" gives no unit; name it with one of the units "
                                   "of %2 (%3), such as %2_%4.")
                 : VW_TRANSLATABLE("weather::Columns",
                                   "Column \"%1\" gives no unit; name it with one of the units "
                                   "of %2 (%3), such as %2_%4"),
        {column, Argument::Plain(quantity), Argument::Plain(units),
         Argument::Plain(std::string(example))}};
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
