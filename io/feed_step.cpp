#include "io/feed_step.h"

namespace q417 {

namespace {

// Passes the run's news on, and stops the run like the stop key as soon as a character has
// made a key press (the key-press count moved). No window events run inside a step.
class OneKeyPress : public FeedHooks {
public:
    OneKeyPress(Machine& machine, FeedHooks& outer)
        : machine_(machine), outer_(outer), count_(machine.settings.Tech) {}
    void PlayStepToEnd() override { outer_.PlayStepToEnd(); }
    void Highlight(int32_t position) override {
        outer_.Highlight(position);
        if (machine_.settings.Tech != count_) machine_.state.AutoRun = false;
    }
    void RunEnded() override { outer_.RunEnded(); }

private:
    Machine& machine_;
    FeedHooks& outer_;
    int32_t count_;
};

}  // namespace

bool FeedOneKeyPress(Machine& machine, TextFeed& feed, FeedHooks& hooks) {
    if (!machine.state.InputTextLoaded || machine.state.AutoRun) return false;
    OneKeyPress one(machine, hooks);
    machine.state.AutoRun = true;
    feed.FeedText(machine, one);
    return true;
}

}  // namespace q417
