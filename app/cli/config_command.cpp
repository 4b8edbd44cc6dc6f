#include <string>

#include "app/cli/cli.h"
#include "app/settings_file.h"

namespace q417::cli {

// Every record of a settings file, one per line: section, key, type, value.
int RunConfig(const std::vector<std::string>& args) {
    if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-'))
        throw UsageError("config takes one settings file");
    std::vector<std::string> lines;
    std::string error;
    std::size_t damage_at = 0;
    const bool whole = DescribeSettingsFile(args[0], lines, error, &damage_at);
    // What could be read comes first, as the window too uses the records before the damage.
    for (const std::string& line : lines) WriteOutput(line + "\n");
    if (whole) return 0;
    // A message from the file layer names the file already.
    if (error.rfind("Cannot ", 0) == 0) throw FailedError(error);
    const std::size_t n = lines.size();
    throw FailedError("settings file \"" + args[0] + "\" is damaged: record " +
                      std::to_string(n + 1) + ", at byte " + std::to_string(damage_at) +
                      ", has no valid header (" + error + "), so nothing after it can be read; " +
                      (n == 0 ? std::string("no record comes before it")
                              : n == 1 ? std::string("the one record before it is listed")
                                       : "the " + std::to_string(n) +
                                             " records before it are listed"));
}

}  // namespace q417::cli
