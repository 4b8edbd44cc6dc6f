#pragma once
#include <cstdint>

#include "core/machine.h"
#include "io/feed.h"

namespace q417 {

// The start and stop keys below the mode wheel. Only one of them is held at a time; the start
// key sets the machine running (the caller then runs the feed), the stop key ends the run.
struct StartStopKeys {
    bool StartStopBusy = false;  // the start or the stop key is held down

    // True when the press is taken: AutoRun is set and the feed is to run now.
    bool PressStart(CycleState& state);
    void ReleaseStart() { StartStopBusy = false; }
    // True when the press is taken: AutoRun is cleared, the run ends after its current step.
    bool PressStop(CycleState& state);
    void ReleaseStop() { StartStopBusy = false; }
};

}  // namespace q417
