#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/machine_session.h"
#include "io/feed.h"

namespace q417::cli {

// A bad option or value: one line on standard error and exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A file that cannot be read or makes no sense: a message naming it and exit status 1.
struct FailedError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Auto reads the text by the window's rule (DecodeTextFile): UTF-16 after its byte-order
// mark, UTF-8 when it is well-formed UTF-8, otherwise Windows-1251. The others force one.
enum class Encoding { Auto, Utf8, Cp1251 };

struct FeedOptions {
    std::optional<std::string> key_file, config_file, text_file;
    // A machine state file to start from, and one to write once the text is fed.
    std::optional<std::string> state_file, save_state_file;
    std::optional<std::vector<int32_t>> positions;
    std::optional<Model> machine;
    std::optional<AlphabetModule> module;
    std::optional<AlphabetPlug> plug;
    std::optional<Work> rod;
    std::optional<RotorSeries> serie;
    std::optional<KeyboardLayout> layout;
    std::optional<PrintWheel> wheel;
    std::optional<WheelHalf> language;
    std::optional<RegisterMode> mode;
    bool divider = false;
    bool show_state = false;
    Encoding encoding = Encoding::Auto;
};

FeedOptions ParseFeedOptions(const std::vector<std::string>& args);

// The machine session as feed starts it: settings from the options (sound off), the
// window's start-up, the key file through the window's "load key", the starting positions.
void PrepareSession(const FeedOptions& o, MachineSession& session);
// The final positions and the key-press count on standard error (--show-state).
void ShowState(const Machine& m);

int RunFeed(const std::vector<std::string>& args);
int RunTrace(const std::vector<std::string>& args);
int RunKeygen(const std::vector<std::string>& args);
int RunConfig(const std::vector<std::string>& args);

// The text to feed: a regular file, or standard input for "-" or no name (there a pipe, a
// terminal or a device is welcome). Throws FailedError naming a file that cannot be opened.
class TextInput {
public:
    explicit TextInput(const std::optional<std::string>& path);
    ~TextInput();
    TextInput(const TextInput&) = delete;
    TextInput& operator=(const TextInput&) = delete;

    int fd = -1;
    std::string name;

private:
    bool owned_ = false;
};

// With a machine state to start from or to save, the text is read whole and fed through the
// session's loaded text, as the window's text panel loads and feeds it, so that the texts
// and the feed in the saved state are those the window would save. Returns the output text
// the feed added; `--save-state` is written after it.
std::string FeedWholeText(const FeedOptions& o, const TextInput& input, MachineSession& session);
void SaveStateIfAsked(const FeedOptions& o, const MachineSession& session);

// Reads the input piece by piece, decodes it and types it into the machine through `feed`,
// then finishes the text; `piece_done` runs after every piece, so that what the machine
// printed can be written out as it comes. With a forced encoding memory stays the same
// whatever the text's length; Auto must see the whole text first and takes at most
// kLargestTextFile bytes, as the window does. Throws FailedError on a read error, a text over
// that limit or one not valid in the forced encoding.
void FeedInput(const TextInput& input, Encoding encoding, MachineSession& session,
               const std::function<void()>& piece_done);

// Standard output, every write checked: a failure throws FailedError with the reason.
void WriteOutput(std::string_view bytes);
// Flushes and closes standard output; a failure there (a full disk) throws FailedError.
void CloseOutput();

extern const char* const kUsage;

}  // namespace q417::cli
