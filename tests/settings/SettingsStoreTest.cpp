#include "StoreFixture.h"

#include <random>

using namespace settings;

namespace {

using StoreTest = StoreFixture;

TEST_F(StoreTest, MissingStoreGivesDefaultAndFirstWriteCreatesIt) {
    EXPECT_EQ(GetSetting(u"Units", QStringLiteral("0")), u"0");
    ASSERT_TRUE(SaveSetting(u"Disclaimer Show", QStringLiteral("False")));
    EXPECT_EQ(GetSetting(u"Disclaimer Show", QStringLiteral("True")), u"False");
    EXPECT_TRUE(ReadRawStore().startsWith("[Settings]\n"));
}

TEST_F(StoreTest, BatchWriteKeepsOtherKeysAndLeavesNoOtherFiles) {
    ASSERT_TRUE(SaveSetting(u"Units", QStringLiteral("1")));
    const SettingEntry batch[] = {{QStringLiteral("Patm"), QStringLiteral("12.23")},
                                  {QStringLiteral("DBFormat"), QString()}};
    ASSERT_TRUE(SaveSettings(batch));
    EXPECT_EQ(GetSetting(u"Units", QStringLiteral("0")), u"1");
    EXPECT_EQ(GetSetting(u"Patm", QStringLiteral("14.696")), u"12.23");
    // An empty text is a stored value, not a missing one.
    EXPECT_EQ(GetSetting(u"DBFormat", QStringLiteral("####0.00")), u"");
    // No temporary file of the atomic replacement and no lock file remain.
    EXPECT_EQ(StoreFolderEntries(), QStringList{QStringLiteral("Vaporwright.ini")});
}

TEST_F(StoreTest, ValueThatIsNotPlainTextGivesDefault) {
    WriteRawStore("[Settings]\nPatm=12, 5\n");
    EXPECT_EQ(GetSetting(u"Patm", QStringLiteral("14.696")), u"14.696");
}

QByteArray RandomBytes(int count) {
    std::mt19937 random(20240611);
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        bytes.append(static_cast<char>(random() & 0xff));
    }
    return bytes;
}

// Each holds "Units=1" where a lenient reader would find it; none may be used.
const struct {
    const char* name;
    QByteArray bytes;
} kDamagedFiles[] = {
    {"binary garbage", "[Settings]\nUnits=1\n" + RandomBytes(4000)},
    {"truncated line", "[Settings]\nUnits=1\nPatm=14.696\nDBFor"},
    {"unclosed section", "[Settings\nUnits=1\n"},
    {"typed value", "[Settings]\nUnits=1\nAlt=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1)\n"},
    {"huge", "[Settings]\nUnits=1\n" + QByteArray(200 * 1024, ' ') + "\n"},
};

TEST_F(StoreTest, DamagedFileReadsAsDefaultsAndIsReplacedOnWrite) {
    for (const auto& damaged : kDamagedFiles) {
        SCOPED_TRACE(damaged.name);
        QTemporaryDir dir; // a fresh file for each case: QSettings caches by name
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        WriteRawStore(damaged.bytes);
        // Twice: QSettings reports a damaged file only on its first parse.
        EXPECT_EQ(GetSetting(u"Units", QStringLiteral("0")), u"0");
        EXPECT_EQ(GetSetting(u"Units", QStringLiteral("0")), u"0");

        ASSERT_TRUE(SaveSetting(u"Patm", QStringLiteral("12.23")));
        EXPECT_EQ(GetSetting(u"Patm", QStringLiteral("14.696")), u"12.23");
        EXPECT_EQ(GetSetting(u"Units", QStringLiteral("0")), u"0");
        EXPECT_EQ(ReadRawStore(), "[Settings]\nPatm=12.23\n");
        EXPECT_EQ(StoreFolderEntries(), QStringList{QStringLiteral("Vaporwright.ini")});
    }
}

TEST_F(StoreTest, FolderInPlaceOfTheFileGivesDefaultsAndRefusesWrites) {
    ASSERT_TRUE(QDir().mkpath(StoreFilePath()));
    EXPECT_EQ(GetSetting(u"Units", QStringLiteral("0")), u"0");
    EXPECT_FALSE(SaveSetting(u"Units", QStringLiteral("1")));
}

} // namespace
