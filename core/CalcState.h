#pragma once

// The calculator's one state record. Every value is single precision, in the
// inch-pound base unit, whatever unit system and display units are chosen;
// field texts are renderings of these values.

#include "engine/Units.h"

#include <string>

struct CalcState {
    float Tdb = 0.0f;  // dry-bulb temperature, °F
    float Twb = 0.0f;  // wet-bulb temperature, °F
    float Tdp = 0.0f;  // dew-point temperature, °F
    float Patm = 0.0f; // atmospheric pressure, psia
    float Alt = 0.0f;  // altitude, ft
    float Phi = 0.0f;  // relative humidity, fraction 0 to 1
    float W = 0.0f;    // humidity ratio, lb water / lb dry air
    float Ws = 0.0f;   // saturation humidity ratio at Tdb, lb/lb (not shown)
    float V = 0.0f;    // specific volume, ft³/lb dry air
    float Rho = 0.0f;  // moist-air density, lb/ft³
    // Enthalpy of the active system's formulation: Btu/lb in "IP"; in "SI" the
    // metric enthalpy (zero at 0 °C) in kJ/kg divided by kEnthalpyKJPerBtu.
    float H = 0.0f;
    float Pw = 0.0f;               // vapour pressure, psia
    float Pws = 0.0f;              // saturation vapour pressure at Tdb, psia (not shown)
    float Mu = 0.0f;               // degree of saturation, fraction
    float Dv = 0.0f;               // absolute humidity, lb water / ft³
    std::string UnitSystem = "IP"; // "IP" or "SI"
};

// kJ/kg per Btu/lb as the program's enthalpy display uses it.
inline constexpr double kEnthalpyKJPerBtu = basPsychroFun::units::kKJPerKgPerBtuPerLb;
