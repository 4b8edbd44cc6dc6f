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

void Keyboard::Click() {
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
        DrawSpaceBar(true);
        machine_.state.InputContact = kSpaceBar;
        Click();
        machine_.KeyPressCycle();
    } else {
        PressedRow = row;
        PressedColumn = col;
        if (row > 0 && col > 0) {
            DrawKeyPressed(row, col);
            machine_.state.InputContact = contact;
            Click();
            machine_.KeyPressCycle();
        }
    }
    KeyHeld = true;
}

void Keyboard::KeyUp(uint16_t vk) {
    if (vk != HeldKeyCode || !KeyHeld) return;
    DrawKeyboard();
    DrawSpaceBar(false);
    KeyHeld = false;
    HeldKeyCode = 0;
}

// Only a 35 by 39 area inside each 46-pixel cap answers; clicks between keys do nothing.
void Keyboard::MouseDownOnKeyboard(int x, int y) {
    KeyBlocked = false;
    if (KeyHeld) return;
    int row = 0;
    for (int i = 1; i <= 3 && row == 0; ++i)
        if ((i - 1) * 46 + 3 < y && y < (i - 1) * 46 + 43) row = i;
    if (row == 0) return;
    int col = 0;
    for (int j = 1; j <= 11 && col == 0; ++j) {
        const int left = (row - 1) * 26 + (j - 1) * 46 + 3;
        if (left < x && x < left + 35) col = j;
    }
    if (col == 0) return;
    const int32_t contact = t::KeyContactTable[row][col];
    if (contact == 0) return;
    machine_.state.InputContact = contact;
    if (Refused(contact)) {
        KeyBlocked = true;
        return;
    }
    DrawKeyPressed(row, col);
    machine_.KeyPressCycle();
    Click();  // on the picture the click follows the key press
    KeyHeld = true;
}

void Keyboard::MouseUpOnKeyboard() {
    DrawKeyboard();
    KeyHeld = false;
}

// Only the upper half of the space bar answers the mouse. While another key holds the
// keyboard the space bar stays up and types nothing.
void Keyboard::MouseDownOnSpaceBar(int /*x*/, int y) {
    const MachineSettings& s = machine_.settings;
    KeyBlocked = s.Rod == Work::Decipher || s.Module == AlphabetModule::Figures10;
    if (y >= 43 || KeyBlocked || KeyHeld) return;
    DrawSpaceBar(true);
    machine_.state.InputContact = kSpaceBar;
    KeyHeld = true;
    Click();
    machine_.KeyPressCycle();
}

void Keyboard::MouseUpOnSpaceBar() {
    DrawSpaceBar(false);
    KeyHeld = false;
}

void Keyboard::DrawKeyboard() {
    if (listener_) listener_->KeyboardReleased();
    KeyHeld = false;
}

void Keyboard::DrawKeyPressed(int row, int col) {
    if (listener_) listener_->KeyPressed(row, col);
    KeyHeld = true;
}

void Keyboard::DrawSpaceBar(bool pressed) {
    if (!pressed) {
        if (listener_) listener_->SpaceBarDrawn(false);
        KeyHeld = false;
    } else if (!KeyHeld) {
        if (listener_) listener_->SpaceBarDrawn(true);
        KeyHeld = true;
    }
}

}  // namespace q417
