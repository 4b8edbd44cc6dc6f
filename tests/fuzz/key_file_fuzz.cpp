// Key files as the key-setting box loads them: checked, shown, and applied when valid.
#include <string>
#include <string_view>

#include "core/machine.h"
#include "key/key_file.h"
#include "key/key_table.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using q417::fuzz::Require;

// The file's rows whose bytes hold a setting minus 1: ring settings and core settings.
bool StoredMinusOne(size_t at) {
    return at >= 30 + 3 * 10;
}

void RequireSameBytes(std::string_view file, const q417::KeyFileContents& key, int rotors) {
    const q417::KeyFileBytes again = q417::EncodeKeyFile(key.card, key.table);
    for (size_t at = 0; at < q417::kKeyFileSize; ++at) {
        const int slot = at < 30 ? 0 : int((at - 30) % 10) + 1;
        // A slot out of use keeps its stored byte, which saving lowers by one.
        if (slot > rotors && StoredMinusOne(at)) continue;
        Require(again[at] == static_cast<uint8_t>(file[at]), "saving gives the loaded bytes");
    }
}

// The loaded key in a machine of that many rotors: a few key presses each way must give the
// same contacts back, as deciphering with the same key and positions gives the plain text.
void Work(const q417::KeyFileContents& key, int rotors, std::string_view positions) {
    q417::Machine m;
    m.settings.Machine = *q417::SettingFromStored<q417::Model>(rotors == 8 ? 2 : 1);
    m.StartUp();
    Require(m.card.SetRows(key.card), "a checked card is accepted");
    if (!q417::KeyTableValid(key.table, rotors)) {
        Require(!q417::ApplyKeyTable(key.table, m.rotors), "an invalid table is not applied");
        return;
    }
    Require(q417::ApplyKeyTable(key.table, m.rotors), "a valid table is applied");
    for (int slot = 1; slot <= 10 && slot <= int(positions.size()); ++slot)
        m.rotors.SetPosition(slot, static_cast<unsigned char>(positions[slot - 1]) % 30 + 1);
    for (q417::Contact k = 1; k <= 30; ++k) {
        const q417::Contact e = m.SignalPathEncipher(k);
        Require(e >= 0 && e <= 30, "a contact or no signal");
        if (e != 0 && m.card.CardComplete())
            Require(m.SignalPathDecipher(e) == k, "deciphering undoes enciphering");
    }
    for (q417::Contact k = 1; k <= 31; ++k) {
        m.state.InputContact = k;
        m.KeyPressCycle();
        Require(m.state.OutputContact >= 0 && m.state.OutputContact <= 31, "an output contact");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    q417::KeyNumberFromFileName(file);
    for (int rotors : {10, 8}) {
        q417::KeyFileContents key;
        std::string error;
        if (!q417::DecodeKeyFile(file, rotors, key, error)) {
            Require(!error.empty(), "a refused file says why");
            continue;
        }
        Require(size >= q417::kKeyFileSize, "only whole keys are read");
        for (int r = 1; r <= 30; ++r) Require(key.card[r] >= 0 && key.card[r] <= 30, "columns");
        RequireSameBytes(file, key, rotors);
        Work(key, rotors, file.substr(q417::kKeyFileSize));
    }
    return 0;
}
