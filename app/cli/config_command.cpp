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
    if (!DescribeSettingsFile(args[0], lines, error))
        // A message from the file layer names the file already.
        throw FailedError(error.rfind("Cannot ", 0) == 0
                              ? error
                              : "cannot read settings file \"" + args[0] + "\": " + error);
    for (const std::string& line : lines) WriteOutput(line + "\n");
    return 0;
}

}  // namespace q417::cli
