#pragma once
#include <QStringList>
#include <functional>
#include <memory>

#include "app/machine_session.h"
#include "app/qt/machine_layout.h"
#include "app/qt/qt_sound_player.h"
#include "app/qt/session_views.h"
#include "ui/view_host.h"
#include "app/settings_keeper.h"

namespace q417 {

class MachineKeyInput;

// What every view of the machine window shares: the machine session of the whole run with its
// sounds and the one owner of its news, the window's pictures, the settings file, and where
// errors are shown. Views reach it as their ViewHost.
class MachineHost : public ViewHost {
public:
    // The settings file is the program's own unless another path is given; the pictures are
    // made on `window` in stacking order.
    MachineHost(QWidget& window, const QString& settingsPath);
    ~MachineHost() override;

    QWidget& hostWidget() override { return window_; }
    PictureElement& picture(Picture p) const override { return pictures_[p]; }
    const MachinePictures& pictures() const { return pictures_; }
    MachineSession& session() override { return session_; }
    SessionViews& views() override { return views_; }
    FontRecord& textFont() override { return settings_.Font(); }
    QtSoundPlayer& sound() { return sound_; }
    SettingsKeeper& settingsFile() { return settings_; }

    // The settings read from the file and the sounds loaded; what failed is kept among the
    // start-up errors and the rest goes on, on defaults where it had to.
    MachineSettings ReadSettingsAndLoadSounds();
    // The errors met while starting (a damaged settings file, a missing sound).
    const QStringList& startupErrors() const { return startup_errors_; }
    // Writes every setting to the settings file; tells the user where a damaged file was
    // kept, and why the settings could not be saved. True when they were.
    bool saveSettings();

    // Where errors escaping a handler are shown; a message box unless replaced (tests).
    void setErrorReporter(std::function<void(const QString&)> reporter);
    void reportError(const QString& message) override { report_error_(message); }
    void reportRefusal(const std::string& refusal) override;
    void machineKeyDown(uint16_t vk) override;
    void machineKeyUp(uint16_t vk) override;
    void machineKeyEvent(const QKeyEvent& event) override;
    void focusMachine() override;

private:
    QWidget& window_;
    MachineSession session_;
    QtSoundPlayer sound_{session_.settings()};
    SessionViews views_;
    SettingsKeeper settings_;
    MachinePictures pictures_;
    std::unique_ptr<MachineKeyInput> key_input_;
    QStringList startup_errors_;
    std::function<void(const QString&)> report_error_;
};

}  // namespace q417
