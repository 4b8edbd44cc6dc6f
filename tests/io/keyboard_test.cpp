#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/machine.h"
#include "io/keyboard.h"
#include "io/qt/keyboard_zones.h"

namespace q417 {
namespace {

// One log for the cycle, the pictures and the sound, to check the order of effects.
struct EventLog : OutputStage, KeyboardListener, SoundPlayer {
    std::vector<std::string> events;
    std::vector<int> pressed;  // contacts that reached the cycle
    void EchoInput(int32_t contact, Model) override {
        pressed.push_back(contact);
        events.push_back("cycle");
    }
    void KeyboardReleased() override { events.push_back("released"); }
    void KeyPressed(int row, int col) override {
        events.push_back("key " + std::to_string(row) + "," + std::to_string(col));
    }
    void SpaceBarDrawn(bool pressed) override { events.push_back(pressed ? "bar down" : "bar up"); }
    void PlayClick() override { events.push_back("click"); }
};

constexpr uint16_t kQ = 0x51, kE = 0x45, kF = 0x46, kA = 0x41, kSpace = 0x20, kShift = 0x10;

struct KeyboardTest : ::testing::Test {
    Machine machine;
    EventLog log;
    Keyboard keyboard{machine, log};
    void SetUp() override {
        machine.SetOutputStage(&log);
        keyboard.SetListener(&log);
    }
    // The mouse on the keyboard and space-bar pictures, through their zones.
    void MouseDownOnKeyboard(int x, int y) {
        if (const auto key = ZoneAt(keyboard_zones::kKeys, x, y)) keyboard.PressKey(*key);
    }
    void MouseDownOnSpaceBar(int x, int y) {
        if (keyboard_zones::kSpaceBar.Contains(x, y)) keyboard.PressSpaceBar();
    }
    // Presses and releases a computer key; true when a key press reached the machine.
    bool Type(uint16_t vk) {
        const size_t before = log.pressed.size();
        keyboard.KeyDown(vk);
        keyboard.KeyUp(vk);
        return log.pressed.size() > before;
    }
    // Centre of a key's sensitive area on the keyboard picture.
    bool Click(int row, int col) {
        const size_t before = log.pressed.size();
        MouseDownOnKeyboard((row - 1) * 26 + (col - 1) * 46 + 20, (row - 1) * 46 + 23);
        keyboard.ReleaseKey();
        return log.pressed.size() > before;
    }
    bool ClickSpaceBar() {
        const size_t before = log.pressed.size();
        MouseDownOnSpaceBar(120, 20);
        keyboard.ReleaseSpaceBar();
        return log.pressed.size() > before;
    }
};

struct BlockCase {
    const char* name;
    int rod, module;
    bool q, a, e, space, shift_holds;  // computer keys
    bool click_q, click_a, click_e, click_bar;
};

// Q closes contact 30, A contact 20, E the digit contact 19.
TEST_F(KeyboardTest, BlockingRulesOnEveryEntryPoint) {
    const BlockCase rows[] = {
        {"plain", 0, 30, true, true, true, true, true, true, true, true, true},
        {"encipher", 1, 30, false, true, true, true, true, false, true, true, true},
        {"decipher", 2, 30, true, true, true, false, true, true, true, true, false},
        {"ten keys", 0, 10, false, false, true, false, false, false, false, true, false},
    };
    for (const BlockCase& r : rows) {
        machine.settings.Rod = *SettingFromStored<Work>(r.rod);
        machine.settings.Module = *SettingFromStored<AlphabetModule>(r.module);
        EXPECT_EQ(Type(kQ), r.q) << r.name;
        EXPECT_EQ(keyboard.KeyBlocked, !r.q) << r.name;
        EXPECT_EQ(Type(kA), r.a) << r.name;
        EXPECT_EQ(Type(kE), r.e) << r.name;
        EXPECT_EQ(Type(kSpace), r.space) << r.name;
        EXPECT_EQ(keyboard.KeyBlocked, !r.space) << r.name;
        keyboard.KeyDown(kShift);
        EXPECT_EQ(keyboard.KeyHeld, r.shift_holds) << r.name;
        keyboard.KeyUp(kShift);
        EXPECT_EQ(Click(1, 1), r.click_q) << r.name;
        EXPECT_EQ(keyboard.KeyBlocked, !r.click_q) << r.name;
        EXPECT_EQ(Click(2, 1), r.click_a) << r.name;
        EXPECT_EQ(Click(1, 3), r.click_e) << r.name;
        EXPECT_EQ(ClickSpaceBar(), r.click_bar) << r.name;
        EXPECT_EQ(keyboard.KeyBlocked, !r.click_bar) << r.name;
        EXPECT_FALSE(keyboard.KeyHeld) << r.name;
    }
}

TEST_F(KeyboardTest, ContactsAndTheOrderOfEffects) {
    keyboard.KeyDown(kF);
    EXPECT_EQ(log.events, (std::vector<std::string>{"key 2,4", "click", "cycle"}));
    EXPECT_EQ(keyboard.PressedRow, 2);
    EXPECT_EQ(keyboard.PressedColumn, 4);
    log.events.clear();
    keyboard.KeyUp(kF);
    EXPECT_EQ(log.events, (std::vector<std::string>{"released", "bar up"}));
    log.events.clear();
    MouseDownOnKeyboard(3 * 46 + 20, 23);  // row 1, column 4: R
    EXPECT_EQ(log.events, (std::vector<std::string>{"key 1,4", "cycle", "click"}));
    keyboard.ReleaseKey();
    log.events.clear();
    keyboard.KeyDown(kSpace);
    EXPECT_EQ(log.events, (std::vector<std::string>{"bar down", "click", "cycle"}));
    keyboard.KeyUp(kSpace);
    EXPECT_EQ(log.pressed, (std::vector<int>{1, 10, 31}));
    // The same key is the same contact in every layout.
    for (int layot = 1; layot <= 4; ++layot) {
        machine.settings.Layot = *SettingFromStored<KeyboardLayout>(layot);
        EXPECT_TRUE(Type(kQ));
        EXPECT_EQ(log.pressed.back(), 30);
    }
}

TEST_F(KeyboardTest, AHeldKeyOwnsTheKeyboard) {
    keyboard.KeyDown(kA);
    keyboard.KeyDown(kA);  // auto-repeat
    keyboard.KeyDown(kE);  // a second key
    keyboard.KeyUp(kE);    // the other key's release does not free the keyboard
    keyboard.KeyDown(kE);
    MouseDownOnKeyboard(20, 23);
    MouseDownOnSpaceBar(120, 20);
    EXPECT_EQ(log.pressed, (std::vector<int>{20}));
    EXPECT_EQ(keyboard.HeldKeyCode, kA);
    keyboard.KeyUp(kA);
    EXPECT_FALSE(keyboard.KeyHeld);
    EXPECT_EQ(keyboard.HeldKeyCode, 0);
    // A key that is not on the machine holds it just the same, until it is released.
    keyboard.KeyDown(kShift);
    EXPECT_EQ(keyboard.PressedRow, 0);
    EXPECT_FALSE(Type(kE));
    keyboard.KeyUp(kShift);
    EXPECT_TRUE(Type(kE));
    // Every key let go (a change of layout or model) frees it, and so does the space bar
    // released by the mouse.
    keyboard.KeyDown(kA);
    keyboard.ReleaseKey();
    EXPECT_FALSE(keyboard.KeyHeld);
    EXPECT_TRUE(ClickSpaceBar());
    EXPECT_FALSE(keyboard.KeyHeld);
    EXPECT_TRUE(Type(kE));
    EXPECT_EQ(log.pressed, (std::vector<int>{20, 19, 20, 31, 19}));
}

struct ClickCase {
    int x, y, contact;  // 0: no key there
};

TEST_F(KeyboardTest, OnlyTheInnerAreaOfACapAnswersTheMouse) {
    const ClickCase rows[] = {
        {20, 3, 0},   {20, 43, 0},   {20, 4, 30},  {20, 42, 30},  {3, 20, 0},     {38, 20, 0},
        {4, 20, 30},  {37, 20, 30},  {40, 20, 0},  {30, 69, 20},  {28, 69, 0},    {490, 20, 21},
        {500, 69, 0}, {475, 115, 0}, {55, 115, 0}, {56, 115, 29}, {430, 115, 28}, {20, 140, 0},
    };
    for (const ClickCase& r : rows) {
        log.pressed.clear();
        MouseDownOnKeyboard(r.x, r.y);
        keyboard.ReleaseKey();
        const std::vector<int> expected =
            r.contact ? std::vector<int>{r.contact} : std::vector<int>{};
        EXPECT_EQ(log.pressed, expected) << r.x << "," << r.y;
    }
    log.pressed.clear();
    MouseDownOnSpaceBar(120, 43);  // the lower half does not answer
    EXPECT_TRUE(log.pressed.empty());
}

TEST_F(KeyboardTest, NoClickWithTheSoundOff) {
    machine.settings.Sound = false;
    Type(kF);
    Click(2, 4);
    ClickSpaceBar();
    EXPECT_EQ(std::count(log.events.begin(), log.events.end(), "click"), 0);
    EXPECT_EQ(log.pressed.size(), 3u);
}

}  // namespace
}  // namespace q417
