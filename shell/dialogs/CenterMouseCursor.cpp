#include "CenterMouseCursor.h"

#include <QCursor>
#include <QWidget>

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

} // namespace basCenterMouseCursor
