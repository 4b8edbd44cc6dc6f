#include "io/file_access.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <ctime>
#include <cstring>
#include <vector>

namespace q417 {

namespace {

constexpr int kMostLinks = 40;  // as many as the kernel follows in one path
constexpr time_t kStaleAfterSeconds = 60;
constexpr std::string_view kNotRegular = "It is not a regular file (a pipe, a device or a socket)";

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Why the link at `link` (described by `info`) is not to be followed, or empty. In a folder
// that every user may write to and that keeps each user's files to their owner (sticky, as
// /tmp), anyone can plant a link under a name another user is about to write. The kernel
// follows such a link only for its owner or the folder's owner (fs.protected_symlinks); the
// links followed here by hand keep the same rule, whatever that setting says.
std::string LinkRefusal(const std::string& link, const struct stat& info) {
    struct stat folder {};
    if (::stat(FolderOf(link).c_str(), &folder) != 0) return {};
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    if (!shared || info.st_uid == ::geteuid() || info.st_uid == folder.st_uid) return {};
    return "It is a link made by another user in a folder that every user may write to, "
           "and such a link is not followed.";
}

// The name that is finally written when `path` is a link (or a chain of them): each link's
// target, taken relative to the link's own folder. `exists` is false when nothing is there
// yet (also at the end of a dangling link); otherwise `info` describes what is there. A link
// that must not be followed stops the walk with EACCES and the reason in `refusal`.
int FollowLinks(std::string& path, bool& exists, struct stat& info, std::string& refusal) {
    for (int links = 0; links <= kMostLinks; ++links) {
        if (::lstat(path.c_str(), &info) != 0) {
            if (errno != ENOENT) return errno;
            exists = false;
            return 0;
        }
        if (!S_ISLNK(info.st_mode)) {
            exists = true;
            return 0;
        }
        refusal = LinkRefusal(path, info);
        if (!refusal.empty()) return EACCES;
        // Not st_size: the links of /proc report a size that is not their target's length.
        std::vector<char> target(PATH_MAX + 1);
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0) return errno;
        if (std::size_t(n) >= target.size()) return ENAMETOOLONG;
        std::string next(target.data(), std::size_t(n));
        path = next.front() == '/' ? next : FolderOf(path) + "/" + next;
    }
    return ELOOP;
}

mode_t NewFileMode(unsigned mode) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mode_t(mode) & 0777 & ~mask;
}

// The temporaries a write makes beside its target: "." NAME "." and six letters or digits.
bool IsTemporaryOf(std::string_view entry, std::string_view name) {
    if (entry.size() != name.size() + 8 || entry[0] != '.' || entry.substr(1, name.size()) != name ||
        entry[name.size() + 1] != '.')
        return false;
    for (const char c : entry.substr(name.size() + 2))
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

// A write that was killed between making its temporary and renaming it leaves the temporary
// behind, hidden beside the target. The next write of the same file removes such leftovers,
// and only what is surely one: a name of exactly that form, a regular file of this user with
// no other name, untouched for a minute, and held by no writer. Every writer holds a lock on
// its temporary from the moment it is made until it has been renamed, and the kernel drops
// that lock when the writer dies, so a lock that can be had means the writer is gone; the
// minute covers the instant between making the temporary and locking it.
void RemoveStaleTemporaries(const std::string& folder, const std::string& name) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const int dir_fd = ::dirfd(dir);
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryOf(entry->d_name, name)) continue;
        const int fd = ::openat(dir_fd, entry->d_name,
                                O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat info {}, again {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
            info.st_nlink == 1 && now - info.st_mtime > kStaleAfterSeconds &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(dir_fd, entry->d_name, &again, AT_SYMLINK_NOFOLLOW) == 0 &&
            again.st_dev == info.st_dev && again.st_ino == info.st_ino)
            ::unlinkat(dir_fd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(dir);
}

// A reader that goes away while a pipe is written would end the whole program with SIGPIPE;
// held back, the write fails with EPIPE instead, and a signal it raised is taken away again.
class SigpipeHeld {
public:
    SigpipeHeld() {
        sigset_t pipe_only;
        sigemptyset(&pipe_only);
        sigaddset(&pipe_only, SIGPIPE);
        sigpending(&pending_before_);
        pthread_sigmask(SIG_BLOCK, &pipe_only, &old_);
    }
    ~SigpipeHeld() {
        sigset_t pending;
        sigpending(&pending);
        if (sigismember(&pending, SIGPIPE) && !sigismember(&pending_before_, SIGPIPE)) {
            sigset_t pipe_only;
            sigemptyset(&pipe_only);
            sigaddset(&pipe_only, SIGPIPE);
            const timespec now{0, 0};
            sigtimedwait(&pipe_only, nullptr, &now);
        }
        pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }

private:
    sigset_t old_{}, pending_before_{};
};

// A pipe, a terminal or a device takes the bytes as they come; it is never replaced. A pipe
// that no program reads from is refused at once instead of waited on.
int WriteIntoStream(const std::string& target, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno;
    const SigpipeHeld held;
    int err = WriteAll(fd, bytes) ? 0 : errno;
    if (::close(fd) != 0 && err == 0 && errno != EINTR) err = errno;
    return err;
}

// The old file's owner and permissions for the new one. Taking the owner needs privilege;
// without it the set-id bits are dropped rather than given to a file of another owner.
int CopyOwnerAndMode(int fd, const struct stat& old) {
    mode_t mode = old.st_mode & 07777;
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0)
        mode &= ~mode_t(S_ISUID | S_ISGID);
    return ::fchmod(fd, mode) == 0 ? 0 : errno;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // best effort: the rename is already done
    ::close(fd);
}

