#include "io/file_access.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>

#include "tests/support/temp_dir.h"

namespace q417 {
namespace {

namespace fs = std::filesystem;
using testing::Slurp;

// Runs `check` in a child process without root's privileges (as nobody when run as root), so
// that permissions mean what they say; the child's exit status is the result. Also the place
// for limits that must not touch the test process.
bool InChild(const std::function<bool()>& check, bool unprivileged) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class FileAccess : public ::testing::Test {
protected:
    void SetUp() override {
        fs::permissions(dir, fs::perms::all);  // the unprivileged child works here too
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir, fs::perms::all, ignored);  // so that the folder can go
    }
    std::string P(const std::string& name) const { return (dir / name).string(); }
    std::size_t Entries() const {
        return std::size_t(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }
    testing::TempDir temp;
    const fs::path dir = temp.Path();
};

TEST_F(FileAccess, ReplaceKeepsPermissionsAndLeavesNoTemporaryFile) {
    std::ofstream(P("a.key")) << "a much longer old content";
    ::chmod(P("a.key").c_str(), 0640);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(P("a.key"), "new", error)) << error;
    EXPECT_EQ(Slurp(P("a.key")), "new");
    struct stat info {};
    ::stat(P("a.key").c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(Entries(), 1u);

    ASSERT_TRUE(WriteFileAtomically(P("fresh.key"), "", error)) << error;
    EXPECT_TRUE(fs::is_regular_file(P("fresh.key")));
    EXPECT_EQ(fs::file_size(P("fresh.key")), 0u);
}

// A link planted where an old version put its temporary file, and links as the target.
TEST_F(FileAccess, LinksAreNeverWrittenThroughExceptTheTargetItself) {
    std::ofstream(P("victim")) << "victim";
    fs::create_symlink("victim", P("out.key.tmp~"));
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(P("out.key"), "key", error)) << error;
    EXPECT_EQ(Slurp(P("victim")), "victim");

    fs::create_directory(dir / "keys");
    std::ofstream(P("keys/real.key")) << "old";
    fs::create_symlink("keys/real.key", P("link.key"));
    ASSERT_TRUE(WriteFileAtomically(P("link.key"), "through", error)) << error;
    EXPECT_TRUE(fs::is_symlink(P("link.key")));
    EXPECT_EQ(Slurp(P("keys/real.key")), "through");

    // A dangling link would make a file wherever it points: refused, by the link's name.
    fs::create_symlink("keys/later.key", P("dangling.key"));
    EXPECT_FALSE(WriteFileAtomically(P("dangling.key"), "made", error));
    EXPECT_EQ(error.rfind("Cannot create file \"" + P("dangling.key") + "\". It is a link", 0), 0u)
        << error;
    EXPECT_TRUE(fs::is_symlink(P("dangling.key")));
    EXPECT_FALSE(fs::exists(P("keys/later.key")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "keys"), fs::directory_iterator()), 1);
}

// Links another user planted in a shared sticky folder (as /tmp) are not followed: not to an
// existing file of ours, and not to make a new one. The link's owner, or the folder's, is
// followed as the kernel follows them.
TEST_F(FileAccess, LinksPlantedByAnotherUserInASharedFolderAreNotFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "planting another user's link needs root";
    const fs::path shared = dir / "shared";
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 01777);
    std::ofstream(P("mine")) << "secret";
    const auto plant = [&](const std::string& name, const std::string& to, uid_t owner) {
        fs::create_symlink(to, shared / name);
        return ::lchown((shared / name).c_str(), owner, owner) == 0;
    };
    ASSERT_TRUE(plant("k.key", P("mine"), 65534));
    ASSERT_TRUE(plant("new.key", P("made-by-link"), 65534));
    std::string error;
    for (const char* name : {"k.key", "new.key"}) {
        const std::string path = (shared / name).string();
        EXPECT_FALSE(WriteFileAtomically(path, "key", error, 0600)) << name;
        EXPECT_EQ(error, "Cannot write file \"" + path +
                             "\". It is a link made by another user in a folder that every "
                             "user may write to, and such a link is not followed.");
    }
    EXPECT_EQ(Slurp(P("mine")), "secret");
    EXPECT_FALSE(fs::exists(P("made-by-link")));
    // The folder's owner made it: followed, the file it leads to is replaced.
    ASSERT_TRUE(plant("own.key", P("mine"), 0));
    EXPECT_TRUE(WriteFileAtomically((shared / "own.key").string(), "new", error)) << error;
    EXPECT_EQ(Slurp(P("mine")), "new");
    // A folder only its owner writes to: another user's link there is the owner's choice.
    fs::create_symlink("mine", P("theirs.key"));
    ASSERT_EQ(::lchown(P("theirs.key").c_str(), 65534, 65534), 0);
    EXPECT_TRUE(WriteFileAtomically(P("theirs.key"), "again", error)) << error;
    EXPECT_EQ(Slurp(P("mine")), "again");
}

