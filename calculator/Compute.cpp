// The compute command: from the two ticked inputs in `state`, through the
// engine, to every field; or, when the inputs give no real air, to empty
// results and the line that says why.

#include "calculator/frmMain.h"
#include "core/ComputeCore.h"
#include "core/FieldTable.h"

#include <QCheckBox>
#include <QRadioButton>

std::optional<calculator::InputPair> frmMain::tickedPair() const {
    // Only a tick counts; a greyed (partial) box does not. Each box says by
    // its tag which input it is.
    std::array<bool, calculator::kInputCount> ticked{};
    for (const QCheckBox* box : chkPsyInput) {
        const auto input = calculator::InputOfTag(box->property("Tag").toString().toStdString());
        if (input && box->checkState() == Qt::Checked)
            ticked[static_cast<std::size_t>(*input)] = true;
    }
    return calculator::FindInputPair(ticked);
}

void frmMain::cmdCompute_Click() {
    const auto pair = tickedPair();
    if (!pair) {
        // Fewer than two inputs is no failure: nothing to say.
        ClearResults(false);
        sayWhy(std::nullopt);
        return;
    }

    // An altitude beyond the standard atmosphere has no pressure to compute
    // at. Otherwise the state is solved on a copy, so that `state` only
    // ever holds the inputs and real air.
    std::optional<calculator::Reason> problem;
    if (optPatm[1]->isChecked())
        problem = calculator::CheckAltitude(state.Alt);
    CalcState solved = state;
    if (!problem)
        problem = calculator::TrySolveState(solved, *pair);
    if (problem) {
        ClearResults(false);
        sayWhy(problem);
        return;
    }
    state = std::move(solved);
    resultsShown = true;
    sayWhy(std::nullopt);

    // cboUnits_Click passes over a field whose rendering fails by itself.
    for (int i = 0; i < calculator::kFieldCount; ++i)
        cboUnits_Click(i);
    // Last, so that nothing above keeps them from being shown.
    writePercentFields();
    feedChart(true);
}
