// The calculator window as a screen reader and a keyboard-only user meet it:
// the accessible name and description of every control, descriptions that
// follow the unit chosen, a Tab cycle through every enabled control, the
// mnemonics, the chart on F2 and off on Escape, and fields that stay readable
// under a dark palette.

#include "ShellFixture.h"
#include "calculator/TypedText.h"
#include "chartwindow/ChartWindow.h"
#include "core/FieldTable.h"

#include <ostream>
#include <set>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

// Texts in failure messages as text.
static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

QString accessible(QWidget* widget, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(what) : QString();
}
QString nameOf(QWidget* widget) {
    return accessible(widget, QAccessible::Name);
}
QString descriptionOf(QWidget* widget) {
    return accessible(widget, QAccessible::Description);
}

// WCAG 2 contrast ratio of two colours, 1 to 21.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette() {
    QPalette p(QColor(53, 53, 53), QColor(40, 40, 40));
    p.setColor(QPalette::WindowText, QColor(235, 235, 235));
    p.setColor(QPalette::Base, QColor(30, 30, 30));
    p.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    p.setColor(QPalette::Text, QColor(235, 235, 235));
    p.setColor(QPalette::Button, QColor(70, 70, 70));
    p.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    p.setColor(QPalette::Link, QColor(120, 180, 255));
    return p;
}

// Stands in for the browser: records the address it is asked to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened = url; }

public:
    QUrl opened;
};

class Accessibility : public ShellTest {
protected:
    // The focusable controls of a window that a user can see.
    static std::vector<QWidget*> focusable(QWidget& window, Qt::FocusPolicy policy) {
        std::vector<QWidget*> found;
        for (QWidget* child : window.findChildren<QWidget*>()) {
            if ((child->focusPolicy() & policy) == policy && child->isVisibleTo(&window))
                found.push_back(child);
        }
        return found;
    }
};

TEST_F(Accessibility, EveryFieldAndUnitListIsNamedAfterItsQuantity) {
    const struct {
        int field;
        const char* name;
        const char* role;
        const char* unit; // on first load, IP units
    } rows[] = {
        {0, "Dry Bulb Temperature", "Input", "In °F"},
        {1, "Wet Bulb Temperature", "Input", "In °F"},
        {2, "Relative Humidity", "Input", "In percent."},
        {3, "Humidity Ratio", "Input", "In lbm/lbm"},
        {4, "Enthalpy", "Input", "In BTU/lbm"},
        {5, "Dew Point Temperature", "Result", "In °F"},
        {6, "Vapor Pressure", "Result", "In psia"},
        {7, "Degree of Saturation", "Result", "In percent."},
        {8, "Specific Volume", "Result", "In ft³/lbm"},
        {9, "Moist Air Density", "Result", "In lbm/ft³"},
        {10, "Absolute Humidity", "Result", "In lbm/ft³"},
        {11, "Atmospheric Pressure", "Pressure entry", "In psia"},
        {12, "Altitude", "Pressure entry", "In ft"},
        {13, "Moisture Concentration", "Result", "In PPM weight"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.field);
        const QString name = QString::fromUtf8(row.name);
        QLineEdit* box = view().txtData()[row.field];
        EXPECT_EQ(nameOf(box), name);
        const QString description = descriptionOf(box);
        EXPECT_TRUE(description.contains(QString::fromUtf8(row.role))) << description.toStdString();
        EXPECT_TRUE(description.contains(QString::fromUtf8(row.unit))) << description.toStdString();
        QComboBox* list = view().cboUnits()[row.field];
        if (list == nullptr)
            continue;
        EXPECT_TRUE(description.contains(u"list beside it"_qs));
        EXPECT_EQ(nameOf(list), name + u" unit"_qs);
        EXPECT_EQ(accessible(list, QAccessible::Value), list->currentText());
        EXPECT_TRUE(descriptionOf(list).contains(name));
    }
}

