#include "app/key_press_history.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace q417 {

namespace {

uint16_t PackCell(const PaperCell& c) {
    if (!c.Printed) return 0;
    return static_cast<uint16_t>(0x8000 | (StoredValue(c.Machine) & 3) << 8 |
                                 ((c.Band - 1) & 7) << 5 | (c.Contact & 31));
}

PaperCell UnpackCell(uint16_t v) {
    if (!(v & 0x8000)) return {};
    // Only a model's own number is ever packed.
    return {true, ((v >> 5) & 7) + 1, v & 31,
            SettingFromStored<Model>((v >> 8) & 3).value_or(Model::Q417M)};
}

}  // namespace

void PressSnapshot::SetTapes(const TapeMemory& tapes) {
    const std::vector<PaperCell> cells = tapes.Paper();
    const std::vector<int32_t> columns = tapes.PunchedTape();
    paper_count = static_cast<uint8_t>(std::min(cells.size(), paper.size()));
    punch_count = static_cast<uint8_t>(std::min(columns.size(), punched.size()));
    const std::size_t cell_from = cells.size() - paper_count;
    const std::size_t column_from = columns.size() - punch_count;
    for (std::size_t i = 0; i < paper_count; ++i) paper[i] = PackCell(cells[cell_from + i]);
    for (std::size_t i = 0; i < punch_count; ++i)
        punched[i] = static_cast<uint8_t>(columns[column_from + i]);
}

void PressSnapshot::TakeTapes(TapeMemory& tapes) const {
    std::vector<PaperCell> cells;
    std::vector<int32_t> columns;
    for (std::size_t i = 0; i < paper_count; ++i) {
        cells.push_back(UnpackCell(paper[i]));
    }
    for (std::size_t i = 0; i < punch_count; ++i) columns.push_back(punched[i]);
    tapes.Set(cells, columns);
}

bool PressSnapshot::SameAfterPress(const PressSnapshot& o) const {
    return positions == o.positions && group_count == o.group_count &&
           group_position == o.group_position && print_register == o.print_register &&
           tech == o.tech && output_contact == o.output_contact && input_size == o.input_size &&
           output_size == o.output_size && paper_count == o.paper_count &&
           punch_count == o.punch_count && paper == o.paper && punched == o.punched;
}

void KeyPressHistory::Record(Press press) {
    redo_.clear();
    undo_.push_back(std::move(press));
    if (undo_.size() > kLimit) undo_.pop_front();
}

void KeyPressHistory::Clear() {
    undo_.clear();
    redo_.clear();
}

void KeyPressHistory::MoveToUndone(const PressSnapshot& now) {
    Press press = std::move(undo_.back());
    undo_.pop_back();
    press.after = now;
    redo_.push_back(std::move(press));
}

void KeyPressHistory::MoveToDone() {
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
}

}  // namespace q417
