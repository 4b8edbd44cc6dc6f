#pragma once
#include <QString>
#include <array>
#include <cstddef>

#include "ui/hint_spot.h"

class QWidget;

namespace q417 {

class PictureElement;

// The picture elements of the machine window. Each is made once, by MachinePictures, and
// drawn and handled by exactly one view.
enum class Picture : unsigned char {
    Stepper,  // the stepping mechanism over the stack of the open machine
    StackTopEdge,
    TopStripRight,
    ControlBox,
    LanguageLever,
    RegisterSwitch,
    TopStripLeft,
    PunchedTape,
    PaperTape,
    UnderControlBox,
    TopLeftCorner,
    EntrySide,
    ModuleSwitch,
    RightEdge,
    UnderStack,
    KeyboardLeft,
    CounterRight,
    BottomLeft,
    CounterLever,  // the counter-reset lever
    TextLoader,
    KeyboardRight,
    Keyboard,
    Counter,
    SpaceBar,
    StopKey,
    StartKey,
    Reflector,
    Cover,  // over slots 9 and 10 of the eight-rotor model
    EntryPlate,
    ModeWheel,
    Rotor1,  // the ten rotor windows follow in slot order
    Rotor2,
    Rotor3,
    Rotor4,
    Rotor5,
    Rotor6,
    Rotor7,
    Rotor8,
    Rotor9,
    Rotor10,
};
inline constexpr std::size_t kPictureCount = static_cast<std::size_t>(Picture::Rotor10) + 1;

// The window of rotor slot 1..10.
constexpr Picture RotorWindow(int slot) {
    return static_cast<Picture>(static_cast<int>(Picture::Rotor1) + slot - 1);
}
// The slot (1..10) a rotor window shows; 0 for any other picture.
constexpr int RotorSlotOf(Picture p) {
    return p >= Picture::Rotor1 ? static_cast<int>(p) - static_cast<int>(Picture::Rotor1) + 1 : 0;
}

// One picture element of the machine picture as the layout places it. The layout name is
// the element's object name and the name of its artwork.
struct ElementPlace {
    Picture picture;
    const char* name;
    int x, y, width, height;
    bool enabled;   // takes mouse input
    bool visible;   // shown at start
    bool artwork;   // shows a fixed picture (the element's own resource)
    HintSpot hint;  // the part whose hover hints it shows
};

// The elements of the main window in stacking order: each lies above those before it.
// The ten rotor windows R1..R10 come last, 33 pixels apart.
// clang-format off
inline constexpr std::array<ElementPlace, 31> kMachineElements = {{
    {Picture::Stepper,        "ST",      115, 108, 330, 191, true,  false, false, HintSpot::Stack},  // stepping mechanism (open machine)
    {Picture::StackTopEdge,   "Image10",   0,  98, 548,  10, false, true,  true,  HintSpot::None},
    {Picture::TopStripRight,  "Image4",  449,   0, 120,  23, false, true,  true,  HintSpot::None},
    {Picture::ControlBox,     "Image6",  591,   0,  59,  81, true,  true,  false, HintSpot::ControlBox},
    {Picture::LanguageLever,  "Image5",  569,   0,  22,  97, true,  true,  false, HintSpot::LanguageLever},
    {Picture::RegisterSwitch, "Image3",  366,   0,  84,  23, true,  true,  false, HintSpot::RegisterSwitch},
    {Picture::TopStripLeft,   "Image2",   29,   0, 338,  23, false, true,  true,  HintSpot::None},
    {Picture::PunchedTape,    "Image7",   32,  24, 537,  45, true,  false, false, HintSpot::PunchedTape},
    {Picture::PaperTape,      "Image8",   32,  74, 537,  18, true,  true,  false, HintSpot::PaperTape},
    {Picture::UnderControlBox, "Image9",  591,  81,  59,  16, false, true,  true,  HintSpot::None},
    {Picture::TopLeftCorner,  "Image1",    0,   0,  32, 120, true,  true,  true,  HintSpot::None},
    {Picture::EntrySide,      "Image12", 523, 108,  25, 191, false, true,  true,  HintSpot::None},
    {Picture::ModuleSwitch,   "Image11",   0, 108,  37, 191, true,  true,  false, HintSpot::ModuleSwitch},
    {Picture::RightEdge,      "Image13", 639,  97,  11, 202, false, true,  true,  HintSpot::None},
    {Picture::UnderStack,     "Image14",   0, 299, 650,  18, true,  true,  true,  HintSpot::None},
    {Picture::KeyboardLeft,   "Image15",   0, 317,  27, 180, true,  true,  true,  HintSpot::None},
    {Picture::CounterRight,   "Image16", 142, 462,  43,  87, false, true,  true,  HintSpot::None},
    {Picture::BottomLeft,     "Image18",   0, 497, 185,  52, false, true,  true,  HintSpot::None},
    {Picture::CounterLever,   "Image19", 145, 525,  35,  50, true,  true,  true,  HintSpot::CounterLever},
    {Picture::TextLoader,     "Image17", 425, 462, 225,  87, true,  true,  true,  HintSpot::TextLoader},
    {Picture::KeyboardRight,  "Image20", 623, 317,  27, 146, false, true,  true,  HintSpot::None},
    {Picture::Keyboard,       "Image21",  60, 321, 105, 105, true,  true,  false, HintSpot::Keyboard},
    {Picture::Counter,        "Image22",  27, 463, 115,  34, true,  true,  false, HintSpot::Counter},
    {Picture::SpaceBar,       "Image23", 185, 461, 240,  86, true,  true,  false, HintSpot::SpaceBar},
    {Picture::StopKey,        "Image24", 566, 412,  47,  52, true,  true,  false, HintSpot::StopKey},
    {Picture::StartKey,       "Image25", 566, 356,  47,  52, true,  true,  false, HintSpot::StartKey},
    {Picture::Reflector,      "R",        37, 108,  78, 191, true,  true,  false, HintSpot::Reflector},
    {Picture::Cover,          "F",       379, 108,  66, 191, true,  false, false, HintSpot::Cover},  // cover of the eight-rotor model
    {Picture::EntryPlate,     "E",       445, 108,  78, 191, true,  true,  false, HintSpot::EntryPlate},
    {Picture::ModeWheel,      "W",       548,  97,  91, 202, true,  true,  false, HintSpot::ModeWheel},
    {Picture::Rotor1,         "R1",      115, 108,  33, 191, true,  true,  false, HintSpot::RotorWindow},  // R1..R10 follow this pattern
}};
// clang-format on

// Every picture element of the machine window, made on it in stacking order with its fixed
// artwork drawn. The elements are children of the window, which deletes them.
class MachinePictures {
public:
    explicit MachinePictures(QWidget& window);

    PictureElement& operator[](Picture p) const { return *elements_[static_cast<std::size_t>(p)]; }
    PictureElement& rotorWindow(int slot) const { return (*this)[RotorWindow(slot)]; }
    // The picture an element is, for a widget found under the pointer; false for any other.
    bool Find(const QWidget* widget, Picture& found) const;

    // Calls f(Picture, PictureElement&) for every picture.
    template <typename F>
    void ForEach(F&& f) const {
        for (std::size_t i = 0; i < kPictureCount; ++i) f(static_cast<Picture>(i), *elements_[i]);
    }

private:
    std::array<PictureElement*, kPictureCount> elements_{};
};

}  // namespace q417
