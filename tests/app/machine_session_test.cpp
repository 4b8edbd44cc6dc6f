#include <gtest/gtest.h>

#include <string>
#include <utility>
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
    void Notice(const std::string& text) override { seen.push_back("notice: " + text); }
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
    s.Machine = Model::Q417M;
    s.Layot = KeyboardLayout::German;
    s.Wheel = PrintWheel::Russian;
    s.Module = AlphabetModule::Figures10;
    Start(s);
    EXPECT_EQ(session.settings().Wheel, PrintWheel::German);
    EXPECT_EQ(session.settings().Module, AlphabetModule::Contacts30);
    session.ChooseKeyboard(3);  // Russian
    EXPECT_EQ(session.settings().Wheel, PrintWheel::Russian);
    session.ChooseKeyboard(0);  // and back to German
    EXPECT_EQ(session.settings().Wheel, PrintWheel::German);
    session.ChooseWheel(1);
    EXPECT_EQ(session.settings().Wheel, PrintWheel::German);
    EXPECT_FALSE(session.SetModule(AlphabetModule::Figures10).empty());
    EXPECT_FALSE(session.ToggleModule().empty());
    EXPECT_FALSE(session.TogglePlug().empty());
    EXPECT_EQ(session.settings().Module, AlphabetModule::Contacts30);
    EXPECT_EQ(session.settings().Plug, AlphabetPlug::Russian);

    // A later model keeps the Russian wheel across keyboards until Latin is chosen.
    EXPECT_TRUE(session.SwitchModel(Model::Q417_3MN).empty());
    session.ChooseWheel(1);
    session.ChooseKeyboard(1);
    EXPECT_EQ(session.settings().Wheel, PrintWheel::Russian);
    EXPECT_TRUE(session.SetModule(AlphabetModule::Figures10).empty());
    EXPECT_TRUE(session.SwitchModel(Model::Q417M).empty());
    EXPECT_EQ(session.settings().Wheel, PrintWheel::Polish);
    EXPECT_EQ(session.settings().Module, AlphabetModule::Contacts30);
    EXPECT_TRUE(events.Saw("model") && events.Saw("settings"));
}

