#include "workbench/ZonesView.h"

#include "processes/Comfort.h"
#include "project/Project.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace chart;

namespace {

class ZonesViewTest : public ::testing::Test {
protected:
    template <typename T>
    T* Find(const char* name) {
        T* widget = view.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QTableWidget* Table() { return Find<QTableWidget>("userZones"); }
    QString Message() { return Find<QLabel>("zonesMessage")->text(); }
    void Type(int row, int column, const QString& text) {
        Table()->item(row, column)->setText(text);
    }

    project::Project project;
    ZonesView view{&project};
};

bool SameComfort(const processes::ComfortParameters& a, const processes::ComfortParameters& b) {
    return a.metabolicRate == b.metabolicRate && a.clothing == b.clothing &&
           a.airSpeed == b.airSpeed;
}

} // namespace

TEST_F(ZonesViewTest, PresetsAndCheckBoxesSetTheProjectsComfortSettings) {
    Find<QCheckBox>("comfortShown")->click();
    EXPECT_TRUE(project.zoneSettings().comfortShown);
    Find<QPushButton>("winterPreset")->click();
    EXPECT_TRUE(SameComfort(project.zoneSettings().comfort, processes::kWinterComfort));
    EXPECT_DOUBLE_EQ(Find<QDoubleSpinBox>("clothing")->value(), 1.0);
    Find<QDoubleSpinBox>("metabolicRate")->setValue(1.6);
    EXPECT_DOUBLE_EQ(project.zoneSettings().comfort.metabolicRate, 1.6);
    Find<QPushButton>("summerPreset")->click();
    EXPECT_TRUE(SameComfort(project.zoneSettings().comfort, processes::kSummerComfort));
    EXPECT_DOUBLE_EQ(Find<QDoubleSpinBox>("metabolicRate")->value(), 1.1);

    // An undo in the project shows in the view.
    project.undoStack()->undo();
    EXPECT_DOUBLE_EQ(Find<QDoubleSpinBox>("metabolicRate")->value(), 1.6);
}

TEST_F(ZonesViewTest, RefusedUserZoneIsNamedAndTheProjectsSettingsStay) {
    Find<QPushButton>("addZone")->click();
    ASSERT_EQ(project.zoneSettings().userZones.size(), 1u);
    ASSERT_EQ(Table()->rowCount(), 1);
    const project::ZoneSettings kept = project.zoneSettings();

    // A lower limit above the upper one, a name left empty, a text that is
    // no number: each refused with a reason, the table back as it was.
    const struct {
        int column;
        const char* text;
    } refused[] = {{ZonesView::MinDryBulbColumn, "90"},
                   {ZonesView::NameColumn, " "},
                   {ZonesView::MaxRelativeHumidityColumn, "abc"}};
    for (const auto& edit : refused) {
        SCOPED_TRACE(edit.text);
        const QString before = Table()->item(0, edit.column)->text();
        Type(0, edit.column, QString::fromLatin1(edit.text));
        EXPECT_FALSE(Message().isEmpty());
        EXPECT_EQ(project.zoneSettings(), kept);
        EXPECT_EQ(Table()->item(0, edit.column)->text(), before);
    }

    // An accepted edit clears the message.
    Type(0, ZonesView::MaxHumidityRatioColumn, QStringLiteral("70"));
    EXPECT_TRUE(Message().isEmpty());
    EXPECT_NEAR(*project.zoneSettings().userZones[0].limits.maxHumidityRatio, 0.01, 1e-12);
}

TEST_F(ZonesViewTest, LimitsAreShownAndReadInTheProjectsUnits) {
    project::Atmosphere si = project.atmosphere();
    si.system = project::UnitSystem::SI;
    ASSERT_EQ(project.setAtmosphere(si), QString());
    Find<QPushButton>("addZone")->click();
    EXPECT_TRUE(Table()
                    ->horizontalHeaderItem(ZonesView::MinDryBulbColumn)
                    ->text()
                    .contains(QStringLiteral("°C")));
    EXPECT_EQ(Table()->item(0, ZonesView::MinDryBulbColumn)->text(), QStringLiteral("20"));
    Type(0, ZonesView::MinDewPointColumn, QStringLiteral("5"));
    Type(0, ZonesView::MinHumidityRatioColumn, QStringLiteral("4"));
    Type(0, ZonesView::MaxRelativeHumidityColumn, QStringLiteral("55"));
    const processes::ZoneLimits& limits = project.zoneSettings().userZones[0].limits;
    EXPECT_NEAR(*limits.minDewPointF, 41.0, 1e-9);
    EXPECT_NEAR(*limits.minHumidityRatio, 0.004, 1e-12);
    EXPECT_NEAR(*limits.maxRelativeHumidity, 0.55, 1e-12);

    Find<QTableWidget>("userZones")->setCurrentCell(0, 0);
    Find<QPushButton>("removeZone")->click();
    EXPECT_TRUE(project.zoneSettings().userZones.empty());
}
