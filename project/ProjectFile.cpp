#include "project/ProjectFile.h"

#include "project/QtText.h"

#include <string_view>

namespace project {

std::variant<ProjectData, QString> ReadProjectFile(const QByteArray& bytes) {
    auto read = ReadProjectFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (auto* error = std::get_if<std::string>(&read))
        return ToQString(*error);
    return std::get<ProjectData>(std::move(read));
}

} // namespace project
