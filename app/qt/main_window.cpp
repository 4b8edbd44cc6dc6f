#include "app/qt/main_window.h"

#include <string_view>

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>
#include <exception>

#include "app/config_store.h"
#include "app/qt/control_box.h"
#include "app/qt/dialogs.h"
#include "app/qt/guide_panel.h"
#include "app/qt/key_mapping.h"
#include "app/qt/machine_layout.h"
#include "app/qt/picture_element.h"
#include "app/qt/settings_location.h"
#include "app/qt/settings_panel.h"
#include "app/qt/signal_path_panel.h"
#include "app/qt/sprites.h"
#include "app/qt/translations.h"
#include "app/qt/window_outline.h"
#include "app/settings_file.h"
#include "core/qt/blit.h"
#include "core/qt/machine_frames.h"
#include "core/qt/rotor_view.h"
#include "io/qt/run_clock.h"
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
    report_error_ = [this](const QString& message) { ShowError(this, message); };
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
    // Outside its outline the window shows the desktop, with or without a compositor: the
    // shape cuts it on X11, and where the desktop composes windows it is translucent too.
    // Both are settled before the window first shows.
    const bool translucent = compositor_.Answer();
    setAttribute(Qt::WA_TranslucentBackground, translucent);
    setAttribute(Qt::WA_OpaquePaintEvent, !translucent);  // the paint covers every pixel
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
    tape_view_ =
        std::make_unique<TapeView>(*element("Image8"), *element("Image7"), *element("Image22"));
    tape_view_->Prepare();
    views_.AddPrinterView(tape_view_.get());
    mode_wheel_view_ =
        std::make_unique<ModeWheelView>(*element("W"), *element("Image3"), *element("Image5"));
    ShowEntryFrame(*element("E"), 1);
    ShowReflectorFrame(*element("R"), 1);
    ShowStepper(*element("ST"), StepperState::Hidden);

    rotor_pictures_ = std::make_unique<RotorPictures>(session_.machine());
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot)
        rotor_pictures_->BindControl(slot, element(QStringLiteral("R%1").arg(slot)));
    views_.AddRotorView(rotor_pictures_.get());
    text_loader_ = std::make_unique<TextLoaderView>(
        *this, [this]() -> TextPanel& { return textPanel(); }, [this] { return sound_.stepMs(); });
    views_.Add(text_loader_.get());
    guide_ = new GuideHints(*this);
    BindPanelKeys();
    views_.Add(this);
    session_.SetEvents(&views_);
    compositor_.FollowUp();
    session_.StartUp(read);
    session_.KeepHistory(true);
    ClipChildrenToOutline(*this);
}

void MainWindow::PanelMade() {
    ClipChildrenToOutline(*this);
}

// The key box, its tray and the card editor lie under the other panels, as if made first:
// those are raised when opened, while the box's parts are only shown.
KeyBox& MainWindow::keyBox() {
    if (!key_box_) {
        const QObjectList before = children();
        key_box_ = std::make_unique<KeyBox>(*this);
        views_.Add(key_box_.get());
        QWidget* lowest = nullptr;
        for (QObject* child : before)
            if (child == text_panel_.get() || child == settings_panel_.get() ||
                child == signal_path_panel_.get() || qobject_cast<GuidePanel*>(child)) {
                lowest = static_cast<QWidget*>(child);
                break;
            }
        if (lowest)
            for (QObject* child : children())
                if (child->isWidgetType() && !before.contains(child))
                    static_cast<QWidget*>(child)->stackUnder(lowest);
        PanelMade();
    }
    return *key_box_;
}

// A panel that only shows the session: made on the window, it hears the session's news.
template <typename Panel>
Panel& MainWindow::MadeWhenFirstWanted(std::unique_ptr<Panel>& panel) {
    if (!panel) {
        panel = std::make_unique<Panel>(*this);
        views_.Add(panel.get());
        PanelMade();
    }
    return *panel;
}

TextPanel& MainWindow::textPanel() {
    return MadeWhenFirstWanted(text_panel_);
}

SettingsPanel& MainWindow::settingsPanel() {
    const bool made = settings_panel_ != nullptr;
    SettingsPanel& panel = MadeWhenFirstWanted(settings_panel_);
    if (!made) ConnectLanguageChoice(panel);
    return panel;
}

// The panel shows the language kept in the settings file; a new choice is kept there at once,
// beside the machine's records, for the next start.
void MainWindow::ConnectLanguageChoice(SettingsPanel& panel) {
    const std::string path = settings_path_.toStdString();
    panel.setLanguage(path.empty() ? InterfaceLanguage::Automatic : ReadInterfaceLanguage(path),
                      LanguageInUse());
    panel.languageChosen = [this](InterfaceLanguage language) {
        std::string error;
        if (settings_path_.isEmpty())
            report_error_(QCoreApplication::translate(
                "Window", "The language could not be kept. There is no home folder to keep the "
                          "settings in (HOME is not set)."));
        else if (!WriteInterfaceLanguage(settings_path_.toStdString(), language, error))
            report_error_(QString::fromLocal8Bit(error.c_str()));
    };
}

GuidePanel& MainWindow::guidePanel() {
    return guide_->panel();
}

