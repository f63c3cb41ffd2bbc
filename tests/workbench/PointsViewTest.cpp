#include "workbench/PointsView.h"

#include "core/DefaultFormats.h"
#include "core/FieldTable.h"
#include "project/Project.h"
#include "workbench/FieldText.h"
#include "workbench/PointDialog.h"
#include "workbench/PointTableModel.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace chart;
using project::Input;
using project::PointDefinition;
using UnitSystem = basPsychroFun::UnitSystem;
using M = PointTableModel;

namespace {

// The calculator's view with every field in the unit system's unit and the
// default formats.
CalculatorView ViewIn(UnitSystem system) {
    CalculatorView view;
    for (int f = 0; f < calculator::kFieldCount; ++f) {
        const auto i = static_cast<std::size_t>(f);
        view.unitPositions[i] = calculator::UnitSystemPosition(f, system);
        view.formats[i] = std::string(calculator::kDefaultFormats[i]);
    }
    view.state.UnitSystem = std::string(basPsychroFun::SelectorOf(system));
    return view;
}

PointDefinition Def(Input a, double va, Input b, double vb) {
    return {{a, va}, {b, vb}};
}

const PointDefinition kRoom = Def(Input::DryBulb, 75.0, Input::RelativeHumidity, 0.5);

class PointsViewTest : public ::testing::Test {
protected:
    void SetUp() override { view_.setView(ViewIn(UnitSystem::IP)); }

    M& model() { return *view_.model(); }
    QString text(int row, int column, int role = Qt::DisplayRole) {
        return model().data(model().index(row, column), role).toString();
    }
    bool bold(int row, int column) {
        return model().data(model().index(row, column), Qt::FontRole).value<QFont>().bold();
    }
    bool edit(int row, int column, const QString& typed) {
        return model().setData(model().index(row, column), typed, Qt::EditRole);
    }
    int add(const PointDefinition& d, const QString& name = {}) {
        const project::Added added = project_.addPoint(d, name);
        EXPECT_TRUE(added.ok()) << added.error.toStdString();
        return added.index;
    }

    project::Project project_;
    PointsView view_{&project_};
};

TEST_F(PointsViewTest, ShowsPropertiesInTheViewsUnits) {
    struct Case {
        UnitSystem system;
        const char* dryBulb;
        const char* dryBulbHeader;
        double dewPoint; // of 75 °F, 50 % at 14.696 psia, in the system's unit
        const char* pressure;
    };
    const Case cases[] = {
        {UnitSystem::IP, "75.00", "Dry bulb (°F)", 55.1, "14.70 psia"},
        {UnitSystem::SI, "23.89", "Dry bulb (°C)", 12.8, "1013.25 mbar"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.system));
        project::Project project;
        ASSERT_TRUE(project.setAtmosphere({14.696, c.system}).isEmpty());
        ASSERT_TRUE(project.addPoint(kRoom).ok());
        PointsView view(&project);
        view.setView(ViewIn(c.system));
        const M& m = *view.model();
        EXPECT_EQ(m.data(m.index(0, M::kDryBulbColumn), Qt::DisplayRole).toString(), c.dryBulb);
        EXPECT_EQ(m.headerData(M::kDryBulbColumn, Qt::Horizontal, Qt::DisplayRole).toString(),
                  c.dryBulbHeader);
        EXPECT_EQ(m.data(m.index(0, M::kRelativeHumidityColumn), Qt::DisplayRole).toString(),
                  "50.00");
        EXPECT_NEAR(m.data(m.index(0, M::kDewPointColumn), Qt::DisplayRole).toString().toDouble(),
                    c.dewPoint, 0.2);
        EXPECT_EQ(m.data(m.index(0, M::kDefinedBy), Qt::DisplayRole).toString(), "Dry bulb, RH");
        EXPECT_TRUE(view.pressureText().contains(c.pressure)) << view.pressureText().toStdString();
    }
}

