#include "app/qt/window_outline.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#ifdef Q417_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace q417 {

namespace {

// A rectangle with rounded corners given as left, top, right, bottom (right and bottom
// exclusive) and the size of the corner ellipse, cut row by row the way the window system
// does: a pixel belongs to it when its centre lies inside the rounded outline.
QRegion RoundRect(int left, int top, int right, int bottom, int ellipse) {
    const double r = std::min({ellipse / 2.0, (right - left) / 2.0, (bottom - top) / 2.0});
    // Rows top to bottom, a row as wide as the one above joining it: the region's own form.
    std::vector<QRect> rows;
    rows.reserve(static_cast<size_t>(std::max(0, bottom - top)));
    for (int y = top; y < bottom; ++y) {
        const double centre = y + 0.5;
        const double dy = std::max({0.0, top + r - centre, centre - (bottom - r)});
        const double inset = r - std::sqrt(std::max(0.0, r * r - dy * dy));
        const int from = left + static_cast<int>(std::ceil(inset - 0.5));
        const int to = right - static_cast<int>(std::ceil(inset - 0.5));
        if (to <= from) continue;
        if (!rows.empty() && rows.back().left() == from && rows.back().right() == to - 1 &&
            rows.back().bottom() == y - 1)
            rows.back().setBottom(y);
        else
            rows.emplace_back(from, y, to - from, 1);
    }
    QRegion region;
    region.setRects(rows.data(), static_cast<int>(rows.size()));
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

CompositorQuestion::CompositorQuestion() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        answered_ = true;
        return;
    }
#ifdef Q417_HAVE_XCB
    // A compositing manager owns the selection _NET_WM_CM_S<screen> while it runs.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    auto* connection = x11 ? x11->connection() : nullptr;
    if (!connection) {
        answered_ = true;
        return;
    }
    char* host = nullptr;
    int display = 0, screen = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen))
        std::free(host);
    else
        screen = 0;
    const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
    connection_ = connection;
    atom_request_ =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.c_str()).sequence;
    xcb_flush(connection);  // on its way now, not when the reply is waited for
#else
    answered_ = true;
#endif
}

CompositorQuestion::~CompositorQuestion() {
#ifdef Q417_HAVE_XCB
    auto* connection = static_cast<xcb_connection_t*>(connection_);
    if (atom_request_) xcb_discard_reply(connection, atom_request_);
    if (owner_request_) xcb_discard_reply(connection, owner_request_);
#endif
}

void CompositorQuestion::FollowUp() {
#ifdef Q417_HAVE_XCB
    if (!atom_request_) return;
    auto* connection = static_cast<xcb_connection_t*>(connection_);
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom_cookie_t{atom_request_}, nullptr);
    atom_request_ = 0;
    if (!atom) {
        answered_ = true;  // composes_ stays true: the safe guess
        return;
    }
    owner_request_ = xcb_get_selection_owner(connection, atom->atom).sequence;
    xcb_flush(connection);
    std::free(atom);
#endif
}

bool CompositorQuestion::Answer() {
    if (answered_) return composes_;
    FollowUp();
#ifdef Q417_HAVE_XCB
    if (owner_request_) {
        auto* connection = static_cast<xcb_connection_t*>(connection_);
        xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner_cookie_t{owner_request_}, nullptr);
        owner_request_ = 0;
        composes_ = !owner || owner->owner != XCB_NONE;
        std::free(owner);
    }
#endif
    answered_ = true;
    return composes_;
}

// Qt's Wayland platform window, when it is first shown, takes the window's outline as it
// stands, in the window's own pixels, without the scale factor (QT_SCALE_FACTOR) that every
// later change of the outline gets: at a scale of 2 only the top-left quarter of the machine
// then takes the mouse. Once the window is on the screen the outline is given again, through
// the path that scales it. X11 scales it from the start and is left alone.
class OutlineOnScreen : public QObject {
public:
    explicit OutlineOnScreen(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(QStringLiteral("OutlineOnScreen"));
        window.installEventFilter(this);
        Watch();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::WinIdChange) Watch();
        if (watched == watched_ && event->type() == QEvent::Expose && watched_->isExposed() &&
            !window_.mask().isEmpty())
            watched_->setMask(window_.mask());
        return false;
    }

private:
    void Watch() {
        QWindow* handle = window_.windowHandle();
        if (!handle || handle == watched_) return;
        watched_ = handle;
        handle->installEventFilter(this);
    }

    QWidget& window_;
    QWindow* watched_ = nullptr;
};

// The mask cuts the window on an X server without a compositor and limits the mouse
// everywhere; under a compositor (and on Wayland, where a mask does nothing more) the window
// is translucent and only what is drawn inside the outline shows. The window paints its
// cabinet inside the outline only; pictures reaching past the outline are cut here.
void SetWindowOutline(QWidget& window, bool leverReleased) {
    const QRegion outline = WindowOutline(leverReleased, window.width(), window.height());
    if (QGuiApplication::platformName() != QLatin1String("xcb") &&
        !window.findChild<QObject*>(QStringLiteral("OutlineOnScreen"),
                                    Qt::FindDirectChildrenOnly))
        new OutlineOnScreen(window);
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
