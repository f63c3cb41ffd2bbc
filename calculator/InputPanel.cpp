// The input panel: which inputs may be ticked, what may be typed, what
// leaving a field does, how the pressure is given, Clear, Hide and Enter.

#include "calculator/TypedText.h"
#include "calculator/frmMain.h"
#include "core/FieldRules.h"
#include "core/FieldTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTimer>

namespace {

// A key press that types a character, as opposed to moving the focus,
// editing by a non-character key (Delete, arrows) or a shortcut (Ctrl+C and
// the like belong to the Edit commands, not to the typing filter).
bool typesCharacter(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    default:
        return !key.text().isEmpty();
    }
}

} // namespace

void frmMain::chkPsyInput_Click(int /*index*/) {
    int ticked = 0;
    for (const QCheckBox* box : chkPsyInput)
        ticked += box->checkState() == Qt::Checked ? 1 : 0;
    for (int i = 0; i < calculator::kInputCount; ++i) {
        if (ticked == 2) {
            // The pair is chosen: the other three become results.
            if (chkPsyInput[i]->checkState() != Qt::Checked) {
                chkPsyInput[i]->setEnabled(false);
                txtData[i]->setReadOnly(true);
            }
        } else {
            chkPsyInput[i]->setEnabled(true);
            txtData[i]->setReadOnly(false);
        }
    }
    ClearResults(false);
}

void frmMain::cmdClear_Click() {
    ClearResults(true);
}

void frmMain::cmdClose_Click() {
    // The window only hides and keeps its state for when it is shown again.
    mnuFileHide_Click();
}

void frmMain::setPressureRowLocked(int field, bool locked) {
    QLineEdit* box = txtData[field];
    box->setReadOnly(locked);
    // The editable row has a window's background, the locked one a button's
    // face with the button's text colour, so that its text stays readable in
    // any theme. The editable row takes the whole palette it inherits; the
    // locked one is derived again whenever that palette changes.
    if (!locked) {
        box->setPalette(QPalette());
        return;
    }
    const QPalette inherited = palette();
    QPalette face;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        face.setColor(group, QPalette::Base, inherited.color(group, QPalette::Button));
        face.setColor(group, QPalette::Text, inherited.color(group, QPalette::ButtonText));
    }
    box->setPalette(face);
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        return;
    }
    if (event->type() != QEvent::PaletteChange)
        return;
    for (const int field : {calculator::kAtmosphericPressure, calculator::kAltitude}) {
        if (txtData[field]->isReadOnly())
            setPressureRowLocked(field, true);
    }
    // A rich-text link takes its colour from the palette when its text is
    // set: set again, it is drawn in the new palette's link colour.
    const QString link = lnkWebPage->text();
    lnkWebPage->clear();
    lnkWebPage->setText(link);
}

void frmMain::optPatm_Click(int index) {
    const bool altitudeEntered = index != 0;
    setPressureRowLocked(calculator::kAtmosphericPressure, altitudeEntered);
    setPressureRowLocked(calculator::kAltitude, !altitudeEntered);
    pressCompute();
}

void frmMain::txtData_GotFocus(int i, Qt::FocusReason reason) {
    QLineEdit* const box = txtData[i];
    box->selectAll();
    if (reason != Qt::MouseFocusReason)
        return;
    // The mouse press that gave the focus is still to be handled and would
    // put the cursor down. Selecting again after it must not select what
    // was typed since: a fast typist's second key would replace the first.
    selectAllPending = i;
    QTimer::singleShot(0, box, [this, i, box] {
        if (selectAllPending == i && box->hasFocus())
            box->selectAll();
        selectAllPending = -1;
    });
}

bool frmMain::txtData_KeyPress(int i, const QKeyEvent& key) const {
    if (!typesCharacter(key))
        return true;
    // Each character is judged against the text as it will be: the key
    // replaces the selection, so a point or sign typed over a selected
    // "-3.00" is judged without the one it replaces.
    const QLineEdit* const box = txtData[i];
    QString text = box->text();
    if (box->hasSelectedText())
        text.remove(box->selectionStart(), box->selectionLength());
    for (const QChar c : key.text()) {
        if (!calculator::KeyAllowed(text, c))
            return false;
        text += c;
    }
    return true;
}

void frmMain::txtData_Validate(int i) {
    CurrentField = static_cast<short>(i);
}

void frmMain::txtData_LostFocus(int i) {
    using namespace calculator;
    const bool entry = i <= kEnthalpy || i == kAtmosphericPressure || i == kAltitude;
    if (!entry)
        return; // results: their text is never taken as input

    // Only what the user changed is taken over: a text as the window wrote
    // it stands for the stored value, which is more precise than the text
    // (an altitude of 1000 ft must not drift by tabbing through the locked
    // pressure field that shows 14.18 psia). Retyping the shown text is a
    // change like any other.
    std::optional<Reason> problem;
    const QString typed = txtData[i]->text();
    if (txtData[i]->isModified()) {
        problem = takeOverEntry(i);
        txtData[i]->setModified(false);
    }

    if (i == kAtmosphericPressure || i == kAltitude) {
        cboUnits_Click(kAtmosphericPressure);
        cboUnits_Click(kAltitude);
    } else {
        cboUnits_Click(i); // relative humidity: nothing, the text stays as typed
    }
    pressCompute();
    // An entry that was not stored says so, whatever the compute found.
    if (problem)
        sayWhy(problem, typed);
}

std::optional<calculator::Reason> frmMain::takeOverEntry(int i) {
    using namespace calculator;

    // The whole text, read by the user's locale. An empty text keeps its
    // meaning of old: 0 in the base unit, or no change of the relative
    // humidity. Anything else that is not a number of single precision is
    // not stored, and the field shows its stored value again.
    QLineEdit* const box = txtData[i];
    const int unit = cboUnits[i] != nullptr ? cboUnits[i]->currentIndex() : -1;
    const Entry value = ReadEntry(box->text(), i, unit);
    if (value.problem) {
        if (i == kRelativeHumidity)
            writePercentFields();
        else
            cboUnits_Click(i);
        return value.problem;
    }
    if (!value.value)
        return std::nullopt; // an emptied relative humidity keeps its value

    StoreEntry(state, i, *value.value);
    return std::nullopt;
}

bool frmMain::Form_KeyPress(const QKeyEvent& key) {
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
        return false;
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    // Enter moves on as Tab does and never reaches the control.
    focusNextChild();
    return true;
}
