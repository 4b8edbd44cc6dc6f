#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "core/rotors.h"
#include "key/card.h"
#include "key/key_file.h"
#include "key/key_table.h"
#include "key/random_key.h"

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
    card.SetRow(12, 0);
    EXPECT_FALSE(card.CardComplete());
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
    const std::pair<const char*, int> cases[] = {{"081226.key", 8},
                                                 {"/home/u/keys/13key.key", 13},
                                                 {"00.key", 0},
                                                 {"key13.key", 0},
                                                 {"5.key", 0},
                                                 {"99", 99},
                                                 {"C:\\keys\\42x.key", 42},
                                                 {"", 0}};
    for (const auto& [name, number] : cases) EXPECT_EQ(KeyNumberFromFileName(name), number) << name;
    EXPECT_EQ(ProposedKeyFileName(8, 12, 2026), "081226.key");
}

TEST(KeyFile, FailedSaveLeavesTheOldFileAndSuccessReplacesIt) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "q417_keyfile_test";
    fs::create_directories(dir);
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
    fs::remove_all(dir);
}

TEST(RandomKey, SeedZeroDrawsAreReproducible) {
    RandomGenerator rng(0);
    EXPECT_EQ(rng.RandomBelow(10), 0u);  // the seed becomes 1; 1 * 10 / 2^32 is 0
    EXPECT_EQ(rng.Seed(), 1u);
    KeyTable t;
    PunchCard card;
    GenerateRandomKey(0, t, card);
    EXPECT_EQ(t.at(KeyTable::kRotorNumber, 1), 1);
    KeyTable again;
    PunchCard card2;
    GenerateRandomKey(0, again, card2);
    EXPECT_EQ(t, again);
    EXPECT_EQ(card.Rows(), card2.Rows());
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
