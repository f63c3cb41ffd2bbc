#include "calculator/ListAccessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace calculator {

namespace {

// A list's accessible interface: role, children (the pop-up's view, and the
// text field of an editable list) and actions (open and close the pop-up) as
// Qt gives them; only the name differs.
class NamedList : public QAccessibleWidget {
public:
    explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            if (!list()->accessibleName().isEmpty())
                return list()->accessibleName();
            return value();
        case QAccessible::Value:
            return value();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return list()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr)
            return -1;
        if (child->object() == list()->view())
            return 0;
        if (list()->isEditable() && child->object() == list()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        // x and y are screen coordinates.
        if (list()->isEditable() &&
            list()->lineEdit()->rect().contains(list()->lineEdit()->mapFromGlobal(QPoint(x, y))))
            return child(1);
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        // An editable list is the focus proxy of its text field, which never
        // has the focus itself; the client is given the text field.
        if (list()->isEditable())
            return child(1);
        return nullptr;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(object()); }
    QString value() const {
        return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
    }
};

QAccessibleInterface* listFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox") && object != nullptr && object->isWidgetType())
        return new NamedList(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

void InstallListAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&listFactory);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace calculator