TEST_F(Accessibility, BoxesOptionsButtonsAndGroupsHaveNamesAndDescriptions) {
    const struct {
        QWidget* control;
        const char* name;
    } rows[] = {
        {view().chkPsyInput()[0], "Dry Bulb Temperature"},
        {view().chkPsyInput()[1], "Wet Bulb Temperature"},
        {view().chkPsyInput()[2], "Relative Humidity"},
        {view().chkPsyInput()[3], "Humidity Ratio"},
        {view().chkPsyInput()[4], "Enthalpy"},
        {view().optPatm()[0], "Atmospheric Pressure"},
        {view().optPatm()[1], "Altitude"},
        {view().optUnits()[0], "IP Engineering Units"},
        {view().optUnits()[1], "SI Engineering Units"},
        {view().cmdClear(), "Clear"},
        {view().cmdCompute(), "Compute"},
        {view().cmdClose(), "Hide"},
        {view().cmdMore(), "More Digits"},
        {view().cmdLess(), "Less Digits"},
        {view().lnkWebPage(), "Vaporwright on the web"},
        {view().Frame1()[0], "Unit System and Digits"},
        {view().Frame1()[1], "Atmospheric Pressure"},
        {view().frmSteam()[1], "Select Input and Compute Results"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(nameOf(row.control), QString::fromUtf8(row.name));
        EXPECT_FALSE(descriptionOf(row.control).isEmpty());
    }
    for (QCheckBox* box : view().chkPsyInput())
        EXPECT_TRUE(descriptionOf(box).startsWith(u"Select 2 of the 5 Inputs"_qs));
}

TEST_F(Accessibility, NoFocusableControlIsNameless) {
    for (QWidget* control : focusable(*w, Qt::ClickFocus))
        EXPECT_FALSE(nameOf(control).isEmpty())
            << control->metaObject()->className() << " " << control->objectName().toStdString();
}

TEST_F(Accessibility, FieldDescriptionFollowsTheUnitChosenByKeyboard) {
    QComboBox* list = view().cboUnits()[0];
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down); // °F → °C
    ASSERT_EQ(list->currentText(), u"°C"_qs);
    EXPECT_TRUE(descriptionOf(view().txtData()[0]).contains(u"In °C;"_qs));
    EXPECT_FALSE(descriptionOf(view().txtData()[0]).contains(u"°F"_qs));

    // The unit system re-selects every list; every description follows.
    view().optUnits()[1]->click();
    for (int i = 0; i < calculator::kFieldCount; ++i) {
        if (view().cboUnits()[i] == nullptr)
            continue;
        EXPECT_TRUE(descriptionOf(view().txtData()[i])
                        .contains(u"In "_qs + view().cboUnits()[i]->currentText() + u';'))
            << i;
    }
}

TEST_F(Accessibility, TabAndShiftTabCycleThroughEveryEnabledControlOnce) {
    // An option group is one stop, at its selected option.
    std::set<QWidget*> stops;
    for (QWidget* control : focusable(*w, Qt::TabFocus)) {
        const auto* option = qobject_cast<QRadioButton*>(control);
        if (control->isEnabled() && (option == nullptr || option->isChecked()))
            stops.insert(control);
    }
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        SCOPED_TRACE(key == Qt::Key_Tab ? "Tab" : "Shift+Tab");
        view().txtData()[11]->setFocus(Qt::TabFocusReason);
        std::set<QWidget*> visited;
        for (std::size_t i = 0; i < stops.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), key,
                            key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            visited.insert(QApplication::focusWidget());
        }
        // One round visits every stop once and comes back: no control keeps
        // the focus, none takes two presses.
        EXPECT_EQ(QApplication::focusWidget(), view().txtData()[11]);
        EXPECT_EQ(visited, stops);
    }
    // The arrow keys select the other options.
    view().optUnits()[0]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(view().optUnits()[0], Qt::Key_Down);
    EXPECT_TRUE(view().optUnits()[1]->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), view().optUnits()[1]);
}

TEST_F(Accessibility, ArrowsReachEveryFieldAndCtrlPlusMinusSetItsDigits) {
    const std::vector<int> rows{11, 12, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13};
    view().cmdCompute()->click(); // results to show
    view().txtData()[11]->setFocus(Qt::TabFocusReason);
    for (std::size_t k = 1; k < rows.size(); ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), view().txtData()[rows[k]]) << rows[k];
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down); // the last stays
    EXPECT_EQ(QApplication::focusWidget(), view().txtData()[13]);

    // Up to the specific volume, a result: one digit more, then two less.
    for (int k = 0; k < 3; ++k)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    ASSERT_EQ(QApplication::focusWidget(), view().txtData()[8]);
    const QString before = view().FieldFormat()[8];
    QTest::keyClick(view().txtData()[8], Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(view().CurrentField(), 8);
    EXPECT_EQ(view().FieldFormat()[8].size(), before.size() + 1);
    const auto volume =
        calculator::DisplayValue(view().state(), 8, view().cboUnits()[8]->currentIndex());
    ASSERT_TRUE(volume);
    EXPECT_EQ(view().txtData()[8]->text(),
              calculator::FormatNumber(*volume, view().FieldFormat()[8]));
    QTest::keyClick(view().txtData()[8], Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(view().txtData()[8], Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(view().FieldFormat()[8].size(), before.size() - 1);

    // Moving by arrow takes an entry over as Tab does.
    view().txtData()[0]->setFocus(Qt::TabFocusReason);
    view().txtData()[0]->selectAll();
    QTest::keyClicks(view().txtData()[0], u"80"_qs);
    QTest::keyClick(view().txtData()[0], Qt::Key_Down);
    EXPECT_EQ(view().state().Tdb, 80.0f);
}

TEST_F(Accessibility, MnemonicsReachButtonsOptionsAndMenus) {
    QSignalSpy cleared(view().cmdClear(), &QPushButton::clicked);
    QTest::keyClick(w.get(), Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(cleared.wait(1000));

    // A mnemonic clicks as the mouse does, after a short press.
    QTest::keyClick(w.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return view().optUnits()[1]->isChecked(); }, 1000));
    QTest::keyClick(w.get(), Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return view().optUnits()[0]->isChecked(); }, 1000));

    // "&Atmospheric Pressure:" and "&Altitude:" share Alt+A: it moves the
    // focus between the two, and Space selects.
    view().txtData()[0]->setFocus();
    QTest::keyClick(w.get(), Qt::Key_A, Qt::AltModifier);
    QWidget* first = QApplication::focusWidget();
    QTest::keyClick(w.get(), Qt::Key_A, Qt::AltModifier);
    const std::set<QWidget*> reached{first, QApplication::focusWidget()};
    EXPECT_EQ(reached, (std::set<QWidget*>{view().optPatm()[0], view().optPatm()[1]}));
    QTest::keyClick(view().optPatm()[1], Qt::Key_Space);
    EXPECT_TRUE(view().optPatm()[1]->isChecked());

    QTest::keyClick(w.get(), Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return view().menuView().mnuView->isVisible(); }, 1000));
    QTest::keyClick(view().menuView().mnuView, Qt::Key_Escape);
}

