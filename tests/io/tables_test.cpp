#include <gtest/gtest.h>

#include <string>

#include "io/cp1251.h"
#include "io/keyboard.h"
#include "io/keyboard_tables.h"
#include "io/print_tables.h"

namespace q417 {
namespace {

namespace t = tables;

std::string Row(const t::PrintWheel& wheel, int row) {
    return std::string(wheel[row].begin(), wheel[row].end());
}

TEST(PrintWheels, PropertiesOfTheWheels) {
    for (int row : {3, 5, 7}) EXPECT_EQ(Row(t::PrintWheelM, row), Row(t::PrintWheelM, 1));
    EXPECT_EQ(Row(t::PrintWheelM, 4), Row(t::PrintWheelM, 6));
    EXPECT_EQ(Row(t::PrintWheelM, 8), std::string(32, ' '));
    EXPECT_EQ(Row(t::PrintWheelM, 2), Row(t::PrintWheel3M, 1));  // the German Latin half
    EXPECT_EQ(Row(t::PrintWheelM, 1), Row(t::PrintWheel3M, 7));  // the Cyrillic letters
    for (int row = 1; row <= 8; ++row) {
        EXPECT_EQ(t::PrintWheel3M[row][0], '*') << row;
        EXPECT_EQ(t::PrintWheel3M[row][31], ' ') << row;
        if (row == 8) continue;
        EXPECT_EQ(t::PrintWheelM[row][0], '*') << row;
        EXPECT_EQ(t::PrintWheelM[row][31], ' ') << row;
    }
}

struct Glyph {
    int row, contact;
    const char* utf8;
};

TEST(PrintWheels, SpecialCharactersAreTheirWindows1251Bytes) {
    const Glyph rows[] = {{4, 28, "°"}, {8, 14, "°"}, {8, 10, "№"}, {8, 17, "Ъ"}, {8, 28, "Э"},
                          {8, 5, "Ж"},  {8, 26, "Ф"}, {7, 30, "Й"}, {6, 9, "\""}, {2, 30, "*"}};
    for (const Glyph& g : rows) {
        std::string byte, error;
        ASSERT_TRUE(Utf8ToCp1251(g.utf8, byte, error));
        EXPECT_EQ(t::PrintWheel3M[g.row][g.contact], static_cast<unsigned char>(byte[0]))
            << "row " << g.row << " contact " << g.contact;
    }
}

TEST(PrintWheels, PunchCode) {
    for (int a = 0; a < 32; ++a) {
        EXPECT_NE(t::PunchCode[a], (t::PunchColumn{1, 1, 0, 0, 1})) << a;
        for (int b = a + 1; b < 32; ++b)
            if (!(a == 19 && b == 24)) {
                EXPECT_NE(t::PunchCode[a], t::PunchCode[b]) << a << " " << b;
            }
    }
    EXPECT_EQ(t::PunchCode[3], (t::PunchColumn{1, 0, 1, 1, 0}));
}

struct RowCase {
    int machine, wheel, reg, language, row;
};

TEST(PrintWheels, WheelRowAndDamagedSettings) {
    const RowCase rows[] = {
        {1, 1, 1, 2, 1}, {1, 1, 2, 1, 2}, {2, 4, 2, 1, 8},  {0, 2, 2, 1, 3}, {0, 4, 1, 2, 8},
        {1, 9, 1, 1, 7}, {1, 0, 5, 1, 7}, {0, 3, 1, -3, 5}, {7, 2, 2, 2, 4},
    };
    for (const RowCase& r : rows)
        // The casts stand for values a damaged file or memory could force past the checks.
        EXPECT_EQ(t::WheelRow(static_cast<Model>(r.machine), static_cast<PrintWheel>(r.wheel),
                              r.reg, static_cast<WheelHalf>(r.language)),
                  r.row)
            << r.machine << " " << r.wheel << " " << r.reg << " " << r.language;
    EXPECT_EQ(t::PrintChar(Model::Q417_3MN, 99, 1), 0xC0);  // a row no wheel has: Russian letters
    EXPECT_EQ(t::PrintChar(Model::Q417_3MN, 1, 40), '*');
    EXPECT_EQ(t::PrintChar(Model::Q417M, 8, -1), ' ');
}

TEST(KeyboardTables, FindKey) {
    EXPECT_EQ(FindKey(0x51), std::make_pair(1, 1));   // Q
    EXPECT_EQ(FindKey(0xDB), std::make_pair(1, 11));  // [
    EXPECT_EQ(FindKey(0xBA), std::make_pair(2, 10));  // ;
    EXPECT_EQ(FindKey(0xBE), std::make_pair(3, 9));   // .
    for (uint16_t vk : {0, 0x20, 0x10, 0x31, 0xDD, 0x0D})
        EXPECT_EQ(FindKey(vk), std::make_pair(0, 0)) << vk;
    for (int32_t d : t::DigitKeys) EXPECT_TRUE(t::IsDigitKey(d));
    EXPECT_FALSE(t::IsDigitKey(30));
    EXPECT_FALSE(t::IsDigitKey(0));
}

int32_t ContactOf(const char* utf8, int32_t module, int32_t layot) {
    std::string byte, error;
    EXPECT_TRUE(Utf8ToCp1251(utf8, byte, error));
    return ContactOfChar(static_cast<unsigned char>(byte[0]), static_cast<AlphabetModule>(module),
                         static_cast<KeyboardLayout>(layot));
}

struct CharCase {
    const char* utf8;
    int module, layot, contact;
};

TEST(ContactOfChar, KnownCharacters) {
    const CharCase rows[] = {
        {"A", 30, 1, 20}, {"a", 30, 1, 20},  {"7", 30, 1, 23},  {"Й", 30, 1, 30}, {"й", 30, 1, 30},
        {" ", 30, 1, 31}, {"\r", 30, 1, 31}, {"\n", 30, 4, 31}, {"Ё", 30, 1, 0},  {"ъ", 30, 2, 0},
        {"э", 30, 3, 0},  {"A", 30, 4, 0},   {"7", 30, 4, 0},   {"7", 30, 2, 20}, {"q", 30, 3, 21},
        {"а", 30, 4, 1},  {"Я", 30, 4, 29},  {"0", 10, 1, 21},  {"*", 10, 4, 30}, {"A", 10, 1, 0},
        {"5", 10, 4, 1},  {"8", 10, 2, 2},   {"\n", 10, 1, 31}, {"Б", 10, 4, 0},  {"*", 30, 1, 0},
        {"A", 30, 0, 0},  {"я", 30, 9, 29},  {"J", 30, 1, 30},
    };
    for (const CharCase& r : rows)
        EXPECT_EQ(ContactOf(r.utf8, r.module, r.layot), r.contact)
            << r.utf8 << " module " << r.module << " layout " << r.layot;
}

// Every character of a layout's blocks gives the contact of its place in the block, in both
// cases; only the digit table's filler repeats.
TEST(ContactOfChar, EveryLayoutBothCases) {
    for (KeyboardLayout layout : kPositions<KeyboardLayout>) {
        const int32_t layot = StoredValue(layout);
        const std::string_view table = t::TextContactTable(layot);
        ASSERT_EQ(table.size() % 31, 0u);
        for (std::size_t p = 0; p < table.size(); ++p) {
            const auto ch = static_cast<unsigned char>(table[p]);
            EXPECT_EQ(ContactOfChar(ch, AlphabetModule::Contacts30, layout),
                      static_cast<int32_t>(p % 31 + 1))
                << "layout " << layot << " position " << p + 1;
        }
        for (int contact = 1; contact <= 30; ++contact) {
            const auto lower = static_cast<unsigned char>(table[contact - 1]);
            const auto upper = static_cast<unsigned char>(table[contact + 30]);
            EXPECT_EQ(ContactOfChar(lower, AlphabetModule::Contacts30, layout),
                      ContactOfChar(upper, AlphabetModule::Contacts30, layout));
        }
    }
    for (int digit = 0; digit <= 9; ++digit) {
        const int32_t contact = ContactOfChar(static_cast<unsigned char>('0' + digit),
                                              AlphabetModule::Figures10, KeyboardLayout::German);
        EXPECT_TRUE(t::IsDigitKey(contact)) << digit;
        // The ten-key alphabet's digits print as themselves in the Russian figures register.
        EXPECT_EQ(t::PrintWheel3M[8][contact], '0' + digit) << digit;
    }
}

}  // namespace
}  // namespace q417
