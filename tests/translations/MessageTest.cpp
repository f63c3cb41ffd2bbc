// Texts and messages of the Qt-free code where the window shows them.

#include "translations/Message.h"

#include "core/RealAir.h"
#include "translations/Languages.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

using calculator::Reason;
using translations::Translated;

constexpr int kReasonCount = static_cast<int>(Reason::NumberTooLarge) + 1;

class Messages : public ::testing::Test {
protected:
    void TearDown() override { translations::Install(*qApp, u"en"_qs); }
};

// In English with a number locale that writes "," and ".", the window says
// what the compute core and the batch program say, to the byte.
TEST_F(Messages, InEnglishEveryReasonReadsAsTheCoresLine) {
    for (const QLocale& numbers :
         {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates)}) {
        for (int r = 0; r < kReasonCount; ++r) {
            for (const char* system : {"IP", "SI"}) {
                const auto reason = static_cast<Reason>(r);
                EXPECT_EQ(Translated(calculator::ReasonMessage(reason, system, "12,5x"), numbers),
                          QString::fromStdString(calculator::ReasonText(reason, system, "12,5x")))
                    << r << ' ' << system;
            }
        }
    }
}

TEST_F(Messages, NumbersTakeTheReadersFormatUnitsStay) {
    const i18n::Message beyond = calculator::ReasonMessage(Reason::AltitudeAboveRange, "SI");
    const i18n::Message below = calculator::ReasonMessage(Reason::AltitudeBelowRange, "SI");
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(Translated(beyond, german), u"Altitude beyond 19.812 m"_qs);
    EXPECT_EQ(Translated(below, german), u"Altitude below -609,6 m"_qs);
    ASSERT_TRUE(translations::Install(*qApp, u"de"_qs));
    EXPECT_EQ(Translated(beyond, german), u"Höhe über 19.812 m"_qs);
    ASSERT_TRUE(translations::Install(*qApp, u"fr"_qs));
    const QLocale french(QLocale::French, QLocale::France);
    EXPECT_EQ(Translated(calculator::ReasonMessage(Reason::PressureAboveRange, "SI"), french),
              u"Pression atmosphérique supérieure à 1"_qs + french.groupSeparator() +
                  u"013,25 kPa"_qs);
}

TEST_F(Messages, ATypedTextIsQuotedAsTypedNeverAsANumber) {
    ASSERT_TRUE(translations::Install(*qApp, u"de"_qs));
    const QLocale german(QLocale::German, QLocale::Germany);
    // Its "." and "," are what the user typed; its "%1" is no placeholder.
    EXPECT_EQ(
        Translated(calculator::ReasonMessage(Reason::UnreadableNumber, "IP", "1,5.%1"), german),
        u"„1,5.%1“ ist keine lesbare Zahl"_qs);
}

TEST(LocalNumber, MapsTheSeparatorsAndTheSign) {
    EXPECT_EQ(translations::LocalNumber(u"-65,000.25", QLocale(QLocale::German)), u"-65.000,25"_qs);
    EXPECT_EQ(translations::LocalNumber(u"-65,000.25", QLocale::c()), u"-65,000.25"_qs);
    EXPECT_EQ(translations::LocalNumber(u"102", QLocale(QLocale::French)), u"102"_qs);
}

TEST(Translated, AnEmptyMessageIsAnEmptyLine) {
    EXPECT_TRUE(Translated(i18n::Message{}).isEmpty());
    EXPECT_TRUE(Translated(i18n::Text{nullptr, nullptr}).isEmpty());
}

} // namespace
