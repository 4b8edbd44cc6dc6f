#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "app/config_store.h"
#include "app/settings_file.h"
#include "tests/support/record_bytes.h"
#include "tests/support/temp_dir.h"

namespace q417 {
namespace {

using testing::Le32;
using testing::Record;
using testing::TempDir;
using testing::WriteFileBytes;

// Thousands of random and damaged files go through every read, write and delete. Each call
// either does its work or stops with "Invalid file format."; a write that succeeds must be
// readable straight away, and a successful close must leave a wholly healthy file.
class Fuzzer {
public:
    explicit Fuzzer(uint32_t seed) : rng_(seed) {}

    std::vector<uint8_t> File() {
        std::vector<uint8_t> file;
        if (Chance(10)) {
            file.resize(Below(400));
            for (auto& b : file) b = uint8_t(Below(256));
            return file;
        }
        for (int n = int(Below(16)); n > 0; --n) {
            const auto r = RandomRecord();
            file.insert(file.end(), r.begin(), r.end());
        }
        if (Chance(4) && !file.empty()) file.resize(Below(uint32_t(file.size())));
        for (int flips = Chance(3) ? int(Below(4)) + 1 : 0; flips > 0 && !file.empty(); --flips)
            file[Below(uint32_t(file.size()))] ^= uint8_t(1u << Below(8));
        return file;
    }

    std::string Name() {
        static const char* names[] = {"MAIN", "MACHINE", "Sound", "sound", "Printer",
                                      "MODE", "Font",    "ALL",   "x",     ""};
        if (Chance(8)) return std::string(Below(45), char('a' + Below(26)));
        return names[Below(std::size(names))];
    }

    FontRecord Font() {
        return FontRecord{uint8_t(Below(256)),    uint32_t(rng_()),   uint8_t(Below(3)),
                          uint16_t(Below(70000)), uint8_t(Below(16)), Name()};
    }

    MachineSettings Settings() {
        const StoredSettings stored{int32_t(Below(3)),
                                    Chance(2) ? 10 : 30,
                                    int32_t(Below(2)) + 1,
                                    int32_t(Below(3)),
                                    Chance(2),
                                    int32_t(Below(4)) + 1,
                                    int32_t(Below(2)) + 1,
                                    int32_t(Below(2)) + 1,
                                    int32_t(Below(3)) + 1,
                                    int32_t(Below(4)) + 1,
                                    Chance(2),
                                    6,
                                    int32_t(Below(10000))};
        const MachineSettings s = SettingsFromStored(stored);
        return s;
    }

    uint32_t Below(uint32_t n) { return n ? rng_() % n : 0; }
    bool Chance(uint32_t one_in) { return Below(one_in) == 0; }

private:
    std::vector<uint8_t> RandomRecord() {
        std::vector<uint8_t> data(Chance(2) ? 4 : Below(40));
        for (auto& b : data) b = uint8_t(Below(256));
        const int32_t marker = Chance(12) ? int32_t(rng_()) : 274;
        std::optional<int32_t> size;
        if (Chance(8)) {
            static const int32_t sizes[] = {-1, -80, INT32_MIN, INT32_MAX, 0, 1, 1000};
            size = sizes[Below(std::size(sizes))];
        }
        return Record(Name(), Name(), data, marker, size);
    }

    std::mt19937 rng_;
};

struct Removal {
    std::string path;
    ~Removal() { std::remove(path.c_str()); }
};

// Runs one call; false when it stopped on a damaged file. Any other failure fails the test.
template <typename Call>
bool Survives(const char* what, Call call) {
    try {
        call();
        return true;
    } catch (const ConfigError& e) {
        EXPECT_STREQ(e.what(), kInvalidFileFormat) << what;
    } catch (const std::exception& e) {
        ADD_FAILURE() << what << ": " << e.what();
    }
    return false;
}

TEST(ConfigStoreFuzz, RandomAndDamagedFiles) {
    TempDir dir;
    Fuzzer fz(417);
    for (int round = 0; round < 3000; ++round) {
        SCOPED_TRACE(round);
        // A new file each round: emptying and refilling one file makes some file systems flush
        // it to disk every time, which is slow.
        const std::string path = dir.File(std::to_string(round));
        WriteFileBytes(path, fz.File());
        ConfigStore store(path);
        const Removal removal{path};
        // Every write replaces the file and waits for the disk; the rounds keep theirs in
        // memory, and every fiftieth writes them out and reads the file back.
        store.DeferWrites();
        const std::string section = fz.Name(), key = fz.Name();
        Survives("ReadInteger", [&] { store.ReadInteger(section, key, 0); });
        Survives("ReadBool", [&] { store.ReadBool(section, key, false); });
        Survives("ReadFont", [&] {
            FontRecord font;
            store.ReadFont(section, key, font);
        });
        Survives("ReadBuffer", [&] {
            std::array<uint8_t, 3> buffer{};
            store.ReadBuffer(section, key, buffer);
        });
        Survives("ForEachRecord", [&] { store.ForEachRecord([](auto&, auto) {}); });
        Survives("DeleteRecord", [&] { store.DeleteRecord(fz.Name(), fz.Name()); });

        const int32_t value = int32_t(fz.Below(100000));
        if (Survives("WriteInteger", [&] { store.WriteInteger(section, key, value); })) {
            EXPECT_EQ(store.ReadInteger(section, key, -1), value);
        }
        const FontRecord font = fz.Font();
        if (Survives("WriteFont", [&] { store.WriteFont("Font", "All", font); })) {
            FontRecord read;
            ASSERT_TRUE(store.ReadFont("FONT", "ALL", read));
            EXPECT_EQ(read, font);
        }

        MachineSettings s;
        Survives("ReadSettings", [&] { ReadSettings(store, s, nullptr); });
        const MachineSettings saved = fz.Settings();
        if (Survives("SaveSettings", [&] { SaveSettings(store, saved, font); })) {
            MachineSettings read;
            ASSERT_TRUE(
                Survives("ReadSettings after close", [&] { ReadSettings(store, read, nullptr); }));
            EXPECT_EQ(read.Tech, saved.Tech);
            EXPECT_EQ(read.Wheel, saved.Wheel);
            if (round % 50 == 0) {
                store.CommitWrites();
                ConfigStore again(path, ConfigStore::Access::ReadOnly);
                EXPECT_EQ(again.FileBytes(), store.FileBytes());
                MachineSettings reread;
                ReadSettings(again, reread, nullptr);
                EXPECT_EQ(reread.Tech, saved.Tech);
            }
        }
    }
}

}  // namespace
}  // namespace q417
