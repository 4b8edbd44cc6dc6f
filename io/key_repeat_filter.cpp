#include "io/key_repeat_filter.h"

namespace q417 {

void KeyRepeatFilter::Press(uint16_t code, uint64_t time, bool markedRepeat) {
    if (markedRepeat) return;
    if (pending_ && pending_code_ == code && time != 0 && pending_time_ == time) {
        pending_ = false;  // the release and this press are one repeat
        return;
    }
    Flush();  // a real release comes before whatever follows it
    if (time != 0 && released_code_ == code && released_time_ == time) return;
    sink_(code, true);
}

bool KeyRepeatFilter::Release(uint16_t code, uint64_t time, bool markedRepeat) {
    if (markedRepeat) return false;
    Flush();
    if (time == 0) {
        sink_(code, false);
        return false;
    }
    pending_ = true;
    pending_code_ = code;
    pending_time_ = time;
    return true;
}

void KeyRepeatFilter::Flush() {
    if (!pending_) return;
    pending_ = false;
    released_code_ = pending_code_;
    released_time_ = pending_time_;
    sink_(pending_code_, false);
}

}  // namespace q417
