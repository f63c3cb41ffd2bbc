#include "airhandler/Tables.h"

#include "core/NumberFormat.h"
#include "engine/FloatingPointFault.h"
#include "engine/PsychroFun.h"
#include "engine/Units.h"
#include "processes/Air.h"

#include <algorithm>

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

std::string Text(std::string_view text) {
    return std::string(text);
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

std::string_view StreamName(Stream stream) noexcept {
    return stream == Stream::OutdoorAir ? "Outdoor air" : "Supply air";
}

std::string_view DutyName(Duty duty) noexcept {
    return duty == Duty::Cooling ? "Cooling" : "Heating";
}

constexpr std::string_view kNotClosed = "The air leaving the chain does not reach the supply air.";

// The message of a refused case, the component named.
std::string Refusal(const DesignCase& c, const Issue& issue) {
    std::string_view name;
    if (issue.component >= 0 && issue.component < static_cast<int>(c.components.size()))
        name = ComponentName(c.components[static_cast<std::size_t>(issue.component)]);
    return Explain(issue, name);
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

using Row = std::vector<std::string>;

Row StateRow(const Units& u, std::string_view name, std::string_view air, const AirState& state,
             std::optional<double> dryAirLbPerHour) {
    Row row(kColumnCount);
    row[kName] = Text(name);
    row[kAir] = Text(air);
    row[kOutDryBulb] = u.t(state.dryBulbF);
    row[kOutHumidity] = u.w(state.humidityRatio);
    if (dryAirLbPerHour)
        row[kDryAir] = u.mass(*dryAirLbPerHour);
    return row;
}

} // namespace

Table ComponentsTable(const Design& design, const Solution& solution, Season season) {
    const Units u{solution.system == UnitSystem::SI};
    Table table;
    table.header = {"#",
                    "Component",
                    "Air",
                    "Entering dry bulb (" + u.temperature() + ")",
                    "Entering humidity ratio (" + u.humidityRatio() + ")",
                    "Leaving dry bulb (" + u.temperature() + ")",
                    "Leaving humidity ratio (" + u.humidityRatio() + ")",
                    "Dry air (" + u.massFlow() + ")",
                    "Process",
                    "Sensible (" + u.heat() + ")",
                    "Latent (" + u.heat() + ")",
                    "Total (" + u.heat() + ")",
                    "Water (" + u.massFlow() + ")",
                    "Note"};
    const DesignCase& c = design.of(season);
    const auto& outcome = solution.of(season);
    if (!outcome) {
        Row row(kColumnCount);
        row[kName] = "Refused";
        row[kNote] = Refusal(c, outcome.issue());
        table.rows.push_back(std::move(row));
        return table;
    }
    const CaseSolution& s = *outcome;

    table.rows.push_back(
        StateRow(u, "Outdoor air", "Outdoor air", s.outdoor, s.outdoorDryAirLbPerHour));
    table.rows.push_back(StateRow(u, "Return air", "Return air", s.room, s.returnDryAirLbPerHour));
    const bool hasMixingBox =
        std::any_of(c.components.begin(), c.components.end(), [](const Component& component) {
            return std::holds_alternative<MixingBox>(component);
        });
    for (std::size_t i = 0; i < s.components.size(); ++i) {
        const ComponentResult& r = s.components[i];
        if (!hasMixingBox && i == 0) {
            Row mixed = StateRow(u, "Mixed air", "Supply air", s.mixed, s.supplyDryAirLbPerHour);
            mixed[kNote] = Text(Describe(s.economizer.reason));
            table.rows.push_back(std::move(mixed));
        }
        Row row(kColumnCount);
        row[kIndex] = std::to_string(i + 1);
        row[kName] = Text(r.name);
        row[kAir] = Text(StreamName(r.stream));
        row[kInDryBulb] = u.t(r.entering.dryBulbF);
        row[kInHumidity] = u.w(r.entering.humidityRatio);
        row[kOutDryBulb] = u.t(r.leaving.dryBulbF);
        row[kOutHumidity] = u.w(r.leaving.humidityRatio);
        row[kDryAir] = u.mass(r.dryAirLbPerHour);
        if (r.analysis) {
            row[kProcess] = Text(processes::ProcessName(r.analysis->kind));
            if (const auto& loads = r.analysis->loads) {
                row[kSensible] = u.q(loads->sensible.btuPerHour);
                row[kLatent] = u.q(loads->latent.btuPerHour);
                row[kTotal] = u.q(loads->total.btuPerHour);
                row[kWaterColumn] = u.water(loads->waterLbPerHour);
            }
        }
        row[kNote] = Text(r.note);
        if (r.coil) {
            if (!row[kNote].empty())
                row[kNote] += ' ';
            row[kNote] += "Apparatus dew point " + u.t(r.coil->apparatusDewPoint.dryBulbF) + ' ' +
                          u.temperature() + ", bypass factor " +
                          Number(r.coil->bypassFactor, kRatio) + '.';
        }
        table.rows.push_back(std::move(row));
        if (r.exhaust) {
            Row exhaust(kColumnCount);
            exhaust[kName] = Text(r.name) + ", exhaust side";
            exhaust[kAir] = "Exhaust air";
            exhaust[kInDryBulb] = u.t(r.exhaust->entering.dryBulbF);
            exhaust[kInHumidity] = u.w(r.exhaust->entering.humidityRatio);
            exhaust[kOutDryBulb] = u.t(r.exhaust->leaving.dryBulbF);
            exhaust[kOutHumidity] = u.w(r.exhaust->leaving.humidityRatio);
            exhaust[kDryAir] = u.mass(r.exhaust->dryAirLbPerHour);
            table.rows.push_back(std::move(exhaust));
        }
    }
    if (!hasMixingBox && s.components.empty()) {
        Row mixed = StateRow(u, "Mixed air", "Supply air", s.mixed, s.supplyDryAirLbPerHour);
        mixed[kNote] = Text(Describe(s.economizer.reason));
        table.rows.push_back(std::move(mixed));
    }

    Row supply = StateRow(u, "Supply air", "Supply air", s.supply, s.supplyDryAirLbPerHour);
    if (!s.reachesSupply)
        supply[kNote] = Text(kNotClosed);
    table.rows.push_back(std::move(supply));
    Row room = StateRow(u, "Room", "Room air", s.room, std::nullopt);
    room[kProcess] = "Room loads";
    room[kSensible] = u.q(c.roomSensibleBtuPerHour);
    room[kLatent] = u.q(c.roomLatentBtuPerHour);
    room[kTotal] = u.q(c.roomSensibleBtuPerHour + c.roomLatentBtuPerHour);
    table.rows.push_back(std::move(room));
    return table;
}

Table RollupTable(const Design& design, const Solution& solution) {
    const Units u{solution.system == UnitSystem::SI};
    const std::string airflowUnit(processes::AirflowUnitSymbol(solution.airflowUnit));
    Table table;
    table.header = {"Quantity", "Summer", "Winter"};

    // A row of one value per case, empty for a refused case.
    const auto add = [&](std::string name, const auto& value) {
        Row row{std::move(name)};
        for (const Season season : {Season::Summer, Season::Winter}) {
            const auto& outcome = solution.of(season);
            row.push_back(outcome ? value(*outcome, design.of(season)) : std::string{});
        }
        table.rows.push_back(std::move(row));
    };
    using S = CaseSolution;
    using C = DesignCase;

    add("Duty", [](const S& s, const C&) { return Text(DutyName(s.duty)); });
    add("Room sensible load (" + u.heat() + ")",
        [&](const S&, const C& c) { return u.q(c.roomSensibleBtuPerHour); });
    add("Room latent load (" + u.heat() + ")",
        [&](const S&, const C& c) { return u.q(c.roomLatentBtuPerHour); });
    add("Room sensible heat ratio", [](const S& s, const C&) {
        return s.sensibleHeatRatio ? Number(*s.sensibleHeatRatio, kRatio) : std::string{};
    });
    add("Room dry bulb (" + u.temperature() + ")",
        [&](const S& s, const C&) { return u.t(s.room.dryBulbF); });
    add("Room humidity ratio (" + u.humidityRatio() + ")",
        [&](const S& s, const C&) { return u.w(s.room.humidityRatio); });
    add("Room enthalpy (" + u.enthalpy() + ")", [&](const S& s, const C&) { return u.h(s.room); });
    add("Supply dry bulb (" + u.temperature() + ")",
        [&](const S& s, const C&) { return u.t(s.supply.dryBulbF); });
    add("Supply humidity ratio (" + u.humidityRatio() + ")",
        [&](const S& s, const C&) { return u.w(s.supply.humidityRatio); });
    add("Supply relative humidity (%)", [](const S& s, const C&) { return Units::rh(s.supply); });
    add("Supply enthalpy (" + u.enthalpy() + ")",
        [&](const S& s, const C&) { return u.h(s.supply); });
    add("Supply airflow (" + airflowUnit + ")",
        [](const S& s, const C&) { return AirflowText(s.supplyAirflow); });
    add("Supply dry air (" + u.massFlow() + ")",
        [&](const S& s, const C&) { return u.mass(s.supplyDryAirLbPerHour); });
    add("Outdoor dry bulb (" + u.temperature() + ")",
        [&](const S& s, const C&) { return u.t(s.outdoor.dryBulbF); });
    add("Outdoor humidity ratio (" + u.humidityRatio() + ")",
        [&](const S& s, const C&) { return u.w(s.outdoor.humidityRatio); });
    add("Outdoor enthalpy (" + u.enthalpy() + ")",
        [&](const S& s, const C&) { return u.h(s.outdoor); });
    add("Outdoor air share (%)", [](const S& s, const C&) {
        return Number(units::FractionToPercent(s.outdoorShare), kPercent);
    });
    add("Outdoor airflow (" + airflowUnit + ")", [](const S& s, const C&) {
        return s.outdoorAirflow ? AirflowText(*s.outdoorAirflow) : std::string("0");
    });
    add("Economizer", [](const S& s, const C&) { return Text(Describe(s.economizer.reason)); });
    add("Mixed air dry bulb (" + u.temperature() + ")",
        [&](const S& s, const C&) { return u.t(s.mixed.dryBulbF); });
    add("Mixed air humidity ratio (" + u.humidityRatio() + ")",
        [&](const S& s, const C&) { return u.w(s.mixed.humidityRatio); });
    add("Mixed air enthalpy (" + u.enthalpy() + ")",
        [&](const S& s, const C&) { return u.h(s.mixed); });
    add("Cooling (tons)",
        [](const S& s, const C&) { return Number(s.rollup.cooling.tons(), kTons); });
    add("Cooling (kW)",
        [](const S& s, const C&) { return Number(s.rollup.cooling.kilowatts(), kKilowatts); });
    add("Cooling, sensible (" + u.heat() + ")",
        [&](const S& s, const C&) { return u.q(s.rollup.coolingSensible.btuPerHour); });
    add("Cooling, latent (" + u.heat() + ")",
        [&](const S& s, const C&) { return u.q(s.rollup.coolingLatent.btuPerHour); });
    add("Heating (kW)",
        [](const S& s, const C&) { return Number(s.rollup.heating.kilowatts(), kKilowatts); });
    add("Heating (Btu/h)",
        [](const S& s, const C&) { return Number(s.rollup.heating.btuPerHour, kBtuPerHour); });
    add("Steam heat (" + u.heat() + ")",
        [&](const S& s, const C&) { return u.q(s.rollup.steam.btuPerHour); });
    add("Fan heat (" + u.heat() + ")",
        [&](const S& s, const C&) { return u.q(s.rollup.fan.btuPerHour); });
    add("Heat recovered into the outdoor air (" + u.heat() + ")",
        [&](const S& s, const C&) { return u.q(s.rollup.recovered.btuPerHour); });
    add("Humidifier water (lb/h)",
        [](const S& s, const C&) { return Number(s.rollup.humidifierWaterLbPerHour, kWater); });
    add("Humidifier water (kg/h)",
        [](const S& s, const C&) { return Number(s.rollup.humidifierWaterKgPerHour(), kWater); });
    add("Condensate (" + u.massFlow() + ")",
        [&](const S& s, const C&) { return u.water(s.rollup.condensateLbPerHour); });
    add("Room sensible load delivered (%)", [](const S& s, const C&) {
        return s.roomCheck.sensiblePercent ? Number(*s.roomCheck.sensiblePercent, kPercent)
                                           : std::string{};
    });
    add("Room latent load delivered (%)", [](const S& s, const C&) {
        return s.roomCheck.latentPercent ? Number(*s.roomCheck.latentPercent, kPercent)
                                         : std::string{};
    });
    add("Room loads met within 1 %",
        [](const S& s, const C&) { return Text(s.roomCheck.met ? "Yes" : "No"); });

    Row note{"Note"};
    for (const Season season : {Season::Summer, Season::Winter}) {
        const auto& outcome = solution.of(season);
        if (!outcome)
            note.push_back(Refusal(design.of(season), outcome.issue()));
        else
            note.push_back(outcome->reachesSupply ? std::string{} : Text(kNotClosed));
    }
    table.rows.push_back(std::move(note));
    return table;
}

std::string ToCsv(const Table& table) {
    std::string out;
    const auto line = [&out](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out += ',';
            const std::string& f = fields[i];
            if (f.find_first_of(",\"\r\n") == std::string::npos) {
                out += f;
                continue;
            }
            out += '"';
            for (const char ch : f) {
                if (ch == '"')
                    out += '"';
                out += ch;
            }
            out += '"';
        }
        out += "\r\n";
    };
    line(table.header);
    for (const auto& row : table.rows)
        line(row);
    return out;
}

} // namespace airhandler
