#pragma once
#include <QHash>
#include <QString>
#include <array>

class QWidget;

namespace q417 {

class PictureElement;

// One picture element of the machine picture as the layout places it.
struct ElementPlace {
    const char* name;
    int x, y, width, height;
    bool enabled;  // takes mouse input
    bool visible;  // shown at start
    bool artwork;  // shows a fixed picture (the element's own resource)
};

// The elements of the main window in stacking order: each lies above those before it.
// The ten rotor windows R1..R10 come last.
// clang-format off
inline constexpr std::array<ElementPlace, 31> kMachineElements = {{
    {"ST",      115, 108, 330, 191, true,  false, false},  // stepping mechanism (open machine)
    {"Image10",   0,  98, 548,  10, false, true,  true},
    {"Image4",  449,   0, 120,  23, false, true,  true},
    {"Image6",  591,   0,  59,  81, true,  true,  false},  // control box
    {"Image5",  569,   0,  22,  97, true,  true,  false},  // language lever
    {"Image3",  366,   0,  84,  23, true,  true,  false},  // register switch
    {"Image2",   29,   0, 338,  23, false, true,  true},
    {"Image7",   32,  24, 537,  45, true,  false, false},  // punched tape
    {"Image8",   32,  74, 537,  18, true,  true,  false},  // paper tape
    {"Image9",  591,  81,  59,  16, false, true,  true},
    {"Image1",    0,   0,  32, 120, true,  true,  true},
    {"Image12", 523, 108,  25, 191, false, true,  true},
    {"Image11",   0, 108,  37, 191, true,  true,  false},  // module switch
    {"Image13", 639,  97,  11, 202, false, true,  true},
    {"Image14",   0, 299, 650,  18, true,  true,  true},
    {"Image15",   0, 317,  27, 180, true,  true,  true},
    {"Image16", 142, 462,  43,  87, false, true,  true},
    {"Image18",   0, 497, 185,  52, false, true,  true},
    {"Image19", 145, 525,  35,  50, true,  true,  true},   // counter-reset lever
    {"Image17", 425, 462, 225,  87, true,  true,  true},   // text loader
    {"Image20", 623, 317,  27, 146, false, true,  true},
    {"Image21",  60, 321, 105, 105, true,  true,  false},  // keyboard
    {"Image22",  27, 463, 115,  34, true,  true,  false},  // counter
    {"Image23", 185, 461, 240,  86, true,  true,  false},  // space bar
    {"Image24", 566, 412,  47,  52, true,  true,  false},  // stop key
    {"Image25", 566, 356,  47,  52, true,  true,  false},  // start key
    {"R",        37, 108,  78, 191, true,  true,  false},  // reflector
    {"F",       379, 108,  66, 191, true,  false, false},  // cover of the eight-rotor model
    {"E",       445, 108,  78, 191, true,  true,  false},  // entry plate
    {"W",       548,  97,  91, 202, true,  true,  false},  // mode wheel
    {"R1",      115, 108,  33, 191, true,  true,  false},  // R1..R10 follow this pattern
}};
// clang-format on

// The elements bound to the window's own mouse-move handler, which tells the mouse wheel
// that no rotor is under the pointer.
bool ClearsWheelSlot(const QString& element);

// Creates every element on `window` in stacking order, fixed artwork drawn, and returns them
// by name.
QHash<QString, PictureElement*> CreateMachineElements(QWidget* window);

}  // namespace q417
