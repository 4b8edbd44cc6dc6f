#pragma once
#include <array>
#include <cstddef>
#include <optional>

namespace q417 {

// A rectangle of a picture's own pixels, its edges included. A release can land outside the
// picture (the button held down while the mouse left it), so a side with no edge on the
// machine reaches kOpen.
inline constexpr int kOpen = 1 << 24;

struct PixelArea {
    int left = 0, top = 0, right = 0, bottom = 0;
    constexpr bool Contains(int x, int y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
};

// One place of a picture that answers the mouse, and what a click there means on the machine.
template <class Term>
struct ClickZone {
    PixelArea area;
    Term term;
};

// The term of the first zone of `zones` holding (x, y); none when the click hit no zone.
template <class Term, std::size_t N>
constexpr std::optional<Term> ZoneAt(const std::array<ClickZone<Term>, N>& zones, int x, int y) {
    for (const ClickZone<Term>& zone : zones)
        if (zone.area.Contains(x, y)) return zone.term;
    return std::nullopt;
}

}  // namespace q417
