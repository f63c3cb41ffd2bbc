#pragma once

// Thermal comfort by the PMV model of ISO 7730:2005 (the predicted mean vote
// on the seven-point scale from -3 cold to +3 hot, and the predicted
// percentage of dissatisfied), as ASHRAE Standard 55 also uses it.

#include "processes/Air.h"

namespace processes {

// The person: metabolic rate, met (1 met = 58.15 W/m²), clothing insulation,
// clo (1 clo = 0.155 m²K/W), and the air speed relative to the body, m/s.
// External work is taken as zero.
struct ComfortParameters {
    double metabolicRate = 1.1;
    double clothing = 0.5;
    double airSpeed = 0.1;
};

// Office work at 1.1 met in still air (0.1 m/s): summer clothing (0.5 clo:
// trousers and a short-sleeved shirt) and winter clothing (1.0 clo: with a
// jacket or sweater).
inline constexpr ComfortParameters kSummerComfort{1.1, 0.5, 0.1};
inline constexpr ComfortParameters kWinterComfort{1.1, 1.0, 0.1};

// Nothing when the parameters lie within the ranges ISO 7730 gives for the
// model (0.8 to 4 met, 0 to 2 clo, 0 to 1 m/s); otherwise BadComfortParameters.
std::optional<Problem> CheckComfortParameters(const ComfortParameters& person) noexcept;

// The environment in the units of ISO 7730.
struct ThermalEnvironment {
    double airTemperatureC = 0.0;
    double meanRadiantTemperatureC = 0.0;
    double vapourPressurePa = 0.0; // partial pressure of water vapour
};

// The partial pressure of the water vapour of air with humidity ratio w at
// atmospheric pressure pPsia, in pascals as ISO 7730 takes it.
double VapourPressurePa(double w, double pPsia);

struct ComfortIndices {
    double pmv = 0.0; // predicted mean vote
    double ppd = 0.0; // predicted percentage of dissatisfied, %
};

// PMV and PPD by the equations of ISO 7730:2005, clause 4, with the clothing
// surface temperature solved iteratively. No range checks: the caller keeps
// the inputs where the model applies.
ComfortIndices PredictedMeanVote(const ThermalEnvironment& environment,
                                 const ComfortParameters& person);

// PMV and PPD of a point, with the mean radiant temperature equal to its dry
// bulb and the vapour pressure from its humidity ratio and pressure through
// the engine. Problems: not real air, BadComfortParameters, and
// OutsideComfortModel for air outside 10 °C to 30 °C or above 2,700 Pa of
// vapour pressure, the ranges of ISO 7730.
Outcome<ComfortIndices> ComfortAt(const AirState& air, const ComfortParameters& person);

} // namespace processes
