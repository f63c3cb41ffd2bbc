// The chart in other languages: its context menu, title, readout and painted
// texts follow the language live; units, their symbols and the name a style
// is stored by do not.

#include "chart/ChartStyle.h"
#include "chart/HoverReadout.h"
#include "chart/PsychroChart.h"
#include "translations/Languages.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QImage>

#include <gtest/gtest.h>

namespace {

using namespace chart;

class ChartLanguage : public ::testing::Test {
protected:
    static void speak(const QString& code) {
        ASSERT_TRUE(translations::Install(*qApp, code));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCoreApplication::processEvents();
    }
    void TearDown() override { speak(u"en"_qs); }
};

TEST_F(ChartLanguage, TheMenuFollowsTheLanguageAndComesBack) {
    PsychroChart chart;
    const QList<QAction*> actions = chart.actions() << chart.styleAction(ChartStyle::Ashrae)
                                                    << chart.styleAction(ChartStyle::Mollier);
    QStringList english;
    for (const QAction* action : actions)
        english << action->text();
    EXPECT_EQ(english, QStringList({u"&Copy"_qs, u"Save &As..."_qs, u"&Reset Zoom"_qs,
                                    u"A&SHRAE Chart"_qs, u"&Mollier h-x Diagram"_qs}));
    speak(u"de"_qs);
    QStringList german;
    for (const QAction* action : actions)
        german << action->text();
    EXPECT_EQ(german,
              QStringList({u"&Kopieren"_qs, u"Speichern &unter..."_qs, u"&Zoom zurücksetzen"_qs,
                           u"A&SHRAE-Diagramm"_qs, u"&Mollier-h,x-Diagramm"_qs}));
    speak(u"en"_qs);
    QStringList back;
    for (const QAction* action : actions)
        back << action->text();
    EXPECT_EQ(back, english);
}

TEST_F(ChartLanguage, TitleAndReadoutSpeakItUnitsStay) {
    const auto readout = ComputeReadout(68.0, 0.0073, 14.696, UnitSystem::SI);
    ASSERT_TRUE(readout);
    const QLocale c = QLocale::c();
    const QStringList english = ReadoutText(*readout, UnitSystem::SI, c);
    speak(u"de"_qs);
    EXPECT_EQ(ChartStyleTitle(ChartStyle::Mollier), u"Mollier-h,x-Diagramm"_qs);
    // The style is stored by its own name in every language.
    EXPECT_EQ(ChartStyleName(ChartStyle::Mollier), u"Mollier"_qs);
    const QStringList german = ReadoutText(*readout, UnitSystem::SI, c);
    ASSERT_EQ(german.size(), english.size());
    EXPECT_EQ(german[0], u"Trockenkugeltemperatur 20.0 °C"_qs);
    EXPECT_TRUE(german[1].startsWith(u"Wassergehalt x ")) << german[1].toStdString();
    EXPECT_TRUE(german[1].endsWith(HumidityRatioUnit(UnitSystem::SI))) << german[1].toStdString();
    for (qsizetype i = 0; i < english.size(); ++i)
        EXPECT_NE(german[i], english[i]);
    speak(u"zh_CN"_qs);
    EXPECT_EQ(ReadoutText(*readout, UnitSystem::SI, c)[0], u"干球温度 20.0 °C"_qs);
}

// The painted titles, scales and legend are drawn again in the new language:
// the cached picture is not kept across a change of language.
TEST_F(ChartLanguage, ThePictureIsPaintedAgainInTheNewLanguage) {
    PsychroChart chart;
    chart.resize(640, 420);
    chart.setAtmosphere(14.696);
    const QImage english = chart.grab().toImage();
    speak(u"fr"_qs);
    EXPECT_NE(chart.grab().toImage(), english);
    speak(u"en"_qs);
    EXPECT_EQ(chart.grab().toImage(), english);
}

} // namespace
