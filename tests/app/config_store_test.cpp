#include "app/config_store.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/record_bytes.h"
#include "tests/support/temp_dir.h"

namespace q417 {
namespace {

using testing::FileBytes;
using testing::Join;
using testing::Le32;
using testing::Record;
using testing::TempDir;
using testing::WriteFileBytes;

std::vector<uint8_t> FromHex(const std::string& hex) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(uint8_t(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

// The order of records in the file, as section/key pairs.
std::vector<std::string> Names(ConfigStore& store) {
    std::vector<std::string> names;
    store.ForEachRecord([&](const RecordHeader& h, std::span<const uint8_t>) {
        names.push_back(h.Section + "/" + h.Key);
    });
    return names;
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ConfigError& e) {
        return e.what();
    }
    return "";
}

TEST(ConfigStore, WritesTheKnownRecordBytes) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    ConfigStore store(path);
    store.WriteInteger("MAIN", "MACHINE", 1);
    // Marker 274 with its low byte left plain, the names zero-filled, all under the key stream.
    EXPECT_EQ(FileBytes(path),
              FromHex("124c5a5a18272a18797351637761504461587966627579617166773661764d5a5a55666356"
                      "797351"
                      "2e3622180d2f1d7966627579617166773661764d5a5a55666356797351637761504461587d"
                      "666275014d5a5a"));
    // All four bytes of an integer, the sign's too.
    for (int32_t v : {-2, 0x7F000000}) {
        store.WriteInteger("MAIN", "MACHINE", v);
        EXPECT_EQ(
            ConfigStore(path, ConfigStore::Access::ReadOnly).ReadInteger("MAIN", "MACHINE", 0), v);
    }
}

TEST(ConfigStore, MissingFileIsCreatedEmptyAndReadsDefaults) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    ConfigStore store(path);
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_EQ(store.ReadInteger("MAIN", "MACHINE", 17), 17);
    EXPECT_TRUE(store.ReadBool("MAIN", "SOUND", true));
    FontRecord font;
    font.Name = "kept";
    EXPECT_FALSE(store.ReadFont("Font", "All", font));
    EXPECT_EQ(font.Name, "kept");
}

TEST(ConfigStore, NamesMatchIgnoringCase) {
    TempDir dir;
    ConfigStore store(dir.File("Q417.INI"));
    store.WriteBool("MAIN", "Sound", false);
    store.WriteInteger("Keyboard", "Layot", 3);
    FontRecord font;
    font.Name = "Courier";
    store.WriteFont("Font", "ALL", font);
    EXPECT_FALSE(store.ReadBool("MAIN", "SOUND", true));
    EXPECT_EQ(store.ReadInteger("KEYBOARD", "LAYOT", 0), 3);
    EXPECT_EQ(store.ReadInteger("keyboard", "layot", 0), 3);
    FontRecord read;
    EXPECT_TRUE(store.ReadFont("Font", "All", read));
    EXPECT_EQ(read, font);
    // Written once more under another spelling: still one record, with the new spelling.
    store.WriteInteger("KEYBOARD", "LAYOT", 2);
    EXPECT_EQ(Names(store), (std::vector<std::string>{"MAIN/Sound", "Font/ALL", "KEYBOARD/LAYOT"}));
}

TEST(ConfigStore, RewriteMovesTheRecordToTheEnd) {
    TempDir dir;
    ConfigStore store(dir.File("Q417.INI"));
    for (const char* key : {"A", "B", "C", "D"}) store.WriteInteger("S", key, 1);
    store.WriteInteger("S", "B", 42);
    EXPECT_EQ(Names(store), (std::vector<std::string>{"S/A", "S/C", "S/D", "S/B"}));
    EXPECT_EQ(store.ReadInteger("S", "B", 0), 42);
    store.DeleteRecord("s", "c");
    EXPECT_EQ(Names(store), (std::vector<std::string>{"S/A", "S/D", "S/B"}));
    EXPECT_EQ(std::filesystem::file_size(store.FileName()), 3u * 84u);
}

TEST(ConfigStore, BufferAndStreamReads) {
    TempDir dir;
    ConfigStore store(dir.File("Q417.INI"));
    const std::vector<uint8_t> data{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 11, 12};
    const auto copy = data;
    EXPECT_EQ(store.WriteBuffer("Blob", "X", data), 12);
    EXPECT_EQ(data, copy);
    std::vector<uint8_t> stream{1, 2, 3};
    EXPECT_EQ(store.ReadStream("BLOB", "x", stream), 12);
    EXPECT_EQ(stream, data);
    std::array<uint8_t, 5> small{};
    EXPECT_EQ(store.ReadBuffer("Blob", "X", small), 5);  // only what the destination holds
    EXPECT_EQ(std::vector<uint8_t>(small.begin(), small.end()),
              std::vector<uint8_t>(data.begin(), data.begin() + 5));
    EXPECT_EQ(store.ReadBuffer("Blob", "Y", small), -1);
    EXPECT_EQ(store.ReadStream("Blob", "Y", stream), -1);
}

// Files laid out by hand: what a typed read makes of each.
struct DamagedCase {
    const char* name;
    std::vector<uint8_t> file;
    int32_t machine;  // ReadInteger("MAIN", "MACHINE", -1), or INT32_MIN for the format error
    bool sound;       // ReadBool("MAIN", "SOUND", true)
};

TEST(ConfigStore, ShortTruncatedAndDamagedFiles) {
    using testing::Record;
    const auto good = Record("MAIN", "MACHINE", Le32(2));
    const auto sound = Record("MAIN", "Sound", {0});
    const int32_t bad = INT32_MIN;
    const std::vector<DamagedCase> cases = {
        {"fragment shorter than a header", {0x12, 1, 2, 3}, -1, true},
        {"fragment after a record", Join({good, {0x12, 0, 0}}), 2, true},
        {"integer record longer than its buffer",
         Record("MAIN", "MACHINE", Join({Le32(2), std::vector<uint8_t>(3000, 7)})), 2, true},
        {"boolean record of two bytes", Record("MAIN", "SOUND", {0, 1}), -1, false},
        {"empty boolean record", Record("MAIN", "SOUND", {}), -1, true},
        {"bad marker first", Join({Record("MAIN", "MACHINE", Le32(2), 275), sound}), bad, true},
        {"negative size", Join({Record("X", "Y", {}, 274, -80), good}), bad, true},
        {"bad marker after good records", Join({good, sound, Record("Z", "Z", {}, 0)}), 2, false},
        {"record past the end of the file", Join({sound, Record("MAIN", "MACHINE", {}, 274, 1000)}),
         -1, false},
    };
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string path = dir.File("Q417.INI");
        WriteFileBytes(path, c.file);
        ConfigStore store(path);
        if (c.machine == bad) {
            EXPECT_EQ(ErrorOf([&] { store.ReadInteger("MAIN", "MACHINE", -1); }),
                      kInvalidFileFormat);
        } else {
            EXPECT_EQ(store.ReadInteger("MAIN", "MACHINE", -1), c.machine);
            EXPECT_EQ(store.ReadBool("MAIN", "SOUND", true), c.sound);
        }
    }
}

