#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "app/config_store.h"
#include "app/settings_file.h"
#include "tests/app/record_bytes.h"
#include "tests/app/temp_dir.h"

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
        const bool read = ReadSettingsFile(path, s, nullptr, error) && s.Rod == 2;
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

}  // namespace
}  // namespace q417
