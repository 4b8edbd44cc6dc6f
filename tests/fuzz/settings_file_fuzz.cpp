// Settings files as start-up, closing and the command-line tool meet them.
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/config_store.h"
#include "app/settings_file.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using q417::fuzz::Require;

// The store works on a named file, and replaces it by name; a folder in memory keeps the disk
// out of every run where there is one.
struct ScratchFolder {
    ScratchFolder() {
        if (!::mkdtemp(path.data())) {
            path = "/tmp/q417-settings-fuzz-XXXXXX";
            Require(::mkdtemp(path.data()) != nullptr, "a scratch folder");
        }
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path = "/dev/shm/q417-settings-fuzz-XXXXXX";
};

const std::string& ScratchFile() {
    static const ScratchFolder folder;
    static const std::string path = folder.path + "/Q417.INI";
    return path;
}

void Fill(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    Require(f != nullptr, "the scratch file opens");
    Require(std::fwrite(data, 1, size, f) == size, "the scratch file takes the input");
    std::fclose(f);
}

// Start-up's reading, then the close's writing: a damaged file may stop the writing with
// "Invalid file format.", but a close that succeeds must leave a file that reads back whole.
void StartAndClose(const std::string& path) {
    q417::MachineSettings settings;
    q417::FontRecord font;
    q417::ConfigStore store(path);
    try {
        q417::ReadSettings(store, settings, &font);
    } catch (const q417::ConfigError& e) {
        Require(std::string(e.what()) == q417::kInvalidFileFormat, "the one damage message");
    }
    Require(q417::fuzz::SettingsInRange(settings), "settings read are in range");
    try {
        q417::SaveSettings(store, settings, font);
    } catch (const q417::ConfigError&) {
        return;
    }
    q417::MachineSettings again;
    q417::FontRecord font_again;
    q417::ReadSettings(store, again, &font_again);
    Require(font_again == font, "the font reads back");
    Require(again.Tech == settings.Tech && again.Machine == settings.Machine &&
                again.Wheel == settings.Wheel && again.Serie == settings.Serie,
            "the settings read back");
}

// The generic reads of one record, named by the input when it is short enough to be a name.
void ReadRecords(const std::string& path, const uint8_t* data, size_t size) {
    q417::ConfigStore store(path, q417::ConfigStore::Access::ReadOnly);
    const std::string name(reinterpret_cast<const char*>(data), size < 40 ? size : 0);
    try {
        store.ReadInteger("MAIN", name, 0);
        store.ReadBool(name, "Sound", true);
        std::vector<uint8_t> stream;
        const int32_t declared = store.ReadStream("Font", "All", stream);
        Require(declared < 0 || stream.size() <= size_t(declared), "no more data than declared");
        uint8_t buffer[7];
        const int32_t got = store.ReadBuffer("Main", "Tech", buffer);
        Require(got <= int32_t(sizeof buffer), "a read stays within its buffer");
        store.ForEachRecord([&](const q417::RecordHeader& h, std::span<const uint8_t> bytes) {
            Require(h.Marker == q417::kRecordMarker && h.DataSize >= 0, "a sound header");
            Require(bytes.size() <= size_t(h.DataSize), "no more data than the header says");
        });
    } catch (const q417::ConfigError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = ScratchFile();
    Fill(path, data, size);
    ReadRecords(path, data, size);

    std::vector<std::string> lines;
    q417::ConfigFailure error;
    if (!q417::DescribeSettingsFile(path, lines, error))
        Require(!error.message.empty(), "a message");
    q417::MachineSettings listed;
    if (!q417::LoadSettingsFile(path, listed, error)) Require(!error.message.empty(), "a message");
    Require(q417::fuzz::SettingsInRange(listed), "settings loaded are in range");

    StartAndClose(path);
    return 0;
}
