#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/key_press_history.h"
#include "app/machine_state.h"
#include "core/machine.h"
#include "core/trace.h"
#include "io/feed.h"
#include "io/feed_controls.h"
#include "io/feed_step.h"
#include "io/keyboard.h"
#include "io/levers.h"
#include "io/printer.h"
#include "io/sound.h"
#include "key/card_editor.h"
#include "key/work_table.h"

namespace q417 {

// Everything the session has to tell the pictures, through one interface. It takes in the
// news of the rotors, the printer and the keyboard as they happen during a key press, and
// adds the session's own. Every hook does nothing by default.
class SessionEvents : public RotorObserver, public PrinterListener, public KeyboardListener {
public:
    // A setting changed: levers, switches, the settings panel and the keyboard legends.
    virtual void SettingsChanged() {}
    // The model was set up (start-up, model switch): rotors in use, cover, plug, module switch.
    virtual void ModelChanged() {}
    // Other wiring was loaded: rotor strips, bodies and cores drawn for the new series.
    virtual void SeriesChanged() {}
    // The key table, the box and tray, the face view, the card or the stack changed.
    virtual void KeyChanged() {}
    virtual void MachineOpened() {}
    virtual void MachineClosed() {}
    // A text was loaded or cleared, or the next character to feed moved.
    virtual void FeedMoved(int32_t /*position*/) {}
    // The start key set the machine running, and the run ended. Between the two the views
    // may draw only once per screen frame.
    virtual void RunStarted() {}
    virtual void RunEnded() {}
    // Something the user should read: why a run stopped by itself, why a step did nothing.
    virtual void Notice(const std::string& /*text*/) {}
};

// One machine at work, with everything round it: the machine and its settings, the printer
// and counter, the keyboard, the text feed, the start and stop keys and the work table of the
// opened machine. It is the only door to them: every front end (the window, q417-cli) reads
// them through the const accessors and changes them through these verbs only, and hears of
// every change through SessionEvents, so that what is shown, what is saved and what is
// enciphered always agree. The verbs keep the machine's rules themselves; a verb that is
// refused changes nothing and says why in a short sentence (empty when it was done).
//
// A run of the start key is a sequence of steps the session makes one at a time (StepRun);
// the front end calls them from its own event loop, so that whatever the user does lands
// between two characters, where the rules below place it:
// - keys typed, levers, switches, hand turns of the rotors: act between two characters;
// - the stop key: the run ends at its next step (the character under way was fed);
// - opening the machine, loading or clearing a text, a change of model or series: end the
//   run first, so that no character is fed into an open machine, from a text that was put
//   away, or with a key the user did not set;
// - the start key and single steps during a run: refused.
class MachineSession {
public:
    // However long a run without a loaded text lasts, the texts stay bounded: one that fills
    // either text to this many characters stops, and says so; everything typed until then is
    // kept. A run through a loaded text is bounded by the text.
    static constexpr std::size_t kTextLimit = 1 << 20;

    MachineSession();
    MachineSession(const MachineSession&) = delete;
    MachineSession& operator=(const MachineSession&) = delete;

    const Machine& machine() const { return machine_; }
    const MachineSettings& settings() const { return machine_.settings; }
    const CycleState& state() const { return machine_.state; }
    const Printer& printer() const { return printer_; }
    const TextFeed& feed() const { return feed_; }
    const WorkTable& work() const { return work_; }
    const Keyboard& keyboard() const { return keyboard_; }
    const StartStopKeys& startStopKeys() const { return start_stop_; }

    // Where the news go (none: nowhere), and what plays the sounds (none: silence).
    void SetEvents(SessionEvents* events);
    void SetSoundPlayer(SoundPlayer* sound) { sound_relay_.target = sound; }
    SoundPlayer& Sound() { return sound_relay_; }

    // Start-up from settings as read from a settings file (or defaults): the settings made
    // consistent, the model set up, the series loaded, the basic key, the diagonal card, the
    // machine closed, the printer in the register of its mode.
    void StartUp(const MachineSettings& read);
    // The settings to write at close.
    const MachineSettings& SettingsToWrite() const { return machine_.settings; }
    Model AppliedMachine() const { return applied_machine_; }
    RotorSeries AppliedSerie() const { return applied_serie_; }

