// The calculator window in other languages: View > Language, the live switch,
// and the window's layout holding the longer texts. Run once more with
// QT_SCALE_FACTOR=2 (tests/calculator/CMakeLists.txt).

#include "WindowFixture.h"
#include "settings/SettingsValues.h"
#include "support/TranslatedTexts.h"
#include "translations/Languages.h"

#include <set>

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace {

using testsupport::Speak;
using testsupport::Speaking;

const QStringList kTranslated{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"),
                              QStringLiteral("zh_CN")};

// Texts that read the same in a translation: proper names, symbols, each
// language's own name in View > Language, the tray menu's title (its place in
// the menu bar is never shown), and words the language shares with English.
bool MaySpeakEnglish(const QString& language, const QString& text) {
    static const std::set<QString> kEverywhere{QStringLiteral("Vaporwright"), QStringLiteral("%"),
                                               QStringLiteral("TrayPopup")};
    if (kEverywhere.count(text) > 0)
        return true;
    for (const translations::Language& named : translations::kLanguages) {
        if (named.nativeName == text)
            return true;
    }
    return language == u"fr" && text == u"Altitude";
}

class Language : public WindowTest {
protected:
    void TearDown() override {
        Speak(QStringLiteral("en"));
        WindowTest::TearDown();
    }

    QAction* item(const QString& code) const {
        for (QAction* entry : view().menuView().mnuViewLanguageItem) {
            if (entry->data().toString() == code)
                return entry;
        }
        return nullptr;
    }
    void choose(const QString& code) {
        QAction* entry = code.isEmpty() ? view().menuView().mnuViewLanguageSystem : item(code);
        ASSERT_NE(entry, nullptr) << code.toStdString();
        entry->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCoreApplication::processEvents();
    }
    // Every text of the window but its caption, which the start-up sets to
    // the program's name and web address in every language.
    std::map<QString, QString> texts() const {
        std::map<QString, QString> all = testsupport::TextsOf(w.get());
        std::erase_if(all, [](const auto& entry) { return entry.first.endsWith(u":windowTitle"); });
        return all;
    }
    // Edit > Paste over the whole text of field i, then Tab, as a user does.
    void paste(int i, const QString& clip) {
        clickInto(i);
        QApplication::clipboard()->setText(clip);
        view().menuEdit().mnuEditPaste->trigger();
        QTest::keyClick(field(i), Qt::Key_Tab);
    }
    static std::optional<QString> storedLanguage() {
        return settings::ReadWindowSettings().language;
    }
};

TEST_F(Language, TheMenuNamesEachLanguageInItselfAndTicksOne) {
    const auto& menu = view().menuView();
    ASSERT_NE(menu.mnuViewLanguage, nullptr);
    EXPECT_EQ(menu.mnuViewLanguage->menuAction()->text(), u"&Language"_qs);
    EXPECT_EQ(menu.mnuViewLanguageSystem->text(), u"System Default"_qs);
    QStringList names;
    for (QAction* entry : menu.mnuViewLanguageItem) {
        names << entry->text();
        EXPECT_TRUE(entry->isCheckable());
        EXPECT_EQ(entry->actionGroup(), menu.mnuViewLanguageSystem->actionGroup());
    }
    EXPECT_EQ(names, QStringList({u"English"_qs, u"Deutsch"_qs, u"Français"_qs, u"Español"_qs,
                                  u"简体中文"_qs}));
    EXPECT_TRUE(menu.mnuViewLanguageSystem->actionGroup()->isExclusive());
    // A first start follows the system, and nothing is stored for it.
    EXPECT_TRUE(menu.mnuViewLanguageSystem->isChecked());
    EXPECT_FALSE(storedLanguage());
}

// Every text of the window changes with the language, and comes back exactly
// when English is chosen again: a text that retranslate() forgets stays in
// the language before.
TEST_F(Language, EveryTextOfTheWindowSpeaksTheLanguageChosen) {
    const std::map<QString, QString> english = texts();
    ASSERT_GT(english.size(), 100u);
    for (const QString& code : kTranslated) {
        SCOPED_TRACE(code.toStdString());
        choose(code);
        EXPECT_EQ(translations::Spoken(*qApp), code);
        EXPECT_TRUE(item(code)->isChecked());
        EXPECT_EQ(storedLanguage(), code);
        const std::map<QString, QString> translated = texts();
        for (const auto& [where, text] : english) {
            const auto found = translated.find(where);
            ASSERT_NE(found, translated.end()) << where.toStdString() << " lost its text";
            if (!MaySpeakEnglish(code, text)) {
                EXPECT_NE(found->second, text) << where.toStdString() << " still in English";
            }
        }
        choose(QStringLiteral("en"));
        EXPECT_EQ(texts(), english);
    }
    EXPECT_EQ(storedLanguage(), u"en"_qs);
}

TEST_F(Language, SystemDefaultIsStoredAsSystemAndSpeaksTheSystemsLanguage) {
    choose(QStringLiteral("de"));
    choose(QString());
    EXPECT_EQ(storedLanguage(), u"System"_qs);
    EXPECT_TRUE(view().menuView().mnuViewLanguageSystem->isChecked());
    EXPECT_EQ(translations::Spoken(*qApp),
              translations::ChooseLanguage(QString(), QLocale::system().uiLanguages()));
}

// A language given on the command line is for the run: ticked, spoken, but
// neither stored at once nor written at the unload.
TEST_F(Language, ALanguageGivenForTheRunIsNotStored) {
    w->useLanguage(QStringLiteral("fr"), false);
    QCoreApplication::processEvents();
    EXPECT_EQ(translations::Spoken(*qApp), u"fr"_qs);
    EXPECT_TRUE(item(QStringLiteral("fr"))->isChecked());
    EXPECT_EQ(view().chkPsyInput()[0]->text(), u"Température sèche\u00a0:"_qs);
    w->Form_Unload();
    EXPECT_FALSE(storedLanguage());
}

TEST_F(Language, TheUnloadKeepsTheChoiceOfTheMenu) {
    choose(QStringLiteral("es"));
    w->useLanguage(QStringLiteral("de"), false);
    w->Form_Unload();
    EXPECT_EQ(storedLanguage(), u"es"_qs);
}

// The line under the fields is said again in the new language, its limit in
// the user's number format, as the fields show numbers.
TEST_F(Language, TheReasonIsSaidAgainInTheNewLanguage) {
    const QLabel* why = view().lblWhy();
    paste(0, u"abc"_qs);
    ASSERT_EQ(why->text(), u"Could not read \"abc\" as a number"_qs);
    choose(QStringLiteral("de"));
    EXPECT_EQ(why->text(), u"„abc“ ist keine lesbare Zahl"_qs);
    choose(QStringLiteral("en"));

    click(view().optPatm()[1]);
    enter(calculator::kAltitude, u"70000"_qs);
    ASSERT_EQ(why->text(), u"Altitude beyond 65,000 ft"_qs);
    choose(QStringLiteral("de"));
    EXPECT_EQ(why->text(), u"Höhe über 65,000 ft"_qs); // en_US numbers
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    choose(QStringLiteral("fr"));
    choose(QStringLiteral("de"));
    EXPECT_EQ(why->text(), u"Höhe über 65.000 ft"_qs);
    choose(QStringLiteral("en"));
    EXPECT_EQ(why->text(), u"Altitude beyond 65.000 ft"_qs);
}

// A fresh window in each language, as a run in that language makes it: no
// caption cut, every caption in its field's row, the whole window on a
// 1280 x 720 screen (in logical pixels at any scale).
class TranslatedLayout : public WindowTest, public ::testing::WithParamInterface<QString> {};

TEST_P(TranslatedLayout, TheWindowHoldsTheLongerTexts) {
    const Speaking language(GetParam());
    ASSERT_TRUE(language.installed());
    auto window = std::make_unique<frmMain>();
    window->Form_Load();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();

    EXPECT_EQ(testsupport::ClippedIn(window.get()), QStringList());
    const QSize frame = window->frameGeometry().size();
    EXPECT_LE(frame.width(), 1280);
    EXPECT_LE(frame.height(), 720);

    const calculator::frmMainTestView inside(*window);
    const auto rowOf = [&inside](int field) -> QWidget* {
        if (field < calculator::kInputCount)
            return inside.chkPsyInput()[field];
        if (field == calculator::kAtmosphericPressure || field == calculator::kAltitude)
            return inside.optPatm()[field - calculator::kAtmosphericPressure];
        for (QLabel* caption : inside.Label4()) {
            if (caption->buddy() == inside.txtData()[field])
                return caption;
        }
        return nullptr;
    };
    for (int field = 0; field < calculator::kFieldCount; ++field) {
        SCOPED_TRACE(field);
        QWidget* caption = rowOf(field);
        ASSERT_NE(caption, nullptr);
        const QWidget* box = inside.txtData()[field];
        const QWidget* unit = inside.cboUnits()[field] != nullptr
                                  ? static_cast<QWidget*>(inside.cboUnits()[field])
                                  : inside.Label1()[field == calculator::kRelativeHumidity ? 0 : 1];
        const QRect c(caption->mapTo(window.get(), QPoint()), caption->size());
        const QRect b(box->mapTo(window.get(), QPoint()), box->size());
        const QRect u(unit->mapTo(window.get(), QPoint()), unit->size());
        EXPECT_LE(std::abs(c.center().y() - b.center().y()), 2);
        EXPECT_LE(std::abs(u.center().y() - b.center().y()), 2);
        EXPECT_LT(c.right(), b.left());
        EXPECT_LT(b.right(), u.left());
        EXPECT_GE(b.width(), 120);
    }
}

// Within a menu, and among the menu bar and the window's own captions, no
// accelerator is taken twice, or Alt and the letter would not reach the one
// meant. (The English captions are the program's of old, and keep their one
// double: Alt+H is Hide's and Help's.)
TEST_P(TranslatedLayout, AcceleratorsAreUnique) {
    const Speaking language(GetParam());
    auto window = std::make_unique<frmMain>();
    window->Form_Load(); // hides the tray menu's place in the menu bar
    const auto letter = [](const QString& caption) -> QChar {
        const qsizetype at = caption.indexOf(QRegularExpression(QStringLiteral("&(?!&)")));
        return at >= 0 && at + 1 < caption.size() ? caption[at + 1].toLower() : QChar();
    };
    const auto unique = [&letter](const QStringList& captions) {
        std::map<QChar, QString> seen;
        for (const QString& caption : captions) {
            const QChar key = letter(caption);
            if (key.isNull())
                continue;
            const auto [where, added] = seen.emplace(key, caption);
            EXPECT_TRUE(added) << caption.toStdString() << " and " << where->second.toStdString();
        }
    };
    QStringList windowCaptions;
    for (QAction* top : window->menuBar()->actions()) {
        if (top->isVisible())
            windowCaptions << top->text();
        if (QMenu* menu = top->menu()) {
            QStringList items;
            for (QAction* entry : menu->actions())
                items << entry->text();
            unique(items);
        }
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        windowCaptions << button->text();
    unique(windowCaptions);
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedLayout, ::testing::ValuesIn(kTranslated),
                         [](const auto& row) { return row.param.toStdString(); });

} // namespace
