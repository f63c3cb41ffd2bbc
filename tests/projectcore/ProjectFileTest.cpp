// The project file: a file of the earlier release reads as it was written; a
// written project reads back as it was; a damaged or newer file is refused
// with one message; what is no file, or too large, is not read.

#include "projectcore/ProjectFile.h"

#include "projectcore/Model.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace project;
using processes::Airflow;
using processes::AirflowUnit;

namespace {

const std::string kData = VW_PROJECT_DATA_DIR;

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A folder of the test's own: ctest runs the tests side by side.
std::string freshFolder() {
    const std::string dir = testing::TempDir() + "projectcore_" +
                            testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                            std::to_string(getpid());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

ProjectData read(const std::string& bytes) {
    auto read = ReadProjectFile(bytes);
    if (auto* error = std::get_if<std::string>(&read))
        ADD_FAILURE() << *error;
    return std::holds_alternative<ProjectData>(read) ? std::get<ProjectData>(std::move(read))
                                                     : ProjectData{};
}

std::string refusal(const std::string& bytes) {
    auto read = ReadProjectFile(bytes);
    if (!std::holds_alternative<std::string>(read)) {
        ADD_FAILURE() << "read: " << bytes.substr(0, 200);
        return {};
    }
    return std::get<std::string>(read);
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

// The file the previous release (its Qt writer) wrote: every value as it was
// written, to the last bit of each double.
TEST(ProjectFile, FileOfTheEarlierReleaseReadsUnchanged) {
    const ProjectData data = read(contents(kData + "/v1-project.vwproj"));
    EXPECT_EQ(data.atmosphere, (Atmosphere{12.23, UnitSystem::SI}));
    ASSERT_EQ(data.points.size(), 7u);
    const struct {
        const char* name;
        PointDefinition definition;
        std::optional<Airflow> airflow;
    } points[] = {
        {"A",
         {{Input::DryBulb, 95}, {Input::HumidityRatio, 0.0142}},
         Airflow{0.5, AirflowUnit::CubicMetresPerSecond}},
        {"Room, east",
         {{Input::DryBulb, 75}, {Input::RelativeHumidity, 0.5}},
         Airflow{1500, AirflowUnit::CubicMetresPerHour}},
        {"B", {{Input::DewPoint, 50}, {Input::Enthalpy, 30}}, std::nullopt},
        {"C", {{Input::DryBulb, 70}, {Input::RelativeHumidity, 1.5}}, std::nullopt},
        {"Zuluft \xce\xb1 \"quoted\"",
         {{Input::WetBulb, 60}, {Input::HumidityRatio, 0.0085}},
         Airflow{250.5, AirflowUnit::LitresPerSecond}},
        {"D",
         {{Input::DryBulb, 85.72943258648971}, {Input::HumidityRatio, 0.012773722750015457}},
         Airflow{0.9166712486209795, AirflowUnit::CubicMetresPerSecond}},
        {"E", {{Input::DryBulb, 54.5}, {Input::HumidityRatio, 0.009692583671555614}}, std::nullopt},
    };
    for (std::size_t i = 0; i < data.points.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(data.points[i].id, static_cast<int>(i) + 1);
        EXPECT_EQ(data.points[i].name, points[i].name);
        EXPECT_EQ(data.points[i].definition, points[i].definition);
        EXPECT_EQ(data.points[i].airflow, points[i].airflow);
    }
    EXPECT_EQ(data.processes, (std::vector<ProcessLink>{{1, 2}, {2, 5}, {1, 7}}));
    EXPECT_EQ(data.mixings, (std::vector<Mixing>{{1, 2, 6, 0.5351328667437352}}));
    ZoneSettings zones;
    zones.comfortShown = true;
    zones.dataRoomShown = true;
    zones.comfort = processes::kWinterComfort;
    zones.userZones = {{"Store", {}, false}, {"Office", {}, true}};
    zones.userZones[0].limits.minDewPointF = 20.0;
    zones.userZones[0].limits.maxRelativeHumidity = 0.6;
    zones.userZones[1].limits.minDryBulbF = 68.0;
    zones.userZones[1].limits.maxDryBulbF = 79.5;
    EXPECT_TRUE(data.zones == zones);
    EXPECT_FALSE(data.airHandler);

    // Written again it is still a file of version 1 (no air handler), and
    // reads back the same.
    const std::string written = WriteProjectFile(data);
    EXPECT_NE(written.find("\"version\": 1,"), std::string::npos);
    EXPECT_EQ(written.find("airHandler"), std::string::npos);
    EXPECT_EQ(WriteProjectFile(read(written)), written);
    EXPECT_EQ(read(written).mixings, data.mixings);
}

// Every double goes out as the shortest text that reads back as itself.
TEST(ProjectFile, NumbersRoundTripExactly) {
    ProjectData data;
    const double values[] = {
        14.696, 0.1 + 0.2,          1e-300, 5e-324, 1.7976931348623157e308, -0.0072,
        1e21,   123456789.123456789};
    int id = 1;
    for (const double v : values) {
        data.points.push_back({id,
                               SequenceName(id - 1),
                               {{Input::DryBulb, v}, {Input::HumidityRatio, -v}},
                               Airflow{v, AirflowUnit::Cfm}});
        ++id;
    }
    data.atmosphere.pressurePsia = 14.696;
    const std::string written = WriteProjectFile(data);
    EXPECT_NE(written.find("\"pressurePsia\": 14.696,"), std::string::npos) << written;
    const ProjectData back = read(written);
    ASSERT_EQ(back.points.size(), std::size(values));
    for (std::size_t i = 0; i < back.points.size(); ++i) {
        EXPECT_EQ(back.points[i].definition, data.points[i].definition);
        EXPECT_EQ(back.points[i].airflow, data.points[i].airflow);
    }
    EXPECT_EQ(back.atmosphere.pressurePsia, 14.696);
}

TEST(ProjectFile, DamagedOrNewerFileIsRefusedWithOneMessage) {
    const std::string valid = contents(kData + "/v1-project.vwproj");
    const auto edited = [&valid](const std::string& from, const std::string& to) {
        return replaced(valid, from, to);
    };
    const std::pair<const char*, std::string> cases[] = {
        {"not JSON", "{ \"format\": "},
        {"empty", ""},
        {"a list", "[1, 2]"},
        {"a number", "7"},
        {"another format", edited("\"vaporwright-project\"", "\"spreadsheet\"")},
        {"newer version", edited("\"version\": 1", "\"version\": 3")},
        {"fractional version", edited("\"version\": 1", "\"version\": 1.5")},
        {"wrong type", edited("\"pressurePsia\": 12.23", "\"pressurePsia\": \"12.23\"")},
        {"pressure out of range", edited("\"pressurePsia\": 12.23", "\"pressurePsia\": -3")},
        {"unknown property", edited("\"dewPoint\"", "\"frostPoint\"")},
        {"dew point with humidity ratio", edited("\"enthalpy\"", "\"humidityRatio\"")},
        {"infinite number", edited("\"value\": 50", "\"value\": 1e999")},
        {"a number that reads as zero", edited("\"value\": 50", "\"value\": 1e-999")},
        {"pressure beyond a float", edited("\"pressurePsia\": 12.23", "\"pressurePsia\": 1e300")},
        {"missing point", edited("\"to\": 1", "\"to\": 9")},
        {"negative reference", edited("\"to\": 1", "\"to\": -1")},
        {"unit system", edited("\"SI\"", "\"XX\"")},
        {"airflow unit", edited("\"m3/h\"", "\"gpm\"")},
        {"zones missing", edited("\"zones\"", "\"zonez\"")},
        {"zone limit out of range",
         edited("\"maxRelativeHumidity\": 0.6", "\"maxRelativeHumidity\": 1.6")},
        {"version 2 without its air handler", edited("\"version\": 1", "\"version\": 2")},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const std::string message = refusal(bytes);
        EXPECT_TRUE(message.ends_with('.') && !message.ends_with("..")) << message;
    }
    EXPECT_EQ(refusal(edited("\"version\": 1", "\"version\": 7")),
              "This project was saved by a newer version of Vaporwright (file version 7); this "
              "version reads version 2.");
    EXPECT_EQ(refusal(edited("\"value\": 50", "\"value\": 1e999")),
              "This is not a project file: illegal number.");
    EXPECT_EQ(refusal("7"), "This is not a project file: illegal value.");
    EXPECT_EQ(refusal("[1, 2]"), "This is not a Vaporwright project file.");
    EXPECT_EQ(refusal("{ \"format\": "),
              "This is not a project file: syntax error while parsing value - unexpected end of "
              "input; expected '[', '{', or a literal (line 1, column 13).");
    EXPECT_EQ(refusal(edited("\"version\": 1", "\"version\": 2")),
              "The project file is damaged: \"airHandler\" is missing.");
}

namespace {

// A project file of `points` (names as JSON texts, the air of each) and the
// given processes and mixings, as JSON text.
std::string handWritten(const std::vector<std::string>& names, const std::string& processes,
                        const std::string& mixings) {
    std::string points;
    for (const std::string& name : names) {
        if (!points.empty())
            points += ',';
        points += R"({"name": )" + name + R"(, "inputs": [{"property": "dryBulb", "value": 75},
            {"property": "humidityRatio", "value": 0.01}],
            "airflow": {"value": 1000, "unit": "cfm"}})";
    }
    return R"({"format": "vaporwright-project", "version": 1, "unitSystem": "IP",
        "pressurePsia": 14.696, "points": [)" +
           points + R"(], "processes": [)" + processes + R"(], "mixings": [)" + mixings + R"(],
        "zones": {"comfortShown": false, "metabolicRate": 1.1, "clothing": 0.5,
                  "airSpeed": 0.1, "dataRoomShown": false, "userZones": []}})";
}

