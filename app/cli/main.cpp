#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "app/cli/cli.h"
#include "app/cli/cli_text.h"

namespace q417::cli {

const char* const kUsage = TrLater(
    "usage: q417-cli feed [options] [TEXTFILE]\n"
    "       q417-cli trace [options] [TEXTFILE]\n"
    "       q417-cli keygen [--seed N] --output FILE\n"
    "       q417-cli config FILE\n"
    "       q417-cli --help\n"
    "\n"
    "feed: types TEXTFILE (standard input without it) into the Q417 as the window's start key\n"
    "does, restarting after every asterisk stop, and writes the output text to standard output.\n"
    "  --key FILE            card and key table from an 80-byte key file (rotors at their body\n"
    "                        numbers); default the diagonal card and the basic key\n"
    "  --positions P1,...,P10  starting positions 1..30 of slots 1 to 10\n"
    "  --config FILE         settings from a Q417.INI settings file (options below override)\n"
    "  --state FILE          start from a machine state file saved by the window or by\n"
    "                        --save-state (options given override its settings and key)\n"
    "  --save-state FILE     write the machine's state to FILE after the text is fed\n"
    "  --machine 0|1|2       0 Q-417M, 1 Q417-3MN (default), 2 Q417-3MR\n"
    "  --module 10|30        alphabet (default 30)\n"
    "  --plug 1|2            1 Russian (default), 2 Latin\n"
    "  --rod 0|1|2           0 plain typing, 1 encipher (default), 2 decipher\n"
    "  --serie 3|6           rotor series (default 6)\n"
    "  --layout 1..4         keyboard: 1 German, 2 Polish, 3 Czech, 4 Russian (default)\n"
    "  --wheel 1..4          print wheel (default the layout)\n"
    "  --language 1|2        Q-417M print wheel half: 1 Cyrillic (default), 2 Latin\n"
    "  --mode 1|2|3          printer register mode: letters (default), mixed, figures\n"
    "  --divider             a blank after every group of five characters\n"
    "  --encoding utf-8|cp1251  of the text read and written (default: read as the\n"
    "                           window reads, UTF-16, UTF-8 or Windows-1251; write UTF-8)\n"
    "  --show-state          print the final positions and key-press count on standard error\n"
    "trace: feeds TEXTFILE as feed does (same options) and writes, for every key press, one\n"
    "JSON object per line: \"in\" the contact pressed, \"path\" the contacts along the signal\n"
    "path, \"out\" the contact printed, \"char\" its character, \"positions\" slots 1 to 10\n"
    "after the step.\n"
    "keygen: writes a random key as an 80-byte key file (seeded from the clock without --seed).\n"
    "config: lists every record of a settings file: section, key, type, value.\n");

}  // namespace q417::cli

int main(int argc, char** argv) {
    using namespace q417::cli;
    UseUserLanguage();
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.empty()) throw UsageError(Tr("missing command"));
        const std::string command = args.front();
        args.erase(args.begin());
        int status = 0;
        if (command == "--help" || command == "-h" || command == "help")
            WriteOutput(Tr(kUsage));
        else if (command == "feed")
            status = RunFeed(args);
        else if (command == "trace")
            status = RunTrace(args);
        else if (command == "keygen")
            status = RunKeygen(args);
        else if (command == "config")
            status = RunConfig(args);
        else
            throw UsageError(Fill("unknown command '%1'", {command}));
        // Output the disk could not take is a failure, also when it shows only at the end.
        CloseOutput();
        return status;
    } catch (const UsageError& e) {
        std::fprintf(stderr, "q417-cli: %s\n", Fill("%1 (see q417-cli --help)", {e.what()}).c_str());
        return 2;
    } catch (const FailedError& e) {
        std::fprintf(stderr, "q417-cli: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "q417-cli: %s\n", e.what());
        return 1;
    }
}
