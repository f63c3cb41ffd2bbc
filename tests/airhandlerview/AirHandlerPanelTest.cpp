#include "airhandlerview/AirHandlerPanel.h"

#include "airhandlerview/ComponentDialog.h"
#include "airhandlerview/DisplayUnits.h"
#include "project/Project.h"

#include <cmath>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace chart;
using airhandler::Season;
using project::Input;

namespace {

class AirHandlerPanelTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(panel.createAirHandler(), QString()); }

    const project::AirHandlerSetup& setup() const { return *project.airHandler(); }
    const project::AirHandlerCase& summer() const { return setup().summer; }
    int steps() { return project.undoStack()->count(); }

    // Types `text` into the line edit as the user would and leaves it.
    static void Type(QLineEdit* edit, const QString& text) {
        edit->setText(text);
        edit->setModified(true);
        emit edit->editingFinished();
    }

    project::Project project;
    AirHandlerPanel panel{&project};
};

TEST(AirHandlerPanelStart, DesignsTheExampleAsOneUndoStep) {
    project::Project project;
    AirHandlerPanel panel(&project);
    EXPECT_FALSE(project.airHandler());
    EXPECT_FALSE(panel.controls().create->isHidden());
    panel.createAirHandler();
    ASSERT_TRUE(project.airHandler());
    EXPECT_EQ(*project.airHandler(), project::AirHandlerSetup{});
    EXPECT_TRUE(panel.controls().create->isHidden());
    project.undoStack()->undo();
    EXPECT_FALSE(project.airHandler());
}

TEST_F(AirHandlerPanelTest, ShowsTheCaseWithItsSupplyAndShr) {
    const auto& c = panel.controls();
    EXPECT_EQ(c.roomInput[0]->currentIndex(), static_cast<int>(Input::DryBulb));
    EXPECT_EQ(c.roomValue[0]->text(), NumberText(75.0, 2));
    EXPECT_EQ(c.sensible->text(), QStringLiteral("100000"));
    // 100,000 / (100,000 + 25,000)
    EXPECT_TRUE(c.shr->text().contains(NumberText(0.8, 2)));
    EXPECT_TRUE(c.supplyResult->text().contains(QStringLiteral("cfm")));
    EXPECT_GT(c.rollup->rowCount(), 10);
    EXPECT_GT(c.chain->rowCount(), 3);
    EXPECT_EQ(c.components->count(), static_cast<int>(summer().components.size()));
    EXPECT_FALSE(panel.statusText().isEmpty());
}

TEST_F(AirHandlerPanelTest, EditsGoToTheProjectAsUndoableSteps) {
    const auto& c = panel.controls();
    const int before = steps();
    c.loadUnit->setCurrentIndex(static_cast<int>(LoadUnit::Kilowatts));
    Type(c.sensible, NumberText(20.0, 3));
    EXPECT_NEAR(summer().roomSensibleBtuPerHour, 68243.0, 1.0); // 20 kW
    EXPECT_EQ(steps(), before + 1);
    Type(c.roomValue[1], NumberText(45.0, 1)); // relative humidity, %
    EXPECT_DOUBLE_EQ(summer().room.second.value, 0.45);
    project.undoStack()->undo();
    EXPECT_DOUBLE_EQ(summer().room.second.value, 0.5);
    project.undoStack()->undo();
    EXPECT_DOUBLE_EQ(summer().roomSensibleBtuPerHour, 100000.0);
    // Leaving a field untouched is no edit: the rounding shown never becomes
    // a change of its own.
    emit c.sensible->editingFinished();
    EXPECT_EQ(steps(), before + 2);
    EXPECT_EQ(project.undoStack()->index(), before);
}

// Each refused edit says why, leaves the project and its undo history as
// they were, and puts the project's value back in the field.
TEST_F(AirHandlerPanelTest, RefusesBadInputWithAReasonAndChangesNothing) {
    const auto& c = panel.controls();
    struct Case {
        const char* what;
        QLineEdit* edit;
        QString text;
    };
    const Case cases[] = {
        {"a sensible loss in cooling", c.sensible, QStringLiteral("-5000")},
        {"no number", c.latent, QStringLiteral("lots")},
        {"supply above the room in cooling", c.supplyValue, NumberText(80.0, 1)},
        {"more outdoor air than supply", c.outdoorAirValue, NumberText(150.0, 1)},
        {"a room that is no air", c.roomValue[1], NumberText(250.0, 1)},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        const project::AirHandlerSetup kept = setup();
        const int before = steps();
        const QString shown = k.edit->text();
        Type(k.edit, k.text);
        EXPECT_EQ(setup(), kept);
        EXPECT_EQ(steps(), before);
        EXPECT_TRUE(panel.messageText().startsWith(QStringLiteral("Not changed: ")))
            << panel.messageText().toStdString();
        EXPECT_EQ(k.edit->text(), shown);
    }
}

