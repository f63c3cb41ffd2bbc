#include "python/WorkbenchRows.h"

#include "engine/FloatingPointFault.h"
#include "engine/Limits.h"
#include "engine/PsychroFun.h"
#include "engine/Units.h"
#include "processes/Comfort.h"
#include "processes/CoolingCoil.h"
#include "processes/Mixing.h"
#include "processes/Outcome.h"
#include "processes/Process.h"

#include <array>
#include <cmath>
#include <limits>

namespace pyrows {

namespace {

namespace psy = basPsychroFun;
namespace units = basPsychroFun::units;
using processes::AirState;
using processes::Problem;
using UnitSystem = psy::UnitSystem;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr std::array<std::string_view, 7> kProcessColumns{
    "dry_bulb_1",       "humidity_ratio_1", "atmosphere_1", "dry_bulb_2",
    "humidity_ratio_2", "atmosphere_2",     "airflow"};
constexpr std::array<std::string_view, 8> kMixColumns{
    "dry_bulb_1", "humidity_ratio_1", "atmosphere_1", "airflow_1",
    "dry_bulb_2", "humidity_ratio_2", "atmosphere_2", "airflow_2"};
constexpr std::array<std::string_view, 6> kCoilContactColumns{
    "dry_bulb_1", "humidity_ratio_1", "atmosphere_1",
    "dry_bulb_2", "humidity_ratio_2", "atmosphere_2"};
constexpr std::array<std::string_view, 5> kCoilLeavingColumns{
    "dry_bulb", "humidity_ratio", "atmosphere", "apparatus_dew_point", "bypass_factor"};
constexpr std::array<std::string_view, 6> kComfortColumns{
    "dry_bulb", "humidity_ratio", "atmosphere", "met", "clo", "air_speed"};
constexpr std::array<std::string_view, 3> kZoneColumns{"dry_bulb", "humidity_ratio", "atmosphere"};

constexpr std::array<std::string_view, 9> kProcessResults{"dry_bulb_change",
                                                          "humidity_ratio_change",
                                                          "enthalpy_change",
                                                          "sensible_heat_ratio",
                                                          "dry_air_flow",
                                                          "sensible_load",
                                                          "latent_load",
                                                          "total_load",
                                                          "water"};
constexpr std::array<std::string_view, 5> kMixResults{"dry_bulb", "humidity_ratio", "enthalpy",
                                                      "dry_air_flow", "first_share"};
constexpr std::array<std::string_view, 3> kCoilContactResults{
    "apparatus_dew_point", "apparatus_humidity_ratio", "bypass_factor"};
constexpr std::array<std::string_view, 2> kCoilLeavingResults{"dry_bulb", "humidity_ratio"};
constexpr std::array<std::string_view, 2> kComfortResults{"pmv", "ppd"};

// Temperatures, in and out of the base unit °F.
double ToFahrenheit(double t, UnitSystem system) {
    return system == UnitSystem::SI ? units::CelsiusToFahrenheit(t) : t;
}
double FromFahrenheit(double tF, UnitSystem system) {
    return system == UnitSystem::SI ? units::FahrenheitToCelsius(tF) : tF;
}

// The pressure (psia) of an atmosphere column; NaN for an altitude outside
// the standard atmosphere, which CheckAir then refuses as a pressure out of
// range.
double PressureOf(double value, const WorkbenchRequest& request) {
    const bool metric = request.system == UnitSystem::SI;
    if (!request.altitudes)
        return metric ? units::KPaToPsia(value) : value;
    const double ft = metric ? units::MetresToFeet(value) : value;
    if (!(ft >= psy::kMinAltitudeFt && ft <= psy::kMaxAltitudeFt))
        return kNaN;
    try {
        return psy::PressureFromAltitude(ft, "IP");
    } catch (const psy::FloatingPointFault&) {
        return kNaN;
    }
}

AirState PointAt(const Cursor& at, std::size_t first, const WorkbenchRequest& request) {
    return {ToFahrenheit(at[first], request.system), at[first + 1],
            PressureOf(at[first + 2], request)};
}

// A mass flow of dry air (lb/h) and a heat flow in the system's units.
double MassFlowIn(double lbPerHour, UnitSystem system) {
    return system == UnitSystem::SI ? units::PoundsToKilograms(lbPerHour) : lbPerHour;
}
double HeatIn(const processes::HeatRate& q, UnitSystem system) {
    return system == UnitSystem::SI ? q.kilowatts() : q.btuPerHour;
}

class WorkbenchRow {
public:
    WorkbenchRow(const WorkbenchRequest& request, const WorkbenchResults& results)
        : request_(request), results_(results) {}

    void operator()(std::size_t i, const Cursor& at) {
        i_ = i;
        const std::optional<Problem> problem = compute(at);
        if (problem) {
            for (double* out : results_.values)
                out[i] = kNaN;
        }
        if (results_.problems != nullptr)
            results_.problems[i] = problem ? ProblemCode(*problem) : kNoProblem;
    }

private:
    void put(std::size_t k, double value) const { results_.values[k][i_] = value; }

