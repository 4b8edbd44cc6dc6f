#include "io/qt/feed_runner.h"

#include <QCoreApplication>
#include <QWidget>

#include "app/machine_session.h"
#include "app/qt/session_views.h"

namespace q417 {

FeedRunner::FeedRunner(MachineSession& session, SessionViews& views, QWidget& window)
    : session_(session), views_(views), window_(window) {}

void FeedRunner::run() {
    struct Running {
        bool& flag;
        ~Running() { flag = false; }
    } running{running_};
    running_ = true;
    since_frame_.start();
    session_.RunFeed(*this);
}

void FeedRunner::ProcessEvents() {
    if (since_frame_.elapsed() >= kFrameMs) {
        views_.DrawFrame();
        since_frame_.start();
    }
    QCoreApplication::processEvents();
    // A window that was closed during the run takes the run with it.
    if (!window_.isVisible()) session_.StopFeed();
}

void FeedRunner::PlayStepToEnd() {
    views_.DrawFrame();  // with sound on the run is slow enough to show every character
    session_.Sound().PlayStepToEnd();
}

void FeedRunner::RunEnded() {
    if (onRunEnded) onRunEnded();
}

}  // namespace q417