// Whatever is typed into whichever field, the project keeps a setup it
// could store and every case is solved to finite numbers or refused.
TEST_F(AirHandlerPanelTest, HostileTextNeverCorruptsTheSetup) {
    const auto& c = panel.controls();
    const QString texts[] = {QStringLiteral("1e308"),
                             QStringLiteral("-1e308"),
                             QStringLiteral("nan"),
                             QStringLiteral("inf"),
                             QString(),
                             QStringLiteral("1,5,5"),
                             QString(5000, QLatin1Char('9')),
                             QStringLiteral("4.9e-324")};
    QLineEdit* const fields[] = {c.sensible,        c.latent,         c.supplyValue,
                                 c.outdoorAirValue, c.roomValue[0],   c.roomValue[1],
                                 c.outdoorValue[0], c.outdoorValue[1]};
    for (QLineEdit* field : fields) {
        for (const QString& text : texts) {
            SCOPED_TRACE(field->accessibleName().toStdString() + " = " +
                         text.left(20).toStdString());
            Type(field, text);
            ASSERT_TRUE(project.airHandler());
            EXPECT_FALSE(project::CheckAirHandler(setup()));
            for (const Season season : {Season::Summer, Season::Winter}) {
                const auto& outcome = project.airHandlerResult()->solution.of(season);
                if (outcome.ok()) {
                    EXPECT_TRUE(std::isfinite(outcome->supplyDryAirLbPerHour));
                    EXPECT_TRUE(std::isfinite(outcome->rollup.cooling.btuPerHour));
                }
            }
        }
    }
}

TEST_F(AirHandlerPanelTest, RefusesNoSupplyAirflow) {
    const auto& c = panel.controls();
    c.supplyBy->setCurrentIndex(static_cast<int>(airhandler::SupplyBy::Airflow));
    ASSERT_EQ(summer().supply.by, airhandler::SupplyBy::Airflow);
    // Switching keeps the same supply air: the airflow the case needed.
    EXPECT_GT(summer().supply.airflow.value, 1000.0);
    const project::AirHandlerSetup kept = setup();
    Type(c.supplyValue, QStringLiteral("0"));
    EXPECT_EQ(setup(), kept);
    EXPECT_TRUE(panel.messageText().contains(QStringLiteral("airflow"), Qt::CaseInsensitive));
}

