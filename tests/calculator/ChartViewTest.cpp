// The calculator's chart window: opened by F2, marking each computed state at
// the window's pressure, following the window into the tray, and entering a
// double-clicked point as typed inputs would.

#include "chart/ChartWindow.h"
#include "ShellFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

class ChartView : public ShellTest {
protected:
    // F2 in a field of the active calculator window.
    chart::ChartWindow* showChart() {
        w->txtData[0]->setFocus();
        QTest::keyClick(w->txtData[0], Qt::Key_F2);
        return w->chartWindow;
    }
    // Clicks into field i, replaces its text by typing and leaves it with Tab.
    void enter(int i, const QString& typed) const {
        QTest::mouseClick(w->txtData[i], Qt::LeftButton);
        QCoreApplication::processEvents(); // the deferred select-all
        QTest::keyClick(w->txtData[i], Qt::Key_Backspace);
        QTest::keyClicks(w->txtData[i], typed);
        QTest::keyClick(w->txtData[i], Qt::Key_Tab);
    }
    // Every stored value to the last bit, and every field's text.
    QStringList snapshot() const {
        const CalcState& s = w->CalcState;
        QStringList values;
        for (const float v : {s.Tdb, s.Twb, s.Tdp, s.Patm, s.Alt, s.Phi, s.W, s.Ws, s.V, s.Rho, s.H,
                              s.Pw, s.Pws, s.Mu, s.Dv})
            values << QString::number(v, 'g', 9);
        for (const QLineEdit* field : w->txtData)
            values << field->text();
        return values;
    }
};

TEST_F(ChartView, F2OpensOneChartThatMarksEachComputedState) {
    w->menuView.mnuViewChart->trigger();
    chart::ChartWindow* window = w->chartWindow;
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), w.get());
    EXPECT_FALSE(window->chart()->state()); // the load leaves no results

    w->cmdCompute->click();
    EXPECT_EQ(window->chart()->state(), (chart::StatePoint{68.0, w->CalcState.W}));
    window->hide();
    EXPECT_EQ(showChart(), window); // F2 in a field: the same window again
    EXPECT_TRUE(window->isVisible());

    w->chkPsyInput[1]->setChecked(false); // one tick: the results are cleared
    w->cmdCompute->click();
    EXPECT_FALSE(window->chart()->state());
}

TEST_F(ChartView, PressureAndUnitSystemReachTheChart) {
    const chart::PsychroChart* plot = showChart()->chart();
    w->optPatm[1]->setChecked(true);
    // An altitude typed and left (the chart window holds the focus now).
    w->txtData[12]->setText(u"5000"_qs); // ft
    w->txtData[12]->setModified(true);   // as typing leaves it
    w->txtData_LostFocus(12);
    EXPECT_LT(w->CalcState.Patm, 12.5f);
    EXPECT_EQ(plot->atmosphere(), static_cast<double>(w->CalcState.Patm));
    w->optUnits[1]->setChecked(true);
    EXPECT_EQ(plot->unitSystem(), chart::UnitSystem::SI);
    EXPECT_TRUE(plot->state());
}

TEST_F(ChartView, ADoubleClickedPointIsEnteredAsTypingItWould) {
    w->chkPsyInput[1]->setChecked(false);
    w->chkPsyInput[3]->setChecked(true);
    enter(0, u"75"_qs);
    enter(3, u"0.0100"_qs);
    const QStringList typed = snapshot();

    open();
    showChart()->pointPicked(75.0, 0.01); // the chart's double click
    EXPECT_EQ(snapshot(), typed);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w->chkPsyInput[i]->isChecked(), i == 0 || i == 3) << i;
    EXPECT_EQ(w->chartWindow->chart()->state(), (chart::StatePoint{75.0, 0.01f}));
}

TEST_F(ChartView, TheChartGoesIntoTheTrayAndComesBackWithTheCalculator) {
    chart::ChartWindow* window = showChart();
    w->mnuFileHide_Click();
    EXPECT_FALSE(window->isVisible());
    w->mnuTrayPopupItem_Click(0);
    EXPECT_TRUE(window->isVisible());

    window->hide(); // closed before: stays closed
    w->mnuFileHide_Click();
    w->mnuTrayPopupItem_Click(0);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
