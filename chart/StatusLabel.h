#pragma once

// A status line of the chart window's views (a message, a file's summary,
// a note): what a screen reader speaks for it is its text, not a name for
// the kind of line. The kind goes to the accessible description, and every
// change of the text is announced as a change of the name.

#include <QAccessible>
#include <QLabel>
#include <QString>

namespace chart {

// Makes `label` a status line described as `kind` ("Points message"),
// hidden while it has no text.
inline void MakeStatusLabel(QLabel* label, const QString& kind) {
    label->setAccessibleName(QString());
    label->setAccessibleDescription(kind);
    label->setVisible(!label->text().isEmpty());
}

// Shows `text` in a status line; an empty line is hidden, so that neither
// the eye nor the keyboard meets an empty box.
inline void SetStatusText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setVisible(!text.isEmpty());
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace chart
