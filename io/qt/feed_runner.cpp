#include "io/qt/feed_runner.h"

#include <QCoreApplication>

#include "app/qt/main_window.h"
#include "core/qt/rotor_view.h"
#include "io/printer_log.h"
#include "io/qt/text_panel.h"

namespace q417 {

namespace {
constexpr int kPaperCells = (537 + 13) / 14;  // glyph cells on the paper tape
constexpr int kPunchColumns = (537 + 6) / 7;  // columns on the punched tape
}  // namespace

FeedRunner::FeedRunner(MainWindow& window) : window_(window) {}

TextPanel& FeedRunner::panel() {
    return window_.textPanel();
}

// For the run the rotor pictures and the printer's pictures listen through a log that is
// drawn once per frame; afterwards they listen directly again.
void FeedRunner::run() {
    Machine& machine = window_.machine();
    PrinterLog log(panel().printerListener(), kPaperCells, kPunchColumns);
    // Whichever way the run ends, everything is drawn and the pictures listen directly again.
    struct Restore {
        FeedRunner& r;
        ~Restore() {
            r.DrawFrame();
            r.panel().setCollecting(false);
            r.log_ = nullptr;
            r.window_.machine().rotors.SetObserver(&r.window_.rotorPictures());
            r.window_.printer().SetListener(&r.panel().printerListener());
            r.running_ = false;
        }
    };
    running_ = true;
    highlight_ = -1;
    log_ = &log;
    panel().setCollecting(true);
    machine.rotors.SetObserver(&rotors_);
    window_.printer().SetListener(&log);
    since_frame_.start();
    Restore restore{*this};
    window_.feed().FeedText(machine, *this);
}

void FeedRunner::ProcessEvents() {
    if (since_frame_.elapsed() >= kFrameMs) {
        DrawFrame();
        since_frame_.start();
    }
    QCoreApplication::processEvents();
    // A window that was closed during the run takes the run with it.
    if (!window_.isVisible()) window_.machine().state.AutoRun = false;
}

void FeedRunner::DrawFrame() {
    if (log_) log_->Replay(panel().printerListener());
    RotorPictures& pictures = window_.rotorPictures();
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) {
        if (rotors_.initialised[slot]) pictures.RotorInitialised(slot);
        if (rotors_.moved[slot] || rotors_.initialised[slot]) pictures.RotorMoved(slot);
        rotors_.moved[slot] = rotors_.initialised[slot] = false;
    }
    panel().flush();
    if (highlight_ >= 0) panel().highlight(highlight_);
    highlight_ = -1;
}

void FeedRunner::PlayStepToEnd() {
    DrawFrame();  // with sound on the run is slow enough to show every character
    window_.sound().PlayStepToEnd();
}

void FeedRunner::Highlight(int32_t position) {
    highlight_ = position;
}

void FeedRunner::RunEnded() {
    if (onRunEnded) onRunEnded();
}

}  // namespace q417
