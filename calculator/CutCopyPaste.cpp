#include "calculator/CutCopyPaste.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLoggingCategory>

namespace basCutCopyPaste {

namespace {

Q_LOGGING_CATEGORY(lcClipboard, "vaporwright.clipboard")

enum Failure : quint32 {
    kCouldNotClear = kObjectErrorBase + 515,
    kCouldNotCutOrCopy = kObjectErrorBase + 516,
    kCouldNotPaste = kObjectErrorBase + 517,
};

void record(quint32 number, const QString& description) {
    const EditFailure failure{number, QStringLiteral("CApplication"), description};
    qCWarning(lcClipboard).noquote()
        << Qt::hex << Qt::showbase << failure.number << failure.source << failure.description;
}

// Clears the clipboard; false when the program has none to clear.
bool clearClipboard(QClipboard* clipboard) {
    if (clipboard == nullptr)
        return false;
    clipboard->clear();
    return true;
}

bool putText(QClipboard* clipboard, const QString& text) {
    if (clipboard == nullptr)
        return false;
    clipboard->setText(text);
    return true;
}

// Replaces the selection (or inserts at the caret); false for a field that
// must not change.
bool replaceSelection(QLineEdit* field, const QString& text) {
    if (field->isReadOnly())
        return false;
    field->insert(text);
    return true;
}

// Cut and copy share everything but the removal of the selection.
void cutOrCopy(QLineEdit* field, QClipboard* clipboard, bool cut) {
    if (!clearClipboard(clipboard)) {
        record(kCouldNotClear, QStringLiteral("Could not clear clipboard."));
        return;
    }
    bool ok = putText(clipboard, field->selectedText());
    if (cut && field->hasSelectedText())
        ok = replaceSelection(field, QString()) && ok;
    if (!ok)
        record(kCouldNotCutOrCopy, cut ? QStringLiteral("Could not cut text.")
                                       : QStringLiteral("Could not copy text."));
}

} // namespace

void EditPerform(QString& commandWord) {
    commandWord = commandWord.toUpper();
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (field == nullptr)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();

    if (commandWord == u"CUT") {
        cutOrCopy(field, clipboard, true);
    } else if (commandWord == u"COPY") {
        cutOrCopy(field, clipboard, false);
    } else if (commandWord == u"PASTE") {
        // No text on the clipboard pastes the empty text: the selection goes.
        const QString text = clipboard != nullptr ? clipboard->text() : QString();
        if (clipboard == nullptr || !replaceSelection(field, text))
            record(kCouldNotPaste, QStringLiteral("Could not paste text."));
    } else if (commandWord == u"DELETE") {
        replaceSelection(field, QString());
    }
}

} // namespace basCutCopyPaste
