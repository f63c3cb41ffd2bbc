#pragma once

// What the tests of the calculator window reach inside it: its controls,
// its state record and formats, its menus and the handlers that no other
// part of the program calls. The window keeps all of them private; this view
// is its friend and hands them on as they are, so a test drives the window
// exactly as the window drives itself.

#include "calculator/frmMain.h"

namespace calculator {

class frmMainTestView {
public:
    explicit frmMainTestView(frmMain& window) : w(window) {}

    // --- State ---------------------------------------------------------------

    [[nodiscard]] CalcState& state() const { return w.state; }
    [[nodiscard]] std::array<QString, kFieldCount>& FieldFormat() const { return w.FieldFormat; }
    [[nodiscard]] short& CurrentField() const { return w.CurrentField; }

    // --- Controls --------------------------------------------------------------

    [[nodiscard]] const auto& txtData() const { return w.txtData; }
    [[nodiscard]] const auto& cboUnits() const { return w.cboUnits; }
    [[nodiscard]] const auto& chkPsyInput() const { return w.chkPsyInput; }
    [[nodiscard]] const auto& optPatm() const { return w.optPatm; }
    [[nodiscard]] const auto& optUnits() const { return w.optUnits; }
    [[nodiscard]] const auto& frmSteam() const { return w.frmSteam; }
    [[nodiscard]] const auto& Frame1() const { return w.Frame1; }
    [[nodiscard]] const auto& Label1() const { return w.Label1; }
    [[nodiscard]] const auto& Label4() const { return w.Label4; }
    [[nodiscard]] QPushButton* cmdCompute() const { return w.cmdCompute; }
    [[nodiscard]] QPushButton* cmdClear() const { return w.cmdClear; }
    [[nodiscard]] QPushButton* cmdClose() const { return w.cmdClose; }
    [[nodiscard]] QPushButton* cmdMore() const { return w.cmdMore; }
    [[nodiscard]] QPushButton* cmdLess() const { return w.cmdLess; }
    [[nodiscard]] QLabel* lnkWebPage() const { return w.lnkWebPage; }
    [[nodiscard]] QLabel* lblWhy() const { return w.lblWhy; }

    // --- Menus and the chart -----------------------------------------------------

    [[nodiscard]] const auto& menuFile() const { return w.menuFile; }
    [[nodiscard]] const auto& menuEdit() const { return w.menuEdit; }
    [[nodiscard]] const auto& menuView() const { return w.menuView; }
    [[nodiscard]] const auto& menuHelp() const { return w.menuHelp; }
    [[nodiscard]] const auto& menuTray() const { return w.menuTray; }
    [[nodiscard]] QSystemTrayIcon* Tray1() const { return w.Tray1; }
    [[nodiscard]] chart::ChartWindow* chartWindow() const { return w.chartWindow; }

    // --- Handlers ----------------------------------------------------------------

    void txtData_LostFocus(int i) const { w.txtData_LostFocus(i); }
    void mnuFileHide_Click() const { w.mnuFileHide_Click(); }
    void mnuFileExit_Click() const { w.mnuFileExit_Click(); }
    void mnuTrayPopupItem_Click(int index) const { w.mnuTrayPopupItem_Click(index); }
    void endOfSession() const { w.endOfSession(); }

private:
    frmMain& w;
};

} // namespace calculator
