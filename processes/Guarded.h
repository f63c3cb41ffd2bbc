#pragma once

// For the library's own sources: runs a computation that calls the engine and
// turns a floating-point fault into Problem::CalculationFault, so that no
// fault escapes to the chart or the weather statistics.

#include "engine/FloatingPointFault.h"
#include "processes/Outcome.h"

namespace processes::detail {

template <typename F>
auto Guarded(F&& compute) -> decltype(compute()) {
    try {
        return compute();
    } catch (const basPsychroFun::FloatingPointFault&) {
        return Problem::CalculationFault;
    }
}

} // namespace processes::detail
