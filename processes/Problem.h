#pragma once

// Why a process, a mixture, a coil or a zone has no result, and the one
// sentence that tells the user. Every function of the library that can fail
// returns an Outcome (Outcome.h) carrying one of these instead of a number
// that is not air.

#include "core/Translatable.h"

#include <string_view>

namespace processes {

enum class Problem {
    // A point
    DryBulbOutOfRange,     // outside -148 °F to 400 °F
    NegativeHumidityRatio, // less water than none
    Supersaturated,        // more water than the air can hold as vapour (fog)
    PressureOutOfRange,    // not above zero, or above ten atmospheres
    // Two points
    SameAir,            // a process from a point to itself
    DifferentPressures, // a process or mixture across two pressures
    // Airflow
    NoAirflow, // zero, negative or not a number
    // Cooling coil
    NoApparatusDewPoint,  // the process line never meets saturation below the leaving air
    BadApparatusDewPoint, // not below the entering air's dry bulb and dew point
    BadBypassFactor,      // outside 0 (inclusive) to 1 (exclusive)
    CoilLineThroughFog,   // the line from the entering air to the ADP crosses saturation
    // Comfort
    BadComfortParameters, // metabolic rate, clothing or air speed outside the PMV model
    OutsideComfortModel,  // air too cold, too hot or too humid for the PMV model
    // Zones
    ZoneWithoutLimits,  // a user zone that limits nothing
    ZoneLimitsInverted, // a lower limit above its upper limit, or out of range
    // The engine raised a floating-point fault on air that passed every check.
    CalculationFault,
};

// The sentence shown for a problem, e.g. "The two points are the same air.":
// marked for translation (core/Translatable.h), and in English.
i18n::Text ProblemText(Problem problem) noexcept;
std::string_view Describe(Problem problem) noexcept;

} // namespace processes