TEST_F(AirHandlerPanelTest, RefusesAnEffectivenessOutsideZeroToOne) {
    airhandler::HeatRecovery wheel;
    wheel.sensibleEffectiveness = 1.2;
    const project::AirHandlerSetup kept = setup();
    EXPECT_FALSE(panel.addComponent(wheel).isEmpty());
    EXPECT_EQ(setup(), kept);

    // In the component's dialog the reason keeps the dialog open.
    ASSERT_TRUE(panel.addComponent(airhandler::HeatRecovery{}).isEmpty());
    ComponentDialog dialog(
        summer().components[0], UnitSystem::IP, processes::AirflowUnit::Cfm,
        [this](const airhandler::Component& k) { return panel.setComponent(0, k); });
    QLineEdit* latent = dialog.field(QStringLiteral("Latent effectiveness"));
    ASSERT_NE(latent, nullptr);
    latent->setText(QStringLiteral("-0.1"));
    const project::AirHandlerSetup withWheel = setup();
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.messageText().isEmpty());
    EXPECT_EQ(setup(), withWheel);
    latent->setText(QStringLiteral("0.5"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(std::get<airhandler::HeatRecovery>(summer().components[0]).latentEffectiveness,
                     0.5);
}

TEST_F(AirHandlerPanelTest, OrdersTheChain) {
    const auto names = [this] {
        std::vector<std::string_view> out;
        for (const auto& k : summer().components)
            out.push_back(airhandler::ComponentName(k));
        return out;
    };
    const auto start = names();
    // Heat recovery treats the outdoor air alone: it goes first.
    ASSERT_EQ(panel.addComponent(airhandler::HeatRecovery{}), QString());
    EXPECT_EQ(names().front(), airhandler::ComponentName(airhandler::HeatRecovery{}));
    EXPECT_EQ(panel.removeComponent(0), QString());
    EXPECT_EQ(names(), start);
    // Moving the mixing box below the coil is refused (a component to the
    // supply air cannot treat the outdoor air alone); moving the fan up
    // past the coil is fine and blows through.
    ASSERT_GE(start.size(), 3u);
    EXPECT_FALSE(panel.moveComponent(0, +1).isEmpty());
    EXPECT_EQ(names(), start);
    EXPECT_EQ(panel.moveComponent(2, -1), QString());
    EXPECT_EQ(names()[1], start[2]);
    // Out of range: nothing happens.
    EXPECT_EQ(panel.moveComponent(0, -1), QString());
    EXPECT_EQ(panel.removeComponent(99), QString());
    project.undoStack()->undo();
    EXPECT_EQ(names(), start);
}

TEST_F(AirHandlerPanelTest, SummerAndWinterAreEditedApart) {
    const auto& c = panel.controls();
    panel.setSeason(Season::Winter);
    EXPECT_EQ(c.duty->currentIndex(), 1);
    EXPECT_EQ(c.sensible->text(), QStringLiteral("-150000"));
    Type(c.latent, QStringLiteral("5000"));
    EXPECT_DOUBLE_EQ(setup().winter.roomLatentBtuPerHour, 5000.0);
    EXPECT_DOUBLE_EQ(summer().roomLatentBtuPerHour, 25000.0);
    // A heat gain in the heating case is refused.
    Type(c.sensible, QStringLiteral("1000"));
    EXPECT_DOUBLE_EQ(setup().winter.roomSensibleBtuPerHour, -150000.0);
    panel.setSeason(Season::Summer);
    EXPECT_EQ(c.latent->text(), QStringLiteral("25000"));
}

TEST_F(AirHandlerPanelTest, SwitchingTheDutyTurnsTheSensibleLoad) {
    panel.controls().duty->setCurrentIndex(1);
    EXPECT_EQ(summer().duty, airhandler::Duty::Heating);
    EXPECT_DOUBLE_EQ(summer().roomSensibleBtuPerHour, -100000.0);
    project.undoStack()->undo();
    EXPECT_EQ(summer().duty, airhandler::Duty::Cooling);
    EXPECT_DOUBLE_EQ(summer().roomSensibleBtuPerHour, 100000.0);
}

TEST_F(AirHandlerPanelTest, ChangingTheAirflowUnitKeepsTheAirflows) {
    panel.controls().supplyBy->setCurrentIndex(static_cast<int>(airhandler::SupplyBy::Airflow));
    const double cfm = processes::ToCfm(summer().supply.airflow);
    panel.controls().airflowUnit->setCurrentIndex(
        static_cast<int>(processes::AirflowUnit::LitresPerSecond));
    EXPECT_EQ(setup().airflowUnit, processes::AirflowUnit::LitresPerSecond);
    EXPECT_EQ(summer().supply.airflow.unit, processes::AirflowUnit::LitresPerSecond);
    EXPECT_NEAR(processes::ToCfm(summer().supply.airflow), cfm, 1e-6 * cfm);
    EXPECT_TRUE(panel.controls().supplyResult->text().contains(QStringLiteral("L/s")));
}

TEST_F(AirHandlerPanelTest, TakesTheOutdoorAirFromTheWeatherInOneStep) {
    EXPECT_FALSE(panel.controls().weatherDesign->isEnabled());
    const project::AirHandlerSetup kept = setup();
    EXPECT_FALSE(panel.applyWeatherDesign().isEmpty());
    EXPECT_EQ(setup(), kept);

    weather::DesignConditions design;
    design.cooling[0] = weather::CoolingDesign{93.5, 74.2};
    design.heating996DryBulbF = 8.0;
    design.dewPoint04 = weather::DehumidificationDesign{72.0, 0.0172, 82.0};
    panel.setWeatherDesign(design, QStringLiteral("Site.epw"));
    EXPECT_TRUE(panel.controls().weatherDesign->isEnabled());
    const int before = steps();
    EXPECT_EQ(panel.applyWeatherDesign(), QString());
    EXPECT_EQ(steps(), before + 1);
    const project::PointDefinition summerAir{{Input::DryBulb, 93.5}, {Input::WetBulb, 74.2}};
    const project::PointDefinition winterAir{{Input::DryBulb, 8.0}, {Input::RelativeHumidity, 1.0}};
    EXPECT_EQ(summer().outdoor, summerAir);
    EXPECT_EQ(setup().winter.outdoor, winterAir);
    EXPECT_TRUE(project.airHandlerResult()->refusal(Season::Winter).empty());

    panel.controls().dehumidification->setChecked(true);
    EXPECT_EQ(panel.applyWeatherDesign(), QString());
    const project::PointDefinition dewAir{{Input::DewPoint, 72.0}, {Input::DryBulb, 82.0}};
    EXPECT_EQ(summer().outdoor, dewAir);

    // A file without a heating design changes nothing.
    design.heating996DryBulbF.reset();
    panel.setWeatherDesign(design);
    const project::AirHandlerSetup now = setup();
    EXPECT_FALSE(panel.applyWeatherDesign().isEmpty());
    EXPECT_EQ(setup(), now);
}

// Splits one RFC 4180 record set; false when the text is not valid CSV.
bool ParseCsv(const QByteArray& text, std::vector<std::vector<QByteArray>>& records) {
    std::vector<QByteArray> record;
    QByteArray field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (ch == '"') {
                quoted = false;
            } else {
                field += ch;
            }
        } else if (ch == '"') {
            if (!field.isEmpty())
                return false;
            quoted = true;
        } else if (ch == ',') {
            record.push_back(field);
            field.clear();
        } else if (ch == '\r') {
            if (i + 1 >= text.size() || text[i + 1] != '\n')
                return false;
            record.push_back(field);
            field.clear();
            records.push_back(record);
            record.clear();
            ++i;
        } else if (ch == '\n') {
            return false; // a bare line feed ends no record
        } else {
            field += ch;
        }
    }
    return !quoted && field.isEmpty() && record.empty();
}

