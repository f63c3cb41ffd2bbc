// What assistive technology says about the calculator window's controls: an
// accessible name (what the control is) and a description (what it holds or
// does, and for a field the unit it shows). Captions and tool tips stay the
// window's own texts; these are spoken by a screen reader and never shown.
//
// A field's unit lives only in the selection of its unit list, so the field's
// description is rewritten whenever that selection changes. The keys that
// make the window usable without a mouse are in KeyboardAccess.cpp.

#include "calculator/frmMain.h"
#include "core/FieldTable.h"

#include <QCheckBox>
#include <QComboBox>
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
    {"Dry Bulb Temperature", "Temperature of the air as an ordinary thermometer reads it.",
     Role::Input},
    {"Wet Bulb Temperature",
     "Temperature a wetted thermometer reaches as water evaporates from it into the air.",
     Role::Input},
    {"Relative Humidity",
     "Vapor pressure as a share of the saturation vapor pressure at the dry bulb temperature.",
     Role::Input},
    {"Humidity Ratio", "Mass of water vapor per mass of dry air.", Role::Input},
    {"Enthalpy", "Heat content of the moist air per mass of dry air.", Role::Input},
    {"Dew Point Temperature",
     "Temperature at which the air becomes saturated when cooled at constant moisture.",
     Role::Result},
    {"Vapor Pressure", "Partial pressure of the water vapor in the air.", Role::Result},
    {"Degree of Saturation",
     "Humidity ratio as a share of the humidity ratio of saturated air at the same temperature.",
     Role::Result},
    {"Specific Volume", "Volume of moist air per mass of dry air.", Role::Result},
    {"Moist Air Density", "Mass of moist air per volume.", Role::Result},
    {"Absolute Humidity", "Mass of water vapor per volume of moist air.", Role::Result},
    {"Atmospheric Pressure", "Local atmospheric pressure.", Role::PressureEntry},
    {"Altitude", "Local elevation above sea level.", Role::PressureEntry},
    {"Moisture Concentration", "Water vapor content of the air in parts per million.",
     Role::Result},
}};

QString roleSentence(Role role) {
    switch (role) {
    case Role::Input:
        return QStringLiteral("Input: typed when its check box is ticked, otherwise computed "
                              "from the two ticked inputs.");
    case Role::Result:
        return QStringLiteral("Result, computed from the two ticked inputs.");
    case Role::PressureEntry:
        return QStringLiteral("Pressure entry: typed when its option button is selected, "
                              "otherwise computed from the other pressure entry.");
    }
    return {};
}

struct ControlText {
    QWidget* control;
    const char* name;
    const char* description;
};

void apply(const ControlText& text) {
    text.control->setAccessibleName(QString::fromUtf8(text.name));
    text.control->setAccessibleDescription(QString::fromUtf8(text.description));
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
        QStringLiteral("Computes the properties of moist air from two inputs at a given "
                       "atmospheric pressure or altitude. Tab moves through the entries and "
                       "buttons; the Up and Down arrows move from field to field, results "
                       "included; Ctrl+Plus and Ctrl+Minus show more or fewer decimal places "
                       "in the field that has the focus."));

    for (int i = 0; i < kFieldCount; ++i) {
        const QString name = QString::fromUtf8(kFieldTexts[i].name);
        txtData[i]->setAccessibleName(name);
        describeField(i);
        if (cboUnits[i] == nullptr)
            continue;
        cboUnits[i]->setAccessibleName(name + QStringLiteral(" unit"));
        // A cheap rewrite of one description per change of selection.
        connect(cboUnits[i], &QComboBox::currentIndexChanged, this,
                [this, i] { describeField(i); });
    }

    for (int i = 0; i < calculator::kInputCount; ++i) {
        chkPsyInput[i]->setAccessibleName(spoken(chkPsyInput[i]->text()));
        chkPsyInput[i]->setAccessibleDescription(
            QStringLiteral("%1. Ticked, the %2 field takes a typed value.")
                .arg(chkPsyInput[i]->toolTip(), QString::fromUtf8(kFieldTexts[i].name)));
    }
    for (int i = 0; i < 2; ++i) {
        optPatm[i]->setAccessibleName(spoken(optPatm[i]->text()));
        optUnits[i]->setAccessibleName(spoken(optUnits[i]->text()));
    }
    optPatm[0]->setAccessibleDescription(
        QStringLiteral("Enter the local atmospheric pressure directly; the altitude follows "
                       "from it."));
    optPatm[1]->setAccessibleDescription(
        QStringLiteral("Enter the local elevation; the atmospheric pressure follows from it."));
    optUnits[0]->setAccessibleDescription(QStringLiteral("Shows every field in inch-pound units."));
    optUnits[1]->setAccessibleDescription(
        QStringLiteral("Shows every field in metric (SI) units."));

    for (const ControlText& text : std::initializer_list<ControlText>{
             {cmdClear, "Clear", "Clears the inputs and the results."},
             {cmdCompute, "Compute", "Computes every property from the two ticked inputs."},
             {cmdClose, "Hide", "Hides the calculator window; the tray icon brings it back."},
             {cmdMore, "More Digits", "Shows one more decimal place in the field last left."},
             {cmdLess, "Less Digits", "Shows one decimal place less in the field last left."},
             {lnkWebPage, "Vaporwright on the web",
              "Website link: opens the maker's website in the browser. Space opens it."},
             {Frame1[0], "Unit System and Digits",
              "Chooses the unit system and the number of decimal places shown."},
             {Frame1[1], "Atmospheric Pressure",
              "The local pressure, given directly or through the altitude."},
             {frmSteam[1], "Select Input and Compute Results",
              "Tick two inputs, type their values, and every other property is computed."},
             {Label1[0], "percent", ""},
             {Label1[1], "percent", ""},
         })
        apply(text);
    // Its name is the text it shows, so that each new reason is read out.
    lblWhy->setAccessibleDescription(
        QStringLiteral("Why the results are empty, when they are; read out as it changes."));
}

void frmMain::describeField(int i) {
    const FieldText& text = kFieldTexts[i];
    QComboBox* list = cboUnits[i];
    const bool chosen = list != nullptr && list->currentIndex() >= 0;
    QString unit;
    if (list == nullptr)
        unit = QStringLiteral("In percent.");
    else if (!chosen)
        unit = QStringLiteral("The unit is chosen in the list beside it.");
    else
        unit = QStringLiteral("In %1; the unit is chosen in the list beside it.")
                   .arg(list->currentText());
    txtData[i]->setAccessibleDescription(
        QStringLiteral("%1 %2 %3")
            .arg(QString::fromUtf8(text.what), roleSentence(text.role), unit));
    if (list == nullptr)
        return;
    // The list is spoken by its own name; its entry, the unit, is said here.
    list->setAccessibleDescription(
        QStringLiteral("Unit of the %1 field%2; choosing another unit shows the value "
                       "converted to it.")
            .arg(QString::fromUtf8(text.name),
                 chosen ? QStringLiteral(", now %1").arg(list->currentText()) : QString()));
}
