#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/machine.h"
#include "io/feed.h"
#include "io/feed_step.h"
#include "io/printer.h"

namespace q417 {
namespace {

// Stepping a text one key press at a time prints what one run of the start key prints,
// passes characters without a contact, stops at asterisks and says so, and uses the text up
// at its end.
TEST(FeedOneKeyPress, StepsPrintWhatARunPrints) {
    const std::string text =
        "AB*C D\r\n\xC0"
        "E";  // German layout: the Cyrillic А has no contact
    auto printed = [&](bool stepping, int& steps) {
        Machine m;
        m.settings.Layot = KeyboardLayout::German;
        m.settings.Wheel = PrintWheel::German;
        m.settings.Rod = Work::Encipher;
        m.settings.Sound = false;
        m.StartUp();
        Printer printer(m);
        m.SetOutputStage(&printer);
        TextFeed feed;
        LoadText(m, printer, feed, text);
        steps = 0;
        if (stepping) {
            std::vector<SingleStep> said;
            for (int32_t tech = m.settings.Tech;; ++steps) {
                const SingleStep step = FeedOneKeyPress(m, feed);
                if (step == SingleStep::Refused) break;
                said.push_back(step);
                EXPECT_EQ(m.settings.Tech - tech, step == SingleStep::Pressed ? 1 : 0);
                tech = m.settings.Tech;
                EXPECT_FALSE(m.state.AutoRun);
            }
            // A, B, then the asterisk (it gives no contact on this keyboard), ..., and at last
            // the end of the text: every other step one key press.
            EXPECT_EQ(said[2], SingleStep::Asterisk);
            EXPECT_EQ(std::count(said.begin(), said.end(), SingleStep::Pressed),
                      m.settings.Tech);
            EXPECT_EQ(said.back(), SingleStep::TextEnded);
        } else {
            while (m.state.InputTextLoaded) {
                m.state.AutoRun = true;
                if (feed.BeginRun(m))
                    while (!feed.Step(m).ended) {
                    }  // one run: it stops at the asterisk
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
    EXPECT_EQ(FeedOneKeyPress(m, feed), SingleStep::Refused);
    Printer printer(m);
    LoadText(m, printer, feed, "\xC0\xC1");  // АБ on the Russian keyboard
    m.state.AutoRun = true;
    EXPECT_EQ(FeedOneKeyPress(m, feed), SingleStep::Refused);
    EXPECT_EQ(m.settings.Tech, 0);
    m.state.AutoRun = false;
    EXPECT_EQ(FeedOneKeyPress(m, feed), SingleStep::Pressed);
    // Position 0 stands before the text: the first step passes it and feeds the first letter.
    EXPECT_EQ(feed.FeedPosition, 2);
    EXPECT_EQ(m.settings.Tech, 1);
}

}  // namespace
}  // namespace q417
