// The project file, read, written back and opened into a project.

#include "core/RealAir.h"
#include "fuzz/Targets.h"
#include "project/Project.h"
#include "project/ProjectFile.h"

#include <QByteArray>
#include <QString>

namespace fuzz {

Finding CheckProjectFile(std::string_view bytes) {
    const QByteArray raw =
        QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    auto read = project::ReadProjectFile(raw);
    if (const auto* error = std::get_if<QString>(&read))
        return error->isEmpty() ? "a project file refused without a message" : Finding{};
    project::ProjectData& data = std::get<project::ProjectData>(read);

    // What was read is written and read again unchanged.
    const std::string written = project::WriteProjectFile(data);
    const auto again = project::ReadProjectFile(QByteArray::fromStdString(written));
    if (const auto* error = std::get_if<QString>(&again))
        return "a project it read, written again, is refused: " + error->toStdString();
    if (project::WriteProjectFile(std::get<project::ProjectData>(again)) != written)
        return "a project it read changes when written and read again";

    // Opened, every point shown is real air.
    project::Project opened;
    opened.replace(std::move(data));
    for (int i = 0; i < opened.pointCount(); ++i) {
        const std::optional<CalcState>& state = opened.pointResult(i).state;
        if (!state)
            continue;
        if (const auto reason = calculator::CheckRealAir(*state))
            return "point " + std::to_string(i) + " is shown, but " +
                   calculator::ReasonText(*reason);
    }
    return {};
}

} // namespace fuzz
