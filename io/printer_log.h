#pragma once
#include <cstdint>
#include <optional>
#include <utility>

#include "io/printer.h"
#include "io/tape_memory.h"

namespace q417 {

// The printer's pictures kept back while the machine types faster than a screen can show:
// the tape news are logged and replayed later in one go. The paper tape shows only its last
// cells, so the log remembers only what can still be seen (a TapeMemory): once more cells have
// passed than fit on the tape, the older ones would be scrolled off again and are dropped. The
// punched tape likewise; of the counter only its last reading counts. The texts are not held
// back: they go straight on to `texts`.
class PrinterLog : public PrinterListener {
public:
    // The tapes show `paperCells` glyph cells and `punchColumns` punched columns.
    PrinterLog(PrinterListener& texts, int paperCells, int punchColumns)
        : texts_(texts), tapes_(paperCells + 1, punchColumns + 1) {}

    void TapeAdvanced() override { tapes_.TapeAdvanced(); }
    void GlyphPrinted(int band, int32_t contact, Model machine) override {
        tapes_.GlyphPrinted(band, contact, machine);
    }
    void Punched(int32_t contact) override { tapes_.Punched(contact); }
    void CounterChanged(int groupCount, int groupPosition) override {
        counter_ = {groupCount, groupPosition};
    }
    void InputAppended(std::string_view cp1251) override { texts_.InputAppended(cp1251); }
    void OutputAppended(std::string_view cp1251) override { texts_.OutputAppended(cp1251); }
    void TextsCleared() override { texts_.TextsCleared(); }

    // Tells `pictures` what it has not yet drawn, in the order it happened, and empties the log.
    void Replay(PrinterListener& pictures);
    bool Empty() const { return tapes_.Empty() && !counter_; }

private:
    PrinterListener& texts_;
    TapeMemory tapes_;
    std::optional<std::pair<int, int>> counter_;
};

}  // namespace q417
