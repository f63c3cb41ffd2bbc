#include "FieldRules.h"

#include "Conversions.h"
#include "FieldTable.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace calculator {

namespace {

constexpr double kFloatMax = std::numeric_limits<float>::max();

// The conversions of one typed quantity, to its base unit and back.
struct UnitConversions {
    float (*toBase)(double, int) noexcept;
    float (*fromBase)(double, int) noexcept;
};

std::optional<UnitConversions> conversionsOf(int field) {
    using namespace basConversions;
    using basPsychroFun::ConvertTemperatureFromBase;
    using basPsychroFun::ConvertTemperatureToBase;
    switch (field) {
    case kDryBulb:
    case kWetBulb:
        return UnitConversions{&ConvertTemperatureToBase, &ConvertTemperatureFromBase};
    case kHumidityRatio:
        return UnitConversions{&ConvertHumidityRatioToBase, &ConvertHumidityRatioFromBase};
    case kEnthalpy:
        return UnitConversions{&ConvertEnthalpyToBase, &ConvertEnthalpyFromBase};
    case kAtmosphericPressure:
        return UnitConversions{&ConvertPressureToBase, &ConvertPressureFromBase};
    case kAltitude:
        return UnitConversions{&ConvertAltitudeToBase, &ConvertAltitudeFromBase};
    default:
        return std::nullopt;
    }
}

} // namespace

Entry ReadEntry(QStringView text, int field, int position) {
    if (text.trimmed().isEmpty()) {
        if (field == kRelativeHumidity)
            return {};
        return {0.0f, std::nullopt};
    }
    const std::optional<double> typed = basConversions::ReadNumber(text);
    if (!typed)
        return {std::nullopt, Reason::UnreadableNumber};
    if (std::fabs(*typed) > kFloatMax)
        return {std::nullopt, Reason::NumberTooLarge};
    if (field == kRelativeHumidity) // typed in per cent
        return {static_cast<float>(*typed / 100.0), std::nullopt};

    const std::optional<UnitConversions> units = conversionsOf(field);
    if (!units || !IsUnitPosition(field, position))
        return {0.0f, std::nullopt};
    const float base = units->toBase(*typed, position);
    // A conversion whose result does not fit single precision gives 0: back
    // in the typed unit that is far from what was typed.
    const double back = static_cast<double>(units->fromBase(static_cast<double>(base), position));
    if (!(std::fabs(back - *typed) <= 1e-3 * std::max(1.0, std::fabs(*typed))))
        return {std::nullopt, Reason::NumberTooLarge};
    return {base, std::nullopt};
}

bool KeyAllowed(QStringView text, QChar key) {
    constexpr char16_t kBackspace = 8;
    switch (key.unicode()) {
    case u'.':
    case u',':
    case u'-':
        return !text.contains(key);
    case kBackspace:
        return true;
    default:
        return key >= u'0' && key <= u'9';
    }
}

int DecimalsOf(QStringView pattern) {
    // indexOf is 0-based and -1 without a point, so this is the length
    // minus the 1-based position of the point (0 when there is none).
    return static_cast<int>(pattern.size() - (pattern.indexOf(u'.') + 1));
}

QString MoreDigits(const QString& pattern) {
    return DecimalsOf(pattern) < kMaxDecimals ? pattern + u'0' : pattern;
}

QString LessDigits(const QString& pattern) {
    return DecimalsOf(pattern) > 0 ? pattern.chopped(1) : pattern;
}

} // namespace calculator
