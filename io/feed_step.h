#pragma once
#include "io/feed.h"

namespace q417 {

// Single stepping through a loaded text: a run of the start key that ends after its first key
// press. The characters before it that give no contact are passed as a run passes them, so
// every step shows one key press; an asterisk is passed like any other character. At the end
// of the text the run ends as usual and the text is used up. Returns false, feeding nothing,
// when no text is loaded or a run is going on.
bool FeedOneKeyPress(Machine& machine, TextFeed& feed, FeedHooks& hooks);

}  // namespace q417
