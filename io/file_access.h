#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Every file the program reads or writes (keys, texts, the settings file, the command line's
// input and output) goes through these few functions, so that each of them is safe the same
// way: nothing half-written, no link followed into a stranger's file, no hang on a pipe or a
// device, and a message that names the file and gives the system's reason.
namespace q417 {

// "Cannot <verb> file "<path>". <reason>", the one form of every file message.
std::string FileError(std::string_view verb, const std::string& path, std::string_view reason);
// The same with the system's text for an errno value.
std::string FileErrorNo(std::string_view verb, const std::string& path, int error);

// Replaces a file's whole content, so that it is either wholly written or left as it was. The
// bytes go to a new file of a unique name created in the target's folder (never an existing
// name, never through a link), which takes the old file's permissions and, where allowed, its
// owner, is flushed to disk and then renamed over the target. A link as target: the file it
// leads to is replaced and the link stays. An existing target that is not a regular file (a
// pipe, a terminal, a device) is written into as it is and never replaced; a folder is refused.
// A file that may not be written (read-only) is refused even where its folder would allow a
// rename. On failure nothing is left behind and `error` says why. A new file is made with
// `new_file_mode` (less the umask); an existing one keeps its mode. Links are followed only
// where the kernel would follow them for this user (never one planted by another user in a
// sticky folder that every user may write to), and no file is made through a dangling link.
// Temporaries that a killed write left beside the target are removed.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error,
                         unsigned new_file_mode = 0666);

// Creates a file that does not exist yet (never through a link) and writes every byte to
// disk. Returns 0, or the errno value (EEXIST when the name is taken).
int WriteNewFile(const std::string& path, std::string_view bytes);

// Opens a regular file for reading without ever waiting: a pipe, a device or a folder is
// refused at once. Returns the descriptor, or -1 with the message in `error`.
int OpenRegularFile(const std::string& path, std::string& error);

// Reads a whole regular file of at most `limit` bytes (larger ones are refused, also when they
// grow while being read). Given `what` the file is read as ("text file"), the message for a
// larger file names the limit.
bool ReadWholeFile(const std::string& path, std::size_t limit, std::string& bytes,
                   std::string& error, std::string_view what = {});

// The same for what an open descriptor (a pipe, standard input) gives up to its end, `name`
// naming it in the message.
bool ReadWholeStream(int fd, const std::string& name, std::size_t limit, std::string_view what,
                     std::string& bytes, std::string& error);

// Reads at most the first `count` bytes of a regular file (fewer when it is shorter).
bool ReadFileStart(const std::string& path, std::size_t count, std::string& bytes,
                   std::string& error);

// Reads what the descriptor has, up to `size` bytes; waits for a pipe or a terminal. Returns
// the count (0 at the end), or -1 with errno set. Interrupted reads are repeated.
long ReadSome(int fd, char* buffer, std::size_t size);

// Writes every byte or fails: short writes are continued, interrupted ones repeated, and a
// descriptor that would block is waited for. False with errno set.
bool WriteAll(int fd, std::string_view bytes);

}  // namespace q417
