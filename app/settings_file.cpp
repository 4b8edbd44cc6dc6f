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

void ReadSettings(ConfigStore& store, MachineSettings& settings, FontRecord* font) {
    const StoredSettings d;
    StoredSettings s;
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
    settings = SettingsFromStored(s);
    if (error) std::rethrow_exception(error);
}

namespace {

std::vector<uint8_t> IntegerData(int32_t v) {
    return {uint8_t(v), uint8_t(uint32_t(v) >> 8), uint8_t(uint32_t(v) >> 16),
            uint8_t(uint32_t(v) >> 24)};
}

std::vector<uint8_t> BoolData(bool v) {
    return {uint8_t(v ? 1 : 0)};
}

// One record of the close: its names as written and its data now and at start-up.
struct Written {
    const char* section;
    const char* key;
    std::vector<uint8_t> now, then;
};

std::vector<Written> RecordsToWrite(const StoredSettings& s, const FontRecord& font,
                                    const StoredSettings& r, const FontRecord& read_font) {
    return {
        {"MAIN", "MACHINE", IntegerData(s.Machine), IntegerData(r.Machine)},
        {"MAIN", "MODULE", IntegerData(s.Module), IntegerData(r.Module)},
        {"MAIN", "Plug", IntegerData(s.Plug), IntegerData(r.Plug)},
        {"MAIN", "ROD", IntegerData(s.Rod), IntegerData(r.Rod)},
        {"MAIN", "Sound", BoolData(s.Sound), BoolData(r.Sound)},
        {"Keyboard", "Layot", IntegerData(s.Layot), IntegerData(r.Layot)},
        {"Printer", "Sposob", IntegerData(s.Sposob), IntegerData(r.Sposob)},
        {"Printer", "Language", IntegerData(s.Language), IntegerData(r.Language)},
        {"Printer", "Mode", IntegerData(s.Mode), IntegerData(r.Mode)},
        {"Printer", "Wheel", IntegerData(s.Wheel), IntegerData(r.Wheel)},
        {"Printer", "Divider", BoolData(s.Divider), BoolData(r.Divider)},
        {"Rotors", "Serie", IntegerData(s.Serie), IntegerData(r.Serie)},
        {"Counter", "Tech", IntegerData(s.Tech), IntegerData(r.Tech)},
        {"Font", "ALL", EncodeFontRecord(font), EncodeFontRecord(read_font)},
    };
}

}  // namespace

void SaveSettings(ConfigStore& store, const MachineSettings& s, const FontRecord& font,
                  const SettingsAsRead* as_read) {
    const bool deferred = store.WritesDeferred();
    store.DeferWrites();
    // As Qt's own settings merge: a record this program left as it found it is not its to
    // write. It is rewritten with the data the file holds now, so that the records keep their
    // order; of two programs that changed one record, the later close wins.
    const StoredSettings now = StoredFrom(s);
    for (const Written& w : RecordsToWrite(now, font, as_read ? StoredFrom(as_read->settings) : now,
                                           as_read ? as_read->font : font)) {
        std::vector<uint8_t> data;
        if (!as_read || w.now != w.then || store.ReadStream(w.section, w.key, data) < 0)
            data = w.now;
        store.WriteBuffer(w.section, w.key, data);
    }
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
        // A damaged record's message names no file; the user is told which file it is.
        error = e.kind() == ConfigFault::Damaged ? FileError("read", path, e.what()) : e.what();
        return false;
    }
}

namespace {

// The sentences the user reads about the close, true to what was done.
std::string CloseReport(const std::string& path, const SaveOutcome& o, bool damaged) {
    const std::string file = "The settings file \"" + path + "\"";
    if (damaged && o.damaged_copy.empty())
        return file + " is damaged, and no copy of it could be made, so it was left as it is " +
               "and the settings were not saved. " + o.error;
    const std::string kept =
        damaged ? file + " was damaged. It was kept as \"" + o.damaged_copy + "\"" : "";
    if (!o.saved)
        return damaged ? kept + ", but the settings could not be written to a fresh file. " +
                             o.error
                       : "The settings could not be saved. " + o.error;
    return damaged ? kept + ", and the settings were written to a fresh file." : "";
}

}  // namespace

SaveOutcome SaveSettingsFile(const std::string& path, const MachineSettings& settings,
                             const FontRecord& font, const SettingsAsRead* as_read) {
    SaveOutcome outcome;
    bool damaged = false;
    try {
        // Under the lock, and read afresh: what other programs wrote since start-up is here.
        ConfigStore store(path);
        store.DeferWrites();
        // A record cut short would be lost by rewriting the file, so it counts as damage.
        damaged = store.Damaged() || store.CutShort();
        if (damaged) {
            // Whatever the damage, the user's file is kept whole before a fresh one replaces it.
            std::string written, error;
            if (!CopyToFreeName(path + ".damaged", store.FileBytes(), written, error))
                throw ConfigError(ConfigFault::FileAccess, error);
            outcome.damaged_copy = written;
            store.StartAfresh();
        }
        SaveSettings(store, settings, font, damaged ? nullptr : as_read);
        store.CommitWrites();
        outcome.saved = true;
    } catch (const ConfigError& e) {
        outcome.error = e.what();
    }
    outcome.report = CloseReport(path, outcome, damaged);
    return outcome;
}

bool LoadSettingsFile(const std::string& path, MachineSettings& settings, ConfigFailure& error) {
    settings = MachineSettings{};
    try {
        ConfigStore store(path, ConfigStore::Access::ReadOnly);
        ReadSettings(store, settings, nullptr);
        return true;
    } catch (const ConfigError& e) {
        error = {e.kind(), e.what()};
        return false;
    }
}

}  // namespace q417
