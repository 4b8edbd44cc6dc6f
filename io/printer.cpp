#include "io/printer.h"

#include <utility>

#include "io/print_tables.h"

namespace q417 {

void Printer::ClearTexts() {
    input_.clear();
    output_.clear();
    if (listener_) listener_->TextsCleared();
}

void Printer::SetInputText(std::string text) {
    input_ = std::move(text);
    if (listener_) listener_->TextsCleared();
}

void Printer::SetTexts(std::string input, std::string output) {
    input_ = std::move(input);
    output_ = std::move(output);
    if (listener_) listener_->TextsCleared();
}

int Printer::CurrentWheelRow(Model machine) const {
    const MachineSettings& s = machine_.settings;
    return tables::WheelRow(machine, s.Wheel, machine_.state.PrintRegister, s.Language);
}

unsigned char Printer::OutputChar(int32_t contact, Model machine) const {
    return tables::PrintChar(machine, CurrentWheelRow(machine), contact);
}

// The input text shows what was pressed, not what the register would print: the 3M models
// echo the letters row of their wheel even while the printer stands in figures.
unsigned char Printer::EchoChar(int32_t contact, Model machine) const {
    const int row = machine == Model::Q417M
                        ? CurrentWheelRow(machine)
                        : tables::WheelRow(machine, machine_.settings.Wheel, 1, WheelHalf::Russian);
    return tables::PrintChar(machine, row, contact);
}

void Printer::EchoInput(int32_t contact, Model machine) {
    input_.push_back(static_cast<char>(EchoChar(contact, machine)));
    if (listener_) listener_->InputAppended(std::string_view(&input_.back(), 1));
}

void Printer::PrintOnTape(int32_t contact, Model machine) {
    AdvanceTape();
    if (listener_) listener_->GlyphPrinted(CurrentWheelRow(machine), contact, machine);
}

void Printer::PrintOutput(int32_t contact, Model machine) {
    AppendOutput(static_cast<char>(OutputChar(contact, machine)));
}

void Printer::PunchContact(int32_t contact) {
    if (listener_) listener_->Punched(contact);
}

// The counter's last digit counts presses within a group; the fifth completes a group.
// With the divider on, a completed group is followed by a blank on the paper tape and in
// the output text (the punched tape gets none).
void Printer::AdvanceGroupCounter() {
    if (++group_position_ > 4) {
        group_position_ = 0;
        group_count_ = group_count_ >= 999 ? 0 : group_count_ + 1;
        if (machine_.settings.Divider) {
            AdvanceTape();
            AppendOutput(' ');
        }
    }
    if (listener_) {
        listener_->CounterChanged(group_count_, group_position_);
        listener_->KeyPressDone();  // counting is the last of a key press
    }
}

void Printer::AdvanceTape() {
    if (listener_) listener_->TapeAdvanced();
}

void Printer::ResetCounter() {
    group_count_ = 0;
    group_position_ = 0;
    if (listener_) listener_->CounterChanged(group_count_, group_position_);
}

void Printer::SetCounter(int32_t groups, int32_t position) {
    group_count_ = groups >= 0 && groups <= 999 ? groups : 0;
    group_position_ = position >= 0 && position <= 4 ? position : 0;
    if (listener_) listener_->CounterChanged(group_count_, group_position_);
}

void Printer::AppendOutput(char c) {
    output_.push_back(c);
    if (listener_) listener_->OutputAppended(std::string_view(&output_.back(), 1));
}

}  // namespace q417
