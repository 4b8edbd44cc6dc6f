#include <gtest/gtest.h>

#include <functional>
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
// A state names the series whose wiring enciphers: the one the settings name once it is loaded
// (4K has no tables of its own and runs on 6K's), the loaded one while a series chosen with
// rotors standing in the open machine waits for them to come out.
TEST(SessionState, TheStateNamesTheSeriesWhoseWiringEnciphers) {
    for (const RotorSeries serie :
         {RotorSeries::Series3K, RotorSeries::Series4K, RotorSeries::Series6K}) {
        MachineSession s;
        MachineSettings set;
        set.Serie = serie;
        s.StartUp(set);
        EXPECT_EQ(s.CaptureState().Settings.Serie, serie) << static_cast<int>(serie);
    }
    MachineSession s;
    s.StartUp(MachineSettings{});
    s.OpenMachine();
    s.SwitchSeries(RotorSeries::Series3K);
    EXPECT_EQ(s.CaptureState().Settings.Serie, RotorSeries::Series6K);
}

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

// Every number of a state is taken at both ends of its range and refused one step beyond,
// alike by the file's reader and by the session, which takes states from anywhere.
TEST(SessionState, EveryNumberIsTakenToTheEndsOfItsRangeAndNoFurther) {
    MachineSession s;
    HalfWay(s, 4);
    MachineState base = s.CaptureState();
    // A later model set up as a Q-417M could be: every setting can reach its ends alone.
    base.Settings = {Model::Q417_3MR,      AlphabetModule::Contacts30, AlphabetPlug::Russian,
                     Work::Encipher,        true,                       KeyboardLayout::German,
                     PrintMethod::AlsoPunchedTape, WheelHalf::Russian,  RegisterMode::Letters,
                     PrintWheel::German,    false,                      RotorSeries::Series6K,
                     77};
    if (base.PunchedTape.empty()) base.PunchedTape.push_back(5);
    if (base.PaperTape.empty() || !base.PaperTape.back().Printed)
        base.PaperTape.push_back({true, 1, 0, Model::Q417M});
    using Set = std::function<void(MachineState&, int32_t)>;
    // Bodies and cores are unique among the slots: the slot holding the value gets slot 1's.
    auto rotor = [](int32_t RotorState::*field, int slot) -> Set {
        return [=](MachineState& st, int32_t v) {
            for (int k = 1; k <= 10; ++k)
                if (k != slot && st.Rotors[k].*field == v)
                    st.Rotors[k].*field = st.Rotors[slot].*field;
            st.Rotors[slot].*field = v;
        };
    };
    // A number no position has is forced in as the file would hold it.
    auto setting = [](auto MachineSettings::*field) -> Set {
        return [=](MachineState& st, int32_t v) {
            st.Settings.*field = static_cast<std::remove_reference_t<decltype(st.Settings.*field)>>(v);
        };
    };
    const int32_t last_feed = FeedLengthOf(base.InputText) + 1;
    const struct {
        const char* name;
        Set set;
        int32_t lo, hi;
        bool session;  // the session refuses it too (it sets settings right instead)
    } fields[] = {
        {"KeyNumber", [](MachineState& st, int32_t v) { st.KeyNumber = v; }, 0, 99, true},
        {"Position", rotor(&RotorState::Position, 1), 1, 30, true},
        {"Position of slot 10", rotor(&RotorState::Position, 10), 1, 30, true},
        {"RotorNumber", rotor(&RotorState::RotorNumber, 1), 1, 10, true},
        {"RingSetting", rotor(&RotorState::RingSetting, 1), 1, 30, true},
        {"CoreNumber", rotor(&RotorState::CoreNumber, 1), 1, 10, true},
        {"CoreSide", rotor(&RotorState::CoreSide, 1), 1, 2, true},
        {"CoreSetting", rotor(&RotorState::CoreSetting, 1), 1, 30, true},
        {"GroupCount", [](MachineState& st, int32_t v) { st.GroupCount = v; }, 0, 999, true},
        {"GroupPosition", [](MachineState& st, int32_t v) { st.GroupPosition = v; }, 0, 4, true},
        {"PrintRegister", [](MachineState& st, int32_t v) { st.PrintRegister = v; }, 1, 2, true},
        {"Band", [](MachineState& st, int32_t v) { st.PaperTape.back().Band = v; }, 1, 8, true},
        {"Contact", [](MachineState& st, int32_t v) { st.PaperTape.back().Contact = v; }, 0, 31,
         true},
        {"Machine of a glyph", [](MachineState& st, int32_t v) { st.PaperTape.back().Machine = static_cast<Model>(v); },
         0, 2, true},
        {"PunchedTape", [](MachineState& st, int32_t v) { st.PunchedTape.back() = v; }, 0, 31,
         true},
        {"FeedPosition", [](MachineState& st, int32_t v) { st.FeedPosition = v; }, 0, last_feed,
         true},
        {"Card",
         [](MachineState& st, int32_t v) {
             for (int r = 2; r <= 30; ++r)
                 if (v > 0 && st.Card[r] == v) st.Card[r] = st.Card[1];
             st.Card[1] = v;
         },
         0, 30, true},
        {"KeyTable", [](MachineState& st, int32_t v) { st.Table.at(KeyTable::kCoreSide, 10) = v; },
         0, 256, false},
        {"Machine", setting(&MachineSettings::Machine), 0, 2, false},
        {"Plug", setting(&MachineSettings::Plug), 1, 2, false},
        {"Rod", setting(&MachineSettings::Rod), 0, 2, false},
        {"Layot", setting(&MachineSettings::Layot), 1, 4, false},
        {"Sposob", setting(&MachineSettings::Sposob), 1, 2, false},
        {"Language", setting(&MachineSettings::Language), 1, 2, false},
        {"Mode", setting(&MachineSettings::Mode), 1, 3, false},
        {"Wheel", setting(&MachineSettings::Wheel), 1, 4, false},
        {"Serie", setting(&MachineSettings::Serie), 3, 6, false},
        {"Tech", setting(&MachineSettings::Tech), 0, 9999, false},
    };
    MachineSession other;
    other.StartUp({});
    ASSERT_EQ(other.RestoreState(base), "");
    for (const auto& f : fields) {
        for (int32_t v : {f.lo - 1, f.lo, f.hi, f.hi + 1}) {
            SCOPED_TRACE(std::string(f.name) + " " + std::to_string(v));
            const bool in_range = v >= f.lo && v <= f.hi;
            MachineState st = base;
            f.set(st, v);
            MachineState read;
            std::string error;
            EXPECT_EQ(ReadMachineState(WriteMachineState(st), read, error), in_range) << error;
            if (in_range) {
                EXPECT_TRUE(read == st);
            }
            if (!f.session) continue;
            EXPECT_EQ(other.RestoreState(st).empty(), in_range);
            if (in_range) {
                EXPECT_EQ(WriteMachineState(other.CaptureState()), WriteMachineState(st));
            }
        }
    }
    // Bodies and cores are unique only among the slots in use: eight on this model.
    for (int slot : {8, 9}) {
        for (int32_t RotorState::*field : {&RotorState::RotorNumber, &RotorState::CoreNumber}) {
            MachineState st = base;
            st.Rotors[slot].*field = st.Rotors[1].*field;
            EXPECT_EQ(other.RestoreState(st).empty(), slot == 9) << slot;
        }
    }
    // The module switch has two places, and a Q-417M set up otherwise is refused whole.
    for (int32_t module : {9, 10, 11, 29, 30, 31}) {
        MachineState st = base, read;
        std::string error;
        st.Settings.Module = static_cast<AlphabetModule>(module);
        EXPECT_EQ(ReadMachineState(WriteMachineState(st), read, error), module % 10 == 0) << module;
    }
    // The Q-417M has module 30, the Russian plug and the letters register only.
    const std::function<void(MachineSettings&)> otherwise[] = {
        [](MachineSettings& m) { m.Module = AlphabetModule::Figures10; },
        [](MachineSettings& m) { m.Plug = AlphabetPlug::Latin; },
        [](MachineSettings& m) { m.Mode = RegisterMode::Mixed; },
    };
    for (const auto& change : otherwise) {
        MachineState st = base, read;
        std::string error;
        st.Settings.Machine = Model::Q417M;
        change(st.Settings);
        EXPECT_FALSE(ReadMachineState(WriteMachineState(st), read, error));
        EXPECT_NE(error.find("the Q-417M has module 30"), std::string::npos) << error;
    }
}

