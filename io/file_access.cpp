#include "io/file_access.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

namespace q417 {

namespace {

constexpr int kMostLinks = 40;  // as many as the kernel follows in one path
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

// The name that is finally written when `path` is a link (or a chain of them): each link's
// target, taken relative to the link's own folder. `exists` is false when nothing is there
// yet (also at the end of a dangling link); otherwise `info` describes what is there.
int FollowLinks(std::string& path, bool& exists, struct stat& info) {
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

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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
                   std::string_view bytes, bool& no_temp) {
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return errno;
    const std::string folder = FolderOf(target);
    // mkostemp creates with O_CREAT | O_EXCL: a name that exists, a link included, is never
    // opened, so nothing planted beside the target can be written through.
    std::string temp = folder + "/." + NameOf(target) + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    no_temp = fd < 0;
    if (fd < 0) return errno;
    int err = exists ? CopyOwnerAndMode(fd, info) : (::fchmod(fd, NewFileMode()) ? errno : 0);
    if (err == 0 && !WriteAll(fd, bytes)) err = errno ? errno : EIO;
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0 && errno != EINTR) err = errno;
    if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        return err;
    }
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

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error) {
    if (path.empty()) {
        error = FileErrorNo("create", path, ENOENT);
        return false;
    }
    // What the name finally leads to decides. /dev/stdout and the like lead through links of
    // /proc that name no file, so a stream is opened by its own name.
    struct stat info {};
    const bool seen = ::stat(path.c_str(), &info) == 0;
    if (seen && !S_ISREG(info.st_mode)) {
        const int err = S_ISDIR(info.st_mode) ? EISDIR : WriteIntoStream(path, bytes);
        if (err == 0) return true;
        error = S_ISFIFO(info.st_mode) && err == ENXIO
                    ? FileError("write", path, "No program reads from the pipe.")
                    : FileErrorNo("write", path, err);
        return false;
    }
    std::string target = path;
    bool exists = false;
    int err = FollowLinks(target, exists, info);
    if (err == 0 && seen && !exists) {
        // A link of /proc to a deleted or in-memory file names nothing a replacement could
        // take; following it would make a new file somewhere else.
        error = FileError("write", path, "It has no name in any folder (a deleted file).");
        return false;
    }
    bool no_temp = false;
    if (err == 0)
        err = exists && !S_ISREG(info.st_mode)
                  ? EINVAL
                  : ReplaceRegular(target, exists, info, bytes, no_temp);
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

// Reads a regular file to its end (whole: refused when larger than `limit`), or only its
// first `limit` bytes.
bool ReadUpTo(const std::string& path, std::size_t limit, bool whole, std::string& bytes,
              std::string& error) {
    bytes.clear();
    const int fd = OpenRegularFile(path, error);
    if (fd < 0) return false;
    struct stat info {};
    int err = ::fstat(fd, &info) == 0 ? 0 : errno;
    if (err == 0 && whole && std::size_t(info.st_size) > limit) err = EFBIG;
    if (err == 0 && whole) bytes.reserve(std::size_t(info.st_size));
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
    ::close(fd);
    if (err == 0) return true;
    bytes.clear();
    error = FileErrorNo("read", path, err);
    return false;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::size_t limit, std::string& bytes,
                   std::string& error) {
    return ReadUpTo(path, limit, true, bytes, error);
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
