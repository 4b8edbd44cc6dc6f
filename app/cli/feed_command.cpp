#include <cstdio>
#include <string>

#include "app/cli/cli.h"
#include "app/cli/cli_text.h"
#include "app/machine_session.h"
#include "app/settings_file.h"
#include "io/cp1251.h"
#include "key/key_file.h"

namespace q417::cli {

namespace {

MachineSettings SettingsFor(const FeedOptions& o) {
    MachineSettings s;
    s.Rod = 1;
    if (o.config_file) {
        std::string error;
        // A file that cannot be opened is named by the file layer's message already.
        if (!LoadSettingsFile(*o.config_file, s, error))
            throw FailedError(error.find(*o.config_file) != std::string::npos
                                  ? error
                                  : Fill("cannot use settings file \"%1\": %2", {*o.config_file, error}));
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
    if (!ReadKeyFileBytes(path, bytes, error)) throw FailedError(error);
    error = session.LoadKey(bytes, path);
    if (!error.empty()) throw FailedError(Fill("invalid key file \"%1\": %2", {path, error}));
}

}  // namespace

void PrepareSession(const FeedOptions& o, MachineSession& session) {
    session.StartUp(SettingsFor(o));
    if (o.key_file) LoadKey(session, *o.key_file);
    if (o.positions)
        for (int slot = 1; slot <= 10; ++slot)
            session.SetPosition(slot, (*o.positions)[slot - 1]);
}

int RunFeed(const std::vector<std::string>& args) {
    const FeedOptions o = ParseFeedOptions(args);
    MachineSession session;
    PrepareSession(o, session);

    const TextInput input(o.text_file);
    // What the printer printed for each piece goes out at once and is dropped.
    FeedInput(input, o.encoding, session, [&] {
        const std::string out = session.TakeTexts();
        if (!out.empty()) WriteOutput(o.encoding == Encoding::Cp1251 ? out : Cp1251ToUtf8(out));
    });
    if (o.show_state) ShowState(session.machine());
    return 0;
}

void ShowState(const Machine& m) {
    std::fprintf(stderr, "positions:");
    for (int slot = 1; slot <= 10; ++slot)
        std::fprintf(stderr, " %d", m.rotors.Slot(slot).Position);
    std::fprintf(stderr, "\ntech: %d\n", m.settings.Tech);
}

}  // namespace q417::cli
