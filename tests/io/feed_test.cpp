#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/machine.h"
#include "io/cp1251.h"
#include "io/feed.h"
#include "io/feed_controls.h"
#include "io/qt/loader_zones.h"
#include "io/printer.h"

namespace q417 {
namespace {

std::string Cp(const char* utf8) {
    std::string bytes, error;
    EXPECT_TRUE(Utf8ToCp1251(utf8, bytes, error)) << error;
    return bytes;
}

struct LineCase {
    const char* file;
    const char* joined;
    int feed_length;
};

TEST(JoinLines, LineBreaksOfEveryKind) {
    const LineCase rows[] = {
        {"", "", 0},
        {"ab", "ab", 4},
        {"ab\r\n", "ab", 4},
        {"ab\ncd", "ab\r\ncd", 8},
        {"ab\rcd\r\n", "ab\r\ncd", 8},
        {"ab\r\n\r\ncd\n", "ab\r\n\r\ncd", 10},
        {"ab\n\n", "ab\r\n", 6},
        {"\n", "", 0},
    };
    for (const LineCase& r : rows) {
        const std::string joined = JoinLines(r.file);
        EXPECT_EQ(joined, r.joined) << r.file;
        EXPECT_EQ(FeedLengthOf(joined), r.feed_length) << r.file;
    }
}

// Stands in for the window: runs the feed step by step, records the contacts fed (seen when
// the step sound plays after each key press) and can press the stop key between two steps.
struct Window {
    Machine& machine;
    std::vector<int> fed;
    std::vector<int> highlighted;
    int passes = 0, stop_after = -1, runs_ended = 0;
    explicit Window(Machine& m) : machine(m) {}
    void Run(TextFeed& feed) {
        if (!feed.BeginRun(machine)) return;
        for (RunStep step; !step.ended;) {
            if (++passes == stop_after) machine.state.AutoRun = false;  // between two steps
            step = feed.Step(machine);
            if (step.sounds && machine.settings.Sound) fed.push_back(machine.state.InputContact);
            if (feed.RunFeedsText()) highlighted.push_back(feed.FeedPosition);
        }
        if (feed.RunFeedsText()) ++runs_ended;
    }
};

struct FeedTest : ::testing::Test {
    Machine machine;
    Printer printer{machine};
    TextFeed feed;
    Window window{machine};
    void SetUp() override { machine.SetOutputStage(&printer); }
    void Load(const char* utf8_file) { LoadText(machine, printer, feed, Cp(utf8_file)); }
    void Start() {
        machine.state.AutoRun = true;
        window.Run(feed);
    }
};

TEST_F(FeedTest, AnAsteriskStopsTheRunAndTheNextStartGoesOn) {
    machine.settings.Layot = KeyboardLayout::German;
    machine.settings.Wheel = PrintWheel::German;
    machine.settings.Rod = Work::Encipher;
    Load("AB*CD");
    Start();
    EXPECT_EQ(window.fed, (std::vector<int>{20, 9}));
    EXPECT_EQ(window.highlighted, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(feed.FeedPosition, 4);  // C is highlighted
    EXPECT_TRUE(machine.state.InputTextLoaded);
    EXPECT_FALSE(machine.state.AutoRun);
    Start();
    EXPECT_EQ(window.fed, (std::vector<int>{20, 9, 17, 3}));
    EXPECT_FALSE(machine.state.InputTextLoaded);  // used up
    EXPECT_EQ(window.runs_ended, 2);
    EXPECT_EQ(printer.OutputText().size(), 4u);
    // The fed text was not echoed; key presses are echoed after it again.
    EXPECT_EQ(printer.InputText(), "AB*CD");
    machine.state.InputContact = 1;
    machine.KeyPressCycle();
    EXPECT_EQ(printer.InputText(), "AB*CDF");
}

struct TextCase {
    const char* name;
    int layot, rod, module;
    const char* file;
    std::vector<int> fed;
};

TEST_F(FeedTest, WhatEachCharacterFeeds) {
    const TextCase rows[] = {
        {"Russian layout skips Latin", 4, 1, 30, "аbв7Г", {1, 3, 4}},
        {"German layout takes both", 1, 0, 30, "аb7", {1, 9, 23}},
        {"deciphering skips spaces", 4, 2, 30, "а б", {1, 2}},
        {"enciphering feeds spaces on 30", 4, 1, 30, "а б", {1, 30, 2}},
        {"a line break is two spaces", 4, 0, 30, "а\nб\n", {1, 31, 31, 2}},
        {"ten keys: digits, spaces, asterisks", 4, 0, 10, "1a2 3", {24, 19, 31, 4}},
    };
    for (const TextCase& r : rows) {
        machine.settings.Layot = *SettingFromStored<KeyboardLayout>(r.layot);
        machine.settings.Rod = *SettingFromStored<Work>(r.rod);
        machine.settings.Module = *SettingFromStored<AlphabetModule>(r.module);
        window.fed.clear();
        Load(r.file);
        Start();
        EXPECT_EQ(window.fed, r.fed) << r.name;
        EXPECT_FALSE(machine.state.InputTextLoaded) << r.name;
    }
}

// With the ten-key alphabet the asterisk is the filler on contact 30: it is fed, and stops
// the run. Enciphering has no wiring for contact 30, so the machine prints no signal (*),
// like the space that enciphering turns into 30.
TEST_F(FeedTest, TenKeyAlphabetFeedsTheAsteriskAndGetsNoSignal) {
    machine.settings.Module = AlphabetModule::Figures10;
    machine.settings.Rod = Work::Encipher;
    Load("1 *2");
    Start();
    EXPECT_EQ(window.fed, (std::vector<int>{24, 30, 30}));
    const std::string& out = printer.OutputText();
    ASSERT_EQ(out.size(), 3u);
    EXPECT_NE(out[0], '*');
    EXPECT_EQ(out.substr(1), "**");
    EXPECT_EQ(feed.FeedPosition, 4);
}

// A release on the loader's picture: the strip steps the loaded text's highlight. True when
// the strip was hit while a text is loaded.
bool ReleaseOnStrip(const CycleState& state, TextFeed& feed, int x, int y) {
    const int step = loader::LoaderSpotAt(x, y).step;
    if (step == 0 || !state.InputTextLoaded) return false;
    if (step > 0)
        feed.StepForward();
    else
        feed.StepBack();
    return true;
}

TEST_F(FeedTest, TheStripStepsWithoutFeeding) {
    EXPECT_FALSE(ReleaseOnStrip(machine.state, feed, 10, 57));  // nothing loaded
    Load("аб");
    EXPECT_FALSE(ReleaseOnStrip(machine.state, feed, 10, 50));  // above the strip
    EXPECT_TRUE(ReleaseOnStrip(machine.state, feed, 10, 57));   // left half: on
    EXPECT_EQ(feed.FeedPosition, 1);
    EXPECT_TRUE(ReleaseOnStrip(machine.state, feed, 40, 57));  // right half: back
    EXPECT_EQ(feed.FeedPosition, 1);
    Load("аб");
    EXPECT_FALSE(feed.StepBack());
    EXPECT_TRUE(feed.StepForward());
    EXPECT_EQ(feed.FeedPosition, 1);
    EXPECT_FALSE(feed.StepBack());  // the back step stops at the first character
    EXPECT_EQ(feed.FeedPosition, 1);
    for (int i = 0; i < 5; ++i) feed.StepForward();
    EXPECT_EQ(feed.FeedPosition, 4);  // the length counts the closing line break
    EXPECT_TRUE(feed.StepBack());
    EXPECT_TRUE(feed.StepBack());
    EXPECT_TRUE(feed.StepBack());
    EXPECT_EQ(feed.FeedPosition, 1);
    Start();  // from the first character: it is fed on the first step
    EXPECT_EQ(window.fed, (std::vector<int>{1, 2}));
    EXPECT_EQ(window.highlighted.front(), 2);
    EXPECT_TRUE(printer.OutputText().size() == 2);
}

TEST_F(FeedTest, TheStopKeyLetsTheBegunCharacterFinish) {
    Load("абвгд");
    window.stop_after = 3;  // pressed while the third step is under way
    Start();
    EXPECT_EQ(window.fed, (std::vector<int>{1, 2}));
    EXPECT_EQ(feed.FeedPosition, 3);
    EXPECT_TRUE(machine.state.InputTextLoaded);
}

TEST_F(FeedTest, ClearingDuringAPauseRunsWithoutAText) {
    Load("аб*вг");
    Start();
    ClearText(machine, printer, feed);
    window.fed.clear();
    window.passes = 0;
    window.stop_after = 4;
    Start();
    EXPECT_EQ(window.fed, (std::vector<int>{28, 28, 28, 28}));  // the last step sound plays
    EXPECT_EQ(printer.InputText(), Cp("ЮЮЮ"));                  // but only three presses
    machine.settings.Module = AlphabetModule::Figures10;
    window.passes = 0;
    Start();
    EXPECT_EQ(printer.OutputText(), Cp("ЮЮЮ***"));
}

TEST_F(FeedTest, NoPaceWithTheSoundOff) {
    machine.settings.Sound = false;
    Load("абв");
    Start();
    EXPECT_TRUE(window.fed.empty());
    EXPECT_EQ(printer.OutputText(), Cp("АБВ"));
    EXPECT_EQ(window.highlighted.back(), 6);
}

}  // namespace
}  // namespace q417
