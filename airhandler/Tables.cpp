#include "airhandler/Tables.h"

#include "airhandler/Notes.h"
#include "core/CsvText.h"
#include "core/NumberFormat.h"
#include "engine/FloatingPointFault.h"
#include "engine/PsychroFun.h"
#include "engine/Units.h"
#include "processes/Air.h"

#include <algorithm>
#include <type_traits>

namespace airhandler {

namespace units = basPsychroFun::units;
using processes::AirState;

namespace {

// Two decimals of a degree and six of a humidity ratio, as fine as the
// calculator shows them; loads to the Btu/h or the watt.
constexpr std::string_view kTemperature = "0.00";
constexpr std::string_view kHumidityRatio = "0.000000";
constexpr std::string_view kBtuPerHour = "0";
constexpr std::string_view kKilowatts = "0.000";
constexpr std::string_view kTons = "0.00";
constexpr std::string_view kMassFlow = "0";
constexpr std::string_view kWater = "0.00";
constexpr std::string_view kPercent = "0.00";
constexpr std::string_view kRatio = "0.0000";
constexpr std::string_view kEnthalpy = "0.00";

std::string Number(double value, std::string_view pattern) {
    return calculator::FormatNumber(value, pattern);
}

// A value of the engine's relations, empty where they fault (never for the
// real air of a solved case).
template <typename F>
std::string Guarded(F&& text) {
    try {
        return text();
    } catch (const basPsychroFun::FloatingPointFault&) {
        return {};
    }
}

// The units of the solution's system, and values in them from base units.
struct Units {
    bool si;

    [[nodiscard]] std::string temperature() const { return si ? "°C" : "°F"; }
    [[nodiscard]] std::string humidityRatio() const { return si ? "kg/kg" : "lb/lb"; }
    [[nodiscard]] std::string massFlow() const { return si ? "kg/h" : "lb/h"; }
    [[nodiscard]] std::string heat() const { return si ? "kW" : "Btu/h"; }
    [[nodiscard]] std::string enthalpy() const { return si ? "kJ/kg" : "Btu/lb"; }

