#include <gtest/gtest.h>

#include <vector>

#include "core/machine.h"

namespace q417 {
namespace {

// Records what reaches the printer.
struct PrintedContacts : OutputStage {
    std::vector<int> printed;
    void PrintOutput(int32_t contact, Model) override { printed.push_back(contact); }
};

struct Example {
    const char* name;
    int machine, module, plug, serie;
    std::vector<int> outputs;
    std::vector<int> positions;  // empty: not given
};

// Start state of the worked example: series 6 unless stated, diagonal card, basic key.
std::vector<int> Press(Machine& m, PrintedContacts& out, int rod, const std::vector<int>& keys) {
    m.settings.Rod = *SettingFromStored<Work>(rod);
    out.printed.clear();
    for (int k : keys) {
        m.state.InputContact = k;
        m.KeyPressCycle();
    }
    return out.printed;
}

void StartState(Machine& m, const Example& e) {
    m.settings = MachineSettings{};
    m.settings.Machine = *SettingFromStored<Model>(e.machine);
    m.settings.Module = *SettingFromStored<AlphabetModule>(e.module);
    m.settings.Plug = *SettingFromStored<AlphabetPlug>(e.plug);
    m.settings.Serie = *SettingFromStored<RotorSeries>(e.serie);
    m.ApplySettings();
    m.rotors.LoadSeries(*SettingFromStored<RotorSeries>(e.serie));
    m.rotors.SetBasicKey();
    m.card.DiagonalCard();
}

class WorkedExample : public ::testing::TestWithParam<Example> {};

TEST_P(WorkedExample, EnciphersTwelveOnesAndDeciphersThemBack) {
    const Example& e = GetParam();
    Machine m;
    PrintedContacts out;
    m.SetOutputStage(&out);
    StartState(m, e);
    EXPECT_EQ(Press(m, out, 1, std::vector<int>(12, 1)), e.outputs);
    if (!e.positions.empty()) {
        std::vector<int> positions;
        for (int slot = 1; slot <= 10; ++slot) positions.push_back(m.rotors.Slot(slot).Position);
        EXPECT_EQ(positions, e.positions);
    }
    StartState(m, e);
    EXPECT_EQ(Press(m, out, 2, e.outputs), std::vector<int>(12, 1));
}

INSTANTIATE_TEST_SUITE_P(
    AllCases, WorkedExample,
    ::testing::Values(
        Example{"Full",
                1,
                30,
                1,
                6,
                {3, 11, 18, 6, 29, 27, 21, 21, 11, 8, 14, 5},
                {5, 20, 7, 26, 10, 3, 16, 7, 21, 9}},
        Example{"LatinPlug", 1, 30, 2, 6, {3, 14, 18, 6, 13, 27, 21, 15, 11, 11, 14, 5}, {}},
        Example{"Module10", 1, 10, 1, 6, {4, 4, 18, 21, 15, 1, 15, 15, 4, 15, 2, 21}, {}},
        Example{"EightRotors",
                2,
                30,
                1,
                6,
                {8, 10, 19, 25, 2, 6, 7, 23, 12, 11, 14, 8},
                {5, 20, 7, 26, 11, 3, 19, 7, 9, 10}},
        Example{"Series3",
                1,
                30,
                1,
                3,
                {29, 27, 24, 1, 21, 15, 12, 9, 2, 4, 15, 23},
                {2, 20, 4, 29, 6, 5, 12, 8, 21, 10}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace q417
