// Display units and precision: More and Less digits and the unit-system
// switch. None of them converts anything stored; they change how CalcState
// is rendered.

#include "calculator/TypedText.h"
#include "calculator/frmMain.h"
#include "core/ComputeCore.h"
#include "core/FieldTable.h"
#include "engine/Units.h"

#include <string_view>

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
    using basPsychroFun::UnitSystem;
    const UnitSystem system = index == 0 ? UnitSystem::IP : UnitSystem::SI;
    // Every list to the unit of the chosen system, in field order; each
    // selection that changes re-renders its field.
    for (int i = 0; i < calculator::kFieldCount; ++i) {
        if (cboUnits[i] != nullptr)
            cboUnits[i]->setCurrentIndex(calculator::UnitSystemPosition(i, system));
    }
    // A switch never changes the air: an enthalpy typed as an input moves to
    // the datum of the new system with it (what it was computed from, or the
    // datums' difference), so the compute below finds the same state.
    const std::string_view selector = basPsychroFun::SelectorOf(system);
    if (chkPsyInput[calculator::kEnthalpy]->checkState() == Qt::Checked) {
        try {
            calculator::MoveEnthalpyToSystem(state, selector, resultsShown);
        } catch (const basPsychroFun::FloatingPointFault&) {
            // An enthalpy beyond single precision stays as it is.
        }
    }
    state.UnitSystem = selector;
    for (int i = 0; i < calculator::kFieldCount; ++i)
        cboUnits_Click(i);
    // Results follow the datum of the new system, so the state is solved again.
    pressCompute();
}
