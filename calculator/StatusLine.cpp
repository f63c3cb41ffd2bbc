#include "calculator/StatusLine.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace calculator {

namespace {

// A status named by its text; Qt announces each change of a label's text as a
// change of its name.
class StatusAccessible : public QAccessibleWidget {
public:
    explicit StatusAccessible(StatusLine* line) : QAccessibleWidget(line, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const StatusLine*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* statusFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(StatusLine::staticMetaObject.className()) && object != nullptr)
        return new StatusAccessible(static_cast<StatusLine*>(object));
    return nullptr;
}

} // namespace

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(&statusFactory);
        return true;
    }();
    static_cast<void>(installed);

    setTextFormat(Qt::PlainText); // a quoted entry is never markup
    setWordWrap(false);
    // One line high always; as wide as the layout gives, never wider.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setText(QStringLiteral("Xg"));
    setFixedHeight(sizeHint().height());
    clear();
}

} // namespace calculator