    [[nodiscard]] std::string t(double tF) const {
        return Number(si ? units::FahrenheitToCelsius(tF) : tF, kTemperature);
    }
    [[nodiscard]] std::string w(double w) const { return Number(w, kHumidityRatio); }
    [[nodiscard]] std::string mass(double lbPerHour) const {
        return Number(si ? units::PoundsToKilograms(lbPerHour) : lbPerHour, kMassFlow);
    }
    [[nodiscard]] std::string water(double lbPerHour) const {
        return Number(si ? units::PoundsToKilograms(lbPerHour) : lbPerHour, kWater);
    }
    // Enthalpy in the system's own formulation (ASHRAE Handbook—Fundamentals
    // ch. 1 eq. 32, IP or SI), as the loads are computed.
    [[nodiscard]] std::string h(const AirState& state) const {
        return Guarded([&] {
            return Number(processes::air::Enthalpy(state.dryBulbF, state.humidityRatio,
                                                   si ? UnitSystem::SI : UnitSystem::IP),
                          kEnthalpy);
        });
    }
    // Relative humidity, %: the vapour pressure over the saturation pressure
    // at the dry bulb (ch. 1 eq. 24).
    [[nodiscard]] static std::string rh(const AirState& state) {
        return Guarded([&] {
            const double pw =
                processes::air::VapourPressure(state.humidityRatio, state.pressurePsia);
            return Number(units::FractionToPercent(
                              pw / basPsychroFun::SaturationPressure(state.dryBulbF, "IP")),
                          kPercent);
        });
    }
    [[nodiscard]] std::string q(double btuPerHour) const {
        return si ? Number(units::BtuPerHourToKilowatts(btuPerHour), kKilowatts)
                  : Number(btuPerHour, kBtuPerHour);
    }
};

std::string AirflowText(const processes::Airflow& airflow) {
    switch (airflow.unit) {
    case processes::AirflowUnit::Cfm:
    case processes::AirflowUnit::CubicMetresPerHour:
        return Number(airflow.value, "0");
    case processes::AirflowUnit::LitresPerSecond:
        return Number(airflow.value, "0.0");
    case processes::AirflowUnit::CubicMetresPerSecond:
        break;
    }
    return Number(airflow.value, "0.0000");
}

// --- The cells, as messages a window translates --------------------------

using Cell = i18n::Message;
using Row = std::vector<Cell>;

constexpr const char* kContext = "airhandler::Tables";

// A cell shown as it is: a name the user gave, a unit, nothing. Its pattern
// "%1" is no text of any catalogue, so every language shows it unchanged.
Cell Verbatim(std::string text) {
    return {{kContext, "%1"}, {i18n::Argument::Plain(std::move(text))}};
}

// A number (English digits, as Number writes them), shown in the reader's
// number format.
Cell Digits(std::string digits) {
    return {{kContext, "%1"}, {i18n::Argument::Number(std::move(digits))}};
}

Cell Words(i18n::Text text) {
    return {text, {}};
}

// A header with its unit in place of %1.
Cell Header(i18n::Text pattern, std::string unit) {
    return {pattern, {i18n::Argument::Plain(std::move(unit))}};
}

// Two sentences of one note, in their order.
Cell Joined(Cell first, Cell second) {
    return {{kContext, "%1 %2"},
            {i18n::Argument::Nested(std::move(first)), i18n::Argument::Nested(std::move(second))}};
}

Cell StreamName(Stream stream) {
    return Words(stream == Stream::OutdoorAir
                     ? VW_TRANSLATABLE("airhandler::Tables", "Outdoor air")
                     : VW_TRANSLATABLE("airhandler::Tables", "Supply air"));
}

Cell DutyName(Duty duty) {
    return Words(duty == Duty::Cooling ? VW_TRANSLATABLE("airhandler::Tables", "Cooling")
                                       : VW_TRANSLATABLE("airhandler::Tables", "Heating"));
}

Cell NotClosed() {
    return Words(VW_TRANSLATABLE("airhandler::Tables",
                                 "The air leaving the chain does not reach the supply air."));
}

// A component's note: one of the marked notes or the economizer's decision;
// any other shown as it is.
Cell Note(std::string_view note) {
    if (note.empty())
        return Verbatim({});
    for (const i18n::Text& text : notes::kAll)
        if (note == text.source)
            return Words(text);
    for (int i = 0; i <= static_cast<int>(EconomizerReason::AboveHighLimit); ++i) {
        const auto reason = static_cast<EconomizerReason>(i);
        if (note == Describe(reason))
            return Words(EconomizerText(reason));
    }
    return Verbatim(std::string(note));
}

// The message of a refused case, the component named.
Cell Refusal(const DesignCase& c, const Issue& issue) {
    i18n::Text name{};
    if (issue.component >= 0 && issue.component < static_cast<int>(c.components.size()))
        name = ComponentNameText(c.components[static_cast<std::size_t>(issue.component)]);
    return ExplainMessage(issue, name);
}

// The name of component `i` of the case, marked where it is the design's.
Cell ComponentCell(const DesignCase& c, std::size_t i, std::string_view name) {
    if (i < c.components.size() && ComponentName(c.components[i]) == name)
        return Words(ComponentNameText(c.components[i]));
    return Verbatim(std::string(name));
}

enum Column {
    kIndex,
    kName,
    kAir,
    kInDryBulb,
    kInHumidity,
    kOutDryBulb,
    kOutHumidity,
    kDryAir,
    kProcess,
    kSensible,
    kLatent,
    kTotal,
    kWaterColumn,
    kNote,
    kColumnCount
};

Row EmptyRow() {
    return Row(kColumnCount, Verbatim({}));
}

Row StateRow(const Units& u, Cell name, Cell air, const AirState& state,
             std::optional<double> dryAirLbPerHour) {
    Row row = EmptyRow();
    row[kName] = std::move(name);
    row[kAir] = std::move(air);
    row[kOutDryBulb] = Digits(u.t(state.dryBulbF));
    row[kOutHumidity] = Digits(u.w(state.humidityRatio));
    if (dryAirLbPerHour)
        row[kDryAir] = Digits(u.mass(*dryAirLbPerHour));
    return row;
}

// The English texts of the cells, for the CSV.
void Finish(Table& table) {
    table.header.clear();
    for (const Cell& cell : table.shownHeader)
        table.header.push_back(cell.English());
    table.rows.clear();
    for (const Row& row : table.shownRows) {
        std::vector<std::string>& english = table.rows.emplace_back();
        for (const Cell& cell : row)
            english.push_back(cell.English());
    }
}

} // namespace

Table ComponentsTable(const Design& design, const Solution& solution, Season season) {
    const Units u{solution.system == UnitSystem::SI};
    const std::string t = u.temperature();
    const std::string w = u.humidityRatio();
    const std::string q = u.heat();
    const std::string m = u.massFlow();
    Table table;
    table.shownHeader = {
        Verbatim("#"),
        Words(VW_TRANSLATABLE("airhandler::Tables", "Component")),
        Words(VW_TRANSLATABLE("airhandler::Tables", "Air")),
        Header(VW_TRANSLATABLE("airhandler::Tables", "Entering dry bulb (%1)"), t),
        Header(VW_TRANSLATABLE("airhandler::Tables", "Entering humidity ratio (%1)"), w),
        Header(VW_TRANSLATABLE("airhandler::Tables", "Leaving dry bulb (%1)"), t),
        Header(VW_TRANSLATABLE("airhandler::Tables", "Leaving humidity ratio (%1)"), w),
        Header(VW_TRANSLATABLE("airhandler::Tables", "Dry air (%1)"), m),
        Words(VW_TRANSLATABLE("airhandler::Tables", "Process")),
        Header(VW_TRANSLATABLE("airhandler::Tables", "Sensible (%1)"), q),
        Header(VW_TRANSLATABLE("airhandler::Tables", "Latent (%1)"), q),
        Header(VW_TRANSLATABLE("airhandler::Tables", "Total (%1)"), q),
        Header(VW_TRANSLATABLE("airhandler::Tables", "Water (%1)"), m),
        Words(VW_TRANSLATABLE("airhandler::Tables", "Note")),
    };
    const DesignCase& c = design.of(season);
    const auto& outcome = solution.of(season);
    if (!outcome) {
        Row row = EmptyRow();
        row[kName] = Words(VW_TRANSLATABLE("airhandler::Tables", "Refused"));
        row[kNote] = Refusal(c, outcome.issue());
        table.shownRows.push_back(std::move(row));
        Finish(table);
        return table;
    }
    const CaseSolution& s = *outcome;

    const Cell outdoorAir = Words(VW_TRANSLATABLE("airhandler::Tables", "Outdoor air"));
    const Cell returnAir = Words(VW_TRANSLATABLE("airhandler::Tables", "Return air"));
    const Cell mixedAir = Words(VW_TRANSLATABLE("airhandler::Tables", "Mixed air"));
    const Cell supplyAir = Words(VW_TRANSLATABLE("airhandler::Tables", "Supply air"));
    table.shownRows.push_back(
        StateRow(u, outdoorAir, outdoorAir, s.outdoor, s.outdoorDryAirLbPerHour));
    table.shownRows.push_back(StateRow(u, returnAir, returnAir, s.room, s.returnDryAirLbPerHour));
    const bool hasMixingBox =
        std::any_of(c.components.begin(), c.components.end(), [](const Component& component) {
            return std::holds_alternative<MixingBox>(component);
        });
    const auto mixedRow = [&] {
        Row mixed = StateRow(u, mixedAir, supplyAir, s.mixed, s.supplyDryAirLbPerHour);
        mixed[kNote] = Words(EconomizerText(s.economizer.reason));
        table.shownRows.push_back(std::move(mixed));
    };
    for (std::size_t i = 0; i < s.components.size(); ++i) {
        const ComponentResult& r = s.components[i];
        if (!hasMixingBox && i == 0)
            mixedRow();
        Row row = EmptyRow();
        row[kIndex] = Verbatim(std::to_string(i + 1));
        row[kName] = ComponentCell(c, i, r.name);
        row[kAir] = StreamName(r.stream);
        row[kInDryBulb] = Digits(u.t(r.entering.dryBulbF));
        row[kInHumidity] = Digits(u.w(r.entering.humidityRatio));
        row[kOutDryBulb] = Digits(u.t(r.leaving.dryBulbF));
        row[kOutHumidity] = Digits(u.w(r.leaving.humidityRatio));
        row[kDryAir] = Digits(u.mass(r.dryAirLbPerHour));
        if (r.analysis) {
            row[kProcess] = Words(processes::ProcessNameText(r.analysis->kind));
            if (const auto& loads = r.analysis->loads) {
                row[kSensible] = Digits(u.q(loads->sensible.btuPerHour));
                row[kLatent] = Digits(u.q(loads->latent.btuPerHour));
                row[kTotal] = Digits(u.q(loads->total.btuPerHour));
                row[kWaterColumn] = Digits(u.water(loads->waterLbPerHour));
            }
        }
        row[kNote] = Note(r.note);
        if (r.coil) {
            Cell coil{VW_TRANSLATABLE("airhandler::Tables",
                                      "Apparatus dew point %1 %2, bypass factor %3."),
                      {i18n::Argument::Number(u.t(r.coil->apparatusDewPoint.dryBulbF)),
                       i18n::Argument::Plain(t),
                       i18n::Argument::Number(Number(r.coil->bypassFactor, kRatio))}};
            row[kNote] = r.note.empty() ? std::move(coil) : Joined(row[kNote], std::move(coil));
        }
        table.shownRows.push_back(std::move(row));
        if (r.exhaust) {
            Row exhaust = EmptyRow();
            exhaust[kName] = {VW_TRANSLATABLE("airhandler::Tables", "%1, exhaust side"),
                              {i18n::Argument::Nested(ComponentCell(c, i, r.name))}};
            exhaust[kAir] = Words(VW_TRANSLATABLE("airhandler::Tables", "Exhaust air"));
            exhaust[kInDryBulb] = Digits(u.t(r.exhaust->entering.dryBulbF));
            exhaust[kInHumidity] = Digits(u.w(r.exhaust->entering.humidityRatio));
            exhaust[kOutDryBulb] = Digits(u.t(r.exhaust->leaving.dryBulbF));
            exhaust[kOutHumidity] = Digits(u.w(r.exhaust->leaving.humidityRatio));
            exhaust[kDryAir] = Digits(u.mass(r.exhaust->dryAirLbPerHour));
            table.shownRows.push_back(std::move(exhaust));
        }
    }
    if (!hasMixingBox && s.components.empty())
        mixedRow();

    Row supply = StateRow(u, supplyAir, supplyAir, s.supply, s.supplyDryAirLbPerHour);
    if (!s.reachesSupply)
        supply[kNote] = NotClosed();
    table.shownRows.push_back(std::move(supply));
    Row room =
        StateRow(u, Words(VW_TRANSLATABLE("airhandler::Tables", "Room")),
                 Words(VW_TRANSLATABLE("airhandler::Tables", "Room air")), s.room, std::nullopt);
    room[kProcess] = Words(VW_TRANSLATABLE("airhandler::Tables", "Room loads"));
    room[kSensible] = Digits(u.q(c.roomSensibleBtuPerHour));
    room[kLatent] = Digits(u.q(c.roomLatentBtuPerHour));
    room[kTotal] = Digits(u.q(c.roomSensibleBtuPerHour + c.roomLatentBtuPerHour));
    table.shownRows.push_back(std::move(room));
    Finish(table);
    return table;
}

Table RollupTable(const Design& design, const Solution& solution) {
    const Units u{solution.system == UnitSystem::SI};
    const std::string airflowUnit(processes::AirflowUnitSymbol(solution.airflowUnit));
    const std::string t = u.temperature();
    const std::string w = u.humidityRatio();
    const std::string q = u.heat();
    const std::string m = u.massFlow();
    const std::string h = u.enthalpy();
    Table table;
    table.shownHeader = {Words(VW_TRANSLATABLE("airhandler::Tables", "Quantity")),
                         Words(VW_TRANSLATABLE("airhandler::Tables", "Summer")),
                         Words(VW_TRANSLATABLE("airhandler::Tables", "Winter"))};

    // A row of one value per case, empty for a refused case; a value is a
    // number unless the function gives a cell.
    const auto add = [&](Cell name, const auto& value) {
        Row row{std::move(name)};
        for (const Season season : {Season::Summer, Season::Winter}) {
            const auto& outcome = solution.of(season);
            if (!outcome) {
                row.push_back(Verbatim({}));
                continue;
            }
            auto v = value(*outcome, design.of(season));
            if constexpr (std::is_same_v<decltype(v), Cell>)
                row.push_back(std::move(v));
            else
                row.push_back(Digits(std::move(v)));
        }
        table.shownRows.push_back(std::move(row));
    };
    const auto named = [&](i18n::Text pattern, const std::string& unit) {
        return Header(pattern, unit);
    };
    using S = CaseSolution;
    using C = DesignCase;

    add(Words(VW_TRANSLATABLE("airhandler::Tables", "Duty")),
        [](const S& s, const C&) { return DutyName(s.duty); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Room sensible load (%1)"), q),
        [&](const S&, const C& c) { return u.q(c.roomSensibleBtuPerHour); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Room latent load (%1)"), q),
        [&](const S&, const C& c) { return u.q(c.roomLatentBtuPerHour); });
    add(Words(VW_TRANSLATABLE("airhandler::Tables", "Room sensible heat ratio")),
        [](const S& s, const C&) {
            return s.sensibleHeatRatio ? Number(*s.sensibleHeatRatio, kRatio) : std::string{};
        });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Room dry bulb (%1)"), t),
        [&](const S& s, const C&) { return u.t(s.room.dryBulbF); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Room humidity ratio (%1)"), w),
        [&](const S& s, const C&) { return u.w(s.room.humidityRatio); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Room enthalpy (%1)"), h),
        [&](const S& s, const C&) { return u.h(s.room); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Supply dry bulb (%1)"), t),
        [&](const S& s, const C&) { return u.t(s.supply.dryBulbF); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Supply humidity ratio (%1)"), w),
        [&](const S& s, const C&) { return u.w(s.supply.humidityRatio); });
    add(Words(VW_TRANSLATABLE("airhandler::Tables", "Supply relative humidity (%)")),
        [](const S& s, const C&) { return Units::rh(s.supply); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Supply enthalpy (%1)"), h),
        [&](const S& s, const C&) { return u.h(s.supply); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Supply airflow (%1)"), airflowUnit),
        [](const S& s, const C&) { return AirflowText(s.supplyAirflow); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Supply dry air (%1)"), m),
        [&](const S& s, const C&) { return u.mass(s.supplyDryAirLbPerHour); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Outdoor dry bulb (%1)"), t),
        [&](const S& s, const C&) { return u.t(s.outdoor.dryBulbF); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Outdoor humidity ratio (%1)"), w),
        [&](const S& s, const C&) { return u.w(s.outdoor.humidityRatio); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Outdoor enthalpy (%1)"), h),
        [&](const S& s, const C&) { return u.h(s.outdoor); });
    add(Words(VW_TRANSLATABLE("airhandler::Tables", "Outdoor air share (%)")),
        [](const S& s, const C&) {
            return Number(units::FractionToPercent(s.outdoorShare), kPercent);
        });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Outdoor airflow (%1)"), airflowUnit),
        [](const S& s, const C&) {
            return s.outdoorAirflow ? AirflowText(*s.outdoorAirflow) : std::string("0");
        });
    add(Words(VW_TRANSLATABLE("airhandler::Tables", "Economizer")),
        [](const S& s, const C&) { return Words(EconomizerText(s.economizer.reason)); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Mixed air dry bulb (%1)"), t),
        [&](const S& s, const C&) { return u.t(s.mixed.dryBulbF); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Mixed air humidity ratio (%1)"), w),
        [&](const S& s, const C&) { return u.w(s.mixed.humidityRatio); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Mixed air enthalpy (%1)"), h),
        [&](const S& s, const C&) { return u.h(s.mixed); });
    add(Words(VW_TRANSLATABLE("airhandler::Tables", "Cooling (tons)")),
        [](const S& s, const C&) { return Number(s.rollup.cooling.tons(), kTons); });
    add(Words(VW_TRANSLATABLE("airhandler::Tables", "Cooling (kW)")),
        [](const S& s, const C&) { return Number(s.rollup.cooling.kilowatts(), kKilowatts); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Cooling, sensible (%1)"), q),
        [&](const S& s, const C&) { return u.q(s.rollup.coolingSensible.btuPerHour); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Cooling, latent (%1)"), q),
        [&](const S& s, const C&) { return u.q(s.rollup.coolingLatent.btuPerHour); });
    add(Words(VW_TRANSLATABLE("airhandler::Tables", "Heating (kW)")),
        [](const S& s, const C&) { return Number(s.rollup.heating.kilowatts(), kKilowatts); });
    add(Words(VW_TRANSLATABLE("airhandler::Tables", "Heating (Btu/h)")),
        [](const S& s, const C&) { return Number(s.rollup.heating.btuPerHour, kBtuPerHour); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Steam heat (%1)"), q),
        [&](const S& s, const C&) { return u.q(s.rollup.steam.btuPerHour); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Fan heat (%1)"), q),
        [&](const S& s, const C&) { return u.q(s.rollup.fan.btuPerHour); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Heat recovered into the outdoor air (%1)"), q),
        [&](const S& s, const C&) { return u.q(s.rollup.recovered.btuPerHour); });
    add(Words(VW_TRANSLATABLE("airhandler::Tables", "Humidifier water (lb/h)")),
        [](const S& s, const C&) { return Number(s.rollup.humidifierWaterLbPerHour, kWater); });
    add(Words(VW_TRANSLATABLE("airhandler::Tables", "Humidifier water (kg/h)")),
        [](const S& s, const C&) { return Number(s.rollup.humidifierWaterKgPerHour(), kWater); });
    add(named(VW_TRANSLATABLE("airhandler::Tables", "Condensate (%1)"), m),
        [&](const S& s, const C&) { return u.water(s.rollup.condensateLbPerHour); });
    add(Words(VW_TRANSLATABLE("airhandler::Tables", "Room sensible load delivered (%)")),
        [](const S& s, const C&) {
            return s.roomCheck.sensiblePercent ? Number(*s.roomCheck.sensiblePercent, kPercent)
                                               : std::string{};
        });
    add(Words(VW_TRANSLATABLE("airhandler::Tables", "Room latent load delivered (%)")),
        [](const S& s, const C&) {
            return s.roomCheck.latentPercent ? Number(*s.roomCheck.latentPercent, kPercent)
                                             : std::string{};
        });
    add(Words(VW_TRANSLATABLE("airhandler::Tables", "Room loads met within 1 %")),
        [](const S& s, const C&) {
            return Words(s.roomCheck.met ? VW_TRANSLATABLE("airhandler::Tables", "Yes")
                                         : VW_TRANSLATABLE("airhandler::Tables", "No"));
        });

    Row note{Words(VW_TRANSLATABLE("airhandler::Tables", "Note"))};
    for (const Season season : {Season::Summer, Season::Winter}) {
        const auto& outcome = solution.of(season);
        if (!outcome)
            note.push_back(Refusal(design.of(season), outcome.issue()));
        else
            note.push_back(outcome->reachesSupply ? Verbatim({}) : NotClosed());
    }
    table.shownRows.push_back(std::move(note));
    Finish(table);
    return table;
}

std::string ToCsv(const Table& table) {
    std::string out;
    csv::AppendRecord(out, table.header);
    for (const auto& row : table.rows)
        csv::AppendRecord(out, row);
    return out;
}

} // namespace airhandler
