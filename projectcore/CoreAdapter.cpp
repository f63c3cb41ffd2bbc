#include "projectcore/CoreAdapter.h"

#include "core/ComputeCore.h"

#include <utility>

namespace project {

std::optional<calculator::Reason> SolveWithCore(CalcState& state, CoreInput a, CoreInput b) {
    // The core takes the pair with the lower field index first.
    if (static_cast<int>(b) < static_cast<int>(a))
        std::swap(a, b);
    return calculator::TrySolveState(state, {a, b});
}

} // namespace project
