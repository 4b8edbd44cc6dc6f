// Machine state files as opening one reads them: refused whole, or read into a state that the
// machine takes and that saving writes back to the same state.
#include <string>
#include <string_view>

#include "app/machine_state.h"
#include "core/machine.h"
#include "io/feed.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using q417::fuzz::Require;

// What opening the state does to a machine: every part it names must be one the machine takes.
void Apply(const q417::MachineState& st) {
    Require(q417::fuzz::SettingsInRange(st.Settings), "settings within their ranges");
    q417::Machine m;
    m.settings = st.Settings;
    m.StartUp();
    Require(m.card.SetRows(st.Card), "the card is a card");
    for (int slot = 1; slot <= q417::RotorStack::kSlots; ++slot) {
        const q417::RotorState& r = st.Rotors[slot];
        Require(m.rotors.InitRotor(slot, r.RotorNumber, r.RingSetting, r.CoreNumber, r.CoreSide,
                                   r.CoreSetting),
                "each rotor can be put together");
        m.rotors.SetPosition(slot, r.Position);
        Require(m.rotors.Slot(slot) == r, "each rotor stands as saved");
    }
    m.state.PrintRegister = st.PrintRegister;
    for (q417::Contact k = 1; k <= 31; ++k) {
        m.state.InputContact = k;
        m.KeyPressCycle();
        Require(m.state.OutputContact >= 0 && m.state.OutputContact <= 31, "an output contact");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    q417::MachineState st;
    st.OutputText = "before";
    const q417::MachineState before = st;
    std::string error;
    if (!q417::ReadMachineState(file, st, error)) {
        Require(!error.empty(), "a refused file says why");
        Require(st == before, "a refused file changes nothing");
        return 0;
    }
    Require(st.FeedPosition <= q417::FeedLengthOf(st.InputText) + 1, "the feed within its text");
    const std::string written = q417::WriteMachineState(st);
    q417::MachineState again;
    Require(q417::ReadMachineState(written, again, error), "a saved state opens");
    Require(again == st, "opening a saved state gives the state saved");
    Require(q417::WriteMachineState(again) == written, "the same state, the same bytes");
    Apply(st);
    return 0;
}
