#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/machine.h"
#include "io/feed.h"
#include "io/keyboard.h"
#include "io/printer.h"
#include "io/sound.h"
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
};

// One machine at work, with everything round it: the machine and its settings, the printer
// and counter, the keyboard, the text feed and the work table of the opened machine. Every
// front end (the window, q417-cli) works it through these verbs only, so that what is shown,
// what is saved and what is enciphered always agree. The verbs keep the machine's rules
// themselves; a verb that is refused changes nothing and says why in a short sentence (empty
// when it was done).
class MachineSession {
public:
    MachineSession();
    MachineSession(const MachineSession&) = delete;
    MachineSession& operator=(const MachineSession&) = delete;

    Machine machine;
    Printer printer{machine};
    TextFeed feed;
    WorkTable work{machine};

    const MachineSettings& settings() const { return machine.settings; }
    Keyboard& keyboard() { return keyboard_; }

    // Where the news go (none: nowhere), and what plays the sounds (none: silence).
    void SetEvents(SessionEvents* events);
    void SetSoundPlayer(SoundPlayer* sound) { sound_relay_.target = sound; }
    SoundPlayer& Sound() { return sound_relay_; }

    // Start-up from settings as read from a settings file (or defaults): the settings made
    // consistent, the model set up, the series loaded, the basic key, the diagonal card, the
    // machine closed, the printer in the register of its mode.
    void StartUp(const MachineSettings& read);
    // The settings to write at close.
    const MachineSettings& SettingsToWrite() const { return machine.settings; }

    // The model-dependent set-up: rotors in use, and on the Q-417M its fixed alphabet, plug
    // and the print wheel of its keyboard.
    void ApplyMachineModel();
    int32_t AppliedMachine() const { return applied_machine_; }
    int32_t AppliedSerie() const { return applied_serie_; }

    // The settings panel and the switches on the machine picture.
    std::string SwitchModel(int32_t model);
    void SwitchSeries(int32_t serie);
    std::string SetModule(int32_t module);
    std::string ToggleModule();
    std::string TogglePlug();
    void ChooseKeyboard(int item);
    void ChooseWheel(int item);
    void SetSound(bool on);
    void SetDivider(bool on);
    // Mode wheel levers, register switch, language lever: true when a part moved.
    bool LeverClick(int x, int y);
    bool RegisterSwitchClick(int x);
    bool LanguageLeverClick(int x, int y);
    // The counter-reset lever and a click on the paper tape.
    void ResetCounter();
    void AdvanceTape();

    // One hand turn of a rotor: the step sound, then a step up or down.
    void TurnRotor(int slot, bool plus);
    bool OpenMachine();
    std::string CloseMachine();
    // The work table of the opened machine.
    bool TakeOutRotor(int slot);
    bool TakeBody(int body);
    bool TakeCore(int core);
    WorkTable::FaceZone FaceClick(int x, int y);
    bool InsertRotor();
    void SetBasePosition();
    void ClearKeyTable();
    void RandomKey(uint32_t seed);
    // The card editor changed the card.
    void CardChanged();
    // A key file's bytes, named `file_name` (its first two digits are the key number). A
    // short file, a damaged card or an invalid table is refused and nothing changes.
    std::string LoadKey(std::string_view bytes, std::string_view file_name);
    bool SaveEnabled() const { return work.SaveEnabled(); }
    KeyFileBytes KeyToSave() const { return work.SaveBytes(); }

    // The texts: a text file's characters (Windows-1251) to feed, and both texts emptied.
    void LoadText(std::string_view file_text);
    void ClearText();
    // "load text" empties the input text before the file is chosen; a file that cannot be
    // read puts back what was there.
    struct InputText {
        std::string text;
        TextFeed feed;
        bool loaded = false;
    };
    InputText TakeInputText();
    void PutBackInputText(InputText before);
    // The loader's step strip: +1 on, -1 back. True when the strip was hit.
    bool StepFeed(int direction);
    // The start key's run, with `host` keeping the surroundings alive between key presses.
    // The start key has set AutoRun.
    void RunFeed(FeedHooks& host);
    // One key press of the loaded text, as a run of the start key that ends after its first
    // key press (single stepping). False, feeding nothing, without a text or during a run.
    bool FeedOneKeyPress(FeedHooks& host);
    // The start key pressed again after every asterisk stop until the text is used up.
    void FeedToEnd();
    // Ends a run after the character it is feeding (the stop key, or the window going away).
    void StopFeed() { machine.state.AutoRun = false; }

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
        void PlayStepToEnd() override {
            if (target) target->PlayStepToEnd();
        }
    };

    SessionEvents& Events() { return *events_; }
    void KeyTableChanged();

    SoundRelay sound_relay_;
    Keyboard keyboard_{machine, sound_relay_};
    SessionEvents no_events_;
    SessionEvents* events_ = &no_events_;
    int32_t applied_machine_ = 1;
    int32_t applied_serie_ = 6;
};

}  // namespace q417
