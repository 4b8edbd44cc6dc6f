#pragma once
#include <QString>
#include <functional>
#include <memory>

#include "app/machine_session.h"
#include "io/qt/loader_zones.h"

namespace q417 {

class RunClock;
class ViewHost;
class PictureElement;
class TextPanel;

// The loader's reading window (on `loader`, the picture Image17) shows the name of the text
// file loaded, shortened to fit; with no name, the window's own "ТЕКСТ.TXT".
void ShowLoadedFileName(PictureElement& loader, const QString& name);

// The feeding controls on the machine picture: the text loader (load button and step strip,
// drawn over its fixed picture from the LOADER sheet) and the start and stop keys (PUSKSTOP).
// The start key runs the automatic typing, stepped by the run clock on the window's event
// loop; the stop key ends it. It hears the session's news to draw the keys released when a
// run ends.
class TextLoaderView : public SessionEvents {
public:
    // The text panel, made when first wanted: the load button opens its file dialog.
    using PanelSource = std::function<TextPanel&()>;
    // `stepMs`: how long the step sound lasts, the pace of a run with sound on.
    TextLoaderView(ViewHost& window, PanelSource panel, std::function<int()> stepMs);
    ~TextLoaderView() override;

    RunClock& clock() { return *clock_; }

    void DrawLoader(loader::ButtonLook button, loader::StripLook strip);
    void DrawStartKey(bool pressed);
    void DrawStopKey(bool pressed);

    // The handlers of the loader (Image17), the start key (Image25) and the stop key (Image24).
    void Image17MouseDown(int x, int y);
    void Image17MouseMove(int x, int y);
    void Image17MouseUp(int x, int y);
    void StartKeyDown();
    void StartKeyUp();
    void StopKeyDown();
    void StopKeyUp();

    // A run ended: a run over a loaded text draws both keys released (the stop key drew
    // them when it ended the run by hand); whatever else ended it leaves no key pressed.
    void RunEnded() override;

private:
    void Bind();

    ViewHost& window_;
    PanelSource panel_;
    PictureElement& loader_;
    PictureElement& start_;
    PictureElement& stop_;
    std::unique_ptr<RunClock> clock_;
    loader::ButtonLook button_look_ = loader::ButtonLook::Normal;
    loader::StripLook strip_look_ = loader::StripLook::Normal;
};

}  // namespace q417
