#pragma once
#include <cstdint>

#include "key/card.h"
#include "key/key_table.h"

namespace q417 {

// The linear congruential generator that draws random keys.
class RandomGenerator {
public:
    explicit RandomGenerator(uint32_t seed) : seed_(seed) {}
    // 0..n-1: the seed advances as seed * 134775813 + 1, and the result is the high half of
    // the 64-bit product seed * n.
    uint32_t RandomBelow(uint32_t n) {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<uint32_t>((static_cast<uint64_t>(seed_) * n) >> 32);
    }
    uint32_t Seed() const { return seed_; }

private:
    uint32_t seed_;
};

// A whole random key from a seed: a table for all ten slots (bodies and cores each a
// permutation of 1..10) and a complete card, drawn in a fixed order so that one seed always
// gives one key. The key number becomes 0.
void GenerateRandomKey(uint32_t seed, KeyTable& table, PunchCard& card);

// A seed from the clock's high-resolution counter, as the window uses for every generation.
uint32_t ClockSeed();

}  // namespace q417
