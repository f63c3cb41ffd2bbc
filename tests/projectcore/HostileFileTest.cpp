// The project file reader on what no program wrote: every truncation, bit
// flips, deep nesting, huge numbers, lists and texts, NUL, a byte-order mark.
// Each is read or refused with one sentence; nothing crashes, hangs or grows
// without bound (the sanitizer run watches for the rest).

#include "projectcore/Csv.h"
#include "projectcore/Model.h"
#include "projectcore/ProjectFile.h"
#include "projectcore/Text.h"

#include <random>

#include <gtest/gtest.h>

using namespace project;

namespace {

// A version-2 file with points, a process, a mixture, zones and the air
// handler: something of every part of the format to cut into.
std::string sample() {
    ProjectData data;
    data.atmosphere = {12.23, UnitSystem::SI};
    for (int i = 0; i < 3; ++i)
        data.points.push_back({i + 1,
                               SequenceName(i),
                               {{Input::DryBulb, 70.0 + i}, {Input::HumidityRatio, 0.008}},
                               processes::Airflow{1000.0 + i, processes::AirflowUnit::Cfm}});
    data.points[1].name = "Zuluft \xce\xb1";
    data.processes = {{1, 2}};
    data.mixings = {{1, 2, 3, 0.5}};
    data.zones.userZones = {{"Office", {}, true}};
    data.zones.userZones[0].limits.maxDryBulbF = 80.0;
    data.airHandler = AirHandlerSetup{};
    return WriteProjectFile(data);
}

// Read, or refused with one sentence of valid UTF-8 and a sensible length.
void expectReadOrRefused(const std::string& bytes, const std::string& what) {
    auto read = ReadProjectFile(bytes);
    if (const auto* message = std::get_if<std::string>(&read)) {
        EXPECT_TRUE(message->ends_with('.')) << what << ": " << *message;
        EXPECT_FALSE(HasUnfitCharacter(*message)) << what << ": " << *message;
        EXPECT_LT(message->size(), 1000u) << what;
    }
}

std::string millionZeros() {
    std::string list = "[0";
    for (int i = 1; i < 1'000'000; ++i)
        list += ",0";
    return list + ']';
}

std::string refusal(const std::string& bytes) {
    auto read = ReadProjectFile(bytes);
    return std::holds_alternative<std::string>(read) ? std::get<std::string>(read) : "read";
}

} // namespace

TEST(HostileFile, EveryTruncationIsRefused) {
    const std::string full = sample();
    ASSERT_EQ(refusal(full), "read");
    // Every prefix short of the closing brace is damaged; the closing line
    // end alone may go.
    for (std::size_t length = 0; length + 2 < full.size(); ++length) {
        const std::string cut = full.substr(0, length);
        const std::string message = refusal(cut);
        ASSERT_NE(message, "read") << length;
        expectReadOrRefused(cut, "cut at " + std::to_string(length));
    }
}

TEST(HostileFile, BitFlipsAreReadOrRefused) {
    const std::string full = sample();
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> at(0, full.size() - 1);
    std::uniform_int_distribution<int> bit(0, 7);
    for (int trial = 0; trial < 3000; ++trial) {
        std::string flipped = full;
        for (int k = 0; k <= trial % 3; ++k)
            flipped[at(random)] ^= static_cast<char>(1 << bit(random));
        expectReadOrRefused(flipped, "trial " + std::to_string(trial));
    }
}

