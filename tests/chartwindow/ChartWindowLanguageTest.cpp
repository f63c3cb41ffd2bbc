// The chart window in other languages: every menu, tab, caption, spoken text
// and table header changes with the language, live, and comes back exactly
// in English; each menu and the window's menu bar and tabs keep their
// mnemonics distinct; and made afresh in German or French at its first-start
// size on a 1280 x 720 screen, no caption is cut and no field leaves its
// caption's row on any tab. Run once more at twice the scale
// (tests/chartwindow/CMakeLists.txt).

#include "airhandlerview/AirHandlerPanel.h"
#include "chartwindow/ChartWindow.h"
#include "chartwindow/WindowFit.h"
#include "project/Project.h"
#include "support/TranslatedTexts.h"
#include "workbench/PointsView.h"

#include <set>

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using chart::ChartWindow;
using testsupport::Speaking;

// Texts that read the same in the language: symbols, units, the trade's
// abbreviations, Qt's own texts (from Qt's catalogue, when installed), and
// words the language shares with English. A header's unit in parentheses
// is set aside.
bool MaySpeakEnglish(const QString& language, QString text) {
    text.remove(QRegularExpression(QStringLiteral(" \\([^()]*\\)$")));
    text.remove(QLatin1Char('&'));
    // Units and symbols alone: "°F", "%", "#".
    if (!text.contains(QRegularExpression(QStringLiteral("\\p{L}{2}"))) || text == u"gr/lb" ||
        text == u"lb/h" || text == u"Btu/h" || text == u"cfm")
        return true;
    static const std::set<QString> kEverywhere{QStringLiteral("PMV"),
                                               QStringLiteral("PPD"),
                                               QStringLiteral("ΔT"),
                                               QStringLiteral("ΔW"),
                                               QStringLiteral("Δh"),
                                               QStringLiteral("1.1 met, 0.5 clo, 0.1 m/s"),
                                               QStringLiteral("1.1 met, 1.0 clo, 0.1 m/s"),
                                               QStringLiteral("Scroll Left"),
                                               QStringLiteral("Scroll Right"),
                                               QStringLiteral("tons")};
    static const std::set<QString> kGerman{QStringLiteral("Name"),
                                           QStringLiteral("Status"),
                                           QStringLiteral("W&inter (1.0 clo)"),
                                           QStringLiteral("Winter (1.0 clo)"),
                                           QStringLiteral("Winter"),
                                           QStringLiteral("Latent"),
                                           QStringLiteral("Zone 1")};
    static const std::set<QString> kFrench{
        QStringLiteral("Zones"),     QStringLiteral("Points"),   QStringLiteral("Message"),
        QStringLiteral("Air"),       QStringLiteral("Sensible"), QStringLiteral("Zone 1"),
        QStringLiteral("Condition"), QStringLiteral("Total"),    QStringLiteral("Second")};
    if (kEverywhere.count(text) > 0 || text.startsWith(QStringLiteral("18–27 °C")))
        return true;
    return (language == u"de" ? kGerman : kFrench).count(text) > 0;
}

