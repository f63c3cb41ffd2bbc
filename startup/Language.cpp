#include "startup/Language.h"

#include "settings/SettingsValues.h"
#include "translations/Languages.h"

#include <QCoreApplication>
#include <QLocale>

namespace basMain {

bool IsLanguageChoice(const QString& given) {
    return translations::FollowsSystem(given) || !translations::LanguageCode(given).isEmpty();
}

QString SpeakLanguage(QCoreApplication& app, const QString& given) {
    QString choice;
    if (!given.trimmed().isEmpty() && IsLanguageChoice(given))
        choice = given; // "System" too: the system's, whatever was stored
    else
        choice = settings::ReadWindowSettings().language.value_or(QString());
    const QString code = translations::ChooseLanguage(choice, QLocale::system().uiLanguages());
    if (!translations::Install(app, code)) {
        // A catalogue that does not load (it is embedded: a broken build)
        // leaves the program in English rather than half translated.
        translations::Install(app, translations::kEnglish.toString());
        return translations::kEnglish.toString();
    }
    return code;
}

} // namespace basMain
