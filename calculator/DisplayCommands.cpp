// Display units and precision: More and Less digits and the unit-system
// switch. None of them converts anything stored; they change how CalcState
// is rendered.

#include "core/ComputeCore.h"
#include "calculator/TypedText.h"
#include "core/FieldTable.h"
#include "calculator/frmMain.h"

#include <QCheckBox>
#include <QComboBox>

void frmMain::cmdMore_Click() {
    const int c = CurrentField;
    if (c < 0 || c >= calculator::kFieldCount)
        return;
    FieldFormat[c] = calculator::MoreDigits(FieldFormat[c]);
    cboUnits_Click(c);
    writePercentFields();
}

void frmMain::cmdLess_Click() {
    const int c = CurrentField;
    if (c < 0 || c >= calculator::kFieldCount)
        return;
    FieldFormat[c] = calculator::LessDigits(FieldFormat[c]);
    cboUnits_Click(c);
    writePercentFields();
}

void frmMain::optUnits_Click(int index) {
    const int system = index == 0 ? 0 : 1;
    // Every list to the unit of the chosen system, in field order; each
    // selection that changes re-renders its field.
    for (int i = 0; i < calculator::kFieldCount; ++i) {
        if (cboUnits[i] != nullptr)
            cboUnits[i]->setCurrentIndex(calculator::UnitSystemPosition(i, system));
    }
    // A switch never changes the air: an enthalpy typed as an input moves to
    // the datum of the new system with it (what it was computed from, or the
    // datums' difference), so the compute below finds the same state.
    const char* selector = system == 0 ? "IP" : "SI";
    if (chkPsyInput[calculator::kEnthalpy]->checkState() == Qt::Checked) {
        try {
            calculator::MoveEnthalpyToSystem(CalcState, selector, resultsShown);
        } catch (...) {
            // An enthalpy beyond single precision stays as it is.
        }
    }
    CalcState.UnitSystem = selector;
    for (int i = 0; i < calculator::kFieldCount; ++i)
        cboUnits_Click(i);
    // Results follow the datum of the new system, so the state is solved again.
    pressCompute();
}
