#pragma once
#include "io/feed.h"

namespace q417 {

// What a single step through the loaded text did.
enum class SingleStep {
    Refused,   // no text is loaded, or a run is going on: nothing fed
    Pressed,   // one key press was made
    Asterisk,  // an asterisk ended the step (it was fed like any character)
    TextEnded, // the end of the text was reached: the text is used up
};

// Single stepping through a loaded text: a run of the start key that ends after its first key
// press. The characters before it that give no contact are passed as a run passes them, so
// every step shows one key press; an asterisk is passed like any other character, and ends
// the step as it ends a run. At the end of the text the run ends as usual and the text is
// used up.
SingleStep FeedOneKeyPress(Machine& machine, TextFeed& feed);

}  // namespace q417
