#include "io/tape_memory.h"

#include <gtest/gtest.h>

#include <string>

#include "core/machine.h"
#include "io/printer.h"

namespace q417 {
namespace {

// A tape picture of a few cells as a string, as the window would draw it: each cell shows
// what was struck into it, a column what was punched.
struct TapePicture : PrinterListener {
    std::string paper, punched;
    TapePicture(std::size_t cells, std::size_t columns, char fill = '.')
        : paper(cells, fill), punched(columns, fill) {}
    void TapeAdvanced() override { paper = paper.substr(1) + '.'; }
    void GlyphPrinted(int band, int32_t contact, Model machine) override {
        paper.back() =
            static_cast<char>('A' + (contact + band * 7 + StoredValue(machine) * 3) % 26);
    }
    void Punched(int32_t contact) override {
        punched = punched.substr(1) + static_cast<char>('a' + contact % 26);
    }
};

// The printer's news handed to two listeners.
struct Both : PrinterListener {
    PrinterListener &a, &b;
    Both(PrinterListener& first, PrinterListener& second) : a(first), b(second) {}
    void TapeAdvanced() override { a.TapeAdvanced(), b.TapeAdvanced(); }
    void GlyphPrinted(int band, int32_t contact, Model machine) override {
        a.GlyphPrinted(band, contact, machine), b.GlyphPrinted(band, contact, machine);
    }
    void Punched(int32_t contact) override { a.Punched(contact), b.Punched(contact); }
};

// A real printer types a long run, with the divider's blank cells, both registers and the
// punch. However long the run, the memory holds no more than its cells and columns, and
// redrawing it gives the picture that drawing every key press gave: on a blank tape, on a
// tape that showed something else, and after being saved and set again.
TEST(TapeMemory, StaysBoundedAndRedrawsWhatTheTapesShow) {
    constexpr int kCells = 9, kColumns = 7;
    for (int presses : {0, 1, 4, 5, 6, 12, 2000}) {
        Machine machine;
        machine.StartUp();
        machine.settings.Divider = true;
        machine.settings.Sposob = PrintMethod::AlsoPunchedTape;
        Printer printer(machine);
        machine.SetOutputStage(&printer);
        TapePicture direct(kCells, kColumns);
        TapeMemory memory(kCells, kColumns);
        Both both(direct, memory);
        printer.SetListener(&both);
        for (int i = 0; i < presses; ++i) {
            machine.state.PrintRegister = 1 + (i / 3) % 2;
            machine.state.InputContact = 1 + (i * 7) % 31;
            machine.KeyPressCycle();
            ASSERT_LE(memory.Paper().size(), std::size_t{kCells});
            ASSERT_LE(memory.PunchedTape().size(), std::size_t{kColumns});
        }
        TapePicture blank(kCells, kColumns);
        memory.Replay(blank);
        EXPECT_EQ(blank.paper, direct.paper) << presses;
        EXPECT_EQ(blank.punched, direct.punched) << presses;
        if (presses >= 12) {  // full: whatever the tape showed scrolls off
            TapePicture scribbled(kCells, kColumns, '#');
            memory.Replay(scribbled);
            EXPECT_EQ(scribbled.paper, direct.paper);
            EXPECT_EQ(scribbled.punched, direct.punched);
        }
        TapeMemory restored(kCells, kColumns);
        restored.Set(memory.Paper(), memory.PunchedTape());
        TapePicture again(kCells, kColumns);
        restored.Replay(again);
        EXPECT_EQ(again.paper, direct.paper) << presses;
        EXPECT_EQ(again.punched, direct.punched) << presses;
    }
}

// Remembering can begin in the middle of a tape's life (a frame's worth of news): a glyph
// struck before any advance goes into the cell that was already newest, and a longer saved
// tape than fits keeps its newest cells.
TEST(TapeMemory, GlyphIntoTheNewestCellAndLongSavedTapes) {
    TapePicture shown(4, 3, 'x'), held(4, 3, 'x');
    TapeMemory memory(4, 3);
    for (PrinterListener* l :
         {static_cast<PrinterListener*>(&shown), static_cast<PrinterListener*>(&memory)}) {
        l->GlyphPrinted(7, 1, Model::Q417_3MN);
        l->TapeAdvanced();
        l->GlyphPrinted(8, 2, Model::Q417_3MN);
    }
    memory.Replay(held);
    EXPECT_EQ(held.paper, shown.paper);

    std::vector<PaperCell> cells(6);
    for (int i = 0; i < 6; ++i) cells[i] = {i % 2 == 0, 1, i, Model::Q417_3MN};
    memory.Set(cells, {1, 2, 3, 4, 5});
    EXPECT_EQ(memory.Paper(), std::vector<PaperCell>(cells.begin() + 2, cells.end()));
    EXPECT_EQ(memory.PunchedTape(), (std::vector<int32_t>{3, 4, 5}));
}

}  // namespace
}  // namespace q417
