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
    std::string error;
    std::size_t damage_at = 0;
    const bool whole = DescribeSettingsFile(args[0], lines, error, &damage_at);
    // What could be read comes first, as the window too uses the records before the damage.
    for (const std::string& line : lines) WriteOutput(line + "\n");
    if (whole) return 0;
    // A message from the file layer names the file already.
    if (error.rfind("Cannot ", 0) == 0) throw FailedError(error);
    const std::size_t n = lines.size();
    const std::string before =
        n == 0 ? std::string(Tr("no record comes before it"))
               : FillCount("the one record before it is listed",
                           "the %1 records before it are listed", n, {std::to_string(n)});
    throw FailedError(Fill("settings file \"%1\" is damaged: record %2, at byte %3, has no valid "
                           "header (%4), so nothing after it can be read; %5",
                           {args[0], std::to_string(n + 1), std::to_string(damage_at), error,
                            before}));
}

}  // namespace q417::cli
