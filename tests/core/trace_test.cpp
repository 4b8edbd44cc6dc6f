#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/machine.h"
#include "core/signal_tables.h"
#include "core/trace.h"
#include "key/key_table.h"
#include "key/random_key.h"

namespace q417 {
namespace {

namespace t = tables;

struct Wiring {
    const ContactTable *map, *map_inverse, *reflector, *loop_forward, *loop_backward;
};

Wiring WiringOf(PathCase c, bool decipher) {
    switch (c) {
        case PathCase::LatinPlug:
            return {&t::KeyMapPlug2, &t::KeyMapPlug2Inverse,
                    decipher ? &t::ReflectorPlug2Dec : &t::ReflectorPlug2Enc, &t::LoopForwardPlug2,
                    &t::LoopBackwardPlug2};
        case PathCase::Module10:
            return {&t::KeyMapModule10, &t::KeyMapModule10Inverse,
                    decipher ? &t::ReflectorModule10Dec : &t::ReflectorModule10Enc,
                    &t::LoopForwardModule10, &t::LoopBackwardModule10};
        default:
            return {&t::KeyMapFull, &t::KeyMapFullInverse,
                    decipher ? &t::ReflectorFullDec : &t::ReflectorFullEnc, nullptr, nullptr};
    }
}

// Walks a trace and checks every stage against the machine's own stage functions and the
// order the wiring allows: empty when the trace is sound, else what went wrong where.
std::string CheckStages(const Machine& m, const KeyPressTrace& tr) {
    const Wiring w = WiringOf(tr.path_case, tr.decipher);
    const int top = m.rotors.RotorsInUse();
    std::ostringstream err;
    Contact prev = 0;
    TraceStage last = TraceStage::Key;
    int last_slot = 0;
    for (size_t i = 0; i < tr.points.size(); ++i) {
        const TracePoint& p = tr.points[i];
        if (i == 0 && p.stage != TraceStage::Key) return "does not start at the key";
        Contact want = p.contact;
        bool order_ok = true;
        switch (p.stage) {
            case TraceStage::Key:
                order_ok = i == 0;
                break;
            case TraceStage::KeyMap:
                want = (*w.map)[prev], order_ok = last == TraceStage::Key;
                break;
            case TraceStage::Card:
                want = m.card.CardForward(prev);
                order_ok = last == TraceStage::KeyMap || last == TraceStage::LoopForward;
                break;
            case TraceStage::Entry:
                want = t::EntryWiring[prev], order_ok = last == TraceStage::Card;
                break;
            case TraceStage::RotorForward:
                want = m.rotors.MapForward(p.slot, prev);
                order_ok = (last == TraceStage::Entry && p.slot == top) ||
                           (last == TraceStage::RotorForward && p.slot == last_slot - 1);
                break;
            case TraceStage::Reflector:
                want = (*w.reflector)[prev];
                order_ok = last == TraceStage::RotorForward && last_slot == 1;
                break;
            case TraceStage::LoopForward:
                want = w.loop_forward ? (*w.loop_forward)[prev] : -1;
                order_ok =
                    last == TraceStage::RotorForward && last_slot == 1 && (*w.reflector)[prev] == 0;
                break;
            case TraceStage::RotorBackward:
                want = m.rotors.MapBackward(p.slot, prev);
                order_ok = ((last == TraceStage::Reflector || last == TraceStage::LoopBackward) &&
                            p.slot == 1) ||
                           (last == TraceStage::RotorBackward && p.slot == last_slot + 1);
                break;
            case TraceStage::EntryBack:
                want = t::EntryWiringInverse[prev];
                order_ok = last == TraceStage::RotorBackward && last_slot == top;
                break;
            case TraceStage::CardBack:
                want = m.card.CardInverse(prev), order_ok = last == TraceStage::EntryBack;
                break;
            case TraceStage::LoopBackward:
                want = w.loop_backward ? (*w.loop_backward)[prev] : -1;
                order_ok = last == TraceStage::CardBack && (*w.map_inverse)[prev] == 0;
                break;
            case TraceStage::Exit:
                want = (*w.map_inverse)[prev], order_ok = last == TraceStage::CardBack;
                break;
            case TraceStage::Lost:
                want = 0;
                break;
        }
        if (!order_ok) err << "stage " << i << " out of order; ";
        if (want != p.contact)
            err << "stage " << i << " gives " << p.contact << " not " << want << "; ";
        if (p.contact == 0 && i + 1 != tr.points.size()) err << "goes on after losing the signal; ";
        prev = p.contact, last = p.stage, last_slot = p.slot;
    }
    return err.str();
}

std::array<int32_t, 11> Positions(const Machine& m) {
    std::array<int32_t, 11> p{};
    for (int s = 1; s <= 10; ++s) p[s] = m.rotors.Slot(s).Position;
    return p;
}

// Counts what the printer was asked to print.
struct PrintCount : OutputStage {
    int printed = 0;
    void PrintOutput(int32_t, Model) override { ++printed; }
};

struct Variant {
    Model machine;
    AlphabetModule module;
    AlphabetPlug plug;
    PathCase path;
};

// On random keys (ring and core settings, turned cores), cards, positions, both series and
// every path case, the trace of each key press agrees with what the cycle then does: the
// output, the contact the path gives, the register, what is printed and the step.
TEST(KeyPressTrace, AgreesWithTheCycleOnRandomKeysInEveryCase) {
    using enum AlphabetModule;
    using enum AlphabetPlug;
    const Variant models[] = {{Model::Q417M, Contacts30, Russian, PathCase::Full},
                              {Model::Q417_3MN, Contacts30, Russian, PathCase::Full},
                              {Model::Q417_3MR, Contacts30, Russian, PathCase::Full},
                              {Model::Q417_3MN, Contacts30, Latin, PathCase::LatinPlug},
                              {Model::Q417_3MR, Contacts30, Latin, PathCase::LatinPlug},
                              {Model::Q417_3MN, Figures10, Russian, PathCase::Module10},
                              {Model::Q417_3MR, Figures10, Russian, PathCase::Module10},
                              {Model::Q417_3MN, Figures10, Latin, PathCase::None}};
    std::mt19937 rng(417);
    int loops = 0, lost = 0;
    for (const Variant& model : models)
        for (RotorSeries serie : {RotorSeries::Series3K, RotorSeries::Series6K})
            for (int trial = 0; trial < 6; ++trial) {
                Machine m;
                PrintCount printer;
                m.SetOutputStage(&printer);
                m.settings.Machine = model.machine;
                m.settings.Module = model.module;
                m.settings.Plug = model.plug;
                m.settings.Mode = kPositions<RegisterMode>[trial % 3];
                m.ApplySettings();
                ASSERT_EQ(PathCaseFor(m.settings), model.path);
                m.rotors.LoadSeries(serie);
                KeyTable table;
                GenerateRandomKey(rng(), table, m.card);
                ASSERT_TRUE(ApplyKeyTable(table, m.rotors));
                for (int s = 1; s <= 10; ++s) m.rotors.SetPosition(s, rng() % 30 + 1);
                m.state.InputTextLoaded = trial % 2 == 0;
                for (int press = 0; press < 150; ++press) {
                    m.settings.Rod = press % 7 == 6 ? Work::Plain
                                     : press % 2    ? Work::Decipher
                                                    : Work::Encipher;
                    const Contact in = static_cast<Contact>(rng() % 31 + 1);
                    const KeyPressTrace tr = TraceKeyPress(m, in);
                    const std::string where =
                        "model " + std::to_string(StoredValue(model.machine)) + "/" +
                        std::to_string(StoredValue(model.module)) + "/" +
                        std::to_string(StoredValue(model.plug)) + " serie " +
                        std::to_string(StoredValue(serie)) + " key " + std::to_string(in);
                    ASSERT_EQ(CheckStages(m, tr), "") << where;
                    const bool through = m.settings.Rod != Work::Plain &&
                                         model.path != PathCase::None &&
                                         (in <= 30 || m.settings.Rod == Work::Encipher);
                    ASSERT_EQ(!tr.points.empty(), through) << where;
                    if (through) {
                        const Contact k = in == kSpaceBar ? 30 : in;
                        const Contact gives = m.settings.Rod == Work::Encipher
                                                  ? m.SignalPathEncipher(k)
                                                  : m.SignalPathDecipher(k);
                        ASSERT_EQ(tr.PathResult(), gives) << where;
                    }
                    loops += tr.forward_passes > 1 || tr.backward_passes > 1;
                    lost += !tr.points.empty() && tr.PathResult() == 0;

                    const int printed_before = printer.printed;
                    m.state.InputContact = in;
                    m.KeyPressCycle();
                    ASSERT_EQ(tr.output, m.state.OutputContact) << where;
                    ASSERT_EQ(tr.print_register, m.state.PrintRegister) << where;
                    ASSERT_EQ(tr.printed, printer.printed > printed_before) << where;
                    ASSERT_EQ(tr.positions_after, Positions(m)) << where;
                }
            }
    EXPECT_GT(loops, 100);  // the loop passes were exercised, not only first passes
    EXPECT_GT(lost, 20);    // and the disconnected keys and contacts outside the alphabet
}

// The last key press traced afterwards is the press as it was made: its input, the positions
// it met and left, and what it printed; on the eight-rotor model and the Q-417M too.
TEST(KeyPressTrace, TheLastKeyPressIsTracedAsItWasMade) {
    for (const Model model : {Model::Q417_3MN, Model::Q417_3MR, Model::Q417M}) {
        Machine m;
        m.settings.Machine = model;
        m.settings.Rod = model == Model::Q417_3MN ? Work::Decipher : Work::Encipher;
        m.settings.Plug = model == Model::Q417_3MN ? AlphabetPlug::Latin : AlphabetPlug::Russian;
        m.ApplySettings();
        EXPECT_EQ(m.LastKeyPress().count, 0u);
        KeyPressTrace last;
        for (int i = 0; i < 40; ++i) {
            const auto before = Positions(m);
            m.state.InputContact = i % 31 + 1;
            const Contact in = m.state.InputContact;
            const KeyPressTrace ahead = TraceKeyPress(m, in);
            m.KeyPressCycle();
            const auto after = Positions(m);
            TraceLastKeyPress(m, last);
            EXPECT_EQ(m.LastKeyPress().count, static_cast<uint64_t>(i + 1));
            EXPECT_EQ(last.input, in);
            EXPECT_EQ(last.output, m.state.OutputContact);
            EXPECT_EQ(last.points, ahead.points);
            for (int s = 1; s <= 10; ++s) EXPECT_EQ(last.rotors[s].Position, before[s]);
            EXPECT_EQ(last.positions_after, after);
            if (i % 3 == 0) m.rotors.StepPlus(i % 10 + 1);  // a hand turn before the next press
        }
    }
}

// The worked example's first key press: contact 1 on the basic key and the diagonal card
// gives 3, passing all ten rotors once each way.
TEST(KeyPressTrace, WorkedExampleFirstKeyPress) {
    Machine m;
    m.settings.Rod = Work::Encipher;
    m.StartUp();
    const KeyPressTrace tr = TraceKeyPress(m, 1);
    EXPECT_EQ(tr.output, 3);
    EXPECT_EQ(tr.points.size(), 1u + 3u + 10u + 1u + 10u + 3u);
    EXPECT_EQ(tr.points.front(), (TracePoint{TraceStage::Key, 0, 1, 1}));
    EXPECT_EQ(tr.points[1].contact, 17);  // the keyboard map's row
    EXPECT_EQ(tr.points.back(), (TracePoint{TraceStage::Exit, 0, 1, 3}));
    EXPECT_EQ(tr.forward_passes, 1);
    EXPECT_EQ(tr.backward_passes, 1);
    EXPECT_EQ(tr.rotors[10].Position, 10);
    EXPECT_EQ(tr.rotors[10].CoreNumber, 10);
}

// Where the current does not reach the rotors the trace has no path, but still the output,
// the register and the step (or the lack of one).
TEST(KeyPressTrace, NoPathWhereTheCurrentDoesNotPassTheRotors) {
    Machine m;
    m.StartUp();
    m.settings.Rod = Work::Plain;
    KeyPressTrace tr = TraceKeyPress(m, kSpaceBar);
    EXPECT_TRUE(tr.points.empty());
    EXPECT_EQ(tr.output, kSpaceBar);
    EXPECT_EQ(tr.positions_after, Positions(m));

    m.settings.Rod = Work::Encipher;
    m.state.MachineClosed = false;
    tr = TraceKeyPress(m, 5);
    EXPECT_TRUE(tr.points.empty());
    EXPECT_EQ(tr.output, 0);
    EXPECT_EQ(tr.positions_after, Positions(m));

    m.state.MachineClosed = true;
    m.settings.Module = AlphabetModule::Figures10;
    m.state.AutoRun = true;  // the run without text in the ten-key alphabet
    tr = TraceKeyPress(m, 0);
    EXPECT_TRUE(tr.points.empty());
    EXPECT_EQ(tr.output, 0);
    EXPECT_NE(tr.positions_after, Positions(m));

    m.settings.Rod = Work::Plain;
    m.settings.Mode = RegisterMode::Mixed;
    tr = TraceKeyPress(m, 20);
    EXPECT_FALSE(tr.printed);
    EXPECT_EQ(tr.print_register, 2);
}

}  // namespace
}  // namespace q417
