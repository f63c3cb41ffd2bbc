#include "dialogs/CenterMouseCursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace basCenterMouseCursor {

int RoundedMidpoint(int low, int high) {
    // In 64 bits the sum cannot overflow; floor division keeps the rule right
    // for negative coordinates (screens left of or above the primary one).
    const long long sum = static_cast<long long>(low) + high;
    long long half = sum / 2;
    if (sum % 2 != 0) {
        if (sum < 0) {
            --half; // now floor(sum / 2)
        }
        if (half % 2 != 0) {
            ++half; // the even one of floor and floor + 1
        }
    }
    return static_cast<int>(half);
}

QPoint CenterOf(const QRect& globalRect) {
    const int left = globalRect.x();
    const int top = globalRect.y();
    return {RoundedMidpoint(left, left + globalRect.width()),
            RoundedMidpoint(top, top + globalRect.height())};
}

void CenterMouseCursor(const QWidget* widget) {
    if (widget == nullptr) {
        return;
    }
    const QRect globalRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    QCursor::setPos(CenterOf(globalRect));
}

ActivationPointer::ActivationPointer(QWidget* dialog)
    : QObject(dialog), focused_(QGuiApplication::focusWindow()) {
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &ActivationPointer::focusWindowChanged);
}

void ActivationPointer::activated(const QWidget* button) {
    if (!shownBefore_ || !leftProgram_) {
        CenterMouseCursor(button);
    }
    shownBefore_ = true;
    leftProgram_ = false;
}

void ActivationPointer::focusWindowChanged(QWindow* focus) {
    // The focus going nowhere while the window that had it still stands is
    // the user turning to another program. A window that closes (a viewer
    // over the dialog) hands the focus on within the program instead. Qt
    // delivers a window's activation before this signal, so activated() sees
    // whether the focus had left the program before that activation.
    if (focus == nullptr && focused_ != nullptr && focused_->isVisible()) {
        leftProgram_ = true;
    }
    focused_ = focus;
}

} // namespace basCenterMouseCursor
