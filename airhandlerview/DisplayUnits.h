#pragma once

// The air handler's numbers as the panel shows and reads them: in the
// project's unit system (°F or °C, lb/lb or kg/kg, Btu/lb or kJ/kg), loads in
// the unit the user picks, airflows in the design's airflow unit. Every
// conversion is a named one of engine/Units.h; this file only chooses which.

#include "engine/Units.h"
#include "processes/Airflow.h"
#include "projectcore/Definition.h"

#include <optional>

#include <QString>
#include <QStringView>

namespace chart {

using basPsychroFun::UnitSystem;

// The units a room load may be typed in.
enum class LoadUnit { BtuPerHour, Watts, Kilowatts, Tons };
inline constexpr int kLoadUnitCount = 4;

QString LoadUnitSymbol(LoadUnit unit);
double LoadToBtuPerHour(double value, LoadUnit unit);
double LoadFromBtuPerHour(double btuPerHour, LoadUnit unit);

// Temperatures (°F base) and temperature differences (°F-sized) shown in
// °F or °C (K-sized).
QString TemperatureSymbol(UnitSystem system);
double TemperatureShown(double tF, UnitSystem system);
double TemperatureFromShown(double shown, UnitSystem system);
double SpanShown(double spanF, UnitSystem system);
double SpanFromShown(double shown, UnitSystem system);

// A property of a point definition in the units above; the relative humidity
// in per cent.
QString InputSymbol(project::Input input, UnitSystem system);
double InputShown(project::Input input, double base, UnitSystem system);
double InputFromShown(project::Input input, double shown, UnitSystem system);

// The airflow in another unit, the same volume.
processes::Airflow AirflowIn(const processes::Airflow& airflow, processes::AirflowUnit unit);
QString AirflowSymbol(processes::AirflowUnit unit);

// A number typed by the user: by the locale, or with "." whatever the locale;
// nothing for text that is no finite number.
std::optional<double> ReadNumber(QStringView text);
// A number shown in the locale, without digit grouping so that it reads back.
QString NumberText(double value, int decimals);

} // namespace chart
