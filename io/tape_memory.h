#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "io/printer.h"

namespace q417 {

// One cell of the paper tape: blank, or the glyph the print wheel struck into it.
struct PaperCell {
    bool Printed = false;
    int Band = 0;         // wheel row, 1..8
    int32_t Contact = 0;  // 0..31
    Model Machine = Model::Q417M;  // the model that printed it picks the sheet of glyphs
    bool operator==(const PaperCell&) const = default;
};

// What the paper tape and the punched tape show, remembered from the printer's news: the last
// cells of the paper tape and the last columns of the punched tape, oldest first. Older cells
// and columns have run off the tapes and are forgotten, so the memory stays the same size
// however long the machine works. The printer strikes one glyph into each new cell; should a
// cell be struck twice, the last glyph is kept.
class TapeMemory : public PrinterListener {
public:
    // Remembers at most `paperCells` cells and `punchColumns` columns (at least one each).
    TapeMemory(int paperCells, int punchColumns);

    void TapeAdvanced() override;
    void GlyphPrinted(int band, int32_t contact, Model machine) override;
    void Punched(int32_t contact) override;
    void TapesBlanked() override { Clear(); }

    // Redraws the remembered tapes into `tapes`, oldest first, as the printer drew them: each
    // cell is advanced in and struck, each column punched. Onto blank tapes the pictures end as
    // the remembered ones. Once the memory is full, the same holds for tapes that showed
    // something else, as long as they are no longer than the memory: all of it scrolls off.
    void Replay(PrinterListener& tapes) const;

    std::vector<PaperCell> Paper() const { return {paper_.begin(), paper_.end()}; }
    std::vector<int32_t> PunchedTape() const { return {punched_.begin(), punched_.end()}; }
    // Takes saved tapes, oldest first; of longer ones only the newest that fit are kept.
    void Set(const std::vector<PaperCell>& paper, const std::vector<int32_t>& punched);
    void Clear();
    bool Empty() const { return paper_.empty() && punched_.empty(); }

private:
    std::size_t paper_keep_;
    std::size_t punch_keep_;
    std::deque<PaperCell> paper_;
    std::deque<int32_t> punched_;
    // The oldest cell is the one that was newest on the tape when remembering began (a glyph
    // was struck before any advance): it is redrawn without advancing the tape first.
    bool oldest_cell_was_there_ = false;
};

}  // namespace q417
