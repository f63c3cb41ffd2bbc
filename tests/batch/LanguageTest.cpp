// The program in the user's language: messages and --help translated by the
// catalogues of the build tree, the data it writes the same in every
// language, byte for byte.
//
// glibc honours LANGUAGE only while the messages locale is not "C"; C.UTF-8
// is on every machine, so the language is chosen by LANGUAGE over it.

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const std::string kProgram = VW_BATCH_PROGRAM;

struct Ran {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs `arguments` of the program with `input` on standard input in
// `language` ("" for none: English); standard error is read as the tail of
// standard output after a marker line.
Ran speak(const std::string& language, const std::string& arguments,
          const std::string& input = "") {
    const std::string command =
        "printf '" + input + "' | env -u LC_MESSAGES -u LANG " +
        (language.empty() ? "-u LANGUAGE LC_ALL=C" : "LC_ALL=C.UTF-8 LANGUAGE=" + language) + " '" +
        kProgram + "' " + arguments + " 2>&1 >/dev/null; echo \"exit $?\"";
    Ran result;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.err.append(buffer, n);
    pclose(pipe);
    const std::size_t at = result.err.rfind("exit ");
    if (at != std::string::npos) {
        result.code = std::stoi(result.err.substr(at + 5));
        result.err.erase(at);
    }
    return result;
}

// The program's standard output alone.
std::string output(const std::string& language, const std::string& arguments,
                   const std::string& input = "") {
    const std::string command =
        "printf '" + input + "' | env -u LC_MESSAGES -u LANG " +
        (language.empty() ? "-u LANGUAGE LC_ALL=C" : "LC_ALL=C.UTF-8 LANGUAGE=" + language) + " '" +
        kProgram + "' " + arguments + " 2>/dev/null";
    std::string text;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return text;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        text.append(buffer, n);
    pclose(pipe);
    return text;
}

TEST(BatchLanguage, MessagesAndHelpInTheLanguageSpoken) {
    struct Case {
        const char* language;
        const char* usage;   // the help's first words
        const char* unknown; // the message of an unknown option
        const char* tryHelp;
    };
    const Case cases[] = {
        {"de", "Aufruf: vaporwright-batch", "Unbekannte Option „--bogus“; siehe --help",
         "Versuchen Sie „vaporwright-batch --help“."},
        {"fr", "Usage\u00a0: vaporwright-batch",
         "Option inconnue «\u00a0--bogus\u00a0»\u00a0; voir --help",
         "Essayez «\u00a0vaporwright-batch --help\u00a0»."},
        {"zh_CN", "用法：vaporwright-batch", "未知选项“--bogus”；参见 --help", "请尝试"},
    };
    for (const Case& c : cases) {
        const Ran bogus = speak(c.language, "--bogus");
        EXPECT_EQ(bogus.code, 1) << c.language;
        EXPECT_NE(bogus.err.find(std::string("vaporwright-batch: ") + c.unknown + "\n"),
                  std::string::npos)
            << c.language << ": " << bogus.err;
        EXPECT_NE(bogus.err.find(c.tryHelp), std::string::npos) << bogus.err;
        const std::string help = output(c.language, "--help");
        EXPECT_TRUE(help.starts_with(c.usage)) << c.language << ": " << help.substr(0, 80);
        // Every option is still named as typed.
        for (const char* option : {"--units IP|SI", "--pressure", "--epw", "--project", "--table",
                                   "-o, --output", "--version", "airhandler-rollup"})
            EXPECT_NE(help.find(option), std::string::npos) << c.language << ": " << option;
    }
    // A message with a marked sentence of the compute core in it, and one of
    // the header: both in German.
    EXPECT_EQ(speak("de", "--pressure 900psia").err,
              "vaporwright-batch: --pressure: Luftdruck über 146.96 psia\n"
              "Versuchen Sie „vaporwright-batch --help“.\n");
    EXPECT_NE(speak("de", "", "time,value\\n").err.find("Unbrauchbare Kopfzeile: "),
              std::string::npos);
    // A project refused with the window's message, in the language spoken.
    const std::string project = testing::TempDir() + "/not-a-project-" + std::to_string(getpid());
    std::ofstream(project) << "[]";
    EXPECT_EQ(speak("fr", "--project '" + project + "'").err,
              "vaporwright-batch: Impossible d'ouvrir \"" + project +
                  "\"\u00a0: Ce n'est pas un fichier de projet Vaporwright.\n");
    std::remove(project.c_str());
}

TEST(BatchLanguage, EnglishWhereNoCatalogueSpeaks) {
    const std::string english = output("", "--help");
    ASSERT_TRUE(english.starts_with("Usage: vaporwright-batch [OPTIONS] [FILE]\n"));
    EXPECT_TRUE(english.ends_with("--table airhandler-rollup --units SI\n"));
    for (const char* language : {"en", "pt_BR", "zz"}) {
        EXPECT_EQ(output(language, "--help"), english) << language;
        EXPECT_EQ(speak(language, "--bogus").err,
                  "vaporwright-batch: Unknown option \"--bogus\"; see --help\n"
                  "Try 'vaporwright-batch --help'.\n")
            << language;
    }
}

// Scripts read what the program writes: the CSV's header, numbers and the
// reasons of its "reason" column stay English in every language.
TEST(BatchLanguage, TheDataWrittenIsTheSameInEveryLanguage) {
    const std::string rows = "time,dry_bulb_F,relative_humidity_pct,pressure_kPa\\n"
                             "08:00,75,50,101.325\\n09:00,eighty,50,101\\n10:00,75,50,900\\n"
                             "11:00,75\\n12:00,-200,50,101\\n";
    const std::string epw =
        "--epw '" VW_WEATHER_DATA_DIR "/USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw' --units SI";
    const std::string project = "--project '" VW_PROJECT_DATA_DIR "/v1-project.vwproj'";
    const std::string english = output("", "--formats", rows);
    ASSERT_NE(english.find("Could not read \"\"eighty\"\" as a number in dry_bulb_F"),
              std::string::npos)
        << english;
    const std::string englishEpw = output("", epw);
    const std::string englishProject = output("", project);
    ASSERT_FALSE(englishEpw.empty());
    ASSERT_FALSE(englishProject.empty());
    for (const char* language : {"de", "fr", "es", "zh_CN"}) {
        EXPECT_EQ(output(language, "--formats", rows), english) << language;
        EXPECT_EQ(output(language, epw), englishEpw) << language;
        EXPECT_EQ(output(language, project), englishProject) << language;
    }
}

} // namespace
