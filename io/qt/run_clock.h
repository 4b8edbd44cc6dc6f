#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

namespace q417 {

class MachineSession;
class SessionViews;

// Paces the start key's run on the window's own event loop: every turn of the loop the
// session makes a batch of steps, and the loop then handles whatever came meanwhile (the stop
// key, typed keys, the mouse) before the next batch. With sound on a key press is followed by
// its step sound, and the next step comes when the sound has ended; with sound off a batch
// lasts a few milliseconds, so the window answers at once while the machine types as fast as
// it can. At most once per screen frame the views draw what the run held back.
class RunClock : public QObject {
public:
    // `stepMs` tells how long the step sound lasts.
    RunClock(MachineSession& session, SessionViews& views, std::function<int()> stepMs);

    // The start key set the machine running: steps begin on the next turn of the loop.
    void start();
    bool running() const;

    static constexpr int kFrameMs = 16;
    // How long one batch of steps may keep the window from its events.
    static constexpr int kBatchMs = 4;

private:
    void Tick();

    MachineSession& session_;
    SessionViews& views_;
    std::function<int()> step_ms_;
    QTimer timer_;
    QElapsedTimer since_frame_;
};

}  // namespace q417
