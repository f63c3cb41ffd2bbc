// The weather panel in other languages: every caption, spoken text, table
// and line about the file changes with the language, live, and comes back
// exactly in English; the longer texts fit the panel at the width the chart
// window gives it, with no caption cut and nothing pushed out sideways. Run
// once more at twice the scale (tests/weatherview/CMakeLists.txt).

#include "chart/PsychroChart.h"
#include "support/TranslatedTexts.h"
#include "tests/weather/WeatherTestData.h"
#include "translations/Languages.h"
#include "weather/WeatherFile.h"
#include "weatherview/WeatherPanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using chart::WeatherPanel;
namespace td = weather::testdata;

constexpr int kPanelWidth = 400;

// A year of Chicago with a leap day and a row of no such date skipped, so
// that the lines about skipped rows are there to be translated.
weather::WeatherFile Chicago() {
    static const weather::WeatherFile read = weather::LoadWeatherFile(td::kChicagoEpw, 14.696);
    weather::WeatherFile file = read;
    file.report.skip(weather::SkipReason::LeapDay);
    file.report.skip(weather::SkipReason::NoSuchDate);
    file.report.skip(weather::SkipReason::NoSuchDate);
    file.report.rows += 3;
    return file;
}

// The texts of the panel, its tables' headers and cells of words included.
std::map<QString, QString> TextsOf(WeatherPanel& panel) {
    std::map<QString, QString> texts = testsupport::TextsOf(&panel);
    for (const QTableWidget* table : {panel.countsTable(), panel.designTable()}) {
        const QString at = table->objectName() + QStringLiteral(":");
        for (int c = 0; c < table->columnCount(); ++c)
            texts[at + QStringLiteral("header") + QString::number(c)] =
                table->horizontalHeaderItem(c)->data(Qt::AccessibleTextRole).toString();
        for (int r = 0; r < table->rowCount(); ++r) {
            for (int c = 0; c < table->columnCount(); ++c) {
                const QTableWidgetItem* item = table->item(r, c);
                if (item != nullptr && !item->data(Qt::UserRole).isValid() &&
                    !item->text().isEmpty())
                    texts[at + QString::number(r) + QLatin1Char(',') + QString::number(c)] =
                        item->text();
            }
        }
    }
    return texts;
}

// Texts that read the same in a language: words it shares with English.
bool MaySpeakEnglish(const QString& language, const QString& text) {
    if (language == u"fr")
        return text == u"Zones" || text == u"Condition";
    return language == u"de" && text == u"Winter, 1.0 clo";
}

class PanelLanguage : public ::testing::TestWithParam<QString> {
protected:
    void SetUp() override {
        // The chart window's proportions on a 1280 x 720 screen: the side
        // panel takes a third of the width beside the chart (420 pixels, in
        // its tab's frame).
        auto* layout = new QHBoxLayout(&window);
        chartWidget = new chart::PsychroChart(&window);
        panel = new WeatherPanel(chartWidget, &window);
        layout->addWidget(chartWidget, 2);
        layout->addWidget(panel, 1);
        panel->setFixedWidth(kPanelWidth);
        window.resize(1260, 680);
        panel->setWeather(Chicago(), QStringLiteral("chicago.epw"));
        findChild<QCheckBox>("comfortZone")->setChecked(true);
        findChild<QCheckBox>("dataRoomZone")->setChecked(true);
        findChild<QCheckBox>("userZone")->setChecked(true);
    }
    void TearDown() override { translations::Install(*qApp, u"en"_qs); }

    template <typename T>
    T* findChild(const char* name) {
        T* found = panel->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void showAndSettle() {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCoreApplication::processEvents();
        }
    }

    QWidget window;
    chart::PsychroChart* chartWidget = nullptr;
    WeatherPanel* panel = nullptr;
};

