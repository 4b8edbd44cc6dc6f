#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/machine.h"
#include "core/output_stage.h"

namespace q417 {

// What the pictures of the printer are told: the paper tape, the punched tape, the counter
// and the two texts. Every hook does nothing by default.
class PrinterListener {
public:
    virtual ~PrinterListener() = default;
    // The paper tape moved one cell to the left; the new cell at the right is blank.
    virtual void TapeAdvanced() {}
    // A glyph was printed into the newest cell: band is the wheel row, the model picks the sheet.
    virtual void GlyphPrinted(int /*band*/, int32_t /*contact*/, Model /*machine*/) {}
    // The punched tape moved one column and the contact's holes were punched into it.
    virtual void Punched(int32_t /*contact*/) {}
    virtual void CounterChanged(int /*group_count*/, int /*group_position*/) {}
    // Windows-1251 characters appended to the input or the output text.
    virtual void InputAppended(std::string_view /*cp1251*/) {}
    virtual void OutputAppended(std::string_view /*cp1251*/) {}
    // Both texts were emptied, or the input text replaced (then InputText() holds it).
    virtual void TextsCleared() {}
    // Both tapes were made blank: the paper tape and the punched tape are drawn afresh.
    virtual void TapesBlanked() {}
    // A key press begins (before anything of it is echoed or printed).
    virtual void KeyPressBegins() {}
    // A key press is over (after its print, punch, step and count): the machine's last key
    // press is a new one.
    virtual void KeyPressDone() {}
};

// The printer: turns contacts into characters of the type wheel in use, prints them on the
// paper tape and into the output text, echoes pressed keys into the input text, punches the
// five-track tape and counts key presses in groups of five. It is the key-press cycle's
// output stage; the texts are Windows-1251 bytes.
class Printer : public OutputStage {
public:
    explicit Printer(Machine& machine) : machine_(machine) {}

    void SetListener(PrinterListener* listener) { listener_ = listener; }

    const std::string& InputText() const { return input_; }
    const std::string& OutputText() const { return output_; }
    // Empties both texts; the tapes and the counter stay as they are.
    void ClearTexts();
    // Puts a loaded text in place of the input text (the output text is kept).
    void SetInputText(std::string text);
    // Both texts replaced at once (a saved machine opened, a key press taken back).
    void SetTexts(std::string input, std::string output);

    // The character a contact prints now: the wheel row of the model, wheel, register or
    // language lever.
    unsigned char OutputChar(int32_t contact, Model machine) const;
    int CurrentWheelRow(Model machine) const;
    // The character a pressed contact is echoed as in the input text.
    unsigned char EchoChar(int32_t contact, Model machine) const;

    // Key-press cycle hooks.
    void EchoInput(int32_t contact, Model machine) override;
    void PrintOnTape(int32_t contact, Model machine) override;
    void PrintOutput(int32_t contact, Model machine) override;
    void PunchContact(int32_t contact) override;
    void AdvanceGroupCounter() override;
    void KeyPressBegins() override {
        if (listener_) listener_->KeyPressBegins();
    }

    // Moves the paper tape one blank cell on: before each character, after a group when the
    // divider is on, and when the user clicks the tape.
    void AdvanceTape();

    // Completed groups of five (0..999) and key presses in the current group (0..4).
    int32_t GroupCount() const { return group_count_; }
    int32_t GroupPosition() const { return group_position_; }
    // The counter-reset lever: 000 and 0.
    void ResetCounter();
    // The counter set to a reading (kept within 0..999 and 0..4).
    void SetCounter(int32_t groups, int32_t position);

private:
    void AppendOutput(char c);

    Machine& machine_;
    PrinterListener* listener_ = nullptr;
    std::string input_;
    std::string output_;
    int32_t group_count_ = 0;
    int32_t group_position_ = 0;
};

}  // namespace q417
