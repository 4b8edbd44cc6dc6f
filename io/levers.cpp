#include "io/levers.h"

#include "core/machine.h"

namespace q417 {

bool LeverClick(Machine& machine, int x, int y) {
    MachineSettings& s = machine.settings;
    bool moved = false;
    if (y > 75 && x > 30 && x < 45) {
        // One notch on, and from deciphering round to plain typing.
        s.Rod = s.Rod == Work::Plain      ? Work::Encipher
                : s.Rod == Work::Encipher ? Work::Decipher
                                          : Work::Plain;
        moved = true;
    }
    if (y > 95 && y < 130 && x > 70 && x < 82) {
        s.Sposob = s.Sposob == PrintMethod::PaperTape ? PrintMethod::AlsoPunchedTape
                                                      : PrintMethod::PaperTape;
        moved = true;
    }
    return moved;
}

bool RegisterSwitchClick(Machine& machine, int x) {
    MachineSettings& s = machine.settings;
    if (s.Machine == Model::Q417M) return false;
    if (x < 25) {
        s.Mode = RegisterMode::Letters;
        machine.state.PrintRegister = 1;
        return true;
    }
    if (x > 25 && x < 50) {
        s.Mode = RegisterMode::Mixed;  // the shift contacts switch the register from now on
        return true;
    }
    if (x > 60) {
        s.Mode = RegisterMode::Figures;
        machine.state.PrintRegister = 2;
        return true;
    }
    return false;
}

bool LanguageLeverClick(Machine& machine, int x, int y) {
    MachineSettings& s = machine.settings;
    if (s.Machine != Model::Q417M || x < 3 || x > 15) return false;
    if (y >= 26 && y <= 52) {
        s.Language = WheelHalf::Latin;
        return true;
    }
    if (y >= 57 && y <= 83) {
        s.Language = WheelHalf::Russian;
        return true;
    }
    return false;
}

}  // namespace q417
