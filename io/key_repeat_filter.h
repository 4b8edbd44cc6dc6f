#pragma once
#include <cstdint>
#include <functional>
#include <utility>

namespace q417 {

// One key press per hold. Desktops repeat a held key, and the machine must not type it
// again: repeats that the platform marks as such are dropped outright, and so are the X11
// pairs it fails to mark, a release followed by a press of the same key carrying the same
// time stamp (the server sends both at once; the toolkit only recognises the pair when the
// press has already arrived when it looks). A release is therefore held back until the
// caller says nothing else came with it (Flush) or the next key event shows what it was; a
// press of the same key with the same time stamp cancels it. A real release followed later
// by a press has two time stamps and is a new key press.
//
// Events without a time stamp (0) cannot be paired and pass at once. The codes are those the
// keyboard takes (US virtual-key codes by position).
class KeyRepeatFilter {
public:
    using Sink = std::function<void(uint16_t code, bool down)>;
    explicit KeyRepeatFilter(Sink sink) : sink_(std::move(sink)) {}

    void Press(uint16_t code, uint64_t time, bool markedRepeat);
    // Returns true when the release is held back: the caller calls Flush soon after.
    bool Release(uint16_t code, uint64_t time, bool markedRepeat);
    // Passes on a release still held back.
    void Flush();
    bool ReleasePending() const { return pending_; }

private:
    Sink sink_;
    bool pending_ = false;
    uint16_t pending_code_ = 0;
    uint64_t pending_time_ = 0;
    // The last release passed on, so that a pair whose press came after the flush still
    // types nothing.
    uint16_t released_code_ = 0;
    uint64_t released_time_ = 0;
};

}  // namespace q417
