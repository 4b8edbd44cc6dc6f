#pragma once
#include <QElapsedTimer>
#include <array>
#include <functional>

#include "core/rotors.h"
#include "io/feed.h"

namespace q417 {

class MainWindow;
class PrinterLog;
class TextPanel;

// Runs the automatic typing inside the start key's handler. Between two characters the
// window handles its queued events (the stop key, typed keys, the start key's own release);
// the pictures of rotors, tapes, counter and texts are brought up to date at most once per
// screen frame and once at the end, so a fast run spends its time typing, not drawing. What
// is drawn at the end is exactly what drawing every character would have left.
class FeedRunner : public FeedHooks {
public:
    explicit FeedRunner(MainWindow& window);

    // The feed, from the start key; returns when the run has ended.
    void run();
    bool running() const { return running_; }

    // Drawn when a run over a loaded text ends: the start and the stop key released.
    std::function<void()> onRunEnded;

    void ProcessEvents() override;
    void PlayStepToEnd() override;
    void Highlight(int32_t position) override;
    void RunEnded() override;

    static constexpr int kFrameMs = 16;

private:
    // Rotor news kept back until the next frame.
    class HeldRotors : public RotorObserver {
    public:
        void RotorMoved(int slot) override { moved[slot] = true; }
        void RotorInitialised(int slot) override { initialised[slot] = true; }
        std::array<bool, RotorStack::kSlots + 1> moved{};
        std::array<bool, RotorStack::kSlots + 1> initialised{};
    };

    void DrawFrame();

    // The text panel is made on first use; the runner finds it through the window.
    TextPanel& panel();

    MainWindow& window_;
    HeldRotors rotors_;
    PrinterLog* log_ = nullptr;  // the printer's pictures held back during a run
    QElapsedTimer since_frame_;
    int32_t highlight_ = -1;
    bool running_ = false;
};

}  // namespace q417