TEST_F(PointsViewTest, EditingADefiningCellChangesOnlyItsValue) {
    add(kRoom);
    ASSERT_TRUE(edit(0, M::kDryBulbColumn, "80"));
    EXPECT_EQ(project_.point(0).definition,
              Def(Input::DryBulb, 80.0, Input::RelativeHumidity, 0.5));
    EXPECT_EQ(text(0, M::kDryBulbColumn), "80.00");
    EXPECT_TRUE(bold(0, M::kDryBulbColumn));
    EXPECT_FALSE(bold(0, M::kWetBulbColumn));
}

TEST_F(PointsViewTest, EditingAnotherPropertyKeepsTheInputItPairsWith) {
    struct Case {
        PointDefinition before;
        int column;
        const char* typed;
        PointDefinition after;
    };
    const Case cases[] = {
        // The second input pairs with the new one: it stays.
        {kRoom, M::kWetBulbColumn, "60", Def(Input::WetBulb, 60.0, Input::RelativeHumidity, 0.5)},
        {Def(Input::HumidityRatio, 0.01, Input::DryBulb, 75.0), M::kDewPointColumn, "50",
         Def(Input::DewPoint, 50.0, Input::DryBulb, 75.0)},
        // A dew point cannot pair with a humidity ratio: the first stays.
        {Def(Input::DryBulb, 75.0, Input::HumidityRatio, 0.01), M::kDewPointColumn, "50",
         Def(Input::DryBulb, 75.0, Input::DewPoint, 50.0)},
    };
    for (const Case& c : cases) {
        const int row = add(c.before);
        ASSERT_TRUE(edit(row, c.column, c.typed));
        EXPECT_EQ(project_.point(row).definition, c.after) << row;
        EXPECT_TRUE(bold(row, c.column));
    }
}

TEST_F(PointsViewTest, RefusedEditsLeaveTheProjectAsItWas) {
    add(Def(Input::DryBulb, 75.004, Input::RelativeHumidity, 0.5));
    add(kRoom);
    const PointDefinition before = project_.point(0).definition;
    const int steps = project_.undoStack()->count();

    EXPECT_FALSE(edit(0, M::kDryBulbColumn, "warm"));
    EXPECT_TRUE(view_.messageText().contains("not a number")) << view_.messageText().toStdString();
    EXPECT_FALSE(edit(1, M::kName, "A"));
    EXPECT_TRUE(view_.messageText().contains("already")) << view_.messageText().toStdString();
    EXPECT_EQ(project_.point(1).name, "B");
    EXPECT_FALSE(edit(0, M::kAirflow, "lots"));
    EXPECT_FALSE(project_.point(0).airflow);
    // Committing the text shown (rounded to 75.00) must not move the point.
    EXPECT_FALSE(edit(0, M::kDryBulbColumn, text(0, M::kDryBulbColumn)));

    EXPECT_EQ(project_.point(0).definition, before);
    EXPECT_EQ(project_.undoStack()->count(), steps);
}

