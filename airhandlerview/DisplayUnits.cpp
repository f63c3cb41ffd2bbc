#include "airhandlerview/DisplayUnits.h"

#include <cmath>

#include <QCoreApplication>
#include <QLocale>

namespace chart {

namespace u = basPsychroFun::units;
using processes::AirflowUnit;
using project::Input;

QString LoadUnitSymbol(LoadUnit unit) {
    switch (unit) {
    case LoadUnit::BtuPerHour:
        return QStringLiteral("Btu/h");
    case LoadUnit::Watts:
        return QStringLiteral("W");
    case LoadUnit::Kilowatts:
        return QStringLiteral("kW");
    case LoadUnit::Tons:
        return QCoreApplication::translate("chart::AirHandlerPanel", "tons");
    }
    return {};
}

double LoadToBtuPerHour(double value, LoadUnit unit) {
    switch (unit) {
    case LoadUnit::BtuPerHour:
        return value;
    case LoadUnit::Watts:
        return u::WattsToBtuPerHour(value);
    case LoadUnit::Kilowatts:
        return u::KilowattsToBtuPerHour(value);
    case LoadUnit::Tons:
        return u::TonsToBtuPerHour(value);
    }
    return value;
}

double LoadFromBtuPerHour(double btuPerHour, LoadUnit unit) {
    switch (unit) {
    case LoadUnit::BtuPerHour:
        return btuPerHour;
    case LoadUnit::Watts:
        return u::BtuPerHourToWatts(btuPerHour);
    case LoadUnit::Kilowatts:
        return u::BtuPerHourToKilowatts(btuPerHour);
    case LoadUnit::Tons:
        return u::BtuPerHourToTons(btuPerHour);
    }
    return btuPerHour;
}

QString TemperatureSymbol(UnitSystem system) {
    return system == UnitSystem::SI ? QStringLiteral("°C") : QStringLiteral("°F");
}

double TemperatureShown(double tF, UnitSystem system) {
    return system == UnitSystem::SI ? u::FahrenheitToCelsius(tF) : tF;
}

double TemperatureFromShown(double shown, UnitSystem system) {
    return system == UnitSystem::SI ? u::CelsiusToFahrenheit(shown) : shown;
}

double SpanShown(double spanF, UnitSystem system) {
    return system == UnitSystem::SI ? u::FahrenheitSpanToKelvin(spanF) : spanF;
}

double SpanFromShown(double shown, UnitSystem system) {
    return system == UnitSystem::SI ? u::KelvinSpanToFahrenheit(shown) : shown;
}

QString InputSymbol(Input input, UnitSystem system) {
    const bool si = system == UnitSystem::SI;
    switch (input) {
    case Input::DryBulb:
    case Input::WetBulb:
    case Input::DewPoint:
        return TemperatureSymbol(system);
    case Input::RelativeHumidity:
        return QStringLiteral("%");
    case Input::HumidityRatio:
        return si ? QStringLiteral("kg/kg") : QStringLiteral("lb/lb");
    case Input::Enthalpy:
        return si ? QStringLiteral("kJ/kg") : QStringLiteral("Btu/lb");
    }
    return {};
}

double InputShown(Input input, double base, UnitSystem system) {
    switch (input) {
    case Input::DryBulb:
    case Input::WetBulb:
    case Input::DewPoint:
        return TemperatureShown(base, system);
    case Input::RelativeHumidity:
        return u::FractionToPercent(base);
    case Input::HumidityRatio:
        return base; // lb/lb and kg/kg are the same ratio
    case Input::Enthalpy:
        return system == UnitSystem::SI ? u::MetricFromStoredEnthalpy(base) : base;
    }
    return base;
}

double InputFromShown(Input input, double shown, UnitSystem system) {
    switch (input) {
    case Input::DryBulb:
    case Input::WetBulb:
    case Input::DewPoint:
        return TemperatureFromShown(shown, system);
    case Input::RelativeHumidity:
        return u::PercentToFraction(shown);
    case Input::HumidityRatio:
        return shown;
    case Input::Enthalpy:
        return system == UnitSystem::SI ? u::StoredFromMetricEnthalpy(shown) : shown;
    }
    return shown;
}

processes::Airflow AirflowIn(const processes::Airflow& airflow, AirflowUnit unit) {
    if (airflow.unit == unit)
        return airflow;
    const double cfm = processes::ToCfm(airflow);
    switch (unit) {
    case AirflowUnit::Cfm:
        return {cfm, unit};
    case AirflowUnit::LitresPerSecond:
        return {u::CfmToLitresPerSecond(cfm), unit};
    case AirflowUnit::CubicMetresPerSecond:
        return {u::CfmToCubicMetresPerSecond(cfm), unit};
    case AirflowUnit::CubicMetresPerHour:
        return {u::CfmToCubicMetresPerHour(cfm), unit};
    }
    return airflow;
}

QString AirflowSymbol(AirflowUnit unit) {
    const std::string_view symbol = processes::AirflowUnitSymbol(unit);
    return QString::fromUtf8(symbol.data(), static_cast<qsizetype>(symbol.size()));
}

std::optional<double> ReadNumber(QStringView text) {
    const QString trimmed = text.trimmed().toString();
    bool ok = false;
    double value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString NumberText(double value, int decimals) {
    if (!std::isfinite(value))
        return {};
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

} // namespace chart
