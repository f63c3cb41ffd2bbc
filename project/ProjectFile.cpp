#include "project/ProjectFile.h"

#include "project/QtText.h"
#include "translations/Message.h"

#include <string_view>

namespace project {

std::variant<ProjectData, QString> ReadProjectFile(const QByteArray& bytes) {
    auto read = LoadProjectFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (auto* error = std::get_if<i18n::Message>(&read))
        return translations::Translated(*error);
    return std::get<ProjectData>(std::move(read));
}

} // namespace project