    std::optional<Problem> compute(const Cursor& at) {
        const UnitSystem system = request_.system;
        switch (request_.operation) {
        case Operation::Process: {
            std::optional<processes::Airflow> airflow;
            if (!std::isnan(at[6]))
                airflow = processes::Airflow{at[6], request_.airflowUnit};
            const auto r = processes::AnalyseProcess(PointAt(at, 0, request_),
                                                     PointAt(at, 3, request_), system, airflow);
            results_.kinds[i_] = r ? static_cast<std::int8_t>(r->kind) : std::int8_t{-1};
            if (!r)
                return r.problem();
            put(0, system == UnitSystem::SI ? units::FahrenheitSpanToKelvin(r->dryBulbChangeF)
                                            : r->dryBulbChangeF);
            put(1, r->humidityRatioChange);
            put(2, r->enthalpyChange);
            put(3, r->sensibleHeatRatio.value_or(kNaN));
            const auto& loads = r->loads;
            put(4, loads ? MassFlowIn(loads->dryAirLbPerHour, system) : kNaN);
            put(5, loads ? HeatIn(loads->sensible, system) : kNaN);
            put(6, loads ? HeatIn(loads->latent, system) : kNaN);
            put(7, loads ? HeatIn(loads->total, system) : kNaN);
            put(8, !loads                     ? kNaN
                   : system == UnitSystem::SI ? loads->waterKgPerHour()
                                              : loads->waterLbPerHour);
            return std::nullopt;
        }
        case Operation::Mix: {
            const auto m = processes::Mix(
                PointAt(at, 0, request_), processes::Airflow{at[3], request_.airflowUnit},
                PointAt(at, 4, request_), processes::Airflow{at[7], request_.airflowUnit}, system);
            if (!m)
                return m.problem();
            put(0, FromFahrenheit(m->air.dryBulbF, system));
            put(1, m->air.humidityRatio);
            put(2, m->enthalpy);
            put(3, MassFlowIn(m->dryAirLbPerHour, system));
            put(4, m->firstStreamShare);
            return std::nullopt;
        }
        case Operation::CoilContact: {
            const auto c =
                processes::ApparatusDewPoint(PointAt(at, 0, request_), PointAt(at, 3, request_));
            if (!c)
                return c.problem();
            put(0, FromFahrenheit(c->apparatusDewPoint.dryBulbF, system));
            put(1, c->apparatusDewPoint.humidityRatio);
            put(2, c->bypassFactor);
            return std::nullopt;
        }
        case Operation::CoilLeaving: {
            const auto leaving =
                processes::LeavingAir(PointAt(at, 0, request_), ToFahrenheit(at[3], system), at[4]);
            if (!leaving)
                return leaving.problem();
            put(0, FromFahrenheit(leaving->dryBulbF, system));
            put(1, leaving->humidityRatio);
            return std::nullopt;
        }
        case Operation::Comfort: {
            const auto c = processes::ComfortAt(PointAt(at, 0, request_),
                                                processes::ComfortParameters{at[3], at[4], at[5]});
            if (!c)
                return c.problem();
            put(0, c->pmv);
            put(1, c->ppd);
            return std::nullopt;
        }
        case Operation::ZoneMember: {
            const AirState a = PointAt(at, 0, request_);
            results_.members[i_] =
                request_.zone->contains(a.dryBulbF, a.humidityRatio, a.pressurePsia) ? 1 : 0;
            return std::nullopt;
        }
        }
        return std::nullopt;
    }

    const WorkbenchRequest& request_;
    const WorkbenchResults& results_;
    std::size_t i_ = 0;
};

} // namespace

std::span<const std::string_view> OperationColumns(Operation operation) {
    switch (operation) {
    case Operation::Process:
        return kProcessColumns;
    case Operation::Mix:
        return kMixColumns;
    case Operation::CoilContact:
        return kCoilContactColumns;
    case Operation::CoilLeaving:
        return kCoilLeavingColumns;
    case Operation::Comfort:
        return kComfortColumns;
    case Operation::ZoneMember:
        return kZoneColumns;
    }
    return {};
}

std::span<const std::string_view> OperationResults(Operation operation) {
    switch (operation) {
    case Operation::Process:
        return kProcessResults;
    case Operation::Mix:
        return kMixResults;
    case Operation::CoilContact:
        return kCoilContactResults;
    case Operation::CoilLeaving:
        return kCoilLeavingResults;
    case Operation::Comfort:
        return kComfortResults;
    case Operation::ZoneMember:
        return {};
    }
    return {};
}

std::optional<Problem> ProblemOfCode(int code) {
    // CalculationFault is the last of the library's problems.
    if (code <= kNoProblem || code > ProblemCode(Problem::CalculationFault))
        return std::nullopt;
    return static_cast<Problem>(code - 1);
}

std::string_view ProblemName(Problem problem) {
    switch (problem) {
    case Problem::DryBulbOutOfRange:
        return "DryBulbOutOfRange";
    case Problem::NegativeHumidityRatio:
        return "NegativeHumidityRatio";
    case Problem::Supersaturated:
        return "Supersaturated";
    case Problem::PressureOutOfRange:
        return "PressureOutOfRange";
    case Problem::SameAir:
        return "SameAir";
    case Problem::DifferentPressures:
        return "DifferentPressures";
    case Problem::NoAirflow:
        return "NoAirflow";
    case Problem::NoApparatusDewPoint:
        return "NoApparatusDewPoint";
    case Problem::BadApparatusDewPoint:
        return "BadApparatusDewPoint";
    case Problem::BadBypassFactor:
        return "BadBypassFactor";
    case Problem::CoilLineThroughFog:
        return "CoilLineThroughFog";
    case Problem::BadComfortParameters:
        return "BadComfortParameters";
    case Problem::OutsideComfortModel:
        return "OutsideComfortModel";
    case Problem::ZoneWithoutLimits:
        return "ZoneWithoutLimits";
    case Problem::ZoneLimitsInverted:
        return "ZoneLimitsInverted";
    case Problem::CalculationFault:
        return "CalculationFault";
    }
    return {};
}

void RunWorkbench(const WorkbenchRequest& request, const Shape& shape,
                  std::span<const Column> columns, const WorkbenchResults& results,
                  unsigned threads) {
    RunRows(shape, columns, threads, [&] { return WorkbenchRow(request, results); });
}

} // namespace pyrows
