#include "io/levers.h"

#include "core/machine.h"

namespace q417 {

void MoveModeLever(MachineSettings& s, ModeLever lever) {
    if (lever == ModeLever::Work)
        // One notch on, and from deciphering round to plain typing.
        s.Rod = s.Rod == Work::Plain      ? Work::Encipher
                : s.Rod == Work::Encipher ? Work::Decipher
                                          : Work::Plain;
    else
        s.Sposob = s.Sposob == PrintMethod::PaperTape ? PrintMethod::AlsoPunchedTape
                                                      : PrintMethod::PaperTape;
}

bool SetRegisterSwitch(Machine& machine, RegisterSwitch position) {
    MachineSettings& s = machine.settings;
    if (s.Machine == Model::Q417M) return false;
    switch (position) {
        case RegisterSwitch::Letters:
            s.Mode = RegisterMode::Letters;
            machine.state.PrintRegister = 1;
            break;
        case RegisterSwitch::Mixed:
            s.Mode = RegisterMode::Mixed;  // the shift contacts switch the register from now on
            break;
        case RegisterSwitch::Figures:
            s.Mode = RegisterMode::Figures;
            machine.state.PrintRegister = 2;
            break;
    }
    return true;
}

bool SetLanguageLever(MachineSettings& s, LanguageLever position) {
    if (s.Machine != Model::Q417M) return false;
    s.Language = position == LanguageLever::Latin ? WheelHalf::Latin : WheelHalf::Russian;
    return true;
}

}  // namespace q417
