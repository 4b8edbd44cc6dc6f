#pragma once
#include <QString>

namespace q417 {

// The hover hints of the machine's controls, all kept in one table (hints.cpp): for each
// picture element or button, the zones of it that carry a hint and whether the hint belongs
// to the closed machine, the open one or both.
//
// A picture element is named by its layout name ("Image17", "W"); the rotor windows, the
// bodies and the cores share one entry each ("R1".."R10", "B1".."B10", "M1".."M10").
// Coordinates are the element's own.
QString HintAt(const QString& element, int x, int y, bool machine_closed);

// The hint of a button of the key box, by its object name.
QString ButtonHint(const char* name);

}  // namespace q417
