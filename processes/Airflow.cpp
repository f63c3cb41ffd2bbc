#include "processes/Airflow.h"

#include "processes/Guarded.h"

#include <cmath>

namespace processes {

namespace units = basPsychroFun::units;

double ToCfm(const Airflow& airflow) noexcept {
    switch (airflow.unit) {
    case AirflowUnit::Cfm:
        return airflow.value;
    case AirflowUnit::LitresPerSecond:
        return units::LitresPerSecondToCfm(airflow.value);
    case AirflowUnit::CubicMetresPerSecond:
        return units::CubicMetresPerSecondToCfm(airflow.value);
    case AirflowUnit::CubicMetresPerHour:
        return units::CubicMetresPerHourToCfm(airflow.value);
    }
    return airflow.value;
}

namespace {

double FromCfm(double cfm, AirflowUnit unit) noexcept {
    switch (unit) {
    case AirflowUnit::Cfm:
        return cfm;
    case AirflowUnit::LitresPerSecond:
        return units::CfmToLitresPerSecond(cfm);
    case AirflowUnit::CubicMetresPerSecond:
        return units::CfmToCubicMetresPerSecond(cfm);
    case AirflowUnit::CubicMetresPerHour:
        return units::CfmToCubicMetresPerHour(cfm);
    }
    return cfm;
}

constexpr double kMinutesPerHour = units::kSecondsPerHour / units::kSecondsPerMinute;

} // namespace

Outcome<double> DryAirMassFlow(const AirState& at, const Airflow& airflow) {
    if (const auto problem = CheckAir(at))
        return *problem;
    const double cfm = ToCfm(airflow);
    if (!(cfm > 0.0) || std::isinf(cfm))
        return Problem::NoAirflow;
    return detail::Guarded([&]() -> Outcome<double> {
        // m_da = Q / v: ft³/min over ft³/lb, times 60 min/h.
        return cfm * kMinutesPerHour / air::SpecificVolume(at);
    });
}

Outcome<Airflow> VolumeFlow(const AirState& at, double massFlowLbPerHour, AirflowUnit unit) {
    if (const auto problem = CheckAir(at))
        return *problem;
    if (!(massFlowLbPerHour > 0.0) || std::isinf(massFlowLbPerHour))
        return Problem::NoAirflow;
    return detail::Guarded([&]() -> Outcome<Airflow> {
        const double cfm = massFlowLbPerHour * air::SpecificVolume(at) / kMinutesPerHour;
        return Airflow{FromCfm(cfm, unit), unit};
    });
}

std::string_view AirflowUnitSymbol(AirflowUnit unit) noexcept {
    switch (unit) {
    case AirflowUnit::Cfm:
        return "cfm";
    case AirflowUnit::LitresPerSecond:
        return "L/s";
    case AirflowUnit::CubicMetresPerSecond:
        return "m³/s";
    case AirflowUnit::CubicMetresPerHour:
        break;
    }
    return "m³/h";
}

} // namespace processes
