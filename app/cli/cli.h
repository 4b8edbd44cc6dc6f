#pragma once
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

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

int RunFeed(const std::vector<std::string>& args);
int RunKeygen(const std::vector<std::string>& args);
int RunConfig(const std::vector<std::string>& args);

// The whole of a file, or of standard input for "-" or no name.
std::string ReadAll(const std::optional<std::string>& path);

extern const char* const kUsage;

}  // namespace q417::cli
