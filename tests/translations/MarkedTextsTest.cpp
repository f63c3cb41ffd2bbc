// The texts the Qt-free libraries mark for translation: each one's English is
// the sentence those libraries have always written, and every language's
// catalogue has it, so that no reason, problem or name a window shows stays
// in English. A value added to an enumeration without a marked text, or a
// marked text left out of a catalogue, fails here.

#include "airhandler/Design.h"
#include "airhandler/Issue.h"
#include "airhandler/Solve.h"
#include "processes/Problem.h"
#include "processes/Process.h"
#include "translations/Languages.h"
#include "translations/Message.h"
#include "weather/Report.h"
#include "weather/Site.h"

#include <functional>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// One marked text and the English line its library writes for it.
struct Marked {
    i18n::Text text;
    std::string english;
};

std::vector<Marked> EveryMarkedText() {
    std::vector<Marked> all;
    const auto add = [&all](i18n::Text text, std::string_view english) {
        all.push_back({text, std::string(english)});
    };
    for (int i = 0; i <= static_cast<int>(processes::Problem::CalculationFault); ++i) {
        const auto problem = static_cast<processes::Problem>(i);
        add(processes::ProblemText(problem), processes::Describe(problem));
    }
    for (int i = 0; i <= static_cast<int>(processes::ProcessKind::CoolingAndHumidifying); ++i) {
        const auto kind = static_cast<processes::ProcessKind>(i);
        add(processes::ProcessNameText(kind), processes::ProcessName(kind));
    }
    for (std::size_t i = 0; i < weather::kSkipReasonCount; ++i) {
        const auto reason = static_cast<weather::SkipReason>(i);
        add(weather::SkipReasonText(reason), weather::DescribeSkipReason(reason));
    }
    for (int i = 1; i <= static_cast<int>(weather::FileProblem::ColumnWithoutUnit); ++i) {
        const auto problem = static_cast<weather::FileProblem>(i);
        add(weather::FileProblemText(problem), weather::DescribeFileProblem(problem));
    }
    for (const auto source : {weather::SitePressureSource::ElevationOutOfRange,
                              weather::SitePressureSource::NoElevation})
        add(weather::SitePressureSourceText(source), weather::DescribeSitePressureSource(source));
    for (int i = 0; i <= static_cast<int>(airhandler::Reason::CalculationFault); ++i) {
        const auto reason = static_cast<airhandler::Reason>(i);
        add(airhandler::ReasonText(reason), airhandler::Describe(reason));
    }
    for (int i = 0; i <= static_cast<int>(airhandler::EconomizerReason::AboveHighLimit); ++i) {
        const auto reason = static_cast<airhandler::EconomizerReason>(i);
        add(airhandler::EconomizerText(reason), airhandler::Describe(reason));
    }
    using namespace airhandler;
    const auto recovery = [](Exchanger exchanger) {
        HeatRecovery r;
        r.exchanger = exchanger;
        return r;
    };
    const auto heating = [](HeatingRole role) {
        HeatingCoil h;
        h.role = role;
        return h;
    };
    const auto humidifier = [](HumidifierKind kind) {
        Humidifier h;
        h.kind = kind;
        return h;
    };
    const Component components[] = {recovery(Exchanger::Wheel),
                                    recovery(Exchanger::Plate),
                                    MixingBox{},
                                    heating(HeatingRole::Preheat),
                                    heating(HeatingRole::Reheat),
                                    CoolingCoil{},
                                    SupplyFan{},
                                    humidifier(HumidifierKind::Steam),
                                    humidifier(HumidifierKind::Adiabatic)};
    for (const Component& component : components)
        add(ComponentNameText(component), ComponentName(component));
    return all;
}

TEST(MarkedTexts, EachIsItsLibrarysEnglishLine) {
    for (const Marked& marked : EveryMarkedText()) {
        ASSERT_NE(marked.text.source, nullptr);
        ASSERT_NE(marked.text.context, nullptr);
        EXPECT_FALSE(marked.english.empty()) << marked.text.context;
        EXPECT_EQ(marked.text.source, marked.english);
    }
}

TEST(MarkedTexts, EveryLanguagesCatalogueTranslatesEach) {
    const std::vector<Marked> all = EveryMarkedText();
    for (const translations::Language& language : translations::kLanguages) {
        if (language.code == translations::kEnglish)
            continue;
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(translations::CatalogueResource(language.code)));
        for (const Marked& marked : all) {
            const QString translated = catalogue.translate(marked.text.context, marked.text.source);
            EXPECT_FALSE(translated.isEmpty()) << language.code.toString().toStdString() << ": "
                                               << marked.text.context << ": " << marked.english;
        }
    }
}

