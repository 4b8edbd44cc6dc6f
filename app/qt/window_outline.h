#pragma once
#include <QRegion>

class QWidget;

namespace q417 {

// The shape of the machine: a body with rounded corners, two feet, the tab of the
// counter-reset lever (shorter while the lever is pushed in) and a tab with two round
// holes. Everything outside it is neither drawn nor clickable.
QRegion WindowOutline(bool leverReleased, int width = 649, int height = 575);

// Whether the desktop composes windows, so that what a window leaves transparent shows the
// desktop: on Wayland (and every platform but X11) always, on X11 while a compositing manager
// runs. An X server without one shows a window's pixels as they are and cuts the window with
// its shape alone; an alpha channel there only costs a deeper visual, a slower map and a
// frame cleared and blended before every paint.
//
// The X server is asked when the question is made and the answer collected when wanted: the
// two round trips it takes pass while the window is being put together.
class CompositorQuestion {
public:
    CompositorQuestion();
    ~CompositorQuestion();
    CompositorQuestion(const CompositorQuestion&) = delete;
    CompositorQuestion& operator=(const CompositorQuestion&) = delete;

    // Takes the first reply and sends the second request (the answer works without it).
    void FollowUp();
    bool Answer();

private:
    void* connection_ = nullptr;  // the toolkit's X connection; none: no question to ask
    unsigned int atom_request_ = 0, owner_request_ = 0;  // requests whose reply is due
    bool answered_ = false, composes_ = true;
};

// Cuts the window to the outline and redraws it.
void SetWindowOutline(QWidget& window, bool leverReleased);
// Cuts the window's pictures that reach past its outline (after they are placed or sized).
void ClipChildrenToOutline(QWidget& window);

}  // namespace q417
