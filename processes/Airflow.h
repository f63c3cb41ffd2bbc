#pragma once

// Volume airflow at a point and the mass flow of dry air it carries.
//
// A fan or a duct delivers a volume; the psychrometric balances count the
// mass of dry air, m_da = Q / v, with v the specific volume of the air at the
// point where the volume is taken (ASHRAE Handbook of Fundamentals,
// Psychrometrics: v per unit mass of dry air).

#include "processes/Air.h"

#include <string_view>

namespace processes {

enum class AirflowUnit { Cfm, LitresPerSecond, CubicMetresPerSecond, CubicMetresPerHour };

struct Airflow {
    double value = 0.0;
    AirflowUnit unit = AirflowUnit::Cfm;
    friend bool operator==(const Airflow&, const Airflow&) = default;
};

// The unit's symbol as shown to the user (UTF-8): "cfm", "L/s", "m³/s", "m³/h".
std::string_view AirflowUnitSymbol(AirflowUnit unit) noexcept;

// The airflow in cfm (ft³/min).
double ToCfm(const Airflow& airflow) noexcept;

// Mass flow of dry air, lb/h, of the airflow taken at the point. Problems:
// the point is not real air, or the airflow is not above zero.
Outcome<double> DryAirMassFlow(const AirState& at, const Airflow& airflow);

// The volume airflow, in the unit asked, that carries massFlowLbPerHour of
// dry air at the point.
Outcome<Airflow> VolumeFlow(const AirState& at, double massFlowLbPerHour, AirflowUnit unit);

} // namespace processes
