#include <cstdint>
#include <string>

#include "app/cli/cli.h"
#include "app/cli/cli_text.h"
#include "key/card.h"
#include "key/key_file.h"
#include "key/key_table.h"
#include "key/random_key.h"

namespace q417::cli {

// A random key, all ten slots and the card, written as the window's "save key" writes it.
int RunKeygen(const std::vector<std::string>& args) {
    std::optional<uint32_t> seed;
    std::optional<std::string> output;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (i + 1 >= args.size() && (a == "--seed" || a == "--output"))
            throw UsageError(Fill("%1 needs a value", {a}));
        if (a == "--seed") {
            const std::string& v = args[++i];
            if (v.empty() || v.size() > 10 ||
                v.find_first_not_of("0123456789") != std::string::npos ||
                std::stoull(v) > UINT32_MAX)
                throw UsageError(Fill("bad value '%1' for --seed (0 to 4294967295)", {v}));
            seed = static_cast<uint32_t>(std::stoull(v));
        } else if (a == "--output") {
            output = args[++i];
        } else {
            throw UsageError(Fill("unknown option '%1'", {a}));
        }
    }
    if (!output) throw UsageError(Tr("keygen needs --output FILE"));
    KeyTable table;
    PunchCard card;
    GenerateRandomKey(seed ? *seed : ClockSeed(), table, card);
    std::string error;
    if (!WriteKeyFileBytes(*output, EncodeKeyFile(card.Rows(), table), error))
        throw FailedError(error);
    return 0;
}

}  // namespace q417::cli
