#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/rotors.h"

namespace q417 {
namespace {

std::vector<int> Positions(const RotorStack& r) {
    std::vector<int> p;
    for (int slot = 1; slot <= 10; ++slot) p.push_back(r.Slot(slot).Position);
    return p;
}

// Finds a body and ring for which the sensing point at a given position holds a pin (or not).
struct Sensing {
    int body, ring;
};
Sensing FindBody(const RotorStack& r, int position, bool pin) {
    for (int body = 1; body <= 10; ++body)
        for (int ring = 1; ring <= 30; ++ring) {
            const int k = Wrap(position + ring + (body % 2 == 0 ? 16 : 19));
            if ((r.Pins()[body][k] == 1) == pin) return {body, ring};
        }
    return {0, 0};
}

TEST(RotorMaps, BackwardUndoesForwardForEveryRotorState) {
    RotorStack r;
    std::mt19937 rng(7);
    for (int serie : {3, 6}) {
        ASSERT_TRUE(r.LoadSeries(*SettingFromStored<RotorSeries>(serie)));
        for (int trial = 0; trial < 500; ++trial) {
            ASSERT_TRUE(r.InitRotor(1, rng() % 10 + 1, rng() % 30 + 1, rng() % 10 + 1,
                                    rng() % 2 + 1, rng() % 30 + 1));
            r.SetPosition(1, rng() % 30 + 1);
            for (int c = 1; c <= 30; ++c) ASSERT_EQ(r.MapBackward(1, r.MapForward(1, c)), c);
        }
    }
}

TEST(RotorMaps, TurnedCoreIsTheMirroredWiring) {
    RotorStack r;
    r.InitRotor(1, 1, 1, 4, 1, 1);
    std::vector<int> side1;
    for (int c = 1; c <= 30; ++c) side1.push_back(r.MapForward(1, c));
    r.InitRotor(1, 1, 1, 4, 2, 1);
    std::vector<int> side2;
    for (int c = 1; c <= 30; ++c) side2.push_back(r.MapForward(1, c));
    EXPECT_NE(side1, side2);
    r.InitRotor(1, 1, 1, 4, 1, 1);
    for (int c = 1; c <= 30; ++c) EXPECT_EQ(r.MapForward(1, c), side1[c - 1]);
}

TEST(RotorMaps, AllSettingsOneShiftByThree) {
    // Position, ring and core setting 1: the offset is 33, i.e. 3, not 0.
    RotorStack r;
    r.InitRotor(1, 1, 1, 1, 1, 1);
    r.SetPosition(1, 1);
    for (int a = 1; a <= 30; ++a)
        EXPECT_EQ(r.MapForward(1, a), Wrap(tables::Wiring6K[1][Wrap(a + 3)] - 3));
}

TEST(RotorMaps, EightRotorStackIgnoresSlotsNineAndTen) {
    RotorStack r;
    r.SetRotorsInUse(8);
    std::vector<int> before;
    for (int c = 1; c <= 30; ++c) before.push_back(r.RotorStackForward(c));
    r.InitRotor(9, 3, 7, 5, 2, 11);
    r.StepPlus(10);
    for (int c = 1; c <= 30; ++c) EXPECT_EQ(r.RotorStackForward(c), before[c - 1]);
}

TEST(Series, UnknownSeriesKeepsTheLoadedTables) {
    RotorStack r;
    ASSERT_TRUE(r.LoadSeries(RotorSeries::Series3K));
    EXPECT_FALSE(r.LoadSeries(RotorSeries::Series4K));
    EXPECT_EQ(r.LoadedSeries(), RotorSeries::Series3K);
    EXPECT_EQ(&r.Wiring(), &tables::Wiring3K);
}

TEST(Stepping, SinglePositionMovesWrap) {
    RotorStack r;
    r.SetPosition(1, 30);
    r.StepPlus(1);
    EXPECT_EQ(r.Slot(1).Position, 1);
    r.StepMinus(1);
    EXPECT_EQ(r.Slot(1).Position, 30);
}

TEST(Stepping, WithoutPinsOddChainRisesAndEvenChainFalls) {
    RotorStack r;
    // Every slot gets a body/ring with no pin at its sensing point.
    for (int slot = 1; slot <= 10; ++slot) {
        // Bodies must only be distinct for a valid key; the stepping rule does not care.
        const Sensing s = FindBody(r, 10, false);
        r.InitRotor(slot, s.body, s.ring, slot, 1, 1);
        r.SetPosition(slot, 10);
    }
    r.StepRotors();
    EXPECT_EQ(Positions(r), (std::vector<int>{11, 9, 11, 9, 11, 9, 11, 9, 11, 9}));
}

TEST(Stepping, PinHoldsBackTheRestOfItsChainOnly) {
    struct Case {
        int pinned_slot;
        std::vector<int> expected;  // from all positions 10
    };
    const Case cases[] = {
        {9, {10, 9, 10, 9, 10, 9, 10, 9, 11, 9}},      // 9 still moves, 7 5 3 1 held
        {2, {11, 9, 11, 10, 11, 10, 11, 10, 11, 10}},  // 2 still moves, 4 6 8 10 held
        {5, {10, 9, 10, 9, 11, 9, 11, 9, 11, 9}},      // 9 7 5 move, 3 1 held
        {1, {11, 9, 11, 9, 11, 9, 11, 9, 11, 9}},      // slot 1 is never sensed
        {10, {11, 9, 11, 9, 11, 9, 11, 9, 11, 9}},     // slot 10 is never sensed
    };
    for (const Case& c : cases) {
        RotorStack r;
        const Sensing none = FindBody(r, 10, false), pin = FindBody(r, 10, true);
        for (int slot = 1; slot <= 10; ++slot) {
            const Sensing s = slot == c.pinned_slot ? pin : none;
            r.InitRotor(slot, s.body, s.ring, slot, 1, 1);
            r.SetPosition(slot, 10);
        }
        r.StepRotors();
        EXPECT_EQ(Positions(r), c.expected) << "pin in slot " << c.pinned_slot;
    }
}

TEST(Stepping, PinsAreSensedBeforeAnythingMoves) {
    RotorStack r;
    const Sensing none = FindBody(r, 10, false);
    // Slot 9: no pin at position 10, but a pin once it has stepped to 11.
    Sensing nine{0, 0};
    for (int body = 1; body <= 10 && !nine.body; ++body)
        for (int ring = 1; ring <= 30; ++ring) {
            const int off = body % 2 == 0 ? 16 : 19;
            if (r.Pins()[body][Wrap(10 + ring + off)] == 0 &&
                r.Pins()[body][Wrap(11 + ring + off)] == 1) {
                nine = {body, ring};
                break;
            }
        }
    ASSERT_NE(nine.body, 0);
    for (int slot = 1; slot <= 10; ++slot) {
        const Sensing s = slot == 9 ? nine : none;
        r.InitRotor(slot, s.body, s.ring, slot, 1, 1);
        r.SetPosition(slot, 10);
    }
    r.StepRotors();  // slot 9 brings its pin to the sensing point; 7 still moves now
    EXPECT_EQ(r.Slot(7).Position, 11);
    r.StepRotors();  // ...and is held at the next press
    EXPECT_EQ(r.Slot(7).Position, 11);
    EXPECT_EQ(r.Slot(9).Position, 12);
}

TEST(Stepping, EightRotorMachineNeverMovesNineAndTen) {
    RotorStack r;
    r.SetRotorsInUse(8);
    for (int i = 0; i < 100; ++i) r.StepRotorsEight();
    EXPECT_EQ(r.Slot(9).Position, 9);
    EXPECT_EQ(r.Slot(10).Position, 10);
    EXPECT_NE(r.Slot(7).Position, 7);
    EXPECT_NE(r.Slot(2).Position, 2);
}

TEST(Observer, EveryMoveAndRebuildIsReported) {
    struct Recorder : RotorObserver {
        std::vector<int> moved, initialised;
        void RotorMoved(int slot) override { moved.push_back(slot); }
        void RotorInitialised(int slot) override { initialised.push_back(slot); }
    } rec;
    RotorStack r;
    r.SetObserver(&rec);
    r.InitRotor(4, 2, 3, 4, 1, 5);
    r.StepRotors();
    EXPECT_EQ(rec.initialised, std::vector<int>{4});
    EXPECT_EQ(rec.moved.front(), 9);  // the order of the moves: 9 7 5 3 1 2 4 6 8 10
    // Each field out of range on its own is refused, and nothing is rebuilt.
    const int refused[][6] = {{0, 1, 1, 1, 1, 1},  {11, 1, 1, 1, 1, 1}, {4, 0, 1, 1, 1, 1},
                              {4, 11, 1, 1, 1, 1}, {4, 1, 0, 1, 1, 1},  {4, 1, 31, 1, 1, 1},
                              {4, 1, 1, 0, 1, 1},  {4, 1, 1, 11, 1, 1}, {4, 1, 1, 1, 0, 1},
                              {4, 1, 1, 1, 3, 1},  {4, 1, 1, 1, 1, 0},  {4, 1, 1, 1, 1, 31}};
    for (const auto& f : refused)
        EXPECT_FALSE(r.InitRotor(f[0], f[1], f[2], f[3], f[4], f[5]))
            << f[0] << " " << f[1] << " " << f[2] << " " << f[3] << " " << f[4] << " " << f[5];
    EXPECT_EQ(rec.initialised.size(), 1u);
    EXPECT_TRUE(r.InitRotor(10, 10, 30, 10, 2, 30));  // the upper ends are in range
}

}  // namespace
}  // namespace q417
