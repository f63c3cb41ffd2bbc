#include "dialogs/TopmostSuspension.h"

#include <QWindow>

namespace dialogs {

void SetStaysOnTop(QWidget* window, bool onTop) {
    if (window == nullptr || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) {
        return;
    }
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    QWindow* const handle = window->windowHandle();
    if (handle == nullptr) {
        // No native window yet: the flag is taken when one is created.
        window->setWindowFlags(flags);
        return;
    }
    // QWidget::setWindowFlags would destroy the native window and create a
    // new one (a new X window: flicker, a new task bar entry). The QWindow
    // hands the change to the platform instead, on X11 as the window
    // manager's "above" state; the widget only records it.
    window->overrideWindowFlags(flags);
    handle->setFlags(flags);
}

TopmostSuspension::TopmostSuspension(QWidget* window)
    : window_(window),
      suspended_(window != nullptr && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
    if (suspended_) {
        SetStaysOnTop(window, false);
    }
}

TopmostSuspension::~TopmostSuspension() {
    if (suspended_) {
        SetStaysOnTop(window_.data(), true);
    }
}

} // namespace dialogs
