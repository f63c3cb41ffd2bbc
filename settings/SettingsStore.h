#pragma once

// The per-user settings store: text values by key, all in section "Settings".
//
// Backing: the INI file that QSettings keeps for organisation and application
// "Vaporwright" in the user's scope, that is
// <user configuration folder>/Vaporwright/Vaporwright.ini (~/.config on Linux).
// The file is opened by that name alone: the organisation-wide and system-wide
// INI files that QSettings would otherwise fall back on are not consulted.
//
// Safety:
// - Every write replaces the whole file atomically (QSettings writes through
//   QSaveFile: a temporary file in the same folder, renamed over the old one),
//   so an interrupted write leaves the previous file, never half of a new one.
//   Nothing else (no temporary or lock file) is left behind.
// - A damaged file is one this program could not have written: not UTF-8
//   text, control characters, a line that is neither a "[section]", a
//   "key=value" nor a ";comment", the "@" by which QSettings marks values of
//   other types than text, more than 64 KiB, unreadable, or not a plain file.
//   Reading a damaged file gives the default of every key. Writing first
//   replaces it atomically by an empty file, then writes the values as usual,
//   so what the program writes is stored and the damage is gone.
// - QSettings alone is not enough for this: it reports a format error only on
//   the first parse of a file in a process, accepts binary garbage as keys
//   and carries them over into every later write.
//
// The store is used from the user-interface thread only; nothing is locked
// beyond what QSettings does.
//
// Tests: before touching the store, point it at a fresh temporary folder with
//     QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
// the file is then dir + "/Vaporwright/Vaporwright.ini" (StoreFilePath()).
// Use a new folder for every test: QSettings caches parsed files by name and
// checks only size and modification time (to the millisecond), so a file
// rewritten by hand twice within a millisecond at the same size can be served
// from that cache. No QCoreApplication is needed.

#include <span>

#include <QString>
#include <QStringView>

namespace settings {

// The full path of the store's file for the current user.
QString StoreFilePath();

// The text stored under `key`, or `defaultText` when the file, the section or
// the key is missing, when the file is damaged, and when the stored value is
// not plain text.
QString GetSetting(QStringView key, const QString& defaultText);

struct SettingEntry {
    QString key;
    QString text;
};

// Writes all entries in one atomic replacement of the file, creating the file
// and its folder when needed; other keys keep their values. Returns whether
// the values were stored; the program does not act on a failure (a folder
// that cannot be written, a folder in place of the file), tests do.
bool SaveSettings(std::span<const SettingEntry> entries);

// SaveSettings with one entry.
bool SaveSetting(QStringView key, const QString& text);

} // namespace settings