TEST_F(PointsViewTest, DeleteKeyDeletesTheSelectedPointsAsOneUndoStep) {
    for (int i = 0; i < 3; ++i)
        add(kRoom);
    QTableView* table = view_.table();
    table->setFocus();
    table->selectRow(0);
    table->selectionModel()->select(model().index(2, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(table, Qt::Key_Delete);
    ASSERT_EQ(project_.pointCount(), 1);
    EXPECT_EQ(project_.point(0).name, "B");

    project_.undoStack()->undo();
    ASSERT_EQ(model().rowCount(), 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(text(row, M::kName), QString(QChar(u'A' + row)));
}

TEST_F(PointsViewTest, AddsTheCalculatorsStateOnlyWithATickedPair) {
    CalculatorView calc = ViewIn(UnitSystem::IP);
    const auto solved =
        project::Solve(Def(Input::DryBulb, 90.0, Input::WetBulb, 70.0), project_.atmosphere());
    ASSERT_TRUE(solved.state);
    calc.state = *solved.state;
    view_.setView(calc);
    EXPECT_FALSE(view_.addStateButton()->isEnabled());

    calc.ticked = TickedPair{calculator::kDryBulb, calculator::kWetBulb};
    view_.setView(calc);
    ASSERT_TRUE(view_.addStateButton()->isEnabled());
    QTest::mouseClick(view_.addStateButton(), Qt::LeftButton);
    ASSERT_EQ(project_.pointCount(), 1);
    EXPECT_EQ(project_.point(0).definition.first.input, Input::DryBulb);
    EXPECT_EQ(project_.point(0).definition.second.input, Input::WetBulb);
    for (int column = M::kDryBulbColumn; column <= M::kMoistureConcentrationColumn; ++column)
        EXPECT_EQ(text(0, column), FieldText(calc, calc.state, M::fieldOfColumn(column))) << column;
}

TEST_F(PointsViewTest, PointWithoutAirShowsItsReasonAndNoValues) {
    add(Def(Input::DryBulb, 75.0, Input::RelativeHumidity, 1.5));
    const QString reason = QString::fromStdString(project_.pointResult(0).reason);
    ASSERT_FALSE(reason.isEmpty());
    for (int column = M::kDryBulbColumn; column <= M::kMoistureConcentrationColumn; ++column)
        EXPECT_TRUE(text(0, column).isEmpty()) << column;
    EXPECT_TRUE(text(0, M::kStatus).contains(reason));
    EXPECT_TRUE(text(0, M::kPmv).isEmpty());
}

TEST_F(PointsViewTest, CellsSpeakTheirPointPropertyAndUnit) {
    add(kRoom);
    EXPECT_EQ(text(0, M::kDryBulbColumn, Qt::AccessibleTextRole),
              "Point A, dry bulb 75.00 °F, defines the point");
    EXPECT_EQ(text(0, M::kWetBulbColumn, Qt::AccessibleTextRole).left(20), "Point A, wet bulb 62");
}

TEST_F(PointsViewTest, ADefiningCellShowsTheValueThatDefinesThePoint) {
    // Solved back from the state, a dew point of 60.00 °F read 60.05 and one
    // of 30.00 °F read 30.01; the cells that define a point show what
    // defines it, in the view's unit and format, and the others the state.
    struct Case {
        PointDefinition definition;
        UnitSystem system;
        int column;
        const char* shown;
    };
    const Case cases[] = {
        {Def(Input::DryBulb, 75.0, Input::DewPoint, 60.0), UnitSystem::IP, M::kDewPointColumn,
         "60.00"},
        {Def(Input::DryBulb, 50.0, Input::DewPoint, 30.0), UnitSystem::IP, M::kDewPointColumn,
         "30.00"},
        {Def(Input::DewPoint, 30.0, Input::RelativeHumidity, 0.35), UnitSystem::IP,
         M::kDewPointColumn, "30.00"},
        {Def(Input::WetBulb, 62.0, Input::DewPoint, 55.0), UnitSystem::IP, M::kWetBulbColumn,
         "62.00"},
        // 59 °F is 15 °C; 50 °F is 10 °C.
        {Def(Input::DryBulb, 77.0, Input::DewPoint, 59.0), UnitSystem::SI, M::kDewPointColumn,
         "15.00"},
        {Def(Input::DewPoint, 50.0, Input::RelativeHumidity, 0.6), UnitSystem::SI,
         M::kDewPointColumn, "10.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        project_.replace(project::ProjectData{});
        view_.setView(ViewIn(c.system));
        add(c.definition);
        EXPECT_EQ(text(0, c.column), QString::fromLatin1(c.shown));
        EXPECT_EQ(text(0, c.column, Qt::EditRole), QString::fromLatin1(c.shown));
        EXPECT_TRUE(bold(0, c.column));
    }
    // A property that does not define the point is the state's.
    view_.setView(ViewIn(UnitSystem::IP));
    project_.replace(project::ProjectData{});
    add(Def(Input::DryBulb, 75.0, Input::DewPoint, 60.0));
    const auto& state = *project_.pointResult(0).state;
    EXPECT_EQ(text(0, M::kWetBulbColumn), FieldText(model().view(), state, calculator::kWetBulb));
}

TEST_F(PointsViewTest, AddPointDialogRefusesPairsThatDefineNoPoint) {
    PointDialog dialog(&project_, ViewIn(UnitSystem::IP));
    dialog.setInputs(Input::DewPoint, Input::HumidityRatio);
    dialog.firstValue()->setText("50");
    dialog.secondValue()->setText("0.008");
    EXPECT_FALSE(dialog.canAdd());
    EXPECT_TRUE(dialog.messageText().contains("Dew point"));
    // A screen reader hears the message itself, not a name for it.
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == dialog.messageText()) {
            EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
                      dialog.messageText());
        }
    }

    dialog.setInputs(Input::DryBulb, Input::RelativeHumidity);
    dialog.firstValue()->setText("75");
    dialog.secondValue()->setText("150");
    EXPECT_FALSE(dialog.canAdd()); // not air
    EXPECT_FALSE(dialog.messageText().isEmpty());

    dialog.secondValue()->setText("40");
    dialog.nameEdit()->setText("Supply");
    ASSERT_TRUE(dialog.canAdd()) << dialog.messageText().toStdString();
    dialog.accept();
    ASSERT_EQ(project_.pointCount(), 1);
    EXPECT_EQ(project_.point(0).name, "Supply");
    EXPECT_EQ(project_.point(0).definition,
              Def(Input::DryBulb, 75.0, Input::RelativeHumidity, 0.4));
}

TEST_F(PointsViewTest, AirflowGivesTheDryAirMassFlow) {
    add(kRoom);
    add(kRoom);
    ASSERT_TRUE(edit(0, M::kAirflow, "2000"));
    ASSERT_TRUE(project_.point(0).airflow);
    EXPECT_EQ(project_.point(0).airflow->unit, processes::AirflowUnit::Cfm);
    // m = Q / v: 2000 ft³/min at the point's specific volume, per hour.
    const double v = static_cast<double>(project_.pointResult(0).state->V);
    EXPECT_NEAR(text(0, M::kDryAir).toDouble(), 2000.0 * 60.0 / v, 0.1);
    EXPECT_EQ(model().headerData(M::kDryAir, Qt::Horizontal, Qt::DisplayRole).toString(),
              "Dry air (lb/h)");

    // The unit says what the number was meant in; a point without an
    // airflow has no unit to change.
    ASSERT_TRUE(edit(0, M::kAirflowUnit, "L/s"));
    EXPECT_EQ(project_.point(0).airflow->value, 2000.0);
    EXPECT_EQ(project_.point(0).airflow->unit, processes::AirflowUnit::LitresPerSecond);
    EXPECT_FALSE(edit(1, M::kAirflowUnit, "cfm"));
    EXPECT_FALSE(project_.point(1).airflow);
    EXPECT_FALSE(view_.messageText().isEmpty());
}

TEST_F(PointsViewTest, KeysInAnOpenEditorStayThere) {
    add(kRoom);
    ASSERT_TRUE(edit(0, M::kAirflow, "2000"));
    view_.show();
    QApplication::setActiveWindow(&view_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view_));
    QTableView* table = view_.table();
    table->setFocus();
    table->setCurrentIndex(model().index(0, M::kName));
    QTest::keyClick(table, Qt::Key_Return); // Enter edits, as F2 does
    EXPECT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

    // The unit list passes Delete on to the table: it must not delete the point.
    table->setCurrentIndex(model().index(0, M::kAirflowUnit));
    QTest::keyClick(table, Qt::Key_F2);
    auto* units = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_NE(units, nullptr);
    QTest::keyClick(units, Qt::Key_Delete);
    EXPECT_EQ(project_.pointCount(), 1);
}

} // namespace
