// vaporwright-batch: the calculator at the command line. See HelpText
// (batch/Options.cpp) and the manual page docs/vaporwright-batch.1.

#include "batch/Options.h"
#include "batch/Run.h"
#include "batch/Version.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

int fail(int code, const std::string& message) {
    std::fprintf(stderr, "vaporwright-batch: %s\n", message.c_str());
    if (code == batch::kExitUsage)
        std::fputs("Try 'vaporwright-batch --help'.\n", stderr);
    return code;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool isStandard(const std::string& path) {
    return path.empty() || path == "-";
}

// The size of a regular file, 0 for anything else (a pipe, a terminal).
std::uint64_t regularFileSize(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return 0;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
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

    File input;
    if (options.epw.empty() && !isStandard(options.input)) {
        input.reset(std::fopen(options.input.c_str(), "rb"));
        if (!input)
            return fail(kExitBadInput,
                        "Cannot open \"" + options.input + "\": " + std::strerror(errno));
    }
    // Opening the output empties it: never the file being read.
    const std::string& source = options.epw.empty() ? options.input : options.epw;
    std::error_code error;
    if (!isStandard(source) && !isStandard(options.output) &&
        std::filesystem::equivalent(source, options.output, error))
        return fail(kExitUsage, "The output \"" + options.output + "\" is the input file");
    File output;
    if (!isStandard(options.output)) {
        output.reset(std::fopen(options.output.c_str(), "wb"));
        if (!output)
            return fail(kExitBadOutput,
                        "Cannot write \"" + options.output + "\": " + std::strerror(errno));
    }
    std::FILE* const out = output ? output.get() : stdout;

    const std::uint64_t size = isStandard(source) ? 0 : regularFileSize(source);
    RunResult result;
    Sink sink(out);
    {
        Progress progress(isatty(STDERR_FILENO) != 0 ? stderr : nullptr, size);
        result = options.epw.empty() ? RunCsv(input ? input.get() : stdin, sink, options, progress)
                                     : RunEpw(options.epw, sink, options, progress);
    }
    const bool written =
        sink.flush() && std::fflush(out) == 0 && (!output || std::fclose(output.release()) == 0);
    if (result.exitCode != kExitOk)
        return fail(result.exitCode, result.message);
    if (!written)
        return fail(kExitBadOutput,
                    "Could not write the output" + (isStandard(options.output)
                                                        ? std::string()
                                                        : " \"" + options.output + "\""));
    return kExitOk;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return run(std::vector<std::string_view>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vaporwright-batch: %s\n", e.what());
    } catch (...) {
        std::fputs("vaporwright-batch: unexpected failure\n", stderr);
    }
    return batch::kExitBadInput;
}