TEST_F(SessionTest, ModelSwitchWaitsForTheClosedMachineAndResetsTheRotors) {
    Start({});
    session.TurnRotor(4, true);
    EXPECT_TRUE(session.SwitchModel(Model::Q417_3MN).empty());  // already in force: nothing at all
    EXPECT_EQ(session.machine().rotors.Slot(4).Position, 5);
    ASSERT_TRUE(session.OpenMachine());
    EXPECT_FALSE(session.SwitchModel(Model::Q417_3MR).empty());
    EXPECT_EQ(session.settings().Machine, Model::Q417_3MN);
    EXPECT_TRUE(session.CloseMachine().empty());
    EXPECT_TRUE(session.SwitchModel(Model::Q417_3MR).empty());
    EXPECT_EQ(session.machine().rotors.RotorsInUse(), 8);
    EXPECT_EQ(session.machine().rotors.Slot(4).Position, 4);
    EXPECT_EQ(session.AppliedMachine(), Model::Q417_3MR);
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

    session.TouchFace(WorkTable::FaceZone::Ring, WorkTable::DialTurn::Up);  // ring up one
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
        s.Machine = *SettingFromStored<Model>(model);
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
    s.Rod = Work::Plain;
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

// What a user can do between two steps of a run, each a rule of the session: the stop key lets
// the begun character finish; opening the machine, a new or cancelled load and a change of
// model end the run at once, so nothing more is fed (no asterisk of an open machine, nothing
// of a text put away); typed keys are enciphered between fed characters; the start key and
// single steps are refused while it runs.
TEST_F(SessionTest, WhatActsDuringARunIsARuleOfTheSession) {
    MachineSettings s;
    s.Rod = Work::Encipher;
    s.Sound = false;
    const std::string text(40, '\xC0');  // А forty times
    auto startRun = [&](int steps) {
        Start(s);
        session.LoadText(text);
        EXPECT_TRUE(session.PressStart());
        session.ReleaseStart();
        for (int i = 0; i < steps; ++i) EXPECT_FALSE(session.StepRun().ended);
    };
    auto stepsLeft = [&] {
        int n = 0;
        while (!session.StepRun().ended) ++n;
        return n;
    };

    startRun(5);  // position 0, then four letters
    EXPECT_FALSE(session.PressStart());
    EXPECT_EQ(session.StepOneKeyPress(), "The machine is running: stop it before stepping.");
    session.KeyDown(0x46);  // F: А typed between two fed characters
    session.KeyUp(0x46);
    EXPECT_EQ(session.printer().OutputText().size(), 5u);
    EXPECT_TRUE(session.PressStop());
    session.ReleaseStop();
    const RunStep last = session.StepRun();  // the character under way is still fed
    EXPECT_TRUE(last.pressed && last.ended);
    EXPECT_EQ(session.printer().OutputText().size(), 6u);
    EXPECT_FALSE(session.Running());
    EXPECT_TRUE(events.Saw("end"));

    for (int rule = 0; rule < 3; ++rule) {
        startRun(3);
        const std::string before = session.printer().OutputText();
        const int32_t tech = session.settings().Tech;
        if (rule == 0) {
            EXPECT_TRUE(session.OpenMachine());
        } else if (rule == 1) {
            session.TakeInputText();  // the load dialog opens, and is cancelled
            EXPECT_TRUE(session.printer().InputText().empty());
            EXPECT_FALSE(session.state().InputTextLoaded);
        } else {
            EXPECT_EQ(session.SwitchModel(Model::Q417M), "");
        }
        EXPECT_FALSE(session.Running()) << rule;
        EXPECT_FALSE(session.state().AutoRun) << rule;
        EXPECT_EQ(stepsLeft(), 0) << rule;
        EXPECT_EQ(session.printer().OutputText(), before) << rule;
        EXPECT_EQ(session.settings().Tech, tech) << rule;
        EXPECT_TRUE(events.Saw("end")) << rule;
    }
    session.ReleaseStart();
    session.ClearText();
    EXPECT_EQ(session.StepOneKeyPress(), "There is no text to step through: load one first.");
    session.LoadText("\xC0");
    session.OpenMachine();
    EXPECT_EQ(session.StepOneKeyPress(), "Close the machine before stepping through a text.");
}

// However long a run without a text lasts, the texts stop growing at the limit: the run ends
// by itself and says why, and everything typed is kept.
TEST_F(SessionTest, ARunStopsWhenTheTextsAreFull) {
    MachineSettings s;
    s.Sound = false;
    Start(s);
    ASSERT_TRUE(session.PressStart());
    std::size_t steps = 0;
    while (!session.StepRun().ended) ++steps;
    EXPECT_EQ(steps + 1, MachineSession::kTextLimit);
    EXPECT_EQ(session.printer().OutputText().size(), MachineSession::kTextLimit);
    EXPECT_EQ(session.printer().InputText().size(), MachineSession::kTextLimit);
    ASSERT_FALSE(events.seen.empty());
    EXPECT_EQ(events.seen.back().rfind("notice: The run was stopped", 0), 0u) << events.seen.back();
    EXPECT_FALSE(session.Running());

    // A loaded text longer than that is typed on: the run is bounded by the text.
    session.ReleaseStart();
    session.ClearText();
    events.seen.clear();
    session.LoadText(std::string(MachineSession::kTextLimit + 5, '\xC0'));  // А in Windows-1251
    ASSERT_TRUE(session.PressStart());
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(session.StepRun().ended) << i;
    EXPECT_GE(session.printer().OutputText().size(), 9u);
    for (const std::string& e : events.seen) EXPECT_EQ(e.find("notice:"), std::string::npos) << e;
}

// The last key press is kept as it was made: a change of keyboard, of kind of work or of the
// key since then does not change what the signal-path panel shows of it.
TEST_F(SessionTest, TheLastKeyPressOutlivesLaterChanges) {
    MachineSettings s;
    s.Rod = Work::Encipher;
    Start(s);
    EXPECT_EQ(session.LastKeyPressTrace(), nullptr);
    session.KeyDown(0x46);
    session.KeyUp(0x46);
    ASSERT_NE(session.LastKeyPressTrace(), nullptr);
    const KeyPressTrace made = *session.LastKeyPressTrace();
    EXPECT_EQ(made.output, session.state().OutputContact);
    session.ChooseKeyboard(0);
    session.TurnRotor(3, true);
    session.OpenMachine();
    session.RandomKey(99);
    EXPECT_EQ(session.LastKeyPressTrace()->points, made.points);
    EXPECT_EQ(session.LastKeyPressTrace()->rotors, made.rotors);
    EXPECT_EQ(session.LastKeyPressTrace()->positions_after, made.positions_after);
}

// The hand verbs keep to the machine's parts: a slot, a model or a module the machine does not
// have changes nothing, and a part that moves sounds once (a step, or a click for the cover
// and the counter lever), while a verb that moves nothing stays silent.
TEST_F(SessionTest, HandVerbsMoveOnlyRealPartsAndSoundWhenTheyDo) {
    struct Sounds : SoundPlayer {
        std::string heard;
        void PlayClick() override { heard += 'c'; }
        void PlayStep() override { heard += 's'; }
    } sounds;
    session.SetSoundPlayer(&sounds);
    Start({});
    auto heard = [&] { return std::exchange(sounds.heard, std::string()); };
    const RotorStack& rotors = session.machine().rotors;

    session.TurnRotor(0, true);
    session.TurnRotor(11, true);
    session.SetPosition(0, 9);
    session.SetPosition(11, 9);
    EXPECT_EQ(heard(), "");
    const int32_t tenth = rotors.Slot(10).Position;
    session.TurnRotor(10, true);
    session.TurnRotor(1, false);
    EXPECT_EQ(heard(), "ss");
    EXPECT_EQ(rotors.Slot(10).Position, tenth + 1);
    EXPECT_EQ(rotors.Slot(1).Position, 30);
    session.SetPosition(10, 7);
    EXPECT_EQ(rotors.Slot(10).Position, 7);

    // Only positions the switches have reach the session: the types see to the rest.
    EXPECT_EQ(session.settings().Module, AlphabetModule::Contacts30);
    EXPECT_EQ(session.SetModule(AlphabetModule::Figures10), "");
    EXPECT_EQ(session.settings().Module, AlphabetModule::Figures10);
    EXPECT_EQ(session.ToggleModule(), "");
    EXPECT_EQ(session.TogglePlug(), "");
    EXPECT_EQ(session.settings().Module, AlphabetModule::Contacts30);
    EXPECT_EQ(session.settings().Plug, AlphabetPlug::Latin);
    EXPECT_EQ(heard(), "ss");
    EXPECT_EQ(session.SwitchModel(Model::Q417_3MN), "");  // the model it has: nothing happens
    EXPECT_EQ(session.settings().Machine, Model::Q417_3MN);
    session.ChooseKeyboard(4);
    session.ChooseKeyboard(-1);
    EXPECT_EQ(session.settings().Layot, MachineSettings{}.Layot);

    session.ResetCounter();
    session.AdvanceTape();
    EXPECT_EQ(heard(), "cs");
    EXPECT_FALSE(session.TakeOutRotor(3));  // the cover is shut
    EXPECT_EQ(session.CloseMachine(), "");
    EXPECT_EQ(heard(), "");
    EXPECT_TRUE(session.OpenMachine());
    EXPECT_FALSE(session.OpenMachine());
    EXPECT_EQ(heard(), "c");
    const RotorState last = rotors.Slot(10);
    EXPECT_TRUE(session.TakeOutRotor(3));  // the rightmost comes out
    EXPECT_FALSE(session.InsertRotor());   // nothing put together to put in
    EXPECT_EQ(heard(), "s");
    EXPECT_TRUE(session.TakeBody(last.RotorNumber));
    EXPECT_TRUE(session.TakeCore(last.CoreNumber));
    EXPECT_EQ(heard(), "ss");
    EXPECT_EQ(session.TouchFace(WorkTable::FaceZone::None), WorkTable::FaceZone::None);
    EXPECT_EQ(heard(), "");
    EXPECT_EQ(session.TouchFace(WorkTable::FaceZone::Ring), WorkTable::FaceZone::Ring);
    EXPECT_TRUE(session.InsertRotor());
    EXPECT_EQ(heard(), "ss");
    EXPECT_EQ(session.CloseMachine(), "");
    EXPECT_EQ(heard(), "c");

    // A punched card takes the day of the month as its key number once it is complete.
    session.ClearCard();
    EXPECT_EQ(session.machine().card.KeyNumber, 0);
    for (int row = 1; row <= 30; ++row)
        EXPECT_EQ(session.PunchCell({31 - row, row}, 17), PunchResult::Punched) << row;
    EXPECT_EQ(session.machine().card.KeyNumber, 17);
    EXPECT_EQ(heard(), std::string(30, 's'));
    EXPECT_EQ(session.PunchCell({31, 1}, 17), PunchResult::None);
    EXPECT_EQ(heard(), "");
    session.DiagonalCard();
    EXPECT_EQ(session.machine().card.KeyNumber, 0);

    // The feed knob turns only with a text loaded; a run steps audibly unless the sound is off.
    EXPECT_FALSE(session.StepFeed(1));
    session.LoadText("\xC0\xC1\xC2");
    const int32_t start = session.feed().FeedPosition;
    EXPECT_FALSE(session.StepFeed(0));
    EXPECT_TRUE(session.StepFeed(1));
    EXPECT_TRUE(session.StepFeed(1));
    EXPECT_TRUE(session.StepFeed(-1));
    EXPECT_EQ(session.feed().FeedPosition, start + 1);
    EXPECT_EQ(heard(), "sss");
    for (bool sound : {true, false}) {
        session.SetSound(sound);
        session.LoadText("\xC0\xC1\xC2");
        ASSERT_TRUE(session.PressStart());
        session.ReleaseStart();
        while (!session.StepRun().ended) {
        }
        const std::string run = heard();
        EXPECT_EQ(run[0], 'c');
        EXPECT_EQ(run.find('s') != std::string::npos, sound) << run;
    }
    session.SetSoundPlayer(nullptr);
}

}  // namespace
}  // namespace q417
