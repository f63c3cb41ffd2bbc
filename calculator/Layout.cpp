// The calculator window's controls, the layout from top to bottom and the tab
// order; and their captions and tool tips, set apart in captionControls so
// that a change of language sets them again.

#include "calculator/StatusLine.h"
#include "calculator/frmMain.h"
#include "core/ComputeCore.h"
#include "core/FieldTable.h"
#include "dialogs/VersionInfo.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

// The picture buttons' icons live in the library's resources; a static
// library must register them itself.
static void initCalculatorResources() {
    Q_INIT_RESOURCE(calculator);
}

namespace {

using namespace calculator;

// Captions of the result rows, Label4(0) to Label4(6) for fields 5, 6, 7, 8,
// 9, 10 and 13.
constexpr std::array<int, 7> kResultFields{
    kDewPoint, kVaporPressure,    kDegreeOfSaturation,   kSpecificVolume,
    kDensity,  kAbsoluteHumidity, kMoistureConcentration};
constexpr std::array<const char*, 7> kResultCaptions{
    QT_TRANSLATE_NOOP("frmMain", "Dew Point Temperature:"),
    QT_TRANSLATE_NOOP("frmMain", "Vapor Pressure:"),
    QT_TRANSLATE_NOOP("frmMain", "Degree of Saturation:"),
    QT_TRANSLATE_NOOP("frmMain", "Specific Volume:"),
    QT_TRANSLATE_NOOP("frmMain", "Moist Air Density:"),
    QT_TRANSLATE_NOOP("frmMain", "Absolute Humidity:"),
    QT_TRANSLATE_NOOP("frmMain", "Moisture Concentration:")};
constexpr std::array<const char*, calculator::kInputCount> kInputCaptions{
    QT_TRANSLATE_NOOP("frmMain", "Dry Bulb Temperature:"),
    QT_TRANSLATE_NOOP("frmMain", "Wet Bulb Temperature:"),
    QT_TRANSLATE_NOOP("frmMain", "Relative Humidity:"),
    QT_TRANSLATE_NOOP("frmMain", "Humidity Ratio:"), QT_TRANSLATE_NOOP("frmMain", "Enthalpy:")};

// Field rows in the order they stand in the window, top to bottom.
constexpr std::array<int, 12> kRowOrder{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13};

QString controlName(const char* control, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(control)).arg(index);
}

QPushButton* pictureButton(const QString& icon, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(32, 32));
    return button;
}

} // namespace

