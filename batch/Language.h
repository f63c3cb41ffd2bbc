#pragma once

// The language vaporwright-batch speaks on standard error and in --help:
// GNU gettext (glibc's libintl) over the catalogues compiled from
// translations/*.ts, looked up by the context and English source of
// VW_TRANSLATABLE (core/Translatable.h). The language comes from LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG, as for any command-line program; without a
// catalogue, or before SpeakUsersLanguage, every text is its English.
//
// What the program writes as data (the CSV's header, numbers and the reasons
// in its "reason" column) is never translated: scripts read it.

#include "core/Translatable.h"

#include <string>
#include <vector>

namespace batch {

// The gettext domain of the catalogues: share/locale/<code>/LC_MESSAGES/
// vaporwright.mo.
inline constexpr char kTextDomain[] = "vaporwright";

// Takes the user's locale for messages and character set, but keeps numbers
// as C writes them ("." for decimals, whatever the locale), so that no number
// of the output changes with the language; binds the catalogues of
// `localeDir`.
void SpeakUsersLanguage(const std::string& localeDir);

// The folder of the catalogues for the program at `program` (its path, as
// /proc/self/exe gives it): ../share/locale beside its folder, where both
// the installed program (bin/) and the build tree's (batch/) find them;
// `installed` where there is none.
std::string LocaleDirFor(const std::string& program, const std::string& installed);

// The text in the language spoken; its English where the catalogue has none.
std::string Say(const i18n::Text& text);

// The sentence in the language spoken with `pieces` in place of %1, %2, ...
// (English digits: "65,000", "-609.6").
std::string Say(const i18n::Text& text, const std::vector<std::string>& pieces);

// A marked message of the Qt-free libraries in the language spoken: its
// marked pieces translated, its numbers in English digits with their units.
std::string Say(const i18n::Message& message);

} // namespace batch
