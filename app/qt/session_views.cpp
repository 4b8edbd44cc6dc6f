#include "app/qt/session_views.h"

#include "io/printer_log.h"

namespace q417 {

SessionViews::SessionViews() = default;
SessionViews::~SessionViews() = default;

void SessionViews::Add(SessionEvents* view) {
    if (!drawing_) DrawFrame();
    views_.push_back(view);
}

void SessionViews::RotorMoved(int slot) {
    if (batching_) {
        moved_[slot] = true;
        return;
    }
    for (RotorObserver* v : rotor_views_) v->RotorMoved(slot);
}

void SessionViews::RotorInitialised(int slot) {
    if (batching_) {
        initialised_[slot] = true;
        return;
    }
    for (RotorObserver* v : rotor_views_) v->RotorInitialised(slot);
}

PrinterListener& SessionViews::PrinterNews() {
    if (log_) return *log_;
    return printers_;
}

void SessionViews::TapeAdvanced() {
    PrinterNews().TapeAdvanced();
}
void SessionViews::GlyphPrinted(int band, int32_t contact, Model machine) {
    PrinterNews().GlyphPrinted(band, contact, machine);
}
void SessionViews::Punched(int32_t contact) {
    PrinterNews().Punched(contact);
}
void SessionViews::CounterChanged(int groupCount, int groupPosition) {
    PrinterNews().CounterChanged(groupCount, groupPosition);
}
void SessionViews::InputAppended(std::string_view cp1251) {
    PrinterNews().InputAppended(cp1251);
}
void SessionViews::OutputAppended(std::string_view cp1251) {
    PrinterNews().OutputAppended(cp1251);
}
// Emptied texts are shown at once; what was held before them is drawn first.
void SessionViews::TextsCleared() {
    DrawFrame();
    printers_.TextsCleared();
}

// Blank tapes are drawn at once, after whatever was held back.
void SessionViews::TapesBlanked() {
    DrawFrame();
    printers_.TapesBlanked();
}

void SessionViews::Printers::TapeAdvanced() {
    for (PrinterListener* v : owner_.printer_views_) v->TapeAdvanced();
    owner_.ToViews([](SessionEvents& v) { v.TapeAdvanced(); });
}
void SessionViews::Printers::GlyphPrinted(int band, int32_t contact, Model machine) {
    for (PrinterListener* v : owner_.printer_views_) v->GlyphPrinted(band, contact, machine);
    owner_.ToViews([&](SessionEvents& v) { v.GlyphPrinted(band, contact, machine); });
}
void SessionViews::Printers::Punched(int32_t contact) {
    for (PrinterListener* v : owner_.printer_views_) v->Punched(contact);
    owner_.ToViews([&](SessionEvents& v) { v.Punched(contact); });
}
void SessionViews::Printers::CounterChanged(int groupCount, int groupPosition) {
    for (PrinterListener* v : owner_.printer_views_) v->CounterChanged(groupCount, groupPosition);
    owner_.ToViews([&](SessionEvents& v) { v.CounterChanged(groupCount, groupPosition); });
}
void SessionViews::Printers::InputAppended(std::string_view cp1251) {
    for (PrinterListener* v : owner_.printer_views_) v->InputAppended(cp1251);
    owner_.ToViews([&](SessionEvents& v) { v.InputAppended(cp1251); });
}
void SessionViews::Printers::OutputAppended(std::string_view cp1251) {
    for (PrinterListener* v : owner_.printer_views_) v->OutputAppended(cp1251);
    owner_.ToViews([&](SessionEvents& v) { v.OutputAppended(cp1251); });
}
void SessionViews::Printers::TextsCleared() {
    for (PrinterListener* v : owner_.printer_views_) v->TextsCleared();
    owner_.ToViews([](SessionEvents& v) { v.TextsCleared(); });
}

void SessionViews::Printers::TapesBlanked() {
    for (PrinterListener* v : owner_.printer_views_) v->TapesBlanked();
    owner_.ToViews([](SessionEvents& v) { v.TapesBlanked(); });
}

void SessionViews::KeyboardReleased() {
    for (KeyboardListener* v : keyboard_views_) v->KeyboardReleased();
}
void SessionViews::KeyPressed(int row, int col) {
    for (KeyboardListener* v : keyboard_views_) v->KeyPressed(row, col);
}
void SessionViews::SpaceBarDrawn(bool pressed) {
    for (KeyboardListener* v : keyboard_views_) v->SpaceBarDrawn(pressed);
}

void SessionViews::SettingsChanged() {
    ToViews([](SessionEvents& v) { v.SettingsChanged(); });
}
void SessionViews::ModelChanged() {
    ToViews([](SessionEvents& v) { v.ModelChanged(); });
}
void SessionViews::SeriesChanged() {
    ToViews([](SessionEvents& v) { v.SeriesChanged(); });
}
// A key change redraws whole pictures: whatever a run held back goes first.
void SessionViews::KeyChanged() {
    DrawFrame();
    ToViews([](SessionEvents& v) { v.KeyChanged(); });
}
void SessionViews::MachineOpened() {
    DrawFrame();
    ToViews([](SessionEvents& v) { v.MachineOpened(); });
}
void SessionViews::MachineClosed() {
    DrawFrame();
    ToViews([](SessionEvents& v) { v.MachineClosed(); });
}
void SessionViews::FeedMoved(int32_t position) {
    if (batching_) {
        held_position_ = position;
        return;
    }
    ToViews([&](SessionEvents& v) { v.FeedMoved(position); });
}

void SessionViews::RunStarted() {
    if (batching_) return;
    log_ = std::make_unique<PrinterLog>(held_texts_, kPaperCells, kPunchColumns);
    batching_ = true;
    ToViews([](SessionEvents& v) { v.RunStarted(); });
}

void SessionViews::RunEnded() {
    if (!batching_) return;
    DrawFrame();
    log_.reset();
    batching_ = false;
    ToViews([](SessionEvents& v) { v.RunEnded(); });
}

void SessionViews::DrawFrame() {
    if (!batching_ || drawing_) return;
    drawing_ = true;
    struct Drawn {
        bool& drawing;
        ~Drawn() { drawing = false; }
    } drawn{drawing_};
    log_->Replay(printers_);
    if (!held_texts_.input.empty()) printers_.InputAppended(held_texts_.input);
    if (!held_texts_.output.empty()) printers_.OutputAppended(held_texts_.output);
    held_texts_.input.clear();
    held_texts_.output.clear();
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) {
        if (initialised_[slot])
            for (RotorObserver* v : rotor_views_) v->RotorInitialised(slot);
        if (moved_[slot] || initialised_[slot])
            for (RotorObserver* v : rotor_views_) v->RotorMoved(slot);
        moved_[slot] = initialised_[slot] = false;
    }
    if (held_position_ >= 0) {
        const int32_t p = held_position_;
        held_position_ = -1;
        ToViews([&](SessionEvents& v) { v.FeedMoved(p); });
    }
    if (key_pressed_) {
        key_pressed_ = false;
        ToViews([](SessionEvents& v) { v.KeyPressDone(); });
    }
}

// During a run only the last key press of a frame is told.
void SessionViews::KeyPressDone() {
    if (batching_) {
        key_pressed_ = true;
        return;
    }
    ToViews([](SessionEvents& v) { v.KeyPressDone(); });
}

// What the user should read comes after everything held back is drawn.
void SessionViews::Notice(const std::string& text) {
    DrawFrame();
    ToViews([&](SessionEvents& v) { v.Notice(text); });
}

}  // namespace q417
