#include "io/tape_memory.h"

#include <algorithm>

namespace q417 {

TapeMemory::TapeMemory(int paperCells, int punchColumns)
    : paper_keep_(static_cast<std::size_t>(std::max(paperCells, 1))),
      punch_keep_(static_cast<std::size_t>(std::max(punchColumns, 1))) {}

void TapeMemory::TapeAdvanced() {
    paper_.push_back({});
    if (paper_.size() > paper_keep_) {
        paper_.pop_front();
        oldest_cell_was_there_ = false;
    }
}

void TapeMemory::GlyphPrinted(int band, int32_t contact, Model machine) {
    if (paper_.empty()) {
        paper_.push_back({});
        oldest_cell_was_there_ = true;
    }
    paper_.back() = {true, band, contact, machine};
}

void TapeMemory::Punched(int32_t contact) {
    punched_.push_back(contact);
    if (punched_.size() > punch_keep_) punched_.pop_front();
}

void TapeMemory::Replay(PrinterListener& tapes) const {
    bool advance = !oldest_cell_was_there_;
    for (const PaperCell& cell : paper_) {
        if (advance) tapes.TapeAdvanced();
        advance = true;
        if (cell.Printed) tapes.GlyphPrinted(cell.Band, cell.Contact, cell.Machine);
    }
    for (int32_t contact : punched_) tapes.Punched(contact);
}

void TapeMemory::Set(const std::vector<PaperCell>& paper, const std::vector<int32_t>& punched) {
    const std::size_t paper_from = paper.size() > paper_keep_ ? paper.size() - paper_keep_ : 0;
    const std::size_t punch_from = punched.size() > punch_keep_ ? punched.size() - punch_keep_ : 0;
    paper_.assign(paper.begin() + static_cast<std::ptrdiff_t>(paper_from), paper.end());
    punched_.assign(punched.begin() + static_cast<std::ptrdiff_t>(punch_from), punched.end());
    oldest_cell_was_there_ = false;
}

void TapeMemory::Clear() {
    paper_.clear();
    punched_.clear();
    oldest_cell_was_there_ = false;
}

}  // namespace q417
