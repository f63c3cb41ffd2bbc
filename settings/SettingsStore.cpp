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

QByteArray ReadStoreBytes(const QString& path) {
    // isFile() keeps a folder or a pipe in the way from being opened (a pipe
    // would block the read).
    if (!QFileInfo(path).isFile()) {
        return {};
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(kMaxStoreBytes) : QByteArray();
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
    return ParseStoreText(ReadStoreBytes(StoreFilePath())).texts;
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

    StoreContents contents = ParseStoreText(ReadStoreBytes(path));
    if (contents.texts.isEmpty() && contents.hasOtherText && !KeepAside(path)) {
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
