// What assistive technology says about the calculator window's controls: an
// accessible name (what the control is) and a description (what it holds or
// does, and for a field the unit it shows). Captions and tool tips stay the
// window's own texts; these are spoken by a screen reader and never shown.
// Like the captions they are set again when the language changes.
//
// A field's unit lives only in the selection of its unit list, so the field's
// description is rewritten whenever that selection changes. The keys that
// make the window usable without a mouse are in KeyboardAccess.cpp.

#include "calculator/frmMain.h"
#include "core/FieldTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace {

using namespace calculator;

enum class Role { Input, Result, PressureEntry };

struct FieldText {
    const char* name; // the quantity, as its caption names it
    const char* what; // one sentence on the quantity
    Role role;
};

// By field index.
constexpr std::array<FieldText, kFieldCount> kFieldTexts{{
    {QT_TRANSLATE_NOOP("frmMain", "Dry Bulb Temperature"),
     QT_TRANSLATE_NOOP("frmMain", "Temperature of the air as an ordinary thermometer reads it."),
     Role::Input},
    {QT_TRANSLATE_NOOP("frmMain", "Wet Bulb Temperature"),
     QT_TRANSLATE_NOOP(
         "frmMain",
         "Temperature a wetted thermometer reaches as water evaporates from it into the air."),
     Role::Input},
    {QT_TRANSLATE_NOOP("frmMain", "Relative Humidity"),
     QT_TRANSLATE_NOOP(
         "frmMain",
         "Vapor pressure as a share of the saturation vapor pressure at the dry bulb temperature."),
     Role::Input},
    {QT_TRANSLATE_NOOP("frmMain", "Humidity Ratio"),
     QT_TRANSLATE_NOOP("frmMain", "Mass of water vapor per mass of dry air."), Role::Input},
    {QT_TRANSLATE_NOOP("frmMain", "Enthalpy"),
     QT_TRANSLATE_NOOP("frmMain", "Heat content of the moist air per mass of dry air."),
     Role::Input},
    {QT_TRANSLATE_NOOP("frmMain", "Dew Point Temperature"),
     QT_TRANSLATE_NOOP(
         "frmMain",
         "Temperature at which the air becomes saturated when cooled at constant moisture."),
     Role::Result},
    {QT_TRANSLATE_NOOP("frmMain", "Vapor Pressure"),
     QT_TRANSLATE_NOOP("frmMain", "Partial pressure of the water vapor in the air."), Role::Result},
    {QT_TRANSLATE_NOOP("frmMain", "Degree of Saturation"),
     QT_TRANSLATE_NOOP("frmMain", "Humidity ratio as a share of the humidity ratio of saturated "
                                  "air at the same temperature."),
     Role::Result},
    {QT_TRANSLATE_NOOP("frmMain", "Specific Volume"),
     QT_TRANSLATE_NOOP("frmMain", "Volume of moist air per mass of dry air."), Role::Result},
    {QT_TRANSLATE_NOOP("frmMain", "Moist Air Density"),
     QT_TRANSLATE_NOOP("frmMain", "Mass of moist air per volume."), Role::Result},
    {QT_TRANSLATE_NOOP("frmMain", "Absolute Humidity"),
     QT_TRANSLATE_NOOP("frmMain", "Mass of water vapor per volume of moist air."), Role::Result},
    {QT_TRANSLATE_NOOP("frmMain", "Atmospheric Pressure"),
     QT_TRANSLATE_NOOP("frmMain", "Local atmospheric pressure."), Role::PressureEntry},
    {QT_TRANSLATE_NOOP("frmMain", "Altitude"),
     QT_TRANSLATE_NOOP("frmMain", "Local elevation above sea level."), Role::PressureEntry},
    {QT_TRANSLATE_NOOP("frmMain", "Moisture Concentration"),
     QT_TRANSLATE_NOOP("frmMain", "Water vapor content of the air in parts per million."),
     Role::Result},
}};

// A text of the tables above in the language spoken.
QString translated(const char* source) {
    return QCoreApplication::translate("frmMain", source);
}

QString roleSentence(Role role) {
    switch (role) {
    case Role::Input:
        return translated(QT_TRANSLATE_NOOP("frmMain",
                                            "Input: typed when its check box is ticked, "
                                            "otherwise computed from the two ticked inputs."));
    case Role::Result:
        return translated(
            QT_TRANSLATE_NOOP("frmMain", "Result, computed from the two ticked inputs."));
    case Role::PressureEntry:
        return translated(QT_TRANSLATE_NOOP(
            "frmMain", "Pressure entry: typed when its option button is selected, "
                       "otherwise computed from the other pressure entry."));
    }
    return {};
}

struct ControlText {
    QWidget* control;
    const char* name;
    const char* description;
};

