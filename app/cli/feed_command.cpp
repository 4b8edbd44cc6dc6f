#include <cstdio>
#include <string>

#include "app/cli/cli.h"
#include "app/cli/cli_text.h"
#include "app/machine_session.h"
#include "app/machine_state.h"
#include "app/settings_file.h"
#include "io/file_access.h"
#include "io/cp1251.h"
#include "key/key_file.h"

namespace q417::cli {

namespace {

// The settings the options ask for on top of `s`: the defaults (enciphering, no sound), a
// settings file's, or a saved machine's.
MachineSettings SettingsFor(const FeedOptions& o, MachineSettings s, bool from_file) {
    if (o.config_file) {
        ConfigFailure error;
        // A file that cannot be opened is named by the file layer's message already.
        if (!LoadSettingsFile(*o.config_file, s, error))
            throw FailedError(
                error.kind == ConfigFault::FileAccess
                    ? error.message
                    : Fill("cannot use settings file \"%1\": %2", {*o.config_file, error.message}));
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
    else if (!from_file || (o.layout && s.Wheel != PrintWheel::Russian))
        s.Wheel = WheelOf(s.Layot);
    if (o.language) s.Language = *o.language;
    if (o.mode) s.Mode = *o.mode;
    if (o.divider) s.Divider = true;
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

// A saved machine with the settings the options give as well.
void OpenState(const FeedOptions& o, MachineSession& session) {
    const std::string& path = *o.state_file;
    std::string bytes, error;
    if (!ReadWholeFile(path, kStateFileLimit, bytes, error, "machine state file"))
        throw FailedError(error);
    MachineState state;
    if (!ReadMachineState(bytes, state, error))
        throw FailedError("cannot open machine state file \"" + path + "\": " + error);
    state.Settings = SettingsFor(o, state.Settings, true);
    error = session.RestoreState(state);
    if (!error.empty())
        throw FailedError("cannot open machine state file \"" + path + "\": " + error);
}

}  // namespace

void PrepareSession(const FeedOptions& o, MachineSession& session) {
    if (o.state_file) {
        OpenState(o, session);
    } else {
        MachineSettings defaults;
        defaults.Rod = Work::Encipher;
        MachineSettings s = SettingsFor(o, defaults, o.config_file.has_value());
        s.Sound = false;
        session.StartUp(s);
    }
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
    if (o.state_file || o.save_state_file) {
        const std::string out = FeedWholeText(o, input, session);
        WriteOutput(o.encoding == Encoding::Cp1251 ? out : Cp1251ToUtf8(out));
        SaveStateIfAsked(o, session);
        if (o.show_state) ShowState(session.machine());
        return 0;
    }
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
