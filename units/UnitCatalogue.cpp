#include "units/UnitCatalogue.h"

namespace basLoadUnits {
namespace {

// The unit texts below are written in UTF-8 and must reach the program as such.
static_assert(std::string_view("°").size() == 2, "the execution character set must be UTF-8");

// Base units (shown without conversion): °F, psia, ft³/lbm, lbm/ft³, BTU/lbm,
// ft, PPM weight, lbm/lbm (position 1), lbm/ft³ (position 1).
constexpr std::string_view kTemperatureUnits[] = {"°F", "°C", "°R", "K"};
constexpr std::string_view kPressureUnits[] = {"psia", "atm", "inHg", "inH2O", "mmHg",
                                               "mbar", "kPa", "Pa",   "Bar"};
constexpr std::string_view kSpecificVolumeUnits[] = {"ft³/lbm", "cm³/gm", "m³/kg"};
constexpr std::string_view kDensityUnits[] = {"lbm/ft³", "gm/cm³", "gm/m³", "kg/m³"};
constexpr std::string_view kEnthalpyUnits[] = {"BTU/lbm", "cal/gm", "kJ/kg"};
constexpr std::string_view kAltitudeUnits[] = {"ft", "m"};
constexpr std::string_view kConcentrationUnits[] = {"PPM weight", "PPM volume"};
constexpr std::string_view kHumidityRatioUnits[] = {"grains/lbm", "lbm/lbm", "gm/kg", "kg/kg"};
constexpr std::string_view kAbsoluteHumidityUnits[] = {"grains/ft³", "lbm/ft³", "gm/cm³", "gm/m³",
                                                       "kg/m³"};

struct Row {
    std::string_view tag;
    std::string_view otherTag; // a second tag sharing the row, or empty
    std::span<const std::string_view> units;
};

constexpr Row kRows[] = {
    {kTemperature, {}, kTemperatureUnits},
    {kPress, kVP, kPressureUnits},
    {kSpecificVolume, {}, kSpecificVolumeUnits},
    {kDensity, {}, kDensityUnits},
    {kEnth, {}, kEnthalpyUnits},
    {kAltitude, {}, kAltitudeUnits},
    {kConcentration, {}, kConcentrationUnits},
    {kHumidityRatio, {}, kHumidityRatioUnits},
    {kAbsoluteHumidity, {}, kAbsoluteHumidityUnits},
};

} // namespace

std::span<const std::string_view> UnitsOf(std::string_view tag) noexcept {
    // An empty tag must not match the empty second tag of the single rows.
    if (tag.empty())
        return {};
    for (const Row& row : kRows) {
        if (tag == row.tag || tag == row.otherTag)
            return row.units;
    }
    return {};
}

} // namespace basLoadUnits
