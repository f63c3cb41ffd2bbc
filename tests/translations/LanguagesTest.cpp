// The choice of a language and the catalogues the program embeds.

#include "translations/Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

using translations::ChooseLanguage;
using translations::LanguageCode;

TEST(Languages, ACodeIsReadInEveryFormTheSystemAndUsersWriteIt) {
    const struct {
        const char16_t* name;
        const char16_t* code;
    } rows[] = {
        {u"de", u"de"},
        {u"de_DE", u"de"},
        {u"de-AT", u"de"},
        {u"DE", u"de"},
        {u"fr_CA.UTF-8", u"fr"},
        {u"es_ES.UTF-8@euro", u"es"},
        {u"en", u"en"},
        {u"en-US", u"en"},
        {u"zh", u"zh_CN"},
        {u"zh_CN", u"zh_CN"},
        {u"zh-Hans", u"zh_CN"},
        {u"zh-Hans-CN", u"zh_CN"},
        {u"zh_SG", u"zh_CN"},
        {u"zh_TW", u""},
        {u"zh-Hant-HK", u""},
        {u"zh-Hant", u""},
        {u"C", u""},
        {u"POSIX", u""},
        {u"", u""},
        {u"System", u""},
        {u"pt_BR", u""},
        {u"Deutsch", u""},
        {u"de x", u""},
        {u"_", u""},
    };
    for (const auto& row : rows) {
        const QString name = QString::fromUtf16(row.name);
        EXPECT_EQ(LanguageCode(name), QString::fromUtf16(row.code)) << name.toStdString();
    }
}

TEST(Languages, TheUsersChoiceComesFirstThenTheSystemsOrderThenEnglish) {
    const QStringList germanFirst{u"de-DE"_qs, u"fr-FR"_qs};
    EXPECT_EQ(ChooseLanguage(u"fr", germanFirst), u"fr"_qs);
    EXPECT_EQ(ChooseLanguage(u" es ", germanFirst), u"es"_qs);
    EXPECT_EQ(ChooseLanguage(u"System", germanFirst), u"de"_qs);
    EXPECT_EQ(ChooseLanguage(u"", germanFirst), u"de"_qs);
    // A stored choice that names no language of ours follows the system.
    EXPECT_EQ(ChooseLanguage(u"klingon", germanFirst), u"de"_qs);
    // The first the system prefers that we speak, English included.
    EXPECT_EQ(ChooseLanguage(u"", {u"pt-BR"_qs, u"es-MX"_qs}), u"es"_qs);
    EXPECT_EQ(ChooseLanguage(u"", {u"en-GB"_qs, u"de-DE"_qs}), u"en"_qs);
    EXPECT_EQ(ChooseLanguage(u"", {u"zh-Hant-TW"_qs, u"zh-Hans-CN"_qs}), u"zh_CN"_qs);
    EXPECT_EQ(ChooseLanguage(u"", {u"C"_qs}), u"en"_qs);
    EXPECT_EQ(ChooseLanguage(u"", {}), u"en"_qs);
}

TEST(Languages, FollowingTheSystemIsEmptyOrSystem) {
    for (const QString& text : {u""_qs, u"  "_qs, u"System"_qs, u"system"_qs, u" SYSTEM "_qs})
        EXPECT_TRUE(translations::FollowsSystem(text)) << text.toStdString();
    for (const QString& text : {u"de"_qs, u"Systems"_qs, u"en"_qs})
        EXPECT_FALSE(translations::FollowsSystem(text)) << text.toStdString();
}

// The build embeds a catalogue of every language but English, and each
// translates the window's texts.
TEST(Languages, EveryLanguageHasItsCatalogueEmbedded) {
    for (const translations::Language& language : translations::kLanguages) {
        if (language.code == translations::kEnglish)
            continue;
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(translations::CatalogueResource(language.code)))
            << language.code.toString().toStdString();
        EXPECT_FALSE(catalogue.isEmpty());
        EXPECT_FALSE(catalogue.translate("frmMain", "Dry Bulb Temperature:").isEmpty());
        EXPECT_FALSE(catalogue.translate("RealAir", "Altitude beyond %1").isEmpty());
    }
}

class Installed : public ::testing::Test {
protected:
    void TearDown() override { translations::Install(*qApp, u"en"_qs); }
};

TEST_F(Installed, InstallingSpeaksTheLanguageAndEnglishSpeaksTheSources) {
    EXPECT_EQ(translations::Spoken(*qApp), u"en"_qs);
    ASSERT_TRUE(translations::Install(*qApp, u"de"_qs));
    EXPECT_EQ(translations::Spoken(*qApp), u"de"_qs);
    EXPECT_EQ(QCoreApplication::translate("frmMain", "&File"), u"&Datei"_qs);
    ASSERT_TRUE(translations::Install(*qApp, u"zh_CN"_qs));
    EXPECT_EQ(QCoreApplication::translate("frmMain", "&File"), u"文件(&F)"_qs);
    // One catalogue of ours at a time, and one of Qt's.
    EXPECT_LE(qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly).size(), 2);
    ASSERT_TRUE(translations::Install(*qApp, u"en"_qs));
    EXPECT_EQ(translations::Spoken(*qApp), u"en"_qs);
    EXPECT_EQ(QCoreApplication::translate("frmMain", "&File"), u"&File"_qs);
    EXPECT_TRUE(qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly).isEmpty());
}

TEST_F(Installed, ALanguageWithoutCatalogueIsRefusedAndChangesNothing) {
    ASSERT_TRUE(translations::Install(*qApp, u"fr"_qs));
    for (const QString& code : {u"pt"_qs, u"de_DE"_qs, u""_qs, u"../fr"_qs})
        EXPECT_FALSE(translations::Install(*qApp, code)) << code.toStdString();
    EXPECT_EQ(translations::Spoken(*qApp), u"fr"_qs);
}

// Qt's own dialogs and context menus speak the language too, from Qt's
// catalogue of it (Debian package qt6-translations-l10n).
TEST_F(Installed, QtsOwnTextsSpeakTheLanguage) {
    QTranslator probe;
    if (!probe.load(u"qtbase_de"_qs, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        GTEST_SKIP() << "Qt's catalogues are not installed (qt6-translations-l10n)";
    ASSERT_TRUE(translations::Install(*qApp, u"de"_qs));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Abbrechen"_qs);
}

} // namespace
