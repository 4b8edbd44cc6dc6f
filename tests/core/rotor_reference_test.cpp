#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <vector>

#include "core/machine.h"
#include "core/signal_tables.h"

// The rotor stack is fast by cleverness: every core's path is worked out for every offset
// once, and a step moves a pointer to the next row. Here the machine is written out the slow
// way, straight from its formulas: the offset, the mirror and the inverse wiring are worked out
// on every pass, and stepping senses every pin and then moves slot after slot. The machine
// must agree with it everywhere.
namespace q417 {
namespace {

namespace ref {

using Slots = std::array<RotorState, 11>;  // slots 1..10

const tables::CoreRows& WiringOf(int serie) {
    return serie == 3 ? tables::Wiring3K : tables::Wiring6K;
}
const tables::PinRows& PinsOf(int serie) {
    return serie == 3 ? tables::Pins3K : tables::Pins6K;
}

int Mirror(int i) {
    return Wrap(32 - i);
}

// The i with t[i] == v, found by looking; 0 when there is none.
int Find(const ContactTable& t, int v) {
    for (int i = 1; i <= 30; ++i)
        if (t[i] == v) return i;
    return 0;
}

int Shift(const RotorState& r) {
    return r.Position + r.RingSetting - r.CoreSetting + 32;
}

// Toward the reflector: the contact is shifted by the offset, passes the core (a turned core
// is the mirror image of its inverse wiring), and the exit is shifted back.
int Forward(int serie, const RotorState& r, int a) {
    const ContactTable& core = WiringOf(serie)[r.CoreNumber];
    const int s = Shift(r);
    const int i = Wrap(a + s);
    const int e = r.CoreSide == 1 ? core[i] : Mirror(Find(core, Mirror(i)));
    return Wrap(e - s);
}

int Backward(int serie, const RotorState& r, int a) {
    const ContactTable& core = WiringOf(serie)[r.CoreNumber];
    const int s = Shift(r);
    const int i = Wrap(a + s);
    const int e = r.CoreSide == 1 ? Find(core, i) : Mirror(core[Mirror(i)]);
    return Wrap(e - s);
}

// Even bodies are sensed 16 points past position plus ring, odd ones 19.
bool Pin(int serie, const RotorState& r) {
    const int k = Wrap(r.Position + r.RingSetting + (r.RotorNumber % 2 == 0 ? 16 : 19));
    return PinsOf(serie)[r.RotorNumber][k] == 1;
}

// All pins are read first; then each chain moves from its driver on until the first rotor
// whose pin was sensed (that one still moves).
void Step(int serie, Slots& slots, bool eight) {
    const std::vector<int> odd =
        eight ? std::vector<int>{7, 5, 3, 1} : std::vector<int>{9, 7, 5, 3, 1};
    const std::vector<int> even =
        eight ? std::vector<int>{2, 4, 6, 8} : std::vector<int>{2, 4, 6, 8, 10};
    std::array<bool, 11> sensed{};
    for (int slot = 1; slot <= 10; ++slot) sensed[slot] = Pin(serie, slots[slot]);
    for (const auto& [chain, move] : {std::pair{odd, 1}, std::pair{even, -1}}) {
        bool held = false;
        for (int slot : chain) {
            if (held) break;
            slots[slot].Position = Wrap(slots[slot].Position + move);
            held = sensed[slot];
        }
    }
}

struct Setup {
    int machine, module, plug, serie;
};

int StackForward(const Setup& m, const Slots& slots, int c) {
    for (int slot = RotorsInUseFor(*SettingFromStored<Model>(m.machine)); slot >= 1; --slot)
        c = Forward(m.serie, slots[slot], c);
    return c;
}
int StackBackward(const Setup& m, const Slots& slots, int c) {
    for (int slot = 1; slot <= RotorsInUseFor(*SettingFromStored<Model>(m.machine)); ++slot)
        c = Backward(m.serie, slots[slot], c);
    return c;
}

// The row punched in column c, the highest such row.
int CardInverse(const ContactTable& card, int c) {
    int row = 0;
    for (int r = 1; r <= 30; ++r)
        if (card[r] == c) row = r;
    return row;
}

// The signal path for key k; the loop-back wiring of the Latin plug and the ten-key alphabet
// sends a signal that meets an unconnected contact through the stack again.
int Path(const Setup& m, const Slots& slots, const ContactTable& card, int k, bool decipher) {
    namespace t = tables;
    const bool full = m.machine == 0 || (m.module == 30 && m.plug == 1);
    if (!full && m.module == 10 && m.plug == 2) return k;
    const bool latin = !full && m.module == 30;
    const ContactTable& map = full ? t::KeyMapFull : latin ? t::KeyMapPlug2 : t::KeyMapModule10;
    const ContactTable& reflector =
        full    ? (decipher ? t::ReflectorFullDec : t::ReflectorFullEnc)
        : latin ? (decipher ? t::ReflectorPlug2Dec : t::ReflectorPlug2Enc)
                : (decipher ? t::ReflectorModule10Dec : t::ReflectorModule10Enc);
    const ContactTable& loop_forward = latin ? t::LoopForwardPlug2 : t::LoopForwardModule10;
    const ContactTable& loop_backward = latin ? t::LoopBackwardPlug2 : t::LoopBackwardModule10;
    int c = map[k];
    if (c == 0) return 0;
    int x = 0;
    for (int pass = 0; x == 0; ++pass) {
        if (pass > 30) return -1;  // never ends: cannot happen with a complete card
        const int y = StackForward(m, slots, t::EntryWiring[card[c]]);
        x = reflector[y];
        c = loop_forward[y];
    }
    for (int pass = 0; pass <= 30; ++pass) {
        const int y = CardInverse(card, Find(t::EntryWiring, StackBackward(m, slots, x)));
        if (y == 0) return -1;  // cannot happen with a complete card
        const int o = Find(map, y);
        if (o > 0) return o;
        x = loop_backward[y];
    }
    return -1;
}

}  // namespace ref

struct Key {
    ref::Slots slots{};
    ContactTable card{};
};

// Bodies and cores each a permutation of 1..10, the other settings anywhere in their ranges,
// the rotors at random positions, and a random complete card.
Key RandomKey(std::mt19937& rng) {
    Key k;
    std::array<int, 10> bodies, cores;
    std::iota(bodies.begin(), bodies.end(), 1);
    std::iota(cores.begin(), cores.end(), 1);
    std::shuffle(bodies.begin(), bodies.end(), rng);
    std::shuffle(cores.begin(), cores.end(), rng);
    for (int slot = 1; slot <= 10; ++slot)
        k.slots[slot] = {
            static_cast<int32_t>(rng() % 30 + 1), bodies[slot - 1],
            static_cast<int32_t>(rng() % 30 + 1), cores[slot - 1],
            static_cast<int32_t>(rng() % 2 + 1),  static_cast<int32_t>(rng() % 30 + 1)};
    std::vector<int> columns(30);
    std::iota(columns.begin(), columns.end(), 1);
    std::shuffle(columns.begin(), columns.end(), rng);
    for (int r = 1; r <= 30; ++r) k.card[r] = columns[r - 1];
    return k;
}

void Put(RotorStack& rotors, const ref::Slots& slots) {
    for (int slot = 1; slot <= 10; ++slot) {
        const RotorState& r = slots[slot];
        ASSERT_TRUE(rotors.InitRotor(slot, r.RotorNumber, r.RingSetting, r.CoreNumber, r.CoreSide,
                                     r.CoreSetting));
        rotors.SetPosition(slot, r.Position);
    }
}

// Every contact both ways and the pin of one slot, against the reference.
void ExpectSlotAgrees(const RotorStack& rotors, int slot, int serie) {
    const RotorState& r = rotors.Slot(slot);
    for (int a = 1; a <= 30; ++a) {
        ASSERT_EQ(rotors.MapForward(slot, a), ref::Forward(serie, r, a))
            << "slot " << slot << " contact " << a << " position " << r.Position;
        ASSERT_EQ(rotors.MapBackward(slot, a), ref::Backward(serie, r, a))
            << "slot " << slot << " contact " << a << " position " << r.Position;
    }
    ASSERT_EQ(rotors.PinAtSensingPoint(slot), ref::Pin(serie, r))
        << "slot " << slot << " position " << r.Position;
}

TEST(RotorReference, EveryCoreSidePositionAndSettingAgrees) {
    std::mt19937 rng(1617);
    RotorStack rotors;
    for (int serie : {3, 6}) {
        ASSERT_TRUE(rotors.LoadSeries(*SettingFromStored<RotorSeries>(serie)));
        for (int core = 1; core <= 10; ++core)
            for (int side : {1, 2})
                for (int trial = 0; trial < 3; ++trial) {
                    const int body = static_cast<int>(rng() % 10 + 1);
                    const int ring = static_cast<int>(rng() % 29 + 2);  // away from 1
                    const int setting = static_cast<int>(rng() % 29 + 2);
                    ASSERT_TRUE(rotors.InitRotor(3, body, ring, core, side, setting));
                    for (int p = 1; p <= 30; ++p) {
                        rotors.SetPosition(3, p);
                        ExpectSlotAgrees(rotors, 3, serie);
                    }
                }
    }
}

TEST(RotorReference, SteppingNTimesEqualsSettingThePosition) {
    std::mt19937 rng(42);
    for (int serie : {3, 6}) {
        const Key key = RandomKey(rng);
        RotorStack up, down, set;
        for (RotorStack* r : {&up, &down, &set}) {
            ASSERT_TRUE(r->LoadSeries(*SettingFromStored<RotorSeries>(serie)));
            Put(*r, key.slots);
        }
        for (int slot = 1; slot <= 10; ++slot)
            for (int n = 1; n <= 65; ++n) {
                up.StepPlus(slot);
                down.StepMinus(slot);
                set.SetPosition(slot, key.slots[slot].Position + n);
                ASSERT_EQ(up.Slot(slot).Position, set.Slot(slot).Position);
                ExpectSlotAgrees(up, slot, serie);
                set.SetPosition(slot, key.slots[slot].Position - n);
                ASSERT_EQ(down.Slot(slot).Position, set.Slot(slot).Position);
                ExpectSlotAgrees(down, slot, serie);
            }
    }
}

// A change of series rewires every slot at once, before anything else touches the rotors.
TEST(RotorReference, SeriesSwitchRewiresEverySlot) {
    std::mt19937 rng(3);
    RotorStack rotors;
    const Key key = RandomKey(rng);
    Put(rotors, key.slots);
    for (int serie : {3, 6, 3}) {
        ASSERT_TRUE(rotors.LoadSeries(*SettingFromStored<RotorSeries>(serie)));
        for (int slot = 1; slot <= 10; ++slot) ExpectSlotAgrees(rotors, slot, serie);
    }
    EXPECT_FALSE(rotors.LoadSeries(RotorSeries::Series4K));
    for (int slot = 1; slot <= 10; ++slot) ExpectSlotAgrees(rotors, slot, 3);
}

// Random keys in every path case, both series and both stepping rules: each key press gives
// the reference's output and leaves every rotor where the reference's stepping puts it.
TEST(RotorReference, KeyPressesAgreeInEveryPathCase) {
    const ref::Setup setups[] = {{0, 30, 1, 6}, {1, 30, 1, 6}, {2, 30, 1, 6}, {1, 30, 2, 6},
                                 {2, 30, 2, 6}, {1, 10, 1, 6}, {2, 10, 1, 6}, {1, 10, 2, 6}};
    const std::vector<int> ten_keys = {1, 2, 4, 13, 15, 16, 18, 19, 21, 24, 30};
    std::mt19937 rng(2026);
    for (ref::Setup setup : setups)
        for (int serie : {3, 6})
            for (int rod : {1, 2})
                for (int trial = 0; trial < 4; ++trial) {
                    setup.serie = serie;
                    Key key = RandomKey(rng);
                    Machine m;
                    m.settings.Machine = *SettingFromStored<Model>(setup.machine);
                    m.settings.Module = *SettingFromStored<AlphabetModule>(setup.module);
                    m.settings.Plug = *SettingFromStored<AlphabetPlug>(setup.plug);
                    m.settings.Rod = *SettingFromStored<Work>(rod);
                    m.ApplySettings();
                    ASSERT_TRUE(m.rotors.LoadSeries(*SettingFromStored<RotorSeries>(serie)));
                    Put(m.rotors, key.slots);
                    ASSERT_TRUE(m.card.SetRows(key.card));
                    for (int press = 0; press < 60; ++press) {
                        const int k = setup.module == 10 ? ten_keys[rng() % ten_keys.size()]
                                                         : static_cast<int>(rng() % 30 + 1);
                        int expected = ref::Path(setup, key.slots, key.card, k, rod == 2);
                        if (rod == 2 && expected == 30) expected = kSpaceBar;
                        ref::Step(serie, key.slots, setup.machine == 2);
                        m.state.InputContact = k;
                        m.KeyPressCycle();
                        ASSERT_EQ(m.state.OutputContact, expected)
                            << "machine " << setup.machine << " module " << setup.module << " plug "
                            << setup.plug << " series " << serie << " rod " << rod << " press "
                            << press;
                        for (int slot = 1; slot <= 10; ++slot)
                            ASSERT_EQ(m.rotors.Slot(slot).Position, key.slots[slot].Position)
                                << "slot " << slot << " press " << press;
                    }
                }
}

// One rotor in slot 1, worked out by hand from the formulas. s is the shift position + ring
// - core setting + 32, i = wrap(contact + s) the core's entry point; the core row is the
// series' table; a turned core reads mirror(inverse(mirror(i))) toward the reflector and
// mirror(core(mirror(i))) back, with mirror(i) = wrap(32 - i).
struct OneRotor {
    int serie, core, side, position, ring, core_setting, contact, forward, backward;
};
const OneRotor kOneRotor[] = {
    // s = 7+12-5+32 = 46; i = 19. Forward core[19] = 17, 17-46 -> 1.
    // Back: core[3] = 19, 3-46 -> 17.
    {6, 4, 1, 7, 12, 5, 3, 1, 17},
    // Turned: mirror(19) = 13; forward inverse(13) = 30, mirror 2, 2-46 -> 16.
    // Back core[13] = 18, mirror 14, 14-46 -> 28.
    {6, 4, 2, 7, 12, 5, 3, 16, 28},
    // s = 28+3-20+32 = 43; i = wrap(73) = 13. Forward core[13] = 4, 4-43 -> 21.
    // Back: core[12] = 13, 12-43 -> 29.
    {3, 9, 1, 28, 3, 20, 30, 21, 29},
    // Turned: mirror(13) = 19; forward inverse(19) = 2, mirror 30, 30-43 -> 17.
    // Back core[19] = 29, mirror 3, 3-43 -> 20.
    {3, 9, 2, 28, 3, 20, 30, 17, 20},
    // s = 1+30-29+32 = 34; i = wrap(51) = 21, mirror 11. Forward inverse(11) = 30,
    // mirror 2, 2-34 -> 28. Back core[11] = 14, mirror 18, 18-34 -> 14.
    {6, 10, 2, 1, 30, 29, 17, 28, 14},
    // s = 15+1-30+32 = 18; i = 19. Forward core[19] = 29, 29-18 -> 11.
    // Back: core[14] = 19, 14-18 -> 26.
    {3, 2, 1, 15, 1, 30, 1, 11, 26},
};

// The sensing point: k = wrap(position + ring + 16) for an even body, + 19 for an odd one.
struct Sensed {
    int serie, body, position, ring;
    bool pin;
};
const Sensed kSensed[] = {
    {6, 4, 7, 12, false},  // 7+12+16 = 35 -> point 5 of 10100: 0
    {6, 4, 8, 12, true},   // point 6 of 10100 11101: 1 (an odd body would read point 9: 0)
    {6, 7, 30, 30, true},  // 30+30+19 = 79 -> point 19 of ... 11010: 1
    {3, 1, 5, 9, false},   // 5+9+19 = 33 -> point 3 of 01001: 0
    {3, 10, 5, 29, true},  // 5+29+16 = 50 -> point 20 of ... 00001: 1
};

TEST(RotorReference, KnownAnswersForOneRotor) {
    RotorStack rotors;
    for (const OneRotor& k : kOneRotor) {
        ASSERT_TRUE(rotors.LoadSeries(*SettingFromStored<RotorSeries>(k.serie)));
        ASSERT_TRUE(rotors.InitRotor(1, 1, k.ring, k.core, k.side, k.core_setting));
        rotors.SetPosition(1, k.position);
        const RotorState& r = rotors.Slot(1);
        EXPECT_EQ(ref::Forward(k.serie, r, k.contact), k.forward) << "core " << k.core;
        EXPECT_EQ(ref::Backward(k.serie, r, k.contact), k.backward) << "core " << k.core;
        EXPECT_EQ(rotors.MapForward(1, k.contact), k.forward) << "core " << k.core;
        EXPECT_EQ(rotors.MapBackward(1, k.contact), k.backward) << "core " << k.core;
    }
    for (const Sensed& k : kSensed) {
        ASSERT_TRUE(rotors.LoadSeries(*SettingFromStored<RotorSeries>(k.serie)));
        ASSERT_TRUE(rotors.InitRotor(1, k.body, k.ring, 1, 1, 1));
        rotors.SetPosition(1, k.position);
        EXPECT_EQ(ref::Pin(k.serie, rotors.Slot(1)), k.pin) << "body " << k.body;
        EXPECT_EQ(rotors.PinAtSensingPoint(1), k.pin) << "body " << k.body;
    }
}

// Whole key presses with a key whose settings cancel nowhere and whose cores are mostly
// turned; the card sends row r to column 7r mod 30. Slots 1..10 (each rotor starts at its
// body number):
//   body  4  3  1  6  7  5 10  8  9  2
//   ring  2 22 14  6 22 12  9 15  2 23
//   core  2  9  3  6  1  7  8  4 10  5
//   side  2  2  2  2  1  2  1  1  2  2
//   set   1 20  3  2 25 26 20 18  5 20
// The first press of the 6K run, contact 1: key map 17, card 29, entry 9; slots 10..1 give
// 28 25 5 14 24 13 30 11 3 30; reflector 26; slots 1..10 give 19 21 9 23 21 18 27 24 13 28;
// entry 1, card 13, key 28. Pins are then sensed in slots 4 and 7, so the odd chain moves
// 9 and 7, the even chain 2 and 4.
struct KeyPresses {
    int machine, serie;
    std::vector<int> outputs;    // for the keys 1..10 enciphered in turn
    std::vector<int> positions;  // of slots 1..10 afterwards
};
const KeyPresses kKeyPresses[] = {
    {1, 6, {28, 15, 24, 24, 10, 18, 24, 13, 24, 16}, {5, 23, 2, 28, 9, 3, 17, 6, 19, 1}},
    {2, 3, {19, 27, 19, 4, 19, 26, 15, 1, 1, 7}, {5, 23, 2, 27, 12, 2, 20, 6, 9, 2}},
};

TEST(RotorReference, KnownAnswersForWholeKeyPresses) {
    const int table[5][10] = {{4, 3, 1, 6, 7, 5, 10, 8, 9, 2},
                              {2, 22, 14, 6, 22, 12, 9, 15, 2, 23},
                              {2, 9, 3, 6, 1, 7, 8, 4, 10, 5},
                              {2, 2, 2, 2, 1, 2, 1, 1, 2, 2},
                              {1, 20, 3, 2, 25, 26, 20, 18, 5, 20}};
    for (const KeyPresses& k : kKeyPresses) {
        Key key;
        for (int slot = 1; slot <= 10; ++slot) {
            const int c = slot - 1;
            key.slots[slot] = {table[0][c], table[0][c], table[1][c],
                               table[2][c], table[3][c], table[4][c]};
        }
        for (int r = 1; r <= 30; ++r) key.card[r] = Wrap(7 * r);
        Machine m;
        m.settings.Machine = *SettingFromStored<Model>(k.machine);
        m.settings.Rod = Work::Encipher;
        m.ApplySettings();
        ASSERT_TRUE(m.rotors.LoadSeries(*SettingFromStored<RotorSeries>(k.serie)));
        Put(m.rotors, key.slots);
        ASSERT_TRUE(m.card.SetRows(key.card));
        const ref::Setup setup{k.machine, 30, 1, k.serie};
        std::vector<int> outputs, reference;
        for (int contact = 1; contact <= 10; ++contact) {
            reference.push_back(ref::Path(setup, key.slots, key.card, contact, false));
            ref::Step(k.serie, key.slots, k.machine == 2);
            m.state.InputContact = contact;
            m.KeyPressCycle();
            outputs.push_back(m.state.OutputContact);
        }
        std::vector<int> positions, reference_positions;
        for (int slot = 1; slot <= 10; ++slot) {
            positions.push_back(m.rotors.Slot(slot).Position);
            reference_positions.push_back(key.slots[slot].Position);
        }
        EXPECT_EQ(reference, k.outputs) << "machine " << k.machine;
        EXPECT_EQ(reference_positions, k.positions) << "machine " << k.machine;
        EXPECT_EQ(outputs, k.outputs) << "machine " << k.machine;
        EXPECT_EQ(positions, k.positions) << "machine " << k.machine;
    }
}

}  // namespace
}  // namespace q417
