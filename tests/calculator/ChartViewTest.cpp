// The calculator's chart window: opened by F2, marking each computed state at
// the window's pressure, following the window into the tray, and entering a
// double-clicked point as typed inputs would.

#include "ShellFixture.h"
#include "chartwindow/ChartWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

class ChartView : public ShellTest {
protected:
    // F2 in a field of the active calculator window.
    chart::ChartWindow* showChart() {
        view().txtData()[0]->setFocus();
        QTest::keyClick(view().txtData()[0], Qt::Key_F2);
        return view().chartWindow();
    }
    // Clicks into field i, replaces its text by typing and leaves it with Tab.
    void enter(int i, const QString& typed) const {
        QTest::mouseClick(view().txtData()[i], Qt::LeftButton);
        QCoreApplication::processEvents(); // the deferred select-all
        QTest::keyClick(view().txtData()[i], Qt::Key_Backspace);
        QTest::keyClicks(view().txtData()[i], typed);
        QTest::keyClick(view().txtData()[i], Qt::Key_Tab);
    }
    // Every stored value to the last bit, and every field's text.
    QStringList snapshot() const {
        const CalcState& s = view().state();
        QStringList values;
        for (const float v : {s.Tdb, s.Twb, s.Tdp, s.Patm, s.Alt, s.Phi, s.W, s.Ws, s.V, s.Rho, s.H,
                              s.Pw, s.Pws, s.Mu, s.Dv})
            values << QString::number(v, 'g', 9);
        for (const QLineEdit* field : view().txtData())
            values << field->text();
        return values;
    }
};

TEST_F(ChartView, F2OpensOneChartThatMarksEachComputedState) {
    view().menuView().mnuViewChart->trigger();
    chart::ChartWindow* window = view().chartWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), w.get());
    EXPECT_FALSE(window->chart()->state()); // the load leaves no results

    view().cmdCompute()->click();
    EXPECT_EQ(window->chart()->state(), (chart::StatePoint{68.0, view().state().W}));
    window->hide();
    EXPECT_EQ(showChart(), window); // F2 in a field: the same window again
    EXPECT_TRUE(window->isVisible());

    view().chkPsyInput()[1]->setChecked(false); // one tick: the results are cleared
    view().cmdCompute()->click();
    EXPECT_FALSE(window->chart()->state());
}

TEST_F(ChartView, PressureAndUnitSystemReachTheChart) {
    const chart::PsychroChart* plot = showChart()->chart();
    view().optPatm()[1]->setChecked(true);
    // An altitude typed and left (the chart window holds the focus now).
    view().txtData()[12]->setText(u"5000"_qs); // ft
    view().txtData()[12]->setModified(true);   // as typing leaves it
    view().txtData_LostFocus(12);
    EXPECT_LT(view().state().Patm, 12.5f);
    EXPECT_EQ(plot->atmosphere(), static_cast<double>(view().state().Patm));
    view().optUnits()[1]->setChecked(true);
    EXPECT_EQ(plot->unitSystem(), chart::UnitSystem::SI);
    EXPECT_TRUE(plot->state());
}

TEST_F(ChartView, ADoubleClickedPointIsEnteredAsTypingItWould) {
    view().chkPsyInput()[1]->setChecked(false);
    view().chkPsyInput()[3]->setChecked(true);
    enter(0, u"75"_qs);
    enter(3, u"0.0100"_qs);
    const QStringList typed = snapshot();

    open();
    showChart()->pointPicked(75.0, 0.01); // the chart's double click
    EXPECT_EQ(snapshot(), typed);
    for (int i = 0; i < calculator::kInputCount; ++i)
        EXPECT_EQ(view().chkPsyInput()[i]->isChecked(), i == 0 || i == 3) << i;
    EXPECT_EQ(view().chartWindow()->chart()->state(), (chart::StatePoint{75.0, 0.01f}));
}

TEST_F(ChartView, TheChartGoesIntoTheTrayAndComesBackWithTheCalculator) {
    chart::ChartWindow* window = showChart();
    view().mnuFileHide_Click();
    EXPECT_FALSE(window->isVisible());
    view().mnuTrayPopupItem_Click(0);
    EXPECT_TRUE(window->isVisible());

    window->hide(); // closed before: stays closed
    view().mnuFileHide_Click();
    view().mnuTrayPopupItem_Click(0);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
