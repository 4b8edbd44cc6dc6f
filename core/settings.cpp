#include "core/settings.h"

namespace q417 {

namespace {

// A number no position of the switch has takes the given position.
template <typename Setting>
Setting Checked(int32_t stored, Setting fallback) {
    return SettingFromStored<Setting>(stored).value_or(fallback);
}

}  // namespace

void SanitizeSettings(MachineSettings& s) {
    if (s.Tech < 0 || s.Tech > 9999) s.Tech = 0;
    if (s.Machine == Model::Q417M) {
        s.Module = AlphabetModule::Contacts30;
        s.Plug = AlphabetPlug::Russian;
        s.Mode = RegisterMode::Letters;
        s.Wheel = WheelOf(s.Layot);
    }
}

StoredSettings StoredFrom(const MachineSettings& s) {
    return {StoredValue(s.Machine),
            StoredValue(s.Module),
            StoredValue(s.Plug),
            StoredValue(s.Rod),
            s.Sound,
            StoredValue(s.Layot),
            StoredValue(s.Sposob),
            StoredValue(s.Language),
            StoredValue(s.Mode),
            StoredValue(s.Wheel),
            s.Divider,
            StoredValue(s.Serie),
            s.Tech};
}

MachineSettings SettingsFromStored(const StoredSettings& f) {
    const MachineSettings d;
    MachineSettings s;
    s.Machine = Checked(f.Machine, d.Machine);
    s.Module = Checked(f.Module, d.Module);
    s.Plug = Checked(f.Plug, d.Plug);
    s.Rod = Checked(f.Rod, d.Rod);
    s.Sound = f.Sound;
    s.Layot = Checked(f.Layot, d.Layot);
    s.Sposob = Checked(f.Sposob, d.Sposob);
    s.Language = Checked(f.Language, d.Language);
    s.Mode = Checked(f.Mode, d.Mode);
    // A wheel no machine has is the one that suits the keyboard.
    s.Wheel = Checked(f.Wheel, WheelOf(s.Layot));
    s.Divider = f.Divider;
    s.Serie = Checked(f.Serie, d.Serie);
    s.Tech = f.Tech;
    SanitizeSettings(s);
    return s;
}

}  // namespace q417
