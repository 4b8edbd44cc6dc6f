#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "app/config_store.h"
#include "app/settings_file.h"
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
namespace fs = std::filesystem;

int RecordCount(const std::string& path) {
    ConfigStore store(path, ConfigStore::Access::ReadOnly);
    int n = 0;
    store.ForEachRecord([&](const RecordHeader&, std::span<const uint8_t>) { ++n; });
    return n;
}

// Runs `check` in a child process; as root the child gives up its privileges (becomes
// nobody), so that a read-only file or folder means what it says.
bool AsUnprivilegedChild(const std::function<bool()>& check) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(SettingsClose, ADamagedFileIsKeptWholeAtAFreeNameBeforeAnythingIsWritten) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    // Good records first: the damage is reached only after them.
    const auto first = Join({Record("MAIN", "MACHINE", Le32(2)), Record("MAIN", "ROD", Le32(1)),
                             Record("X", "X", {}, 0), Record("Y", "Y", Le32(3))});
    WriteFileBytes(path, first);
    MachineSettings s;
    s.Tech = 42;
    SaveOutcome out = SaveSettingsFile(path, s, FontRecord{});
    EXPECT_TRUE(out.saved) << out.error;
    EXPECT_EQ(out.damaged_copy, path + ".damaged");
    EXPECT_EQ(FileBytes(path + ".damaged"), first);
    EXPECT_EQ(RecordCount(path), 14);

    const auto second = Join({Record("A", "A", Le32(1)), std::vector<uint8_t>(100, 0x55)});
    WriteFileBytes(path, second);
    out = SaveSettingsFile(path, s, FontRecord{});
    EXPECT_EQ(out.damaged_copy, path + ".damaged.1");
    EXPECT_EQ(FileBytes(path + ".damaged"), first);  // the earlier copy stays as it was
    EXPECT_EQ(FileBytes(path + ".damaged.1"), second);
    MachineSettings back;
    std::string error;
    ASSERT_TRUE(ReadSettingsFile(path, back, nullptr, error)) << error;
    EXPECT_EQ(back.Tech, 42);
}

TEST(SettingsClose, SettingsThatCannotBeWrittenAreStillReadAndTheReasonGiven) {
    TempDir dir;
    fs::permissions(dir.File(""), fs::perms::all);
    const std::string folder = dir.File("ro");
    fs::create_directory(folder);
    const std::string path = folder + "/Q417.INI";
    const auto file = Record("MAIN", "ROD", Le32(2));
    WriteFileBytes(path, file);
    ::chmod(path.c_str(), 0444);
    ::chmod(folder.c_str(), 0555);
    EXPECT_TRUE(AsUnprivilegedChild([&] {
        MachineSettings s;
        std::string error;
        const bool read = ReadSettingsFile(path, s, nullptr, error) && s.Rod == Work::Decipher;
        const SaveOutcome out = SaveSettingsFile(path, s, FontRecord{});
        return read && !out.saved &&
               out.error == "Cannot write file \"" + path + "\". Permission denied";
    }));
    // A first start in a folder that takes nothing: defaults, and the close says why.
    EXPECT_TRUE(AsUnprivilegedChild([&] {
        MachineSettings s;
        std::string error;
        const std::string missing = folder + "/none/Q417.INI";
        const SaveOutcome out = SaveSettingsFile(missing, s, FontRecord{});
        return ReadSettingsFile(missing, s, nullptr, error) && !out.saved &&
               out.error == "Cannot create file \"" + missing + "\". No such file or directory";
    }));
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(FileBytes(path), file);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(SettingsClose, TwoHundredThousandRecordsAreReadAndWrittenQuickly) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    std::vector<uint8_t> file;
    for (int i = 0; i < 200000; ++i) {
        const auto r = Record("Other", "K" + std::to_string(i), Le32(i));
        file.insert(file.end(), r.begin(), r.end());
    }
    WriteFileBytes(path, file);
    const auto start = std::chrono::steady_clock::now();
    MachineSettings s;
    std::string error;
    ASSERT_TRUE(ReadSettingsFile(path, s, nullptr, error)) << error;
    s.Tech = 9;
    const SaveOutcome out = SaveSettingsFile(path, s, FontRecord{});
    ASSERT_TRUE(out.saved) << out.error;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(RecordCount(path), 200014);
    ConfigStore store(path, ConfigStore::Access::ReadOnly);
    EXPECT_EQ(store.ReadInteger("Other", "K199999", -1), 199999);
    EXPECT_EQ(store.ReadInteger("Counter", "Tech", -1), 9);
}