class ChartWindowLanguage : public ::testing::TestWithParam<QString> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    }
    void TearDown() override { testsupport::Speak(QStringLiteral("en")); }

    // A window with something in every tab: two points, a process, a user
    // zone, an air handler and a weather file.
    std::unique_ptr<ChartWindow> makeWindow() {
        auto window = std::make_unique<ChartWindow>(&owner_);
        project::Project& project = *window->project();
        EXPECT_TRUE(project.addPointAt(80.0, 0.012).ok());
        EXPECT_TRUE(project.addPointAt(60.0, 0.008).ok());
        window->airHandlerPanel()->createAirHandler();
        project::ZoneSettings zones = project.zoneSettings();
        zones.comfortShown = true;
        processes::ZoneLimits limits;
        limits.minDryBulbF = 68.0;
        limits.maxDryBulbF = 78.8;
        zones.userZones.push_back({"Zone 1", limits, true});
        EXPECT_TRUE(project.setZoneSettings(zones).isEmpty());
        EXPECT_TRUE(window->openWeatherFile(weatherCsv()));
        return window;
    }

    QString weatherCsv() const {
        const QString path = dir_.filePath(QStringLiteral("hours.csv"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("timestamp,dry_bulb_C,relative_humidity_pct\n"
                   "2021-07-01 13:00,28,45\n"
                   "2021-07-01 14:00,29,50\n"
                   "2021-01-01 15:00,-5,70\n");
        return path;
    }

    // Every text of the window: captions, titles, spoken texts, menus, tabs
    // and the tables' headers. The air handler's panel is made again in a
    // new language, so its texts are keyed by their place within it.
    static std::map<QString, QString> TextsOf(ChartWindow& window) {
        QWidget* panel = window.airHandlerPanel();
        const QString panelAt = testsupport::PathOf(panel, &window);
        std::map<QString, QString> texts;
        for (const auto& [where, text] : testsupport::TextsOf(&window)) {
            if (!where.startsWith(panelAt))
                texts[where] = text;
        }
        for (const auto& [where, text] : testsupport::TextsOf(panel))
            texts[QStringLiteral("airHandler/") + where] = text;
        const QTabWidget* side = window.sidePanel();
        for (int i = 0; i < side->count(); ++i)
            texts[QStringLiteral("tab") + QString::number(i)] = side->tabText(i);
        const auto headers = [&](QWidget* root, const QString& prefix) {
            for (const QAbstractItemView* view : root->findChildren<QAbstractItemView*>()) {
                const auto* model = view->model();
                if (model == nullptr || qobject_cast<const QHeaderView*>(view) != nullptr)
                    continue;
                const QString at = prefix + testsupport::PathOf(view, root);
                for (int c = 0; c < model->columnCount(); ++c) {
                    const QString header =
                        model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
                    if (!header.isEmpty() && header != QString::number(c + 1))
                        texts[at + QStringLiteral(":header") + QString::number(c)] = header;
                }
            }
        };
        for (int i = 0; i < side->count(); ++i) {
            if (side->widget(i) != panel)
                headers(side->widget(i), QStringLiteral("tab%1/").arg(i));
        }
        headers(panel, QStringLiteral("airHandler/"));
        return texts;
    }

    QTemporaryDir dir_;
    QWidget owner_;
};

TEST_P(ChartWindowLanguage, EveryTextFollowsTheLanguageAndComesBack) {
    const auto window = makeWindow();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const std::map<QString, QString> english = TextsOf(*window);
    ASSERT_GT(english.size(), 300u);
    const QString englishTitle = window->windowTitle();
    {
        const Speaking language(GetParam());
        ASSERT_TRUE(language.installed());
        const std::map<QString, QString> translated = TextsOf(*window);
        for (const auto& [where, text] : english) {
            const auto found = translated.find(where);
            ASSERT_NE(found, translated.end()) << where.toStdString() << " lost its text";
            if (!MaySpeakEnglish(GetParam(), text)) {
                EXPECT_NE(found->second, text) << where.toStdString() << " still in English";
            }
        }
        EXPECT_NE(window->windowTitle(), englishTitle);
    }
    EXPECT_EQ(TextsOf(*window), english);
    EXPECT_EQ(window->windowTitle(), englishTitle);
}

// The undo stack's command follows the word Undo in the language spoken.
TEST_P(ChartWindowLanguage, UndoNamesTheCommandInTheLanguage) {
    const auto window = makeWindow();
    QAction* undo = nullptr;
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text().startsWith(QStringLiteral("&Undo ")))
            undo = action;
    }
    ASSERT_NE(undo, nullptr);
    const QString english = undo->text();
    const Speaking language(GetParam());
    EXPECT_FALSE(undo->text().startsWith(QStringLiteral("&Undo")));
    EXPECT_NE(undo->text(), english);
    // Undone and redone, the texts stay in the language.
    window->project()->undoStack()->undo();
    window->project()->undoStack()->redo();
    EXPECT_FALSE(undo->text().startsWith(QStringLiteral("&Undo")));
}