int ReplaceRegular(const std::string& target, bool exists, const struct stat& info,
                   std::string_view bytes, unsigned new_mode, bool& no_temp) {
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return errno;
    const std::string folder = FolderOf(target);
    RemoveStaleTemporaries(folder, NameOf(target));
    // mkostemp creates with O_CREAT | O_EXCL: a name that exists, a link included, is never
    // opened, so nothing planted beside the target can be written through.
    std::string temp = folder + "/." + NameOf(target) + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    no_temp = fd < 0;
    if (fd < 0) return errno;
    // Held until the temporary has its final name: see RemoveStaleTemporaries. A file system
    // without locks leaves only the minute to protect it.
    ::flock(fd, LOCK_EX | LOCK_NB);
    int err = exists ? CopyOwnerAndMode(fd, info)
                     : (::fchmod(fd, NewFileMode(new_mode)) ? errno : 0);
    if (err == 0 && !WriteAll(fd, bytes)) err = errno ? errno : EIO;
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0) ::unlink(temp.c_str());
    // The bytes are on disk already (fsync): closing can no longer lose them.
    ::close(fd);
    if (err != 0) return err;
    SyncFolder(folder);
    return 0;
}

}  // namespace

std::string FileError(std::string_view verb, const std::string& path, std::string_view reason) {
    std::string message = "Cannot ";
    message.append(verb).append(" file \"").append(path).append("\". ").append(reason);
    return message;
}

std::string FileErrorNo(std::string_view verb, const std::string& path, int error) {
    return FileError(verb, path, std::strerror(error));
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error,
                         unsigned new_file_mode) {
    if (path.empty()) {
        error = FileErrorNo("create", path, ENOENT);
        return false;
    }
    // The links are looked at before anything is opened through them.
    std::string target = path;
    bool exists = false;
    struct stat info {};
    std::string refusal;
    int err = FollowLinks(target, exists, info, refusal);
    if (!refusal.empty()) {
        error = FileError("write", path, refusal);
        return false;
    }
    // What the name finally leads to decides. /dev/stdout and the like lead through links of
    // /proc that name no file, so a stream is opened by its own name.
    struct stat seen_info {};
    const bool seen = ::stat(path.c_str(), &seen_info) == 0;
    if (seen && !S_ISREG(seen_info.st_mode)) {
        err = S_ISDIR(seen_info.st_mode) ? EISDIR : WriteIntoStream(path, bytes);
        if (err == 0) return true;
        error = S_ISFIFO(seen_info.st_mode) && err == ENXIO
                    ? FileError("write", path, "No program reads from the pipe.")
                    : FileErrorNo("write", path, err);
        return false;
    }
    if (err == 0 && seen && !exists) {
        // A link of /proc to a deleted or in-memory file names nothing a replacement could
        // take; following it would make a new file somewhere else.
        error = FileError("write", path, "It has no name in any folder (a deleted file).");
        return false;
    }
    if (err == 0 && !exists && target != path) {
        // A new file would appear wherever the link points, perhaps where nobody looks.
        error = FileError("create", path,
                          "It is a link to \"" + target +
                              "\", which does not exist, and no file is made through a link.");
        return false;
    }
    bool no_temp = false;
    if (err == 0)
        err = exists && !S_ISREG(info.st_mode)
                  ? EINVAL
                  : ReplaceRegular(target, exists, info, bytes, new_file_mode, no_temp);
    if (err == 0) return true;
    struct stat folder {};
    if (no_temp && ::stat(FolderOf(target).c_str(), &folder) == 0)
        // The folder is there, and the file itself may well be writable; what failed is
        // making a file beside it (a read-only folder, or one like /proc that takes none).
        error = FileError(
            exists ? "write" : "create", path,
            "No new file can be made in its folder (" + std::string(std::strerror(err)) + ").");
    else
        error = FileErrorNo(exists ? "write" : "create", path, err);
    return false;
}

