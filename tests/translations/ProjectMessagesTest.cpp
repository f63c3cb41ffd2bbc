// The refusals of the project core as a window shows them: a damaged or
// unreadable project file, and edits that cannot be made. Each is a marked
// message whose English is the line the core has always written; every
// language's catalogue translates it, arguments and nested reasons included.

#include "project/ProjectFile.h"
#include "projectcore/Edits.h"
#include "projectcore/ProjectFile.h"
#include "translations/Languages.h"
#include "translations/Message.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

using namespace project;

struct Refusal {
    i18n::Message message;
    std::string english; // the line the core writes
};

// A project of two points, A (with an airflow) and B, and a process from A
// to B.
Model twoPoints() {
    ProjectData data;
    data.points.push_back({1, "A", DryBulbAndHumidityRatio(95.0, 0.0142),
                           processes::Airflow{1000.0, processes::AirflowUnit::Cfm}});
    data.points.push_back({2, "B", DryBulbAndHumidityRatio(75.0, 0.0093), std::nullopt});
    data.processes.push_back({1, 2});
    Model model;
    model.replace(std::move(data));
    return model;
}

// A refusal read from a file of `bytes`.
i18n::Message fileRefusal(const std::string& bytes) {
    auto read = LoadProjectFile(bytes);
    return std::holds_alternative<i18n::Message>(read) ? std::get<i18n::Message>(read)
                                                       : i18n::Message{};
}

std::vector<Refusal> EveryRefusal() {
    std::vector<Refusal> all;
    const auto add = [&all](const std::optional<i18n::Message>& message, std::string english) {
        ASSERT_TRUE(message) << english;
        all.push_back({*message, std::move(english)});
    };
    // The inputs of a point.
    for (int i = 0; i < kInputCount; ++i) {
        const auto input = static_cast<Input>(i);
        const Input other = input == Input::DryBulb ? Input::Enthalpy : Input::DryBulb;
        add(CheckDefinition({{input, std::nan("")}, {other, 1.0}}),
            "The " + std::string(InputName(input)) + " is not a number.");
        add(PairProblem(input, input), "A point needs two different properties; " +
                                           std::string(InputName(input)) + " is given twice.");
    }
    add(PairProblem(Input::DewPoint, Input::HumidityRatio),
        "Dew point and humidity ratio both fix the water in the air at a given pressure; pair "
        "either with another property.");

    // Names, processes, mixtures, zones and airflows.
    const Model model = twoPoints();
    const ProjectIndex& index = model.index();
    add(CheckPointName("", index), "A point needs a name.");
    add(CheckPointName(std::string(300, 'x'), index),
        "A point's name can be at most 256 characters long.");
    add(CheckPointName("a\tb", index),
        "A point's name cannot hold a line break, a tab or another control character.");
    add(CheckPointName("B", index), "There is a point named B already.");
    add(CheckProcess({1, 2}, model.data().points, index), "A to B is a process already.");
    add(CheckMixing({1, 2, 1, 0.5}, model.data().points, index),
        "Point A cannot be mixed from itself.");
    ZoneSettings zones;
    zones.comfort.clothing = -1.0;
    add(CheckZoneSettings(zones),
        "Comfort zone: " +
            std::string(processes::Describe(*processes::CheckComfortParameters(zones.comfort))));
    zones = {};
    zones.userZones.push_back({"", {}, true});
    add(CheckZoneSettings(zones), "A zone needs a name.");
    zones.userZones.back().name = std::string(300, 'z');
    add(CheckZoneSettings(zones), "A zone's name can be at most 256 characters long.");
    zones.userZones.back().name = "a\nb";
    add(CheckZoneSettings(zones),
        "A zone's name cannot hold a line break, a tab or another control character.");
    zones.userZones.back().name = "Office";
    zones.userZones.back().limits.minDryBulbF = 80.0;
    zones.userZones.back().limits.maxDryBulbF = 70.0;
    const auto limits = processes::LimitZone::Make(zones.userZones.back().limits);
    EXPECT_FALSE(limits);
    add(CheckZoneSettings(zones),
        "Zone Office: " + std::string(processes::Describe(limits.problem())));
    add(CheckAirflow(processes::Airflow{std::nan(""), processes::AirflowUnit::Cfm}),
        "The airflow is not a number.");

    // Edits.
    const auto refused = [](const auto& planned) -> std::optional<i18n::Message> {
        if (const auto* message = std::get_if<i18n::Message>(&planned))
            return *message;
        return std::nullopt;
    };
    add(refused(CoilLeavingAir(model, 7, 50.0, 0.1)), "There is no such point.");
    add(refused(PlanMixture(model, 0, 1)), "Point B has no airflow to mix.");
    CalcState state;
    state.UnitSystem = "furlongs";
    add(refused(
            CalculatorStateDefinition(state, Input::DryBulb, Input::HumidityRatio, UnitSystem::IP)),
        "The calculator's state names no unit system.");
    state.UnitSystem = "IP";
    state.W = 0.0f;
    add(refused(CalculatorStateDefinition(state, Input::DewPoint, Input::DryBulb, UnitSystem::IP)),
        "Perfectly dry air has no dew point to define a point by.");
    ProjectData notAir = model.data();
    notAir.points[0].definition = DryBulbAndHumidityRatio(75.0, 0.5); // above saturation
    Model withNotAir;
    withNotAir.replace(std::move(notAir));
    add(refused(CoilLeavingAir(withNotAir, 0, 50.0, 0.1)),
        "Point A is not air: " + withNotAir.pointResult(0).reason);
    add(PlanAtmosphere(model, {-1.0, UnitSystem::IP}).error,
        "Atmospheric pressure at or below zero");

    // Files.
    add(fileRefusal("{"), std::string());
    add(fileRefusal("[]"), "This is not a Vaporwright project file.");
    add(fileRefusal(R"({"format": "vaporwright-project", "version": 7})"),
        "This project was saved by a newer version of Vaporwright (file version 7); this "
        "version reads version 2.");
    add(fileRefusal(R"({"format": "vaporwright-project", "version": 1.5})"),
        "The project file's version is not one Vaporwright reads; this version reads version 2.");
    add(fileRefusal(R"({"format": "vaporwright-project", "version": 1})"),
        "The project file is damaged: \"unitSystem\" is missing.");
    const std::string named = WriteProjectFile(model.data());
    std::string unnamed = named;
    unnamed.replace(unnamed.find("\"name\": \"A\""), 11, "\"name\": \"\"");
    add(fileRefusal(unnamed), "The project file is damaged: point number 1: A point needs a name.");
    const std::string folder = testing::TempDir();
    const auto at = [](const std::string& path) -> std::optional<i18n::Message> {
        auto read = LoadProjectFileAt(path);
        if (auto* message = std::get_if<i18n::Message>(&read))
            return *message;
        return std::nullopt;
    };
    add(at(folder), folder + " is not a file.");
    add(at(folder + "/no-such.vwproj"),
        "Cannot open " + folder + "/no-such.vwproj: No such file or directory");
    // A sparse file larger than any project takes no room on the disc.
    const std::string large = folder + "/large-" + std::to_string(getpid()) + ".vwproj";
    { std::ofstream{large}; }
    std::filesystem::resize_file(large, kLargestProjectFile + 1);
    add(at(large), large + " is too large to be a project file.");
    std::filesystem::remove(large);
    return all;
}

