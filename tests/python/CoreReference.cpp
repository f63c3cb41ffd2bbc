// The compute core's own numbers for rows of inputs, for the Python tests to
// hold the module against, bit for bit. Each row goes the road of
// vaporwright-batch (typed entries, the atmosphere, ComputeShown); a row with
// a dew point goes the road of the chart's state points (project::Solve).
//
// Reads CSV lines from standard input:
//   units,first,second,atmosphere,v1,v2,atmosphere value
// with the names of the Python module (dry_bulb, wet_bulb, relative_humidity
// in per cent, humidity_ratio, enthalpy, dew_point; pressure, altitude or -)
// and values in the units of `units` (pressure in kPa in "SI"). Writes one
// line per row: the fourteen properties as hexadecimal floats (nan where
// nothing is shown) in the module's order, then the reason code (0 for real
// air, otherwise the core's reason + 1).

#include "batch/Solve.h"
#include "core/FieldRules.h"
#include "core/FieldTable.h"
#include "core/RealAir.h"
#include "projectcore/Definition.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace calculator;
using basPsychroFun::UnitSystem;

// "kPa" in the pressure list: metric pressures are written in kilopascals.
constexpr int kKiloPascal = 6;

int fieldOf(const std::string& name) {
    if (name == "dry_bulb")
        return kDryBulb;
    if (name == "wet_bulb")
        return kWetBulb;
    if (name == "relative_humidity")
        return kRelativeHumidity;
    if (name == "humidity_ratio")
        return kHumidityRatio;
    if (name == "enthalpy")
        return kEnthalpy;
    if (name == "pressure")
        return kAtmosphericPressure;
    if (name == "altitude")
        return kAltitude;
    return kDewPoint;
}

int positionOf(int field, UnitSystem system) {
    if (system == UnitSystem::SI && (field == kAtmosphericPressure || field == kVaporPressure))
        return kKiloPascal;
    return UnitSystemPosition(field == kDewPoint ? kDryBulb : field, system);
}

double number(const std::string& text) {
    if (text == "nan")
        return std::nan("");
    if (text == "inf" || text == "-inf")
        return text[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// A value stored as typed: the reason when it is not.
std::optional<float> typed(double value, int field, UnitSystem system, std::optional<Reason>& why) {
    if (std::isnan(value)) {
        why = Reason::UnreadableNumber;
        return std::nullopt;
    }
    const Entry entry = EntryOf(value, false, field, positionOf(field, system));
    if (!entry.value)
        why = entry.problem;
    return entry.value;
}

project::Input projectInput(int field) {
    return field == kDewPoint ? project::Input::DewPoint : static_cast<project::Input>(field);
}

// The row's state, or why there is none.
std::optional<Reason> solve(const std::vector<std::string>& f, CalcState& state, bool& altitude) {
    const UnitSystem system = f[0] == "SI" ? UnitSystem::SI : UnitSystem::IP;
    const std::string shown = f[0];
    const std::array<int, 2> fields{fieldOf(f[1]), fieldOf(f[2])};
    const std::array<double, 2> values{number(f[4]), number(f[5])};
    altitude = f[3] == "altitude";
    state.UnitSystem = shown;
    state.Patm = 14.696f;
    state.Alt = 0.0f;

    std::optional<Reason> why;
    std::array<float, 2> stored{};
    for (std::size_t k = 0; k < 2; ++k) {
        const auto v = typed(values[k], fields[k] == kDewPoint ? kDryBulb : fields[k], system, why);
        if (!v)
            return why;
        stored[k] = *v;
    }
    if (f[3] != "-") {
        const auto v = typed(number(f[6]), fieldOf(f[3]), system, why);
        if (!v)
            return why;
        if (const auto problem = batch::SetAtmosphere(state, {altitude, *v}))
            return problem;
    }
    if (fields[0] == kDewPoint || fields[1] == kDewPoint) {
        const project::PointDefinition definition{
            {projectInput(fields[0]), static_cast<double>(stored[0])},
            {projectInput(fields[1]), static_cast<double>(stored[1])}};
        const project::Solution solution =
            project::Solve(definition, {static_cast<double>(state.Patm), system});
        if (!solution.state)
            return solution.reason;
        // The air of the point, at the atmosphere of the row.
        const float altitudeFt = state.Alt;
        state = *solution.state;
        state.Alt = altitudeFt;
        return std::nullopt;
    }
    for (std::size_t k = 0; k < 2; ++k)
        StoreEntry(state, fields[k], stored[k]);
    const int first = std::min(fields[0], fields[1]);
    const int second = std::max(fields[0], fields[1]);
    return batch::ComputeShown(state, first, second, shown);
}

void write(double value) {
    if (std::isnan(value))
        std::printf("nan,");
    else
        std::printf("%a,", value);
}

} // namespace

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        std::vector<std::string> f;
        std::stringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');)
            f.push_back(field);
        if (f.size() != 7)
            return 1;
        const UnitSystem system = f[0] == "SI" ? UnitSystem::SI : UnitSystem::IP;
        CalcState state;
        bool altitude = false;
        const std::optional<Reason> why = solve(f, state, altitude);
        // The module's order of the properties.
        constexpr std::array<int, 14> kOrder{kDryBulb,
                                             kWetBulb,
                                             kDewPoint,
                                             kRelativeHumidity,
                                             kHumidityRatio,
                                             kEnthalpy,
                                             kVaporPressure,
                                             kDegreeOfSaturation,
                                             kSpecificVolume,
                                             kDensity,
                                             kAbsoluteHumidity,
                                             kMoistureConcentration,
                                             kAtmosphericPressure,
                                             kAltitude};
        for (const int field : kOrder) {
            if (why) {
                write(std::nan(""));
                continue;
            }
            // What the calculator shows: percentages formed in single
            // precision, no dew point without vapour, no altitude outside
            // the standard atmosphere beside a pressure given directly.
            if (field == kRelativeHumidity || field == kDegreeOfSaturation) {
                const float fraction = field == kRelativeHumidity ? state.Phi : state.Mu;
                write(static_cast<double>(fraction * 100.0f));
            } else if ((field == kDewPoint && !HasDewPoint(state)) ||
                       (field == kAltitude && !altitude && CheckAltitude(state.Alt)) ||
                       (field == kAtmosphericPressure && !altitude && CheckPressure(state.Patm))) {
                write(std::nan(""));
            } else {
                write(DisplayValue(state, field, positionOf(field, system)).value_or(std::nan("")));
            }
        }
        std::printf("%d\n", why ? static_cast<int>(*why) + 1 : 0);
    }
    return 0;
}