TEST_P(PanelLanguage, EveryTextFollowsTheLanguageAndComesBack) {
    const std::map<QString, QString> english = TextsOf(*panel);
    ASSERT_GT(english.size(), 60u);
    const QStringList englishLines = panel->skipLines() + panel->summaryLines();
    ASSERT_EQ(panel->skipLines().size(), 3);
    {
        const testsupport::Speaking language(GetParam());
        ASSERT_TRUE(language.installed());
        const std::map<QString, QString> translated = TextsOf(*panel);
        for (const auto& [where, text] : english) {
            const auto found = translated.find(where);
            ASSERT_NE(found, translated.end()) << where.toStdString() << " lost its text";
            if (!MaySpeakEnglish(GetParam(), text)) {
                EXPECT_NE(found->second, text) << where.toStdString() << " still in English";
            }
        }
        // The lines the report takes too.
        const QStringList lines = panel->skipLines() + panel->summaryLines();
        ASSERT_EQ(lines.size(), englishLines.size());
        for (qsizetype i = 0; i < lines.size(); ++i)
            EXPECT_NE(lines[i], englishLines[i]);
    }
    EXPECT_EQ(TextsOf(*panel), english);
}

TEST_P(PanelLanguage, TheLongerTextsFitThePanel) {
    const testsupport::Speaking language(GetParam());
    ASSERT_TRUE(language.installed());
    // Made afresh in the language, as a run in it makes the window.
    delete panel;
    panel = new WeatherPanel(chartWidget, &window);
    panel->setFixedWidth(kPanelWidth);
    window.layout()->addWidget(panel);
    panel->setWeather(Chicago(), QStringLiteral("chicago.epw"));
    showAndSettle();

    EXPECT_EQ(testsupport::ClippedIn(panel), QStringList());
    // No caption pushes its field out of the panel's width: the controls
    // never scroll sideways.
    const auto* scroll = panel->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible())
        << "the controls need " << scroll->widget()->minimumSizeHint().width() << " of "
        << scroll->viewport()->width() << " pixels: " << [&] {
               QStringList widest;
               for (const QWidget* w : scroll->widget()->findChildren<QWidget*>())
                   if (w->minimumSizeHint().width() > scroll->viewport()->width() - 40)
                       widest << w->metaObject()->className() + QStringLiteral(" ") +
                                     w->objectName() + QStringLiteral(" ") +
                                     QString::number(w->minimumSizeHint().width());
               return widest.join(u", ").toStdString();
           }();
    // The tables wrap their words and never cut one: every word (or piece of
    // a long compound between its soft hyphens) fits its column.
    for (const QTableWidget* table : {panel->countsTable(), panel->designTable()}) {
        const QFontMetrics fm(table->font());
        const int hyphen = fm.horizontalAdvance(u'-');
        for (int r = 0; r < table->rowCount(); ++r) {
            for (int c = 0; c < table->columnCount(); ++c) {
                const QTableWidgetItem* item = table->item(r, c);
                if (item == nullptr)
                    continue;
                // The cell's margins: the style's focus frame and a pixel, each side.
                const int room = table->columnWidth(c) - 6;
                for (const QString& word : item->text().split(u' ', Qt::SkipEmptyParts)) {
                    const QStringList pieces = word.split(QChar(0x00AD));
                    for (qsizetype p = 0; p < pieces.size(); ++p) {
                        // A piece broken at its soft hyphen shows the hyphen.
                        const int needed =
                            fm.horizontalAdvance(pieces[p]) + (p + 1 < pieces.size() ? hyphen : 0);
                        EXPECT_LE(needed, room) << table->objectName().toStdString() << " " << r
                                                << "," << c << ": " << item->text().toStdString();
                    }
                }
            }
        }
    }
    // Each field of the user zone stays in its caption's row.
    for (int i = 0; i < 7; ++i) {
        const QByteArray name = "userField" + QByteArray::number(i);
        const auto* edit = findChild<QLineEdit>(name.constData());
        const QWidget* caption = nullptr;
        for (const QLabel* label : panel->findChildren<QLabel*>())
            if (label->buddy() == edit)
                caption = label;
        ASSERT_NE(caption, nullptr);
        const QRect c(caption->mapTo(panel, QPoint()), caption->size());
        const QRect e(edit->mapTo(panel, QPoint()), edit->size());
        EXPECT_LT(std::abs(c.center().y() - e.center().y()), e.height()) << i;
        EXPECT_LE(c.right(), e.left()) << i;
        EXPECT_GE(e.width(), 50) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, PanelLanguage,
                         ::testing::Values(u"de"_qs, u"fr"_qs, u"es"_qs, u"zh_CN"_qs),
                         [](const auto& row) { return row.param.toStdString(); });

} // namespace
