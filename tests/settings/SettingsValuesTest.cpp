#include "settings/SettingsValues.h"

#include "StoreFixture.h"
#include "engine/Limits.h"
#include "engine/PsychroFun.h"
#include "settings/Flags.h"
#include "settings/SettingsStore.h"

using namespace settings;

namespace {

using ValuesTest = StoreFixture;

// The window's own derivations, psia from ft and back.
float PressureAt(float ft) {
    return static_cast<float>(basPsychroFun::PressureFromAltitude(ft, "IP"));
}
float AltitudeOf(float psia) {
    return static_cast<float>(basPsychroFun::AltitudeFromPressure(psia, "IP"));
}

// Every value away from its default, as after a run in SI with altitude entry.
WindowSettings Changed() {
    WindowSettings values;
    values.units = 1;
    values.patmUnit = 1;
    values.alt = -150.5f;
    values.patm = PressureAt(-150.5f);
    values.fieldFormats[0] = QStringLiteral("####0.0000");
    values.fieldFormats[3] = QStringLiteral("#####0.");
    values.fieldFormats[13] = QStringLiteral("#0.");
    values.keepOnTop = true;
    values.disclaimerShow = false;
    return values;
}

StoredTexts Texts(std::initializer_list<std::pair<const char*, const char*>> lines) {
    StoredTexts texts;
    for (const auto& [key, text] : lines) {
        texts.insert(QString::fromLatin1(key), QString::fromLatin1(text));
    }
    return texts;
}

TEST_F(ValuesTest, MissingStoreGivesEveryDefault) {
    EXPECT_TRUE(ReadWindowSettings() == WindowSettings{});
    blnDisclaimerShow = false;
    blnKeepOnTop = true;
    ReadStartupFlags();
    EXPECT_TRUE(blnDisclaimerShow);
    EXPECT_FALSE(blnKeepOnTop);
}

TEST_F(ValuesTest, WindowSettingsComeBackExactlyUnderAnyLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(WriteWindowSettings(Changed()));
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(ReadWindowSettings() == Changed());
    const QByteArray file = ReadRawStore();
    for (const char* line : {"Units=1\n", "Alt=-150.5\n", "DBFormat=####0.0000\n", "MCFormat=#0.\n",
                             "KeepOnTop=True\n", "Disclaimer%20Show=False\n"}) {
        EXPECT_TRUE(file.contains(line)) << line;
    }
    EXPECT_FALSE(file.contains(',')) << file.toStdString();
    ReadStartupFlags();
    EXPECT_FALSE(blnDisclaimerShow);
    EXPECT_TRUE(blnKeepOnTop);
}

// Regression: a file written under German was read as defaults under English.
TEST_F(ValuesTest, DecimalCommaOfEarlierVersionsReads) {
    WriteRawStore("[Settings]\nPatm=\"12,23\"\nAlt=\"5005,581\"\n");
    const WindowSettings read = ReadWindowSettings();
    EXPECT_EQ(read.patm, 12.23f);
    EXPECT_EQ(read.alt, 5005.581f);
}

// One bad stored text per row; that key falls back on its default, every
// other key loads as stored.
const struct {
    const char* key;
    const char* text;
    void (*reset)(WindowSettings&);
} kBadTexts[] = {
    {"Units", "2", [](WindowSettings& v) { v.units = 0; }},
    {"Units", "SI", [](WindowSettings& v) { v.units = 0; }},
    {"PatmUnit", "1.0", [](WindowSettings& v) { v.patmUnit = 0; }}, // pressure decides; it agrees
    {"DBFormat", "0.0.0", [](WindowSettings& v) { v.fieldFormats[0] = u"####0.00"_qs; }},
    {"HRFormat", "#,##0.00", [](WindowSettings& v) { v.fieldFormats[3] = u"#####0.0000"_qs; }},
    {"MCFormat", "0.000000000", [](WindowSettings& v) { v.fieldFormats[13] = u"#0.0"_qs; }},
    {"ENFormat", "", [](WindowSettings& v) { v.fieldFormats[4] = u"#0.00"_qs; }}, // cut short
    {"KeepOnTop", "maybe", [](WindowSettings& v) { v.keepOnTop = false; }},
    {"Disclaimer Show", "", [](WindowSettings& v) { v.disclaimerShow = true; }},
};

TEST_F(ValuesTest, BadStoredTextFallsBackOnItsOwnDefaultOnly) {
    ASSERT_TRUE(WriteWindowSettings(Changed()));
    const StoredTexts good = ReadStoredTexts();
    for (const auto& row : kBadTexts) {
        SCOPED_TRACE(std::string(row.key) + "=" + row.text);
        StoredTexts texts = good;
        texts.insert(QString::fromLatin1(row.key), QString::fromLatin1(row.text));
        WindowSettings expected = Changed();
        row.reset(expected);
        EXPECT_TRUE(WindowSettingsFrom(texts) == expected);
    }
}

// Pressure (psia) and altitude (ft) are checked, then made to agree from the
// one the mode says was entered, or from the usable one.
const struct {
    const char* name;
    StoredTexts texts;
    float patm;
    float alt;
} kPressureRows[] = {
    {"agreeing pair kept as stored", Texts({{"Patm", "12.23"}, {"Alt", "5005.58"}}), 12.23f,
     5005.58f},
    {"pressure entered decides", Texts({{"Patm", "12.23"}, {"Alt", "0"}}), 12.23f,
     AltitudeOf(12.23f)},
    {"altitude entered decides", Texts({{"PatmUnit", "1"}, {"Patm", "14.696"}, {"Alt", "5000"}}),
     PressureAt(5000.0f), 5000.0f},
    {"negative pressure", Texts({{"Patm", "-5"}, {"Alt", "5000"}}), PressureAt(5000.0f), 5000.0f},
    {"zero pressure", Texts({{"Patm", "0"}}), 14.696f, 0.0f},
    {"file cut before Patm", Texts({{"Alt", "5000"}}), PressureAt(5000.0f), 5000.0f},
    {"pressure beyond ten atmospheres", Texts({{"Patm", "146.97"}, {"Alt", "0"}}), 14.696f, 0.0f},
    {"pressure of ten atmospheres", Texts({{"Patm", "146.96"}, {"Alt", "0"}}), 146.96f, 0.0f},
    {"huge values", Texts({{"Patm", "3e38"}, {"Alt", "1e30"}}), 14.696f, 0.0f},
    {"altitude above the polynomial",
     Texts({{"PatmUnit", "1"}, {"Patm", "12.23"}, {"Alt", "65000.5"}}), 12.23f, AltitudeOf(12.23f)},
    {"altitude below its range", Texts({{"Patm", "14.696"}, {"Alt", "-2000.5"}}), 14.696f,
     AltitudeOf(14.696f)},
};

TEST_F(ValuesTest, PressureAndAltitudeAreCheckedAndAgree) {
    for (const auto& row : kPressureRows) {
        SCOPED_TRACE(row.name);
        const WindowSettings read = WindowSettingsFrom(row.texts);
        EXPECT_EQ(read.patm, row.patm);
        EXPECT_EQ(read.alt, row.alt);
        EXPECT_GT(read.patm, 0.0f);
        EXPECT_GE(read.alt, basPsychroFun::kMinAltitudeFt);
        EXPECT_LE(read.alt, basPsychroFun::kMaxAltitudeFt);
    }
}

} // namespace

