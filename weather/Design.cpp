#include "weather/Design.h"

#include "engine/PsychroFun.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace weather {

namespace {

namespace psy = basPsychroFun;

// The quantities a design value is read from, and their coincident partner.
double DryBulb(const Hour& h) {
    return h.dryBulbF;
}
double DewPoint(const Hour& h) {
    return h.dewPointF;
}
double WetBulb(const Hour& h) {
    return h.wetBulbF;
}

std::vector<double> SortedValues(std::span<const Hour> hours, double (*of)(const Hour&)) {
    std::vector<double> values;
    values.reserve(hours.size());
    for (const Hour& h : hours)
        values.push_back(of(h));
    std::sort(values.begin(), values.end());
    return values;
}

// Mean of `partner` over the hours whose `design` quantity lies in the band
// around `value`; over the nearest hours when the band holds none.
double MeanCoincident(std::span<const Hour> hours, double (*design)(const Hour&),
                      double (*partner)(const Hour&), double value) {
    double reach = kCoincidentBandF;
    if (std::none_of(hours.begin(), hours.end(), [&](const Hour& h) {
            return std::abs(design(h) - value) <= reach + kCoincidentToleranceF;
        })) {
        reach = std::numeric_limits<double>::max();
        for (const Hour& h : hours)
            reach = std::min(reach, std::abs(design(h) - value));
    }
    double sum = 0.0;
    std::size_t n = 0;
    for (const Hour& h : hours) {
        if (std::abs(design(h) - value) <= reach + kCoincidentToleranceF) {
            sum += partner(h);
            ++n;
        }
    }
    return sum / static_cast<double>(n);
}

} // namespace

double CumulativeFrequencyValue(std::span<const double> sorted, double atOrBelow) {
    const double position =
        std::clamp(atOrBelow, 0.0, 1.0) * static_cast<double>(sorted.size() - 1);
    const auto k = static_cast<std::size_t>(std::floor(position));
    if (k + 1 >= sorted.size())
        return sorted.back();
    return sorted[k] + (position - static_cast<double>(k)) * (sorted[k + 1] - sorted[k]);
}

DesignConditions ComputeDesignConditions(std::span<const Hour> hours, double sitePressurePsia) {
    DesignConditions design;
    if (hours.empty())
        return design;

    const std::vector<double> dryBulbs = SortedValues(hours, DryBulb);
    design.heating996DryBulbF = CumulativeFrequencyValue(dryBulbs, 0.004);
    design.heating990DryBulbF = CumulativeFrequencyValue(dryBulbs, 0.010);
    for (std::size_t i = 0; i < kCoolingPercents.size(); ++i) {
        const double t = CumulativeFrequencyValue(dryBulbs, 1.0 - kCoolingPercents[i] / 100.0);
        design.cooling[i] = CoolingDesign{t, MeanCoincident(hours, DryBulb, WetBulb, t)};
    }

    const std::vector<double> dewPoints = SortedValues(hours, DewPoint);
    const double td = CumulativeFrequencyValue(dewPoints, 0.996);
    DehumidificationDesign dehumid{td, std::nullopt, MeanCoincident(hours, DewPoint, DryBulb, td)};
    try {
        const double w = psy::HumidityRatioFromVaporPressure(psy::SaturationPressure(td, "IP"),
                                                             sitePressurePsia, "IP");
        if (w > 0.0)
            dehumid.humidityRatio = w;
    } catch (const psy::FloatingPointFault&) {
        // A site pressure at or below the vapour pressure: no humidity ratio.
    }
    design.dewPoint04 = dehumid;
    return design;
}

} // namespace weather
