#include "processes/Problem.h"

namespace processes {

i18n::Text ProblemText(Problem problem) noexcept {
    switch (problem) {
    case Problem::DryBulbOutOfRange:
        return VW_TRANSLATABLE(
            "processes::Problem",
            "The dry bulb lies outside -148 °F to 400 °F (-100 °C to 204.4 °C).");
    case Problem::NegativeHumidityRatio:
        return VW_TRANSLATABLE("processes::Problem", "The humidity ratio is below zero.");
    case Problem::Supersaturated:
        return VW_TRANSLATABLE(
            "processes::Problem",
            "The point holds more water than saturated air: it is fog, not air.");
    case Problem::PressureOutOfRange:
        return VW_TRANSLATABLE(
            "processes::Problem",
            "The atmospheric pressure must be above zero and at most ten atmospheres.");
    case Problem::SameAir:
        return VW_TRANSLATABLE("processes::Problem", "The two points are the same air.");
    case Problem::DifferentPressures:
        return VW_TRANSLATABLE("processes::Problem",
                               "The two points are at different atmospheric pressures.");
    case Problem::NoAirflow:
        return VW_TRANSLATABLE("processes::Problem", "The airflow must be greater than zero.");
    case Problem::NoApparatusDewPoint:
        return VW_TRANSLATABLE(
            "processes::Problem",
            "The process line does not meet the saturation curve below the leaving air.");
    case Problem::BadApparatusDewPoint:
        return VW_TRANSLATABLE(
            "processes::Problem",
            "The apparatus dew point must lie below the entering air's dry bulb and "
            "no higher than its dew point.");
    case Problem::BadBypassFactor:
        return VW_TRANSLATABLE("processes::Problem",
                               "The bypass factor must be at least 0 and less than 1.");
    case Problem::CoilLineThroughFog:
        return VW_TRANSLATABLE(
            "processes::Problem",
            "The line from the entering air to the apparatus dew point passes through fog: "
            "the apparatus dew point is too low for this air.");
    case Problem::BadComfortParameters:
        return VW_TRANSLATABLE(
            "processes::Problem",
            "The PMV model takes 0.8 to 4 met, 0 to 2 clo and an air speed of 0 to 1 m/s.");
    case Problem::OutsideComfortModel:
        return VW_TRANSLATABLE(
            "processes::Problem",
            "The PMV model applies only from 50 °F to 86 °F (10 °C to 30 °C) with a "
            "vapour pressure of at most 2.7 kPa.");
    case Problem::ZoneWithoutLimits:
        return VW_TRANSLATABLE("processes::Problem", "The zone has no limits.");
    case Problem::ZoneLimitsInverted:
        return VW_TRANSLATABLE(
            "processes::Problem",
            "A lower limit of the zone lies above its upper limit, or outside the range "
            "of real air.");
    case Problem::CalculationFault:
        return VW_TRANSLATABLE("processes::Problem", "The air cannot be calculated.");
    }
    return VW_TRANSLATABLE("processes::Problem", "The air cannot be calculated.");
}

std::string_view Describe(Problem problem) noexcept {
    return ProblemText(problem).source;
}

} // namespace processes
