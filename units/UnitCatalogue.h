#pragma once

// The unit lists of the calculator's fields, keyed by the list's Tag text.
//
// A unit's 0-based position in its list is the unit selector that every
// conversion in Conversions.h takes, so the order here is part of the
// contract: the stored selections and the unit-system switch depend on it.
// Unit texts are UTF-8 ("°F", "ft³/lbm") and shown to the user as they are.

#include <array>
#include <span>
#include <string_view>

namespace basLoadUnits {

inline constexpr std::string_view kTemperature = "Temperature";
inline constexpr std::string_view kPress = "Press"; // atmospheric pressure
inline constexpr std::string_view kVP = "VP";       // vapour pressure: same list as kPress
inline constexpr std::string_view kSpecificVolume = "Specific Volume";
inline constexpr std::string_view kDensity = "Density";
inline constexpr std::string_view kEnth = "Enth";
inline constexpr std::string_view kAltitude = "Altitude";
inline constexpr std::string_view kConcentration = "Concentration";
inline constexpr std::string_view kHumidityRatio = "Humidity Ratio";
inline constexpr std::string_view kAbsoluteHumidity = "Absolute Humidity";

// Every tag the catalogue knows, in the order rows are matched.
inline constexpr std::array<std::string_view, 10> kTags = {
    kTemperature,     kPress,         kVP,
    kSpecificVolume,  kDensity,       kEnth,
    kAltitude,        kConcentration, kHumidityRatio,
    kAbsoluteHumidity};

// The units of the first row whose tag equals `tag` exactly (case-sensitive),
// position 0 first; empty for a tag the catalogue does not know.
std::span<const std::string_view> UnitsOf(std::string_view tag) noexcept;

// Fills a unit list: calls append(std::string_view unit) once per unit of
// `tag`, in list order. Only appends: the list is neither cleared first nor
// given a selection, so filling a list twice lists every unit twice.
template <typename Append>
void LoadUnits(std::string_view tag, Append&& append) {
    for (const std::string_view unit : UnitsOf(tag))
        append(unit);
}

} // namespace basLoadUnits
