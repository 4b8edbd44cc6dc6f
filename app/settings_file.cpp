#include "app/settings_file.h"

#include <exception>
#include <optional>

namespace q417 {

namespace {

// Runs one read of start-up. A damaged record ends only that read: the setting keeps the value
// it has, and the first error is kept to be reported once every setting has been tried.
template <typename Read>
void Try(std::exception_ptr& first_error, Read read) {
    try {
        read();
    } catch (const ConfigError&) {
        if (!first_error) first_error = std::current_exception();
    }
}

}  // namespace

void ReadSettings(ConfigStore& store, MachineSettings& s, FontRecord* font) {
    const MachineSettings d;
    s = d;
    std::exception_ptr error;
    Try(error, [&] { s.Machine = store.ReadInteger("MAIN", "MACHINE", d.Machine); });
    Try(error, [&] { s.Rod = store.ReadInteger("MAIN", "ROD", d.Rod); });
    // Only the later models have a module switch and an alphabet plug to remember.
    if (s.Machine > 0) {
        Try(error, [&] { s.Module = store.ReadInteger("MAIN", "MODULE", d.Module); });
        Try(error, [&] { s.Plug = store.ReadInteger("MAIN", "Plug", d.Plug); });
    }
    Try(error, [&] { s.Sound = store.ReadBool("MAIN", "SOUND", d.Sound); });
    Try(error, [&] { s.Layot = store.ReadInteger("KEYBOARD", "LAYOT", d.Layot); });
    Try(error, [&] { s.Sposob = store.ReadInteger("PRINTER", "SPOSOB", d.Sposob); });
    // Without a stored wheel the machine prints with the wheel that suits its keyboard.
    s.Wheel = s.Layot;
    Try(error, [&] { s.Wheel = store.ReadInteger("PRINTER", "Wheel", s.Layot); });
    Try(error, [&] { s.Language = store.ReadInteger("PRINTER", "LANGUAGE", d.Language); });
    if (s.Machine > 0) Try(error, [&] { s.Mode = store.ReadInteger("PRINTER", "MODE", d.Mode); });
    Try(error, [&] { s.Divider = store.ReadBool("PRINTER", "DIVIDER", d.Divider); });
    Try(error, [&] { s.Tech = store.ReadInteger("Counter", "Tech", d.Tech); });
    Try(error, [&] { s.Serie = store.ReadInteger("Rotors", "Serie", d.Serie); });
    if (font) Try(error, [&] { store.ReadFont("Font", "All", *font); });
    SanitizeSettings(s);
    if (error) std::rethrow_exception(error);
}

void SaveSettings(ConfigStore& store, const MachineSettings& s, const FontRecord& font) {
    store.WriteInteger("MAIN", "MACHINE", s.Machine);
    store.WriteInteger("MAIN", "MODULE", s.Module);
    store.WriteInteger("MAIN", "Plug", s.Plug);
    store.WriteInteger("MAIN", "ROD", s.Rod);
    store.WriteBool("MAIN", "Sound", s.Sound);
    store.WriteInteger("Keyboard", "Layot", s.Layot);
    store.WriteInteger("Printer", "Sposob", s.Sposob);
    store.WriteInteger("Printer", "Language", s.Language);
    store.WriteInteger("Printer", "Mode", s.Mode);
    store.WriteInteger("Printer", "Wheel", s.Wheel);
    store.WriteBool("Printer", "Divider", s.Divider);
    store.WriteInteger("Rotors", "Serie", s.Serie);
    store.WriteInteger("Counter", "Tech", s.Tech);
    store.WriteFont("Font", "ALL", font);
}

bool LoadSettingsFile(const std::string& path, MachineSettings& settings, std::string& error) {
    settings = MachineSettings{};
    try {
        ConfigStore store(path, ConfigStore::Access::ReadOnly);
        ReadSettings(store, settings, nullptr);
        return true;
    } catch (const ConfigError& e) {
        error = e.what();
        return false;
    }
}

}  // namespace q417
