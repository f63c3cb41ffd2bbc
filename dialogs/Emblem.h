#pragma once

// The program's emblem: a small psychrometric chart (the saturation curve with
// lines of constant wet bulb) and a drop of water, drawn in code so that the
// program carries no image files.

#include <QIcon>
#include <QPixmap>

namespace dialogs {

// The emblem as a square picture of side pixels (device-independent).
QPixmap DrawEmblem(int side);

// The emblem at the usual icon sizes, for windows and the tray.
QIcon EmblemIcon();

} // namespace dialogs
