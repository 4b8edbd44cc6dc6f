#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/machine.h"
#include "io/printer.h"

namespace q417 {

// A text's lines joined by carriage return and line feed, as the input text holds them, one
// piece of the text at a time: lines may end in CR LF, LF or CR (a CR LF may be split between
// two pieces), and a line break becomes CR LF only once something follows it, so a break at
// the very end adds nothing.
class LineJoiner {
public:
    // Hands every character of the joined text that this piece decides to `out`. (Not named
    // `emit`: this header reaches the window's sources too, where Qt defines `emit` as nothing
    // and the calls would vanish.)
    template <typename Out>
    void Put(std::string_view piece, Out&& out) {
        for (const char c : piece) {
            if (after_cr_) {
                after_cr_ = false;
                if (c == '\n') continue;
            }
            if (break_pending_) {
                out('\r');
                out('\n');
            }
            break_pending_ = c == '\r' || c == '\n';
            after_cr_ = c == '\r';
            if (!break_pending_) out(c);
        }
    }

private:
    bool break_pending_ = false;  // a line break that becomes CR LF once anything follows it
    bool after_cr_ = false;       // that break was a CR: an LF right after it belongs to it
};

// A whole text file's lines joined as LineJoiner joins them.
std::string JoinLines(std::string_view file_bytes);

// The length the feed runs over: every line counted as followed by CR LF, so the text's
// length + 2 for a text of at least one character, and 0 for an empty text (no lines).
int32_t FeedLengthOf(std::string_view text);

// What one step of the start key's run did: whether it made a key press (a character that
// gives no contact is passed without one), whether the step sound plays after it (with sound
// on: the pace of the run), and whether the run is over after it.
struct RunStep {
    bool pressed = false;
    bool sounds = false;
    bool ended = false;
};

// The automatic typing of the text loader: feeds a loaded text into the machine one character
// at a time, as if typed, or without a text keeps pressing one key until stopped. Whether a
// text is loaded is the machine's InputTextLoaded; the caller keeps it in step with Load and
// Clear (LoadText and ClearText do both).
class TextFeed {
public:
    // Takes a joined text (Windows-1251) and sets the position before its first character.
    void Load(std::string text);
    void Clear();

    const std::string& Text() const { return text_; }
    // 1-based position of the next character to feed (the highlighted one); 0 = before the
    // first character.
    int32_t FeedPosition = 0;
    int32_t FeedLength = 0;

    // The step strip of the loader: moves the highlight one character on or back, feeding
    // nothing; the back step stops at the first character. True when the position moved.
    bool StepForward();
    bool StepBack();

    // The start key's run, one step at a time, so that whoever runs it can let everything
    // else happen between two steps (the stop key, typed keys, a redraw). The caller has set
    // AutoRun; BeginRun notes whether the run feeds the loaded text or, without one, keeps
    // pressing a key, and looks whether there is anything to feed (false: the run is over
    // before it began). The run looks whether it goes on at the head of every character, before
    // what happens between two steps: so a stop key pressed between two steps ends the run after
    // the next character, which had begun, and an asterisk or the end of the text ends it at
    // once.
    bool BeginRun(Machine& machine);
    RunStep Step(Machine& machine);
    bool RunFeedsText() const { return run_feeds_text_; }
    // Ends the run now: AutoRun cleared, and a text whose end was reached is used up.
    void EndRun(Machine& machine);

private:
    RunStep StepLoadedText(Machine& machine);
    RunStep StepWithoutText(Machine& machine);
    unsigned char CharAt(int32_t position) const;

    std::string text_;
    bool run_feeds_text_ = false;
};

// One character of a loaded text, fed as the run loop feeds it: an asterisk ends the run
// (AutoRun cleared) and is itself fed; carriage return and line feed count as spaces, which are
// skipped when deciphering. Returns the contact pressed, 0 when none was.
int32_t FeedCharacter(Machine& machine, unsigned char ch);

// A text typed into the machine as it arrives, piece by piece, with the same effect as loading
// the whole of it and pressing the start key again after every asterisk stop until it is used
// up, but in memory that does not grow with the text. Lines are joined as JoinLines joins
// them (LineJoiner), and a line break at the very end adds nothing. InputTextLoaded stays set while the text runs, so nothing is echoed into the input
// text; the output goes to the machine's output stage as usual.
class StreamFeed {
public:
    explicit StreamFeed(Machine& machine);
    // Feeds every character of the piece whose place in the joined text is already known.
    void Put(std::string_view cp1251);
    // The text ended: it is used up, and a line break it ended with is dropped.
    void Finish();

private:
    void Feed(unsigned char ch);

    Machine& machine_;
    LineJoiner lines_;
};

// A text file read for feeding: its lines become the input text and the loaded text, from
// position 0. The output text is kept.
void LoadText(Machine& machine, Printer& printer, TextFeed& feed, std::string_view file_bytes);

// The loaded text fed to its end at once, the start key pressed again after every asterisk
// stop, nothing happening between two characters: what q417-cli does with a whole text.
void FeedToEnd(Machine& machine, TextFeed& feed);

// Empties both texts and drops a loaded text: the next start runs without a text. The
// counter and the tapes are kept.
void ClearText(Machine& machine, Printer& printer, TextFeed& feed);

}  // namespace q417
