#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/machine.h"
#include "io/cp1251.h"
#include "app/qt/cabinet_zones.h"
#include "io/levers.h"
#include "io/printer.h"

namespace q417 {
namespace {

// Records what the pictures of the printer would be told.
struct PictureLog : PrinterListener {
    int tape_moves = 0;
    std::vector<int> bands, glyphs, punched;
    std::vector<std::pair<int, int>> counter;
    std::string input, output;  // the texts as the text panel is told them
    void InputAppended(std::string_view s) override { input += s; }
    void OutputAppended(std::string_view s) override { output += s; }
    void TapeAdvanced() override { ++tape_moves; }
    void GlyphPrinted(int band, int32_t contact, Model) override {
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
        machine.settings.Machine = *SettingFromStored<Model>(r.machine);
        machine.settings.Wheel = *SettingFromStored<PrintWheel>(r.wheel);
        machine.settings.Language = *SettingFromStored<WheelHalf>(r.language);
        machine.state.PrintRegister = r.reg;
        printer.ClearTexts();
        for (int c : r.contacts) printer.PrintOutput(c, machine.settings.Machine);
        EXPECT_EQ(Output(), r.printed) << r.name;
    }
}

// Mixed mode: contact 20 shifts to figures and 7 back to letters; neither prints but both
// are counted, and the echo always shows the letters.
TEST_F(PrinterTest, MixedModeShiftsThroughTheMachine) {
    machine.settings.Machine = Model::Q417_3MN;
    machine.settings.Wheel = PrintWheel::German;
    machine.settings.Mode = RegisterMode::Mixed;
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
    machine.settings.Machine = Model::Q417M;
    machine.settings.Wheel = PrintWheel::German;
    machine.settings.Language = WheelHalf::Latin;
    Press(2);
    machine.settings.Language = WheelHalf::Russian;
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
    EXPECT_EQ(log.output, printer.OutputText());  // blanks included, nothing more
    EXPECT_EQ(log.input, printer.InputText());
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
    machine.settings.Mode = RegisterMode::Mixed;
    Press(3);
    EXPECT_TRUE(log.punched.empty());
    machine.settings.Sposob = PrintMethod::AlsoPunchedTape;
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

// The levers of the mode wheel, the register switch (not on the Q-417M) and the language
// lever (only on the Q-417M), clicked at the edges of their zones.
TEST(Levers, EachMovesInItsZoneOnly) {
    struct Row {
        const char* control;
        int machine, x, y;
        bool moved;                            // the step sound plays
        int rod, sposob, mode, reg, language;  // afterwards; from 0, 1, mode 1, register 1, 1
    };
    // clang-format off
    const Row rows[] = {
        {"work lever",   1, 31,  76, true,  1, 1, 1, 1, 1},
        {"work lever",   1, 30,  76, false, 0, 1, 1, 1, 1},
        {"work lever",   1, 44,  75, false, 0, 1, 1, 1, 1},
        {"method lever", 1, 71,  96, true,  0, 2, 1, 1, 1},
        {"method lever", 1, 81, 129, true,  0, 2, 1, 1, 1},
        {"method lever", 1, 81, 130, false, 0, 1, 1, 1, 1},
        {"method lever", 1, 20, 100, false, 0, 1, 1, 1, 1},
        {"register",     1, 24,   0, true,  0, 1, 1, 1, 1},
        {"register",     1, 25,   0, false, 0, 1, 1, 1, 1},
        {"register",     2, 26,   0, true,  0, 1, 2, 1, 1},
        {"register",     1, 60,   0, false, 0, 1, 1, 1, 1},
        {"register",     1, 61,   0, true,  0, 1, 3, 2, 1},
        {"register",     0, 61,   0, false, 0, 1, 1, 1, 1},  // the Q-417M has none
        {"language",     0,  3,  26, true,  0, 1, 1, 1, 2},
        {"language",     0, 16,  26, false, 0, 1, 1, 1, 1},
        {"language",     0, 15,  52, true,  0, 1, 1, 1, 2},
        {"language",     0,  3,  53, false, 0, 1, 1, 1, 1},
        {"language",     0, 15,  83, true,  0, 1, 1, 1, 1},
        {"language",     0, 15,  84, false, 0, 1, 1, 1, 1},
        {"language",     1,  3,  26, false, 0, 1, 1, 1, 1},  // only on the Q-417M
    };
    // clang-format on
    for (const Row& r : rows) {
        Machine m;
        m.settings.Machine = *SettingFromStored<Model>(r.machine);
        const std::string control = r.control;
        bool moved;
        if (control == "register") {
            const auto position = ZoneAt(cabinet_zones::kRegisterSwitch, r.x, r.y);
            moved = position && SetRegisterSwitch(m, *position);
        } else if (control == "language") {
            const auto position = ZoneAt(cabinet_zones::kLanguageLever, r.x, r.y);
            moved = position && SetLanguageLever(m.settings, *position);
        } else {
            const auto lever = ZoneAt(cabinet_zones::kModeWheel, r.x, r.y);
            if (lever) MoveModeLever(m.settings, *lever);
            moved = lever.has_value();
        }
        const auto& s = m.settings;
        EXPECT_EQ(moved, r.moved) << control << " at " << r.x << "," << r.y;
        EXPECT_EQ((std::vector<int>{StoredValue(s.Rod), StoredValue(s.Sposob), StoredValue(s.Mode),
                                    m.state.PrintRegister, StoredValue(s.Language)}),
                  (std::vector<int>{r.rod, r.sposob, r.mode, r.reg, r.language}))
            << control << " on machine " << r.machine << " at " << r.x << "," << r.y;
    }
}

}  // namespace
}  // namespace q417
