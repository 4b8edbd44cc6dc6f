#include <cstdio>
#include <string>

#include "app/cli/cli.h"
#include "app/machine_session.h"
#include "app/settings_file.h"
#include "io/cp1251.h"
#include "io/text_file.h"
#include "key/key_file.h"

namespace q417::cli {

namespace {

MachineSettings SettingsFor(const FeedOptions& o) {
    MachineSettings s;
    s.Rod = 1;
    if (o.config_file) {
        std::string error;
        if (!LoadSettingsFile(*o.config_file, s, error))
            throw FailedError("cannot use settings file \"" + *o.config_file + "\": " + error);
    }
    if (o.machine) s.Machine = *o.machine;
    if (o.module) s.Module = *o.module;
    if (o.plug) s.Plug = *o.plug;
    if (o.rod) s.Rod = *o.rod;
    if (o.serie) s.Serie = *o.serie;
    if (o.layout) s.Layot = *o.layout;
    // The print wheel follows the keyboard unless the Russian wheel is chosen, as in the
    // settings panel; without a settings file it defaults to the layout. On the Q-417M the
    // start-up gives it the wheel of its keyboard whatever is asked.
    if (o.wheel)
        s.Wheel = *o.wheel;
    else if (!o.config_file || (o.layout && s.Wheel != 4))
        s.Wheel = s.Layot;
    if (o.language) s.Language = *o.language;
    if (o.mode) s.Mode = *o.mode;
    if (o.divider) s.Divider = true;
    s.Sound = false;
    return s;
}

// Card and key table from a key file, through the same verb as the window's "load key": the
// whole file is checked first, and each rotor then stands at its body number.
void LoadKey(MachineSession& session, const std::string& path) {
    std::string bytes, error;
    if (!ReadKeyFileBytes(path, bytes, error))
        throw FailedError("cannot read key file \"" + path + "\": " + error);
    error = session.LoadKey(bytes, path);
    if (!error.empty()) throw FailedError("invalid key file \"" + path + "\": " + error);
}

std::string DecodeText(const std::string& raw, Encoding encoding, const std::string& name) {
    if (encoding == Encoding::Cp1251) return raw;
    std::string_view utf8 = raw;
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);  // a byte-order mark
    // Only bytes that are not UTF-8 are an error. A character the code page lacks has no key,
    // and the feed skips it as it skips any character without a key, as the window does.
    if (!IsValidUtf8(utf8)) {
        std::string text, error;
        Utf8ToCp1251(utf8, text, error);
        throw FailedError("cannot read \"" + name + "\" as UTF-8: " + error);
    }
    return DecodeTextFile(utf8);
}

}  // namespace

int RunFeed(const std::vector<std::string>& args) {
    const FeedOptions o = ParseFeedOptions(args);
    MachineSession session;
    session.StartUp(SettingsFor(o));
    Machine& m = session.machine;
    if (o.key_file) LoadKey(session, *o.key_file);
    if (o.positions)
        for (int slot = 1; slot <= 10; ++slot) m.rotors.SetPosition(slot, (*o.positions)[slot - 1]);

    const std::string name = o.text_file.value_or("standard input");
    const std::string text = DecodeText(ReadAll(o.text_file), o.encoding, name);

    session.LoadText(text);
    session.FeedToEnd();

    const std::string& out = session.printer.OutputText();
    const std::string bytes = o.encoding == Encoding::Utf8 ? Cp1251ToUtf8(out) : out;
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    if (std::fflush(stdout) != 0) throw FailedError("cannot write the output text");
    if (o.show_state) {
        std::fprintf(stderr, "positions:");
        for (int slot = 1; slot <= 10; ++slot)
            std::fprintf(stderr, " %d", m.rotors.Slot(slot).Position);
        std::fprintf(stderr, "\ntech: %d\n", m.settings.Tech);
    }
    return 0;
}

}  // namespace q417::cli