TEST_F(AirHandlerPanelTest, ExportsBothTablesAsValidCsv) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A note holding a comma must come out quoted.
    airhandler::MixingBox economizer;
    economizer.economizer = airhandler::Economizer::Enthalpy;
    project::AirHandlerSetup edited = setup();
    edited.summer.components[0] = economizer;
    ASSERT_EQ(project.setAirHandler(edited), QString());
    for (const bool components : {true, false}) {
        SCOPED_TRACE(components ? "components" : "rollup");
        const QString path = dir.filePath(components ? "c.csv" : "r.csv");
        EXPECT_EQ(components ? panel.exportComponentsCsv(path) : panel.exportRollupCsv(path),
                  QString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        std::vector<std::vector<QByteArray>> records;
        ASSERT_TRUE(ParseCsv(file.readAll(), records));
        ASSERT_GT(records.size(), 3u);
        for (const auto& record : records)
            EXPECT_EQ(record.size(), records.front().size());
    }
    // Nothing to export without an air handler, and no file is written.
    panel.removeAirHandler();
    const QString none = dir.filePath("none.csv");
    EXPECT_FALSE(panel.exportRollupCsv(none).isEmpty());
    EXPECT_FALSE(QFile::exists(none));
}

// Every kind of component, every option and choice, comes back from its
// dialog as it went in when nothing is typed: no field reads into another's
// place, no choice is shifted.
TEST(ComponentDialogTest, EveryKindComesBackUnchanged) {
    airhandler::HeatRecovery plate;
    plate.exchanger = airhandler::Exchanger::Plate;
    plate.exhaustAirflow = processes::Airflow{1800.0, processes::AirflowUnit::Cfm};
    airhandler::MixingBox box;
    box.economizer = airhandler::Economizer::DryBulb;
    box.highLimitDryBulbF = 70.0;
    box.maximumShare = 0.8;
    airhandler::HeatingCoil preheat;
    preheat.role = airhandler::HeatingRole::Preheat;
    preheat.by = airhandler::HeatingBy::Rise;
    airhandler::CoolingCoil coil;
    coil.by = airhandler::CoolingBy::ApparatusDewPoint;
    airhandler::SupplyFan fan;
    fan.by = airhandler::FanBy::Power;
    fan.powerUnit = airhandler::PowerUnit::Horsepower;
    fan.motorInAirstream = false;
    airhandler::Humidifier adiabatic;
    adiabatic.kind = airhandler::HumidifierKind::Adiabatic;
    adiabatic.by = airhandler::HumidifierBy::LeavingDewPoint;
    const airhandler::Component components[] = {
        airhandler::HeatRecovery{}, plate, box, preheat, coil, fan, adiabatic,
        airhandler::Humidifier{}};
    for (const auto& component : components) {
        SCOPED_TRACE(std::string(airhandler::ComponentName(component)));
        ComponentDialog ip(component, UnitSystem::IP, processes::AirflowUnit::Cfm, {});
        QString why;
        const auto back = ip.edited(why);
        ASSERT_TRUE(back) << why.toStdString();
        EXPECT_EQ(*back, component);
        // In SI the temperatures go through °C with two decimals.
        ComponentDialog si(component, UnitSystem::SI, processes::AirflowUnit::Cfm, {});
        const auto again = si.edited(why);
        ASSERT_TRUE(again);
        EXPECT_EQ(again->index(), component.index());
    }
    // A number that is no number is said, and nothing comes back.
    ComponentDialog dialog(airhandler::CoolingCoil{}, UnitSystem::IP, processes::AirflowUnit::Cfm,
                           {});
    dialog.field(QStringLiteral("Bypass factor"))->setText(QStringLiteral("a tenth"));
    QString why;
    EXPECT_FALSE(dialog.edited(why));
    EXPECT_TRUE(why.contains(QStringLiteral("a tenth")));
}

