#include "io/feed_step.h"

namespace q417 {

SingleStep FeedOneKeyPress(Machine& machine, TextFeed& feed) {
    CycleState& st = machine.state;
    if (!st.InputTextLoaded || st.AutoRun) return SingleStep::Refused;
    st.AutoRun = true;
    if (!feed.BeginRun(machine)) return SingleStep::TextEnded;
    for (;;) {
        const RunStep step = feed.Step(machine);
        // An asterisk has ended the run by itself; a key press ends it like the stop key.
        const bool asterisk = step.ended && !st.AutoRun && feed.FeedPosition <= feed.FeedLength;
        if (asterisk) return SingleStep::Asterisk;
        if (step.ended) return step.pressed ? SingleStep::Pressed : SingleStep::TextEnded;
        if (step.pressed) {
            feed.EndRun(machine);
            return SingleStep::Pressed;
        }
    }
}

}  // namespace q417
