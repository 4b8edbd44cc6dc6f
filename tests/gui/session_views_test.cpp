// The one owner of the session's news: views hear everything at once, except during a run,
// when the news wait for the next frame and none is lost or drawn twice.
#include <gtest/gtest.h>

#include "app/qt/session_views.h"

namespace q417 {
namespace {

struct RotorView : RotorObserver {
    int moved = 0, initialised = 0;
    void RotorMoved(int) override { ++moved; }
    void RotorInitialised(int) override { ++initialised; }
};

struct Panel : SessionEvents {
    std::string output;
    int feed_moves = 0;
    int32_t position = -1;
    int cleared = 0;
    void OutputAppended(std::string_view t) override { output += t; }
    void FeedMoved(int32_t p) override {
        ++feed_moves;
        position = p;
    }
    void TextsCleared() override { ++cleared; }
};

TEST(SessionViews, ARunHoldsItsNewsUntilTheNextFrame) {
    SessionViews views;
    RotorView rotors;
    Panel panel;
    views.AddRotorView(&rotors);
    views.Add(&panel);

    views.RotorMoved(3);
    views.OutputAppended("A");
    EXPECT_EQ(rotors.moved, 1);
    EXPECT_EQ(panel.output, "A");

    views.RunStarted();
    for (int i = 0; i < 5; ++i) {
        views.RotorMoved(3);
        views.RotorMoved(4);
        views.OutputAppended("B");
        views.FeedMoved(i + 1);
    }
    views.RotorInitialised(7);
    EXPECT_EQ(rotors.moved, 1);
    EXPECT_EQ(panel.output, "A");
    EXPECT_EQ(panel.feed_moves, 0);

    views.DrawFrame();  // each moved rotor once, the texts whole, the last position only
    EXPECT_EQ(rotors.moved, 4);
    EXPECT_EQ(rotors.initialised, 1);
    EXPECT_EQ(panel.output, "ABBBBB");
    EXPECT_EQ(panel.feed_moves, 1);
    EXPECT_EQ(panel.position, 5);

    views.OutputAppended("C");
    views.TextsCleared();  // what came before is drawn first, then the texts are emptied
    EXPECT_EQ(panel.output, "ABBBBBC");
    EXPECT_EQ(panel.cleared, 1);

    views.OutputAppended("D");
    views.RunEnded();
    EXPECT_FALSE(views.Batching());
    EXPECT_EQ(panel.output, "ABBBBBCD");
    views.RotorMoved(1);
    EXPECT_EQ(rotors.moved, 5);
    views.RunEnded();  // an end without a start changes nothing
    EXPECT_FALSE(views.Batching());
}

}  // namespace
}  // namespace q417
