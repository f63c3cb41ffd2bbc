// The program as a command: its exit codes and what it says on standard error.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const std::string kProgram = VW_BATCH_PROGRAM;

// Runs a shell command line in which $P is the program; its exit code.
int exitCode(const std::string& command) {
    std::string line = "P='" + kProgram + "'; " + command + " > /dev/null 2>&1";
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(BatchProgram, ExitCodes) {
    struct Case {
        const char* command;
        int code;
    };
    const Case cases[] = {
        {"\"$P\" --help", 0},
        {"\"$P\" --version | grep -qx 'vaporwright-batch [0-9.]*'", 0},
        {"printf 'dry_bulb_F,relative_humidity_pct\\n75,50\\nabc,1\\n\\n' | \"$P\"", 0},
        {"printf 'dry_bulb_F,relative_humidity_pct\\n75,50\\n' | \"$P\" - --units SI --formats", 0},
        {"\"$P\" --epw '" VW_WEATHER_DATA_DIR "/USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw'", 0},
        {"\"$P\" --units", 1},
        {"\"$P\" --bogus", 1},
        {"\"$P\" --pressure 14 --altitude 0", 1},
        {"f=\"${TMPDIR:-/tmp}/vw-batch-same.csv\"; printf 'dry_bulb_F,wet_bulb_F\\n70,60\\n' > "
         "\"$f\"; "
         "\"$P\" \"$f\" -o \"$f\"; c=$?; grep -q 70,60 \"$f\" || c=99; rm -f \"$f\"; exit $c",
         1},
        {"printf 'dry_bulb_F,wet_bulb_F,altitude_ft\\n' | \"$P\" --pressure 14", 1},
        {"\"$P\" /nonexistent/readings.csv", 2},
        {"\"$P\" < /dev/null", 2},
        {"printf 'time,value\\n' | \"$P\"", 2},
        {"\"$P\" --epw /nonexistent.epw", 2},
        {"printf 'dry_bulb_F,wet_bulb_F\\n' > \"${TMPDIR:-/tmp}/vw-batch-not.epw\"; \"$P\" --epw "
         "\"${TMPDIR:-/tmp}/vw-batch-not.epw\"; c=$?; rm -f \"${TMPDIR:-/tmp}/vw-batch-not.epw\"; "
         "exit $c",
         2},
        {"printf 'dry_bulb_F,wet_bulb_F\\n70,60\\n' | \"$P\" -o /nonexistent/out.csv", 3},
        {"printf 'dry_bulb_F,wet_bulb_F\\n70,60\\n' | \"$P\" -o /dev/full", 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(exitCode(c.command), c.code) << c.command;
}

struct Ran {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs a shell command line in which $P is the program and $T a fresh
// temporary folder; its exit code, standard output and standard error.
Ran ran(const std::string& command) {
    // A folder of this test's own: ctest runs the tests side by side.
    const std::string dir = testing::TempDir() + "batch_program_" +
                            testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                            std::to_string(getpid());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string line =
        "P='" + kProgram + "'; T='" + dir + "'; { " + command + "; } 2>'" + dir + ".err'";
    Ran result;
    std::FILE* pipe = popen(line.c_str(), "r");
    if (pipe == nullptr)
        return result;
    char block[4096];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, pipe)) > 0;)
        result.out.append(block, n);
    const int status = pclose(pipe);
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(dir + ".err", std::ios::binary);
    result.err.assign(std::istreambuf_iterator<char>(err), {});
    std::filesystem::remove_all(dir);
    std::filesystem::remove(dir + ".err");
    return result;
}

TEST(BatchProgram, OutputThatIsTheInputByAnyNameIsRefusedAndTheInputKept) {
    // Regression: "-o FILE < FILE" emptied FILE before reading it.
    const std::string csv = "printf 'dry_bulb_F,wet_bulb_F\\n70,60\\n' > \"$T/in.csv\"; ";
    const std::string kept = "; echo \"exit $?\"; cat \"$T/in.csv\"";
    struct Case {
        const char* name;
        std::string command;
    };
    const Case cases[] = {
        {"standard input", csv + "\"$P\" -o \"$T/in.csv\" < \"$T/in.csv\"" + kept},
        {"named input", csv + "\"$P\" \"$T/in.csv\" -o \"$T/in.csv\"" + kept},
        {"hard link",
         csv + "ln \"$T/in.csv\" \"$T/hard.csv\"; \"$P\" -o \"$T/hard.csv\" < \"$T/in.csv\"" +
             kept},
        {"symbolic link",
         csv + "ln -s in.csv \"$T/link.csv\"; \"$P\" \"$T/in.csv\" --output=\"$T/link.csv\"" +
             kept},
        {"/dev/stdin", csv + "\"$P\" -o /dev/stdin < \"$T/in.csv\"" + kept},
    };
    for (const Case& c : cases) {
        const Ran r = ran(c.command);
        EXPECT_EQ(r.out, "exit 1\ndry_bulb_F,wet_bulb_F\n70,60\n") << c.name;
        EXPECT_NE(r.err.find("is the input file"), std::string::npos) << c.name << ": " << r.err;
    }
    // The weather file too.
    const Ran epw = ran("cp '" VW_WEATHER_DATA_DIR "/USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw' "
                        "\"$T/w.epw\"; \"$P\" --epw \"$T/w.epw\" -o \"$T/w.epw\"; echo $?; "
                        "wc -l < \"$T/w.epw\"");
    EXPECT_EQ(epw.out, "1\n8768\n") << epw.err;
    EXPECT_NE(epw.err.find("is the input file"), std::string::npos) << epw.err;
}

TEST(BatchProgram, OpenFailuresSayWhatIsTrue) {
    // Regression: "--epw" of a folder said "The file is empty".
    struct Case {
        const char* command;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {"\"$P\" --epw \"$T\"", 2, "Cannot open the weather file \""},
        {"\"$P\" --epw \"$T\"", 2, "\": Is a directory"},
        {"\"$P\" \"$T\"", 2, "\": Is a directory"},
        {"\"$P\" \"$T/none.csv\"", 2, ": No such file or directory"},
        {"\"$P\" --epw \"$T/none.epw\"", 2, ": No such file or directory"},
        {"\"$P\" --epw /dev/null", 2, "\"/dev/null\": The file is empty."},
        // A named pipe is read as a stream, as any program reads one.
        {"mkfifo \"$T/p\"; printf 'dry_bulb_F,wet_bulb_F\\n70,60\\n' > \"$T/p\" & \"$P\" \"$T/p\" "
         "> /dev/null",
         0, ""},
    };
    for (const Case& c : cases) {
        const Ran r = ran(c.command);
        EXPECT_EQ(r.code, c.code) << c.command << "\n" << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.command << "\n" << r.err;
    }
}

TEST(BatchProgram, AnEndlessHeaderLineIsTooLongAtOnce) {
    // Regression: a header over 16 MiB gave memchr a null pointer and "The
    // header names 0 input columns". The program stops after the limit
    // rather than reading the gigabyte.
    const Ran r = ran("head -c 1G /dev/zero | \"$P\"");
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err, "vaporwright-batch: Unusable header: the header line is longer than 16 MiB\n");
    EXPECT_TRUE(r.out.empty());
}

