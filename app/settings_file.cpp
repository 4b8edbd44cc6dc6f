#include "app/settings_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <exception>
#include <optional>

#include "io/file_access.h"

namespace q417 {

namespace {

// Writes a new file at `name`, or at the first of name.1, name.2, ... that does not exist yet.
bool CopyToFreeName(const std::string& name, const std::vector<uint8_t>& bytes,
                    std::string& written, std::string& error) {
    const std::string_view data(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    for (int n = 0; n < 1000; ++n) {
        written = n == 0 ? name : name + "." + std::to_string(n);
        const int err = WriteNewFile(written, data);
        if (err == 0) return true;
        if (err != EEXIST) {
            error = FileErrorNo("create", written, err);
            return false;
        }
    }
    error = FileError("create", name, "Every free name is taken.");
    return false;
}

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
    const bool deferred = store.WritesDeferred();
    store.DeferWrites();
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
    if (!deferred) store.CommitWrites();
}

bool ReadSettingsFile(const std::string& path, MachineSettings& settings, FontRecord* font,
                      std::string& error) {
    settings = MachineSettings{};
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 && errno == ENOENT) return true;  // a first start
    try {
        ConfigStore store(path, ConfigStore::Access::ReadOnly);
        ReadSettings(store, settings, font);
        return true;
    } catch (const ConfigError& e) {
        error = e.what();
        if (error == kInvalidFileFormat) error = FileError("read", path, error);
        return false;
    }
}

SaveOutcome SaveSettingsFile(const std::string& path, const MachineSettings& settings,
                             const FontRecord& font) {
    SaveOutcome outcome;
    try {
        ConfigStore store(path);
        store.DeferWrites();
        if (store.Damaged()) {
            // Whatever the damage, the user's file is kept whole before a fresh one replaces it.
            std::string error;
            if (!CopyToFreeName(path + ".damaged", store.FileBytes(), outcome.damaged_copy, error))
                throw ConfigError(error);
            store.StartAfresh();
        }
        SaveSettings(store, settings, font);
        store.CommitWrites();
        outcome.saved = true;
    } catch (const ConfigError& e) {
        outcome.error = e.what();
    }
    return outcome;
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
