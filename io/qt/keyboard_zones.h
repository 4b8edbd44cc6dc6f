#pragma once
#include <array>

#include "app/qt/click_zones.h"
#include "io/keyboard.h"

namespace q417::keyboard_zones {

// The keyboard picture (506 x 138): three rows of eleven caps, 46 pixels apart. Only a 34 x 39
// area inside each cap answers the mouse; clicks between the caps do nothing. For the mouse
// the rows are staggered by 26 pixels, a little more than the 23 the caps are drawn with.
inline constexpr int kCapPitch = 46;
inline constexpr int kRowStagger = 26;

constexpr std::array<ClickZone<KeyId>, 33> MakeKeyZones() {
    std::array<ClickZone<KeyId>, 33> zones{};
    for (int row = 1; row <= 3; ++row) {
        for (int column = 1; column <= 11; ++column) {
            const int left = (row - 1) * kRowStagger + (column - 1) * kCapPitch + 4;
            const int top = (row - 1) * kCapPitch + 4;
            zones[(row - 1) * 11 + column - 1] = {{left, top, left + 33, top + 38}, {row, column}};
        }
    }
    return zones;
}

inline constexpr std::array<ClickZone<KeyId>, 33> kKeys = MakeKeyZones();

// The space-bar picture (240 x 86): only its upper half answers the mouse.
inline constexpr PixelArea kSpaceBar{-kOpen, -kOpen, kOpen, 42};

}  // namespace q417::keyboard_zones
