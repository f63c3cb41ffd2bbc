#pragma once

// The Edit menu's clipboard commands on the text field that has the focus.

#include <QString>
#include <QtGlobal>

namespace basCutCopyPaste {

// A failure of one step of an edit command. Failures are recorded to the
// "vaporwright.clipboard" logging category and never shown to the user.
struct EditFailure {
    quint32 number;      // object error base 0x80040000 + 515, 516 or 517
    QString source;      // "CApplication"
    QString description; // e.g. "Could not copy text."
};

inline constexpr quint32 kObjectErrorBase = 0x80040000u;

// Performs "CUT", "COPY", "PASTE" or "DELETE" (compared after upper-casing;
// the caller's word is upper-cased in place) on the selection of the focused
// widget of the program when that widget is a text field; on anything else,
// or for any other word, nothing happens. Text is exchanged with the system
// clipboard as plain text; pasted text is not filtered as typed keys are. A
// read-only field is never changed: cut only copies, paste and delete do
// nothing. Every failure is recorded and passed over; none reaches the caller.
void EditPerform(QString& commandWord);

} // namespace basCutCopyPaste
