#pragma once
#include <QByteArray>
#include <QTemporaryDir>
#include <memory>

#include "io/sound.h"

class QLibrary;

namespace q417 {

struct MachineSettings;

// The click and the step, played from the WAV files embedded in the program. A new sound
// cuts off one still playing; nothing plays while Sound is off. A machine without a sound
// device plays nothing and says nothing about it. The sound objects are made on the first
// sound, so starting the program does not wait for the audio system: the audio back end is a
// module of its own (libq417-sound.so beside the program, or in its library folder when
// installed) loaded at that moment.
class QtSoundPlayer : public SoundPlayer {
public:
    explicit QtSoundPlayer(const MachineSettings& settings);
    ~QtSoundPlayer() override;

    // Finds both sounds; throws "Sound 1 not loaded" or "Sound 2 not loaded" when one is
    // missing (the second is looked for only when the first was found).
    void LoadSounds();

    void PlayClick() override;
    void PlayStep() override;
    // Starts the step and waits for its length while the window keeps working.
    // How long the step sound lasts: the pace of a run with sound on.
    int stepMs() const { return step_ms_; }

    // What was asked to play, for tests: 1 step, 2 click; counts since the start.
    int clicks() const { return clicks_; }
    int steps() const { return steps_; }

private:
    void Play(int which);
    bool Prepare();

    const MachineSettings& settings_;
    QByteArray step_;
    QByteArray click_;
    int step_ms_ = 15;
    bool prepared_ = false;
    bool usable_ = false;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QLibrary> module_;
    void* effects_ = nullptr;
    void (*play_)(void*, int) = nullptr;
    void (*close_)(void*) = nullptr;
    int clicks_ = 0;
    int steps_ = 0;
};

// The playing time of a WAV image in milliseconds (0 when it cannot be read).
int WavDurationMs(const QByteArray& wav);

}  // namespace q417
