#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/settings.h"
#include "key/key_file.h"
#include "key/key_table.h"

namespace q417 {

class Machine;

// Why a key file's table is refused: the same words in the window and in q417-cli.
inline constexpr const char* kInvalidKeyTable =
    "its key table names a body or core twice or a value out of range";

// The work table of the opened machine: the key table, the box of ten rotor bodies, the tray
// of ten cores and the face view on which one rotor at a time is put together. Rotors leave
// the stack from the right and go back in from the left, so the filled slots are always
// 1..10 - RemovedRotors; column Column() is the rightmost filled slot, or, while a rotor is
// being assembled, the slot it is meant for.
//
// The pictures only show this state: BodyShown, CoreShown, SlotFilled, Assembling and
// TrayShown say what is visible. The verbs return true when something moved on the table
// (the step sound plays).
class WorkTable {
public:
    explicit WorkTable(Machine& machine) : machine_(machine) {}

    KeyTable table;
    int32_t RemovedRotors = 0;
    std::array<bool, 11> BodyInMachine{};  // index 1..10
    std::array<bool, 11> CoreInMachine{};
    int32_t SelectedBody = 0;  // 0: no rotor is being assembled
    int32_t EditRingSetting = 1;
    bool CoreInserted = false;
    int32_t SelectedCore = 0;
    int32_t EditCoreSide = 1;
    int32_t EditCoreSetting = 1;

    int RotorsInUse() const;
    int Column() const { return 10 - RemovedRotors; }
    bool Assembling() const { return SelectedBody != 0; }
    bool TrayShown() const { return Assembling() && !CoreInserted; }
    // A rotor stands in the slot (the slot being assembled is still empty).
    bool SlotFilled(int slot) const;
    // Bodies in the machine or on the face view are not in the box; the face view also
    // covers the places of bodies 1..5.
    bool BodyShown(int body) const;
    bool CoreShown(int core) const;
    // The table says exactly which rotors stand in the slots in use: every slot filled, no
    // rotor half built on the face view, and each column equal to its slot's rotor.
    bool DescribesSlots() const;
    // "save key" works only for a complete card and a table that describes the slots, so a
    // saved key is always the key the machine enciphers with.
    bool SaveEnabled() const;

    // Opening: the rotors are copied into the table and the box and tray show what is not
    // in the machine. Closing needs every slot in use filled and no rotor being assembled,
    // on every model, and on the ten-rotor models a valid table. CloseRefusal says why the
    // machine cannot close now (empty when it can); CloseMachine closes it when it can and
    // otherwise changes nothing.
    void OpenMachine();
    std::string CloseRefusal() const;
    bool CloseMachine();

    // A click on a filled slot takes out the rightmost rotor, whichever slot was clicked.
    bool TakeOutRotor(int slot);
    // A body from the box starts a rotor in the next free slot; a core from the tray goes
    // into it.
    bool TakeBody(int body);
    bool TakeCore(int core);
    // The face view of the rotor being assembled: its centre gives the assembly up, the ring
    // dial and the core's dial turn one step up or down, the core's face turns it over. The
    // zone that acted: None when nothing is being assembled or the zone needs a core.
    enum class FaceZone { None, Centre, Ring, CoreSetting, TurnOver };
    enum class DialTurn { Up, Down };
    FaceZone TouchFace(FaceZone zone, DialTurn turn = DialTurn::Up);
    // Body and core go back, the slot stays empty.
    void GiveUpAssembly();
    // A click on the stack's empty slots puts an assembled rotor (one with a core) in.
    bool InsertRotor();

    // The basic key in every slot in use, every rotor at position 1.
    void SetBasePosition();
    // Every rotor out of the stack and an empty table.
    void ClearTable();
    // Box and tray made to match the rotors in use; the stack full again.
    void Refresh();

    // A key read from a file: card and table taken over and the table applied. A table that
    // is not valid for the rotors in use is refused like a damaged card: false with the
    // reason, and nothing changes.
    bool LoadKey(const KeyFileContents& key, int32_t key_number, std::string& error);
    // The table of a saved machine, shown as it was saved; the rotors already stand in the
    // slots. Box and tray follow the rotors, nothing is being assembled, no key file is
    // counted as loaded.
    void TakeSavedTable(const KeyTable& saved);
    // A whole key from one seed, applied at once.
    void RandomKey(uint32_t seed);
    // The 80 bytes of the current card and table.
    KeyFileBytes SaveBytes() const;
    // The number of the key file loaded last, while the machine still holds exactly that key
    // (the same card and the same rotors in the filled slots, on the same model and wiring);
    // 0 once anything has replaced it, and before any file is loaded.
    int32_t LoadedKeyNumber() const;

private:
    // What the machine held right after a key file was loaded.
    struct KeyInUse {
        Model machine = Model::Q417M;
        RotorSeries serie = RotorSeries::Series6K;
        std::array<int32_t, 31> card{};
        KeyTable rotors;
        bool operator==(const KeyInUse&) const = default;
    };
    KeyInUse CurrentKey() const;
    void ClearSelection();
    void ClearColumn(int column);

    Machine& machine_;
    // The columns of slots not in use hold a loaded file's bytes as they were read. The
    // eight-rotor machine has no use for them, but a key file passes between machines: saved
    // again, they must come out as they went in, not lowered by one as settings are.
    bool unused_slots_as_read_ = false;
    std::optional<KeyInUse> loaded_key_;
    int32_t loaded_number_ = 0;
};

}  // namespace q417