TEST(ConfigStore, TruncatedIntegerReadsTheDefault) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    auto file = Record("MAIN", "MACHINE", Le32(2));
    file.resize(file.size() - 2);
    WriteFileBytes(path, file);
    ConfigStore store(path);
    EXPECT_EQ(store.ReadInteger("MAIN", "MACHINE", -1), -1);
    std::vector<uint8_t> stream;
    EXPECT_EQ(store.ReadStream("MAIN", "MACHINE", stream), 4);
    EXPECT_EQ(stream.size(), 2u);
}

TEST(ConfigStore, BadRecordStopsEveryLookupThatReachesIt) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    WriteFileBytes(path, Join({Record("A", "A", Le32(5)), Record("B", "B", Le32(6), 0x113),
                               Record("C", "C", Le32(7))}));
    ConfigStore store(path);
    EXPECT_EQ(store.ReadInteger("a", "a", 0), 5);
    for (auto action : std::vector<std::function<void()>>{
             [&] { store.ReadInteger("C", "C", 0); },
             [&] { store.ReadBool("C", "C", false); },
             [&] { store.DeleteRecord("C", "C"); },
             [&] { store.WriteInteger("A", "A", 1); },  // the delete works, the append cannot
             [&] { store.WriteInteger("D", "D", 1); },
         })
        EXPECT_EQ(ErrorOf(action), kInvalidFileFormat);
}

TEST(ConfigStore, DeletingARecordCutShortKeepsTheOthers) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    const auto first = Record("A", "A", Le32(5));
    WriteFileBytes(path, Join({first, Record("B", "B", {}, 274, 5000)}));
    ConfigStore store(path);
    store.DeleteRecord("B", "B");
    EXPECT_EQ(FileBytes(path), first);
}

TEST(ConfigStore, WritesAfterAFragmentStayReadable) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    const auto first = Record("A", "A", Le32(5));
    WriteFileBytes(path, Join({first, {1, 2, 3, 4, 5}}));
    ConfigStore store(path);
    store.WriteInteger("B", "B", 9);
    EXPECT_EQ(store.ReadInteger("B", "B", 0), 9);
    EXPECT_EQ(Names(store), (std::vector<std::string>{"A/A", "B/B"}));
}

TEST(ConfigStore, LongNamesAreCutToTheirField) {
    TempDir dir;
    ConfigStore store(dir.File("Q417.INI"));
    const std::string name(50, 'n');
    store.WriteInteger(name, name, 3);
    EXPECT_EQ(store.ReadInteger(name, name, 0), 3);
    EXPECT_EQ(store.ReadInteger(name.substr(0, 35), name.substr(0, 35), 0), 3);
    EXPECT_EQ(Names(store).front().size(), 71u);
}

TEST(ConfigStore, OpenErrorsNameTheFile) {
    TempDir dir;
    const std::string missing_dir = dir.File("nowhere/Q417.INI");
    EXPECT_EQ(ErrorOf([&] { ConfigStore store(missing_dir); }),
              "Cannot create file \"" + missing_dir + "\". No such file or directory");
    const std::string missing = dir.File("Q417.INI");
    EXPECT_EQ(ErrorOf([&] { ConfigStore store(missing, ConfigStore::Access::ReadOnly); }),
              "Cannot open file \"" + missing + "\". No such file or directory");
    EXPECT_FALSE(std::filesystem::exists(missing));
    const std::string folder = dir.File("folder");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(ErrorOf([&] { ConfigStore store(folder, ConfigStore::Access::ReadOnly); }),
              "Cannot open file \"" + folder + "\". Is a directory");
}

TEST(ConfigStore, ReadOnlyStoreNeverChangesTheFile) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    const auto file = Record("A", "A", Le32(5));
    WriteFileBytes(path, file);
    ConfigStore store(path, ConfigStore::Access::ReadOnly);
    EXPECT_EQ(store.ReadInteger("A", "A", 0), 5);
    EXPECT_NE(ErrorOf([&] { store.WriteInteger("A", "A", 6); }), "");
    EXPECT_NE(ErrorOf([&] { store.DeleteRecord("A", "A"); }), "");
    EXPECT_EQ(FileBytes(path), file);
}

}  // namespace
}  // namespace q417
