#include "io/levers.h"

#include "core/machine.h"

namespace q417 {

void MoveModeLever(MachineSettings& s, ModeLever lever) {
    if (lever == ModeLever::Work)
        s.Rod = s.Rod >= 2 ? 0 : s.Rod + 1;
    else
        s.Sposob = s.Sposob >= 2 ? 1 : s.Sposob + 1;
}

bool SetRegisterSwitch(Machine& machine, RegisterSwitch position) {
    MachineSettings& s = machine.settings;
    if (s.Machine == 0) return false;
    switch (position) {
        case RegisterSwitch::Letters:
            s.Mode = 1;
            machine.state.PrintRegister = 1;
            break;
        case RegisterSwitch::Mixed:
            s.Mode = 2;  // the shift contacts switch the register from now on
            break;
        case RegisterSwitch::Figures:
            s.Mode = 3;
            machine.state.PrintRegister = 2;
            break;
    }
    return true;
}

bool SetLanguageLever(MachineSettings& s, LanguageLever position) {
    if (s.Machine != 0) return false;
    s.Language = position == LanguageLever::Latin ? 2 : 1;
    return true;
}

}  // namespace q417
