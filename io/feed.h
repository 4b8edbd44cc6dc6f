#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/machine.h"
#include "io/printer.h"

namespace q417 {

// A text file's lines joined by carriage return and line feed, as the input text holds them.
// Lines may end in CR LF, LF or CR; a line break at the very end adds nothing.
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

// A text file read for feeding: its lines become the input text and the loaded text, from
// position 0. The output text is kept.
void LoadText(Machine& machine, Printer& printer, TextFeed& feed, std::string_view file_bytes);

// Empties both texts and drops a loaded text: the next start runs without a text. The
// counter and the tapes are kept.
void ClearText(Machine& machine, Printer& printer, TextFeed& feed);

}  // namespace q417
