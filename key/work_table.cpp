#include "key/work_table.h"

#include "core/machine.h"
#include "key/random_key.h"

namespace q417 {

namespace {

bool InRange(int32_t v, int32_t lo, int32_t hi) {
    return v >= lo && v <= hi;
}

// One step of a dial, round through 30.
int32_t TurnDial(int32_t value, WorkTable::DialTurn turn) {
    return turn == WorkTable::DialTurn::Down ? Wrap(value - 1) : Wrap(value + 1);
}

}  // namespace

int WorkTable::RotorsInUse() const {
    return machine_.rotors.RotorsInUse();
}

bool WorkTable::SlotFilled(int slot) const {
    const int last = Assembling() ? Column() - 1 : Column();
    return slot >= 1 && slot <= last && slot <= RotorsInUse();
}

bool WorkTable::BodyShown(int body) const {
    if (!InRange(body, 1, 10) || BodyInMachine[body]) return false;
    return !Assembling() || (body != SelectedBody && body > 5);
}

bool WorkTable::CoreShown(int core) const {
    if (!InRange(core, 1, 10) || CoreInMachine[core]) return false;
    return !(CoreInserted && core == SelectedCore);
}

bool WorkTable::DescribesSlots() const {
    if (Assembling() || Column() < RotorsInUse()) return false;
    KeyTable rotors;
    KeyTableFromRotors(machine_.rotors, rotors);
    for (int k = 1; k <= RotorsInUse(); ++k)
        for (int row = KeyTable::kRotorNumber; row <= KeyTable::kCoreSetting; ++row)
            if (table.at(row, k) != rotors.at(row, k)) return false;
    return true;
}

bool WorkTable::SaveEnabled() const {
    return DescribesSlots() && KeyTableValid(table, RotorsInUse()) && machine_.card.CardComplete();
}

void WorkTable::OpenMachine() {
    KeyTable rotors;
    KeyTableFromRotors(machine_.rotors, rotors);
    // While the loaded key still stands in the slots, its unused columns stay as they were
    // read; the rotors of those slots are not the file's.
    bool same = unused_slots_as_read_;
    for (int k = 1; same && k <= RotorsInUse(); ++k)
        for (int row = KeyTable::kRotorNumber; row <= KeyTable::kCoreSetting; ++row)
            same = same && table.at(row, k) == rotors.at(row, k);
    unused_slots_as_read_ = same;
    for (int k = same ? RotorsInUse() + 1 : 11; k <= 10; ++k)
        for (int row = KeyTable::kRotorNumber; row <= KeyTable::kCoreSetting; ++row)
            rotors.at(row, k) = table.at(row, k);
    table = rotors;
    machine_.state.MachineClosed = false;
    Refresh();
}

// A closed machine enciphers with the rotors in its slots; the table must not promise a
// different key. A half-built rotor or an empty slot would be silently lost or skipped.
std::string WorkTable::CloseRefusal() const {
    if (Assembling())
        return "A rotor is being assembled: put it into the stack or give it up first.";
    if (Column() < RotorsInUse())
        return "Slot " + std::to_string(Column() + 1) + " has no rotor: the machine closes " +
               "only with every slot filled.";
    if (machine_.settings.Machine != Model::Q417_3MR && !KeyTableValid(table, RotorsInUse()))
        return "The key table is not valid.";
    return {};
}

bool WorkTable::CloseMachine() {
    if (!CloseRefusal().empty()) return false;
    machine_.state.MachineClosed = true;
    return true;
}

bool WorkTable::TakeOutRotor(int slot) {
    if (!SlotFilled(slot)) return false;
    // The rotor being assembled would otherwise lose its column under it.
    if (Assembling()) GiveUpAssembly();
    const int c = Column();
    if (c < 1) return false;
    // The bodies and cores in the box follow the rotors themselves, whose numbers are always
    // 1..10; a table loaded from a file may hold anything in the column.
    const RotorState& rotor = machine_.rotors.Slot(c);
    BodyInMachine[rotor.RotorNumber] = false;
    CoreInMachine[rotor.CoreNumber] = false;
    ClearColumn(c);
    ++RemovedRotors;
    return true;
}

bool WorkTable::TakeBody(int body) {
    if (!InRange(body, 1, 10) || Assembling() || BodyInMachine[body]) return false;
    if (Column() >= RotorsInUse()) return false;
    SelectedBody = body;
    EditRingSetting = 1;
    CoreInserted = false;
    --RemovedRotors;
    const int c = Column();
    ClearColumn(c);
    table.at(KeyTable::kRotorNumber, c) = body;
    table.at(KeyTable::kRingSetting, c) = 1;
    return true;
}

bool WorkTable::TakeCore(int core) {
    if (!InRange(core, 1, 10) || !Assembling() || CoreInserted || CoreInMachine[core]) return false;
    SelectedCore = core;
    EditCoreSide = 1;
    EditCoreSetting = 1;
    CoreInserted = true;
    const int c = Column();
    table.at(KeyTable::kCoreNumber, c) = core;
    table.at(KeyTable::kCoreSide, c) = 1;
    table.at(KeyTable::kCoreSetting, c) = 1;
    return true;
}

WorkTable::FaceZone WorkTable::TouchFace(FaceZone zone, DialTurn turn) {
    if (!Assembling()) return FaceZone::None;
    const int c = Column();
    switch (zone) {
        case FaceZone::Centre:
            GiveUpAssembly();
            return zone;
        case FaceZone::Ring:
            EditRingSetting = TurnDial(EditRingSetting, turn);
            table.at(KeyTable::kRingSetting, c) = EditRingSetting;
            return zone;
        case FaceZone::CoreSetting:
            if (!CoreInserted) return FaceZone::None;
            EditCoreSetting = TurnDial(EditCoreSetting, turn);
            table.at(KeyTable::kCoreSetting, c) = EditCoreSetting;
            return zone;
        case FaceZone::TurnOver:
            if (!CoreInserted) return FaceZone::None;
            EditCoreSide = EditCoreSide == 1 ? 2 : 1;
            table.at(KeyTable::kCoreSide, c) = EditCoreSide;
            return zone;
        case FaceZone::None:
            break;
    }
    return FaceZone::None;
}

void WorkTable::GiveUpAssembly() {
    if (!Assembling()) return;
    ClearColumn(Column());
    ++RemovedRotors;
    ClearSelection();
}

bool WorkTable::InsertRotor() {
    if (!Assembling() || !CoreInserted) return false;
    const int c = Column();
    if (c < 1 || c > RotorsInUse()) return false;
    BodyInMachine[SelectedBody] = true;
    CoreInMachine[SelectedCore] = true;
    machine_.rotors.InitRotor(c, SelectedBody, EditRingSetting, SelectedCore, EditCoreSide,
                              EditCoreSetting);
    ClearSelection();
    return true;
}

void WorkTable::SetBasePosition() {
    for (int k = 1; k <= RotorsInUse(); ++k) {
        table.at(KeyTable::kRotorNumber, k) = k;
        table.at(KeyTable::kRingSetting, k) = 1;
        table.at(KeyTable::kCoreNumber, k) = k;
        table.at(KeyTable::kCoreSide, k) = 1;
        table.at(KeyTable::kCoreSetting, k) = 1;
    }
    ApplyKeyTable(table, machine_.rotors);
    for (int k = 1; k <= RotorsInUse(); ++k) machine_.rotors.SetPosition(k, 1);
    Refresh();
}

void WorkTable::ClearTable() {
    GiveUpAssembly();
    ClearKeyTable(table);
    unused_slots_as_read_ = false;
    // All ten go back, also the two the eight-rotor machine never holds.
    BodyInMachine.fill(false);
    CoreInMachine.fill(false);
    RemovedRotors = 10;
}

void WorkTable::Refresh() {
    ClearSelection();
    BodyInMachine.fill(false);
    CoreInMachine.fill(false);
    for (int k = 1; k <= RotorsInUse(); ++k) {
        const RotorState& rotor = machine_.rotors.Slot(k);
        BodyInMachine[rotor.RotorNumber] = true;
        CoreInMachine[rotor.CoreNumber] = true;
    }
    RemovedRotors = 10 - RotorsInUse();
}

bool WorkTable::LoadKey(const KeyFileContents& key, int32_t key_number, std::string& error) {
    if (!KeyTableValid(key.table, RotorsInUse())) {
        error = kInvalidKeyTable;
        return false;
    }
    // The card was checked when the file was read.
    machine_.card.SetRows(key.card);
    machine_.card.KeyNumber = key_number;
    table = key.table;
    unused_slots_as_read_ = RotorsInUse() < 10;
    ApplyKeyTable(table, machine_.rotors);
    Refresh();
    loaded_key_ = CurrentKey();
    loaded_number_ = key_number;
    return true;
}

// Only the rotors standing in the stack count: a slot emptied on the work table holds no
// rotor, whatever its record still says.
WorkTable::KeyInUse WorkTable::CurrentKey() const {
    KeyInUse key;
    key.machine = machine_.settings.Machine;
    key.serie = machine_.rotors.LoadedSeries();
    key.card = machine_.card.Rows();
    KeyTableFromRotors(machine_.rotors, key.rotors);
    for (int k = 1; k <= 10; ++k)
        if (!SlotFilled(k))
            for (int row = KeyTable::kRotorNumber; row <= KeyTable::kCoreSetting; ++row)
                key.rotors.at(row, k) = 0;
    return key;
}

int32_t WorkTable::LoadedKeyNumber() const {
    return loaded_key_ && *loaded_key_ == CurrentKey() ? loaded_number_ : 0;
}

void WorkTable::TakeSavedTable(const KeyTable& saved) {
    table = saved;
    unused_slots_as_read_ = false;
    loaded_key_.reset();
    loaded_number_ = 0;
    Refresh();
}

void WorkTable::RandomKey(uint32_t seed) {
    GenerateRandomKey(seed, table, machine_.card);
    unused_slots_as_read_ = false;
    ApplyKeyTable(table, machine_.rotors);
    Refresh();
}

KeyFileBytes WorkTable::SaveBytes() const {
    return EncodeKeyFile(machine_.card.Rows(), table,
                         unused_slots_as_read_ ? RotorsInUse() : 10);
}

void WorkTable::ClearSelection() {
    SelectedBody = 0;
    SelectedCore = 0;
    CoreInserted = false;
    EditRingSetting = 1;
    EditCoreSide = 1;
    EditCoreSetting = 1;
}

void WorkTable::ClearColumn(int column) {
    if (column < 1 || column > 10) return;
    for (int row = KeyTable::kRotorNumber; row <= KeyTable::kCoreSetting; ++row)
        table.at(row, column) = 0;
}

}  // namespace q417
