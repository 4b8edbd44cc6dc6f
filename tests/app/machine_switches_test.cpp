// The settings panel's rules: what it shows for the settings, and what its choices change.
#include <gtest/gtest.h>

#include "app/machine_switches.h"
#include "app/qt/cabinet_zones.h"

namespace q417 {
namespace {

TEST(SettingsPanelState, FollowsTheSettingsAndTheMachine) {
    MachineSettings s;
    s.Machine = 0;
    s.Serie = 4;
    s.Layot = 2;
    s.Wheel = 2;
    s.Module = 30;
    SettingsPanelState p = SettingsPanelStateFor(s, true, 0);
    EXPECT_EQ(p.model, 0);
    EXPECT_EQ(p.serie, 4);  // a series from the file is shown even though it cannot be chosen
    EXPECT_EQ(p.keyboard, 1);
    EXPECT_EQ(p.wheel, 0);
    EXPECT_FALSE(p.plug_visible);
    EXPECT_FALSE(p.machine_controls_enabled);
    EXPECT_TRUE(p.model_row_enabled);

    s.Machine = 2;
    s.Wheel = 4;
    s.Serie = 5;
    p = SettingsPanelStateFor(s, false, 3);  // opened, key table not empty
    EXPECT_EQ(p.wheel, 1);
    EXPECT_EQ(p.serie, 0);
    EXPECT_FALSE(p.model_row_enabled);
    EXPECT_FALSE(p.series_enabled);
    EXPECT_TRUE(SettingsPanelStateFor(s, false, 10).series_enabled);  // every rotor out

    // A later model: its switches and plug are shown as set, the other two series too.
    s.Machine = 1;
    s.Module = 10;
    s.Sound = false;
    s.Divider = true;
    for (int32_t serie : {3, 6}) {
        s.Serie = serie;
        p = SettingsPanelStateFor(s, true, 0);
        EXPECT_EQ(p.serie, serie);
        EXPECT_EQ(p.module, 10);
        EXPECT_FALSE(p.sound);
        EXPECT_TRUE(p.divider);
        EXPECT_TRUE(p.plug_visible);
        EXPECT_TRUE(p.machine_controls_enabled);
        EXPECT_TRUE(p.series_enabled);
    }
    s.Module = 20;
    EXPECT_EQ(SettingsPanelStateFor(s, true, 0).module, 0);
}

TEST(SettingsChoices, TheLatinWheelFollowsTheKeyboardUntilRussianIsChosen) {
    MachineSettings s;
    s.Layot = 1;
    s.Wheel = 1;
    ChooseKeyboard(s, 2);
    EXPECT_EQ(s.Wheel, 3);
    ChooseWheel(s, 1);
    EXPECT_EQ(s.Wheel, 4);
    ChooseKeyboard(s, 0);
    EXPECT_EQ(s.Layot, 1);
    EXPECT_EQ(s.Wheel, 4);
    ChooseWheel(s, 0);
    EXPECT_EQ(s.Wheel, 1);
    TogglePlug(s);
    EXPECT_EQ(s.Plug, 2);
    TogglePlug(s);
    EXPECT_EQ(s.Plug, 1);
    ToggleModule(s);
    EXPECT_EQ(s.Module, 10);
    ToggleModule(s);
    EXPECT_EQ(s.Module, 30);
}

TEST(SettingsChoices, ASeriesReloadsOnlyWhenItDiffersAndNoRotorIsInTheOpenMachine) {
    EXPECT_TRUE(SeriesSwitchReloads(true, 0, 3, 6));
    EXPECT_FALSE(SeriesSwitchReloads(true, 0, 6, 6));
    EXPECT_FALSE(SeriesSwitchReloads(false, 9, 3, 6));
    EXPECT_TRUE(SeriesSwitchReloads(false, 10, 3, 6));
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
