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
    // Hands every character of the joined text that this piece decides to `emit`.
    template <typename Emit>
    void Put(std::string_view piece, Emit&& emit) {
        for (const char c : piece) {
            if (after_cr_) {
                after_cr_ = false;
                if (c == '\n') continue;
            }
            if (break_pending_) {
                emit('\r');
                emit('\n');
            }
            break_pending_ = c == '\r' || c == '\n';
            after_cr_ = c == '\r';
            if (!break_pending_) emit(c);
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

// What the run loop needs from its surroundings. Every hook does nothing by default.
struct FeedHooks {
    virtual ~FeedHooks() = default;
    // Lets queued window events run between two key presses (the stop key, typed keys).
    virtual void ProcessEvents() {}
    // The step sound, played to its end: the pace of the run. Called only with Sound on.
    virtual void PlayStepToEnd() {}
    // The character at 1-based position p of the input text is the next to feed. At the end
    // of a text p lies beyond it (the closing line break): then there is nothing to select.
    virtual void Highlight(int32_t /*position*/) {}
    // A run over a loaded text ended: draw the start and stop keys released.
    virtual void RunEnded() {}
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

    // The run loop of the start key; the caller has set AutoRun. Returns when AutoRun is
    // cleared (by the stop key through ProcessEvents, or by an asterisk in the text) or the
    // text is used up.
    void FeedText(Machine& machine, FeedHooks& hooks);

private:
    void FeedLoadedText(Machine& machine, FeedHooks& hooks);
    void RunWithoutText(Machine& machine, FeedHooks& hooks);
    unsigned char CharAt(int32_t position) const;

    std::string text_;
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

// Empties both texts and drops a loaded text: the next start runs without a text. The
// counter and the tapes are kept.
void ClearText(Machine& machine, Printer& printer, TextFeed& feed);

}  // namespace q417
