#pragma once
#include <QRegion>

class QWidget;

namespace q417 {

// The shape of the machine: a body with rounded corners, two feet, the tab of the
// counter-reset lever (shorter while the lever is pushed in) and a tab with two round
// holes. Everything outside it is neither drawn nor clickable.
QRegion WindowOutline(bool leverReleased, int width = 649, int height = 575);

// Cuts the window to the outline and redraws it.
void SetWindowOutline(QWidget& window, bool leverReleased);
// Cuts the window's pictures that reach past its outline (after they are placed or sized).
void ClipChildrenToOutline(QWidget& window);

}  // namespace q417
