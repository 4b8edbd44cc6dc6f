#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/machine_session.h"
#include "key/key_file.h"

namespace q417 {
namespace {

// Records which session news arrived, in order.
struct Recorder : SessionEvents {
    std::vector<std::string> seen;
    void SettingsChanged() override { seen.push_back("settings"); }
    void ModelChanged() override { seen.push_back("model"); }
    void KeyChanged() override { seen.push_back("key"); }
    void MachineOpened() override { seen.push_back("opened"); }
    void MachineClosed() override { seen.push_back("closed"); }
    void RunStarted() override { seen.push_back("run"); }
    void RunEnded() override { seen.push_back("end"); }
    void RotorMoved(int) override { ++rotor_moves; }
    void OutputAppended(std::string_view t) override { output += t; }
    int rotor_moves = 0;
    std::string output;
    bool Saw(const std::string& what) const {
        for (const std::string& s : seen)
            if (s == what) return true;
        return false;
    }
};

class SessionTest : public ::testing::Test {
protected:
    void Start(MachineSettings s) {
        session.SetEvents(&events);
        session.StartUp(s);
        events.seen.clear();
    }
    std::string KeyBytes() const {
        const KeyFileBytes b = session.KeyToSave();
        return std::string(reinterpret_cast<const char*>(b.data()), b.size());
    }

