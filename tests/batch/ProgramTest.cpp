// The program as a command: its exit codes and what it says on standard error.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>

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
