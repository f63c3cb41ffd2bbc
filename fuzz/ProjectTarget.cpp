// The project file, read, written back and opened into a project: the
// Qt-free reader and model that the window and the command-line program
// share.

#include "core/RealAir.h"
#include "fuzz/Csv.h"
#include "fuzz/Targets.h"
#include "projectcore/Csv.h"
#include "projectcore/Model.h"
#include "projectcore/ProjectFile.h"

namespace fuzz {

Finding CheckProjectFile(std::string_view bytes) {
    auto read = project::ReadProjectFile(bytes);
    if (const auto* error = std::get_if<std::string>(&read))
        return error->empty() ? "a project file refused without a message" : Finding{};
    project::ProjectData& data = std::get<project::ProjectData>(read);

    // What was read is written and read again unchanged.
    const std::string written = project::WriteProjectFile(data);
    const auto again = project::ReadProjectFile(written);
    if (const auto* error = std::get_if<std::string>(&again))
        return "a project it read, written again, is refused: " + *error;
    if (project::WriteProjectFile(std::get<project::ProjectData>(again)) != written)
        return "a project it read changes when written and read again";

    // Opened, every point shown is real air.
    project::Model opened;
    opened.replace(std::move(data));
    for (int i = 0; i < opened.pointCount(); ++i) {
        const std::optional<CalcState>& state = opened.pointResult(i).state;
        if (!state)
            continue;
        if (const auto reason = calculator::CheckRealAir(*state))
            return "point " + std::to_string(i) + " is shown, but " +
                   calculator::ReasonText(*reason);
    }
    // Its tables, as the command-line program writes them, are CSV.
    for (const project::NamedTable& table : project::ProjectTables(opened)) {
        const auto records = ReadCsv(table.csv);
        if (const auto* error = std::get_if<std::string>(&records))
            return "its " + std::string(table.name) + " table is no valid CSV: " + *error;
        const auto& rows = std::get<std::vector<CsvRecord>>(records);
        for (const CsvRecord& row : rows) {
            if (row.size() != rows.front().size())
                return "its " + std::string(table.name) + " table has rows of unequal length";
        }
    }
    return {};
}

} // namespace fuzz