// What a killed write left behind is cleared by the next write of the same file, and nothing
// else: not a temporary still being written (locked, or too fresh), not another file's, not
// a name of another form.
TEST_F(FileAccess, TemporariesOfAKilledWriteAreRemovedByTheNextWrite) {
    const auto make = [&](const std::string& name, int minutes_old) {
        std::ofstream(P(name)) << "left";
        const timespec when[2] = {{::time(nullptr) - 60 * minutes_old, 0},
                                  {::time(nullptr) - 60 * minutes_old, 0}};
        ::utimensat(AT_FDCWD, P(name).c_str(), when, 0);
    };
    make(".k.key.a1B2c3", 5);  // stale
    make(".k.key.Zz9Zz9", 0);  // just made
    make(".k.key.held00", 5);  // a writer still holds it
    make(".other.key.a1B2c3", 5);
    make(".k.key.a1B2c", 5);
    make("k.key.a1B2c3", 5);
    const int held = ::open(P(".k.key.held00").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    // Locks belong to the open file, so the holder must be another process to be seen.
    const pid_t holder = ::fork();
    if (holder == 0) {
        ::pause();
        ::_exit(0);
    }
    ::close(held);
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(P("k.key"), "new", error)) << error;
    EXPECT_FALSE(fs::exists(P(".k.key.a1B2c3")));
    for (const char* kept : {".k.key.Zz9Zz9", ".k.key.held00", ".other.key.a1B2c3", ".k.key.a1B2c",
                             "k.key.a1B2c3"})
        EXPECT_TRUE(fs::exists(P(kept))) << kept;
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    // Its writer gone, the held one goes with the next write.
    ASSERT_TRUE(WriteFileAtomically(P("k.key"), "newer", error)) << error;
    EXPECT_FALSE(fs::exists(P(".k.key.held00")));
}

