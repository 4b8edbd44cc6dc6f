#include "core/settings.h"

#include <initializer_list>

namespace q417 {

namespace {
void Default(int32_t& v, bool ok, int32_t fallback) {
    if (!ok) v = fallback;
}
bool OneOf(int32_t v, std::initializer_list<int32_t> values) {
    for (int32_t x : values)
        if (v == x) return true;
    return false;
}
}  // namespace

void SanitizeSettings(MachineSettings& s) {
    const MachineSettings d;
    Default(s.Machine, OneOf(s.Machine, {0, 1, 2}), d.Machine);
    Default(s.Module, OneOf(s.Module, {10, 30}), d.Module);
    Default(s.Plug, OneOf(s.Plug, {1, 2}), d.Plug);
    Default(s.Rod, OneOf(s.Rod, {0, 1, 2}), d.Rod);
    Default(s.Layot, s.Layot >= 1 && s.Layot <= 4, d.Layot);
    Default(s.Sposob, OneOf(s.Sposob, {1, 2}), d.Sposob);
    Default(s.Language, OneOf(s.Language, {1, 2}), d.Language);
    Default(s.Mode, OneOf(s.Mode, {1, 2, 3}), d.Mode);
    Default(s.Wheel, s.Wheel >= 1 && s.Wheel <= 4, s.Layot);
    Default(s.Serie, OneOf(s.Serie, {3, 4, 6}), d.Serie);
    Default(s.Tech, s.Tech >= 0 && s.Tech <= 9999, d.Tech);
    if (s.Machine == 0) {
        // The Q-417M has the full alphabet, the Russian plug, no register modes and no
        // print-wheel choice: its wheel is the one of its keyboard.
        s.Module = 30;
        s.Plug = 1;
        s.Mode = 1;
        s.Wheel = s.Layot;
    }
}

}  // namespace q417
