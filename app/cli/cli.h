#pragma once
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace q417 {
class Machine;
class TextFeed;
}  // namespace q417

namespace q417::cli {

// A bad option or value: one line on standard error and exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// A file that cannot be read or makes no sense: a message naming it and exit status 1.
struct FailedError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class Encoding { Utf8, Cp1251 };

struct FeedOptions {
    std::optional<std::string> key_file, config_file, text_file;
    std::optional<std::vector<int32_t>> positions;
    std::optional<int32_t> machine, module, plug, rod, serie, layout, wheel, language, mode;
    bool divider = false;
    bool show_state = false;
    Encoding encoding = Encoding::Utf8;
};

FeedOptions ParseFeedOptions(const std::vector<std::string>& args);

// The machine as feed starts it: settings from the options (sound off), start-up, the key
// file and the starting positions.
void PrepareMachine(const FeedOptions& o, Machine& m);
// Types the text loaded into `feed` as the window's start key does, again after every
// asterisk stop, until the text is used up.
void TypeLoadedText(Machine& m, TextFeed& feed);
// The final positions and the key-press count on standard error (--show-state).
void ShowState(const Machine& m);

int RunFeed(const std::vector<std::string>& args);
int RunTrace(const std::vector<std::string>& args);
int RunKeygen(const std::vector<std::string>& args);
int RunConfig(const std::vector<std::string>& args);

// The whole of a file, or of standard input for "-" or no name.
std::string ReadAll(const std::optional<std::string>& path);

extern const char* const kUsage;

}  // namespace q417::cli
