// The settings panel's rules: what it shows for the settings, and what its choices change.
#include <gtest/gtest.h>

#include "app/machine_switches.h"
#include "app/qt/cabinet_zones.h"

namespace q417 {
namespace {

TEST(SettingsPanelState, FollowsTheSettingsAndTheMachine) {
    MachineSettings s;
    s.Machine = Model::Q417M;
    s.Serie = RotorSeries::Series4K;
    s.Layot = KeyboardLayout::Polish;
    s.Wheel = PrintWheel::Polish;
    s.Module = AlphabetModule::Contacts30;
    SettingsPanelState p = SettingsPanelStateFor(s, true, 0);
    EXPECT_EQ(p.model, Model::Q417M);
    EXPECT_EQ(
        p.serie,
        RotorSeries::Series4K);  // a series from the file is shown even though it cannot be chosen
    EXPECT_EQ(p.keyboard, 1);
    EXPECT_EQ(p.wheel, 0);
    EXPECT_FALSE(p.plug_visible);
    EXPECT_FALSE(p.machine_controls_enabled);
    EXPECT_TRUE(p.model_row_enabled);

    s.Machine = Model::Q417_3MR;
    s.Wheel = PrintWheel::Russian;
    s.Serie = RotorSeries::Series3K;
    p = SettingsPanelStateFor(s, false, 3);  // opened, key table not empty
    EXPECT_EQ(p.wheel, 1);
    EXPECT_EQ(p.serie, RotorSeries::Series3K);
    EXPECT_FALSE(p.model_row_enabled);
    EXPECT_FALSE(p.series_enabled);
    EXPECT_TRUE(SettingsPanelStateFor(s, false, 10).series_enabled);  // every rotor out

    // A later model: its switches and plug are shown as set, the other two series too.
    s.Machine = Model::Q417_3MN;
    s.Module = AlphabetModule::Figures10;
    s.Sound = false;
    s.Divider = true;
    for (RotorSeries serie : {RotorSeries::Series3K, RotorSeries::Series6K}) {
        s.Serie = serie;
        p = SettingsPanelStateFor(s, true, 0);
        EXPECT_EQ(p.serie, serie);
        EXPECT_EQ(p.module, AlphabetModule::Figures10);
        EXPECT_FALSE(p.sound);
        EXPECT_TRUE(p.divider);
        EXPECT_TRUE(p.plug_visible);
        EXPECT_TRUE(p.machine_controls_enabled);
        EXPECT_TRUE(p.series_enabled);
    }
}

TEST(SettingsChoices, TheLatinWheelFollowsTheKeyboardUntilRussianIsChosen) {
    MachineSettings s;
    s.Layot = KeyboardLayout::German;
    s.Wheel = PrintWheel::German;
    ChooseKeyboard(s, 2);
    EXPECT_EQ(s.Wheel, PrintWheel::Czech);
    ChooseWheel(s, 1);
    EXPECT_EQ(s.Wheel, PrintWheel::Russian);
    ChooseKeyboard(s, 0);
    EXPECT_EQ(s.Layot, KeyboardLayout::German);
    EXPECT_EQ(s.Wheel, PrintWheel::Russian);
    ChooseWheel(s, 0);
    EXPECT_EQ(s.Wheel, PrintWheel::German);
    TogglePlug(s);
    EXPECT_EQ(s.Plug, AlphabetPlug::Latin);
    TogglePlug(s);
    EXPECT_EQ(s.Plug, AlphabetPlug::Russian);
    ToggleModule(s);
    EXPECT_EQ(s.Module, AlphabetModule::Figures10);
    ToggleModule(s);
    EXPECT_EQ(s.Module, AlphabetModule::Contacts30);
}

TEST(SettingsChoices, ASeriesReloadsOnlyWhenItDiffersAndNoRotorIsInTheOpenMachine) {
    using enum RotorSeries;
    EXPECT_TRUE(SeriesSwitchReloads(true, 0, Series3K, Series6K));
    EXPECT_FALSE(SeriesSwitchReloads(true, 0, Series6K, Series6K));
    EXPECT_FALSE(SeriesSwitchReloads(false, 9, Series3K, Series6K));
    EXPECT_TRUE(SeriesSwitchReloads(false, 10, Series3K, Series6K));
}

TEST(ModuleSwitch, ZoneAndLever) {
    const struct {
        int x, y;
        bool zone;
    } rows[] = {{11, 20, true},   {26, 170, true}, {10, 100, false},
                {27, 100, false}, {20, 19, false}, {20, 171, false}};
    const auto& zones = cabinet_zones::kModuleSwitch;
    for (const auto& r : rows)
        EXPECT_EQ(zones.leverShown.Contains(r.x, r.y), r.zone) << r.x << "," << r.y;
    EXPECT_FALSE(zones.leverTurns.Contains(20, 70));
    EXPECT_TRUE(zones.leverTurns.Contains(20, 71));
    EXPECT_TRUE(zones.leverTurns.Contains(20, 119));
    EXPECT_FALSE(zones.leverTurns.Contains(20, 120));
}

}  // namespace
}  // namespace q417
