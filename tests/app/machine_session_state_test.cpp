#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "app/machine_session.h"
#include "app/machine_state.h"

namespace q417 {
namespace {

// Letters and figures of the Russian and the Latin layouts, and the space bar.
constexpr uint16_t kKeys[] = {0x41, 0x53, 0x44, 0x46, 0x4A, 0x4B, 0x51, 0x57, 0x45,
                              0x52, 0x31, 0x32, 0x39, 0x30, 0x20, 0x4D, 0x4E, 0x58};

void Type(MachineSession& s, std::mt19937& rng, int presses) {
    for (int i = 0; i < presses; ++i) {
        const uint16_t vk = kKeys[rng() % std::size(kKeys)];
        s.KeyDown(vk);
        s.KeyUp(vk);
    }
}

// A machine away from its start-up in every part a state keeps: random settings and key,
// turned rotors, a loaded text fed part of the way, keys typed after it.
void HalfWay(MachineSession& s, uint32_t seed) {
    std::mt19937 rng(seed);
    MachineSettings set;
    set.Machine = *SettingFromStored<Model>(static_cast<int32_t>(rng() % 3));
    set.Module = *SettingFromStored<AlphabetModule>(rng() % 4 == 0 ? 10 : 30);
    set.Plug = *SettingFromStored<AlphabetPlug>(rng() % 4 == 0 ? 2 : 1);
    set.Rod = *SettingFromStored<Work>(static_cast<int32_t>(rng() % 3));
    set.Layot = *SettingFromStored<KeyboardLayout>(static_cast<int32_t>(1 + rng() % 4));
    set.Wheel = WheelOf(rng() % 2 ? KeyboardLayout::Russian : set.Layot);
    set.Sposob = PrintMethod::AlsoPunchedTape;
    set.Mode = *SettingFromStored<RegisterMode>(static_cast<int32_t>(1 + rng() % 3));
    set.Language = *SettingFromStored<WheelHalf>(static_cast<int32_t>(1 + rng() % 2));
    set.Divider = rng() % 2;
    set.Serie = *SettingFromStored<RotorSeries>(rng() % 2 ? 3 : 6);
    set.Tech = static_cast<int32_t>(rng() % 10000);
    s.StartUp(set);
    s.OpenMachine();
    s.RandomKey(rng());
    ASSERT_EQ(s.CloseMachine(), "");
    for (int slot = 1; slot <= 10; ++slot) s.SetPosition(slot, static_cast<int32_t>(1 + rng() % 30));
    s.LoadText("ПРИВЕТ МИР 12345 QWERTY\r\nвторая строка*далее текст");
    for (int i = 0; i < 9; ++i) s.StepOneKeyPress();
}

// A saved machine opened in another session goes on exactly as the first goes on: the same
// output, tapes, counter, positions and key-press count, on random machines and keys.
TEST(SessionState, OpenedStateGoesOnAsTheMachineWouldHave) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        MachineSession first;
        HalfWay(first, seed);
        ASSERT_EQ(first.CaptureRefusal(), "");
        const std::string file = WriteMachineState(first.CaptureState());

        MachineSession second;
        second.StartUp({});
        Type(second, *std::make_unique<std::mt19937>(seed), 7);  // something to replace
        MachineState read;
        std::string error;
        ASSERT_TRUE(ReadMachineState(file, read, error)) << error;
        ASSERT_EQ(second.RestoreState(read), "") << seed;
        EXPECT_EQ(WriteMachineState(second.CaptureState()), file) << seed;

        for (MachineSession* s : {&first, &second}) {
            std::mt19937 rng(seed * 7);
            s->FeedToEnd();
            Type(*s, rng, 23);
        }
        EXPECT_EQ(WriteMachineState(second.CaptureState()), WriteMachineState(first.CaptureState()))
            << "seed " << seed;
    }
}