int WriteNewFile(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    int err = WriteAll(fd, bytes) && ::fsync(fd) == 0 ? 0 : errno;
    if (::close(fd) != 0 && err == 0 && errno != EINTR) err = errno;
    if (err != 0) ::unlink(path.c_str());
    return err;
}

int OpenRegularFile(const std::string& path, std::string& error) {
    // Non-blocking, so that opening a pipe nobody writes to cannot stall the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = FileErrorNo("open", path, errno);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int err = errno;
        const bool folder = S_ISDIR(info.st_mode);
        ::close(fd);
        error = folder         ? FileErrorNo("open", path, EISDIR)
                : info.st_mode ? FileError("open", path, kNotRegular)
                               : FileErrorNo("open", path, err);
        return -1;
    }
    return fd;
}

namespace {

// Reads from the descriptor to its end (whole: refused with EFBIG when more than `limit`
// bytes come), or only its first `limit` bytes. Returns 0 or the errno value.
int ReadFrom(int fd, std::size_t limit, bool whole, std::string& bytes) {
    struct stat info {};
    int err = ::fstat(fd, &info) == 0 ? 0 : errno;
    if (err == 0 && whole && S_ISREG(info.st_mode) && std::size_t(info.st_size) > limit)
        err = EFBIG;
    if (err == 0 && whole && S_ISREG(info.st_mode)) bytes.reserve(std::size_t(info.st_size));
    char buffer[1 << 16];
    while (err == 0 && bytes.size() <= limit) {
        const std::size_t want =
            whole ? sizeof buffer : std::min(sizeof buffer, limit - bytes.size());
        if (want == 0) break;
        const long n = ReadSome(fd, buffer, want);
        if (n < 0) err = errno;
        if (n <= 0) break;
        bytes.append(buffer, std::size_t(n));
        if (whole && bytes.size() > limit) err = EFBIG;  // it grew while being read
    }
    return err;
}

std::string SizeText(std::size_t bytes) {
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
    if (bytes >= 1024 && bytes % 1024 == 0) return std::to_string(bytes >> 10) + " KiB";
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

// The message of a failed read; one over the limit says the limit when it is known what the
// file was read as.
std::string ReadError(const std::string& name, int err, std::size_t limit, std::string_view what) {
    if (err != EFBIG || what.empty()) return FileErrorNo("read", name, err);
    return FileError("read", name,
                     "It is larger than " + SizeText(limit) + ", the largest " +
                         std::string(what) + " that is read.");
}

bool ReadUpTo(const std::string& path, std::size_t limit, bool whole, std::string& bytes,
              std::string& error, std::string_view what = {}) {
    bytes.clear();
    const int fd = OpenRegularFile(path, error);
    if (fd < 0) return false;
    const int err = ReadFrom(fd, limit, whole, bytes);
    ::close(fd);
    if (err == 0) return true;
    bytes.clear();
    error = ReadError(path, err, limit, what);
    return false;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::size_t limit, std::string& bytes,
                   std::string& error, std::string_view what) {
    return ReadUpTo(path, limit, true, bytes, error, what);
}

bool ReadWholeStream(int fd, const std::string& name, std::size_t limit, std::string_view what,
                     std::string& bytes, std::string& error) {
    bytes.clear();
    const int err = ReadFrom(fd, limit, true, bytes);
    if (err == 0) return true;
    bytes.clear();
    error = ReadError(name, err, limit, what);
    return false;
}

bool ReadFileStart(const std::string& path, std::size_t count, std::string& bytes,
                   std::string& error) {
    return ReadUpTo(path, count, false, bytes, error);
}

long ReadSome(int fd, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, buffer, size);
        if (n >= 0) return long(n);
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, -1) < 0 && errno != EINTR) return -1;
            continue;
        }
        return -1;
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            pollfd p{fd, POLLOUT, 0};
            if (::poll(&p, 1, -1) < 0 && errno != EINTR) return false;
            continue;
        }
        if (n < 0) return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

}  // namespace q417