// A close waits for another program's close to finish and then starts from what it wrote.
TEST(SettingsClose, OneProgramAtATimeWritesTheFile) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    auto held = std::make_unique<ConfigStore>(path);  // the other program, in its close
    const pid_t pid = ::fork();
    if (pid == 0) {
        // A forked child shares the parent's lock; the other program would not.
        for (int fd = 3; fd < 1024; ++fd) ::close(fd);
        MachineSettings s;
        s.Tech = 7;
        ::_exit(SaveSettingsFile(path, s, FontRecord{}).saved ? 0 : 1);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    held->WriteInteger("Other", "Kept", 5);
    held.reset();
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ConfigStore store(path, ConfigStore::Access::ReadOnly);
    EXPECT_EQ(store.ReadInteger("Other", "Kept", -1), 5);
    EXPECT_EQ(store.ReadInteger("Counter", "Tech", -1), 7);
    EXPECT_EQ(RecordCount(path), 15);
}

std::vector<std::string> Names(const std::string& path) {
    ConfigStore store(path, ConfigStore::Access::ReadOnly);
    std::vector<std::string> names;
    store.ForEachRecord([&](const RecordHeader& h, std::span<const uint8_t>) {
        names.push_back(h.Section + "/" + h.Key);
    });
    return names;
}

// Three windows started from one folder, closed one after another: each close writes only
// what its own window changed, so every change survives; of two windows that changed one
// setting, the one closed later wins. Records of other programs stay, and the machine's
// fourteen keep their order.
TEST(SettingsClose, SeveralProgramsSharingTheFileKeepEachOthersChanges) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    ConfigStore(path).WriteInteger("Other", "Kept", 5);
    SettingsAsRead read[3];
    std::string error;
    for (SettingsAsRead& r : read)
        ASSERT_TRUE(ReadSettingsFile(path, r.settings, &r.font, error)) << error;
    const FontRecord plain = read[0].font;

    MachineSettings first = read[0].settings;  // moves the mode lever, picks a font, types
    first.Rod = Work::Decipher;
    first.Tech = 1;
    FontRecord chosen = plain;
    chosen.Name = "Courier";
    chosen.Size = 12;
    EXPECT_TRUE(SaveSettingsFile(path, first, chosen, &read[0]).saved);
    MachineSettings second = read[1].settings;  // types three letters, later
    second.Tech = 3;
    EXPECT_TRUE(SaveSettingsFile(path, second, plain, &read[1]).saved);
    const SaveOutcome third = SaveSettingsFile(path, read[2].settings, plain, &read[2]);
    EXPECT_TRUE(third.saved && third.report.empty()) << third.report;

    MachineSettings back;
    FontRecord font;
    ASSERT_TRUE(ReadSettingsFile(path, back, &font, error)) << error;
    EXPECT_EQ(back.Rod, Work::Decipher);
    EXPECT_EQ(back.Tech, 3);
    EXPECT_EQ(font.Name, "Courier");
    EXPECT_EQ(font.Size, 12);
    EXPECT_EQ(ConfigStore(path, ConfigStore::Access::ReadOnly).ReadInteger("Other", "Kept", 0), 5);
    const std::vector<std::string> names = Names(path);
    ASSERT_EQ(names.size(), 15u);
    EXPECT_EQ(names[1], "MAIN/MACHINE");
    EXPECT_EQ(names[14], "Font/ALL");
    // Without what start-up read, a close writes all it holds, as one program alone does.
    EXPECT_TRUE(SaveSettingsFile(path, read[2].settings, plain).saved);
    ASSERT_TRUE(ReadSettingsFile(path, back, &font, error)) << error;
    EXPECT_EQ(back.Rod, read[2].settings.Rod);
    EXPECT_EQ(font, plain);
}

