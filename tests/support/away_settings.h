#pragma once
#include <cstdint>

#include "core/settings.h"

namespace q417 {

// Settings with every switch away from its start-up position (the three-letter-register model,
// the ten-key alphabet with the Latin plug, enciphering, the Czech keyboard, punching, the
// Latin half, figures, the German wheel, the divider, the 3K series), and the given Tech: what
// a reader or writer that drops or mixes up a field is caught by.
inline MachineSettings AwaySettings(int32_t tech) {
    return {Model::Q417_3MR,
            AlphabetModule::Figures10,
            AlphabetPlug::Latin,
            Work::Encipher,
            false,
            KeyboardLayout::Czech,
            PrintMethod::AlsoPunchedTape,
            WheelHalf::Latin,
            RegisterMode::Figures,
            PrintWheel::German,
            true,
            RotorSeries::Series3K,
            tech};
}

}  // namespace q417
