#pragma once
#include <memory>

namespace q417 {

class GuideHints;
class GuidePanel;
class KeyBox;
class MachineHost;
class SettingsPanel;
class SignalPathPanel;
class TextPanel;

// The panels over the machine and the keys that open them. The panels are hidden at start
// and need fonts and the widget style, which take longer to load than everything the first
// frame shows: each is made when first wanted, shows the session as it stands, and hears its
// news from then on. The guide's hover hints are there from the start.
class WindowPanels {
public:
    explicit WindowPanels(MachineHost& host);
    ~WindowPanels();

    // The key-setting box, the core tray and the card editor of the opened machine.
    KeyBox& keyBox();
    // The text panel, with the loaded text and the machine saved and opened.
    TextPanel& textPanel();
    SettingsPanel& settingsPanel();
    SignalPathPanel& signalPathPanel();
    // The guide's pages (F1).
    GuidePanel& guidePanel();

    void openSettingsPanel();
    void openTextPanel();
    // F3 and the signal-path panel's step button: one key press of the loaded text.
    void stepOneKeyPress();

private:
    void BindKeys();
    void PanelMade();
    template <typename Panel>
    Panel& MadeWhenFirstWanted(std::unique_ptr<Panel>& panel);
    void ConnectLanguageChoice(SettingsPanel& panel);

    MachineHost& host_;
    std::unique_ptr<KeyBox> key_box_;
    std::unique_ptr<TextPanel> text_panel_;
    std::unique_ptr<SettingsPanel> settings_panel_;
    std::unique_ptr<SignalPathPanel> signal_path_panel_;
    GuideHints* guide_ = nullptr;  // a child of the window
};

}  // namespace q417
