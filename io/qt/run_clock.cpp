#include "io/qt/run_clock.h"

#include "app/machine_session.h"
#include "app/qt/session_views.h"

namespace q417 {

RunClock::RunClock(MachineSession& session, SessionViews& views, std::function<int()> stepMs)
    : session_(session), views_(views), step_ms_(std::move(stepMs)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}

void RunClock::start() {
    since_frame_.start();
    timer_.start(0);
}

bool RunClock::running() const {
    return session_.Running();
}

void RunClock::Tick() {
    if (!session_.Running()) return;
    if (session_.settings().Sound) {
        // Slow enough to show every character.
        const RunStep step = session_.StepRun();
        if (step.ended) return;
        views_.DrawFrame();
        timer_.start(step.sounds ? step_ms_() : 0);
        return;
    }
    QElapsedTimer batch;
    batch.start();
    do {
        for (int i = 0; i < 256; ++i)
            if (session_.StepRun().ended) return;
    } while (batch.elapsed() < kBatchMs);
    if (since_frame_.elapsed() >= kFrameMs) {
        views_.DrawFrame();
        since_frame_.start();
    }
    timer_.start(0);
}

}  // namespace q417
