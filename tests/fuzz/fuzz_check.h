#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/settings.h"

namespace q417::fuzz {

// A broken promise of the code under test: reported and turned into a crash, so that the
// fuzzer keeps the input that caused it.
inline void Require(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

template <typename Setting>
bool Known(Setting v) {
    return SettingFromStored<Setting>(StoredValue(v)).has_value();
}

// Every setting a position of its switch, so that some table of the machine has rows for it.
inline bool SettingsInRange(const MachineSettings& s) {
    return Known(s.Machine) && Known(s.Module) && Known(s.Plug) && Known(s.Rod) && Known(s.Layot) &&
           Known(s.Sposob) && Known(s.Language) && Known(s.Mode) && Known(s.Wheel) &&
           Known(s.Serie) && s.Tech >= 0 && s.Tech <= 9999;
}

// Takes the input's first bytes as the numbers of the machine's switches (anything, as a
// damaged file could hold), read as the settings file's numbers are, and leaves the rest.
inline MachineSettings TakeSettings(std::string_view& input) {
    auto next = [&input]() -> int32_t {
        if (input.empty()) return 0;
        const auto b = static_cast<unsigned char>(input.front());
        input.remove_prefix(1);
        return b;
    };
    StoredSettings s;
    s.Machine = next() % 4;
    s.Module = next() % 2 ? 10 : 30;
    s.Plug = next() % 3;
    s.Rod = next() % 4;
    s.Layot = next() % 6;
    s.Wheel = next() % 6;
    s.Mode = next() % 5;
    s.Language = next() % 3;
    const int32_t flags = next();
    s.Sposob = 1 + (flags & 1);
    s.Divider = (flags & 2) != 0;
    s.Sound = (flags & 4) != 0;
    s.Serie = (flags & 8) ? 3 : (flags & 16) ? 4 : 6;
    s.Tech = 9990 + (flags >> 5);
    return SettingsFromStored(s);
}

}  // namespace q417::fuzz
