#pragma once

// Puts the mouse pointer on a dialog's main button when the dialog becomes
// active, so that the user only has to click: when it is first shown and
// whenever it becomes active again from another window of this program (the
// disclaimer viewer over the prompt closing). Never when the user comes back
// from another program: the pointer is theirs then.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

class QWidget;
class QWindow;

namespace basCenterMouseCursor {

// (low + high) / 2 rounded to the nearest integer, a half going to the even
// neighbour: (101, 200) -> 150, (100, 201) -> 150, (100, 203) -> 152.
int RoundedMidpoint(int low, int high);

// Centre of a rectangle given by its left, top, width and height in screen
// pixels, where right = left + width and bottom = top + height (the first
// column and row outside it).
QPoint CenterOf(const QRect& globalRect);

// Moves the mouse pointer to the centre of widget's rectangle on the screen.
// A null widget leaves the pointer where it is.
void CenterMouseCursor(const QWidget* widget);

// One dialog's pointer rule (above). Lives as a child of the dialog, which
// calls activated() from its activation handler.
class ActivationPointer : public QObject {
    Q_OBJECT

public:
    explicit ActivationPointer(QWidget* dialog);

    // The dialog has become active: centres the pointer on `button` unless
    // the user has come back from another program.
    void activated(const QWidget* button);

private:
    void focusWindowChanged(QWindow* focus);

    QPointer<QWindow> focused_; // the program's window that has the focus
    bool shownBefore_ = false;
    // The focus left the program while one of its windows still stood.
    bool leftProgram_ = false;
};

} // namespace basCenterMouseCursor
