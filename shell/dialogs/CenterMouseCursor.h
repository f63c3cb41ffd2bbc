#pragma once

// Puts the mouse pointer on a dialog's main button each time the dialog
// becomes active, so that the user only has to click.

#include <QPoint>
#include <QRect>

class QWidget;

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

} // namespace basCenterMouseCursor
