// The calculator window as it stands after loading: ticks, texts, unit
// lists, pressure rows, captions and the order of the focus.

#include "WindowFixture.h"
#include "core/DefaultFormats.h"
#include "engine/Units.h"
#include "settings/SettingsKeys.h"

#include <QLabel>

namespace {

TEST_F(WindowTest, LoadsWithDryAndWetBulbAt68FAndEmptyResults) {
    EXPECT_EQ(w->windowTitle(), u"Psychrometric Calculations:  ASHRAE Formulation"_qs);
    EXPECT_TRUE(view().optUnits()[0]->isChecked());
    EXPECT_TRUE(view().optPatm()[0]->isChecked());
    EXPECT_EQ(basPsychroFun::UnitSystemOf(view().state().UnitSystem),
              basPsychroFun::UnitSystem::IP);
    EXPECT_EQ(view().state().Tdb, 68.0f);
    EXPECT_EQ(view().state().Twb, 68.0f);
    EXPECT_EQ(view().state().Patm, 14.696f);
    EXPECT_EQ(view().state().Alt, 0.0f);
    EXPECT_EQ(view().CurrentField(), 0);
    for (int i = 0; i < calculator::kFieldCount; ++i) {
        const std::string_view pattern = calculator::kDefaultFormats[static_cast<std::size_t>(i)];
        EXPECT_EQ(view().FieldFormat()[i],
                  QLatin1StringView(pattern.data(), static_cast<qsizetype>(pattern.size())));
    }

    EXPECT_EQ(text(0), u"68.00"_qs);
    EXPECT_EQ(text(1), u"68.00"_qs);
    EXPECT_EQ(text(11), u"14.70"_qs);
    EXPECT_EQ(text(12), u"0.0"_qs);
    for (int i : {2, 3, 4})
        EXPECT_TRUE(text(i).isEmpty()) << i;
    for (int i : kResults)
        EXPECT_TRUE(text(i).isEmpty()) << i;

    // Two ticked: the other three boxes disabled, their fields locked.
    for (int i = 0; i < calculator::kInputCount; ++i) {
        const bool input = i < 2;
        EXPECT_EQ(view().chkPsyInput()[i]->isChecked(), input) << i;
        EXPECT_EQ(view().chkPsyInput()[i]->isEnabled(), input) << i;
        EXPECT_EQ(field(i)->isReadOnly(), !input) << i;
    }
    // Pressure entered: its row editable on a window background, the
    // altitude locked on a button face.
    EXPECT_FALSE(field(11)->isReadOnly());
    EXPECT_TRUE(field(12)->isReadOnly());
    const QPalette system = QApplication::palette(field(11));
    EXPECT_EQ(field(11)->palette().color(QPalette::Base), system.color(QPalette::Base));
    EXPECT_EQ(field(12)->palette().color(QPalette::Base), system.color(QPalette::Button));
}

TEST_F(WindowTest, UnitListsAreFilledFromTheirTagsAndOnIpUnits) {
    const struct {
        int field;
        const char* tag;
        int count;
        const char* selected;
    } rows[] = {
        {0, "Temperature", 4, "°F"},
        {1, "Temperature", 4, "°F"},
        {3, "Humidity Ratio", 4, "lbm/lbm"},
        {4, "Enth", 3, "BTU/lbm"},
        {5, "Temperature", 4, "°F"},
        {6, "VP", 9, "psia"},
        {8, "Specific Volume", 3, "ft³/lbm"},
        {9, "Density", 4, "lbm/ft³"},
        {10, "Absolute Humidity", 5, "lbm/ft³"},
        {11, "Press", 9, "psia"},
        {12, "Altitude", 2, "ft"},
        {13, "Concentration", 2, "PPM weight"},
    };
    for (const auto& row : rows) {
        const QComboBox* list = view().cboUnits()[row.field];
        ASSERT_NE(list, nullptr) << row.field;
        EXPECT_EQ(list->property("Tag").toString(), QString::fromUtf8(row.tag));
        EXPECT_EQ(list->count(), row.count) << row.field;
        EXPECT_EQ(list->currentText(), QString::fromUtf8(row.selected)) << row.field;
    }
    // Relative humidity and degree of saturation show "%" instead of a list.
    EXPECT_EQ(view().cboUnits()[2], nullptr);
    EXPECT_EQ(view().cboUnits()[7], nullptr);
    EXPECT_EQ(view().Label1()[0]->text(), u"%"_qs);
    EXPECT_EQ(view().Label1()[1]->text(), u"%"_qs);
}

TEST_F(WindowTest, OddlySpelledTextsAndPictureButtonsAreKept) {
    // Spelled as the users know them, odd spellings and double blanks included.
    EXPECT_EQ(view().optUnits()[1]->toolTip(), u"Systema International Units of Meaurement"_qs);
    EXPECT_EQ(view().optPatm()[1]->toolTip(),
              u"Select to enter the Local Elevation to Compute Atmospheric  Pressure"_qs);
    EXPECT_FALSE(view().cmdMore()->icon().isNull());
    EXPECT_FALSE(view().cmdLess()->icon().isNull());
}

TEST_F(WindowTest, TabRunsThroughPressureAltitudeInputsAndButtonsSkippingResults) {
    clickInto(11);
    const std::vector<QWidget*> expected{
        field(12),        field(0), field(1),          field(2),
        field(3),         field(4), view().cmdClear(), view().cmdCompute(),
        view().cmdClose()};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    // The results are reached by neither Tab nor Enter.
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (int r : kResults)
            EXPECT_NE(QApplication::focusWidget(), field(r));
    }
}

TEST_F(WindowTest, ClickingIntoAFieldSelectsItsWholeText) {
    clickInto(0);
    EXPECT_EQ(field(0)->selectedText(), u"68.00"_qs);
    // Typing replaces it.
    QTest::keyClick(field(0), Qt::Key_7);
    EXPECT_EQ(text(0), u"7"_qs);
}

} // namespace