void frmMain::buildLayout() {
    initCalculatorResources();

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* outer = new QVBoxLayout(central);

    frmSteam[1] = new QGroupBox(central);
    auto* steam = new QVBoxLayout(frmSteam[1]);

    // The fields first, so that each row's caption can be placed with them.
    for (int i = 0; i < calculator::kFieldCount; ++i) {
        txtData[i] = new QLineEdit(frmSteam[1]);
        txtData[i]->setObjectName(controlName("txtData", i));
        txtData[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        txtData[i]->setMinimumWidth(120);
        const std::string_view tag = UnitTag(i);
        if (tag.empty())
            continue;
        cboUnits[i] = new QComboBox(frmSteam[1]);
        cboUnits[i]->setObjectName(controlName("cboUnits", i));
        cboUnits[i]->setProperty("Tag", QString::fromUtf8(tag.data(), std::ssize(tag)));
        // Wide enough for the longest unit once, when first shown: a list that
        // adjusted itself to every change would resize itself outside the
        // layout, and its row would shift whenever the layout next ran.
        cboUnits[i]->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
    }

    // Unit system, with the digit buttons on the right (More first).
    Frame1[0] = new QGroupBox(frmSteam[1]);
    auto* units = new QHBoxLayout(Frame1[0]);
    auto* systems = new QVBoxLayout;
    unitsGroup = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        optUnits[i] = new QRadioButton(Frame1[0]);
        optUnits[i]->setObjectName(controlName("optUnits", i));
        unitsGroup->addButton(optUnits[i], i);
        systems->addWidget(optUnits[i]);
    }
    units->addLayout(systems);
    units->addStretch();
    cmdMore = pictureButton(QStringLiteral(":/calculator/MoreDigits.svg"), Frame1[0]);
    cmdLess = pictureButton(QStringLiteral(":/calculator/LessDigits.svg"), Frame1[0]);
    units->addWidget(cmdMore);
    units->addWidget(cmdLess);
    steam->addWidget(Frame1[0]);

    // Atmospheric pressure, given directly or through the altitude.
    Frame1[1] = new QGroupBox(frmSteam[1]);
    auto* pressure = new QGridLayout(Frame1[1]);
    patmGroup = new QButtonGroup(this);
    for (int row = 0; row < 2; ++row) {
        const int field = kAtmosphericPressure + row;
        optPatm[row] = new QRadioButton(Frame1[1]);
        optPatm[row]->setObjectName(controlName("optPatm", row));
        patmGroup->addButton(optPatm[row], row);
        pressure->addWidget(optPatm[row], row, 0);
        pressure->addWidget(txtData[field], row, 1);
        pressure->addWidget(cboUnits[field], row, 2);
    }
    pressure->setColumnStretch(1, 1);
    steam->addWidget(Frame1[1]);

    // One row per field: caption, text box, unit list or "%".
    auto* rows = new QGridLayout;
    std::array<QWidget*, calculator::kFieldCount> captionOf{};
    for (int i = 0; i < calculator::kInputCount; ++i) {
        chkPsyInput[i] = new QCheckBox(frmSteam[1]);
        chkPsyInput[i]->setObjectName(controlName("chkPsyInput", i));
        const std::string_view tag = kInputTags[static_cast<std::size_t>(i)];
        chkPsyInput[i]->setProperty("Tag", QString::fromUtf8(tag.data(), std::ssize(tag)));
        captionOf[i] = chkPsyInput[i];
    }
    for (std::size_t k = 0; k < kResultFields.size(); ++k) {
        const int field = kResultFields[k];
        Label4[k] = new QLabel(frmSteam[1]);
        Label4[k]->setObjectName(controlName("Label4", static_cast<int>(k)));
        Label4[k]->setBuddy(txtData[field]);
        captionOf[field] = Label4[k];
        // Results are written by the window; they can be clicked (to pick the
        // field for More and Less digits) but are not tab stops.
        txtData[field]->setFocusPolicy(Qt::ClickFocus);
        txtData[field]->setReadOnly(field != kAbsoluteHumidity && field != kMoistureConcentration);
    }
    for (int percent = 0; percent < 2; ++percent) {
        Label1[percent] = new QLabel(QStringLiteral("%"), frmSteam[1]);
        Label1[percent]->setObjectName(controlName("Label1", percent));
    }
    int row = 0;
    for (const int field : kRowOrder) {
        QWidget* unit = field == kRelativeHumidity     ? Label1[0]
                        : field == kDegreeOfSaturation ? Label1[1]
                                                       : static_cast<QWidget*>(cboUnits[field]);
        rows->addWidget(captionOf[field], row, 0);
        rows->addWidget(txtData[field], row, 1);
        rows->addWidget(unit, row, 2);
        ++row;
    }
    rows->setColumnStretch(1, 1);
    steam->addLayout(rows);

    // Why the results are empty, when they are; its room is always kept.
    lblWhy = new calculator::StatusLine(frmSteam[1]);
    lblWhy->setObjectName(QStringLiteral("lblWhy"));
    steam->addWidget(lblWhy);

    // Clear on the left, Compute in the middle, Hide on the right.
    cmdClear = new QPushButton(frmSteam[1]);
    cmdCompute = new QPushButton(frmSteam[1]);
    cmdClose = new QPushButton(frmSteam[1]);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdClear);
    buttons->addStretch();
    buttons->addWidget(cmdCompute);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    steam->addLayout(buttons);
    outer->addWidget(frmSteam[1]);

    // The maker's website, with an invitation beneath it.
    lnkWebPage = new QLabel(central);
    lnkWebPage->setObjectName(QStringLiteral("lnkWebPage"));
    lnkWebPage->setTextFormat(Qt::RichText);
    lnkWebPage->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    lnkWebPage->setAlignment(Qt::AlignCenter);
    Label1[2] = new QLabel(central);
    Label1[2]->setObjectName(QStringLiteral("Label1(2)"));
    Label1[2]->setAlignment(Qt::AlignCenter);
    outer->addWidget(lnkWebPage);
    outer->addWidget(Label1[2]);
}

