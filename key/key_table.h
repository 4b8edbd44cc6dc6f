#pragma once
#include <array>
#include <cstdint>

namespace q417 {

class RotorStack;

// The key table: for each rotor slot (columns 1..10) the five identity fields of its rotor,
// rows in this order. 0 means "not set".
struct KeyTable {
    enum Row { kRotorNumber = 1, kRingSetting, kCoreNumber, kCoreSide, kCoreSetting };
    std::array<std::array<int32_t, 11>, 6> v{};  // v[row][column], index 0 unused

    int32_t& at(int row, int column) { return v[row][column]; }
    int32_t at(int row, int column) const { return v[row][column]; }
    bool operator==(const KeyTable&) const = default;
};

// True unless, in columns 1..rotors_in_use, a body or core is outside 1..10 or repeats an
// earlier column's, or a ring setting, side or core setting is out of range.
bool KeyTableValid(const KeyTable& t, int rotors_in_use);
void ClearKeyTable(KeyTable& t);
// Copies the five identity fields of all ten slots into the table.
void KeyTableFromRotors(const RotorStack& rotors, KeyTable& t);
// When the table is valid, puts each slot in use together from its column (each rotor then
// stands at its body number). An invalid table changes nothing and returns false.
bool ApplyKeyTable(const KeyTable& t, RotorStack& rotors);

}  // namespace q417
