// Hour counts under the month and hour-of-day filter, and the density grid.

#include "weather/Statistics.h"

#include <numeric>

#include <gtest/gtest.h>

namespace {

using namespace weather;

// One day a month, every hour: dry bulb 10 x month + hour of day (°F),
// humidity ratio 0.001 x month, dew point 5 °F below the dry bulb.
std::vector<Hour> ADayAMonth() {
    std::vector<Hour> hours;
    for (int month = 1; month <= 12; ++month)
        for (int hour = 0; hour < 24; ++hour) {
            Hour h;
            h.month = month;
            h.day = 15;
            h.hourOfDay = hour;
            h.dryBulbF = 10.0 * month + hour;
            h.dewPointF = h.dryBulbF - 5.0;
            h.humidityRatio = 0.001 * month;
            hours.push_back(h);
        }
    return hours;
}

// Summer working hours: June to August, 8:00 to 18:00.
HourFilter SummerWorkingHours() {
    HourFilter filter;
    filter.months.reset();
    for (int m : {6, 7, 8})
        filter.months.set(static_cast<std::size_t>(m - 1));
    filter.hours = HourFilter::HoursOfDay(8, 17);
    return filter;
}

TEST(Statistics, HoursOfDayAndTheNight) {
    EXPECT_EQ(HourFilter::HoursOfDay(8, 17).count(), 10u);
    const auto night = HourFilter::HoursOfDay(22, 5);
    EXPECT_EQ(night.count(), 8u);
    EXPECT_TRUE(night.test(23) && night.test(0) && night.test(5));
    EXPECT_FALSE(night.test(6) || night.test(21));
}

TEST(Statistics, ZoneCountsFollowTheFilter) {
    const std::vector<Hour> hours = ADayAMonth();
    EXPECT_EQ(CountFiltered(hours, HourFilter{}), 288u);
    const HourFilter filter = SummerWorkingHours();
    EXPECT_EQ(CountFiltered(hours, filter), 30u);

    // At or above 75 °F: June from 15:00 (3 hours), July and August all 10.
    const HourShare warm =
        CountInZone(hours, filter, [](const Hour& h) { return h.dryBulbF >= 75.0; });
    EXPECT_EQ(warm.hours, 23u);
    EXPECT_EQ(warm.filtered, 30u);
    EXPECT_NEAR(warm.percent(), 100.0 * 23.0 / 30.0, 1e-12);

    EXPECT_EQ(CountInZone(hours, filter, ZonePredicate{}).hours, 0u);
    HourFilter none;
    none.months.reset();
    EXPECT_EQ(CountInZone(hours, none, [](const Hour&) { return true; }).percent(), 0.0);
}

TEST(Statistics, LimitsCountStrictlyAboveAndBelow) {
    const std::vector<Hour> hours = ADayAMonth();
    const HourFilter filter = SummerWorkingHours();
    // 75 °F: June 15:00 is at the limit, neither above nor below.
    const LimitShares dryBulb = CountAgainstLimit(hours, filter, LimitQuantity::DryBulb, 75.0);
    EXPECT_EQ(dryBulb.above.hours, 22u);
    EXPECT_EQ(dryBulb.below.hours, 7u);
    EXPECT_EQ(dryBulb.above.filtered, 30u);
    // Dew point 70 °F is the same hours as dry bulb 75 °F.
    const LimitShares dewPoint = CountAgainstLimit(hours, filter, LimitQuantity::DewPoint, 70.0);
    EXPECT_EQ(dewPoint.above.hours, 22u);
    EXPECT_EQ(dewPoint.below.hours, 7u);
    const LimitShares ratio =
        CountAgainstLimit(hours, filter, LimitQuantity::HumidityRatio, 0.0065);
    EXPECT_EQ(ratio.above.hours, 20u); // July and August
    EXPECT_EQ(ratio.below.hours, 10u);
}

TEST(Statistics, DensityGridCountsHoursPerCell) {
    const auto at = [](double t, double w, int month = 1) {
        Hour h;
        h.month = month;
        h.dryBulbF = t;
        h.humidityRatio = w;
        return h;
    };
    const std::vector<Hour> hours{
        at(15.5, 0.0015),    at(15.5, 0.0015), at(17.0, 0.0012), // column 1, row 0
        at(99.5, 0.0095),    at(100.0, 0.01), // the chart's upper edges belong to the last cells
        at(0.0, 0.0),                         // its lower edges to the first
        at(100.5, 0.005),    at(50.0, 0.0101), at(-1.0, 0.005), // beyond the chart
        at(15.5, 0.0015, 2),                                    // February
    };
    // 0 to 100 °F in 10 columns, 0 to 0.01 in 5 rows.
    const GridAxes axes{0.0, 100.0, 0.0, 0.01, 10, 5};
    const DensityGrid grid = ComputeDensity(hours, HourFilter{}, axes);
    ASSERT_EQ(grid.counts.size(), 50u);
    EXPECT_EQ(grid.at(1, 0), 4u);
    EXPECT_EQ(grid.at(9, 4), 2u);
    EXPECT_EQ(grid.at(0, 0), 1u);
    EXPECT_EQ(grid.outside, 3u);
    EXPECT_EQ(grid.maxCount, 4u);
    EXPECT_EQ(std::accumulate(grid.counts.begin(), grid.counts.end(), 0u), 7u);

    // The filter applies.
    HourFilter january;
    january.months.reset().set(0);
    EXPECT_EQ(ComputeDensity(hours, january, axes).at(1, 0), 3u);

    for (const GridAxes& bad :
         {GridAxes{0, 0, 0, 0.01, 10, 5}, GridAxes{0, 100, 0.01, 0, 10, 5},
          GridAxes{0, 100, 0, 0.01, 0, 5}, GridAxes{0, 100, 0, 0.01, 10, kMaxGridCells + 1}}) {
        const DensityGrid empty = ComputeDensity(hours, HourFilter{}, bad);
        EXPECT_TRUE(empty.counts.empty());
        EXPECT_EQ(empty.axes.columns, 0);
    }
}

} // namespace
