#pragma once

// The calculator window: fourteen fields over one state record.
//
// The road of one entry: the user types 75 into the dry-bulb field (field 0,
// each key judged by txtData_KeyPress against the text it will make) and
// leaves it. txtData_LostFocus, for a field the user changed, reads the text
// by the user's locale (calculator/TypedText.h) and converts it from the unit
// selected in cboUnits[0] to the inch-pound base unit (°F) by the entry rules
// of the compute core (core/FieldRules.h); calculator::StoreEntry puts it into
// state.Tdb (a text it cannot read is not stored: the field shows its value
// again and lblWhy says why). The field is re-rendered and Compute pressed.
// cmdCompute_Click turns the tags of the ticked boxes into the
// calculator::InputPair of the two inputs and hands a copy of `state` (a
// CalcState, core/CalcState.h) to the engine through calculator::
// TrySolveState (core/ComputeCore.h), which stores every property and checks
// that the state is real air (core/RealAir.h). Real air becomes `state` and
// every field is re-rendered from it by cboUnits_Click in its display unit
// (units/) and format (core/FieldTable.h, core/NumberFormat.h); anything else
// leaves `state` as it was, empties the results and puts the reason in
// lblWhy. Field texts are only ever renderings of `state`; display units live
// only in the selections of the unit lists.
//
// All handlers run synchronously on the one GUI thread: a handler that ticks
// a box, selects a list entry or option, or presses a button in code runs
// that control's handler to its end before it goes on.
//
// Around the fields stands the window shell: the menus, the tray icon that
// brings a hidden window back, keep-on-top, the language of the interface,
// and the load and unload handling that read and write the settings store. The window lives for the
// whole run; closing it from its title bar only hides it. Exit (File or tray menu) and the end of
// the desktop session unload it: help is ended, every setting is written in one go, and the
// application quits.
//
// Every text the window shows is set in retranslate() (the captions,
// the menus, what a screen reader says, the line that says why), called at
// construction and again whenever the language changes (QEvent::
// LanguageChange), so View > Language switches the window's language at once.

#include "chart/StatePoint.h"
#include "core/CalcState.h"
#include "core/ComputeCore.h"
#include "core/FieldTable.h"
#include "core/RealAir.h"
#include "core/Translatable.h"
#include "dialogs/ContextIDs.h"
#include "dialogs/DialogHooks.h"
#include "translations/Languages.h"

#include <array>
#include <functional>
#include <optional>

#include <QMainWindow>
#include <QString>
#include <QSystemTrayIcon>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QAction;
class QCloseEvent;
class QLineEdit;
class QMenu;
class QPainter;
class QPushButton;
class QRadioButton;

namespace chart {
class ChartWindow;
} // namespace chart

namespace calculator {
class frmMainTestView;
} // namespace calculator

// Why the window is asked to unload (see Form_QueryUnload).
enum class UnloadReason {
    User = 0,       // the title-bar close button, the window menu, Alt+F4
    Program = 1,    // Exit, or code closing the window or quitting the run
    SessionEnd = 2, // the desktop session is ending
};

