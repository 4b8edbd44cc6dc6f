#include <algorithm>
#include <initializer_list>
#include <sstream>

#include "app/cli/cli.h"
#include "app/cli/cli_text.h"

namespace q417::cli {

namespace {

int32_t ParseInt(const std::string& option, const std::string& text) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        throw UsageError(Fill("bad value '%1' for %2", {text, option}));
    return static_cast<int32_t>(std::stol(text));
}

// A position of a switch by its number; a number no position has is refused, and so is
// one of the positions the option does not offer.
template <typename Setting>
Setting ParseChoice(const std::string& option, const std::string& text,
                    std::initializer_list<Setting> refused = {}) {
    const std::optional<Setting> v = SettingFromStored<Setting>(ParseInt(option, text));
    if (v && std::find(refused.begin(), refused.end(), *v) == refused.end()) return *v;
    throw UsageError(Fill("bad value '%1' for %2", {text, option}));
}

std::vector<int32_t> ParsePositions(const std::string& text) {
    std::vector<int32_t> p;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        const int32_t v = ParseInt("--positions", item);
        if (v < 1 || v > 30) throw UsageError(Fill("positions are 1 to 30, not %1", {item}));
        p.push_back(v);
    }
    if (p.size() != 10 || text.back() == ',')
        throw UsageError(Tr("--positions takes ten positions P1,...,P10"));
    return p;
}

}  // namespace

FeedOptions ParseFeedOptions(const std::vector<std::string>& args) {
    FeedOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError(Fill("%1 needs a value", {a}));
            return args[++i];
        };
        if (a == "--key")
            o.key_file = value();
        else if (a == "--config")
            o.config_file = value();
        else if (a == "--state")
            o.state_file = value();
        else if (a == "--save-state")
            o.save_state_file = value();
        else if (a == "--positions")
            o.positions = ParsePositions(value());
        else if (a == "--machine")
            o.machine = ParseChoice<Model>(a, value());
        else if (a == "--module")
            o.module = ParseChoice<AlphabetModule>(a, value());
        else if (a == "--plug")
            o.plug = ParseChoice<AlphabetPlug>(a, value());
        else if (a == "--rod")
            o.rod = ParseChoice<Work>(a, value());
        else if (a == "--serie")  // the 4K series has no tables to encipher with
            o.serie = ParseChoice<RotorSeries>(a, value(), {RotorSeries::Series4K});
        else if (a == "--layout")
            o.layout = ParseChoice<KeyboardLayout>(a, value());
        else if (a == "--wheel")
            o.wheel = ParseChoice<PrintWheel>(a, value());
        else if (a == "--language")
            o.language = ParseChoice<WheelHalf>(a, value());
        else if (a == "--mode")
            o.mode = ParseChoice<RegisterMode>(a, value());
        else if (a == "--divider")
            o.divider = true;
        else if (a == "--show-state")
            o.show_state = true;
        else if (a == "--encoding") {
            const std::string& e = value();
            if (e == "utf-8" || e == "utf8" || e == "UTF-8")
                o.encoding = Encoding::Utf8;
            else if (e == "cp1251" || e == "windows-1251")
                o.encoding = Encoding::Cp1251;
            else
                throw UsageError(Fill("bad value '%1' for %2", {e, a}));
        } else if (a.size() > 1 && a[0] == '-') {
            throw UsageError(Fill("unknown option '%1'", {a}));
        } else if (o.text_file) {
            throw UsageError(Tr("more than one text file given"));
        } else {
            o.text_file = a;
        }
    }
    if (o.state_file && o.config_file)
        throw UsageError("--state and --config cannot be used together: the state holds the settings");
    return o;
}

}  // namespace q417::cli
