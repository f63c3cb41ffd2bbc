// Floating-point faults: each failing operation raises FloatingPointFault of
// the right kind, and no operation ever returns NaN or an infinity.

#include "engine/PsychroFun.h"

#include <cmath>
#include <functional>
#include <limits>
#include <random>

#include <gtest/gtest.h>

namespace psy = basPsychroFun;
using Kind = psy::FloatingPointFault::Kind;

namespace {

constexpr double kP = 101.325;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct FaultCase {
    const char* name;
    std::function<double()> call;
    Kind kind;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class Fault : public testing::TestWithParam<FaultCase> {};

TEST_P(Fault, RaisesTheEngineException) {
    const FaultCase& c = GetParam();
    try {
        const double result = c.call();
        FAIL() << "no fault, returned " << result;
    } catch (const psy::FloatingPointFault& fault) {
        EXPECT_EQ(fault.kind(), c.kind);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Relations, Fault,
    testing::Values(
        FaultCase{"VapourPressureEqualsAtmospheric",
                  [] { return psy::HumidityRatioFromVaporPressure(kP, kP, "SI"); },
                  Kind::DivisionByZero},
        FaultCase{"HumidityRatioAtMinusMassRatio",
                  [] { return psy::VaporPressureFromHumidityRatio(-0.62198, kP, "SI"); },
                  Kind::DivisionByZero},
        FaultCase{"ZeroPressureVolume", [] { return psy::SpecificVolume(20, 0.01, 0, "SI"); },
                  Kind::DivisionByZero},
        FaultCase{"ZeroVolumeDensity", [] { return psy::MoistAirDensity(0.01, 0, "IP"); },
                  Kind::DivisionByZero},
        FaultCase{"ZeroVolumeAbsoluteHumidity", [] { return psy::AbsoluteHumidity(0, 0, "SI"); },
                  Kind::InvalidOperation},
        FaultCase{"DewPointOfZeroVapour", [] { return psy::DewPointFromVaporPressure(0, "SI"); },
                  Kind::DivisionByZero},
        FaultCase{"DewPointOfNegativeVapour",
                  [] { return psy::DewPointFromVaporPressure(-1, "SI"); }, Kind::InvalidOperation},
        FaultCase{"RelativeHumidityOverZero",
                  [] { return psy::RelativeHumidityFromVaporPressures(1, 0, "SI"); },
                  Kind::DivisionByZero},
        FaultCase{"DewPointAndZeroRelativeHumidity",
                  [] { return psy::DryBulbFromDewPointAndRelativeHumidity(10, 0, "SI"); },
                  Kind::DivisionByZero},
        FaultCase{"Overflow", [] { return psy::SpecificVolume(20, 1e308, kP, "SI"); },
                  Kind::Overflow},
        FaultCase{"NaNArgument", [] { return psy::SaturationPressure(kNaN, "SI"); },
                  Kind::InvalidOperation},
        FaultCase{"InfiniteArgument", [] { return psy::PressureFromAltitude(-kInf, "SI"); },
                  Kind::InvalidOperation},
        FaultCase{"ZeroPressureInWetBulb",
                  [] { return psy::WetBulbFromDryBulbAndRelativeHumidity(20, 0.5, 0, "SI"); },
                  Kind::InvalidOperation}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

// A plain double meeting a checked number (a constant of a formula, or an
// argument used as it is) is tested only once the result has failed; the
// fault must still name its cause: a non-finite operand is invalid, not an
// overflow, and a division by an infinity is not a silent zero.
INSTANTIATE_TEST_SUITE_P(
    Operands, Fault,
    testing::Values(
        FaultCase{"InfiniteHumidityRatioTimesPressure",
                  [] { return psy::VaporPressureFromHumidityRatio(kInf, kP, "SI"); },
                  Kind::InvalidOperation},
        FaultCase{"NaNHumidityRatioTimesZeroPressure",
                  [] { return psy::VaporPressureFromHumidityRatio(kNaN, 0, "SI"); },
                  Kind::InvalidOperation},
        FaultCase{"InfiniteSaturationRatio",
                  [] { return psy::DegreeOfSaturationFromRelativeHumidity(0.5, kInf, "SI"); },
                  Kind::InvalidOperation},
        FaultCase{"InfiniteSaturationRatioAtSaturation",
                  [] { return psy::DegreeOfSaturationFromRelativeHumidity(1, -kInf, "SI"); },
                  Kind::InvalidOperation},
        FaultCase{"DivisionByInfinity",
                  [] { return psy::RelativeHumidityFromVaporPressures(1, kInf, "SI"); },
                  Kind::InvalidOperation},
        FaultCase{"ProductWithConstantOverflows",
                  [] { return psy::SaturationPressure(1e308, "SI"); }, Kind::Overflow},
        FaultCase{"QuotientOverflows",
                  [] { return psy::RelativeHumidityFromVaporPressures(1e300, 1e-10, "SI"); },
                  Kind::Overflow},
        FaultCase{"ZeroOverZero",
                  [] { return psy::RelativeHumidityFromVaporPressures(0, -0.0, "SI"); },
                  Kind::InvalidOperation}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(Fault, UnderflowIsNotAFault) {
    // exp of a large negative logarithm underflows quietly to a tiny value.
    EXPECT_GE(psy::EnthalpyFromDryBulbAndHumidityRatio(1e-300, 1e-300, "SI"), 0.0);
    EXPECT_NO_THROW(psy::MoistAirDensity(1e-300, 1e300, "SI"));
}

// Every operation over a wide spread of arguments, sensible and absurd:
// each call gives a finite number or raises the fault, never NaN or infinity.
TEST(Fault, NoOperationEverReturnsNaNOrInfinity) {
    std::mt19937_64 rng(20261207);
    std::uniform_real_distribution<double> exponent(-12.0, 12.0);
    std::uniform_int_distribution<int> coin(0, 3);
    const auto arg = [&]() {
        switch (coin(rng)) {
        case 0:
            return 0.0;
        case 1:
            return std::pow(10.0, exponent(rng));
        case 2:
            return -std::pow(10.0, exponent(rng));
        default:
            return std::uniform_real_distribution<double>(-150.0, 450.0)(rng);
        }
    };
    const std::function<double(double, double, double, const char*)> operations[] = {
        [](double a, double, double, auto s) { return psy::SaturationPressure(a, s); },
        [](double a, double b, double, auto s) {
            return psy::HumidityRatioFromVaporPressure(a, b, s);
        },
        [](double a, double b, double, auto s) {
            return psy::VaporPressureFromHumidityRatio(a, b, s);
        },
        [](double a, double b, double c, auto s) {
            return psy::HumidityRatioFromRelativeHumidity(a, b, c, s);
        },
        [](double a, double b, double c, auto s) {
            return psy::HumidityRatioFromDryBulbAndWetBulb(a, b, c, s);
        },
        [](double a, double b, double c, auto s) {
            return psy::DryBulbFromWetBulbAndHumidityRatio(a, b, c, s);
        },
        [](double a, double b, double, auto s) {
            return psy::EnthalpyFromDryBulbAndHumidityRatio(a, b, s);
        },
        [](double a, double b, double, auto s) {
            return psy::HumidityRatioFromDryBulbAndEnthalpy(a, b, s);
        },
        [](double a, double b, double, auto s) {
            return psy::DryBulbFromHumidityRatioAndEnthalpy(a, b, s);
        },
        [](double a, double, double, auto s) { return psy::DewPointFromVaporPressure(a, s); },
        [](double a, double b, double, auto s) {
            return psy::DegreeOfSaturationFromRelativeHumidity(a, b, s);
        },
        [](double a, double b, double c, auto s) { return psy::SpecificVolume(a, b, c, s); },
        [](double a, double b, double, auto s) { return psy::MoistAirDensity(a, b, s); },
        [](double a, double b, double, auto s) {
            return psy::DryBulbFromDewPointAndRelativeHumidity(a, b, s);
        },
        [](double a, double b, double c, auto s) {
            return psy::WetBulbFromDryBulbAndDewPoint(a, b, c, s);
        },
        [](double a, double b, double c, auto s) {
            return psy::WetBulbFromDryBulbAndRelativeHumidity(a, b, c, s);
        },
        [](double a, double b, double c, auto s) {
            return psy::DryBulbFromWetBulbAndRelativeHumidity(a, b, c, s);
        },
        [](double a, double b, double c, auto s) {
            return psy::DryBulbFromEnthalpyAndRelativeHumidity(a, b, c, s);
        },
        [](double a, double b, double c, auto s) {
            return psy::DryBulbFromWetBulbAndEnthalpy(a, b, c, s);
        },
        [](double a, double, double, auto s) { return psy::PressureFromAltitude(a, s); },
        [](double a, double, double, auto s) { return psy::AltitudeFromPressure(a, s); },
        [](double a, double b, double c, auto) { return psy::CubicRoots(a, b, c)[0]; },
    };
    for (int i = 0; i < 400; ++i) {
        for (const auto& operation : operations) {
            const double a = arg(), b = arg(), c = arg();
            for (const char* system : {"IP", "SI", "XY"}) {
                try {
                    const double r = operation(a, b, c, system);
                    ASSERT_TRUE(std::isfinite(r)) << a << " " << b << " " << c << " " << system;
                } catch (const psy::FloatingPointFault&) {
                }
            }
        }
    }
}

} // namespace
