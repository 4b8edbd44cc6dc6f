#include "app/qt/main_window.h"

#include <filesystem>
#include <string_view>

#include <QPainter>
#include <exception>

#include "app/config_store.h"
#include "app/qt/control_box.h"
#include "app/qt/dialogs.h"
#include "app/qt/machine_layout.h"
#include "app/qt/picture_element.h"
#include "app/qt/settings_location.h"
#include "app/qt/settings_panel.h"
#include "app/qt/sprites.h"
#include "app/qt/window_outline.h"
#include "app/settings_file.h"
#include "core/qt/blit.h"
#include "core/qt/machine_frames.h"
#include "core/qt/rotor_view.h"
#include "io/qt/keyboard_view.h"
#include "io/qt/mode_wheel_view.h"
#include "io/qt/tape_view.h"
#include "io/qt/text_loader_view.h"
#include "io/qt/text_panel.h"
#include "key/qt/key_box.h"

namespace q417 {

namespace {
constexpr QRgb kBackground = 0xFFB0B4B0;
}

MainWindow::MainWindow(const QString& settingsPath, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), settings_path_(settingsPath) {
    setWindowTitle(QStringLiteral("Q-417"));
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    report_error_ = [this](const QString& message) { ShowError(this, message); };
    elements_ = CreateMachineElements(this);
    cabinet_ = Sprites::Get("cabinet");
    BindHandlers();
    FormCreate();
}

MainWindow::~MainWindow() {
    session_.SetEvents(nullptr);
    session_.SetSoundPlayer(nullptr);
}

void MainWindow::setErrorReporter(std::function<void(const QString&)> reporter) {
    report_error_ = std::move(reporter);
}

// Any error escaping a handler is shown and the rest of that action is skipped; the
// program goes on.
void MainWindow::Guard(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& e) {
        report_error_(QString::fromLocal8Bit(e.what()));
    }
}

void MainWindow::reportRefusal(const std::string& refusal) {
    if (!refusal.empty()) report_error_(QString::fromStdString(refusal));
}

// Start-up: the settings read, the sounds, the outline and every picture made; then the
// session starts up exactly as q417-cli's does, and its news draw the pictures. A failing
// step is reported and start-up carries on with defaults, so the machine always comes up
// working.
void MainWindow::FormCreate() {
    const MachineSettings& s = session_.settings();
    control_box_ = std::make_unique<ControlBox>(*element("Image6"));
    module_switch_ = std::make_unique<ModuleSwitch>(*element("Image11"));
    const MachineSettings read = ReadSettingsFromStore();
    session_.SetSoundPlayer(&sound_);
    try {
        sound_.LoadSounds();
    } catch (const std::exception& e) {
        startup_errors_ << QString::fromLocal8Bit(e.what());
    }
    counter_lever_pressed_ = false;
    SetWindowOutline(true);
    control_box_->Draw(0);

    keyboard_view_ = std::make_unique<KeyboardView>(s, *element("Image21"), *element("Image23"));
    keyboard_view_->Prepare();
    views_.AddKeyboardView(keyboard_view_.get());
    DrawStartStopKeys();
    tape_view_ =
        std::make_unique<TapeView>(*element("Image8"), *element("Image7"), *element("Image22"));
    tape_view_->Prepare();
    views_.AddPrinterView(tape_view_.get());
    mode_wheel_view_ =
        std::make_unique<ModeWheelView>(*element("W"), *element("Image3"), *element("Image5"));
    ShowEntryFrame(*element("E"), 1);
    ShowReflectorFrame(*element("R"), 1);
    ShowStepper(*element("ST"), StepperState::Hidden);
    ShowCover(*element("F"), true);

    rotor_pictures_ = std::make_unique<RotorPictures>(session_.machine);
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot)
        rotor_pictures_->BindControl(slot, element(QStringLiteral("R%1").arg(slot)));
    views_.AddRotorView(rotor_pictures_.get());
    key_box_ = std::make_unique<KeyBox>(*this);
    text_panel_ = std::make_unique<TextPanel>(*this);
    text_loader_ = std::make_unique<TextLoaderView>(*this, *text_panel_);
    settings_panel_ = std::make_unique<SettingsPanel>(*this);
    views_.Add(this);
    views_.Add(key_box_.get());
    views_.Add(text_panel_.get());
    views_.Add(settings_panel_.get());
    session_.SetEvents(&views_);
    session_.StartUp(read);
}

