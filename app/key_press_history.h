#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "app/machine_state.h"

namespace q417 {

// What a key press changes on the machine, kept small: where the rotors stand, the counter,
// the register, the key-press count, the contacts the cycle remembers, the feed, how long
// the texts are and what the tapes show. The texts themselves are not kept: a key press only
// adds to their ends.
struct PressSnapshot {
    std::array<uint8_t, RotorStack::kSlots> positions{};
    int16_t group_count = 0;
    int8_t group_position = 0;
    int8_t print_register = 1;
    int16_t tech = 0;
    uint8_t input_contact = 0;
    uint8_t output_contact = 0;
    bool input_loaded = false;
    int32_t feed_position = 0;
    std::size_t input_size = 0;
    std::size_t output_size = 0;
    // Paper cells packed as 0 for blank, else 0x8000 | machine << 8 | band << 5 | contact.
    std::array<uint16_t, kStatePaperCells> paper{};
    std::array<uint8_t, kStatePunchColumns> punched{};
    uint8_t paper_count = 0;
    uint8_t punch_count = 0;

    void SetTapes(const TapeMemory& tapes);
    void TakeTapes(TapeMemory& tapes) const;
    // The same machine as far as a key press is concerned. Left out are the feed, which moves
    // on after the press (past the character fed and any it passes without a key), and the
    // contact of the key, which the keyboard sets just before the press.
    bool SameAfterPress(const PressSnapshot& other) const;
};

// The key presses that can be taken back, newest last, and those taken back that can be
// brought back. Each holds the machine before and after it and what it added to the texts,
// a few hundred bytes, so the thousand kept cost little whatever the texts' length.
class KeyPressHistory {
public:
    static constexpr std::size_t kLimit = 1000;

    struct Press {
        PressSnapshot before;
        PressSnapshot after;
        std::string input_added;
        std::string output_added;
    };

    // A new press: what can be brought back is dropped; beyond the limit the oldest goes.
    void Record(Press press);
    void Clear();

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    const Press& LastDone() const { return undo_.back(); }
    const Press& LastUndone() const { return redo_.back(); }
    // The last press moved to the other list, its `after` as the machine stood when it left.
    void MoveToUndone(const PressSnapshot& now);
    void MoveToDone();
    std::size_t Done() const { return undo_.size(); }

private:
    std::deque<Press> undo_;
    std::deque<Press> redo_;
};

}  // namespace q417
