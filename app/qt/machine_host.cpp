#include "app/qt/machine_host.h"

#include <QCoreApplication>
#include <QWidget>
#include <exception>

#include "ui/dialogs.h"
#include "app/qt/key_mapping.h"
#include "app/qt/settings_location.h"

namespace q417 {

MachineHost::MachineHost(QWidget& window, const QString& settingsPath)
    : window_(window),
      settings_((settingsPath.isEmpty() ? SettingsFilePath() : settingsPath).toStdString()),
      pictures_(window) {
    report_error_ = [this](const QString& message) { ShowError(&window_, message); };
    key_input_ = std::make_unique<MachineKeyInput>([this](uint16_t code, bool down) {
        if (down)
            machineKeyDown(code);
        else
            machineKeyUp(code);
    });
}

MachineHost::~MachineHost() {
    session_.SetEvents(nullptr);
    session_.SetSoundPlayer(nullptr);
}

MachineSettings MachineHost::ReadSettingsAndLoadSounds() {
    MachineSettings read;
    std::string error;
    if (!settings_.ReadAtStart(read, error))
        startup_errors_ << QString::fromLocal8Bit(error.c_str());
    session_.SetSoundPlayer(&sound_);
    try {
        sound_.LoadSounds();
    } catch (const std::exception& e) {
        startup_errors_ << QString::fromLocal8Bit(e.what());
    }
    return read;
}

bool MachineHost::saveSettings() {
    if (!settings_.HasPlace()) {
        report_error_(
            QCoreApplication::translate("Window",
                                        "The settings could not be saved. There is no "
                                        "home folder to keep them in (HOME is not set)."));
        return false;
    }
    const SaveOutcome outcome = settings_.Save(session_.SettingsToWrite());
    if (!outcome.report.empty()) report_error_(QString::fromLocal8Bit(outcome.report.c_str()));
    return outcome.saved;
}

void MachineHost::setErrorReporter(std::function<void(const QString&)> reporter) {
    report_error_ = std::move(reporter);
}

void MachineHost::reportRefusal(const std::string& refusal) {
    if (!refusal.empty()) report_error_(QString::fromStdString(refusal));
}

void MachineHost::machineKeyDown(uint16_t vk) {
    Guarded(*this, [&] { session_.KeyDown(vk); });
}

void MachineHost::machineKeyUp(uint16_t vk) {
    Guarded(*this, [&] { session_.KeyUp(vk); });
}

// A held key repeats nothing: the repeats the desktop sends (on X11 as release and press
// pairs) are dropped before they reach the machine.
void MachineHost::machineKeyEvent(const QKeyEvent& event) {
    key_input_->Handle(event);
}

void MachineHost::focusMachine() {
    window_.setFocus();
}

}  // namespace q417
