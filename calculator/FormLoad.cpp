// The calculator window's load handling: the starting state of a run, from
// the settings the last run left.

#include "calculator/TypedText.h"
#include "calculator/frmMain.h"
#include "core/FieldTable.h"
#include "dialogs/ContextIDs.h"
#include "settings/Flags.h"
#include "settings/SettingsValues.h"
#include "translations/Languages.h"
#include "units/UnitCatalogue.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// A stored format is taken only when More and Less digits could have made it.
static_assert(settings::kMaxFormatDecimals == calculator::kMaxDecimals);

// Selecting an option runs its handler, also when it is selected already.
template <typename Handler>
void select(QRadioButton* option, Handler&& handler) {
    if (option->isChecked())
        handler();
    else
        option->setChecked(true); // toggled runs the handler
}

} // namespace

void frmMain::Form_Load() {
    // 1. Help belongs to this window from now on.
    ContextIDs::HelpInit(this, hooks.dialogHooks.programFolder);

    // 2. The hourglass for as long as the load takes.
    QApplication::setOverrideCursor(Qt::WaitCursor);

    // 3. The tray menu is only ever a pop-up; the icon goes into the tray.
    menuTray.mnuTrayPopup->menuAction()->setVisible(false);
    Tray1->show();

    // 4. Fill every unit list from its Tag. Nothing is selected yet: the
    //    unit-system switch below selects every list.
    for (QComboBox* list : cboUnits) {
        if (list == nullptr)
            continue;
        const QSignalBlocker quiet(list);
        list->clear();
        basLoadUnits::LoadUnits(list->property("Tag").toString().toStdString(),
                                [list](std::string_view unit) {
                                    list->addItem(QString::fromUtf8(unit.data(), std::ssize(unit)));
                                });
        list->setCurrentIndex(-1);
    }

    // 5. Both temperature inputs start at 68 °F.
    state.Tdb = 68.0f;
    state.Twb = 68.0f;

    // 6.-8. Unit system (0 IP, 1 SI), pressure mode (0 pressure, 1 altitude),
    //       pressure (psia), altitude (ft) and the format of every field, in
    //       one read of the store. Each value is checked; one that fails
    //       falls back on its default, and the pressure and the altitude are
    //       made to agree.
    const settings::WindowSettings stored = settings::ReadWindowSettings();
    state.Patm = stored.patm;
    state.Alt = stored.alt;
    FieldFormat = stored.fieldFormats;

    // 9. The unit system: selects every unit list, renders, computes.
    const int system = stored.units;
    select(optUnits[system], [this, system] { optUnits_Click(system); });

    // 10. The pressure mode: locks one of the two pressure rows, computes.
    const int mode = stored.patmUnit;
    select(optPatm[mode], [this, mode] { optPatm_Click(mode); });

    // 11. Show the starting temperatures, pressure and altitude.
    for (const int field : {calculator::kDryBulb, calculator::kWetBulb,
                            calculator::kAtmosphericPressure, calculator::kAltitude})
        cboUnits_Click(field);

    // 12. Dry bulb and wet bulb ticked, everything else emptied.
    ClearResults(true);

    // The language the user chose, ticked in View > Language; the start-up
    // speaks it (or the one given on the command line) before any window is
    // made.
    storedLanguage = stored.language;
    tickLanguage(translations::LanguageCode(stored.language.value_or(QString())));

    // 13. Keep-on-top as start-up read it; the item starts unchecked, so the
    //     toggle turns it on.
    if (settings::blnKeepOnTop)
        mnuFileOnTop_Click();

    // 14. The default pointer again.
    QApplication::restoreOverrideCursor();
}
