#pragma once
#include <array>
#include <cmath>

#include "key/work_table.h"

namespace q417::face_zones {

// The face view of the rotor being assembled (190 x 190) answers in rings round its centre
// (95, 95): the centre gives the assembly up, the core's face turns the core over, then the
// core's dial and, outside, the ring dial. A dial turns up when clicked left of the centre
// (x 95 included) and down right of it.
inline constexpr int kCentre = 95;

struct FaceRing {
    int inner, outer;  // distances from the centre, both included
    WorkTable::FaceZone zone;
};

inline constexpr std::array<FaceRing, 4> kRings = {{
    {0, 25, WorkTable::FaceZone::Centre},
    {26, 54, WorkTable::FaceZone::TurnOver},
    {55, 68, WorkTable::FaceZone::CoreSetting},
    {71, 95, WorkTable::FaceZone::Ring},
}};

// The distance of (x, y) from the centre, rounded half to even.
inline int FaceDistance(int x, int y) {
    const double dx = x - kCentre;
    const double dy = y - kCentre;
    return static_cast<int>(std::nearbyint(std::sqrt(dx * dx + dy * dy)));
}

inline WorkTable::FaceZone FaceZoneAt(int x, int y) {
    const int d = FaceDistance(x, y);
    for (const FaceRing& ring : kRings)
        if (d >= ring.inner && d <= ring.outer) return ring.zone;
    return WorkTable::FaceZone::None;
}

inline WorkTable::DialTurn FaceTurnAt(int x) {
    return x > kCentre ? WorkTable::DialTurn::Down : WorkTable::DialTurn::Up;
}

}  // namespace q417::face_zones