// A file whose last record is cut short would lose it on rewriting: it is kept whole aside,
// as a damaged one is, and the close says so.
TEST(SettingsClose, AFileEndingInsideARecordIsKeptAsideBeforeTheFreshOne) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    for (const auto& file : {Join({Record("MAIN", "ROD", Le32(1)), Record("A", "B", Le32(7))}),
                             Join({Record("MAIN", "ROD", Le32(1)), {0x12, 0x01, 0x02}})}) {
        std::vector<uint8_t> cut = file;
        if (cut.size() % 2 == 0) cut.resize(cut.size() - 2);  // the second record's data
        WriteFileBytes(path, cut);
        std::filesystem::remove(path + ".damaged");
        MachineSettings s;
        std::string error;
        ReadSettingsFile(path, s, nullptr, error);
        EXPECT_EQ(s.Rod, Work::Encipher);  // the records before the cut are read
        const SaveOutcome out = SaveSettingsFile(path, s, FontRecord{});
        EXPECT_TRUE(out.saved) << out.error;
        EXPECT_EQ(FileBytes(path + ".damaged"), cut);
        EXPECT_EQ(out.report, "The settings file \"" + path + "\" was damaged. It was kept as \"" +
                                  path + ".damaged\", and the settings were written to a fresh "
                                         "file.");
        EXPECT_EQ(RecordCount(path), 14);
    }
}

// Duplicates from elsewhere go in one pass: a file of 800,000 copies of one record (67 MB)
// closes in seconds, and a single record of the name is left.
TEST(SettingsClose, EightHundredThousandDuplicatesCloseInSeconds) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    const auto one = Record("MAIN", "ROD", Le32(2));
    std::vector<uint8_t> file;
    file.reserve(one.size() * 800000);
    for (int i = 0; i < 800000; ++i) file.insert(file.end(), one.begin(), one.end());
    WriteFileBytes(path, file);
    file.clear();
    file.shrink_to_fit();
    const auto start = std::chrono::steady_clock::now();
    SettingsAsRead read;
    std::string error;
    ASSERT_TRUE(ReadSettingsFile(path, read.settings, &read.font, error)) << error;
    EXPECT_EQ(read.settings.Rod, Work::Decipher);
    MachineSettings s = read.settings;
    s.Tech = 4;
    const SaveOutcome out = SaveSettingsFile(path, s, read.font, &read);
    ASSERT_TRUE(out.saved) << out.error;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(RecordCount(path), 14);
    ConfigStore store(path, ConfigStore::Access::ReadOnly);
    EXPECT_EQ(store.ReadInteger("MAIN", "ROD", 0), 2);
}

// The close tells only what was done, on a real full file system: a copy is named only once
// it is written, and a fresh file only once it is.
TEST(SettingsClose, TheCloseReportsOnlyWhatWasDoneOnAFullDisk) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
    TempDir dir;
    const std::string disk = dir.File("disk");
    fs::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no file system can be mounted here";
    const std::string full = disk + "/Q417.INI";
    for (const auto& [size, copied] : {std::pair{40000, false}, {30000, true}}) {
        const std::vector<uint8_t> damaged(size_t(size), 0x55);
        WriteFileBytes(full, damaged);
        const SaveOutcome out = SaveSettingsFile(full, MachineSettings{}, FontRecord{});
        EXPECT_FALSE(out.saved);
        EXPECT_EQ(out.damaged_copy.empty(), !copied) << out.report;
        EXPECT_NE(out.report.find(copied ? "could not be written to a fresh file"
                                         : "no copy of it could be made"),
                  std::string::npos)
            << out.report;
        EXPECT_NE(out.report.find("No space left on device"), std::string::npos) << out.report;
        EXPECT_EQ(FileBytes(full), damaged);
        EXPECT_EQ(fs::exists(full + ".damaged"), copied);
        if (copied) {
            EXPECT_EQ(FileBytes(full + ".damaged"), damaged);
        }
        fs::remove(full + ".damaged");
    }
    ::umount(disk.c_str());
}

// A link planted where the lock goes: the lock is never taken through it, and the message
// names the lock, not the settings file, which stays as it was.
TEST(SettingsClose, TheLocksOwnTroubleNamesTheLock) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    const auto file = Record("MAIN", "ROD", Le32(2));
    WriteFileBytes(path, file);
    fs::create_symlink(dir.File("elsewhere"), path + ".lock");
    const SaveOutcome out = SaveSettingsFile(path, MachineSettings{}, FontRecord{});
    EXPECT_FALSE(out.saved);
    EXPECT_EQ(out.report, "The settings could not be saved. Cannot take the settings file's lock \"" +
                              path + ".lock\". It is a link, and a lock is never taken through a "
                                     "link.");
    EXPECT_EQ(FileBytes(path), file);
    EXPECT_FALSE(fs::exists(dir.File("elsewhere")));
}

}  // namespace
}  // namespace q417
