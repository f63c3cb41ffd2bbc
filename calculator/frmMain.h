#pragma once

// The calculator window: fourteen fields over one state record.
//
// The road of one entry: the user types 75 into the dry-bulb field (field 0,
// characters filtered by txtData_KeyPress) and leaves it. txtData_LostFocus
// converts the text from the unit selected in cboUnits[0] to the inch-pound
// base unit (°F) and stores it in CalcState.Tdb, re-renders the field and
// presses Compute. cmdCompute_Click finds the two ticked inputs, hands
// CalcState to the engine through calculator::SolveState, which stores every
// property back into CalcState, and then every field is re-rendered from
// CalcState by cboUnits_Click in its display unit and format. Field texts are
// only ever renderings of CalcState; display units live only in the
// selections of the unit lists.
//
// All handlers run synchronously on the one GUI thread: a handler that ticks
// a box, selects a list entry or option, or presses a button in code runs
// that control's handler to its end before it goes on.

#include "CalcState.h"

#include <array>

#include <QMainWindow>
#include <QString>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // The window's load handling: fills the unit lists, sets the starting
    // state and selects the unit system and pressure mode (which computes),
    // then resets the inputs. Called once, before the window is shown.
    void Form_Load();

    // --- Handlers, connected in connectHandlers() ---------------------------

    // Field refresh: writes txtData[i] from CalcState in the unit selected in
    // cboUnits[i] and with FieldFormat[i]. Nothing for fields 2 and 7, for an
    // unknown position or when the rendering fails: the text then stays.
    void cboUnits_Click(int i);
    // Empties the result fields and the unticked inputs; with resetInputs the
    // ticks go back to dry bulb and wet bulb, showing the stored values.
    void ClearResults(bool resetInputs);

    // Solves the state from the two ticked inputs and shows every field.
    void cmdCompute_Click();
    void cmdClear_Click();
    // Only hides the window: nothing is closed or saved.
    void cmdClose_Click();

    // Enforces "two of five inputs" on the ticks, then clears.
    void chkPsyInput_Click(int index);
    // 0: pressure entered, 1: altitude entered. Then computes.
    void optPatm_Click(int index);
    // Selects the text so that typing replaces it (deferred past the events
    // already pending, so a mouse press cannot undo it).
    void txtData_GotFocus(int i);
    // The per-character filter: false when the typed key is to be discarded.
    // Keys that type no character (arrows, Delete, Tab, shortcuts) pass.
    [[nodiscard]] bool txtData_KeyPress(int i, const QKeyEvent& key) const;
    // The focus leaves txtData[i] for another field or a digit button:
    // records i as CurrentField.
    void txtData_Validate(int i);
    // Takes the entry of txtData[i] over into CalcState, refreshes, computes.
    void txtData_LostFocus(int i);
    // Enter anywhere in the window moves on as Tab does; true when handled.
    bool Form_KeyPress(const QKeyEvent& key);

    void cmdMore_Click();
    void cmdLess_Click();
    // 0: IP, 1: SI. Selects every unit list, re-renders, computes.
    void optUnits_Click(int index);

    // --- State --------------------------------------------------------------

    ::CalcState CalcState;
    std::array<QString, 14> FieldFormat;
    // The field More and Less digits act on: the text box last left for
    // another text box or for a digit button.
    short CurrentField = 0;

    // --- Controls, by the field index where they have one -------------------

    std::array<QLineEdit*, 14> txtData{};
    std::array<QComboBox*, 14> cboUnits{}; // nullptr at 2 and 7
    std::array<QCheckBox*, 5> chkPsyInput{};
    std::array<QRadioButton*, 2> optPatm{};
    std::array<QRadioButton*, 2> optUnits{};
    std::array<QLabel*, 7> Label4{};      // captions of fields 5, 6, 7, 8, 9, 10, 13
    std::array<QLabel*, 3> Label1{};      // "%" beside 2 and 7; the invitation under the link
    std::array<QGroupBox*, 2> Frame1{};   // unit system and digits; atmospheric pressure
    std::array<QGroupBox*, 2> frmSteam{}; // only [1], framing the calculator, exists
    QPushButton* cmdCompute = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdMore = nullptr;
    QPushButton* cmdLess = nullptr;
    QLabel* lnkWebPage = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void chainTabOrder();
    void connectHandlers();

    // Presses Compute exactly as a click does.
    void pressCompute();
    // Field 2 as Phi × 100 and field 7 as Mu × 100 (single-precision
    // products) with their formats.
    void writePercentFields();
    // Locks or unlocks a pressure-row field and gives it the button-face or
    // the window background.
    void setPressureRowLocked(int field, bool locked);
    int fieldOf(const QObject* object) const;
    // Stores the text of an entry field into CalcState (and derives the
    // altitude from the pressure or the pressure from the altitude).
    void takeOverEntry(int i);
    // Writes a field's text as a rendering of the state.
    void showText(int field, const QString& text);

    // The text the window last wrote into each field. A field left still
    // showing it holds nothing new: its text is only the stored value rounded
    // to the display format, and reading that back would lose precision (an
    // altitude of 1000 ft typed by the user would drift by merely tabbing
    // through the locked pressure field that shows 14.18 psia).
    std::array<QString, 14> shownText;

    QButtonGroup* unitsGroup = nullptr;
    QButtonGroup* patmGroup = nullptr;
};
