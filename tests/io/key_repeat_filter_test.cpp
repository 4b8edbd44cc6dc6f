// The desktop's key events as X11 and Wayland deliver them for a held key, and what the
// machine's keyboard gets of them.
#include <gtest/gtest.h>

#include <string>

#include "io/key_repeat_filter.h"

namespace q417 {
namespace {

constexpr uint16_t kG = 0x47;
constexpr uint16_t kH = 0x48;

// Feeds a script of events and records what passes: "+G" a press, "-G" a release. A '~'
// after an event stands for the caller's timer running out (Flush).
class Script {
public:
    Script() : filter_([this](uint16_t code, bool down) { Record(code, down); }) {}

    Script& Down(uint16_t code, uint64_t time, bool marked = false) {
        filter_.Press(code, time, marked);
        return *this;
    }
    Script& Up(uint16_t code, uint64_t time, bool marked = false) {
        filter_.Release(code, time, marked);
        return *this;
    }
    Script& Wait() {
        filter_.Flush();
        return *this;
    }
    // A held key under X11: after the first press, pairs of a release and a press with one
    // time stamp, every 40 ms, none of them marked (the toolkit missed them).
    Script& HoldUnmarked(uint16_t code, uint64_t from, int pairs) {
        for (int i = 1; i <= pairs; ++i) {
            Up(code, from + 40 * i);
            Down(code, from + 40 * i);
        }
        return *this;
    }
    const std::string& passed() const { return passed_; }
    bool pending() const { return filter_.ReleasePending(); }

private:
    void Record(uint16_t code, bool down) {
        passed_ += down ? '+' : '-';
        passed_ += code == kG ? 'G' : code == kH ? 'H' : '?';
        passed_ += ' ';
    }
    KeyRepeatFilter filter_;
    std::string passed_;
};

TEST(KeyRepeatFilter, AHeldKeyIsOneKeyPressWhateverTheDesktopRepeats) {
    // Unmarked X11 pairs, each press arriving before the timer ran out.
    EXPECT_EQ(Script().Down(kG, 1000).HoldUnmarked(kG, 1000, 20).Up(kG, 1900).Wait().passed(),
              "+G -G ");
    // Pairs the toolkit did mark, mixed with one it missed.
    EXPECT_EQ(Script()
                  .Down(kG, 1000)
                  .Up(kG, 1660, true)
                  .Down(kG, 1660, true)
                  .HoldUnmarked(kG, 1660, 1)
                  .Up(kG, 1740, true)
                  .Down(kG, 1740, true)
                  .Up(kG, 1800)
                  .Wait()
                  .passed(),
              "+G -G ");
    // Wayland: the toolkit repeats by itself and marks every repeat.
    EXPECT_EQ(Script()
                  .Down(kG, 5)
                  .Up(kG, 5, true)
                  .Down(kG, 5, true)
                  .Up(kG, 5, true)
                  .Down(kG, 5, true)
                  .Up(kG, 900)
                  .Wait()
                  .passed(),
              "+G -G ");
}

TEST(KeyRepeatFilter, APairWhosePressCameLateStillTypesNothing) {
    // The timer ran out between the release and the press of a pair: the release has gone
    // to the machine, but the press of the same instant is no new key press.
    Script s;
    s.Down(kG, 1000).Up(kG, 1660).Wait().Down(kG, 1660).HoldUnmarked(kG, 1660, 3);
    s.Up(kG, 1900).Wait();
    EXPECT_EQ(s.passed(), "+G -G -G ");
}

TEST(KeyRepeatFilter, RealReleasesAndPressesAllPass) {
    // The same key typed twice: a release and a later press carry two time stamps.
    EXPECT_EQ(Script().Down(kG, 100).Up(kG, 180).Down(kG, 181).Up(kG, 260).Wait().passed(),
              "+G -G +G -G ");
    // Fast typing of two keys: the held-back release of G comes before the press of H.
    EXPECT_EQ(Script().Down(kG, 100).Up(kG, 150).Down(kH, 150).Up(kH, 200).Wait().passed(),
              "+G -G +H -H ");
    // Rolling over: H pressed while G is held, then both released.
    EXPECT_EQ(Script().Down(kG, 100).Down(kH, 130).Up(kG, 160).Up(kH, 190).Wait().passed(),
              "+G +H -G -H ");
}

TEST(KeyRepeatFilter, OnlyReleasesWithATimeStampWait) {
    Script s;
    s.Down(kG, 0).Up(kG, 0);
    EXPECT_FALSE(s.pending());
    EXPECT_EQ(s.passed(), "+G -G ");
    // Without time stamps nothing can be paired: a second press is a new key press.
    s.Down(kG, 0).Up(kG, 0);
    EXPECT_EQ(s.passed(), "+G -G +G -G ");
    s.Down(kG, 10).Up(kG, 20);
    EXPECT_TRUE(s.pending());
    EXPECT_EQ(s.passed(), "+G -G +G -G +G ");
    s.Wait().Wait();
    EXPECT_FALSE(s.pending());
    EXPECT_EQ(s.passed(), "+G -G +G -G +G -G ");
}

}  // namespace
}  // namespace q417