// A refused air-handler case in a window: the component's name, the reason
// and the underlying problem are each translated, and in English the message
// reads exactly as the tables and the batch program write it.
class Explained : public ::testing::Test {
protected:
    void TearDown() override { translations::Install(*qApp, u"en"_qs); }
};

TEST_F(Explained, InEnglishTheMessageIsExplainsLine) {
    const airhandler::Component coil = airhandler::CoolingCoil{};
    const struct {
        airhandler::Issue issue;
        bool named;
    } rows[] = {
        {{airhandler::Reason::NoSupplyAirflow, std::nullopt, -1}, false},
        {{airhandler::Reason::RoomNotAir, processes::Problem::Supersaturated, -1}, false},
        {{airhandler::Reason::CoilRefused, processes::Problem::NoApparatusDewPoint, 2}, true},
        {{airhandler::Reason::CoilRefused, processes::Problem::NoApparatusDewPoint, 2}, false},
        {{airhandler::Reason::BadBypassFactor, std::nullopt, 0}, true},
        {{airhandler::Reason::BadBypassFactor, std::nullopt, 0}, false},
        // A calculation fault says nothing of the problem behind it.
        {{airhandler::Reason::CalculationFault, processes::Problem::SameAir, 4}, true},
    };
    for (const auto& row : rows) {
        const std::string_view name = row.named ? airhandler::ComponentName(coil) : "";
        const i18n::Message message = airhandler::ExplainMessage(
            row.issue, row.named ? airhandler::ComponentNameText(coil) : i18n::Text{});
        EXPECT_EQ(message.English(), airhandler::Explain(row.issue, name));
        EXPECT_EQ(translations::Translated(message).toStdString(),
                  airhandler::Explain(row.issue, name));
    }
}

TEST_F(Explained, EachPieceIsTranslated) {
    const airhandler::Issue issue{airhandler::Reason::CoilRefused,
                                  processes::Problem::NoApparatusDewPoint, 2};
    const i18n::Message message =
        airhandler::ExplainMessage(issue, airhandler::ComponentNameText(airhandler::CoolingCoil{}));
    ASSERT_TRUE(translations::Install(*qApp, u"de"_qs));
    EXPECT_EQ(translations::Translated(message),
              u"Komponente 3 (Luftkühler): Der Luftkühler kann diese Luft nicht erzeugen. Die "
              u"Prozesslinie trifft die Sättigungslinie unterhalb der Austrittsluft nicht."_qs);
}

// A marked argument is written as its English by English(), and a typed
// "%1" in a plain argument beside it stays as typed.
TEST(MarkedArgument, EnglishIsItsSource) {
    const i18n::Message message{
        VW_TRANSLATABLE("Test", "%1 then %2"),
        {i18n::Argument::Translatable(processes::ProblemText(processes::Problem::SameAir)),
         i18n::Argument::Plain("%1")}};
    EXPECT_EQ(message.English(), "The two points are the same air. then %1");
    EXPECT_EQ(i18n::Argument::Translatable(i18n::Text{}).English(), "");
}

} // namespace

namespace {

// A weather file's column without a unit the program reads: the column's
// name, the quantity and its units are written as the file and the program
// write them, whatever the language; only the words around them change.
class ColumnMessage : public ::testing::Test {
protected:
    void TearDown() override { translations::Install(*qApp, u"en"_qs); }
};

TEST_F(ColumnMessage, KeepsTheFilesNamesInEveryLanguage) {
    using weather::FileProblem;
    for (const char* column : {"pressure", "pressure_furlongs", "dew_point_%1"}) {
        const i18n::Message message =
            weather::FileProblemMessage(FileProblem::ColumnWithoutUnit, column);
        EXPECT_EQ(message.English(),
                  weather::DescribeFileProblem(FileProblem::ColumnWithoutUnit, column));
        EXPECT_EQ(translations::Translated(message).toStdString(), message.English());
    }
    ASSERT_TRUE(translations::Install(*qApp, u"de"_qs));
    EXPECT_EQ(translations::Translated(
                  weather::FileProblemMessage(FileProblem::ColumnWithoutUnit, "pressure")),
              u"Spalte „pressure“ nennt keine Einheit; benennen Sie sie mit einer der Einheiten "
              u"von pressure (psia, kPa, Pa, inHg, mbar), etwa pressure_psia."_qs);
    // A typed "%1" in the column's name is no placeholder.
    EXPECT_TRUE(translations::Translated(
                    weather::FileProblemMessage(FileProblem::ColumnWithoutUnit, "dew_point_%1"))
                    .startsWith(u"Spalte „dew_point_%1“: keine solche Einheit für dew_point"));
    // Without a column, the file problem's own sentence.
    EXPECT_EQ(translations::Translated(weather::FileProblemMessage(FileProblem::Empty, "")),
              u"Die Datei ist leer."_qs);
}

} // namespace
