#include "io/levers.h"

#include "core/machine.h"

namespace q417 {

bool LeverClick(Machine& machine, int x, int y) {
    MachineSettings& s = machine.settings;
    bool moved = false;
    if (y > 75 && x > 30 && x < 45) {
        s.Rod = s.Rod >= 2 ? 0 : s.Rod + 1;
        moved = true;
    }
    if (y > 95 && y < 130 && x > 70 && x < 82) {
        s.Sposob = s.Sposob >= 2 ? 1 : s.Sposob + 1;
        moved = true;
    }
    return moved;
}

bool RegisterSwitchClick(Machine& machine, int x) {
    MachineSettings& s = machine.settings;
    if (s.Machine == 0) return false;
    if (x < 25) {
        s.Mode = 1;
        machine.state.PrintRegister = 1;
        return true;
    }
    if (x > 25 && x < 50) {
        s.Mode = 2;  // the shift contacts switch the register from now on
        return true;
    }
    if (x > 60) {
        s.Mode = 3;
        machine.state.PrintRegister = 2;
        return true;
    }
    return false;
}

bool LanguageLeverClick(Machine& machine, int x, int y) {
    MachineSettings& s = machine.settings;
    if (s.Machine != 0 || x < 3 || x > 15) return false;
    if (y >= 26 && y <= 52) {
        s.Language = 2;
        return true;
    }
    if (y >= 57 && y <= 83) {
        s.Language = 1;
        return true;
    }
    return false;
}

}  // namespace q417
