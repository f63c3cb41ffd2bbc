#include "units/text/ConversionText.h"

#include "units/Conversions.h"
#include "units/text/NumberText.h"

#include <optional>

namespace {

// The typed number converted by `convert`, or 0 when the text reads as none.
float viaText(float (*convert)(double, int) noexcept, QStringView text, int position) {
    const std::optional<double> value = basConversions::ReadNumber(text);
    return value ? convert(*value, position) : 0.0F;
}

} // namespace

namespace basPsychroFun {

float ConvertTemperatureFromBase(QStringView text, int position) {
    return viaText(&ConvertTemperatureFromBase, text, position);
}
float ConvertTemperatureToBase(QStringView text, int position) {
    return viaText(&ConvertTemperatureToBase, text, position);
}

} // namespace basPsychroFun

namespace basConversions {

float ConvertPressureFromBase(QStringView text, int position) {
    return viaText(&ConvertPressureFromBase, text, position);
}
float ConvertPressureToBase(QStringView text, int position) {
    return viaText(&ConvertPressureToBase, text, position);
}
float ConvertDensityFromBase(QStringView text, int position) {
    return viaText(&ConvertDensityFromBase, text, position);
}
float ConvertAbsoluteHumidityFromBase(QStringView text, int position) {
    return viaText(&ConvertAbsoluteHumidityFromBase, text, position);
}
float ConvertEnthalpyFromBase(QStringView text, int position) {
    return viaText(&ConvertEnthalpyFromBase, text, position);
}
float ConvertEnthalpyToBase(QStringView text, int position) {
    return viaText(&ConvertEnthalpyToBase, text, position);
}
float ConvertSpecificVolumeFromBase(QStringView text, int position) {
    return viaText(&ConvertSpecificVolumeFromBase, text, position);
}
float ConvertHumidityRatioFromBase(QStringView text, int position) {
    return viaText(&ConvertHumidityRatioFromBase, text, position);
}
float ConvertHumidityRatioToBase(QStringView text, int position) {
    return viaText(&ConvertHumidityRatioToBase, text, position);
}
float ConvertAltitudeFromBase(QStringView text, int position) {
    return viaText(&ConvertAltitudeFromBase, text, position);
}
float ConvertAltitudeToBase(QStringView text, int position) {
    return viaText(&ConvertAltitudeToBase, text, position);
}

} // namespace basConversions
