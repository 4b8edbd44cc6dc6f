#pragma once

class QWidget;

namespace q417 {

class PictureElement;
class ViewHost;

// The counter-reset lever below the counter: one reset per press; pushed in, it shortens the
// tab of the window's outline that it stands on.
class CounterLever {
public:
    CounterLever(PictureElement& lever, ViewHost& host);

    bool pressed() const { return pressed_; }

private:
    void Press();
    void Release();

    ViewHost& host_;
    bool pressed_ = false;
};

}  // namespace q417
