#include "units/Conversions.h"

#include "ScopedDefaultLocale.h"
#include "units/UnitCatalogue.h"
#include "units/text/ConversionText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include <QString>

#include <gtest/gtest.h>

namespace {

namespace units = basLoadUnits;

using Conversion = float (*)(double, int) noexcept;

struct Quantity {
    std::string_view tag;
    Conversion fromBase;
    Conversion toBase;  // nullptr where the quantity cannot be typed
    double typical;     // a usual value in the base unit
    double offsetScale; // magnitude of an additive offset, for rounding
};

using namespace basConversions;
using namespace basPsychroFun;

const Quantity kQuantities[] = {
    {units::kTemperature, ConvertTemperatureFromBase, ConvertTemperatureToBase, 68, 460},
    {units::kPress, ConvertPressureFromBase, ConvertPressureToBase, 14.696, 0},
    {units::kEnth, ConvertEnthalpyFromBase, ConvertEnthalpyToBase, 25, 0},
    {units::kHumidityRatio, ConvertHumidityRatioFromBase, ConvertHumidityRatioToBase, 0.01, 0},
    {units::kAltitude, ConvertAltitudeFromBase, ConvertAltitudeToBase, 5000, 0},
    {units::kDensity, ConvertDensityFromBase, nullptr, 0.075, 0},
    {units::kAbsoluteHumidity, ConvertAbsoluteHumidityFromBase, nullptr, 0.001, 0},
    {units::kSpecificVolume, ConvertSpecificVolumeFromBase, nullptr, 13.5, 0},
};

// Every position of every typed quantity converts to its unit and back to the
// same base value, within the two single-precision roundings on the way.
TEST(Conversions, RoundTripThroughEveryUnit) {
    for (const Quantity& q : kQuantities) {
        if (q.toBase == nullptr)
            continue;
        const int count = static_cast<int>(units::UnitsOf(q.tag).size());
        for (int position = 0; position < count; ++position) {
            for (const double scale : {-2.0, 0.0, 0.001, 0.5, 1.0, 3.0}) {
                const double v = q.typical * scale;
                SCOPED_TRACE(testing::Message() << q.tag << " position " << position << " v " << v);
                const float shown = q.fromBase(v, position);
                const double tolerance = 1e-6 * std::max(std::abs(v), q.offsetScale) + 1e-12;
                EXPECT_NEAR(q.toBase(shown, position), v, tolerance);
            }
        }
    }
}

// A conversion handles exactly the positions of its catalogue list; -1 (no
// unit selected), 9 and the first position past the list give 0.
TEST(Conversions, PositionsOutsideTheListGiveZero) {
    for (const Quantity& q : kQuantities) {
        const int count = static_cast<int>(units::UnitsOf(q.tag).size());
        ASSERT_GT(count, 0) << q.tag;
        for (const Conversion c : {q.fromBase, q.toBase}) {
            if (c == nullptr)
                continue;
            SCOPED_TRACE(std::string(q.tag));
            EXPECT_NE(c(1.0, count - 1), 0.0F);
            for (const int position : {-1, count, 9, std::numeric_limits<int>::min()})
                EXPECT_EQ(c(1.0, position), 0.0F) << "position " << position;
        }
    }
}

// Reference values: the standard atmosphere in every pressure unit and known
// factors of the other quantities.
TEST(Conversions, ReferenceValues) {
    EXPECT_FLOAT_EQ(ConvertTemperatureFromBase(68, 2), 527.69F);
    EXPECT_FLOAT_EQ(ConvertTemperatureToBase(527.69, 2), 68.0F);
    EXPECT_FLOAT_EQ(ConvertTemperatureFromBase(32, 3), 273.15F);
    EXPECT_FLOAT_EQ(ConvertTemperatureFromBase(212, 1), 100.0F);
    EXPECT_FLOAT_EQ(ConvertTemperatureToBase(0, 1), 32.0F);

    const float atmosphere[] = {14.696F,  1.0F,     29.921F,   406.78387F, 760.0F,
                                1013.25F, 101.325F, 101325.0F, 1.01325F};
    for (int position = 0; position < 9; ++position) {
        EXPECT_FLOAT_EQ(ConvertPressureFromBase(14.696, position), atmosphere[position])
            << "position " << position;
        EXPECT_FLOAT_EQ(ConvertPressureToBase(atmosphere[position], position), 14.696F)
            << "position " << position;
    }

    EXPECT_FLOAT_EQ(ConvertHumidityRatioFromBase(0.01, 0), 70.0F);
    EXPECT_FLOAT_EQ(ConvertHumidityRatioToBase(70, 0), 0.01F);
    EXPECT_FLOAT_EQ(ConvertHumidityRatioFromBase(0.01, 2), 10.0F);
    EXPECT_FLOAT_EQ(ConvertEnthalpyFromBase(10, 2), 23.24077F);
    EXPECT_FLOAT_EQ(ConvertEnthalpyFromBase(10, 1), 5.55478F);
    EXPECT_FLOAT_EQ(ConvertAltitudeFromBase(1000, 1), 304.8F);
    EXPECT_FLOAT_EQ(ConvertDensityFromBase(1, 3), 16.018463F);
    EXPECT_FLOAT_EQ(ConvertAbsoluteHumidityFromBase(0.001, 0), 7.0F);
    EXPECT_FLOAT_EQ(ConvertAbsoluteHumidityFromBase(0.001, 3), 16.018463F);
    EXPECT_FLOAT_EQ(ConvertSpecificVolumeFromBase(1, 1), 62.428212F);
    EXPECT_FLOAT_EQ(ConvertSpecificVolumeFromBase(1, 2), 0.062428F);
}

// Results are rounded once to single precision, not carried as doubles.
TEST(Conversions, ResultsAreSinglePrecision) {
    EXPECT_EQ(ConvertPressureFromBase(14.696, 7), 101325.0F);
    EXPECT_EQ(ConvertPressureFromBase(0.1, 0), 0.1F);
}

TEST(Conversions, ValuesBeyondSinglePrecisionGiveZero) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ConvertPressureFromBase(1e38, 7), 0.0F);
    EXPECT_EQ(ConvertPressureFromBase(-1e38, 7), 0.0F);
    EXPECT_EQ(ConvertHumidityRatioToBase(1e39, 1), 0.0F);
    EXPECT_EQ(ConvertAltitudeFromBase(1e300, 0), 0.0F);
    EXPECT_EQ(ConvertTemperatureFromBase(inf, 0), 0.0F);
    EXPECT_EQ(ConvertTemperatureToBase(-inf, 1), 0.0F);
    EXPECT_EQ(ConvertEnthalpyToBase(std::nan(""), 0), 0.0F);
    // The largest float itself still converts.
    EXPECT_EQ(ConvertPressureFromBase(std::numeric_limits<float>::max(), 0),
              std::numeric_limits<float>::max());
}

