#pragma once
#include <QImage>

#include "core/settings.h"

namespace q417 {

class PictureElement;

// The control box in the top right corner: close, settings and texts in the box, and the
// signal-path button beside it.
class ControlBox {
public:
    explicit ControlBox(PictureElement& element) : element_(element) {}

    // The button under (x, y) of the picture: 1 close, 2 settings, 3 texts, 4 signal path,
    // 0 none.
    static int ZoneAt(int x, int y);
    // The plain box, with button `zone` highlighted (0: none).
    void Draw(int zone);
    int Highlighted() const { return zone_; }

private:
    PictureElement& element_;
    int zone_ = 0;
};

// The module switch on the left of the reflector: the cabinet side (with the module label
// on the models that have the ten-key alphabet) and, while the mouse is over its lever, the
// lever for the current module laid over it at 145/255 opacity.
class ModuleSwitch {
public:
    explicit ModuleSwitch(PictureElement& element);

    // Frame 0 for the Q-417M, frame 1 for the other models.
    void DrawPlain(Model machine);
    // The lever for module 10 or 30 over frame 1; any other module draws nothing.
    void DrawHover(AlphabetModule module);

    // Mixes `source` into `target` (same size) at 145/255 opacity, channel by channel,
    // rounding halves to even.
    static void Blend(QImage& target, const QImage& source);

    bool hover = false;  // the mouse is inside the lever's zone

private:
    QImage Frame(int k) const;
    PictureElement& element_;
};

}  // namespace q417
