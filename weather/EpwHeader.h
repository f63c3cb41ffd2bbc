#pragma once

// The header records of an EnergyPlus weather (EPW) file that the program
// uses: LOCATION (the station and its elevation) and DESIGN CONDITIONS (the
// ASHRAE Handbook design values for the station, where the file has them).

#include "weather/Design.h"

#include <optional>
#include <string>
#include <string_view>

namespace weather {

struct Location {
    std::string city;
    std::string region;
    std::string country;
    std::string source;
    std::string wmo;
    std::optional<double> latitude;   // degrees, north positive
    std::optional<double> longitude;  // degrees, east positive
    std::optional<double> timeZone;   // hours from GMT
    std::optional<double> elevationM; // m above sea level
};

// LOCATION,city,region,country,source,WMO,latitude,longitude,time zone,elevation
Location ParseLocation(std::string_view line);

// The design values of a DESIGN CONDITIONS record in the layout of the 2009
// Handbook's station tables, in base units (°F, lb/lb). After the field
// "Heating": coldest month, 99.6 % and 99 % dry bulb (°C). After "Cooling":
// hottest month, daily range, then dry bulb and mean coincident wet bulb at
// 0.4 %, 1 % and 2 %, wet bulb and mean coincident dry bulb at the same three,
// mean coincident wind speed and its direction, then the 0.4 % dew point
// (°C), its humidity ratio (g/kg) and mean coincident dry bulb (°C). A value
// the record leaves empty, or a record without these parts, gives nothing.
DesignConditions ParseDesignConditions(std::string_view line);

} // namespace weather