TEST(AirHandlerPanelSi, ShowsAndReadsTheProjectsUnits) {
    project::Project project;
    ASSERT_EQ(project.setAtmosphere({basPsychroFun::units::kAtmospherePsia, UnitSystem::SI}),
              QString());
    AirHandlerPanel panel(&project);
    panel.createAirHandler();
    const auto& c = panel.controls();
    EXPECT_EQ(c.roomValue[0]->text(), NumberText(23.89, 2)); // 75 °F
    EXPECT_TRUE(c.supplyResult->text().contains(QStringLiteral("°C")));
    c.roomValue[0]->setText(NumberText(24.0, 2));
    c.roomValue[0]->setModified(true);
    emit c.roomValue[0]->editingFinished();
    EXPECT_NEAR(project.airHandler()->summer.room.first.value, 75.2, 1e-9);
}

TEST(AirHandlerUnits, LoadsConvertBothWays) {
    struct Case {
        LoadUnit unit;
        double value;
        double btuPerHour;
    };
    const Case cases[] = {{LoadUnit::BtuPerHour, 1234.0, 1234.0},
                          {LoadUnit::Tons, 1.0, 12000.0},
                          {LoadUnit::Kilowatts, 1.0, 3412.1416},
                          {LoadUnit::Watts, 1000.0, 3412.1416}};
    for (const Case& k : cases) {
        EXPECT_NEAR(LoadToBtuPerHour(k.value, k.unit), k.btuPerHour, 1e-3);
        EXPECT_NEAR(LoadFromBtuPerHour(k.btuPerHour, k.unit), k.value, 1e-6 * k.value);
    }
    EXPECT_NEAR(InputShown(Input::DryBulb, 212.0, UnitSystem::SI), 100.0, 1e-12);
    EXPECT_NEAR(InputFromShown(Input::RelativeHumidity, 45.0, UnitSystem::IP), 0.45, 1e-15);
    EXPECT_NEAR(SpanFromShown(10.0, UnitSystem::SI), 18.0, 1e-12);
}

TEST_F(AirHandlerPanelTest, FitsTheSidePanel) {
    panel.resize(420, 700);
    panel.show();
    EXPECT_LE(panel.minimumSizeHint().width(), 420);
    // Every field has a name a screen reader speaks (buttons speak their
    // text).
    for (QWidget* w : panel.findChildren<QWidget*>()) {
        const bool field = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w);
        if (field && w->isVisibleTo(&panel)) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->metaObject()->className();
        }
    }
}

} // namespace
