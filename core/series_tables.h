#pragma once
#include <array>
#include <string_view>

#include "core/contact.h"

// Wiring cores and stepping pins of the two rotor series. Core w maps an entry contact
// (1..30) to its exit contact; body n has a pin (1) or none (0) at each of its 30 points.
namespace q417::tables {

using CoreRows = std::array<ContactTable, 11>;            // cores 1..10, row 0 unused
using PinRows = std::array<std::array<uint8_t, 31>, 11>;  // bodies 1..10, points 1..30

// Reads a pin row written in groups of five, "01001 00001 ...".
constexpr std::array<uint8_t, 31> MakePins(std::string_view groups) {
    std::array<uint8_t, 31> row{};
    int point = 1;
    for (char ch : groups)
        if (ch == '0' || ch == '1') row[point++] = static_cast<uint8_t>(ch - '0');
    return row;
}

// clang-format off
inline constexpr CoreRows Wiring3K = {{
    {},
    MakeTable({23, 22,  3,  7,  4,  8, 16,  6, 10, 20, 15, 17, 24,  9, 30, 12, 25, 11,  1, 28, 27,  5, 29, 26,  2, 18, 21, 14, 13, 19}),
    MakeTable({ 3, 24, 20,  2,  6, 21, 26,  7, 18,  4, 17, 23, 15, 19, 10, 30, 13, 28, 29, 11,  9, 25,  1, 14, 22,  8, 27,  5, 12, 16}),
    MakeTable({20,  5,  7, 15, 21, 27,  4,  1, 22, 17, 23, 13, 30,  6, 26, 10, 16, 14, 19, 18, 29, 24,  3, 12,  9, 11,  2, 28,  8, 25}),
    MakeTable({16, 21, 28, 11, 27,  3, 15, 12, 24, 30,  9, 17,  4, 20, 25,  8,  1, 29, 19, 18, 14, 10,  5, 23, 26,  7,  6, 22,  2, 13}),
    MakeTable({18, 15,  1, 22, 19, 16, 29,  8, 17,  4,  3, 14,  6, 30, 23,  5, 26, 13, 25, 10, 12, 21, 27, 20,  7, 11, 24,  9,  2, 28}),
    MakeTable({ 9, 14, 13, 20, 24,  8,  2,  6,  5, 19, 11, 28, 30,  3, 18, 15,  7, 25, 16,  1, 12, 23, 27, 29, 17, 10, 21,  4, 22, 26}),
    MakeTable({ 7,  9,  5, 26,  6,  4, 19,  3,  8, 28, 22, 12, 21, 24, 23, 10, 13,  1, 16, 29,  2, 25, 27, 15, 18, 11, 14, 17, 30, 20}),
    MakeTable({29, 27, 15, 13,  8,  2, 25, 12,  6, 23,  9, 18, 24,  1, 14, 21, 17, 10,  3, 11, 22,  7, 16,  4, 19, 26,  5, 30, 28, 20}),
    MakeTable({ 5, 19,  2, 27, 20, 26,  7, 11, 16, 18,  3, 13,  4, 23, 28, 21,  6, 24, 29, 30, 15, 17,  9, 12,  8, 22, 25, 10,  1, 14}),
    MakeTable({20, 24,  8, 25, 19,  1, 17,  5, 15, 27,  9, 12, 22, 10, 18,  3, 16, 30,  4, 14,  7, 23, 11,  2, 29, 26, 28, 21,  6, 13}),
}};

inline constexpr PinRows Pins3K = {{
    {},
    MakePins("01001 00001 10101 01100 11001 01010"),
    MakePins("00101 01000 10101 11111 01101 00111"),
    MakePins("10000 00010 00000 10100 01001 00010"),
    MakePins("10111 11011 01011 11011 11110 11101"),
    MakePins("00101 01100 00010 01000 00100 00000"),
    MakePins("00010 00010 01000 01111 00101 11101"),
    MakePins("10111 11101 11111 00101 11101 11101"),
    MakePins("00010 00000 11100 00000 01001 00001"),
    MakePins("11110 10100 11010 10000 11111 10010"),
    MakePins("00001 00100 10111 00001 10011 01110"),
}};

inline constexpr CoreRows Wiring6K = {{
    {},
    MakeTable({13, 22,  8, 18, 20, 12, 28,  4, 15, 27,  3,  5, 16, 14, 23, 26,  1, 25, 17, 11, 30, 10, 24,  7,  6, 21, 29,  2,  9, 19}),
    MakeTable({20,  8,  5, 15,  4, 28, 21,  1, 24, 13, 29, 12, 14, 23, 25,  7,  9, 30, 27,  3, 11, 18, 17, 19, 22, 10,  2, 26,  6, 16}),
    MakeTable({29, 11,  4, 22, 24, 16, 18,  2, 23,  3, 17,  8, 20,  5, 28, 12, 15, 26, 30,  7, 21, 19, 13, 10, 27, 25,  9,  1, 14,  6}),
    MakeTable({ 4, 12, 19, 29, 24, 23,  7, 30, 15,  1, 20, 14, 18,  2, 16, 27, 10, 25, 17, 28,  6, 21, 11,  8, 22,  5,  9,  3, 26, 13}),
    MakeTable({18,  2, 15,  7, 20, 28,  8, 13, 23, 12, 19, 27,  4, 24, 10, 14, 11,  6, 30,  3, 17, 26, 22,  1, 29, 25, 16, 21,  5,  9}),
    MakeTable({16,  4, 14, 24, 23, 19, 30,  3,  1,  8, 27, 13,  9,  5, 29, 10, 15, 26, 22,  7, 25, 17, 20, 11,  2,  6, 21, 28, 18, 12}),
    MakeTable({26, 23,  7,  5, 13,  8, 24, 30, 29, 20, 22,  9, 12, 10, 25, 16,  3, 21, 19, 18,  4,  1, 28, 27,  6,  2, 15, 17, 11, 14}),
    MakeTable({16, 22, 14, 30, 24, 15, 17, 20,  4,  7, 27, 12,  6, 13, 25, 21,  1,  5, 26,  8, 11, 23, 29, 28,  3, 18, 10, 19,  2,  9}),
    MakeTable({12,  1, 17, 29,  6,  4,  7, 11, 15,  3, 21, 25,  9, 26, 30, 13, 22, 20, 10, 24, 27, 14, 28, 23,  2,  5, 19, 18, 16,  8}),
    MakeTable({ 9, 21,  8, 16, 25,  5, 20, 22,  4, 27, 14, 19,  1, 15, 30,  2, 10, 17,  7, 24, 12, 18, 29,  3, 23,  6, 13, 28, 26, 11}),
}};

inline constexpr PinRows Pins6K = {{
    {},
    MakePins("11101 01000 10110 11011 01111 01011"),
    MakePins("00000 10100 00100 10101 01011 01010"),
    MakePins("00010 00100 01000 00100 10000 01010"),
    MakePins("10100 11101 11110 00111 10101 11010"),
    MakePins("00000 00001 00100 00100 01010 00011"),
    MakePins("00100 11100 01110 00111 11011 10101"),
    MakePins("11100 01110 00001 11010 11111 10010"),
    MakePins("01100 01100 00000 00001 00010 11111"),
    MakePins("01001 10000 10000 00100 01001 00000"),
    MakePins("11101 10111 01111 10111 01110 11011"),
}};
// clang-format on

constexpr bool AllCoresArePermutations(const CoreRows& rows) {
    for (int w = 1; w <= 10; ++w)
        if (!IsPermutation(rows[w])) return false;
    return true;
}
static_assert(AllCoresArePermutations(Wiring3K) && AllCoresArePermutations(Wiring6K));

// i maps to 32 - i wrapped into 1..30: the contact seen in a mirror when a core is turned over.
inline constexpr ContactTable MirrorTable = [] {
    ContactTable t{};
    for (int i = 1; i <= 30; ++i) t[i] = Wrap(32 - i);
    return t;
}();
static_assert(Inverse(MirrorTable) == MirrorTable);

}  // namespace q417::tables
