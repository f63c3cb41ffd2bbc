// The processes panel: loads in each heat unit, the SI view, the messages of
// processes without loads, the dialogs' refusals, the mixtures' ratio,
// deleting with undo and the texts a screen reader reads.
//
// Hand figures (ASHRAE Handbook of Fundamentals, Psychrometrics, at
// 14.696 psia): entering air A at 80 °F, W = 0.0112 lb/lb, 1000 cfm:
//   v = 0.370486 (80 + 459.67)(1 + 1.607858 W) / 14.696 = 13.850 ft³/lb,
//   m = 1000 × 60 / 13.850 = 4332 lb/h of dry air.
// A coil with ADP 50 °F (W_s = 0.007658) and bypass factor 0.1 leaves
//   t = 50 + 0.1 × 30 = 53 °F, W = 0.007658 + 0.1 × (0.0112 − 0.007658) = 0.008012;
//   h = 0.240 t + W (1061 + 0.444 t): h1 = 31.48, h2 = 21.41 Btu/lb, Δh = −10.07;
//   total = 4332 × −10.07 = −43,630 Btu/h = −3.64 tons = −12.79 kW;
//   water = 4332 × (0.008012 − 0.0112) = −13.81 lb/h = −6.26 kg/h.

#include "workbench/ProcessesView.h"

#include "core/FieldTable.h"
#include "engine/Units.h"
#include "project/Project.h"
#include "workbench/FieldText.h"
#include "workbench/ProcessDialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace chart;
using basPsychroFun::UnitSystem;
using Col = ProcessTableModel::Column;
using processes::Airflow;
using processes::AirflowUnit;

namespace {

constexpr double kHandTotalBtuPerHour = -43630.0;
constexpr double kHandWaterLbPerHour = -13.81;

CalculatorView ViewOf(UnitSystem system) {
    CalculatorView view = DefaultView();
    view.state.UnitSystem = std::string(basPsychroFun::SelectorOf(system));
    for (int field = 0; field < calculator::kFieldCount; ++field)
        view.unitPositions[static_cast<std::size_t>(field)] =
            calculator::UnitSystemPosition(field, system);
    return view;
}

class ProcessesViewTest : public ::testing::Test {
protected:
    project::Project project_;
    ProcessesView view_{&project_};

