#pragma once

// The per-user settings store: text values by key, all in section "Settings".
//
// Backing: the INI file that QSettings would keep for organisation and
// application "Vaporwright" in the user's scope, that is
// <user configuration folder>/Vaporwright/Vaporwright.ini (~/.config on
// Linux), in the text of IniFormat.h. Only that file is consulted.
//
// Reading takes every key it can read and skips only what it cannot: a
// comment, a stray byte, a line an editor or a crash damaged never makes
// another key fall back on its default. A missing file, and a folder or other
// non-file in its place, read as empty. Of a file beyond 16 MiB only the lines
// that end within the first 16 MiB are read: a line is never read in part.
//
// Writing (SaveSettings), in this order:
// - takes the file's lock "Vaporwright.ini.lock", the one QSettings uses, so
//   that two writers never interleave. A lock whose owner process is gone is
//   taken over at once; one without a readable owner (an empty file a killed
//   run left) or held for more than a second is taken over as stale; one that
//   cannot be had within a moment is passed over, since losing the user's
//   settings would be worse than the rare second writer it guards against;
// - removes the temporary files of earlier writes that were interrupted
//   ("Vaporwright.ini." and six letters, QSaveFile's names);
// - reads the file as above and sets the entries' keys in it: every other
//   readable key keeps its value; comments and unreadable lines are dropped;
// - a file with text of its own but no readable key at all, and a file beyond
//   16 MiB (not read whole), is kept aside as "Vaporwright.ini.damaged"
//   (replacing an older one) before it is replaced, so that nothing written
//   by hand is silently destroyed;
// - replaces the file atomically (QSaveFile: a temporary file renamed over
//   the old one), or writes it in place where the folder does not allow that.
//
// The store is used from the user-interface thread only.
//
// Tests: before touching the store, point it at a fresh temporary folder with
//     QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
// the file is then dir + "/Vaporwright/Vaporwright.ini" (StoreFilePath()).
// No QCoreApplication is needed.

#include "settings/IniFormat.h"

#include <span>

#include <QString>
#include <QStringView>

namespace settings {

// The full path of the store's file for the current user.
QString StoreFilePath();

// Every readable key and its text, in one read of the file.
StoredTexts ReadStoredTexts();

// The text stored under `key`, or `defaultText` when the file, the section or
// a readable line of the key is missing.
QString GetSetting(QStringView key, const QString& defaultText);

// What killed runs may have left next to the file: a stale lock and the
// temporary files of interrupted writes. Start-up calls it once; every write
// does the same.
void RemoveLeftovers();

struct SettingEntry {
    QString key;
    QString text;
};

// Writes all entries in one replacement of the file, creating the file and
// its folder when needed; other keys keep their values. Returns whether the
// values were stored; the program does not act on a failure (a folder that
// cannot be written, a folder in place of the file), tests do.
bool SaveSettings(std::span<const SettingEntry> entries);

// SaveSettings with one entry.
bool SaveSetting(QStringView key, const QString& text);

} // namespace settings
