#include "io/feed_controls.h"

namespace q417 {

namespace loader {

bool InLoadButton(int x, int y) {
    return x > 142 && x < 170 && y > 16 && y < 35;
}

// The strip's ribbed halves cover rows 52 to 62 of the loader; a click anywhere on them (or a
// pixel beside them) counts, not only on a thin line through their middle.
namespace {
bool OnStripRows(int y) {
    return y > 50 && y < 64;
}
}  // namespace

bool InStrip(int x, int y) {
    return x > 5 && x < 60 && OnStripRows(y);
}

ButtonLook ButtonLookAt(int x, int y) {
    return InLoadButton(x, y) ? ButtonLook::Highlighted : ButtonLook::Normal;
}

StripLook StripLookAt(int x, int y) {
    if (!InStrip(x, y)) return StripLook::Normal;
    return x < 32 ? StripLook::LeftLit : StripLook::RightLit;
}

int StripStepAt(int x, int y) {
    if (!OnStripRows(y)) return 0;
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
