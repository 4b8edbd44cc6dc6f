#pragma once
#include <array>
#include <cstdint>

#include "key/key_file.h"
#include "key/key_table.h"

namespace q417 {

class Machine;

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
    // "save key" works only for a complete card and a valid table.
    bool SaveEnabled() const;

    // Opening: the rotors are copied into the table and the box and tray show what is not
    // in the machine. Closing a ten-rotor machine needs a valid table; false leaves it open.
    void OpenMachine();
    bool CloseMachine();

    // A click on a filled slot takes out the rightmost rotor, whichever slot was clicked.
    bool TakeOutRotor(int slot);
    // A body from the box starts a rotor in the next free slot; a core from the tray goes
    // into it.
    bool TakeBody(int body);
    bool TakeCore(int core);
    // A click on the face view at (x, y); the zone it hit.
    enum class FaceZone { None, Centre, Ring, CoreSetting, TurnOver };
    FaceZone FaceClick(int x, int y);
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

    // A key read from a file: card and table taken over, the table applied when valid.
    void LoadKey(const KeyFileContents& key, int32_t key_number);
    // A whole key from one seed, applied at once.
    void RandomKey(uint32_t seed);
    // The 80 bytes of the current card and table.
    KeyFileBytes SaveBytes() const;

private:
    void ClearSelection();
    void ClearColumn(int column);

    Machine& machine_;
};

// The distance of (x, y) from the face view's centre (95, 95), rounded half to even.
int FaceDistance(int x, int y);

}  // namespace q417
