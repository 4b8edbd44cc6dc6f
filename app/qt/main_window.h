#pragma once
#include <QHash>
#include <QImage>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/font_record.h"
#include "app/machine_session.h"
#include "app/qt/qt_sound_player.h"
#include "app/qt/session_views.h"
#include "app/qt/view_host.h"
#include "app/qt/window_outline.h"
#include "app/settings_file.h"

namespace q417 {

class ControlBox;
class GuideHints;
class GuidePanel;
class KeyBox;
class KeyboardView;
class MachineKeyInput;
class ModeWheelView;
class ModuleSwitch;
class PictureElement;
class SettingsPanel;
class SignalPathPanel;
class RotorPictures;
class TapeView;
class TextLoaderView;
class TextPanel;

// The simulator's one window: a frameless picture of the machine, cut to its outline. It
// owns the machine session for the whole run, with the sounds and the pictures, turns mouse
// and key events into the session's verbs, and fans the session's news out to the views.
class MainWindow : public QWidget, public ViewHost, private SessionEvents {
    Q_OBJECT
public:
    static constexpr int kWidth = 649;
    static constexpr int kHeight = 575;

    // The settings file is the program's own unless another path is given.
    explicit MainWindow(const QString& settingsPath = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget& hostWidget() override { return *this; }
    MachineSession& session() override { return session_; }
    SessionViews& views() override { return views_; }
    const Machine& machine() const { return session_.machine(); }
    const Printer& printer() const { return session_.printer(); }
    const Keyboard& keyboard() const { return session_.keyboard(); }
    const TextFeed& feed() const { return session_.feed(); }
    QtSoundPlayer& sound() { return sound_; }
    RotorPictures& rotorPictures() override { return *rotor_pictures_; }
    // The panels over the machine are hidden at start and need fonts and the widget style,
    // which take longer to load than everything the first frame shows: each is made when
    // first wanted, shows the session as it stands, and hears its news from then on.
    // The key-setting box, the core tray and the card editor of the opened machine.
    KeyBox& keyBox();
    // The text panel, and the loader with the start and stop keys that feed its text.
    TextPanel& textPanel();
    TextLoaderView& textLoader() { return *text_loader_; }
    SettingsPanel& settingsPanel();
    SignalPathPanel& signalPathPanel();
    // The guide's pages (F1); its hover hints are there from the start.
    GuidePanel& guidePanel();
    ModeWheelView& modeWheelView() { return *mode_wheel_view_; }
    PictureElement* element(const QString& name) const override { return elements_.value(name); }
    FontRecord& textFont() override { return text_font_; }

    // The rotor window under the mouse (1..10), 0 for none: what the mouse wheel turns.
    int wheelSlot() const { return wheel_slot_; }
    bool counterLeverPressed() const { return counter_lever_pressed_; }
    Model appliedMachine() const { return session_.AppliedMachine(); }
    RotorSeries appliedSerie() const { return session_.AppliedSerie(); }
    // The errors met while starting (a damaged settings file, a missing sound); the window
    // starts anyway, on defaults where it had to.
    const QStringList& startupErrors() const { return startup_errors_; }
    // Where errors escaping a handler are shown; a message box unless replaced (tests).
    void setErrorReporter(std::function<void(const QString&)> reporter);
    void reportError(const QString& message) override { report_error_(message); }
    void reportRefusal(const std::string& refusal) override;
    void focusMachine() override { setFocus(); }

    // Writes every setting to the settings file; tells the user where a damaged file was kept,
    // and why the settings could not be saved. True when they were.
    bool saveSettings();
    // Saves the settings if it can and closes the window, which ends the program.
    void closeProgram();
    // F3 and the signal-path panel's step button: one key press of the loaded text.
    void stepOneKeyPress();

    // One hand turn of a rotor: the step sound, then a step up or down.
    void turnRotor(int slot, bool plus);

    // Ctrl+Z and Ctrl+Shift+Z: the last key press taken back, and brought back.
    void undoKeyPress();
    void redoKeyPress();
    // The paper tape (or the punched tape) as the window shows it, at the window's scale.
    QImage tapePicture(bool punched) const;
    // Writes that picture as a PNG file; a failure is reported. True when written.
    bool saveTapePicture(bool punched, const QString& path);

    // Hooks for the panels and the open machine, built elsewhere.
    virtual void openSettingsPanel();
    virtual void openTextPanel();
    virtual void openMachine();
    virtual void closeMachine();
    virtual void takeOutRotor(int slot);

    // The machine keyboard's entry points for key events from any widget (the text boxes
    // send theirs here too). Codes are US virtual-key codes of the key's position.
    void machineKeyDown(uint16_t vk) override;
    void machineKeyUp(uint16_t vk) override;
    // A key event of the computer keyboard, from the window or a text box: one key press
    // per hold, whatever the desktop repeats.
    void machineKeyEvent(const QKeyEvent& event) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void FormCreate();
    MachineSettings ReadSettingsFromStore();
    // The machine picture's own parts follow the settings and the model.
    void SettingsChanged() override;
    void ModelChanged() override;
    void SeriesChanged() override;
    void KeyChanged() override;
    void Notice(const std::string& text) override;
    void BindHandlers();
    void BindRotorWindow(int slot);
    void SetWindowOutline(bool leverReleased);
    void BindPanelKeys();
    void BindStateKeys();
    void OfferTapePicture(bool punched, QPoint at);
    // A panel made late: cut to the outline with the rest.
    void PanelMade();
    void ConnectLanguageChoice(SettingsPanel& panel);
    template <typename Panel>
    Panel& MadeWhenFirstWanted(std::unique_ptr<Panel>& panel);
    void Guard(const std::function<void()>& action);

    // Handlers of the machine picture, named after the elements they are bound to.
    void Image6MouseMove(int x, int y);
    void Image6MouseUp(int x, int y);
    void Image19MouseDown();
    void Image19MouseUp();
    void Image8MouseUp();
    void WMouseUp(int x, int y);
    void Image3MouseUp(int x);
    void Image5MouseUp(int x, int y);
    void Image11MouseMove(int x, int y);
    void Image11MouseUp(int y);
    void EMouseUp(int y);
    void FMouseUp(int y);
    void RotorMouseUp(int slot, int y);

    MachineSession session_;
    QtSoundPlayer sound_{session_.settings()};
    SessionViews views_;
    QString settings_path_;
    FontRecord text_font_;
    SettingsAsRead settings_as_read_;

    QHash<QString, PictureElement*> elements_;
    std::unique_ptr<RotorPictures> rotor_pictures_;
    std::unique_ptr<KeyBox> key_box_;
    std::unique_ptr<TextPanel> text_panel_;
    std::unique_ptr<TextLoaderView> text_loader_;
    std::unique_ptr<SettingsPanel> settings_panel_;
    std::unique_ptr<SignalPathPanel> signal_path_panel_;
    std::unique_ptr<KeyboardView> keyboard_view_;
    std::unique_ptr<TapeView> tape_view_;
    std::unique_ptr<ModeWheelView> mode_wheel_view_;
    GuideHints* guide_ = nullptr;  // a child of the window
    std::unique_ptr<ControlBox> control_box_;
    std::unique_ptr<ModuleSwitch> module_switch_;
    std::unique_ptr<MachineKeyInput> key_input_;
    CompositorQuestion compositor_;  // asked first thing, answered once the window is made
    QImage cabinet_;

    int wheel_slot_ = 0;
    int wheel_delta_ = 0;  // wheel turn not yet a whole notch
    bool counter_lever_pressed_ = false;
    QStringList startup_errors_;
    std::function<void(const QString&)> report_error_;
};

}  // namespace q417
