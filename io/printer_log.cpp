#include "io/printer_log.h"

namespace q417 {

// With more advances logged than cells on the tape, everything before the oldest advance
// that is still needed has left the tape; a glyph printed before it went with its cell.
void PrinterLog::TapeAdvanced() {
    paper_.push_back({true, 0, 0, 0});
    ++paper_advances_;
    while (paper_advances_ > paper_keep_) {
        if (paper_.front().advance) --paper_advances_;
        paper_.pop_front();
    }
}

void PrinterLog::GlyphPrinted(int band, int32_t contact, int32_t machine) {
    paper_.push_back({false, band, contact, machine});
}

void PrinterLog::Punched(int32_t contact) {
    punched_.push_back(contact);
    if (punched_.size() > punch_keep_) punched_.pop_front();
}

void PrinterLog::CounterChanged(int groupCount, int groupPosition) {
    counter_ = {groupCount, groupPosition};
}

void PrinterLog::Replay(PrinterListener& pictures) {
    for (const Glyph& g : paper_) {
        if (g.advance)
            pictures.TapeAdvanced();
        else
            pictures.GlyphPrinted(g.band, g.contact, g.machine);
    }
    for (int32_t contact : punched_) pictures.Punched(contact);
    if (counter_) pictures.CounterChanged(counter_->first, counter_->second);
    paper_.clear();
    paper_advances_ = 0;
    punched_.clear();
    counter_.reset();
}

}  // namespace q417
