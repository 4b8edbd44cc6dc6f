#pragma once
#include <QImage>
#include <functional>

#include "app/machine_session.h"

#include "core/settings.h"

namespace q417 {

class PictureElement;
class ViewHost;

// The control box in the top right corner: close, settings and texts in the box, and the
// signal-path button beside it.
class ControlBox {
public:
    // What the buttons do.
    struct Actions {
        std::function<void()> close, settings, texts, signalPath;
    };
    // Draws the plain box and takes the mouse over it: the button under the pointer lit, a
    // release on a button its action.
    ControlBox(PictureElement& element, ViewHost& host, Actions actions);

    // The plain box, with button `zone` highlighted: 1 close, 2 settings, 3 texts, 4 signal
    // path, 0 none (the buttons of cabinet_zones::kControlBox).
    void Draw(int zone);
    int Highlighted() const { return zone_; }

private:
    void MouseUp(int x, int y);

    PictureElement& element_;
    ViewHost& host_;
    Actions actions_;
    int zone_ = 0;
};

// The module switch on the left of the reflector: the cabinet side (with the module label
// on the models that have the ten-key alphabet) and, while the mouse is over its lever, the
// lever for the current module laid over it at 145/255 opacity. A release on the lever
// changes between the thirty-contact and the ten-key alphabet.
class ModuleSwitch : public SessionEvents {
public:
    // `pointerMoved` hears every move of the mouse over the switch.
    ModuleSwitch(PictureElement& element, ViewHost& host, std::function<void()> pointerMoved);

    // Frame 0 for the Q-417M, frame 1 for the other models.
    void DrawPlain(Model machine);
    // The lever for module 10 or 30 over frame 1; any other module draws nothing.
    void DrawHover(AlphabetModule module);

    // Mixes `source` into `target` (same size) at 145/255 opacity, channel by channel,
    // rounding halves to even.
    static void Blend(QImage& target, const QImage& source);

    bool hover = false;  // the mouse is inside the lever's zone

    void SettingsChanged() override;
    void ModelChanged() override;

private:
    QImage Frame(int k) const;
    void MouseMove(int x, int y);
    void MouseUp(int x, int y);

    PictureElement& element_;
    ViewHost& host_;
    MachineSession& session_;
    std::function<void()> pointer_moved_;
};

}  // namespace q417
