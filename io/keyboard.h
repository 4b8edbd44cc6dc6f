#pragma once
#include <cstdint>
#include <utility>

#include "core/machine.h"
#include "io/sound.h"

namespace q417 {

// The position (row 1..3, column 1..11) of a computer key on the machine's keyboard, or
// (0, 0) when the machine has no key there (or the code is 0).
std::pair<int, int> FindKey(uint16_t vk);

// The contact a text character stands on when a text is fed: the ten-key alphabet's table
// with module 10, else the layout's (a layout outside 1..4 reads as Russian). A carriage
// return or a line feed is a space (31); 0 for a character with no contact.
int32_t ContactOfChar(unsigned char ch, AlphabetModule module, KeyboardLayout layot);

// A key of the machine's keyboard by its place: row 1..3 from the top, column 1..11.
struct KeyId {
    int row = 0;
    int column = 0;
    bool operator==(const KeyId&) const = default;
};

// What the keyboard and space-bar pictures are told to draw. Every hook does nothing by
// default.
class KeyboardListener {
public:
    virtual ~KeyboardListener() = default;
    // Every key drawn released with the legends of the current layout and model.
    virtual void KeyboardReleased() {}
    virtual void KeyPressed(int /*row*/, int /*col*/) {}
    virtual void SpaceBarDrawn(bool /*pressed*/) {}
};

// The machine's keyboard: thirty letter keys and a space bar, pressed from the computer
// keyboard or with the mouse on their pictures. A key pressed is identified by its position, so the
// same key gives the same contact in every layout. One key at a time: a held key owns the
// keyboard until it is released, and keys the current kind of work cannot use are refused.
class Keyboard {
public:
    Keyboard(Machine& machine, SoundPlayer& sound) : machine_(machine), sound_(sound) {}

    void SetListener(KeyboardListener* listener) { listener_ = listener; }

    // Computer keyboard, by Windows virtual-key code (the space bar is 0x20).
    void KeyDown(uint16_t vk);
    void KeyUp(uint16_t vk);
    // A key pressed with the mouse: refused while another key holds the keyboard; a place
    // with no key on the machine does nothing.
    void PressKey(KeyId key);
    // The mouse let go of the keyboard: every key comes up and the keyboard is free.
    void ReleaseKey();
    // The space bar pressed with the mouse, and let go.
    void PressSpaceBar();
    void ReleaseSpaceBar();
    // Every key and the space bar up, the keyboard free (start-up, a state put back).
    void ReleaseAll();

    bool KeyHeld = false;      // a key or the space bar is down
    uint16_t HeldKeyCode = 0;  // the computer key that owns the keyboard, 0 = none
    bool KeyBlocked = false;   // the last key-down or click was refused
    int32_t PressedRow = 0;    // position of the last computer key, 0 = not a machine key
    int32_t PressedColumn = 0;

private:
    bool Refused(int32_t contact) const;
    void SoundKey();  // the click of a key going down, with sound on
    void HoldKey(int row, int col);
    void HoldSpaceBar();

    Machine& machine_;
    SoundPlayer& sound_;
    KeyboardListener* listener_ = nullptr;
};

}  // namespace q417
