#pragma once

// The topmost suspension: while the calculator window is kept on top of all
// others, a modal window it opens (the disclaimer prompt, About) or the help
// viewer would open behind it. So, for as long as such a window is open, the
// calculator window stops being topmost, and is made topmost again after:
//
//     {
//         const dialogs::TopmostSuspension onTop(calculatorWindow);
//         prompt.exec();
//     }
//
// Keep-on-top is the window's Qt::WindowStaysOnTopHint, which the keep-on-top
// menu item sets; nothing else (its check mark, blnKeepOnTop) is touched. A
// window that is not on top is left alone. The native window stays the same
// throughout: no flicker, no new task bar entry, visibility and place kept.

#include <QPointer>
#include <QWidget>

namespace dialogs {

// Turns Qt::WindowStaysOnTopHint of `window` on or off on its native window
// as it is, never destroying and re-creating it, so that its visibility,
// place and window id stay. Nothing when the hint already has that state.
void SetStaysOnTop(QWidget* window, bool onTop);

class TopmostSuspension {
public:
    explicit TopmostSuspension(QWidget* window);
    ~TopmostSuspension();

    TopmostSuspension(const TopmostSuspension&) = delete;
    TopmostSuspension& operator=(const TopmostSuspension&) = delete;

    // Whether the window was on top, and is to be made so again.
    bool suspended() const { return suspended_; }

private:
    QPointer<QWidget> window_; // the window may be destroyed while the modal one is open
    bool suspended_ = false;
};

} // namespace dialogs
