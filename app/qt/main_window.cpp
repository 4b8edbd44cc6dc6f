#include "app/qt/main_window.h"

#include <string_view>

#include <QMessageBox>
#include <QPainter>
#include <exception>

#include "app/config_store.h"
#include "app/qt/control_box.h"
#include "app/qt/guide_panel.h"
#include "app/qt/key_mapping.h"
#include "app/qt/machine_layout.h"
#include "app/qt/picture_element.h"
#include "app/qt/settings_location.h"
#include "app/qt/settings_panel.h"
#include "app/qt/signal_path_panel.h"
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
    // Outside its outline the window shows the desktop, with or without a compositor.
    setAttribute(Qt::WA_TranslucentBackground);
    report_error_ = [this](const QString& message) {
        QMessageBox::critical(this, QStringLiteral("Q-417"), message);
    };
    key_input_ = std::make_unique<MachineKeyInput>([this](uint16_t code, bool down) {
        if (down)
            machineKeyDown(code);
        else
            machineKeyUp(code);
    });
    elements_ = CreateMachineElements(this);
    cabinet_ = Sprites::Get("cabinet");
    BindHandlers();
    FormCreate();
}

MainWindow::~MainWindow() {
    machine_.rotors.SetObserver(nullptr);
    machine_.SetTracer(nullptr);
    printer_.SetListener(nullptr);
    keyboard_.SetListener(nullptr);
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

// Start-up, in the machine's order: store and settings, sounds, outline, keyboard, printer,
// levers, counter, the plates round the stack, card and rotors. A failing step is reported
// and start-up carries on with defaults, so the machine always comes up working.
void MainWindow::FormCreate() {
    MachineSettings& s = machine_.settings;
    CycleState& st = machine_.state;
    control_box_ = std::make_unique<ControlBox>(*element("Image6"));
    module_switch_ = std::make_unique<ModuleSwitch>(*element("Image11"));
    ReadSettingsFromStore();
    applied_machine_ = s.Machine;
    applyMachineModel();
    try {
        sound_.LoadSounds();
    } catch (const std::exception& e) {
        startup_errors_ << QString::fromLocal8Bit(e.what());
    }
    counter_lever_pressed_ = false;
    SetWindowOutline(true);
    control_box_->Draw(0);

    keyboard_view_ = std::make_unique<KeyboardView>(s, *element("Image21"), *element("Image23"));
    keyboard_.SetListener(keyboard_view_.get());
    keyboard_view_->Prepare();
    keyboard_.DrawKeyboard();
    keyboard_.DrawSpaceBar(false);
    st.AutoRun = false;
    DrawStartStopKeys();
    st.InputContact = 0;

    tape_view_ =
        std::make_unique<TapeView>(*element("Image8"), *element("Image7"), *element("Image22"));
    printer_.SetListener(tape_view_.get());
    machine_.SetOutputStage(&printer_);
    tape_view_->Prepare();
    st.PrintRegister = s.Mode == 3 ? 2 : 1;
    element("Image7")->setVisible(s.Sposob == 2);
    mode_wheel_view_ =
        std::make_unique<ModeWheelView>(*element("W"), *element("Image3"), *element("Image5"));
    mode_wheel_view_->DrawModeSwitches(s);
    printer_.ResetCounter();
    mode_wheel_view_->DrawLevers(s);

    ShowEntryFrame(*element("E"), 1);
    ShowReflectorFrame(*element("R"), 1);
    ShowStepper(*element("ST"), StepperState::Hidden);
    ShowCover(*element("F"), true);
    machine_.card.DiagonalCard();
    machine_.card.KeyNumber = 0;

    machine_.rotors.LoadSeries(s.Serie);  // a series without tables keeps the 6K tables
    applied_serie_ = s.Serie;
    rotor_pictures_ = std::make_unique<RotorPictures>(machine_);
    st.MachineClosed = true;
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot)
        rotor_pictures_->BindControl(slot, element(QStringLiteral("R%1").arg(slot)));
    machine_.rotors.SetObserver(rotor_pictures_.get());
    machine_.rotors.SetBasicKey();
    text_loader_ = std::make_unique<TextLoaderView>(*this);
    new GuidePanel(*this);  // owned by the window; F1 and the about panel open it
    signal_path_panel_ = std::make_unique<SignalPathPanel>(this, printer_);
    ConnectSignalPathPanel(*this, *signal_path_panel_);
    ClipChildrenToOutline(*this);
}

