#include "core/FieldTable.h"

#include "units/Conversions.h"
#include "units/UnitCatalogue.h"

namespace calculator {

namespace {

namespace tags = basLoadUnits;

// Molar masses of dry air and of water, g/mol, as the volume concentration
// uses them.
constexpr double kMolarMassDryAir = 28.96;
constexpr double kMolarMassWater = 18.0;

constexpr std::array<std::string_view, kFieldCount> kUnitTags{tags::kTemperature,
                                                              tags::kTemperature,
                                                              {},
                                                              tags::kHumidityRatio,
                                                              tags::kEnth,
                                                              tags::kTemperature,
                                                              tags::kVP,
                                                              {},
                                                              tags::kSpecificVolume,
                                                              tags::kDensity,
                                                              tags::kAbsoluteHumidity,
                                                              tags::kPress,
                                                              tags::kAltitude,
                                                              tags::kConcentration};

// Unit list positions per unit system, "IP" then "SI".
constexpr std::array<std::array<int, 2>, kFieldCount> kSystemPositions{{
    {0, 1},   // dry bulb: °F, °C
    {0, 1},   // wet bulb
    {-1, -1}, // relative humidity: no list
    {1, 3},   // humidity ratio: lbm/lbm, kg/kg
    {0, 2},   // enthalpy: BTU/lbm, kJ/kg
    {0, 1},   // dew point
    {0, 5},   // vapour pressure: psia, mbar
    {-1, -1}, // degree of saturation: no list
    {0, 2},   // specific volume: ft³/lbm, m³/kg
    {0, 3},   // density: lbm/ft³, kg/m³
    {1, 4},   // absolute humidity: lbm/ft³, kg/m³
    {0, 5},   // atmospheric pressure: psia, mbar
    {0, 1},   // altitude: ft, m
    {0, 0},   // moisture concentration: PPM weight in both
}};

// A conversion from the base unit: 0 for a position it does not know, which
// the caller has already excluded by checking the list's length.
using FromBase = float (*)(double, int) noexcept;

struct Rendering {
    float CalcState::*value;
    int basePosition;
    FromBase convert;
};

std::optional<Rendering> renderingOf(int field) {
    using namespace basConversions;
    using basPsychroFun::ConvertTemperatureFromBase;
    switch (field) {
    case kDryBulb:
        return Rendering{&CalcState::Tdb, 0, &ConvertTemperatureFromBase};
    case kWetBulb:
        return Rendering{&CalcState::Twb, 0, &ConvertTemperatureFromBase};
    case kHumidityRatio:
        return Rendering{&CalcState::W, 1, &ConvertHumidityRatioFromBase};
    case kEnthalpy:
        return Rendering{&CalcState::H, 0, &ConvertEnthalpyFromBase};
    case kDewPoint:
        return Rendering{&CalcState::Tdp, 0, &ConvertTemperatureFromBase};
    case kVaporPressure:
        return Rendering{&CalcState::Pw, 0, &ConvertPressureFromBase};
    case kSpecificVolume:
        return Rendering{&CalcState::V, 0, &ConvertSpecificVolumeFromBase};
    case kDensity:
        return Rendering{&CalcState::Rho, 0, &ConvertDensityFromBase};
    case kAbsoluteHumidity:
        return Rendering{&CalcState::Dv, 1, &ConvertAbsoluteHumidityFromBase};
    case kAtmosphericPressure:
        return Rendering{&CalcState::Patm, 0, &ConvertPressureFromBase};
    case kAltitude:
        return Rendering{&CalcState::Alt, 0, &ConvertAltitudeFromBase};
    default:
        return std::nullopt;
    }
}

// The entries in the field's unit list, as the catalogue lists them; 0 for
// the fields without a list.
int positionsOf(int field) {
    return static_cast<int>(tags::UnitsOf(UnitTag(field)).size());
}

} // namespace

std::string_view UnitTag(int field) {
    return field >= 0 && field < kFieldCount ? kUnitTags[static_cast<std::size_t>(field)]
                                             : std::string_view{};
}

bool IsUnitPosition(int field, int position) {
    const bool listed = field == kMoistureConcentration || renderingOf(field);
    return listed && position >= 0 && position < positionsOf(field);
}

int UnitSystemPosition(int field, basPsychroFun::UnitSystem system) {
    if (field < 0 || field >= kFieldCount)
        return -1;
    return kSystemPositions[static_cast<std::size_t>(field)]
                           [system == basPsychroFun::UnitSystem::IP ? 0 : 1];
}

std::optional<double> DisplayValue(const CalcState& state, int field, int position) {
    if (field == kMoistureConcentration) {
        // Parts per million by mass, or by volume through the molar masses.
        const double ppmWeight = static_cast<double>(state.W) * 1000000.0;
        switch (position) {
        case 0:
            return ppmWeight;
        case 1:
            return ppmWeight * kMolarMassDryAir / kMolarMassWater;
        default:
            return std::nullopt;
        }
    }
    const std::optional<Rendering> r = renderingOf(field);
    if (!r || position < 0 || position >= positionsOf(field))
        return std::nullopt;
    const float base = state.*(r->value);
    if (position == r->basePosition)
        return static_cast<double>(base);
    return static_cast<double>(r->convert(static_cast<double>(base), position));
}

} // namespace calculator