TEST(Conversions, TextIsReadByTheUserLocale) {
    {
        const ScopedDefaultLocale scoped("en_US");
        EXPECT_FLOAT_EQ(ConvertPressureToBase(u" 1,013.25 ", 5), 14.696F);
        EXPECT_FLOAT_EQ(ConvertTemperatureFromBase(u"68", 2), 527.69F);
        EXPECT_EQ(ConvertPressureToBase(u"1013,25", 5), 0.0F);
    }
    {
        const ScopedDefaultLocale scoped("de_DE");
        EXPECT_FLOAT_EQ(ConvertPressureToBase(u"1.013,25", 5), 14.696F);
        EXPECT_FLOAT_EQ(ConvertHumidityRatioToBase(u"70", 0), 0.01F);
        EXPECT_FLOAT_EQ(ConvertEnthalpyFromBase(u"10,0", 2), 23.24077F);
    }
}

TEST(Conversions, UnreadableTextGivesZero) {
    const ScopedDefaultLocale scoped("en_US");
    for (const char16_t* text : {u"", u" ", u"-", u".", u"abc", u"12 psia", u"inf", u"1e39"}) {
        SCOPED_TRACE(QString::fromUtf16(text).toStdString());
        EXPECT_EQ(ConvertTemperatureToBase(text, 1), 0.0F);
        EXPECT_EQ(ConvertPressureToBase(text, 0), 0.0F);
        EXPECT_EQ(ConvertDensityFromBase(text, 0), 0.0F);
    }
    EXPECT_EQ(ConvertAltitudeToBase(u"100", 5), 0.0F);
}

} // namespace
