#include "batch/Language.h"

#include <clocale>
#include <filesystem>
#include <libintl.h>
#include <system_error>

namespace batch {

void SpeakUsersLanguage(const std::string& localeDir) {
    // Where the user's locale is not on the machine, setlocale fails and
    // the program stays in the C locale: English, as gettext does.
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
    bindtextdomain(kTextDomain, localeDir.c_str());
    textdomain(kTextDomain);
}

std::string LocaleDirFor(const std::string& program, const std::string& installed) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path beside = fs::path(program).parent_path().parent_path() / "share" / "locale";
    if (!program.empty() && fs::is_directory(beside, error))
        return beside.string();
    return installed;
}

std::string Say(const i18n::Text& text) {
    if (text.source == nullptr || *text.source == '\0')
        return {};
    // The catalogue's key: the context and the source, joined by EOT as
    // msgctxt and msgid are in a .mo file.
    std::string key = text.context;
    key += '\004';
    key += text.source;
    const char* found = dgettext(kTextDomain, key.c_str());
    return found == key.c_str() ? std::string(text.source) : std::string(found);
}

std::string Say(const i18n::Text& text, const std::vector<std::string>& pieces) {
    return i18n::FillPlaceholders(Say(text), pieces);
}

std::string Say(const i18n::Message& message) {
    std::vector<std::string> pieces;
    pieces.reserve(message.arguments.size());
    for (const i18n::Argument& argument : message.arguments) {
        if (argument.kind == i18n::Argument::Kind::Marked)
            pieces.push_back(Say(argument.marked));
        else if (argument.kind == i18n::Argument::Kind::Sentence && argument.sentence)
            pieces.push_back(Say(*argument.sentence));
        else
            pieces.push_back(argument.English());
    }
    return Say(message.text, pieces);
}

} // namespace batch