// What the window needs from outside it, replaceable in tests. Every member
// left empty means the real thing, so the program passes a default value.
struct ShellHooks {
    // Message boxes and the program folder (where the help file lives);
    // handed on to the About window and the disclaimer prompt.
    dialogs::DialogHooks dialogHooks;
    // Ends the run once the window has unloaded: QCoreApplication::quit.
    std::function<void()> quit;
    // Whether the desktop has a system tray: QSystemTrayIcon::isSystemTrayAvailable.
    std::function<bool()> trayAvailable;
    // The help viewer calls: ContextIDs::HelpContents and HelpFinder.
    std::function<ContextIDs::HelpResult()> helpContents;
    std::function<ContextIDs::HelpResult()> helpFinder;
};

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr, ShellHooks hooks = {});
    ~frmMain() override;

    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // The window's load handling: registers help, shows the tray icon, fills
    // the unit lists, restores the stored unit system, pressure mode,
    // pressure, altitude and formats (selecting the options computes), resets
    // the inputs and applies settings::blnKeepOnTop. Called once, before the
    // window is shown.
    void Form_Load();
    // The window's unload handling: ends help and writes every setting of the
    // window in one atomic write. Runs at most once per window; the window
    // itself is released by its owner when the event loop has returned.
    void Form_Unload();
    [[nodiscard]] bool isUnloaded() const { return unloaded; }
    // Asked before every unload: the user's close is turned into hiding the
    // window (Cancel set), or into a normal unload when there is no system
    // tray to bring the window back; any other reason lets the unload go on.
    void Form_QueryUnload(bool& Cancel, UnloadReason reason);
    // Shows the chart window with the project of this file, or says in a
    // message why it cannot be opened.
    void openProjectFile(const QString& path);
    // Speaks the language `choice` names (a code of translations::
    // kLanguages, or empty for the system's) and ticks it in View >
    // Language; with remember, the choice is stored for the next runs
    // ("Language"). A choice that names no language of ours is taken for
    // the system's.
    void useLanguage(const QString& choice, bool remember);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A new palette (a dark desktop theme, say) gives the locked pressure
    // row and the website link the new palette's colours; a new language
    // sets every text again.
    void changeEvent(QEvent* event) override;