TEST_F(FileAccess, StreamsAreWrittenIntoAndNeverReplaced) {
    ASSERT_EQ(::mkfifo(P("pipe").c_str(), 0644), 0);
    std::string error;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(WriteFileAtomically(P("pipe"), "x", error));  // nobody reads: no waiting
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(error, "Cannot write file \"" + P("pipe") + "\". No program reads from the pipe.");

    std::string received;
    std::thread reader([&] { received = Slurp(P("pipe")); });
    bool written = false;
    for (int tries = 0; tries < 200 && !written; ++tries) {  // until the reader has opened it
        written = WriteFileAtomically(P("pipe"), "into the pipe", error);
        if (!written) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    reader.join();
    EXPECT_TRUE(written) << error;
    EXPECT_EQ(received, "into the pipe");
    EXPECT_TRUE(fs::is_fifo(P("pipe")));

    // A full device, reached through a link that must stay a link.
    fs::create_symlink("/dev/full", P("full"));
    EXPECT_FALSE(WriteFileAtomically(P("full"), "x", error));
    EXPECT_EQ(error, "Cannot write file \"" + P("full") + "\". No space left on device");
    EXPECT_TRUE(fs::is_symlink(P("full")));

    // An open file whose name is gone: its /proc link leads nowhere a new file may go.
    const int fd = ::open(P("gone").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ::unlink(P("gone").c_str());
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    EXPECT_FALSE(WriteFileAtomically(proc, "x", error));
    EXPECT_EQ(error,
              "Cannot write file \"" + proc + "\". It has no name in any folder (a deleted file).");
    ::close(fd);

    fs::create_directory(dir / "folder");
    EXPECT_FALSE(WriteFileAtomically(P("folder"), "x", error));
    EXPECT_EQ(error, "Cannot write file \"" + P("folder") + "\". Is a directory");
    EXPECT_TRUE(fs::is_directory(P("folder")));
}

TEST_F(FileAccess, FailuresLeaveTheOldFileAndNothingElse) {
    std::ofstream(P("old.txt")) << "old content";
    std::string error;
    // A disk that fills up: the file size limit fails the write part-way.
    EXPECT_TRUE(InChild(
        [&] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{4, 4};
            ::setrlimit(RLIMIT_FSIZE, &small);
            std::string e;
            return !WriteFileAtomically(P("old.txt"), "much more than four bytes", e) &&
                   e == "Cannot write file \"" + P("old.txt") + "\". File too large";
        },
        false));
    EXPECT_EQ(Slurp(P("old.txt")), "old content");
    EXPECT_EQ(Entries(), 1u);

    EXPECT_FALSE(WriteFileAtomically(P("no/such/folder/x.key"), "x", error));
    EXPECT_EQ(error, "Cannot create file \"" + P("no/such/folder/x.key") +
                         "\". No such file or directory");
}

TEST_F(FileAccess, ReadOnlyFilesAndFoldersAreRefused) {
    fs::create_directory(dir / "ro");
    std::ofstream(P("ro/in.key")) << "kept";
    std::ofstream(P("locked.key")) << "kept";
    ::chmod(P("ro/in.key").c_str(), 0666);  // the file may be written, its folder not
    ::chmod(P("locked.key").c_str(), 0444);
    ::chmod(P("ro").c_str(), 0555);
    EXPECT_TRUE(InChild(
        [&] {
            std::string e1, e2, e3, bytes;
            return !WriteFileAtomically(P("ro/in.key"), "x", e1) &&
                   e1 == "Cannot write file \"" + P("ro/in.key") +
                             "\". No new file can be made in its folder (Permission denied)." &&
                   !WriteFileAtomically(P("ro/new.key"), "x", e2) &&
                   e2 == "Cannot create file \"" + P("ro/new.key") +
                             "\". No new file can be made in its folder (Permission denied)." &&
                   // The folder would allow a rename; the file's own permission says no.
                   !WriteFileAtomically(P("locked.key"), "x", e3) &&
                   e3 == "Cannot write file \"" + P("locked.key") + "\". Permission denied" &&
                   ReadWholeFile(P("locked.key"), 100, bytes, e3) && bytes == "kept";
        },
        true));
    EXPECT_EQ(Slurp(P("ro/in.key")), "kept");
    EXPECT_EQ(Slurp(P("locked.key")), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "ro"), fs::directory_iterator()), 1);
}

TEST_F(FileAccess, ReadingTakesRegularFilesOnlyAndNeverWaits) {
    std::string bytes, error;
    ASSERT_EQ(::mkfifo(P("pipe").c_str(), 0644), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ReadWholeFile(P("pipe"), 100, bytes, error));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(error, "Cannot open file \"" + P("pipe") +
                         "\". It is not a regular file (a pipe, a device or a socket)");
    EXPECT_FALSE(ReadFileStart("/dev/zero", 80, bytes, error));
    EXPECT_FALSE(ReadWholeFile(dir.string(), 100, bytes, error));
    EXPECT_EQ(error, "Cannot open file \"" + dir.string() + "\". Is a directory");
    EXPECT_FALSE(ReadWholeFile(P("missing"), 100, bytes, error));
    EXPECT_EQ(error, "Cannot open file \"" + P("missing") + "\". No such file or directory");

    std::ofstream(P("ten")) << "0123456789";
    EXPECT_TRUE(ReadWholeFile(P("ten"), 10, bytes, error));
    EXPECT_EQ(bytes, "0123456789");
    EXPECT_FALSE(ReadWholeFile(P("ten"), 9, bytes, error));
    EXPECT_EQ(error, "Cannot read file \"" + P("ten") + "\". File too large");
    EXPECT_TRUE(bytes.empty());
    EXPECT_TRUE(ReadFileStart(P("ten"), 4, bytes, error));
    EXPECT_EQ(bytes, "0123");
    EXPECT_TRUE(ReadFileStart(P("ten"), 80, bytes, error));
    EXPECT_EQ(bytes, "0123456789");
}

}  // namespace
}  // namespace q417
