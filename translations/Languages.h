#pragma once

// The languages the interface speaks, and the choice of one at start-up.
//
// English is the language of the source texts: it needs no catalogue. Every
// other language has one, embedded in the program as
// ":/i18n/vaporwright_<code>.qm" (translations/CMakeLists.txt). Qt's own
// texts (the buttons of message boxes, a field's context menu, --help's
// framework lines) come from Qt's catalogue of the same language,
// "qtbase_<code>.qm" in Qt's translations folder (Debian package
// qt6-translations-l10n), when it is installed.
//
// Only the language changes: numbers keep the user's locale (QLocale()),
// whichever language is chosen.

#include <array>

#include <QString>
#include <QStringList>
#include <QStringView>

class QCoreApplication;

namespace translations {

struct Language {
    QStringView code;       // as in the catalogue's name: "de", "zh_CN"
    QStringView nativeName; // as its speakers write it, for the Language menu
};

// English first, then the translations.
inline constexpr std::array<Language, 5> kLanguages{{
    {u"en", u"English"},
    {u"de", u"Deutsch"},
    {u"fr", u"Français"},
    {u"es", u"Español"},
    {u"zh_CN", u"简体中文"},
}};

inline constexpr QStringView kEnglish = u"en";

// The code of kLanguages that `name` names, or empty: a code in any letter
// case, alone or with a region, script or encoding ("de", "de_AT",
// "fr-CA", "es_ES.UTF-8", "EN"). Chinese in the simplified script only:
// "zh", "zh_CN", "zh_SG", "zh-Hans", "zh-Hans-CN"; "zh_TW" and "zh-Hant"
// name none.
QString LanguageCode(QStringView name);

// Whether a stored or given choice means "as the system says": empty, or
// "System" in any letter case.
bool FollowsSystem(QStringView choice);

// The language to speak: `choice` when it names one of ours (the user's, from
// the settings or the command line); otherwise the first of the system's
// languages, most preferred first (QLocale::system().uiLanguages()), that we
// speak, an English one included; English when there is none.
QString ChooseLanguage(QStringView choice, const QStringList& uiLanguages);

// Makes `app` speak the language of `code` (a code of kLanguages): the
// program's catalogue and Qt's, replacing those of the language spoken
// before; English removes them. Installing sends every widget a
// QEvent::LanguageChange. Returns false, and leaves the language as it was,
// when the program's catalogue of `code` cannot be loaded; a missing Qt
// catalogue only leaves Qt's own texts in English.
bool Install(QCoreApplication& app, const QString& code);

// The code of the language `app` speaks: the one Install last installed,
// English before any.
QString Spoken(const QCoreApplication& app);

// The resource path of the program's catalogue of `code`.
QString CatalogueResource(QStringView code);

} // namespace translations