    // The settings panel and the switches on the machine picture.
    std::string SwitchModel(Model model);
    void SwitchSeries(RotorSeries serie);
    std::string SetModule(AlphabetModule module);
    std::string ToggleModule();
    std::string TogglePlug();
    void ChooseKeyboard(int item);
    void ChooseWheel(int item);
    void SetSound(bool on);
    void SetDivider(bool on);
    // A lever of the mode wheel moved one place on.
    void MoveLever(ModeLever lever);
    // The register switch and the language lever set: true when the part moved, false on a
    // model that has no such part (nothing changes).
    bool SetRegisterSwitch(RegisterSwitch position);
    bool SetLanguageLever(LanguageLever position);
    // The counter-reset lever and a click on the paper tape.
    void ResetCounter();
    void AdvanceTape();

    // The machine's keyboard: computer keys by Windows virtual-key code, and its keys and
    // space bar pressed and let go with the mouse (letting go frees the keyboard).
    void KeyDown(uint16_t vk);
    void KeyUp(uint16_t vk);
    void PressKey(KeyId key);
    void ReleaseKey();
    void PressSpaceBar();
    void ReleaseSpaceBar();

    // One hand turn of a rotor: the step sound, then a step up or down.
    void TurnRotor(int slot, bool plus);
    // A rotor turned to a position by hand (q417-cli's starting positions).
    void SetPosition(int slot, int32_t position);
    // Opening ends a run first: no character is fed into an open machine.
    bool OpenMachine();
    std::string CloseMachine();
    // The work table of the opened machine.
    bool TakeOutRotor(int slot);
    bool TakeBody(int body);
    bool TakeCore(int core);
    // A zone of the face view of the rotor being assembled: the zone that acted, or None.
    WorkTable::FaceZone TouchFace(WorkTable::FaceZone zone,
                                  WorkTable::DialTurn turn = WorkTable::DialTurn::Up);
    bool InsertRotor();
    void SetBasePosition();
    void ClearKeyTable();
    void RandomKey(uint32_t seed);
    // The card editor: a hole punched or taken out at a cell (the key number then follows
    // the card: the day of the month once it is complete), the card emptied, the diagonal
    // card put in.
    PunchResult PunchCell(CardCell cell, int day_of_month);
    void ClearCard();
    void DiagonalCard();
    // A key file's bytes, named `file_name` (its first two digits are the key number). A
    // short file, a damaged card or an invalid table is refused and nothing changes.
    std::string LoadKey(std::string_view bytes, std::string_view file_name);
    bool SaveEnabled() const { return work_.SaveEnabled(); }
    KeyFileBytes KeyToSave() const { return work_.SaveBytes(); }

    // The texts: a text file's characters (Windows-1251) to feed, and both texts emptied.
    // Both end a run first.
    void LoadText(std::string_view file_text);
    void ClearText();
    // "load text" ends a run and empties the input text before the file is chosen; a file
    // that cannot be read puts back what was there, a cancelled choice leaves it empty.
    struct InputText {
        std::string text;
        TextFeed feed;
        bool loaded = false;
        std::string pending_break;
    };
    InputText TakeInputText();
    void PutBackInputText(InputText before);
    // The loader's step strip: +1 on, -1 back. True when the strip was hit.
    bool StepFeed(int direction);

    // The start and stop keys. PressStart is true when it set the machine running: the
    // front end then calls StepRun, between its other events, until a step says the run
    // ended.
    bool PressStart();
    void ReleaseStart();
    bool PressStop();
    void ReleaseStop();
    bool Running() const { return running_; }
    // One step of the run: a character of the loaded text fed (or passed), or without a text
    // one more press of the run's key. With sound on a key press plays the step sound, and
    // the next step is due when it has ended.
    RunStep StepRun();
    // Ends a run now, after the character it fed last (the window going away, a new text).
    void StopRun();
    // Single stepping (F3): one key press of the loaded text. The refusal or what the step
    // met, in a short sentence (empty for an ordinary key press).
    std::string StepOneKeyPress();
    // Feeds the rest of the loaded text, pressing the start key again after every asterisk
    // stop, all at once (q417-cli and tests).
    void FeedToEnd();

    // A text streamed in piece by piece (q417-cli): the same as loading the whole of it and
    // feeding it to the end, in memory that does not grow with the text. TakeTexts hands
    // over what was printed so far and empties both texts.
    void BeginStream();
    void FeedStream(std::string_view cp1251);
    void EndStream();
    std::string TakeTexts();

