#pragma once
#include <QString>
#include <cstdint>
#include <exception>
#include <string>

class QKeyEvent;
class QWidget;

namespace q417 {

class MachineSession;
class PictureElement;
class SessionViews;
struct FontRecord;
enum class Picture : unsigned char;  // the machine's pictures, listed with their layout

// What a view of the machine needs from the window it lives in: the session to call, the
// pictures of the machine it draws on, and where errors and refusals are shown. The views
// know only this, never the window itself, so they are built and tested without it.
class ViewHost {
public:
    virtual ~ViewHost() = default;

    // The widget the panels lie on.
    virtual QWidget& hostWidget() = 0;
    // A picture of the machine.
    virtual PictureElement& picture(Picture p) const = 0;
    virtual MachineSession& session() = 0;
    // The one owner of the session's news.
    virtual SessionViews& views() = 0;
    // The font of the two texts, kept with the settings.
    virtual FontRecord& textFont() = 0;
    // An error escaping a handler, and a verb's refusal (nothing when empty).
    virtual void reportError(const QString& message) = 0;
    virtual void reportRefusal(const std::string& refusal) = 0;
    // The machine keyboard's entry points (US virtual-key codes of the key's position).
    virtual void machineKeyDown(uint16_t vk) = 0;
    virtual void machineKeyUp(uint16_t vk) = 0;
    // A key event of the computer keyboard from a text box: one key press per hold, whatever
    // the desktop repeats.
    virtual void machineKeyEvent(const QKeyEvent& event) = 0;
    // The keyboard focus back on the machine, when a panel closes.
    virtual void focusMachine() = 0;
};

// Runs a handler of a view: an error escaping it is shown by the host, and the rest of the
// action is skipped.
template <typename F>
void Guarded(ViewHost& host, F&& action) {
    try {
        action();
    } catch (const std::exception& e) {
        host.reportError(QString::fromLocal8Bit(e.what()));
    }
}

}  // namespace q417
