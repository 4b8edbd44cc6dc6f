#include "io/feed_controls.h"

namespace q417 {

bool StartStopKeys::PressStart(CycleState& state) {
    if (StartStopBusy || state.AutoRun) return false;
    StartStopBusy = true;
    state.AutoRun = true;
    return true;
}

bool StartStopKeys::PressStop(CycleState& state) {
    if (StartStopBusy) return false;
    StartStopBusy = true;
    state.AutoRun = false;
    return true;
}

}  // namespace q417