void MainWindow::SettingsChanged() {
    const MachineSettings& s = session_.settings();
    mode_wheel_view_->DrawModeSwitches(s);
    mode_wheel_view_->DrawLevers(s);
    element("Image7")->setVisible(s.Sposob == 2);
    if (s.Machine == 0 || !module_switch_->hover)
        module_switch_->DrawPlain(s.Machine);
    else
        module_switch_->DrawHover(s.Module);
}

void MainWindow::ModelChanged() {
    const MachineSettings& s = session_.settings();
    element("R9")->setVisible(s.Machine != 2);
    element("R10")->setVisible(s.Machine != 2);
    element("F")->setVisible(s.Machine == 2);
    ShowCover(*element("F"), true);
    if (s.Machine == 0) module_switch_->hover = false;
    module_switch_->DrawPlain(s.Machine);
}

void MainWindow::openSettingsPanel() {
    settings_panel_->ShowSettingsPanel();
}

void MainWindow::openTextPanel() {
    text_panel_->open();
}

void MainWindow::openMachine() {
    key_box_->openMachine();
}

void MainWindow::closeMachine() {
    key_box_->closeMachine();
}

void MainWindow::takeOutRotor(int slot) {
    key_box_->takeOutRotor(slot);
}

MachineSettings MainWindow::ReadSettingsFromStore() {
    MachineSettings read;
    try {
        if (settings_path_.isEmpty()) settings_path_ = SettingsFilePath();
        store_ = std::make_unique<ConfigStore>(settings_path_.toStdString());
        ReadSettings(*store_, read, &text_font_);
    } catch (const std::exception& e) {
        // ReadSettings leaves every setting it could not reach at its default.
        startup_errors_ << QString::fromLocal8Bit(e.what());
    }
    return read;
}

void MainWindow::applyMachineModel() {
    session_.ApplyMachineModel();
}

void MainWindow::saveSettings() {
    const std::string path = settings_path_.toStdString();
    store_.reset();
    store_ = std::make_unique<ConfigStore>(path);
    try {
        SaveSettings(*store_, session_.SettingsToWrite(), text_font_);
    } catch (const ConfigError& e) {
        if (std::string_view(e.what()) != kInvalidFileFormat) throw;
        // A damaged file can take no record, and the machine would never close. It was
        // reported at start-up; it is kept beside a fresh file that takes the settings.
        store_.reset();
        std::error_code ignored;
        std::filesystem::rename(path, path + ".damaged", ignored);
        store_ = std::make_unique<ConfigStore>(path);
        SaveSettings(*store_, session_.SettingsToWrite(), text_font_);
    }
}

void MainWindow::closeProgram() {
    saveSettings();
    close();
}

void MainWindow::SetWindowOutline(bool leverReleased) {
    q417::SetWindowOutline(*this, leverReleased);
}

void MainWindow::DrawStartStopKeys() {
    const QImage& keys = Sprites::Get("puskstop");
    CopyRect(element("Image24")->image(), 0, 0, keys, QRect(0, 0, 47, 52));
    CopyRect(element("Image25")->image(), 0, 0, keys, QRect(0, 52, 47, 52));
    element("Image24")->update();
    element("Image25")->update();
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (cabinet_.isNull())
        painter.fillRect(rect(), QColor::fromRgb(kBackground));
    else
        painter.drawImage(QRect(0, 0, kWidth, kHeight), cabinet_);
}

}  // namespace q417
