#pragma once

// The text of the store's file, both ways: the INI layout that QSettings
// writes, so that every file of earlier versions reads as it was written.
//
//   [Settings]
//   Alt=0
//   DBFormat=####0.00
//   Disclaimer%20Show=False
//
// Reading is tolerant and goes key by key. Each line is judged on its own: a
// line that cannot be read (bytes that are not UTF-8, control characters, no
// "=", a value of another type than text such as "@Variant(...)", a broken
// escape, a section header without its "]") is left out, and so are comments
// ("#" or ";"), blank lines and every section but "Settings". None of them
// makes another line unreadable: the keys after a header that cannot be read
// stay in the section they were in. A key given twice keeps its last value.
//
// Keys: letters, digits, "_", "-" and "." as they are; any other character
// as "%XX" (Latin-1) or "%UXXXX" (UTF-16), so a blank is "%20".
// Values: text after the "=" without the blanks around it. Double quotes keep
// blanks and commas (Qt quotes a value holding "," or ";" and one with
// blanks at either end); backslash escapes as in C ("\\", "\"", "\n", "\t",
// "\x1f", ...; a surrogate without its pair as "\xd800"); a leading "@" is
// doubled, since "@" alone marks a typed value. Other characters are written
// as UTF-8.

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <QString>

namespace settings {

// Every readable key of section "Settings" with its text, sorted by key as
// Qt sorts them in the file.
using StoredTexts = QMap<QString, QString>;

struct StoreContents {
    StoredTexts texts;
    // The file holds something besides blank lines and section headers:
    // comments, other sections' keys, lines that could not be read. A file
    // with such text and no readable key is kept aside before it is replaced.
    bool hasOtherText = false;
};

StoreContents ParseStoreText(QByteArrayView bytes);

// The whole file for these texts: the section header and one line per key.
QByteArray ComposeStoreText(const StoredTexts& texts);

} // namespace settings
