#pragma once

// The relations of the ASHRAE Handbook — Fundamentals, ch. 1
// (Psychrometrics), written out as a hand calculation would use them, for
// checking the air handler's results by independent arithmetic. Only the
// saturation pressure (Hyland-Wexler, a table lookup by hand) comes from the
// engine.

#include "engine/PsychroFun.h"
#include "engine/Units.h"
#include "processes/Air.h"

#include <cmath>

namespace handcalc {

namespace psy = basPsychroFun;

inline constexpr double kSeaLevelPsia = 14.696;
inline constexpr double kSeaLevelKPa = 101.325;

// Enthalpy of moist air, ch. 1 eq. 32: Btu/lb with t in °F (zero at 0 °F),
// kJ/kg with t in °C (zero at 0 °C).
inline double HIp(double tF, double w) {
    return 0.240 * tF + w * (1061.0 + 0.444 * tF);
}
inline double HSi(double tC, double w) {
    return 1.006 * tC + w * (2501.0 + 1.805 * tC);
}
// The dry bulb of an enthalpy and humidity ratio, the same equation solved.
inline double TIp(double h, double w) {
    return (h - 1061.0 * w) / (0.240 + 0.444 * w);
}

// Specific volume, ch. 1 eq. 28: v = R_da T (1 + 1.607858 W) / p, with
// R_da = 53.350 ft·lbf/(lb·°R) (0.370486 with p in psia) or 287.042 J/(kg·K).
inline double VIp(double tF, double w, double pPsia) {
    return 0.370486 * (tF + 459.67) * (1.0 + 1.607858 * w) / pPsia;
}
inline double VSi(double tC, double w, double pKPa) {
    return 0.287042 * (tC + 273.15) * (1.0 + 1.607858 * w) / pKPa;
}

// Humidity ratio of water vapour at partial pressure pw, eq. 20 with the
// program's ratio of molecular masses: W = 0.62198 p_w / (p - p_w).
inline double WFromPw(double pw, double p) {
    return 0.62198 * pw / (p - pw);
}
inline double PwFromW(double w, double p) {
    return p * w / (0.62198 + w);
}
// Saturation pressure, psia, at tF: the Handbook's table by its equations.
inline double PwsIp(double tF) {
    return psy::SaturationPressure(tF, "IP");
}
inline double WsIp(double tF, double pPsia = kSeaLevelPsia) {
    return WFromPw(PwsIp(tF), pPsia);
}
inline double RelativeHumidityIp(double tF, double w, double pPsia = kSeaLevelPsia) {
    return PwFromW(w, pPsia) / PwsIp(tF);
}

// The wet-bulb (psychrometer) equation in the program's constants, in SI
// (°C, kPa): W = ((2501 - 2.381 t*) W_s* - (t - t*)) / (2501 + 1.805 t - 4.186 t*).
inline double WFromWetBulbSi(double tC, double twbC, double pKPa) {
    const double wsStar = WFromPw(psy::SaturationPressure(twbC, "SI"), pKPa);
    return ((2501.0 - 2.381 * twbC) * wsStar - (tC - twbC)) / (2501.0 + 1.805 * tC - 4.186 * twbC);
}

// The standard atmosphere, ch. 1 eq. 3: p = 101.325 (1 - 2.25577e-5 Z)^5.2559
// kPa at Z metres.
inline double PressureAtKPa(double metres) {
    return kSeaLevelKPa * std::pow(1.0 - 2.25577e-5 * metres, 5.2559);
}

// Input states from what the engine resolves of two properties, as the
// project hands them over.
inline processes::AirState AtRh(double tF, double phi, double pPsia = kSeaLevelPsia) {
    return {tF, psy::HumidityRatioFromRelativeHumidity(tF, phi, pPsia, "IP"), pPsia};
}
inline processes::AirState AtWetBulb(double tF, double twbF, double pPsia = kSeaLevelPsia) {
    return {tF, psy::HumidityRatioFromDryBulbAndWetBulb(tF, twbF, pPsia, "IP"), pPsia};
}

} // namespace handcalc
