#pragma once

#include "core/settings.h"

namespace q417 {

class PictureElement;

// The fixed parts round the rotor stack, each shown as a frame of its sheet.

// Entry plate and reflector: frame 1 closed, frame 3 open (frame 2 is not used).
void ShowEntryFrame(PictureElement& entry, int frame);
void ShowReflectorFrame(PictureElement& reflector, int frame);

// The stepping mechanism over the rotors of the open machine.
enum class StepperState { Hidden = 3, Open = 4 };
void ShowStepper(PictureElement& stepper, StepperState state);

// The cover over slots 9 and 10 of the eight-rotor machine, its bar lowered while the
// machine is closed and raised while it is open.
void ShowCover(PictureElement& cover, bool lowered);

// The alphabet plug: its Russian face or its Latin face.
void DrawPlug(PictureElement& plug, AlphabetPlug plugPosition);

}  // namespace q417
