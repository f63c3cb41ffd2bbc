#include "project/CoreAdapter.h"

#include "core/ComputeCore.h"

#include <utility>

namespace project {

std::optional<calculator::Reason> SolveWithCore(CalcState& state, CoreInput a,
                                                CoreInput b) noexcept {
    // The core takes the pair with the lower field index first.
    if (static_cast<int>(b) < static_cast<int>(a))
        std::swap(a, b);
    return calculator::TrySolveState(state, calculator::kInputTags[static_cast<std::size_t>(a)],
                                     calculator::kInputTags[static_cast<std::size_t>(b)]);
}

} // namespace project