class ProjectMessages : public ::testing::Test {
protected:
    void TearDown() override { translations::Install(*qApp, u"en"_qs); }
};

TEST_F(ProjectMessages, InEnglishEachIsTheCoresLine) {
    ASSERT_TRUE(translations::Install(*qApp, u"en"_qs));
    for (const Refusal& refusal : EveryRefusal()) {
        ASSERT_NE(refusal.message.text.source, nullptr);
        if (!refusal.english.empty()) {
            EXPECT_EQ(refusal.message.English(), refusal.english);
        }
        EXPECT_EQ(translations::Translated(refusal.message).toStdString(),
                  refusal.message.English());
    }
}

TEST_F(ProjectMessages, EveryLanguageTranslatesEachWithItsArguments) {
    const std::vector<Refusal> all = EveryRefusal();
    for (const translations::Language& language : translations::kLanguages) {
        if (language.code == translations::kEnglish)
            continue;
        const std::string code = language.code.toString().toStdString();
        ASSERT_TRUE(translations::Install(*qApp, language.code.toString())) << code;
        for (const Refusal& refusal : all) {
            const QString shown = translations::Translated(refusal.message);
            const QString english = QString::fromStdString(refusal.message.English());
            EXPECT_NE(shown, english) << code << ": " << refusal.message.text.source;
            EXPECT_FALSE(shown.contains(QLatin1String("%1")) || shown.contains(QLatin1String("%2")))
                << code << ": " << shown.toStdString();
            // The names and paths in it are kept as written.
            for (const i18n::Argument& argument : refusal.message.arguments) {
                if (argument.kind == i18n::Argument::Kind::Text) {
                    EXPECT_TRUE(shown.contains(QString::fromStdString(argument.text)))
                        << code << ": " << shown.toStdString();
                }
            }
        }
    }
}

// The window's reader of a project file and a point that is not air: the
// sentence and the compute core's reason inside it both in German.
TEST_F(ProjectMessages, TheWindowShowsARefusalInTheLanguageSpoken) {
    ASSERT_TRUE(translations::Install(*qApp, u"de"_qs));
    const auto read = ReadProjectFile(QByteArray("[]"));
    ASSERT_TRUE(std::holds_alternative<QString>(read));
    EXPECT_EQ(std::get<QString>(read), u"Dies ist keine Vaporwright-Projektdatei."_qs);

    ProjectData data = twoPoints().data();
    data.points[0].definition = DryBulbAndHumidityRatio(75.0, 0.5);
    Model model;
    model.replace(std::move(data));
    const auto leaving = CoilLeavingAir(model, 0, 50.0, 0.1);
    ASSERT_TRUE(std::holds_alternative<i18n::Message>(leaving));
    const i18n::Message& message = std::get<i18n::Message>(leaving);
    const QString reason = translations::Translated(model.pointResult(0).reasonMessage);
    EXPECT_NE(reason.toStdString(), model.pointResult(0).reason);
    EXPECT_EQ(translations::Translated(message), u"Punkt A ist keine reale Luft: "_qs + reason);
}

} // namespace
