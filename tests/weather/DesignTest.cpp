// Design conditions: the definitions on small hand-made years, and the real
// Chicago year against the ASHRAE values its header carries.

#include "WeatherTestData.h"
#include "engine/Units.h"
#include "weather/Site.h"
#include "weather/WeatherFile.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using namespace weather;
namespace u = basPsychroFun::units;

// Hours with the given dry bulbs (°F) and a wet bulb 10 °F below each.
std::vector<Hour> HoursAt(const std::vector<double>& dryBulbs) {
    std::vector<Hour> hours;
    for (double t : dryBulbs) {
        Hour h;
        h.dryBulbF = t;
        h.wetBulbF = t - 10.0;
        h.dewPointF = t - 20.0;
        hours.push_back(h);
    }
    return hours;
}

TEST(Design, CumulativeFrequencyInterpolatesBetweenOrderStatistics) {
    const std::vector<double> sorted{1.0, 2.0, 3.0, 4.0, 5.0};
    EXPECT_DOUBLE_EQ(CumulativeFrequencyValue(sorted, 0.0), 1.0);
    EXPECT_DOUBLE_EQ(CumulativeFrequencyValue(sorted, 0.1), 1.4); // position 0.4
    EXPECT_DOUBLE_EQ(CumulativeFrequencyValue(sorted, 0.5), 3.0);
    EXPECT_DOUBLE_EQ(CumulativeFrequencyValue(sorted, 0.99), 4.96);
    EXPECT_DOUBLE_EQ(CumulativeFrequencyValue(sorted, 1.0), 5.0);
    EXPECT_DOUBLE_EQ(CumulativeFrequencyValue(std::vector<double>{7.0}, 0.004), 7.0);
}

TEST(Design, ValuesAreExceededByTheirShareOfTheHours) {
    // 1000 hours at 0.0, 0.1, ..., 99.9 °F, in a shuffled order.
    std::vector<double> t;
    for (int i = 999; i >= 0; --i)
        t.push_back(i / 10.0);
    std::rotate(t.begin(), t.begin() + 377, t.end());
    const std::vector<Hour> hours = HoursAt(t);
    const DesignConditions d = ComputeDesignConditions(hours, 14.696);

    const auto exceeding = [&](double value) {
        return std::count_if(t.begin(), t.end(), [=](double x) { return x > value; });
    };
    // 99.6 % heating: 996 of 1000 hours are warmer; 0.4 % cooling: 4 are warmer.
    EXPECT_NEAR(*d.heating996DryBulbF, 0.3996, 1e-9);
    EXPECT_EQ(exceeding(*d.heating996DryBulbF), 996);
    EXPECT_NEAR(*d.heating990DryBulbF, 0.999, 1e-9);
    EXPECT_NEAR(d.cooling[0]->dryBulbF, 99.5004, 1e-9);
    EXPECT_EQ(exceeding(d.cooling[0]->dryBulbF), 4);
    EXPECT_NEAR(d.cooling[1]->dryBulbF, 98.901, 1e-9);
    EXPECT_NEAR(d.cooling[2]->dryBulbF, 97.902, 1e-9);

    // Coincident band 99.5004 ± 0.9 °F: the hours at 98.7 to 99.9 °F, whose
    // wet bulbs average 99.3 - 10. A band of another width moves the mean.
    EXPECT_NEAR(d.cooling[0]->meanCoincidentWetBulbF, 89.3, 1e-9);
    // 0.4 % dew point 79.5004 °F; the dry bulbs in its band average 99.3 °F.
    EXPECT_NEAR(d.dewPoint04->dewPointF, 79.5004, 1e-9);
    EXPECT_NEAR(d.dewPoint04->meanCoincidentDryBulbF, 99.3, 1e-9);
}

TEST(Design, CoincidentBandIncludesItsEnds) {
    // 998 hours at 50 °F between one at 49.1 and one at 50.9: the 0.4 %
    // value is 50 °F and both outer hours lie on the ends of its band (where
    // 50.9 - 50 rounds to just above 0.9); both count.
    std::vector<double> t(998, 50.0);
    t.push_back(49.1);
    t.push_back(50.9);
    const DesignConditions d = ComputeDesignConditions(HoursAt(t), 14.696);
    EXPECT_DOUBLE_EQ(d.cooling[0]->dryBulbF, 50.0);
    EXPECT_NEAR(d.cooling[0]->meanCoincidentWetBulbF, 40.0, 1e-9);
}