    // The signal path of the last key press, typed, clicked, fed or stepped, traced afresh
    // when asked; null before the first key press.
    const KeyPressTrace* LastKeyPressTrace() const;

    // The whole machine, to be saved and opened again later. Saving is refused while a rotor
    // is being put together on the work table, and while the opened machine could not be
    // closed as it stands: an open machine is saved as the machine it would close to, and
    // opens closed. A state taken during a run stands between two characters.
    std::string CaptureRefusal() const;
    MachineState CaptureState() const;
    // Replaces the whole machine by a saved one, as a unit: the run ended first, the settings
    // made consistent as at start-up, the series loaded, card, key table and rotors, the
    // counter, the register, the tapes, both texts and the feed, the machine closed. A state
    // the machine cannot take (a card punching a column twice, a body in two slots, values out
    // of range) is refused with the reason and nothing changes.
    std::string RestoreState(const MachineState& state);
    // What the tapes show now, as a state keeps them.
    const TapeMemory& Tapes() const { return printer_relay_.tapes; }
    // The line break the loaded text's file ended with, fed by nothing so far: a text that
    // goes on where this one ended (q417-cli feeding a message in parts) begins with it.
    const std::string& PendingLineBreak() const { return pending_break_; }

    // Back one key press and forward again: the rotors, counter, register, key-press count,
    // tapes, texts and the feed as they were. Up to KeyPressHistory::kLimit presses; a change
    // of key or settings, a new text or an opened machine starts a new history, and a key
    // press taken back is gone for good once another is made. Kept only when asked for
    // (the window); the refusal says why nothing was done.
    void KeepHistory(bool on);
    std::string Undo();
    std::string Redo();
    const KeyPressHistory& History() const { return history_; }

private:
    // The sound player the keyboard and the verbs play through; it follows SetSoundPlayer.
    struct SoundRelay : SoundPlayer {
        SoundPlayer* target = nullptr;
        void PlayClick() override {
            if (target) target->PlayClick();
        }
        void PlayStep() override {
            if (target) target->PlayStep();
        }
    };

    // The printer's news go to the tape memory and the history as well as to the views.
    struct PrinterRelay : PrinterListener {
        explicit PrinterRelay(MachineSession& session) : owner(session) {}
        MachineSession& owner;
        PrinterListener* target = nullptr;
        TapeMemory tapes{kStatePaperCells, kStatePunchColumns};
        void TapeAdvanced() override;
        void GlyphPrinted(int band, int32_t contact, Model machine) override;
        void Punched(int32_t contact) override;
        void CounterChanged(int groups, int position) override { target->CounterChanged(groups, position); }
        void InputAppended(std::string_view t) override { target->InputAppended(t); }
        void OutputAppended(std::string_view t) override { target->OutputAppended(t); }
        void TextsCleared() override { target->TextsCleared(); }
        void TapesBlanked() override;
        void KeyPressBegins() override;
        void KeyPressDone() override;
    };

    SessionEvents& Events() { return *events_; }
    PressSnapshot Snapshot() const;
    // The machine set back to a snapshot with the given texts, and every view told.
    void ApplySnapshot(const PressSnapshot& s, std::string input, std::string output);
    void RedrawTapes();
    void NewHistory() { history_.Clear(); }
    void ApplyMachineModel();
    void KeyTableChanged();
    // Before the settings, the card or the rotors' wiring change, the last key press is
    // traced while the machine still is as it met it.
    void HoldLastTrace() const;
    void EndRun();

    Machine machine_;
    Printer printer_{machine_};
    TextFeed feed_;
    WorkTable work_{machine_};
    SoundRelay sound_relay_;
    Keyboard keyboard_{machine_, sound_relay_};
    StartStopKeys start_stop_;
    std::unique_ptr<StreamFeed> stream_;
    PrinterRelay printer_relay_{*this};
    KeyPressHistory history_;
    std::string pending_break_;
    bool keep_history_ = false;
    std::optional<PressSnapshot> press_before_;  // of the key press under way
    SessionEvents no_events_;
    SessionEvents* events_ = &no_events_;
    Model applied_machine_ = Model::Q417_3MN;
    RotorSeries applied_serie_ = RotorSeries::Series6K;
    bool running_ = false;
    mutable KeyPressTrace last_trace_;
    mutable uint64_t traced_press_ = 0;
};

}  // namespace q417