void frmMain::captionControls() {
    frmSteam[1]->setTitle(tr("Select Input and Compute Results"));
    const std::array<QString, 2> systemCaptions{tr("&IP Engineering Units"),
                                                tr("&SI Engineering Units")};
    const std::array<QString, 2> systemTips{tr("Imperial Units of Measurement"),
                                            tr("Systema International Units of Meaurement")};
    for (int i = 0; i < 2; ++i) {
        optUnits[i]->setText(systemCaptions[i]);
        optUnits[i]->setToolTip(systemTips[i]);
    }
    cmdMore->setToolTip(tr("Display More Digits"));
    cmdLess->setToolTip(tr("Display Less Digits"));

    Frame1[1]->setTitle(tr("Atmospheric Pressure"));
    const std::array<QString, 2> patmCaptions{tr("&Atmospheric Pressure:"), tr("&Altitude:")};
    const std::array<QString, 2> patmTips{
        tr("Select to Directly enter the Local Atmospheric Pressure"),
        tr("Select to enter the Local Elevation to Compute Atmospheric  Pressure")};
    for (int row = 0; row < 2; ++row) {
        optPatm[row]->setText(patmCaptions[row]);
        optPatm[row]->setToolTip(patmTips[row]);
    }

    for (int i = 0; i < calculator::kInputCount; ++i) {
        chkPsyInput[i]->setText(tr(kInputCaptions[i]));
        chkPsyInput[i]->setToolTip(tr("Select 2 of the 5 Inputs to Compute Properties"));
    }
    for (std::size_t k = 0; k < kResultCaptions.size(); ++k)
        Label4[k]->setText(tr(kResultCaptions[k]));
    cmdClear->setText(tr("Clea&r"));
    cmdClear->setToolTip(tr("Clear the Input and Calculations"));
    cmdCompute->setText(tr("&Compute"));
    cmdCompute->setToolTip(tr("Compute Properties"));
    cmdClose->setText(tr("&Hide"));

    const QString address = QString::fromLatin1(VersionInfo::kWebAddress);
    lnkWebPage->setText(
        QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(address.toHtmlEscaped(), tr("Vaporwright on the web").toHtmlEscaped()));
    lnkWebPage->setToolTip(tr("Website Link"));
    Label1[2]->setText(tr("Visit our website for updates, help and other engineering tools."));
}

void frmMain::chainTabOrder() {
    // Pressure, altitude, the five inputs, Clear, Compute, Hide, then the rest.
    std::vector<QWidget*> chain{txtData[kAtmosphericPressure], txtData[kAltitude]};
    for (int i = 0; i < calculator::kInputCount; ++i)
        chain.push_back(txtData[i]);
    chain.insert(chain.end(), {cmdClear, cmdCompute, cmdClose, optUnits[0], optUnits[1], cmdMore,
                               cmdLess, optPatm[0], optPatm[1]});
    for (int i = 0; i < calculator::kInputCount; ++i)
        chain.push_back(chkPsyInput[i]);
    for (QComboBox* list : cboUnits) {
        if (list != nullptr)
            chain.push_back(list);
    }
    chain.push_back(lnkWebPage);
    for (std::size_t k = 1; k < chain.size(); ++k)
        QWidget::setTabOrder(chain[k - 1], chain[k]);
}
