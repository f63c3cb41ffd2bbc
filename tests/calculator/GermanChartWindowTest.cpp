// The real calculator window in German (and in French), as a user makes it:
// View > Language > Deutsch, then View > Chart, with something in every tab (points, a
// process, a user zone, an air handler, a year of Chicago's weather). Every
// widget of the chart window is walked (labels, buttons, actions of every
// menu, tab texts, table headers, group boxes) on every tab, and no word the
// English interface shows is left, but the few the two languages share.
// Run under Xvfb (tests/e2e/CMakeLists.txt), where the windows are real.

#include "WindowFixture.h"
#include "airhandlerview/AirHandlerPanel.h"
#include "chartwindow/ChartWindow.h"
#include "project/Project.h"
#include "translations/Languages.h"

#include <map>
#include <set>

#include <QAbstractItemView>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>

namespace {

// Words the translated interfaces share with the English one, each for a
// reason: symbols and abbreviations of the trade, units, proper names.
const std::set<QString> kShared{
    // The comfort model's indexes and the chart's styles (proper names).
    QStringLiteral("PMV"), QStringLiteral("PPD"), QStringLiteral("ASHRAE"),
    QStringLiteral("Mollier"), QStringLiteral("ISO"), QStringLiteral("Vaporwright"),
    QStringLiteral("CSV"), QStringLiteral("PDF"), QStringLiteral("EPW"),
    // Units and their symbols, written as the calculator writes them in every
    // language.
    QStringLiteral("lbm"), QStringLiteral("BTU"), QStringLiteral("PPM"), QStringLiteral("weight"),
    QStringLiteral("ΔT"), QStringLiteral("ΔW"), QStringLiteral("Δh"), QStringLiteral("met"),
    QStringLiteral("clo"), QStringLiteral("psia"), QStringLiteral("gr"), QStringLiteral("lb"),
    QStringLiteral("Btu"), QStringLiteral("cfm"), QStringLiteral("kPa"), QStringLiteral("kW"),
    QStringLiteral("hp"), QStringLiteral("tons"), QStringLiteral("ft"), QStringLiteral("kg"),
    QStringLiteral("kJ"), QStringLiteral("IP"), QStringLiteral("SI"),
    // Shared by German and French: abbreviations, and the adjective of
    // sensible heat.
    QStringLiteral("min"), QStringLiteral("max"), QStringLiteral("Sensible"),
    QStringLiteral("sensible")};

// The same word in the language: nouns, adjectives ("Sensible Last",
// "Absolute Feuchte"), prepositions, and the months the weather panel
// filters by.
const std::map<QString, std::set<QString>> kSameWord{
    {QStringLiteral("de"),
     {QStringLiteral("Name"), QStringLiteral("Status"), QStringLiteral("Winter"),
      QStringLiteral("Latent"), QStringLiteral("Zone"), QStringLiteral("in"),
      QStringLiteral("Absolute"), QStringLiteral("Jan"), QStringLiteral("Feb"),
      QStringLiteral("Apr"), QStringLiteral("Aug"), QStringLiteral("Nov")}},
    {QStringLiteral("fr"),
     {QStringLiteral("Air"), QStringLiteral("air"), QStringLiteral("Condition"),
      QStringLiteral("Conditions"), QStringLiteral("conditions"), QStringLiteral("Message"),
      QStringLiteral("Point"), QStringLiteral("point"), QStringLiteral("Points"),
      QStringLiteral("points"), QStringLiteral("Second"), QStringLiteral("Site"),
      QStringLiteral("site"), QStringLiteral("Zones"), QStringLiteral("zone"),
      QStringLiteral("altitude"), QStringLiteral("saturation"), QStringLiteral("by")}}};

// The words of a text: letters only, markup and mnemonics removed.
QStringList WordsOf(QString text) {
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    text.remove(QLatin1Char('&'));
    return text.split(QRegularExpression(QStringLiteral("[^\\p{L}]+")), Qt::SkipEmptyParts);
}

class TranslatedChartWindow : public WindowTest, public ::testing::WithParamInterface<QString> {
protected:
    void TearDown() override {
        translations::Install(*qApp, QStringLiteral("en"));
        WindowTest::TearDown();
    }

