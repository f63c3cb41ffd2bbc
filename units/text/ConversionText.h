#pragma once

// The conversions of Conversions.h applied to a typed text: the number is read
// by the user's locale (ReadNumber, NumberText.h) first; a text that cannot be
// read converts to 0, as an unconvertible value does.

#include <QStringView>

namespace basPsychroFun {

float ConvertTemperatureFromBase(QStringView text, int position);
float ConvertTemperatureToBase(QStringView text, int position);

} // namespace basPsychroFun

namespace basConversions {

float ConvertPressureFromBase(QStringView text, int position);
float ConvertPressureToBase(QStringView text, int position);
float ConvertDensityFromBase(QStringView text, int position);
float ConvertAbsoluteHumidityFromBase(QStringView text, int position);
float ConvertEnthalpyFromBase(QStringView text, int position);
float ConvertEnthalpyToBase(QStringView text, int position);
float ConvertSpecificVolumeFromBase(QStringView text, int position);
float ConvertHumidityRatioFromBase(QStringView text, int position);
float ConvertHumidityRatioToBase(QStringView text, int position);
float ConvertAltitudeFromBase(QStringView text, int position);
float ConvertAltitudeToBase(QStringView text, int position);

} // namespace basConversions
