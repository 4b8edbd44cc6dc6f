#pragma once
#include <cstdint>

#include "core/machine.h"
#include "io/feed.h"

namespace q417 {

// The text loader beside the space bar: a load button and, below it, the step strip whose
// left half moves the highlight one character on and whose right half one character back.
namespace loader {

// Frames of the load button (cells of the LOADER sheet) and of the step strip (its bands).
enum class ButtonLook { Highlighted = 0, Normal = 1, Pressed = 2 };
enum class StripLook { Normal = 0, LeftLit = 1, RightLit = 2, Pressed = 3 };

bool InLoadButton(int x, int y);
bool InStrip(int x, int y);
// How the pointer at (x, y) lights the loader.
ButtonLook ButtonLookAt(int x, int y);
StripLook StripLookAt(int x, int y);

// What a release at (x, y) does to the strip: +1 a step on, -1 a step back, 0 nothing. The
// two halves are not quite the strip's zone: a release at x 32 or 33 steps neither way.
int StripStepAt(int x, int y);

// A release on the strip while a text is loaded: the highlight moves, nothing is fed.
// True when the strip was hit (its step sound plays even when the position stays).
bool ReleaseOnStrip(const CycleState& state, TextFeed& feed, int x, int y);

}  // namespace loader

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
