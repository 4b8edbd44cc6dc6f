#pragma once
#include "app/machine_session.h"

namespace q417 {

class PictureElement;
class ViewHost;
struct MachineSettings;

// The pictures of the operator's controls: the mode wheel with the work lever and the
// printing-method lever, the register switch and the language lever. Each is drawn where the
// settings put it, and a click on it moves it.
class ModeWheelView : public SessionEvents {
public:
    ModeWheelView(ViewHost& host, PictureElement& wheel, PictureElement& registerSwitch,
                  PictureElement& languageLever);

    // The wheel with both levers where the settings put them.
    void DrawLevers(const MachineSettings& s);
    // The register switch with its slider on the Q417-3MN and Q417-3MR, the language lever
    // on the Q-417M; each model shows the other control without its moving part.
    void DrawModeSwitches(const MachineSettings& s);

    void SettingsChanged() override;

private:
    MachineSession& session_;
    PictureElement& wheel_;
    PictureElement& register_;
    PictureElement& language_;
};

}  // namespace q417