QChar MnemonicOf(const QString& text) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    return key.isEmpty() ? QChar() : QChar(key[0].key()).toUpper();
}

TEST_P(ChartWindowLanguage, MenusMenuBarAndTabsKeepDistinctMnemonics) {
    const auto window = makeWindow();
    const Speaking language(GetParam());
    std::map<QChar, QString> top;
    const auto add = [](std::map<QChar, QString>& seen, const QString& text) {
        const QChar key = MnemonicOf(text);
        EXPECT_FALSE(key.isNull()) << text.toStdString() << " has no mnemonic";
        const auto [at, inserted] = seen.emplace(key, text);
        EXPECT_TRUE(inserted) << text.toStdString() << " and " << at->second.toStdString();
    };
    for (QAction* menuAction : window->menuBar()->actions()) {
        add(top, menuAction->text());
        std::map<QChar, QString> items;
        for (QAction* action : menuAction->menu()->actions()) {
            if (!action->isSeparator())
                add(items, action->text());
        }
    }
    const QTabWidget* side = window->sidePanel();
    for (int i = 0; i < side->count(); ++i)
        add(top, side->tabText(i));
}

// The window made in the language at its first-start size on a 1280 x 720
// screen, each tab in turn.
TEST_P(ChartWindowLanguage, TheLongerTextsFitEveryTab) {
    const Speaking language(GetParam());
    ASSERT_TRUE(language.installed());
    const auto window = makeWindow();
    const QRect first = chart::FirstStartGeometry(QRect(0, 0, 1280, 720), chart::kEstimatedFrame);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->resize(first.size());
    // The texts of the language need no more room than the screen has.
    EXPECT_LE(window->minimumSizeHint().width() + 10, 1280);
    EXPECT_LE(window->minimumSizeHint().height() + 30, 720);
    const int panelWidth =
        chart::SidePanelWidth(first.width(), window->sidePanel()->minimumSizeHint().width(),
                              window->chart()->minimumSizeHint().width());
    window->splitter()->setSizes({first.width() - panelWidth, panelWidth});

    QTabWidget* side = window->sidePanel();
    for (int tab = 0; tab < side->count(); ++tab) {
        side->setCurrentIndex(tab);
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCoreApplication::processEvents();
        }
        QWidget* page = side->currentWidget();
        SCOPED_TRACE(side->tabText(tab).toStdString());
        EXPECT_EQ(testsupport::ClippedIn(page).join(u'\n').toStdString(), std::string());
        // Nothing scrolls sideways.
        for (const QScrollArea* scroll : page->findChildren<QScrollArea*>()) {
            if (scroll->isVisibleTo(page)) {
                EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible())
                    << scroll->widget()->minimumSizeHint().width() << " wide in "
                    << scroll->viewport()->width();
            }
        }
        // Each field stays in its caption's row, right of it and within the
        // panel.
        for (const QLabel* caption : page->findChildren<QLabel*>()) {
            const QWidget* field = caption->buddy();
            if (field == nullptr || !caption->isVisibleTo(page) || !field->isVisibleTo(page) ||
                !(qobject_cast<const QLineEdit*>(field) != nullptr ||
                  qobject_cast<const QComboBox*>(field) != nullptr ||
                  qobject_cast<const QAbstractSpinBox*>(field) != nullptr))
                continue;
            const QRect c(caption->mapTo(page, QPoint()), caption->size());
            const QRect f(field->mapTo(page, QPoint()), field->size());
            const std::string what = caption->text().toStdString();
            if (std::abs(c.center().y() - f.center().y()) < f.height()) {
                EXPECT_LE(c.right(), f.left()) << what;
            } else {
                // A caption above its field (a narrow form wraps its rows).
                EXPECT_LE(c.bottom(), f.top()) << what;
            }
            EXPECT_LE(f.right(), page->width()) << what;
            EXPECT_GE(f.width(), 40) << what;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ChartWindowLanguage, ::testing::Values(u"de"_qs, u"fr"_qs),
                         [](const auto& row) { return row.param.toStdString(); });

} // namespace
