#include <gtest/gtest.h>

#include "core/machine.h"
#include "key/key_file.h"
#include "key/qt/face_zones.h"
#include "key/work_table.h"

namespace q417 {
namespace {

using Zone = WorkTable::FaceZone;

// A click on the face view's picture, through its zones.
Zone FaceClick(WorkTable& work, int x, int y) {
    const Zone zone = face_zones::FaceZoneAt(x, y);
    return zone == Zone::None ? zone : work.TouchFace(zone, face_zones::FaceTurnAt(x));
}

class WorkTableTest : public ::testing::Test {
protected:
    void Open(int model = 1) {
        machine.settings.Machine = *SettingFromStored<Model>(model);
        machine.ApplySettings();
        work.OpenMachine();
    }
    int Entry(int row, int column) const { return work.table.at(row, column); }
    // A rotor from the box into the next free slot: body, core, ring and core setting clicks.
    void Assemble(int body, int core, int ring_clicks_up, int core_clicks_up, bool turn) {
        ASSERT_TRUE(work.TakeBody(body));
        for (int i = 0; i < ring_clicks_up; ++i) FaceClick(work, 10, 95);  // left of the ring
        ASSERT_TRUE(work.TakeCore(core));
        for (int i = 0; i < core_clicks_up; ++i) FaceClick(work, 95 - 60, 95);
        if (turn) FaceClick(work, 95 - 40, 95);
        ASSERT_TRUE(work.InsertRotor());
    }

