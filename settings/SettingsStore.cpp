#include "settings/SettingsStore.h"

#include <algorithm>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>

namespace settings {
namespace {

// The program's file holds a few hundred bytes; a hand-edited one with notes
// a few kilobytes. Beyond this nothing is read, so that a huge file costs
// neither much time nor memory.
constexpr qint64 kMaxStoreBytes = 16 * 1024 * 1024;

// A write holds the lock for milliseconds: a lock older than this is stale
// whoever holds it (ms).
constexpr int kStaleLockMs = 1000;
// The longest a write waits for the lock (ms).
constexpr int kLockWaitMs = 1500;

// The length of the random part QSaveFile appends to the file's name.
constexpr qsizetype kTemporarySuffixLength = 6;

// The store's file, or as much of it as is read.
struct StoreBytes {
    QByteArray bytes;
    // The file went on beyond kMaxStoreBytes: `bytes` holds the lines that
    // end within them, the rest was not read.
    bool cut = false;
};

StoreBytes ReadStoreBytes(const QString& path) {
    // isFile() keeps a folder or a pipe in the way from being opened (a pipe
    // would block the read).
    if (!QFileInfo(path).isFile()) {
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    // One byte more than the bound tells a file that goes on beyond it, even
    // one that grew since its size was taken. The read goes by pieces, since
    // QIODevice::read(n) sets n bytes aside at once.
    constexpr qint64 kPiece = 1024 * 1024;
    StoreBytes read;
    read.bytes.reserve(std::min(file.size(), kMaxStoreBytes) + 1);
    while (read.bytes.size() <= kMaxStoreBytes) {
        const QByteArray piece =
            file.read(std::min(kPiece, kMaxStoreBytes + 1 - read.bytes.size()));
        if (piece.isEmpty()) {
            break;
        }
        read.bytes += piece;
    }
    if (read.bytes.size() > kMaxStoreBytes) {
        // Never half a line: "Patm=14.696" cut to "Patm=14" would be read as
        // another value. The line the bound falls in is unread, like the rest.
        read.bytes.truncate(kMaxStoreBytes);
        const qsizetype lineEnd =
            std::max(read.bytes.lastIndexOf('\n'), read.bytes.lastIndexOf('\r'));
        read.bytes.truncate(lineEnd + 1);
        read.cut = true;
    }
    return read;
}

// Takes the store's lock within a moment, or not at all (see the header).
bool TakeLock(QLockFile& lock, const QString& lockPath) {
    const QFileInfo info(lockPath);
    if (info.exists() && !info.isFile()) {
        return false; // a folder in the way is never removed
    }
    lock.setStaleLockTime(kStaleLockMs);
    return lock.tryLock(kLockWaitMs);
}

void RemoveStaleTemporaryFiles(const QString& path) {
    const QFileInfo store(path);
    const QString prefix = store.fileName() + u'.';
    const QString pattern = prefix + QString(kTemporarySuffixLength, u'?');
    const QFileInfoList candidates = store.dir().entryInfoList(
        {pattern}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& candidate : candidates) {
        const QString name = candidate.fileName();
        const QStringView suffix = QStringView(name).sliced(prefix.size());
        const bool letters = std::all_of(suffix.begin(), suffix.end(), [](QChar c) {
            return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        });
        if (letters) {
            QFile::remove(candidate.filePath());
        }
    }
}

// Renames the file to "<name>.damaged", replacing an older one.
bool KeepAside(const QString& path) {
    const QString aside = path + QStringLiteral(".damaged");
    QFile::remove(aside);
    return QFile::rename(path, aside);
}

} // namespace

QString StoreFilePath() {
    // QSettings names the file <user folder>/<organisation>/<application>.ini;
    // the user folder (set by QSettings::setPath or the platform's default)
    // has no getter. A probe under a name that has no file yields it.
    const QSettings probe(QSettings::IniFormat, QSettings::UserScope,
                          QStringLiteral(".vaporwright-probe"), QStringLiteral("probe"));
    const QString userFolder = QFileInfo(QFileInfo(probe.fileName()).absolutePath()).absolutePath();
    return userFolder + QStringLiteral("/Vaporwright/Vaporwright.ini");
}

StoredTexts ReadStoredTexts() {
    return ParseStoreText(ReadStoreBytes(StoreFilePath()).bytes).texts;
}

QString GetSetting(QStringView key, const QString& defaultText) {
    return ReadStoredTexts().value(key.toString(), defaultText);
}

void RemoveLeftovers() {
    const QString path = StoreFilePath();
    if (!QFileInfo(path).dir().exists()) {
        return; // nothing was ever written
    }
    const QString lockPath = path + QStringLiteral(".lock");
    QLockFile lock(lockPath); // a stale lock taken over goes with it
    TakeLock(lock, lockPath);
    RemoveStaleTemporaryFiles(path);
}

bool SaveSettings(std::span<const SettingEntry> entries) {
    const QString path = StoreFilePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    const QString lockPath = path + QStringLiteral(".lock");
    QLockFile lock(lockPath); // released when it goes out of scope
    TakeLock(lock, lockPath);
    RemoveStaleTemporaryFiles(path);

    const StoreBytes read = ReadStoreBytes(path);
    StoreContents contents = ParseStoreText(read.bytes);
    // What was not read cannot be written back: the whole file is kept.
    const bool keepAside = read.cut || (contents.texts.isEmpty() && contents.hasOtherText);
    if (keepAside && !KeepAside(path)) {
        return false;
    }
    for (const SettingEntry& entry : entries) {
        contents.texts.insert(entry.key, entry.text);
    }
    const QByteArray text = ComposeStoreText(contents.texts);
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

bool SaveSetting(QStringView key, const QString& text) {
    const SettingEntry entry{key.toString(), text};
    return SaveSettings({&entry, 1});
}

} // namespace settings
