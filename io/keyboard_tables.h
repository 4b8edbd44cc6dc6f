#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/settings.h"
#include "io/cp1251.h"

// The keyboard of the machine: where its thirty letter keys sit, which contact each closes,
// and which text characters stand for which contact in each keyboard layout.
namespace q417::tables {

// The computer key of the space bar.
inline constexpr uint16_t kVkSpace = 0x20;

// Virtual-key codes of the computer keys at the machine's key positions, [row 1..3][col 1..11]
// (a US keyboard's letter block); 0 where the machine has no key. Row and column 0 are unused.
// clang-format off
inline constexpr std::array<std::array<uint16_t, 12>, 4> KeyCodeTable = {{
    {},
    {0, 0x51, 0x57, 0x45, 0x52, 0x54, 0x59, 0x55, 0x49, 0x4F, 0x50, 0xDB},  // Q W E R T Y U I O P [
    {0, 0x41, 0x53, 0x44, 0x46, 0x47, 0x48, 0x4A, 0x4B, 0x4C, 0xBA, 0},     // A S D F G H J K L ;
    {0, 0x5A, 0x58, 0x43, 0x56, 0x42, 0x4E, 0x4D, 0xBC, 0xBE, 0,    0},     // Z X C V B N M , .
}};

// The contact each key position closes; the same for every layout.
inline constexpr std::array<std::array<int32_t, 12>, 4> KeyContactTable = {{
    {},
    {0, 30, 22, 19, 10,  6, 13,  4, 24, 25,  8, 21},
    {0, 20, 26,  3,  1, 15, 16, 14, 11,  5,  7,  0},
    {0, 29, 23, 17, 12,  9, 18, 27,  2, 28,  0,  0},
}};
// clang-format on

// The contacts of the ten keys that carry the digits 0..9, the only keys of the ten-key
// alphabet: E, Y, U, I, [ / F, G, H / N and comma.
inline constexpr std::array<int32_t, 10> DigitKeys = {19, 13, 4, 24, 21, 1, 15, 16, 18, 2};

constexpr bool IsDigitKey(int32_t contact) {
    for (int32_t d : DigitKeys)
        if (d == contact) return true;
    return false;
}

namespace detail {
constexpr bool ContactsOnceEach() {
    std::array<int, 31> seen{};
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 11; ++c) {
            const int32_t k = KeyContactTable[r][c];
            if (k < 0 || k > 30) return false;
            ++seen[k];
        }
    for (int k = 1; k <= 30; ++k)
        if (seen[k] != 1) return false;
    return true;
}
constexpr bool CodesWhereContacts() {
    for (int r = 0; r <= 3; ++r)
        for (int c = 0; c <= 11; ++c)
            if ((KeyCodeTable[r][c] == 0) != (KeyContactTable[r][c] == 0)) return false;
    return true;
}
}  // namespace detail
static_assert(detail::ContactsOnceEach(), "every contact 1..30 sits on exactly one key");
static_assert(detail::CodesWhereContacts(), "a computer key exactly where the machine has one");

// Text characters of each contact, in blocks of 31: contacts 1..30 and then the space (31).
// The character at 1-based position p stands on contact ((p - 1) mod 31) + 1.
inline constexpr auto kGermanText = Cp1251Literal(
    u8"абвгдежзиклмнопрстуфхцчшщыьюяй АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЫЬЮЯЙ "
    u8"f8dult5pbrkvz4ghcnea327iosm96j F8DULT5PBRKVZ4GHCNEA327IOSM96J ");
// The Polish and the Czech keyboards share one table.
inline constexpr auto kPolishCzechText = Cp1251Literal(
    u8"абвгдежзиклмнопрстуфхцчшщыьюяй АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЫЬЮЯЙ "
    u8"fadult5pbrkvzjghcne7qwxiosm8y2 FADULT5PBRKVZJGHCNE7QWXIOSM8Y2 ");
inline constexpr auto kRussianText =
    Cp1251Literal(u8"абвгдежзиклмнопрстуфхцчшщыьюяй АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЫЬЮЯЙ ");
// The ten-key alphabet: the digits on their keys, * as the filler on contact 30.
inline constexpr auto kDigitText = Cp1251Literal(u8"58*3********4*97*62*0**1****** ");

static_assert(kGermanText.size == 124 && kPolishCzechText.size == 124);
static_assert(kRussianText.size == 62 && kDigitText.size == 31);

// The text table of a keyboard layout (1 German, 2 Polish, 3 Czech, 4 Russian); a layout
// outside 1..4, which only a damaged settings file holds, reads as Russian.
constexpr std::string_view TextContactTable(int32_t layot) {
    switch (layot) {
        case 1:
            return kGermanText.View();
        case 2:
        case 3:
            return kPolishCzechText.View();
        default:
            return kRussianText.View();
    }
}

// Used instead of the layout's table with the ten-key alphabet.
constexpr std::string_view DigitContactTable() {
    return kDigitText.View();
}

// Contact of every byte in one text table: the last position at which the byte occurs,
// folded into 1..31; 0 for a byte that does not occur.
constexpr std::array<uint8_t, 256> ContactsOf(std::string_view table) {
    std::array<uint8_t, 256> contact{};
    for (std::size_t p = 0; p < table.size(); ++p)
        contact[static_cast<unsigned char>(table[p])] = static_cast<uint8_t>(p % 31 + 1);
    return contact;
}

// Byte-to-contact lookups, [0] the ten-key alphabet, [1..4] the layouts.
inline constexpr std::array<std::array<uint8_t, 256>, 5> CharContactTables = {
    ContactsOf(DigitContactTable()), ContactsOf(TextContactTable(1)),
    ContactsOf(TextContactTable(2)), ContactsOf(TextContactTable(3)),
    ContactsOf(TextContactTable(4))};
// Row 0 the figures, then one row for each layout by its number.
static_assert(CharContactTables.size() == size_t(KeyboardLayout::Russian) + 1);
static_assert(size_t(KeyboardLayout::German) == 1);

}  // namespace q417::tables
