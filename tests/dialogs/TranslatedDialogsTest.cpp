// The dialogs in other languages: every text translated, none cut, at the
// default size and (tests/dialogs/CMakeLists.txt) at twice the scale.

#include "DialogFixture.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmDisclaimer.h"
#include "dialogs/frmReadDisclaimer.h"
#include "dialogs/frmSplash.h"
#include "support/TranslatedTexts.h"

#include <functional>
#include <memory>
#include <set>

namespace {

using testsupport::Speaking;

// Proper names and words a language shares with English.
bool MaySpeakEnglish(const QString& language, const QString& text) {
    static const std::set<QString> kEverywhere{QStringLiteral("Vaporwright"),
                                               QStringLiteral("Dunmore Tollis Software"),
                                               QStringLiteral("Vaporwright  ")};
    if (kEverywhere.count(text) > 0 || text.startsWith(u"Version "))
        return true; // "Version 1.1.0" reads so in German and French
    return text == u"OK" && language != u"es" && language != u"zh_CN";
}

class TranslatedDialogs : public DialogFixture, public ::testing::WithParamInterface<QString> {
protected:
    // Each dialog, made afresh in the language spoken.
    std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> dialogs() {
        return {
            {"About", [this] { return std::make_unique<frmAbout>(nullptr, hooks); }},
            {"Splash", [] { return std::make_unique<frmSplash>(); }},
            {"ReadDisclaimer",
             [this] { return std::make_unique<frmReadDisclaimer>(nullptr, hooks); }},
            {"Disclaimer", [this] { return std::make_unique<frmDisclaimer>(nullptr, hooks); }},
            {"Help", [] { return std::make_unique<ContextIDs::HelpWindow>(nullptr); }},
        };
    }
};

TEST_P(TranslatedDialogs, EveryTextIsTranslatedAndNoneIsCut) {
    WriteDisclaimer("The disclaimer.");
    std::map<std::string, std::map<QString, QString>> english;
    for (const auto& [name, make] : dialogs())
        english[name] = testsupport::TextsOf(make().get());

    const Speaking language(GetParam());
    ASSERT_TRUE(language.installed());
    for (const auto& [name, make] : dialogs()) {
        SCOPED_TRACE(name);
        const std::unique_ptr<QWidget> dialog = make();
        const std::map<QString, QString> translated = testsupport::TextsOf(dialog.get());
        for (const auto& [where, text] : english[name]) {
            const auto found = translated.find(where);
            ASSERT_NE(found, translated.end()) << where.toStdString() << " lost its text";
            if (!MaySpeakEnglish(GetParam(), text)) {
                EXPECT_NE(found->second, text) << where.toStdString() << " still in English";
            }
        }
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
        EXPECT_EQ(testsupport::ClippedIn(dialog.get()), QStringList());
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedDialogs,
                         ::testing::Values(u"de"_qs, u"fr"_qs, u"es"_qs, u"zh_CN"_qs),
                         [](const auto& row) { return row.param.toStdString(); });

} // namespace
