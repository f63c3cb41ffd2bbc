#include "chartwindow/WindowFit.h"

#include <algorithm>

namespace chart {

namespace {

// The side panel's widest share: its tables' first columns and five tabs.
constexpr int kWidestPanel = 420;

} // namespace

QRect FirstStartGeometry(const QRect& available, const QMargins& frame) {
    const QSize outer = kFirstStartLimit.boundedTo(available.size());
    const QSize inner = (outer - QSize(frame.left() + frame.right(), frame.top() + frame.bottom()))
                            .expandedTo(QSize(1, 1));
    QRect client(QPoint(0, 0), inner);
    // Centred with its frame.
    const QPoint outerTopLeft(available.left() + (available.width() - outer.width()) / 2,
                              available.top() + (available.height() - outer.height()) / 2);
    client.moveTopLeft(outerTopLeft + QPoint(frame.left(), frame.top()));
    return client;
}

QRect WithinScreen(const QRect& frameGeometry, const QRect& available) {
    if (available.isEmpty())
        return frameGeometry;
    QRect fitted(frameGeometry.topLeft(), frameGeometry.size().boundedTo(available.size()));
    if (fitted.right() > available.right())
        fitted.moveRight(available.right());
    if (fitted.bottom() > available.bottom())
        fitted.moveBottom(available.bottom());
    if (fitted.left() < available.left())
        fitted.moveLeft(available.left());
    if (fitted.top() < available.top())
        fitted.moveTop(available.top());
    return fitted;
}

int SidePanelWidth(int width, int panelMinimum, int chartMinimum) {
    const int wanted = std::clamp(width / 3, panelMinimum, std::max(panelMinimum, kWidestPanel));
    return std::max(std::min(wanted, width - chartMinimum), std::min(panelMinimum, width));
}

} // namespace chart
