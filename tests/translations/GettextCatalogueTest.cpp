// The catalogues of the Qt-free programs: GNU gettext (glibc's libintl) over
// the .mo files the build compiles from translations/*.ts, looked up by
// context and English source as VW_TRANSLATABLE marks them. No Qt here: this
// is the way vaporwright-batch reaches its translations.
//
// glibc honours LANGUAGE only while LC_MESSAGES is not the "C" locale, and
// the user's own locale may not be generated on the machine; C.UTF-8 always
// is. So: LC_MESSAGES = C.UTF-8, the language in LANGUAGE.

#include "core/RealAir.h"
#include "core/Translatable.h"

#include <clocale>
#include <cstdlib>
#include <libintl.h>
#include <optional>
#include <string>

#include <gtest/gtest.h>

// glibc's count of catalogue changes: raising it makes gettext forget the
// translations it has found, as the gettext manual says for a change of
// LANGUAGE within a run.
extern "C" int _nl_msg_cat_cntr; // NOLINT: glibc's own name

namespace {

using calculator::Reason;

constexpr char kDomain[] = "vaporwright";

// The translation of a marked text in the language of LANGUAGE; the English
// source where the catalogue has none.
std::string Translated(const i18n::Text& text) {
    const std::string key = std::string(text.context) + '\004' + text.source;
    const char* found = dgettext(kDomain, key.c_str());
    return found == key.c_str() ? std::string(text.source) : std::string(found);
}

class GettextCatalogue : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* language = std::getenv("LANGUAGE"))
            saved = language;
        ASSERT_NE(std::setlocale(LC_MESSAGES, "C.UTF-8"), nullptr);
        ASSERT_NE(bindtextdomain(kDomain, VW_LOCALE_DIR), nullptr);
        ASSERT_NE(bind_textdomain_codeset(kDomain, "UTF-8"), nullptr);
    }
    void TearDown() override {
        if (saved)
            setenv("LANGUAGE", saved->c_str(), 1);
        else
            unsetenv("LANGUAGE");
        std::setlocale(LC_MESSAGES, "C");
    }
    // A new language for the lookups to come.
    static void Speak(const char* language) {
        setenv("LANGUAGE", language, 1);
        ++_nl_msg_cat_cntr;
    }

    std::optional<std::string> saved;
};

TEST_F(GettextCatalogue, AReasonIsFoundByItsContextAndSource) {
    const i18n::Message message = calculator::ReasonMessage(Reason::AltitudeAboveRange);
    Speak("de");
    EXPECT_EQ(Translated(message.text), "Höhe über %1");
    EXPECT_EQ(i18n::FillPlaceholders(Translated(message.text), {message.arguments[0].English()}),
              "Höhe über 65,000 ft");
    Speak("fr");
    EXPECT_EQ(Translated(message.text), "Altitude supérieure à %1");
    Speak("zh_CN");
    EXPECT_EQ(Translated(message.text), "海拔超过 %1");
}

TEST_F(GettextCatalogue, EveryReasonIsTranslatedInEveryLanguage) {
    for (const char* language : {"de", "fr", "es", "zh_CN"}) {
        Speak(language);
        for (int r = 0; r <= static_cast<int>(Reason::NumberTooLarge); ++r) {
            const i18n::Text text = calculator::ReasonMessage(static_cast<Reason>(r), "SI").text;
            EXPECT_NE(Translated(text), text.source) << language << ": " << text.source;
        }
    }
}

TEST_F(GettextCatalogue, PluralsFollowTheLanguagesRule) {
    const std::string key = std::string("chart::PointsView") + '\004' + "Delete %n points";
    Speak("de");
    EXPECT_STREQ(dngettext(kDomain, key.c_str(), key.c_str(), 1), "%n Punkt löschen");
    EXPECT_STREQ(dngettext(kDomain, key.c_str(), key.c_str(), 3), "%n Punkte löschen");
    Speak("fr"); // French counts 0 as singular
    EXPECT_STREQ(dngettext(kDomain, key.c_str(), key.c_str(), 0), "Supprimer %n point");
}

TEST_F(GettextCatalogue, ALanguageWithoutCatalogueKeepsTheEnglish) {
    const i18n::Text text = calculator::ReasonMessage(Reason::NoSolution).text;
    for (const char* language : {"en", "pt_BR", "zz"}) {
        Speak(language);
        EXPECT_EQ(Translated(text), text.source) << language;
    }
}

} // namespace
