#pragma once
#include <QTimer>
#include <cstdint>
#include <functional>

#include "io/key_repeat_filter.h"

class QKeyEvent;

namespace q417 {

// The machine knows its keys by position: the virtual-key code that a US keyboard has at
// that place. On X11 and Wayland the event's scan code (the evdev code plus 8) names the
// physical key whatever layout the desktop has active, so a Russian or German layout types
// the same contacts. Without a scan code (a platform that gives none) the key's symbol
// stands in.
//
// Keys that are not on the machine still get a code of their own, never 0, so that they hold
// the keyboard until released like any other key.
uint16_t VirtualKeyFromScanCode(uint32_t scanCode);
uint16_t VirtualKeyFromQtKey(int qtKey);
uint16_t VirtualKeyOf(const QKeyEvent& event);

// The computer keyboard as the machine feels it: key events from the window and from both
// text boxes, turned into key codes by position, with the desktop's repeats of a held key
// taken out. A release waits a moment for the press that would make it an X11 repeat pair.
class MachineKeyInput {
public:
    explicit MachineKeyInput(std::function<void(uint16_t code, bool down)> sink);

    void Handle(const QKeyEvent& event);

private:
    KeyRepeatFilter filter_;
    QTimer flush_;
};

}  // namespace q417
