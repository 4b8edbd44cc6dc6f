#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/machine.h"
#include "io/feed.h"
#include "io/feed_step.h"
#include "io/printer.h"

namespace q417 {
namespace {

struct Highlights : FeedHooks {
    std::vector<int> at;
    int runs_ended = 0;
    void Highlight(int32_t position) override { at.push_back(position); }
    void RunEnded() override { ++runs_ended; }
};

// Stepping a text one key press at a time prints what one run of the start key prints,
// passes characters without a contact and asterisks, and uses the text up at its end.
TEST(FeedOneKeyPress, StepsPrintWhatARunPrints) {
    const std::string text =
        "AB*C D\r\n\xC0"
        "E";  // German layout: the Cyrillic А has no contact
    auto printed = [&](bool stepping, int& steps) {
        Machine m;
        m.settings.Layot = 1;
        m.settings.Wheel = 1;
        m.settings.Rod = 1;
        m.settings.Sound = false;
        m.StartUp();
        Printer printer(m);
        m.SetOutputStage(&printer);
        TextFeed feed;
        LoadText(m, printer, feed, text);
        Highlights hooks;
        steps = 0;
        if (stepping) {
            for (int32_t tech = m.settings.Tech; FeedOneKeyPress(m, feed, hooks); ++steps) {
                EXPECT_LE(m.settings.Tech - tech, 1) << "one key press a step";
                tech = m.settings.Tech;
                EXPECT_FALSE(m.state.AutoRun);
            }
        } else {
            while (m.state.InputTextLoaded) {
                m.state.AutoRun = true;
                feed.FeedText(m, hooks);
                ++steps;
            }
        }
        EXPECT_FALSE(m.state.InputTextLoaded);
        return printer.OutputText() + "/" + std::to_string(m.settings.Tech);
    };
    int steps = 0, runs = 0;
    const std::string run = printed(false, runs);
    EXPECT_EQ(printed(true, steps), run);
    EXPECT_EQ(runs, 2);  // the asterisk stops the run once
    EXPECT_GE(steps, 8);
}

TEST(FeedOneKeyPress, NothingToStepWithoutATextOrDuringARun) {
    Machine m;
    TextFeed feed;
    Highlights hooks;
    EXPECT_FALSE(FeedOneKeyPress(m, feed, hooks));
    Printer printer(m);
    LoadText(m, printer, feed, "\xC0\xC1");  // АБ on the Russian keyboard
    m.state.AutoRun = true;
    EXPECT_FALSE(FeedOneKeyPress(m, feed, hooks));
    EXPECT_EQ(m.settings.Tech, 0);
    m.state.AutoRun = false;
    EXPECT_TRUE(FeedOneKeyPress(m, feed, hooks));
    // Position 0 stands before the text: the first step passes it and feeds the first letter.
    EXPECT_EQ(hooks.at, (std::vector<int>{1, 2}));
    EXPECT_EQ(m.settings.Tech, 1);
}

}  // namespace
}  // namespace q417
