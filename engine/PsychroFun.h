#pragma once

// The psychrometric engine: stateless property relations of moist air after
// the psychrometrics chapter of the ASHRAE Handbook of Fundamentals, with the
// Hyland-Wexler (1983) saturation pressure.
//
// Conventions shared by every operation:
// - Arguments and results are doubles. The last argument is the unit-system
//   selector: "IP" (°F, psia, Btu/lb dry air, ft³/lb, lb/ft³, ft) or "SI"
//   (°C, kPa, kJ/kg dry air, m³/kg, kg/m³, m). It is upper-cased before it is
//   compared (so "ip" counts as "IP"); it is not trimmed.
// - On "IP" the temperature and pressure arguments are converted to SI on
//   entry, the work is done in SI, and the result is converted back on exit.
//   Any other selector leaves the arguments as they are (read as SI), runs the
//   computation, and returns kNoResult in place of the result, except where a
//   function says otherwise.
// - Humidity ratio (lb/lb = kg/kg), relative humidity and degree of saturation
//   (fractions 0 to 1) are the same numbers in both systems.
// - kNoResult (-9999) also marks arguments outside the range of the
//   saturation-pressure equation or of the altitude polynomial.
// - A floating-point fault (division by zero, invalid operation, overflow)
//   raises FloatingPointFault; no operation returns NaN or an infinity.

#include "engine/FloatingPointFault.h"

#include <array>
#include <string_view>