const std::vector<std::string> kThree{"\"A\"", "\"B\"", "\"C\""};

std::string mixing(int first, int second, int result) {
    return R"({"first": )" + std::to_string(first) + R"(, "second": )" + std::to_string(second) +
           R"(, "result": )" + std::to_string(result) + R"(, "firstStreamShare": 0.5})";
}

std::vector<std::string> plus(std::vector<std::string> names,
                              std::initializer_list<std::string> more) {
    names.insert(names.end(), more);
    return names;
}

} // namespace

// The reader took what the window refuses: the same process twice (its
// loads then counted twice in the CSV), a point mixed with itself or from
// itself, loops of mixtures, names with line breaks or NUL. Each file is
// refused with one message of the window's own rule. Earlier versions read a
// raw control character in a text, and half of a surrogate pair escaped, as
// they are; both are still refused as control characters.
TEST(ProjectFile, FileWithWhatTheWindowRefusesIsRefused) {
    const std::string twice = R"({"from": 0, "to": 1}, {"from": 0, "to": 1})";
    const struct {
        const char* name;
        std::string bytes;
        const char* says;
    } cases[] = {
        {"the same process twice", handWritten(kThree, twice, {}), "A to B is a process already."},
        {"a point mixed with itself", handWritten(kThree, {}, mixing(0, 0, 2)), "same air"},
        {"a mixture that is its own stream", handWritten(kThree, {}, mixing(0, 1, 1)),
         "Point B cannot be mixed from itself."},
        {"a point made by two mixtures",
         handWritten(kThree, {}, mixing(0, 1, 2) + ',' + mixing(1, 0, 2)),
         "Point C is the mixture of two other points already."},
        {"a loop of mixtures",
         handWritten(plus(kThree, {"\"D\""}), {}, mixing(0, 1, 2) + ',' + mixing(2, 3, 0)), "loop"},
        {"a line break in a name", handWritten({"\"Supply\\nair\""}, {}, {}),
         "point number 1: A point's name cannot hold"},
        {"NUL in a name", handWritten({"\"Supply\\u0000air\""}, {}, {}), "control character"},
        {"a tab in a name", handWritten({"\"A\\tB\""}, {}, {}), "control character"},
        {"a raw tab in a name", handWritten({"\"A\tB\""}, {}, {}), "control character"},
        {"a raw NUL in a name", handWritten({std::string("\"A\0B\"", 5)}, {}, {}),
         "control character"},
        {"half a surrogate pair", handWritten({"\"A\\ud800\""}, {}, {}), "control character"},
        {"the other half", handWritten({"\"\\udc00A\""}, {}, {}), "control character"},
        {"a name of millions of characters",
         handWritten({'"' + std::string(4'000'000, 'y') + '"'}, {}, {}), "at most 256 characters"},
        {"two points of one name", handWritten({"\"A\"", "\" A \""}, {}, {}),
         "There is a point named A already."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string message = refusal(c.bytes);
        EXPECT_EQ(message.rfind("The project file is damaged: ", 0), 0u) << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
        EXPECT_FALSE(message.ends_with("..")) << message;
    }
    // What the window makes reads: a process each way, mixtures of mixtures,
    // a whole surrogate pair escaped.
    const ProjectData fine = read(handWritten(plus(kThree, {"\"D\"", "\"\\ud83c\\udf2c\""}),
                                              R"({"from": 0, "to": 1}, {"from": 1, "to": 0})",
                                              mixing(0, 1, 2) + ',' + mixing(2, 3, 4)));
    ASSERT_EQ(fine.points.size(), 5u);
    EXPECT_EQ(fine.points[4].name, "\xf0\x9f\x8c\xac");
}

// A check's own sentence wrapped in "The project file is damaged: ..."
// ended in "..".
TEST(ProjectFile, RefusalWrappingACheckEndsInOneFullStop) {
    EXPECT_EQ(refusal(replaced(handWritten(kThree, {}, {}), "\"metabolicRate\": 1.1",
                               "\"metabolicRate\": 9")),
              "The project file is damaged: Comfort zone: The PMV model takes 0.8 to 4 met, 0 to 2 "
              "clo and an air speed of 0 to 1 m/s.");
    EXPECT_EQ(refusal(replaced(handWritten(kThree, {}, {}), "\"humidityRatio\"", "\"dryBulb\"")),
              "The project file is damaged: point A: A point needs two different properties; dry "
              "bulb is given twice.");
}

// A damaged version number printed as "9.0072e+15"; huge, fractional,
// negative and zero versions are no version at all, and say so without the
// number. A whole later version is told as such.
TEST(ProjectFile, VersionThatIsNoVersionIsNotPrintedAsANumber) {
    const std::string valid = handWritten(kThree, {}, {});
    for (const char* version : {"9007199254740993", "1e300", "1.5", "-3", "0", "1000001"}) {
        SCOPED_TRACE(version);
        EXPECT_EQ(
            refusal(replaced(valid, "\"version\": 1", std::string("\"version\": ") + version)),
            "The project file's version is not one Vaporwright reads; this version reads "
            "version 2.");
    }
    EXPECT_EQ(refusal(replaced(valid, "\"version\": 1", "\"version\": 12")),
              "This project was saved by a newer version of Vaporwright (file version 12); this "
              "version reads version 2.");
}

// A link to a device passed the size check (a device has size 0) and was
// read without end: /dev/zero grew memory until the program died. Neither
// it, nor a pipe, nor a folder, nor a file over 64 MiB is read.
TEST(ProjectFile, WhatIsNoFileOrTooLargeIsRefusedUnread) {
    const std::string dir = freshFolder();
    const std::string link = dir + "/zero.vwproj";
    std::filesystem::create_symlink("/dev/zero", link);
    const std::string pipe = dir + "/pipe.vwproj";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string large = dir + "/large.vwproj";
    std::ofstream(large).close();
    std::filesystem::resize_file(large, kLargestProjectFile + 1);
    const auto message = [](const std::string& path) {
        auto read = ReadProjectFileAt(path);
        return std::holds_alternative<std::string>(read) ? std::get<std::string>(read)
                                                         : std::string("read");
    };
    EXPECT_EQ(message(link), link + " is not a file.");
    EXPECT_EQ(message(pipe), pipe + " is not a file.");
    EXPECT_EQ(message(dir), dir + " is not a file.");
    EXPECT_EQ(message(large), large + " is too large to be a project file.");
    EXPECT_EQ(message(dir + "/absent.vwproj"),
              "Cannot open " + dir + "/absent.vwproj: No such file or directory");
    // A file of the largest size is read (and refused for what it holds).
    std::filesystem::resize_file(large, kLargestProjectFile);
    EXPECT_EQ(message(large).rfind("This is not a project file: ", 0), 0u);
    std::filesystem::copy_file(kData + "/v1-sea-level.vwproj", dir + "/fine.vwproj");
    EXPECT_EQ(message(dir + "/fine.vwproj"), "read");
    std::filesystem::remove_all(dir);
}

// Reading scanned every earlier point for a clash of names, a minute for
// 40,000 points (the time is measured in bench/project_bench.cpp). The
// lookups that replaced the scans have to stay in step with the lists.
TEST(ProjectFile, ManyPointsReadWithLookupsInStep) {
    constexpr int kPoints = 1000;
    // Appended, not "P" + ...: GCC 12 at -O3 warns of an overlapping copy.
    const auto name = [](int i) {
        std::string text = "P";
        text += std::to_string(i);
        return text;
    };
    ProjectData data;
    for (int i = 0; i < kPoints; ++i)
        data.points.push_back({i + 1,
                               name(i),
                               {{Input::DryBulb, 60.0 + i % 30}, {Input::HumidityRatio, 0.008}},
                               Airflow{1000, AirflowUnit::Cfm}});
    for (int i = 0; i + 1 < kPoints; ++i)
        data.processes.push_back({i + 1, i + 2});
    for (int i = 0; i + 2 < kPoints; i += 3)
        data.mixings.push_back({i + 1, i + 2, i + 3, 0.5});
    const std::string bytes = WriteProjectFile(data);

    Model model;
    model.replace(read(bytes));
    ASSERT_EQ(model.pointCount(), kPoints);
    for (const int i : {0, 1, kPoints / 2, kPoints - 1}) {
        EXPECT_EQ(model.index().positionOfName(name(i)), i);
        EXPECT_EQ(model.index().positionOfId(model.point(i).id), i);
    }
    EXPECT_TRUE(model.processResult(kPoints - 2).analysis)
        << model.processResult(kPoints - 2).message;
    EXPECT_EQ(WriteProjectFile(model.data()), bytes);

    // A clash of names at the very end is still found.
    data.points.back().name = "P0";
    EXPECT_NE(refusal(WriteProjectFile(data)).find("There is a point named P0 already."),
              std::string::npos);
}
