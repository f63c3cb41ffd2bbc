// Pressure and altitude: the standard-atmosphere cubic and its inverse.

#include "engine/PsychroFun.h"

#include <ostream>

#include <gtest/gtest.h>

namespace psy = basPsychroFun;

namespace {

struct AltitudeCase {
    double z;
    const char* system;
    double pressure; // kPa | psia, or the marker
    double tolerance;
};

void PrintTo(const AltitudeCase& c, std::ostream* os) {
    *os << c.z << " " << c.pressure << " " << c.system;
}

class PressureFromAltitude : public testing::TestWithParam<AltitudeCase> {};

TEST_P(PressureFromAltitude, Reference) {
    const AltitudeCase& c = GetParam();
    EXPECT_NEAR(psy::PressureFromAltitude(c.z, c.system), c.pressure, c.tolerance) << c.z;
}

INSTANTIATE_TEST_SUITE_P(
    Polynomial, PressureFromAltitude,
    testing::Values(AltitudeCase{0, "SI", 101.325, 1e-12}, AltitudeCase{1000, "SI", 89.9121, 1e-4},
                    AltitudeCase{19812, "SI", 5.12228, 1e-5},  // the limit is evaluated
                    AltitudeCase{19812.01, "SI", -9999, 0},    // above it: marker
                    AltitudeCase{-500, "SI", 107.4286, 1e-4},  // no lower limit
                    AltitudeCase{5000, "IP", 12.2326, 1e-4},   // psia
                    AltitudeCase{65000, "IP", 0.742926, 1e-6}, // just inside the limit
                    AltitudeCase{65001, "IP", -9999, 0},       // marker, never converted
                    AltitudeCase{1000, "XY", -9999, 0}));

class AltitudeFromPressure : public testing::TestWithParam<AltitudeCase> {};

TEST_P(AltitudeFromPressure, Reference) {
    const AltitudeCase& c = GetParam();
    EXPECT_NEAR(psy::AltitudeFromPressure(c.pressure, c.system), c.z, c.tolerance) << c.pressure;
}

INSTANTIATE_TEST_SUITE_P(Inverse, AltitudeFromPressure,
                         testing::Values(AltitudeCase{0, "SI", 101.325, 1e-3},
                                         AltitudeCase{991.936, "SI", 90, 1e-3},
                                         AltitudeCase{-704.226, "SI", 110, 1e-3},
                                         AltitudeCase{19750.87, "SI", 5.2, 1e-2},
                                         AltitudeCase{-9999, "SI", 5.1, 0}, // above 19812 m: marker
                                         AltitudeCase{0, "IP", 14.696, 1e-2}, // ft
                                         AltitudeCase{5510.94, "IP", 12, 1e-2},
                                         AltitudeCase{-9999, "XY", 90, 0}));

TEST(Atmosphere, AltitudeCarriesSinglePrecision) {
    EXPECT_EQ(psy::AltitudeFromPressure(90.0, "SI"), 991.936279296875);
    const double z = psy::AltitudeFromPressure(75.0, "SI");
    EXPECT_EQ(z, static_cast<double>(static_cast<float>(z)));
}

TEST(Atmosphere, AltitudeAndPressureInvertEachOther) {
    for (double z = -400.0; z <= 19800.0; z += 733.0) {
        const double p = psy::PressureFromAltitude(z, "SI");
        EXPECT_NEAR(psy::AltitudeFromPressure(p, "SI"), z, 2e-3 * std::max(1.0, std::abs(z) / 1000))
            << z;
    }
}

} // namespace