TEST_F(Accessibility, TheWebsiteLinkOpensWithSpace) {
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(u"https"_qs, &recorder, "open");
    view().lnkWebPage()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(view().lnkWebPage(), Qt::Key_Space);
    QDesktopServices::unsetUrlHandler(u"https"_qs);
    EXPECT_TRUE(recorder.opened.toString().startsWith(u"https://"_qs));
}

TEST_F(Accessibility, F2ShowsTheChartAndEscapeHidesIt) {
    view().txtData()[0]->setFocus();
    QTest::keyClick(view().txtData()[0], Qt::Key_F2);
    chart::ChartWindow* window = view().chartWindow();
    ASSERT_NE(window, nullptr);
    // The chart window takes the keyboard.
    ASSERT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
    QWidget* chart = window->chart();
    EXPECT_EQ(nameOf(chart), u"Psychrometric chart"_qs);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(chart)->role(), QAccessible::Chart);
    EXPECT_TRUE(descriptionOf(chart).contains(u"double click"_qs));
    EXPECT_TRUE(descriptionOf(chart).contains(u"Hovering"_qs));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(Accessibility, ADarkPaletteKeepsEveryFieldReadableAndTheLockedRowDistinct) {
    const QPalette saved = QApplication::palette();
    const QPalette dark = darkPalette();
    QApplication::setPalette(dark);
    QCoreApplication::processEvents(); // the change reaches the widgets as posted events

    // The pressure entered, the altitude locked on a button face.
    QLineEdit* editable = view().txtData()[11];
    QLineEdit* locked = view().txtData()[12];
    ASSERT_TRUE(locked->isReadOnly());
    EXPECT_EQ(editable->palette().color(QPalette::Base), dark.color(QPalette::Base));
    EXPECT_EQ(locked->palette().color(QPalette::Base), dark.color(QPalette::Button));
    EXPECT_NE(locked->palette().color(QPalette::Base), editable->palette().color(QPalette::Base));

    // Every text on its own background, the fields and every captioned control.
    view().optPatm()[1]->click(); // the rows swap their looks
    EXPECT_EQ(editable->palette().color(QPalette::Base), dark.color(QPalette::Button));
    EXPECT_EQ(locked->palette().color(QPalette::Base), dark.color(QPalette::Base));
    for (QWidget* control : w->findChildren<QWidget*>()) {
        if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QAbstractButton*>(control) &&
            !qobject_cast<QLabel*>(control) && !qobject_cast<QComboBox*>(control))
            continue;
        const QPalette& p = control->palette();
        EXPECT_GE(contrast(p.color(control->foregroundRole()), p.color(control->backgroundRole())),
                  4.5)
            << control->objectName().toStdString();
    }
    // The link, drawn in the link colour: its most distinct pixel.
    const QImage link = view().lnkWebPage()->grab().toImage();
    const QColor window = view().lnkWebPage()->palette().color(QPalette::Window);
    double linkContrast = 1.0;
    for (int y = 0; y < link.height(); ++y) {
        for (int x = 0; x < link.width(); ++x)
            linkContrast = std::max(linkContrast, contrast(link.pixelColor(x, y), window));
    }
    EXPECT_GE(linkContrast, 4.5);
    for (QLineEdit* box : view().txtData()) {
        const QPalette& p = box->palette();
        EXPECT_GE(contrast(p.color(QPalette::Text), p.color(QPalette::Base)), 4.5)
            << box->objectName().toStdString();
    }

    QApplication::setPalette(saved);
    QCoreApplication::processEvents();
    EXPECT_EQ(editable->palette().color(QPalette::Base), saved.color(QPalette::Button));
}

} // namespace

#include "AccessibilityTest.moc"
