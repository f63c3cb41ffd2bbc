#include "batch/Output.h"

#include "core/DefaultFormats.h"
#include "core/FieldTable.h"
#include "core/NumberFormat.h"
#include "core/RealAir.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace batch {

namespace {

using namespace calculator;

struct Property {
    int field;
    std::string_view ip; // column name in "IP"
    std::string_view si; // column name in "SI"
};

// In the order of the output; the units are those UnitSystemPosition selects
// in the window (vapour and atmospheric pressure in mbar in "SI").
constexpr std::array<Property, kFieldCount> kProperties{{
    {kDryBulb, "dry_bulb_F", "dry_bulb_C"},
    {kWetBulb, "wet_bulb_F", "wet_bulb_C"},
    {kDewPoint, "dew_point_F", "dew_point_C"},
    {kRelativeHumidity, "relative_humidity_pct", "relative_humidity_pct"},
    {kHumidityRatio, "humidity_ratio_lb/lb", "humidity_ratio_kg/kg"},
    {kEnthalpy, "enthalpy_Btu/lb", "enthalpy_kJ/kg"},
    {kVaporPressure, "vapor_pressure_psia", "vapor_pressure_mbar"},
    {kDegreeOfSaturation, "degree_of_saturation_pct", "degree_of_saturation_pct"},
    {kSpecificVolume, "specific_volume_ft3/lb", "specific_volume_m3/kg"},
    {kDensity, "density_lb/ft3", "density_kg/m3"},
    {kAbsoluteHumidity, "absolute_humidity_lb/ft3", "absolute_humidity_kg/m3"},
    {kMoistureConcentration, "moisture_concentration_ppm", "moisture_concentration_ppm"},
    {kAtmosphericPressure, "pressure_psia", "pressure_mbar"},
    {kAltitude, "altitude_ft", "altitude_m"},
}};

// The shortest text that reads back as `value`.
template <typename T>
void appendShortest(std::string& out, T value) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    out.append(text.data(), result.ptr);
}

// Whether the window shows a value in `field` of a solved state.
bool shows(const CalcState& state, int field, bool altitudeGiven) {
    switch (field) {
    case kDewPoint:
        return HasDewPoint(state);
    case kAtmosphericPressure:
        return altitudeGiven || !CheckPressure(state.Patm);
    case kAltitude:
        return altitudeGiven || !CheckAltitude(state.Alt);
    default:
        return true;
    }
}

} // namespace

std::string PropertyHeader(System system) {
    std::string header;
    for (const Property& p : kProperties) {
        if (!header.empty())
            header += ',';
        header += system == System::IP ? p.ip : p.si;
    }
    return header + ",reason";
}

void AppendProperties(std::string& out, const CalcState& state, const Rendering& rendering,
                      bool leadingComma) {
    const System system = rendering.system;
    bool comma = leadingComma;
    for (const Property& p : kProperties) {
        if (comma)
            out += ',';
        comma = true;
        if (!shows(state, p.field, rendering.altitudeGiven))
            continue;
        // Relative humidity and degree of saturation are kept as fractions
        // and shown in per cent, the product formed in single precision, as
        // the window forms it; every other field is the window's rendering.
        float single = 0.0f;
        double value = 0.0;
        if (p.field == kRelativeHumidity || p.field == kDegreeOfSaturation) {
            single = (p.field == kRelativeHumidity ? state.Phi : state.Mu) * 100.0f;
            value = static_cast<double>(single);
        } else {
            const std::optional<double> shown =
                DisplayValue(state, p.field, UnitSystemPosition(p.field, system));
            if (!shown)
                continue;
            value = *shown;
            single = static_cast<float>(value);
        }
        if (rendering.formats)
            out += FormatNumber(value, kDefaultFormats[static_cast<std::size_t>(p.field)], ".");
        else if (p.field == kMoistureConcentration)
            appendShortest(out, value); // formed in double from the humidity ratio
        else
            appendShortest(out, single); // a single-precision value, exactly
    }
}

void AppendEmptyProperties(std::string& out, bool leadingComma) {
    out.append(leadingComma ? kFieldCount : kFieldCount - 1, ',');
}

} // namespace batch
