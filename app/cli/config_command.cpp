#include <string>

#include "app/cli/cli.h"
#include "app/cli/cli_text.h"
#include "app/settings_file.h"

namespace q417::cli {

// Every record of a settings file, one per line: section, key, type, value.
int RunConfig(const std::vector<std::string>& args) {
    if (args.size() != 1 || (args[0].size() > 1 && args[0][0] == '-'))
        throw UsageError(Tr("config takes one settings file"));
    std::vector<std::string> lines;
    ConfigFailure error;
    std::size_t damage_at = 0;
    const bool whole = DescribeSettingsFile(args[0], lines, error, &damage_at);
    // What could be read comes first, as the window too uses the records before the damage.
    for (const std::string& line : lines) WriteOutput(line + "\n");
    if (whole) return 0;
    // A file that could not be read is named by the file layer's message already.
    if (error.kind == ConfigFault::FileAccess) throw FailedError(error.message);
    const std::size_t n = lines.size();
    const std::string before =
        n == 0 ? std::string(Tr("no record comes before it"))
               : FillCount("the one record before it is listed",
                           "the %1 records before it are listed", n, {std::to_string(n)});
    throw FailedError(
        Fill("settings file \"%1\" is damaged: record %2, at byte %3, has no valid "
             "header (%4), so nothing after it can be read; %5",
             {args[0], std::to_string(n + 1), std::to_string(damage_at), error.message, before}));
}

}  // namespace q417::cli
