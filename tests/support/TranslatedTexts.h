#pragma once

// Helpers for the tests of windows in another language: switch the language,
// gather every text a window shows or a screen reader says, and find the
// controls whose text does not fit them.

#include "translations/Languages.h"

#include <map>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <QWidget>

namespace testsupport {

// Makes the application speak `code` and lets every widget hear of it.
inline bool Speak(const QString& code) {
    const bool installed = translations::Install(*QCoreApplication::instance(), code);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::processEvents();
    return installed;
}

// Speaks `code` for its lifetime, English again afterwards.
class Speaking {
public:
    explicit Speaking(const QString& code) : installed_(Speak(code)) {}
    ~Speaking() { Speak(QStringLiteral("en")); }
    Speaking(const Speaking&) = delete;
    Speaking& operator=(const Speaking&) = delete;
    [[nodiscard]] bool installed() const { return installed_; }

private:
    bool installed_;
};

// A text as the user reads it: markup and accelerator marks removed.
inline QString Shown(const QString& text) {
    QString plain = Qt::mightBeRichText(text) ? [&] {
        QTextDocument document;
        document.setHtml(text);
        return document.toPlainText();
    }()
                                              : text;
    plain.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return plain.trimmed();
}

// Where a widget stands in its window: the indexes of its ancestors among
// their siblings; the same in every language, since the language changes no
// widget.
inline QString PathOf(const QObject* object, const QObject* root) {
    QStringList steps;
    for (; object != nullptr && object != root; object = object->parent()) {
        const QObject* parent = object->parent();
        const qsizetype index = parent != nullptr ? parent->children().indexOf(object) : 0;
        steps.prepend(object->metaObject()->className() + QStringLiteral("#") +
                      QString::number(index));
    }
    return steps.join(u'/');
}

// Every text of `root` and the widgets in it a user reads or hears: captions,
// titles, tool tips, place-holders, accessible names and descriptions, and
// the menus of its menu bar. Keyed by where the text stands.
inline std::map<QString, QString> TextsOf(QWidget* root) {
    std::map<QString, QString> texts;
    const auto add = [&texts](const QString& key, const QString& text) {
        if (!Shown(text).isEmpty())
            texts[key] = Shown(text);
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        const QString at = PathOf(widget, root);
        if (widget->isWindow() && widget != root && !qobject_cast<QMenu*>(widget))
            continue; // another window (a chart window, say) has its own test
        add(at + QStringLiteral(":toolTip"), widget->toolTip());
        add(at + QStringLiteral(":accessibleName"), widget->accessibleName());
        add(at + QStringLiteral(":accessibleDescription"), widget->accessibleDescription());
        if (widget == root)
            add(at + QStringLiteral(":windowTitle"), widget->windowTitle());
        if (const auto* label = qobject_cast<QLabel*>(widget))
            add(at + QStringLiteral(":text"), label->text());
        if (const auto* button = qobject_cast<QAbstractButton*>(widget))
            add(at + QStringLiteral(":text"), button->text());
        if (const auto* group = qobject_cast<QGroupBox*>(widget))
            add(at + QStringLiteral(":title"), group->title());
        if (const auto* field = qobject_cast<QLineEdit*>(widget))
            add(at + QStringLiteral(":placeholder"), field->placeholderText());
        if (const auto* menu = qobject_cast<QMenu*>(widget)) {
            add(at + QStringLiteral(":title"), menu->title());
            const QList<QAction*> actions = menu->actions();
            for (qsizetype i = 0; i < actions.size(); ++i)
                add(at + QStringLiteral(":action") + QString::number(i), actions[i]->text());
        }
    }
    return texts;
}

// The controls of `root` whose caption is cut: a label, button or group box
// narrower or lower than its text needs. Hidden controls are passed over.
inline QStringList ClippedIn(QWidget* root) {
    QStringList clipped;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root) || widget->isWindow())
            continue;
        QSize needed;
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text().isEmpty() ||
                label->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
                continue; // the status line cuts a long reason by design
            needed = label->wordWrap() ? QSize(label->minimumSizeHint().width(),
                                               label->heightForWidth(label->width()))
                                       : label->sizeHint();
        } else if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
            needed = widget->sizeHint();
        } else if (qobject_cast<QGroupBox*>(widget) != nullptr) {
            needed = widget->minimumSizeHint();
        } else {
            continue;
        }
        if (needed.width() > widget->width() || needed.height() > widget->height())
            clipped << QStringLiteral("%1 %2: needs %3x%4, has %5x%6")
                           .arg(PathOf(widget, root), widget->objectName())
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(widget->width())
                           .arg(widget->height());
    }
    return clipped;
}

} // namespace testsupport
