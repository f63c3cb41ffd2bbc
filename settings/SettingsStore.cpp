#include "SettingsStore.h"

#include "SettingsKeys.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>

namespace settings {
namespace {

// The program's file holds a few hundred bytes. A file far larger was not
// written by it, and reading it whole would only cost time and memory.
constexpr qint64 kMaxStoreBytes = 64 * 1024;

enum class StoreFile { Missing, Sound, Damaged };

bool IsSoundLine(QStringView line) {
    const QStringView text = line.trimmed();
    if (text.isEmpty() || text.startsWith(u';')) {
        return true;
    }
    if (text.startsWith(u'[')) {
        return text.contains(u']');
    }
    return text.contains(u'=');
}

bool IsSoundStoreText(const QByteArray& bytes) {
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return false;
    }
    // QSettings ends a line at "\n" or "\r" alike.
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const char16_t c = i < text.size() ? text[i].unicode() : u'\n';
        if (c == u'\n' || c == u'\r') {
            if (!IsSoundLine(QStringView(text).sliced(lineStart, i - lineStart))) {
                return false;
            }
            lineStart = i + 1;
        } else if ((c < 0x20 && c != u'\t') || c == 0x7f || c == u'@') {
            return false;
        }
    }
    return true;
}

StoreFile InspectStoreFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return StoreFile::Missing;
    }
    // isFile() keeps a folder or a pipe in the way from being opened (a pipe
    // would block the read).
    if (!info.isFile() || info.size() > kMaxStoreBytes) {
        return StoreFile::Damaged;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return StoreFile::Damaged;
    }
    const QByteArray bytes = file.read(kMaxStoreBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxStoreBytes) {
        return StoreFile::Damaged;
    }
    return IsSoundStoreText(bytes) ? StoreFile::Sound : StoreFile::Damaged;
}

bool ReplaceWithEmptyFile(const QString& path) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.commit();
}

QString SectionKey(QStringView key) {
    QString sectionKey = kSection.toString();
    sectionKey += u'/';
    sectionKey += key;
    return sectionKey;
}

} // namespace

QString StoreFilePath() {
    // QSettings names the file <user folder>/<organisation>/<application>.ini;
    // the user folder (set by QSettings::setPath or the platform's default)
    // has no getter. A probe under a name that has no file yields it without
    // reading the store itself, which may be damaged or huge.
    const QSettings probe(QSettings::IniFormat, QSettings::UserScope,
                          QStringLiteral(".vaporwright-probe"), QStringLiteral("probe"));
    const QString userFolder = QFileInfo(QFileInfo(probe.fileName()).absolutePath()).absolutePath();
    return userFolder + QStringLiteral("/Vaporwright/Vaporwright.ini");
}

QString GetSetting(QStringView key, const QString& defaultText) {
    const QString path = StoreFilePath();
    if (InspectStoreFile(path) != StoreFile::Sound) {
        return defaultText;
    }
    const QSettings store(path, QSettings::IniFormat);
    const QVariant value = store.value(SectionKey(key));
    // A missing key gives an invalid QVariant; "a, b" would give a list.
    if (store.status() != QSettings::NoError || value.typeId() != QMetaType::QString) {
        return defaultText;
    }
    return value.toString();
}

bool SaveSettings(std::span<const SettingEntry> entries) {
    const QString path = StoreFilePath();
    if (InspectStoreFile(path) == StoreFile::Damaged && !ReplaceWithEmptyFile(path)) {
        return false;
    }
    QSettings store(path, QSettings::IniFormat);
    for (const SettingEntry& entry : entries) {
        store.setValue(SectionKey(entry.key), entry.text);
    }
    store.sync();
    return store.status() == QSettings::NoError;
}

bool SaveSetting(QStringView key, const QString& text) {
    const SettingEntry entry{key.toString(), text};
    return SaveSettings({&entry, 1});
}

} // namespace settings