// The signal-path panel (F2) shows the session's last key press, made before it was opened
// or since; its step button feeds the loaded text one key press at a time, like F3.
SignalPathPanel& MainWindow::signalPathPanel() {
    if (signal_path_panel_) return *signal_path_panel_;
    signal_path_panel_ = std::make_unique<SignalPathPanel>(this, session_);
    views_.Add(signal_path_panel_.get());
    signal_path_panel_->onStep = [this] { stepOneKeyPress(); };
    PanelMade();
    return *signal_path_panel_;
}

// One key press of the loaded text; what refused it, or what it met, is said.
void MainWindow::stepOneKeyPress() {
    Guard([this] { reportRefusal(session_.StepOneKeyPress()); });
}

// F2 opens and closes the signal-path panel, making it the first time; F3 steps through the
// loaded text whether the panel is open or not.
void MainWindow::BindPanelKeys() {
    auto* toggle = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(toggle, &QShortcut::activated, this, [this] { signalPathPanel().toggle(); });
    auto* step = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(step, &QShortcut::activated, this, [this] { stepOneKeyPress(); });
    BindStateKeys();
}

void MainWindow::SettingsChanged() {
    const MachineSettings& s = session_.settings();
    mode_wheel_view_->DrawModeSwitches(s);
    mode_wheel_view_->DrawLevers(s);
    element("Image7")->setVisible(s.Sposob == PrintMethod::AlsoPunchedTape);
    if (s.Machine == Model::Q417M || !module_switch_->hover)
        module_switch_->DrawPlain(s.Machine);
    else
        module_switch_->DrawHover(s.Module);
}

void MainWindow::ModelChanged() {
    const MachineSettings& s = session_.settings();
    element("R9")->setVisible(s.Machine != Model::Q417_3MR);
    element("R10")->setVisible(s.Machine != Model::Q417_3MR);
    element("F")->setVisible(s.Machine == Model::Q417_3MR);
    if (s.Machine == Model::Q417_3MR) ShowCover(*element("F"), true);  // drawn once it shows
    if (s.Machine == Model::Q417M) module_switch_->hover = false;
    module_switch_->DrawPlain(s.Machine);
}

// The rotor strips follow the series and the shown rotors the key whether or not the key
// box is made; while the machine is closed every rotor in use is shown (the opened machine
// has its key box, which shows the assembly).
void MainWindow::SeriesChanged() {
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) rotor_pictures_->BuildRotorStrip(slot);
}

void MainWindow::KeyChanged() {
    if (key_box_ || !session_.state().MachineClosed) return;
    for (int slot = 1; slot <= RotorStack::kSlots; ++slot) {
        if (slot <= session_.machine().rotors.RotorsInUse())
            rotor_pictures_->ShowRotor(slot);
        else
            rotor_pictures_->HideRotor(slot);
    }
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

MachineSettings MainWindow::ReadSettingsFromStore() {
    MachineSettings read;
    if (settings_path_.isEmpty()) settings_path_ = SettingsFilePath();
    if (settings_path_.isEmpty()) return read;  // nowhere to keep them: defaults, a word at close
    std::string error;
    // ReadSettingsFile leaves every setting it could not reach at its default.
    if (!ReadSettingsFile(settings_path_.toStdString(), read, &text_font_, error))
        startup_errors_ << QString::fromLocal8Bit(error.c_str());
    settings_as_read_ = {read, text_font_};  // the close writes only what changed since
    return read;
}

bool MainWindow::saveSettings() {
    if (settings_path_.isEmpty()) {
        report_error_(
            QCoreApplication::translate("Window", "The settings could not be saved. There is no "
                                                  "home folder to keep them in (HOME is not set)."));
        return false;
    }
    const SaveOutcome outcome = SaveSettingsFile(
        settings_path_.toStdString(), session_.SettingsToWrite(), text_font_, &settings_as_read_);
    if (!outcome.report.empty()) report_error_(QString::fromLocal8Bit(outcome.report.c_str()));
    return outcome.saved;
}

// A run ends with the program; the settings are saved if they can be; either way the user
// is told what happened and the program ends.
void MainWindow::closeProgram() {
    session_.StopRun();
    saveSettings();
    close();
}

// Why a run stopped by itself: shown once the run's step is over, outside it.
void MainWindow::Notice(const std::string& text) {
    QTimer::singleShot(0, this, [this, text] { reportRefusal(text); });
}

void MainWindow::SetWindowOutline(bool leverReleased) {
    q417::SetWindowOutline(*this, leverReleased);
}

// Only the cabinet inside the outline shows. A translucent window paints it only there: what
// it leaves unpainted is transparent (the window system clears it before every paint). An
// opaque one paints it all and is cut by its shape.
void MainWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (cabinet_.isNull()) {
        if (!mask().isEmpty()) painter.setClipRegion(mask());
        painter.fillRect(rect(), QColor::fromRgb(kBackground));
        return;
    }
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const bool translucent = testAttribute(Qt::WA_TranslucentBackground) && !mask().isEmpty();
    DrawPictureByRects(painter, translucent ? event->region().intersected(mask()) : event->region(),
                       cabinet_);
}

}  // namespace q417
