#pragma once

namespace q417 {

class Machine;
struct MachineSettings;

// The operator's controls on the machine picture: the work lever and the printing-method
// lever on the mode wheel, the printer's register switch (Q417-3MN and Q417-3MR) and the
// language lever (Q-417M). Each changes the settings as the machine does and says whether a
// part moved (the step sound plays).

// The two levers of the mode wheel: the work lever cycles plain typing, encipher, decipher;
// the printing-method lever toggles print only and print and punch.
enum class ModeLever { Work, PrintingMethod };
void MoveModeLever(MachineSettings& s, ModeLever lever);

// The register switch: left letters, middle mixed (the register stays as it is until a shift
// contact), right figures. The Q-417M has none: false, nothing changes.
enum class RegisterSwitch { Letters, Mixed, Figures };
bool SetRegisterSwitch(Machine& machine, RegisterSwitch position);

// The language lever: up Latin, down Russian. Only the Q-417M has one: elsewhere false,
// nothing changes.
enum class LanguageLever { Latin, Russian };
bool SetLanguageLever(MachineSettings& s, LanguageLever position);

}  // namespace q417
