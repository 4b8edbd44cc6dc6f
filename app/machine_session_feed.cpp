// The session's texts and the start key's run.
#include "app/machine_session.h"

#include "io/feed_step.h"

namespace q417 {

void MachineSession::LoadText(std::string_view file_text) {
    q417::LoadText(machine, printer, feed, file_text);
    Events().FeedMoved(feed.FeedPosition);
}

void MachineSession::ClearText() {
    q417::ClearText(machine, printer, feed);
    Events().FeedMoved(feed.FeedPosition);
}

MachineSession::InputText MachineSession::TakeInputText() {
    InputText before{printer.InputText(), feed, machine.state.InputTextLoaded};
    machine.state.InputTextLoaded = false;
    printer.SetInputText({});
    return before;
}

void MachineSession::PutBackInputText(InputText before) {
    feed = std::move(before.feed);
    machine.state.InputTextLoaded = before.loaded;
    printer.SetInputText(std::move(before.text));
    Events().FeedMoved(feed.FeedPosition);
}

bool MachineSession::StepFeed(int direction) {
    if (!machine.state.InputTextLoaded || direction == 0) return false;
    if (direction > 0)
        feed.StepForward();
    else
        feed.StepBack();
    sound_relay_.PlayStep();
    Events().FeedMoved(feed.FeedPosition);
    return true;
}

namespace {

// The run's own surroundings: the host keeps the window alive, the session's sound paces
// the run, the views hear where the feed stands.
class RunHooks : public FeedHooks {
public:
    RunHooks(FeedHooks& host, SessionEvents& events) : host_(host), events_(events) {}
    void ProcessEvents() override { host_.ProcessEvents(); }
    void PlayStepToEnd() override { host_.PlayStepToEnd(); }
    void Highlight(int32_t position) override { events_.FeedMoved(position); }
    void RunEnded() override { host_.RunEnded(); }

private:
    FeedHooks& host_;
    SessionEvents& events_;
};

}  // namespace

void MachineSession::RunFeed(FeedHooks& host) {
    RunHooks hooks(host, Events());
    Events().RunStarted();
    // Whichever way the run ends, the views draw everything it left.
    struct End {
        SessionEvents& events;
        ~End() { events.RunEnded(); }
    } end{Events()};
    feed.FeedText(machine, hooks);
}

bool MachineSession::FeedOneKeyPress(FeedHooks& host) {
    RunHooks hooks(host, Events());
    return q417::FeedOneKeyPress(machine, feed, hooks);
}

void MachineSession::FeedToEnd() {
    FeedHooks quiet;
    while (machine.state.InputTextLoaded) {
        machine.state.AutoRun = true;
        RunFeed(quiet);
    }
}

}  // namespace q417
