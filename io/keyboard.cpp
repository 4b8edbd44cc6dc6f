#include "io/keyboard.h"

#include "io/keyboard_tables.h"

namespace q417 {

namespace t = tables;

std::pair<int, int> FindKey(uint16_t vk) {
    if (vk == 0) return {0, 0};
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 11; ++c)
            if (t::KeyCodeTable[r][c] == vk) return {r, c};
    return {0, 0};
}

int32_t ContactOfChar(unsigned char ch, AlphabetModule module, KeyboardLayout layot) {
    if (ch == '\r' || ch == '\n') ch = ' ';
    int32_t row = StoredValue(layot);
    if (row < 1 || row > 4) row = 4;  // a layout no keyboard has reads as Russian
    return t::CharContactTables[module == AlphabetModule::Figures10 ? 0 : row][ch];
}

// The same rules on every path: enciphering keeps contact 30 for the space, deciphering has
// no use for the space bar, and the ten-key alphabet has only the digit keys.
bool Keyboard::Refused(int32_t contact) const {
    const MachineSettings& s = machine_.settings;
    if (s.Rod == Work::Encipher && contact == 30) return true;
    if (s.Rod == Work::Decipher && contact == kSpaceBar) return true;
    return s.Module == AlphabetModule::Figures10 && !t::IsDigitKey(contact);
}

void Keyboard::SoundKey() {
    if (machine_.settings.Sound) sound_.PlayClick();
}

// A key that is not on the machine (Shift, Enter, a digit) gives no contact but, unless the
// ten-key alphabet refuses it, still holds the keyboard until it is released: one key at a
// time, as on the machine.
void Keyboard::KeyDown(uint16_t vk) {
    KeyBlocked = false;
    if (KeyHeld) return;  // a second key, or the held key's own auto-repeat
    HeldKeyCode = vk;
    const auto [row, col] = FindKey(vk);
    const int32_t contact = vk == t::kVkSpace ? kSpaceBar : t::KeyContactTable[row][col];
    if (Refused(contact)) {  // a key off the machine is no digit key either
        KeyBlocked = true;
        return;
    }
    if (vk == t::kVkSpace) {
        HoldSpaceBar();
        machine_.state.InputContact = kSpaceBar;
        SoundKey();
        machine_.KeyPressCycle();
    } else {
        PressedRow = row;
        PressedColumn = col;
        if (row > 0 && col > 0) {
            HoldKey(row, col);
            machine_.state.InputContact = contact;
            SoundKey();
            machine_.KeyPressCycle();
        }
    }
    KeyHeld = true;
}

void Keyboard::KeyUp(uint16_t vk) {
    if (vk != HeldKeyCode || !KeyHeld) return;
    ReleaseAll();
    HeldKeyCode = 0;
}

// A key with no contact (a place the machine has no key) does nothing; a refused key leaves
// the keyboard free.
void Keyboard::PressKey(KeyId key) {
    KeyBlocked = false;
    if (KeyHeld || key.row < 1 || key.row > 3 || key.column < 1 || key.column > 11) return;
    const int32_t contact = t::KeyContactTable[key.row][key.column];
    if (contact == 0) return;
    machine_.state.InputContact = contact;
    if (Refused(contact)) {
        KeyBlocked = true;
        return;
    }
    HoldKey(key.row, key.column);
    machine_.KeyPressCycle();
    SoundKey();  // on the picture the click follows the key press
}

void Keyboard::ReleaseKey() {
    if (listener_) listener_->KeyboardReleased();
    KeyHeld = false;
}

// While another key holds the keyboard the space bar stays up and types nothing.
void Keyboard::PressSpaceBar() {
    const MachineSettings& s = machine_.settings;
    KeyBlocked = s.Rod == Work::Decipher || s.Module == AlphabetModule::Figures10;
    if (KeyBlocked || KeyHeld) return;
    HoldSpaceBar();
    machine_.state.InputContact = kSpaceBar;
    SoundKey();
    machine_.KeyPressCycle();
}

void Keyboard::ReleaseSpaceBar() {
    if (listener_) listener_->SpaceBarDrawn(false);
    KeyHeld = false;
}

void Keyboard::ReleaseAll() {
    ReleaseKey();
    ReleaseSpaceBar();
}

void Keyboard::HoldKey(int row, int col) {
    if (listener_) listener_->KeyPressed(row, col);
    KeyHeld = true;
}

void Keyboard::HoldSpaceBar() {
    if (listener_) listener_->SpaceBarDrawn(true);
    KeyHeld = true;
}

}  // namespace q417
