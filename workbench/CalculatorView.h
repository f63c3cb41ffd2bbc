#pragma once

// What the chart window knows of the calculator: its state, the two inputs
// that were ticked, and how each field is shown (the unit selected in its list
// and its number format). The state-point panel shows its points the way the
// calculator shows its fields, and "Add the calculator's state" takes the
// state with the inputs that defined it.

#include "core/CalcState.h"
#include "core/FieldTable.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

namespace chart {

// The calculator's inputs, by field index (calculator::kDryBulb ...
// calculator::kEnthalpy).
using TickedPair = std::pair<int, int>;

struct CalculatorView {
    CalcState state;
    // The two ticked inputs when the state shown is a solution; nothing while
    // the calculator shows no state.
    std::optional<TickedPair> ticked;
    // The unit position selected in each field's list (-1 for the fields
    // without one) and each field's number format, as the calculator uses
    // them (core/FieldTable.h, core/NumberFormat.h).
    std::array<int, calculator::kFieldCount> unitPositions{};
    std::array<std::string, calculator::kFieldCount> formats{};
};

} // namespace chart
