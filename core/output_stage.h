#pragma once
#include <cstdint>

#include "core/settings.h"

namespace q417 {

// Where the key-press cycle hands its results: the printer, the tape punch and the group
// counter. Every hook does nothing by default, so a stage implements only what it shows.
class OutputStage {
public:
    virtual ~OutputStage() = default;
    // A key press begins: nothing has been echoed, printed or stepped yet.
    virtual void KeyPressBegins() {}
    // Append the character of a pressed contact to the input text.
    virtual void EchoInput(int32_t /*contact*/, Model /*machine*/) {}
    // Print a contact on the paper tape.
    virtual void PrintOnTape(int32_t /*contact*/, Model /*machine*/) {}
    // Append the character of a contact to the output text.
    virtual void PrintOutput(int32_t /*contact*/, Model /*machine*/) {}
    // Punch a contact on the five-track tape.
    virtual void PunchContact(int32_t /*contact*/) {}
    // Count one key press in the five-character group counter. The last thing a key press
    // does: everything above has happened, the rotors have stepped and Tech has counted it.
    virtual void AdvanceGroupCounter() {}
};

}  // namespace q417
