#pragma once
#include <array>
#include <cstdint>

namespace q417 {

// A contact of the machine's alphabet: 1..30 on every plate, card and rotor, 31 the space bar
// (keyboard and printer side only), 0 no signal.
using Contact = int32_t;
inline constexpr Contact kSpaceBar = 31;

// A table over the thirty contacts, indexed 1..30; entry 0 is unused and always 0.
using ContactTable = std::array<int32_t, 31>;

// Lays out a table as the machine's documents list it: thirty values for contacts 1..30.
// The count is deduced, so a row with a value missing does not compile.
template <std::size_t N>
constexpr ContactTable MakeTable(const int (&values)[N]) {
    static_assert(N == 30, "a contact table lists exactly thirty values");
    ContactTable t{};
    for (int i = 0; i < 30; ++i) t[i + 1] = values[i];
    return t;
}

// The number in 1..30 equal to x modulo 30.
constexpr int32_t Wrap(int32_t x) {
    int32_t r = x % 30;
    if (r <= 0) r += 30;
    return r;
}

// True when entries 1..30 hold every contact 1..30 once.
constexpr bool IsPermutation(const ContactTable& t) {
    std::array<bool, 31> seen{};
    for (int i = 1; i <= 30; ++i) {
        if (t[i] < 1 || t[i] > 30 || seen[t[i]]) return false;
        seen[t[i]] = true;
    }
    return true;
}

// inverse[t[i]] = i for every non-zero entry; every other entry 0.
constexpr ContactTable Inverse(const ContactTable& t) {
    ContactTable inv{};
    for (int i = 1; i <= 30; ++i)
        if (t[i] >= 1 && t[i] <= 30) inv[t[i]] = i;
    return inv;
}

}  // namespace q417
