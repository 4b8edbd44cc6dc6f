#include "io/feed_controls.h"

namespace q417 {

namespace loader {

bool InLoadButton(int x, int y) {
    return x > 142 && x < 170 && y > 16 && y < 35;
}

bool InStrip(int x, int y) {
    return x > 5 && x < 60 && y > 55 && y < 60;
}

ButtonLook ButtonLookAt(int x, int y) {
    return InLoadButton(x, y) ? ButtonLook::Highlighted : ButtonLook::Normal;
}

StripLook StripLookAt(int x, int y) {
    if (!InStrip(x, y)) return StripLook::Normal;
    return x < 32 ? StripLook::LeftLit : StripLook::RightLit;
}

int StripStepAt(int x, int y) {
    if (y <= 55 || y >= 60) return 0;
    if (x > 5 && x < 32) return +1;
    if (x > 33 && x < 65) return -1;
    return 0;
}

bool ReleaseOnStrip(const CycleState& state, TextFeed& feed, int x, int y) {
    const int step = StripStepAt(x, y);
    if (step == 0 || !state.InputTextLoaded) return false;
    if (step > 0)
        feed.StepForward();
    else
        feed.StepBack();
    return true;
}

}  // namespace loader

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
