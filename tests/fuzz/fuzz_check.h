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

// Every setting within the range some table of the machine has rows for.
inline bool SettingsInRange(const MachineSettings& s) {
    return s.Machine >= 0 && s.Machine <= 2 && (s.Module == AlphabetModule::Figures10 || s.Module == AlphabetModule::Contacts30) && s.Plug >= 1 &&
           s.Plug <= 2 && s.Rod >= 0 && s.Rod <= 2 && s.Layot >= 1 && s.Layot <= 4 &&
           s.Sposob >= 1 && s.Sposob <= 2 && s.Language >= 1 && s.Language <= 2 && s.Mode >= 1 &&
           s.Mode <= 3 && s.Wheel >= 1 && s.Wheel <= 4 &&
           (s.Serie == RotorSeries::Series3K || s.Serie == RotorSeries::Series4K || s.Serie == RotorSeries::Series6K) && s.Tech >= 0 && s.Tech <= 9999;
}

// Takes the input's first bytes as the switches of the machine (anything, as a damaged file
// could hold) and leaves the rest.
inline MachineSettings TakeSettings(std::string_view& input) {
    auto next = [&input]() -> int32_t {
        if (input.empty()) return 0;
        const auto b = static_cast<unsigned char>(input.front());
        input.remove_prefix(1);
        return b;
    };
    MachineSettings s;
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
    return s;
}

}  // namespace q417::fuzz
