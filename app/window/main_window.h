#pragma once
#include <QImage>
#include <QWidget>
#include <memory>

#include "app/qt/machine_host.h"
#include "app/qt/window_outline.h"
#include "app/qt/window_panels.h"

namespace q417 {

class ControlBox;
class CounterLever;
class KeyboardView;
class ModeWheelView;
class ModuleSwitch;
class RotorStackView;
class TapeView;
class TextLoaderView;

// The simulator's one window: a frameless picture of the machine, cut to its outline. It
// makes the views of the machine's parts and the panels over them, wires them to the session
// and to each other, and hands the computer's keys and the mouse wheel on. What the views
// share (the session, the sounds, the pictures, the settings file) is the host's.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 649;
    static constexpr int kHeight = 575;

    // The settings file is the program's own unless another path is given.
    explicit MainWindow(const QString& settingsPath = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    MachineHost& host() { return host_; }
    MachineSession& session() { return host_.session(); }
    WindowPanels& panels() { return *panels_; }
    // The views of the machine's parts.
    struct Views {
        std::unique_ptr<RotorStackView> stack;
        std::unique_ptr<TapeView> tapes;
        std::unique_ptr<KeyboardView> keyboard;
        std::unique_ptr<ModeWheelView> modeWheel;
        std::unique_ptr<ModuleSwitch> moduleSwitch;
        std::unique_ptr<ControlBox> controlBox;
        std::unique_ptr<CounterLever> counterLever;
        std::unique_ptr<TextLoaderView> textLoader;
    };
    const Views& views() const { return views_; }
    // Saves the settings if it can and closes the window, which ends the program; a problem
    // with saving is shown first, and the window closes once the message has been read.
    void closeProgram();

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
    void MakeViews();
    // Why a run stopped by itself: shown once the run's step is over, outside it.
    class Notices : public SessionEvents {
    public:
        explicit Notices(MainWindow& window) : window_(window) {}
        void Notice(const std::string& text) override;

    private:
        MainWindow& window_;
    };

    CompositorQuestion compositor_;  // asked first thing, answered once the window is made
    MachineHost host_;
    Views views_;
    std::unique_ptr<WindowPanels> panels_;
    Notices notices_{*this};
    QImage cabinet_;
};

}  // namespace q417
