#include "projectcore/Csv.h"

#include "airhandler/Tables.h"
#include "core/CsvText.h"
#include "engine/Units.h"
#include "projectcore/Text.h"

#include <initializer_list>

namespace project {

namespace units = basPsychroFun::units;

namespace {

// The units of the project's system and the conversions from base units.
struct SystemUnits {
    bool metric;
    [[nodiscard]] std::string temperature() const { return metric ? "°C" : "°F"; }
    [[nodiscard]] std::string temperatureSpan() const { return metric ? "K" : "°F"; }
    [[nodiscard]] std::string pressure() const { return metric ? "kPa" : "psia"; }
    [[nodiscard]] std::string enthalpy() const { return metric ? "kJ/kg" : "Btu/lb"; }
    [[nodiscard]] std::string volume() const { return metric ? "m³/kg" : "ft³/lb"; }
    [[nodiscard]] std::string density() const { return metric ? "kg/m³" : "lb/ft³"; }
    [[nodiscard]] std::string massFlow() const { return metric ? "kg/h" : "lb/h"; }
    [[nodiscard]] double t(double tF) const { return metric ? units::FahrenheitToCelsius(tF) : tF; }
    [[nodiscard]] double p(double psia) const { return metric ? units::PsiaToKPa(psia) : psia; }
    // CalcState keeps the metric enthalpy divided by kKJPerKgPerBtuPerLb.
    [[nodiscard]] double h(double stored) const {
        return metric ? units::MetricFromStoredEnthalpy(stored) : stored;
    }
    [[nodiscard]] double m(double lbPerHour) const {
        return metric ? units::PoundsToKilograms(lbPerHour) : lbPerHour;
    }
    [[nodiscard]] double v(double ft3PerLb) const {
        return metric ? ft3PerLb * units::kCubicMetresPerCubicFoot / units::kKilogramsPerPound
                      : ft3PerLb;
    }
    [[nodiscard]] double rho(double lbPerFt3) const {
        return metric ? lbPerFt3 * units::kKilogramsPerPound / units::kCubicMetresPerCubicFoot
                      : lbPerFt3;
    }
};

SystemUnits unitsOf(const Model& model) {
    return SystemUnits{model.atmosphere().system == UnitSystem::SI};
}

void appendEmpty(std::vector<std::string>& row, int count) {
    row.insert(row.end(), static_cast<std::size_t>(count), std::string());
}

} // namespace

std::string PointsCsv(const Model& model) {
    const SystemUnits u = unitsOf(model);
    std::string csv;
    ::csv::AppendRecord(
        csv,
        {"Point", "Dry bulb (" + u.temperature() + ")", "Wet bulb (" + u.temperature() + ")",
         "Dew point (" + u.temperature() + ")", "Relative humidity (%)",
         "Humidity ratio (lb/lb = kg/kg)", "Enthalpy (" + u.enthalpy() + ")",
         "Specific volume (" + u.volume() + ")", "Density (" + u.density() + ")",
         "Vapour pressure (" + u.pressure() + ")", "Degree of saturation (%)",
         "Absolute humidity (" + u.density() + ")", "Atmospheric pressure (" + u.pressure() + ")",
         "Airflow", "Airflow unit", "Dry air (" + u.massFlow() + ")", "PMV", "PPD (%)", "Note"});
    std::vector<std::string> row;
    for (int i = 0; i < model.pointCount(); ++i) {
        const StatePoint& point = model.point(i);
        const PointResult& r = model.pointResult(i);
        row.assign(1, point.name);
        if (r.state) {
            const CalcState& s = *r.state;
            row.insert(row.end(), {Number(u.t(s.Tdb)), Number(u.t(s.Twb)),
                                   calculator::HasDewPoint(s) ? Number(u.t(s.Tdp)) : std::string(),
                                   Number(units::FractionToPercent(static_cast<double>(s.Phi))),
                                   Number(static_cast<double>(s.W)), Number(u.h(s.H)),
                                   Number(u.v(s.V)), Number(u.rho(s.Rho)), Number(u.p(s.Pw)),
                                   Number(units::FractionToPercent(static_cast<double>(s.Mu))),
                                   Number(u.rho(s.Dv)), Number(u.p(s.Patm))});
        } else {
            appendEmpty(row, 12);
        }
        if (point.airflow) {
            row.push_back(Number(point.airflow->value));
            row.emplace_back(processes::AirflowUnitSymbol(point.airflow->unit));
        } else {
            appendEmpty(row, 2);
        }
        row.push_back(r.dryAirLbPerHour ? Number(u.m(*r.dryAirLbPerHour)) : std::string());
        row.push_back(r.comfort ? Number(r.comfort->pmv) : std::string());
        row.push_back(r.comfort ? Number(r.comfort->ppd) : std::string());
        row.push_back(r.state ? r.airflowMessage : r.reason);
        ::csv::AppendRecord(csv, row);
    }
    return csv;
}

std::string ProcessesCsv(const Model& model) {
    const SystemUnits u = unitsOf(model);
    std::string csv;
    ::csv::AppendRecord(
        csv,
        {"From", "To", "Process", "Dry bulb change (" + u.temperatureSpan() + ")",
         "Humidity ratio change (lb/lb = kg/kg)", "Enthalpy change (" + u.enthalpy() + ")",
         "Sensible heat ratio", "Dry air (" + u.massFlow() + ")", "Sensible (Btu/h)",
         "Latent (Btu/h)", "Total (Btu/h)", "Total (tons)", "Total (kW)", "Water (lb/h)",
         "Water (kg/h)", "Apparatus dew point (" + u.temperature() + ")", "Bypass factor", "Note"});
    std::vector<std::string> row;
    for (int i = 0; i < model.processCount(); ++i) {
        const ProcessLink& link = model.data().processes[static_cast<std::size_t>(i)];
        const ProcessResult& r = model.processResult(i);
        row.assign({model.nameOfId(link.fromId), model.nameOfId(link.toId)});
        if (r.analysis) {
            const auto& a = *r.analysis;
            row.insert(row.end(),
                       {std::string(processes::ProcessName(a.kind)),
                        Number(u.metric ? units::FahrenheitSpanToKelvin(a.dryBulbChangeF)
                                        : a.dryBulbChangeF),
                        Number(a.humidityRatioChange), Number(a.enthalpyChange),
                        a.sensibleHeatRatio ? Number(*a.sensibleHeatRatio) : std::string()});
            if (a.loads) {
                const auto& l = *a.loads;
                row.insert(row.end(),
                           {Number(u.m(l.dryAirLbPerHour)), Number(l.sensible.btuPerHour),
                            Number(l.latent.btuPerHour), Number(l.total.btuPerHour),
                            Number(l.total.tons()), Number(l.total.kilowatts()),
                            Number(l.waterLbPerHour), Number(l.waterKgPerHour())});
            } else {
                appendEmpty(row, 8);
            }
        } else {
            appendEmpty(row, 13);
        }
        if (r.coil) {
            row.push_back(Number(u.t(r.coil->apparatusDewPoint.dryBulbF)));
            row.push_back(Number(r.coil->bypassFactor));
        } else {
            appendEmpty(row, 2);
        }
        row.push_back(r.message.empty() ? r.coilMessage : r.message);
        ::csv::AppendRecord(csv, row);
    }
    return csv;
}

std::string MixturesCsv(const Model& model) {
    const SystemUnits u = unitsOf(model);
    std::string csv;
    ::csv::AppendRecord(csv, {"Mixture", "First stream", "Second stream", "First stream share (%)",
                              "Dry bulb (" + u.temperature() + ")",
                              "Humidity ratio (lb/lb = kg/kg)", "Enthalpy (" + u.enthalpy() + ")",
                              "Dry air (" + u.massFlow() + ")", "Note"});
    std::vector<std::string> row;
    for (const Mixing& m : model.data().mixings) {
        row.assign({model.nameOfId(m.resultId), model.nameOfId(m.firstId),
                    model.nameOfId(m.secondId),
                    Number(units::FractionToPercent(m.firstStreamShare))});
        const int index = model.index().positionOfId(m.resultId);
        const PointResult* r = index >= 0 ? &model.pointResult(index) : nullptr;
        if (r != nullptr && r->state) {
            const CalcState& s = *r->state;
            row.insert(row.end(),
                       {Number(u.t(s.Tdb)), Number(static_cast<double>(s.W)), Number(u.h(s.H)),
                        r->dryAirLbPerHour ? Number(u.m(*r->dryAirLbPerHour)) : std::string()});
            row.push_back(r->airflowMessage);
        } else {
            appendEmpty(row, 4);
            row.push_back(r != nullptr ? r->reason : std::string());
        }
        ::csv::AppendRecord(csv, row);
    }
    return csv;
}

std::optional<std::string> AirHandlerComponentsCsv(const Model& model) {
    const auto& result = model.airHandlerResult();
    if (!result)
        return std::nullopt;
    airhandler::Table all;
    for (const airhandler::Season season :
         {airhandler::Season::Summer, airhandler::Season::Winter}) {
        airhandler::Table table =
            airhandler::ComponentsTable(result->design, result->solution, season);
        const std::string caseName = season == airhandler::Season::Summer ? "Summer" : "Winter";
        if (all.header.empty()) {
            all.header = table.header;
            all.header.insert(all.header.begin(), "Case");
        }
        const bool refused = !result->solution.of(season).ok();
        for (auto& row : table.rows) {
            // A case refused for its air gives the project's own reason.
            if (refused && !row.empty())
                row.back() = result->refusal(season);
            row.insert(row.begin(), caseName);
            all.rows.push_back(std::move(row));
        }
    }
    return airhandler::ToCsv(all);
}

std::optional<std::string> AirHandlerRollupCsv(const Model& model) {
    const auto& result = model.airHandlerResult();
    if (!result)
        return std::nullopt;
    airhandler::Table table = airhandler::RollupTable(result->design, result->solution);
    if (!table.rows.empty() && table.rows.back().size() == 3 && table.rows.back()[0] == "Note") {
        for (const airhandler::Season season :
             {airhandler::Season::Summer, airhandler::Season::Winter}) {
            if (!result->solution.of(season).ok())
                table.rows.back()[season == airhandler::Season::Summer ? 1 : 2] =
                    result->refusal(season);
        }
    }
    return airhandler::ToCsv(table);
}

std::vector<std::string_view> ProjectTableNames() {
    return {"points", "processes", "mixtures", "airhandler-components", "airhandler-rollup"};
}

std::vector<NamedTable> ProjectTables(const Model& model) {
    std::vector<NamedTable> tables{{"points", PointsCsv(model)},
                                   {"processes", ProcessesCsv(model)},
                                   {"mixtures", MixturesCsv(model)}};
    if (auto components = AirHandlerComponentsCsv(model))
        tables.push_back({"airhandler-components", std::move(*components)});
    if (auto rollup = AirHandlerRollupCsv(model))
        tables.push_back({"airhandler-rollup", std::move(*rollup)});
    return tables;
}

} // namespace project
