#include "app/qt/counter_lever.h"

#include "app/machine_session.h"
#include "ui/picture_element.h"
#include "ui/view_host.h"
#include "app/qt/window_outline.h"

namespace q417 {

CounterLever::CounterLever(PictureElement& lever, ViewHost& host) : host_(host) {
    SetWindowOutline(host_.hostWidget(), true);
    lever.onMouseDown = [this](int, int, Qt::MouseButton) { Guarded(host_, [&] { Press(); }); };
    lever.onMouseUp = [this](int, int, Qt::MouseButton) { Guarded(host_, [&] { Release(); }); };
}

void CounterLever::Press() {
    if (pressed_) return;
    pressed_ = true;
    host_.session().ResetCounter();
    SetWindowOutline(host_.hostWidget(), false);
}

void CounterLever::Release() {
    if (!pressed_) return;
    pressed_ = false;
    SetWindowOutline(host_.hostWidget(), true);
}

}  // namespace q417
