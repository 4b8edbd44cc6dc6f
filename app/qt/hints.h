#pragma once
#include <QString>

#include "ui/hint_spot.h"

namespace q417 {

// The hover hints of the machine's controls, all kept in one table (hints.cpp): for each part,
// the zones of it that carry a hint and whether the hint belongs to the closed machine, the
// open one or both. Coordinates are those of the part's picture element.
QString HintAt(HintSpot spot, int x, int y, bool machine_closed);

// The hint of a button of the key box.
QString ButtonHint(HintSpot button);

}  // namespace q417
