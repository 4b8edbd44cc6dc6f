#pragma once
#include <array>

#include "app/qt/click_zones.h"

namespace q417::loader {

// Frames of the load button (cells of the LOADER sheet) and of the step strip (its bands).
enum class ButtonLook { Highlighted = 0, Normal = 1, Pressed = 2 };
enum class StripLook { Normal = 0, LeftLit = 1, RightLit = 2, Pressed = 3 };

// What a place of the text loader's picture (225 x 87) does: how the pointer over it lights
// the load button or the step strip, and what a release there does to the feed (+1 a
// character on, -1 a character back). The strip's ribbed halves cover rows 52 to 62; a click
// on them or a pixel beside them counts.
struct LoaderSpot {
    ButtonLook button = ButtonLook::Normal;
    StripLook strip = StripLook::Normal;
    int step = 0;
    bool LoadButton() const { return button == ButtonLook::Highlighted; }
    bool OnStrip() const { return strip != StripLook::Normal; }
};

// The halves a release steps by are not quite the lit halves: a release at x 32 or 33 steps
// neither way, and one just right of the strip still steps back.
inline constexpr std::array<ClickZone<LoaderSpot>, 5> kLoader = {{
    {{143, 17, 169, 34}, {ButtonLook::Highlighted, StripLook::Normal, 0}},  // load button
    {{6, 51, 31, 63}, {ButtonLook::Normal, StripLook::LeftLit, +1}},        // strip, on
    {{32, 51, 33, 63}, {ButtonLook::Normal, StripLook::RightLit, 0}},
    {{34, 51, 59, 63}, {ButtonLook::Normal, StripLook::RightLit, -1}},  // strip, back
    {{60, 51, 64, 63}, {ButtonLook::Normal, StripLook::Normal, -1}},
}};

constexpr LoaderSpot LoaderSpotAt(int x, int y) {
    return ZoneAt(kLoader, x, y).value_or(LoaderSpot{});
}

}  // namespace q417::loader
