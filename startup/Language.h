#pragma once

// The language of a run, settled before any window is made: the one given on
// the command line (--lang CODE, for this run only), else the one the user
// chose in View > Language (the "Language" setting), else the system's
// (QLocale::system().uiLanguages()); English when we speak none of those.

#include <QString>

class QCoreApplication;

namespace basMain {

// Whether `given` (the value of --lang) names a language: a code of
// translations::kLanguages in any of the forms translations::LanguageCode
// takes, or "System" for the system's.
bool IsLanguageChoice(const QString& given);

// Makes `app` speak the language of the run (see above). `given` is --lang's
// value, empty when there was none; one that is no language choice
// (IsLanguageChoice) counts as none. Returns the code spoken.
QString SpeakLanguage(QCoreApplication& app, const QString& given);

} // namespace basMain