TEST(HostileFile, AbsurdShapesAndSizesAreRefusedWithAReason) {
    const std::string full = sample();
    const auto inPoint = [&full](const std::string& value) {
        std::string text = full;
        const std::string from = "\"value\": 1000.0";
        text.replace(text.find(from), from.size(), "\"value\": " + value);
        return text;
    };
    const struct {
        const char* name;
        std::string bytes;
        const char* says;
    } cases[] = {
        {"1,024 levels of lists, then more", std::string(1025, '[') + std::string(1025, ']'),
         "too deeply nested document"},
        {"ten million opening brackets", std::string(10'000'000, '['),
         "too deeply nested document"},
        {"nesting inside the file", inPoint(std::string(2000, '[') + std::string(2000, ']')),
         "too deeply nested document"},
        {"a number of a thousand digits", inPoint(std::string(1000, '9')), "illegal number"},
        {"a number beyond a double", inPoint("1e400"), "illegal number"},
        {"a number below a double's least", inPoint("-1e-400"), "illegal number"},
        {"a list of a million numbers", inPoint(millionZeros()), "\"value\" is not a number"},
        {"a text of ten megabytes", inPoint('"' + std::string(10'000'000, 'x') + '"'),
         "\"value\" is not a number"},
        {"NUL after the document", full + std::string(1, '\0'), "This is not a project file: "},
        {"NUL inside the document", std::string(1, '\0') + full, "This is not a project file: "},
        {"bytes that are no UTF-8", inPoint("\"\xff\xfe\""), "This is not a project file: "},
        {"two documents", full + full, "This is not a project file: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string message = refusal(c.bytes);
        EXPECT_NE(message.find(c.says), std::string::npos) << message.substr(0, 300);
        expectReadOrRefused(c.bytes, c.name);
    }
    // A byte-order mark before the document, as some editors write it, is
    // read, as it always was; 1,024 levels are within bounds.
    EXPECT_EQ(refusal("\xEF\xBB\xBF" + full), "read");
    EXPECT_EQ(refusal(std::string(1024, '[') + std::string(1024, ']')),
              "This is not a Vaporwright project file.");
    // A number's tiniest and largest doubles are numbers.
    EXPECT_EQ(refusal(inPoint("4.9e-324")), "read");
    EXPECT_EQ(refusal(inPoint("1.7976931348623157e308")), "read");
}

// Line ends are JSON's whitespace: a file saved by an editor with CR LF, by
// an old Macintosh one with CR alone, or on one line (a single line of
// megabytes), or with tabs, reads as the file it came from.
TEST(HostileFile, AnyLineEndsOrOneLineReadAlike) {
    const std::string full = sample();
    const ProjectData expected = std::get<ProjectData>(ReadProjectFile(full));
    const auto replaced = [&full](char from, const std::string& to) {
        std::string out;
        for (const char c : full)
            out += c == from ? to : std::string(1, c);
        return out;
    };
    std::string large;
    {
        ProjectData many;
        for (int i = 0; i < 20000; ++i)
            many.points.push_back(
                {i + 1,
                 SequenceName(i),
                 {{Input::DryBulb, 40.0 + i % 60}, {Input::RelativeHumidity, 0.5}},
                 std::nullopt});
        large = WriteProjectFile(many);
        std::erase(large, '\n');
        std::erase(large, ' ');
    }
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"CR LF", replaced('\n', "\r\n")},
        {"CR", replaced('\n', "\r")},
        {"one line", replaced('\n', "")},
        {"tabs and blank lines", replaced('\n', "\n\t\n \t")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = ReadProjectFile(c.bytes);
        ASSERT_TRUE(std::holds_alternative<ProjectData>(read)) << std::get<std::string>(read);
        EXPECT_EQ(WriteProjectFile(std::get<ProjectData>(read)), WriteProjectFile(expected));
    }
    ASSERT_GT(large.size(), 2'000'000u);
    const auto read = ReadProjectFile(large);
    ASSERT_TRUE(std::holds_alternative<ProjectData>(read));
    EXPECT_EQ(std::get<ProjectData>(read).points.size(), 20000u);
}

// Absurd numbers in the air handler that the file's checks let through (a
// load of 1e300 Btu/h, a share of 1e-320, a supply airflow of 1e308 cfm, a
// fan of 1e308 kW): the project opens, each case is solved or refused with
// its reason, and no table shows a number that is none.
TEST(HostileFile, AbsurdAirHandlerNumbersGiveReasonsNotInfinities) {
    const std::string full = sample();
    const struct {
        const char* from;
        const char* to;
    } cases[] = {
        {"\"roomSensibleBtuPerHour\": 100000.0", "\"roomSensibleBtuPerHour\": 1e300"},
        {"\"roomSensibleBtuPerHour\": 100000.0", "\"roomSensibleBtuPerHour\": 1e-300"},
        {"\"roomLatentBtuPerHour\": 25000.0", "\"roomLatentBtuPerHour\": -1e300"},
        {"\"share\": 0.2", "\"share\": 1e-320"},
        {"\"riseF\": 2.0", "\"riseF\": 1e300"},
        {"\"dryBulbF\": 55.0", "\"dryBulbF\": -1e300"},
        {"\"value\": 10000.0", "\"value\": 1e308"},
        {"\"power\": 10.0", "\"power\": 1e308"},
        {"\"differenceF\": 20.0", "\"differenceF\": 1e-300"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.to);
        std::string bytes = full;
        const std::size_t at = bytes.find(c.from);
        ASSERT_NE(at, std::string::npos);
        bytes.replace(at, std::string_view(c.from).size(), c.to);
        auto read = ReadProjectFile(bytes);
        if (std::holds_alternative<std::string>(read))
            continue; // refused with its reason: the sweep above checks those
        Model model;
        model.replace(std::get<ProjectData>(std::move(read)));
        ASSERT_TRUE(model.airHandlerResult());
        for (const NamedTable& table : ProjectTables(model)) {
            for (const char* none : {"inf", "nan", "e+", "e-"})
                EXPECT_EQ(table.csv.find(none), std::string::npos) << table.name << ": " << none;
        }
        for (const airhandler::Season season :
             {airhandler::Season::Summer, airhandler::Season::Winter}) {
            if (!model.airHandlerResult()->solution.of(season).ok()) {
                EXPECT_FALSE(model.airHandlerResult()->refusal(season).empty());
            }
        }
    }
}
