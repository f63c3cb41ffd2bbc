// Field refresh and clearing: every field text is a rendering of CalcState in
// the unit selected in the field's list and with the field's format, where
// the field holds a value at all.

#include "calculator/TypedText.h"
#include "calculator/frmMain.h"
#include "core/FieldTable.h"
#include "translations/Message.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

void frmMain::cboUnits_Click(int i) {
    if (i < 0 || i >= calculator::kFieldCount || cboUnits[i] == nullptr)
        return;
    if (!holdsValue(i)) {
        // Nothing to render: no result of a failed compute, no dew point of
        // dry air, no pressure or altitude outside the atmosphere's range.
        showText(i, {});
        return;
    }
    // The unit conversions and the formatter do not throw; a position the
    // list does not know gives no value, and the text then stays as it was.
    const auto value = calculator::DisplayValue(state, i, cboUnits[i]->currentIndex());
    if (value)
        showText(i, calculator::FormatNumber(*value, FieldFormat[i]));
}

bool frmMain::holdsValue(int i) const {
    using namespace calculator;
    switch (i) {
    case kAtmosphericPressure:
        return optPatm[0]->isChecked() || !CheckPressure(state.Patm);
    case kAltitude:
        return optPatm[1]->isChecked() || !CheckAltitude(state.Alt);
    case kDewPoint:
        return resultsShown && HasDewPoint(state);
    default:
        // An input that can be typed into holds what was typed; a locked one
        // is a result of the other two.
        if (i <= kEnthalpy && !txtData[i]->isReadOnly())
            return true;
        return resultsShown;
    }
}

void frmMain::showText(int field, const QString& text) {
    QLineEdit* const box = txtData[field];
    // A field being entered keeps its whole text selected when rewritten
    // (a unit-system mnemonic clicks its option a moment after the keys that
    // may already have moved on into a field), so typing still replaces it.
    const bool wholeSelected =
        box->hasFocus() && box->hasSelectedText() && box->selectedText() == box->text();
    // setText also clears the field's modified flag: the text is the window's.
    box->setText(text);
    if (wholeSelected)
        box->selectAll();
}

void frmMain::writePercentFields() {
    using namespace calculator;
    // Relative humidity and degree of saturation are kept as fractions and
    // shown in per cent, the product formed in single precision.
    const float rh = state.Phi * 100.0f;
    const float mu = state.Mu * 100.0f;
    showText(kRelativeHumidity,
             holdsValue(kRelativeHumidity)
                 ? FormatNumber(static_cast<double>(rh), FieldFormat[kRelativeHumidity])
                 : QString());
    showText(kDegreeOfSaturation,
             holdsValue(kDegreeOfSaturation)
                 ? FormatNumber(static_cast<double>(mu), FieldFormat[kDegreeOfSaturation])
                 : QString());
}

void frmMain::sayWhy(std::optional<calculator::Reason> reason, const QString& typed) {
    why = reason ? calculator::ReasonMessage(*reason, state.UnitSystem, typed.toStdString())
                 : i18n::Message{};
    showWhy();
}

void frmMain::showWhy() {
    // Its limits in the user's number format, as the fields show numbers.
    lblWhy->setText(translations::Translated(why));
}

void frmMain::ClearResults(bool resetInputs) {
    using namespace calculator;
    resultsShown = false;
    for (int i = 0; i < calculator::kInputCount; ++i) {
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
