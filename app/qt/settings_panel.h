#pragma once
#include <QWidget>
#include <functional>
#include <memory>

#include "app/interface_language.h"
#include "app/machine_session.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QGroupBox;
class QRadioButton;
class QToolButton;

namespace q417 {

class AboutPanel;
class ViewHost;
class PictureElement;

// The settings panel SPanel0 over the upper left of the window: the model, the rotor series,
// the keyboard, the print wheel, sound, the divider, the module and the alphabet plug. Every
// choice takes effect at once, through the session's verbs; the settings are written only when
// the program is closed. While it is open it shows the settings as they are, whatever changed
// them. It holds the about panel.
class SettingsPanel : public QWidget, public SessionEvents {
    Q_OBJECT
public:
    explicit SettingsPanel(ViewHost& window);
    ~SettingsPanel() override;

    // Every control set from the settings, then the panel shown. Changes no setting.
    void ShowSettingsPanel();
    // Every control set from the settings; runs no handler.
    void showSettings();
    void SettingsChanged() override {
        if (isVisible()) showSettings();
    }
    void closePanel();
    AboutPanel& about() { return *about_; }

    // The language kept in the settings file and the one the window speaks now.
    void setLanguage(InterfaceLanguage inSettings, InterfaceLanguage inUse);
    // Called with a new choice of language, for the window to keep it in the settings file.
    std::function<void(InterfaceLanguage)> languageChosen;

    // The handlers, with the tag or item of the control that was clicked.
    void RadioButton1Click(int machine);
    void RadioButton4Click(int serie);
    void RadioButton13Click(int module);
    void RadioGroup1Click(int item);
    void RadioGroup2Click(int item);
    void CheckBox1Click(bool checked);
    void CheckBox2Click(bool checked);
    void Image26MouseUp();

    // The controls by their layout names: "RadioButton1".."RadioButton6", "RadioButton13",
    // "RadioButton14", "CheckBox1", "CheckBox2", "SpeedButton5", "SpeedButton6"; the groups
    // "SPanel1", "SPanel2", "GroupBox1", "RadioGroup1", "RadioGroup2", "GroupBox4".
    QAbstractButton* button(const QString& name) const;
    QWidget* part(const QString& name) const;
    QAbstractButton* keyboardItem(int item) const;
    QAbstractButton* wheelItem(int item) const;
    PictureElement& plug() { return *plug_; }

private:
    void BuildModelRow();
    void BuildSeries(QWidget* parent);
    void BuildKeyboardAndWheel(QWidget* parent);
    void BuildChecksAndModule(QWidget* parent);
    void BuildLanguage(QWidget* parent);
    void ShowLanguage();
    void Guard(const std::function<void()>& action);

    ViewHost& window_;
    MachineSession& session_;
    QWidget* model_row_ = nullptr;
    QWidget* body_ = nullptr;
    QGroupBox* series_ = nullptr;
    QGroupBox* keyboard_ = nullptr;
    QGroupBox* wheel_ = nullptr;
    QGroupBox* module_ = nullptr;
    QButtonGroup* model_group_ = nullptr;
    QButtonGroup* series_group_ = nullptr;
    QButtonGroup* keyboard_group_ = nullptr;
    QButtonGroup* wheel_group_ = nullptr;
    QButtonGroup* module_group_ = nullptr;
    QCheckBox* sound_ = nullptr;
    QLabel* language_caption_ = nullptr;
    QComboBox* language_ = nullptr;
    InterfaceLanguage language_in_settings_ = InterfaceLanguage::Automatic;
    InterfaceLanguage language_in_use_ = InterfaceLanguage::English;
    QCheckBox* divider_ = nullptr;
    QToolButton* close_ = nullptr;
    QToolButton* about_button_ = nullptr;
    PictureElement* plug_ = nullptr;
    std::unique_ptr<AboutPanel> about_;
};

}  // namespace q417