    Machine machine;
    WorkTable work{machine};
};

TEST_F(WorkTableTest, OpeningCopiesRotorsAndHidesWhatIsInTheMachine) {
    Open();
    EXPECT_FALSE(machine.state.MachineClosed);
    EXPECT_EQ(work.RemovedRotors, 0);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(Entry(KeyTable::kRotorNumber, k), k);
        EXPECT_FALSE(work.BodyShown(k));
        EXPECT_FALSE(work.CoreShown(k));
        EXPECT_TRUE(work.SlotFilled(k));
    }
    EXPECT_TRUE(work.CloseMachine());
    EXPECT_TRUE(machine.state.MachineClosed);
}

TEST_F(WorkTableTest, EightRotorModelKeepsTwoBodiesAndCoresInTheBox) {
    Open(2);
    EXPECT_EQ(work.RemovedRotors, 2);
    EXPECT_TRUE(work.BodyShown(9) && work.BodyShown(10) && work.CoreShown(10));
    EXPECT_FALSE(work.SlotFilled(9));
    EXPECT_FALSE(work.TakeBody(9));  // every slot in use is filled
    ASSERT_TRUE(work.TakeOutRotor(1));
    // The table is not checked on this model, but an empty slot in use still keeps it open.
    EXPECT_FALSE(work.CloseMachine());
    EXPECT_NE(work.CloseRefusal().find("Slot 8"), std::string::npos);
    Assemble(8, 8, 0, 0, false);
    EXPECT_TRUE(work.CloseMachine());
}

TEST_F(WorkTableTest, ClickOnAnyFilledSlotTakesOutTheRightmost) {
    Open();
    EXPECT_TRUE(work.TakeOutRotor(3));
    EXPECT_EQ(work.RemovedRotors, 1);
    for (int row = 1; row <= 5; ++row) EXPECT_EQ(Entry(row, 10), 0);
    EXPECT_EQ(Entry(KeyTable::kRotorNumber, 9), 9);
    EXPECT_TRUE(work.BodyShown(10) && work.CoreShown(10));
    EXPECT_FALSE(work.SlotFilled(10));
    EXPECT_FALSE(work.TakeOutRotor(10));  // empty now
    EXPECT_FALSE(work.CloseMachine());    // the table has an empty column
    EXPECT_FALSE(machine.state.MachineClosed);
    for (int left = 9; left >= 1; --left) EXPECT_TRUE(work.TakeOutRotor(1)) << left;
    EXPECT_EQ(work.RemovedRotors, 10);  // the last rotor, in slot 1, comes out too
    EXPECT_FALSE(work.TakeOutRotor(1));
}

TEST_F(WorkTableTest, AssembledRotorGoesInAtItsBodyNumber) {
    Open();
    work.TakeOutRotor(1);
    work.TakeOutRotor(1);
    // Body 10 into slot 9 with core 9 turned over, ring 3, core setting 30.
    ASSERT_TRUE(work.TakeBody(10));
    EXPECT_EQ(work.Column(), 9);
    EXPECT_FALSE(KeyTableValid(work.table, 10));
    EXPECT_EQ(Entry(KeyTable::kRingSetting, 9), 1);
    EXPECT_EQ(Entry(KeyTable::kCoreNumber, 9), 0);
    EXPECT_TRUE(work.TrayShown());
    for (int k = 1; k <= 5; ++k) EXPECT_FALSE(work.BodyShown(k));  // under the face view
    EXPECT_FALSE(work.InsertRotor());                              // no core yet
    EXPECT_EQ(FaceClick(work, 10, 95), Zone::Ring);
    EXPECT_EQ(FaceClick(work, 20, 95), Zone::Ring);
    EXPECT_EQ(FaceClick(work, 95, 40), Zone::None);  // core rings need a core
    ASSERT_TRUE(work.TakeCore(9));
    EXPECT_FALSE(work.TrayShown());
    EXPECT_FALSE(work.CoreShown(9));
    EXPECT_EQ(FaceClick(work, 150, 95), Zone::CoreSetting);  // right half: down, 1 -> 30
    for (int side : {2, 1, 2}) {                            // each click turns the core over
        EXPECT_EQ(FaceClick(work, 95, 140), Zone::TurnOver);
        EXPECT_EQ(Entry(KeyTable::kCoreSide, 9), side);
    }
    ASSERT_TRUE(work.InsertRotor());
    const RotorState& r = machine.rotors.Slot(9);
    EXPECT_EQ(r.RotorNumber, 10);
    EXPECT_EQ(r.RingSetting, 3);
    EXPECT_EQ(r.CoreNumber, 9);
    EXPECT_EQ(r.CoreSide, 2);
    EXPECT_EQ(r.CoreSetting, 30);
    EXPECT_EQ(r.Position, 10);
    EXPECT_TRUE(work.SlotFilled(9));
    EXPECT_FALSE(work.BodyShown(10));
    EXPECT_TRUE(work.BodyShown(9));
    EXPECT_FALSE(work.CoreShown(9));
}

struct FaceCase {
    int x, y;
    bool core;
    Zone zone;
};

class FaceZones : public WorkTableTest, public ::testing::WithParamInterface<FaceCase> {};

TEST_P(FaceZones, DistanceFromTheCentrePicksTheDial) {
    const FaceCase c = GetParam();
    Open();
    work.TakeOutRotor(1);
    work.TakeBody(10);
    if (c.core) work.TakeCore(10);
    const KeyTable before = work.table;
    EXPECT_EQ(FaceClick(work, c.x, c.y), c.zone);
    if (c.zone == Zone::None) {
        EXPECT_EQ(work.table, before);
    }
    if (c.zone == Zone::Centre) {
        EXPECT_FALSE(work.Assembling());
        EXPECT_EQ(work.RemovedRotors, 1);
        EXPECT_TRUE(work.BodyShown(10) && work.CoreShown(10));
        for (int row = 1; row <= 5; ++row) EXPECT_EQ(Entry(row, 10), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rings, FaceZones,
    ::testing::Values(
        FaceCase{95, 95 - 25, false, Zone::Centre},  // exactly 25
        FaceCase{95 + 15, 95 + 20, true, Zone::Centre}, FaceCase{95, 95 - 26, true, Zone::TurnOver},
        FaceCase{95 - 54, 95, true, Zone::TurnOver}, FaceCase{95, 95 - 40, false, Zone::None},
        FaceCase{95 + 55, 95, true, Zone::CoreSetting},
        FaceCase{95, 95 + 68, true, Zone::CoreSetting}, FaceCase{95 + 69, 95, true, Zone::None},
        FaceCase{95, 95 + 70, true, Zone::None}, FaceCase{95 + 71, 95, false, Zone::Ring},
        FaceCase{95 - 95, 95, true, Zone::Ring},
        FaceCase{0, 0, true, Zone::None},  // 134: outside the face
        FaceCase{95 + 68, 95 + 68, false, Zone::None}));

TEST_F(WorkTableTest, DialsWrapRoundBothWays) {
    Open();
    work.TakeOutRotor(1);
    work.TakeBody(10);
    work.TakeCore(10);
    FaceClick(work, 190, 95);  // ring down from 1
    EXPECT_EQ(work.EditRingSetting, 30);
    FaceClick(work, 5, 95);
    EXPECT_EQ(work.EditRingSetting, 1);
    FaceClick(work, 95, 95 + 60);  // x = 95 is the left half: up
    EXPECT_EQ(work.EditCoreSetting, 2);
    for (int i = 0; i < 29; ++i) FaceClick(work, 95 - 60, 95);
    EXPECT_EQ(work.EditCoreSetting, 1);
    EXPECT_EQ(Entry(KeyTable::kCoreSetting, 10), 1);
}

TEST_F(WorkTableTest, TakingOutOrClearingGivesTheAssemblyUpFirst) {
    Open();
    work.TakeOutRotor(1);
    work.TakeBody(10);
    work.TakeCore(10);
    ASSERT_TRUE(work.TakeOutRotor(2));  // slot 9 comes out, the assembly goes back
    EXPECT_FALSE(work.Assembling());
    EXPECT_EQ(work.RemovedRotors, 2);
    EXPECT_TRUE(work.BodyShown(10) && work.CoreShown(10) && work.BodyShown(9));
    Assemble(10, 10, 0, 0, false);
    EXPECT_EQ(work.Column(), 9);
    EXPECT_EQ(machine.rotors.Slot(9).RotorNumber, 10);

    work.TakeBody(9);
    work.ClearTable();
    EXPECT_FALSE(work.Assembling());
    EXPECT_EQ(work.RemovedRotors, 10);
    for (int k = 1; k <= 10; ++k) EXPECT_TRUE(work.BodyShown(k) && work.CoreShown(k));
    EXPECT_FALSE(work.InsertRotor());
    Assemble(3, 7, 0, 0, false);
    EXPECT_EQ(work.Column(), 1);
    EXPECT_EQ(machine.rotors.Slot(1).CoreNumber, 7);
}

TEST_F(WorkTableTest, BuildingAWholeStackByHandCloses) {
    Open();
    work.ClearTable();
    for (int k = 1; k <= 10; ++k) Assemble(11 - k, k, k, 2 * k, k % 2 == 0);
    EXPECT_TRUE(KeyTableValid(work.table, 10));
    EXPECT_EQ(machine.rotors.Slot(4).RingSetting, 5);
    EXPECT_EQ(machine.rotors.Slot(4).CoreSetting, 9);
    EXPECT_EQ(machine.rotors.Slot(4).CoreSide, 2);
    EXPECT_FALSE(work.TakeBody(1));
    EXPECT_TRUE(work.CloseMachine());
    KeyTable again;
    KeyTableFromRotors(machine.rotors, again);
    EXPECT_EQ(again, work.table);
}

TEST_F(WorkTableTest, BasePositionAndRandomKeyRefillTheStack) {
    Open();
    work.ClearTable();
    work.TakeBody(4);
    work.SetBasePosition();
    EXPECT_FALSE(work.Assembling());
    EXPECT_EQ(work.RemovedRotors, 0);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(machine.rotors.Slot(k).Position, 1);
        EXPECT_EQ(Entry(KeyTable::kCoreNumber, k), k);
        EXPECT_EQ(Entry(KeyTable::kRingSetting, k), 1);
        EXPECT_EQ(Entry(KeyTable::kCoreSetting, k), 1);
        EXPECT_EQ(machine.rotors.Slot(k).CoreSetting, 1);
        EXPECT_FALSE(work.BodyShown(k));
    }
    machine.card.ClearCard();
    EXPECT_FALSE(work.SaveEnabled());
    work.RandomKey(12345);
    EXPECT_TRUE(work.SaveEnabled());
    EXPECT_EQ(machine.card.KeyNumber, 0);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(machine.rotors.Slot(k).Position, Entry(KeyTable::kRotorNumber, k));
}

TEST_F(WorkTableTest, LoadedTableOutOfRangeIsRefusedAndChangesNothing) {
    Open();
    work.TakeOutRotor(1);
    KeyFileBytes bytes = work.SaveBytes();
    bytes[30 + 9] = 200;  // body of slot 10
    bytes[40 + 9] = 0;    // core of slot 10
    KeyFileContents key;
    std::string error;
    ASSERT_TRUE(DecodeKeyFile(std::string_view(reinterpret_cast<const char*>(bytes.data()), 80), 10,
                              key, error));
    machine.card.ClearCard();
    const KeyTable before = work.table;
    EXPECT_FALSE(work.LoadKey(key, 13, error));
    EXPECT_EQ(error, kInvalidKeyTable);
    EXPECT_EQ(work.table, before);
    EXPECT_EQ(machine.card.KeyNumber, 0);
    EXPECT_FALSE(machine.card.CardComplete());
    EXPECT_EQ(work.RemovedRotors, 1);
    EXPECT_EQ(machine.rotors.Slot(10).RotorNumber, 10);  // the rotors keep theirs
    EXPECT_FALSE(work.SaveEnabled());
    EXPECT_FALSE(work.CloseMachine());
}

// A key file passes between the models: loaded and saved again, on any model, it comes out
// byte for byte as it went in, also the two slots the eight-rotor machine does not use, and
// also after the machine was closed and opened again in between. A key put in afresh writes
// those slots from the table again.
TEST(WorkTable, AKeyFileSavedAfterLoadingIsTheFileLoadedOnEveryModel) {
    std::string file(80, '\0');
    for (int r = 0; r < 30; ++r) file[size_t(r)] = char((7 * r) % 30 + 1);
    const int bodies[10] = {4, 9, 1, 7, 2, 10, 5, 3, 8, 6};
    for (int k = 0; k < 10; ++k) {
        file[size_t(30 + k)] = char(bodies[k]);
        file[size_t(40 + k)] = char(11 - bodies[k]);
        file[size_t(50 + k)] = char(1 + k % 2);
        file[size_t(60 + k)] = char((5 * k) % 30);
        file[size_t(70 + k)] = char((11 * k + 3) % 30);
    }
    // Odd bytes where the eight-rotor machine has no slots: unset, high, and the top byte.
    for (const auto& [at, byte] : {std::pair{68, 0}, {69, 255}, {78, 254}, {79, 1}}) {
        std::string odd = file;
        odd[size_t(at)] = char(byte);
        for (int model = 0; model <= 2; ++model) {
            SCOPED_TRACE("model " + std::to_string(model) + ", byte " + std::to_string(at));
            const int in_use = model == 2 ? 8 : 10;
            const std::string& bytes = in_use == 8 ? odd : file;
            Machine machine;
            WorkTable work{machine};
            machine.settings.Machine = *SettingFromStored<Model>(model);
            machine.ApplySettings();
            work.OpenMachine();
            KeyFileContents key;
            std::string error;
            ASSERT_TRUE(DecodeKeyFile(bytes, in_use, key, error)) << error;
            ASSERT_TRUE(work.LoadKey(key, 0, error)) << error;
            for (int round = 0; round < 3; ++round) {
                const KeyFileBytes saved = work.SaveBytes();
                EXPECT_EQ(std::string(saved.begin(), saved.end()), bytes) << "round " << round;
                ASSERT_TRUE(work.CloseMachine());
                work.OpenMachine();
            }
            if (in_use == 8) {
                work.SetBasePosition();  // the slots in use change; the others stay as read
                EXPECT_EQ(work.SaveBytes()[69], uint8_t(bytes[69]));
                work.RandomKey(3);
                EXPECT_EQ(work.SaveBytes()[68],
                          uint8_t(work.table.at(KeyTable::kRingSetting, 9) - 1));
            }
        }
    }
}

// The key table's title keeps a file's number only while that file's key is in the machine:
// every way of replacing card, rotors, model or wiring drops it, a reload brings it back.
TEST_F(WorkTableTest, TheLoadedKeyNumberFollowsTheKeyInTheMachine) {
    machine.StartUp();
    work.RandomKey(777);
    const KeyFileBytes bytes = work.SaveBytes();
    const std::string_view file(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    KeyFileContents key;
    std::string error;
    ASSERT_TRUE(DecodeKeyFile(file, 10, key, error));
    const auto load = [&] {
        ASSERT_TRUE(work.LoadKey(key, 13, error));
        ASSERT_EQ(work.LoadedKeyNumber(), 13);
    };
    EXPECT_EQ(work.LoadedKeyNumber(), 0);  // a random key has no file
    load();
    work.RandomKey(778);
    EXPECT_EQ(work.LoadedKeyNumber(), 0) << "random key";
    load();
    work.SetBasePosition();
    EXPECT_EQ(work.LoadedKeyNumber(), 0) << "basic position";
    load();
    machine.settings.Machine = Model::Q417M;  // the model switch: the basic key on another model
    machine.ApplySettings();
    machine.rotors.SetBasicKey();
    EXPECT_EQ(work.LoadedKeyNumber(), 0) << "model switch";
    machine.settings.Machine = Model::Q417_3MN;
    machine.ApplySettings();
    load();
    machine.rotors.LoadSeries(RotorSeries::Series3K);  // new wiring, the same rotor records
    EXPECT_EQ(work.LoadedKeyNumber(), 0) << "series switch";
    machine.rotors.LoadSeries(RotorSeries::Series6K);
    EXPECT_EQ(work.LoadedKeyNumber(), 13) << "the loaded key's wiring again";
    const int32_t column = machine.card.Rows()[1];
    machine.card.SetRow(1, 0);
    EXPECT_EQ(work.LoadedKeyNumber(), 0) << "a hole removed from the card";
    machine.card.SetRow(1, column);
    EXPECT_EQ(work.LoadedKeyNumber(), 13);
    work.OpenMachine();
    work.TakeOutRotor(10);
    EXPECT_EQ(work.LoadedKeyNumber(), 0) << "a rotor taken out";
    Assemble(key.table.at(KeyTable::kRotorNumber, 10), key.table.at(KeyTable::kCoreNumber, 10),
             key.table.at(KeyTable::kRingSetting, 10) - 1,
             key.table.at(KeyTable::kCoreSetting, 10) - 1,
             key.table.at(KeyTable::kCoreSide, 10) == 2);
    EXPECT_EQ(work.LoadedKeyNumber(), 13) << "the same rotor put back";
    ASSERT_TRUE(work.CloseMachine());
    // Turning the rotors to other positions enciphers with the same key.
    machine.rotors.SetPosition(1, 7);
    EXPECT_EQ(work.LoadedKeyNumber(), 13);
}

}  // namespace
}  // namespace q417
