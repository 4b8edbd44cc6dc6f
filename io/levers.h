#pragma once
#include <cstdint>

namespace q417 {

class Machine;

// The operator's controls on the machine picture: the work lever and the printing-method
// lever on the mode wheel, the printer's register switch (Q417-3MN and Q417-3MR) and the
// language lever (Q-417M). Each takes the click position inside its own picture, changes the
// settings as the machine does, and says whether a part moved (the step sound plays).

// Mode wheel: the work lever cycles plain typing, encipher, decipher; the printing-method
// lever toggles print only and print and punch.
bool LeverClick(Machine& machine, int x, int y);

// Register switch: left letters, middle mixed (the register stays as it is until a shift
// contact), right figures. Inert on the Q-417M.
bool RegisterSwitchClick(Machine& machine, int x);

// Language lever: upper zone Latin, lower zone Russian. Inert on the other models.
bool LanguageLeverClick(Machine& machine, int x, int y);

}  // namespace q417