void apply(const ControlText& text) {
    text.control->setAccessibleName(translated(text.name));
    text.control->setAccessibleDescription(
        *text.description == '\0' ? QString() : translated(text.description));
}

// "&Atmospheric Pressure:" → "Atmospheric Pressure": what a caption says aloud.
QString spoken(QString caption) {
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

} // namespace

void frmMain::applyAccessibleTexts() {
    setAccessibleDescription(
        tr("Computes the properties of moist air from two inputs at a given atmospheric "
           "pressure or altitude. Tab moves through the entries and buttons; the Up and Down "
           "arrows move from field to field, results included; Ctrl+Plus and Ctrl+Minus show "
           "more or fewer decimal places in the field that has the focus."));

    for (int i = 0; i < kFieldCount; ++i) {
        const QString name = tr(kFieldTexts[i].name);
        txtData[i]->setAccessibleName(name);
        describeField(i);
        if (cboUnits[i] != nullptr)
            cboUnits[i]->setAccessibleName(tr("%1 unit").arg(name));
    }

    for (int i = 0; i < calculator::kInputCount; ++i) {
        chkPsyInput[i]->setAccessibleName(spoken(chkPsyInput[i]->text()));
        chkPsyInput[i]->setAccessibleDescription(
            tr("%1. Ticked, the %2 field takes a typed value.")
                .arg(chkPsyInput[i]->toolTip(), tr(kFieldTexts[i].name)));
    }
    for (int i = 0; i < 2; ++i) {
        optPatm[i]->setAccessibleName(spoken(optPatm[i]->text()));
        optUnits[i]->setAccessibleName(spoken(optUnits[i]->text()));
    }
    optPatm[0]->setAccessibleDescription(
        tr("Enter the local atmospheric pressure directly; the altitude follows from it."));
    optPatm[1]->setAccessibleDescription(
        tr("Enter the local elevation; the atmospheric pressure follows from it."));
    optUnits[0]->setAccessibleDescription(tr("Shows every field in inch-pound units."));
    optUnits[1]->setAccessibleDescription(tr("Shows every field in metric (SI) units."));

    for (const ControlText& text : std::initializer_list<ControlText>{
             {cmdClear, QT_TR_NOOP("Clear"), QT_TR_NOOP("Clears the inputs and the results.")},
             {cmdCompute, QT_TR_NOOP("Compute"),
              QT_TR_NOOP("Computes every property from the two ticked inputs.")},
             {cmdClose, QT_TR_NOOP("Hide"),
              QT_TR_NOOP("Hides the calculator window; the tray icon brings it back.")},
             {cmdMore, QT_TR_NOOP("More Digits"),
              QT_TR_NOOP("Shows one more decimal place in the field last left.")},
             {cmdLess, QT_TR_NOOP("Less Digits"),
              QT_TR_NOOP("Shows one decimal place less in the field last left.")},
             {lnkWebPage, QT_TR_NOOP("Vaporwright on the web"),
              QT_TR_NOOP("Website link: opens the maker's website in the browser. Space opens "
                         "it.")},
             {Frame1[0], QT_TR_NOOP("Unit System and Digits"),
              QT_TR_NOOP("Chooses the unit system and the number of decimal places shown.")},
             {Frame1[1], QT_TR_NOOP("Atmospheric Pressure"),
              QT_TR_NOOP("The local pressure, given directly or through the altitude.")},
             {frmSteam[1], QT_TR_NOOP("Select Input and Compute Results"),
              QT_TR_NOOP(
                  "Tick two inputs, type their values, and every other property is computed.")},
             {Label1[0], QT_TR_NOOP("percent"), ""},
             {Label1[1], QT_TR_NOOP("percent"), ""},
         })
        apply(text);
    // Its name is the text it shows, so that each new reason is read out.
    lblWhy->setAccessibleDescription(
        tr("Why the results are empty, when they are; read out as it changes."));
}

void frmMain::describeField(int i) {
    const FieldText& text = kFieldTexts[i];
    QComboBox* list = cboUnits[i];
    const bool chosen = list != nullptr && list->currentIndex() >= 0;
    QString unit;
    if (list == nullptr)
        unit = tr("In percent.");
    else if (!chosen)
        unit = tr("The unit is chosen in the list beside it.");
    else
        unit = tr("In %1; the unit is chosen in the list beside it.").arg(list->currentText());
    txtData[i]->setAccessibleDescription(
        QStringLiteral("%1 %2 %3").arg(tr(text.what), roleSentence(text.role), unit));
    if (list == nullptr)
        return;
    // The list is spoken by its own name; its entry, the unit, is said here.
    list->setAccessibleDescription(
        chosen ? tr("Unit of the %1 field, now %2; choosing another unit shows the value "
                    "converted to it.")
                     .arg(tr(text.name), list->currentText())
               : tr("Unit of the %1 field; choosing another unit shows the value converted to "
                    "it.")
                     .arg(tr(text.name)));
}
