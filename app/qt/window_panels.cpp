#include "app/qt/window_panels.h"

#include <QCoreApplication>
#include <QShortcut>
#include <functional>

#include "app/qt/guide_panel.h"
#include "app/qt/machine_host.h"
#include "app/qt/settings_panel.h"
#include "app/qt/signal_path_panel.h"
#include "app/qt/translations.h"
#include "app/qt/window_outline.h"
#include "io/qt/text_panel.h"
#include "key/qt/key_box.h"

namespace q417 {

WindowPanels::WindowPanels(MachineHost& host) : host_(host), guide_(new GuideHints(host)) {
    BindKeys();
}

WindowPanels::~WindowPanels() = default;

// A panel made late: cut to the outline with the rest.
void WindowPanels::PanelMade() {
    ClipChildrenToOutline(host_.hostWidget());
}

// The key box, its tray and the card editor lie under the other panels, as if made first:
// those are raised when opened, while the box's parts are only shown.
KeyBox& WindowPanels::keyBox() {
    if (!key_box_) {
        QWidget& window = host_.hostWidget();
        const QObjectList before = window.children();
        key_box_ = std::make_unique<KeyBox>(host_);
        host_.views().Add(key_box_.get());
        QWidget* lowest = nullptr;
        for (QObject* child : before)
            if (child == text_panel_.get() || child == settings_panel_.get() ||
                child == signal_path_panel_.get() || qobject_cast<GuidePanel*>(child)) {
                lowest = static_cast<QWidget*>(child);
                break;
            }
        if (lowest)
            for (QObject* child : window.children())
                if (child->isWidgetType() && !before.contains(child))
                    static_cast<QWidget*>(child)->stackUnder(lowest);
        PanelMade();
    }
    return *key_box_;
}

// A panel that only shows the session: made on the window, it hears the session's news.
template <typename Panel>
Panel& WindowPanels::MadeWhenFirstWanted(std::unique_ptr<Panel>& panel) {
    if (!panel) {
        panel = std::make_unique<Panel>(host_);
        host_.views().Add(panel.get());
        PanelMade();
    }
    return *panel;
}

TextPanel& WindowPanels::textPanel() {
    return MadeWhenFirstWanted(text_panel_);
}

SettingsPanel& WindowPanels::settingsPanel() {
    const bool made = settings_panel_ != nullptr;
    SettingsPanel& panel = MadeWhenFirstWanted(settings_panel_);
    if (!made) ConnectLanguageChoice(panel);
    return panel;
}

// The panel shows the language kept in the settings file; a new choice is kept there at once,
// beside the machine's records, for the next start.
void WindowPanels::ConnectLanguageChoice(SettingsPanel& panel) {
    SettingsKeeper& file = host_.settingsFile();
    panel.setLanguage(file.Language(), LanguageInUse());
    panel.languageChosen = [this, &file](InterfaceLanguage language) {
        std::string error;
        if (!file.HasPlace())
            host_.reportError(QCoreApplication::translate(
                "Window",
                "The language could not be kept. There is no home folder to keep the "
                "settings in (HOME is not set)."));
        else if (!file.KeepLanguage(language, error))
            host_.reportError(QString::fromLocal8Bit(error.c_str()));
    };
}

GuidePanel& WindowPanels::guidePanel() {
    return guide_->panel();
}

// The signal-path panel (F2) shows the session's last key press, made before it was opened
// or since; its step button feeds the loaded text one key press at a time, like F3.
SignalPathPanel& WindowPanels::signalPathPanel() {
    if (signal_path_panel_) return *signal_path_panel_;
    signal_path_panel_ = std::make_unique<SignalPathPanel>(&host_.hostWidget(), host_.session());
    host_.views().Add(signal_path_panel_.get());
    signal_path_panel_->onStep = [this] { stepOneKeyPress(); };
    PanelMade();
    return *signal_path_panel_;
}

void WindowPanels::openSettingsPanel() {
    settingsPanel().ShowSettingsPanel();
}

void WindowPanels::openTextPanel() {
    textPanel().open();
}

// One key press of the loaded text; what refused it, or what it met, is said.
void WindowPanels::stepOneKeyPress() {
    Guarded(host_, [this] { host_.reportRefusal(host_.session().StepOneKeyPress()); });
}

// F2 opens and closes the signal-path panel, making it the first time; F3 steps through the
// loaded text whether the panel is open or not. The shortcuts with Ctrl act on the machine,
// never type into it: Ctrl with a letter is no key of the machine's keyboard.
void WindowPanels::BindKeys() {
    QWidget& window = host_.hostWidget();
    auto* toggle = new QShortcut(QKeySequence(Qt::Key_F2), &window);
    QObject::connect(toggle, &QShortcut::activated, &window,
                     [this] { signalPathPanel().toggle(); });
    auto* step = new QShortcut(QKeySequence(Qt::Key_F3), &window);
    QObject::connect(step, &QShortcut::activated, &window, [this] { stepOneKeyPress(); });
    const auto bind = [this, &window](QKeySequence keys, std::function<void()> action) {
        auto* shortcut = new QShortcut(keys, &window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &window,
                         [this, action] { Guarded(host_, action); });
    };
    MachineSession& session = host_.session();
    bind(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { textPanel().saveState(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { textPanel().openState(); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_Z),
         [this, &session] { host_.reportRefusal(session.Undo()); });
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
         [this, &session] { host_.reportRefusal(session.Redo()); });
}

}  // namespace q417
