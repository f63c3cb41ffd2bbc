#include "batch/ProjectRun.h"

#include "batch/Language.h"
#include "projectcore/Edits.h"
#include "projectcore/ProjectFile.h"
#include "weather/Fields.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace batch {

namespace {

// The path in double quotes, appended piece by piece (GCC 12 at -O3 takes
// "\"" + text for an overlapping copy, -Wrestrict).
std::string shown(const std::string& path) {
    std::string text = "\"";
    text += weather::ShownText(path, 4096);
    text += '"';
    return text;
}

// Whether `output` is the file at `input` by any name.
bool isSameFile(const std::string& input, const std::string& output) {
    struct stat in {};
    struct stat out {};
    return ::stat(input.c_str(), &in) == 0 && ::stat(output.c_str(), &out) == 0 &&
           in.st_dev == out.st_dev && in.st_ino == out.st_ino;
}

// Whether the stream `out` writes into the file at `input` (standard output
// appended to the project file, say).
bool writesInto(std::FILE* out, const std::string& input) {
    struct stat in {};
    struct stat written {};
    return ::fstat(::fileno(out), &written) == 0 && S_ISREG(written.st_mode) &&
           ::stat(input.c_str(), &in) == 0 && in.st_dev == written.st_dev &&
           in.st_ino == written.st_ino;
}

bool isFolder(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// Writes `text` to `path` whole: a regular file (or a new one) through a
// temporary file beside it renamed into its place, so that a failed write
// leaves what was there; anything else (a device, a pipe) directly.
std::string writeWhole(const std::string& path, const std::string& text) {
    struct stat status {};
    const bool exists = ::stat(path.c_str(), &status) == 0;
    const auto fail = [&path](int error) {
        return Say(VW_TRANSLATABLE("batch::ProjectRun", "Cannot write %1: %2"),
                   {shown(path), std::strerror(error)});
    };
    if (exists && !S_ISREG(status.st_mode)) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr)
            return fail(errno);
        const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        const int error = errno;
        if (std::fclose(file) != 0 || !written)
            return fail(written ? errno : error);
        return {};
    }
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return fail(errno);
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = errno;
            ::close(fd);
            ::unlink(temporary.c_str());
            return fail(error);
        }
        done += static_cast<std::size_t>(n);
    }
    // The file gets the permissions a new file of the user's gets, or keeps
    // those of the file it replaces.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = exists ? (status.st_mode & 07777) : (0666 & ~mask);
    if (::fchmod(fd, mode) != 0 || ::close(fd) != 0 ||
        ::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return fail(error);
    }
    return {};
}

} // namespace

std::variant<std::vector<project::NamedTable>, RunResult> ProjectTables(const Options& options) {
    auto read = project::LoadProjectFileAt(options.project);
    if (auto* message = std::get_if<i18n::Message>(&read))
        return RunResult{kExitBadInput,
                         Say(VW_TRANSLATABLE("batch::ProjectRun", "%1 cannot be opened: %2"),
                             {shown(options.project), weather::ShownText(Say(*message), 4096)})};
    project::Model model;
    model.replace(std::get<project::ProjectData>(std::move(read)));
    if (options.unitsGiven) {
        // The unit system changed as the window changes it: points defined by
        // enthalpy keep their air.
        const project::Atmosphere& atmosphere = model.atmosphere();
        project::AtmospherePlan plan =
            project::PlanAtmosphere(model, {atmosphere.pressurePsia, options.rendering.system});
        if (plan.change)
            model.setAtmosphere(plan.change->after);
    }
    std::vector<project::NamedTable> tables = project::ProjectTables(model);
    if (!options.table.empty()) {
        const auto it = std::find_if(tables.begin(), tables.end(),
                                     [&options](const auto& t) { return t.name == options.table; });
        if (it == tables.end())
            return RunResult{kExitBadInput,
                             Say(VW_TRANSLATABLE("batch::ProjectRun",
                                                 "%1 has no air handler: it has no table %2"),
                                 {shown(options.project), options.table})};
        tables = {std::move(*it)};
    }
    return tables;
}

std::string JoinTables(const std::vector<project::NamedTable>& tables) {
    if (tables.size() == 1)
        return tables.front().csv;
    std::string text;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text.append(tables[i].name).append("\r\n").append(tables[i].csv);
    }
    return text;
}

RunResult WriteProjectTables(const Options& options, const std::vector<project::NamedTable>& tables,
                             std::FILE* out) {
    const std::string& output = options.output;
    if (output.empty() || output == "-") {
        if (writesInto(out, options.project))
            return {kExitUsage,
                    Say(VW_TRANSLATABLE("batch::ProjectRun",
                                        "The output is the input file (standard output)"))};
        const std::string text = JoinTables(tables);
        if (std::fwrite(text.data(), 1, text.size(), out) != text.size() || std::fflush(out) != 0)
            return {kExitBadOutput,
                    Say(VW_TRANSLATABLE("batch::ProjectRun", "Could not write the output"))};
        return {};
    }
    const bool folder = output.ends_with('/') || isFolder(output);
    if (!folder) {
        if (isSameFile(options.project, output))
            return {kExitUsage,
                    Say(VW_TRANSLATABLE("batch::ProjectRun", "The output %1 is the input file"),
                        {shown(output)})};
        // An output file is one CSV table: tables of different columns in
        // one file would make none.
        if (tables.size() != 1)
            return {kExitUsage, Say(VW_TRANSLATABLE("batch::ProjectRun",
                                                    "The project has %1 tables: give --table NAME "
                                                    "to write one to %2, or a folder (a name "
                                                    "ending in \"/\") for all"),
                                    {std::to_string(tables.size()), shown(output)})};
        if (std::string error = writeWhole(output, tables.front().csv); !error.empty())
            return {kExitBadOutput, std::move(error)};
        return {};
    }
    if (!isFolder(output) && ::mkdir(output.c_str(), 0777) != 0) {
        const int error = errno;
        return {kExitBadOutput,
                Say(VW_TRANSLATABLE("batch::ProjectRun", "Cannot make the folder %1: %2"),
                    {shown(output), std::strerror(error)})};
    }
    const std::string base = output.ends_with('/') ? output : output + '/';
    // Every name checked before any file is written.
    for (const project::NamedTable& table : tables) {
        const std::string path = base + std::string(table.name) + ".csv";
        if (isSameFile(options.project, path))
            return {kExitUsage,
                    Say(VW_TRANSLATABLE("batch::ProjectRun", "The output %1 is the input file"),
                        {shown(path)})};
    }
    for (const project::NamedTable& table : tables) {
        const std::string path = base + std::string(table.name) + ".csv";
        if (std::string error = writeWhole(path, table.csv); !error.empty())
            return {kExitBadOutput, std::move(error)};
    }
    return {};
}

} // namespace batch