// Every key press taken back leaves the machine as it was before it, whether typed or fed, up
// to the limit; brought back, as it was after; a new key press ends what can be brought back.
TEST(SessionState, UndoAndRedoWalkThroughTheSameStates) {
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        MachineSession s;
        HalfWay(s, seed);
        std::string text;
        for (int i = 0; i < 6; ++i) text += "ТЕКСТ БЕЗ ОСТАНОВОК, TEXT 123 ДЛИННЕЕ ЧЕМ ДВАДЦАТЬ ШАГОВ ";
        s.LoadText(text);
        s.StepFeed(1);
        s.KeepHistory(true);
        std::mt19937 rng(seed);
        std::vector<MachineState> states{s.CaptureState()};
        for (int i = 0; i < 60; ++i) {
            if (i % 3 == 0) s.StepOneKeyPress();
            // A key the alphabet has no contact for makes no key press.
            while (s.History().Done() == static_cast<std::size_t>(i)) Type(s, rng, 1);
            states.push_back(s.CaptureState());
            ASSERT_EQ(s.History().Done(), static_cast<std::size_t>(i + 1));
        }
        const MachineState last = states.back();
        // A fed press goes back to the character it fed: compare all but the feed.
        auto same = [](MachineState a, const MachineState& b) {
            a.FeedPosition = b.FeedPosition;
            return a == b;
        };
        for (int i = 59; i >= 0; --i) {
            ASSERT_EQ(s.Undo(), "") << i;
            EXPECT_TRUE(same(s.CaptureState(), states[i])) << "seed " << seed << " back to " << i;
        }
        const MachineState first = s.CaptureState();
        EXPECT_NE(s.Undo(), "");
        EXPECT_TRUE(s.CaptureState() == first);
        for (int i = 1; i <= 60; ++i) ASSERT_EQ(s.Redo(), "") << i;
        EXPECT_TRUE(s.CaptureState() == last);
        EXPECT_NE(s.Redo(), "");
        s.Undo();
        s.Undo();
        const std::size_t done = s.History().Done();
        while (s.History().Done() == done) Type(s, rng, 1);
        EXPECT_NE(s.Redo(), "");
    }
    MachineSession s;
    s.StartUp({});
    s.KeepHistory(true);
    std::mt19937 rng(5);
    for (std::size_t i = 0; i < KeyPressHistory::kLimit + 20; ++i) {
        s.KeyDown(0x41);
        s.KeyUp(0x41);
    }
    EXPECT_EQ(s.History().Done(), KeyPressHistory::kLimit);
}

// What is refused changes nothing: a state the machine cannot take, saving while a rotor is
// put together, taking back across a hand turn or a new key.
TEST(SessionState, RefusalsChangeNothing) {
    MachineSession s;
    HalfWay(s, 3);
    s.KeepHistory(true);
    std::mt19937 rng(3);
    Type(s, rng, 5);
    const MachineState before = s.CaptureState();

    MachineState bad = before;
    bad.Card[2] = bad.Card[1];
    EXPECT_NE(s.RestoreState(bad), "");
    bad = before;
    bad.Rotors[2].RotorNumber = bad.Rotors[1].RotorNumber;
    EXPECT_NE(s.RestoreState(bad), "");
    bad = before;
    bad.FeedPosition = FeedLengthOf(bad.InputText) + 2;
    EXPECT_NE(s.RestoreState(bad), "");
    EXPECT_TRUE(s.CaptureState() == before);

    s.TurnRotor(3, true);
    const MachineState turned = s.CaptureState();
    EXPECT_NE(s.Undo(), "");
    EXPECT_TRUE(s.CaptureState() == turned);

    s.OpenMachine();
    EXPECT_EQ(s.CaptureRefusal(), "");  // an open machine that could close is saved closed
    ASSERT_TRUE(s.TakeOutRotor(s.machine().rotors.RotorsInUse()));
    EXPECT_NE(s.CaptureRefusal(), "");
    const int body = s.machine().rotors.Slot(s.machine().rotors.RotorsInUse()).RotorNumber;
    ASSERT_TRUE(s.TakeBody(body));
    EXPECT_NE(s.CaptureRefusal(), "");
    ASSERT_EQ(s.RestoreState(before), "");
    EXPECT_TRUE(s.state().MachineClosed);
    EXPECT_FALSE(s.work().Assembling());
    EXPECT_TRUE(s.CaptureState() == before);
}

}  // namespace
}  // namespace q417