private:
    // What the tests reach (calculator/frmMainTestView.h).
    friend class calculator::frmMainTestView;

    // The sunken rule under the menu bar, width pixels wide.
    void Form_Paint(QPainter& painter, int width) const;

    // --- Window shell handlers, connected in connectShell() -----------------

    void mnuFileHide_Click();
    void mnuFileOnTop_Click();
    void mnuFileDisclaimer_Click();
    void mnuFileExit_Click();
    // Asks about the chart window's unsaved project, when there is one:
    // false when the user cancels.
    bool settleChartProject();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearchForHelpOn_Click();
    void mnuHelpAbout_Click();
    // View > Language: the code of the language chosen, empty for the
    // system's. Stored at once, spoken at once.
    void mnuViewLanguage_Click(const QString& choice);
    // Ticks the item of `code` (a code of translations::kLanguages), or
    // "System Default" for an empty code.
    void tickLanguage(const QString& code);
    // 0 open the window, 1 About, 3 Exit; anything else nothing.
    void mnuTrayPopupItem_Click(int index);
    // Left button (Trigger) opens the window, right button (Context) shows
    // the tray menu; other actions on the icon do nothing.
    void Tray1_Activated(QSystemTrayIcon::ActivationReason reason);
    // View, "Psychrometric &Chart" (F2): the chart window, created at the
    // first call, shown and raised.
    void showChartWindow();
    // A double click on the chart: that point becomes the input, dry bulb
    // (°F) and humidity ratio (lb/lb), ticked and computed as a user would.
    void chartPointPicked(double tdbF, double wLbPerLb);
    // The desktop session is ending (QGuiApplication::commitDataRequest):
    // the window unloads, and the run ends once the session manager has
    // had its answer.
    void endOfSession();

    // --- Handlers, connected in connectHandlers() ---------------------------

    // Field refresh: writes txtData[i] from `state` in the unit selected in
    // cboUnits[i] and with FieldFormat[i]. Nothing for fields 2 and 7, for an
    // unknown position or when the rendering fails: the text then stays.
    void cboUnits_Click(int i);
    // Empties the result fields and the unticked inputs; with resetInputs the
    // ticks go back to dry bulb and wet bulb, showing the stored values.
    void ClearResults(bool resetInputs);

    // Solves the state from the two ticked inputs and shows every field.
    void cmdCompute_Click();
    // The first two ticked inputs, in field order; nothing with fewer ticked.
    [[nodiscard]] std::optional<calculator::InputPair> tickedPair() const;
    void cmdClear_Click();
    // Only hides the window: nothing is closed or saved.
    void cmdClose_Click();

    // Enforces "two of five inputs" on the ticks, then clears.
    void chkPsyInput_Click(int index);
    // 0: pressure entered, 1: altitude entered. Then computes.
    void optPatm_Click(int index);
    // Selects the text so that typing replaces it. A click gives the focus
    // before the press puts the cursor down, so then the selection is made
    // again after the press, unless a key has been typed in the meantime.
    void txtData_GotFocus(int i, Qt::FocusReason reason = Qt::OtherFocusReason);
    // The per-character filter: false when the typed key is to be discarded.
    // Keys that type no character (arrows, Delete, Tab, shortcuts) pass.
    [[nodiscard]] bool txtData_KeyPress(int i, const QKeyEvent& key) const;
    // The focus leaves txtData[i] for another field or a digit button:
    // records i as CurrentField.
    void txtData_Validate(int i);
    // Takes the entry of txtData[i] over into `state`, refreshes, computes.
    void txtData_LostFocus(int i);
    // Enter anywhere in the window moves on as Tab does; true when handled.
    bool Form_KeyPress(const QKeyEvent& key);

    void cmdMore_Click();
    void cmdLess_Click();
    // 0: IP, 1: SI. Selects every unit list, re-renders, computes.
    void optUnits_Click(int index);

    // --- State --------------------------------------------------------------

    CalcState state;
    std::array<QString, calculator::kFieldCount> FieldFormat;
    // The field More and Less digits act on: the text box last left for
    // another text box or for a digit button.
    short CurrentField = 0;

    // --- Controls, by the field index where they have one -------------------

    std::array<QLineEdit*, calculator::kFieldCount> txtData{};
    std::array<QComboBox*, calculator::kFieldCount> cboUnits{}; // nullptr at 2 and 7
    std::array<QCheckBox*, calculator::kInputCount> chkPsyInput{};
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
    // One line under the fields that says why the results are empty; read
    // out by screen readers, empty after every compute that gives real air.
    QLabel* lblWhy = nullptr;

    // --- Menus and tray icon --------------------------------------------------

    struct FileMenu {
        QMenu* mnuFile = nullptr;
        QAction* mnuFileHide = nullptr;
        QAction* mnuFileOnTop = nullptr; // its check mark is the keep-on-top state
        QAction* mnuFileBar0 = nullptr;
        QAction* mnuFileDisclaimer = nullptr;
        QAction* mnuFileBar1 = nullptr;
        QAction* mnuFileExit = nullptr;
    };
    struct EditMenu {
        QMenu* mnuEdit = nullptr;
        QAction* mnuEditCut = nullptr;
        QAction* mnuEditCopy = nullptr;
        QAction* mnuEditPaste = nullptr;
    };
    struct ViewMenu {
        QMenu* mnuView = nullptr;
        QAction* mnuViewChart = nullptr;
        QMenu* mnuViewLanguage = nullptr;
        QAction* mnuViewLanguageSystem = nullptr; // "System Default"
        // By translations::kLanguages; each item's data is its code.
        std::array<QAction*, translations::kLanguages.size()> mnuViewLanguageItem{};
    };
    struct HelpMenu {
        QMenu* mnuHelp = nullptr;
        QAction* mnuHelpContents = nullptr;
        QAction* mnuHelpSearchForHelpOn = nullptr;
        QAction* mnuHelpBar0 = nullptr;
        QAction* mnuHelpAbout = nullptr;
    };
    // In the menu bar but hidden there: only ever shown as the tray's menu.
    struct TrayMenu {
        QMenu* mnuTrayPopup = nullptr;
        std::array<QAction*, 4> mnuTrayPopupItem{}; // [2] is the separator
    };
    FileMenu menuFile;
    EditMenu menuEdit;
    ViewMenu menuView;
    HelpMenu menuHelp;
    TrayMenu menuTray;
    QSystemTrayIcon* Tray1 = nullptr;
    // The chart of the state, owned by this window; nullptr until first shown.
    chart::ChartWindow* chartWindow = nullptr;

    // --- Inner workings ------------------------------------------------------

    void buildLayout();
    // Every text the window shows, in the language spoken now.
    void retranslate();
    // The captions and tool tips of the controls (Layout.cpp) and of the
    // menus (Shell.cpp).
    void captionControls();
    void captionMenus();
    void chainTabOrder();
    void connectHandlers();
    void buildShell();
    void connectShell();
    // The names and descriptions a screen reader speaks for every control.
    void applyAccessibleTexts();
    // Field i's description, naming the unit now selected in its list.
    void describeField(int i);
    // Up and Down from field to field, Ctrl+Plus and Ctrl+Minus for digits,
    // Space on the website link (KeyboardAccess.cpp).
    void applyKeyboardAccess();

    // "Hide the window": into the tray, or minimised when there is no tray.
    void hideWindow();
    // "Open the window": shown, restored if minimised, raised and active.
    void openWindow();
    // "Unload the window" as Exit does it: unload, close, quit the run.
    void unloadWindow();
    [[nodiscard]] bool trayAvailable() const;
    // Ends the run (hooks.quit).
    void quitRun();
    // Hands the chart (if shown once) the pressure, the unit system and the
    // state to mark: the computed state, or none when the results are empty.
    void feedChart(bool marked);
    // Ctrl+X, Ctrl+C or Ctrl+V: keys of the Edit menu that a text field
    // would otherwise take for its own clipboard commands.
    [[nodiscard]] bool isEditMenuShortcut(const QKeyEvent& key) const;
    // The help viewer call with the topmost suspension, then its message.
    void showHelp(const std::function<ContextIDs::HelpResult()>& call);

    // Presses Compute exactly as a click does.
    void pressCompute();
    // Field 2 as Phi × 100 and field 7 as Mu × 100 (single-precision
    // products) with their formats, where they hold a value.
    void writePercentFields();
    // Whether field i shows a value of `state`: a field the user enters
    // always; a result only after a compute that gave real air (the dew
    // point only where it exists); the pressure row that is not entered
    // only within the range of the atmosphere.
    [[nodiscard]] bool holdsValue(int i) const;
    // The line that says why the results are empty; nullopt empties it.
    void sayWhy(std::optional<calculator::Reason> reason, const QString& typed = {});
    // The line from `why`, in the language spoken now.
    void showWhy();
    // Locks or unlocks a pressure-row field and gives it the button-face or
    // the window background.
    void setPressureRowLocked(int field, bool locked);
    int fieldOf(const QObject* object) const;
    // Stores the text of an entry field into `state` (and derives the
    // altitude from the pressure or the pressure from the altitude). A text
    // that is not a number is not stored: the field shows its value again,
    // and the reason is returned.
    std::optional<calculator::Reason> takeOverEntry(int i);
    // Writes a field's text as a rendering of the state.
    void showText(int field, const QString& text);

    // The last compute gave real air, and the results show it.
    bool resultsShown = false;
    // What the line under the fields says, kept to be said again in another
    // language; no text when the line is empty.
    i18n::Message why;
    // The stored choice of language ("Language"): a code, "System", or
    // nothing when the user has never chosen; written back at the unload.
    std::optional<QString> storedLanguage;
    // The field whose select-all still waits for the click that focused it;
    // -1 when none. A typed key cancels it: the key has replaced the text.
    int selectAllPending = -1;

    QButtonGroup* unitsGroup = nullptr;
    QButtonGroup* patmGroup = nullptr;

    ShellHooks hooks;
    bool unloaded = false;
    // The chart window was open when this window was hidden.
    bool chartHiddenWithWindow = false;
    // What the chart marks; kept for a chart window not yet created.
    std::optional<chart::StatePoint> chartMark;
};