    // Every text of the chart window a user reads, on every tab.
    static QStringList TextsOf(chart::ChartWindow& window) {
        QStringList texts{window.windowTitle()};
        for (const QAction* menu : window.menuBar()->actions()) {
            texts << menu->text();
            for (const QAction* action : menu->menu()->actions())
                texts << action->text();
        }
        QTabWidget* side = window.sidePanel();
        for (int tab = 0; tab < side->count(); ++tab) {
            side->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            texts << side->tabText(tab);
            QWidget* page = side->currentWidget();
            for (const QWidget* widget : page->findChildren<QWidget*>()) {
                if (!widget->isVisibleTo(page))
                    continue;
                if (const auto* label = qobject_cast<const QLabel*>(widget))
                    texts << label->text();
                else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
                    texts << button->text();
                else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
                    texts << group->title();
                else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget);
                         view != nullptr && qobject_cast<const QHeaderView*>(view) == nullptr &&
                         view->model() != nullptr) {
                    for (int c = 0; c < view->model()->columnCount(); ++c)
                        texts << view->model()->headerData(c, Qt::Horizontal).toString();
                }
            }
        }
        return texts;
    }
    static std::set<QString> WordsOf(const QStringList& texts) {
        std::set<QString> words;
        for (const QString& text : texts) {
            for (const QString& word : ::WordsOf(text))
                words.insert(word);
        }
        return words;
    }
};

TEST_P(TranslatedChartWindow, NoEnglishWordIsLeftInTheChartWindow) {
    const QString code = GetParam();
    const calculator::frmMainTestView v = view();
    v.menuView().mnuViewChart->trigger();
    chart::ChartWindow* window = v.chartWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    project::Project& project = *window->project();
    ASSERT_TRUE(project.addPointAt(80.0, 0.012).ok());
    ASSERT_TRUE(project.addPointAt(60.0, 0.008).ok());
    ASSERT_TRUE(window->airHandlerPanel()->createAirHandler().isEmpty());
    project::ZoneSettings zones = project.zoneSettings();
    zones.comfortShown = true;
    zones.dataRoomShown = true;
    processes::ZoneLimits limits;
    limits.minDryBulbF = 68.0;
    limits.maxDryBulbF = 78.8;
    zones.userZones.push_back({"Zone 1", limits, true});
    ASSERT_TRUE(project.setZoneSettings(zones).isEmpty());
    const QString weatherFile = QStringLiteral(VW_WEATHER_DATA_DIR) +
                                QStringLiteral("/USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw");
    ASSERT_TRUE(window->openWeatherFile(weatherFile));
    // Undo names a command in the language it was given in: start afresh.
    project.undoStack()->clear();
    const std::set<QString> english = WordsOf(TextsOf(*window));
    ASSERT_GT(english.size(), 200u);

    // View > Language > Deutsch, as the user chooses it.
    QAction* language = nullptr;
    for (QAction* item : v.menuView().mnuViewLanguageItem) {
        if (item->data().toString() == code)
            language = item;
    }
    ASSERT_NE(language, nullptr);
    language->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::processEvents();
    ASSERT_EQ(translations::Spoken(*qApp), code);

    const QStringList germanTexts = TextsOf(*window);
    QStringList left;
    for (const QString& word : WordsOf(germanTexts)) {
        // Single letters are the points' names and symbols.
        if (word.size() > 1 && english.count(word) > 0 && kShared.count(word) == 0 &&
            kSameWord.at(code).count(word) == 0 &&
            // The weather file's path and its site's name.
            !::WordsOf(weatherFile).contains(word, Qt::CaseInsensitive))
            left << word;
    }
    // Each word left, with the first text that shows it.
    QStringList where;
    for (const QString& word : left) {
        for (const QString& text : germanTexts) {
            if (::WordsOf(text).contains(word)) {
                where << word + QStringLiteral(" in “") + text + QStringLiteral("”");
                break;
            }
        }
    }
    EXPECT_EQ(left, QStringList()) << where.join(QStringLiteral("\n")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedChartWindow, ::testing::Values(u"de"_qs, u"fr"_qs),
                         [](const auto& row) { return row.param.toStdString(); });

} // namespace
