#include "key/random_key.h"

#include <chrono>

namespace q417 {

namespace {

// Draws v = RandomBelow(10) + 1 for each slot until it differs from every value already in
// the row (the slots not yet drawn hold 0).
void DrawPermutationOfTen(RandomGenerator& rng, KeyTable& table, KeyTable::Row row) {
    for (int slot = 1; slot <= 10; ++slot) {
        for (;;) {
            const int32_t v = static_cast<int32_t>(rng.RandomBelow(10)) + 1;
            bool used = false;
            for (int other = 1; other <= 10; ++other) used = used || table.at(row, other) == v;
            if (!used) {
                table.at(row, slot) = v;
                break;
            }
        }
    }
}

void DrawEach(RandomGenerator& rng, KeyTable& table, KeyTable::Row row, uint32_t n) {
    for (int slot = 1; slot <= 10; ++slot)
        table.at(row, slot) = static_cast<int32_t>(rng.RandomBelow(n)) + 1;
}

}  // namespace

void GenerateRandomKey(uint32_t seed, KeyTable& table, PunchCard& card) {
    ClearKeyTable(table);
    RandomGenerator rng(seed);
    DrawPermutationOfTen(rng, table, KeyTable::kRotorNumber);
    DrawEach(rng, table, KeyTable::kRingSetting, 30);
    DrawPermutationOfTen(rng, table, KeyTable::kCoreNumber);
    DrawEach(rng, table, KeyTable::kCoreSide, 2);
    DrawEach(rng, table, KeyTable::kCoreSetting, 30);

    // Row by row; a column that already has a hole is drawn again for the same row.
    std::array<int32_t, 31> rows{};
    std::array<bool, 31> taken{};
    for (int r = 1; r <= 30; ++r) {
        for (;;) {
            const int32_t v = static_cast<int32_t>(rng.RandomBelow(30)) + 1;
            if (!taken[v]) {
                taken[v] = true;
                rows[r] = v;
                break;
            }
        }
    }
    card.SetRows(rows);
    card.KeyNumber = 0;
}

uint32_t ClockSeed() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<uint32_t>(ticks);
}

}  // namespace q417
