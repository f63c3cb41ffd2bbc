#pragma once

// States of moist air over rows of arrays: each row is one entry of the
// calculator, solved by the compute core exactly as vaporwright-batch solves
// a row of its CSV input (batch/Solve.h), so that the numbers are the same
// to the last bit. A row that is not real air gets the core's reason and no
// properties; no row stops the others.
//
// Inputs and results are in the units of a unit system: "IP" (°F, lb/lb,
// Btu/lb, psia, ft) or "SI" (°C, kg/kg, kJ/kg, kPa, m), relative humidity
// and degree of saturation in per cent in both.

#include "core/RealAir.h"
#include "engine/Units.h"
#include "python/Rows.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pyrows {

using basPsychroFun::UnitSystem;

// What a column of numbers gives.
enum class Quantity {
    DryBulb,
    WetBulb,
    RelativeHumidity,
    HumidityRatio,
    Enthalpy,
    DewPoint,
    Pressure,
    Altitude,
};

// A column's quantity and its unit, as the place of the unit in the unit list
// of the calculator field that shows the quantity (the dew point's is the
// temperature list; the relative humidity, always per cent, has none).
struct NamedColumn {
    Quantity quantity = Quantity::DryBulb;
    int position = 0;
    bool operator==(const NamedColumn&) const = default;
};

// The column a name gives in `system`: one of dry_bulb, wet_bulb,
// relative_humidity, humidity_ratio, enthalpy, dew_point, pressure and
// altitude in the units of the system; or a name of the data-file vocabulary
// with its own unit (weather/Columns.h: "dry_bulb_C", "pressure_inHg",
// "enthalpy_Btu/lb", ...), as vaporwright-batch reads its header.
std::optional<NamedColumn> ColumnNamed(std::string_view name, UnitSystem system);

// The properties of a state, in the order of vaporwright-batch's columns.
enum class Property {
    DryBulb,
    WetBulb,
    DewPoint,
    RelativeHumidity,
    HumidityRatio,
    Enthalpy,
    VaporPressure,
    DegreeOfSaturation,
    SpecificVolume,
    Density,
    AbsoluteHumidity,
    MoistureConcentration,
    Pressure,
    Altitude,
};
inline constexpr std::size_t kPropertyCount = 14;

// "dry_bulb", "vapor_pressure", ...
std::string_view PropertyName(Property property);
// The unit a property is given in, as the calculator's unit lists write it
// ("°F", "kJ/kg", "%", "PPM weight", ...).
std::string_view PropertyUnit(Property property, UnitSystem system);

// One request: two inputs and optionally the pressure or altitude of each
// row (without one, the standard atmosphere at sea level), the results in
// `system`.
struct StateRequest {
    UnitSystem system = UnitSystem::IP;
    std::array<NamedColumn, 2> inputs{};
    std::optional<NamedColumn> atmosphere;
};

// Why two inputs fix no state whatever their values (the same quantity twice,
// dew point with humidity ratio, an atmosphere among the inputs), nothing
// when they do.
std::optional<std::string> CheckRequest(const StateRequest& request);

// Where the results go: per property a contiguous array of one double per row
// (nullptr for a property not wanted), and the reason codes.
struct StateResults {
    std::array<double*, kPropertyCount> properties{};
    std::uint8_t* reasons = nullptr;
};

// The code of a row that is real air; any other code is ReasonCode(reason).
inline constexpr std::uint8_t kRealAir = 0;
inline constexpr std::uint8_t ReasonCode(calculator::Reason reason) {
    return static_cast<std::uint8_t>(static_cast<int>(reason) + 1);
}
// The reason of a code; nothing for kRealAir and for codes that name none.
std::optional<calculator::Reason> ReasonOfCode(int code);
// "DryBulbBelowRange", ...: the name of a reason.
std::string_view ReasonName(calculator::Reason reason);
// The line that says why, with limits in the units of `system`.
std::string ReasonLine(calculator::Reason reason, UnitSystem system);

// Solves every row of `columns` (the request's two inputs, then its
// atmosphere when it has one; CheckRequest must pass). Each value is stored
// as the calculator stores a typed entry; a dew point becomes the humidity
// ratio of saturated air at it. A row that is not real air has NaN in every
// property and its reason code; perfectly dry air has no dew point (NaN) and
// code kRealAir; an altitude outside the standard atmosphere is NaN beside
// the pressure it was not given from, as the calculator shows it.
void SolveRows(const StateRequest& request, const Shape& shape, std::span<const Column> columns,
               const StateResults& results, unsigned threads);

} // namespace pyrows
