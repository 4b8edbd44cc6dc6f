// The session's texts and the start key's run.
#include "app/machine_session.h"

#include "io/feed_step.h"

namespace q417 {

void MachineSession::LoadText(std::string_view file_text) {
    EndRun();
    NewHistory();
    q417::LoadText(machine_, printer_, feed_, file_text);
    const char last = file_text.empty() ? '\0' : file_text.back();
    pending_break_ = last == '\r' || last == '\n' ? std::string(1, last) : std::string();
    Events().FeedMoved(feed_.FeedPosition);
}

void MachineSession::ClearText() {
    EndRun();
    NewHistory();
    q417::ClearText(machine_, printer_, feed_);
    pending_break_.clear();
    Events().FeedMoved(feed_.FeedPosition);
}

MachineSession::InputText MachineSession::TakeInputText() {
    EndRun();
    NewHistory();
    InputText before{printer_.InputText(), feed_, machine_.state.InputTextLoaded, pending_break_};
    pending_break_.clear();
    machine_.state.InputTextLoaded = false;
    printer_.SetInputText({});
    return before;
}

void MachineSession::PutBackInputText(InputText before) {
    NewHistory();
    feed_ = std::move(before.feed);
    pending_break_ = std::move(before.pending_break);
    machine_.state.InputTextLoaded = before.loaded;
    printer_.SetInputText(std::move(before.text));
    Events().FeedMoved(feed_.FeedPosition);
}

bool MachineSession::StepFeed(int direction) {
    if (!machine_.state.InputTextLoaded || direction == 0) return false;
    NewHistory();
    if (direction > 0)
        feed_.StepForward();
    else
        feed_.StepBack();
    sound_relay_.PlayStep();
    Events().FeedMoved(feed_.FeedPosition);
    return true;
}

bool MachineSession::PressStart() {
    if (!start_stop_.PressStart(machine_.state)) return false;
    sound_relay_.PlayClick();
    if (!feed_.BeginRun(machine_)) return false;  // nothing left to feed
    running_ = true;
    Events().RunStarted();
    return true;
}

void MachineSession::ReleaseStart() {
    start_stop_.ReleaseStart();
}

bool MachineSession::PressStop() {
    if (!start_stop_.PressStop(machine_.state)) return false;
    sound_relay_.PlayClick();
    return true;
}

void MachineSession::ReleaseStop() {
    start_stop_.ReleaseStop();
}

namespace {

bool TextFull(const Printer& printer) {
    return printer.OutputText().size() >= MachineSession::kTextLimit ||
           printer.InputText().size() >= MachineSession::kTextLimit;
}

}  // namespace

RunStep MachineSession::StepRun() {
    if (!running_) return RunStep{.ended = true};
    // The run looked at the head of this character whether it goes on: what happened since
    // (the stop key) ends it after the character.
    RunStep step = feed_.Step(machine_);
    if (step.sounds && machine_.settings.Sound) sound_relay_.PlayStep();
    if (feed_.RunFeedsText()) Events().FeedMoved(feed_.FeedPosition);
    if (step.ended) {
        running_ = false;
        Events().RunEnded();
    } else if (!feed_.RunFeedsText() && TextFull(printer_)) {
        // A run through a loaded text ends with the text, however long; only a run without
        // one would type on for ever.
        step.ended = true;
        EndRun();
        Events().Notice(
            "The run was stopped: the texts hold " + std::to_string(kTextLimit) +
            " characters, as many as the machine keeps. Everything typed so far is kept; save "
            "the output text and clear the texts to go on.");
    }
    return step;
}

void MachineSession::EndRun() {
    if (!running_) return;
    feed_.EndRun(machine_);
    running_ = false;
    Events().RunEnded();
}

void MachineSession::StopRun() {
    EndRun();
}

std::string MachineSession::StepOneKeyPress() {
    if (running_) return "The machine is running: stop it before stepping.";
    if (!machine_.state.MachineClosed) return "Close the machine before stepping through a text.";
    if (!machine_.state.InputTextLoaded) return "There is no text to step through: load one first.";
    const SingleStep step = FeedOneKeyPress(machine_, feed_);
    Events().FeedMoved(feed_.FeedPosition);
    switch (step) {
        case SingleStep::Asterisk:
            return "The step reached an asterisk, which ends the part of the text to feed.";
        case SingleStep::TextEnded:
            return "The end of the text was reached: it is used up.";
        default:
            return {};
    }
}

void MachineSession::FeedToEnd() {
    while (machine_.state.InputTextLoaded) {
        machine_.state.AutoRun = true;
        if (!feed_.BeginRun(machine_)) break;
        running_ = true;
        Events().RunStarted();
        while (!StepRun().ended) {
        }
    }
}

void MachineSession::BeginStream() {
    stream_ = std::make_unique<StreamFeed>(machine_);
}

void MachineSession::FeedStream(std::string_view cp1251) {
    if (stream_) stream_->Put(cp1251);
}

void MachineSession::EndStream() {
    if (stream_) stream_->Finish();
    stream_.reset();
}

std::string MachineSession::TakeTexts() {
    std::string output = printer_.OutputText();
    printer_.ClearTexts();
    return output;
}

}  // namespace q417
