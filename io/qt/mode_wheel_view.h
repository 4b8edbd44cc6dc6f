#pragma once

namespace q417 {

class PictureElement;
struct MachineSettings;

// The pictures of the operator's controls: the mode wheel with the work lever and the
// printing-method lever, the register switch and the language lever.
class ModeWheelView {
public:
    ModeWheelView(PictureElement& wheel, PictureElement& registerSwitch,
                  PictureElement& languageLever)
        : wheel_(wheel), register_(registerSwitch), language_(languageLever) {}

    // The wheel with both levers where the settings put them.
    void DrawLevers(const MachineSettings& s);
    // The register switch with its slider on the Q417-3MN and Q417-3MR, the language lever
    // on the Q-417M; each model shows the other control without its moving part.
    void DrawModeSwitches(const MachineSettings& s);

private:
    PictureElement& wheel_;
    PictureElement& register_;
    PictureElement& language_;
};

}  // namespace q417