namespace {

// The language is written only once the user has chosen one, so the file of
// a user who never did stays as earlier versions wrote it.
TEST_F(ValuesTest, TheLanguageIsKeptOnlyOnceChosen) {
    ASSERT_TRUE(WriteWindowSettings(Changed()));
    EXPECT_FALSE(ReadRawStore().contains("Language"));
    EXPECT_FALSE(ReadWindowSettings().language);

    WindowSettings chosen = Changed();
    chosen.language = QStringLiteral("zh_CN");
    ASSERT_TRUE(WriteWindowSettings(chosen));
    EXPECT_TRUE(ReadRawStore().contains("Language=zh_CN\n"));
    EXPECT_TRUE(ReadWindowSettings() == chosen);

    // Written by hand: blanks around it go; the text is kept as it is, and
    // the language library decides what it names.
    EXPECT_EQ(WindowSettingsFrom(Texts({{"Language", " System "}})).language, u"System"_qs);
    EXPECT_EQ(WindowSettingsFrom(Texts({{"Language", ""}})).language, u""_qs);
    // A run that does not choose leaves the stored choice as it was.
    ASSERT_TRUE(WriteWindowSettings(Changed()));
    EXPECT_EQ(ReadWindowSettings().language, u"zh_CN"_qs);
}

} // namespace
