#include "StoreFixture.h"

#include <random>

using namespace settings;

namespace {

using StoreTest = StoreFixture;

TEST_F(StoreTest, MissingStoreGivesDefaultAndFirstWriteCreatesIt) {
    EXPECT_EQ(GetSetting(u"Units", QStringLiteral("0")), u"0");
    ASSERT_TRUE(SaveSetting(u"Disclaimer Show", QStringLiteral("False")));
    EXPECT_EQ(GetSetting(u"Disclaimer Show", QStringLiteral("True")), u"False");
    EXPECT_EQ(ReadRawStore(), "[Settings]\nDisclaimer%20Show=False\n");
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

QByteArray RandomBytes(int count) {
    std::mt19937 random(20240611);
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        bytes.append(static_cast<char>(random() & 0xff));
    }
    return bytes;
}

// Each file holds "Units=1" and "Patm=12.23" as readable lines next to
// damage of one kind. Reading takes both, and a write keeps them.
const struct {
    const char* name;
    QByteArray bytes;
    bool patmReadable;
} kPartlyDamaged[] = {
    {"comment with #", "# my notes\n[Settings]\nUnits=1\nPatm=12.23\n", true},
    {"Latin-1 in a comment", "[Settings]\n; caf\xe9\nUnits=1\nPatm=12.23\n", true},
    {"junk appended", "[Settings]\nUnits=1\nPatm=12.23\n\x01\xff\xfe\x80", true},
    {"junk line between", "[Settings]\nUnits=1\n\x80\x81garbage\nPatm=12.23\n", true},
    {"typed value", "[Settings]\nUnits=1\nPatm=12.23\nAlt=@Variant(\\0\\0\\0\\x7f)\n", true},
    {"over 64 KiB", "[Settings]\n;" + QByteArray(100 * 1024, 'x') + "\nUnits=1\nPatm=12.23\n",
     true},
    {"truncated", "[Settings]\nUnits=1\nPatm=12.23\nDBFor", true},
    {"random bytes after", "[Settings]\nUnits=1\nPatm=12.23\n" + RandomBytes(4000), true},
    {"NUL inside a line", "[Settings]\nUnits=1\nPatm=12." + QByteArray(1, '\0') + "23\n", false},
    {"Windows line ends and a BOM", "\xef\xbb\xbf[Settings]\r\nUnits=1\r\nPatm=12.23\r\n", true},
    {"key of another section", "[Other]\nPatm=1\n[Settings]\nUnits=1\nPatm=12.23\n", true},
    {"broken escape", "[Settings]\nUnits=1\nPatm=12.23\nAlt=\\x\n", true},
};

TEST_F(StoreTest, DamagedLinesAreSkippedKeyByKey) {
    for (const auto& file : kPartlyDamaged) {
        SCOPED_TRACE(file.name);
        WriteRawStore(file.bytes);
        EXPECT_EQ(GetSetting(u"Units", QStringLiteral("0")), u"1");
        const QString patm = file.patmReadable ? QStringLiteral("12.23") : QStringLiteral("none");
        EXPECT_EQ(GetSetting(u"Patm", QStringLiteral("none")), patm);
        EXPECT_EQ(GetSetting(u"Alt", QStringLiteral("none")), u"none");

        ASSERT_TRUE(SaveSetting(u"KeepOnTop", QStringLiteral("True")));
        EXPECT_EQ(GetSetting(u"Units", QStringLiteral("0")), u"1");
        EXPECT_EQ(GetSetting(u"Patm", QStringLiteral("none")), patm);
        EXPECT_EQ(GetSetting(u"KeepOnTop", QStringLiteral("False")), u"True");
        EXPECT_EQ(StoreFolderEntries(), QStringList{QStringLiteral("Vaporwright.ini")});
    }
}

// Files with text of their own but not one readable key.
const struct {
    const char* name;
    QByteArray bytes;
} kUnreadable[] = {
    {"binary", RandomBytes(2000)},
    {"notes only", "# settings of my lab machine\n; do not touch\n"},
    {"unclosed section", "[Settings\nUnits=1\n"},
    {"keys outside the section", "Units=1\nPatm=12.23\n"},
};

TEST_F(StoreTest, FileWithoutAReadableKeyIsKeptAsideBeforeTheWrite) {
    for (const auto& file : kUnreadable) {
        SCOPED_TRACE(file.name);
        WriteRawStore(file.bytes);
        EXPECT_EQ(GetSetting(u"Units", QStringLiteral("0")), u"0");
        ASSERT_TRUE(SaveSetting(u"Patm", QStringLiteral("12.23")));
        EXPECT_EQ(ReadRawStore(), "[Settings]\nPatm=12.23\n");
        QFile aside(settings::StoreFilePath() + QStringLiteral(".damaged"));
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_EQ(aside.readAll(), file.bytes); // the last one replaces the one before
        aside.close();
        ASSERT_TRUE(aside.remove());
    }
    // A file of blank lines and headers holds nothing to keep.
    WriteRawStore("\n[Settings]\n\n");
    ASSERT_TRUE(SaveSetting(u"Units", QStringLiteral("1")));
    EXPECT_EQ(StoreFolderEntries(), QStringList{QStringLiteral("Vaporwright.ini")});
}

// A file over 16 MiB was cut at 16 MiB, mid-line: "Patm=14.696" read as
// "Patm=14". Only lines that end within the bound are read; the file, not
// read whole, is kept aside before a write.
TEST_F(StoreTest, OversizedFileIsNeverCutMidLine) {
    constexpr qsizetype kBound = 16 * 1024 * 1024;
    const QByteArray head = "[Settings]\nUnits=1\n";
    const QByteArray patm = "Patm=14.696\n";
    // Comment lines up to `end`, where the Patm line then starts.
    const auto filledTo = [&head](qsizetype end) {
        QByteArray bytes = head;
        const QByteArray line = ';' + QByteArray(1000, 'x') + '\n';
        while (end - bytes.size() > 2 * line.size()) {
            bytes += line;
        }
        bytes += ';' + QByteArray(end - bytes.size() - 2, 'y') + '\n';
        return bytes;
    };
    const struct {
        const char* name;
        QByteArray bytes;
        const char* patm;
    } cases[] = {
        {"Patm across the bound", filledTo(kBound - 5) + patm + "Alt=100\n", "none"},
        {"Patm ending at the bound", filledTo(kBound - patm.size()) + patm + "Alt=100\n", "14.696"},
        {"one line across the bound", head + QByteArray(kBound, 'z') + "\nPatm=14.696\n", "none"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteRawStore(c.bytes);
        const StoredTexts read = ReadStoredTexts();
        EXPECT_EQ(read.value(QStringLiteral("Units")), u"1");
        EXPECT_EQ(read.value(QStringLiteral("Patm"), QStringLiteral("none")),
                  QString::fromLatin1(c.patm));
        EXPECT_FALSE(read.contains(QStringLiteral("Alt")));

        ASSERT_TRUE(SaveSetting(u"KeepOnTop", QStringLiteral("True")));
        const QByteArray kept = QByteArray("[Settings]\nKeepOnTop=True\n") +
                                (qstrcmp(c.patm, "none") != 0 ? "Patm=14.696\n" : "") + "Units=1\n";
        EXPECT_EQ(ReadRawStore(), kept);
        QFile aside(settings::StoreFilePath() + QStringLiteral(".damaged"));
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_TRUE(aside.readAll() == c.bytes); // the user's file, whole
    }
}

// Empty, as a kill between making and filling them leaves them: the store's
// lock and two temporary files of QSaveFile. A file of another name stays.
void LeaveLeftovers() {
    const QString store = settings::StoreFilePath();
    for (const char* suffix : {".lock", ".AbCdEf", ".qwerty", ".notes.txt"}) {
        QFile file(store + QString::fromLatin1(suffix));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
}

TEST_F(StoreTest, LeftoversOfKilledRunsNeitherBlockNorStay) {
    const QStringList kept{QStringLiteral("Vaporwright.ini"),
                           QStringLiteral("Vaporwright.ini.notes.txt")};
    WriteRawStore("[Settings]\nUnits=1\n");
    LeaveLeftovers();
    RemoveLeftovers(); // at start-up
    EXPECT_EQ(StoreFolderEntries(), kept);

    LeaveLeftovers();
    ASSERT_TRUE(SaveSetting(u"Patm", QStringLiteral("12.23")));
    EXPECT_EQ(GetSetting(u"Units", QStringLiteral("0")), u"1");
    EXPECT_EQ(StoreFolderEntries(), kept);
}

TEST_F(StoreTest, LockFolderInTheWayIsPassedOver) {
    WriteRawStore("[Settings]\nUnits=1\n");
    ASSERT_TRUE(QDir().mkpath(settings::StoreFilePath() + QStringLiteral(".lock")));
    ASSERT_TRUE(SaveSetting(u"Patm", QStringLiteral("12.23")));
    EXPECT_EQ(GetSetting(u"Patm", QStringLiteral("none")), u"12.23");
}

TEST_F(StoreTest, FolderInPlaceOfTheFileGivesDefaultsAndRefusesWrites) {
    ASSERT_TRUE(QDir().mkpath(StoreFilePath()));
    EXPECT_EQ(GetSetting(u"Units", QStringLiteral("0")), u"0");
    EXPECT_FALSE(SaveSetting(u"Units", QStringLiteral("1")));
}

} // namespace
