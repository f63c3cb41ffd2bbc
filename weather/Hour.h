#pragma once

// One hour of weather as a state of moist air, and the month and hour-of-day
// filter that the drawing and the hour counts apply.
//
// Values are in the program's inch-pound base units (°F, psia, lb of water per
// lb of dry air, relative humidity as a fraction), so that the chart and the
// zones of the process library take them as they are.

#include <bitset>

namespace weather {

struct Hour {
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31
    int hourOfDay =
        0; // 0 to 23: the hour that starts then (a weather file's hour 1 is 0:00 to 1:00)

    double dryBulbF = 0.0;
    double dewPointF = 0.0;
    double wetBulbF = 0.0;
    double humidityRatio = 0.0;    // lb/lb
    double relativeHumidity = 0.0; // fraction
    double pressurePsia = 0.0;     // the station pressure of this hour
};

// Which months and hours of the day count. Everything counts by default; the
// occupied hours of an office, for example, are HoursOfDay(8, 18).
struct HourFilter {
    std::bitset<12> months = std::bitset<12>().set();
    std::bitset<24> hours = std::bitset<24>().set();

    // The hours that start from `first` to `last` inclusive (0 to 23); a
    // range that wraps past midnight, such as 22 to 6, is the night.
    static std::bitset<24> HoursOfDay(int first, int last) {
        std::bitset<24> set;
        for (int h = 0; h < 24; ++h)
            if (first <= last ? (h >= first && h <= last) : (h >= first || h <= last))
                set.set(static_cast<std::size_t>(h));
        return set;
    }

    [[nodiscard]] bool accepts(const Hour& hour) const {
        return months.test(static_cast<std::size_t>(hour.month - 1)) &&
               hours.test(static_cast<std::size_t>(hour.hourOfDay));
    }
};

} // namespace weather
