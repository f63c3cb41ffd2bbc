#include "SettingsValues.h"

#include "Flags.h"
#include "StoreFixture.h"

using namespace settings;

namespace {

using ValuesTest = StoreFixture;

// Every value away from its default, as after a run in SI with altitude entry.
WindowSettings Changed() {
    WindowSettings values;
    values.units = 1;
    values.patmUnit = 1;
    values.patm = 12.23f;
    values.alt = -150.5f;
    values.fieldFormats[0] = QStringLiteral("####0.0000");
    values.fieldFormats[3] = QStringLiteral("#####0.");
    values.fieldFormats[13] = QString();
    values.keepOnTop = true;
    return values;
}

TEST_F(ValuesTest, MissingStoreGivesEveryDefault) {
    EXPECT_TRUE(ReadWindowSettings() == WindowSettings{});
    EXPECT_EQ(ReadFieldFormat(2), u"0.00");
    EXPECT_EQ(ReadFieldFormat(14), QString());
    blnDisclaimerShow = false;
    blnKeepOnTop = true;
    ReadStartupFlags();
    EXPECT_TRUE(blnDisclaimerShow);
    EXPECT_FALSE(blnKeepOnTop);
}

TEST_F(ValuesTest, WindowSettingsComeBackExactly) {
    ASSERT_TRUE(WriteWindowSettings(Changed()));
    EXPECT_TRUE(ReadWindowSettings() == Changed());
    const QByteArray file = ReadRawStore();
    for (const char* line : {"Units=1\n", "Patm=12.23\n", "Alt=-150.5\n", "DBFormat=####0.0000\n",
                             "MCFormat=\n", "KeepOnTop=True\n"}) {
        EXPECT_TRUE(file.contains(line)) << line;
    }
}

TEST_F(ValuesTest, SingleWritersAndFlags) {
    ASSERT_TRUE(WritePatm(12.23f) && WriteAlt(5000.0f) && WriteUnits(1) && WritePatmUnit(1));
    ASSERT_TRUE(WriteFieldFormat(11, QStringLiteral("##0.000")));
    EXPECT_FALSE(WriteFieldFormat(-1, QStringLiteral("0")));
    ASSERT_TRUE(WriteDisclaimerShow(false) && WriteKeepOnTop(true));
    EXPECT_TRUE(ReadPatm() == 12.23f && ReadAlt() == 5000.0f && ReadUnits() == 1 &&
                ReadPatmUnit() == 1 && ReadFieldFormat(11) == u"##0.000");
    ReadStartupFlags();
    EXPECT_FALSE(blnDisclaimerShow);
    EXPECT_TRUE(blnKeepOnTop);
}

TEST_F(ValuesTest, PressureInDecimalCommaLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_TRUE(WritePatm(14.696f));
    EXPECT_EQ(GetSetting(kPatm, QString()), u"14,696");
    EXPECT_EQ(ReadPatm(), 14.696f);
}

// One bad stored text per row; that key falls back on its default, every
// other key loads as stored.
const struct {
    const char16_t* key;
    const char16_t* text;
    void (*reset)(WindowSettings&);
} kBadTexts[] = {
    {u"Units", u"2", [](WindowSettings& v) { v.units = 0; }},
    {u"Units", u"-1", [](WindowSettings& v) { v.units = 0; }},
    {u"Units", u"SI", [](WindowSettings& v) { v.units = 0; }},
    {u"PatmUnit", u"1.0", [](WindowSettings& v) { v.patmUnit = 0; }},
    {u"Patm", u"abc", [](WindowSettings& v) { v.patm = kDefaultPatm; }},
    {u"Patm", u"1e39", [](WindowSettings& v) { v.patm = kDefaultPatm; }},
    {u"Patm", u"", [](WindowSettings& v) { v.patm = kDefaultPatm; }},
    {u"Alt", u"nan", [](WindowSettings& v) { v.alt = kDefaultAlt; }},
    {u"DBFormat", u"0.0.0",
     [](WindowSettings& v) { v.fieldFormats[0] = QStringLiteral("####0.00"); }},
    {u"HRFormat", u"#,##0.00",
     [](WindowSettings& v) { v.fieldFormats[3] = QStringLiteral("#####0.0000"); }},
    {u"MCFormat", u"000000000000000000000000000000000", // 33 characters
     [](WindowSettings& v) { v.fieldFormats[13] = QStringLiteral("#0.0"); }},
    {u"KeepOnTop", u"maybe", [](WindowSettings& v) { v.keepOnTop = false; }},
};

TEST_F(ValuesTest, BadStoredTextFallsBackOnItsOwnDefaultOnly) {
    for (const auto& row : kBadTexts) {
        const QString key = QString::fromUtf16(row.key);
        SCOPED_TRACE(key.toStdString() + "=" + QString::fromUtf16(row.text).toStdString());
        ASSERT_TRUE(WriteWindowSettings(Changed()));
        ASSERT_TRUE(SaveSetting(key, QString::fromUtf16(row.text)));
        WindowSettings expected = Changed();
        row.reset(expected);
        EXPECT_TRUE(ReadWindowSettings() == expected);
    }
}

TEST_F(ValuesTest, FlagThatIsNoBooleanGivesItsDefault) {
    ASSERT_TRUE(SaveSetting(kDisclaimerShow, QStringLiteral("Nope")));
    ASSERT_TRUE(SaveSetting(kKeepOnTop, QStringLiteral("1")));
    ReadStartupFlags();
    EXPECT_TRUE(blnDisclaimerShow);
    EXPECT_TRUE(blnKeepOnTop);
}

} // namespace