// A key press can be taken back only from the machine it left: every part it moves counts,
// but not the feed, which goes on past the character fed, nor the contact of the next key.
TEST(SessionState, APressLeftTheSameMachineButForTheFeedAndTheNextKey) {
    const std::vector<std::function<void(PressSnapshot&)>> moved = {
        [](PressSnapshot& p) { p.positions[9] = 5; },
        [](PressSnapshot& p) { p.group_count = 1; },
        [](PressSnapshot& p) { p.group_position = 1; },
        [](PressSnapshot& p) { p.print_register = 2; },
        [](PressSnapshot& p) { p.tech = 1; },
        [](PressSnapshot& p) { p.output_contact = 3; },
        [](PressSnapshot& p) { p.input_size = 1; },
        [](PressSnapshot& p) { p.output_size = 1; },
        [](PressSnapshot& p) { p.paper_count = 1; },
        [](PressSnapshot& p) { p.punch_count = 1; },
        [](PressSnapshot& p) { p.paper[kStatePaperCells - 1] = 1; },
        [](PressSnapshot& p) { p.punched[kStatePunchColumns - 1] = 1; },
    };
    const PressSnapshot before;
    for (std::size_t i = 0; i < moved.size(); ++i) {
        PressSnapshot after = before;
        moved[i](after);
        EXPECT_FALSE(after.SameAfterPress(before)) << i;
        EXPECT_FALSE(before.SameAfterPress(after)) << i;
    }
    PressSnapshot fed = before;
    fed.feed_position = 7;
    fed.input_loaded = true;
    fed.input_contact = 4;
    EXPECT_TRUE(fed.SameAfterPress(before));
}

}  // namespace
}  // namespace q417