namespace basPsychroFun {

inline constexpr double kNoResult = -9999.0;

// --- Saturation pressure ---------------------------------------------------

// Saturation vapour pressure of water at temperature t (°F | °C): over ice below
// 32 °F, over liquid water from 32 °F. Result in psia | kPa. Valid from -148 °F
// to 400 °F inclusive; outside, the marker -9999 psia, which leaves through the
// exit conversion (so "SI" receives -9999 psia in kPa, about -68940.44).
double SaturationPressure(double t, std::string_view unitSystem);

// --- Moist-air relations (closed form) -------------------------------------

// W = 0.62198 p_w / (p - p_w). Both pressures psia | kPa. No exit test: an
// unrecognised selector returns the value computed on the raw inputs.
double HumidityRatioFromVaporPressure(double pw, double p, std::string_view unitSystem);
// Saturation humidity ratio W_s from p_ws: the same relation.
double SaturationHumidityRatio(double pws, double p, std::string_view unitSystem);
// p_w = p W / (0.62198 + W), psia | kPa.
double VaporPressureFromHumidityRatio(double w, double p, std::string_view unitSystem);
// p_w = phi * SaturationPressure(t): carries that function's units and markers.
double VaporPressureFromRelativeHumidity(double t, double phi, std::string_view unitSystem);
double HumidityRatioFromRelativeHumidity(double t, double phi, double p,
                                         std::string_view unitSystem);
// The wet-bulb (psychrometer) equation, the same above and below freezing.
// No exit test.
double HumidityRatioFromDryBulbAndWetBulb(double t, double twb, double p,
                                          std::string_view unitSystem);
// The wet-bulb equation solved for the dry bulb (°F | °C).
double DryBulbFromWetBulbAndHumidityRatio(double twb, double w, double p,
                                          std::string_view unitSystem);
// The wet bulb (°F | °C) as the root of the wet-bulb equation for humidity
// ratio w, by bisection between -148 °F and the dry bulb t: the wet bulb of air
// whose dew point does not exist, such as perfectly dry air (w = 0). kNoResult
// for a dry bulb outside -148 °F to 400 °F or a w that no wet bulb in that
// range gives (supersaturated, or a wet bulb below -148 °F).
double WetBulbFromPsychrometerEquation(double t, double w, double p, std::string_view unitSystem);
// Enthalpy in the selected system's own formulation: IP is zero at 0 °F
// (Btu/lb), SI zero at 0 °C (kJ/kg). No unit conversion is involved.
double EnthalpyFromDryBulbAndHumidityRatio(double t, double w, std::string_view unitSystem);
double HumidityRatioFromDryBulbAndEnthalpy(double t, double h, std::string_view unitSystem);
double DryBulbFromHumidityRatioAndEnthalpy(double w, double h, std::string_view unitSystem);
// Dew point (°F | °C) from p_w (psia | kPa) by the ASHRAE correlation with
// exponent 0.1984; the branch is chosen by the sign of the above-freezing form.
double DewPointFromVaporPressure(double pw, std::string_view unitSystem);
// phi = p_w / p_ws; both in one unit. The selector is accepted and ignored.
double RelativeHumidityFromVaporPressures(double pw, double pws, std::string_view unitSystem);
// mu = phi / (1 + (1 - phi) W_s / 0.62198). The selector is accepted and ignored.
double DegreeOfSaturationFromRelativeHumidity(double phi, double ws, std::string_view unitSystem);
// Specific volume, ft³/lb | m³/kg of dry air.
double SpecificVolume(double t, double w, double p, std::string_view unitSystem);
// Moist-air density (1 + W)/v, lb/ft³ | kg/m³; v in ft³/lb | m³/kg.
double MoistAirDensity(double w, double v, std::string_view unitSystem);
// Absolute humidity W/v, mass of water per volume, lb/ft³ | kg/m³.
double AbsoluteHumidity(double w, double v, std::string_view unitSystem);

// --- Inverse relations and solvers ------------------------------------------

// The temperature whose saturation pressure is p_ws(t_d)/phi, by the dew-point
// correlation (which is not the exact inverse of SaturationPressure).
double DryBulbFromDewPointAndRelativeHumidity(double tdp, double phi, std::string_view unitSystem);
// The dry bulb of air of humidity ratio w and relative humidity phi at
// pressure p: the temperature whose saturation pressure is p_w / phi, found by
// bisection on SaturationPressure itself, so that the air has exactly the
// relative humidity it was given. FloatingPointFault where no temperature of
// the range has that saturation pressure.
double DryBulbFromHumidityRatioAndRelativeHumidity(double w, double phi, double p,
                                                   std::string_view unitSystem);
// Bisection on the wet-bulb equation between the dew point and the dry bulb.
double WetBulbFromDryBulbAndDewPoint(double t, double tdp, double p, std::string_view unitSystem);
double WetBulbFromDryBulbAndHumidityRatio(double t, double w, double p,
                                          std::string_view unitSystem);
double WetBulbFromDryBulbAndRelativeHumidity(double t, double phi, double p,
                                             std::string_view unitSystem);
// The three dry-bulb solvers below first run their long-standing iteration;
// where it fails (it runs out of the range of the saturation pressure, meets
// its cap or stops off a solution) they solve the same equations by bisection
// over the whole range of air and return that root. Where the equations have
// no root in the range of air, they raise FloatingPointFault (InvalidOperation).
//
// Successive substitution for an upper bound, then bisection of the wet bulb
// (tolerance 0.001 °C). With phi = 1 (saturated air) the dry bulb is the wet
// bulb; with phi = 0 (dry air) it is the psychrometer equation's at W = 0.
double DryBulbFromWetBulbAndRelativeHumidity(double twb, double phi, double p,
                                             std::string_view unitSystem);
// The dry bulb of saturated air whose own wet bulb, as the calculator shows it
// (WetBulbFromDryBulbAndRelativeHumidity, through the dew-point correlation),
// is twb, within 0.001 °C: the correlation puts that wet bulb up to 0.6 °F
// off the dry bulb. The wet bulb itself where no saturated air within that
// slack has it.
double DryBulbFromOwnWetBulbOfSaturatedAir(double twb, double p, std::string_view unitSystem);
// Relaxation iteration on the enthalpy (h in Btu/lb | kJ/kg), tolerance
// 0.001 in those units. Returns the estimate from before the last relaxation
// where that lies within 0.1 °C of where the wet-bulb line (the psychrometer
// equation) and the enthalpy line cross; otherwise where they cross, within
// 0.0005 °C: next to that estimate, or the lowest crossing above the wet bulb.
double DryBulbFromWetBulbAndEnthalpy(double twb, double h, double p, std::string_view unitSystem);
// The dry bulb on the line of enthalpy h (Btu/lb | kJ/kg) whose own wet bulb,
// as the calculator shows it (WetBulbFromDryBulbAndHumidityRatio, through the
// dew-point correlation), is twb within 0.005 °F: of such air, the one nearest
// where the psychrometer equation's line crosses the enthalpy line, or the
// lowest from just below the wet bulb where they do not cross on air; where
// no air comes that close, the one that comes closest, within 0.04 °F. Near
// saturation the correlation puts the wet bulb up to 0.6 °F off the
// psychrometer equation, and the two nearly parallel lines then cross degrees
// away from the air or not at all. FloatingPointFault where no air on the
// line has that wet bulb.
double DryBulbFromOwnWetBulbAndEnthalpy(double twb, double h, double p,
                                        std::string_view unitSystem);
// Bracketing by substitution, then bisection of the relative humidity along
// the enthalpy line (tolerance 0.001 °C). With phi = 0 (dry air) the result is
// the dry-air temperature of that enthalpy.
double DryBulbFromEnthalpyAndRelativeHumidity(double h, double phi, double p,
                                              std::string_view unitSystem);

// Real roots of x³ + a x² + b x + c = 0 (trigonometric method and Cardano).
// Three real roots: element 0 is the one strictly greater than both others,
// element 1 the one strictly smaller than both others (0 where there is none;
// -1 where it is negative). One real root: element 0 is it, element 1 is -1.
std::array<double, 2> CubicRoots(double a, double b, double c);

// --- Atmospheric pressure and altitude -------------------------------------

// Standard-atmosphere cubic, valid from sea level up to 19812 m (65000 ft).
// Altitude ft | m to pressure psia | kPa; above the limit -9999 in any system.
double PressureFromAltitude(double z, std::string_view unitSystem);
// Pressure psia | kPa to altitude ft | m, rounded to single precision;
// -9999 in any system for a pressure whose altitude lies above the limit.
double AltitudeFromPressure(double p, std::string_view unitSystem);

// --- Bounds of the iterations -------------------------------------------------

// The bisections stop after this many halvings whatever the bracket.
inline constexpr int kMaxBisectionSteps = 1000;
// Passes of the substitution that brackets the dry bulb from wet bulb or
// enthalpy and relative humidity. Over the whole range of air (-148 °F to
// 400 °F, 0 to 100 %, -2,000 ft to 65,000 ft and at ten atmospheres) every
// state it solves needs at most 3; past the cap the solver turns to bisection.
inline constexpr int kMaxSubstitutionPasses = 20;
// Passes of the wet-bulb and enthalpy relaxation. Constant wet-bulb and
// constant-enthalpy lines are nearly parallel, so this one creeps: a typical
// state needs a couple of hundred passes, and none whose answer is kept needs
// more than about 570 over the whole range of air. Past the cap the solver
// turns to bisection.
inline constexpr int kMaxRelaxationPasses = 1500;

} // namespace basPsychroFun
