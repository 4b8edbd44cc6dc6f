#include "io/feed.h"

#include <utility>

#include "io/keyboard.h"

namespace q417 {

std::string JoinLines(std::string_view file_bytes) {
    std::string joined;
    joined.reserve(file_bytes.size() + file_bytes.size() / 32);
    LineJoiner().Put(file_bytes, [&joined](char c) { joined.push_back(c); });
    return joined;
}

int32_t FeedLengthOf(std::string_view text) {
    return text.empty() ? 0 : static_cast<int32_t>(text.size()) + 2;
}

void TextFeed::Load(std::string text) {
    text_ = std::move(text);
    FeedLength = FeedLengthOf(text_);
    FeedPosition = 0;
}

void TextFeed::Clear() {
    text_.clear();
    FeedLength = 0;
    FeedPosition = 0;
}

bool TextFeed::StepForward() {
    if (FeedPosition >= FeedLength) return false;
    ++FeedPosition;
    return true;
}

bool TextFeed::StepBack() {
    if (FeedPosition <= 1) return false;
    --FeedPosition;
    return true;
}

// Position 0 and the two places of the final line break stand before or beyond the text.
unsigned char TextFeed::CharAt(int32_t position) const {
    if (position < 1 || static_cast<std::size_t>(position) > text_.size()) return 0;
    return static_cast<unsigned char>(text_[position - 1]);
}

bool TextFeed::BeginRun(Machine& machine) {
    run_feeds_text_ = machine.state.InputTextLoaded;
    if (run_feeds_text_ && machine.state.AutoRun && FeedPosition <= FeedLength) return true;
    if (!run_feeds_text_ && machine.state.AutoRun) return true;
    EndRun(machine);
    return false;
}

RunStep TextFeed::Step(Machine& machine) {
    return run_feeds_text_ ? StepLoadedText(machine) : StepWithoutText(machine);
}

void TextFeed::EndRun(Machine& machine) {
    machine.state.AutoRun = false;
    // Used up: from now on key presses are echoed into the input text again, after it.
    if (run_feeds_text_ && FeedPosition >= FeedLength) machine.state.InputTextLoaded = false;
}

int32_t FeedCharacter(Machine& machine, unsigned char ch) {
    CycleState& st = machine.state;
    const MachineSettings& s = machine.settings;
    if (ch == '*') st.AutoRun = false;
    int32_t contact = ch == 0 ? 0 : ContactOfChar(ch, s.Module, s.Layot);
    if (s.Rod == Work::Decipher && contact == kSpaceBar)
        contact = 0;  // spaces skipped when deciphering
    if (contact > 0) {
        st.InputContact = contact;
        machine.KeyPressCycle();
    }
    return contact;
}

// The stop key is noticed only at the head of a character: one whose step had begun is still
// fed. An asterisk ends the part of the text to be fed; with the ten-key alphabet the asterisk
// is also the filler on contact 30 and is fed before the run stops.
RunStep TextFeed::StepLoadedText(Machine& machine) {
    RunStep step;
    step.pressed = step.sounds = FeedCharacter(machine, CharAt(FeedPosition)) > 0;
    ++FeedPosition;
    step.ended = !machine.state.AutoRun || FeedPosition > FeedLength;
    if (step.ended) EndRun(machine);
    return step;
}

// Without a text the start key keeps pressing contact 28; the ten-key alphabet has no such
// key, so it gets no signal and prints the asterisk of contact 0. A stop key pressed between
// two steps ends the run before the next press; the step sound of that last turn still plays.
RunStep TextFeed::StepWithoutText(Machine& machine) {
    CycleState& st = machine.state;
    RunStep step;
    step.sounds = true;
    if (!st.AutoRun) {
        step.ended = true;
        EndRun(machine);
        return step;
    }
    st.InputContact = machine.settings.Module == AlphabetModule::Contacts30 ? 28 : 0;
    machine.KeyPressCycle();
    step.pressed = true;
    return step;
}

StreamFeed::StreamFeed(Machine& machine) : machine_(machine) {
    machine_.state.InputTextLoaded = true;
}

void StreamFeed::Put(std::string_view cp1251) {
    lines_.Put(cp1251, [this](char c) { Feed(static_cast<unsigned char>(c)); });
}

void StreamFeed::Finish() {
    lines_ = {};
    machine_.state.AutoRun = false;
    machine_.state.InputTextLoaded = false;
}

// An asterisk stops the run after itself; the next character comes with the start key
// pressed again.
void StreamFeed::Feed(unsigned char ch) {
    machine_.state.AutoRun = true;
    FeedCharacter(machine_, ch);
}

void LoadText(Machine& machine, Printer& printer, TextFeed& feed, std::string_view file_bytes) {
    std::string text = JoinLines(file_bytes);
    printer.SetInputText(text);
    feed.Load(std::move(text));
    machine.state.InputTextLoaded = true;
}

void FeedToEnd(Machine& machine, TextFeed& feed) {
    while (machine.state.InputTextLoaded) {
        machine.state.AutoRun = true;
        if (!feed.BeginRun(machine)) break;
        while (!feed.Step(machine).ended) {
        }
    }
}

void ClearText(Machine& machine, Printer& printer, TextFeed& feed) {
    printer.ClearTexts();
    feed.Clear();
    machine.state.InputTextLoaded = false;
}

}  // namespace q417
