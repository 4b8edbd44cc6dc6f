#pragma once
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "app/machine_session.h"

namespace q417 {

class PrinterLog;

// The one owner of the session's news on the window's side: it hears everything the session
// tells (SessionEvents) and hands it to the views. The rotor, tape and keyboard pictures get
// only their own kind of news; the panels get all of it.
//
// While the start key's run lasts, the news of rotors, printer and feed position are held
// back and drawn at most once per screen frame (DrawFrame), so a fast run spends its time
// typing, not drawing. What a frame draws is exactly what drawing every character would have
// left. The holding is a layer inside this owner: nobody's listener is swapped.
class SessionViews : public SessionEvents {
public:
    SessionViews();
    ~SessionViews() override;

    void AddRotorView(RotorObserver* view) { rotor_views_.push_back(view); }
    void AddPrinterView(PrinterListener* view) { printer_views_.push_back(view); }
    void AddKeyboardView(KeyboardListener* view) { keyboard_views_.push_back(view); }
    // A view made at any time, also during a run: what was held back is drawn first, since
    // a view made now shows the session as it stands, and then it gets every later news.
    // A view added while news are being told gets the next news, not the one under way.
    void Add(SessionEvents* view);

    bool Batching() const { return batching_; }
    // Draws what was held back; nothing when nothing is.
    void DrawFrame();

    // The glyph cells of the paper tape and the columns of the punched tape on the picture:
    // the held tape news beyond these would scroll off unseen.
    static constexpr int kPaperCells = (537 + 13) / 14;
    static constexpr int kPunchColumns = (537 + 6) / 7;

    void RotorMoved(int slot) override;
    void RotorInitialised(int slot) override;

    void TapeAdvanced() override;
    void GlyphPrinted(int band, int32_t contact, Model machine) override;
    void Punched(int32_t contact) override;
    void CounterChanged(int groupCount, int groupPosition) override;
    void InputAppended(std::string_view cp1251) override;
    void OutputAppended(std::string_view cp1251) override;
    void TextsCleared() override;
    void TapesBlanked() override;

    void KeyboardReleased() override;
    void KeyPressed(int row, int col) override;
    void SpaceBarDrawn(bool pressed) override;

    void SettingsChanged() override;
    void ModelChanged() override;
    void SeriesChanged() override;
    void KeyChanged() override;
    void MachineOpened() override;
    void MachineClosed() override;
    void FeedMoved(int32_t position) override;
    void RunStarted() override;
    void RunEnded() override;
    void KeyPressDone() override;
    void Notice(const std::string& text) override;

private:
    // Every printer view as one listener, for the log to replay into.
    class Printers : public PrinterListener {
    public:
        explicit Printers(SessionViews& owner) : owner_(owner) {}
        void TapeAdvanced() override;
        void GlyphPrinted(int band, int32_t contact, Model machine) override;
        void Punched(int32_t contact) override;
        void CounterChanged(int groupCount, int groupPosition) override;
        void InputAppended(std::string_view cp1251) override;
        void OutputAppended(std::string_view cp1251) override;
        void TextsCleared() override;
        void TapesBlanked() override;

    private:
        SessionViews& owner_;
    };
    // During a run the texts wait for the next frame like the tapes.
    class HeldTexts : public PrinterListener {
    public:
        void InputAppended(std::string_view cp1251) override { input.append(cp1251); }
        void OutputAppended(std::string_view cp1251) override { output.append(cp1251); }
        std::string input, output;
    };

    // By index, up to the views there were: a view may be made while the news are told.
    template <typename F>
    void ToViews(F&& tell) {
        const std::size_t count = views_.size();
        for (std::size_t i = 0; i < count; ++i) tell(*views_[i]);
    }
    // The printer's news now go either to the log or to the views.
    PrinterListener& PrinterNews();

    std::vector<RotorObserver*> rotor_views_;
    std::vector<PrinterListener*> printer_views_;
    std::vector<KeyboardListener*> keyboard_views_;
    std::vector<SessionEvents*> views_;

    Printers printers_{*this};
    HeldTexts held_texts_;
    std::unique_ptr<PrinterLog> log_;
    std::array<bool, RotorStack::kSlots + 1> moved_{};
    std::array<bool, RotorStack::kSlots + 1> initialised_{};
    int32_t held_position_ = -1;
    bool key_pressed_ = false;  // a key press held back
    bool batching_ = false;
    bool drawing_ = false;  // inside DrawFrame
};

}  // namespace q417
