// The compute command: from the two ticked inputs in CalcState, through the
// engine, to every field.

#include "ComputeCore.h"
#include "FieldTable.h"
#include "frmMain.h"

#include <QCheckBox>

void frmMain::cmdCompute_Click() {
    // Only a tick counts; a greyed (partial) box does not.
    std::array<bool, 5> ticked{};
    for (int i = 0; i < 5; ++i)
        ticked[static_cast<std::size_t>(i)] = chkPsyInput[i]->checkState() == Qt::Checked;
    const auto pair = calculator::FindInputPair(ticked);
    if (!pair) {
        ClearResults(false);
        return;
    }

    try {
        calculator::SolveState(CalcState, pair->first, pair->second);
    } catch (...) {
        // An arithmetic fault (a pressure of 0, say) empties the results
        // without a word; what was stored before the fault stays.
        ClearResults(false);
        return;
    }

    // cboUnits_Click passes over a field whose rendering fails by itself.
    for (int i = 0; i < calculator::kFieldCount; ++i)
        cboUnits_Click(i);
    // Last, so that nothing above keeps them from being shown.
    writePercentFields();
    feedChart(true);
}
