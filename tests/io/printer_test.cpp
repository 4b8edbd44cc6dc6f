#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/machine.h"
#include "io/cp1251.h"
#include "io/printer.h"

namespace q417 {
namespace {

// Records what the pictures of the printer would be told.
struct PictureLog : PrinterListener {
    int tape_moves = 0;
    std::vector<int> bands, glyphs, punched;
    std::vector<std::pair<int, int>> counter;
    void TapeAdvanced() override { ++tape_moves; }
    void GlyphPrinted(int band, int32_t contact, int32_t) override {
        bands.push_back(band);
        glyphs.push_back(contact);
    }
    void Punched(int32_t contact) override { punched.push_back(contact); }
    void CounterChanged(int count, int position) override { counter.push_back({count, position}); }
};

struct PrinterTest : ::testing::Test {
    Machine machine;
    Printer printer{machine};
    PictureLog log;
    void SetUp() override {
        machine.SetOutputStage(&printer);
        printer.SetListener(&log);
    }
    void Press(int32_t contact) {
        machine.state.InputContact = contact;
        machine.KeyPressCycle();
    }
    std::string Output() const { return Cp1251ToUtf8(printer.OutputText()); }
    std::string Input() const { return Cp1251ToUtf8(printer.InputText()); }
};

struct PrintCase {
    const char* name;
    int machine, wheel, reg, language;
    std::vector<int> contacts;
    const char* printed;
};

TEST_F(PrinterTest, PrintsTheRowOfModelWheelRegisterAndLanguage) {
    const PrintCase rows[] = {
        {"3MN German letters", 1, 1, 1, 1, {1, 20, 0, 31}, "FA* "},
        {"3MN German figures", 1, 1, 2, 1, {1, 20, 30}, "VV*"},
        {"3MR Russian figures", 2, 4, 2, 1, {10, 14, 17}, "№°Ъ"},
        {"M Polish Latin", 0, 2, 1, 2, {2, 20}, "7A"},
        {"M Polish Cyrillic", 0, 2, 2, 1, {2, 30}, "БЙ"},
        {"M Russian Latin half", 0, 4, 1, 2, {1, 2, 0, 31}, "    "},
    };
    for (const PrintCase& r : rows) {
        machine.settings.Machine = r.machine;
        machine.settings.Wheel = r.wheel;
        machine.settings.Language = r.language;
        machine.state.PrintRegister = r.reg;
        printer.ClearTexts();
        for (int c : r.contacts) printer.PrintOutput(c, r.machine);
        EXPECT_EQ(Output(), r.printed) << r.name;
    }
}

// Mixed mode: contact 20 shifts to figures and 7 back to letters; neither prints but both
// are counted, and the echo always shows the letters.
TEST_F(PrinterTest, MixedModeShiftsThroughTheMachine) {
    machine.settings.Machine = 1;
    machine.settings.Wheel = 1;
    machine.settings.Mode = 2;
    for (int c : {1, 20, 1, 2, 7, 1}) Press(c);
    EXPECT_EQ(Output(), "FV:F");
    EXPECT_EQ(Input(),
              "FAF8"
              "5F");
    EXPECT_EQ(log.glyphs, (std::vector<int>{1, 1, 2, 1}));
    EXPECT_EQ(log.bands, (std::vector<int>{1, 2, 2, 1}));
    EXPECT_EQ(printer.GroupPosition(), 1);
    EXPECT_EQ(printer.GroupCount(), 1);
}

TEST_F(PrinterTest, EchoOnTheModelZeroFollowsTheLanguageLever) {
    machine.settings.Machine = 0;
    machine.settings.Wheel = 1;
    machine.settings.Language = 2;
    Press(2);
    machine.settings.Language = 1;
    Press(2);
    EXPECT_EQ(Input(), "8Б");
    EXPECT_EQ(Output(), "8Б");
}

TEST_F(PrinterTest, DividerPutsABlankAfterEveryFiveCharacters) {
    machine.settings.Divider = true;
    for (int i = 0; i < 10; ++i) Press(1 + i);
    EXPECT_EQ(Output(), "АБВГД ЕЖЗИК ");
    EXPECT_EQ(log.tape_moves, 12);  // ten characters and two blank cells
    EXPECT_EQ(printer.GroupCount(), 2);
    EXPECT_EQ(printer.GroupPosition(), 0);
    machine.settings.Divider = false;
    for (int i = 0; i < 5; ++i) Press(1);
    EXPECT_EQ(Output(), "АБВГД ЕЖЗИК ААААА");
}

TEST_F(PrinterTest, CounterCountsGroupsAndWrapsAfter999) {
    for (int i = 0; i < 4; ++i) printer.AdvanceGroupCounter();
    EXPECT_EQ(log.counter.back(), std::make_pair(0, 4));
    printer.AdvanceGroupCounter();
    EXPECT_EQ(log.counter.back(), std::make_pair(1, 0));
    for (int i = 0; i < 999 * 5 - 1; ++i) printer.AdvanceGroupCounter();
    EXPECT_EQ(log.counter.back(), std::make_pair(999, 4));
    printer.AdvanceGroupCounter();
    EXPECT_EQ(log.counter.back(), std::make_pair(0, 0));
    printer.AdvanceGroupCounter();
    printer.ResetCounter();
    EXPECT_EQ(log.counter.back(), std::make_pair(0, 0));
    EXPECT_EQ(printer.GroupPosition(), 0);
}

TEST_F(PrinterTest, AClickOnThePaperTapeOnlyMovesTheTape) {
    Press(1);
    printer.AdvanceTape();
    EXPECT_EQ(log.tape_moves, 2);
    EXPECT_EQ(Output(), "А");
    EXPECT_EQ(log.counter.size(), 1u);
}

TEST_F(PrinterTest, PunchesOnlyWithTheSecondMethodAndAlsoTheShifts) {
    machine.settings.Mode = 2;
    Press(3);
    EXPECT_TRUE(log.punched.empty());
    machine.settings.Sposob = 2;
    for (int c : {3, 20, 7, 31}) Press(c);
    EXPECT_EQ(log.punched, (std::vector<int>{3, 20, 7, 31}));
}

TEST_F(PrinterTest, ClearingEmptiesBothTextsButKeepsTheCounter) {
    Press(5);
    Press(31);
    EXPECT_EQ(Input(), "Д ");
    printer.ClearTexts();
    EXPECT_TRUE(printer.InputText().empty());
    EXPECT_TRUE(printer.OutputText().empty());
    EXPECT_EQ(printer.GroupPosition(), 2);
}

}  // namespace
}  // namespace q417