    MachineSession session;
    Recorder events;
};

// The Q-417M has no print-wheel choice: its wheel is always that of its keyboard, after the
// settings are read, at every keyboard choice and at the model switch.
TEST_F(SessionTest, TheQ417MWheelAlwaysFollowsTheKeyboard) {
    MachineSettings s;
    s.Machine = 0;
    s.Layot = 1;
    s.Wheel = 4;
    s.Module = 10;
    Start(s);
    EXPECT_EQ(session.settings().Wheel, 1);
    EXPECT_EQ(session.settings().Module, 30);
    session.ChooseKeyboard(3);  // Russian
    EXPECT_EQ(session.settings().Wheel, 4);
    session.ChooseKeyboard(0);  // and back to German
    EXPECT_EQ(session.settings().Wheel, 1);
    session.ChooseWheel(1);
    EXPECT_EQ(session.settings().Wheel, 1);
    EXPECT_FALSE(session.SetModule(10).empty());
    EXPECT_FALSE(session.ToggleModule().empty());
    EXPECT_FALSE(session.TogglePlug().empty());
    EXPECT_EQ(session.settings().Module, 30);
    EXPECT_EQ(session.settings().Plug, 1);

    // A later model keeps the Russian wheel across keyboards until Latin is chosen.
    EXPECT_TRUE(session.SwitchModel(1).empty());
    session.ChooseWheel(1);
    session.ChooseKeyboard(1);
    EXPECT_EQ(session.settings().Wheel, 4);
    EXPECT_TRUE(session.SetModule(10).empty());
    EXPECT_TRUE(session.SwitchModel(0).empty());
    EXPECT_EQ(session.settings().Wheel, 2);
    EXPECT_EQ(session.settings().Module, 30);
    EXPECT_TRUE(events.Saw("model") && events.Saw("settings"));
}

TEST_F(SessionTest, ModelSwitchWaitsForTheClosedMachineAndResetsTheRotors) {
    Start({});
    session.TurnRotor(4, true);
    EXPECT_TRUE(session.SwitchModel(1).empty());  // already in force: nothing at all
    EXPECT_EQ(session.machine().rotors.Slot(4).Position, 5);
    ASSERT_TRUE(session.OpenMachine());
    EXPECT_FALSE(session.SwitchModel(2).empty());
    EXPECT_EQ(session.settings().Machine, 1);
    EXPECT_TRUE(session.CloseMachine().empty());
    EXPECT_TRUE(session.SwitchModel(2).empty());
    EXPECT_EQ(session.machine().rotors.RotorsInUse(), 8);
    EXPECT_EQ(session.machine().rotors.Slot(4).Position, 4);
    EXPECT_EQ(session.AppliedMachine(), 2);
}

// A rotor half built on the face view is not part of the key: saving is off and closing is
// refused with a reason, leaving everything as it was.
TEST_F(SessionTest, AnAssemblyUnderWayBlocksSavingAndClosing) {
    Start({});
    ASSERT_TRUE(session.OpenMachine());
    EXPECT_TRUE(events.Saw("opened"));
    EXPECT_TRUE(session.SaveEnabled());
    ASSERT_TRUE(session.TakeOutRotor(2));
    EXPECT_FALSE(session.SaveEnabled());
    ASSERT_TRUE(session.TakeBody(10));
    ASSERT_TRUE(session.TakeCore(10));
    EXPECT_TRUE(KeyTableValid(session.work().table, 10));  // the table alone looks complete
    EXPECT_FALSE(session.SaveEnabled());
    const std::string refusal = session.CloseMachine();
    EXPECT_NE(refusal.find("assembled"), std::string::npos);
    EXPECT_FALSE(session.machine().state.MachineClosed);
    EXPECT_TRUE(session.work().Assembling());
    EXPECT_FALSE(events.Saw("closed"));

    session.FaceClick(10, 95);  // ring up one
    ASSERT_TRUE(session.InsertRotor());
    EXPECT_TRUE(session.SaveEnabled());
    const std::string saved = KeyBytes();
    EXPECT_TRUE(session.CloseMachine().empty());
    EXPECT_EQ(session.machine().rotors.Slot(10).RingSetting, 2);
    EXPECT_EQ(static_cast<uint8_t>(saved[60 + 9]), 1);  // ring 2 stored as 1
}

// Every model, also the eight-rotor one whose table is not checked, closes only with a rotor
// in every slot in use.
TEST_F(SessionTest, AnEmptySlotKeepsEveryModelOpen) {
    for (int model : {0, 1, 2}) {
        MachineSettings s;
        s.Machine = model;
        Start(s);
        ASSERT_TRUE(session.OpenMachine());
        session.ClearKeyTable();
        EXPECT_NE(session.CloseMachine().find("Slot 1"), std::string::npos) << model;
        EXPECT_FALSE(session.machine().state.MachineClosed);
        session.SetBasePosition();
        EXPECT_TRUE(session.CloseMachine().empty()) << model;
    }
}

// A key file's table that is not valid is refused like a damaged card: nothing changes, and
// the window and q417-cli say the same.
TEST_F(SessionTest, KeyFilesAreAppliedWholeOrNotAtAll) {
    Start({});
    ASSERT_TRUE(session.OpenMachine());
    session.RandomKey(77);
    std::string good = KeyBytes();
    std::string twice = good;
    twice[30 + 3] = twice[30 + 4];  // slots 4 and 5 name the same body
    const KeyTable before = session.work().table;
    session.TurnRotor(1, true);
    const int32_t position = session.machine().rotors.Slot(1).Position;
    EXPECT_EQ(session.LoadKey(twice, "130101.key"), kInvalidKeyTable);
    EXPECT_EQ(session.work().table, before);
    EXPECT_EQ(session.machine().rotors.Slot(1).Position, position);
    EXPECT_EQ(session.LoadKey(good.substr(0, 50), "x.key"), "Read beyond end of file");

    session.SetBasePosition();
    EXPECT_TRUE(session.LoadKey(good, "130101.key").empty());
    EXPECT_EQ(session.machine().card.KeyNumber, 13);
    EXPECT_EQ(session.work().table, before);
    EXPECT_TRUE(session.SaveEnabled());
    EXPECT_EQ(KeyBytes(), good);
}

TEST_F(SessionTest, FeedRunsAsTheStartKeyUntilTheTextIsUsedUp) {
    MachineSettings s;
    s.Rod = 0;
    s.Sound = false;
    Start(s);
    session.LoadText("\xC0\xC1*\xC2\r\n\x98\xC3");
    session.FeedToEnd();
    EXPECT_EQ(session.printer().OutputText(), "\xC0\xC1\xC2  \xC3");
    EXPECT_EQ(events.output, session.printer().OutputText());
    EXPECT_FALSE(session.machine().state.InputTextLoaded);
    EXPECT_EQ(session.settings().Tech, 6);
    // Each start is one run, and each run ends.
    int runs = 0, ends = 0;
    for (const std::string& e : events.seen) {
        runs += e == "run";
        ends += e == "end";
    }
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(ends, 2);
}

}  // namespace
}  // namespace q417