TEST(Design, EmptyBandTakesTheNearestHours) {
    // Two hours far apart: the 1 % value 99 °F has no hour within 0.9 °F,
    // so the nearest hour (100 °F) gives the coincident wet bulb.
    const DesignConditions d = ComputeDesignConditions(HoursAt({0.0, 100.0}), 14.696);
    EXPECT_NEAR(d.cooling[1]->dryBulbF, 99.0, 1e-9);
    EXPECT_DOUBLE_EQ(d.cooling[1]->meanCoincidentWetBulbF, 90.0);
}

TEST(Design, NoHoursNoDesignConditions) {
    const DesignConditions d = ComputeDesignConditions({}, 14.696);
    EXPECT_FALSE(d.heating996DryBulbF);
    EXPECT_FALSE(d.cooling[0]);
    EXPECT_FALSE(d.dewPoint04);
}

TEST(Design, DewPointHumidityRatioIsAtTheSiteStandardPressure) {
    // Chicago's header gives 19.2 g/kg for its 23.8 °C design dew point; the
    // Handbook computes it at the standard pressure of the station's 201 m.
    std::vector<Hour> hours = HoursAt({80.0});
    hours[0].dewPointF = u::CelsiusToFahrenheit(23.8);
    const SitePressure site = SitePressureOf(201.0, hours);
    ASSERT_EQ(site.source, SitePressureSource::Elevation);
    const DesignConditions d = ComputeDesignConditions(hours, site.psia);
    EXPECT_NEAR(u::RatioToGramsPerKilogram(*d.dewPoint04->humidityRatio), 19.2, 0.1);
}

TEST(Design, ChicagoYearLandsNearItsAshraeValues) {
    const WeatherFile file = LoadWeatherFile(testdata::kChicagoEpw, 14.696);
    ASSERT_EQ(file.hours.size(), 8760u);
    const SitePressure site = SitePressureOf(file.location.elevationM, file.hours);
    const DesignConditions computed = ComputeDesignConditions(file.hours, site.psia);
    const DesignConditions& header = file.headerDesign;

    // The header's values in °C, as its source note gives them.
    const auto c = [](double tF) { return u::FahrenheitToCelsius(tF); };
    EXPECT_NEAR(c(*header.heating996DryBulbF), -20.0, 1e-9);
    EXPECT_NEAR(c(*header.heating990DryBulbF), -16.6, 1e-9);
    const double cooling[3][2] = {{33.3, 23.7}, {31.6, 23.0}, {30.1, 22.1}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(c(header.cooling[i]->dryBulbF), cooling[i][0], 1e-9);
        EXPECT_NEAR(c(header.cooling[i]->meanCoincidentWetBulbF), cooling[i][1], 1e-9);
    }
    EXPECT_NEAR(c(header.dewPoint04->dewPointF), 23.8, 1e-9);
    EXPECT_NEAR(*header.dewPoint04->humidityRatio, 0.0192, 1e-12);

    // A typical year lands near the values of many years: within 1.5 K.
    constexpr double kNear = 1.5;
    EXPECT_NEAR(c(*computed.heating996DryBulbF), c(*header.heating996DryBulbF), kNear);
    EXPECT_NEAR(c(*computed.heating990DryBulbF), c(*header.heating990DryBulbF), kNear);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(c(computed.cooling[i]->dryBulbF), c(header.cooling[i]->dryBulbF), kNear) << i;
        EXPECT_NEAR(c(computed.cooling[i]->meanCoincidentWetBulbF),
                    c(header.cooling[i]->meanCoincidentWetBulbF), kNear)
            << i;
    }
    EXPECT_NEAR(c(computed.dewPoint04->dewPointF), c(header.dewPoint04->dewPointF), kNear);
    EXPECT_NEAR(c(computed.dewPoint04->meanCoincidentDryBulbF),
                c(header.dewPoint04->meanCoincidentDryBulbF), kNear);
}

TEST(Design, SitePressureOutsideTheAltitudeRange) {
    std::vector<Hour> hours = HoursAt({50.0, 60.0, 70.0});
    hours[0].pressurePsia = 14.0;
    hours[1].pressurePsia = 14.2;
    hours[2].pressurePsia = 14.5;
    const SitePressure high = SitePressureOf(20000.0, hours);
    EXPECT_EQ(high.source, SitePressureSource::ElevationOutOfRange);
    EXPECT_DOUBLE_EQ(high.psia, 14.2); // the median station pressure
    EXPECT_EQ(SitePressureOf(-700.0, hours).source, SitePressureSource::ElevationOutOfRange);
    EXPECT_EQ(SitePressureOf(std::nullopt, hours).source, SitePressureSource::NoElevation);
    EXPECT_DOUBLE_EQ(SitePressureOf(std::nullopt, {}).psia, 14.696);
    // Sea level gives the standard atmosphere.
    EXPECT_NEAR(SitePressureOf(0.0, hours).psia, 14.696, 1e-12);
}

} // namespace
