#pragma once
#include <QElapsedTimer>
#include <functional>

#include "io/feed.h"

class QWidget;

namespace q417 {

class MachineSession;
class SessionViews;

// Keeps the window alive while the start key's run goes on inside its handler: between two
// characters the window handles its queued events (the stop key, typed keys, the start key's
// own release), and at most once per screen frame the views draw what the run held back.
class FeedRunner : public FeedHooks {
public:
    FeedRunner(MachineSession& session, SessionViews& views, QWidget& window);

    // The feed, from the start key; returns when the run has ended.
    void run();
    bool running() const { return running_; }

    // Drawn when a run over a loaded text ends: the start and the stop key released.
    std::function<void()> onRunEnded;

    void ProcessEvents() override;
    void PlayStepToEnd() override;
    void RunEnded() override;

    static constexpr int kFrameMs = 16;

private:
    MachineSession& session_;
    SessionViews& views_;
    QWidget& window_;
    QElapsedTimer since_frame_;
    bool running_ = false;
};

}  // namespace q417