// The panels over the machine are hidden at start and need the fonts and the widget style,
// which take longer to load than everything the first frame shows. They are made when
// first wanted.
void MainWindow::BuildPanels() {
    if (key_box_) return;
    key_box_ = std::make_unique<KeyBox>(*this);
    text_panel_ = std::make_unique<TextPanel>(*this, *tape_view_);
    settings_panel_ = std::make_unique<SettingsPanel>(*this);
    ClipChildrenToOutline(*this);
}

KeyBox& MainWindow::keyBox() {
    BuildPanels();
    return *key_box_;
}

TextPanel& MainWindow::textPanel() {
    BuildPanels();
    return *text_panel_;
}

SettingsPanel& MainWindow::settingsPanel() {
    BuildPanels();
    return *settings_panel_;
}

void MainWindow::openSettingsPanel() {
    settingsPanel().ShowSettingsPanel();
}

void MainWindow::openTextPanel() {
    textPanel().open();
}

void MainWindow::openMachine() {
    keyBox().openMachine();
}

void MainWindow::closeMachine() {
    keyBox().closeMachine();
}

void MainWindow::takeOutRotor(int slot) {
    keyBox().takeOutRotor(slot);
}

void MainWindow::ReadSettingsFromStore() {
    if (settings_path_.isEmpty()) settings_path_ = SettingsFilePath();
    if (settings_path_.isEmpty()) {  // nowhere to keep them: the defaults, and a word at close
        machine_.ApplySettings();
        return;
    }
    std::string error;
    // ReadSettingsFile leaves every setting it could not reach at its default.
    if (!ReadSettingsFile(settings_path_.toStdString(), machine_.settings, &text_font_, error))
        startup_errors_ << QString::fromLocal8Bit(error.c_str());
    machine_.ApplySettings();
}

void MainWindow::applyMachineModel() {
    MachineSettings& s = machine_.settings;
    // A change of model keeps the register mode and the language lever as they are.
    machine_.rotors.SetRotorsInUse(RotorsInUseFor(s.Machine));
    if (s.Machine == 0) {
        s.Module = 30;
        s.Plug = 1;
    }
    element("R9")->setVisible(s.Machine != 2);
    element("R10")->setVisible(s.Machine != 2);
    element("F")->setVisible(s.Machine == 2);
    if (s.Machine == 0) s.Wheel = s.Layot;
    module_switch_->DrawPlain(s.Machine);
}

bool MainWindow::saveSettings() {
    if (settings_path_.isEmpty()) {
        report_error_(
            QStringLiteral("The settings could not be saved. There is no home folder "
                           "to keep them in (HOME is not set)."));
        return false;
    }
    const SaveOutcome outcome =
        SaveSettingsFile(settings_path_.toStdString(), machine_.settings, text_font_);
    if (!outcome.damaged_copy.empty())
        report_error_(
            QStringLiteral("The settings file \"%1\" was damaged. It was kept as "
                           "\"%2\", and the settings were written to a fresh file.")
                .arg(settings_path_, QString::fromLocal8Bit(outcome.damaged_copy.c_str())));
    if (!outcome.saved)
        report_error_(QStringLiteral("The settings could not be saved. ") +
                      QString::fromLocal8Bit(outcome.error.c_str()));
    return outcome.saved;
}

// The settings are saved if they can be; either way the user is told what happened and the
// program ends.
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

// The translucent window starts clear; only the cabinet inside the outline is drawn.
void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!mask().isEmpty()) painter.setClipRegion(mask());
    if (cabinet_.isNull())
        painter.fillRect(rect(), QColor::fromRgb(kBackground));
    else
        painter.drawImage(QRect(0, 0, kWidth, kHeight), cabinet_);
}

}  // namespace q417
