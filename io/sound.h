#pragma once

namespace q417 {

// The machine's two sounds: a click for a key or button, a step for a moving part. The
// player is silent while the Sound setting is off; tests record what would have played.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the click and returns at once; a new sound cuts off one still playing.
    virtual void PlayClick() {}
    // Starts the step sound and returns at once.
    virtual void PlayStep() {}
};

}  // namespace q417
