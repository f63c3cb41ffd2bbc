// vaporwright-batch: the calculator at the command line. See HelpText
// (batch/Options.cpp) and the manual page docs/vaporwright-batch.1.

#include "batch/Language.h"
#include "batch/Options.h"
#include "batch/ProjectRun.h"
#include "batch/Run.h"
#include "batch/Version.h"
#include "weather/Fields.h"
#include "weather/Lines.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

int fail(int code, const std::string& message) {
    std::fprintf(stderr, "vaporwright-batch: %s\n", message.c_str());
    if (code == batch::kExitUsage)
        std::fprintf(
            stderr, "%s\n",
            batch::Say(VW_TRANSLATABLE("batch::main", "Try 'vaporwright-batch --help'.")).c_str());
    return code;
}

bool isStandard(const std::string& path) {
    return path.empty() || path == "-";
}

// The path in double quotes, appended piece by piece (GCC 12 at -O3 takes
// "\"" + text for an overlapping copy, -Wrestrict).
std::string shown(const std::string& path) {
    std::string text = "\"";
    text += weather::ShownText(path, 4096);
    text += '"';
    return text;
}

// Whether writing `output` would empty the regular file open as `input`:
// the same file by any name (a hard link, a symbolic link, /dev/stdin).
bool wouldEmpty(std::FILE* input, const std::string& output) {
    struct stat in {};
    struct stat out {};
    return ::fstat(::fileno(input), &in) == 0 && ::stat(output.c_str(), &out) == 0 &&
           S_ISREG(in.st_mode) && in.st_dev == out.st_dev && in.st_ino == out.st_ino;
}

// The size of the regular file open as `file`, 0 for anything else (a
// pipe, a terminal).
std::uint64_t regularFileSize(std::FILE* file) {
    struct stat status {};
    if (::fstat(::fileno(file), &status) != 0 || !S_ISREG(status.st_mode))
        return 0;
    return static_cast<std::uint64_t>(status.st_size);
}

int run(const std::vector<std::string_view>& arguments) {
    using namespace batch;
    auto parsed = ParseOptions(arguments);
    if (auto* message = std::get_if<std::string>(&parsed))
        return fail(kExitUsage, *message);
    const Options& options = std::get<Options>(parsed);
    if (options.help) {
        std::fputs(HelpText().c_str(), stdout);
        return kExitOk;
    }
    if (options.version) {
        std::printf("vaporwright-batch %.*s\n", static_cast<int>(kVersion.size()), kVersion.data());
        return kExitOk;
    }

    if (!options.project.empty()) {
        // The whole project is read and computed before anything is written.
        auto tables = ProjectTables(options);
        if (auto* failed = std::get_if<RunResult>(&tables))
            return fail(failed->exitCode, failed->message);
        const RunResult written =
            WriteProjectTables(options, std::get<std::vector<project::NamedTable>>(tables), stdout);
        return written.exitCode == kExitOk ? kExitOk : fail(written.exitCode, written.message);
    }

    // The input is opened first, so that the output can be checked against
    // the very file read.
    const bool epw = !options.epw.empty();
    const std::string& source = epw ? options.epw : options.input;
    weather::FilePtr input;
    if (!isStandard(source)) {
        weather::OpenedFile opened = weather::OpenForReading(source, false);
        if (!opened.file)
            return fail(kExitBadInput,
                        batch::Say(epw ? VW_TRANSLATABLE("batch::main",
                                                         "Cannot open the weather file %1: %2")
                                       : VW_TRANSLATABLE("batch::main", "Cannot open %1: %2"),
                                   {shown(source), std::strerror(opened.error)}));
        input = std::move(opened.file);
    }
    std::FILE* const in = input ? input.get() : stdin;
    // Opening the output empties it: never the file being read.
    if (!isStandard(options.output) && wouldEmpty(in, options.output))
        return fail(kExitUsage,
                    Say(input ? VW_TRANSLATABLE("batch::main", "The output %1 is the input file")
                              : VW_TRANSLATABLE("batch::main",
                                                "The output %1 is the input file (standard input)"),
                        {shown(options.output)}));
    weather::FilePtr output;
    if (!isStandard(options.output)) {
        output.reset(std::fopen(options.output.c_str(), "wb"));
        const int error = errno;
        if (!output)
            return fail(kExitBadOutput, Say(VW_TRANSLATABLE("batch::main", "Cannot write %1: %2"),
                                            {shown(options.output), std::strerror(error)}));
    }
    std::FILE* const out = output ? output.get() : stdout;

    const std::uint64_t size = regularFileSize(in);
    RunResult result;
    Sink sink(out);
    {
        Progress progress(isatty(STDERR_FILENO) != 0 ? stderr : nullptr, size);
        result = epw ? RunEpw(in, options.epw, sink, options, progress)
                     : RunCsv(in, sink, options, progress);
    }
    const bool written =
        sink.flush() && std::fflush(out) == 0 && (!output || std::fclose(output.release()) == 0);
    if (result.exitCode != kExitOk)
        return fail(result.exitCode, result.message);
    if (!written)
        return fail(kExitBadOutput,
                    isStandard(options.output)
                        ? Say(VW_TRANSLATABLE("batch::main", "Could not write the output"))
                        : Say(VW_TRANSLATABLE("batch::main", "Could not write the output %1"),
                              {shown(options.output)}));
    return kExitOk;
}

} // namespace

int main(int argc, char** argv) {
    try {
        // The catalogues beside the program (share/locale of the installed
        // prefix, or of the build tree), else where the build installs them.
        std::error_code error;
        batch::SpeakUsersLanguage(
            batch::LocaleDirFor(std::filesystem::read_symlink("/proc/self/exe", error).string(),
                                VW_INSTALLED_LOCALE_DIR));
        return run(std::vector<std::string_view>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vaporwright-batch: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "vaporwright-batch: %s\n",
                     batch::Say(VW_TRANSLATABLE("batch::main", "unexpected failure")).c_str());
    }
    return batch::kExitBadInput;
}
