// Field refresh and clearing: every field text is a rendering of CalcState in
// the unit selected in the field's list and with the field's format.

#include "FieldTable.h"
#include "NumberFormat.h"
#include "frmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

void frmMain::cboUnits_Click(int i) {
    if (i < 0 || i >= calculator::kFieldCount || cboUnits[i] == nullptr)
        return;
    try {
        const auto value = calculator::DisplayValue(CalcState, i, cboUnits[i]->currentIndex());
        if (value)
            showText(i, calculator::FormatNumber(*value, FieldFormat[i]));
    } catch (...) {
        // A rendering that fails leaves the text as it was.
    }
}

void frmMain::showText(int field, const QString& text) {
    shownText[field] = text;
    QLineEdit* const box = txtData[field];
    // A field being entered keeps its whole text selected when rewritten
    // (a unit-system mnemonic clicks its option a moment after the keys that
    // may already have moved on into a field), so typing still replaces it.
    const bool wholeSelected =
        box->hasFocus() && box->hasSelectedText() && box->selectedText() == box->text();
    box->setText(text);
    if (wholeSelected)
        box->selectAll();
}

void frmMain::writePercentFields() {
    // Relative humidity and degree of saturation are kept as fractions and
    // shown in per cent, the product formed in single precision.
    const float rh = CalcState.Phi * 100.0f;
    const float mu = CalcState.Mu * 100.0f;
    showText(calculator::kRelativeHumidity,
             calculator::FormatNumber(static_cast<double>(rh),
                                      FieldFormat[calculator::kRelativeHumidity]));
    showText(calculator::kDegreeOfSaturation,
             calculator::FormatNumber(static_cast<double>(mu),
                                      FieldFormat[calculator::kDegreeOfSaturation]));
}

void frmMain::ClearResults(bool resetInputs) {
    using namespace calculator;
    for (int i = 0; i < 5; ++i) {
        if (chkPsyInput[i]->checkState() != Qt::Checked)
            showText(i, {});
    }
    for (const int field : {kDewPoint, kVaporPressure, kDegreeOfSaturation, kSpecificVolume,
                            kDensity, kAbsoluteHumidity, kMoistureConcentration})
        showText(field, {});
    // No results shown, no state marked on the chart.
    feedChart(false);
    if (!resetInputs)
        return;

    // Back to dry bulb and wet bulb; each tick that changes runs the rule on
    // inputs (chkPsyInput_Click) to its end.
    for (QCheckBox* box : chkPsyInput) {
        box->setEnabled(true);
        box->setCheckState(Qt::Unchecked);
    }
    chkPsyInput[kDryBulb]->setCheckState(Qt::Checked);
    chkPsyInput[kWetBulb]->setCheckState(Qt::Checked);
    cboUnits_Click(kDryBulb);
    cboUnits_Click(kWetBulb);
}
