#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/settings.h"
#include "io/cp1251.h"

// The printer's type wheels and the tape punch's code.
namespace q417::tables {

using WheelRowBytes = std::array<unsigned char, 32>;
using PrintWheel = std::array<WheelRowBytes, 9>;

// One row of a type wheel, written as it prints for contacts 0..31: the Windows-1251 bytes
// of exactly 32 characters.
template <std::size_t N>
constexpr WheelRowBytes Wheel(const char8_t (&utf8)[N]) {
    const auto text = Cp1251Literal(utf8);
    if (text.size != 32) throw "a type-wheel row holds 32 characters";
    WheelRowBytes row{};
    for (std::size_t i = 0; i < 32; ++i) row[i] = static_cast<unsigned char>(text.bytes[i]);
    return row;
}

// Q417-3MN and Q417-3MR: row 2w-1 is the letters register and row 2w the figures register of
// wheel w (1 German, 2 Polish, 3 Czech, 4 Russian). Contact 0 (no signal) prints *, 31 a blank.
// clang-format off
inline constexpr PrintWheel PrintWheel3M = {{
    {},
    Wheel(u8"*F8DULT5PBRKVZ4GHCNEA327IOSM96J "),    // 1 German letters
    Wheel(u8"*V:W6)459/3(X5JAUY,2V01F78Q.-O* "),    // 2 German figures
    Wheel(u8"*FADULT5PBRKVZJGHCNE7QWXIOSM8Y2 "),    // 3 Polish letters
    Wheel(u8"*A%-6)4 9?3(=5+EL:,2A01/78Z.°\"  "),   // 4 Polish figures
    Wheel(u8"*FADULT5PBRKVZJGHCNE7QWXIOSM8Y2 "),    // 5 Czech letters
    Wheel(u8"*RAC6E4 9\"3O=5UZ+:,2 01/78S.%-  "),   // 6 Czech figures
    Wheel(u8"*АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЫЬЮЯЙ "),    // 7 Russian letters
    Wheel(u8"*58-3Ж, +Й№%.4°97Ъ62 0:\"1=Ф/Э;  "),   // 8 Russian figures
}};

// Q-417M: row 2w-1 is the Cyrillic half and row 2w the Latin half of wheel w. The Russian
// wheel has no Latin half: it prints blanks.
inline constexpr PrintWheel PrintWheelM = {{
    {},
    Wheel(u8"*АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЫЬЮЯЙ "),    // 1 German wheel, Cyrillic
    Wheel(u8"*F8DULT5PBRKVZ4GHCNEA327IOSM96J "),    // 2 German wheel, Latin
    Wheel(u8"*АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЫЬЮЯЙ "),    // 3 Polish wheel, Cyrillic
    Wheel(u8"*F7DULT5PBRKVZJGHCNEAQWXIOSM8Y2 "),    // 4 Polish wheel, Latin
    Wheel(u8"*АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЫЬЮЯЙ "),    // 5 Czech wheel, Cyrillic
    Wheel(u8"*F7DULT5PBRKVZJGHCNEAQWXIOSM8Y2 "),    // 6 Czech wheel, Latin
    Wheel(u8"*АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЫЬЮЯЙ "),    // 7 Russian wheel, Cyrillic
    Wheel(u8"                                "),    // 8 Russian wheel, no Latin half
}};
// clang-format on

// The five code tracks of one punched-tape column, from the top track to the bottom one.
using PunchColumn = std::array<uint8_t, 5>;

constexpr PunchColumn Holes(const char (&tracks)[6]) {
    PunchColumn column{};
    for (int i = 0; i < 5; ++i) {
        if (tracks[i] != '0' && tracks[i] != '1') throw "a track is 0 or 1";
        column[i] = tracks[i] == '1';
    }
    return column;
}

// The holes punched for contacts 0..31 (1 = hole).
// clang-format off
inline constexpr std::array<PunchColumn, 32> PunchCode = {
    Holes("00000"), Holes("00001"), Holes("01100"), Holes("10110"),  //  0..3
    Holes("10000"), Holes("01111"), Holes("11110"), Holes("10111"),  //  4..7
    Holes("01011"), Holes("00110"), Holes("00010"), Holes("11011"),  //  8..11
    Holes("11010"), Holes("01010"), Holes("00111"), Holes("00011"),  // 12..15
    Holes("11100"), Holes("10100"), Holes("10101"), Holes("11101"),  // 16..19
    Holes("01110"), Holes("01101"), Holes("00101"), Holes("01000"),  // 20..23
    Holes("11101"), Holes("10011"), Holes("00100"), Holes("10010"),  // 24..27
    Holes("11111"), Holes("11000"), Holes("01001"), Holes("10001"),  // 28..31
};
// clang-format on
static_assert(PunchCode[19] == PunchCode[24], "contacts 19 and 24 punch alike");

// The row of the type wheel that prints: on the Q417-3MN/-3MR the register picks letters or
// figures of the wheel, on the Q-417M the language lever picks its Cyrillic or Latin half.
// Each wheel has two rows, in the order of the wheels' numbers. Values no switch has (only
// a value forced past the settings' checks) read as wheel 4, register 1, language 1, so that
// no row outside the wheels is ever read.
constexpr int WheelRow(Model machine, q417::PrintWheel wheel, int32_t print_register,
                       WheelHalf language) {
    int32_t w = StoredValue(wheel), half = StoredValue(language);
    if (w < 1 || w > 4) w = 4;
    if (print_register < 1 || print_register > 2) print_register = 1;
    if (half < 1 || half > 2) half = 1;
    return 2 * (w - 1) + (machine == Model::Q417M ? half : print_register);
}
static_assert(WheelRow(Model::Q417_3MN, q417::PrintWheel::German, 1, WheelHalf::Russian) == 1);
static_assert(WheelRow(Model::Q417M, q417::PrintWheel::Russian, 1, WheelHalf::Latin) == 8);

// The byte a contact prints in a row of the model's wheel. A row outside 1..8 reads as 7 (the
// Russian letters); a contact outside 0..31 prints as no signal (contact 0).
constexpr unsigned char PrintChar(Model machine, int row, int32_t contact) {
    if (row < 1 || row > 8) row = 7;
    if (contact < 0 || contact > 31) contact = 0;
    return (machine == Model::Q417M ? PrintWheelM : PrintWheel3M)[row][contact];
}

}  // namespace q417::tables
