#pragma once
#include <cstdint>
#include <deque>
#include <optional>
#include <utility>

#include "io/printer.h"

namespace q417 {

// The printer's pictures kept back while the machine types faster than a screen can show:
// the tape news are logged and replayed later in one go. The paper tape shows only its last
// cells, so the log keeps only what can still be seen: once more cells have passed than fit
// on the tape, the older news would be scrolled off again and are dropped. The punched tape
// likewise; of the counter only its last reading counts. The texts are not held back: they go
// straight on to `texts`.
class PrinterLog : public PrinterListener {
public:
    // The tapes show `paperCells` glyph cells and `punchColumns` punched columns.
    PrinterLog(PrinterListener& texts, int paperCells, int punchColumns)
        : texts_(texts), paper_keep_(paperCells + 1), punch_keep_(punchColumns + 1) {}

    void TapeAdvanced() override;
    void GlyphPrinted(int band, int32_t contact, int32_t machine) override;
    void Punched(int32_t contact) override;
    void CounterChanged(int groupCount, int groupPosition) override;
    void InputAppended(std::string_view cp1251) override { texts_.InputAppended(cp1251); }
    void OutputAppended(std::string_view cp1251) override { texts_.OutputAppended(cp1251); }
    void TextsCleared() override { texts_.TextsCleared(); }

    // Tells `pictures` what it has not yet drawn, in the order it happened, and empties the log.
    void Replay(PrinterListener& pictures);
    bool Empty() const { return paper_.empty() && punched_.empty() && !counter_; }

private:
    struct Glyph {
        bool advance;  // a tape advance, or a glyph printed into the newest cell
        int band;
        int32_t contact, machine;
    };

    PrinterListener& texts_;
    std::size_t paper_keep_;
    std::size_t punch_keep_;
    std::deque<Glyph> paper_;
    std::size_t paper_advances_ = 0;
    std::deque<int32_t> punched_;
    std::optional<std::pair<int, int>> counter_;
};

}  // namespace q417
