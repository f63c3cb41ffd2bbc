#pragma once

// One row's state of moist air, computed as the calculator window computes it
// for the same typed inputs, pressure or altitude and unit system.

#include "core/CalcState.h"
#include "core/RealAir.h"

#include <optional>
#include <string_view>

namespace batch {

// The compute core's solution of the inputs in calculator fields `first` and
// `second` (0 to 4, first < second) held in `state`: nullopt for real air,
// otherwise why not. The one call of the core's solution in this program.
std::optional<calculator::Reason> SolvePair(CalcState& state, int first, int second);

// The atmosphere of a row: the pressure (psia) or the altitude (ft) that was
// given, and the other derived from it as the window derives it.
struct Atmosphere {
    bool altitudeGiven = false;
    float value = 14.696f; // psia, or ft when altitudeGiven; standard at sea level
};

// Fills state.Patm and state.Alt from `atmosphere`; the reason when an
// altitude lies outside the standard atmosphere, which has no pressure there.
std::optional<calculator::Reason> SetAtmosphere(CalcState& state, const Atmosphere& atmosphere);

// The state the window shows in unit system `shown` ("IP" or "SI") for the
// inputs in `state`, entered in state.UnitSystem. The two systems differ only
// when an enthalpy is an input: it belongs to the formulation of its unit
// (Btu/lb "IP", kJ/kg "SI"), and the window, switched to the other system,
// moves it to that system's datum and solves again. `state` becomes the
// solved state, or keeps the inputs when there is no real air.
std::optional<calculator::Reason> ComputeShown(CalcState& state, int first, int second,
                                               std::string_view shown);

} // namespace batch
