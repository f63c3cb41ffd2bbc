#pragma once

// Where the chart window goes on a screen: at first start no larger than
// 1280 x 720 with its frame, whatever the screen; a geometry stored on a
// larger screen brought back within the one it opens on; and how the width
// is shared between the chart and the side panel.

#include <QMargins>
#include <QRect>
#include <QSize>

namespace chart {

// The largest window, frame included, at first start.
inline constexpr QSize kFirstStartLimit{1280, 720};

// The window system's frame around a window before it is first shown, when
// the real one is not known yet: a title bar and thin borders.
inline constexpr QMargins kEstimatedFrame{4, 30, 4, 4};

// The client rectangle at first start on a screen whose free area (without
// panels and docks) is `available`: the first-start limit or the free area,
// whichever is smaller, less the frame, centred in the free area.
QRect FirstStartGeometry(const QRect& available, const QMargins& frame);

// A frame rectangle brought within `available`: shrunk where it is larger,
// then moved where it reaches beyond. One that fits is left as it is.
QRect WithinScreen(const QRect& frameGeometry, const QRect& available);

// The side panel's share of a window `width` pixels wide: about a third,
// at least `panelMinimum` and at most 420 pixels, and never so much that the
// chart gets less than `chartMinimum`.
int SidePanelWidth(int width, int panelMinimum, int chartMinimum);

} // namespace chart