    // Entering air A with 1000 cfm and the coil of the hand figures.
    void addCoilProcess() {
        ASSERT_TRUE(project_.addPointAt(80.0, 0.0112).ok());
        ASSERT_TRUE(project_.setAirflow(0, Airflow{1000.0, AirflowUnit::Cfm}).isEmpty());
        ASSERT_TRUE(project_.addCoil(0, 50.0, 0.1).ok());
    }
    QModelIndex cell(int column, int row = 0) const {
        return view_.processModel()->index(row, column);
    }
    double value(int column, int row = 0) const {
        const QVariant v = cell(column, row).data(ProcessTableModel::ValueRole);
        EXPECT_TRUE(v.isValid()) << "column " << column;
        return v.toDouble();
    }
    QString header(int column) const {
        return view_.processModel()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    QPushButton* button(const QString& accessibleName) {
        for (QPushButton* b : view_.findChildren<QPushButton*>())
            if (b->accessibleName() == accessibleName)
                return b;
        ADD_FAILURE() << accessibleName.toStdString();
        return nullptr;
    }
};

TEST_F(ProcessesViewTest, CoilLoadsAgreeInEveryHeatUnit) {
    addCoilProcess();
    EXPECT_EQ(cell(Col::ProcessColumn).data().toString(), "Cooling and dehumidifying");
    EXPECT_EQ(header(Col::TotalColumn), "Total (Btu/h)");
    const double total = value(Col::TotalColumn);
    EXPECT_NEAR(total, kHandTotalBtuPerHour, 0.01 * -kHandTotalBtuPerHour);
    EXPECT_NEAR(value(Col::SensibleColumn) + value(Col::LatentColumn), total, 1e-6);
    EXPECT_NEAR(value(Col::ApparatusDewPointColumn), 50.0, 0.05);
    EXPECT_NEAR(value(Col::BypassFactorColumn), 0.1, 1e-3);
    EXPECT_NEAR(value(Col::WaterColumn), kHandWaterLbPerHour, 0.01 * -kHandWaterLbPerHour);
    EXPECT_TRUE(cell(Col::WaterColumn).data().toString().startsWith('-'));
    EXPECT_NEAR(value(Col::DryBulbChangeColumn), -27.0, 1e-6);

    struct Case {
        const char* combo;
        double btuPerUnit; // 12,000 Btu/h per ton; 3412.14 Btu/h per kW
    };
    for (const Case& c : {Case{"tons", 12000.0}, Case{"kW", 3412.14}, Case{"Btu/h", 1.0}}) {
        SCOPED_TRACE(c.combo);
        view_.heatUnitCombo()->setCurrentText(QString::fromLatin1(c.combo));
        EXPECT_EQ(header(Col::LatentColumn), QStringLiteral("Latent (%1)").arg(c.combo));
        EXPECT_NEAR(value(Col::TotalColumn) * c.btuPerUnit, total, 1e-5 * -total);
    }

    // Δh in kJ/kg from an inch-pound project: Btu/lb × 2.324077 (−10.07 × 2.324).
    CalculatorView kj = DefaultView();
    kj.unitPositions[calculator::kEnthalpy] = 2;
    view_.setView(kj);
    EXPECT_EQ(header(Col::EnthalpyChangeColumn), "Δh (kJ/kg)");
    EXPECT_NEAR(value(Col::EnthalpyChangeColumn),
                project_.processResult(0).analysis->enthalpyChange *
                    basPsychroFun::units::kKJPerKgPerBtuPerLb,
                1e-4);
    EXPECT_NEAR(value(Col::EnthalpyChangeColumn), -10.07 * 2.324077, 0.1);
}

TEST_F(ProcessesViewTest, SiViewShowsKilowattsAndKilogramsPerHour) {
    addCoilProcess();
    ASSERT_TRUE(project_.setAtmosphere({14.696, UnitSystem::SI}).isEmpty());
    view_.setView(ViewOf(UnitSystem::SI));
    EXPECT_EQ(view_.heatUnitCombo()->currentText(), "kW");
    EXPECT_EQ(header(Col::TotalColumn), "Total (kW)");
    EXPECT_EQ(header(Col::WaterColumn), "Water (kg/h)");
    EXPECT_EQ(header(Col::DryBulbChangeColumn), "ΔT (°C)");
    EXPECT_NEAR(value(Col::TotalColumn), kHandTotalBtuPerHour / 3412.14, 0.13);
    EXPECT_NEAR(value(Col::WaterColumn), kHandWaterLbPerHour * 0.45359237, 0.07);
    EXPECT_NEAR(value(Col::DryBulbChangeColumn), -15.0, 1e-4); // −27 °F is −15 K
    // The project's SI enthalpy is already kJ/kg: shown as it is.
    EXPECT_NEAR(value(Col::EnthalpyChangeColumn),
                project_.processResult(0).analysis->enthalpyChange, 1e-4);
}

TEST_F(ProcessesViewTest, ProcessWithoutAirflowHasMessageAndNoLoads) {
    ASSERT_TRUE(project_.addPointAt(70.0, 0.008).ok());
    ASSERT_TRUE(project_.addPointAt(90.0, 0.008).ok());
    ASSERT_TRUE(project_.addProcess(0, 1).ok());
    EXPECT_EQ(cell(Col::ProcessColumn).data().toString(), "Sensible heating");
    EXPECT_TRUE(cell(Col::MessageColumn).data().toString().contains("airflow"));
    for (const int column :
         {Col::SensibleColumn, Col::LatentColumn, Col::TotalColumn, Col::WaterColumn}) {
        EXPECT_TRUE(cell(column).data().toString().isEmpty()) << column;
        EXPECT_FALSE(cell(column).data(ProcessTableModel::ValueRole).isValid()) << column;
    }
    EXPECT_EQ(cell(Col::TotalColumn).data(Qt::AccessibleTextRole).toString(),
              "Process A to B, no total");
}

TEST_F(ProcessesViewTest, CoilDialogRefusesBadInputAndAddsNothing) {
    ASSERT_TRUE(project_.addPointAt(80.0, 0.0112).ok()); // dew point about 60.2 °F
    view_.setView(ViewOf(UnitSystem::SI));               // the ADP is typed in °C
    struct Case {
        const char* adp;
        const char* bypass;
        const char* says;
    };
    const Case cases[] = {
        {"18", "0.1", "dew point"},        // 64.4 °F: above the entering dew point
        {"10", "1.5", "bypass factor"},    // beyond 1
        {"10", "-0.1", "bypass factor"},   // below 0
        {"10", "abc", "bypass factor"},    // no number
        {"", "0.1", "apparatus dew point"} // nothing typed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.adp + std::string(" / ") + c.bypass);
        CoolingCoilDialog dialog(&project_, view_.view());
        dialog.apparatusDewPointEdit()->setText(QString::fromLatin1(c.adp));
        dialog.bypassFactorEdit()->setText(QString::fromLatin1(c.bypass));
        dialog.accept();
        EXPECT_TRUE(dialog.messageLabel()->text().contains(c.says))
            << dialog.messageLabel()->text().toStdString();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(project_.pointCount(), 1);
        EXPECT_EQ(project_.processCount(), 0);
        EXPECT_EQ(project_.undoStack()->count(), 1);
    }
    // 10 °C is 50 °F: the leaving air of BF 0.1 is at 53 °F.
    CoolingCoilDialog dialog(&project_, view_.view());
    dialog.apparatusDewPointEdit()->setText("10");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(project_.pointCount(), 2);
    EXPECT_NEAR(project_.pointResult(1).state->Tdb, 53.0, 0.01);
    EXPECT_EQ(project_.processCount(), 1);
}

TEST_F(ProcessesViewTest, MixingWithoutAirflowIsRefused) {
    ASSERT_TRUE(project_.addPointAt(60.0, 0.008).ok());
    ASSERT_TRUE(project_.addPointAt(90.0, 0.012).ok());
    ASSERT_TRUE(project_.setAirflow(0, Airflow{500.0, AirflowUnit::Cfm}).isEmpty());
    QString said;
    QObject::connect(&view_, &ProcessesView::message, [&](const QString& m) { said = m; });
    button("Mix")->click();
    auto* dialog = view_.findChild<MixDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->messageLabel()->text().contains("B has none"));
    dialog->accept();
    EXPECT_EQ(said, "Point B has no airflow to mix.");
    EXPECT_EQ(view_.statusText(), said);
    EXPECT_EQ(project_.mixingCount(), 0);
    EXPECT_EQ(project_.pointCount(), 2);
}

TEST_F(ProcessesViewTest, MixingTableShowsTheShareOfDryAir) {
    // 40 : 60 by mass of dry air: Q = m v with v_A = 13.269, v_B = 14.124
    // ft³/lb (60 °F, W 0.008; 90 °F, W 0.012), m_A = 40 and m_B = 60 lb/min.
    ASSERT_TRUE(project_.addPointAt(60.0, 0.008).ok());
    ASSERT_TRUE(project_.addPointAt(90.0, 0.012).ok());
    ASSERT_TRUE(project_.setAirflow(0, Airflow{40.0 * 13.269, AirflowUnit::Cfm}).isEmpty());
    ASSERT_TRUE(project_.setAirflow(1, Airflow{60.0 * 14.124, AirflowUnit::Cfm}).isEmpty());
    ASSERT_TRUE(project_.addMixing(0, 1).ok());
    const MixingTableModel& m = *view_.mixingModel();
    ASSERT_EQ(m.rowCount(), 1);
    EXPECT_EQ(m.index(0, MixingTableModel::MixtureColumn).data().toString(), "C");
    EXPECT_EQ(m.index(0, MixingTableModel::RatioColumn).data().toString(), "A 40 % : B 60 %");
}

TEST_F(ProcessesViewTest, DeletingIsUndoable) {
    addCoilProcess();
    view_.deleteSelected(); // nothing selected
    EXPECT_EQ(view_.statusText(), "Select a process or a mixture to delete.");
    EXPECT_EQ(project_.processCount(), 1);

    view_.show();
    view_.processTable()->selectRow(0);
    view_.processTable()->setFocus();
    QTest::keyClick(view_.processTable(), Qt::Key_Delete);
    EXPECT_EQ(project_.processCount(), 0);
    EXPECT_EQ(project_.pointCount(), 2); // the points stay
    project_.undoStack()->undo();
    ASSERT_EQ(project_.processCount(), 1);
    EXPECT_EQ(view_.processModel()->rowCount(), 1);
}

TEST_F(ProcessesViewTest, DeleteTakesOnlyTheRowLastChosen) {
    // A process A to B and the mixture C of A and B: choosing the mixture
    // after the process must not delete the process.
    ASSERT_TRUE(project_.addPointAt(60.0, 0.008).ok());
    ASSERT_TRUE(project_.addPointAt(90.0, 0.012).ok());
    for (int i : {0, 1})
        ASSERT_TRUE(project_.setAirflow(i, Airflow{500.0, AirflowUnit::Cfm}).isEmpty());
    ASSERT_TRUE(project_.addProcess(0, 1).ok());
    ASSERT_TRUE(project_.addMixing(0, 1).ok());
    view_.show();
    view_.processTable()->selectRow(0);
    view_.mixingTable()->selectRow(0);
    EXPECT_FALSE(view_.processTable()->selectionModel()->hasSelection());
    QTest::keyClick(view_.mixingTable(), Qt::Key_Delete);
    EXPECT_EQ(project_.mixingCount(), 0);
    EXPECT_EQ(project_.processCount(), 1);
    EXPECT_EQ(project_.pointCount(), 3); // the mixed air stays a point
    project_.undoStack()->undo();
    EXPECT_EQ(view_.mixingModel()->rowCount(), 1);
}

TEST_F(ProcessesViewTest, ScreenReaderTexts) {
    addCoilProcess();
    const QString total = cell(Col::TotalColumn).data().toString();
    EXPECT_EQ(cell(Col::TotalColumn).data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("Process A to B, total %1 Btu/h").arg(total));
    for (int column = 0; column < Col::ColumnCount; ++column)
        EXPECT_TRUE(
            cell(column).data(Qt::AccessibleTextRole).toString().startsWith("Process A to B, "))
            << column;
    // Every control the panel's Tab order reaches has a name.
    for (const QWidget* w : view_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->focusPolicy() & Qt::TabFocus) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
        }
    }
}

} // namespace
