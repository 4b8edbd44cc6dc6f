#pragma once

// The entry points of the sound module (libq417-sound.so), found by name when it is loaded.
// Sound 1 is the step, sound 2 the click.
extern "C" {
// Prepares both sounds from WAV files; null when there is no sound device.
using Q417SoundOpen = void* (*)(const char* stepFile, const char* clickFile);
using Q417SoundPlay = void (*)(void* handle, int which);
using Q417SoundClose = void (*)(void* handle);
}
