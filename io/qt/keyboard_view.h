#pragma once
#include <QImage>
#include <QRect>
#include <optional>

#include "io/keyboard.h"

namespace q417 {

class PictureElement;
class ViewHost;
struct MachineSettings;

// The pictures of the machine's keyboard (506 x 138, thirty caps in three staggered rows)
// and of its space bar, drawn as the keyboard tells: every key released with the legends of
// the current layout, one key pressed, the bar up or down. A press of the mouse on a key or
// on the bar presses it on the machine until the button is released.
class KeyboardView : public KeyboardListener {
public:
    KeyboardView(ViewHost& host, PictureElement& keys, PictureElement& spaceBar);

    // Sizes the keyboard picture and fills it with the cabinet colour.
    void Prepare();

    void KeyboardReleased() override;
    void KeyPressed(int row, int col) override;
    void SpaceBarDrawn(bool pressed) override;

    // Where the cap of a key sits on the keyboard picture.
    static QRect CapRect(int row, int col);

private:
    void DrawKey(int row, int col, bool pressed);

    const MachineSettings& settings_;
    // The keyboard with every key up, kept for the model and layout it was drawn for: a
    // release puts it back in one copy.
    QImage released_;
    std::optional<Model> released_machine_;  // none until the released keys are first drawn
    std::optional<KeyboardLayout> released_layot_;
    PictureElement& keys_;
    PictureElement& space_;
};

}  // namespace q417
