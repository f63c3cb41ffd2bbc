#include "TopmostSuspension.h"

namespace dialogs {

void SetStaysOnTop(QWidget* window, bool onTop) {
    if (window == nullptr || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop) {
        return;
    }
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (visible) {
        window->show();
    }
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
