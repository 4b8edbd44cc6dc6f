#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "core/rotors.h"
#include "key/card.h"
#include "key/key_file.h"
#include "key/key_table.h"
#include "key/random_key.h"
#include "tests/support/temp_dir.h"

namespace q417 {
namespace {

KeyTable BasicKeyTable() {
    RotorStack r;
    KeyTable t;
    KeyTableFromRotors(r, t);
    return t;
}

TEST(Card, DiagonalClearedAndTwentyNineHoles) {
    PunchCard card;
    for (int i = 1; i <= 30; ++i) {
        EXPECT_EQ(card.CardForward(i), i);
        EXPECT_EQ(card.CardInverse(i), i);
    }
    EXPECT_TRUE(card.CardComplete());
    EXPECT_EQ(card.HoleCount(), 30);
    card.SetRow(12, 0);
    EXPECT_FALSE(card.CardComplete());
    EXPECT_EQ(card.HoleCount(), 29);
    EXPECT_EQ(card.CardForward(12), 0);
    EXPECT_EQ(card.CardInverse(12), 0);
    card.ClearCard();
    for (int i = 1; i <= 30; ++i) EXPECT_EQ(card.CardInverse(i) + card.CardForward(i), 0);
    std::array<int32_t, 31> twice{};
    twice[1] = twice[2] = 5;
    EXPECT_FALSE(card.SetRows(twice));
    EXPECT_EQ(card.HoleCount(), 0);
}

TEST(KeyTableCheck, RejectsRepeatsZerosAndRangesOnlyInSlotsInUse) {
    const KeyTable basic = BasicKeyTable();
    EXPECT_TRUE(KeyTableValid(basic, 10));
    struct Damage {
        int row, column, value;
    };
    const Damage cases[] = {{1, 3, 2}, {3, 10, 1}, {2, 4, 0},  {2, 4, 31},
                            {4, 1, 3}, {5, 2, 0},  {1, 5, 11}, {3, 6, 0}};
    for (const Damage& d : cases) {
        KeyTable t = basic;
        t.at(d.row, d.column) = d.value;
        EXPECT_FALSE(KeyTableValid(t, 10)) << d.row << "," << d.column << "=" << d.value;
    }
    KeyTable eight = basic;
    for (int row = 1; row <= 5; ++row) eight.at(row, 9) = eight.at(row, 10) = 0;
    EXPECT_TRUE(KeyTableValid(eight, 8));
    EXPECT_FALSE(KeyTableValid(eight, 10));
}

TEST(KeyTableCheck, InvalidTableChangesNoRotor) {
    RotorStack r;
    KeyTable t = BasicKeyTable();
    t.at(KeyTable::kCoreNumber, 2) = 1;
    r.StepRotors();
    const RotorState before = r.Slot(2);
    EXPECT_FALSE(ApplyKeyTable(t, r));
    EXPECT_EQ(r.Slot(2).Position, before.Position);
}

TEST(KeyFile, BasicKeyAndDiagonalCardBytes) {
    PunchCard card;
    const KeyFileBytes b = EncodeKeyFile(card.Rows(), BasicKeyTable());
    for (int i = 0; i < 30; ++i) EXPECT_EQ(b[i], i + 1);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(b[30 + i], i + 1);  // bodies
        EXPECT_EQ(b[40 + i], i + 1);  // cores
        EXPECT_EQ(b[50 + i], 1);      // sides
        EXPECT_EQ(b[60 + i], 0);      // ring settings minus 1
        EXPECT_EQ(b[70 + i], 0);      // core settings minus 1
    }
}

// Ring and core settings differ in every slot, so a file with the two rows exchanged, or a
// setting stored without its minus 1, reads as another key.
TEST(KeyFile, KeyWithDistinctSettingsIsTheseBytesBothWays) {
    const KeyFileBytes bytes = {
        11, 22, 3,  14, 25, 6,  17, 28, 9,  20, 1,  12, 23, 4,  15,  // card: row r at 11r mod 30
        26, 7,  18, 29, 10, 21, 2,  13, 24, 5,  16, 27, 8,  19, 30,  //
        3,  7,  1,  9,  5,  10, 2,  8,  4,  6,                       // bodies
        8,  2,  10, 4,  6,  1,  9,  3,  7,  5,                       // cores
        1,  2,  2,  1,  2,  1,  1,  2,  1,  2,                       // sides
        4,  29, 16, 1,  10, 23, 7,  18, 12, 27,                      // ring settings - 1
        20, 3,  8,  25, 0,  14, 29, 11, 5,  9};                      // core settings - 1
    KeyTable table;
    const int rows[5][10] = {{3, 7, 1, 9, 5, 10, 2, 8, 4, 6},        // bodies
                             {5, 30, 17, 2, 11, 24, 8, 19, 13, 28},  // ring settings
                             {8, 2, 10, 4, 6, 1, 9, 3, 7, 5},        // cores
                             {1, 2, 2, 1, 2, 1, 1, 2, 1, 2},         // sides
                             {21, 4, 9, 26, 1, 15, 30, 12, 6, 10}};  // core settings
    for (int row = 1; row <= 5; ++row)
        for (int slot = 1; slot <= 10; ++slot) table.at(row, slot) = rows[row - 1][slot - 1];
    std::array<int32_t, 31> card{};
    for (int r = 1; r <= 30; ++r) card[r] = Wrap(11 * r);

    testing::TempDir dir;
    std::string error, read;
    ASSERT_TRUE(WriteKeyFileBytes(dir.File("130526.key"), EncodeKeyFile(card, table), error));
    EXPECT_EQ(testing::FileBytes(dir.File("130526.key")),
              std::vector<uint8_t>(bytes.begin(), bytes.end()));

    testing::WriteFileBytes(dir.File("other.key"), {bytes.begin(), bytes.end()});
    ASSERT_TRUE(ReadKeyFileBytes(dir.File("other.key"), read, error));
    KeyFileContents k;
    ASSERT_TRUE(DecodeKeyFile(read, 10, k, error));
    EXPECT_EQ(k.card, card);
    EXPECT_EQ(k.table, table);
}

TEST(KeyFile, RoundTripAndUnsetSlotsOfTheEightRotorMachine) {
    PunchCard card;
    KeyTable table;
    GenerateRandomKey(99, table, card);
    for (int row = 1; row <= 5; ++row) table.at(row, 9) = table.at(row, 10) = 0;
    const KeyFileBytes b = EncodeKeyFile(card.Rows(), table);
    EXPECT_EQ(b[60 + 8], 255);  // an unset setting is written as 0 - 1
    KeyFileContents k;
    std::string error;
    ASSERT_TRUE(
        DecodeKeyFile(std::string_view(reinterpret_cast<const char*>(b.data()), 80), 8, k, error));
    EXPECT_EQ(k.card, card.Rows());
    for (int row = 1; row <= 5; ++row)
        for (int col = 1; col <= 8; ++col) EXPECT_EQ(k.table.at(row, col), table.at(row, col));
    EXPECT_EQ(k.table.at(KeyTable::kRingSetting, 9), 255);  // slots not in use keep the byte
}

TEST(KeyFile, DamagedFilesAreRefusedWhole) {
    PunchCard card;
    KeyFileBytes good = EncodeKeyFile(card.Rows(), BasicKeyTable());
    std::string bytes(reinterpret_cast<const char*>(good.data()), 80);
    KeyFileContents k;
    k.card[1] = 77;
    std::string error;
    EXPECT_FALSE(DecodeKeyFile(bytes.substr(0, 50), 10, k, error));
    EXPECT_EQ(error, "Read beyond end of file");
    std::string high = bytes;
    high[3] = 31;
    EXPECT_FALSE(DecodeKeyFile(high, 10, k, error));
    std::string twice = bytes;
    twice[3] = 9;
    EXPECT_FALSE(DecodeKeyFile(twice, 10, k, error));
    EXPECT_NE(error.find("column 9"), std::string::npos);
    EXPECT_EQ(k.card[1], 77);  // nothing was handed on
    std::string longer = bytes + "trailing bytes are never read";
    EXPECT_TRUE(DecodeKeyFile(longer, 10, k, error));
}

TEST(KeyFile, KeyNumberComesFromTheFirstTwoCharactersOfTheName) {
    const std::pair<std::string_view, int> cases[] = {{"081226.key", 8},
                                                      {"/home/u/keys/13key.key", 13},
                                                      {"00.key", 0},
                                                      {"key13.key", 0},
                                                      {"5.key", 0},
                                                      {"99", 99},
                                                      {"C:\\keys\\42x.key", 42},
                                                      {"", 0},
                                                      {std::string_view("77", 1), 0}};
    for (const auto& [name, number] : cases) EXPECT_EQ(KeyNumberFromFileName(name), number) << name;
    EXPECT_EQ(ProposedKeyFileName(8, 12, 2026), "081226.key");
}

TEST(KeyFile, FailedSaveLeavesTheOldFileAndSuccessReplacesIt) {
    namespace fs = std::filesystem;
    testing::TempDir temp;
    const fs::path dir = temp.File("");
    const std::string path = (dir / "old.key").string();
    std::ofstream(path, std::ios::binary) << "old contents";
    KeyFileBytes b{};
    b.fill(7);
    std::string error;
    EXPECT_FALSE(WriteKeyFileBytes((dir / "missing" / "x.key").string(), b, error));
    EXPECT_FALSE(error.empty());
    ASSERT_TRUE(WriteKeyFileBytes(path, b, error));
    std::string back;
    ASSERT_TRUE(ReadKeyFileBytes(path, back, error));
    EXPECT_EQ(back, std::string(80, '\7'));
    EXPECT_FALSE(ReadKeyFileBytes((dir / "nope.key").string(), back, error));
    EXPECT_EQ(error, "Cannot open file \"" + (dir / "nope.key").string() +
                         "\". No such file or directory");
}

// The key files of three seeds, worked out apart from this code from the generator's rule:
// the seed becomes seed * 134775813 + 1 modulo 2^32 and a draw below n is the high half of
// seed * n; bodies, rings, cores, sides and core settings are drawn in slot order, then the
// card row by row, a column already punched drawn again.
TEST(RandomKey, SeedsGiveTheseKeyFiles) {
    RandomGenerator rng(0);
    EXPECT_EQ(rng.RandomBelow(10), 0u);  // the seed becomes 1; 1 * 10 / 2^32 is 0
    EXPECT_EQ(rng.Seed(), 1u);
    // clang-format off
    const std::pair<uint32_t, KeyFileBytes> cases[] = {
        {0, {
          15,  9,  5, 19, 23,  3,  2,  4, 24, 25, 12, 14, 11,  6, 21,  // card rows 1..15
           7, 18,  8, 26, 10, 20, 28, 17, 22, 13, 27, 29, 30,  1, 16,  // rows 16..30
           1,  9,  3,  7,  4,  2,  5, 10,  8,  6,  // bodies
           6, 10,  7,  3,  1,  8,  5,  9,  4,  2,  // cores
           1,  2,  2,  2,  2,  2,  1,  1,  2,  1,  // sides
           0, 17,  0, 23, 19, 23, 21, 16,  6, 20,  // ring settings - 1
          26,  4,  8, 16, 28,  5,  4,  8,  5, 17}},  // core settings - 1
        {12345, {
          30, 25,  6, 14, 17, 23, 10, 22,  1,  3, 16,  7, 15,  8, 21,  // card rows 1..15
          24, 13, 18, 20,  9, 12, 27,  5,  2, 29,  4, 19, 11, 28, 26,  // rows 16..30
           4,  3,  1,  6,  7,  5, 10,  8,  9,  2,  // bodies
           2,  9,  3,  6,  1,  7,  8,  4, 10,  5,  // cores
           2,  2,  2,  2,  1,  2,  1,  1,  2,  2,  // sides
           1, 21, 13,  5, 21, 11,  8, 14,  1, 22,  // ring settings - 1
           0, 19,  2,  1, 24, 25, 19, 17,  4, 19}},  // core settings - 1
        {4000000000u, {
          14,  1,  3, 13, 23, 19, 28, 10, 29, 27, 11, 30, 16, 26, 22,  // card rows 1..15
          24, 12,  4, 21,  2, 20, 17, 18,  8, 25, 15,  7,  5,  9,  6,  // rows 16..30
           2,  9,  5,  8, 10,  4,  7,  6,  3,  1,  // bodies
           3,  5,  8, 10,  6,  1,  7,  2,  4,  9,  // cores
           2,  1,  2,  2,  2,  1,  2,  1,  2,  2,  // sides
           2,  4,  6, 21, 21, 24, 21, 14, 14, 21,  // ring settings - 1
           1,  1, 27, 19, 18,  8, 16,  4,  7, 16}},  // core settings - 1
    };
    // clang-format on
    for (const auto& [seed, bytes] : cases) {
        KeyTable t;
        PunchCard card;
        GenerateRandomKey(seed, t, card);
        EXPECT_EQ(EncodeKeyFile(card.Rows(), t), bytes) << "seed " << seed;
    }
}

TEST(RandomKey, EveryGeneratedKeyIsValidAndComplete) {
    for (uint32_t seed = 0; seed < 300; ++seed) {
        KeyTable t;
        PunchCard card;
        card.KeyNumber = 12;
        GenerateRandomKey(seed * 2654435761u, t, card);
        ASSERT_TRUE(KeyTableValid(t, 10));
        ASSERT_TRUE(card.CardComplete());
        EXPECT_EQ(card.KeyNumber, 0);
        std::set<int> columns;
        for (int r = 1; r <= 30; ++r) columns.insert(card.CardForward(r));
        EXPECT_EQ(columns.size(), 30u);
    }
}

}  // namespace
}  // namespace q417