TEST(BatchProgram, MessagesNeverCarryTheInputsControlCharacters) {
    // Regression: a file with lone carriage returns was one line, and its
    // carriage returns went into the message.
    const Ran oldMac = ran("printf 'time,dry_bulb_F,relative_humidity_pct\\r8,75,50\\r' | \"$P\"");
    EXPECT_EQ(oldMac.code, 0) << oldMac.err;
    EXPECT_EQ(std::count(oldMac.out.begin(), oldMac.out.end(), '\n'), 2) << oldMac.out;

    const Ran header = ran("printf 'dry_bulb_F,pressure_\\033[2J\\r\\n' | \"$P\"");
    EXPECT_EQ(header.code, 2);
    EXPECT_NE(header.err.find("\"pressure_\\x1B[2J\""), std::string::npos) << header.err;

    const Ran row = ran("printf 'dry_bulb_F,relative_humidity_pct\\n\\033[31m,50\\n' | \"$P\"");
    EXPECT_EQ(row.code, 0);
    EXPECT_NE(row.out.find("Could not read \"\"\\x1B[31m\"\" as a number"), std::string::npos)
        << row.out;
    for (const std::string* text : {&header.err, &row.out})
        EXPECT_EQ(text->find('\x1b'), std::string::npos) << *text;
}

TEST(BatchProgram, CopiedColumnsSurviveARoundTripThroughACsvReader) {
    // Regression: copied fields were written as they came, so one stray
    // quote opened a field that swallowed the rows after it.
    if (ran("command -v python3").code != 0)
        GTEST_SKIP() << "python3 is not installed";
    const std::string input = R"("id ""x""",dry_bulb_F,"note, text",relative_humidity_pct)"
                              "\n"
                              R"(1,75,"a,b",50)"
                              "\n"
                              R"("2",75,"say ""hi""",50)"
                              "\n"
                              R"(3,75,08:"00,50)"
                              "\n"
                              R"(4,75,"ab"c,50)"
                              "\n"
                              "5,75,caf\xC3\xA9 \x0C \x01,50\n"
                              "6,75,\"\",50\n"
                              R"(7,75,"unclosed,50)"
                              "\n";
    std::ofstream(testing::TempDir() + "round_trip.csv", std::ios::binary) << input;
    // Python reads the input and the output: the copied columns' values are
    // the same, every output row has the header's fields, and every input
    // line has its row. The last input line opens a field Python would run
    // on past the line, so it is compared by its row count only.
    const std::string script = R"(
import csv, sys
inp = list(csv.reader(open(sys.argv[1], newline='', encoding='utf-8')))
out = list(csv.reader(open(sys.argv[2], newline='', encoding='utf-8')))
assert len(out) == 8, out
assert all(len(r) == len(out[0]) for r in out), out
for i in range(7):
    assert out[i][:2] == [inp[i][0], inp[i][2]], (out[i][:2], inp[i])
assert out[7][:2] == ['7', 'unclosed,50'], out[7]
print('same')
)";
    const std::string in = testing::TempDir() + "round_trip.csv";
    const std::string check = testing::TempDir() + "round_trip.py";
    std::ofstream(check) << script;
    const Ran r = ran("\"$P\" '" + in + "' -o \"$T/out.csv\" && python3 '" + check + "' '" + in +
                      "' \"$T/out.csv\"");
    std::filesystem::remove(in);
    std::filesystem::remove(check);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "same\n") << r.err;
}

TEST(BatchProgram, StandardOutputHoldsOnlyTheTable) {
    // Messages go to standard error; the table alone to standard output.
    const std::string command = "printf 'time,value\\n' | '" + kProgram + "' 2>/dev/null | wc -c";
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    char count[32] = {};
    ASSERT_NE(std::fgets(count, sizeof count, pipe), nullptr);
    pclose(pipe);
    EXPECT_EQ(std::stoi(count), 0);
}

} // namespace
