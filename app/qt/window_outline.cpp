#include "app/qt/window_outline.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace q417 {

namespace {

// A rectangle with rounded corners given as left, top, right, bottom (right and bottom
// exclusive) and the size of the corner ellipse, cut row by row the way the window system
// does: a pixel belongs to it when its centre lies inside the rounded outline.
QRegion RoundRect(int left, int top, int right, int bottom, int ellipse) {
    const double r = std::min({ellipse / 2.0, (right - left) / 2.0, (bottom - top) / 2.0});
    QRegion region;
    for (int y = top; y < bottom; ++y) {
        const double centre = y + 0.5;
        const double dy = std::max({0.0, top + r - centre, centre - (bottom - r)});
        const double inset = r - std::sqrt(std::max(0.0, r * r - dy * dy));
        const int from = left + static_cast<int>(std::ceil(inset - 0.5));
        const int to = right - static_cast<int>(std::ceil(inset - 0.5));
        if (to > from) region += QRect(from, y, to - from, 1);
    }
    return region;
}

QRegion Rect(int left, int top, int right, int bottom) {
    return QRegion(left, top, right - left, bottom - top);
}

}  // namespace

QRegion WindowOutline(bool leverReleased, int w, int h) {
    QRegion outline = RoundRect(0, 0, w, h - 50, 35);
    outline += leverReleased ? RoundRect(149, h - 60, 181, h, 10)
                             : RoundRect(149, h - 60, 181, h - 45, 10);
    outline += Rect(32, h - 51, 71, h - 35);
    outline += Rect(579, h - 51, 618, h - 35);
    outline += Rect(213, h - 51, 241, h - 29);
    // The two holes of the tab.
    outline ^= RoundRect(216, 532, 226, 542, 10);
    outline ^= RoundRect(229, 532, 239, 542, 10);
    return outline;
}

// The mask cuts the window on an X server without a compositor and limits the mouse
// everywhere; under a compositor (and on Wayland, where a mask does nothing more) the window
// is translucent and only what is drawn inside the outline shows. The window paints its
// cabinet clipped to the mask; pictures reaching past the outline are cut here.
void SetWindowOutline(QWidget& window, bool leverReleased) {
    const QRegion outline = WindowOutline(leverReleased, window.width(), window.height());
    window.setMask(outline);
    ClipChildrenToOutline(window);
    window.update();
}

void ClipChildrenToOutline(QWidget& window) {
    const QRegion outline = window.mask();
    if (outline.isEmpty()) return;
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect area = child->geometry();
        const QRegion inside = outline.intersected(area);
        if (inside == QRegion(area)) {
            if (!child->mask().isEmpty()) child->clearMask();
        } else {
            child->setMask(inside.translated(-area.topLeft()));
        }
    }
}

}  // namespace q417
