#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/machine.h"
#include "key/key_table.h"
#include "key/random_key.h"

namespace q417 {
namespace {

// Records every call the cycle makes on its output stage, in order.
struct Trace : OutputStage {
    std::vector<std::string> calls;
    void EchoInput(int32_t c, Model) override { calls.push_back("echo " + std::to_string(c)); }
    void PrintOnTape(int32_t c, Model) override { calls.push_back("tape " + std::to_string(c)); }
    void PrintOutput(int32_t c, Model) override { calls.push_back("out " + std::to_string(c)); }
    void PunchContact(int32_t c) override { calls.push_back("punch " + std::to_string(c)); }
    void AdvanceGroupCounter() override { calls.push_back("count"); }
};

struct CycleFixture : ::testing::Test {
    Machine m;
    Trace trace;
    void SetUp() override { m.SetOutputStage(&trace); }
    void Press(int contact) {
        trace.calls.clear();
        m.state.InputContact = contact;
        m.KeyPressCycle();
    }
    std::vector<int> Positions() const {
        std::vector<int> p;
        for (int s = 1; s <= 10; ++s) p.push_back(m.rotors.Slot(s).Position);
        return p;
    }
};

using Calls = std::vector<std::string>;

TEST_F(CycleFixture, PlainTypingPassesEveryContactAndNeverSteps) {
    m.settings.Rod = Work::Plain;
    const auto before = Positions();
    Press(31);
    EXPECT_EQ(trace.calls, (Calls{"echo 31", "tape 31", "out 31", "count"}));
    Press(5);
    EXPECT_EQ(m.state.OutputContact, 5);
    EXPECT_EQ(Positions(), before);
}

TEST_F(CycleFixture, SpaceIsEchoedAsSpaceAndEncipheredOnThirty) {
    m.settings.Rod = Work::Encipher;
    Press(31);
    EXPECT_EQ(trace.calls.front(), "echo 31");
    EXPECT_EQ(m.state.InputContact, 30);
    Machine fresh;
    EXPECT_EQ(m.state.OutputContact, fresh.SignalPathEncipher(30));
}

TEST_F(CycleFixture, DecipheredThirtyPrintsAsSpace) {
    m.settings.Rod = Work::Encipher;
    Press(30);
    const int cipher = m.state.OutputContact;
    m.rotors.SetBasicKey();
    m.settings.Rod = Work::Decipher;
    Press(cipher);
    EXPECT_EQ(m.state.OutputContact, 31);
}

TEST_F(CycleFixture, MixedRegisterShiftsPrintNothingButArePunchedAndCounted) {
    m.settings.Rod = Work::Plain;
    m.settings.Mode = RegisterMode::Mixed;
    m.settings.Sposob = PrintMethod::AlsoPunchedTape;
    Press(20);
    EXPECT_EQ(trace.calls, (Calls{"echo 20", "punch 20", "count"}));
    EXPECT_EQ(m.state.PrintRegister, 2);
    Press(7);
    EXPECT_EQ(trace.calls, (Calls{"echo 7", "punch 7", "count"}));
    EXPECT_EQ(m.state.PrintRegister, 1);
    m.settings.Machine = Model::Q417M;  // the Q-417M has no register: both print
    Press(20);
    EXPECT_EQ(trace.calls, (Calls{"echo 20", "tape 20", "out 20", "punch 20", "count"}));
}

TEST_F(CycleFixture, OpenedMachineOutputsNothingAndDoesNotStep) {
    m.settings.Rod = Work::Encipher;
    m.state.MachineClosed = false;
    const auto before = Positions();
    Press(4);
    EXPECT_EQ(m.state.OutputContact, 0);
    EXPECT_EQ(Positions(), before);
    EXPECT_EQ(trace.calls.back(), "count");
}

TEST_F(CycleFixture, FedTextIsNotEchoed) {
    m.settings.Rod = Work::Encipher;
    m.state.InputTextLoaded = true;
    m.state.AutoRun = true;
    Press(4);
    EXPECT_EQ(trace.calls.front().rfind("tape", 0), 0u);
}

TEST_F(CycleFixture, TenKeyRunWithoutTextOutputsNothingButSteps) {
    m.settings.Rod = Work::Encipher;
    m.settings.Module = AlphabetModule::Figures10;
    m.state.AutoRun = true;
    const auto before = Positions();
    Press(0);
    EXPECT_EQ(m.state.OutputContact, 0);
    EXPECT_NE(Positions(), before);
}

TEST_F(CycleFixture, TenKeyAlphabetWithLatinPlugPassesThroughAndSteps) {
    m.settings.Rod = Work::Encipher;
    m.settings.Module = AlphabetModule::Figures10;
    m.settings.Plug = AlphabetPlug::Latin;
    const auto before = Positions();
    for (int k : {1, 2, 4, 13}) {
        Press(k);
        EXPECT_EQ(m.state.OutputContact, k);
    }
    EXPECT_NE(Positions(), before);
}

TEST_F(CycleFixture, LatinPlugDisconnectsFourKeys) {
    m.settings.Rod = Work::Encipher;
    m.settings.Plug = AlphabetPlug::Latin;
    for (int k : {17, 23, 28, 29}) {
        const auto before = Positions();
        Press(k);
        EXPECT_EQ(m.state.OutputContact, 0) << k;
        EXPECT_NE(Positions(), before);
    }
}

TEST_F(CycleFixture, TenKeyAlphabetLosesContactsOutsideItsKeys) {
    // A fed space or asterisk reaches the ten-key path as contact 30: no signal, no loops.
    m.settings.Rod = Work::Encipher;
    m.settings.Module = AlphabetModule::Figures10;
    m.state.InputTextLoaded = true;
    Press(30);
    EXPECT_EQ(m.state.OutputContact, 0);
    Press(31);
    EXPECT_EQ(m.state.OutputContact, 0);
}

TEST_F(CycleFixture, CounterWrapsAfterNineThousandNineHundredNinetyNine) {
    m.settings.Tech = 9999;
    Press(1);
    EXPECT_EQ(m.settings.Tech, 0);
    Press(1);
    EXPECT_EQ(m.settings.Tech, 1);
}

TEST_F(CycleFixture, UnknownKindOfWorkKeepsTheLastOutput) {
    m.settings.Rod = Work::Plain;
    Press(9);
    m.settings.Rod = static_cast<Work>(5);  // a value forced past the settings' checks
    Press(3);
    EXPECT_EQ(m.state.OutputContact, 9);
}

TEST_F(CycleFixture, IncompleteCardLosesTheSignalInsteadOfIndexingWithZero) {
    for (int plug : {1, 2}) {
        m.settings.Plug = *SettingFromStored<AlphabetPlug>(plug);
        m.card.DiagonalCard();
        m.card.SetRow(5, 0);
        m.card.SetRow(17, 0);
        for (int k = 1; k <= 30; ++k) {
            const int out = m.SignalPathEncipher(k);
            EXPECT_GE(out, 0);
            EXPECT_LE(out, 30);
        }
    }
}

// For every case, key, card and start position, deciphering what was enciphered gives the
// plain contacts back (keys that give 0 excepted).
TEST(RoundTrip, DecipherUndoesEncipherForRandomKeys) {
    struct Case {
        int machine, module, plug;
        std::vector<int> keys;
    };
    std::vector<int> all, ten = {1, 2, 4, 13, 15, 16, 18, 19, 21, 24};
    for (int k = 1; k <= 30; ++k) all.push_back(k);
    const Case cases[] = {{0, 30, 1, all}, {1, 30, 1, all}, {2, 30, 1, all}, {1, 30, 2, all},
                          {2, 30, 2, all}, {1, 10, 1, ten}, {2, 10, 1, ten}, {1, 10, 2, ten}};
    std::mt19937 rng(2024);
    for (const Case& c : cases)
        for (int serie : {3, 6})
            for (int trial = 0; trial < 20; ++trial) {
                Machine m;
                m.settings.Machine = *SettingFromStored<Model>(c.machine);
                m.settings.Module = *SettingFromStored<AlphabetModule>(c.module);
                m.settings.Plug = *SettingFromStored<AlphabetPlug>(c.plug);
                m.ApplySettings();
                m.rotors.LoadSeries(*SettingFromStored<RotorSeries>(serie));
                KeyTable table;
                GenerateRandomKey(rng(), table, m.card);
                ASSERT_TRUE(ApplyKeyTable(table, m.rotors));
                for (int s = 1; s <= 10; ++s) m.rotors.SetPosition(s, rng() % 30 + 1);
                const RotorStack start = m.rotors;
                std::vector<int> plain, cipher, back;
                for (int i = 0; i < 60; ++i) plain.push_back(c.keys[rng() % c.keys.size()]);
                m.settings.Rod = Work::Encipher;
                for (int k : plain) {
                    m.state.InputContact = k;
                    m.KeyPressCycle();
                    cipher.push_back(m.state.OutputContact);
                }
                m.rotors = start;
                m.settings.Rod = Work::Decipher;
                for (int x : cipher) {
                    m.state.InputContact = x;
                    m.KeyPressCycle();
                    back.push_back(m.state.OutputContact == 31 ? 30 : m.state.OutputContact);
                }
                for (size_t i = 0; i < plain.size(); ++i) {
                    if (cipher[i] == 0) continue;
                    ASSERT_EQ(back[i], plain[i]) << "machine " << c.machine << " module "
                                                 << c.module << " plug " << c.plug << " at " << i;
                }
            }
}

// A start loads the configured series (a series without tables keeps the 6K ones), sets the
// basic key and the diagonal card, closes the machine and puts the printer in the register of
// its mode: figures only in the figures mode, the mixed mode starts on letters.
TEST(Settings, StartUpGivesTheStartState) {
    const int starts[][3] = {{3, 3, 2}, {6, 2, 1}, {4, 1, 1}};  // series, mode -> register
    for (const auto& [serie, mode, reg] : starts) {
        Machine m;
        m.settings.Serie = *SettingFromStored<RotorSeries>(serie);
        m.settings.Mode = *SettingFromStored<RegisterMode>(mode);
        m.rotors.InitRotor(2, 7, 5, 3, 2, 9);
        m.card.SetRow(1, 0);
        m.card.KeyNumber = 12;
        m.state.MachineClosed = false;
        m.StartUp();
        EXPECT_EQ(m.state.PrintRegister, reg) << "mode " << mode;
        EXPECT_EQ(StoredValue(m.rotors.LoadedSeries()), serie == 3 ? 3 : 6);
        EXPECT_TRUE(m.state.MachineClosed);
        EXPECT_EQ(m.card.KeyNumber, 0);
        EXPECT_EQ(m.card.CardForward(1), 1);
        const RotorState& r = m.rotors.Slot(2);
        EXPECT_EQ((std::vector<int>{r.Position, r.RotorNumber, r.RingSetting, r.CoreNumber,
                                    r.CoreSide, r.CoreSetting}),
                  (std::vector<int>{2, 2, 1, 2, 1, 1}));
    }
}

TEST(Settings, OutOfRangeValuesTakeTheirDefaults) {
    StoredSettings stored;
    stored.Machine = 7;
    stored.Layot = 9;
    stored.Module = 20;
    stored.Serie = 5;
    stored.Wheel = 0;
    stored.Tech = 12000;
    MachineSettings s = SettingsFromStored(stored);
    EXPECT_EQ(s.Machine, Model::Q417_3MN);
    EXPECT_EQ(s.Layot, KeyboardLayout::Russian);
    EXPECT_EQ(s.Module, AlphabetModule::Contacts30);
    EXPECT_EQ(s.Serie, RotorSeries::Series6K);
    EXPECT_EQ(s.Wheel, PrintWheel::Russian);
    EXPECT_EQ(s.Tech, 0);
    s.Machine = Model::Q417M;
    s.Module = AlphabetModule::Figures10;
    s.Plug = AlphabetPlug::Latin;
    s.Mode = RegisterMode::Figures;
    SanitizeSettings(s);
    EXPECT_EQ(s.Module, AlphabetModule::Contacts30);
    EXPECT_EQ(s.Plug, AlphabetPlug::Russian);
    EXPECT_EQ(s.Mode, RegisterMode::Letters);
}

}  // namespace
}  // namespace q417
