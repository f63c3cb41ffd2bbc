// The language of a run: --lang, else the choice stored by View > Language,
// else the system's.

#include "startup/Language.h"

#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "translations/Languages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RunLanguage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(settingsDir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    }
    void TearDown() override { translations::Install(*qApp, u"en"_qs); }

    static void store(const QString& choice) {
        ASSERT_TRUE(settings::SaveSetting(settings::kLanguage, choice));
    }
    static QString system() {
        return translations::ChooseLanguage(QString(), QLocale::system().uiLanguages());
    }

    QTemporaryDir settingsDir;
};

TEST_F(RunLanguage, TheGivenLanguageComesBeforeTheStoredOne) {
    store(u"fr"_qs);
    EXPECT_EQ(basMain::SpeakLanguage(*qApp, u"de_DE"_qs), u"de"_qs);
    EXPECT_EQ(translations::Spoken(*qApp), u"de"_qs);
    EXPECT_EQ(basMain::SpeakLanguage(*qApp, QString()), u"fr"_qs);
    // "System" given sets the stored choice aside for the run.
    EXPECT_EQ(basMain::SpeakLanguage(*qApp, u"System"_qs), system());
}

TEST_F(RunLanguage, WithoutAChoiceTheSystemsLanguageIsSpoken) {
    EXPECT_EQ(basMain::SpeakLanguage(*qApp, QString()), system());
    store(u"System"_qs);
    EXPECT_EQ(basMain::SpeakLanguage(*qApp, QString()), system());
    // A stored text that names no language of ours counts as none.
    store(u"tlh"_qs);
    EXPECT_EQ(basMain::SpeakLanguage(*qApp, QString()), system());
}

TEST_F(RunLanguage, WhatNamesNoLanguageIsNoChoice) {
    for (const QString& given : {u"de"_qs, u"zh-Hans"_qs, u"EN"_qs, u"system"_qs, u""_qs})
        EXPECT_TRUE(basMain::IsLanguageChoice(given)) << given.toStdString();
    for (const QString& given : {u"pt"_qs, u"German"_qs, u"zh_TW"_qs, u"--help"_qs})
        EXPECT_FALSE(basMain::IsLanguageChoice(given)) << given.toStdString();
    // Spoken as no choice at all: the stored one holds.
    store(u"es"_qs);
    EXPECT_EQ(basMain::SpeakLanguage(*qApp, u"German"_qs), u"es"_qs);
}

} // namespace
