#pragma once

// The chart workbench over rows of arrays: processes with their loads,
// adiabatic mixing, the cooling coil's apparatus dew point and bypass factor,
// PMV and PPD, and membership of a zone, each row through the processes
// library as the chart's panels use it. A row without a result gets the
// library's Problem and NaN; no row stops the others.
//
// A point is given by its dry bulb and humidity ratio and the pressure or
// altitude it lies at. Units follow the unit system: "IP" °F, lb/lb, psia,
// ft, Btu/lb, Btu/h, lb/h; "SI" °C, kg/kg, kPa, m, kJ/kg, kW, kg/h;
// temperature differences in °F or K.

#include "processes/Airflow.h"
#include "processes/Problem.h"
#include "processes/Zone.h"
#include "python/Rows.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace pyrows {

enum class Operation {
    Process,     // from one point to another, with loads for an airflow at the first
    Mix,         // two streams, each with its airflow
    CoilContact, // apparatus dew point and bypass factor from entering and leaving air
    CoilLeaving, // leaving air from entering air, apparatus dew point and bypass factor
    Comfort,     // PMV and PPD of a point for a person
    ZoneMember,  // whether a point lies in a zone
};

// The input columns an operation reads, in order; each point is three:
// "dry_bulb", "humidity_ratio" and "atmosphere", suffixed "_1" and "_2"
// where there are two.
std::span<const std::string_view> OperationColumns(Operation operation);
// The double results an operation writes, in order.
std::span<const std::string_view> OperationResults(Operation operation);

struct WorkbenchRequest {
    Operation operation = Operation::Process;
    basPsychroFun::UnitSystem system = basPsychroFun::UnitSystem::IP;
    bool altitudes = false; // the atmosphere columns hold altitudes, not pressures
    processes::AirflowUnit airflowUnit = processes::AirflowUnit::Cfm;
    const processes::Zone* zone = nullptr; // for ZoneMember
};

struct WorkbenchResults {
    std::span<double* const> values;  // OperationResults(operation) arrays
    std::uint8_t* problems = nullptr; // ProblemCode, kNoProblem for a result
    std::int8_t* kinds = nullptr;     // Process: the ProcessKind, -1 without one
    std::uint8_t* members = nullptr;  // ZoneMember: 1 inside, 0 outside
};

inline constexpr std::uint8_t kNoProblem = 0;
inline constexpr std::uint8_t ProblemCode(processes::Problem problem) {
    return static_cast<std::uint8_t>(static_cast<int>(problem) + 1);
}
// The problem of a code; nothing for kNoProblem and codes that name none.
std::optional<processes::Problem> ProblemOfCode(int code);
// "SameAir", ...
std::string_view ProblemName(processes::Problem problem);
// The number of kinds of process; ProcessName (processes/Process.h) names each.
inline constexpr int kProcessKindCount = 10;

void RunWorkbench(const WorkbenchRequest& request, const Shape& shape,
                  std::span<const Column> columns, const WorkbenchResults& results,
                  unsigned threads);

} // namespace pyrows
